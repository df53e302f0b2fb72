#pragma once
// Per-pixel colour arithmetic on packed 0xAARRGGBB values. Back buffers are
// XRGB, so every written pixel gets an opaque alpha byte.
#include "platform/d3d9/RasterTypes.h"

#include <cstdint>

namespace PixelOps {

constexpr std::uint32_t kOpaque = 0xFF000000u;

// x / 255 rounded to nearest, exact for 0 <= x <= 255 * 255.
constexpr std::uint32_t Div255(std::uint32_t x)
{
    x += 128;
    return (x + (x >> 8)) >> 8;
}

constexpr std::uint32_t Channel(std::uint32_t color, int shift)
{
    return (color >> shift) & 0xFFu;
}

// src × alpha + dst × (1 − alpha), red and blue in one multiply, green in another.
struct SourceAlphaBlend
{
    static std::uint32_t Blend(std::uint32_t src, std::uint32_t dst)
    {
        const std::uint32_t a = src >> 24;
        const std::uint32_t ia = 255 - a;
        std::uint32_t rb = (src & 0xFF00FFu) * a + (dst & 0xFF00FFu) * ia + 0x800080u;
        rb = ((rb + ((rb >> 8) & 0xFF00FFu)) >> 8) & 0xFF00FFu;
        std::uint32_t g = (src & 0xFF00u) * a + (dst & 0xFF00u) * ia + 0x8000u;
        g = ((g + ((g >> 8) & 0xFF00u)) >> 8) & 0xFF00u;
        return kOpaque | rb | g;
    }
};

// One texture-stage operation on one channel: arg1 is the texture, arg2 the vertex colour.
inline std::uint32_t StageChannel(D3DTEXTUREOP op, std::uint32_t texel, std::uint32_t diffuse)
{
    switch (op) {
    case D3DTOP_SELECTARG1:
        return texel;
    case D3DTOP_MODULATE:
        return Div255(texel * diffuse);
    case D3DTOP_DISABLE:
        break;
    }
    return diffuse;
}

// The stage's output: colour channels by the colour operation, alpha by the alpha operation.
inline std::uint32_t Stage(const RasterState& state, std::uint32_t texel, std::uint32_t diffuse)
{
    if (state.colorOp == D3DTOP_SELECTARG1 && state.alphaOp == D3DTOP_SELECTARG1)
        return texel;
    std::uint32_t out = StageChannel(state.alphaOp, texel >> 24, diffuse >> 24) << 24;
    for (int shift = 0; shift < 24; shift += 8)
        out |= StageChannel(state.colorOp, Channel(texel, shift), Channel(diffuse, shift)) << shift;
    return out;
}

} // namespace PixelOps
