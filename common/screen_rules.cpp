#include "common/screen_rules.h"

#include <climits>

int ClampToSpan(long long position, int size, int start, int end)
{
    long long last = static_cast<long long>(end) - size;
    if (position < start) {
        position = start;
    }
    if (position > last) {
        position = last;
    }
    if (position < INT_MIN) {
        return INT_MIN;
    }
    return position > INT_MAX ? INT_MAX : static_cast<int>(position);
}
