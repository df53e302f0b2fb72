#include "core/SmallObjectPool.h"

#include <new>

namespace {

constexpr std::size_t Granule = 8;
constexpr std::size_t BytesPerSlab = 16384;

std::size_t bytesInUse = 0;
std::size_t slabBytes = 0;

struct FreeBlock
{
    FreeBlock* next;
};

// The blocks of one rounded size: freed ones first, then the rest of the slab
// being cut.
struct SizeClass
{
    FreeBlock* freed = nullptr;
    char* next = nullptr;
    char* end = nullptr;
};

std::size_t Rounded(std::size_t size)
{
    return (size + Granule - 1) / Granule * Granule;
}

SizeClass& ClassOf(std::size_t size)
{
    static SizeClass classes[SmallObjectPool::MaxSize / Granule];
    return classes[Rounded(size) / Granule - 1];
}

bool Pooled(std::size_t size)
{
#ifdef __SANITIZE_ADDRESS__
    (void)size;
    return false;
#else
    return size != 0 && size <= SmallObjectPool::MaxSize;
#endif
}

} // namespace

void* SmallObjectPool::Allocate(std::size_t size)
{
    if (!Pooled(size))
        return ::operator new(size);
    SizeClass& sizeClass = ClassOf(size);
    if (FreeBlock* block = sizeClass.freed) {
        sizeClass.freed = block->next;
        bytesInUse += Rounded(size);
        return block;
    }
    const std::size_t blockBytes = Rounded(size);
    if (static_cast<std::size_t>(sizeClass.end - sizeClass.next) < blockBytes) {
        sizeClass.next = static_cast<char*>(::operator new(BytesPerSlab));
        sizeClass.end = sizeClass.next + BytesPerSlab;
        slabBytes += BytesPerSlab;
    }
    void* block = sizeClass.next;
    sizeClass.next += blockBytes;
    bytesInUse += blockBytes;
    return block;
}

void SmallObjectPool::Free(void* block, std::size_t size) noexcept
{
    if (block == nullptr)
        return;
    if (!Pooled(size)) {
        ::operator delete(block);
        return;
    }
    SizeClass& sizeClass = ClassOf(size);
    auto* freed = static_cast<FreeBlock*>(block);
    freed->next = sizeClass.freed;
    sizeClass.freed = freed;
    bytesInUse -= Rounded(size);
}

std::size_t SmallObjectPool::BytesInUse()
{
    return bytesInUse;
}

std::size_t SmallObjectPool::SlabBytes()
{
    return slabBytes;
}
