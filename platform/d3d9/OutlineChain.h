#pragma once
#include "platform/d3d9/FixedPoint.h"

#include <cstddef>
#include <limits>
#include <span>

// One side of a convex polygon, walked from its top vertex down to its bottom
// vertex, forwards or backwards around the outline.
class OutlineChain
{
public:
    OutlineChain(std::span<const FixedPoint::SubPoint> outline, std::size_t top, bool forward)
        : outline_(outline), to_(top), forward_(forward)
    {
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
