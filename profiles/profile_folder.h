// The profile folder <base>\ipaddress\: listing, deleting and applying.
#pragma once

#include <windows.h>

void RefreshProfileList();
void DeleteSelectedProfile(HWND owner);
void ApplySelectedProfile(HWND owner);
void RunElevated(HWND owner, const wchar_t* path);
