// Which adapters the editor leaves out of its list. No window code here.
#pragma once

// Wi-Fi Direct virtual adapters: the description begins with
// "Microsoft Wi-Fi Direct", ASCII letters in any case.
bool IsWifiDirectDescription(const wchar_t* description);

// The adapter's last address begins with "127.0.0.1" (so 127.0.0.10 too).
bool IsLoopbackAddressText(const wchar_t* address);
