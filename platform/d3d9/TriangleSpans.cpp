#include "platform/d3d9/TriangleSpans.h"

#include <algorithm>
#include <utility>

using FixedPoint::FirstCentreAtOrAfter;
using FixedPoint::SubPoint;

TriangleSpans::TriangleSpans(SubPoint a, SubPoint b, SubPoint c, std::int64_t width, std::int64_t height)
    : width_(width)
{
    // Top to bottom.
    if (b.y < a.y)
        std::swap(a, b);
    if (c.y < b.y)
        std::swap(b, c);
    if (b.y < a.y)
        std::swap(a, b);
    const std::int64_t cross = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
    firstRow_ = std::max<std::int64_t>(FirstCentreAtOrAfter(a.y), 0);
    endRow_ = std::min<std::int64_t>(FirstCentreAtOrAfter(c.y), height);
    if (firstRow_ >= endRow_ || cross == 0) {
        endRow_ = firstRow_;
        return;
    }
    b_ = b;
    c_ = c;
    row_ = firstRow_;
    midRow_ = std::clamp<std::int64_t>(FirstCentreAtOrAfter(b.y), firstRow_, endRow_);
    // The long edge a→c lies on the left when b is right of it.
    longEdgeLeft_ = cross > 0;
    longEdge_ = FixedPoint::EdgeColumns(a, c, firstRow_);
    shortEdge_ = firstRow_ < midRow_ ? FixedPoint::EdgeColumns(a, b, firstRow_)
                                     : FixedPoint::EdgeColumns(b, c, midRow_);
}
