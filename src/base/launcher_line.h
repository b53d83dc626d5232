// The argument line a launcher shortcut hands to VelkLaunch.exe: megabytes, priority, program and parameters,
// one space between them, with the spaces inside the program path and the parameters written as "%80".
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace talvane {

// The priority field: the choice's index, or this when the user typed a priority of their own.
constexpr int kTypedPriority = -1;

struct LauncherRequest {
    std::uint32_t megabytes = 0;
    int priority = kTypedPriority;  // 0 idle, 1 normal, 2 high, -1 typed (normal)
    std::string program;            // spaces restored
    std::string parameters;         // spaces restored; may be empty
};

std::string LauncherArguments(std::uint32_t megabytes,
                              int priority,
                              const std::string& programPath,
                              const std::string& parameters);

// The line back into its fields; none, with the problem in words for a message box, when it is malformed or
// asks for more memory than the machine has (`totalPhysMB`).
std::optional<LauncherRequest> ParseLauncherLine(const std::string& line,
                                                 std::uint64_t totalPhysMB,
                                                 std::string* problem);

// A full command line (GetCommandLineA) without the program name that opens it, quoted or not.
std::string ArgumentsAfterProgramName(const std::string& commandLine);

}  // namespace talvane
