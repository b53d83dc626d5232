// What freeing memory asks of the kernel: the physical memory figures, trimming other processes' working sets,
// and committing, touching and releasing memory of its own.
#pragma once

#include <cstdint>

namespace talvane::platform {

struct PhysicalMemory {
    std::uint64_t total = 0;      // bytes
    std::uint64_t available = 0;  // bytes
};

class MemoryReclaim {
public:
    virtual ~MemoryReclaim() = default;

    // GlobalMemoryStatusEx where the kernel has it, else GlobalMemoryStatus.
    virtual PhysicalMemory Measure() = 0;
    // EmptyWorkingSet on every process that opens for it (NT family only); how many were trimmed.
    virtual std::uint32_t TrimWorkingSets() = 0;
    // Commits `bytes`, writes one byte in each page, releases them again; false when they could not be committed.
    virtual bool TouchAndRelease(std::uint64_t bytes) = 0;
};

}  // namespace talvane::platform
