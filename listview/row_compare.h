// The order of the profile list's rows, without any window.
#pragma once

// Only this many leading characters of a row's text take part in ordering.
enum { kRowCompareLength = 255 };

// Compares two row texts unit by unit, with A-Z taken as a-z and every other
// unit as it is. The result is the unsigned difference of the first pair that
// differs (negative: first sorts first), so a text sorts before any longer
// text it begins; 0 when the texts agree in their first kRowCompareLength
// characters.
int CompareRowTexts(const wchar_t* first, const wchar_t* second);
