// The system libraries that only some commands need, loaded from the system
// folder the first time a command needs one instead of at start-up: the
// shell (applying and deleting a profile, starting the helper, opening the
// manual and the web pages), IP Helper and Windows Sockets (the editor's adapter list). A
// library that cannot be loaded is reported, and the command goes no further.
#pragma once

#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>
#include <iphlpapi.h>
#include <shellapi.h>

extern const wchar_t kIpHelperLibrary[];    // "iphlpapi.dll"
extern const wchar_t kSocketsLibrary[];     // "ws2_32.dll"

// Loads the library unless it is loaded; false, after telling owner, when it
// cannot be.
bool LoadSystemLibrary(HWND owner, const wchar_t* library);

// ShellExecuteW(owner, "open", file, no parameters, no folder, SW_SHOWNORMAL).
void OpenWithShell(HWND owner, const wchar_t* file);

// ShellExecuteExW; a shell that cannot be loaded is reported to the request's hwnd.
enum ShellResult { kShellDone, kShellFailed, kShellMissing };
ShellResult ExecuteWithShell(SHELLEXECUTEINFOW* request);

// SHFileOperationW; done only when it succeeded and nothing was aborted. A
// shell that cannot be loaded is not reported here: the caller says what did
// not happen.
ShellResult OperateWithShell(SHFILEOPSTRUCTW* operation);

// GetAdaptersAddresses and inet_ntop, once their libraries are loaded;
// ERROR_MOD_NOT_FOUND and null before.
ULONG WINAPI GetAdaptersAddressesOnDemand(ULONG family, ULONG flags, PVOID reserved,
                                          PIP_ADAPTER_ADDRESSES addresses, PULONG size);
PCSTR InetNtopOnDemand(INT family, const VOID* address, PSTR text, size_t size);
