// Kernel time sources: tick counts since Windows started and the processor time totals.
#pragma once

#include <cstdint>
#include <optional>

namespace talvane::platform {

// GetSystemTimes in 100-nanosecond units, summed over all processors; kernel time includes idle time.
struct SystemTimes {
    std::uint64_t idle = 0;
    std::uint64_t kernel = 0;
    std::uint64_t user = 0;
};

class Clock {
public:
    virtual ~Clock() = default;

    // GetTickCount: milliseconds since Windows started, back to 0 after about 49.7 days.
    virtual std::uint32_t TickCount() = 0;
    // Empty where the kernel has no GetTickCount64 (before Vista).
    virtual std::optional<std::uint64_t> TickCount64() = 0;
    // Empty where the kernel has no GetSystemTimes (Windows 9x, NT 4.0, 2000 before SP1) or the call fails.
    virtual std::optional<SystemTimes> GetSystemTimes() = 0;
};

}  // namespace talvane::platform
