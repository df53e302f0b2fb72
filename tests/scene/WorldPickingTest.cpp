#include "scene/Box.h"
#include "scene/Circle.h"
#include "scene/Crab.h"
#include "scene/World.h"
#include "tests/scene/SceneTestFixture.h"

#include <random>
#include <vector>

namespace {

// The pick measured by a search from the root for every node, as the editor first did it.
void ReferencePick(CWorld& world, float x, float y, bool& found, TAV_SceneNode* node, TAV_SceneNode*& hit)
{
    if (WorldBox(world, node).ContainsPoint(x, y, 0.0f)) {
        found = true;
        hit = node;
        return;
    }
    for (int i = 0; i < node->NumChildren(); ++i) {
        if (TAV_SceneNode* child = node->GetChild(i))
            ReferencePick(world, x, y, found, child, hit);
    }
}

// A point of the node's world box that no other node of the object holds.
bool PointOnlyIn(CWorld& world, TAV_SceneNode* node, const std::vector<TAV_SceneNode*>& others, float& x,
                 float& y)
{
    const TAV_BoundingBox box = WorldBox(world, node);
    for (int i = 1; i < 10; ++i) {
        for (int j = 1; j < 10; ++j) {
            x = box.GetMin().x + box.GetWidth() * static_cast<float>(i) / 10.0f;
            y = box.GetMin().y + box.GetHeight() * static_cast<float>(j) / 10.0f;
            bool elsewhere = false;
            for (TAV_SceneNode* other : others)
                elsewhere = elsewhere || WorldBox(world, other).ContainsPoint(x, y, 0.0f);
            if (!elsewhere)
                return true;
        }
    }
    return false;
}

} // namespace

using WorldPicking = SceneDeviceTest;

TEST_F(WorldPicking, ClickMakesTheChosenKindCurrentAsTheLastTopLevelObject)
{
    CWorld world;
    world.CreateNodeAt(-5.0f, 0.0f);
    world.PrimitiveType = 2;
    world.CreateNodeAt(3.0f, 4.0f);
    TAV_SceneNode* box = world.CurrentNode;
    EXPECT_EQ(box->GetTypeCode(), 'B');
    EXPECT_EQ(world.Root->GetChild(world.Root->NumChildren() - 1), box);
    EXPECT_EQ(box->GetXformInfo().GetTranslation().x, 3.0f);
    EXPECT_EQ(box->GetXformInfo().GetPivot().y, 4.0f);
    world.PrimitiveType = 1;
    world.CreateNodeAt(0.0f, 0.0f);
    EXPECT_EQ(world.CurrentNode->GetTypeCode(), 'C');
    world.PrimitiveType = 0;
    world.CreateNodeAt(0.0f, 0.0f);
    EXPECT_EQ(world.CurrentNode->GetTypeCode(), 'j');
    EXPECT_EQ(world.Root->NumChildren(), 4);
}

TEST_F(WorldPicking, PressOnAClawSelectsTheCrabAndHitsTheClaw)
{
    CWorld world;
    world.CreateNodeAt(20.0f, 0.0f);
    world.PrimitiveType = 0;
    world.CreateNodeAt(0.0f, 0.0f);
    TAV_SceneNode* crab = world.CurrentNode;
    TAV_SceneNode* rightArm = crab->GetChild(0);
    TAV_SceneNode* clawArm = rightArm->GetChild(0);
    TAV_SceneNode* claw = clawArm->GetChild(1);
    float x = 0.0f, y = 0.0f;
    ASSERT_TRUE(PointOnlyIn(world, claw, {crab, rightArm, clawArm, clawArm->GetChild(0)}, x, y));
    world.CurrentNode = world.Root;

    ASSERT_TRUE(world.SelectNodeAt(x, y));
    EXPECT_EQ(world.CurrentNode, crab);
    EXPECT_EQ(world.HitNode, claw);

    // On the body the crab itself is hit; its arms are not looked at.
    ASSERT_TRUE(world.SelectNodeAt(0.5f, 0.5f));
    EXPECT_EQ(world.HitNode, crab);
}

TEST_F(WorldPicking, PressOnNothingChangesNeitherCurrentNorHitNode)
{
    CWorld world;
    world.CreateNodeAt(0.0f, 0.0f);
    ASSERT_TRUE(world.SelectNodeAt(1.0f, 1.0f));
    TAV_SceneNode* box = world.CurrentNode;
    world.CreateNodeAt(10.0f, 10.0f);
    EXPECT_FALSE(world.SelectNodeAt(-20.0f, -20.0f));
    EXPECT_NE(world.CurrentNode, box);
    EXPECT_EQ(world.HitNode, box);
}

TEST_F(WorldPicking, LaterSiblingHoldingThePointReplacesTheHitNode)
{
    CWorld world;
    world.CreateNodeAt(0.0f, 0.0f);
    TAV_SceneNode* box = world.CurrentNode;
    // Two circles under the box, both holding (10, 10), which the box does not.
    auto* first = box->AddChild(new CCircle(10.0f, 10.0f, 0.0f));
    auto* second = box->AddChild(new CCircle(10.5f, 10.0f, 0.0f));
    ASSERT_TRUE(world.SelectNodeAt(10.2f, 10.0f));
    EXPECT_EQ(world.HitNode, second);
    EXPECT_EQ(world.CurrentNode, box);
    box->RemoveChild(second);
    delete second;
    ASSERT_TRUE(world.SelectNodeAt(10.2f, 10.0f));
    EXPECT_EQ(world.HitNode, first);
}

TEST_F(WorldPicking, OneWalkPicksWhatASearchFromTheRootForEveryNodePicks)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<float> place(-20.0f, 20.0f);
    CWorld world;
    for (int i = 0; i < 16; ++i) {
        world.PrimitiveType = i % 3;
        world.CreateNodeAt(place(random), place(random));
        if (i % 4 == 3)
            world.AttachToOverlappingNode();
    }
    // Turn and scale a few nodes so that accumulated matrices matter.
    for (int i = 0; i < world.Root->NumChildren(); i += 3) {
        if (TAV_SceneNode* node = world.Root->GetChild(i)) {
            TAV_XformInfo xform = node->GetXformInfo();
            xform.SetRotationInDegrees(static_cast<float>(i * 17));
            xform.SetScale(1.5f, 0.75f, 1.0f);
            node->SetXformInfo(xform);
        }
    }
    int hits = 0;
    for (int n = 0; n < 200; ++n) {
        const float x = place(random);
        const float y = place(random);
        TAV_SceneNode* expectedHit = world.HitNode;
        TAV_SceneNode* expectedCurrent = world.CurrentNode;
        bool found = false;
        for (int i = 0; i < world.Root->NumChildren() && !found; ++i) {
            if (TAV_SceneNode* child = world.Root->GetChild(i)) {
                ReferencePick(world, x, y, found, child, expectedHit);
                if (found)
                    expectedCurrent = child;
            }
        }
        EXPECT_EQ(world.SelectNodeAt(x, y), found);
        EXPECT_EQ(world.HitNode, expectedHit);
        EXPECT_EQ(world.CurrentNode, expectedCurrent);
        hits += found ? 1 : 0;
    }
    EXPECT_GT(hits, 20);
}
