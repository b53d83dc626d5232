// A program the test started: its handles, and the ways a test waits for or ends it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "win_owners.h"

namespace talvane::wine_driver {

class Process {
public:
    // CreateProcessA("exe" arguments) in working_directory (the exe's own folder when empty).
    static std::optional<Process> Launch(const std::string& exe,
                                         const std::string& arguments = {},
                                         const std::string& working_directory = {},
                                         std::string* error = nullptr);
    // count copies of exe, all created suspended and then let go together, so that they start at the same instant
    // as far as the scheduler allows. Empty, with the reason in *error, unless every one was created.
    static std::vector<Process> LaunchTogether(const std::string& exe, int count, std::string* error = nullptr);
    // Launch as a shortcut set to Minimized or Maximized would: STARTUPINFO names how its window is to show.
    static std::optional<Process> LaunchShown(const std::string& exe, WORD show, std::string* error = nullptr);

    Process(Process&&) noexcept = default;
    Process& operator=(Process&&) noexcept = default;
    // A test that fails half-way must not leave its program running into the next test.
    ~Process();

    [[nodiscard]] DWORD Id() const { return id_; }
    [[nodiscard]] HANDLE Handle() const { return process_.Get(); }
    [[nodiscard]] bool Running() const;

    // The exit code once the process ended within timeout_ms.
    [[nodiscard]] std::optional<DWORD> WaitForExit(DWORD timeout_ms) const;

    // True once the process has an idle message loop (WaitForInputIdle).
    bool WaitForIdle(DWORD timeout_ms) const;

    void Terminate();

private:
    static std::optional<Process> Create(const std::string& exe,
                                         const std::string& arguments,
                                         const std::string& working_directory,
                                         DWORD flags,
                                         std::optional<WORD> show,
                                         std::string* error);

    Process(KernelHandle process, KernelHandle thread, DWORD id)
        : process_(std::move(process)), thread_(std::move(thread)), id_(id) {}

    KernelHandle process_;
    KernelHandle thread_;
    DWORD id_ = 0;
};

}  // namespace talvane::wine_driver
