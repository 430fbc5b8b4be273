// dunmere.exe run in a temporary folder: the clipboard over time, its window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/process_runner.h"

// dunmere.ini (UTF-16) holds [Setting] and the lines; no lines, no file.
static void Start(ProgramProcess& helper, const TempDir& folder, const std::wstring& lines)
{
    if (!lines.empty()) {
        WriteUtf16Text(folder / L"dunmere.ini", L"[Setting]\n" + lines);
    }
    ASSERT_TRUE(helper.Start(BuiltProgramPath(L"dunmere.exe"), folder.path()));
}

static std::string Pixels(HBITMAP bitmap, int width, int height)
{
    std::string bits(static_cast<size_t>(width) * height * 4, '\0');
    GetBitmapBits(bitmap, static_cast<LONG>(bits.size()), &bits[0]);
    return bits;
}

// The top third of the window's client area shows this line as the helper draws it, on the screen.
static ::testing::AssertionResult ShowsFirstLine(HWND window, const wchar_t* line)
{
    RECT band = {};
    GetClientRect(window, &band);
    band.bottom /= 3;
    POINT origin = {};
    ClientToScreen(window, &origin);
    HDC screen = GetDC(nullptr), drawn = CreateCompatibleDC(screen), shown = CreateCompatibleDC(screen);
    HBITMAP drawnBitmap = CreateCompatibleBitmap(screen, band.right, band.bottom);
    HBITMAP shownBitmap = CreateCompatibleBitmap(screen, band.right, band.bottom);
    SelectObject(drawn, drawnBitmap);
    SelectObject(shown, shownBitmap);
    FillRect(drawn, &band, GetSysColorBrush(COLOR_INFOBK));
    SelectObject(drawn, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(drawn, TRANSPARENT);
    SetTextColor(drawn, GetSysColor(COLOR_INFOTEXT));
    DrawTextW(drawn, line, -1, &band, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    ::testing::AssertionResult same = WaitUntil("the helper window to show its first line", [&] {
        BitBlt(shown, 0, 0, band.right, band.bottom, screen, origin.x, origin.y, SRCCOPY);
        return Pixels(shownBitmap, band.right, band.bottom) == Pixels(drawnBitmap, band.right, band.bottom);
    }, 5000);
    DeleteDC(drawn);
    DeleteDC(shown);
    DeleteObject(drawnBitmap);
    DeleteObject(shownBitmap);
    ReleaseDC(nullptr, screen);
    return same << " " << Shown(line);
}

// Each value stays its own time, marked for the clipboard history, and the helper empties its own text at the
// end. The times are those of the clipboard's own change notices, so a busy test process does not stretch them.
TEST(HelperProcess, HandsOnTheIdThenThePasswordEachForItsTime)
{
    ASSERT_TRUE(OpenClipboard(nullptr) && EmptyClipboard() && CloseClipboard());
    TempDir folder;
    ProgramProcess helper;
    ClipboardWatch watch;
    Start(helper, folder, L"moto_x=40\nmoto_y=50\nid_time=1200\npw_time=600\nid_wcs=admin-ユーザー\npw_wcs=p@ss word\n");
    DWORD times[3] = {};
    std::wstring texts[3];
    ASSERT_TRUE(watch.Next(&times[0], &texts[0]));
    for (const wchar_t* flag : { L"ExcludeClipboardContentFromMonitorProcessing", L"CanIncludeInClipboardHistory",
                                 L"CanUploadToCloudClipboard" }) {
        EXPECT_EQ(ClipboardData(RegisterClipboardFormatW(flag)), std::string(4, '\0')) << flag;
    }
    HWND shown = helper.WaitForWindow(L"dunmere");
    EXPECT_EQ(WindowRect(shown), (std::vector<LONG>{ 40, 50, 40 + 126, 50 + 68 }));
    EXPECT_TRUE(IsWindowVisible(shown) && (GetWindowLongW(shown, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
    ASSERT_TRUE(watch.Next(&times[1], &texts[1]) && watch.Next(&times[2], &texts[2]));
    EXPECT_EQ(helper.ExitCode(), 0);
    EXPECT_EQ(std::vector<std::wstring>(texts, texts + 3), (std::vector<std::wstring>{ L"admin-ユーザー", L"p@ss word", kNoText }));
    EXPECT_TRUE(times[1] - times[0] >= 1180 && times[1] - times[0] <= 3200) << times[1] - times[0];
    EXPECT_TRUE(times[2] - times[1] >= 580 && times[2] - times[1] <= 2600) << times[2] - times[1];
}

// A missing file gives the defaults; an ID longer than 253 characters is skipped, not cut, so the password
// comes first; a window placed off the screen comes back onto it. The first line names what the clipboard
// holds. A close empties the helper's own text but leaves text another program put there meanwhile; a new
// start, even one with nothing to hand on, ends the running helper.
TEST(HelperProcess, BadInputsAndEveryWayOfEnding)
{
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const struct { std::wstring lines, first; std::vector<LONG> place; const wchar_t* line; bool copyOver; } cases[] = {
        { L"", L"ID", { 0, 0, 126, 68 }, L"クリップボード: ID", true },
        { L"moto_x=99999\nmoto_y=-4000\npw_wcs=secret\nid_wcs=\"" + std::wstring(254, L'x') + L"\"\n", L"secret",
          { width - 126, 0, width, 68 }, L"クリップボード: PW", false },
    };
    ASSERT_TRUE(OpenClipboard(nullptr) && EmptyClipboard() && CloseClipboard());
    HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        TempDir folder;
        ProgramProcess helper;
        Start(helper, folder, c.lines);
        EXPECT_TRUE(WaitUntil("the first value", [&] { return ClipboardText() == c.first; }));
        HWND window = helper.WaitForWindow(L"dunmere");
        EXPECT_TRUE(WindowRect(window) == c.place && ShowsFirstLine(window, c.line));
        if (c.copyOver) {
            HGLOBAL copied = GlobalAlloc(GMEM_MOVEABLE, sizeof(L"copied"));
            memcpy(GlobalLock(copied), L"copied", sizeof(L"copied"));
            GlobalUnlock(copied);
            ASSERT_TRUE(OpenClipboard(other) && EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, copied) && CloseClipboard());
        }
        PostMessageW(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(helper.ExitCode(), 0);
        EXPECT_EQ(ClipboardText(), c.copyOver ? L"copied" : kNoText);
    }
    DestroyWindow(other);

    TempDir folders[3];
    ProgramProcess helpers[3];
    Start(helpers[0], folders[0], L"id_time=30000\nid_wcs=first-id\n");
    EXPECT_TRUE(WaitUntil("the first ID", [] { return ClipboardText() == L"first-id"; }));
    Start(helpers[1], folders[1], L"id_time=30000\nid_wcs=second-id\n");
    EXPECT_TRUE(WaitUntil("the second ID", [] { return ClipboardText() == L"second-id"; }));
    EXPECT_EQ(helpers[0].ExitCode(), 0);
    Start(helpers[2], folders[2], L"id_wcs=\npw_wcs=\n");
    EXPECT_TRUE(helpers[1].ExitCode() == 0 && helpers[2].ExitCode() == 0 && ClipboardText() == kNoText);
}
