#include "PanelTestFixture.h"

#include "primitives/PrimitiveList.h"
#include "primitives/PrimitiveRectangleXY.h"
#include "scene/Box.h"

namespace {

class SceneTreeControlTest : public PanelTest
{
protected:
    void SetUp() override
    {
        PanelTest::SetUp();
        ShowPopup();
    }

    QSlider* IndexSlider() { return ControlOf<QSlider>(SceneTree(), IDC_INDEX_SLIDER); }
    QString IndexLabel() { return LabelText(SceneTree(), IDC_INDEX_LABEL); }

    // A node whose primitive is a list of three rectangles, red, green and blue.
    TAV_SceneNode* AddListNode()
    {
        auto* list = new TAV_PrimitiveList;
        for (const TAV_Color& color :
             {TAV_Color(255, 0, 0, 255), TAV_Color(0, 255, 0, 255), TAV_Color(0, 0, 255, 255)}) {
            auto* entry = new TAV_PrimitiveRectangleXY;
            entry->SetColor(color);
            list->AddPrimitive(entry);
        }
        auto* node = new TAV_SceneNode(L"list");
        node->SetPrimitive(list);
        return AddTopLevel(node);
    }

    TAV_SceneNode* AddPlainNode()
    {
        auto* node = new TAV_SceneNode(L"plain");
        node->SetPrimitive(new TAV_PrimitiveRectangleXY);
        return AddTopLevel(node);
    }

    // Every item's text in tree order, indented by two spaces per level, joined by '|'.
    std::string ItemTexts()
    {
        QStringList texts;
        for (QTreeWidgetItemIterator it(Tree()); *it; ++it) {
            int depth = 0;
            for (QTreeWidgetItem* parent = (*it)->parent(); parent; parent = parent->parent())
                ++depth;
            texts << QString(2 * depth, QLatin1Char(' ')) + (*it)->text(0);
        }
        return texts.join(QLatin1Char('|')).toStdString();
    }
};

TEST_F(SceneTreeControlTest, StartsWithTheRootSelectedAndTheAttributePanelHidden)
{
    EXPECT_EQ(SceneTreePanel, &SceneTree());
    ASSERT_EQ(Tree()->topLevelItemCount(), 1);
    QTreeWidgetItem* root = Tree()->topLevelItem(0);
    EXPECT_EQ(root->text(0), "Big Daddy");
    EXPECT_EQ(Tree()->currentItem(), root);
    EXPECT_EQ(world.CurrentNode, world.Root);
    EXPECT_TRUE(Xform().IsWindowVisible());
    EXPECT_EQ(Xform().GetNode(), world.Root);
    EXPECT_FALSE(Attributes().IsWindowVisible());
    EXPECT_EQ(IndexLabel(), "0");
}

TEST_F(SceneTreeControlTest, FillTreeListsChildrenDepthFirstAndSkipsNullSlots)
{
    auto* parent = new TAV_SceneNode(L"parent");
    parent->AddChild(new TAV_SceneNode(L"first"))->AddChild(new TAV_SceneNode(L"grandchild"));
    TAV_SceneNode* removed = parent->AddChild(new TAV_SceneNode(L"removed"));
    parent->AddChild(new TAV_SceneNode(L"last"));
    parent->RemoveChild(removed);
    delete removed;

    AddTopLevel(parent);

    EXPECT_EQ(ItemTexts(), "Big Daddy|  parent|    first|      grandchild|    last");
    QTreeWidgetItem* last = ItemOf(parent->GetChild(2));
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->text(0), "last");
    EXPECT_FALSE(ItemOf(parent)->isExpanded());
}

TEST_F(SceneTreeControlTest, AListNodeSpansTheIndexSliderAndEditsEntryZero)
{
    TAV_SceneNode* node = AddListNode();
    auto* list = static_cast<TAV_PrimitiveList*>(node->GetPrimitive());

    SelectNode(node);

    EXPECT_EQ(world.CurrentNode, node);
    EXPECT_EQ(Xform().GetNode(), node);
    EXPECT_TRUE(Attributes().IsWindowVisible());
    EXPECT_EQ(IndexSlider()->minimum(), 0);
    EXPECT_EQ(IndexSlider()->maximum(), 2);
    EXPECT_EQ(IndexSlider()->value(), 0);
    EXPECT_EQ(IndexLabel(), "0");
    EXPECT_EQ(Attributes().GetPrimitive(), list->GetPrimitive(0));
    EXPECT_EQ(ControlOf<QSlider>(Attributes(), IDC_RED_SLIDER)->value(), 100000);

    MoveSlider(IndexSlider(), 2);

    EXPECT_EQ(IndexLabel(), "2");
    EXPECT_EQ(Attributes().GetPrimitive(), list->GetPrimitive(0));
    EXPECT_EQ(ControlOf<QSlider>(Attributes(), IDC_RED_SLIDER)->value(), 100000);
}

TEST_F(SceneTreeControlTest, APlainPrimitiveAfterAListLeavesTheIndexAsItWas)
{
    TAV_SceneNode* listNode = AddListNode();
    TAV_SceneNode* plain = AddPlainNode();
    SelectNode(listNode);
    MoveSlider(IndexSlider(), 2);

    SelectNode(plain);

    EXPECT_EQ(Attributes().GetPrimitive(), plain->GetPrimitive());
    EXPECT_EQ(IndexSlider()->maximum(), 2);
    EXPECT_EQ(IndexSlider()->value(), 2);
    EXPECT_EQ(IndexLabel(), "2");
    MoveSlider(IndexSlider(), 1);
    EXPECT_EQ(IndexLabel(), "2");
}

TEST_F(SceneTreeControlTest, ANodeWithoutPrimitiveShowsTheTransformAndHidesTheAttributes)
{
    TAV_SceneNode* plain = AddPlainNode();
    auto* bare = AddTopLevel(new TAV_SceneNode(L"bare"));
    SelectNode(plain);

    SelectNode(bare);

    EXPECT_EQ(world.CurrentNode, bare);
    EXPECT_TRUE(Xform().IsWindowVisible());
    EXPECT_EQ(Xform().GetNode(), bare);
    EXPECT_FALSE(Attributes().IsWindowVisible());
    EXPECT_EQ(Attributes().GetPrimitive(), nullptr);
}

TEST_F(SceneTreeControlTest, ClosingThePopupKeepsTreeSelectionAndPanels)
{
    auto* box = AddTopLevel(new CBox(1.0f, 1.0f, 0.0f));
    SelectNode(box);
    const int items = Tree()->topLevelItem(0)->childCount();

    Click(selectPanel.GetHierarchy(), IDOK);
    ASSERT_FALSE(selectPanel.GetHierarchy().IsWindowVisible());
    Click(selectPanel, IDC_VIEW_HIERARCHY);

    ASSERT_TRUE(selectPanel.GetHierarchy().IsWindowVisible());
    EXPECT_EQ(Tree()->topLevelItem(0)->childCount(), items);
    EXPECT_EQ(Tree()->currentItem(), ItemOf(box));
    EXPECT_TRUE(Xform().IsWindowVisible());
    EXPECT_TRUE(Attributes().IsWindowVisible());
    EXPECT_EQ(Xform().GetNode(), box);
}

// The world is cleared before the tree is rebuilt, so the old items name
// deleted nodes: neither the selection handling nor the panels may touch them.
TEST_F(SceneTreeControlTest, RebuildingAfterAClearLeavesNothingSelectedAndThePanelsEmptyAndHidden)
{
    TAV_SceneNode* listNode = AddListNode();
    SelectNode(listNode);

    world.DeleteAllNodes();
    SceneTreePanel->RebuildTree();

    ASSERT_EQ(Tree()->topLevelItemCount(), 1);
    EXPECT_EQ(Tree()->topLevelItem(0)->text(0), "Big Daddy");
    EXPECT_EQ(Tree()->currentItem(), nullptr);
    EXPECT_FALSE(Xform().IsWindowVisible());
    EXPECT_FALSE(Attributes().IsWindowVisible());
    EXPECT_EQ(Xform().GetNode(), nullptr);
    EXPECT_EQ(Attributes().GetPrimitive(), nullptr);
    MoveSlider(IndexSlider(), 1);
    EXPECT_EQ(IndexLabel(), "0");

    SelectNode(world.Root);
    EXPECT_TRUE(Xform().IsWindowVisible());
    EXPECT_EQ(Xform().GetNode(), world.Root);
}

TEST(SceneTreePanelPointer, IsClearedWhenThePopupGoes)
{
    CWorld world;
    {
        CDialog host;
        ASSERT_TRUE(host.Create(IDD_QUORVEL_DIALOG));
        primitiveSelect select(world);
        ASSERT_TRUE(PlaceControlDialog(&host, IDC_MAIN_CONTROLS, &select, IDD_PRIMITIVE_SELECT));
        ASSERT_EQ(SceneTreePanel, &select.GetHierarchy().GetSceneTree());
    }
    EXPECT_EQ(SceneTreePanel, nullptr);
}

} // namespace
