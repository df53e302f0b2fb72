#include "platform/win/WindowFunctions.h"

#include "platform/win/ModalPrompts.h"
#include "platform/win/WidgetTraits.h"
#include "platform/win/WindowBridge.h"
#include "platform/win/WindowHandles.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

RECT ToRect(const QRect& r)
{
    return RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

QPointer<QWidget>& CapturedWindow()
{
    static QPointer<QWidget> captured;
    return captured;
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

int GetSystemMetrics(int index)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 0;
    switch (index) {
    case SM_CXSCREEN:
        return screen->geometry().width();
    case SM_CYSCREEN:
        return screen->geometry().height();
    default:
        return 0;
    }
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
    WidgetTraits::SetText(widget, QString::fromWCharArray(text ? text : L""));
    return TRUE;
}

BOOL DestroyWindow(HWND window)
{
    QWidget* widget = WindowHandles::WidgetOf(window);
    if (!widget)
        return FALSE;
    WindowBridge::SendDestroy(widget);
    delete widget;
    return TRUE;
}

int MessageBoxW(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type)
{
    return ModalPrompts::AskMessageBox({owner, text ? text : L"", caption ? caption : L"", type});
}

HWND SetCapture(HWND window)
{
    const HWND previous = GetCapture();
    if (QWidget* widget = WindowHandles::WidgetOf(window))
        CapturedWindow() = widget;
    return previous;
}

BOOL ReleaseCapture()
{
    CapturedWindow() = nullptr;
    return TRUE;
}

HWND GetCapture()
{
    QWidget* captured = CapturedWindow();
    return captured ? WindowHandles::HandleOf(captured) : nullptr;
}
