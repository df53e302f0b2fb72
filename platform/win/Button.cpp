#include "platform/win/Button.h"

#include "platform/win/ControlCreation.h"
#include "platform/win/WindowHandles.h"

#include <QAbstractButton>

BOOL CButton::Create(const wchar_t* text, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateControl(*this, ControlClass::Button, text, style, rect, parent, id);
}

int CButton::GetCheck() const
{
    auto* button = qobject_cast<QAbstractButton*>(WindowHandles::WidgetOf(m_hWnd));
    return button && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void CButton::SetCheck(int check)
{
    if (auto* button = qobject_cast<QAbstractButton*>(WindowHandles::WidgetOf(m_hWnd)))
        button->setChecked(check == BST_CHECKED);
}
