#pragma once
#include "platform/d3d9/FixedPoint.h"

#include <vector>

// A triangle fan whose triangles all turn the same way around its centre, and
// whose outline goes down once and up once, tiles the polygon of that outline:
// a row crosses the outline twice at most, so no point lies in two triangles
// and every row crosses the polygon in one span. A convex polygon is the usual
// case; a dented one is tiled as well. Such a fan covers exactly the pixels of
// its polygon under the top-left rule: edges inside the fan split pixels
// between neighbours without gaps or overlaps. In one colour it can be filled
// as the polygon, one span per row instead of one per triangle.
namespace ConvexFan {

// 1 when o, a, b turn clockwise on the target (y down), -1 anticlockwise, 0 in line.
inline int Turn(FixedPoint::SubPoint o, FixedPoint::SubPoint a, FixedPoint::SubPoint b)
{
    const std::int64_t cross = (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
    return (cross > 0) - (cross < 0);
}

// The polygon the fan tiles (snapped target space: centre first, then the rim
// as given; a rim that ends on its first vertex is closed around the centre).
// False when the fan is not such a tiling: a degenerate or reversed triangle,
// or an outline that winds more than once or goes down and up more than once.
bool Outline(const std::vector<FixedPoint::SubPoint>& fan, std::vector<FixedPoint::SubPoint>& outline);

} // namespace ConvexFan
