// Programs started, logged as "WinExec <command line>", and priority classes given.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "fakes/call_log.h"
#include "platform/processes.h"

namespace talvane::fakes {

class FakeProcesses : public platform::Processes {
public:
    explicit FakeProcesses(CallLog* log = nullptr) : log_(log) {}

    struct Start {
        std::string commandLine;
        int show;
    };
    std::vector<Start> started;
    std::uint32_t result = 33;  // above 31: started

    struct PriorityChange {
        std::uint32_t processId;
        std::uint32_t priorityClass;
    };
    std::vector<PriorityChange> priorities;  // only those that were made
    bool refusePriority = false;             // every process refuses, as one that cannot be opened

    std::optional<std::vector<platform::ProcessEntry>> snapshot;  // none: no ToolHelp or a failed snapshot
    std::map<std::uint32_t, platform::ProcessFacts> facts;        // a process without facts cannot be opened
    std::set<std::uint32_t> terminated;                           // only processes that have facts end

    std::optional<std::vector<platform::ProcessEntry>> Snapshot() override { return snapshot; }
    std::optional<platform::ProcessFacts> Inspect(std::uint32_t processId) override;
    bool Terminate(std::uint32_t processId) override;

    std::uint32_t WinExec(const std::string& commandLine, int showCommand) override;
    bool SetPriorityClass(std::uint32_t processId, std::uint32_t priorityClass) override;

private:
    CallLog* log_;
};

}  // namespace talvane::fakes
