// Starting, listing, prioritising and ending processes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace talvane::platform {

// One process of a ToolHelp snapshot.
struct ProcessEntry {
    std::uint32_t processId = 0;
    std::uint32_t threads = 0;
    std::int32_t basePriority = 0;
    std::string exeFile;  // a full path on 9x, the bare file name on NT
};

// What a process opened with full access tells about itself.
struct ProcessFacts {
    std::uint32_t priorityClass = 0;               // 0: GetPriorityClass failed
    std::optional<std::uint64_t> workingSetBytes;  // none: the memory counters could not be read
    std::string moduleFileName;                    // the first module's path; empty when it could not be read
};

class Processes {
public:
    virtual ~Processes() = default;

    // WinExec: above 31 when the program was started, an error code otherwise.
    virtual std::uint32_t WinExec(const std::string& commandLine, int showCommand) = 0;
    // OpenProcess and SetPriorityClass; false when either failed.
    virtual bool SetPriorityClass(std::uint32_t processId, std::uint32_t priorityClass) = 0;
    // The running processes in snapshot order; none when ToolHelp is missing or the snapshot failed.
    virtual std::optional<std::vector<ProcessEntry>> Snapshot() = 0;
    // None when the process cannot be opened with full access.
    virtual std::optional<ProcessFacts> Inspect(std::uint32_t processId) = 0;
    // OpenProcess(PROCESS_TERMINATE) and TerminateProcess with exit code 0; false when either failed or the
    // process had already ended.
    virtual bool Terminate(std::uint32_t processId) = 0;
};

}  // namespace talvane::platform
