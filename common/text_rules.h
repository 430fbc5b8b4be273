// Text rules shared by both programs, without any window code.
#pragma once

#include <wchar.h>

// A-Z become a-z; every other unit stays as it is, accented and full-width
// letters included.
inline wchar_t FoldAsciiCapital(wchar_t unit)
{
    return unit >= L'A' && unit <= L'Z' ? static_cast<wchar_t>(unit - L'A' + L'a') : unit;
}

// The name ends in the ending, A-Z folded as the file system folds them.
inline bool NameEndsWith(const wchar_t* name, const wchar_t* ending)
{
    size_t length = wcslen(name), endingLength = wcslen(ending);
    if (length < endingLength) {
        return false;
    }
    for (size_t i = 0; i < endingLength; ++i) {
        if (FoldAsciiCapital(name[length - endingLength + i]) != FoldAsciiCapital(ending[i])) {
            return false;
        }
    }
    return true;
}
