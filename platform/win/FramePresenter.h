#pragma once
#include "platform/win/WinTypes.h"

#include <QImage>

// Shows rendered frames in a window. The window keeps the last frame it was
// given and paints it scaled smoothly over its whole client area, so one-pixel
// lines of a smaller back buffer never vanish.
class FramePresenter
{
public:
    // Copies the frame; false when the handle names no window.
    static bool Present(HWND window, const QImage& frame);
    // The last frame presented into the window (null image when none).
    static QImage LastFrame(HWND window);
    // Forgets the window's frame so it paints normally again.
    static void Clear(HWND window);
};
