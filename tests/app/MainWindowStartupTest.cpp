#include "MainWindowFixture.h"

#include "core/Echo.h"
#include "platform/win/FramePresenter.h"
#include "platform/win/WindowFunctions.h"
#include "platform/win/WindowHandles.h"
#include "resources/ResourceIds.h"
#include "ui/SceneTreeControl.h"

#include <QContextMenuEvent>
#include <QTest>
#include <QWidget>

TEST_F(MainWindowTest, StartUpReplacesThePlaceholdersWithViewsAndThePanel)
{
    EXPECT_EQ(dialog->GetDlgItem(IDC_MAIN_GRAPHICS)->GetSafeHwnd(), dialog->GetMainHandler().GetWindow());
    EXPECT_EQ(dialog->GetDlgItem(IDC_ZOOM_GRAPHICS)->GetSafeHwnd(), dialog->GetZoomHandler().GetWindow());
    EXPECT_TRUE(dialog->GetMainHandler().IsInitialized());
    EXPECT_TRUE(dialog->GetZoomHandler().IsInitialized());
    EXPECT_EQ(dialog->GetDlgItem(IDC_MAIN_CONTROLS), nullptr);
    EXPECT_TRUE(IsWindow(dialog->GetSelectionPanel().GetSafeHwnd()));
    ASSERT_NE(SceneTreePanel, nullptr);
    EXPECT_EQ(TopLevelTreeItems(), 1);

    EXPECT_EQ(EchoWindow, dialog->GetDlgItem(IDC_MESSAGE_ECHO)->GetSafeHwnd());
    EXPECT_EQ(EchoText(), L"Message Echo");
}

TEST_F(MainWindowTest, StartUpFitsBothWorldWindowsToTheirViews)
{
    const QWidget* main = MainView();
    const float mainRatio = float(main->height()) / float(main->width());
    const TAV_BoundingBox mainWindow = dialog->GetMainHandler().GetWorldWindow();
    EXPECT_FLOAT_EQ(mainWindow.GetMin().x, -25.0f);
    EXPECT_FLOAT_EQ(mainWindow.GetMax().x, 25.0f);
    EXPECT_NEAR(mainWindow.GetMin().y, -25.0f * mainRatio, 1e-4);
    EXPECT_NEAR(mainWindow.GetMax().y, 25.0f * mainRatio, 1e-4);

    const QWidget* zoom = ZoomView();
    const TAV_BoundingBox zoomWindow = dialog->GetZoomHandler().GetWorldWindow();
    EXPECT_FLOAT_EQ(zoomWindow.GetMin().x, -10.0f);
    EXPECT_FLOAT_EQ(zoomWindow.GetMax().x, 10.0f);
    EXPECT_FLOAT_EQ(zoomWindow.GetMin().y, -7.0f);
    EXPECT_NEAR(zoomWindow.GetMax().y, -7.0f + 20.0f * zoom->height() / zoom->width(), 1e-4);
}

TEST_F(MainWindowTest, TheTimerDrawsBothViews)
{
    const HWND main = dialog->GetMainHandler().GetWindow();
    const HWND zoom = dialog->GetZoomHandler().GetWindow();
    EXPECT_TRUE(FramePresenter::LastFrame(main).isNull());
    QTRY_VERIFY_WITH_TIMEOUT(!FramePresenter::LastFrame(main).isNull(), 2000);
    QTRY_VERIFY_WITH_TIMEOUT(!FramePresenter::LastFrame(zoom).isNull(), 2000);
}

TEST_F(MainWindowTest, ThePopupMenuShowsOnlyOverExitProgram)
{
    const auto contextMenuAt = [](QWidget* widget) {
        const QPoint centre = widget->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, centre, widget->mapToGlobal(centre));
        QApplication::sendEvent(widget, &event);
    };
    contextMenuAt(MainView());
    contextMenuAt(ZoomView());
    contextMenuAt(Control(IDC_SAVE_MODEL));
    EXPECT_TRUE(menusShown.empty());

    contextMenuAt(Control(IDOK));
    ASSERT_EQ(menusShown.size(), 1u);
    EXPECT_EQ(menusShown[0].title, L"Primitive Menu");
    ASSERT_EQ(menusShown[0].items.size(), 3u);
    EXPECT_EQ(menusShown[0].items[0].text, L"Delete");
    EXPECT_EQ(menusShown[0].items[2].id, 32773u);
}

TEST_F(MainWindowTest, EscapeAndEnterPressNoButtonAndControlKeysRunTheCommands)
{
    QWidget* window = WindowHandles::WidgetOf(dialog->GetSafeHwnd());
    window->activateWindow();
    QTest::keyClick(window, Qt::Key_Escape);
    QTest::keyClick(window, Qt::Key_Return);
    EXPECT_TRUE(boxesShown.empty());
    EXPECT_TRUE(fileDialogsShown.empty());
    EXPECT_TRUE(IsWindow(dialog->GetSafeHwnd()));

    boxAnswers = {IDNO};
    QTest::keyClick(window, Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(boxesShown.size(), 1u);
    ASSERT_EQ(fileDialogsShown.size(), 1u);
    EXPECT_TRUE(fileDialogsShown[0].open);
    QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(fileDialogsShown.size(), 2u);
    EXPECT_FALSE(fileDialogsShown[1].open);
}
