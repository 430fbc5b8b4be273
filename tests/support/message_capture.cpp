#include "support/message_capture.h"

#include "app/message_box.h"

static MessageCapture* g_activeCapture = nullptr;

MessageCapture::MessageCapture()
{
    g_activeCapture = this;
    g_messageBoxHook = &MessageCapture::Record;
}

MessageCapture::~MessageCapture()
{
    g_messageBoxHook = nullptr;
    g_activeCapture = nullptr;
}

int MessageCapture::Record(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type)
{
    g_activeCapture->messages_.push_back({ owner, text ? text : L"", caption ? caption : L"", type });
    return IDOK;
}
