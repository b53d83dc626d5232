// The CPU usage readers behind the status timer's gauge: performance data on the NT family, the
// dynamic statistics on Windows 98 and Me, and GetSystemTimes where the performance data has no Processor.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/clock.h"
#include "platform/reg_key.h"
#include "platform/registry.h"

namespace talvane {

// Busy share of all processors between two GetSystemTimes readings.
class CpuUsageFromSystemTimes {
public:
    // Percent, 0-100; 0 for the first reading and where the kernel has no GetSystemTimes.
    int Read(platform::Clock& clock);

private:
    std::optional<platform::SystemTimes> previous_;
};

// Usage of the first processor from the Processor object of HKEY_PERFORMANCE_DATA. Holds its buffer
// and the last two samples for the life of the program.
class CpuUsageNt {
public:
    static constexpr std::uint32_t kInitialBufferSize = 8192;
    static constexpr std::uint32_t kBufferStep = 4096;
    // Past this a registry that keeps answering ERROR_MORE_DATA is given up on.
    static constexpr std::uint32_t kBufferLimit = 4u << 20;

    CpuUsageNt(platform::Registry& registry, platform::Clock& clock);
    ~CpuUsageNt() = default;
    CpuUsageNt(const CpuUsageNt&) = delete;
    CpuUsageNt& operator=(const CpuUsageNt&) = delete;
    CpuUsageNt(CpuUsageNt&&) = delete;
    CpuUsageNt& operator=(CpuUsageNt&&) = delete;

    // Percent, 0-100.
    int Read();

    [[nodiscard]] const std::vector<std::uint8_t>& Buffer() const { return buffer_; }
    // -1 until the first reading.
    [[nodiscard]] std::int32_t InstanceCount() const { return instanceCount_; }

private:
    bool QueryPerformanceData(std::uint32_t* size);

    platform::Registry& registry_;
    platform::Clock& clock_;
    platform::RegKey key_;
    std::vector<std::uint8_t> buffer_;
    std::int32_t instanceCount_ = -1;
    std::vector<std::uint64_t> previous_;
    std::vector<std::uint64_t> current_;
    std::vector<std::uint64_t> parsed_;
    std::uint64_t previousTime_ = 0;
    std::uint64_t currentTime_ = 0;
    CpuUsageFromSystemTimes fallback_;
};

// Percent, 0-100, from HKEY_DYN_DATA\PerfStats; 0 when the statistics cannot be read.
int CpuUsage9x(platform::Registry& registry);

// The reader of the running Windows: the dynamic statistics on 98 and Me; on NT GetSystemTimes where the kernel
// has it (XP SP1 and later), one call where a performance-data query loads and unloads its providers' DLLs every
// time, else the Processor object of the performance data. Which NT way is decided at the first NT reading.
class CpuUsageReader {
public:
    CpuUsageReader(platform::Registry& registry, platform::Clock& clock)
        : registry_(registry), clock_(clock), performanceData_(registry, clock) {}

    // Percent, 0-100; 0 for the first NT reading.
    int Read(bool dynamicStatistics);

private:
    platform::Registry& registry_;
    platform::Clock& clock_;
    std::optional<bool> systemTimes_;
    CpuUsageFromSystemTimes times_;
    CpuUsageNt performanceData_;
};

}  // namespace talvane
