#include "common/library_search.h"

typedef BOOL (WINAPI *DefaultDirectoriesFunction)(DWORD);

// Looked up rather than imported, so that Windows 7 without the update still
// starts the program.
void KeepLibrarySearchInSystemFolder()
{
    FARPROC found = GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (auto setDefaultDirectories = ProcedureAs<DefaultDirectoriesFunction>(found)) {
        setDefaultDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
}
