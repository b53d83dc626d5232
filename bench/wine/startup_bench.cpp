// From process creation to the moment the user can use the window, for each program named on the command line,
// against two floors: the bare window and the window of a program with visual styles. Three moments are taken:
// the first visible top-level window, the first answer to a message sent to it, and ready: it answers and no
// window of the process is waiting to be painted. The working set is read at ready.
// The programs take turns, one run each a round. The first round is reported apart (cold: each program's first
// start in the Wine session, its own files not yet mapped, when run first by scripts/bench.sh); the other rounds
// as warm medians.
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
using talvane::bench::Now;

struct Sample {
    double visibleMs = 0;
    double answersMs = 0;
    double readyMs = 0;
    double workingSetKB = 0;
};

BOOL CALLBACK AnyUnpainted(HWND window, LPARAM param) {
    if (IsWindowVisible(window) && GetUpdateRect(window, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(param) = true;
        return FALSE;
    }
    return TRUE;
}

// A visible window of the process, or one of its children, still has a region to paint.
bool Unpainted(HWND top) {
    bool unpainted = GetUpdateRect(top, nullptr, FALSE) != FALSE;
    if (!unpainted) {
        EnumChildWindows(top, AnyUnpainted, reinterpret_cast<LPARAM>(&unpainted));
    }
    return unpainted;
}

bool Answers(HWND window) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result) != 0;
}

bool RunOnce(const std::string& program, Sample& sample) {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::string command = "\"" + program + "\"";
    const double start = Now();
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return false;
    }
    HWND found = nullptr;
    for (int i = 0; i < 200000 && found == nullptr; ++i) {
        found = talvane::bench::VisibleWindowOf(process.dwProcessId);
        if (found == nullptr) {
            Sleep(0);
        }
    }
    sample.visibleMs = (Now() - start) / 1000.0;
    bool ready = found != nullptr && Answers(found);
    sample.answersMs = (Now() - start) / 1000.0;
    // Painting comes after every other message; each round trip lets the program take the next ones.
    for (int i = 0; ready && i < 100000 && Unpainted(found); ++i) {
        Sleep(0);
        ready = Answers(found);
    }
    sample.readyMs = (Now() - start) / 1000.0;
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
    return ready;
}

// The control panel starts as a user's would after the installer's first run: no engine to start.
void SettleSettings(const std::string& program) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Talvane", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return;
    }
    const std::string folder = program.substr(0, program.find_last_of("\\/"));
    RegSetValueExA(key, "CurrentDir2", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                   static_cast<DWORD>(folder.size()));
    RegSetValueExA(key, "FirstTime", 0, REG_SZ, reinterpret_cast<const BYTE*>("0"), 1);
    RegCloseKey(key);
}

struct Figures {
    Sample cold;
    Sample warm;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup_bench RUNS FLOOR.exe STYLES_FLOOR.exe PROGRAM.exe...\n");
        return 2;
    }
    const int runs = std::max(2, std::atoi(argv[1]));
    // Round by round, each program once a round, so a machine that slows or speeds up meanwhile weighs on all alike.
    std::vector<std::vector<Sample>> samples(static_cast<std::size_t>(argc - 2));
    for (int r = 0; r < runs; ++r) {
        for (int p = 2; p < argc; ++p) {
            SettleSettings(argv[p]);
            Sample sample;
            if (!RunOnce(argv[p], sample)) {
                std::fprintf(stderr, "%s: no window ready for input\n", argv[p]);
                return 1;
            }
            samples[static_cast<std::size_t>(p - 2)].push_back(sample);
        }
    }
    std::vector<Figures> figures;
    for (const std::vector<Sample>& runsOf : samples) {
        Figures f;
        f.cold = runsOf.front();
        std::vector<double> visible, answers, ready, sets;
        for (std::size_t r = 1; r < runsOf.size(); ++r) {
            visible.push_back(runsOf[r].visibleMs);
            answers.push_back(runsOf[r].answersMs);
            ready.push_back(runsOf[r].readyMs);
            sets.push_back(runsOf[r].workingSetKB);
        }
        f.warm = {Median(visible), Median(answers), Median(ready), Median(sets)};
        figures.push_back(f);
    }
    const Figures& bare = figures[0];
    const Figures& styles = figures[1];
    for (std::size_t p = 0; p < figures.size(); ++p) {
        const char* name = argv[p + 2];
        for (const bool cold : {true, false}) {
            const Sample& s = cold ? figures[p].cold : figures[p].warm;
            const Sample& b = cold ? bare.cold : bare.warm;
            const Sample& v = cold ? styles.cold : styles.warm;
            std::printf(
                "%-44s %s visible %6.1f  answers %6.1f  ready %6.1f ms (%.2fx bare, %.2fx styles)  "
                "working set %6.0f KB (%+.0f KB vs styles)\n",
                name, cold ? "cold" : "warm", s.visibleMs, s.answersMs, s.readyMs,
                b.readyMs > 0 ? s.readyMs / b.readyMs : 0.0, v.readyMs > 0 ? s.readyMs / v.readyMs : 0.0,
                s.workingSetKB, s.workingSetKB - v.workingSetKB);
        }
    }
    return 0;
}
