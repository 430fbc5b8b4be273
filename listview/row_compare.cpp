#include "listview/row_compare.h"

// Row texts are UTF-16: every code unit counts as an unsigned 16-bit value.
static int FoldedUnit(wchar_t unit)
{
    int value = static_cast<unsigned short>(unit);
    if (value >= 'A' && value <= 'Z') {
        value += 'a' - 'A';
    }
    return value;
}

int CompareRowTexts(const wchar_t* first, const wchar_t* second)
{
    for (int i = 0; i < kRowCompareLength; ++i) {
        int a = FoldedUnit(first[i]);
        int b = FoldedUnit(second[i]);
        if (a != b || a == 0) {
            return a - b;
        }
    }
    return 0;
}
