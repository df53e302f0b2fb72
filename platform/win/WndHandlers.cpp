// The base message handlers of CWnd: each lets the window system do its usual processing.
#include "platform/win/Wnd.h"

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::OnCommand(WPARAM, LPARAM)
{
    return FALSE;
}

BOOL CWnd::OnNotify(WPARAM, LPARAM, LRESULT*)
{
    return FALSE;
}

void CWnd::OnHScroll(UINT code, UINT position, CWnd* bar)
{
    if (CWnd* target = bar ? FromHandle(bar->m_hWnd) : nullptr)
        target->HScroll(code, position);
}

void CWnd::HScroll(UINT, UINT) {}
void CWnd::VScroll(UINT, UINT) {}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT)
{
    return nullptr;
}

void CWnd::OnLButtonDown(UINT, POINT)
{
    Default();
}
void CWnd::OnLButtonUp(UINT, POINT)
{
    Default();
}
void CWnd::OnLButtonDblClk(UINT, POINT)
{
    Default();
}
void CWnd::OnRButtonDown(UINT, POINT)
{
    Default();
}
void CWnd::OnRButtonUp(UINT, POINT)
{
    Default();
}
void CWnd::OnRButtonDblClk(UINT, POINT)
{
    Default();
}
void CWnd::OnMButtonDown(UINT, POINT)
{
    Default();
}
void CWnd::OnMButtonUp(UINT, POINT)
{
    Default();
}
void CWnd::OnMButtonDblClk(UINT, POINT)
{
    Default();
}
void CWnd::OnMouseMove(UINT, POINT)
{
    Default();
}
BOOL CWnd::OnMouseWheel(UINT, short, POINT)
{
    Default();
    return FALSE;
}
void CWnd::OnSize(UINT, int, int)
{
    Default();
}
void CWnd::OnContextMenu(CWnd*, POINT)
{
    Default();
}
void CWnd::OnPaint()
{
    Default();
}

BOOL CWnd::OnEraseBkgnd(CDC*)
{
    Default();
    return FALSE;
}

void CWnd::OnShowWindow(BOOL, UINT) {}
void CWnd::OnTimer(UINT_PTR) {}
void CWnd::OnDestroy() {}

void CWnd::Default()
{
    m_defaultRequested = true;
}
