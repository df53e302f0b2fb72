#include "scene/SceneNode.h"
#include "primitives/PrimitiveList.h"
#include "scene/NodeShapes.h"
#include "tests/render/RecordingDrawHelper.h"
#include "tests/scene/SceneTestFixture.h"

#include <algorithm>

namespace {

// A node that counts its destructions.
struct CountedNode : TAV_SceneNode
{
    explicit CountedNode(int& destroyed) : TAV_SceneNode(L"counted"), destroyed_(destroyed) {}
    ~CountedNode() override { ++destroyed_; }
    int& destroyed_;
};

} // namespace

// Node i of the first 40 gets nodes 3i + 1 to 3i + 3 as children, each with a square.
TEST(SceneNodeOwnership, ARemovedSubtreePutBackIntoItsEmptySlotIsFreedWithTheTree)
{
    int destroyed = 0;
    auto* root = new CountedNode(destroyed);
    std::vector<TAV_SceneNode*> nodes{root};
    for (std::size_t i = 0; i < 40; ++i) {
        for (int k = 0; k < 3; ++k) {
            nodes.push_back(nodes[i]->AddChild(new CountedNode(destroyed)));
            nodes.back()->SetPrimitive(MakeList(MakeRectangle(0, 0, 1, 1, TAV_Color(), ShadeMode::Flat)));
        }
    }
    // The root's second child heads 1 + 3 + 9 + 27 nodes.
    TAV_SceneNode* removed = nodes[2];
    root->RemoveChild(removed);
    RecordingDrawHelper helper;
    root->Draw(2, helper);
    const std::vector<std::string> drawn = helper.Names();
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), "DrawRectangle"), 120 - 40);
    // Only the empty slot takes it back.
    EXPECT_FALSE(root->PutChild(2, removed));
    EXPECT_FALSE(root->PutChild(3, removed));
    ASSERT_TRUE(root->PutChild(1, removed));

    // A chain far deeper than any model, under the last leaf (in the root's third subtree).
    TAV_SceneNode* tip = nodes.back();
    for (int i = 0; i < 200000; ++i)
        tip = tip->AddChild(new CountedNode(destroyed));
    delete root;
    EXPECT_EQ(destroyed, 121 + 200000);
}

TEST(SceneNodeDrawing, AShownPivotIsASolidWhiteCircleShadedToABlueCentreAtThePivot)
{
    TAV_SceneNode node(L"Box");
    TAV_XformInfo xform;
    xform.SetPivot(1.0f, 2.0f, 0.0f);
    node.SetXformInfo(xform);
    node.SetPivotVisible(true);
    RecordingDrawHelper shown;
    node.Draw(2, shown);
    ASSERT_EQ(shown.Names(),
              (std::vector<std::string>{"ResetAttributes", "EnableBlending", "EnableTexture", "DrawCircle"}));
    const RecordingDrawHelper::Call& marker = shown.calls.back();
    EXPECT_EQ(marker.args, (std::vector<float>{1.0f, 2.0f, 0.0f, 0.2f}));
    EXPECT_EQ(marker.color, 0xFFFFFFFFu);
    EXPECT_EQ(marker.shadeColor, 0xFF0000FFu);
    EXPECT_EQ(marker.shadeMode, ShadeMode::Gouraud);
    EXPECT_EQ(marker.fillMode, FillMode::Solid);
}
