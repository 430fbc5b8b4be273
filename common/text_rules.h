// Text rules shared by both programs, without any window code.
#pragma once

// A-Z become a-z; every other unit stays as it is, accented and full-width
// letters included.
inline wchar_t FoldAsciiCapital(wchar_t unit)
{
    return unit >= L'A' && unit <= L'Z' ? static_cast<wchar_t>(unit - L'A' + L'a') : unit;
}
