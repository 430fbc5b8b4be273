#include "core/system_libraries.h"

#include <objbase.h>
#include <strsafe.h>

#include "common/library_search.h"
#include "core/message_box.h"

static const wchar_t kCommonControlsLibrary[] = L"comctl32.dll";
static const wchar_t kShellLibrary[] = L"shell32.dll";
static const wchar_t kComLibrary[] = L"ole32.dll";
const wchar_t kIpHelperLibrary[] = L"iphlpapi.dll";
const wchar_t kSocketsLibrary[] = L"ws2_32.dll";

typedef void (WINAPI *InitControlsFunction)();
typedef HWND (WINAPI *CreateToolbarFunction)(HWND, DWORD, UINT, int, HINSTANCE, UINT_PTR, LPCTBBUTTON, int, int, int,
                                             int, int, UINT);
typedef HINSTANCE (WINAPI *ShellExecuteFunction)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
typedef BOOL (WINAPI *ShellExecuteExFunction)(SHELLEXECUTEINFOW*);
typedef int (WINAPI *ShellFileFunction)(SHFILEOPSTRUCTW*);
typedef HRESULT (WINAPI *EnterApartmentFunction)(LPVOID, DWORD);
typedef void (WINAPI *LeaveApartmentFunction)();
typedef ULONG (WINAPI *AdaptersFunction)(ULONG, ULONG, PVOID, PIP_ADAPTER_ADDRESSES, PULONG);
typedef PCSTR (WSAAPI *AddressTextFunction)(INT, const VOID*, PSTR, size_t);

static void ReportMissingLibrary(HWND owner, const wchar_t* library)
{
    wchar_t text[128] = {};
    if (SUCCEEDED(StringCchPrintfW(text, ARRAYSIZE(text), L"%ls を読み込めないため、この操作はできません。", library))) {
        ShowMessage(owner, text, L"Error", MB_OK | MB_ICONWARNING);
    }
}

// Only from the system folder, never from the program's or the current one:
// by its full path there, and with the search for the libraries it needs in
// turn starting in that folder. Unlike LOAD_LIBRARY_SEARCH_SYSTEM32 this
// works on Windows 7 without update KB2533623 too.
static HMODULE LoadFromSystemFolder(const wchar_t* library)
{
    HMODULE module = GetModuleHandleW(library);
    if (module != nullptr) {
        return module;
    }
    wchar_t path[MAX_PATH] = {};
    UINT length = GetSystemDirectoryW(path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH
        || FAILED(StringCchPrintfW(path + length, MAX_PATH - length, L"\\%ls", library))) {
        return nullptr;
    }
    return LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

bool LoadSystemLibrary(HWND owner, const wchar_t* library)
{
    if (LoadFromSystemFolder(library) != nullptr) {
        return true;
    }
    ReportMissingLibrary(owner, library);
    return false;
}

// Null when the library is not loaded.
template <class Function>
static Function LoadedProcedure(const wchar_t* library, const char* procedure)
{
    HMODULE module = GetModuleHandleW(library);
    return ProcedureAs<Function>(module != nullptr ? GetProcAddress(module, procedure) : nullptr);
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

void LoadCommonControls(HWND owner)
{
    if (auto initialize = SystemProcedure<InitControlsFunction>(owner, kCommonControlsLibrary, "InitCommonControls")) {
        initialize();
    }
}

HWND CreateToolbarExOnDemand(HWND parent, DWORD style, UINT id, int bitmaps, HINSTANCE bitmapInstance,
                             UINT_PTR bitmapId, LPCTBBUTTON buttons, int buttonCount, int buttonWidth,
                             int buttonHeight, int bitmapWidth, int bitmapHeight, UINT buttonSize)
{
    auto create = LoadedProcedure<CreateToolbarFunction>(kCommonControlsLibrary, "CreateToolbarEx");
    return create != nullptr ? create(parent, style, id, bitmaps, bitmapInstance, bitmapId, buttons, buttonCount,
                                      buttonWidth, buttonHeight, bitmapWidth, bitmapHeight, buttonSize)
                             : nullptr;
}

// Whether this thread entered the apartment and must leave it. A thread that
// cannot enter it (another kind of apartment) calls the shell as it is.
static bool g_inShellApartment;

static void EnterShellApartment()
{
    if (g_inShellApartment || LoadFromSystemFolder(kComLibrary) == nullptr) {
        return;
    }
    auto enter = LoadedProcedure<EnterApartmentFunction>(kComLibrary, "CoInitializeEx");
    g_inShellApartment = enter != nullptr && SUCCEEDED(enter(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}

void LeaveShellApartment()
{
    auto leave = LoadedProcedure<LeaveApartmentFunction>(kComLibrary, "CoUninitialize");
    if (g_inShellApartment && leave != nullptr) {
        leave();
    }
    g_inShellApartment = false;
}

void OpenWithShell(HWND owner, const wchar_t* file)
{
    if (auto open = SystemProcedure<ShellExecuteFunction>(owner, kShellLibrary, "ShellExecuteW")) {
        EnterShellApartment();
        open(owner, L"open", file, nullptr, nullptr, SW_SHOWNORMAL);
    }
}

ShellResult ExecuteWithShell(SHELLEXECUTEINFOW* request)
{
    auto execute = SystemProcedure<ShellExecuteExFunction>(request->hwnd, kShellLibrary, "ShellExecuteExW");
    if (execute == nullptr) {
        return kShellMissing;
    }
    EnterShellApartment();
    return execute(request) ? kShellDone : kShellFailed;
}

void OperateWithShell(SHFILEOPSTRUCTW* operation)
{
    auto operate = LoadFromSystemFolder(kShellLibrary) != nullptr
        ? LoadedProcedure<ShellFileFunction>(kShellLibrary, "SHFileOperationW") : nullptr;
    if (operate != nullptr) {
        EnterShellApartment();
        operate(operation);
    }
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
