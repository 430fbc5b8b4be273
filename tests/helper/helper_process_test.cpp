// dunmere.exe started as its own process in a temporary folder: what it puts
// on the clipboard, when, and what it leaves there.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/process_runner.h"
#include "support/temp_dir.h"

namespace {

const wchar_t kHelperTitle[] = L"dunmere";
const wchar_t kNoText[] = L"<no text>";

// While the test owns the clipboard, a program that empties it sends the
// test's window WM_DESTROYCLIPBOARD and waits for the answer.
void PumpMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
    }
}

// The clipboard's text, or kNoText when it holds none.
std::wstring ClipboardText()
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (OpenClipboard(nullptr)) {
            std::wstring text = kNoText;
            HANDLE data = GetClipboardData(CF_UNICODETEXT);
            const wchar_t* chars = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
            if (chars != nullptr) {
                text = chars;
                GlobalUnlock(data);
            }
            CloseClipboard();
            return text;
        }
        PumpMessages();
        Sleep(10);
    }
    ADD_FAILURE() << "the clipboard could not be opened";
    return kNoText;
}

// Tick count at which the clipboard first held the text; 0 on timeout.
ULONGLONG WaitForClipboard(const std::wstring& expected, DWORD timeoutMs)
{
    ULONGLONG start = GetTickCount64();
    while (GetTickCount64() - start < timeoutMs) {
        if (ClipboardText() == expected) {
            return GetTickCount64();
        }
        PumpMessages();
        Sleep(5);
    }
    return 0;
}

// A window of the test's own, so the test can own the clipboard as another
// program would.
class ClipboardUser {
public:
    ClipboardUser()
        : window_(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr)) {}
    ~ClipboardUser() { DestroyWindow(window_); }

    void Put(const std::wstring& text)
    {
        ASSERT_TRUE(OpenClipboard(window_));
        EmptyClipboard();
        if (!text.empty()) {
            size_t size = (text.size() + 1) * sizeof(wchar_t);
            HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
            memcpy(GlobalLock(memory), text.c_str(), size);
            GlobalUnlock(memory);
            SetClipboardData(CF_UNICODETEXT, memory);
        }
        CloseClipboard();
    }

private:
    HWND window_;
};

// A DWORD stored in a registered clipboard format; -1 when it is absent.
long long ClipboardFlag(const wchar_t* formatName)
{
    UINT format = RegisterClipboardFormatW(formatName);
    long long value = -1;
    if (OpenClipboard(nullptr)) {
        HANDLE data = GetClipboardData(format);
        const DWORD* flag = data ? static_cast<const DWORD*>(GlobalLock(data)) : nullptr;
        if (flag != nullptr) {
            value = GlobalSize(data) >= sizeof(DWORD) ? *flag : -2;
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    return value;
}

class HelperProcessTest : public ::testing::Test {
protected:
    void SetUp() override { clipboard.Put(L""); }

    // dunmere.ini in the folder, written as KORVATEL writes it.
    static void WriteHelperFile(const TempDir& folder, int x, int y, int idTime, int pwTime,
                                const wchar_t* id, const wchar_t* password)
    {
        std::wstring path = folder / L"dunmere.ini";
        WriteNumber(L"moto_x", x, path);
        WriteNumber(L"moto_y", y, path);
        WriteNumber(L"id_time", idTime, path);
        WriteNumber(L"pw_time", pwTime, path);
        WritePrivateProfileStringW(L"Setting", L"id_wcs", id, path.c_str());
        WritePrivateProfileStringW(L"Setting", L"pw_wcs", password, path.c_str());
    }

    static void WriteNumber(const wchar_t* key, int value, const std::wstring& path)
    {
        WritePrivateProfileStringW(L"Setting", key, std::to_wstring(value).c_str(), path.c_str());
    }

    static void StartHelper(ProgramProcess& helper, const TempDir& folder)
    {
        ASSERT_TRUE(helper.Start(BuiltProgramPath(L"dunmere.exe"), folder.path()));
    }

    static DWORD ExitCode(ProgramProcess& helper, DWORD timeoutMs)
    {
        DWORD code = 12345;
        EXPECT_TRUE(helper.WaitForExit(timeoutMs, &code)) << "the helper did not end";
        return code;
    }

    // Every distinct clipboard text seen, in order, until the helper ends.
    static std::vector<std::wstring> WatchUntilExit(ProgramProcess& helper, DWORD timeoutMs)
    {
        std::vector<std::wstring> seen;
        ULONGLONG start = GetTickCount64();
        DWORD code = 0;
        while (!helper.WaitForExit(0, &code) && GetTickCount64() - start < timeoutMs) {
            std::wstring text = ClipboardText();
            if (seen.empty() || seen.back() != text) {
                seen.push_back(text);
            }
            PumpMessages();
            Sleep(5);
        }
        std::wstring last = ClipboardText();
        if (seen.empty() || seen.back() != last) {
            seen.push_back(last);
        }
        return seen;
    }

    static RECT WindowRect(HWND window)
    {
        RECT rect = {};
        GetWindowRect(window, &rect);
        return rect;
    }

    ClipboardUser clipboard;
};

} // namespace

TEST_F(HelperProcessTest, HandsOnTheIdThenThePasswordAndEmptiesTheClipboard)
{
    TempDir folder;
    WriteHelperFile(folder, 40, 50, 1000, 1000, L"admin-ユーザー", L"p@ss word");
    ProgramProcess helper;
    StartHelper(helper, folder);

    ULONGLONG idShown = WaitForClipboard(L"admin-ユーザー", 20000);
    ASSERT_NE(idShown, 0u) << "the ID never reached the clipboard";
    EXPECT_EQ(ClipboardFlag(L"CanIncludeInClipboardHistory"), 0);
    EXPECT_EQ(ClipboardFlag(L"CanUploadToCloudClipboard"), 0);
    EXPECT_GE(ClipboardFlag(L"ExcludeClipboardContentFromMonitorProcessing"), 0);

    HWND window = helper.WaitForWindow(kHelperTitle, 2000);
    ASSERT_NE(window, nullptr);
    RECT rect = WindowRect(window);
    EXPECT_EQ(rect.left, 40);
    EXPECT_EQ(rect.top, 50);
    EXPECT_EQ(rect.right - rect.left, 126);
    EXPECT_EQ(rect.bottom - rect.top, 68);
    EXPECT_NE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

    ULONGLONG passwordShown = WaitForClipboard(L"p@ss word", 5000);
    ASSERT_NE(passwordShown, 0u) << "the password never replaced the ID";
    EXPECT_EQ(ClipboardFlag(L"CanIncludeInClipboardHistory"), 0);
    EXPECT_EQ(ExitCode(helper, 5000), 0u);
    ULONGLONG ended = GetTickCount64();
    EXPECT_EQ(ClipboardText(), kNoText);

    long long idMs = static_cast<long long>(passwordShown - idShown);
    long long passwordMs = static_cast<long long>(ended - passwordShown);
    std::printf("[ timing   ] ID on the clipboard %lld ms, password %lld ms (both set to 1000)\n", idMs, passwordMs);
    EXPECT_GE(idMs, 900);
    EXPECT_LE(idMs, 2000);
    EXPECT_GE(passwordMs, 900);
    EXPECT_LE(passwordMs, 2000);
}

TEST_F(HelperProcessTest, LeavesTextThatAnotherProgramPutThereMeanwhile)
{
    TempDir folder;
    WriteHelperFile(folder, 0, 0, 300, 1000, L"id", L"pw");
    ProgramProcess helper;
    StartHelper(helper, folder);
    ASSERT_NE(WaitForClipboard(L"pw", 20000), 0u);
    clipboard.Put(L"copied by the user");
    EXPECT_EQ(ExitCode(helper, 5000), 0u);
    EXPECT_EQ(ClipboardText(), L"copied by the user");
}

TEST_F(HelperProcessTest, ANewStartReplacesTheRunningHelper)
{
    TempDir first;
    WriteHelperFile(first, 0, 0, 30000, 30000, L"first-id", L"first-pw");
    ProgramProcess firstHelper;
    StartHelper(firstHelper, first);
    ASSERT_NE(WaitForClipboard(L"first-id", 20000), 0u);

    TempDir second;
    WriteHelperFile(second, 0, 0, 30000, 30000, L"second-id", L"second-pw");
    ProgramProcess secondHelper;
    StartHelper(secondHelper, second);
    EXPECT_EQ(ExitCode(firstHelper, 10000), 0u);
    ASSERT_NE(WaitForClipboard(L"second-id", 10000), 0u);
    EXPECT_NE(secondHelper.WaitForWindow(kHelperTitle, 2000), nullptr);

    // A start with nothing to hand on still ends the running helper, which
    // empties its text on the way out.
    TempDir third;
    WriteHelperFile(third, 0, 0, 30000, 30000, L"", L"");
    ProgramProcess thirdHelper;
    StartHelper(thirdHelper, third);
    EXPECT_EQ(ExitCode(secondHelper, 10000), 0u);
    EXPECT_EQ(ExitCode(thirdHelper, 10000), 0u);
    EXPECT_EQ(ClipboardText(), kNoText);
}

TEST_F(HelperProcessTest, AMissingOrBrokenFileGivesTheDefaults)
{
    for (bool broken : { false, true }) {
        SCOPED_TRACE(broken ? "broken file" : "no file");
        TempDir folder;
        if (broken) {
            WriteBytes(folder / L"dunmere.ini", std::string("\xff\xfe\x00[Set\r\nid_time==\x81\r\n[\r\n\0\0", 24));
        }
        ProgramProcess helper;
        StartHelper(helper, folder);
        ASSERT_NE(WaitForClipboard(L"ID", 20000), 0u);
        HWND window = helper.WaitForWindow(kHelperTitle, 2000);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(WindowRect(window).left, 0);
        EXPECT_EQ(WindowRect(window).top, 0);

        PostMessageW(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(ExitCode(helper, 5000), 0u);
        EXPECT_EQ(ClipboardText(), kNoText);
    }
}

// An ID too long to be read whole is skipped rather than handed on cut.
TEST_F(HelperProcessTest, SkipsAnEmptyOrOverlongIdAndANegativeTimeAndStaysOnTheScreen)
{
    struct Case {
        std::wstring id;
        int idTime;
    };
    for (const Case& c : { Case{ L"", 5000 }, Case{ L"some-id", -5 }, Case{ std::wstring(300, L'x'), 5000 } }) {
        SCOPED_TRACE(testing::PrintToString(c.id.substr(0, 10)));
        TempDir folder;
        WriteHelperFile(folder, 99999, -4000, c.idTime, 600, c.id.c_str(), L"secret");
        ProgramProcess helper;
        StartHelper(helper, folder);
        ASSERT_NE(WaitForClipboard(L"secret", 20000), 0u);
        HWND window = helper.WaitForWindow(kHelperTitle, 2000);
        ASSERT_NE(window, nullptr);
        RECT rect = WindowRect(window);
        EXPECT_EQ(rect.right, GetSystemMetrics(SM_CXSCREEN));
        EXPECT_EQ(rect.top, 0);

        std::vector<std::wstring> seen = WatchUntilExit(helper, 5000);
        EXPECT_EQ(seen, (std::vector<std::wstring>{ L"secret", kNoText }));
    }
}

TEST_F(HelperProcessTest, EndsAtOnceWithNothingToHandOn)
{
    TempDir folder;
    WriteHelperFile(folder, 0, 0, 0, 0, L"id", L"pw");
    clipboard.Put(L"untouched");
    ProgramProcess helper;
    StartHelper(helper, folder);
    EXPECT_EQ(ExitCode(helper, 10000), 0u);
    EXPECT_EQ(ClipboardText(), L"untouched");
}
