#include "scene/SceneNode.h"
#include "primitives/PrimitiveList.h"
#include "render/D3DDrawHelper.h"
#include "scene/NodeShapes.h"
#include "tests/scene/SceneTestFixture.h"

namespace {

// A node that counts its destructions.
struct CountedNode : TAV_SceneNode
{
    explicit CountedNode(int& destroyed) : TAV_SceneNode(L"counted"), destroyed_(destroyed) {}
    ~CountedNode() override { ++destroyed_; }
    int& destroyed_;
};

// Counts the rectangles drawn.
struct CountingHelper : TAV_DrawHelper
{
    bool DrawRectangle(float, float, float, float, float, float) override { return ++rectangles > 0; }
    int rectangles = 0;
};

TAV_PrimitiveList* Square(float from, float to)
{
    return MakeList(MakeRectangle(from, from, to, to, TAV_Color(0, 0, 200, 255), 0));
}

} // namespace

TEST(SceneNodeOwnership, RemovedChildLeavesAnEmptySlotAndIsNeitherDeletedNorDrawn)
{
    int destroyed = 0;
    auto* parent = new TAV_SceneNode(L"parent");
    TAV_SceneNode* children[3];
    for (TAV_SceneNode*& child : children) {
        child = parent->AddChild(new CountedNode(destroyed));
        child->SetPrimitive(Square(0, 1));
    }
    TAV_SceneNode* removed = children[1];

    parent->RemoveChild(removed);
    EXPECT_EQ(parent->NumChildren(), 3);
    EXPECT_EQ(parent->GetChild(0), children[0]);
    EXPECT_EQ(parent->GetChild(1), nullptr);
    EXPECT_EQ(parent->GetChild(2), children[2]);
    CountingHelper helper;
    parent->Draw(2, helper);
    EXPECT_EQ(helper.rectangles, 2);

    delete parent;
    EXPECT_EQ(destroyed, 2);
    delete removed;
    EXPECT_EQ(destroyed, 3);
}

// A bushy tree, with a chain far deeper than any model hanging from one leaf.
TEST(SceneNodeOwnership, DeletingANodeFreesEveryNodeOfItsSubtreeOnce)
{
    int destroyed = 0;
    auto* root = new CountedNode(destroyed);
    std::vector<TAV_SceneNode*> nodes{root};
    for (std::size_t i = 0; i < 40; ++i) {
        for (int k = 0; k < 3; ++k)
            nodes.push_back(nodes[i]->AddChild(new CountedNode(destroyed)));
    }
    TAV_SceneNode* tip = nodes.back();
    for (int i = 0; i < 200000; ++i)
        tip = tip->AddChild(new CountedNode(destroyed));
    delete root;
    EXPECT_EQ(destroyed, static_cast<int>(nodes.size()) + 200000);
}

using SceneNodeBoxes = SceneDeviceTest;

TEST_F(SceneNodeBoxes, RotatedSquareHasTheBoxOfItsTurnedCorners)
{
    TAVD3D_DrawHelper helper;
    helper.InitializeModelTransform();
    TAV_SceneNode node(L"node");
    node.SetPrimitive(Square(-1, 1));
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
