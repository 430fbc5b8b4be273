// Times a refresh of the profile list and a sort by "Name" in KORVATEL's own
// main window, each the mean of five runs, for each profile folder given.
// Prints one line per folder:  <rows> <refresh ms> <sort ms>
//   korvatel_list_benchmark.exe BASE_DIRECTORY...   (each holding ipaddress\)
#include <windows.h>

#include <commctrl.h>

#include <chrono>
#include <cstdio>

#include "app/application.h"
#include "core/app_state.h"
#include "core/message_box.h"
#include "listview/profile_list.h"

template <class Step>
static double MeanMs(Step step)
{
    auto start = std::chrono::steady_clock::now();
    for (int run = 0; run < 5; ++run) {
        step();
    }
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() / 5;
}

static int g_messages = 0;

int wmain(int argc, wchar_t** argv)
{
    g_messageBoxHook = [](HWND, const wchar_t*, const wchar_t*, UINT) { return ++g_messages, IDOK; };
    for (int i = 1; i < argc; ++i) {
        SetCurrentDirectoryW(argv[i]);
        ResetAppState();
        PrepareApplication();
        RegisterMainWindow(GetModuleHandleW(nullptr));
        CreateMainWindow();
        double refreshMs = MeanMs([] { RefreshProfileList(g_app.mainWindow); });
        double sortMs = MeanMs([] { SortProfileList(g_app.mainWindow, 0); });
        std::printf("%d %.1f %.1f\n", ListView_GetItemCount(g_app.listView), refreshMs, sortMs);
        DestroyWindow(g_app.mainWindow);
        UnregisterClassW(kMainWindowClass, GetModuleHandleW(nullptr));
    }
    return g_messages == 0 ? 0 : 1;
}
