// Times programs from CreateProcess to their visible window titled
// "KORVATEL", started alternately from one folder, and reads their memory
// once the window shows. Prints one line per program:
//   <name> <median ms> <working set KiB> <private KiB>
// usage: korvatel_startup_bench.exe FOLDER RUNS NAME=PROGRAM [NAME=PROGRAM ...]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

struct Sample {
    double ms;
    SIZE_T workingSet;
    SIZE_T privateBytes;
};

struct Program {
    std::wstring name;
    std::wstring path;
    std::vector<Sample> samples;
};

static HWND VisibleWindowOf(DWORD processId)
{
    for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, nullptr, L"KORVATEL")) != nullptr;) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window)) {
            return window;
        }
    }
    return nullptr;
}

// One start: the time to the visible window, then the memory once the
// program has gone idle; the program is closed as a user would close it, so
// that the next start finds the settings files it left, as a user's does.
static bool RunOnce(Program& program, const std::wstring& folder)
{
    std::wstring commandLine = L"\"" + program.path + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    LARGE_INTEGER frequency, start, shown;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(program.path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &info)) {
        return false;
    }
    HWND window = nullptr;
    WaitForInputIdle(info.hProcess, 20000);
    for (DWORD waited = 0; (window = VisibleWindowOf(info.dwProcessId)) == nullptr && waited < 20000; ++waited) {
        Sleep(1);
    }
    QueryPerformanceCounter(&shown);
    Sample sample = { 1000.0 * static_cast<double>(shown.QuadPart - start.QuadPart) / frequency.QuadPart, 0, 0 };
    Sleep(300);
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof(memory);
    if (GetProcessMemoryInfo(info.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof(memory))) {
        sample.workingSet = memory.WorkingSetSize;
        sample.privateBytes = memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage;
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(info.hProcess, 20000) != WAIT_OBJECT_0) {
        TerminateProcess(info.hProcess, 1);
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    if (window == nullptr) {
        return false;
    }
    program.samples.push_back(sample);
    return true;
}

template <class Value>
static Value Median(std::vector<Value> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int wmain(int argc, wchar_t** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: korvatel_startup_bench FOLDER RUNS NAME=PROGRAM ...\n");
        return 2;
    }
    std::wstring folder = argv[1];
    int runs = _wtoi(argv[2]);
    std::vector<Program> programs;
    for (int i = 3; i < argc; ++i) {
        std::wstring pair = argv[i];
        size_t equals = pair.find(L'=');
        programs.push_back({ pair.substr(0, equals), pair.substr(equals + 1), {} });
    }
    // One start each first, not counted: the first start of a program also
    // pays for reading it from the disk.
    for (Program& program : programs) {
        if (!RunOnce(program, folder)) {
            std::fwprintf(stderr, L"%ls did not show its window\n", program.name.c_str());
            return 1;
        }
        program.samples.clear();
    }
    for (int run = 0; run < runs; ++run) {
        for (Program& program : programs) {
            if (!RunOnce(program, folder)) {
                std::fwprintf(stderr, L"%ls did not show its window\n", program.name.c_str());
                return 1;
            }
        }
    }
    for (const Program& program : programs) {
        std::vector<double> times;
        std::vector<SIZE_T> workingSets, privates;
        for (const Sample& sample : program.samples) {
            times.push_back(sample.ms);
            workingSets.push_back(sample.workingSet);
            privates.push_back(sample.privateBytes);
        }
        std::printf("%ls %.1f %zu %zu\n", program.name.c_str(), Median(times), Median(workingSets) / 1024,
                    Median(privates) / 1024);
    }
    return 0;
}
