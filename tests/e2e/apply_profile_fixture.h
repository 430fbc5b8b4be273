// The fixture of the end-to-end runs: korvatel.exe started in a temporary base directory with one profile,
// the credential helper beside it and a stand-in netsh.exe that records its arguments.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>

#include "res/resource.h"
#include "support/process_runner.h"

const char kArguments[] = "interface ip set address \"eth0\" static 10.0.0.20 255.0.0.0\r\n";
const int kMessageBoxTextId = 0xFFFF;   // the static control that holds a message box's text

class ApplyProfileTest : public ::testing::Test {
protected:
    // The program runs from the base directory, as installed, unless programFolder names another: the shell
    // looks for dunmere.exe in the program's own folder first. A key selects the row, as list messages that
    // carry pointers do not cross processes; the apply command is posted, as the program may stop in a
    // message box.
    void StartAndApply(const char* settings, bool removeTheFile = false, const wchar_t* name = L"korvatel.exe")
    {
        const std::wstring folder = (programFolder.empty() ? base : programFolder) + L"\\";
        ASSERT_TRUE(CopyFileW(BuiltProgramPath(L"korvatel.exe").c_str(), (folder + name).c_str(), FALSE)
                    && CopyFileW(BuiltProgramPath(L"dunmere.exe").c_str(), (folder + L"dunmere.exe").c_str(), FALSE)
                    && CopyFileW(BuiltProgramPath(L"netsh_standin.exe").c_str(), In(L"netsh.exe").c_str(), FALSE));
        CreateDirectoryW(In(L"ipaddress").c_str(), nullptr);
        WriteBytes(In(L"ipaddress\\office.bat"), std::string("netsh ") + kArguments);
        WriteBytes(In(L"korvatel.ini"), settings);
        ASSERT_TRUE(program.Start(folder + name, base));
        ASSERT_NE(window = program.WaitForWindow(L"KORVATEL"), nullptr);
        HWND list = nullptr;   // the window can be found while its list is still being made
        ASSERT_TRUE(WaitUntil([&] {
            return SendMessageW(list = GetDlgItem(window, IDC_PROFILE_LIST), LVM_GETITEMCOUNT, 0, 0) == 1;
        }, 10000));
        ASSERT_TRUE(!removeTheFile || DeleteFileW(In(L"ipaddress\\office.bat").c_str()));
        PostMessageW(list, WM_KEYDOWN, VK_HOME, 0);
        ASSERT_TRUE(WaitUntil([&] { return SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0) == 1; }, 5000));
        PostMessageW(window, WM_COMMAND, IDT_APPLY, 0);
    }

    std::string NetshLog(size_t lines = 1)
    {
        std::string text;
        WaitUntil([&] { return (text = ReadBytes(In(L"netsh.log"))).size() >= lines * strlen(kArguments); }, 20000);
        return text;
    }

    // The program's own box, its text read from the box's static control; gone when this returns. Its
    // owner is the main window, or the window of that title.
    void ExpectErrorBox(const std::wstring& expected, const wchar_t* ownerTitle = L"KORVATEL")
    {
        HWND box = program.WaitForWindow(L"Error");
        ASSERT_NE(box, nullptr) << "no message from the program";
        wchar_t owner[64] = {};
        GetWindowTextW(GetWindow(box, GW_OWNER), owner, ARRAYSIZE(owner));
        EXPECT_TRUE(ownerTitle == std::wstring(owner) && ItemText(box, kMessageBoxTextId) == expected) << ItemText(box, kMessageBoxTextId);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 5000));
    }

    void Close(DWORD timeoutMs = 15000)
    {
        PostMessageW(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(program.ExitCode(timeoutMs), 0);
    }

    static std::wstring ItemText(HWND box, int id)
    {
        wchar_t text[1024] = {};
        GetDlgItemTextW(box, id, text, ARRAYSIZE(text));
        return text;
    }

    std::wstring In(const wchar_t* name) const { return base + L"\\" + name; }

    TempDir temp;
    std::wstring base = temp.path();
    std::wstring programFolder;   // empty: the base directory
    ProgramProcess program;
    HWND window = nullptr;
};
