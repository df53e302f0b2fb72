#include "primitives/PrimitiveList.h"
#include "primitives/PrimitiveCircle.h"
#include "primitives/PrimitiveRectangleXY.h"
#include "tests/primitives/RecordingDrawHelper.h"

#include <gtest/gtest.h>
#include <type_traits>

namespace {

// Counts its destructions and tags what it draws with its id.
class TrackedPrimitive : public TAV_Primitive
{
public:
    TrackedPrimitive(int id, int* deaths) : id_(id), deaths_(deaths) {}
    ~TrackedPrimitive() override { ++*deaths_; }
    void Update(float elapsed) override { updated_ += elapsed; }
    void DrawPrimitive(int, TAV_DrawHelper& helper) override
    {
        helper.DrawPoint(static_cast<float>(id_), 0, 0);
    }
    int Id() const { return id_; }
    float Updated() const { return updated_; }

private:
    int id_;
    int* deaths_;
    float updated_ = 0.0f;
};

TAV_PrimitiveRectangleXY* Rectangle(float x1, float y1, float x2, float y2)
{
    auto* rect = new TAV_PrimitiveRectangleXY;
    rect->SetCorners(x1, y1, 0, x2, y2, 0);
    return rect;
}

TAV_PrimitiveCircle* Circle(float x, float y, float radius)
{
    auto* circle = new TAV_PrimitiveCircle;
    circle->SetCenter(x, y, 0);
    circle->SetRadius(radius);
    return circle;
}

const TAV_BoundingBox* BoxOf(TAV_PrimitiveList& list)
{
    return static_cast<const TAV_BoundingBox*>(list.GetBoundingVolume(0));
}

} // namespace

static_assert(!std::is_copy_constructible_v<TAV_PrimitiveList> &&
                  !std::is_copy_assignable_v<TAV_PrimitiveList>,
              "a list owns its entries and must not be copied");

TEST(PrimitiveList, VolumeIsTheUnionOfEntriesHiddenOnesIncluded)
{
    TAV_PrimitiveList list;
    EXPECT_EQ(list.GetBoundingVolume(0), nullptr);

    list.AddPrimitive(Rectangle(0, 0, 2, 1));
    list.AddPrimitive(Circle(5, 5, 1));
    list.GetPrimitive(1)->SetVisible(false);
    const TAV_BoundingBox* box = BoxOf(list);
    ASSERT_NE(box, nullptr);
    EXPECT_FLOAT_EQ(box->GetMin().x, 0.0f);
    EXPECT_FLOAT_EQ(box->GetMin().y, 0.0f);
    EXPECT_FLOAT_EQ(box->GetMax().x, 6.0f);
    EXPECT_FLOAT_EQ(box->GetMax().y, 6.0f);

    // Rebuilt on request: it follows the entries and does not keep the old extent.
    static_cast<TAV_PrimitiveCircle*>(list.GetPrimitive(1))->SetCenter(-5, 0, 0);
    box = BoxOf(list);
    EXPECT_FLOAT_EQ(box->GetMin().x, -6.0f);
    EXPECT_FLOAT_EQ(box->GetMax().x, 2.0f);
    EXPECT_FLOAT_EQ(box->GetMax().y, 1.0f);
}

TEST(PrimitiveList, NestedListsAndNullSlotsAreHandled)
{
    TAV_PrimitiveList list;
    auto* inner = new TAV_PrimitiveList;
    inner->AddPrimitive(Rectangle(-3, -3, -2, -2));
    list.AddPrimitive(nullptr);
    list.AddPrimitive(inner);
    list.AddPrimitive(new TAV_PrimitiveList);
    const TAV_BoundingBox* box = BoxOf(list);
    ASSERT_NE(box, nullptr);
    EXPECT_FLOAT_EQ(box->GetMin().x, -3.0f);
    EXPECT_FLOAT_EQ(box->GetMax().y, -2.0f);

    RecordingDrawHelper helper;
    list.Update(1.0f);
    list.Draw(2, helper);
    EXPECT_EQ(helper.calls.back().name, "DrawRectangle");
}

TEST(PrimitiveList, OwnsItsEntriesAndRemoveShiftsAndDeletes)
{
    int deaths = 0;
    {
        TAV_PrimitiveList list;
        for (int id = 0; id < 3; ++id)
            list.AddPrimitive(new TrackedPrimitive(id, &deaths));
        EXPECT_EQ(list.GetPrimitive(-1), nullptr);
        EXPECT_EQ(list.GetPrimitive(list.NumPrimitives()), nullptr);

        list.RemovePrimitive(0);
        EXPECT_EQ(deaths, 1);
        ASSERT_EQ(list.NumPrimitives(), 2);
        EXPECT_EQ(static_cast<TrackedPrimitive*>(list.GetPrimitive(0))->Id(), 1);
        EXPECT_EQ(static_cast<TrackedPrimitive*>(list.GetPrimitive(1))->Id(), 2);

        // Regression: an index out of range used to erase past the end; it is now ignored.
        list.RemovePrimitive(2);
        list.RemovePrimitive(-1);
        EXPECT_EQ(list.NumPrimitives(), 2);
        EXPECT_EQ(deaths, 1);
    }
    EXPECT_EQ(deaths, 3);
}

TEST(PrimitiveList, DrawsAndUpdatesEntriesInOrderAndSendsNoAttributesOfItsOwn)
{
    int deaths = 0;
    TAV_PrimitiveList list;
    list.SetColor(TAV_Color(0, 255, 0, 255));
    list.SetFillMode(1);
    list.SetBlending(true);
    for (int id = 0; id < 3; ++id)
        list.AddPrimitive(new TrackedPrimitive(id, &deaths));
    list.GetPrimitive(1)->SetVisible(false);

    RecordingDrawHelper helper;
    list.Draw(2, helper);
    std::vector<float> drawn;
    for (const RecordingDrawHelper::Call& call : helper.calls) {
        EXPECT_NE(call.name, "SetFillMode");
        if (call.name == "DrawPoint")
            drawn.push_back(call.args[0]);
        EXPECT_FALSE(call.blending);
        EXPECT_NE(call.color, 0xFF00FF00u);
    }
    EXPECT_EQ(drawn, (std::vector<float>{0, 2}));

    list.Update(0.25f);
    EXPECT_FLOAT_EQ(static_cast<TrackedPrimitive*>(list.GetPrimitive(1))->Updated(), 0.25f);

    helper.calls.clear();
    list.SetVisible(false);
    list.SetDrawBoundingVolume(true);
    list.Draw(2, helper);
    EXPECT_TRUE(helper.calls.empty());
}

TEST(PrimitiveList, OwnOutlineIsTheUnionDrawnAfterAllEntries)
{
    TAV_PrimitiveList list;
    list.AddPrimitive(Rectangle(0, 0, 2, 1));
    list.AddPrimitive(Circle(5, 5, 1));
    list.SetDrawBoundingVolume(true);
    RecordingDrawHelper helper;
    list.Draw(2, helper);
    ASSERT_GE(helper.calls.size(), 4u);
    const RecordingDrawHelper::Call& last = helper.calls.back();
    EXPECT_EQ(last.name, "DrawLine");
    EXPECT_EQ(last.args, (std::vector<float>{0, 6, 0, 0, 0, 0}));
    EXPECT_EQ(last.color, 0xFFFF0000u);

    TAV_PrimitiveList empty;
    empty.SetDrawBoundingVolume(true);
    helper.calls.clear();
    empty.Draw(2, helper);
    EXPECT_TRUE(helper.calls.empty());
}
