#include "platform/win/Dialog.h"
#include "platform/win/DataExchange.h"
#include "platform/win/WindowFunctions.h"
#include "platform/win/WindowHandles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>
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

// The primitive selection template (129) with a check box and a text bound.
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
        DDX_Check(dx, 1013, grid);
        DDX_Text(dx, 1006, label);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        ++initCount;
        initSawControls = GetDlgItem(1012) != nullptr;
        return TRUE;
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        commands.push_back(LOWORD(wParam));
        return CDialog::OnCommand(wParam, lParam);
    }
};

} // namespace

TEST(Dialog, ModelessCreateRunsInitialisationBeforeReturningAndWritesMembers)
{
    CDialog parent;
    ASSERT_TRUE(parent.Create(102));
    SelectionPanel panel;
    ASSERT_TRUE(panel.Create(129, &parent));
    EXPECT_EQ(panel.initCount, 1);
    EXPECT_TRUE(panel.initSawControls);
    EXPECT_EQ(panel.IsDlgButtonChecked(1013), BST_CHECKED); // grid 1 written by the base initialisation
    EXPECT_EQ(panel.GetParent(), &parent);
    EXPECT_EQ(panel.GetDlgItem(1012)->GetWindowText(), L"View Hierarchy");
    EXPECT_EQ(panel.GetDlgItem(4242), nullptr);
    EXPECT_FALSE(panel.Create(129, &parent)); // one window per object
}

TEST(Dialog, CreationFailsForMissingTemplateOrParentlessChild)
{
    CDialog orphan;
    EXPECT_FALSE(orphan.Create(129, nullptr)); // a child template needs a parent
    EXPECT_FALSE(orphan.Create(999, nullptr));
    EXPECT_EQ(orphan.m_hWnd, nullptr);
}

TEST(Dialog, DataExchangeMovesValuesBothWays)
{
    CDialog parent;
    ASSERT_TRUE(parent.Create(102));
    SelectionPanel panel;
    ASSERT_TRUE(panel.Create(129, &parent));

    panel.CheckDlgButton(1013, BST_UNCHECKED);
    panel.GetDlgItem(1006)->SetWindowText(L"Square");
    panel.UpdateData(TRUE);
    EXPECT_EQ(panel.grid, 0);
    EXPECT_EQ(panel.label, L"Square");

    panel.grid = 1;
    panel.label = L"Box";
    panel.UpdateData(FALSE);
    EXPECT_EQ(panel.IsDlgButtonChecked(1013), BST_CHECKED);
    EXPECT_EQ(panel.GetDlgItem(1006)->GetWindowText(), L"Box");
}

TEST(Dialog, RadioGroupsCheckOneAndAnswerTheCheckedId)
{
    CDialog parent;
    ASSERT_TRUE(parent.Create(102));
    SelectionPanel panel;
    ASSERT_TRUE(panel.Create(129, &parent));
    EXPECT_EQ(panel.GetCheckedRadioButton(1005, 1007), 0);
    panel.CheckRadioButton(1005, 1007, 1006);
    EXPECT_EQ(panel.GetCheckedRadioButton(1005, 1007), 1006);
    EXPECT_TRUE(panel.commands.empty()); // checking from code sends no command

    // A click checks the clicked button, clears the others and sends its command.
    Click(panel.GetDlgItem(1007));
    EXPECT_EQ(panel.GetCheckedRadioButton(1005, 1007), 1007);
    EXPECT_EQ(panel.IsDlgButtonChecked(1006), BST_UNCHECKED);
    Click(panel.GetDlgItem(1007)); // clicking the checked one keeps it checked and commands again
    EXPECT_EQ(panel.GetCheckedRadioButton(1005, 1007), 1007);
    EXPECT_EQ(panel.commands, (std::vector<UINT>{1007, 1007}));
}

TEST(Dialog, ModalRunEndsWithTheResultAndDestroysTheWindow)
{
    class Ending : public CDialog
    {
    public:
        Ending() : CDialog(130) {}
        HWND seen = nullptr;

    protected:
        BOOL OnInitDialog() override
        {
            seen = m_hWnd;
            EndDialog(7);
            return TRUE;
        }
    } dialog;
    EXPECT_EQ(dialog.DoModal(), 7);
    EXPECT_NE(dialog.seen, nullptr);
    EXPECT_FALSE(IsWindow(dialog.seen));
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST(Dialog, ModalRunEndsFromTheLoopOnOk)
{
    class Timed : public CDialog
    {
    public:
        Timed() : CDialog(130) {}

    protected:
        BOOL OnInitDialog() override
        {
            CDialog::OnInitDialog();
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
}

TEST(Dialog, EscapeAndOkHideAModelessPopupWithoutDestroyingIt)
{
    CDialog parent;
    ASSERT_TRUE(parent.Create(102));
    CDialog popup;
    ASSERT_TRUE(popup.Create(130, &parent));
    EXPECT_FALSE(popup.GetStyle() & WS_VISIBLE); // the template is not visible
    popup.ShowWindow(SW_SHOW);
    EXPECT_TRUE(popup.GetStyle() & WS_VISIBLE);
    QTest::keyClick(Widget(&popup), Qt::Key_Escape);
    EXPECT_FALSE(popup.GetStyle() & WS_VISIBLE);
    EXPECT_TRUE(IsWindow(popup.m_hWnd));

    popup.ShowWindow(SW_SHOW);
    Click(popup.GetDlgItem(IDOK));
    EXPECT_FALSE(popup.GetStyle() & WS_VISIBLE);
    EXPECT_TRUE(IsWindow(popup.m_hWnd));
}

TEST(Dialog, ContextMenuRequestNamesTheClickedControlAndTheScreenPoint)
{
    class MenuDialog : public CDialog
    {
    public:
        CWnd* clicked = nullptr;
        POINT at;

    protected:
        void OnContextMenu(CWnd* window, POINT point) override
        {
            clicked = window;
            at = point;
        }
    } dialog;
    ASSERT_TRUE(dialog.Create(102));
    QWidget* exitButton = Widget(dialog.GetDlgItem(1));
    const QPoint inside(4, 5);
    QContextMenuEvent event(QContextMenuEvent::Mouse, inside, exitButton->mapToGlobal(inside));
    QApplication::sendEvent(exitButton, &event);
    EXPECT_EQ(dialog.clicked, dialog.GetDlgItem(1));
    EXPECT_EQ(dialog.at.x, exitButton->mapToGlobal(inside).x());
    EXPECT_EQ(dialog.at.y, exitButton->mapToGlobal(inside).y());
}
