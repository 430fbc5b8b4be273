#include "handoff/helper_numbers.h"

#include <climits>

// Digits beyond this bound cannot change a bounded result; stopping here
// keeps the sum far from overflow whatever the text.
static const long long kNumberCeiling = 10000000000LL;

static bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t';
}

// False when the text holds no digits.
static bool ParseHelperNumber(const wchar_t* text, long long* value)
{
    if (text == nullptr) {
        return false;
    }
    while (IsBlank(*text)) {
        ++text;
    }
    bool negative = false;
    if (*text == L'-' || *text == L'+') {
        negative = *text == L'-';
        ++text;
    }
    if (*text < L'0' || *text > L'9') {
        return false;
    }
    long long sum = 0;
    for (; *text >= L'0' && *text <= L'9'; ++text) {
        if (sum < kNumberCeiling) {
            sum = sum * 10 + (*text - L'0');
        }
    }
    *value = negative ? -sum : sum;
    return true;
}

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
    ParseHelperNumber(text, &value);
    return static_cast<int>(Bound(value, 0, kHelperMaxTime));
}

int ReadHelperPosition(const wchar_t* text)
{
    long long value = 0;
    ParseHelperNumber(text, &value);
    return static_cast<int>(Bound(value, INT_MIN, INT_MAX));
}
