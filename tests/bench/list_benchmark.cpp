// Times a refresh of the profile list and a sort by "Name" for folders of
// 1,000 and 10,000 profile files, each the mean of five runs. Run by hand
// under Wine:  wine korvatel_list_benchmark.exe
#include <windows.h>

#include <commctrl.h>

#include <chrono>
#include <cstdio>

#include "core/app_state.h"
#include "app/application.h"
#include "listview/profile_list.h"
#include "profiles/profile_folder.h"
#include "support/message_capture.h"
#include "support/temp_dir.h"

template <class Step>
static double MeanMs(Step step)
{
    auto start = std::chrono::steady_clock::now();
    for (int run = 0; run < 5; ++run) {
        step();
    }
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() / 5;
}

// Names in no order, so the sort has work; each sort reverses the last.
static double MeasureSort(int count)
{
    TempDir base;
    CreateDirectoryW((base / L"ipaddress").c_str(), nullptr);
    for (unsigned i = 0, state = 2024; i < static_cast<unsigned>(count); ++i) {
        state = state * 1103515245u + 12345u;
        WriteBytes(base / (L"ipaddress\\" + std::to_wstring(state % 700000) + L"_" + std::to_wstring(i) + L".bat"), "");
    }
    SetCurrentDirectoryW(base.path().c_str());
    ResetAppState();
    PrepareApplication();
    RegisterMainWindow(GetModuleHandleW(nullptr));
    double refreshMs = MeanMs([] { RefreshProfileList(g_app.mainWindow); });
    double sortMs = MeanMs([] { SortProfileList(g_app.mainWindow, 0); });
    std::printf("%6d files: refresh %8.1f ms, sort by Name %8.1f ms (%d rows)\n", count, refreshMs, sortMs,
                ListView_GetItemCount(g_app.listView));
    DestroyWindow(g_app.mainWindow);
    UnregisterClassW(kMainWindowClass, GetModuleHandleW(nullptr));
    SetCurrentDirectoryW(L"C:\\");
    return sortMs;
}

int main()
{
    MessageCapture messages;
    double small = MeasureSort(1000);
    double ratio = MeasureSort(10000) / small;
    std::printf("sort(10,000) / sort(1,000) = %.1f (at most 15 expected); %d message boxes\n", ratio,
                static_cast<int>(messages.messages().size()));
    return ratio <= 15.0 && messages.messages().empty() ? 0 : 1;
}
