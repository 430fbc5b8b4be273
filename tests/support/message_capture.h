// Records every message box the program would show, instead of showing it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "core/message_box.h"

struct CapturedMessage {
    HWND owner;
    std::wstring text;
    std::wstring caption;
    UINT type;
};

class MessageCapture {
public:
    MessageCapture() { active_ = this; g_messageBoxHook = &Record; }
    ~MessageCapture() { g_messageBoxHook = nullptr; }

    const std::vector<CapturedMessage>& messages() const { return messages_; }
    void clear() { messages_.clear(); }

private:
    static int Record(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type)
    {
        active_->messages_.push_back({ owner, text, caption, type });
        return IDOK;
    }

    static inline MessageCapture* active_ = nullptr;
    std::vector<CapturedMessage> messages_;
};
