#include "render/D3DDrawHelper.h"
#include "tests/render/DrawHelperTestFixture.h"

namespace {

constexpr float QuarterTurn = 1.5707964f;

struct Transform
{
    TAV_Vector3 t{0, 0, 0};
    TAV_Vector3 s{1, 1, 1};
    float rotation = 0.0f;
    TAV_Vector3 p{0, 0, 0};
};

bool Accumulate(TAV_DrawHelper& helper, const Transform& x)
{
    return helper.AccumulateModelTransform(x.t.x, x.t.y, x.t.z, x.s.x, x.s.y, x.s.z, x.rotation, x.p.x, x.p.y,
                                           x.p.z);
}

TAV_Vector3 Map(TAV_DrawHelper& helper, TAV_Vector3 point)
{
    EXPECT_TRUE(helper.TransformPoint(point));
    return point;
}

void ExpectNear(TAV_Vector3 actual, TAV_Vector3 expected)
{
    EXPECT_NEAR(actual.x, expected.x, 1e-5f);
    EXPECT_NEAR(actual.y, expected.y, 1e-5f);
    EXPECT_NEAR(actual.z, expected.z, 1e-5f);
}

} // namespace

using DrawHelperMatrix = DrawHelperDeviceTest;

TEST_F(DrawHelperMatrix, NodeTransformScalesAndRotatesAboutThePivotThenTranslates)
{
    struct Case
    {
        Transform transform;
        TAV_Vector3 local;
        TAV_Vector3 expected;
    };
    const Case cases[] = {
        {{}, {3, -4, 2}, {3, -4, 2}},
        {{{0, 0, 0}, {1, 1, 1}, 0, {7, 9, 0}}, {3, -4, 0}, {3, -4, 0}},
        {{{0, 0, 0}, {2, 2, 1}, 0, {1, 0, 0}}, {0, 0, 0}, {-1, 0, 0}},
        {{{0, 0, 0}, {1, 1, 1}, QuarterTurn, {1, 0, 0}}, {0, 0, 0}, {1, -1, 0}},
        {{{0, 0, 0}, {1, 1, 1}, QuarterTurn, {0, 0, 0}}, {0, 0, 0}, {0, 0, 0}},
        {{{5, 0, 0}, {2, 1, 1}, QuarterTurn, {1, 1, 0}}, {2, 1, 0}, {6, 3, 0}},
        {{{0, 0, 0}, {0, 1, 1}, QuarterTurn, {1, 2, 0}}, {9, 2, 0}, {1, 2, 0}},
    };
    for (const Case& c : cases) {
        TAVD3D_DrawHelper helper;
        ASSERT_TRUE(helper.InitializeModelTransform());
        ASSERT_TRUE(helper.PushModelTransform());
        ASSERT_TRUE(Accumulate(helper, c.transform));
        ExpectNear(Map(helper, c.local), c.expected);
    }
}

TEST_F(DrawHelperMatrix, ChildTransformComposesOnTopOfTheParent)
{
    TAVD3D_DrawHelper helper;
    ASSERT_TRUE(helper.InitializeModelTransform());
    ASSERT_TRUE(helper.PushModelTransform());
    Transform parent;
    parent.rotation = QuarterTurn;
    parent.t = {10, 0, 0};
    ASSERT_TRUE(Accumulate(helper, parent));
    ASSERT_TRUE(helper.PushModelTransform());
    Transform child;
    child.t = {1, 0, 0};
    child.s = {2, 2, 1};
    ASSERT_TRUE(Accumulate(helper, child));
    // (1, 1) scaled to (2, 2), moved to (3, 2), then the parent turns it to (-2, 3) and moves it.
    ExpectNear(Map(helper, {1, 1, 0}), {8, 3, 0});

    ASSERT_TRUE(helper.PopModelTransform());
    ExpectNear(Map(helper, {1, 1, 0}), {9, 1, 0});
    ASSERT_TRUE(helper.PopModelTransform());
    ExpectNear(Map(helper, {1, 1, 0}), {1, 1, 0});
}

TEST_F(DrawHelperMatrix, EveryStackOperationInstallsTheTopAsWorldTransform)
{
    TAVD3D_DrawHelper helper;
    ASSERT_TRUE(helper.PushModelTransform());
    ASSERT_NE(LastWorldTransform(), nullptr);
    Transform move;
    move.t = {1, 2, 0};
    device_->ClearCallLog();
    ASSERT_TRUE(Accumulate(helper, move));
    ASSERT_NE(LastWorldTransform(), nullptr);
    EXPECT_FLOAT_EQ(LastWorldTransform()->_41, 1.0f);
    EXPECT_FLOAT_EQ(LastWorldTransform()->_42, 2.0f);
    ExpectNear(Map(helper, {0, 0, 0}), {1, 2, 0});

    device_->ClearCallLog();
    ASSERT_TRUE(helper.PopModelTransform());
    ASSERT_NE(LastWorldTransform(), nullptr);
    EXPECT_FLOAT_EQ(LastWorldTransform()->_41, 0.0f);
    ExpectNear(Map(helper, {0, 0, 0}), {0, 0, 0});

    device_->ClearCallLog();
    TAV_Vector3 point(1, 1, 1);
    helper.TransformPoint(point);
    EXPECT_TRUE(Log().empty());
}

TEST_F(DrawHelperMatrix, UnbalancedPopLeavesIdentityOnTop)
{
    TAVD3D_DrawHelper helper;
    ASSERT_TRUE(helper.InitializeModelTransform());
    Transform move;
    move.t = {3, 0, 0};
    ASSERT_TRUE(Accumulate(helper, move));
    ASSERT_TRUE(helper.PopModelTransform());
    ExpectNear(Map(helper, {1, 1, 0}), {1, 1, 0});
    ASSERT_TRUE(helper.PopModelTransform());
    ExpectNear(Map(helper, {1, 1, 0}), {1, 1, 0});
    ASSERT_NE(LastWorldTransform(), nullptr);
    EXPECT_EQ(D3DXMATRIX(*LastWorldTransform()), D3DXMATRIX(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1));
}

TEST_F(DrawHelperMatrix, InitializeResetsTheTopAndPointsBeforeAnyStackStayPut)
{
    TAVD3D_DrawHelper fresh;
    ExpectNear(Map(fresh, {4, 5, 6}), {4, 5, 6});

    TAVD3D_DrawHelper helper;
    Transform move;
    move.t = {0, 0, 3};
    ASSERT_TRUE(Accumulate(helper, move));
    ExpectNear(Map(helper, {0, 0, 0}), {0, 0, 3});
    ASSERT_TRUE(helper.InitializeModelTransform());
    ExpectNear(Map(helper, {0, 0, 0}), {0, 0, 0});
}
