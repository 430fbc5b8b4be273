// korvatel.exe run in a temporary base directory beside a credential helper and
// a stand-in netsh.exe that records its arguments and ends as the test asks.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "support/process_runner.h"

const char kArguments[] = "interface ip set address \"eth0\" static 10.0.0.20 255.0.0.0\r\n";
const int kMessageBoxTextId = 0xFFFF;   // the static control that holds a message box's text

class ApplyProfileTest : public ::testing::Test {
protected:
    // The program runs from the base directory, as installed: the shell
    // looks for dunmere.exe in the program's own folder first.
    void Prepare(const std::wstring& baseDirectory, const wchar_t* helper, const char* settings)
    {
        base = baseDirectory;
        ASSERT_TRUE(CopyFileW(BuiltProgramPath(L"korvatel.exe").c_str(), In(L"korvatel.exe").c_str(), FALSE));
        ASSERT_TRUE(CopyFileW(BuiltProgramPath(helper).c_str(), In(L"dunmere.exe").c_str(), FALSE));
        CreateDirectoryW(In(L"ipaddress").c_str(), nullptr);
        WriteBytes(In(L"ipaddress\\office.bat"), std::string("netsh ") + kArguments);
        ASSERT_TRUE(CopyFileW(BuiltProgramPath(L"netsh_standin.exe").c_str(), In(L"netsh.exe").c_str(), FALSE));
        if (settings != nullptr) {
            WriteBytes(In(L"korvatel.ini"), settings);
        }
    }

    // A key selects the row: list messages that carry pointers do not cross
    // processes. Posted, as the program may stop in a message box.
    void StartAndApply(bool removeTheFileFirst = false)
    {
        ASSERT_TRUE(program.Start(In(L"korvatel.exe"), base));
        window = program.WaitForWindow(L"KORVATEL");
        ASSERT_NE(window, nullptr);
        HWND list = nullptr;
        ASSERT_TRUE(WaitUntil([&] {
            list = GetDlgItem(window, IDC_PROFILE_LIST);
            return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 1;
        }, 10000));
        ASSERT_TRUE(!removeTheFileFirst || DeleteFileW(In(L"ipaddress\\office.bat").c_str()));
        PostMessageW(list, WM_KEYDOWN, VK_HOME, 0);
        ASSERT_TRUE(WaitUntil([&] { return SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0) == 1; }, 5000));
        PostMessageW(window, WM_COMMAND, IDT_APPLY, 0);
    }

    std::string RecordedNetshLine()
    {
        std::string text;
        WaitUntil([&] { return (text = ReadBytes(In(L"netsh.log"))).find('\n') != std::string::npos; }, 20000);
        return text;
    }

    // The program's own box, owned by the main window; gone when this returns.
    void ExpectErrorBox(const std::wstring& expected)
    {
        HWND box = program.WaitForWindow(L"Error");
        ASSERT_NE(box, nullptr) << "no message from the program";
        EXPECT_EQ(GetWindow(box, GW_OWNER), window);
        wchar_t text[1024] = {};
        GetDlgItemTextW(box, kMessageBoxTextId, text, ARRAYSIZE(text));
        EXPECT_EQ(text, expected);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 5000));
    }

    void Close(DWORD timeoutMs = 15000)
    {
        PostMessageW(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(program.ExitCode(timeoutMs), 0);
    }

    std::wstring In(const wchar_t* name) const { return base + L"\\" + name; }

    TempDir temp;
    std::wstring base;
    ProgramProcess program;
    HWND window = nullptr;
};

// pw_mode is 0 without korvatel.ini. A run that succeeds is not reported.
TEST_F(ApplyProfileTest, RunsTheNetshLineWithoutTheHelperAndClosesWithExitCodeZero)
{
    Prepare(temp.path(), L"dunmere_standin.exe", nullptr);
    StartAndApply();
    EXPECT_EQ(RecordedNetshLine(), kArguments);
    Sleep(500);
    EXPECT_EQ(program.WaitForWindow(L"Error", 0), nullptr);
    EXPECT_FALSE(FileExists(In(L"dunmere_started.txt")));
    EXPECT_FALSE(FileExists(In(L"dunmere.ini")));
    Close();
    EXPECT_TRUE(FileExists(In(L"korvatel.ini")));
    EXPECT_TRUE(FileExists(In(L"dunmere.ini")));
}

TEST_F(ApplyProfileTest, TheHelperStartsWithItsFileAlreadyComplete)
{
    Prepare(temp.path(), L"dunmere_standin.exe", "[Setting]\r\npw_mode=1\r\nmoto_x=400\r\nmoto_y=300\r\n");
    StartAndApply();
    ASSERT_TRUE(WaitUntil([&] { return FileExists(In(L"dunmere_started.txt")); }, 20000)) << "no helper";
    WIN32_FILE_ATTRIBUTE_DATA seen = {}, started = {};
    GetFileAttributesExW(In(L"dunmere_seen.ini").c_str(), GetFileExInfoStandard, &seen);
    GetFileAttributesExW(In(L"dunmere_started.txt").c_str(), GetFileExInfoStandard, &started);
    EXPECT_LT(CompareFileTime(&seen.ftLastWriteTime, &started.ftLastWriteTime), 0) << "file written after the start";
    EXPECT_EQ(ReadText(In(L"dunmere_seen.ini")), L"\xFEFF[Setting]\r\nmoto_x=200\r\nmoto_y=300\r\nid_time=5000\r\n"
                                                 L"pw_time=5000\r\nid_wcs=ID\r\npw_wcs=KX\r\n");
    EXPECT_EQ(RecordedNetshLine(), kArguments);
    Close();
}

// Read back by the program, written again before the start and read by the
// helper, the values reach the clipboard exactly as typed.
TEST_F(ApplyProfileTest, TheRealHelperHandsOnTheIdThenThePasswordExactly)
{
    const std::wstring id = L" e2e-id \xAD00\xB9AC\xC790 ";
    const std::wstring password = L"\"\x20AC\xE9" + std::wstring(249, L'p') + L"\"";
    Prepare(temp.path(), L"dunmere.exe", "[Setting]\r\npw_mode=1\r\n");
    WriteUtf16Text(In(L"dunmere.ini"), L"[Setting]\r\nid_time=400\r\npw_time=400\r\nid_wcs=\"" + id
                                           + L"\"\r\npw_wcs=\"" + password + L"\"\r\n");
    ASSERT_TRUE(OpenClipboard(nullptr) && EmptyClipboard() && CloseClipboard());
    StartAndApply();
    std::vector<std::wstring> seen = { kNoText };
    WaitUntil([&] {
        std::wstring text = ClipboardText();
        if (text != seen.back()) {
            seen.push_back(text);
        }
        return seen.size() == 4;
    }, 20000);
    EXPECT_EQ(seen, (std::vector<std::wstring>{ kNoText, id, password, kNoText }));
    Close();
}

// A message of 256 characters could not hold this path.
TEST_F(ApplyProfileTest, ARemovedFileGivesTheWholePathInTheErrorMessage)
{
    std::wstring deep = temp.path() + L"\\" + std::wstring(250 - 22 - temp.path().size(), L'p');
    ASSERT_TRUE(CreateDirectoryW(deep.c_str(), nullptr));
    Prepare(deep, L"dunmere_standin.exe", nullptr);
    StartAndApply(true);
    // The shell first shows a box of its own about the missing file.
    PostMessageW(program.WaitForWindow(L"エラー", 10000), WM_COMMAND, IDOK, 0);
    ExpectErrorBox(In(L"ipaddress\\office.bat") + L" could not be started as administrator");
    EXPECT_FALSE(FileExists(In(L"netsh.log")));
    Close();
}

// The exit code is the batch file's last command's, shown as an unsigned number.
TEST_F(ApplyProfileTest, AFailedRunIsReportedWithTheFileAndItsExitCode)
{
    Prepare(temp.path(), L"dunmere_standin.exe", nullptr);
    std::wstring failed = In(L"ipaddress\\office.bat") + L"\r\nの実行に失敗しました。終了コード: ";
    WriteBytes(In(L"netsh_exit.txt"), "1");
    StartAndApply();
    ExpectErrorBox(failed + L"1");
    WriteBytes(In(L"netsh_exit.txt"), "3221225477");
    PostMessageW(window, WM_COMMAND, IDT_APPLY, 0);
    ExpectErrorBox(failed + L"3221225477");
    Close();
}

// Nothing waits for a batch file that still runs when the program is quit.
TEST_F(ApplyProfileTest, QuittingWhileTheFileStillRunsEndsAtOnce)
{
    Prepare(temp.path(), L"dunmere_standin.exe", nullptr);
    WriteBytes(In(L"netsh_hold"), "");
    StartAndApply();
    EXPECT_EQ(RecordedNetshLine(), kArguments);
    Close(5000);
    // Let the stand-in end: its file stays in use until then.
    DeleteFileW(In(L"netsh_hold").c_str());
    EXPECT_TRUE(WaitUntil([&] { return DeleteFileW(In(L"netsh.exe").c_str()); }, 5000));
}
