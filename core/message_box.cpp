#include "core/message_box.h"

MessageBoxHook g_messageBoxHook = nullptr;

int ShowMessage(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type)
{
    if (g_messageBoxHook != nullptr) {
        return g_messageBoxHook(owner, text, caption, type);
    }
    return MessageBoxW(owner, text, caption, type);
}
