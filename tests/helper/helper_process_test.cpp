// dunmere.exe run in a temporary folder: the clipboard over time, its window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/process_runner.h"

// Tick count at which the clipboard first held the text; 0 on timeout.
static ULONGLONG WaitForText(const std::wstring& text)
{
    return WaitUntil([&] { return ClipboardText() == text; }, 20000) ? GetTickCount64() : 0;
}

// dunmere.ini (UTF-16) holds [Setting] and the lines; no lines, no file.
static void Start(ProgramProcess& helper, const TempDir& folder, const std::wstring& lines)
{
    if (!lines.empty()) {
        WriteUtf16Text(folder / L"dunmere.ini", L"[Setting]\n" + lines);
    }
    ASSERT_TRUE(helper.Start(BuiltProgramPath(L"dunmere.exe"), folder.path()));
}

static std::vector<LONG> WindowRect(ProgramProcess& helper)
{
    RECT rect = {};
    GetWindowRect(helper.WaitForWindow(L"dunmere", 2000), &rect);
    return { rect.left, rect.top, rect.right, rect.bottom };
}

// Each value stays its own time, give or take the polling, marked for the clipboard history; text that
// another program puts there meanwhile is left alone.
TEST(HelperProcess, HandsOnTheIdThenThePasswordEachForItsTime)
{
    TempDir folder;
    ProgramProcess helper;
    Start(helper, folder, L"moto_x=40\nmoto_y=50\nid_time=1200\npw_time=600\nid_wcs=admin-ユーザー\npw_wcs=p@ss word\n");
    ULONGLONG idShown = WaitForText(L"admin-ユーザー");
    ASSERT_NE(idShown, 0u) << "the ID never reached the clipboard";
    for (const wchar_t* flag : { L"ExcludeClipboardContentFromMonitorProcessing", L"CanIncludeInClipboardHistory",
                                 L"CanUploadToCloudClipboard" }) {
        EXPECT_EQ(ClipboardData(RegisterClipboardFormatW(flag)), std::string(4, '\0')) << flag;
    }
    EXPECT_EQ(WindowRect(helper), (std::vector<LONG>{ 40, 50, 40 + 126, 50 + 68 }));
    HWND shown = helper.WaitForWindow(L"dunmere");
    EXPECT_TRUE(IsWindowVisible(shown) && (GetWindowLongW(shown, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
    ULONGLONG passwordShown = WaitForText(L"p@ss word");
    ASSERT_NE(passwordShown, 0u) << "the password never replaced the ID";
    HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    HGLOBAL copied = GlobalAlloc(GMEM_MOVEABLE, sizeof(L"copied"));
    memcpy(GlobalLock(copied), L"copied", sizeof(L"copied"));
    GlobalUnlock(copied);
    ASSERT_TRUE(OpenClipboard(other) && EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, copied) && CloseClipboard());
    EXPECT_EQ(helper.ExitCode(), 0);
    ULONGLONG ended = GetTickCount64();
    EXPECT_EQ(ClipboardText(), L"copied");
    DestroyWindow(other);
    EXPECT_TRUE(passwordShown - idShown >= 1100u && passwordShown - idShown <= 2500u) << passwordShown - idShown;
    EXPECT_TRUE(ended - passwordShown >= 500u && ended - passwordShown <= 1150u) << ended - passwordShown;
}

// Even a start with nothing to hand on ends the running helper, which empties its text.
TEST(HelperProcess, ANewStartReplacesTheRunningHelper)
{
    TempDir folders[3];
    ProgramProcess helpers[3];
    Start(helpers[0], folders[0], L"id_time=30000\nid_wcs=first-id\n");
    ASSERT_NE(WaitForText(L"first-id"), 0u);
    Start(helpers[1], folders[1], L"id_time=30000\nid_wcs=second-id\n");
    ASSERT_NE(WaitForText(L"second-id"), 0u);
    EXPECT_EQ(helpers[0].ExitCode(), 0);
    Start(helpers[2], folders[2], L"id_wcs=\npw_wcs=\n");
    EXPECT_TRUE(helpers[1].ExitCode() == 0 && helpers[2].ExitCode() == 0 && ClipboardText() == kNoText);
}

// A missing file gives the defaults; an ID longer than 253 characters is skipped, not cut, so the password
// comes first; a window placed off the screen comes back onto it.
TEST(HelperProcess, BadInputsGiveTheDefaultsSkipTheIdAndStayOnTheScreen)
{
    const struct { std::wstring lines, first; std::vector<LONG> place; } cases[] = {
        { L"", L"ID", { 0, 0, 126, 68 } },
        { L"moto_x=99999\nmoto_y=-4000\npw_wcs=secret\nid_wcs=\"" + std::wstring(254, L'x') + L"\"\n", L"secret",
          { GetSystemMetrics(SM_CXSCREEN) - 126, 0, GetSystemMetrics(SM_CXSCREEN), 68 } },
    };
    ASSERT_TRUE(OpenClipboard(nullptr) && EmptyClipboard() && CloseClipboard());
    for (const auto& c : cases) {
        TempDir folder;
        ProgramProcess helper;
        Start(helper, folder, c.lines);
        std::wstring first;
        ASSERT_TRUE(WaitUntil([&] { return (first = ClipboardText()) != kNoText; }, 20000));
        EXPECT_TRUE(first == c.first && WindowRect(helper) == c.place) << &c - cases;
        PostMessageW(helper.WaitForWindow(L"dunmere"), WM_CLOSE, 0, 0);
        EXPECT_TRUE(helper.ExitCode() == 0 && ClipboardText() == kNoText);
    }
}
