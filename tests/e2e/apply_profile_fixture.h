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
        ASSERT_TRUE(WaitUntil("the profile in the list", [&] {
            return SendMessageW(list = GetDlgItem(window, IDC_PROFILE_LIST), LVM_GETITEMCOUNT, 0, 0) == 1;
        }));
        ASSERT_TRUE(!removeTheFile || DeleteFileW(In(L"ipaddress\\office.bat").c_str()));
        PostMessageW(list, WM_KEYDOWN, VK_HOME, 0);
        ASSERT_TRUE(WaitUntil("the row to be selected", [&] { return SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0) == 1; }));
        PostMessageW(window, WM_COMMAND, IDT_APPLY, 0);
    }

    // What the stand-in has logged once it has logged this many runs, or after 20 s.
    std::string NetshLog(size_t lines = 1)
    {
        std::string text;
        WaitUntil("netsh's log", [&] { return (text = ReadBytes(In(L"netsh.log"))).size() >= lines * strlen(kArguments); });
        return text;
    }

    // The program's next box with this text, read from the box's static control, owned by the main window or
    // the window of that title; gone when this returns.
    ::testing::AssertionResult ErrorBox(const std::wstring& expected, const wchar_t* ownerTitle = L"KORVATEL")
    {
        HWND box = program.WaitForWindow(L"Error");
        if (box == nullptr) {
            return ::testing::AssertionFailure() << "no box from the program; expected " << Shown(expected);
        }
        std::wstring text = ItemText(box, kMessageBoxTextId), owner = WindowTitle(GetWindow(box, GW_OWNER));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        WaitUntil("the box to close", [&] { return !IsWindow(box); });
        if (text == expected && owner == ownerTitle) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure() << "expected " << Shown(expected) << " over "
                                             << Shown(ownerTitle) << "\n  shown "
                                             << Shown(text) << " over " << Shown(owner);
    }

    void Close(DWORD timeoutMs = 15000)
    {
        PostMessageW(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(program.ExitCode(timeoutMs), 0);
    }

    std::wstring In(const wchar_t* name) const { return base + L"\\" + name; }

    TempDir temp;
    std::wstring base = temp.path();
    std::wstring programFolder;   // empty: the base directory
    ProgramProcess program;
    HWND window = nullptr;
};
