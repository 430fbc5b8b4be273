#include "profiles/profile_folder.h"

void RefreshProfileList()
{
}

void DeleteSelectedProfile(HWND)
{
}

void ApplySelectedProfile(HWND)
{
}

void RunElevated(HWND, const wchar_t*)
{
}
