#include "base/memory_sample.h"

namespace talvane {

namespace {

std::uint32_t ToMB(std::uint64_t bytes) {
    return static_cast<std::uint32_t>(bytes >> 20);
}

}  // namespace

std::uint32_t TotalPhysMBFromBytes(std::uint64_t bytes) {
    const std::uint32_t mb = ToMB(bytes);
    return mb + (4 - mb % 4);
}

MemorySample TakeMemorySample(platform::System& system) {
    platform::MemoryStatus64 status;
    if (auto ex = system.GlobalMemoryStatusEx()) {
        status = *ex;
    } else {
        const platform::MemoryStatus32 legacy = system.GlobalMemoryStatus();
        status.memoryLoad = legacy.memoryLoad;
        status.totalPhys = legacy.totalPhys;
        status.availPhys = legacy.availPhys;
        status.totalPageFile = legacy.totalPageFile;
        status.availPageFile = legacy.availPageFile;
    }
    MemorySample sample;
    sample.totalPhysMB = TotalPhysMBFromBytes(status.totalPhys);
    sample.availPhysMB = ToMB(status.availPhys);
    sample.memoryLoad = status.memoryLoad;
    sample.totalPageFileMB = ToMB(status.totalPageFile);
    sample.availPageFileMB = ToMB(status.availPageFile);
    return sample;
}

}  // namespace talvane
