#include "MainWindowFixture.h"

#include "platform/win/FramePresenter.h"
#include "platform/win/WindowFunctions.h"
#include "platform/win/WindowHandles.h"
#include "primitives/PrimitiveList.h"
#include "resources/ResourceIds.h"
#include "scene/SceneNode.h"

#include <QTest>
#include <QWheelEvent>
#include <QWidget>

namespace {

void Wheel(QWidget* view, QPoint at, int notches)
{
    QWheelEvent event(at, view->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &event);
}

void ExpectSameBox(const TAV_BoundingBox& actual, const TAV_BoundingBox& expected)
{
    EXPECT_FLOAT_EQ(actual.GetMin().x, expected.GetMin().x);
    EXPECT_FLOAT_EQ(actual.GetMin().y, expected.GetMin().y);
    EXPECT_FLOAT_EQ(actual.GetMax().x, expected.GetMax().x);
    EXPECT_FLOAT_EQ(actual.GetMax().y, expected.GetMax().y);
}

} // namespace

class ViewNavigationTest : public MainWindowTest
{
protected:
    CMainHandler& View() { return dialog->GetMainHandler(); }
    QWidget* Window() { return WindowHandles::WidgetOf(dialog->GetSafeHwnd()); }
};

// A flat box whose centre is at (5.5, 3.5): its pixel under that point is its colour at any zoom.
TEST_F(ViewNavigationTest, AWorldPointLandsOnThePixelWorldToDeviceNamesFromOneTwentiethToTwentyTimes)
{
    world.CreateNodeAt(3, 2);
    TAV_Primitive* rectangle =
        static_cast<TAV_PrimitiveList*>(world.CurrentNode->GetPrimitive())->GetPrimitive(0);
    rectangle->SetShadeMode(ShadeMode::Flat);
    const float homeWidth = View().GetWorldWindow().GetWidth();
    const QPoint centre = MainClientPoint(5.5f, 3.5f);
    for (const auto& [notches, width] :
         {std::pair{-40, homeWidth * 20}, {40, homeWidth / 20}, {0, homeWidth}}) {
        if (notches == 0)
            QTest::keyClick(Window(), Qt::Key_0, Qt::ControlModifier);
        else
            Wheel(MainView(), centre, notches);
        EXPECT_FLOAT_EQ(View().GetWorldWindow().GetWidth(), width);
        View().CenterZoomWindowAt(-400, -400); // its red outline out of the way
        const QImage frame = TickAndGrab(MainView());
        ASSERT_EQ(frame.size(), MainView()->size());
        int dx = 0;
        int dy = 0;
        View().WorldToDevice(5.5f, 3.5f, dx, dy);
        EXPECT_EQ(frame.pixel(dx, frame.height() - 1 - dy) & 0xFFFFFF, 0x0000C8u) << "width " << width;
    }
}

TEST_F(ViewNavigationTest, AWheelNotchKeepsThePointUnderTheCursorAndTheMiddleButtonDragsByWholePixels)
{
    const QPoint at(140, 95);
    const TAV_Vector3 before = MainWorldPoint(at);
    const float width = View().GetWorldWindow().GetWidth();
    Wheel(MainView(), at, 1);
    EXPECT_FLOAT_EQ(View().GetWorldWindow().GetWidth(), width / 1.2f);
    const TAV_Vector3 after = MainWorldPoint(at);
    const float pixel = View().GetWorldWindow().GetWidth() / float(MainView()->width());
    EXPECT_LE(std::abs(after.x - before.x), pixel);
    EXPECT_LE(std::abs(after.y - before.y), pixel);

    // What stood under the press stands under the release.
    const QPoint press(100, 100);
    const QPoint release(163, 58);
    const TAV_Vector3 grabbed = MainWorldPoint(press);
    Press(MainView(), press, Qt::MiddleButton);
    Move(MainView(), release, Qt::MiddleButton);
    Release(MainView(), release, Qt::MiddleButton);
    EXPECT_EQ(MainClientPoint(grabbed.x, grabbed.y), release);
    EXPECT_EQ(world.Root->NumChildren(), 0) << "panning creates nothing";
}

TEST_F(ViewNavigationTest, ArrowsPanByATenthAndHomeBringsBackTheStartUpView)
{
    const TAV_BoundingBox home = View().GetWorldWindow();
    QTest::keyClick(Window(), Qt::Key_Right);
    EXPECT_FLOAT_EQ(View().GetWorldWindow().GetMin().x, home.GetMin().x + home.GetWidth() / 10);
    QTest::keyClick(Window(), Qt::Key_Down);
    EXPECT_FLOAT_EQ(View().GetWorldWindow().GetMin().y, home.GetMin().y - home.GetHeight() / 10);
    Wheel(MainView(), QPoint(30, 30), 3);
    QTest::keyClick(Window(), Qt::Key_Home);
    ExpectSameBox(View().GetWorldWindow(), home);
    EXPECT_EQ(dialog->GetHistory().Stack().count(), 0) << "looking around is not an edit";
}

TEST_F(ViewNavigationTest, AGrownWindowGivesTheViewTheSpaceAndABackBufferOfItsSize)
{
    const QSize view = MainView()->size();
    const QSize window = Window()->size();
    const QRect zoom = ZoomView()->geometry();
    const TAV_Vector3 centre = View().GetWorldWindow().GetCenter();
    const float width = View().GetWorldWindow().GetWidth();
    Window()->resize(window + QSize(200, 100));

    EXPECT_EQ(MainView()->size(), view + QSize(200, 100));
    EXPECT_EQ(ZoomView()->geometry(), zoom.translated(200, 0));
    const QImage frame = TickAndGrab(MainView());
    EXPECT_EQ(frame.size(), MainView()->size());
    EXPECT_FLOAT_EQ(View().GetWorldWindow().GetCenter().x, centre.x);
    EXPECT_FLOAT_EQ(View().GetWorldWindow().GetCenter().y, centre.y);
    EXPECT_FLOAT_EQ(View().GetWorldWindow().GetWidth(), width);
    // The world window takes the view's new shape, so a world unit stays square.
    EXPECT_NEAR(View().GetWorldWindow().GetHeight() / width,
                float(MainView()->height()) / float(MainView()->width()), 1e-4f);

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
    int dx = 0;
    int dy = 0;
    View().WorldToDevice(1.0f, 0.5f, dx, dy);
    const int row = shown.height() - 1 - dy;
    int grey = 0;
    for (int x = dx - 3; x <= dx + 3; ++x) {
        const QRgb pixel = shown.pixel(x, row) & 0xFFFFFF;
        EXPECT_TRUE(pixel == 0x787878u || pixel == 0xCCCCCCu) << std::hex << pixel << " at " << x;
        grey += pixel == 0x787878u;
    }
    EXPECT_EQ(grey, 1);
}

// Moves the main window's left edge to x, opens the hierarchy popup and gives both frames.
std::pair<RECT, RECT> OpenHierarchyWithMainWindowAt(CQuorvelDlg& dialog, int x)
{
    RECT main{};
    dialog.GetWindowRect(&main);
    dialog.MoveWindow(x, main.top, main.right - main.left, main.bottom - main.top);
    dialog.GetWindowRect(&main);
    QTest::mouseClick(
        WindowHandles::WidgetOf(dialog.GetSelectionPanel().GetDlgItem(IDC_VIEW_HIERARCHY)->GetSafeHwnd()),
        Qt::LeftButton);
    RECT popup{};
    dialog.GetSelectionPanel().GetHierarchy().GetWindowRect(&popup);
    return {main, popup};
}

TEST_F(ViewNavigationTest, TheHierarchyPopupFirstOpensBesideTheMainWindowWhereTheScreenHasRoom)
{
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const auto [main, popup] = OpenHierarchyWithMainWindowAt(*dialog, screenWidth - 100);
    // Window rectangles include the frame, which the platform may add around what was placed.
    EXPECT_LT(popup.right, main.left + 8);
    EXPECT_NEAR(popup.top, main.top, 8);
}

TEST_F(ViewNavigationTest, OnAScreenWithRoomOnNeitherSideThePopupStaysOnTheScreen)
{
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const auto [main, popup] = OpenHierarchyWithMainWindowAt(*dialog, 0);
    ASSERT_GT(main.right + (popup.right - popup.left), screenWidth) << "the screen has room on the right";
    EXPECT_GE(popup.left, 0);
    EXPECT_LE(popup.right, screenWidth + 8);
}
