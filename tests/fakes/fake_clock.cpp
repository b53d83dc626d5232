#include "fakes/fake_clock.h"

namespace talvane::fakes {

std::uint32_t FakeClock::TickCount() {
    return tickCount;
}

std::optional<std::uint64_t> FakeClock::TickCount64() {
    return tickCount64;
}

std::optional<platform::SystemTimes> FakeClock::GetSystemTimes() {
    ++systemTimesCalls;
    return systemTimes;
}

}  // namespace talvane::fakes
