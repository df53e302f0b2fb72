#include "scene/Crab.h"
#include "primitives/PrimitiveCircle.h"
#include "primitives/PrimitiveLine.h"
#include "primitives/PrimitiveList.h"
#include "primitives/PrimitiveRectangleXY.h"
#include "render/D3DDrawHelper.h"
#include "scene/BodyArm.h"
#include "scene/Box.h"
#include "scene/Circle.h"
#include "scene/ClawArm.h"
#include "tests/scene/SceneTestFixture.h"

#include <string>
#include <vector>

namespace {

struct Expected
{
    const wchar_t* name;
    char code;
    float pivotX, pivotY;
    float degrees;
    int children;
};

// The crab's nodes in pre-order.
void Flatten(TAV_SceneNode* node, std::vector<TAV_SceneNode*>& out)
{
    out.push_back(node);
    for (int i = 0; i < node->NumChildren(); ++i)
        Flatten(node->GetChild(i), out);
}

TAV_BoundingBox OwnBox(TAV_SceneNode* node)
{
    return *static_cast<const TAV_BoundingBox*>(node->GetPrimitive()->GetBoundingVolume(0));
}

} // namespace

TEST(Crab, HasNineNodesWithTheirNamesCodesPivotsAndJointAngles)
{
    CCrab crab(4.0f, 5.0f, 0.0f);
    std::vector<TAV_SceneNode*> nodes;
    Flatten(&crab, nodes);
    const Expected expected[] = {
        {L"SceneNode", 'j', 0.0f, 0.0f, 0.0f, 2},    {L"R_BodyArm", 'b', 2.0f, 0.0f, -45.0f, 1},
        {L"R_BodyArm", 'a', 2.0f, 3.5f, 90.0f, 2},   {L"L_Claw", 'c', 2.3f, 7.5f, -23.0f, 0},
        {L"R_Claw", 'c', 3.0f, 7.5f, 23.0f, 0},      {L"L_BodyArm", 'b', -2.0f, 0.0f, 45.0f, 1},
        {L"L_BodyArm", 'a', -2.0f, 3.5f, -90.0f, 2}, {L"L_Claw", 'c', -2.7f, 7.5f, -23.0f, 0},
        {L"R_Claw", 'c', -2.0f, 7.5f, 23.0f, 0},
    };
    ASSERT_EQ(nodes.size(), std::size(expected));
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        SCOPED_TRACE(i);
        const TAV_XformInfo xform = nodes[i]->GetXformInfo();
        EXPECT_EQ(std::wstring(nodes[i]->GetName()), expected[i].name);
        EXPECT_EQ(nodes[i]->GetTypeCode(), expected[i].code);
        EXPECT_FLOAT_EQ(xform.GetPivot().x, expected[i].pivotX);
        EXPECT_FLOAT_EQ(xform.GetPivot().y, expected[i].pivotY);
        EXPECT_FLOAT_EQ(xform.GetRotationInDegrees(), expected[i].degrees);
        EXPECT_EQ(nodes[i]->NumChildren(), expected[i].children);
        if (i > 0) {
            EXPECT_EQ(xform.GetTranslation().x, 0.0f);
        }
    }
    EXPECT_EQ(crab.GetXformInfo().GetTranslation().x, 4.0f);
    EXPECT_EQ(crab.GetXformInfo().GetTranslation().y, 5.0f);

    // The claw rectangles stand on the claw arm's top edge.
    const TAV_BoundingBox rightClaw = OwnBox(nodes[4]);
    EXPECT_FLOAT_EQ(rightClaw.GetMin().x, 2.7f);
    EXPECT_FLOAT_EQ(rightClaw.GetMax().y, 8.4f);
    const TAV_BoundingBox leftArm = OwnBox(nodes[6]);
    EXPECT_FLOAT_EQ(leftArm.GetMin().x, -3.0f);
    EXPECT_FLOAT_EQ(leftArm.GetMin().y, 3.5f);
}

TEST(Crab, BodyHasElevenShapesWithReversedCornersOrdered)
{
    CCrab crab(0.0f, 0.0f, 0.0f);
    auto* body = dynamic_cast<TAV_PrimitiveList*>(crab.GetPrimitive());
    ASSERT_NE(body, nullptr);
    ASSERT_EQ(body->NumPrimitives(), 11);
    auto* stalk = dynamic_cast<TAV_PrimitiveRectangleXY*>(body->GetPrimitive(2));
    auto* leg = dynamic_cast<TAV_PrimitiveRectangleXY*>(body->GetPrimitive(10));
    ASSERT_TRUE(stalk && leg);
    EXPECT_FLOAT_EQ(stalk->GetBox().GetMin().x, 0.5f);
    EXPECT_FLOAT_EQ(stalk->GetBox().GetMax().x, 0.7f);
    EXPECT_FLOAT_EQ(leg->GetBox().GetMin().x, 1.0f);
    EXPECT_FLOAT_EQ(leg->GetBox().GetMax().x, 1.5f);

    auto* shell = dynamic_cast<TAV_PrimitiveCircle*>(body->GetPrimitive(0));
    ASSERT_NE(shell, nullptr);
    EXPECT_EQ(shell->GetRadius(), 3.0f);
    EXPECT_EQ(shell->GetColor(), TAV_Color(200, 0, 0, 100));
    EXPECT_EQ(shell->GetShadeMode(), 0);
    // The right brow starts on the axis: the brows are not mirror images.
    auto* brow = dynamic_cast<TAV_PrimitiveLine*>(body->GetPrimitive(6));
    ASSERT_NE(brow, nullptr);
    EXPECT_EQ(brow->GetStartPoint().x, 0.0f);
}

TEST(CrabParts, ClawArmTurnsBySideAndKeepsZOnlyOnTheRight)
{
    CClawArm right(2.0f, 3.5f, 7.0f, L"right");
    CClawArm centre(0.0f, 3.5f, 7.0f, L"centre");
    EXPECT_FLOAT_EQ(right.GetXformInfo().GetRotationInDegrees(), 90.0f);
    EXPECT_EQ(right.GetXformInfo().GetPivot().z, 7.0f);
    EXPECT_FLOAT_EQ(centre.GetXformInfo().GetRotationInDegrees(), -90.0f);
    EXPECT_EQ(centre.GetXformInfo().GetPivot().x, 1.0f);
    EXPECT_EQ(centre.GetXformInfo().GetPivot().z, 0.0f);

    CBodyArm loaded(0.0f, 0.0f, 0.0f, L"bodyArm");
    EXPECT_EQ(std::wstring(loaded.GetChild(0)->GetName()), L"bodyArm");
}

using ShapeNodes = SceneDeviceTest;

TEST_F(ShapeNodes, BoxAndCircleStandWithTheirPivotAtThePlacedPoint)
{
    TAVD3D_DrawHelper helper;
    helper.InitializeModelTransform();
    CBox box(3.0f, 4.0f, 0.0f);
    const TAV_BoundingBox boxWorld = box.GetWorldBoundingBox(helper, false);
    EXPECT_EQ(box.GetTypeCode(), 'B');
    EXPECT_FLOAT_EQ(boxWorld.GetMin().x, 3.0f);
    EXPECT_FLOAT_EQ(boxWorld.GetMin().y, 4.0f);
    EXPECT_FLOAT_EQ(boxWorld.GetMax().x, 8.0f);
    EXPECT_FLOAT_EQ(boxWorld.GetMax().y, 7.0f);
    EXPECT_EQ(box.GetXformInfo().GetPivot().y, 4.0f);

    CCircle circle(-2.0f, 1.0f, 0.0f);
    const TAV_BoundingBox circleWorld = circle.GetWorldBoundingBox(helper, false);
    EXPECT_EQ(circle.GetTypeCode(), 'C');
    EXPECT_FLOAT_EQ(circleWorld.GetMin().x, -3.5f);
    EXPECT_FLOAT_EQ(circleWorld.GetMax().y, 2.5f);
}
