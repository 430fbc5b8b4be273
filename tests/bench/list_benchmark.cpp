// Times a refresh of the profile list and a sort by "Name" for folders of
// 1,000 and 10,000 profile files, each the median of five runs. Run by hand
// under Wine:  wine korvatel_list_benchmark.exe
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>

#include "app/app_state.h"
#include "app/application.h"
#include "app/message_box.h"
#include "listview/profile_list.h"
#include "listview/row_compare.h"
#include "profiles/profile_folder.h"
#include "support/temp_dir.h"

namespace {

enum { kRuns = 5 };

struct Timing {
    double refreshMs;
    double sortMs;
    int rows;
    bool ordered;
};

int g_messages = 0;

int CountMessage(HWND, const wchar_t*, const wchar_t*, UINT)
{
    ++g_messages;
    return IDOK;
}

class Stopwatch {
public:
    Stopwatch() { QueryPerformanceCounter(&start_); }
    double Milliseconds() const
    {
        LARGE_INTEGER now, frequency;
        QueryPerformanceCounter(&now);
        QueryPerformanceFrequency(&frequency);
        return 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) / static_cast<double>(frequency.QuadPart);
    }

private:
    LARGE_INTEGER start_;
};

double Median(double (&values)[kRuns])
{
    std::sort(values, values + kRuns);
    return values[kRuns / 2];
}

// Names in no particular order, so that the sort has real work to do.
void WriteProfileFiles(const TempDir& base, int count)
{
    CreateDirectoryW((base / L"ipaddress").c_str(), nullptr);
    unsigned state = 2024;
    for (int i = 0; i < count; ++i) {
        state = state * 1103515245u + 12345u;
        wchar_t name[64] = {};
        swprintf(name, ARRAYSIZE(name), L"ipaddress\\Eth%u_%05u_%05d.bat", state % 7, (state >> 8) % 100000, i);
        HANDLE file = CreateFileW((base / name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        CloseHandle(file);
    }
}

void PumpMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message != WM_QUIT) {
            DispatchMessageW(&message);
        }
    }
}

// True when every pair of neighbouring rows is in the column's direction.
bool RowsInSortOrder()
{
    int count = ListView_GetItemCount(g_app.listView);
    int sign = g_app.sortDirection[0] == 1 ? 1 : -1;
    wchar_t previous[MAX_PATH] = {};
    for (int row = 0; row < count; ++row) {
        wchar_t text[MAX_PATH] = {};
        ListView_GetItemText(g_app.listView, row, 0, text, MAX_PATH);
        if (row > 0 && sign * CompareRowTexts(previous, text) > 0) {
            return false;
        }
        lstrcpynW(previous, text, MAX_PATH);
    }
    return true;
}

Timing Measure(int count)
{
    TempDir base;
    WriteProfileFiles(base, count);
    SetCurrentDirectoryW(base.path().c_str());
    ResetAppState();
    PrepareApplication();
    RegisterMainWindow(GetModuleHandleW(nullptr));
    ShowWindow(g_app.mainWindow, SW_SHOWNORMAL);
    PumpMessages();

    Timing timing = {};
    timing.ordered = true;
    double refreshes[kRuns];
    double sorts[kRuns];
    for (int run = 0; run < kRuns; ++run) {
        Stopwatch refresh;
        RefreshProfileList();
        refreshes[run] = refresh.Milliseconds();
        PumpMessages();
    }
    // Each click reverses the order the one before left.
    for (int run = 0; run < kRuns; ++run) {
        Stopwatch sort;
        SortProfileList(g_app.mainWindow, 0);
        sorts[run] = sort.Milliseconds();
        PumpMessages();
        timing.ordered = timing.ordered && RowsInSortOrder();
    }
    timing.refreshMs = Median(refreshes);
    timing.sortMs = Median(sorts);
    timing.rows = ListView_GetItemCount(g_app.listView);

    DestroyWindow(g_app.mainWindow);
    PumpMessages();
    UnregisterClassW(kMainWindowClass, GetModuleHandleW(nullptr));
    SetCurrentDirectoryW(L"C:\\");
    return timing;
}

} // namespace

int main()
{
    g_messageBoxHook = CountMessage;
    const int counts[] = { 1000, 10000 };
    Timing timings[2];
    bool good = true;
    for (int i = 0; i < 2; ++i) {
        timings[i] = Measure(counts[i]);
        std::printf("%6d files: refresh %8.1f ms, sort by Name %8.1f ms (%d rows%ls)\n", counts[i],
                    timings[i].refreshMs, timings[i].sortMs, timings[i].rows,
                    timings[i].ordered ? L"" : L", NOT IN ORDER");
        good = good && timings[i].ordered && timings[i].rows == counts[i];
    }
    double ratio = timings[1].sortMs / timings[0].sortMs;
    std::printf("sort(10,000) / sort(1,000) = %.1f (at most 15 expected)\n", ratio);
    std::printf("message boxes shown: %d\n", g_messages);
    return good && ratio <= 15.0 && g_messages == 0 ? 0 : 1;
}
