#pragma once
#include "platform/win/Wnd.h"

// A trackbar with a 32-bit range and position. Setting them from code sends no
// scroll message; moving the thumb sends one to the parent, which reflects it
// back to the trackbar (HScroll/VScroll) after handling it.
class CSliderCtrl : public CWnd
{
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    void SetRange(int minimum, int maximum, BOOL redraw = FALSE);
    // The position is clamped into the range.
    void SetPos(int position);
    int GetPos() const;
};
