// The rules that need no window, built natively with the sanitizers and
// driven by libFuzzer: no input may crash them, overflow, or break the
// properties checked here. Each input picks one rule by its first byte.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <iterator>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "common/ini_rules.h"
#include "common/screen_rules.h"
#include "editor/adapter_rules.h"
#include "handoff/helper_numbers.h"
#include "handoff/helper_text.h"
#include "helper/helper_rules.h"
#include "settings/typed_number.h"
#include "profiles/profile_format.h"

#define REQUIRE(condition) ((condition) ? (void)0 : (std::fprintf(stderr, "broken: %s\n", #condition), std::abort()))

// UTF-16 units as Windows has them, whatever the width of wchar_t here.
static std::wstring Units(FuzzedDataProvider& input, size_t most)
{
    std::wstring text(input.ConsumeIntegralInRange<size_t>(0, most), L'\0');
    for (wchar_t& unit : text) {
        unit = static_cast<wchar_t>(input.ConsumeIntegralInRange<int>(1, input.ConsumeBool() ? 0x7E : 0xFFFF));
    }
    return text;
}

// Any bytes scan within bounds, and a line written from what they gave scans back to the same values.
static void ScanAndWriteBack(FuzzedDataProvider& input)
{
    std::string bytes = input.ConsumeRandomLengthString(600);
    AddressProfile first, second;
    int found = ParseProfileText(bytes.data(), bytes.size(), first);
    size_t name = strnlen(first.adapterNameAnsi, kAdapterNameCapacity);
    REQUIRE(found >= 0 && found <= 2 * kOctetCount && name < kAdapterNameCapacity);
    REQUIRE(memchr(first.adapterNameAnsi, '"', name) == nullptr);
    char line[kProfileLineCapacity];
    int length = ProfileLine(first, line);
    if (length > 0) {
        ParseProfileText(line, static_cast<size_t>(length), second);
        REQUIRE(strcmp(first.adapterNameAnsi, second.adapterNameAnsi) == 0 && first.isDhcp == second.isDhcp);
        REQUIRE(!memcmp(first.address, second.address, sizeof(first.address)) && !memcmp(first.mask, second.mask, sizeof(first.mask)));
    }
}

// An accepted name gives one netsh line with two quotes and CR LF, and a file name that stays in its folder.
static void AcceptedNameMakesOneLine(FuzzedDataProvider& input)
{
    std::wstring name = Units(input, 300);
    AddressProfile profile = {};
    if (CheckAdapterName(name.c_str(), name.size()) != kAdapterNameSound) {
        return;
    }
    for (size_t i = 0; i < name.size(); ++i) {
        if (name[i] > 0xFF) {
            return;   // one byte per unit, as a single-byte code page gives it
        }
        profile.adapterName[i] = name[i];
        profile.adapterNameAnsi[i] = static_cast<char>(name[i]);
    }
    profile.isDhcp = input.ConsumeBool();
    for (int i = 0; i < kOctetCount; ++i) {
        profile.address[i] = input.ConsumeIntegral<int>();
        profile.mask[i] = input.ConsumeIntegral<int>();
    }
    char line[kProfileLineCapacity];
    int length = ProfileLine(profile, line);
    std::string text(line, static_cast<size_t>(std::max(length, 0)));
    REQUIRE(length < 0 || (text.rfind("netsh interface ip set address \"", 0) == 0 && std::count(text.begin(), text.end(), '"') == 2));
    REQUIRE(length < 0 || (text.find_first_of("\r\n") == text.size() - 2 && text.compare(text.size() - 2, 2, "\r\n") == 0));
    wchar_t fileName[kProfileFileNameCapacity];
    REQUIRE(!ProfileFileName(profile, fileName) || wcspbrk(fileName, L"\\/:*?<>|\"") == nullptr);
}

static void PlacesAndNumbersStayBounded(FuzzedDataProvider& input)
{
    long long position = input.ConsumeIntegral<long long>();
    int size = input.ConsumeIntegral<int>(), start = input.ConsumeIntegral<int>(), end = input.ConsumeIntegral<int>();
    int placed = ClampToSpan(position, size, start, end);
    bool fits = start <= end && size >= 0 && static_cast<long long>(end) - start >= size;
    REQUIRE(!fits || (placed >= start && placed <= static_cast<long long>(end) - size));
    int remaining = RemainingSeconds(input.ConsumeIntegral<long long>());
    REQUIRE(remaining >= 0 && remaining <= kHelperMaxTime / 1000);
    std::wstring text = Units(input, 40);
    int time = ReadHelperTime(text.c_str(), input.ConsumeIntegralInRange<int>(0, kHelperMaxTime));
    REQUIRE(time >= 0 && time <= kHelperMaxTime);
    ReadHelperPosition(text.c_str());
    HelperPlan plan = { input.ConsumeIntegral<int>(), input.ConsumeIntegral<int>(), input.ConsumeBool(), input.ConsumeBool() };
    HelperStage stage = FirstHelperStage(plan);
    for (int step = 0; step < 2 && stage != kStageDone; ++step, stage = NextHelperStage(plan, stage)) {
        REQUIRE(HelperStageTime(plan, stage) > 0);
    }
    REQUIRE(stage == kStageDone);
}

// A typed number is taken exactly when it is blanks, an optional minus sign, digits and blanks, in range.
static void TypedNumbersAreWholeNumbersInRange(FuzzedDataProvider& input)
{
    std::wstring text;
    for (size_t i = input.ConsumeIntegralInRange<size_t>(0, 16); i > 0; --i) {
        text += L" \t\n-+0123456789x\xFF15"[input.ConsumeIntegralInRange<size_t>(0, 16)];
    }
    int low = input.ConsumeIntegral<int>(), high = input.ConsumeIntegral<int>(), read = 7;
    size_t first = text.find_first_not_of(L" \t"), last = text.find_last_not_of(L" \t");
    std::wstring core = first == std::wstring::npos ? L"" : text.substr(first, last - first + 1);
    bool negative = !core.empty() && core[0] == L'-';
    std::wstring digits = negative ? core.substr(1) : core;
    bool whole = !digits.empty() && digits.find_first_not_of(L"0123456789") == std::wstring::npos;
    std::wstring significant = whole ? digits.substr(std::min(digits.find_first_not_of(L'0'), digits.size())) : L"";
    bool fits = whole && significant.size() <= 10;
    long long wanted = fits && !significant.empty() ? std::stoll(significant) * (negative ? -1 : 1) : 0;
    bool taken = ParseTypedNumber(text.c_str(), low, high, &read);
    REQUIRE(taken == (fits && wanted >= low && wanted <= high));
    REQUIRE(taken ? read == wanted : read == 7);
}

// Any text reads within bounds. The ID or password is stored quoted only when it begins or ends with what the
// reader drops, and refused only when it does not fit; setting keys to what was stored makes each read back as
// it was typed, leaves the text before its section as it was, and needs exactly the length it reports.
static void HelperTextsReadBackAsSet(FuzzedDataProvider& input)
{
    const wchar_t kUnits[] = L"[]= \t\r\n\"';\x1a\0SsEeTtIiNnGgmoxk_5\xE9";
    std::wstring text(input.ConsumeIntegralInRange<size_t>(0, 200), L' ');
    for (wchar_t& unit : text) {
        unit = kUnits[input.ConsumeIntegralInRange<size_t>(0, std::size(kUnits) - 2)];
    }
    const wchar_t* const keys[] = { L"mox", L"k", L"moto_x" };
    std::wstring values[3];
    wchar_t stored[3][kHelperTextCapacity + 2];
    IniEntry entries[3];
    size_t count = input.ConsumeIntegralInRange<size_t>(0, 3);
    auto dropped = [](wchar_t end) { return end <= L' ' || end == L'"' || end == L'\''; };
    for (size_t i = 0; i < count; ++i) {
        std::wstring& value = values[i] = Units(input, 300);
        value.erase(std::remove_if(value.begin(), value.end(), [](wchar_t unit) { return unit == L'\r' || unit == L'\n'; }),
                    value.end());   // the settings dialog takes no line breaks
        size_t capacity = input.ConsumeIntegralInRange<size_t>(1, kHelperTextCapacity + 2);
        bool plain = value.empty() || (!dropped(value.front()) && !dropped(value.back()));
        bool fits = FormatStoredHelperText(value.c_str(), stored[i], capacity);
        REQUIRE(fits == (value.size() + (plain ? 0 : 2) < capacity) && (!fits || !plain || stored[i] == value));
        REQUIRE(!IsLoopbackAddressText(value.c_str()) || value.rfind(L"127.0.0.1", 0) == 0);
        IsWifiDirectDescription(value.c_str());
        value = fits ? value : L"";
        entries[i] = { keys[i], stored[i] };
    }
    IniSpan before = { text.data(), text.size() };
    IniSpan found;
    wchar_t copied[8];
    if (FindIniValue(before, L"Setting", L"k", &found)) {
        REQUIRE(found.start >= text.data() && found.start + found.length <= text.data() + text.size());
        REQUIRE(CopyIniValue(found, copied, std::size(copied)) < std::size(copied));
        IniValueNumber(found, 0);
    }
    // The runs an edit keeps come in order and start and end only at the text's ends or next to a line break,
    // so that a file decoded line by line keeps the very bytes of each.
    struct KeptRuns { const std::wstring* text; size_t last; } kept = { &text, 0 };
    auto keep = [](void* context, size_t start, size_t end) {
        KeptRuns& runs = *static_cast<KeptRuns*>(context);
        const std::wstring& t = *runs.text;
        auto atBreak = [&t](size_t at) {
            return at == 0 || at == t.size() || t[at - 1] == L'\r' || t[at - 1] == L'\n' || t[at] == L'\r' || t[at] == L'\n';
        };
        REQUIRE(runs.last <= start && start < end && end <= t.size() && atBreak(start) && atBreak(end));
        runs.last = end;
    };
    EditIniPieces(before, L"Setting", entries, count, { keep, [](void*, const wchar_t*, size_t) {}, &kept });
    std::wstring after(EditIniText(before, L"Setting", entries, count, nullptr, 0), L'\0');
    REQUIRE(EditIniText(before, L"Setting", entries, count, &after[0], after.size()) == after.size());
    IniSpan edited = { after.data(), after.size() };
    for (size_t i = 0; i < count; ++i) {
        wchar_t read[kHelperTextCapacity + 2] = {};
        REQUIRE(FindIniValue(edited, L"Setting", keys[i], &found));
        REQUIRE(CopyIniValue(found, read, std::size(read)) == values[i].size() && values[i] == read);
    }
    size_t header = text.find(L"[");
    REQUIRE(count == 0 || after.compare(0, header == std::wstring::npos ? 0 : header, text, 0, header == std::wstring::npos ? 0 : header) == 0);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    void (*const rules[])(FuzzedDataProvider&) = { ScanAndWriteBack, AcceptedNameMakesOneLine, PlacesAndNumbersStayBounded,
                                                   HelperTextsReadBackAsSet, TypedNumbersAreWholeNumbersInRange };
    rules[input.ConsumeIntegralInRange<size_t>(0, std::size(rules) - 1)](input);
    return 0;
}
