#include "platform/win/DC.h"
#include "platform/win/Dialog.h"
#include "platform/win/FileDialog.h"
#include "platform/win/Menu.h"
#include "platform/win/ModalPrompts.h"
#include "platform/win/WideFormat.h"
#include "platform/win/WindowFunctions.h"
#include "platform/win/WindowHandles.h"
#include "platform/win/Wnd.h"
#include "resources/ResourceIds.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace {

std::vector<std::string> events;

void Send(HWND window, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at,
          Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* widget = WindowHandles::WidgetOf(window);
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, modifiers);
    QApplication::sendEvent(widget, &event);
}

void Log(const char* what, UINT flags, POINT point)
{
    events.push_back(std::string(what) + " " + std::to_string(flags) + " " + std::to_string(point.x) + "," +
                     std::to_string(point.y));
}

class MouseWindow : public CWnd
{
protected:
    void OnLButtonDown(UINT flags, POINT point) override { Log("ldown", flags, point); }
    void OnLButtonDblClk(UINT flags, POINT point) override { Log("ldbl", flags, point); }
    void OnRButtonUp(UINT flags, POINT point) override { Log("rup", flags, point); }
    void OnMouseMove(UINT flags, POINT point) override { Log("move", flags, point); }
    void OnTimer(UINT_PTR id) override { events.push_back("timer " + std::to_string(id)); }
    void OnDestroy() override { events.push_back("destroy " + std::to_string(GetDlgCtrlID())); }
};

struct WindowFixture : ::testing::Test
{
    void SetUp() override
    {
        events.clear();
        ASSERT_TRUE(top.CreateEx(0, L"top", WS_POPUP | WS_VISIBLE, RECT{0, 0, 120, 90}, nullptr, 0));
        ASSERT_TRUE(view.CreateEx(0, nullptr, WS_CHILD | WS_VISIBLE, RECT{10, 20, 110, 80}, &top, 1008));
    }
    MouseWindow top;
    MouseWindow view;
};

// Removes every answerer at the end of a test, so no prompt of a later test blocks.
struct PromptFixture : ::testing::Test
{
    void TearDown() override
    {
        ModalPrompts::SetMessageBoxAnswerer(nullptr);
        ModalPrompts::SetFileDialogAnswerer(nullptr);
        ModalPrompts::SetPopupMenuAnswerer(nullptr);
    }
};

} // namespace

TEST_F(WindowFixture, MouseMessagesCarryKeyFlagsAndClientPoints)
{
    Send(view.m_hWnd, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, QPoint(5, 6),
         Qt::ShiftModifier);
    Send(view.m_hWnd, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton | Qt::RightButton, QPoint(-4, 70));
    Send(view.m_hWnd, QEvent::MouseButtonRelease, Qt::RightButton, Qt::LeftButton, QPoint(7, 8),
         Qt::ControlModifier);
    Send(view.m_hWnd, QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton, QPoint(1, 2));
    EXPECT_EQ(events, (std::vector<std::string>{"ldown 5 5,6", "move 3 -4,70", "rup 9 7,8", "ldbl 1 1,2"}));
}

TEST_F(WindowFixture, TimerMessagesArriveUntilKilled)
{
    EXPECT_NE(top.SetTimer(0, 1), 0u);
    EXPECT_TRUE(QTest::qWaitFor([] { return events.size() >= 2; }, 2000));
    EXPECT_EQ(events[0], "timer 0");
    EXPECT_TRUE(top.KillTimer(0));
    EXPECT_FALSE(top.KillTimer(0));
    const std::size_t count = events.size();
    QTest::qWait(20);
    EXPECT_EQ(events.size(), count);
}

TEST_F(WindowFixture, DestroyingAParentTellsParentThenChildAndKillsBothHandles)
{
    const HWND child = view.m_hWnd;
    EXPECT_EQ(CWnd::FromHandle(child), &view); // the bound object answers for its handle
    EXPECT_TRUE(top.DestroyWindow());
    EXPECT_EQ(events, (std::vector<std::string>{"destroy 0", "destroy 1008"}));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_EQ(view.m_hWnd, nullptr);
    EXPECT_EQ(top.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandle(child), nullptr);
}

TEST(ControlColor, ParentAnswerColoursTheLabelText)
{
    class ColourPanel : public CDialog
    {
    protected:
        HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT type) override
        {
            HBRUSH brush = CDialog::OnCtlColor(dc, control, type);
            if (control->GetDlgCtrlID() == 1040) {
                dc->SetTextColor(RGB(255, 0, 0));
                dc->SetBkMode(TRANSPARENT);
            }
            return brush;
        }
    };
    CDialog main;
    ASSERT_TRUE(main.Create(IDD_QUORVEL_DIALOG));
    ColourPanel panel;
    ASSERT_TRUE(panel.Create(IDD_PRIMITIVE_CONTROL, &main));
    panel.ShowWindow(SW_SHOW);
    QWidget* red = WindowHandles::WidgetOf(panel.GetDlgItem(IDC_LABEL_R)->m_hWnd);
    QWidget* alpha = WindowHandles::WidgetOf(panel.GetDlgItem(IDC_LABEL_A)->m_hWnd);
    const QColor before = alpha->palette().color(QPalette::WindowText);
    red->grab();
    alpha->grab();
    EXPECT_EQ(red->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(alpha->palette().color(QPalette::WindowText), before);
}

TEST_F(PromptFixture, MessageBoxesPassTheirRequestAndReturnTheAnswer)
{
    ModalPrompts::MessageBoxRequest seen;
    ModalPrompts::SetMessageBoxAnswerer([&](const ModalPrompts::MessageBoxRequest& request) {
        seen = request;
        return request.text == L"Delete all Items?" ? IDYES : IDNO;
    });
    EXPECT_EQ(MessageBoxW(nullptr, L"Delete all Items?", L"Alert", MB_YESNO | MB_ICONINFORMATION), 6);
    EXPECT_EQ(seen.caption, L"Alert");
    EXPECT_EQ(seen.type, 68u);
    CWnd window;
    EXPECT_EQ(window.MessageBox(L"Something else", nullptr, MB_YESNO), 7);
}

TEST_F(PromptFixture, FileDialogSplitsTheFilterAndAnswersPathAndNameOrNothingWhenCancelled)
{
    ModalPrompts::FileDialogRequest seen;
    std::optional<std::wstring> answer = L"/home/user/models/crab.qvl";
    ModalPrompts::SetFileDialogAnswerer([&](const ModalPrompts::FileDialogRequest& request) {
        seen = request;
        return answer;
    });
    CFileDialog save(FALSE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                     L"QVL Files (*.qvl)|*.qvl|All Files (*.*)|*.*||");
    EXPECT_EQ(save.DoModal(), 1);
    EXPECT_FALSE(seen.open);
    EXPECT_EQ(seen.flags, 6u);
    ASSERT_EQ(seen.filters.size(), 2u);
    EXPECT_EQ(seen.filters[0].description, L"QVL Files (*.qvl)");
    EXPECT_EQ(seen.filters[0].pattern, L"*.qvl");
    EXPECT_EQ(seen.filters[1].pattern, L"*.*");
    EXPECT_EQ(save.GetPathName(), L"/home/user/models/crab.qvl");
    EXPECT_EQ(save.GetFileName(), L"crab.qvl");

    answer.reset();
    CFileDialog open(TRUE);
    EXPECT_EQ(open.DoModal(), IDCANCEL);
    EXPECT_EQ(open.GetPathName(), L"");
    EXPECT_TRUE(CFileDialog::ParseFilter(nullptr).empty());
    EXPECT_EQ(CFileDialog::ParseFilter(L"Text|*.txt|Dangling").size(), 1u);
    EXPECT_EQ(CFileDialog::ParseFilter(L"Images|*.png;*.bmp||")[0].pattern, L"*.png;*.bmp");
}

TEST_F(PromptFixture, PopupMenuShowsTheResourceAndSendsTheChosenCommand)
{
    class Owner : public CWnd
    {
    public:
        std::vector<UINT> commands;

    protected:
        BOOL OnCommand(WPARAM wParam, LPARAM) override
        {
            commands.push_back(LOWORD(wParam));
            return TRUE;
        }
    } owner;
    ASSERT_TRUE(owner.CreateEx(0, L"owner", WS_POPUP, RECT{0, 0, 50, 50}, nullptr, 0));
    ModalPrompts::PopupMenuRequest seen;
    ModalPrompts::SetPopupMenuAnswerer([&](const ModalPrompts::PopupMenuRequest& request) {
        seen = request;
        return request.items.at(1).id;
    });
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(131));
    CMenu* popup = menu.GetSubMenu(0);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(menu.GetSubMenu(1), nullptr);
    EXPECT_TRUE(popup->TrackPopupMenu(TPM_RIGHTBUTTON, 40, 30, &owner));
    EXPECT_EQ(seen.screenPoint.x, 40);
    EXPECT_EQ(owner.commands, (std::vector<UINT>{32772}));
    EXPECT_EQ(popup->TrackPopupMenu(TPM_RETURNCMD, 0, 0, &owner), 32772);
    EXPECT_EQ(owner.commands.size(), 1u); // returned, not sent
    EXPECT_FALSE(menu.LoadMenu(999));
}

TEST(WideFormat, GrowsForLongTextAndToleratesNoFormat)
{
    EXPECT_EQ(FormatWide(L"%ls selected", L"Circle"), L"Circle selected");
    const std::wstring longText(1000, L'x');
    EXPECT_EQ(FormatWide(L"%ls!", longText.c_str()).size(), 1001u);
    EXPECT_EQ(FormatWide(nullptr), L"");
}
