#pragma once
#include "platform/win/WinTypes.h"

#include <string>

// The main window's one-line message echo; null until the main window stores it.
extern HWND EchoWindow;

// Shows text on the echo line when that window is alive; otherwise does nothing.
void EchoMessage(const std::wstring& text);
