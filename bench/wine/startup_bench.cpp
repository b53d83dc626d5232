// Time from process start to a visible main window, and the working set after start, for each program
// named on the command line; the first is the floor the others are compared against.
// windows.h must come first; psapi.h builds on it.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>
#include "timing.h"

namespace {

using talvane::bench::Median;

struct Sample {
    double milliseconds = 0;
    double workingSetKB = 0;
};

bool RunOnce(const std::string& program, Sample& sample) {
    LARGE_INTEGER frequency;
    LARGE_INTEGER start;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::string command = "\"" + program + "\"";
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return false;
    }
    HWND found = nullptr;
    for (int i = 0; i < 20000 && found == nullptr; ++i) {
        found = talvane::bench::VisibleWindowOf(process.dwProcessId);
        if (found == nullptr) {
            Sleep(0);
        }
    }
    QueryPerformanceCounter(&now);
    sample.milliseconds =
        1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    // Let the first paint and timers settle before measuring memory.
    Sleep(1500);
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(process.hProcess, &counters, sizeof(counters));
    sample.workingSetKB = static_cast<double>(counters.WorkingSetSize) / 1024.0;
    if (found != nullptr) {
        PostMessageA(found, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return found != nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench RUNS FLOOR.exe PROGRAM.exe...\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    double floorMs = 0;
    double floorKB = 0;
    for (int p = 2; p < argc; ++p) {
        std::vector<double> times;
        std::vector<double> sets;
        for (int r = 0; r < runs; ++r) {
            Sample sample;
            if (!RunOnce(argv[p], sample)) {
                std::fprintf(stderr, "%s: no visible window\n", argv[p]);
                return 1;
            }
            times.push_back(sample.milliseconds);
            sets.push_back(sample.workingSetKB);
        }
        const double ms = Median(times);
        const double kb = Median(sets);
        if (p == 2) {
            floorMs = ms;
            floorKB = kb;
        }
        std::printf("%-40s start %7.1f ms (%.2fx floor)  working set %7.0f KB (%+.0f KB vs floor)\n", argv[p], ms,
                    floorMs > 0 ? ms / floorMs : 0.0, kb, kb - floorKB);
    }
    return 0;
}
