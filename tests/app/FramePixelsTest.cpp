#include "MainWindowFixture.h"

#include <QColor>
#include <QWidget>

namespace {

// The frame's pixel under a world point of the main view. The back buffer is
// stretched over the view, so device pixels are scaled to the frame's size.
QRgb PixelAt(const QImage& frame, const CMainHandler& handler, const QWidget* view, float wx, float wy)
{
    int dx = 0;
    int dy = 0;
    handler.WorldToDevice(wx, wy, dx, dy);
    const int x = int((dx + 0.5) * frame.width() / view->width());
    const int y = int((view->height() - dy + 0.5) * frame.height() / view->height());
    return frame.pixel(qBound(0, x, frame.width() - 1), qBound(0, y, frame.height() - 1));
}

bool AnyPixelNear(const QImage& frame, const CMainHandler& handler, const QWidget* view, float wx, float wy,
                  QRgb wanted)
{
    int dx = 0;
    int dy = 0;
    handler.WorldToDevice(wx, wy, dx, dy);
    const int cx = int((dx + 0.5) * frame.width() / view->width());
    const int cy = int((view->height() - dy + 0.5) * frame.height() / view->height());
    for (int y = cy - 2; y <= cy + 2; ++y)
        for (int x = cx - 2; x <= cx + 2; ++x)
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

    EXPECT_EQ(PixelAt(frame, handler, MainView(), 10.5f, -8.5f) & 0xFFFFFF, 0xCCCCCCu);
    EXPECT_TRUE(AnyPixelNear(frame, handler, MainView(), 10.5f, -8.0f, qRgb(120, 120, 120)));
    EXPECT_TRUE(AnyPixelNear(frame, handler, MainView(), 10.5f, 0.0f, qRgb(130, 30, 30)));

    const QColor box(PixelAt(frame, handler, MainView(), -19.8f, -9.8f));
    EXPECT_GT(box.blue(), 150);
    EXPECT_LT(box.red(), 60);

    const TAV_BoundingBox zoom = dialog->GetZoomHandler().GetWorldWindow();
    EXPECT_TRUE(AnyPixelNear(frame, handler, MainView(), zoom.GetMin().x, zoom.GetCenter().y + 0.3f,
                             qRgb(255, 0, 0)));
}
