// The real clock: GetTickCount, and the calls newer kernels have looked up at run time.
#pragma once

#include "platform/win32/win.h"

#include "platform/clock.h"

namespace talvane::win32 {

class Win32Clock final : public platform::Clock {
public:
    std::uint32_t TickCount() override;
    std::optional<std::uint64_t> TickCount64() override;
    std::optional<platform::SystemTimes> GetSystemTimes() override;
};

}  // namespace talvane::win32
