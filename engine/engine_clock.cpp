#include "engine/engine_clock.h"

namespace talvane::engine {

std::uint64_t EngineClock::NowMs() {
    if (const std::optional<std::uint64_t> tick64 = clock_.TickCount64()) {
        return *tick64;
    }
    const std::uint32_t tick = clock_.TickCount();
    if (tick < lastTick_) {
        ++wraps_;
    }
    lastTick_ = tick;
    return wraps_ << 32 | tick;
}

}  // namespace talvane::engine
