// One address profile: its values, the file name and the netsh line built
// from them, the scanner that reads the values back, and the rules an adapter
// name must meet to make a sound profile. No window code here, so that all of
// it can be tested and fuzzed on its own.
#pragma once

#include <stddef.h>

enum {
    kAdapterNameCapacity = 256,       // 255 characters (or ANSI bytes) and the terminator
    kProfileFileNameCapacity = 256,   // 255 characters and the terminator
    kProfileLineCapacity = 256,       // 255 bytes and the terminator
    kProfileReadSize = 260,           // a profile file is only ever seen this far
    kOctetCount = 4,
};

struct AddressProfile {
    wchar_t adapterName[kAdapterNameCapacity];
    char adapterNameAnsi[kAdapterNameCapacity];   // adapterName in the system's ANSI code page
    bool isDhcp;
    int address[kOctetCount];
    int mask[kOctetCount];
};

// "<name>_auto.bat" or "<name>_<a0>_<a1>_<a2>_<a3>.bat". False, with an empty
// name, when it would not fit.
bool ProfileFileName(const AddressProfile& profile, wchar_t (&name)[kProfileFileNameCapacity]);

// The file's one netsh line with its CR LF, without a terminator in the
// count. Returns the length in bytes, or -1 (and an empty line) when it would
// not fit.
int ProfileLine(const AddressProfile& profile, char (&line)[kProfileLineCapacity]);

// A file of the profile folder is a profile when its own name ends in
// ".bat", A-Z folded. The folder's search for "*.bat" also finds a file whose
// 8.3 short name ends so ("x.batch" is "X~1.BAT"), which is none.
bool IsProfileFileName(const wchar_t* name);

// Scans the first `size` bytes of data (up to a zero byte) for the keywords,
// the quoted adapter name and the octets after "static". Fills
// adapterNameAnsi with the name's raw bytes and leaves adapterName empty: the
// caller decodes it in its code page. Anything not found stays zero, false or
// empty. Returns how many of the eight octets were found.
int ParseProfileText(const char* data, size_t size, AddressProfile& profile);

// An octet as the editor takes it: one to three ASCII digits with a value
// from 0 to 255. False for anything else (signs, blanks, 1921, 256).
bool ParseOctetText(const wchar_t* text, int* value);

// Why an adapter name cannot make a sound profile, or that it can.
enum AdapterNameVerdict {
    kAdapterNameSound,
    kAdapterNameMissing,           // no name at all
    kAdapterNameTooLong,           // does not fit the name, line or path buffers
    kAdapterNameBreaksCommand,     // " % or a control character
    kAdapterNameBreaksPath,        // \ / : * ? < > |, or "." or ".."
    kAdapterNameNotInCodePage,     // the system's code pages cannot hold it
};

// The rules that need no code page: length in UTF-16 units, characters, and
// names that stand for folders. A name longer than 255 units is too long.
AdapterNameVerdict CheckAdapterName(const wchar_t* name, size_t length);
