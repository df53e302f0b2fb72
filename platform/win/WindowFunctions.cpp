#include "platform/win/WindowFunctions.h"

#include "platform/win/ModalPrompts.h"
#include "platform/win/WindowHandles.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <algorithm>

namespace {

RECT ToRect(const QRect& r)
{
    return RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

} // namespace

BOOL IsWindow(HWND window)
{
    return WindowHandles::WidgetOf(window) != nullptr;
}

BOOL GetClientRect(HWND window, RECT* rect)
{
    QWidget* widget = WindowHandles::WidgetOf(window);
    if (!widget || !rect)
        return FALSE;
    *rect = ToRect(QRect(QPoint(0, 0), widget->size()));
    return TRUE;
}

BOOL GetWindowRect(HWND window, RECT* rect)
{
    QWidget* widget = WindowHandles::WidgetOf(window);
    if (!widget || !rect)
        return FALSE;
    if (widget->isWindow())
        *rect = ToRect(widget->frameGeometry());
    else
        *rect = ToRect(QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()));
    return TRUE;
}

BOOL ScreenToClient(HWND window, POINT* point)
{
    QWidget* widget = WindowHandles::WidgetOf(window);
    if (!widget || !point)
        return FALSE;
    const QPoint local = widget->mapFromGlobal(QPoint(point->x, point->y));
    *point = POINT{local.x(), local.y()};
    return TRUE;
}

BOOL ClientToScreen(HWND window, POINT* point)
{
    QWidget* widget = WindowHandles::WidgetOf(window);
    if (!widget || !point)
        return FALSE;
    const QPoint global = widget->mapToGlobal(QPoint(point->x, point->y));
    *point = POINT{global.x(), global.y()};
    return TRUE;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint)
{
    QWidget* widget = WindowHandles::WidgetOf(window);
    if (!widget)
        return FALSE;
    // x and y are in the parent's client coordinates (the screen for top-level windows).
    widget->setGeometry(x, y, std::max(0, width), std::max(0, height));
    if (repaint)
        widget->update();
    return TRUE;
}

HWND GetParent(HWND window)
{
    QWidget* widget = WindowHandles::WidgetOf(window);
    if (!widget || !widget->parentWidget())
        return nullptr;
    return WindowHandles::HandleOf(widget->parentWidget());
}

BOOL SetWindowTextW(HWND window, const wchar_t* text)
{
    QWidget* widget = WindowHandles::WidgetOf(window);
    if (!widget)
        return FALSE;
    const QString value = QString::fromWCharArray(text ? text : L"");
    if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(value);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(value);
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setText(value);
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
        group->setTitle(value);
    else
        widget->setWindowTitle(value);
    return TRUE;
}

int GetWindowTextW(HWND window, wchar_t* text, int maxCount)
{
    QWidget* widget = WindowHandles::WidgetOf(window);
    if (!widget || !text || maxCount <= 0)
        return 0;
    QString value;
    if (auto* label = qobject_cast<QLabel*>(widget))
        value = label->text();
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        value = button->text();
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        value = edit->text();
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
        value = group->title();
    else
        value = widget->windowTitle();
    const std::wstring wide = value.left(maxCount - 1).toStdWString();
    std::copy(wide.begin(), wide.end(), text);
    text[wide.size()] = L'\0';
    return static_cast<int>(wide.size());
}

BOOL DestroyWindow(HWND window)
{
    QWidget* widget = WindowHandles::WidgetOf(window);
    if (!widget)
        return FALSE;
    delete widget;
    return TRUE;
}

int MessageBoxW(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type)
{
    return ModalPrompts::AskMessageBox({owner, text ? text : L"", caption ? caption : L"", type});
}
