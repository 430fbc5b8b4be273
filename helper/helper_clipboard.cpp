#include "helper/helper_clipboard.h"

#include <string.h>

// Another program may hold the clipboard open for a moment.
enum { kOpenAttempts = 20, kOpenRetryMs = 25 };

static bool OpenClipboardPatiently(HWND owner)
{
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        if (OpenClipboard(owner)) {
            return true;
        }
        Sleep(kOpenRetryMs);
    }
    return false;
}

static bool SetClipboardBytes(UINT format, const void* bytes, size_t size)
{
    if (format == 0) {
        return false;
    }
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (memory == nullptr) {
        return false;
    }
    void* target = GlobalLock(memory);
    if (target == nullptr) {
        GlobalFree(memory);
        return false;
    }
    memcpy(target, bytes, size);
    GlobalUnlock(memory);
    if (SetClipboardData(format, memory) == nullptr) {
        GlobalFree(memory);
        return false;
    }
    return true;
}

static bool SetClipboardFlag(const wchar_t* formatName, DWORD value)
{
    return SetClipboardBytes(RegisterClipboardFormatW(formatName), &value, sizeof(value));
}

// The markers go first: text that could not be marked is not put at all.
static bool MarkClipboardPrivate()
{
    return SetClipboardFlag(L"ExcludeClipboardContentFromMonitorProcessing", 0)
        && SetClipboardFlag(L"CanIncludeInClipboardHistory", 0)
        && SetClipboardFlag(L"CanUploadToCloudClipboard", 0);
}

void PutHelperText(HWND owner, const wchar_t* text, DWORD* sequence)
{
    if (!OpenClipboardPatiently(owner)) {
        return;
    }
    EmptyClipboard();
    if (MarkClipboardPrivate()) {
        SetClipboardBytes(CF_UNICODETEXT, text, (wcslen(text) + 1) * sizeof(wchar_t));
    }
    CloseClipboard();
    *sequence = GetClipboardSequenceNumber();
}

void ClearHelperText(HWND owner, DWORD sequence)
{
    if (sequence == 0 || !OpenClipboardPatiently(owner)) {
        return;
    }
    if (GetClipboardOwner() == owner && GetClipboardSequenceNumber() == sequence) {
        EmptyClipboard();
    }
    CloseClipboard();
}
