#include "core/PointerArray.h"

#include <gtest/gtest.h>
#include <type_traits>

namespace {

// Counts destructions so tests can see exactly which elements were deleted.
struct Tracked
{
    explicit Tracked(int* deaths) : deaths_(deaths) {}
    virtual ~Tracked() { ++*deaths_; }
    int* deaths_;
};

} // namespace

TEST(Array, InsertAtClampsToBothEnds)
{
    TAV_Array<int> a;
    a.Append(1);
    a.Append(2);
    a.InsertAt(0, -5);
    a.InsertAt(3, a.Count());
    a.InsertAt(4, 100);
    a.InsertAt(9, 2);
    ASSERT_EQ(a.Count(), 6);
    const int expected[] = {0, 1, 9, 2, 3, 4};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(a.GetAt(i), expected[i]);
}

TEST(PointerArray, OwnershipDecidesWhatDestructionDeletesButNotWhatRemoveAtDeletes)
{
    int deaths = 0;
    Tracked kept(&deaths);
    for (bool owning : {false, true}) {
        TAV_PointerArray<Tracked> array(owning);
        array.Append(owning ? new Tracked(&deaths) : &kept);
        array.Append(nullptr);
        array.Append(new Tracked(&deaths));
        array.RemoveAt(2);
    }
    EXPECT_EQ(deaths, 3);
}

TEST(PointerArray, MovingTransfersOwnership)
{
    static_assert(!std::is_copy_constructible_v<TAV_PointerArray<Tracked>>);
    static_assert(!std::is_copy_assignable_v<TAV_PointerArray<Tracked>>);
    int deaths = 0;
    TAV_PointerArray<Tracked> target(true);
    target.Append(new Tracked(&deaths));
    {
        TAV_PointerArray<Tracked> source(true);
        source.Append(new Tracked(&deaths));
        target = std::move(source);
        EXPECT_EQ(deaths, 1); // target's old element
    }
    EXPECT_EQ(deaths, 1); // the moved-from source deleted nothing
    EXPECT_EQ(target.Count(), 1);
}
