#pragma once
#include "platform/d3d9/FixedPoint.h"
#include "platform/d3d9/GouraudPlanes.h"
#include "platform/d3d9/PixelBuffer.h"
#include "platform/d3d9/RasterTypes.h"

#include <cstdint>
#include <span>
#include <vector>

// A closed Gouraud fan whose triangles tile a polygon around their shared
// centre (see ConvexFan.h), drawn row by row across the whole polygon. Each
// row is cut where the spokes cross it, and each piece takes its own
// triangle's colour planes over exactly the pixels that triangle covers in the
// row, so every pixel comes out as drawing the triangles one by one would
// colour it; the row's colours then reach the target in one pass.
class GouraudFan
{
public:
    // Buffers reused from fan to fan.
    struct Scratch
    {
        std::vector<SpanPainters::GouraudPlanes> planes;
        std::vector<unsigned char> planesReady;
        std::vector<FixedPoint::CeilStepper> spokes;
        std::vector<std::uint32_t> colours;
    };

    GouraudFan(PixelBuffer& target, bool blend, Scratch& scratch);

    // fan: the vertices, centre first, at their snapped positions; outline: the
    // rim the fan tiles (fan[1] to fan[count - 2], the last vertex repeating
    // fan[1]), winding the same way around the centre as every triangle.
    void Fill(std::span<const ScreenVertex> fan, FixedPoint::SubPoint centre,
              std::span<const FixedPoint::SubPoint> outline);

private:
    // Pixels [from, from + count) of a row.
    struct Span
    {
        int from;
        int count;
    };

    // Colours one row into the colour buffer (indexed by column): the spokes
    // crossing it, from the one nearest the left end in the given direction
    // around the outline, cut it into pieces between the outline's two edges,
    // each piece in the triangle between its cuts. Gives the row's pixels.
    template <int Direction>
    Span FillRow(int row, std::int64_t leftCut, std::size_t spoke, std::size_t crossing,
                 std::int64_t rightCut);
    // Writes or blends the row's coloured pixels onto the target.
    void Emit(int row, Span span);
    // The planes of triangle k (the centre, rim vertex k and the next), made
    // when the triangle first covers a pixel.
    const SpanPainters::GouraudPlanes& Planes(std::size_t k);

    PixelBuffer& target_;
    bool blend_;
    Scratch& scratch_;
    std::span<const ScreenVertex> fan_;
};
