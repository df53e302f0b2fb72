#pragma once
#include "platform/win/Dialog.h"
#include "tools/demo/DemoView.h"

// The main window template with its main graphics placeholder replaced by a
// live view, redrawn every 25 ms.
class DemoDialog : public CDialog
{
public:
    DemoDialog();

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnTimer(UINT_PTR id) override;
    void OnDestroy() override;

private:
    DemoView m_view;
};
