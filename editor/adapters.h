// The machine's network adapters, listed by friendly name in the editor's
// list box.
#pragma once

#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>
#include <iphlpapi.h>

// GetAdaptersAddresses, unless a test puts a stand-in of the same shape here.
typedef ULONG (WINAPI *AdapterSource)(ULONG family, ULONG flags, PVOID reserved,
                                      PIP_ADAPTER_ADDRESSES addresses, PULONG size);
extern AdapterSource g_adapterSource;

// Empties the adapter list box (IDC_EDITOR_ADAPTERS) and fills it in the order of the system's adapter
// chain, without Wi-Fi Direct and loopback adapters. When the system gives no
// adapters, or its libraries cannot be loaded (which is reported), the list
// stays empty and the editor goes on.
void EnumerateAdapters(HWND dialog);
