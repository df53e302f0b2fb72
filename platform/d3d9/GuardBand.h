#pragma once
#include "platform/d3d9/RasterTypes.h"

#include <vector>

// Keeps target-space coordinates small enough for exact fixed-point edges.
// Primitives entirely inside the band are drawn as they are; others are cut to
// the band, which lies far outside any target, so the cut edges are never seen.
namespace GuardBand {

// Coordinates with a magnitude above this many pixels are cut.
constexpr double kLimit = 1 << 20;

bool Inside(const ScreenVertex& v);
// The triangle cut to the band as a convex polygon (empty when nothing is
// left). Only positions are meaningful in the result.
std::vector<ScreenVertex> ClipTriangle(const ScreenVertex& a, const ScreenVertex& b, const ScreenVertex& c);
// Cuts the segment to the band in place; false when nothing is left.
bool ClipSegment(ScreenVertex& a, ScreenVertex& b);

} // namespace GuardBand
