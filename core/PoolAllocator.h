#pragma once
#include "core/SmallObjectPool.h"

#include <cstddef>

// A standard allocator over the small-object pool, for the short arrays each of
// many objects keeps (a node's child slots): no heap header per array.
template <typename T> struct PoolAllocator
{
    using value_type = T;

    PoolAllocator() = default;
    template <typename U> PoolAllocator(const PoolAllocator<U>&) noexcept {}

    T* allocate(std::size_t count) { return static_cast<T*>(SmallObjectPool::Allocate(count * sizeof(T))); }
    void deallocate(T* items, std::size_t count) noexcept { SmallObjectPool::Free(items, count * sizeof(T)); }

    template <typename U> bool operator==(const PoolAllocator<U>&) const noexcept { return true; }
};
