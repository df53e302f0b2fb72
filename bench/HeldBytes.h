#pragma once
#include "core/SmallObjectPool.h"

#include <cstddef>
#include <malloc.h>

// Bytes held for the program: what the heap handed out (blocks it mapped on
// their own included), with the small-object pool's slabs counted by the blocks
// in use in them, so blocks an earlier scene freed into the pool are not taken
// for free memory.
inline std::size_t HeldBytes()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd - SmallObjectPool::SlabBytes() + SmallObjectPool::BytesInUse();
}
