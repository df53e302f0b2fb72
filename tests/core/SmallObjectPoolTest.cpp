#include "core/SmallObjectPool.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

struct Block
{
    unsigned char* bytes;
    std::size_t size;
};

Block Fill(std::size_t size, unsigned char value)
{
    auto* bytes = static_cast<unsigned char*>(SmallObjectPool::Allocate(size));
    std::memset(bytes, value, size);
    return {bytes, size};
}

} // namespace

// Blocks of every size, pooled and not, freed and cut again in between, never
// overlap, keep what was written into them and are aligned for pointers and doubles.
TEST(SmallObjectPoolTest, LiveBlocksNeverOverlap)
{
    std::vector<Block> live;
    for (int round = 0; round < 3; ++round) {
        for (std::size_t size = 1; size <= SmallObjectPool::MaxSize + 40; size += 3)
            live.push_back(Fill(size, static_cast<unsigned char>(live.size())));
        for (std::size_t i = round; i < live.size(); i += 3) {
            SmallObjectPool::Free(live[i].bytes, live[i].size);
            live[i] = Fill(live[i].size, static_cast<unsigned char>(i));
        }
    }
    for (std::size_t i = 0; i < live.size(); ++i) {
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(live[i].bytes) % 8, 0u);
        for (std::size_t k = 0; k < live[i].size; ++k)
            ASSERT_EQ(live[i].bytes[k], static_cast<unsigned char>(i)) << "block " << i;
        SmallObjectPool::Free(live[i].bytes, live[i].size);
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
