#include "base/cpu_usage.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "base/perf_data.h"

namespace talvane {

namespace {

// The performance-data value that asks for the Processor object only.
constexpr char kProcessorValue[] = "238";
constexpr char kCpuUsageValue[] = "KERNEL\\CPUUsage";

// A busy share as a whole percent; shares outside 0-1 (counters that stepped back or ran ahead of
// the clock) are shown at the nearest end of the gauge.
int Percent(double busy) {
    const double percent = busy * 100.0;
    if (!(percent > 0.0)) {
        return 0;
    }
    return percent >= 100.0 ? 100 : static_cast<int>(std::lround(percent));
}

// Wrapping differences of the kernel's unsigned counters, read as signed.
std::int64_t Delta(std::uint64_t now, std::uint64_t before) {
    return static_cast<std::int64_t>(now - before);
}

std::optional<std::uint32_t> ReadDynNumber(platform::Registry& registry, const char* subkey) {
    platform::RegKey key;
    if (key.Open(registry, platform::RootKey::DynData, subkey, platform::kKeyRead) != platform::kErrorSuccess) {
        return std::nullopt;
    }
    // Four bytes of REG_BINARY, not a REG_DWORD.
    std::uint8_t bytes[4] = {};
    std::uint32_t size = sizeof(bytes);
    if (key.QueryValue(kCpuUsageValue, nullptr, bytes, &size) != platform::kErrorSuccess || size != sizeof(bytes)) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

}  // namespace

int CpuUsageFromSystemTimes::Read(platform::Clock& clock) {
    const std::optional<platform::SystemTimes> now = clock.GetSystemTimes();
    if (!now) {
        return 0;
    }
    const std::optional<platform::SystemTimes> before = std::exchange(previous_, now);
    if (!before) {
        return 0;
    }
    const std::int64_t idle = Delta(now->idle, before->idle);
    const std::int64_t total = Delta(now->kernel, before->kernel) + Delta(now->user, before->user);
    if (total <= 0) {
        return 0;
    }
    return Percent(1.0 - static_cast<double>(idle) / static_cast<double>(total));
}

CpuUsageNt::CpuUsageNt(platform::Registry& registry, platform::Clock& clock)
    : registry_(registry), clock_(clock), buffer_(kInitialBufferSize, 0) {}

// HKEY_PERFORMANCE_DATA stays open between ticks: closing it unloads the counter providers, which
// Windows would then load again on the next query.
bool CpuUsageNt::QueryPerformanceData(std::uint32_t* size) {
    if (!key_.IsOpen() &&
        key_.Open(registry_, platform::RootKey::PerformanceData, "", platform::kKeyRead) != platform::kErrorSuccess) {
        return false;
    }
    for (;;) {
        // The performance data does not say how much it needs, so the buffer grows a step at a time.
        *size = static_cast<std::uint32_t>(buffer_.size());
        const long status = key_.QueryValue(kProcessorValue, nullptr, buffer_.data(), size);
        if (status == platform::kErrorSuccess) {
            *size = std::min<std::uint32_t>(*size, static_cast<std::uint32_t>(buffer_.size()));
            return true;
        }
        if (status != platform::kErrorMoreData || buffer_.size() + kBufferStep > kBufferLimit) {
            key_.Close();  // opened again at the next reading
            return false;
        }
        buffer_.resize(buffer_.size() + kBufferStep);
    }
}

int CpuUsageNt::Read() {
    std::uint32_t size = 0;
    if (!QueryPerformanceData(&size)) {
        return fallback_.Read(clock_);
    }
    const perf::PerfCounterRead read =
        perf::ReadPerfCounter(buffer_.data(), size, perf::kProcessorObject, perf::kProcessorTimeCounter, &parsed_);
    if (read.status == perf::PerfStatus::NoObject || read.status == perf::PerfStatus::NoCounter ||
        (read.status == perf::PerfStatus::Ok && parsed_.empty())) {
        return fallback_.Read(clock_);
    }
    if (read.status != perf::PerfStatus::Ok) {
        return 0;
    }
    const std::optional<std::uint64_t> time = perf::FileTimeFromSystemTime(read.systemTime);
    // The instance count is fixed at the first reading; a later block with fewer instances gives no reading.
    if (!time || (instanceCount_ >= 0 && parsed_.size() < static_cast<std::size_t>(instanceCount_))) {
        return 0;
    }

    const bool first = instanceCount_ < 0;
    if (first) {
        instanceCount_ = static_cast<std::int32_t>(parsed_.size());
        previous_.assign(parsed_.size(), 0);
        current_.assign(parsed_.size(), 0);
    }
    previous_.swap(current_);
    std::copy_n(parsed_.begin(), instanceCount_, current_.begin());
    previousTime_ = std::exchange(currentTime_, *time);

    // The first reading has nothing to compare with.
    if (first || currentTime_ == previousTime_) {
        return 0;
    }
    // The processor time counter counts idle time, in the same 100-ns units as the block's clock.
    const std::int64_t idle = Delta(current_[0], previous_[0]);
    const std::int64_t elapsed = Delta(currentTime_, previousTime_);
    return Percent(1.0 - static_cast<double>(idle) / static_cast<double>(elapsed));
}

int CpuUsage9x(platform::Registry& registry) {
    std::optional<std::uint32_t> usage = ReadDynNumber(registry, "PerfStats\\StatData");
    // A StatData reading of exactly 100 is taken from StartStat instead (reading which also starts the
    // kernel's statistics).
    if (usage && *usage == 100) {
        usage = ReadDynNumber(registry, "PerfStats\\StartStat");
    }
    return usage ? static_cast<int>(std::min<std::uint32_t>(*usage, 100)) : 0;
}

int CpuUsageReader::Read(bool dynamicStatistics) {
    if (dynamicStatistics) {
        return CpuUsage9x(registry_);
    }
    if (!systemTimes_) {
        systemTimes_ = clock_.GetSystemTimes().has_value();
    }
    return *systemTimes_ ? times_.Read(clock_) : performanceData_.Read();
}

}  // namespace talvane
