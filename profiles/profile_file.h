// Writing and reading one profile file in <base>\ipaddress\, and the adapter
// name's conversion between UTF-16 and the program's code page, the system's
// ANSI code page (common/code_page_text.h).
#pragma once

#include <windows.h>

#include <stddef.h>

#include "profiles/profile_format.h"

// Fills profile.adapterNameAnsi from the UTF-16 name in the ANSI code page.
// Refused: a name that needs more than 255 bytes, and one that would not read
// back exactly (a substitute character) in the ANSI code page or in the OEM
// code page in which cmd.exe reads a batch file.
AdapterNameVerdict EncodeAdapterName(AddressProfile& profile, UINT ansiCodePage, UINT oemCodePage);

// The same in the program's code page and the system's OEM code page.
AdapterNameVerdict ConvertAdapterNameToAnsi(AddressProfile& profile);

// Creates or replaces the profile's file. False, after telling owner why,
// when it could not; an existing file is then left as it was.
bool WriteProfileFile(HWND owner, const AddressProfile& profile);

// Reads the file named by the first `length` characters of fileName. False
// when it cannot be opened or read (after the message); otherwise the scanned values
// and how many of the eight octets the file holds.
bool ReadProfileFile(HWND owner, const wchar_t* fileName, size_t length,
                     AddressProfile& profile, int& octetsFound);
