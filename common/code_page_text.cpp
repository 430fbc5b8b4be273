#include "common/code_page_text.h"

bool DecodeCodePageText(UINT codePage, const char* text, wchar_t* decoded, int capacity)
{
    ZeroMemory(decoded, sizeof(wchar_t) * static_cast<size_t>(capacity));
    // UTF-8 takes no flags; for the others precomposed characters are the default.
    DWORD flags = codePage == CP_UTF8 ? 0 : MB_PRECOMPOSED;
    int size = MultiByteToWideChar(codePage, flags, text, -1, nullptr, 0);
    return size > 0 && size <= capacity && MultiByteToWideChar(codePage, flags, text, -1, decoded, size) == size;
}
