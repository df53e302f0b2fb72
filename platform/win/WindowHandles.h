#pragma once
#include "platform/win/WinTypes.h"

class QWidget;

// Maps window handles to live Qt widgets. A widget gets its handle on first
// request; the handle dies with the widget, so IsWindow answers false afterwards.
class WindowHandles
{
public:
    static HWND HandleOf(QWidget* widget);
    static QWidget* WidgetOf(HWND window);
};
