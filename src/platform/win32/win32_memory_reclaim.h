// The real memory figures, working-set trimming (psapi, loaded when asked) and touch-and-release.
#pragma once

#include "platform/memory_reclaim.h"

namespace talvane::win32 {

class Win32MemoryReclaim final : public platform::MemoryReclaim {
public:
    platform::PhysicalMemory Measure() override;
    std::uint32_t TrimWorkingSets() override;
    bool TouchAndRelease(std::uint64_t bytes) override;
};

}  // namespace talvane::win32
