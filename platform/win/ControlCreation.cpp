#include "platform/win/ControlCreation.h"

#include "platform/win/ControlFactory.h"
#include "platform/win/WindowHandles.h"

#include <QString>
#include <QWidget>

BOOL CreateControl(CWnd& control, ControlClass windowClass, const wchar_t* text, DWORD style,
                   const RECT& rect, CWnd* parent, UINT id)
{
    QWidget* parentWidget = parent ? WindowHandles::WidgetOf(parent->m_hWnd) : nullptr;
    if (control.m_hWnd || !parentWidget)
        return FALSE;
    QWidget* widget = ControlFactory::Create(windowClass, style, QString::fromWCharArray(text ? text : L""),
                                             static_cast<int>(id), parentWidget);
    widget->setGeometry(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    return control.Attach(WindowHandles::HandleOf(widget));
}
