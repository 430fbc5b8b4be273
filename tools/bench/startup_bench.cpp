// Times programs from CreateProcess to their visible window titled
// "KORVATEL", all started from one folder, and reads their memory once the
// window shows. Each round starts every program once, in an order that
// rotates from round to round, so that no program always goes first. Prints
// one line per program and one per ratio of the first program to each other
// one:
//   program <name> <median ms> <min ms> <max ms> <working set KiB> <private KiB>
//   ratio <name>/<name> <median> <2.5 %> <97.5 %>
// A ratio is the median of the per-round ratios, with a 95 % bootstrap
// interval. Progress goes to stderr, one line per round.
// usage: korvatel_startup_bench.exe FOLDER ROUNDS NAME=PROGRAM [NAME=PROGRAM ...]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <random>
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

enum { kResamples = 2000, kResampleSeed = 7 };

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
    // Read before the program is closed, so that a crash is told from a slow start.
    bool ended = false;
    DWORD exitCode = 0;
    if (window == nullptr) {
        ended = WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0 && GetExitCodeProcess(info.hProcess, &exitCode);
    }
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
        if (ended) {
            std::fwprintf(stderr, L"%ls did not show its window: it ended with exit code 0x%08lX\n",
                          program.name.c_str(), exitCode);
        } else {
            std::fwprintf(stderr, L"%ls did not show its window: still running\n", program.name.c_str());
        }
        return false;
    }
    program.samples.push_back(sample);
    return true;
}

static double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The medians of resamples drawn with replacement from the per-round ratios,
// always from the same seed so that the same ratios give the same interval;
// the interval's ends are the 2.5th and 97.5th percentiles (nearest rank).
static void BootstrapInterval(const std::vector<double>& ratios, double& low, double& high)
{
    std::mt19937 generator(kResampleSeed);
    std::uniform_int_distribution<size_t> pick(0, ratios.size() - 1);
    std::vector<double> medians, resample(ratios.size());
    for (int i = 0; i < kResamples; ++i) {
        for (double& ratio : resample) {
            ratio = ratios[pick(generator)];
        }
        medians.push_back(Median(resample));
    }
    std::sort(medians.begin(), medians.end());
    low = medians[kResamples * 25 / 1000 - 1];
    high = medians[kResamples * 975 / 1000 - 1];
}

static std::vector<double> Times(const Program& program)
{
    std::vector<double> times;
    for (const Sample& sample : program.samples) {
        times.push_back(sample.ms);
    }
    return times;
}

static void PrintProgram(const Program& program)
{
    std::vector<double> times = Times(program), workingSets, privates;
    for (const Sample& sample : program.samples) {
        workingSets.push_back(static_cast<double>(sample.workingSet / 1024));
        privates.push_back(static_cast<double>(sample.privateBytes / 1024));
    }
    std::printf("program %ls %.1f %.1f %.1f %.0f %.0f\n", program.name.c_str(), Median(times),
                *std::min_element(times.begin(), times.end()), *std::max_element(times.begin(), times.end()),
                Median(workingSets), Median(privates));
}

// Rounds pair up: the samples of one round are the same index in every program.
static void PrintRatio(const Program& measured, const Program& floor)
{
    std::vector<double> ratios;
    for (size_t round = 0; round < measured.samples.size(); ++round) {
        ratios.push_back(measured.samples[round].ms / floor.samples[round].ms);
    }
    double low = 0, high = 0;
    BootstrapInterval(ratios, low, high);
    std::printf("ratio %ls/%ls %.3f %.3f %.3f\n", measured.name.c_str(), floor.name.c_str(), Median(ratios), low,
                high);
}

static bool RunRound(std::vector<Program>& programs, const std::wstring& folder, int round, int rounds)
{
    size_t count = programs.size();
    for (size_t i = 0; i < count; ++i) {
        if (!RunOnce(programs[(round + i) % count], folder)) {
            return false;
        }
    }
    std::fwprintf(stderr, L"  round %d/%d:", round + 1, rounds);
    for (const Program& program : programs) {
        std::fwprintf(stderr, L" %ls %.1f", program.name.c_str(), program.samples.back().ms);
    }
    std::fwprintf(stderr, L" ms\n");
    return true;
}

int wmain(int argc, wchar_t** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: korvatel_startup_bench FOLDER ROUNDS NAME=PROGRAM ...\n");
        return 2;
    }
    std::wstring folder = argv[1];
    int rounds = _wtoi(argv[2]);
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
            return 1;
        }
        program.samples.clear();
    }
    for (int round = 0; round < rounds; ++round) {
        if (!RunRound(programs, folder, round, rounds)) {
            return 1;
        }
    }
    for (const Program& program : programs) {
        PrintProgram(program);
    }
    for (size_t i = 1; i < programs.size(); ++i) {
        PrintRatio(programs[0], programs[i]);
    }
    return 0;
}
