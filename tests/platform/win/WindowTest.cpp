#include "platform/win/DC.h"
#include "platform/win/Dialog.h"
#include "platform/win/WindowFunctions.h"
#include "platform/win/WindowHandles.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>
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

std::string Describe(const char* what, UINT flags, POINT point)
{
    return std::string(what) + " " + std::to_string(flags) + " " + std::to_string(point.x) + "," +
           std::to_string(point.y);
}

class MouseWindow : public CWnd
{
protected:
    void OnLButtonDown(UINT flags, POINT point) override
    {
        events.push_back(Describe("ldown", flags, point));
    }
    void OnLButtonDblClk(UINT flags, POINT point) override
    {
        events.push_back(Describe("ldbl", flags, point));
    }
    void OnRButtonUp(UINT flags, POINT point) override { events.push_back(Describe("rup", flags, point)); }
    void OnMouseMove(UINT flags, POINT point) override { events.push_back(Describe("move", flags, point)); }
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
    ASSERT_TRUE(main.Create(102));
    ColourPanel panel;
    ASSERT_TRUE(panel.Create(134, &main));
    panel.ShowWindow(SW_SHOW);
    QWidget* red = WindowHandles::WidgetOf(panel.GetDlgItem(1040)->m_hWnd);
    QWidget* alpha = WindowHandles::WidgetOf(panel.GetDlgItem(1043)->m_hWnd);
    const QColor before = alpha->palette().color(QPalette::WindowText);
    red->grab();
    alpha->grab();
    EXPECT_EQ(red->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(alpha->palette().color(QPalette::WindowText), before);
}
