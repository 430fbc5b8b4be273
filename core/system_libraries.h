// The system libraries the program uses beyond kernel32, user32 and gdi32,
// loaded by their full path in the system folder: the common controls at
// start-up (the toolbar and the list), and, the first time a command needs
// one, the shell (applying and deleting a profile, starting the helper,
// opening the manual and the web pages), IP Helper and Windows Sockets (the
// editor's adapter list). A library that cannot be loaded is reported, and
// what needs it goes no further.
#pragma once

#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>
#include <commctrl.h>
#include <iphlpapi.h>
#include <shellapi.h>

extern const wchar_t kIpHelperLibrary[];    // "iphlpapi.dll"
extern const wchar_t kSocketsLibrary[];     // "ws2_32.dll"

// Loads the library unless it is loaded; false, after telling owner, when it
// cannot be.
bool LoadSystemLibrary(HWND owner, const wchar_t* library);

// Loads the common controls and registers their window classes
// (InitCommonControls); a library that cannot be loaded is reported to owner.
void LoadCommonControls(HWND owner);

// CreateToolbarEx, once LoadCommonControls has loaded its library; null before.
HWND CreateToolbarExOnDemand(HWND parent, DWORD style, UINT id, int bitmaps, HINSTANCE bitmapInstance,
                             UINT_PTR bitmapId, LPCTBBUTTON buttons, int buttonCount, int buttonWidth,
                             int buttonHeight, int bitmapWidth, int bitmapHeight, UINT buttonSize);

// The shell's calls below make the calling thread, the window's, a
// single-threaded COM apartment without OLE1 DDE before the first of them,
// as the shell asks of its callers for the handlers it may start; start-up
// pays nothing for it. Left again at the end (LeaveShellApartment).
void LeaveShellApartment();

// ShellExecuteW(owner, "open", file, no parameters, no folder, SW_SHOWNORMAL).
void OpenWithShell(HWND owner, const wchar_t* file);

// ShellExecuteExW; a shell that cannot be loaded is reported to the request's hwnd.
enum ShellResult { kShellDone, kShellFailed, kShellMissing };
ShellResult ExecuteWithShell(SHELLEXECUTEINFOW* request);

// SHFileOperationW. A shell that cannot be loaded does nothing and is not
// reported here: the caller sees what did not happen.
void OperateWithShell(SHFILEOPSTRUCTW* operation);

// GetAdaptersAddresses and inet_ntop, once their libraries are loaded;
// ERROR_MOD_NOT_FOUND and null before.
ULONG WINAPI GetAdaptersAddressesOnDemand(ULONG family, ULONG flags, PVOID reserved,
                                          PIP_ADAPTER_ADDRESSES addresses, PULONG size);
PCSTR InetNtopOnDemand(INT family, const VOID* address, PSTR text, size_t size);
