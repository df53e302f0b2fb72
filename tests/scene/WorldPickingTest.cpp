#include "scene/World.h"
#include "tests/scene/SceneTestFixture.h"

#include <random>

namespace {

// The last node in walk order whose world box, searched from the root, holds the point; a
// hit's children are not looked at. This is how the editor first picked.
TAV_SceneNode* ReferencePick(CWorld& world, float x, float y, TAV_SceneNode* node)
{
    if (WorldBox(world, node).ContainsPoint(x, y, 0.0f))
        return node;
    TAV_SceneNode* hit = nullptr;
    for (int i = 0; i < node->NumChildren(); ++i) {
        TAV_SceneNode* child = node->GetChild(i);
        if (TAV_SceneNode* found = child != nullptr ? ReferencePick(world, x, y, child) : nullptr)
            hit = found;
    }
    return hit;
}

} // namespace

using WorldPicking = SceneDeviceTest;

TEST_F(WorldPicking, CreatedNodeIsCurrentAndAPressOnAClawSelectsTheCrabAndHitsTheClaw)
{
    CWorld world;
    for (int kind : {1, 2, 0}) {
        world.PrimitiveType = kind;
        world.CreateNodeAt(kind == 0 ? 0.0f : 20.0f, 0.0f);
        EXPECT_EQ(world.CurrentNode->GetTypeCode(), "jCB"[kind]);
        EXPECT_EQ(world.Root->GetChild(world.Root->NumChildren() - 1), world.CurrentNode);
    }
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
}

TEST_F(WorldPicking, OneWalkPicksWhatASearchFromTheRootForEveryNodePicks)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<float> place(-20.0f, 20.0f);
    CWorld world;
    // Every node turned and scaled, so that accumulated matrices matter.
    for (int i = 0; i < 16; ++i) {
        world.PrimitiveType = i % 3;
        world.CreateNodeAt(place(random), place(random));
        TAV_XformInfo xform = world.CurrentNode->GetXformInfo();
        xform.SetRotationInDegrees(static_cast<float>(i * 17));
        xform.SetScale(i % 2 == 0 ? 1.5f : 0.75f, 0.75f, 1.0f);
        world.CurrentNode->SetXformInfo(xform);
        if (i % 4 == 3)
            world.AttachToOverlappingNode();
    }
    int hits = 0;
    for (int n = 0; n < 200; ++n) {
        const float x = place(random);
        const float y = place(random);
        TAV_SceneNode* expectedHit = world.HitNode;
        TAV_SceneNode* expectedCurrent = world.CurrentNode;
        bool found = false;
        // The first top-level object with a hit ends the search.
        for (int i = 0; i < world.Root->NumChildren() && !found; ++i) {
            TAV_SceneNode* child = world.Root->GetChild(i);
            if (TAV_SceneNode* hit = child != nullptr ? ReferencePick(world, x, y, child) : nullptr) {
                expectedHit = hit;
                expectedCurrent = child;
                found = true;
            }
        }
        EXPECT_EQ(world.SelectNodeAt(x, y), found);
        EXPECT_EQ(world.HitNode, expectedHit);
        EXPECT_EQ(world.CurrentNode, expectedCurrent);
        hits += found ? 1 : 0;
    }
    EXPECT_GT(hits, 20);
}
