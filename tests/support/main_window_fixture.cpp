#include "support/main_window_fixture.h"

#include "app/app_state.h"
#include "app/application.h"

void MainWindowTest::SetUp()
{
    GetCurrentDirectoryW(MAX_PATH, savedDirectory_);
    SetCurrentDirectoryW(base.path().c_str());
    ResetAppState();
}

void MainWindowTest::TearDown()
{
    if (g_app.mainWindow != nullptr && IsWindow(g_app.mainWindow)) {
        CloseProgram();
    }
    UnregisterClassW(kMainWindowClass, GetModuleHandleW(nullptr));
    SetCurrentDirectoryW(savedDirectory_);
}

void MainWindowTest::StartProgram()
{
    // A second start in one test begins from a fresh process state.
    ResetAppState();
    UnregisterClassW(kMainWindowClass, GetModuleHandleW(nullptr));
    PrepareApplication();
    ASSERT_TRUE(RegisterMainWindow(GetModuleHandleW(nullptr)));
    ASSERT_NE(g_app.mainWindow, nullptr);
    ShowWindow(g_app.mainWindow, SW_SHOWNORMAL);
    UpdateWindow(g_app.mainWindow);
    PumpMessages();
}

void MainWindowTest::CloseProgram()
{
    SendMessageW(g_app.mainWindow, WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_FALSE(IsWindow(g_app.mainWindow));
}

void MainWindowTest::PumpMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

HWND MainWindowTest::window() const
{
    return g_app.mainWindow;
}

void MainWindowTest::WriteIni(const std::wstring& fileName, const std::wstring& lines)
{
    std::wstring text = L"[Setting]\r\n" + lines;
    int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, &bytes[0], size, nullptr, nullptr);
    bytes.resize(bytes.size() - 1);
    WriteBytes(BasePath(fileName), bytes);
}

int MainWindowTest::IniInt(const std::wstring& fileName, const wchar_t* key, int fallback)
{
    return static_cast<int>(GetPrivateProfileIntW(L"Setting", key, fallback, BasePath(fileName).c_str()));
}

std::wstring MainWindowTest::IniText(const std::wstring& fileName, const wchar_t* key)
{
    wchar_t text[1024] = {};
    GetPrivateProfileStringW(L"Setting", key, L"<missing>", text, ARRAYSIZE(text), BasePath(fileName).c_str());
    return text;
}
