#pragma once
// Per-pixel colour arithmetic on packed 0xAARRGGBB values. Back buffers are
// XRGB, so every written pixel gets an opaque alpha byte.
#include <cstdint>

namespace PixelOps {

constexpr std::uint32_t kOpaque = 0xFF000000u;

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

} // namespace PixelOps
