// The order of the profile list's rows and which rows a move takes, without
// any window.
#pragma once

// Only this many leading characters of a row's text take part in ordering.
enum { kRowCompareLength = 255 };

// Compares two row texts unit by unit, with A-Z taken as a-z and every other
// unit as it is. The result is the unsigned difference of the first pair that
// differs (negative: first sorts first), so a text sorts before any longer
// text it begins; 0 when the texts agree in their first kRowCompareLength
// characters.
int CompareRowTexts(const wchar_t* first, const wchar_t* second);

// The rows a move takes one place up (down false) or down, in the order to
// move them. rows holds count selected row indices in ascending order, in a
// list of rowCount rows; the rows that move are written to moving and counted
// in the result. A row moves only when the row beside it in the direction of
// the move exists and is not a selected row that stays, so a block that
// already touches that end keeps its order.
int PlanRowMoves(const int* rows, int count, int rowCount, bool down, int* moving);
