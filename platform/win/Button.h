#pragma once
#include "platform/win/Wnd.h"

// A push button, check box or radio button.
class CButton : public CWnd
{
public:
    BOOL Create(const wchar_t* text, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    // BST_CHECKED or BST_UNCHECKED.
    int GetCheck() const;
    void SetCheck(int check);
};
