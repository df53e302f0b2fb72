#include "scene/World.h"
#include "tests/scene/SceneTestFixture.h"

// Within an object the last node in walk order whose world box holds the point is hit, and a hit's
// children are not looked at; the first top-level object with a hit ends the search.
using WorldPicking = SceneDeviceTest;

TEST_F(WorldPicking, APressHitsTheLastNodeInWalkOrderOfTheFirstObjectUnderIt)
{
    CWorld world;
    for (int kind : {1, 2, 0}) {
        world.PrimitiveType = kind;
        world.CreateNodeAt(kind == 0 ? 0.0f : 20.0f, 0.0f);
        EXPECT_EQ(world.CurrentNode->GetTypeCode(), "jCB"[kind]);
    }
    TAV_SceneNode* crab = world.CurrentNode;
    TAV_SceneNode* claw = crab->GetChild(0)->GetChild(0)->GetChild(1); // right body arm, claw arm, claw
    TAV_BoundingBox clawBox;
    world.GetDrawHelper().InitializeModelTransform();
    world.Root->FindWorldBoundingBox(claw, clawBox, world.GetDrawHelper(), false);
    const TAV_Vector3 onClaw = clawBox.GetCenter();
    world.CurrentNode = world.Root;

    ASSERT_TRUE(world.SelectNodeAt(onClaw.x, onClaw.y));
    EXPECT_EQ(world.CurrentNode, crab);
    EXPECT_EQ(world.HitNode, claw);
    // On the body the crab itself is hit; its arms are not looked at.
    ASSERT_TRUE(world.SelectNodeAt(0.5f, 0.5f));
    EXPECT_EQ(world.HitNode, crab);
    // The circle at (20, 0) comes before the box there; a miss changes nothing.
    ASSERT_TRUE(world.SelectNodeAt(20.5f, 0.5f));
    EXPECT_EQ(world.CurrentNode, world.Root->GetChild(0));
    EXPECT_EQ(world.HitNode, world.Root->GetChild(0));
    EXPECT_FALSE(world.SelectNodeAt(-30.0f, 0.0f));
    EXPECT_EQ(world.HitNode, world.Root->GetChild(0));
}
