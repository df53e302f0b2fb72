#include "MainWindowFixture.h"

#include "platform/win/WindowFunctions.h"
#include "primitives/PrimitiveList.h"

#include <QColor>
#include <QWheelEvent>

namespace {

void Wheel(QWidget* view, QPoint at, int notches)
{
    QWheelEvent event(at, view->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &event);
}

// Lines are one pixel wide, so they are looked for within two pixels of the point.
bool AnyPixelNear(const QImage& frame, QPoint at, QRgb wanted)
{
    for (int y = at.y() - 2; y <= at.y() + 2; ++y)
        for (int x = at.x() - 2; x <= at.x() + 2; ++x)
            if (frame.valid(x, y) && (frame.pixel(x, y) & 0xFFFFFF) == (wanted & 0xFFFFFF))
                return true;
    return false;
}

} // namespace

class ViewNavigationTest : public MainWindowTest
{
protected:
    CMainHandler& View() { return dialog->GetMainHandler(); }
    // Moves the main window's left edge to x, opens the hierarchy popup and gives both frames.
    std::pair<RECT, RECT> OpenHierarchyWithMainWindowAt(int x)
    {
        RECT main{}, popup{};
        dialog->GetWindowRect(&main);
        dialog->MoveWindow(x, main.top, main.right - main.left, main.bottom - main.top);
        dialog->GetWindowRect(&main);
        QTest::mouseClick(WindowHandles::WidgetOf(
                              dialog->GetSelectionPanel().GetDlgItem(IDC_VIEW_HIERARCHY)->GetSafeHwnd()),
                          Qt::LeftButton);
        dialog->GetSelectionPanel().GetHierarchy().GetWindowRect(&popup);
        return {main, popup};
    }
};

TEST_F(ViewNavigationTest, OneTickDrawsEveryLayerOfTheMainView)
{
    world.CreateNodeAt(-20, -10); // a blue box over (-20, -10)-(-15, -7)
    const QImage frame = TickAndGrab(MainView());
    const auto at = [&](float wx, float wy) { return MainClientPoint(wx, wy); };
    EXPECT_EQ(frame.pixel(at(10.5f, -8.5f)) & 0xFFFFFF, 0xCCCCCCu);
    EXPECT_TRUE(AnyPixelNear(frame, at(10.5f, 0.0f), qRgb(130, 30, 30)));
    const QColor box(frame.pixel(at(-19.8f, -9.8f)));
    EXPECT_GT(box.blue(), 150);
    EXPECT_LT(box.red(), 60);
    const TAV_BoundingBox zoom = dialog->GetZoomHandler().GetWorldWindow();
    EXPECT_TRUE(AnyPixelNear(frame, at(zoom.GetMin().x, zoom.GetCenter().y + 0.3f), qRgb(255, 0, 0)));
}

// A flat box whose centre is at (5.5, 3.5): its pixel under that point is its colour at any zoom, so
// the wheel must zoom about the cursor. A notch zooms by 1.2, up to twenty times either way.
TEST_F(ViewNavigationTest, AWorldPointLandsOnThePixelWorldToDeviceNamesFromOneTwentiethToTwentyTimes)
{
    world.CreateNodeAt(3, 2);
    static_cast<TAV_PrimitiveList*>(world.CurrentNode->GetPrimitive())
        ->GetPrimitive(0)
        ->SetShadeMode(ShadeMode::Flat);
    const float homeWidth = View().GetWorldWindow().GetWidth();
    const QPoint centre = MainClientPoint(5.5f, 3.5f);
    for (const auto& [notches, width] :
         {std::pair{1, homeWidth / 1.2f}, {-40, homeWidth * 20}, {40, homeWidth / 20}, {0, homeWidth}}) {
        if (notches == 0)
            QTest::keyClick(Window(), Qt::Key_0, Qt::ControlModifier);
        else
            Wheel(MainView(), centre, notches);
        EXPECT_FLOAT_EQ(View().GetWorldWindow().GetWidth(), width);
        View().CenterZoomWindowAt(-400, -400); // its red outline out of the way
        const QImage frame = TickAndGrab(MainView());
        int dx = 0, dy = 0;
        View().WorldToDevice(5.5f, 3.5f, dx, dy);
        EXPECT_EQ(frame.pixel(dx, frame.height() - 1 - dy) & 0xFFFFFF, 0x0000C8u) << "width " << width;
    }
}

TEST_F(ViewNavigationTest, AMiddleButtonDragKeepsWhatStoodUnderThePressUnderTheRelease)
{
    const QPoint press(100, 100), release(163, 58);
    const TAV_Vector3 grabbed = MainWorldPoint(press);
    Press(MainView(), press, Qt::MiddleButton);
    Move(MainView(), release, Qt::MiddleButton);
    Release(MainView(), release, Qt::MiddleButton);
    EXPECT_EQ(MainClientPoint(grabbed.x, grabbed.y), release);
    EXPECT_EQ(world.Root->NumChildren(), 0) << "panning creates nothing";
}

TEST_F(ViewNavigationTest, ArrowsPanByATenthUntilHomeRestoresTheStartUpView)
{
    const TAV_BoundingBox home = View().GetWorldWindow();
    QTest::keyClick(Window(), Qt::Key_Right);
    EXPECT_FLOAT_EQ(View().GetWorldWindow().GetMin().x, home.GetMin().x + home.GetWidth() / 10);
    QTest::keyClick(Window(), Qt::Key_Down);
    EXPECT_FLOAT_EQ(View().GetWorldWindow().GetMin().y, home.GetMin().y - home.GetHeight() / 10);
    Wheel(MainView(), QPoint(30, 30), 3);
    QTest::keyClick(Window(), Qt::Key_Home);
    EXPECT_EQ(View().GetWorldWindow().GetMin(), home.GetMin());
    EXPECT_EQ(Stack().count(), 0) << "looking around is not an edit";
}

TEST_F(ViewNavigationTest, AGrownWindowGivesItsSpaceToTheMainView)
{
    const QSize view = MainView()->size();
    const QSize window = Window()->size();
    const QRect zoom = ZoomView()->geometry();
    const TAV_Vector3 centre = View().GetWorldWindow().GetCenter();
    const float width = View().GetWorldWindow().GetWidth();
    Window()->resize(window + QSize(200, 100));

    EXPECT_EQ(MainView()->size(), view + QSize(200, 100));
    EXPECT_EQ(ZoomView()->geometry(), zoom.translated(200, 0));
    EXPECT_EQ(TickAndGrab(MainView()).size(), MainView()->size());
    EXPECT_EQ(View().GetWorldWindow().GetCenter(), centre);
    // The world window takes the view's new shape, so a world unit stays square.
    EXPECT_NEAR(View().GetWorldWindow().GetHeight() / width,
                float(view.height() + 100) / float(view.width() + 200), 1e-4f);

    // Smaller than at start-up it does not get.
    Window()->resize(100, 100);
    EXPECT_EQ(Window()->size(), window);
}

// The frame reaches the window pixel for pixel: a grid line keeps its grey, and
// beside it is the plain background, with no blend from scaling.
TEST_F(ViewNavigationTest, AOnePixelGridLineReachesTheWindowInItsExactGrey)
{
    TickAndGrab(MainView());
    const QImage shown = MainView()->grab().toImage();
    int dx = 0, dy = 0;
    View().WorldToDevice(1.0f, 0.5f, dx, dy);
    int grey = 0;
    for (int x = dx - 3; x <= dx + 3; ++x) {
        const QRgb pixel = shown.pixel(x, shown.height() - 1 - dy) & 0xFFFFFF;
        EXPECT_TRUE(pixel == 0x787878u || pixel == 0xCCCCCCu) << std::hex << pixel << " at " << x;
        grey += pixel == 0x787878u;
    }
    EXPECT_EQ(grey, 1);
}

// Window rectangles include the frame, which the platform may add around what was placed.
TEST_F(ViewNavigationTest, TheHierarchyPopupFirstOpensBesideTheMainWindowWhereTheScreenHasRoom)
{
    const auto [main, popup] = OpenHierarchyWithMainWindowAt(GetSystemMetrics(SM_CXSCREEN) - 100);
    EXPECT_LT(popup.right, main.left + 8);
    EXPECT_NEAR(popup.top, main.top, 8);
}

TEST_F(ViewNavigationTest, OnAScreenWithRoomOnNeitherSideThePopupStaysOnTheScreen)
{
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const auto [main, popup] = OpenHierarchyWithMainWindowAt(0);
    ASSERT_GT(main.right + (popup.right - popup.left), screenWidth) << "the screen has room on the right";
    EXPECT_GE(popup.left, 0);
    EXPECT_LE(popup.right, screenWidth + 8);
}
