// The memory figures every page reads, in whole MB.
#pragma once

#include <cstdint>

#include "platform/system.h"

namespace talvane {

struct MemorySample {
    std::uint32_t totalPhysMB = 0;  // rounded up to the next multiple of 4, always by 1 to 4
    std::uint32_t availPhysMB = 0;
    std::uint32_t memoryLoad = 0;
    std::uint32_t totalPageFileMB = 0;
    std::uint32_t availPageFileMB = 0;
};

// 255 -> 256, 256 -> 260, 511 -> 512.
std::uint32_t TotalPhysMBFromBytes(std::uint64_t bytes);

// GlobalMemoryStatusEx where the kernel has it: GlobalMemoryStatus caps at 2 GB and wraps above 4 GB.
MemorySample TakeMemorySample(platform::System& system);

}  // namespace talvane
