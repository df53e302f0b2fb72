#pragma once
// Window functions over Qt widgets. Rectangles from GetWindowRect are in screen
// coordinates, those from GetClientRect in the window's own client coordinates.
#include "platform/win/WinTypes.h"

BOOL IsWindow(HWND window);
BOOL GetClientRect(HWND window, RECT* rect);
BOOL GetWindowRect(HWND window, RECT* rect);
BOOL ScreenToClient(HWND window, POINT* point);
BOOL ClientToScreen(HWND window, POINT* point);
BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
HWND GetParent(HWND window);
BOOL SetWindowTextW(HWND window, const wchar_t* text);
int GetWindowTextW(HWND window, wchar_t* text, int maxCount);
BOOL DestroyWindow(HWND window);
int MessageBoxW(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);

// Mouse capture: the captured window gets the mouse messages until released.
HWND SetCapture(HWND window);
BOOL ReleaseCapture();
HWND GetCapture();
