// korvatel.exe started as its own process in a fresh base directory.
#include <gtest/gtest.h>

#include "support/process_runner.h"
#include "support/temp_dir.h"

TEST(StartAndClose, WritesBothIniFilesAndEndsWithExitCodeZero)
{
    TempDir base;
    ProgramProcess program;
    ASSERT_TRUE(program.Start(BuiltProgramPath(L"korvatel.exe"), base.path()));
    HWND window = program.WaitForWindow(L"KORVATEL");
    ASSERT_NE(window, nullptr) << "the main window never appeared";
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.right - rect.left, 270);
    EXPECT_EQ(rect.bottom - rect.top, 350);

    PostMessageW(window, WM_CLOSE, 0, 0);
    DWORD exitCode = 12345;
    ASSERT_TRUE(program.WaitForExit(15000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
    std::wstring ini = base / L"korvatel.ini";
    EXPECT_EQ(GetPrivateProfileIntW(L"Setting", L"moto_w", -1, ini.c_str()), 270u);
    EXPECT_EQ(static_cast<int>(GetPrivateProfileIntW(L"Setting", L"ofset_x", -1, ini.c_str())), -200);
}

TEST(StartAndClose, MenuCommandEndCloses)
{
    TempDir base;
    ProgramProcess program;
    ASSERT_TRUE(program.Start(BuiltProgramPath(L"korvatel.exe"), base.path()));
    HWND window = program.WaitForWindow(L"KORVATEL");
    ASSERT_NE(window, nullptr);
    PostMessageW(window, WM_COMMAND, 60, 0);
    DWORD exitCode = 12345;
    ASSERT_TRUE(program.WaitForExit(15000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(FileExists(base / L"korvatel.ini"));
}
