// The real process starter behind platform::Processes.
#pragma once

#include "platform/processes.h"

namespace talvane::win32 {

class Win32Processes final : public platform::Processes {
public:
    std::uint32_t WinExec(const std::string& commandLine, int showCommand) override;
    bool SetPriorityClass(std::uint32_t processId, std::uint32_t priorityClass) override;
};

}  // namespace talvane::win32
