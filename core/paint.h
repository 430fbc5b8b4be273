// WM_PAINT for windows whose children draw everything they show.
#pragma once

#include <windows.h>

// Validates the update region without drawing anything.
void PaintNothing(HWND window);
