#include "scene/Box.h"
#include "scene/Circle.h"
#include "scene/World.h"
#include "tests/scene/SceneTestFixture.h"

#include <cmath>

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

    ASSERT_TRUE(world.AttachToOverlappingNode());
    EXPECT_EQ(world.Root->NumChildren(), 2);
    EXPECT_EQ(world.Root->GetChild(1), nullptr);
    ASSERT_EQ(inner->NumChildren(), 1);
    EXPECT_EQ(inner->GetChild(0), circle);
    EXPECT_EQ(world.CurrentNode, outer);
    // 17 less the translations of the box (3) and of its parent (10).
    EXPECT_EQ(circle->GetXformInfo().GetTranslation(), TAV_Vector3(4, 2, 0));

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
    EXPECT_EQ(circle->GetXformInfo().GetTranslation(), TAV_Vector3(1, -1, 0));
}

TEST_F(WorldAttach, NeverDropsANodeOntoItselfOrItsOwnDescendantsNorTheRoot)
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
}

TEST_F(WorldAttach, DeletingResetsWhatPointedIntoTheDeletedNodes)
{
    CWorld world;
    world.CreateNodeAt(-20.0f, -20.0f);
    TAV_SceneNode* top = world.CurrentNode;
    auto* below = top->AddChild(new CBox(10.0f, 10.0f, 0.0f))->AddChild(new CCircle(1.0f, 1.0f, 0.0f));
    world.CreateNodeAt(10.0f, 10.0f);
    ASSERT_TRUE(world.SelectNodeAt(-19.0f, -19.0f));
    world.CurrentNode = below;
    world.DeleteSubtree(top);
    EXPECT_EQ(world.Root->GetChild(0), nullptr);
    EXPECT_EQ(world.CurrentNode, world.Root);
    EXPECT_EQ(world.HitNode, nullptr);

    ASSERT_TRUE(world.SelectNodeAt(11.0f, 11.0f));
    world.DeleteAllNodes();
    EXPECT_EQ(world.HitNode, nullptr);
    EXPECT_EQ(world.Root->NumChildren(), 0);
    EXPECT_EQ(world.CurrentNode, world.Root);
    EXPECT_EQ(world.Root->GetTypeCode(), 'x');
}

// Under a parent scaled 2 along x and moved to (3, 4), a node turned by 90 degrees about its pivot
// (1, 0) has its own x axis stretched 1 and its y axis 2: a turn with scale (1, 2) holds that exactly,
// and the pivot stands at (2 * 1, 0) + (3, 4) = (5, 4). Turned by 45 degrees the axes are no longer at
// right angles; the shear is dropped, the pivot and the x axis, (2 cos 45, sin 45) in the world, stay.
TEST(WorldDetach, TheTransformUnderTheRootKeepsTheWorldMatrixWhereItCan)
{
    CWorld world;
    auto* parent = world.Root->AddChild(new TAV_SceneNode(L"parent"));
    TAV_XformInfo stretched;
    stretched.SetScale(2, 1, 1);
    stretched.SetTranslation(3, 4, 0);
    parent->SetXformInfo(stretched);
    auto* node = parent->AddChild(new TAV_SceneNode(L"node"));
    TAV_XformInfo turned;
    turned.SetRotationInDegrees(90);
    turned.SetPivot(1, 0, 0);
    node->SetXformInfo(turned);
    const TAV_XformInfo exact = world.XformUnder(node, world.Root);
    EXPECT_NEAR(exact.GetRotationInDegrees(), 90.0f, 1e-4f);
    EXPECT_NEAR(exact.GetScale().x, 1.0f, 1e-6f);
    EXPECT_NEAR(exact.GetScale().y, 2.0f, 1e-6f);
    EXPECT_EQ(exact.GetPivot(), TAV_Vector3(1, 0, 0));
    EXPECT_NEAR(exact.GetTranslation().x, 4.0f, 1e-5f);
    EXPECT_NEAR(exact.GetTranslation().y, 4.0f, 1e-5f);

    turned.SetRotationInDegrees(45);
    node->SetXformInfo(turned);
    const TAV_XformInfo sheared = world.XformUnder(node, world.Root);
    EXPECT_NEAR(sheared.GetRotationInRadians(), std::atan2(0.70710678f, 1.41421356f), 1e-5f);
    EXPECT_NEAR(sheared.GetScale().x, std::sqrt(2.5f), 1e-5f);
    // Under a turned and moved root, a node whose parent only moves it keeps that move.
    TAV_XformInfo rootXform;
    rootXform.SetRotationInDegrees(90);
    rootXform.SetTranslation(1, 2, 0);
    world.Root->SetXformInfo(rootXform);
    stretched.SetScale(1, 1, 1);
    parent->SetXformInfo(stretched);
    node->SetXformInfo(TAV_XformInfo());
    EXPECT_NEAR(world.XformUnder(node, world.Root).GetTranslation().x, 3.0f, 1e-5f);
    EXPECT_NEAR(world.XformUnder(node, world.Root).GetTranslation().y, 4.0f, 1e-5f);
    // A node outside the scene keeps its transform.
    TAV_SceneNode stray(L"stray");
    stray.SetXformInfo(turned);
    EXPECT_EQ(world.XformUnder(&stray, world.Root), turned);
}
