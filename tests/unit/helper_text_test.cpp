#include <gtest/gtest.h>

#include <string>

#include "handoff/helper_text.h"

// The stored form is what GetPrivateProfileStringW turns back into the value.
TEST(FormatStoredHelperText, QuotesOnlyValuesTheReaderWouldChangeAndNeverCuts)
{
    const std::wstring x253(253, L'x');
    const struct {
        std::wstring value;
        size_t capacity;
        bool fits;
        std::wstring stored;
    } cases[] = {
        { L"", 8, true, L"" },
        { L"a b\"c'd", 16, true, L"a b\"c'd" },             // inside the value nothing is dropped
        { L"\x3000\xAC00\x20AC\xE9\x3000", 8, true, L"\x3000\xAC00\x20AC\xE9\x3000" },
        { L" lead", 16, true, L"\" lead\"" },
        { L"trail\t", 16, true, L"\"trail\t\"" },
        { L"\x1A" L"eof", 16, true, L"\"\x1A" L"eof\"" },
        { L"\"both\"", 16, true, L"\"\"both\"\"" },
        { L"\"", 8, true, L"\"\"\"" },
        { L"'single'", 16, true, L"\"'single'\"" },
        { L"ends'", 16, true, L"\"ends'\"" },
        { L" " + x253.substr(1), 256, true, L"\" " + x253.substr(1) + L"\"" },
        { L" " + x253.substr(1), 255, false, L"" },
        { x253 + L"xx", 256, true, x253 + L"xx" },
        { x253 + L"xxx", 256, false, L"" },
    };
    for (const auto& c : cases) {
        wchar_t stored[300];
        stored[0] = L'?';
        EXPECT_EQ(FormatStoredHelperText(c.value.c_str(), stored, c.capacity), c.fits)
            << ::testing::PrintToString(c.value);
        EXPECT_EQ(std::wstring(stored), c.stored) << ::testing::PrintToString(c.value);
    }
}
