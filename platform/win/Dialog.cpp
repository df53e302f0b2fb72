#include "platform/win/Dialog.h"

#include "platform/win/DialogWindow.h"
#include "platform/win/WindowBridge.h"
#include "platform/win/WindowHandles.h"

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_parent(parent) {}

CDialog::~CDialog() = default;

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    return Build(templateId, parent, false);
}

INT_PTR CDialog::DoModal()
{
    if (!Build(m_templateId, m_parent, true))
        return -1;
    auto* dialog = static_cast<QDialog*>(WindowHandles::WidgetOf(m_hWnd));
    if (dialog && !m_endRequested) {
        m_modalRunning = true;
        dialog->exec();
        m_modalRunning = false;
    }
    const int result = m_modalResult;
    DestroyWindow();
    return result;
}

void CDialog::EndDialog(int result)
{
    m_modalResult = result;
    m_endRequested = true;
    auto* dialog = static_cast<QDialog*>(WindowHandles::WidgetOf(m_hWnd));
    if (!dialog)
        return;
    if (m_modalRunning)
        dialog->done(result);
    else
        ShowWindow(SW_HIDE);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM)
{
    switch (LOWORD(wParam)) {
    case IDOK:
        OnOK();
        return TRUE;
    case IDCANCEL:
        OnCancel();
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CDialog::Build(UINT templateId, CWnd* parent, bool modal)
{
    const DialogTemplate* dialog = FindDialogTemplate(templateId);
    QWidget* parentWidget = parent ? WindowHandles::WidgetOf(parent->m_hWnd) : nullptr;
    if (!dialog || m_hWnd || ((dialog->style & WS_CHILD) && !parentWidget))
        return FALSE;
    DialogWindow* window = DialogWindow::Build(*dialog, parentWidget);
    WindowBridge::Of(window, true)->Bind(this);
    m_endRequested = false;
    m_modalResult = -1;
    OnInitDialog();
    if (!modal && m_hWnd && (dialog->style & WS_VISIBLE) && !m_endRequested)
        ShowWindow(SW_SHOW);
    return m_hWnd != nullptr;
}
