// korvatel.exe run in a temporary base directory beside the credential helper and a stand-in netsh.exe that
// records its arguments and ends as the test asks.
#include "e2e/apply_profile_fixture.h"

#include <vector>

// pw_mode 0: no helper. Nothing waits for a run that goes on when the program is quit.
TEST_F(ApplyProfileTest, RunsTheNetshLineAndQuitsWhileARunGoesOn)
{
    StartAndApply("");
    EXPECT_EQ(NetshLog(), kArguments);
    EXPECT_TRUE(ChildProcessesEnded(L"korvatel.exe ")) << "the run, and no helper";
    EXPECT_FALSE(FileExists(In(L"dunmere.ini")));
    WriteBytes(In(L"netsh_hold"), "");
    PostMessageW(window, WM_COMMAND, IDT_APPLY, 0);
    EXPECT_EQ(NetshLog(2).size(), 2 * strlen(kArguments));
    Close(5000);
    DeleteFileW(In(L"netsh_hold").c_str());   // lets the stand-in end, which holds its file until then
    EXPECT_TRUE(WaitUntil("the stand-in to end", [&] { return DeleteFileW(In(L"netsh.exe").c_str()); }));
}

// The values read back by the program are written again before the helper starts, with the helper's window
// beside the main window: the helper places it there and hands on the ID and then the password exactly.
TEST_F(ApplyProfileTest, TheHelperStartsWithItsFileCompleteAndHandsOnTheValuesExactly)
{
    const std::wstring id = L" e2e-id \xAD00\xB9AC\xC790 ", password = L"\"\x20AC\xE9" + std::wstring(249, L'p') + L"\"";
    WriteUtf16Text(In(L"dunmere.ini"), L"[Setting]\r\nid_time=1000\r\npw_time=1000\r\nid_wcs=\"" + id + L"\"\r\npw_wcs=\""
                                           + password + L"\"\r\n");
    ASSERT_TRUE(OpenClipboard(nullptr) && EmptyClipboard() && CloseClipboard());
    ClipboardWatch watch;
    StartAndApply("[Setting]\r\npw_mode=1\r\nmoto_x=400\r\nmoto_y=300\r\n");
    std::vector<std::wstring> seen(3);
    DWORD time = 0;
    ASSERT_TRUE(watch.Next(&time, &seen[0]));
    const std::vector<LONG> helper = WindowRect(FindWindowW(L"DunmereHelperWindow", nullptr));
    ASSERT_TRUE(watch.Next(&time, &seen[1]) && watch.Next(&time, &seen[2]));
    EXPECT_EQ(seen, (std::vector<std::wstring>{ id, password, kNoText }));
    EXPECT_EQ(helper, (std::vector<LONG>{ 200, 300, 200 + 126, 300 + 68 }));
    EXPECT_EQ(NetshLog(), kArguments);
    Close();
}

// A message of 256 characters could not hold this path. The shell first shows a box of its own.
TEST_F(ApplyProfileTest, ARemovedFileGivesTheWholePathInTheErrorMessage)
{
    base = temp.path() + L"\\" + std::wstring(250 - 22 - temp.path().size(), L'p');
    ASSERT_TRUE(CreateDirectoryW(base.c_str(), nullptr));
    StartAndApply("", true);
    PostMessageW(program.WaitForWindow(L"エラー"), WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(ErrorBox(In(L"ipaddress\\office.bat") + L" could not be started as administrator"));
    EXPECT_FALSE(FileExists(In(L"netsh.log")));
    Close();
}
