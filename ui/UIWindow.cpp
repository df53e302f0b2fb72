#include "ui/UIWindow.h"

#include "platform/win/DC.h"
#include "platform/win/FramePresenter.h"
#include "platform/win/WindowFunctions.h"

TAVMFC_UIWindow::TAVMFC_UIWindow(bool paintDrawSuppressed) : m_paintDrawSuppressed(paintDrawSuppressed) {}

bool TAVMFC_UIWindow::ReplaceDialogControl(HWND parent, int controlId)
{
    CWnd* parentWindow = CWnd::FromHandle(parent);
    CWnd* placeholder = parentWindow ? parentWindow->GetDlgItem(controlId) : nullptr;
    if (!placeholder)
        return false;
    const DWORD style = placeholder->GetStyle();
    const DWORD exStyle = placeholder->GetExStyle();
    RECT rect;
    placeholder->GetWindowRect(&rect);
    placeholder->DestroyWindow();
    parentWindow->ScreenToClient(&rect);
    const bool created =
        CreateEx(exStyle, L"", style | WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_VISIBLE, rect,
                 parentWindow, static_cast<UINT>(controlId));
    BringWindowToTop();
    if (!created)
        MessageBoxW(parent, L"TAVMFC_UIWindow creation failed!", L"TAVMFC_UIWindow::ReplaceDialogControl",
                    MB_ICONERROR | MB_OK);
    return created;
}

bool TAVMFC_UIWindow::AttachViewport(TAV_IWindowHandler* handler)
{
    if (handler == m_handler)
        return true;
    bool success = handler != nullptr;
    if (success && IsWindow(m_hWnd)) {
        if (m_handler) {
            m_handler->DetachFromWindow();
            m_handler = nullptr;
        }
        success = handler->AttachToWindow(m_hWnd);
    }
    if (success) {
        m_handler = handler;
        return true;
    }
    MessageBox(L"Error attaching viewport to window!", L"TAVMFC_UIWindow::AttachViewport",
               MB_ICONERROR | MB_OK);
    // Without a handler the window shows its notice again, not a frame of the old view.
    FramePresenter::Clear(m_hWnd);
    return false;
}

void TAVMFC_UIWindow::OnPaint()
{
    CPaintDC dc(this);
    if (m_handler) {
        if (!m_paintDrawSuppressed)
            m_handler->DrawGraphics();
        return;
    }
    RECT client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, RGB(255, 255, 255));
    const int oldMode = dc.SetBkMode(TRANSPARENT);
    dc.DrawText(L"No Graphics Handler Attached", &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc.SetBkMode(oldMode);
}

BOOL TAVMFC_UIWindow::OnEraseBkgnd(CDC* dc)
{
    // The view paints every pixel itself.
    if (m_handler)
        return TRUE;
    return CWnd::OnEraseBkgnd(dc);
}

void TAVMFC_UIWindow::OnLButtonDown(UINT flags, POINT point)
{
    ButtonDown(flags, point);
}

void TAVMFC_UIWindow::OnLButtonUp(UINT flags, POINT point)
{
    ButtonUp(flags, MK_LBUTTON, point);
}

// The second press of a double click is an ordinary press, so a quick double
// click acts exactly as two clicks and no input is lost.
void TAVMFC_UIWindow::OnLButtonDblClk(UINT flags, POINT point)
{
    ButtonDown(flags, point);
}

void TAVMFC_UIWindow::OnRButtonDown(UINT flags, POINT point)
{
    ButtonDown(flags, point);
}

void TAVMFC_UIWindow::OnRButtonUp(UINT flags, POINT point)
{
    ButtonUp(flags, MK_RBUTTON, point);
}

void TAVMFC_UIWindow::OnRButtonDblClk(UINT flags, POINT point)
{
    ButtonDown(flags, point);
}

void TAVMFC_UIWindow::OnMButtonDown(UINT flags, POINT point)
{
    ButtonDown(flags, point);
}

void TAVMFC_UIWindow::OnMButtonUp(UINT flags, POINT point)
{
    ButtonUp(flags, MK_MBUTTON, point);
}

void TAVMFC_UIWindow::OnMButtonDblClk(UINT flags, POINT point)
{
    ButtonDown(flags, point);
}

void TAVMFC_UIWindow::OnMouseMove(UINT flags, POINT point)
{
    if (m_handler)
        m_handler->OnMouseMove(flags, point.x, point.y);
}

// The wheel's point comes on the screen; the handler takes client points.
BOOL TAVMFC_UIWindow::OnMouseWheel(UINT, short delta, POINT point)
{
    if (!m_handler)
        return FALSE;
    ScreenToClient(&point);
    m_handler->OnMouseWheel(delta, point.x, point.y);
    return TRUE;
}

void TAVMFC_UIWindow::ButtonDown(UINT flags, POINT point)
{
    if (!m_handler)
        return;
    SetCapture();
    m_handler->OnMouseButton(true, flags, point.x, point.y);
}

void TAVMFC_UIWindow::ButtonUp(UINT flags, UINT releasedButton, POINT point)
{
    if (!m_handler)
        return;
    ReleaseCapture();
    m_handler->OnMouseButton(false, flags | releasedButton, point.x, point.y);
}
