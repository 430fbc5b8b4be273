// KORVATEL in the release folder that run_package_test.sh unpacked: it starts there, lists the empty
// profile folder, and keeps its settings beside it when it is closed.
#include <gtest/gtest.h>

#include <cstdlib>

#include "res/resource.h"
#include "support/process_runner.h"

TEST(Package, TheUnpackedProgramRunsInItsFolder)
{
    ASSERT_NE(_wgetenv(L"KORVATEL_PACKAGE_DIR"), nullptr) << "run through tests/package/run_package_test.sh";
    std::wstring folder = _wgetenv(L"KORVATEL_PACKAGE_DIR");
    ProgramProcess program;
    ASSERT_TRUE(program.Start(folder + L"\\korvatel.exe", folder));
    HWND window = program.WaitForWindow(L"KORVATEL");
    ASSERT_NE(window, nullptr) << "the main window never appeared";
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.ExitCode(), 0);
    EXPECT_TRUE(FileExists(folder + L"\\korvatel.ini") && FileExists(folder + L"\\dunmere.ini"));
}
