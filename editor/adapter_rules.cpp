#include "editor/adapter_rules.h"

#include "common/text_rules.h"

// Only ASCII capitals are folded: the texts compared are the system's own
// English descriptions and address texts.
static bool BeginsWithFolded(const wchar_t* text, const wchar_t* prefix)
{
    if (text == nullptr) {
        return false;
    }
    for (; *prefix != L'\0'; ++prefix, ++text) {
        if (*text == L'\0' || FoldAsciiCapital(*text) != FoldAsciiCapital(*prefix)) {
            return false;
        }
    }
    return true;
}

bool IsWifiDirectDescription(const wchar_t* description)
{
    return BeginsWithFolded(description, L"Microsoft Wi-Fi Direct");
}

bool IsLoopbackAddressText(const wchar_t* address)
{
    return BeginsWithFolded(address, L"127.0.0.1");
}
