#include "platform/win/DataExchange.h"

#include "platform/win/Wnd.h"

void DDX_Control(CDataExchange* dx, int id, CWnd& control)
{
    if (!control.m_hWnd)
        control.SubclassDlgItem(static_cast<UINT>(id), dx->m_pDlgWnd);
}

void DDX_Check(CDataExchange* dx, int id, int& value)
{
    if (dx->m_bSaveAndValidate)
        value = dx->m_pDlgWnd->IsDlgButtonChecked(id) == BST_CHECKED ? 1 : 0;
    else
        dx->m_pDlgWnd->CheckDlgButton(id, value == 1 ? BST_CHECKED : BST_UNCHECKED);
}

void DDX_Text(CDataExchange* dx, int id, std::wstring& value)
{
    CWnd* control = dx->m_pDlgWnd->GetDlgItem(id);
    if (!control)
        return;
    if (dx->m_bSaveAndValidate)
        value = control->GetWindowText();
    else
        control->SetWindowText(value.c_str());
}
