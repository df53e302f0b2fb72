#pragma once
#include <cstddef>

// Memory for the many small objects of a large scene: nodes and primitives.
// Blocks of one size are cut from shared slabs without a per-block header, and
// a freed block is reused for the next block of its size; slabs stay for the
// life of the process. Blocks are aligned to 8 bytes, enough for every pooled
// class. Sizes above MaxSize come from the global heap. Not thread-safe: the
// program makes and destroys its scene on one thread. Under AddressSanitizer
// every block comes from the global heap, so a use after free is still caught.
class SmallObjectPool
{
public:
    static constexpr std::size_t MaxSize = 128;

    static void* Allocate(std::size_t size);
    // size as given to Allocate.
    static void Free(void* block, std::size_t size) noexcept;

    // What the pool holds, for measuring what a scene costs: the bytes of the
    // pooled blocks handed out and not freed, and the bytes of the slabs taken
    // from the heap (freed blocks stay in these).
    static std::size_t BytesInUse();
    static std::size_t SlabBytes();
};
