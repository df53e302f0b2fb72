#pragma once
#include "platform/d3d9/FixedPoint.h"
#include "platform/d3d9/RasterTypes.h"
#include "platform/d3d9/SpanShader.h"

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
    Rasterizer(PixelBuffer& target, const RasterState& state);

    // flatColor is used when the state is not Gouraud.
    void FillTriangle(const ScreenVertex& a, const ScreenVertex& b, const ScreenVertex& c,
                      D3DCOLOR flatColor);
    void DrawLine(const ScreenVertex& a, const ScreenVertex& b, D3DCOLOR flatColor);
    void DrawPoint(const ScreenVertex& v);

private:
    void ShadeTriangle(const ScreenVertex& a, const ScreenVertex& b, const ScreenVertex& c,
                       D3DCOLOR flatColor);
    void CoverTriangle(FixedPoint::SubPoint a, FixedPoint::SubPoint b, FixedPoint::SubPoint c);

    PixelBuffer& target_;
    const RasterState& state_;
    SpanShader shader_;
};
