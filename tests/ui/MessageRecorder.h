#pragma once
#include "platform/win/ModalPrompts.h"

#include <vector>

// Answers every message box with OK and keeps the requests, for as long as it lives.
class MessageRecorder
{
public:
    MessageRecorder()
    {
        ModalPrompts::SetMessageBoxAnswerer([this](const ModalPrompts::MessageBoxRequest& request) {
            messages.push_back(request);
            return IDOK;
        });
    }
    ~MessageRecorder() { ModalPrompts::SetMessageBoxAnswerer(nullptr); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    std::vector<ModalPrompts::MessageBoxRequest> messages;
};
