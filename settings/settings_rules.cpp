#include "settings/settings_rules.h"

#include <climits>

int ClampToScreen(long long position, long long size, long long screenExtent)
{
    if (position < 0) {
        position = 0;
    }
    if (position > screenExtent - size) {
        position = screenExtent - size;
    }
    if (position < INT_MIN) {
        return INT_MIN;
    }
    if (position > INT_MAX) {
        return INT_MAX;
    }
    return static_cast<int>(position);
}
