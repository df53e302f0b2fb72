#include "tools/demo/DemoDialog.h"

#include "core/Echo.h"
#include "platform/win/Icons.h"
#include "render/GraphicsSystem.h"
#include "resources/ResourceIds.h"

DemoDialog::DemoDialog() : CDialog(IDD_QUORVEL_DIALOG) {}

BOOL DemoDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetIcon(Icons::LoadIconResource(IDR_MAINFRAME), TRUE);
    if (CWnd* echo = GetDlgItem(IDC_MESSAGE_ECHO))
        EchoWindow = echo->m_hWnd;
    if (!TAVD3D_GraphicsSystem::GetInstance().CreateGraphicsContext(m_hWnd))
        return TRUE;
    if (!m_view.window.ReplaceDialogControl(m_hWnd, IDC_MAIN_GRAPHICS) ||
        !m_view.window.AttachViewport(&m_view))
        return TRUE;
    m_view.FitWorldWindow(50.0f);
    EchoMessage(L"Demo: move the mouse over the view; Exit Program ends it.");
    SetTimer(0, 25);
    return TRUE;
}

BOOL DemoDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam)) {
    case IDOK:
        return CDialog::OnCommand(wParam, lParam);
    case IDC_LOAD_MODEL:
    case IDC_SAVE_MODEL:
    case IDC_DELETE_EVERYTHING:
        // Escape arrives as command 2 too; the demo has no model to load.
        EchoMessage(L"The demo has no model to load, save or delete.");
        return TRUE;
    default:
        return FALSE;
    }
}

void DemoDialog::OnTimer(UINT_PTR)
{
    m_view.DrawGraphics();
}

void DemoDialog::OnDestroy()
{
    EchoWindow = nullptr;
    m_view.DetachFromWindow();
    TAVD3D_GraphicsSystem::GetInstance().ReleaseGraphicsContext();
}
