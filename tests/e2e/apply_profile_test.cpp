// Applying a profile from korvatel.exe run as its own process, with stand-ins
// for netsh and the credential helper in the base directory.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "res/resource.h"
#include "support/process_runner.h"
#include "support/temp_dir.h"

namespace {

const char kProfileLine[] = "netsh interface ip set address \"eth0\" static 10.0.0.20 255.0.0.0\r\n";
const wchar_t kRecordedArguments[] = L"interface ip set address \"eth0\" static 10.0.0.20 255.0.0.0\r\n";

// Polls until the file holds a whole line; its text, or empty on timeout.
std::wstring WaitForLine(const std::wstring& path, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        std::wstring text = ReadText(path, CP_UTF8);
        if (text.find(L'\n') != std::wstring::npos) {
            return text;
        }
        Sleep(50);
    }
    return std::wstring();
}

BOOL CALLBACK CollectText(HWND child, LPARAM lParam)
{
    wchar_t text[1024] = {};
    SendMessageW(child, WM_GETTEXT, ARRAYSIZE(text), reinterpret_cast<LPARAM>(text));
    *reinterpret_cast<std::wstring*>(lParam) += text;
    return TRUE;
}

// The texts of a message box's controls, read from another process.
std::wstring MessageBoxText(HWND box)
{
    std::wstring text;
    EnumChildWindows(box, CollectText, reinterpret_cast<LPARAM>(&text));
    return text;
}

class ApplyProfileTest : public ::testing::Test {
protected:
    // The base directory with the program, one profile, the stand-ins and a
    // settings file. The shell looks for the helper in the program's own
    // folder first, so the program runs from the base directory as it does
    // when installed.
    void Prepare(const std::wstring& baseDirectory, const char* settings)
    {
        base = baseDirectory;
        ASSERT_TRUE(CopyFileW(BuiltProgramPath(L"korvatel.exe").c_str(), File(L"korvatel.exe").c_str(), FALSE));
        CreateDirectoryW((base + L"\\ipaddress").c_str(), nullptr);
        WriteBytes(base + L"\\ipaddress\\office.bat", kProfileLine);
        WriteBytes(base + L"\\korvatel.ini", settings);
        ASSERT_TRUE(CopyFileW(BuiltProgramPath(L"netsh_standin.exe").c_str(), (base + L"\\netsh.exe").c_str(), FALSE));
        ASSERT_TRUE(CopyFileW(BuiltProgramPath(L"dunmere_standin.exe").c_str(), (base + L"\\dunmere.exe").c_str(), FALSE));
    }

    // Starts the program and selects its only row. The list's messages carry
    // pointers, so the item goes into the program's memory first.
    void StartAndSelectTheProfile()
    {
        ASSERT_TRUE(program.Start(File(L"korvatel.exe"), base));
        window = program.WaitForWindow(L"KORVATEL");
        ASSERT_NE(window, nullptr);
        // The title is there before the window has listed the folder.
        HWND list = nullptr;
        for (int wait = 0; wait < 200 && SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) != 1; ++wait) {
            Sleep(50);
            list = GetDlgItem(window, IDC_PROFILE_LIST);
        }
        ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 1);
        HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, program.id());
        ASSERT_NE(process, nullptr);
        void* remote = VirtualAllocEx(process, nullptr, sizeof(LVITEMW), MEM_COMMIT, PAGE_READWRITE);
        LVITEMW item = {};
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        WriteProcessMemory(process, remote, &item, sizeof(item), nullptr);
        SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(remote));
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
        CloseHandle(process);
        ASSERT_EQ(SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0), 1);
    }

    // Posted, not sent: the program may stop in a message box.
    void Apply() { PostMessageW(window, WM_COMMAND, IDT_APPLY, 0); }

    void Close()
    {
        PostMessageW(window, WM_CLOSE, 0, 0);
        DWORD exitCode = 12345;
        EXPECT_TRUE(program.WaitForExit(15000, &exitCode));
        EXPECT_EQ(exitCode, 0u);
    }

    std::wstring File(const wchar_t* name) const { return base + L"\\" + name; }

    TempDir temp;
    std::wstring base;
    ProgramProcess program;
    HWND window = nullptr;
};

TEST_F(ApplyProfileTest, RunsTheProfilesNetshLineWithoutTheHelperWhenPwModeIsZero)
{
    Prepare(temp.path(), "[Setting]\r\npw_mode=0\r\n");
    StartAndSelectTheProfile();
    Apply();
    EXPECT_EQ(WaitForLine(File(L"netsh.log"), 20000), kRecordedArguments);
    Sleep(500);
    EXPECT_FALSE(FileExists(File(L"dunmere_started.txt")));
    EXPECT_FALSE(FileExists(File(L"dunmere.ini")));
    Close();
    EXPECT_TRUE(FileExists(File(L"dunmere.ini")));
}

TEST_F(ApplyProfileTest, TheHelperStartsWithItsFileAlreadyComplete)
{
    Prepare(temp.path(), "[Setting]\r\npw_mode=1\r\nmoto_x=400\r\nmoto_y=300\r\n");
    StartAndSelectTheProfile();
    Apply();
    ASSERT_TRUE(WaitForFile(File(L"dunmere_started.txt"), 20000)) << "the helper never started";
    EXPECT_EQ(WaitForLine(File(L"netsh.log"), 20000), kRecordedArguments);
    std::wstring seen = ReadText(File(L"dunmere_seen.ini"));
    EXPECT_EQ(seen, L"[Setting]\r\nmoto_x=200\r\nmoto_y=300\r\nid_time=5000\r\npw_time=5000\r\n"
                    L"id_wcs=ID\r\npw_wcs=KX\r\n");
    Close();
}

TEST_F(ApplyProfileTest, ARemovedFileGivesTheWholePathInTheErrorMessage)
{
    // A base directory deep enough that the message is far longer than 256
    // characters would allow for the path.
    std::wstring deep = temp.path() + L"\\" + std::wstring(250 - 22 - temp.path().size(), L'p');
    ASSERT_TRUE(CreateDirectoryW(deep.c_str(), nullptr));
    Prepare(deep, "[Setting]\r\npw_mode=0\r\n");
    std::wstring profile = File(L"ipaddress\\office.bat");
    ASSERT_EQ(profile.size(), 250u);
    StartAndSelectTheProfile();
    DeleteFileW(profile.c_str());
    Apply();

    // The shell first shows a box of its own about the missing file.
    HWND shellBox = program.WaitForWindow(L"エラー", 10000);
    if (shellBox != nullptr) {
        PostMessageW(shellBox, WM_COMMAND, IDOK, 0);
    }
    HWND box = program.WaitForWindow(L"Error");
    ASSERT_NE(box, nullptr) << "no message from the program";
    EXPECT_NE(MessageBoxText(box).find(profile + L" could not be started as administrator"), std::wstring::npos)
        << testing::PrintToString(MessageBoxText(box));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_FALSE(FileExists(File(L"netsh.log")));
    Close();
}

} // namespace
