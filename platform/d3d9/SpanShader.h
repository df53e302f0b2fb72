#pragma once
#include "platform/d3d9/RasterTypes.h"

#include <array>
#include <cstdint>

// Colours the pixels of horizontal spans for one primitive at a time: one
// colour or Gouraud-interpolated channels, optionally through texture stage 0,
// then written or blended into the target. Attributes step in 16.16 fixed point
// along the span, so the inner loop has no division.
class SpanShader
{
public:
    SpanShader(PixelBuffer& target, const RasterState& state);

    // The vertex colour of the next primitive: one value, or planes of a, r, g, b (0..255).
    void SetColor(D3DCOLOR color);
    void SetColorPlanes(const std::array<Plane, 4>& channels);
    // Texture coordinates in texels (u × width, v × height); unused without a texture.
    void SetTexelPlanes(const Plane& u, const Plane& v);

    // Shades pixels [x0, x1) of the row; requires 0 <= x0 < x1 <= width and 0 <= row < height.
    void Fill(int row, int x0, int x1);

private:
    enum class Writer { Opaque, SourceAlpha, Generic };

    template <class WriterOp>
    void FillWith(std::uint32_t* pixels, double x, double y, int count, WriterOp op);
    template <class Source, class WriterOp>
    static void Run(std::uint32_t* pixels, int count, Source source, WriterOp op);

    PixelBuffer& target_;
    const RasterState& state_;
    Writer writer_;
    bool gouraud_ = false;
    D3DCOLOR color_ = 0;
    std::array<Plane, 4> channels_{};
    std::array<std::int32_t, 4> channelSteps_{};
    Plane u_;
    Plane v_;
};
