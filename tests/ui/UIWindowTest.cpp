#include "ui/UIWindow.h"
#include "platform/win/WindowFunctions.h"
#include "platform/win/WindowHandles.h"
#include "tests/ui/HostDialogTest.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>
#include <string>

namespace {

using Calls = std::vector<std::string>;

// Records what the window asks of its handler.
struct CountingHandler : TAV_IWindowHandler
{
    explicit CountingHandler(bool accepts = true) : accepts(accepts) {}
    bool accepts;
    Calls calls;
    HWND attachedTo = nullptr;

    void Log(const char* what, int value, int x, int y)
    {
        calls.push_back(what + std::to_string(value) + " " + std::to_string(x) + "," + std::to_string(y));
    }
    bool IsInitialized() const override { return attachedTo != nullptr; }
    bool AttachToWindow(HWND window) override
    {
        calls.push_back("attach");
        attachedTo = window;
        return accepts;
    }
    void DetachFromWindow() override { calls.push_back("detach"); }
    void BeginDraw() override {}
    void EndDraw() override {}
    void DrawGraphics() override { calls.push_back("draw"); }
    void OnMouseButton(bool down, unsigned flags, int x, int y) override
    {
        Log(down ? "down " : "up ", flags, x, y);
    }
    void OnMouseMove(unsigned flags, int x, int y) override { Log("move ", flags, x, y); }
    void OnMouseWheel(int delta, int x, int y) override { Log("wheel ", delta, x, y); }
};

void Mouse(HWND window, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at)
{
    QWidget* widget = WindowHandles::WidgetOf(window);
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

using ViewWindow = HostDialogTest;

} // namespace

TEST_F(ViewWindow, AttachingAViewportDetachesTheOldHandlerButNotTheSameOne)
{
    CountingHandler first, second;
    {
        TAVMFC_UIWindow view(false);
        EXPECT_TRUE(view.AttachViewport(&first)); // no window yet: only remembered
        ASSERT_TRUE(view.ReplaceDialogControl(main.m_hWnd, IDC_MAIN_GRAPHICS));
        EXPECT_TRUE(view.AttachViewport(&second));
        EXPECT_EQ(second.attachedTo, view.m_hWnd);
        EXPECT_TRUE(view.AttachViewport(&second));
        WindowHandles::WidgetOf(view.m_hWnd)->grab();
    }
    // The window's end detaches nothing.
    EXPECT_EQ(first.calls, Calls{"detach"});
    EXPECT_EQ(second.calls, (Calls{"attach", "draw"}));
}

TEST_F(ViewWindow, ARefusedHandlerLeavesTheWindowShowingANotice)
{
    TAVMFC_UIWindow view(true);
    ASSERT_TRUE(view.ReplaceDialogControl(main.m_hWnd, IDC_MAIN_GRAPHICS));
    CountingHandler refusing(false);
    EXPECT_FALSE(view.AttachViewport(&refusing));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(Fields(messages[0]), std::make_tuple(L"Error attaching viewport to window!",
                                                   L"TAVMFC_UIWindow::AttachViewport", MB_ICONERROR, view.m_hWnd));

    Mouse(view.m_hWnd, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, QPoint(3, 3));
    EXPECT_EQ(refusing.calls, Calls{"attach"});
    EXPECT_EQ(GetCapture(), nullptr);

    // The notice: dark text in the middle of white.
    const QImage shot = WindowHandles::WidgetOf(view.m_hWnd)->grab().toImage();
    EXPECT_EQ(shot.pixelColor(1, 1), QColor(Qt::white));
    int dark = 0;
    for (int x = 0; x < shot.width(); ++x)
        dark += qGray(shot.pixel(x, shot.height() / 2)) < 128;
    EXPECT_GT(dark, 0) << "no text across the middle";
}

TEST_F(ViewWindow, MouseEventsReachTheHandlerWithTheButtonsHeld)
{
    TAVMFC_UIWindow view(true);
    CountingHandler handler;
    ASSERT_TRUE(view.ReplaceDialogControl(main.m_hWnd, IDC_MAIN_GRAPHICS));
    ASSERT_TRUE(view.AttachViewport(&handler));
    const HWND window = view.m_hWnd;
    WindowHandles::WidgetOf(window)->grab();
    EXPECT_EQ(handler.calls, Calls{"attach"}); // paint drawing is suppressed
    handler.calls.clear();

    Mouse(window, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, QPoint(10, 12));
    EXPECT_EQ(GetCapture(), window);
    Mouse(window, QEvent::MouseButtonPress, Qt::RightButton, Qt::LeftButton | Qt::RightButton,
          QPoint(11, 12));
    Mouse(window, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton | Qt::RightButton, QPoint(-5, -7));
    Mouse(window, QEvent::MouseButtonRelease, Qt::RightButton, Qt::LeftButton, QPoint(-5, -7));
    EXPECT_EQ(GetCapture(), nullptr);
    Mouse(window, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, QPoint(2, 3));
    EXPECT_EQ(handler.calls, (Calls{"down 1 10,12", "down 3 11,12", "move 3 -5,-7", "up 3 -5,-7", "up 1 2,3"}));

    // The sequence a quick double click produces.
    handler.calls.clear();
    Mouse(window, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, QPoint(5, 5));
    Mouse(window, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, QPoint(5, 5));
    Mouse(window, QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton, QPoint(5, 5));
    Mouse(window, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, QPoint(5, 5));
    EXPECT_EQ(handler.calls, (Calls{"down 1 5,5", "up 1 5,5", "down 1 5,5", "up 1 5,5"}));
}
