#pragma once
#include "platform/d3d9/FixedPoint.h"

#include <vector>

// A triangle fan whose triangles tile a convex polygon covers exactly the
// pixels of that polygon under the top-left rule: edges inside the fan split
// pixels between neighbours without gaps or overlaps. Such a fan in one colour
// can be filled as the polygon, one span per row instead of one per triangle.
namespace ConvexFan {

// 1 when o, a, b turn clockwise on the target (y down), -1 anticlockwise, 0 in line.
inline int Turn(FixedPoint::SubPoint o, FixedPoint::SubPoint a, FixedPoint::SubPoint b)
{
    const std::int64_t cross = (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
    return (cross > 0) - (cross < 0);
}

// The polygon the fan tiles (snapped target space: centre first, then the rim
// as given; a rim that ends on its first vertex is closed around the centre).
// False when the fan is not such a tiling: a degenerate or reversed triangle, a
// dent in the outline, or an outline that winds more than once.
bool Outline(const std::vector<FixedPoint::SubPoint>& fan, std::vector<FixedPoint::SubPoint>& outline);

} // namespace ConvexFan
