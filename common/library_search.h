// Where both programs take the libraries that are loaded by name: the system
// folder, never the program's own folder or the folder it was started in,
// where a file of the same name may have been put.
#pragma once

#include <windows.h>

// Makes every later load by name, by the program or by a system library on
// its behalf, look in the system folder only. Windows 8 and later have this,
// and Windows 7 with update KB2533623; without it nothing changes. Called
// first in each program, before it loads or shows anything.
void KeepLibrarySearchInSystemFolder();

// GetProcAddress gives every procedure one type; the cast through void (*)()
// names the one it has.
template <class Function>
Function ProcedureAs(FARPROC found)
{
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}
