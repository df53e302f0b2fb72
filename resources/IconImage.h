#pragma once
#include <cstdint>
#include <vector>

// An icon as non-premultiplied 32-bit ARGB pixels, rows top to bottom.
struct IconImage
{
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;
};

// The icon with this id, or null when there is none.
const IconImage* FindIconImage(unsigned id);
