// Writing and reading one profile file in <base>\ipaddress\, and the adapter
// name's conversion between UTF-16 and the thread's ANSI code page.
#pragma once

#include <windows.h>

#include <stddef.h>

#include "profiles/profile_format.h"

// Fills profile.adapterNameAnsi from the UTF-16 name. A name the code page
// cannot hold exactly (it would come back with a substitute character) or
// that needs more than 255 bytes is refused.
AdapterNameVerdict ConvertAdapterNameToAnsi(AddressProfile& profile);

// Creates or replaces the profile's file; failures are shown to owner.
void WriteProfileFile(HWND owner, const AddressProfile& profile);

// Reads the file named by the first `length` characters of fileName. False
// when it cannot be opened (after the message); otherwise the scanned values
// and how many of the eight octets the file holds.
bool ReadProfileFile(HWND owner, const wchar_t* fileName, size_t length,
                     AddressProfile& profile, int& octetsFound);
