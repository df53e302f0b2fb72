#include "scene/Box.h"
#include "scene/Circle.h"
#include "scene/World.h"
#include "tests/scene/SceneTestFixture.h"

namespace {

// What the drag does: move the node's translation and pivot together.
void MoveTo(TAV_SceneNode* node, float x, float y)
{
    TAV_XformInfo xform = node->GetXformInfo();
    xform.SetTranslation(x, y, 0.0f);
    xform.SetPivot(x, y, 0.0f);
    node->SetXformInfo(xform);
}

void ExpectSameBox(const TAV_BoundingBox& a, const TAV_BoundingBox& b)
{
    EXPECT_FLOAT_EQ(a.GetMin().x, b.GetMin().x);
    EXPECT_FLOAT_EQ(a.GetMin().y, b.GetMin().y);
    EXPECT_FLOAT_EQ(a.GetMax().x, b.GetMax().x);
    EXPECT_FLOAT_EQ(a.GetMax().y, b.GetMax().y);
}

} // namespace

using WorldAttach = SceneDeviceTest;

TEST_F(WorldAttach, DroppedCircleHangsUnderTheBoxItTouchesWithoutMoving)
{
    CWorld world;
    world.CreateNodeAt(2.0f, 1.0f);
    TAV_SceneNode* box = world.CurrentNode;
    world.PrimitiveType = 1;
    world.CreateNodeAt(-10.0f, -10.0f);
    TAV_SceneNode* circle = world.CurrentNode;
    // Box spans (2, 1)-(7, 4); the circle's box (5.5, 1.5)-(8.5, 4.5) overlaps it.
    MoveTo(circle, 7.0f, 3.0f);
    const TAV_BoundingBox before = WorldBox(world, circle);

    ASSERT_TRUE(world.AttachToOverlappingNode());
    EXPECT_EQ(world.CurrentNode, box);
    EXPECT_EQ(world.Root->NumChildren(), 2);
    EXPECT_EQ(world.Root->GetChild(1), nullptr);
    ASSERT_EQ(box->NumChildren(), 1);
    EXPECT_EQ(box->GetChild(0), circle);
    EXPECT_EQ(circle->GetXformInfo().GetTranslation().x, 5.0f);
    EXPECT_EQ(circle->GetXformInfo().GetTranslation().y, 2.0f);
    ExpectSameBox(WorldBox(world, circle), before);
}

TEST_F(WorldAttach, TouchingEdgesCountAsOverlapAndEmptySpaceChangesNothing)
{
    CWorld world;
    world.CreateNodeAt(0.0f, 0.0f);
    world.CreateNodeAt(20.0f, 0.0f);
    TAV_SceneNode* dragged = world.CurrentNode;
    EXPECT_FALSE(world.AttachToOverlappingNode());
    EXPECT_EQ(world.CurrentNode, dragged);
    EXPECT_EQ(world.Root->GetChild(1), dragged);
    EXPECT_EQ(dragged->GetXformInfo().GetTranslation().x, 20.0f);

    MoveTo(dragged, 5.0f, 3.0f); // its lower left corner on the first box's upper right one
    EXPECT_TRUE(world.AttachToOverlappingNode());
    EXPECT_EQ(world.Root->GetChild(1), nullptr);
}

TEST_F(WorldAttach, TranslationsOfEveryAncestorOfTheTargetAreCompensated)
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
    EXPECT_EQ(inner->GetChild(0), circle);
    EXPECT_EQ(world.CurrentNode, outer);
    EXPECT_EQ(circle->GetXformInfo().GetTranslation().x, 4.0f);
    ExpectSameBox(WorldBox(world, circle), before);
}

TEST_F(WorldAttach, DeepCurrentNodeLeavesItsActualParentOnly)
{
    CWorld world;
    world.CreateNodeAt(0.0f, 0.0f);
    TAV_SceneNode* holder = world.CurrentNode;
    auto* deep = holder->AddChild(new CCircle(-20.0f, 0.0f, 0.0f)); // far from the holder's box
    world.CreateNodeAt(-30.0f, 0.0f);                               // box (-30, 0)-(-25, 3)
    TAV_SceneNode* target = world.CurrentNode;
    MoveTo(deep, -25.0f, 0.0f);
    world.CurrentNode = deep;

    ASSERT_TRUE(world.AttachToOverlappingNode());
    EXPECT_EQ(holder->NumChildren(), 1);
    EXPECT_EQ(holder->GetChild(0), nullptr);
    ASSERT_EQ(target->NumChildren(), 1);
    EXPECT_EQ(target->GetChild(0), deep);
    EXPECT_EQ(world.CurrentNode, target);
    // Relative to the holder at (0, 0) it stood at (-25, 0); relative to the target it stands at (5, 0).
    EXPECT_EQ(deep->GetXformInfo().GetTranslation().x, 5.0f);
}

TEST_F(WorldAttach, NeverDropsANodeOntoItselfOrItsOwnDescendants)
{
    CWorld world;
    world.CreateNodeAt(-20.0f, -20.0f);
    TAV_SceneNode* top = world.CurrentNode;
    auto* middle = top->AddChild(new CBox(10.0f, 10.0f, 0.0f)); // apart from top, over its own child
    auto* below = middle->AddChild(new CCircle(1.0f, 1.0f, 0.0f));
    world.CurrentNode = middle;
    EXPECT_FALSE(world.AttachToOverlappingNode());
    EXPECT_EQ(top->GetChild(0), middle);
    EXPECT_EQ(middle->GetChild(0), below);

    world.CurrentNode = top;
    EXPECT_FALSE(world.AttachToOverlappingNode());
    world.CurrentNode = world.Root;
    EXPECT_FALSE(world.AttachToOverlappingNode());
    EXPECT_EQ(world.Root->GetChild(0), top);
}

TEST_F(WorldAttach, ClearingLeavesABareCurrentRootAndDeletingASubtreeResetsWhatPointedIntoIt)
{
    CWorld world;
    world.PrimitiveType = 0;
    world.CreateNodeAt(0.0f, 0.0f);
    TAV_SceneNode* crab = world.CurrentNode;
    world.CreateNodeAt(10.0f, 10.0f);
    ASSERT_TRUE(world.SelectNodeAt(0.0f, 0.0f));
    world.CurrentNode = crab->GetChild(1)->GetChild(0);

    world.DeleteSubtree(crab);
    EXPECT_EQ(world.Root->GetChild(0), nullptr);
    EXPECT_EQ(world.CurrentNode, world.Root);
    EXPECT_EQ(world.HitNode, nullptr);

    world.ShowGrid = false;
    world.DeleteAllNodes();
    EXPECT_EQ(world.Root->NumChildren(), 0);
    EXPECT_EQ(world.CurrentNode, world.Root);
    EXPECT_EQ(world.Root->GetTypeCode(), 'x');
    EXPECT_EQ(std::wstring(world.Root->GetName()), L"Big Daddy");
    EXPECT_FALSE(world.ShowGrid);
    EXPECT_EQ(world.PrimitiveType, 0);
}
