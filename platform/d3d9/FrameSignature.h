#pragma once
#include <cstddef>
#include <cstdint>

// A 64-bit hash of everything a frame's pixels depend on, fed in the order the
// frame makes its calls. Two frames with the same inputs sign alike; frames
// that differ anywhere sign alike only by a collision of the 64-bit hash.
class FrameSignature
{
public:
    void Add(std::uint64_t word);
    // The bytes of a block, eight at a time.
    void Add(const void* bytes, std::size_t size);
    std::uint64_t Value() const { return hash_; }

private:
    std::uint64_t hash_ = 0x6A09E667F3BCC908ull;
};
