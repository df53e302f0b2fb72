#include "core/Echo.h"

#include "platform/win/WindowFunctions.h"

HWND EchoWindow = nullptr;

void EchoMessage(const std::wstring& text)
{
    if (IsWindow(EchoWindow))
        SetWindowTextW(EchoWindow, text.c_str());
}
