#pragma once
#include "platform/win/Wnd.h"

// A static text or frame control.
class CStatic : public CWnd
{
public:
    BOOL Create(const wchar_t* text, DWORD style, const RECT& rect, CWnd* parent, UINT id = 0xFFFF);
};
