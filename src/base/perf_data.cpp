#include "base/perf_data.h"

namespace talvane::perf {

namespace {

using namespace layout;

constexpr std::size_t kValueSize = 8;

// offset + length <= end without the sum ever wrapping (size_t is 32 bits on the i686 build).
bool Fits(std::size_t offset, std::size_t length, std::size_t end) {
    return offset <= end && length <= end - offset;
}

std::uint16_t Read16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

std::uint32_t Read32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint64_t Read64(const std::uint8_t* p) {
    return static_cast<std::uint64_t>(Read32(p)) | static_cast<std::uint64_t>(Read32(p + 4)) << 32;
}

SystemTime ReadSystemTime(const std::uint8_t* p) {
    SystemTime time;
    time.year = Read16(p);
    time.month = Read16(p + 2);
    time.dayOfWeek = Read16(p + 4);
    time.day = Read16(p + 6);
    time.hour = Read16(p + 8);
    time.minute = Read16(p + 10);
    time.second = Read16(p + 12);
    time.milliseconds = Read16(p + 14);
    return time;
}

bool IsLeapYear(unsigned year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

unsigned DaysInMonth(unsigned year, unsigned month) {
    constexpr unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days from 1 January 1601 to the given date (proleptic Gregorian), counting whole 400-year cycles first.
std::uint64_t DaysSince1601(unsigned year, unsigned month, unsigned day) {
    // Shift the year to start in March so that the leap day comes last.
    const unsigned y = month <= 2 ? year - 1 : year;
    const unsigned m = month <= 2 ? month + 9 : month - 3;
    const unsigned era = (y - 1600) / 400;
    const unsigned yearOfEra = (y - 1600) % 400;
    const unsigned dayOfYear = (153 * m + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    // 1600-03-01 is 306 days before 1601-01-01.
    return static_cast<std::uint64_t>(era) * 146097 + dayOfEra - 306;
}

// A Processor-like object located and checked up to its instances.
struct ObjectSpan {
    std::size_t end = 0;
    std::size_t instancesStart = 0;
    std::uint32_t counterOffset = 0;
    std::int32_t numInstances = 0;
};

// One PERF_COUNTER_BLOCK at *at: checks it lies within `end` and holds the value, then steps over it.
bool TakeCounterBlock(const std::uint8_t* data,
                      std::size_t* at,
                      std::size_t end,
                      std::uint32_t counterOffset,
                      std::uint64_t* value) {
    if (!Fits(*at, kCounterBlockSize, end)) {
        return false;
    }
    const std::uint32_t length = Read32(data + *at + kCounterBlockByteLength);
    if (length < kCounterBlockSize || !Fits(*at, length, end) || !Fits(counterOffset, kValueSize, length)) {
        return false;
    }
    *value = Read64(data + *at + counterOffset);
    *at += length;
    return true;
}

// Calls sink(index, value) for every instance; false as soon as one does not hold together.
template <typename Sink>
bool WalkInstances(const std::uint8_t* data, const ObjectSpan& object, Sink&& sink) {
    std::size_t at = object.instancesStart;
    std::uint64_t value = 0;
    if (object.numInstances == kNoInstances) {
        if (!TakeCounterBlock(data, &at, object.end, object.counterOffset, &value)) {
            return false;
        }
        sink(0, value);
        return true;
    }
    for (std::int32_t i = 0; i < object.numInstances; ++i) {
        if (!Fits(at, kInstanceSize, object.end)) {
            return false;
        }
        const std::uint32_t length = Read32(data + at + kInstanceByteLength);
        if (length < kInstanceSize || !Fits(at, length, object.end)) {
            return false;
        }
        at += length;
        if (!TakeCounterBlock(data, &at, object.end, object.counterOffset, &value)) {
            return false;
        }
        sink(static_cast<std::size_t>(i), value);
    }
    return true;
}

// Checks the object's own lengths and finds the counter among its definitions.
PerfStatus LocateCounter(const std::uint8_t* data,
                         std::size_t start,
                         std::size_t end,
                         std::uint32_t counterTitle,
                         ObjectSpan* object) {
    const std::uint32_t definitionLength = Read32(data + start + kObjectDefinitionLength);
    const std::uint32_t headerLength = Read32(data + start + kObjectHeaderLength);
    const std::uint32_t numCounters = Read32(data + start + kObjectNumCounters);
    const auto numInstances = static_cast<std::int32_t>(Read32(data + start + kObjectNumInstances));
    if (headerLength < kObjectSize || headerLength > definitionLength || !Fits(start, definitionLength, end) ||
        numInstances < kNoInstances) {
        return PerfStatus::Malformed;
    }
    const std::size_t definitionsEnd = start + definitionLength;
    std::size_t at = start + headerLength;
    for (std::uint32_t c = 0; c < numCounters; ++c) {
        if (!Fits(at, kCounterSize, definitionsEnd)) {
            return PerfStatus::Malformed;
        }
        const std::uint32_t length = Read32(data + at + kCounterByteLength);
        if (length < kCounterSize || !Fits(at, length, definitionsEnd)) {
            return PerfStatus::Malformed;
        }
        if (Read32(data + at + kCounterNameTitleIndex) == counterTitle) {
            const std::uint32_t counterOffset = Read32(data + at + kCounterOffset);
            // An offset inside the block's own length field points at no counter.
            if (counterOffset < kCounterBlockSize) {
                return PerfStatus::Malformed;
            }
            object->end = end;
            object->instancesStart = definitionsEnd;
            object->counterOffset = counterOffset;
            object->numInstances = numInstances;
            return PerfStatus::Ok;
        }
        at += length;
    }
    return PerfStatus::NoCounter;
}

}  // namespace

std::optional<std::uint64_t> FileTimeFromSystemTime(const SystemTime& time) {
    if (time.year < 1601 || time.year > 30827 || time.month < 1 || time.month > 12 || time.day < 1 ||
        time.day > DaysInMonth(time.year, time.month) || time.hour > 23 || time.minute > 59 || time.second > 59 ||
        time.milliseconds > 999) {
        return std::nullopt;
    }
    const std::uint64_t days = DaysSince1601(time.year, time.month, time.day);
    const std::uint64_t seconds =
        days * 86400 + std::uint64_t{time.hour} * 3600 + std::uint64_t{time.minute} * 60 + time.second;
    return (seconds * 1000 + time.milliseconds) * 10000;
}

PerfCounterRead ReadPerfCounter(const std::uint8_t* data,
                                std::size_t size,
                                std::uint32_t objectTitle,
                                std::uint32_t counterTitle,
                                std::vector<std::uint64_t>* values) {
    PerfCounterRead read;
    constexpr std::uint8_t kSignature[] = {'P', 0, 'E', 0, 'R', 0, 'F', 0};
    if (data == nullptr || size < kBlockSize) {
        return read;
    }
    for (std::size_t i = 0; i < sizeof(kSignature); ++i) {
        if (data[kBlockSignature + i] != kSignature[i]) {
            return read;
        }
    }
    const std::uint32_t total = Read32(data + kBlockTotalByteLength);
    const std::uint32_t headerLength = Read32(data + kBlockHeaderLength);
    const std::uint32_t numObjects = Read32(data + kBlockNumObjectTypes);
    if (total < kBlockSize || total > size || headerLength < kBlockSize || headerLength > total) {
        return read;
    }
    const std::size_t end = total;

    ObjectSpan object;
    PerfStatus status = PerfStatus::NoObject;
    std::size_t at = headerLength;
    for (std::uint32_t k = 0; k < numObjects && status == PerfStatus::NoObject; ++k) {
        if (!Fits(at, kObjectSize, end)) {
            return read;
        }
        const std::uint32_t length = Read32(data + at + kObjectTotalByteLength);
        if (length < kObjectSize || !Fits(at, length, end)) {
            return read;
        }
        if (Read32(data + at + kObjectNameTitleIndex) == objectTitle) {
            status = LocateCounter(data, at, at + length, counterTitle, &object);
        }
        at += length;
    }
    if (status != PerfStatus::Ok) {
        read.status = status;
        return read;
    }

    // Check every instance before touching the caller's values.
    if (!WalkInstances(data, object, [](std::size_t, std::uint64_t) {})) {
        return read;
    }
    values->resize(object.numInstances == kNoInstances ? 1 : static_cast<std::size_t>(object.numInstances));
    WalkInstances(data, object, [values](std::size_t i, std::uint64_t value) { (*values)[i] = value; });

    read.systemTime = ReadSystemTime(data + kBlockSystemTime);
    read.numInstances = object.numInstances;
    read.status = PerfStatus::Ok;
    return read;
}

}  // namespace talvane::perf
