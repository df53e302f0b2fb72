#include "scene/World.h"
#include "tests/scene/SceneTestFixture.h"

#include <random>

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

} // namespace

using WorldPicking = SceneDeviceTest;

TEST_F(WorldPicking, ClickMakesTheChosenKindCurrentAsTheLastTopLevelObject)
{
    CWorld world;
    const char codes[] = {'j', 'C', 'B'};
    for (int kind : {2, 1, 0}) {
        world.PrimitiveType = kind;
        world.CreateNodeAt(3.0f, 4.0f);
        EXPECT_EQ(world.CurrentNode->GetTypeCode(), codes[kind]);
        EXPECT_EQ(world.Root->GetChild(world.Root->NumChildren() - 1), world.CurrentNode);
        EXPECT_EQ(world.CurrentNode->GetXformInfo().GetTranslation().x, 3.0f);
        EXPECT_EQ(world.CurrentNode->GetXformInfo().GetTranslation().y, 4.0f);
    }
    EXPECT_EQ(world.Root->NumChildren(), 3);
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
    const TAV_Vector3 onClaw = WorldBox(world, claw).GetCenter();
    // No node that the walk tests besides the claw holds the claw's centre.
    for (TAV_SceneNode* other : {crab, rightArm, clawArm, crab->GetChild(1)})
        ASSERT_FALSE(WorldBox(world, other).ContainsPoint(onClaw.x, onClaw.y, 0.0f));
    world.CurrentNode = world.Root;

    ASSERT_TRUE(world.SelectNodeAt(onClaw.x, onClaw.y));
    EXPECT_EQ(world.CurrentNode, crab);
    EXPECT_EQ(world.HitNode, claw);

    // On the body the crab itself is hit; its arms are not looked at.
    ASSERT_TRUE(world.SelectNodeAt(0.5f, 0.5f));
    EXPECT_EQ(world.HitNode, crab);
    // A press on nothing changes neither.
    world.CurrentNode = world.Root->GetChild(0);
    EXPECT_FALSE(world.SelectNodeAt(-20.0f, -20.0f));
    EXPECT_EQ(world.CurrentNode, world.Root->GetChild(0));
    EXPECT_EQ(world.HitNode, crab);
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
