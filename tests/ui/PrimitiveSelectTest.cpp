#include "PanelTestFixture.h"

#include "core/Echo.h"

#include <QLineEdit>
#include <functional>
#include <memory>
#include <utility>

namespace {

// Records every echoed text with the primitive type the world held at that moment.
class PrimitiveSelectTest : public PanelTest
{
protected:
    void SetUp() override
    {
        echoLine = std::make_unique<QLineEdit>();
        QObject::connect(echoLine.get(), &QLineEdit::textChanged, echoLine.get(),
                         [this](const QString& text) {
                             if (!text.isEmpty())
                                 echoes.emplace_back(text, world.PrimitiveType);
                         });
        EchoWindow = WindowHandles::HandleOf(echoLine.get());
        PanelTest::SetUp();
    }

    void TearDown() override { EchoWindow = nullptr; }

    std::unique_ptr<QLineEdit> echoLine;
    std::vector<std::pair<QString, int>> echoes;
};

TEST_F(PrimitiveSelectTest, EachTypeButtonStoresItsCodeBeforeEchoingItsText)
{
    Click(selectPanel, IDC_CIRCLE);
    Click(selectPanel, IDC_CRAB);
    Click(selectPanel, IDC_RECTANGLE);
    echoLine->clear();
    Click(selectPanel, IDC_RECTANGLE);

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

TEST_F(PrimitiveSelectTest, StartsWithRectangleGridOnPopupHiddenAndGridTwiceEndsOn)
{
    EXPECT_TRUE(IsChecked(selectPanel, IDC_RECTANGLE));
    EXPECT_FALSE(IsChecked(selectPanel, IDC_CIRCLE) || IsChecked(selectPanel, IDC_CRAB));
    EXPECT_TRUE(IsChecked(selectPanel, IDC_GRID));
    EXPECT_FALSE(selectPanel.GetHierarchy().IsWindowVisible());
    EXPECT_NE(selectPanel.GetHierarchy().m_hWnd, nullptr);
    EXPECT_EQ(world.PrimitiveType, 2);
    EXPECT_TRUE(echoes.empty());

    Click(selectPanel, IDC_GRID);
    EXPECT_FALSE(IsChecked(selectPanel, IDC_GRID));
    EXPECT_FALSE(world.ShowGrid);
    Click(selectPanel, IDC_GRID);
    EXPECT_TRUE(IsChecked(selectPanel, IDC_GRID));
    EXPECT_TRUE(world.ShowGrid);
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

} // namespace
