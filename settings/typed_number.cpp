#include "settings/typed_number.h"

// A sum past this bound is out of every int range; it stops growing there.
static const long long kSumCeiling = 10000000000LL;

static const wchar_t* SkipBlanks(const wchar_t* text)
{
    while (*text == L' ' || *text == L'\t') {
        ++text;
    }
    return text;
}

bool ParseTypedNumber(const wchar_t* text, int low, int high, int* value)
{
    text = SkipBlanks(text);
    bool negative = *text == L'-';
    text += negative ? 1 : 0;
    const wchar_t* digits = text;
    long long sum = 0;
    for (; *text >= L'0' && *text <= L'9'; ++text) {
        if (sum < kSumCeiling) {
            sum = sum * 10 + (*text - L'0');
        }
    }
    long long number = negative ? -sum : sum;
    if (text == digits || *SkipBlanks(text) != L'\0' || number < low || number > high) {
        return false;
    }
    *value = static_cast<int>(number);
    return true;
}
