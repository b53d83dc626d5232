// The engine's time: milliseconds since Windows started, on a clock that never wraps.
#pragma once

#include <cstdint>

#include "platform/clock.h"

namespace talvane::engine {

class EngineClock {
public:
    explicit EngineClock(platform::Clock& clock) : clock_(clock) {}

    // GetTickCount64 where the kernel has it; else GetTickCount with its wraps counted, which holds as long as it is
    // read at least once in 49 days (the engine reads it every second).
    std::uint64_t NowMs();

private:
    platform::Clock& clock_;
    std::uint32_t lastTick_ = 0;
    std::uint64_t wraps_ = 0;
};

}  // namespace talvane::engine
