// The real restart of Windows.
#pragma once

#include "platform/power.h"

namespace talvane::win32 {

class Win32Power final : public platform::Power {
public:
    bool SetShutdownPrivilege(bool enabled) override;
    bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) override;
};

}  // namespace talvane::win32
