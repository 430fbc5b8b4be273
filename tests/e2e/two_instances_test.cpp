// Two copies of korvatel.exe in one folder, closed at the same moment.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/process_runner.h"

namespace {

// korvatel.ini as one instance leaves it, its window at (x, y).
std::string SettingsLeftAt(int x, int y)
{
    return "; comment\r\n[Other]\r\nkeep=1\r\n[Setting]\r\nforeign=2\r\nmoto_x=" + std::to_string(x) + "\r\nofset_x=0\r\n"
           "; inside\r\nmoto_y=" + std::to_string(y) + "\r\nmoto_w=270\r\nmoto_h=350\r\ncolum_w1=200\r\ncolum_w2=30\r\n"
           "focus_mode=0\r\npw_mode=0\r\nofset_y=0\r\n";
}

std::wstring HelperFileLeftAt(int x, int y)
{
    return L"\xFEFF; comment\r\n[Other]\r\nkeep=1\r\n[Setting]\r\nforeign=2\r\nid_wcs=shared\r\nmoto_x=" + std::to_wstring(x)
           + L"\r\nmoto_y=" + std::to_wstring(y) + L"\r\nid_time=5000\r\npw_time=5000\r\npw_wcs=KX\r\n";
}

} // namespace

// Each file keeps every comment, every other section and every foreign key, and the program's keys hold one
// instance's values whole, however the two saves meet.
TEST(TwoInstances, ClosingAtTheSameMomentKeepsBothFilesWhole)
{
    TempDir folder;
    for (int round = 0; round < 4; ++round) {
        SCOPED_TRACE(round);
        WriteBytes(folder / L"korvatel.ini", "; comment\r\n[Other]\r\nkeep=1\r\n[Setting]\r\nforeign=2\r\nmoto_x=0\r\n"
                                              "ofset_x=0\r\n; inside\r\n");
        WriteUtf16Text(folder / L"dunmere.ini", L"; comment\r\n[Other]\r\nkeep=1\r\n[Setting]\r\nforeign=2\r\nid_wcs=shared\r\n");
        ProgramProcess programs[2];
        HWND windows[2] = {};
        const POINT places[2] = { { 100, 100 }, { 300, 200 } };
        for (int i = 0; i < 2; ++i) {
            ASSERT_TRUE(programs[i].Start(BuiltProgramPath(L"korvatel.exe"), folder.path()));
            ASSERT_NE(windows[i] = programs[i].WaitForWindow(L"KORVATEL"), nullptr);
            SetWindowPos(windows[i], nullptr, places[i].x, places[i].y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        }
        PostMessageW(windows[0], WM_CLOSE, 0, 0);
        PostMessageW(windows[1], WM_CLOSE, 0, 0);
        EXPECT_TRUE(programs[0].ExitCode() == 0 && programs[1].ExitCode() == 0);
        std::string settings = ReadBytes(folder / L"korvatel.ini");
        EXPECT_TRUE(settings == SettingsLeftAt(100, 100) || settings == SettingsLeftAt(300, 200)) << settings;
        std::wstring helper = ReadText(folder / L"dunmere.ini");
        EXPECT_TRUE(helper == HelperFileLeftAt(100, 100) || helper == HelperFileLeftAt(300, 200))
            << ::testing::PrintToString(helper);
    }
}
