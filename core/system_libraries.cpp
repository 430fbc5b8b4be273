#include "core/system_libraries.h"

#include <strsafe.h>

#include "core/message_box.h"

static const wchar_t kShellLibrary[] = L"shell32.dll";
const wchar_t kIpHelperLibrary[] = L"iphlpapi.dll";
const wchar_t kSocketsLibrary[] = L"ws2_32.dll";

typedef HINSTANCE (WINAPI *ShellExecuteFunction)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
typedef BOOL (WINAPI *ShellExecuteExFunction)(SHELLEXECUTEINFOW*);
typedef int (WINAPI *ShellFileFunction)(SHFILEOPSTRUCTW*);
typedef ULONG (WINAPI *AdaptersFunction)(ULONG, ULONG, PVOID, PIP_ADAPTER_ADDRESSES, PULONG);
typedef PCSTR (WSAAPI *AddressTextFunction)(INT, const VOID*, PSTR, size_t);

static void ReportMissingLibrary(HWND owner, const wchar_t* library)
{
    wchar_t text[128] = {};
    if (SUCCEEDED(StringCchPrintfW(text, ARRAYSIZE(text), L"%ls を読み込めないため、この操作はできません。", library))) {
        ShowMessage(owner, text, L"Error", MB_OK | MB_ICONWARNING);
    }
}

// Only from the system folder, never from the program's or the current one.
static HMODULE LoadFromSystemFolder(const wchar_t* library)
{
    HMODULE module = GetModuleHandleW(library);
    return module != nullptr ? module : LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

bool LoadSystemLibrary(HWND owner, const wchar_t* library)
{
    if (LoadFromSystemFolder(library) != nullptr) {
        return true;
    }
    ReportMissingLibrary(owner, library);
    return false;
}

// GetProcAddress gives every procedure one type; the cast through void (*)()
// names the one it has. Null when the library is not loaded.
template <class Function>
static Function LoadedProcedure(const wchar_t* library, const char* procedure)
{
    HMODULE module = GetModuleHandleW(library);
    FARPROC found = module != nullptr ? GetProcAddress(module, procedure) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

// The procedure, its library loaded first; null, after telling owner, when it cannot be had.
template <class Function>
static Function SystemProcedure(HWND owner, const wchar_t* library, const char* procedure)
{
    Function found = LoadFromSystemFolder(library) != nullptr ? LoadedProcedure<Function>(library, procedure) : nullptr;
    if (found == nullptr) {
        ReportMissingLibrary(owner, library);
    }
    return found;
}

void OpenWithShell(HWND owner, const wchar_t* file)
{
    if (auto open = SystemProcedure<ShellExecuteFunction>(owner, kShellLibrary, "ShellExecuteW")) {
        open(owner, L"open", file, nullptr, nullptr, SW_SHOWNORMAL);
    }
}

ShellResult ExecuteWithShell(SHELLEXECUTEINFOW* request)
{
    auto execute = SystemProcedure<ShellExecuteExFunction>(request->hwnd, kShellLibrary, "ShellExecuteExW");
    if (execute == nullptr) {
        return kShellMissing;
    }
    return execute(request) ? kShellDone : kShellFailed;
}

ShellResult OperateWithShell(SHFILEOPSTRUCTW* operation)
{
    auto operate = LoadFromSystemFolder(kShellLibrary) != nullptr
        ? LoadedProcedure<ShellFileFunction>(kShellLibrary, "SHFileOperationW") : nullptr;
    if (operate == nullptr) {
        return kShellMissing;
    }
    return operate(operation) == 0 && !operation->fAnyOperationsAborted ? kShellDone : kShellFailed;
}

ULONG WINAPI GetAdaptersAddressesOnDemand(ULONG family, ULONG flags, PVOID reserved,
                                          PIP_ADAPTER_ADDRESSES addresses, PULONG size)
{
    auto query = LoadedProcedure<AdaptersFunction>(kIpHelperLibrary, "GetAdaptersAddresses");
    return query != nullptr ? query(family, flags, reserved, addresses, size) : ERROR_MOD_NOT_FOUND;
}

PCSTR InetNtopOnDemand(INT family, const VOID* address, PSTR text, size_t size)
{
    auto format = LoadedProcedure<AddressTextFunction>(kSocketsLibrary, "inet_ntop");
    return format != nullptr ? format(family, address, text, size) : nullptr;
}
