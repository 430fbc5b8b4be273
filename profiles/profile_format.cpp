#include "profiles/profile_format.h"

#include <stdio.h>
#include <string.h>
#include <wchar.h>

#include "common/text_rules.h"

static bool IsTerminatedWithin(const wchar_t* text, size_t capacity)
{
    for (size_t i = 0; i < capacity; ++i) {
        if (text[i] == L'\0') {
            return true;
        }
    }
    return false;
}

static bool IsTerminatedWithin(const char* text, size_t capacity)
{
    return memchr(text, '\0', capacity) != nullptr;
}

bool ProfileFileName(const AddressProfile& profile, wchar_t (&name)[kProfileFileNameCapacity])
{
    memset(name, 0, sizeof(name));
    if (!IsTerminatedWithin(profile.adapterName, kAdapterNameCapacity)) {
        return false;
    }
    const int* a = profile.address;
    int length = profile.isDhcp
        ? swprintf(name, kProfileFileNameCapacity, L"%ls_auto.bat", profile.adapterName)
        : swprintf(name, kProfileFileNameCapacity, L"%ls_%d_%d_%d_%d.bat",
                   profile.adapterName, a[0], a[1], a[2], a[3]);
    if (length < 0 || length >= kProfileFileNameCapacity) {
        memset(name, 0, sizeof(name));
        return false;
    }
    return true;
}

bool IsProfileFileName(const wchar_t* name)
{
    return NameEndsWith(name, L".bat");
}

int ProfileLine(const AddressProfile& profile, char (&line)[kProfileLineCapacity])
{
    memset(line, 0, sizeof(line));
    if (!IsTerminatedWithin(profile.adapterNameAnsi, kAdapterNameCapacity)) {
        return -1;
    }
    const int* a = profile.address;
    const int* m = profile.mask;
    int length = profile.isDhcp
        ? snprintf(line, kProfileLineCapacity, "netsh interface ip set address \"%s\" dhcp\r\n",
                   profile.adapterNameAnsi)
        : snprintf(line, kProfileLineCapacity,
                   "netsh interface ip set address \"%s\" static %d.%d.%d.%d %d.%d.%d.%d\r\n",
                   profile.adapterNameAnsi, a[0], a[1], a[2], a[3], m[0], m[1], m[2], m[3]);
    if (length < 0 || length >= kProfileLineCapacity) {
        memset(line, 0, sizeof(line));
        return -1;
    }
    return length;
}

namespace {

// A cursor over the data that never leaves it.
struct ProfileScan {
    const char* data;
    size_t end;         // the first zero byte, or the size of the data
    size_t at;
    int octetsTaken;    // -1 until "static" has been met
    bool nameTaken;
};

const int kNoStaticYet = -1;
const int kMaxOctets = 2 * kOctetCount;

} // namespace

static bool ScanAt(const ProfileScan& scan, const char* word, size_t length)
{
    return scan.end - scan.at >= length && memcmp(scan.data + scan.at, word, length) == 0;
}

static bool IsDigit(char byte)
{
    return byte >= '0' && byte <= '9';
}

// The bytes between this quote and the next one are the name. The cursor
// stops on the closing quote. An unclosed quote, or a name too long for the
// profile, leaves the name empty.
static void TakeQuotedName(ProfileScan& scan, AddressProfile& profile)
{
    size_t first = scan.at + 1;
    const void* closing = memchr(scan.data + first, '"', scan.end - first);
    if (closing == nullptr) {
        ++scan.at;
        return;
    }
    size_t closingAt = static_cast<size_t>(static_cast<const char*>(closing) - scan.data);
    size_t length = closingAt - first;
    if (length < kAdapterNameCapacity) {
        memcpy(profile.adapterNameAnsi, scan.data + first, length);
    }
    scan.at = closingAt;
}

static void ScanBeforeStatic(ProfileScan& scan, AddressProfile& profile)
{
    if (ScanAt(scan, "static", 6)) {
        profile.isDhcp = false;
        scan.octetsTaken = 0;
        scan.at += 6;
    } else if (ScanAt(scan, "dhcp", 4)) {
        profile.isDhcp = true;
        scan.at += 4;
    } else if (scan.data[scan.at] == '"' && !scan.nameTaken) {
        // An empty quoted name counts as taken too, so its closing quote is
        // never read as the opening of another name.
        scan.nameTaken = true;
        TakeQuotedName(scan, profile);
    } else {
        ++scan.at;
    }
}

// Reads the run of digits under the cursor as strtol does with a 32-bit
// long: a value too large for it stays at its maximum.
static int ReadDecimal(ProfileScan& scan)
{
    const long long kLargest = 2147483647;
    long long value = 0;
    while (scan.at < scan.end && IsDigit(scan.data[scan.at])) {
        value = value * 10 + (scan.data[scan.at] - '0');
        if (value > kLargest) {
            value = kLargest;
        }
        ++scan.at;
    }
    return static_cast<int>(value);
}

static void ScanAfterStatic(ProfileScan& scan, AddressProfile& profile)
{
    if (!IsDigit(scan.data[scan.at])) {
        ++scan.at;
        return;
    }
    int value = ReadDecimal(scan);
    if (scan.octetsTaken < kOctetCount) {
        profile.address[scan.octetsTaken++] = value;
    } else if (scan.octetsTaken < kMaxOctets) {
        profile.mask[scan.octetsTaken++ - kOctetCount] = value;
    }
}

int ParseProfileText(const char* data, size_t size, AddressProfile& profile)
{
    memset(&profile, 0, sizeof(profile));
    if (data == nullptr || size == 0) {
        return 0;
    }
    const void* zero = memchr(data, '\0', size);
    ProfileScan scan = { data, zero ? static_cast<size_t>(static_cast<const char*>(zero) - data) : size,
                         0, kNoStaticYet, false };
    while (scan.at < scan.end) {
        if (scan.octetsTaken == kNoStaticYet) {
            ScanBeforeStatic(scan, profile);
        } else {
            ScanAfterStatic(scan, profile);
        }
    }
    return scan.octetsTaken == kNoStaticYet ? 0 : scan.octetsTaken;
}

bool ParseOctetText(const wchar_t* text, int* value)
{
    const int kMaxDigits = 3;
    const int kMaxOctet = 255;
    int digits = 0;
    int number = 0;
    for (; digits < kMaxDigits && text[digits] >= L'0' && text[digits] <= L'9'; ++digits) {
        number = number * 10 + (text[digits] - L'0');
    }
    if (digits == 0 || text[digits] != L'\0' || number > kMaxOctet) {
        return false;
    }
    *value = number;
    return true;
}

static bool IsCommandBreaker(wchar_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == L'"' || c == L'%';
}

static bool IsPathBreaker(wchar_t c)
{
    return wcschr(L"\\/:*?<>|", c) != nullptr;
}

// "." and ".." are kept out with the path characters: a name that reads as a
// folder reference has no place in a path, whatever the file name adds to it.
static bool IsFolderName(const wchar_t* name, size_t length)
{
    return (length == 1 && name[0] == L'.') || (length == 2 && name[0] == L'.' && name[1] == L'.');
}

AdapterNameVerdict CheckAdapterName(const wchar_t* name, size_t length)
{
    if (length == 0) {
        return kAdapterNameMissing;
    }
    if (length >= kAdapterNameCapacity) {
        return kAdapterNameTooLong;
    }
    for (size_t i = 0; i < length; ++i) {
        if (IsCommandBreaker(name[i])) {
            return kAdapterNameBreaksCommand;
        }
        if (IsPathBreaker(name[i])) {
            return kAdapterNameBreaksPath;
        }
    }
    return IsFolderName(name, length) ? kAdapterNameBreaksPath : kAdapterNameSound;
}
