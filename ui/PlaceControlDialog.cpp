#include "ui/PlaceControlDialog.h"

bool PlaceControlDialog(CWnd* parent, int placeholderId, CDialog* panel, unsigned templateId)
{
    CWnd* placeholder = parent && panel ? parent->GetDlgItem(placeholderId) : nullptr;
    if (!placeholder)
        return false;
    RECT rect;
    placeholder->GetWindowRect(&rect);
    parent->ScreenToClient(&rect);
    placeholder->DestroyWindow();
    if (!panel->Create(templateId, parent)) {
        parent->MessageBox(L"Creation of control Dialog Failed!!", nullptr, MB_OK);
        return false;
    }
    // After the panel's own initialisation, so a panel that hid itself is shown here.
    panel->MoveWindow(&rect, FALSE);
    panel->BringWindowToTop();
    panel->ShowWindow(SW_SHOWDEFAULT);
    panel->UpdateWindow();
    return true;
}
