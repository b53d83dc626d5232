// The rows of the process list and the rules of ending a process.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/windows_family.h"
#include "platform/processes.h"
#include "platform/prompts.h"

namespace talvane {

struct ProcessRow {
    std::string application;  // the program's path on NT, its bare file name on 9x
    std::uint32_t processId = 0;
    std::string priority;
    std::string memory;         // NT only
    std::uint32_t threads = 0;  // NT only
    std::string iconSource;
};

// Which families list processes, and which of them also show memory use and threads.
bool HasProcessList(WindowsFamily family);
bool ShowsProcessFigures(WindowsFamily family);

// "Idle" ... "Real Time" for a priority class; "n/a" for any other value, 0 (a failed read) included.
std::string PriorityClassText(std::uint32_t priorityClass);
// The same words for a ToolHelp base priority, taken as unsigned.
std::string BasePriorityText(std::int32_t basePriority);
// "1536 KB" (bytes / 1024, rounded down); "Unknown" without counters.
std::string WorkingSetText(std::optional<std::uint64_t> bytes);

// In snapshot order. On NT a process that cannot be opened with full access, or whose class cannot be read, is
// left out; on 9x every process is listed. Empty on the families without a list.
std::vector<ProcessRow> EnumerateProcesses(platform::Processes& processes, WindowsFamily family);

// A process ID as a list row shows it; none for text that is not a whole number.
std::optional<std::uint32_t> ProcessIdFromText(const std::string& text);
// Kill Process for one row: asks (with the 9x warning on 98 and Me), ends the process and says when it cannot.
// True when the process ended, so its row goes. Nothing happens on the families without a list.
bool KillProcess(platform::Processes& processes,
                 platform::Prompts& prompts,
                 platform::WindowId owner,
                 WindowsFamily family,
                 const std::string& application,
                 const std::string& processIdText);

}  // namespace talvane
