#include "PanelTestFixture.h"

#include "core/Echo.h"
#include "platform/win/WindowFunctions.h"

#include <functional>
#include <tuple>

namespace {

using PrimitiveSelectTest = PanelTest;

TEST_F(PrimitiveSelectTest, EachTypeButtonSelectsItsPrimitiveType)
{
    QLineEdit echoLine;
    EchoWindow = WindowHandles::HandleOf(&echoLine);
    const std::tuple<int, int, const char*> buttons[] = {
        {IDC_CIRCLE, 1, "Circle selected"},
        {IDC_CRAB, 0, "Crab Selected, get ready for some pinching!!"},
        {IDC_RECTANGLE, 2, "Rectangle selected"},
    };
    for (const auto& [button, code, text] : buttons) {
        Click(selectPanel, button);
        EXPECT_EQ(world.PrimitiveType, code) << text;
        EXPECT_EQ(echoLine.text(), text);
        EXPECT_TRUE(IsChecked(selectPanel, button));
    }
    EchoWindow = nullptr;
}

TEST_F(PrimitiveSelectTest, TheGridButtonSwitchesTheGrid)
{
    for (bool shown : {false, true}) {
        Click(selectPanel, IDC_GRID);
        EXPECT_EQ(world.ShowGrid, shown);
    }
}

TEST_F(PrimitiveSelectTest, ViewHierarchyTogglesThePopupHoweverItWasClosed)
{
    hierarchyControl& popup = selectPanel.GetHierarchy();
    const std::function<void()> closers[] = {[&] { Click(popup, IDOK); }, [&] { Click(popup, IDCANCEL); },
                                             [&] { WidgetOf(popup)->close(); }};
    for (const auto& close : closers) {
        Click(selectPanel, IDC_VIEW_HIERARCHY);
        close();
        ASSERT_FALSE(popup.IsWindowVisible());
        Click(selectPanel, IDC_VIEW_HIERARCHY);
        EXPECT_TRUE(popup.IsWindowVisible());
        Click(selectPanel, IDC_VIEW_HIERARCHY);
        EXPECT_FALSE(popup.IsWindowVisible());
    }
}

// Window rectangles include the frame, which the platform may add around what was placed.
TEST_F(PrimitiveSelectTest, TheHierarchyPopupFirstOpensRightOfTheMainWindowWhereTheScreenHasRoom)
{
    host.MoveWindow(0, 0, 200, 150);
    Click(selectPanel, IDC_VIEW_HIERARCHY);
    RECT main{}, popup{};
    host.GetWindowRect(&main);
    selectPanel.GetHierarchy().GetWindowRect(&popup);
    ASSERT_LE(main.right + 8 + (popup.right - popup.left), GetSystemMetrics(SM_CXSCREEN))
        << "room on the right";
    EXPECT_GE(popup.left, main.right);
    EXPECT_NEAR(popup.top, main.top, 8);
}

} // namespace
