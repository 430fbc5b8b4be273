#include "handoff/helper_text.h"

#include <wchar.h>

static bool IsDroppedAtAnEnd(wchar_t c)
{
    return c <= L' ' || c == L'"' || c == L'\'';
}

bool FormatStoredHelperText(const wchar_t* value, wchar_t* stored, size_t capacity)
{
    if (capacity == 0) {
        return false;
    }
    stored[0] = L'\0';
    size_t length = wcslen(value);
    bool quoted = length > 0 && (IsDroppedAtAnEnd(value[0]) || IsDroppedAtAnEnd(value[length - 1]));
    size_t storedLength = quoted ? length + 2 : length;
    if (storedLength >= capacity) {
        return false;
    }
    size_t at = 0;
    if (quoted) {
        stored[at++] = L'"';
    }
    wmemcpy(stored + at, value, length);
    at += length;
    if (quoted) {
        stored[at++] = L'"';
    }
    stored[at] = L'\0';
    return true;
}
