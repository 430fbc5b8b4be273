// KORVATEL in the release folder that run_package_test.sh unpacked: a profile
// added through the editor lands in ipaddress\. The editor's messages used
// here all cross processes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "res/resource.h"
#include "support/process_runner.h"

TEST(Package, AProfileAddedThroughTheEditorLandsInTheProfileFolder)
{
    ASSERT_NE(_wgetenv(L"KORVATEL_PACKAGE_DIR"), nullptr) << "run through tests/package/run_package_test.sh";
    std::wstring folder = _wgetenv(L"KORVATEL_PACKAGE_DIR");
    ProgramProcess program;
    ASSERT_TRUE(program.Start(folder + L"\\korvatel.exe", folder));
    HWND window = program.WaitForWindow(L"KORVATEL");
    ASSERT_NE(window, nullptr) << "the main window never appeared";
    PostMessageW(window, WM_COMMAND, IDM_ADD, 0);
    HWND editor = program.WaitForWindow(L"IPアドレス追加");
    ASSERT_NE(editor, nullptr) << "the editor never opened";
    ASSERT_GT(SendDlgItemMessageW(editor, IDC_EDITOR_ADAPTERS, LB_GETCOUNT, 0, 0), 0) << "no adapter listed";
    wchar_t adapter[256] = {};
    SendDlgItemMessageW(editor, IDC_EDITOR_ADAPTERS, LB_SETCURSEL, 0, 0);
    SendDlgItemMessageW(editor, IDC_EDITOR_ADAPTERS, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(adapter));
    const wchar_t* const octets[] = { L"10", L"1", L"2", L"3", L"255", L"255", L"0", L"0" };
    for (int field = 0; field < 8; ++field) {  // the four address fields, then the four mask fields
        SetDlgItemTextW(editor, IDC_EDITOR_ADDRESS1 + field, octets[field]);
    }
    PostMessageW(GetDlgItem(editor, IDC_EDITOR_SET), BM_CLICK, 0, 0);

    std::wstring profile = folder + L"\\ipaddress\\" + adapter + L"_10_1_2_3.bat";
    EXPECT_TRUE(WaitUntil([&] { return FileExists(profile); }, 10000)) << "no profile file";
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.ExitCode(), 0);
    EXPECT_EQ(ReadText(profile), L"netsh interface ip set address \"" + std::wstring(adapter) +
                                     L"\" static 10.1.2.3 255.255.0.0\r\n");
}
