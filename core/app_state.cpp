#include "core/app_state.h"

AppState g_app;

void ResetAppState()
{
    g_app = AppState();
    g_app.sortDirection[0] = kSortAscending;
}
