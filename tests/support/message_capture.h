// Records every message box the program would show, instead of showing it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct CapturedMessage {
    HWND owner;
    std::wstring text;
    std::wstring caption;
    UINT type;
};

class MessageCapture {
public:
    MessageCapture();
    ~MessageCapture();
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    const std::vector<CapturedMessage>& messages() const { return messages_; }
    void clear() { messages_.clear(); }

private:
    static int Record(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);
    std::vector<CapturedMessage> messages_;
};
