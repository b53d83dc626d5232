// The launcher VelkLaunch.exe in the prefix, and what launch_recorder.exe notes when it is started.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace talvane::wine_driver {

// Copies TALVANE_LAUNCHER (else VelkLaunch.exe beside the test) into the Windows directory, where launcher
// shortcuts look for it; the installed path, or empty with the reason in *error.
std::string InstallLauncher(std::string* error = nullptr);

// TALVANE_LAUNCH_RECORDER, else launch_recorder.exe beside the test.
std::string LaunchRecorderPath();

struct LaunchRecord {
    std::string directory;  // without a trailing backslash, unless it is a drive's root
    DWORD priority_class = 0;
    std::string arguments;  // the command line after the program's name
};

// The record once the file exists and reads whole, or none after timeout_ms.
std::optional<LaunchRecord> WaitForLaunchRecord(const std::string& path, DWORD timeout_ms);

}  // namespace talvane::wine_driver
