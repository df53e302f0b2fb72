#include "core/SmallObjectPool.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

// Blocks of every size, pooled and not, freed and cut again in between, never
// overlap, keep what was written into them and are aligned for pointers and doubles.
TEST(SmallObjectPoolTest, LiveBlocksNeverOverlap)
{
    std::vector<std::pair<unsigned char*, std::size_t>> live;
    const auto fill = [&live](std::size_t index, std::size_t size) {
        live.resize(std::max(live.size(), index + 1));
        live[index] = {static_cast<unsigned char*>(SmallObjectPool::Allocate(size)), size};
        std::memset(live[index].first, static_cast<unsigned char>(index), size);
    };
    for (int round = 0; round < 3; ++round) {
        for (std::size_t size = 1; size <= SmallObjectPool::MaxSize + 40; size += 3)
            fill(live.size(), size);
        for (std::size_t i = round; i < live.size(); i += 3) {
            SmallObjectPool::Free(live[i].first, live[i].second);
            fill(i, live[i].second);
        }
    }
    for (std::size_t i = 0; i < live.size(); ++i) {
        const auto [bytes, size] = live[i];
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(bytes) % 8, 0u);
        for (std::size_t k = 0; k < size; ++k)
            ASSERT_EQ(bytes[k], static_cast<unsigned char>(i)) << "block " << i;
        SmallObjectPool::Free(bytes, size);
    }
}

#ifndef __SANITIZE_ADDRESS__
TEST(SmallObjectPoolTest, AFreedBlockServesTheNextBlockOfItsRoundedSize)
{
    void* first = SmallObjectPool::Allocate(40);
    SmallObjectPool::Free(first, 40);
    const std::size_t inUse = SmallObjectPool::BytesInUse();
    EXPECT_EQ(SmallObjectPool::Allocate(33), first);
    EXPECT_EQ(SmallObjectPool::BytesInUse() - inUse, 40u);
    SmallObjectPool::Free(first, 33);
}
#endif
