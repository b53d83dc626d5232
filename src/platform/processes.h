// Starting programs.
#pragma once

#include <cstdint>
#include <string>

namespace talvane::platform {

class Processes {
public:
    virtual ~Processes() = default;

    // WinExec: above 31 when the program was started, an error code otherwise.
    virtual std::uint32_t WinExec(const std::string& commandLine, int showCommand) = 0;
    // OpenProcess and SetPriorityClass; false when either failed.
    virtual bool SetPriorityClass(std::uint32_t processId, std::uint32_t priorityClass) = 0;
};

}  // namespace talvane::platform
