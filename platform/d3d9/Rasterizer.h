#pragma once
#include "platform/d3d9/FixedPoint.h"
#include "platform/d3d9/GouraudFan.h"
#include "platform/d3d9/RasterTypes.h"
#include "platform/d3d9/SpanShader.h"

#include <cstddef>
#include <span>
#include <vector>

// Draws triangles, lines and points into a target, in target space (pixels
// from the top-left corner, y down, pixel centres at half-integers).
//
// Coverage: a pixel belongs to a triangle when its centre is inside, or on a
// top or left edge (so triangles sharing an edge draw each pixel once); a line
// lights one pixel per column (or row, when steep) from its start up to, not
// including, its end; a point covers the square of its size centred on it,
// with the same top-left rule.
class Rasterizer
{
public:
    // Buffers a rasterizer reuses, kept by its owner so that drawing fans does
    // not allocate once they have grown to the largest fan.
    struct Scratch
    {
        std::vector<FixedPoint::SubPoint> fan;
        std::vector<FixedPoint::SubPoint> outline;
        std::vector<ScreenVertex> corners;
        GouraudFan::Scratch gouraud;
    };

    Rasterizer(PixelBuffer& target, const RasterState& state, Scratch& scratch);

    // flatColor is used when the state is not Gouraud.
    void FillTriangle(const ScreenVertex& a, const ScreenVertex& b, const ScreenVertex& c,
                      D3DCOLOR flatColor);
    void DrawLine(const ScreenVertex& a, const ScreenVertex& b, D3DCOLOR flatColor);
    void DrawPoint(const ScreenVertex& v);
    // Fills a triangle fan in one colour as the polygon it tiles, with the same
    // pixels as its triangles; false, drawing nothing, when the fan does not
    // tile a polygon every row crosses in one span (see ConvexFan.h).
    bool FillConvexFan(const ScreenVertex* fan, std::size_t count, D3DCOLOR color);
    // Fills a closed triangle fan in Gouraud colours, with the same pixels as
    // its triangles; false, drawing nothing, when the fan does not tile such a
    // polygon around its centre.
    bool ShadeConvexFan(const ScreenVertex* fan, std::size_t count);

private:
    // Snaps the fan into the scratch and finds the polygon it tiles; false when it does not tile one.
    bool SnapConvexFan(const ScreenVertex* fan, std::size_t count);
    // coveredInside: every pixel the triangle's spans colour lies inside a, b, c.
    void ShadeTriangle(const ScreenVertex& a, const ScreenVertex& b, const ScreenVertex& c,
                       D3DCOLOR flatColor, bool coveredInside);
    void CoverTriangle(FixedPoint::SubPoint a, FixedPoint::SubPoint b, FixedPoint::SubPoint c);
    // The one coverage walk: rows from the top vertex down, each span between
    // the two chains of the outline (a triangle is an outline of three points).
    void CoverConvexPolygon(std::span<const FixedPoint::SubPoint> outline);

    PixelBuffer& target_;
    const RasterState& state_;
    SpanShader shader_;
    Scratch& scratch_;
};
