#include "listview/row_rules.h"

#include "common/text_rules.h"

// Row texts are UTF-16: every code unit counts as an unsigned 16-bit value.
static int FoldedUnit(wchar_t unit)
{
    return static_cast<unsigned short>(FoldAsciiCapital(unit));
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

int PlanRowMoves(const int* rows, int count, int rowCount, bool down, int* moving)
{
    // Walked from the end the rows move towards, each row's neighbour there
    // is settled before the row itself: the edge, or the last row that stays.
    // Moved in this order, each row trades places with its neighbour while
    // the rows still to come keep their indices.
    int blocked = down ? rowCount : -1;
    int moved = 0;
    for (int step = 0; step < count; ++step) {
        int row = rows[down ? count - 1 - step : step];
        if ((down ? row + 1 : row - 1) == blocked) {
            blocked = row;
        } else {
            moving[moved++] = row;
        }
    }
    return moved;
}
