#include "platform/win/Static.h"

#include "platform/win/ControlCreation.h"

BOOL CStatic::Create(const wchar_t* text, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateControl(*this, ControlClass::Static, text, style, rect, parent, id);
}
