#include "platform/win/Edit.h"

#include "platform/win/ControlCreation.h"

BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateControl(*this, ControlClass::Edit, L"", style, rect, parent, id);
}
