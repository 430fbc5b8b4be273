#include "handoff/helper_numbers.h"

#include <climits>

#include "common/decimal_number.h"

static long long Bound(long long value, long long low, long long high)
{
    if (value < low) {
        return low;
    }
    return value > high ? high : value;
}

int ReadHelperTime(const wchar_t* text, int fallback)
{
    long long value = fallback;
    ReadDecimalNumber(text, &value);
    return static_cast<int>(Bound(value, 0, kHelperMaxTime));
}

int ReadHelperPosition(const wchar_t* text)
{
    long long value = 0;
    ReadDecimalNumber(text, &value);
    return static_cast<int>(Bound(value, INT_MIN, INT_MAX));
}
