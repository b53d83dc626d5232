// The real process starter behind platform::Processes.
#pragma once

#include "platform/processes.h"

namespace talvane::win32 {

class Win32Processes final : public platform::Processes {
public:
    std::uint32_t WinExec(const std::string& commandLine, int showCommand) override;
};

}  // namespace talvane::win32
