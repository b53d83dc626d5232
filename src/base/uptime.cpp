#include "base/uptime.h"

namespace talvane {

std::string UptimeText(std::uint64_t milliseconds) {
    constexpr std::uint64_t kSecond = 1000;
    constexpr std::uint64_t kMinute = 60 * kSecond;
    constexpr std::uint64_t kHour = 60 * kMinute;
    constexpr std::uint64_t kDay = 24 * kHour;

    const std::uint64_t days = milliseconds / kDay;
    const std::uint64_t withinDay = milliseconds % kDay;
    std::string text;
    if (days != 0) {
        text = std::to_string(days) + " days, ";
    }
    text += std::to_string(withinDay / kHour) + " hours, ";
    text += std::to_string(withinDay % kHour / kMinute) + " minutes, ";
    text += std::to_string(withinDay % kMinute / kSecond) + " seconds";
    return text;
}

std::uint64_t UptimeMilliseconds(platform::Clock& clock) {
    if (const std::optional<std::uint64_t> ticks = clock.TickCount64()) {
        return *ticks;
    }
    return clock.TickCount();
}

}  // namespace talvane
