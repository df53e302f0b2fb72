#include "platform/d3d9/FrameSignature.h"

#include <cstring>

void FrameSignature::Add(std::uint64_t word)
{
    // Multiply and fold: every bit of the word reaches every bit of the hash within two steps.
    hash_ = (hash_ ^ word) * 0x9E3779B97F4A7C15ull;
    hash_ ^= hash_ >> 29;
}

void FrameSignature::Add(const void* bytes, std::size_t size)
{
    const auto* at = static_cast<const unsigned char*>(bytes);
    Add(size);
    for (; size >= 8; size -= 8, at += 8) {
        std::uint64_t word;
        std::memcpy(&word, at, 8);
        Add(word);
    }
    if (size > 0) {
        std::uint64_t tail = 0;
        std::memcpy(&tail, at, size);
        Add(tail);
    }
}
