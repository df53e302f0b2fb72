#include "scene/Box.h"
#include "scene/Circle.h"
#include "scene/World.h"
#include "tests/scene/SceneTestFixture.h"

using WorldAttach = SceneDeviceTest;

TEST_F(WorldAttach, DroppedNodeHangsUnderWhatItOverlapsInWorldSpaceWithoutMoving)
{
    CWorld world;
    world.CreateNodeAt(10.0f, 0.0f);
    TAV_SceneNode* outer = world.CurrentNode;
    auto* inner = outer->AddChild(new CBox(3.0f, 0.0f, 0.0f)); // world (13, 0)-(18, 3)
    world.PrimitiveType = 1;
    world.CreateNodeAt(17.0f, 2.0f);
    TAV_SceneNode* circle = world.CurrentNode;
    const TAV_BoundingBox before = WorldBox(world, circle);

    ASSERT_TRUE(world.AttachToOverlappingNode());
    EXPECT_EQ(world.Root->NumChildren(), 2);
    EXPECT_EQ(world.Root->GetChild(1), nullptr);
    ASSERT_EQ(inner->NumChildren(), 1);
    EXPECT_EQ(inner->GetChild(0), circle);
    EXPECT_EQ(world.CurrentNode, outer);
    // 17 less the translations of the box (3) and of its parent (10).
    EXPECT_EQ(circle->GetXformInfo().GetTranslation().x, 4.0f);
    EXPECT_EQ(circle->GetXformInfo().GetTranslation().y, 2.0f);
    EXPECT_FLOAT_EQ(WorldBox(world, circle).GetCenter().x, before.GetCenter().x);
    EXPECT_FLOAT_EQ(WorldBox(world, circle).GetCenter().y, before.GetCenter().y);

    // Dropped again from that depth, onto a later box (16, 3)-(21, 6): it leaves the inner box only.
    world.PrimitiveType = 2;
    world.CreateNodeAt(16.0f, 3.0f);
    TAV_SceneNode* target = world.CurrentNode;
    world.CurrentNode = circle;
    ASSERT_TRUE(world.AttachToOverlappingNode());
    EXPECT_EQ(outer->GetChild(0), inner);
    EXPECT_EQ(inner->NumChildren(), 1);
    EXPECT_EQ(inner->GetChild(0), nullptr);
    ASSERT_EQ(target->NumChildren(), 1);
    EXPECT_EQ(target->GetChild(0), circle);
    EXPECT_EQ(world.CurrentNode, target);
    EXPECT_EQ(circle->GetXformInfo().GetTranslation().x, 1.0f);
    EXPECT_EQ(circle->GetXformInfo().GetTranslation().y, -1.0f);
}

TEST_F(WorldAttach, NeverDropsANodeOntoItselfOrItsOwnDescendantsNorTheRootAndDeletingResetsWhatPointedIntoIt)
{
    CWorld world;
    world.CreateNodeAt(-20.0f, -20.0f);
    TAV_SceneNode* top = world.CurrentNode;
    auto* middle = top->AddChild(new CBox(10.0f, 10.0f, 0.0f)); // apart from top, over its own child
    auto* below = middle->AddChild(new CCircle(1.0f, 1.0f, 0.0f));
    for (TAV_SceneNode* current : {middle, top, world.Root}) {
        world.CurrentNode = current;
        EXPECT_FALSE(world.AttachToOverlappingNode());
    }
    EXPECT_EQ(world.Root->GetChild(0), top);
    EXPECT_EQ(top->GetChild(0), middle);
    EXPECT_EQ(middle->GetChild(0), below);

    world.CreateNodeAt(10.0f, 10.0f);
    ASSERT_TRUE(world.SelectNodeAt(-19.0f, -19.0f));
    world.CurrentNode = below;
    world.DeleteSubtree(top);
    EXPECT_EQ(world.Root->GetChild(0), nullptr);
    EXPECT_EQ(world.CurrentNode, world.Root);
    EXPECT_EQ(world.HitNode, nullptr);

    world.DeleteAllNodes();
    EXPECT_EQ(world.Root->NumChildren(), 0);
    EXPECT_EQ(world.CurrentNode, world.Root);
    EXPECT_EQ(world.Root->GetTypeCode(), 'x');
}
