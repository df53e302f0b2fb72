#include "platform/d3d9/PixelBuffer.h"

#include <new>

bool PixelBuffer::Allocate(int newWidth, int newHeight, std::uint32_t fill)
{
    width = 0;
    height = 0;
    pixels.clear();
    if (newWidth < 1 || newHeight < 1 || newWidth > kMaxSide || newHeight > kMaxSide)
        return false;
    try {
        pixels.assign(static_cast<std::size_t>(newWidth) * newHeight, fill);
    } catch (const std::bad_alloc&) {
        pixels.clear();
        return false;
    }
    width = newWidth;
    height = newHeight;
    return true;
}
