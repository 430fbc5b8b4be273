#include "common/code_page_text.h"

UINT ProgramCodePage()
{
    return GetACP();
}

// The code pages whose conversions fail with ERROR_INVALID_FLAGS for any flag
// but the check for invalid characters, which the program does not ask for.
static bool TakesNoFlags(UINT codePage)
{
    switch (codePage) {
    case 42:      // Symbol
    case 50220: case 50221: case 50222: case 50225: case 50227: case 50229:   // ISO-2022
    case 54936:   // GB18030
    case 65000:   // UTF-7
    case CP_UTF8:
        return true;
    default:
        return codePage >= 57002 && codePage <= 57011;   // ISCII
    }
}

DWORD EncodingFlags(UINT codePage)
{
    return TakesNoFlags(codePage) ? 0 : WC_NO_BEST_FIT_CHARS;
}

DWORD DecodingFlags(UINT codePage)
{
    return TakesNoFlags(codePage) ? 0 : MB_PRECOMPOSED;
}

int EncodeCodePage(UINT codePage, const wchar_t* units, int count, char* bytes, int capacity)
{
    return WideCharToMultiByte(codePage, EncodingFlags(codePage), units, count, bytes, capacity, nullptr, nullptr);
}

int DecodeCodePage(UINT codePage, const char* bytes, int count, wchar_t* units, int capacity)
{
    return MultiByteToWideChar(codePage, DecodingFlags(codePage), bytes, count, units, capacity);
}

bool DecodeCodePageText(UINT codePage, const char* text, wchar_t* decoded, int capacity)
{
    ZeroMemory(decoded, sizeof(wchar_t) * static_cast<size_t>(capacity));
    int size = DecodeCodePage(codePage, text, -1, nullptr, 0);
    return size > 0 && size <= capacity && DecodeCodePage(codePage, text, -1, decoded, size) == size;
}
