#include "platform/win/DataExchange.h"
#include "platform/win/Dialog.h"
#include "platform/win/SliderCtrl.h"
#include "platform/win/TreeCtrl.h"
#include "platform/win/WindowHandles.h"

#include <QTest>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Every scroll and notification, in the order they arrive.
std::vector<std::string> journal;

class JournalSlider : public CSliderCtrl
{
protected:
    void HScroll(UINT, UINT) override { journal.push_back("slider sees " + std::to_string(GetPos())); }
};

// The scene tree template (132): a tree 1017 and a trackbar 1018.
class TreePanel : public CDialog
{
public:
    CTreeCtrl tree;
    JournalSlider slider;
    std::vector<NMTREEVIEWW> changes;

protected:
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Control(dx, 1017, tree);
        DDX_Control(dx, 1018, slider);
    }
    void OnHScroll(UINT code, UINT position, CWnd* bar) override
    {
        journal.push_back("panel sees " + std::to_string(position) + (bar == &slider ? " from slider" : ""));
        CDialog::OnHScroll(code, position, bar);
    }
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* result) override
    {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->code == TVN_SELCHANGED && header->hwndFrom == tree.m_hWnd)
            changes.push_back(*reinterpret_cast<NMTREEVIEWW*>(header));
        *result = 0;
        return TRUE;
    }
};

struct PanelFixture : ::testing::Test
{
    void SetUp() override
    {
        journal.clear();
        ASSERT_TRUE(main.Create(102));
        ASSERT_TRUE(panel.Create(132, &main));
    }
    CDialog main;
    TreePanel panel;
};

} // namespace

TEST_F(PanelFixture, TrackbarHoldsLargePositionsAndOnlyUserScrollsReachTheParentThenTheTrackbar)
{
    panel.slider.SetRange(0, 100000, TRUE);
    panel.slider.SetPos(250000); // clamped into the range
    EXPECT_EQ(panel.slider.GetPos(), 100000);
    panel.slider.SetPos(50000);
    EXPECT_TRUE(journal.empty());

    QTest::keyClick(WindowHandles::WidgetOf(panel.slider.m_hWnd), Qt::Key_Right);
    EXPECT_EQ(journal, (std::vector<std::string>{"panel sees 50001 from slider", "slider sees 50001"}));
}

TEST_F(PanelFixture, TreeItemsCarryDataAndSelectionNotifiesTheParent)
{
    int root = 0, child = 0;
    HTREEITEM rootItem = panel.tree.InsertItem(L"Big Daddy", TVI_ROOT, TVI_LAST);
    panel.tree.SetItemData(rootItem, reinterpret_cast<DWORD_PTR>(&root));
    HTREEITEM childItem = panel.tree.InsertItem(L"Crab", rootItem);
    TVITEMW record;
    record.mask = TVIF_PARAM;
    record.hItem = childItem;
    record.lParam = reinterpret_cast<LPARAM>(&child);
    EXPECT_TRUE(panel.tree.SetItem(&record));

    EXPECT_EQ(panel.tree.GetChildItem(rootItem), childItem);
    EXPECT_EQ(panel.tree.GetCount(), 2u);

    EXPECT_TRUE(panel.tree.SelectItem(rootItem));
    EXPECT_TRUE(panel.tree.SelectItem(childItem));
    ASSERT_EQ(panel.changes.size(), 2u);
    EXPECT_EQ(panel.changes[1].itemNew.hItem, childItem);
    EXPECT_EQ(panel.changes[1].itemNew.lParam, reinterpret_cast<LPARAM>(&child));
    EXPECT_EQ(panel.changes[1].itemOld.hItem, rootItem);
    EXPECT_EQ(panel.tree.GetSelectedItem(), childItem);
}

TEST_F(PanelFixture, DeletingTheSelectedItemsReportsNoSelectionAndLeavesStaleHandlesDead)
{
    int node = 0;
    HTREEITEM item = panel.tree.InsertItem(L"Big Daddy");
    panel.tree.SetItemData(item, reinterpret_cast<DWORD_PTR>(&node));
    panel.tree.SelectItem(item);
    panel.changes.clear();

    EXPECT_TRUE(panel.tree.DeleteItem(TVI_ROOT));
    ASSERT_EQ(panel.changes.size(), 1u);
    EXPECT_EQ(panel.changes[0].itemNew.hItem, nullptr);
    EXPECT_EQ(panel.changes[0].itemOld.hItem, nullptr); // the old item is gone and must not be handed out
    EXPECT_EQ(panel.tree.GetCount(), 0u);
    EXPECT_EQ(panel.tree.GetItemData(item), 0u);
    EXPECT_EQ(panel.tree.InsertItem(L"orphan", item), nullptr);
    EXPECT_FALSE(panel.tree.SelectItem(item));

    // Deleting without a selection says nothing.
    panel.tree.InsertItem(L"again");
    EXPECT_TRUE(panel.tree.DeleteAllItems());
    EXPECT_EQ(panel.changes.size(), 1u);
}
