#pragma once
#include "platform/win/Font.h"
#include "platform/win/WinTypes.h"

#include <string>

class CDataExchange;
class CDC;
class WindowBridge;

// A window object bound to a window handle. Messages reach it through the
// virtual handlers below; a handler that calls Default() (every base version
// does) lets the window system process the message as usual.
//
// Coordinates: rectangles from GetWindowRect are on the screen, those from
// GetClientRect and MoveWindow in the parent's (or own) client area, y down.
class CWnd
{
public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const { return m_hWnd; }
    // The object bound to the window, or a framework-owned stand-in that lives
    // as long as the window does (kept briefly afterwards); null for no window.
    static CWnd* FromHandle(HWND window);

    // Binds this object to an existing window so its messages reach this object.
    BOOL Attach(HWND window);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);

    // Creates a generic child or top-level window; rect is in the parent's client area.
    BOOL CreateEx(DWORD exStyle, const wchar_t* windowName, DWORD style, const RECT& rect, CWnd* parent,
                  UINT id);
    virtual BOOL DestroyWindow();

    CWnd* GetDlgItem(int id) const;
    int GetDlgCtrlID() const;
    CWnd* GetParent() const;
    DWORD GetStyle() const;
    DWORD GetExStyle() const;

    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const;
    BOOL EnableWindow(BOOL enable);
    void SetWindowText(const wchar_t* text);
    std::wstring GetWindowText() const;

    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(const RECT* rect, BOOL repaint = TRUE);
    void GetWindowRect(RECT* rect) const;
    void GetClientRect(RECT* rect) const;
    void ScreenToClient(POINT* point) const;
    void ScreenToClient(RECT* rect) const;
    BOOL BringWindowToTop();
    void UpdateWindow();
    void Invalidate(BOOL erase = TRUE);

    CFont* GetFont() const;
    void SetFont(const CFont* font, BOOL redraw = TRUE);
    void SetIcon(HICON icon, BOOL big);

    // Button groups of a dialog, by control id.
    void CheckRadioButton(int firstId, int lastId, int checkId);
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;

    // OnTimer(id) is called every elapse milliseconds until KillTimer.
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, void* callback = nullptr);
    BOOL KillTimer(UINT_PTR id);

    CWnd* SetCapture();

    int MessageBox(const wchar_t* text, const wchar_t* caption = nullptr, UINT type = MB_OK);

    // Runs DoDataExchange: TRUE reads the controls into the members, FALSE writes them.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

protected:
    virtual void DoDataExchange(CDataExchange* dx);

    // Commands carry the control id in the low word and the notification code in the high word.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // Notifications: wParam is the control id, lParam points at an NMHDR.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // Scroll messages from a child trackbar; the base versions reflect them to the bar.
    virtual void OnHScroll(UINT code, UINT position, CWnd* bar);
    // Reflected scroll notifications, reaching a trackbar after its parent handled them.
    virtual void HScroll(UINT code, UINT position);
    virtual void VScroll(UINT code, UINT position);
    // Asked before a child control paints: text colour and background mode go into dc.
    virtual HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT controlType);

    // Mouse messages: flags are MK_* bits, point is in this window's client area.
    virtual void OnLButtonDown(UINT flags, POINT point);
    virtual void OnLButtonUp(UINT flags, POINT point);
    virtual void OnLButtonDblClk(UINT flags, POINT point);
    virtual void OnRButtonDown(UINT flags, POINT point);
    virtual void OnRButtonUp(UINT flags, POINT point);
    virtual void OnRButtonDblClk(UINT flags, POINT point);
    virtual void OnMButtonDown(UINT flags, POINT point);
    virtual void OnMButtonUp(UINT flags, POINT point);
    virtual void OnMButtonDblClk(UINT flags, POINT point);
    virtual void OnMouseMove(UINT flags, POINT point);
    // delta is in 120ths of a wheel notch, positive away from the user; point is on the screen.
    virtual BOOL OnMouseWheel(UINT flags, short delta, POINT point);
    // The new client size, after the window was resized.
    virtual void OnSize(UINT type, int cx, int cy);
    // pWnd is the window clicked, point is on the screen.
    virtual void OnContextMenu(CWnd* window, POINT point);

    virtual void OnPaint();
    virtual BOOL OnEraseBkgnd(CDC* dc);
    virtual void OnShowWindow(BOOL show, UINT status);
    virtual void OnTimer(UINT_PTR id);
    virtual void OnDestroy();

    // Lets the window system process the message being handled as usual.
    void Default();

private:
    friend class WindowBridge;
    friend class HandlerCall;

    bool m_defaultRequested = false;
    mutable CFont m_font;
};
