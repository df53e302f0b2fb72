#include "MainWindowFixture.h"

#include <QColor>
#include <QWidget>

namespace {

// The frame pixel under a world point of the main view. The back buffer is
// stretched over the view, so device pixels are scaled to the frame's size.
QPoint FramePointOf(const QImage& frame, const CMainHandler& handler, const QWidget* view, float wx, float wy)
{
    int dx = 0;
    int dy = 0;
    handler.WorldToDevice(wx, wy, dx, dy);
    return QPoint(int((dx + 0.5) * frame.width() / view->width()),
                  int((view->height() - dy + 0.5) * frame.height() / view->height()));
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

TEST_F(MainWindowTest, OneTickShowsBackgroundGridTheClickedBoxAndTheZoomOutline)
{
    const CMainHandler& handler = dialog->GetMainHandler();
    world.CreateNodeAt(-20, -10); // a blue box over (-20, -10)-(-15, -7)
    const QImage frame = TickAndGrab(MainView());
    ASSERT_FALSE(frame.isNull());

    const auto at = [&](float wx, float wy) { return FramePointOf(frame, handler, MainView(), wx, wy); };
    EXPECT_EQ(frame.pixel(at(10.5f, -8.5f)) & 0xFFFFFF, 0xCCCCCCu);
    EXPECT_TRUE(AnyPixelNear(frame, at(10.5f, -8.0f), qRgb(120, 120, 120)));
    EXPECT_TRUE(AnyPixelNear(frame, at(10.5f, 0.0f), qRgb(130, 30, 30)));

    const QColor box(frame.pixel(at(-19.8f, -9.8f)));
    EXPECT_GT(box.blue(), 150);
    EXPECT_LT(box.red(), 60);

    const TAV_BoundingBox zoom = dialog->GetZoomHandler().GetWorldWindow();
    EXPECT_TRUE(AnyPixelNear(frame, at(zoom.GetMin().x, zoom.GetCenter().y + 0.3f), qRgb(255, 0, 0)));
}
