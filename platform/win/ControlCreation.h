#pragma once
#include "platform/win/Wnd.h"
#include "resources/DialogTemplate.h"

// Creates a control window of the class as a child of parent (rect in the
// parent's client area) and binds control to it; false without a parent window.
BOOL CreateControl(CWnd& control, ControlClass windowClass, const wchar_t* text, DWORD style,
                   const RECT& rect, CWnd* parent, UINT id);
