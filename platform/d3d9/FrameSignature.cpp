#include "platform/d3d9/FrameSignature.h"

#include <cstring>

namespace {

std::uint64_t WordAt(const unsigned char* at)
{
    std::uint64_t word;
    std::memcpy(&word, at, 8);
    return word;
}

} // namespace

void FrameSignature::Add(const void* bytes, std::size_t size)
{
    const auto* at = static_cast<const unsigned char*>(bytes);
    Add(size);
    // Four words at a time into four independent lanes, so the multiplies
    // overlap instead of waiting on each other; the lanes then join the hash.
    if (size >= 32) {
        std::uint64_t lanes[4] = {hash_, hash_ + 1, hash_ + 2, hash_ + 3};
        for (; size >= 32; size -= 32, at += 32)
            for (int k = 0; k < 4; ++k)
                lanes[k] = Mix(lanes[k], WordAt(at + 8 * k));
        for (std::uint64_t lane : lanes)
            Add(lane);
    }
    for (; size >= 8; size -= 8, at += 8)
        Add(WordAt(at));
    if (size > 0) {
        std::uint64_t tail = 0;
        std::memcpy(&tail, at, size);
        Add(tail);
    }
}
