#include "platform/win/WideFormat.h"
#include "platform/win/WindowFunctions.h"
#include "platform/win/WindowHandles.h"
#include "platform/win/Wnd.h"

#include <QTest>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> events;

class LoggingWindow : public CWnd
{
protected:
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
    LoggingWindow top;
    LoggingWindow view;
};

} // namespace

TEST_F(WindowFixture, TimerMessagesArriveUntilKilled)
{
    EXPECT_NE(top.SetTimer(0, 1), 0u);
    ASSERT_TRUE(QTest::qWaitFor([] { return events.size() >= 2; }, 2000));
    EXPECT_EQ(events[0], "timer 0");
    EXPECT_TRUE(top.KillTimer(0));
    EXPECT_FALSE(top.KillTimer(0));
    const std::size_t count = events.size();
    QTest::qWait(20);
    EXPECT_EQ(events.size(), count);
}

TEST_F(WindowFixture, DestroyingAParentDestroysItsChildAfterIt)
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

TEST(WideFormat, ToleratesLongTextAndNullFormats)
{
    const std::wstring longText(1000, L'x');
    EXPECT_EQ(FormatWide(L"%ls!", longText.c_str()), longText + L"!");
    EXPECT_EQ(FormatWide(nullptr), L"");
}
