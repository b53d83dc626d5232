// The portable work of one status tick: graph history, the perf-data walk and the NT CPU reader.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <new>

#include "base/cpu_usage.h"
#include "base/perf_data.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_perf_registry.h"
#include "optimizer/load_history.h"

namespace {

// Heap allocations made by this program, so that a benchmark can show what a steady tick allocates.
std::size_t allocations = 0;

}  // namespace

// Kept out of line: inlined into its callers, GCC takes the free() below for a mismatched delete.
[[gnu::noinline]] void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}

[[gnu::noinline]] void operator delete(void* p) noexcept {
    std::free(p);
}

[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

using namespace talvane;

constexpr std::uint64_t kSecond = 10000000;

// 30 objects as a global query returns them on an 8-processor machine, the Processor object last.
std::vector<std::uint8_t> RealisticBlock(std::uint32_t seconds, std::uint64_t idle) {
    std::vector<fakes::SyntheticPerfObject> objects;
    for (std::uint32_t i = 0; i < 29; ++i) {
        fakes::SyntheticPerfObject other;
        other.title = 2 + 2 * i;
        for (std::uint32_t c = 0; c < 10; ++c) {
            other.counters.push_back(1000 + c);
        }
        other.numInstances = i % 3 == 0 ? perf::kNoInstances : 4;
        objects.push_back(other);
    }
    std::vector<std::uint64_t> idleTimes(9, idle);  // 8 processors and _Total
    objects.push_back(fakes::ProcessorObject(idleTimes));
    return fakes::BuildPerfBlock(fakes::TimeAt(seconds), objects).bytes;
}

void LoadHistoryShift(benchmark::State& state) {
    LoadHistory history;
    history.Fill(50);
    std::uint32_t load = 0;
    for (auto _ : state) {
        history.Shift(load);
        load = (load + 7) % 101;
        benchmark::DoNotOptimize(history.Points().data());
    }
}
BENCHMARK(LoadHistoryShift);

// The heights of a whole graph, as a redraw needs them.
void GraphHeights(benchmark::State& state) {
    std::array<std::int32_t, LoadHistory::kPoints> heights{};
    std::uint32_t base = 0;
    for (auto _ : state) {
        for (int k = 0; k < LoadHistory::kPoints; ++k) {
            heights[k] = LoadHistory::HeightForLoad((base + static_cast<std::uint32_t>(k) * 5) % 101);
        }
        ++base;
        benchmark::DoNotOptimize(heights.data());
    }
}
BENCHMARK(GraphHeights);

void ParseRealisticBlock(benchmark::State& state) {
    const std::vector<std::uint8_t> block = RealisticBlock(0, 0);
    std::vector<std::uint64_t> values;
    for (auto _ : state) {
        const perf::PerfCounterRead read = perf::ReadPerfCounter(block.data(), block.size(), perf::kProcessorObject,
                                                                 perf::kProcessorTimeCounter, &values);
        benchmark::DoNotOptimize(read);
        benchmark::DoNotOptimize(values.data());
    }
    state.counters["block_bytes"] = static_cast<double>(block.size());
}
BENCHMARK(ParseRealisticBlock);

void CpuUsageNtTick(benchmark::State& state) {
    fakes::FakePerfRegistry registry;
    registry.recordQueries = false;
    fakes::FakeClock clock;
    CpuUsageNt reader(registry, clock);
    // The first tick grows the buffer; what is measured is the steady state. The time includes the
    // fake's copy of the block into the reader's buffer, as RegQueryValueExA makes one too.
    registry.performanceData = RealisticBlock(0, 0);
    std::vector<std::uint8_t> next = RealisticBlock(1, kSecond / 4);
    reader.Read();

    const std::size_t before = allocations;
    for (auto _ : state) {
        registry.performanceData.swap(next);
        benchmark::DoNotOptimize(reader.Read());
    }
    state.counters["allocs_per_tick"] =
        static_cast<double>(allocations - before) / static_cast<double>(state.iterations());
    state.counters["buffer_bytes"] = static_cast<double>(reader.Buffer().size());
}
BENCHMARK(CpuUsageNtTick);

}  // namespace

BENCHMARK_MAIN();
