#pragma once
#include "platform/d3d9/D3DTypes.h"
#include "platform/d3d9/PixelBuffer.h"

#include <algorithm>
#include <limits>

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

// The box around some vertices, to skip geometry that cannot reach the target
// before any work is spent on it. Vertices that are not finite are left out:
// no primitive through them is drawn.
struct ScreenBounds
{
    double left = std::numeric_limits<double>::infinity();
    double top = std::numeric_limits<double>::infinity();
    double right = -std::numeric_limits<double>::infinity();
    double bottom = -std::numeric_limits<double>::infinity();

    void Add(const ScreenVertex& v)
    {
        left = std::min(left, v.x);
        top = std::min(top, v.y);
        right = std::max(right, v.x);
        bottom = std::max(bottom, v.y);
    }
    // True when no triangle or line inside lights a pixel of the target. The
    // margin of a pixel covers snapping and lines lighting the pixel they cross.
    bool Misses(const PixelBuffer& target) const
    {
        return right < -1.0 || bottom < -1.0 || left > target.width + 1.0 || top > target.height + 1.0;
    }
};

// The render and texture-stage states a primitive is drawn with.
struct RasterState
{
    bool gouraud = true;
    // Source alpha over the target.
    bool blend = false;
    // Stage 0's texture, null when the stage passes the vertex colour through.
    const PixelBuffer* texture = nullptr;
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

    // The plane through three values at three positions; constant for a degenerate triangle.
    static Plane Through(const ScreenVertex& a, const ScreenVertex& b, const ScreenVertex& c, double fa,
                         double fb, double fc)
    {
        Plane plane{a.x, a.y, fa, 0.0, 0.0};
        const double bx = b.x - a.x, by = b.y - a.y, cx = c.x - a.x, cy = c.y - a.y;
        const double det = bx * cy - cx * by;
        if (det != 0.0) {
            plane.dx = ((fb - fa) * cy - (fc - fa) * by) / det;
            plane.dy = ((fc - fa) * bx - (fb - fa) * cx) / det;
        }
        return plane;
    }
};

// Channel 0..3 (a, r, g, b) of a colour, 0..255.
inline double ChannelOf(D3DCOLOR color, int channel)
{
    return static_cast<double>((color >> (24 - 8 * channel)) & 0xFFu);
}
