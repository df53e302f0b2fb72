#pragma once
#include "platform/win/WinTypes.h"

// What a view window and the main window's timer ask of the handler behind a view.
class TAV_IWindowHandler
{
public:
    virtual ~TAV_IWindowHandler() = default;

    virtual bool IsInitialized() const = 0;
    // Binds the handler to the window it draws into; false when it cannot draw there.
    virtual bool AttachToWindow(HWND window) = 0;
    virtual void DetachFromWindow() = 0;
    // Bracket one frame on the window's back buffer.
    virtual void BeginDraw() = 0;
    virtual void EndDraw() = 0;
    // Draws one complete frame of the view.
    virtual void DrawGraphics() = 0;
    // A button went down or up at client point (x, y); flags are MK_* bits, and
    // on a release they include the released button's own bit.
    virtual void OnMouseButton(bool down, unsigned flags, int x, int y) = 0;
    virtual void OnMouseMove(unsigned flags, int x, int y) = 0;
    // The wheel turned by delta (120 a notch, positive away from the user) over client point (x, y).
    virtual void OnMouseWheel(int delta, int x, int y) = 0;
};
