#include "platform/win32/win32_clock.h"

#include <winperf.h>

#include <cstddef>

#include "platform/perf_layout.h"
#include "platform/win32/handles.h"

namespace talvane::win32 {

namespace {

std::uint64_t FromFileTime(const FILETIME& time) {
    return static_cast<std::uint64_t>(time.dwHighDateTime) << 32 | time.dwLowDateTime;
}

HMODULE Kernel() {
    return GetModuleHandleA("kernel32.dll");
}

// The portable perf-data parser reads these structures by offset; every Windows build holds its
// offsets to the SDK's.
namespace layout = perf::layout;
static_assert(offsetof(PERF_DATA_BLOCK, TotalByteLength) == layout::kBlockTotalByteLength);
static_assert(offsetof(PERF_DATA_BLOCK, HeaderLength) == layout::kBlockHeaderLength);
static_assert(offsetof(PERF_DATA_BLOCK, NumObjectTypes) == layout::kBlockNumObjectTypes);
static_assert(offsetof(PERF_DATA_BLOCK, SystemTime) == layout::kBlockSystemTime);
static_assert(sizeof(PERF_DATA_BLOCK) == layout::kBlockSize);
static_assert(sizeof(SYSTEMTIME) == 16);
static_assert(offsetof(PERF_OBJECT_TYPE, TotalByteLength) == layout::kObjectTotalByteLength);
static_assert(offsetof(PERF_OBJECT_TYPE, DefinitionLength) == layout::kObjectDefinitionLength);
static_assert(offsetof(PERF_OBJECT_TYPE, HeaderLength) == layout::kObjectHeaderLength);
static_assert(offsetof(PERF_OBJECT_TYPE, ObjectNameTitleIndex) == layout::kObjectNameTitleIndex);
static_assert(offsetof(PERF_OBJECT_TYPE, NumCounters) == layout::kObjectNumCounters);
static_assert(offsetof(PERF_OBJECT_TYPE, NumInstances) == layout::kObjectNumInstances);
static_assert(sizeof(PERF_OBJECT_TYPE) == layout::kObjectSize);
static_assert(offsetof(PERF_COUNTER_DEFINITION, ByteLength) == layout::kCounterByteLength);
static_assert(offsetof(PERF_COUNTER_DEFINITION, CounterNameTitleIndex) == layout::kCounterNameTitleIndex);
static_assert(offsetof(PERF_COUNTER_DEFINITION, CounterOffset) == layout::kCounterOffset);
static_assert(sizeof(PERF_COUNTER_DEFINITION) == layout::kCounterSize);
static_assert(offsetof(PERF_INSTANCE_DEFINITION, ByteLength) == layout::kInstanceByteLength);
static_assert(sizeof(PERF_INSTANCE_DEFINITION) == layout::kInstanceSize);
static_assert(offsetof(PERF_COUNTER_BLOCK, ByteLength) == layout::kCounterBlockByteLength);
static_assert(sizeof(PERF_COUNTER_BLOCK) == layout::kCounterBlockSize);

}  // namespace

std::uint32_t Win32Clock::TickCount() {
    return GetTickCount();
}

std::optional<std::uint64_t> Win32Clock::TickCount64() {
    using Fn = ULONGLONG(WINAPI*)();
    static const Fn fn = LookUp<Fn>(Kernel(), "GetTickCount64");
    if (fn == nullptr) {
        return std::nullopt;
    }
    return fn();
}

std::optional<platform::SystemTimes> Win32Clock::GetSystemTimes() {
    using Fn = BOOL(WINAPI*)(FILETIME*, FILETIME*, FILETIME*);
    static const Fn fn = LookUp<Fn>(Kernel(), "GetSystemTimes");
    FILETIME idle{};
    FILETIME kernel{};
    FILETIME user{};
    if (fn == nullptr || fn(&idle, &kernel, &user) == 0) {
        return std::nullopt;
    }
    platform::SystemTimes times;
    times.idle = FromFileTime(idle);
    times.kernel = FromFileTime(kernel);
    times.user = FromFileTime(user);
    return times;
}

}  // namespace talvane::win32
