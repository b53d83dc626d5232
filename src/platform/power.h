// Restarting Windows: the shutdown privilege and ExitWindowsEx.
#pragma once

#include <cstdint>

namespace talvane::platform {

constexpr std::uint32_t kEwxReboot = 0x0002;

class Power {
public:
    virtual ~Power() = default;

    // Opens the process token, enables or disables SeShutdownPrivilege, closes the token.
    virtual bool SetShutdownPrivilege(bool enabled) = 0;
    virtual bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) = 0;
};

}  // namespace talvane::platform
