// A clock whose tick counts and processor times the test sets.
#pragma once

#include <optional>

#include "platform/clock.h"

namespace talvane::fakes {

class FakeClock : public platform::Clock {
public:
    std::uint32_t tickCount = 0;
    std::optional<std::uint64_t> tickCount64;          // empty: a kernel before Vista
    std::optional<platform::SystemTimes> systemTimes;  // empty: no GetSystemTimes
    int systemTimesCalls = 0;

    std::uint32_t TickCount() override;
    std::optional<std::uint64_t> TickCount64() override;
    std::optional<platform::SystemTimes> GetSystemTimes() override;
};

}  // namespace talvane::fakes
