#pragma once
#include "platform/win/WinTypes.h"

#include <functional>
#include <string>

// The one seam through which every modal prompt passes. Tests install an
// answerer and the prompt is answered without showing anything; without one
// the real Qt dialog is shown.
class ModalPrompts
{
public:
    struct MessageBoxRequest
    {
        HWND owner = nullptr;
        std::wstring text;
        std::wstring caption;
        UINT type = 0;
    };
    using MessageBoxAnswerer = std::function<int(const MessageBoxRequest&)>;

    // An empty answerer restores the real dialogs.
    static void SetMessageBoxAnswerer(MessageBoxAnswerer answerer);
    static int AskMessageBox(const MessageBoxRequest& request);
};
