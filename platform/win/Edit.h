#pragma once
#include "platform/win/Wnd.h"

// A one-line text field. Enter and Escape reach the parent as EN_RETURN and
// EN_ESCAPE commands from the field's id.
class CEdit : public CWnd
{
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
};
