#pragma once
#include "platform/win/WinTypes.h"

#include <memory>

class CWnd;

// A device context: text colour and background mode, and, when it draws into
// a window, filling and text output in that window's client pixels (y down).
// A context without a window only records its settings, as a control-colour
// request needs.
class CDC
{
public:
    CDC();
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const { return m_textColor; }
    int SetBkMode(int mode);

    void FillSolidRect(const RECT* rect, COLORREF color);
    // Supports DT_CENTER, DT_VCENTER and DT_SINGLELINE; returns the text height.
    int DrawText(const wchar_t* text, RECT* rect, UINT format);

protected:
    // Begins painting the window's client area; the painting ends with the context.
    void BeginWindowPaint(CWnd* window);

private:
    struct Surface;
    std::unique_ptr<Surface> m_surface;
    COLORREF m_textColor = RGB(0, 0, 0);
    int m_bkMode = OPAQUE;
};

// The context of one paint message, valid inside OnPaint and OnEraseBkgnd.
class CPaintDC : public CDC
{
public:
    explicit CPaintDC(CWnd* window);
};
