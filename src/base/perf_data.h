// Reads one counter out of a raw HKEY_PERFORMANCE_DATA block, checking every length and offset on the way.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/perf_layout.h"

namespace talvane::perf {

constexpr std::uint32_t kProcessorObject = 238;
constexpr std::uint32_t kProcessorTimeCounter = 6;
// NumInstances of an object that has one counter block and no instances.
constexpr std::int32_t kNoInstances = -1;

// SYSTEMTIME, field for field.
struct SystemTime {
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t dayOfWeek = 0;
    std::uint16_t day = 0;
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;
    std::uint16_t milliseconds = 0;
};

// SystemTimeToFileTime: 100-nanosecond units since 1 January 1601; empty for a date that function
// refuses (years 1601-30827, real calendar days, hours < 24 and so on). The day of the week is ignored.
std::optional<std::uint64_t> FileTimeFromSystemTime(const SystemTime& time);

enum class PerfStatus {
    Ok,
    Malformed,  // a length, offset or count that does not fit the bytes returned
    NoObject,   // a sound block without the object
    NoCounter,  // the object is there but does not define the counter
};

struct PerfCounterRead {
    PerfStatus status = PerfStatus::Malformed;
    SystemTime systemTime;          // the block's, when Ok
    std::int32_t numInstances = 0;  // as the object states it, when Ok
};

// Puts the 64-bit value of `counterTitle` in object `objectTitle` into `values`, one per instance in
// block order (one value for an object with kNoInstances). `values` is changed only when the status is
// Ok, and reuses its capacity.
PerfCounterRead ReadPerfCounter(const std::uint8_t* data,
                                std::size_t size,
                                std::uint32_t objectTitle,
                                std::uint32_t counterTitle,
                                std::vector<std::uint64_t>* values);

}  // namespace talvane::perf
