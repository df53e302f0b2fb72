#include "PanelTestFixture.h"

#include "primitives/PrimitiveList.h"
#include "primitives/PrimitiveRectangleXY.h"

namespace {

// Under the root: "list", whose primitive lists a red, a green and a blue rectangle, and "plain".
class SceneTreeControlTest : public PanelTest
{
protected:
    void SetUp() override
    {
        PanelTest::SetUp();
        ShowPopup();
        for (const TAV_Color& color :
             {TAV_Color(255, 0, 0, 255), TAV_Color(0, 255, 0, 255), TAV_Color(0, 0, 255, 255)}) {
            auto* entry = new TAV_PrimitiveRectangleXY;
            entry->SetColor(color);
            list->AddPrimitive(entry);
        }
        listNode = AddTopLevel(new TAV_SceneNode(L"list"));
        listNode->SetPrimitive(list);
        plain = AddTopLevel(new TAV_SceneNode(L"plain"));
        plain->SetPrimitive(new TAV_PrimitiveRectangleXY);
    }

    QSlider* IndexSlider() { return ControlOf<QSlider>(SceneTree(), IDC_INDEX_SLIDER); }
    QString IndexLabel() { return LabelText(SceneTree(), IDC_INDEX_LABEL); }

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

    TAV_PrimitiveList* list = new TAV_PrimitiveList; // owned by listNode
    TAV_SceneNode* listNode = nullptr;
    TAV_SceneNode* plain = nullptr;
};

TEST_F(SceneTreeControlTest, FillTreeListsChildrenDepthFirstSkippingNullSlots)
{
    auto* parent = new TAV_SceneNode(L"parent");
    parent->AddChild(new TAV_SceneNode(L"first"))->AddChild(new TAV_SceneNode(L"grandchild"));
    TAV_SceneNode* removed = parent->AddChild(new TAV_SceneNode(L"removed"));
    parent->AddChild(new TAV_SceneNode(L"last"));
    parent->RemoveChild(removed);
    delete removed;
    AddTopLevel(parent);

    EXPECT_EQ(ItemTexts(), "Big Daddy|  list|  plain|  parent|    first|      grandchild|    last");
    EXPECT_EQ(ItemOf(parent->GetChild(2))->text(0), "last");
    EXPECT_FALSE(ItemOf(parent)->isExpanded());
}

TEST_F(SceneTreeControlTest, OnlyAListNodeMovesTheIndexSlider)
{
    SelectNode(listNode);
    EXPECT_EQ(IndexSlider()->maximum(), 2);
    EXPECT_EQ(IndexLabel(), "0");

    // The index only labels itself: the attributes stay those of the first entry.
    MoveSlider(IndexSlider(), 2);
    EXPECT_EQ(IndexLabel(), "2");
    EXPECT_EQ(Attributes().GetPrimitive(), list->GetPrimitive(0));
    EXPECT_EQ(ControlOf<QSlider>(Attributes(), IDC_RED_SLIDER)->value(), 100000);

    SelectNode(plain);
    EXPECT_EQ(Attributes().GetPrimitive(), plain->GetPrimitive());
    MoveSlider(IndexSlider(), 1);
    EXPECT_EQ(IndexLabel(), "2");
}

TEST_F(SceneTreeControlTest, ANodeWithoutPrimitiveHidesTheAttributes)
{
    auto* bare = AddTopLevel(new TAV_SceneNode(L"bare"));
    SelectNode(plain);
    SelectNode(bare);
    EXPECT_EQ(Xform().GetNode(), bare);
    EXPECT_FALSE(Attributes().IsWindowVisible());
    EXPECT_EQ(Attributes().GetPrimitive(), nullptr);
    SelectNode(plain);
    EXPECT_TRUE(Attributes().IsWindowVisible());
}

TEST_F(SceneTreeControlTest, ReopeningThePopupKeepsTheTreeSelectionAndPanels)
{
    SelectNode(plain);
    Click(selectPanel.GetHierarchy(), IDOK);
    ShowPopup();
    EXPECT_EQ(Tree()->topLevelItem(0)->childCount(), 2);
    EXPECT_EQ(Tree()->currentItem(), ItemOf(plain));
    EXPECT_EQ(Attributes().GetPrimitive(), plain->GetPrimitive());
}

// The world is cleared before the tree is rebuilt, so the old items name
// deleted nodes: neither the selection handling nor the panels may touch them.
TEST_F(SceneTreeControlTest, RebuildingAfterAClearLeavesNoSelectionBehind)
{
    SelectNode(listNode);
    world.DeleteAllNodes();
    SceneTreePanel->RebuildTree();

    EXPECT_EQ(ItemTexts(), "Big Daddy");
    EXPECT_EQ(Tree()->currentItem(), nullptr);
    EXPECT_FALSE(Xform().IsWindowVisible());
    EXPECT_FALSE(Attributes().IsWindowVisible());
    EXPECT_EQ(Xform().GetNode(), nullptr);
    EXPECT_EQ(Attributes().GetPrimitive(), nullptr);
    MoveSlider(IndexSlider(), 1);
    EXPECT_EQ(IndexLabel(), "0");
    SelectNode(world.Root);
    EXPECT_TRUE(Xform().IsWindowVisible());
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
