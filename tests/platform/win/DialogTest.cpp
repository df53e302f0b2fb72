#include "platform/win/Dialog.h"
#include "platform/win/DataExchange.h"
#include "platform/win/DialogUnits.h"
#include "platform/win/TreeCtrl.h"
#include "platform/win/WidgetTraits.h"
#include "platform/win/WindowFunctions.h"
#include "platform/win/WindowHandles.h"
#include "resources/DialogTemplate.h"
#include "resources/ResourceIds.h"

#include <QAbstractButton>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace {

QWidget* Widget(CWnd* window)
{
    return window ? WindowHandles::WidgetOf(window->m_hWnd) : nullptr;
}

// The scene tree template, keeping every selection change its tree reports.
class TreePanel : public CDialog
{
public:
    CTreeCtrl tree;
    std::vector<NMTREEVIEWW> changes;

protected:
    void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, IDC_SCENE_TREE, tree); }
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* result) override
    {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->code == TVN_SELCHANGED && header->hwndFrom == tree.m_hWnd)
            changes.push_back(*reinterpret_cast<NMTREEVIEWW*>(header));
        *result = 0;
        return TRUE;
    }
};

} // namespace

TEST(Dialog, CreateIsRefusedForASecondWindowAChildWithoutParentOrAnUnknownTemplate)
{
    CDialog main, panel, orphan;
    ASSERT_TRUE(main.Create(IDD_QUORVEL_DIALOG));
    ASSERT_TRUE(panel.Create(IDD_PRIMITIVE_SELECT, &main));
    EXPECT_FALSE(panel.Create(IDD_PRIMITIVE_SELECT, &main));
    EXPECT_FALSE(orphan.Create(IDD_PRIMITIVE_SELECT, nullptr));
    EXPECT_FALSE(orphan.Create(999, nullptr));
    EXPECT_EQ(orphan.m_hWnd, nullptr);
}

TEST(Dialog, ModalRunEndedByOkDestroysTheWindow)
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
            static_cast<QAbstractButton*>(Widget(GetDlgItem(IDOK)))->click();
        }
    } dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
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
    EXPECT_EQ(std::tie(r.left, r.top, r.right, r.bottom),
              std::tuple(11, 11, 86, 34)); // 10.5, 11.375, 85.5, 34.125
}

// The base units depend on the font the machine has, so the expected rectangles go through the
// conversion checked by hand above.
TEST(DialogUnits, TemplateControlsArePlacedInPixelsOfTheDialogFont)
{
    CDialog dialog(IDD_QUORVEL_DIALOG);
    ASSERT_TRUE(dialog.Create(IDD_QUORVEL_DIALOG, nullptr));
    const DialogTemplate* source = FindDialogTemplate(IDD_QUORVEL_DIALOG);
    const DialogBaseUnits base = WidgetTraits::BaseUnits(Widget(&dialog));
    RECT client;
    dialog.GetClientRect(&client);
    const RECT expectedClient = DialogUnitsToPixels(0, 0, source->cx, source->cy, base);
    EXPECT_EQ(std::tie(client.right, client.bottom), std::tie(expectedClient.right, expectedClient.bottom));
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

TEST(TreeCtrl, ClearingReportsTheSelectionGoneOnlyWhenThereWasOne)
{
    CDialog main;
    TreePanel panel;
    ASSERT_TRUE(main.Create(IDD_QUORVEL_DIALOG));
    ASSERT_TRUE(panel.Create(IDD_SCENE_TREE, &main));
    panel.tree.InsertItems(TVI_ROOT, {{L"Big Daddy"}});
    panel.tree.SelectItem(panel.tree.GetRootItem());
    panel.changes.clear();

    EXPECT_TRUE(panel.tree.DeleteAllItems());
    ASSERT_EQ(panel.changes.size(), 1u);
    EXPECT_EQ(panel.changes[0].itemOld.hItem, nullptr); // the old item is gone and must not be handed out

    panel.tree.InsertItems(TVI_ROOT, {{L"again"}});
    EXPECT_TRUE(panel.tree.DeleteAllItems());
    EXPECT_EQ(panel.changes.size(), 1u);
}
