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

}  // namespace talvane::fakes
