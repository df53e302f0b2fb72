#include "primitives/PrimitiveList.h"
#include "primitives/PrimitiveCircle.h"
#include "primitives/PrimitiveRectangleXY.h"
#include "tests/render/RecordingDrawHelper.h"

#include <gtest/gtest.h>
#include <type_traits>

namespace {

// Counts its destructions and tags what it draws with its id.
class TrackedPrimitive : public TAV_Primitive
{
public:
    TrackedPrimitive(int id, int* deaths) : id(id), deaths_(deaths) {}
    ~TrackedPrimitive() override { ++*deaths_; }
    void DrawPrimitive(int, TAV_DrawHelper& helper) override
    {
        helper.DrawPoint(static_cast<float>(id), 0, 0);
    }
    const int id;

private:
    int* deaths_;
};

std::vector<int> Ids(const TAV_PrimitiveList& list)
{
    std::vector<int> ids;
    for (int i = 0; i < list.NumPrimitives(); ++i)
        ids.push_back(static_cast<const TrackedPrimitive*>(list.GetPrimitive(i))->id);
    return ids;
}

} // namespace

static_assert(!std::is_copy_constructible_v<TAV_PrimitiveList> &&
                  !std::is_copy_assignable_v<TAV_PrimitiveList>,
              "a list owns its entries and must not be copied");

TEST(PrimitiveList, VolumeIsTheUnionOfEntriesHiddenOnesIncludedRebuiltOnRequest)
{
    TAV_PrimitiveList list;
    EXPECT_EQ(list.GetBoundingVolume(0), nullptr);
    auto* rect = new TAV_PrimitiveRectangleXY;
    rect->SetCorners(0, 0, 0, 2, 1, 0);
    auto* circle = new TAV_PrimitiveCircle;
    circle->SetCenter(5, 5, 0);
    circle->SetRadius(1);
    circle->SetVisible(false);
    list.AddPrimitive(nullptr);
    list.AddPrimitive(rect);
    list.AddPrimitive(new TAV_PrimitiveList); // an empty list has no volume to add
    list.AddPrimitive(circle);
    const auto* box = static_cast<const TAV_BoundingBox*>(list.GetBoundingVolume(0));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->GetMin(), TAV_Vector3(0, 0, 0));
    EXPECT_EQ(box->GetMax(), TAV_Vector3(6, 6, 0));

    // It follows the entries and does not keep the old extent.
    circle->SetCenter(-5, 0, 0);
    box = static_cast<const TAV_BoundingBox*>(list.GetBoundingVolume(0));
    EXPECT_EQ(box->GetMin(), TAV_Vector3(-6, -1, 0));
    EXPECT_EQ(box->GetMax(), TAV_Vector3(2, 1, 0));
}

// Entries keep their order and their owner through every size a list passes,
// down to a single entry and up past the next power of two again.
TEST(PrimitiveList, OwnedEntriesKeepTheirOrderThroughDrawingRemovalAndGrowth)
{
    int deaths = 0;
    {
        TAV_PrimitiveList list;
        list.SetBlending(true);
        for (int id = 0; id < 5; ++id)
            list.AddPrimitive(new TrackedPrimitive(id, &deaths));
        list.GetPrimitive(1)->SetVisible(false);
        RecordingDrawHelper helper;
        list.Draw(2, helper);
        std::vector<float> drawn;
        for (const RecordingDrawHelper::Call& call : helper.calls) {
            if (call.name == "DrawPoint")
                drawn.push_back(call.args[0]);
            EXPECT_FALSE(call.blending); // the list sends no attributes of its own
        }
        EXPECT_EQ(drawn, (std::vector<float>{0, 2, 3, 4}));

        list.RemovePrimitive(0);
        EXPECT_EQ(Ids(list), (std::vector<int>{1, 2, 3, 4}));
        // Regression: an index out of range used to erase past the end; it is now ignored.
        list.RemovePrimitive(4);
        list.RemovePrimitive(-1);
        EXPECT_EQ(deaths, 1);
        EXPECT_EQ(list.GetPrimitive(4), nullptr);
        list.RemovePrimitive(3);
        list.RemovePrimitive(0);
        list.RemovePrimitive(1);
        for (int id = 5; id < 9; ++id)
            list.AddPrimitive(new TrackedPrimitive(id, &deaths));
        EXPECT_EQ(Ids(list), (std::vector<int>{2, 5, 6, 7, 8}));
    }
    EXPECT_EQ(deaths, 9);
}
