#include "fakes/fake_processes.h"

namespace talvane::fakes {

std::uint32_t FakeProcesses::WinExec(const std::string& commandLine, int showCommand) {
    if (log_ != nullptr) {
        log_->Add("WinExec " + commandLine);
    }
    started.push_back({commandLine, showCommand});
    return result;
}

bool FakeProcesses::SetPriorityClass(std::uint32_t processId, std::uint32_t priorityClass) {
    if (refusePriority) {
        return false;
    }
    priorities.push_back({processId, priorityClass});
    return true;
}

std::optional<platform::ProcessFacts> FakeProcesses::Inspect(std::uint32_t processId) {
    const auto found = facts.find(processId);
    if (found == facts.end()) {
        return std::nullopt;
    }
    return found->second;
}

bool FakeProcesses::Terminate(std::uint32_t processId) {
    if (facts.count(processId) == 0 || terminated.count(processId) != 0) {
        return false;
    }
    terminated.insert(processId);
    return true;
}

}  // namespace talvane::fakes
