#pragma once
#include "platform/win/WinTypes.h"

#include <string>

class CWnd;

// One run of a dialog's data exchange: save reads controls into members,
// otherwise members are written into the controls.
class CDataExchange
{
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog)
    {
    }

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};

// Binds control to the dialog's control with this id, once.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
// A check box's state as 0 (clear) or 1 (checked).
void DDX_Check(CDataExchange* dx, int id, int& value);
// A control's text.
void DDX_Text(CDataExchange* dx, int id, std::wstring& value);
