// libFuzzer target: the performance-data walk on arbitrary bytes, and the NT reader over the input's
// two halves as two consecutive blocks.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "base/cpu_usage.h"
#include "base/perf_data.h"

namespace {

using namespace talvane;

class BlockRegistry final : public platform::Registry {
public:
    const std::uint8_t* block = nullptr;
    std::size_t size = 0;

    long OpenKey(platform::RootKey, const std::string&, std::uint32_t, platform::KeyId* key) override {
        *key = 1;
        return platform::kErrorSuccess;
    }
    long CreateKey(platform::RootKey, const std::string&, std::uint32_t, platform::KeyId*) override {
        return platform::kErrorAccessDenied;
    }
    long QueryValue(platform::KeyId,
                    const std::string&,
                    std::uint32_t*,
                    std::uint8_t* data,
                    std::uint32_t* room) override {
        if (size > *room) {
            return platform::kErrorMoreData;
        }
        if (size != 0) {
            std::memcpy(data, block, size);
        }
        *room = static_cast<std::uint32_t>(size);
        return platform::kErrorSuccess;
    }
    long SetValue(platform::KeyId, const std::string&, std::uint32_t, const std::uint8_t*, std::uint32_t) override {
        return platform::kErrorAccessDenied;
    }
    long DeleteValue(platform::KeyId, const std::string&) override { return platform::kErrorAccessDenied; }
    long DeleteKey(platform::KeyId, const std::string&) override { return platform::kErrorAccessDenied; }
    long EnumValueName(platform::KeyId, std::uint32_t, std::string*) override { return platform::kErrorNoMoreItems; }
    long CloseKey(platform::KeyId) override { return platform::kErrorSuccess; }
};

class StepClock final : public platform::Clock {
public:
    std::uint32_t TickCount() override { return 0; }
    std::optional<std::uint64_t> TickCount64() override { return std::nullopt; }
    std::optional<platform::SystemTimes> GetSystemTimes() override {
        step_ += 1000;
        platform::SystemTimes times;
        times.idle = step_ / 3;
        times.kernel = step_;
        times.user = step_ / 2;
        return times;
    }

private:
    std::uint64_t step_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint64_t> values;
    const perf::PerfCounterRead read =
        perf::ReadPerfCounter(data, size, perf::kProcessorObject, perf::kProcessorTimeCounter, &values);
    if (read.status == perf::PerfStatus::Ok) {
        const std::size_t expected =
            read.numInstances == perf::kNoInstances ? 1 : static_cast<std::size_t>(read.numInstances);
        // Every instance takes a definition and a counter block holding the value: at least 32 bytes.
        if (values.size() != expected || values.size() * 32 > size) {
            std::abort();
        }
    } else if (!values.empty()) {
        std::abort();
    }

    BlockRegistry registry;
    StepClock clock;
    CpuUsageNt reader(registry, clock);
    const std::size_t half = size / 2;
    const std::pair<const std::uint8_t*, std::size_t> blocks[] = {{data, half}, {data + half, size - half}};
    for (const auto& [block, length] : blocks) {
        registry.block = block;
        registry.size = length;
        const int usage = reader.Read();
        if (usage < 0 || usage > 100) {
            std::abort();
        }
    }
    return 0;
}
