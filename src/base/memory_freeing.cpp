#include "base/memory_freeing.h"

#include <algorithm>

namespace talvane {

namespace {

constexpr std::uint64_t kMB = std::uint64_t{1024} * 1024;

}  // namespace

std::uint32_t FreeMemory(platform::MemoryReclaim& memory, bool ntFamily, std::uint32_t megabytes) {
    if (megabytes == 0) {
        return 0;
    }
    const platform::PhysicalMemory before = memory.Measure();
    const std::uint64_t asked = megabytes * kMB;
    const std::uint64_t goal = before.available + asked;
    const std::uint64_t floor = before.total / 16;

    platform::PhysicalMemory now = before;
    if (ntFamily) {
        memory.TrimWorkingSets();
        now = memory.Measure();
    }

    std::uint64_t touched = 0;
    while (now.available < goal && touched < asked && now.available > floor) {
        // While a step is held, available memory drops by up to its size: keep that above the floor.
        const std::uint64_t step =
            std::min({goal - now.available, asked - touched, now.available - floor, kFreeingStepMB * kMB});
        if (!memory.TouchAndRelease(step)) {
            break;
        }
        touched += step;
        const platform::PhysicalMemory after = memory.Measure();
        const bool gained = after.available > now.available;
        now = after;
        if (!gained) {
            break;
        }
    }
    return now.available > before.available ? static_cast<std::uint32_t>((now.available - before.available) / kMB) : 0;
}

}  // namespace talvane
