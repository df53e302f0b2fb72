#pragma once
#include "platform/win/Wnd.h"

// A dialog built from a template: modeless with Create, modal with DoModal.
// Commands IDOK and IDCANCEL (also Escape and the close box) reach OnOK and OnCancel.
class CDialog : public CWnd
{
public:
    explicit CDialog(UINT templateId = 0, CWnd* parent = nullptr);
    ~CDialog() override;

    // Modeless: the window exists and OnInitDialog has run on return; nonzero on success.
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    // Runs the dialog until EndDialog; returns its result, -1 when it could not be created.
    virtual INT_PTR DoModal();
    // Ends a modal run with this result; hides a modeless dialog.
    void EndDialog(int result);

protected:
    // Writes the members into the controls; TRUE lets the framework set the focus.
    virtual BOOL OnInitDialog();
    // Reads the controls into the members and ends with IDOK.
    virtual void OnOK();
    // Ends with IDCANCEL.
    virtual void OnCancel();
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    BOOL Build(UINT templateId, CWnd* parent, bool modal);

    UINT m_templateId;
    CWnd* m_parent;
    bool m_modalRunning = false;
    bool m_endRequested = false;
    int m_modalResult = -1;
};
