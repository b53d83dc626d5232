#include "sysinfo/process_list.h"

#include <limits>

#include "base/text_table.h"

namespace talvane {

namespace {

constexpr int kKillQuestionRow = 220;
constexpr int kKillWarningRow = 221;
constexpr int kKillWarningEndRow = 222;
constexpr int kCannotTerminateRow = 223;

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

}  // namespace

bool HasProcessList(WindowsFamily family) {
    return Is9xFamily(family) || IsNtFamily(family);
}

bool ShowsProcessFigures(WindowsFamily family) {
    return IsNtFamily(family);
}

std::string PriorityClassText(std::uint32_t priorityClass) {
    switch (priorityClass) {
        case 0x40: return "Idle";
        case 0x4000: return "Below Normal";
        case 0x20: return "Normal";
        case 0x8000: return "Above Normal";
        case 0x80: return "High";
        case 0x100: return "Real Time";
        default: return "n/a";
    }
}

std::string BasePriorityText(std::int32_t basePriority) {
    const auto level = static_cast<std::uint32_t>(basePriority);
    if (level <= 5) {
        return "Idle";
    }
    if (level <= 7) {
        return "Below Normal";
    }
    if (level <= 9) {
        return "Normal";
    }
    if (level <= 12) {
        return "Above Normal";
    }
    if (level <= 23) {
        return "High";
    }
    return "Real Time";
}

std::string WorkingSetText(std::optional<std::uint64_t> bytes) {
    return bytes ? std::to_string(*bytes >> 10) + " KB" : "Unknown";
}

std::vector<ProcessRow> EnumerateProcesses(platform::Processes& processes, WindowsFamily family) {
    std::vector<ProcessRow> rows;
    if (!HasProcessList(family)) {
        return rows;
    }
    const auto snapshot = processes.Snapshot();
    if (!snapshot) {
        return rows;
    }
    for (const platform::ProcessEntry& entry : *snapshot) {
        ProcessRow row;
        row.processId = entry.processId;
        if (Is9xFamily(family)) {
            row.application = FileNameOf(entry.exeFile);
            row.priority = BasePriorityText(entry.basePriority);
        } else {
            const auto facts = processes.Inspect(entry.processId);
            if (!facts || PriorityClassText(facts->priorityClass) == "n/a") {
                continue;
            }
            // A process whose modules cannot be read (a 64-bit one seen from a 32-bit program) still has a name.
            row.application = facts->moduleFileName.empty() ? entry.exeFile : facts->moduleFileName;
            row.priority = PriorityClassText(facts->priorityClass);
            row.memory = WorkingSetText(facts->workingSetBytes);
            row.threads = entry.threads;
        }
        // 98 and Me give the whole path; the bare name shown would find no icon outside the search path.
        row.iconSource = Is9xFamily(family) ? entry.exeFile : row.application;
        rows.push_back(std::move(row));
    }
    return rows;
}

bool KillProcess(platform::Processes& processes,
                 platform::Prompts& prompts,
                 platform::WindowId owner,
                 WindowsFamily family,
                 const std::string& application,
                 const std::string& processIdText) {
    if (!HasProcessList(family)) {
        return false;
    }
    const std::string cannot = TextTable::Text(kCannotTerminateRow) + " " + Quoted(application);
    const std::optional<std::uint32_t> processId = ProcessIdFromText(processIdText);
    if (!processId) {
        prompts.Inform(owner, cannot);
        return false;
    }
    std::string question = TextTable::Text(kKillQuestionRow) + " " + Quoted(application) + "?";
    if (Is9xFamily(family)) {
        question += "\n" + TextTable::Text(kKillWarningRow) + "\n" + TextTable::Text(kKillWarningEndRow);
    }
    if (prompts.Confirm(owner, question) != platform::Answer::Yes) {
        return false;
    }
    if (!processes.Terminate(*processId)) {
        prompts.Inform(owner, cannot);
        return false;
    }
    return true;
}

std::optional<std::uint32_t> ProcessIdFromText(const std::string& text) {
    if (text.empty() || text.size() > 10) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (value > std::numeric_limits<std::uint32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

}  // namespace talvane
