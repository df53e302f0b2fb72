#pragma once
#include "platform/d3d9/FixedPoint.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <span>

// One side of a polygon every row crosses in one span, walked from its top
// vertex down to its bottom vertex, forwards or backwards around the outline.
class OutlineChain
{
public:
    OutlineChain(std::span<const FixedPoint::SubPoint> outline, std::size_t top, bool forward)
        : outline_(outline), to_(top), forward_(forward)
    {
    }

    // The rows of a target of the given height the polygon covers, [first,
    // end), and the top vertex its chains start from.
    struct Rows
    {
        std::size_t top;
        std::int64_t first;
        std::int64_t end;
    };
    static Rows RowsOf(std::span<const FixedPoint::SubPoint> outline, std::int64_t height)
    {
        std::size_t top = 0, bottom = 0;
        for (std::size_t i = 1; i < outline.size(); ++i) {
            if (outline[i].y < outline[top].y)
                top = i;
            if (outline[i].y > outline[bottom].y)
                bottom = i;
        }
        return {top, std::max<std::int64_t>(FixedPoint::FirstCentreAtOrAfter(outline[top].y), 0),
                std::min<std::int64_t>(FixedPoint::FirstCentreAtOrAfter(outline[bottom].y), height)};
    }

    // Moves to the edge that covers the row, skipping edges that cover none.
    void Reach(std::int64_t row)
    {
        while (endRow_ <= row) {
            from_ = to_;
            if (forward_)
                to_ = to_ + 1 == outline_.size() ? 0 : to_ + 1;
            else
                to_ = (to_ == 0 ? outline_.size() : to_) - 1;
            endRow_ = FixedPoint::FirstCentreAtOrAfter(outline_[to_].y);
            if (endRow_ > row)
                edge_ = FixedPoint::EdgeColumns(outline_[from_], outline_[to_], row);
        }
    }
    // The first column at or right of the current edge in the current row.
    std::int64_t Column() const { return edge_.Value(); }
    void Step() { edge_.Step(); }
    // The outline indices of the current edge's upper and lower ends.
    std::size_t From() const { return from_; }
    std::size_t To() const { return to_; }

private:
    std::span<const FixedPoint::SubPoint> outline_;
    std::size_t from_ = 0;
    std::size_t to_;
    bool forward_;
    std::int64_t endRow_ = std::numeric_limits<std::int64_t>::min();
    FixedPoint::CeilStepper edge_;
};
