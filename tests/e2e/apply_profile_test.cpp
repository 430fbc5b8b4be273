// korvatel.exe run in a temporary base directory beside the credential helper and a stand-in netsh.exe that
// records its arguments and ends as the test asks.
#include "e2e/apply_profile_fixture.h"

#include <vector>

// pw_mode 0: no helper. A run that succeeds is not reported, a failed one is, with its exit code as an
// unsigned number; nothing waits for a run that goes on when the program is quit.
TEST_F(ApplyProfileTest, RunsTheNetshLineAndReportsOnlyAFailedRun)
{
    StartAndApply("");
    EXPECT_EQ(NetshLog(), kArguments);
    Sleep(500);
    EXPECT_TRUE(program.WaitForWindow(L"Error", 0) == nullptr && !FindWindowW(L"DunmereHelperWindow", nullptr));
    EXPECT_FALSE(FileExists(In(L"dunmere.ini")));
    WriteBytes(In(L"netsh_exit.txt"), "3221225477");
    PostMessageW(window, WM_COMMAND, IDT_APPLY, 0);
    ExpectErrorBox(In(L"ipaddress\\office.bat") + L"\r\nの実行に失敗しました。終了コード: 3221225477");
    WriteBytes(In(L"netsh_hold"), "");
    PostMessageW(window, WM_COMMAND, IDT_APPLY, 0);
    EXPECT_EQ(NetshLog(3).size(), 3 * strlen(kArguments));
    Close(5000);
    DeleteFileW(In(L"netsh_hold").c_str());   // lets the stand-in end, which holds its file until then
    EXPECT_TRUE(WaitUntil([&] { return DeleteFileW(In(L"netsh.exe").c_str()); }, 5000));
}

// The values read back by the program are written again before the helper starts, with the helper's window
// beside the main window: the helper places it there and hands on the ID and then the password exactly.
TEST_F(ApplyProfileTest, TheHelperStartsWithItsFileCompleteAndHandsOnTheValuesExactly)
{
    const std::wstring id = L" e2e-id \xAD00\xB9AC\xC790 ", password = L"\"\x20AC\xE9" + std::wstring(249, L'p') + L"\"";
    WriteUtf16Text(In(L"dunmere.ini"), L"[Setting]\r\nid_time=400\r\npw_time=400\r\nid_wcs=\"" + id + L"\"\r\npw_wcs=\""
                                           + password + L"\"\r\n");
    ASSERT_TRUE(OpenClipboard(nullptr) && EmptyClipboard() && CloseClipboard());
    StartAndApply("[Setting]\r\npw_mode=1\r\nmoto_x=400\r\nmoto_y=300\r\n");
    std::vector<std::wstring> seen = { kNoText };
    RECT helper = {};
    WaitUntil([&] {
        std::wstring text = ClipboardText();
        if (text != seen.back()) {
            seen.push_back(text);
            if (HWND shown = FindWindowW(L"DunmereHelperWindow", nullptr)) {
                GetWindowRect(shown, &helper);
            }
        }
        return seen.size() == 4;
    }, 20000);
    EXPECT_EQ(seen, (std::vector<std::wstring>{ kNoText, id, password, kNoText }));
    EXPECT_TRUE(helper.left == 200 && helper.top == 300) << helper.left << "," << helper.top;
    EXPECT_EQ(NetshLog(), kArguments);
    Close();
}

// A message of 256 characters could not hold this path. The shell first shows a box of its own.
TEST_F(ApplyProfileTest, ARemovedFileGivesTheWholePathInTheErrorMessage)
{
    base = temp.path() + L"\\" + std::wstring(250 - 22 - temp.path().size(), L'p');
    ASSERT_TRUE(CreateDirectoryW(base.c_str(), nullptr));
    StartAndApply("", true);
    PostMessageW(program.WaitForWindow(L"エラー", 10000), WM_COMMAND, IDOK, 0);
    ExpectErrorBox(In(L"ipaddress\\office.bat") + L" could not be started as administrator");
    EXPECT_FALSE(FileExists(In(L"netsh.log")));
    Close();
}

// A library that is loaded on first use and cannot be had (Wine's overrides for this program's name make it
// so) is reported, and the command goes no further: the editor opens with an empty list.
TEST_F(ApplyProfileTest, ALibraryThatCannotBeLoadedIsReportedNotACrash)
{
    if (GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") == nullptr) {
        GTEST_SKIP() << "needs Wine's per-program library overrides";
    }
    const wchar_t kOverrides[] = L"Software\\Wine\\AppDefaults\\korvatel_nolibs.exe\\DllOverrides";
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kOverrides, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr), 0);
    for (const wchar_t* library : { L"shell32", L"iphlpapi" }) {
        RegSetValueExW(key, library, 0, REG_SZ, reinterpret_cast<const BYTE*>(L""), sizeof(wchar_t));
    }
    RegCloseKey(key);
    StartAndApply("", false, L"korvatel_nolibs.exe");
    ExpectErrorBox(L"shell32.dll を読み込めないため、この操作はできません。");
    PostMessageW(window, WM_COMMAND, IDM_ADD, 0);
    ExpectErrorBox(L"iphlpapi.dll を読み込めないため、この操作はできません。", L"編集画面");
    HWND editor = program.WaitForWindow(L"IPアドレス追加");
    EXPECT_EQ(SendDlgItemMessageW(editor, IDC_EDITOR_ADAPTERS, LB_GETCOUNT, 0, 0), 0);
    PostMessageW(editor, WM_CLOSE, 0, 0);
    Close();
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\korvatel_nolibs.exe");
}
