#include "app/toolbar.h"

void CreateToolbar(HWND)
{
    InitCommonControls();
}

void FillToolbarTooltip(HWND, NMTTDISPINFOW*)
{
}
