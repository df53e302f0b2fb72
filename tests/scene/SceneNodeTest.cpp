#include "scene/SceneNode.h"
#include "primitives/PrimitiveList.h"
#include "primitives/PrimitiveRectangleXY.h"
#include "render/D3DDrawHelper.h"
#include "tests/scene/SceneTestFixture.h"

#include <string>
#include <vector>

namespace {

// A node that counts its destructions.
struct CountedNode : TAV_SceneNode
{
    explicit CountedNode(int& destroyed) : TAV_SceneNode(L"counted"), destroyed_(destroyed) {}
    ~CountedNode() override { ++destroyed_; }
    int& destroyed_;
};

// Records the calls that show how a subtree is drawn.
struct RecordingHelper : TAV_DrawHelper
{
    bool PushModelTransform() override { return Record("push"); }
    bool PopModelTransform() override { return Record("pop"); }
    bool DrawRectangle(float, float, float, float, float, float) override { return Record("rect"); }
    bool DrawCircle(float, float, float, float) override { return Record("circle"); }
    bool Record(const char* call)
    {
        calls += call;
        calls += ' ';
        return true;
    }
    std::string calls;
};

TAV_PrimitiveList* Square(float x1, float y1, float x2, float y2)
{
    auto* rectangle = new TAV_PrimitiveRectangleXY;
    rectangle->SetCorners(x1, y1, 0.0f, x2, y2, 0.0f);
    auto* list = new TAV_PrimitiveList;
    list->AddPrimitive(rectangle);
    return list;
}

} // namespace

TEST(SceneNodeOwnership, RemovedChildLeavesAnEmptySlotAndIsNeitherDeletedNorDrawn)
{
    int destroyed = 0;
    auto* parent = new TAV_SceneNode(L"parent");
    auto* first = parent->AddChild(new CountedNode(destroyed));
    auto* removed = parent->AddChild(new CountedNode(destroyed));
    parent->AddChild(new CountedNode(destroyed));
    removed->SetPrimitive(Square(0, 0, 1, 1));

    parent->RemoveChild(removed);
    TAV_SceneNode stranger(L"stranger");
    parent->RemoveChild(&stranger);

    EXPECT_EQ(parent->NumChildren(), 3);
    EXPECT_EQ(parent->GetChild(0), first);
    EXPECT_EQ(parent->GetChild(1), nullptr);
    EXPECT_EQ(parent->GetChild(-1), nullptr);
    EXPECT_EQ(parent->GetChild(3), nullptr);

    RecordingHelper helper;
    parent->Draw(2, helper);
    EXPECT_EQ(helper.calls, "push push pop push pop pop ");

    delete parent;
    EXPECT_EQ(destroyed, 2);
    delete removed;
    EXPECT_EQ(destroyed, 3);
}

TEST(SceneNodeOwnership, DeletingANodeFreesEveryNodeOfItsSubtreeOnce)
{
    int destroyed = 0;
    auto* root = new CountedNode(destroyed);
    int made = 1;
    std::vector<TAV_SceneNode*> level{root};
    for (int depth = 0; depth < 4; ++depth) {
        std::vector<TAV_SceneNode*> next;
        for (TAV_SceneNode* node : level) {
            for (int i = 0; i < 3; ++i, ++made)
                next.push_back(node->AddChild(new CountedNode(destroyed)));
        }
        level = next;
    }
    delete root;
    EXPECT_EQ(destroyed, made);
}

TEST(SceneNodeOwnership, AChainFarDeeperThanAnyModelIsDeletedWithoutRecursion)
{
    int destroyed = 0;
    auto* root = new CountedNode(destroyed);
    TAV_SceneNode* tip = root;
    constexpr int Depth = 200000;
    for (int i = 0; i < Depth; ++i)
        tip = tip->AddChild(new CountedNode(destroyed));
    delete root;
    EXPECT_EQ(destroyed, Depth + 1);
}

TEST(SceneNodeDrawing, DrawsPrimitiveThenChildrenThenThePivotInsideOneBalancedBracket)
{
    TAV_SceneNode node(L"node");
    node.SetPrimitive(Square(0, 0, 1, 1));
    node.AddChild(new TAV_SceneNode(L"child"))->SetPrimitive(Square(0, 0, 2, 2));
    node.SetPivotVisible(true);
    RecordingHelper helper;
    node.Draw(2, helper);
    EXPECT_EQ(helper.calls, "push rect push rect pop circle pop ");

    TAV_SceneNode bare(L"bare");
    RecordingHelper bareHelper;
    bare.Draw(2, bareHelper);
    EXPECT_EQ(bareHelper.calls, "push pop ");
}

using SceneNodeBoxes = SceneDeviceTest;

TEST_F(SceneNodeBoxes, RotatedSquareHasTheBoxOfItsTurnedCorners)
{
    TAVD3D_DrawHelper helper;
    helper.InitializeModelTransform();
    TAV_SceneNode node(L"node");
    node.SetPrimitive(Square(-1, -1, 1, 1));
    TAV_XformInfo xform;
    xform.SetRotationInDegrees(45.0f);
    xform.SetTranslation(10.0f, 0.0f, 0.0f);
    node.SetXformInfo(xform);

    const TAV_BoundingBox box = node.GetWorldBoundingBox(helper, false);
    EXPECT_NEAR(box.GetWidth(), 2.828427f, 1e-5f);
    EXPECT_NEAR(box.GetHeight(), 2.828427f, 1e-5f);
    EXPECT_NEAR(box.GetCenter().x, 10.0f, 1e-5f);
    EXPECT_NEAR(box.GetCenter().y, 0.0f, 1e-5f);
}

TEST_F(SceneNodeBoxes, NodesWithoutExtentMeasureEmptyAndHiddenOnesStillMeasure)
{
    TAVD3D_DrawHelper helper;
    helper.InitializeModelTransform();
    TAV_SceneNode empty(L"empty");
    empty.SetPrimitive(new TAV_PrimitiveList);
    EXPECT_FALSE(empty.GetWorldBoundingBox(helper, false).IsValid());
    TAV_SceneNode bare(L"bare");
    EXPECT_FALSE(bare.GetWorldBoundingBox(helper, false).ContainsPoint(0.0f, 0.0f, 0.0f));

    TAV_SceneNode hidden(L"hidden");
    hidden.SetPrimitive(Square(0, 0, 2, 1));
    hidden.GetPrimitive()->SetVisible(false);
    EXPECT_TRUE(hidden.GetWorldBoundingBox(helper, false).ContainsPoint(2.0f, 1.0f, 0.0f));
}

TEST_F(SceneNodeBoxes, SearchCarriesTheAncestorsTransformsAndSkipsEmptySlots)
{
    TAVD3D_DrawHelper helper;
    helper.InitializeModelTransform();
    TAV_SceneNode root(L"root");
    auto* parent = root.AddChild(new TAV_SceneNode(L"parent"));
    TAV_XformInfo shifted;
    shifted.SetTranslation(5.0f, 0.0f, 0.0f);
    parent->SetXformInfo(shifted);
    auto* orphan = parent->AddChild(new TAV_SceneNode(L"orphan"));
    auto* target = parent->AddChild(new TAV_SceneNode(L"target"));
    target->SetPrimitive(Square(0, 0, 1, 1));
    target->SetXformInfo(shifted);

    TAV_BoundingBox box;
    ASSERT_TRUE(root.FindWorldBoundingBox(target, box, helper, false));
    EXPECT_FLOAT_EQ(box.GetMin().x, 10.0f);
    EXPECT_FLOAT_EQ(box.GetMax().x, 11.0f);

    parent->RemoveChild(orphan);
    TAV_BoundingBox untouched(TAV_Vector3(7.0f, 7.0f, 7.0f), TAV_Vector3(8.0f, 8.0f, 8.0f));
    EXPECT_FALSE(root.FindWorldBoundingBox(orphan, untouched, helper, false));
    EXPECT_EQ(untouched.GetMin().x, 7.0f);
    EXPECT_EQ(untouched.GetMax().z, 8.0f);
    delete orphan;
}
