// What a freeing is asked for, by whom, and what it really gained.
#pragma once

#include <cstdint>

namespace talvane::engine {

enum class Trigger : std::uint8_t { BelowMinimum, Startup, Periodic, Menu, Hotkey };

// One word each, as the freeing history names them.
const char* TriggerName(Trigger trigger);

struct FreeingRequest {
    Trigger trigger = Trigger::Menu;
    std::uint32_t megabytes = 0;
};

// Others may take memory while a freeing runs: a drop counts as nothing freed, never as a negative figure.
constexpr std::uint32_t FreedMB(std::uint32_t availBeforeMB, std::uint32_t availAfterMB) {
    return availAfterMB > availBeforeMB ? availAfterMB - availBeforeMB : 0;
}

}  // namespace talvane::engine
