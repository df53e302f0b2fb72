#pragma once
#include <cstddef>
#include <cstdint>

// A 64-bit hash of everything a frame's pixels depend on, fed in the order the
// frame makes its calls. Two frames with the same inputs sign alike; frames
// that differ anywhere sign alike only by a collision of the 64-bit hash.
class FrameSignature
{
public:
    void Add(std::uint64_t word) { hash_ = Mix(hash_, word); }
    // The bytes of a block, eight at a time.
    void Add(const void* bytes, std::size_t size);
    std::uint64_t Value() const { return hash_; }

private:
    static std::uint64_t Mix(std::uint64_t hash, std::uint64_t word)
    {
        // Multiply and fold: every bit of the word reaches every bit of the hash within two steps.
        hash = (hash ^ word) * 0x9E3779B97F4A7C15ull;
        return hash ^ (hash >> 29);
    }

    std::uint64_t hash_ = 0x6A09E667F3BCC908ull;
};
