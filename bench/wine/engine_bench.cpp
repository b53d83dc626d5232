// The engine at rest and at work: its CPU time per idle minute, its idle working set against a minimal window
// program running alongside, and how long its window takes to answer the reload message while a freeing runs.
// With a control panel named too, its idle CPU is taken over the same minute: one status tick a second.
#include "platform/win32/win.h"

// psapi.h and tlhelp32.h build on windows.h.
#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/win32_platform.h"
#include "timing.h"

namespace {

using talvane::bench::Median;
using talvane::bench::Now;
namespace win32 = talvane::win32;

constexpr const char* kKeyPath = "Software\\Talvane";
constexpr UINT kReload = WM_USER + 81;
constexpr UINT kFreeXCommand = 40001;
constexpr DWORD kFreeXMB = 256;
constexpr DWORD kSettleMs = 3000;
constexpr DWORD kReplyTimeoutMs = 5000;
constexpr double kFreeingWaitMs = 5000;

// An idle engine: enabled, with nothing that frees by itself. The values are put back afterwards.
struct Value {
    const char* name;
    DWORD data;
};
constexpr Value kIdleSettings[] = {
    {"Talvane_Stat", 1},      {"Minimum Free RAM", 1},        {"TrayIconInfo", 1}, {"FreeonStartup", 0},
    {"Freeeverymin_Val2", 0}, {"FreeupXMenu_Val1", kFreeXMB}, {"FirstTime", 0},  // no text: no first run, so the
                                                                                 // control panel starts no engine of
                                                                                 // its own
};

class SavedValues {
public:
    explicit SavedValues(HKEY key) : key_(key) {}
    ~SavedValues() {
        for (const Saved& saved : saved_) {
            if (saved.existed) {
                RegSetValueExA(key_, saved.name.c_str(), 0, saved.type, saved.data.data(),
                               static_cast<DWORD>(saved.data.size()));
            } else {
                RegDeleteValueA(key_, saved.name.c_str());
            }
        }
    }
    SavedValues(const SavedValues&) = delete;
    SavedValues& operator=(const SavedValues&) = delete;

    bool Set(const char* name, DWORD data) {
        Saved saved{name, false, REG_NONE, {}};
        DWORD size = 0;
        if (RegQueryValueExA(key_, name, nullptr, &saved.type, nullptr, &size) == ERROR_SUCCESS) {
            saved.data.resize(size);
            saved.existed =
                RegQueryValueExA(key_, name, nullptr, &saved.type, saved.data.data(), &size) == ERROR_SUCCESS;
            saved.data.resize(size);
        }
        saved_.push_back(saved);
        return RegSetValueExA(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof(data)) ==
               ERROR_SUCCESS;
    }

private:
    struct Saved {
        std::string name;
        bool existed;
        DWORD type;
        std::vector<BYTE> data;
    };
    HKEY key_;
    std::vector<Saved> saved_;
};

struct Program {
    win32::UniqueHandle process;
    DWORD id = 0;
    HWND window = nullptr;
};

bool Start(const std::string& path, Program& program) {
    std::string command = "\"" + path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        return false;
    }
    CloseHandle(info.hThread);
    program.process.Reset(info.hProcess);
    program.id = info.dwProcessId;
    return true;
}

// The engine's window is never shown: it is found by class and caption, as the control panel finds it.
HWND WaitForWindow(const Program& program, bool hidden) {
    for (int i = 0; i < 1000; ++i) {
        if (hidden) {
            HWND window = FindWindowA("TForm1", "Talvane");
            DWORD pid = 0;
            GetWindowThreadProcessId(window, &pid);
            if (window != nullptr && pid == program.id) {
                return window;
            }
        } else {
            if (HWND found = talvane::bench::VisibleWindowOf(program.id)) {
                return found;
            }
        }
        if (WaitForSingleObject(program.process.Get(), 10) == WAIT_OBJECT_0) {
            return nullptr;
        }
    }
    return nullptr;
}

double WorkingSetMB(const Program& program) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(program.process.Get(), &counters, sizeof(counters));
    return static_cast<double>(counters.WorkingSetSize) / (1024.0 * 1024.0);
}

void Close(Program& program) {
    if (program.window != nullptr) {
        PostMessageA(program.window, WM_CLOSE, 0, 0);
    }
    if (program.process && WaitForSingleObject(program.process.Get(), 10000) != WAIT_OBJECT_0) {
        std::fprintf(stderr, "process %lu did not end on WM_CLOSE\n", program.id);
        TerminateProcess(program.process.Get(), 1);
    }
}

ULONGLONG Units(const FILETIME& time) {
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// A process's threads. A freeing runs on a thread of its own, so the engine has one thread more while it runs.
class Threads {
public:
    Threads() {
        const HMODULE kernel = GetModuleHandleA("kernel32.dll");
        snapshot_ = win32::LookUp<SnapshotFn>(kernel, "CreateToolhelp32Snapshot");
        first_ = win32::LookUp<ThreadFn>(kernel, "Thread32First");
        next_ = win32::LookUp<ThreadFn>(kernel, "Thread32Next");
        open_ = win32::LookUp<OpenThreadFn>(kernel, "OpenThread");
    }
    // None where the system cannot list threads.
    [[nodiscard]] std::optional<std::vector<DWORD>> Ids(DWORD processId) const {
        if (snapshot_ == nullptr || first_ == nullptr || next_ == nullptr) {
            return std::nullopt;
        }
        const win32::UniqueHandle snapshot(snapshot_(TH32CS_SNAPTHREAD, 0));
        if (!snapshot || snapshot.Get() == INVALID_HANDLE_VALUE) {
            return std::nullopt;
        }
        THREADENTRY32 entry{};
        entry.dwSize = sizeof(entry);
        std::vector<DWORD> ids;
        for (BOOL more = first_(snapshot.Get(), &entry); more; more = next_(snapshot.Get(), &entry)) {
            if (entry.th32OwnerProcessID == processId) {
                ids.push_back(entry.th32ThreadID);
            }
        }
        return ids;
    }
    [[nodiscard]] std::optional<int> Count(DWORD processId) const {
        const auto ids = Ids(processId);
        return ids ? std::optional<int>(static_cast<int>(ids->size())) : std::nullopt;
    }
    // Kernel and user time of the threads alive now, ms; none when they cannot be read.
    [[nodiscard]] std::optional<double> CpuMs(DWORD processId) const {
        const auto ids = Ids(processId);
        if (!ids || open_ == nullptr) {
            return std::nullopt;
        }
        ULONGLONG total = 0;
        for (const DWORD id : *ids) {
            const win32::UniqueHandle thread(open_(THREAD_QUERY_INFORMATION, FALSE, id));
            FILETIME created;
            FILETIME exited;
            FILETIME kernel;
            FILETIME user;
            if (thread && GetThreadTimes(thread.Get(), &created, &exited, &kernel, &user)) {
                total += Units(kernel) + Units(user);
            }
        }
        return static_cast<double>(total) / 10000.0;  // 100 ns units
    }

private:
    using SnapshotFn = HANDLE(WINAPI*)(DWORD, DWORD);
    using ThreadFn = BOOL(WINAPI*)(HANDLE, LPTHREADENTRY32);
    using OpenThreadFn = HANDLE(WINAPI*)(DWORD, BOOL, DWORD);
    SnapshotFn snapshot_ = nullptr;
    ThreadFn first_ = nullptr;
    ThreadFn next_ = nullptr;
    OpenThreadFn open_ = nullptr;
};

// Kernel and user time since start, ms, as the process's own account and as the sum over the threads alive now.
// Some systems keep no true account for another process; a process can never have used less than its live
// threads, so when it claims to, the threads' sum stands in (sound over an interval in which none starts or ends).
struct CpuTime {
    double process = 0;
    std::optional<double> threads;
    [[nodiscard]] bool ProcessTrusted() const { return !threads || *threads <= process; }
    [[nodiscard]] double Ms(bool fromThreads) const { return fromThreads ? threads.value_or(0) : process; }
};

CpuTime CpuMs(const Program& program) {
    CpuTime time;
    FILETIME created;
    FILETIME exited;
    FILETIME kernel;
    FILETIME user;
    if (GetProcessTimes(program.process.Get(), &created, &exited, &kernel, &user)) {
        time.process = static_cast<double>(Units(kernel) + Units(user)) / 10000.0;  // 100 ns units
    }
    time.threads = Threads().CpuMs(program.id);
    return time;
}

// CPU ms per minute over the interval, from the same account at both ends.
double PerMinute(const CpuTime& start, const CpuTime& end, double minutes, bool fromThreads) {
    return (end.Ms(fromThreads) - start.Ms(fromThreads)) / minutes;
}

std::string ReadWhole(const std::string& path) {
    const win32::UniqueFileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                   nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    std::string text;
    if (!file) {
        return text;
    }
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file.Get(), buffer, sizeof(buffer), &read, nullptr) && read > 0) {
        text.append(buffer, read);
    }
    return text;
}

std::string HistoryPath() {
    win32::Win32Shell shell;
    std::string folder = shell.SpecialFolderPath(0, talvane::platform::ShellFolder::AppData);
    if (!folder.empty() && folder.back() == '\\') {
        folder.pop_back();
    }
    return folder + "\\Talvane\\freeings.log";
}

struct Answers {
    std::vector<double> all;     // every answer's time, ms
    std::vector<double> inside;  // those that began and ended with the freeing's thread alive
    bool ended = false;          // its history line appeared
    bool threadsKnown = true;
    int failed = 0;
};

Answers AnswersWhileFreeing(const Program& engine) {
    const Threads threads;
    const std::string history = HistoryPath();
    const std::string before = ReadWhole(history);
    const std::optional<int> idleThreads = threads.Count(engine.id);
    Answers answers;
    answers.threadsKnown = idleThreads.has_value();
    PostMessageA(engine.window, WM_COMMAND, kFreeXCommand, 0);
    const double start = Now();
    while (!answers.ended && (Now() - start) / 1000.0 < kFreeingWaitMs) {
        const std::optional<int> threadsBefore = threads.Count(engine.id);
        DWORD_PTR result = 0;
        const double sent = Now();
        const bool answered =
            SendMessageTimeoutA(engine.window, kReload, 0, 0, SMTO_BLOCK, kReplyTimeoutMs, &result) != 0;
        const double ms = (Now() - sent) / 1000.0;
        const std::optional<int> threadsAfter = threads.Count(engine.id);
        if (!answered) {
            ++answers.failed;
            continue;
        }
        answers.all.push_back(ms);
        if (idleThreads && threadsBefore && threadsAfter && *threadsBefore > *idleThreads &&
            *threadsAfter > *idleThreads) {
            answers.inside.push_back(ms);
        }
        answers.ended = ReadWhole(history) != before;
    }
    return answers;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: engine_bench ENGINE.exe FLOOR.exe [SECONDS [PANEL.exe]]\n");
        return 2;
    }
    const std::string enginePath = argv[1];
    const std::string floorPath = argv[2];
    const int seconds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 60;
    const std::string panelPath = argc > 4 ? argv[4] : "";
    if (FindWindowA("TForm1", "Talvane") != nullptr) {
        std::fprintf(stderr, "an engine already runs; end it first\n");
        return 1;
    }

    HKEY rawKey = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kKeyPath, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &rawKey, nullptr) !=
        ERROR_SUCCESS) {
        std::fprintf(stderr, "cannot open HKCU\\%s\n", kKeyPath);
        return 1;
    }
    const win32::UniqueKey key(rawKey);
    SavedValues saved(key.Get());
    for (const Value& value : kIdleSettings) {
        if (!saved.Set(value.name, value.data)) {
            std::fprintf(stderr, "cannot set %s\n", value.name);
            return 1;
        }
    }

    // Both run side by side, so that they see the same system for the same time.
    Program floor;
    Program engine;
    if (!Start(floorPath, floor) || (floor.window = WaitForWindow(floor, false)) == nullptr) {
        std::fprintf(stderr, "%s: no visible window\n", floorPath.c_str());
        Close(floor);
        return 1;
    }
    if (!Start(enginePath, engine) || (engine.window = WaitForWindow(engine, true)) == nullptr) {
        std::fprintf(stderr, "%s: no engine window\n", enginePath.c_str());
        Close(engine);
        Close(floor);
        return 1;
    }
    Program panel;
    if (!panelPath.empty() && (!Start(panelPath, panel) || (panel.window = WaitForWindow(panel, false)) == nullptr)) {
        std::fprintf(stderr, "%s: no visible window\n", panelPath.c_str());
        Close(panel);
        Close(engine);
        Close(floor);
        return 1;
    }
    Sleep(kSettleMs);
    const CpuTime engineCpuStart = CpuMs(engine);
    const CpuTime floorCpuStart = CpuMs(floor);
    const CpuTime panelCpuStart = CpuMs(panel);
    const double idleStart = Now();
    Sleep(static_cast<DWORD>(seconds) * 1000);
    const double idleMinutes = (Now() - idleStart) / 60e6;
    const CpuTime engineCpuEnd = CpuMs(engine);
    const CpuTime floorCpuEnd = CpuMs(floor);
    const CpuTime panelCpuEnd = CpuMs(panel);
    const bool engineThreads = !engineCpuStart.ProcessTrusted();
    const double engineCpuPerMinute = PerMinute(engineCpuStart, engineCpuEnd, idleMinutes, engineThreads);
    const double floorCpuPerMinute =
        PerMinute(floorCpuStart, floorCpuEnd, idleMinutes, !floorCpuStart.ProcessTrusted());
    const double engineMB = WorkingSetMB(engine);
    const double floorMB = WorkingSetMB(floor);
    Close(floor);
    if (panel.process) {
        const double panelPerMinute =
            PerMinute(panelCpuStart, panelCpuEnd, idleMinutes, !panelCpuStart.ProcessTrusted());
        std::printf(
            "control panel idle %d s: CPU %.1f ms per minute, %.2f ms per status tick (goal 1 ms), %.3f %% of one "
            "core (goal 0.3 %%)\n",
            seconds, panelPerMinute, panelPerMinute / 60.0, panelPerMinute / 600.0);
        Close(panel);
    }

    if (engineCpuEnd.Ms(engineThreads) <= 0) {
        // Starting took time; none at all means the system keeps no account of it.
        std::printf("engine idle %d s: CPU time not reported by this system\n", seconds);
    } else {
        std::printf(
            "engine idle %d s: CPU %.1f ms per minute%s, %.2f ms per tick (goal 1 ms), %.3f %% of one core (goal "
            "< 0.1 %%), floor window %.1f ms per minute\n",
            seconds, engineCpuPerMinute, engineThreads ? " summed over its threads" : "", engineCpuPerMinute / 60.0,
            engineCpuPerMinute / 600.0, floorCpuPerMinute);
    }
    std::printf("engine idle working set %7.2f MB, floor window %7.2f MB: %+.2f MB (goal within 2 MB)\n", engineMB,
                floorMB, engineMB - floorMB);

    const Answers answers = AnswersWhileFreeing(engine);
    Close(engine);
    if (answers.all.empty()) {
        std::printf("engine answer to 1105 during a %lu MB freeing: no answer (%d timed out)\n", kFreeXMB,
                    answers.failed);
        return 1;
    }
    std::printf(
        "engine answer to 1105 from a %lu MB freeing's start to its history line: median %.2f ms, worst %.2f "
        "ms over %zu calls (goal < 50 ms)%s%s\n",
        kFreeXMB, Median(answers.all), *std::max_element(answers.all.begin(), answers.all.end()), answers.all.size(),
        answers.ended ? "" : "; no history line within 5 s", answers.failed > 0 ? "; some timed out" : "");
    if (!answers.threadsKnown) {
        std::printf("engine answer to 1105 inside the freeing: unknown, the system cannot list threads\n");
    } else if (answers.inside.empty()) {
        std::printf(
            "engine answer to 1105 inside the freeing: none of the %zu calls fell inside it (it ran too "
            "briefly to measure)\n",
            answers.all.size());
    } else {
        std::printf("engine answer to 1105 inside the freeing: %zu calls, median %.2f ms, worst %.2f ms\n",
                    answers.inside.size(), Median(answers.inside),
                    *std::max_element(answers.inside.begin(), answers.inside.end()));
    }
    return 0;
}
