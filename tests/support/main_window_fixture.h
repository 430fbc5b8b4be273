// Window tests: the real main window, created in the test process with a
// fresh temporary folder as its base directory.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/message_capture.h"
#include "support/temp_dir.h"

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs start-up as the program does (settings, class, window) and shows
    // the window. Files the test wants the program to find go in base first.
    // May be called again after CloseProgram, as a new start of the program.
    void StartProgram();
    // Closes the main window as the caption's close box does; its closing
    // steps (both INI files) run.
    void CloseProgram();
    // Handles every message waiting in this thread's queue.
    void PumpMessages();

    HWND window() const;
    std::wstring BasePath(const std::wstring& relative) const { return base / relative; }
    // Writes lines of "key=value" into section "Setting" of an INI file of the base directory.
    void WriteIni(const std::wstring& fileName, const std::wstring& lines);
    int IniInt(const std::wstring& fileName, const wchar_t* key, int fallback = -99999);
    std::wstring IniText(const std::wstring& fileName, const wchar_t* key);

    TempDir base;
    MessageCapture capture;

private:
    wchar_t savedDirectory_[MAX_PATH] = {};
};
