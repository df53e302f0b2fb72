#pragma once
// Window functions over Qt widgets. Rectangles from GetWindowRect are in screen
// coordinates, those from GetClientRect in the window's own client coordinates.
#include "platform/win/WinTypes.h"

BOOL IsWindow(HWND window);
BOOL GetClientRect(HWND window, RECT* rect);
BOOL GetWindowRect(HWND window, RECT* rect);
BOOL ScreenToClient(HWND window, POINT* point);
BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
HWND GetParent(HWND window);
// SM_CXSCREEN and SM_CYSCREEN: the primary screen's size in pixels; 0 for anything else.
int GetSystemMetrics(int index);
BOOL SetWindowTextW(HWND window, const wchar_t* text);
BOOL DestroyWindow(HWND window);
int MessageBoxW(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);

// Mouse capture, taken on a button press. The window system already sends every
// mouse message to the pressed window until the last button is released, outside
// positions included; these record which window holds the capture.
HWND SetCapture(HWND window);
BOOL ReleaseCapture();
HWND GetCapture();
