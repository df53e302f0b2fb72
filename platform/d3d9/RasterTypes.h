#pragma once
#include "platform/d3d9/D3DTypes.h"
#include "platform/d3d9/PixelBuffer.h"

// A vertex in target space: pixels from the top-left corner, x right, y down,
// pixel centres at half-integers.
struct ScreenVertex
{
    double x = 0.0;
    double y = 0.0;
    D3DCOLOR color = 0xFFFFFFFFu;
    float u = 0.0f;
    float v = 0.0f;
    float pointSize = 1.0f;
};

// The render and texture-stage states a primitive is drawn with.
struct RasterState
{
    bool gouraud = true;
    bool blend = false;
    D3DBLEND srcBlend = D3DBLEND_ONE;
    D3DBLEND destBlend = D3DBLEND_ZERO;
    D3DBLENDOP blendOp = D3DBLENDOP_ADD;
    // Stage 0's texture, null when the stage passes the vertex colour through.
    const PixelBuffer* texture = nullptr;
    D3DTEXTUREOP colorOp = D3DTOP_DISABLE;
    D3DTEXTUREOP alphaOp = D3DTOP_DISABLE;
    // Points spread the whole texture over their square instead of using their own u, v.
    bool pointSprite = false;
};

// An attribute that varies linearly over a primitive, in target space.
struct Plane
{
    double x0 = 0.0;
    double y0 = 0.0;
    double value = 0.0;
    double dx = 0.0;
    double dy = 0.0;

    double At(double x, double y) const { return value + dx * (x - x0) + dy * (y - y0); }
};
