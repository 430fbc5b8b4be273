#include "editor/adapters.h"

#include <strsafe.h>

#include "common/code_page_text.h"
#include "core/system_libraries.h"
#include "editor/adapter_rules.h"
#include "res/resource.h"

AdapterSource g_adapterSource = GetAdaptersAddressesOnDemand;

enum {
    // An adapter that appears between the size query and the call that fills
    // the block makes the block too small; the system then says the new size.
    kAdapterFillAttempts = 4,
    kAdapterTextCapacity = 512,
    kAddressTextCapacity = 1025,
};

// The adapter chain in a heap block that the caller frees, or null when there
// are no adapters or the system would not give them.
static IP_ADAPTER_ADDRESSES* QueryAdapters()
{
    const ULONG kFlags = GAA_FLAG_INCLUDE_PREFIX;
    ULONG size = 0;
    ULONG result = g_adapterSource(AF_UNSPEC, kFlags, nullptr, nullptr, &size);
    for (int attempt = 0; attempt < kAdapterFillAttempts && result == ERROR_BUFFER_OVERFLOW; ++attempt) {
        void* block = HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size);
        if (block == nullptr) {
            return nullptr;
        }
        IP_ADAPTER_ADDRESSES* adapters = static_cast<IP_ADAPTER_ADDRESSES*>(block);
        result = g_adapterSource(AF_UNSPEC, kFlags, nullptr, adapters, &size);
        if (result == NO_ERROR) {
            return adapters;
        }
        HeapFree(GetProcessHeap(), 0, block);
    }
    return nullptr;
}

// The bytes of an IPv4 or IPv6 socket address, or null for any other family.
static const void* InternetAddressBytes(const SOCKADDR* address)
{
    if (address == nullptr) {
        return nullptr;
    }
    if (address->sa_family == AF_INET) {
        return &reinterpret_cast<const SOCKADDR_IN*>(address)->sin_addr;
    }
    if (address->sa_family == AF_INET6) {
        return &reinterpret_cast<const SOCKADDR_IN6*>(address)->sin6_addr;
    }
    return nullptr;
}

// The text of the adapter's last IPv4 or IPv6 address, whichever family it
// is; empty for an adapter without one, never an earlier adapter's.
static void LastAddressText(const IP_ADAPTER_ADDRESSES& adapter, wchar_t (&text)[kAddressTextCapacity])
{
    ZeroMemory(text, sizeof(text));
    for (const IP_ADAPTER_UNICAST_ADDRESS* unicast = adapter.FirstUnicastAddress; unicast != nullptr;
         unicast = unicast->Next) {
        const SOCKADDR* address = unicast->Address.lpSockaddr;
        const void* bytes = InternetAddressBytes(address);
        char narrow[kAddressTextCapacity] = {};
        if (bytes == nullptr || InetNtopOnDemand(address->sa_family, bytes, narrow, sizeof(narrow)) == nullptr) {
            continue;
        }
        DecodeCodePageText(ProgramCodePage(), narrow, text, kAddressTextCapacity);
    }
}

// An adapter without a friendly name, or with one too long to work with,
// cannot be chosen for a profile and is left out.
static bool IsListedAdapter(const IP_ADAPTER_ADDRESSES& adapter)
{
    size_t nameLength = 0;
    if (FAILED(StringCchLengthW(adapter.FriendlyName, kAdapterTextCapacity, &nameLength))
        || nameLength == 0
        || IsWifiDirectDescription(adapter.Description)) {
        return false;
    }
    wchar_t address[kAddressTextCapacity];
    LastAddressText(adapter, address);
    return !IsLoopbackAddressText(address);
}

void EnumerateAdapters(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_EDITOR_ADAPTERS);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    if (!LoadSystemLibrary(dialog, kIpHelperLibrary) || !LoadSystemLibrary(dialog, kSocketsLibrary)) {
        return;
    }
    IP_ADAPTER_ADDRESSES* adapters = QueryAdapters();
    for (const IP_ADAPTER_ADDRESSES* adapter = adapters; adapter != nullptr; adapter = adapter->Next) {
        if (IsListedAdapter(*adapter)) {
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(adapter->FriendlyName));
        }
    }
    if (adapters != nullptr) {
        HeapFree(GetProcessHeap(), 0, adapters);
    }
}
