// The real process services behind platform::Processes.
#pragma once

#include "platform/processes.h"
#include "platform/win32/handles.h"

namespace talvane::win32 {

class Win32Processes final : public platform::Processes {
public:
    std::uint32_t WinExec(const std::string& commandLine, int showCommand) override;
    bool SetPriorityClass(std::uint32_t processId, std::uint32_t priorityClass) override;
    std::optional<std::vector<platform::ProcessEntry>> Snapshot() override;
    std::optional<platform::ProcessFacts> Inspect(std::uint32_t processId) override;
    bool Terminate(std::uint32_t processId) override;

private:
    // PSAPI is loaded on the first inspection and kept; a failed load is not tried again.
    HMODULE Psapi();
    UniqueModule psapi_;
    bool psapiTried_ = false;
};

}  // namespace talvane::win32
