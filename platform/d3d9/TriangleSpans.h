#pragma once
#include "platform/d3d9/FixedPoint.h"

#include <cstdint>

// The spans of a snapped triangle, row by row from top to bottom: the pixels
// of a row whose centres lie inside, or on a top or left edge, cut to a target
// width. Rows whose centres lie in [top, bottom) are covered.
class TriangleSpans
{
public:
    TriangleSpans(FixedPoint::SubPoint a, FixedPoint::SubPoint b, FixedPoint::SubPoint c, std::int64_t width,
                  std::int64_t height);

    // The rows to walk; none when the triangle is degenerate or off the target.
    std::int64_t FirstRow() const { return firstRow_; }
    std::int64_t EndRow() const { return endRow_; }
    bool Empty() const { return firstRow_ >= endRow_; }

    // The span [left, right) of the current row (may be empty), then the next row.
    void Next(std::int64_t& left, std::int64_t& right)
    {
        if (row_ == midRow_ && row_ != firstRow_)
            shortEdge_ = FixedPoint::EdgeColumns(b_, c_, midRow_);
        const FixedPoint::CeilStepper& leftEdge = longEdgeLeft_ ? longEdge_ : shortEdge_;
        const FixedPoint::CeilStepper& rightEdge = longEdgeLeft_ ? shortEdge_ : longEdge_;
        left = leftEdge.Value() > 0 ? leftEdge.Value() : 0;
        right = rightEdge.Value() < width_ ? rightEdge.Value() : width_;
        longEdge_.Step();
        shortEdge_.Step();
        ++row_;
    }

private:
    FixedPoint::SubPoint b_{};
    FixedPoint::SubPoint c_{};
    std::int64_t width_;
    std::int64_t firstRow_ = 0;
    std::int64_t endRow_ = 0;
    std::int64_t midRow_ = 0;
    std::int64_t row_ = 0;
    bool longEdgeLeft_ = false;
    FixedPoint::CeilStepper longEdge_;
    FixedPoint::CeilStepper shortEdge_;
};
