#include "process.h"

#include <vector>

#include "host.h"

namespace talvane::wine_driver {

std::optional<Process> Process::Launch(const std::string& exe,
                                       const std::string& arguments,
                                       const std::string& working_directory,
                                       std::string* error) {
    return Create(exe, arguments, working_directory, 0, std::nullopt, error);
}

std::optional<Process> Process::LaunchShown(const std::string& exe, WORD show, std::string* error) {
    return Create(exe, {}, {}, 0, show, error);
}

std::vector<Process> Process::LaunchTogether(const std::string& exe, int count, std::string* error) {
    std::vector<Process> processes;
    for (int i = 0; i < count; ++i) {
        auto process = Create(exe, {}, {}, CREATE_SUSPENDED, std::nullopt, error);
        if (!process) {
            return {};
        }
        processes.push_back(std::move(*process));
    }
    for (const Process& process : processes) {
        ResumeThread(process.thread_.Get());
    }
    return processes;
}

std::optional<Process> Process::Create(const std::string& exe,
                                       const std::string& arguments,
                                       const std::string& working_directory,
                                       DWORD flags,
                                       std::optional<WORD> show,
                                       std::string* error) {
    const std::string exe_path = ToWindowsPath(exe);
    const std::string directory = working_directory.empty() ? DirectoryOf(exe_path) : ToWindowsPath(working_directory);
    std::string command_line = "\"" + exe_path + "\"";
    if (!arguments.empty()) {
        command_line += " " + arguments;
    }
    // CreateProcessA may write into the command line.
    std::vector<char> mutable_line(command_line.begin(), command_line.end());
    mutable_line.push_back('\0');

    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    if (show) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = *show;
    }
    PROCESS_INFORMATION info = {};
    // On a loaded machine Wine now and then reports ERROR_INTERNAL_ERROR for a process that did not come up in
    // time; that start is tried again, any other failure is the test's.
    BOOL created = FALSE;
    for (int attempt = 0; attempt < 3 && !created; ++attempt) {
        if (attempt > 0) {
            if (GetLastError() != ERROR_INTERNAL_ERROR) {
                break;
            }
            Sleep(500);
        }
        created = CreateProcessA(exe_path.c_str(), mutable_line.data(), nullptr, nullptr, FALSE, flags, nullptr,
                                 directory.c_str(), &startup, &info);
    }
    if (!created) {
        if (error != nullptr) {
            *error = "CreateProcessA(" + command_line + ") in " + directory + " failed, error " +
                     std::to_string(GetLastError());
        }
        return std::nullopt;
    }
    return Process(KernelHandle(info.hProcess), KernelHandle(info.hThread), info.dwProcessId);
}

Process::~Process() {
    if (process_ && Running()) {
        Terminate();
    }
}

bool Process::Running() const {
    return process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Process::WaitForExit(DWORD timeout_ms) const {
    if (!process_ || WaitForSingleObject(process_.Get(), timeout_ms) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    if (!GetExitCodeProcess(process_.Get(), &code)) {
        return std::nullopt;
    }
    return code;
}

bool Process::WaitForIdle(DWORD timeout_ms) const {
    return process_ && WaitForInputIdle(process_.Get(), timeout_ms) == 0;
}

void Process::Terminate() {
    if (process_) {
        TerminateProcess(process_.Get(), 255);
        WaitForSingleObject(process_.Get(), 5000);
    }
}

}  // namespace talvane::wine_driver
