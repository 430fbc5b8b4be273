#include "settings/typed_number.h"

#include "common/decimal_number.h"

bool ParseTypedNumber(const wchar_t* text, int low, int high, int* value)
{
    // A typed number takes a minus sign, never a plus sign.
    long long number = 0;
    const wchar_t* end = *SkipNumberBlanks(text) == L'+' ? nullptr : ReadDecimalNumber(text, &number);
    if (end == nullptr || *SkipNumberBlanks(end) != L'\0' || number < low || number > high) {
        return false;
    }
    *value = static_cast<int>(number);
    return true;
}
