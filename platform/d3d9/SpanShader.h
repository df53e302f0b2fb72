#pragma once
#include "platform/d3d9/SpanPainters.h"

// Chooses the span painter for each primitive from the raster state and the
// primitive's colours, and hands it to the code that walks the primitive's rows.
class SpanShader
{
public:
    SpanShader(PixelBuffer& target, const RasterState& state);

    // The vertex colour of the next primitive: one value, or planes of a, r, g, b.
    void SetColor(D3DCOLOR color);
    void SetColorPlanes(const SpanPainters::GouraudPlanes& planes);
    // Texture coordinates in texels (u × width, v × height); unused without a texture.
    void SetTexelPlanes(const Plane& u, const Plane& v);

    // Calls walk(painter) once; walk calls painter(row, x0, x1) for each span,
    // with 0 <= x0 < x1 <= width and 0 <= row < height.
    template <class Walk> void Paint(Walk&& walk)
    {
        switch (writer_) {
        case Writer::Opaque:
            PaintWith(SpanPainters::OpaqueWrite{}, walk);
            break;
        case Writer::SourceAlpha:
            PaintWith(SpanPainters::SourceAlphaWrite{}, walk);
            break;
        }
    }

private:
    enum class Writer { Opaque, SourceAlpha };

    template <class Write, class Walk> void PaintWith(Write write, Walk& walk)
    {
        using namespace SpanPainters;
        if (!state_.texture) {
            if (gouraud_)
                walk(GouraudPainter<Write>{target_, planes_, write});
            else
                walk(ConstantPainter<Write>{target_, color_, write});
            return;
        }
        walk(TexturedPainter<Write>{target_, state_, u_, v_, write});
    }

    PixelBuffer& target_;
    const RasterState& state_;
    Writer writer_;
    bool gouraud_ = false;
    D3DCOLOR color_ = 0;
    SpanPainters::GouraudPlanes planes_;
    Plane u_;
    Plane v_;
};
