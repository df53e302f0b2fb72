#include "app/QuorvelApp.h"

#include "app/QuorvelDlg.h"

int CQuorvelApp::InitInstance(const QString& modelPath)
{
    CQuorvelDlg dialog(m_world);
    dialog.SetStartupModel(modelPath);
    return dialog.DoModal() < 0 ? 1 : 0;
}
