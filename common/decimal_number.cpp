#include "common/decimal_number.h"

// Digits beyond this bound cannot change a bounded result; stopping here
// keeps the sum far from overflow whatever the text.
static const long long kNumberCeiling = 10000000000LL;

const wchar_t* SkipNumberBlanks(const wchar_t* text)
{
    while (*text == L' ' || *text == L'\t') {
        ++text;
    }
    return text;
}

const wchar_t* ReadDecimalNumber(const wchar_t* text, long long* value)
{
    if (text == nullptr) {
        return nullptr;
    }
    text = SkipNumberBlanks(text);
    bool negative = *text == L'-';
    if (*text == L'-' || *text == L'+') {
        ++text;
    }
    if (*text < L'0' || *text > L'9') {
        return nullptr;
    }
    long long sum = 0;
    for (; *text >= L'0' && *text <= L'9'; ++text) {
        if (sum < kNumberCeiling) {
            sum = sum * 10 + (*text - L'0');
        }
    }
    *value = negative ? -sum : sum;
    return text;
}
