#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// 32-bit pixels in D3DCOLOR layout (0xAARRGGBB), row-major with row 0 at the top.
struct PixelBuffer
{
    // Largest side accepted, in pixels.
    static constexpr int kMaxSide = 16384;

    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    // Sizes the buffer and fills it with fill; false (buffer left empty) when a
    // side is not in 1..kMaxSide or memory runs out.
    bool Allocate(int newWidth, int newHeight, std::uint32_t fill);

    std::uint32_t* Row(int row) { return pixels.data() + static_cast<std::size_t>(row) * width; }
    const std::uint32_t* Row(int row) const { return pixels.data() + static_cast<std::size_t>(row) * width; }
};
