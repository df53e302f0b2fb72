#include "platform/win/Dialog.h"
#include "platform/win/DataExchange.h"
#include "platform/win/DialogUnits.h"
#include "platform/win/SliderCtrl.h"
#include "platform/win/TreeCtrl.h"
#include "platform/win/WidgetTraits.h"
#include "platform/win/WindowFunctions.h"
#include "platform/win/WindowHandles.h"
#include "resources/DialogTemplate.h"
#include "resources/ResourceIds.h"

#include <QAbstractButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace {

QWidget* Widget(CWnd* window)
{
    return window ? WindowHandles::WidgetOf(window->m_hWnd) : nullptr;
}

void Click(CWnd* button)
{
    static_cast<QAbstractButton*>(Widget(button))->click();
}

// The primitive selection template with a check box and a text bound.
class SelectionPanel : public CDialog
{
public:
    int initCount = 0;
    bool initSawControls = false;
    int grid = 1;
    std::wstring label = L"Rectangle";
    std::vector<UINT> commands;

protected:
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Check(dx, IDC_GRID, grid);
        DDX_Text(dx, IDC_RECTANGLE, label);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        ++initCount;
        initSawControls = GetDlgItem(IDC_VIEW_HIERARCHY) != nullptr;
        return TRUE;
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        commands.push_back(LOWORD(wParam));
        return CDialog::OnCommand(wParam, lParam);
    }
};

// Every scroll and notification, in the order they arrive.
std::vector<std::string> journal;

class JournalSlider : public CSliderCtrl
{
protected:
    void HScroll(UINT, UINT) override { journal.push_back("slider sees " + std::to_string(GetPos())); }
};

// The scene tree template: a tree and a trackbar.
class TreePanel : public CDialog
{
public:
    CTreeCtrl tree;
    JournalSlider slider;
    std::vector<NMTREEVIEWW> changes;

protected:
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Control(dx, IDC_SCENE_TREE, tree);
        DDX_Control(dx, IDC_INDEX_SLIDER, slider);
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

// A panel template on the main dialog.
template <typename Panel, UINT id> struct PanelOnMain : ::testing::Test
{
    void SetUp() override
    {
        journal.clear();
        ASSERT_TRUE(main.Create(IDD_QUORVEL_DIALOG));
        ASSERT_TRUE(panel.Create(id, &main));
    }
    CDialog main;
    Panel panel;
};
using PanelDialog = PanelOnMain<SelectionPanel, IDD_PRIMITIVE_SELECT>;
using PanelFixture = PanelOnMain<TreePanel, IDD_SCENE_TREE>;

} // namespace

TEST_F(PanelDialog, ModelessCreateRunsInitialisationBeforeReturningAndWritesMembers)
{
    EXPECT_EQ(panel.initCount, 1);
    EXPECT_TRUE(panel.initSawControls);
    EXPECT_EQ(panel.IsDlgButtonChecked(IDC_GRID), BST_CHECKED); // grid 1 written by the base initialisation
    EXPECT_EQ(panel.GetParent(), &main);
    EXPECT_EQ(panel.GetDlgItem(IDC_VIEW_HIERARCHY)->GetWindowText(), L"View Hierarchy");
    EXPECT_EQ(panel.GetDlgItem(4242), nullptr);
    EXPECT_FALSE(panel.Create(IDD_PRIMITIVE_SELECT, &main)); // one window per object

    CDialog orphan;
    EXPECT_FALSE(orphan.Create(IDD_PRIMITIVE_SELECT, nullptr)); // a child template needs a parent
    EXPECT_FALSE(orphan.Create(999, nullptr));
    EXPECT_EQ(orphan.m_hWnd, nullptr);
}

TEST_F(PanelDialog, DataExchangeMovesValuesBothWays)
{
    panel.CheckDlgButton(IDC_GRID, BST_UNCHECKED);
    panel.GetDlgItem(IDC_RECTANGLE)->SetWindowText(L"Square");
    panel.UpdateData(TRUE);
    EXPECT_EQ(panel.grid, 0);
    EXPECT_EQ(panel.label, L"Square");

    panel.grid = 1;
    panel.label = L"Box";
    panel.UpdateData(FALSE);
    EXPECT_EQ(panel.IsDlgButtonChecked(IDC_GRID), BST_CHECKED);
    EXPECT_EQ(panel.GetDlgItem(IDC_RECTANGLE)->GetWindowText(), L"Box");
}

TEST_F(PanelDialog, RadioGroupsCheckOneAndAnswerTheCheckedId)
{
    const auto checked = [&] {
        std::vector<int> ids;
        for (int id = IDC_CIRCLE; id <= IDC_CRAB; ++id)
            if (panel.IsDlgButtonChecked(id) == BST_CHECKED)
                ids.push_back(id);
        return ids;
    };
    EXPECT_TRUE(checked().empty());
    panel.CheckRadioButton(IDC_CIRCLE, IDC_CRAB, IDC_RECTANGLE);
    EXPECT_EQ(checked(), std::vector<int>{IDC_RECTANGLE});
    EXPECT_TRUE(panel.commands.empty()); // checking from code sends no command

    // A click checks the clicked button, clears the others and sends its command.
    Click(panel.GetDlgItem(IDC_CRAB));
    EXPECT_EQ(checked(), std::vector<int>{IDC_CRAB});
    Click(panel.GetDlgItem(IDC_CRAB)); // clicking the checked one keeps it checked and commands again
    EXPECT_EQ(checked(), std::vector<int>{IDC_CRAB});
    EXPECT_EQ(panel.commands, (std::vector<UINT>{IDC_CRAB, IDC_CRAB}));
}

TEST(Dialog, ModalRunEndsFromTheLoopOnOkAndDestroysTheWindow)
{
    class Timed : public CDialog
    {
    public:
        Timed() : CDialog(IDD_HIERARCHY) {}
        HWND seen = nullptr;

    protected:
        BOOL OnInitDialog() override
        {
            CDialog::OnInitDialog();
            seen = m_hWnd;
            SetTimer(3, 1);
            return TRUE;
        }
        void OnTimer(UINT_PTR) override
        {
            KillTimer(3);
            Click(GetDlgItem(IDOK));
        }
    } dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_NE(dialog.seen, nullptr);
    EXPECT_FALSE(IsWindow(dialog.seen));
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST(DialogUnits, ConversionRoundsHalfAwayFromZeroWithTheBaseUnits)
{
    EXPECT_EQ(MulDiv(-7, 6, 4), -11); // -10.5
    EXPECT_EQ(MulDiv(5, 13, 8), 8);   // 8.125
    EXPECT_EQ(MulDiv(3, 5, 0), -1);
    EXPECT_EQ(MulDiv(100000, 100000, 100000), 100000); // no 32-bit overflow in the product
    // Base units 6 x 13: one dialog unit is 1.5 pixels across and 1.625 down.
    const RECT r = DialogUnitsToPixels(7, 7, 50, 14, DialogBaseUnits{6, 13});
    EXPECT_EQ(r.left, 11);   // 10.5
    EXPECT_EQ(r.top, 11);    // 11.375
    EXPECT_EQ(r.right, 86);  // 57 * 1.5 = 85.5
    EXPECT_EQ(r.bottom, 34); // 21 * 1.625 = 34.125
}

TEST(DialogUnits, TemplateControlsArePlacedInPixelsOfTheDialogFont)
{
    CDialog dialog(IDD_QUORVEL_DIALOG);
    ASSERT_TRUE(dialog.Create(IDD_QUORVEL_DIALOG, nullptr));
    const DialogTemplate* source = FindDialogTemplate(IDD_QUORVEL_DIALOG);
    RECT client;
    dialog.GetClientRect(&client);
    const DialogBaseUnits base = WidgetTraits::BaseUnits(Widget(&dialog));
    const RECT expectedClient = DialogUnitsToPixels(0, 0, source->cx, source->cy, base);
    EXPECT_EQ(client.right, expectedClient.right);
    EXPECT_EQ(client.bottom, expectedClient.bottom);
    EXPECT_GT(client.right, source->cx); // a dialog unit is more than a pixel wide in any usable font

    for (const ControlTemplate& control : source->controls) {
        CWnd* item = dialog.GetDlgItem(control.id);
        ASSERT_NE(item, nullptr) << control.id;
        const RECT expected = DialogUnitsToPixels(control.x, control.y, control.cx, control.cy, base);
        RECT actual;
        item->GetWindowRect(&actual);
        dialog.ScreenToClient(&actual);
        EXPECT_EQ(std::tie(actual.left, actual.top, actual.right, actual.bottom),
                  std::tie(expected.left, expected.top, expected.right, expected.bottom))
            << control.id;
    }
}

TEST_F(PanelFixture, TrackbarHoldsLargePositionsAndOnlyUserScrollsReachTheParentThenTheTrackbar)
{
    panel.slider.SetRange(0, 100000, TRUE);
    panel.slider.SetPos(250000); // clamped into the range
    EXPECT_EQ(panel.slider.GetPos(), 100000);
    panel.slider.SetPos(50000);
    EXPECT_TRUE(journal.empty());

    QTest::keyClick(Widget(&panel.slider), Qt::Key_Right);
    EXPECT_EQ(journal, (std::vector<std::string>{"panel sees 50001 from slider", "slider sees 50001"}));
}

TEST_F(PanelFixture, TreeItemsCarryDataAndSelectionNotifiesTheParent)
{
    int root = 0, child = 0;
    ASSERT_TRUE(panel.tree.InsertItems(TVI_ROOT, {{L"Big Daddy", reinterpret_cast<LPARAM>(&root)},
                                                  {L"Crab", reinterpret_cast<LPARAM>(&child), nullptr, 0}}));
    HTREEITEM rootItem = panel.tree.GetRootItem();
    HTREEITEM childItem = panel.tree.GetChildItem(rootItem);

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
    panel.tree.InsertItems(TVI_ROOT, {{L"Big Daddy", reinterpret_cast<LPARAM>(&node)}});
    HTREEITEM item = panel.tree.GetRootItem();
    panel.tree.SelectItem(item);
    panel.changes.clear();

    EXPECT_TRUE(panel.tree.DeleteAllItems());
    ASSERT_EQ(panel.changes.size(), 1u);
    EXPECT_EQ(panel.changes[0].itemNew.hItem, nullptr);
    EXPECT_EQ(panel.changes[0].itemOld.hItem, nullptr); // the old item is gone and must not be handed out
    EXPECT_EQ(static_cast<QTreeWidget*>(Widget(&panel.tree))->topLevelItemCount(), 0);
    EXPECT_EQ(panel.tree.GetItemData(item), 0u);
    EXPECT_FALSE(panel.tree.InsertItems(item, {{L"orphan"}}));
    EXPECT_FALSE(panel.tree.SelectItem(item));

    // Deleting without a selection says nothing.
    panel.tree.InsertItems(TVI_ROOT, {{L"again"}});
    EXPECT_TRUE(panel.tree.DeleteAllItems());
    EXPECT_EQ(panel.changes.size(), 1u);
}
