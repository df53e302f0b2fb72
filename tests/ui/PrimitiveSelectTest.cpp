#include "PanelTestFixture.h"

#include "core/Echo.h"
#include "platform/win/WindowFunctions.h"

#include <functional>
#include <utility>

namespace {

using PrimitiveSelectTest = PanelTest;

TEST_F(PrimitiveSelectTest, EachTypeButtonStoresItsCodeBeforeEchoingItsText)
{
    // Records every echoed text with the primitive type the world held at that moment.
    QLineEdit echoLine;
    std::vector<std::pair<QString, int>> echoes;
    QObject::connect(&echoLine, &QLineEdit::textChanged, &echoLine, [&](const QString& text) {
        if (!text.isEmpty())
            echoes.emplace_back(text, world.PrimitiveType);
    });
    EchoWindow = WindowHandles::HandleOf(&echoLine);
    Click(selectPanel, IDC_CIRCLE);
    Click(selectPanel, IDC_CRAB);
    Click(selectPanel, IDC_RECTANGLE);
    echoLine.clear(); // so that the same text again shows as a change
    Click(selectPanel, IDC_RECTANGLE);
    EchoWindow = nullptr;

    const std::vector<std::pair<QString, int>> expected{
        {"Circle selected", 1},
        {"Crab Selected, get ready for some pinching!!", 0},
        {"Rectangle selected", 2},
        {"Rectangle selected", 2},
    };
    EXPECT_EQ(echoes, expected);
    EXPECT_TRUE(IsChecked(selectPanel, IDC_RECTANGLE));
    EXPECT_FALSE(IsChecked(selectPanel, IDC_CRAB));
}

TEST_F(PrimitiveSelectTest, TheGridButtonStartsCheckedAndSwitchesTheGrid)
{
    for (bool shown : {false, true}) {
        Click(selectPanel, IDC_GRID);
        EXPECT_EQ(IsChecked(selectPanel, IDC_GRID), shown);
        EXPECT_EQ(world.ShowGrid, shown);
    }
}

TEST_F(PrimitiveSelectTest, ViewHierarchyTogglesThePopupAndShowsItAtOnceHoweverItWasClosed)
{
    hierarchyControl& popup = selectPanel.GetHierarchy();
    const std::function<void()> closers[] = {[&] { Click(popup, IDOK); }, [&] { Click(popup, IDCANCEL); },
                                             [&] { WidgetOf(popup)->close(); }};
    for (const auto& close : closers) {
        Click(selectPanel, IDC_VIEW_HIERARCHY);
        ASSERT_TRUE(popup.IsWindowVisible());
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
