#pragma once
#include "platform/win/Wnd.h"
#include "view/IWindowHandler.h"

// The child window a graphics view lives in. It takes the place of a
// placeholder control and forwards paint and mouse input to its handler.
// Mouse points are client pixels; while the mouse is captured they may lie
// outside the window, negative included, and are passed on unchanged.
class TAVMFC_UIWindow : public CWnd
{
public:
    // With paintDrawSuppressed, paint messages never ask the handler to draw.
    explicit TAVMFC_UIWindow(bool paintDrawSuppressed);

    // Creates this window over the parent's control with that id, with its style,
    // rectangle and id; the control is destroyed. False when there is none.
    bool ReplaceDialogControl(HWND parent, int controlId);
    // Binds the handler (detaching the previous one); before the window exists it is
    // only remembered. A refused attach leaves the window without a handler.
    bool AttachViewport(TAV_IWindowHandler* handler);

protected:
    void OnPaint() override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    void OnLButtonDown(UINT flags, POINT point) override;
    void OnLButtonUp(UINT flags, POINT point) override;
    void OnLButtonDblClk(UINT flags, POINT point) override;
    void OnRButtonDown(UINT flags, POINT point) override;
    void OnRButtonUp(UINT flags, POINT point) override;
    void OnRButtonDblClk(UINT flags, POINT point) override;
    void OnMButtonDown(UINT flags, POINT point) override;
    void OnMButtonUp(UINT flags, POINT point) override;
    void OnMButtonDblClk(UINT flags, POINT point) override;
    void OnMouseMove(UINT flags, POINT point) override;
    BOOL OnMouseWheel(UINT flags, short delta, POINT point) override;

private:
    void ButtonDown(UINT flags, POINT point);
    // The platform has cleared the released button's bit; it is added back.
    void ButtonUp(UINT flags, UINT releasedButton, POINT point);

    TAV_IWindowHandler* m_handler = nullptr; // not owned, never detached by this window's end
    bool m_paintDrawSuppressed;
};
