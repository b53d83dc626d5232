#include "base/perf_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "fakes/fake_perf_registry.h"

namespace talvane::perf {
namespace {

using fakes::BuildPerfBlock;
using fakes::PerfBlock;
using fakes::ProcessorObject;
using fakes::Put32;
using fakes::SyntheticPerfObject;
using fakes::TimeAt;

// Other objects around the Processor, as a query of "238" can return them.
SyntheticPerfObject MemoryObject() {
    SyntheticPerfObject object;
    object.title = 4;
    object.counters = {24, 26, 6};  // a counter 6 outside the Processor object must not be taken
    object.numInstances = kNoInstances;
    object.values = {{1, 2, 999}};
    return object;
}

SyntheticPerfObject ThreadObject() {
    SyntheticPerfObject object;
    object.title = 232;
    object.counters = {6, 142};
    object.numInstances = 3;
    object.values = {{7, 8}, {9, 10}, {11, 12}};
    return object;
}

PerfBlock TypicalBlock() {
    return BuildPerfBlock(TimeAt(5), {MemoryObject(), ThreadObject(), ProcessorObject({1111, 2222})});
}

PerfCounterRead ReadProcessorTime(const std::vector<std::uint8_t>& bytes, std::vector<std::uint64_t>* values) {
    // A heap block of exactly this size, so that the sanitizer sees any read past the end.
    auto exact = std::make_unique<std::uint8_t[]>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), exact.get());
    return ReadPerfCounter(exact.get(), bytes.size(), kProcessorObject, kProcessorTimeCounter, values);
}

TEST(PerfDataTest, ReadsEveryInstanceOfTheProcessorObject) {
    std::vector<std::uint64_t> values;
    const PerfCounterRead read = ReadProcessorTime(TypicalBlock().bytes, &values);
    ASSERT_EQ(read.status, PerfStatus::Ok);
    EXPECT_EQ(values, (std::vector<std::uint64_t>{1111, 2222}));
    EXPECT_EQ(read.numInstances, 2);
    EXPECT_EQ(read.systemTime.year, 2004);
    EXPECT_EQ(read.systemTime.day, 12);
    EXPECT_EQ(read.systemTime.second, 5);
}

TEST(PerfDataTest, ObjectWithoutInstancesHasOneCounterBlock) {
    SyntheticPerfObject single = ProcessorObject({});
    single.numInstances = kNoInstances;
    single.values = {{0, 0, 0xFEDCBA9876543210}};
    std::vector<std::uint64_t> values{1, 2, 3};
    const PerfCounterRead read = ReadProcessorTime(BuildPerfBlock(TimeAt(0), {single}).bytes, &values);
    ASSERT_EQ(read.status, PerfStatus::Ok);
    EXPECT_EQ(read.numInstances, kNoInstances);
    EXPECT_EQ(values, std::vector<std::uint64_t>{0xFEDCBA9876543210});
}

TEST(PerfDataTest, SoundBlocksWithoutTheCounter) {
    SyntheticPerfObject noCounter = ProcessorObject({5});
    noCounter.counters = {142, 144};
    const struct {
        const char* name;
        std::vector<SyntheticPerfObject> objects;
        PerfStatus status;
        std::size_t values;
    } cases[] = {
        {"no objects at all, as Wine answers", {}, PerfStatus::NoObject, 0},
        {"other objects only", {MemoryObject(), ThreadObject()}, PerfStatus::NoObject, 0},
        {"Processor without the processor time", {MemoryObject(), noCounter}, PerfStatus::NoCounter, 0},
        {"Processor with no instances yet", {ProcessorObject({})}, PerfStatus::Ok, 0},
    };
    for (const auto& c : cases) {
        std::vector<std::uint64_t> values{42};
        const PerfCounterRead read = ReadProcessorTime(BuildPerfBlock(TimeAt(0), c.objects).bytes, &values);
        EXPECT_EQ(read.status, c.status) << c.name;
        EXPECT_EQ(values.size(), read.status == PerfStatus::Ok ? c.values : 1) << c.name;
    }
}

TEST(PerfDataTest, BlocksThatDoNotHoldTogetherAreRejected) {
    const PerfBlock typical = TypicalBlock();
    const std::size_t processor = typical.objects[2];
    const std::size_t processorTime = typical.counters[2][2];
    const std::size_t firstInstance = typical.instances[2][0];
    const std::size_t lastCounterBlock = typical.counterBlocks[2][1];
    const std::size_t memory = typical.objects[0];
    const auto blockLength = static_cast<std::uint32_t>(typical.bytes.size());
    using Damage = std::function<void(std::vector<std::uint8_t>*)>;
    auto set = [](std::size_t offset, std::uint32_t value) -> Damage {
        return [=](std::vector<std::uint8_t>* bytes) { Put32(bytes, offset, value); };
    };

    const struct {
        const char* name;
        Damage damage;
    } cases[] = {
        {"not a PERF signature", set(0, 0)},
        {"block length past the bytes returned", set(20, blockLength + 1)},
        {"block length shorter than its header", set(20, 87)},
        {"header length shorter than the header", set(24, 40)},
        {"header length past the block", set(24, blockLength + 8)},
        {"header length inside the header",
         [](std::vector<std::uint8_t>* bytes) {
             // Built so that an object seems to start there and end where the first real one begins.
             Put32(bytes, 24, 40);
             Put32(bytes, 40, 72);
             Put32(bytes, 28, 4);
         }},
        {"object length past the block", set(processor, blockLength)},
        {"object length wrapping around", set(memory, 0xFFFFFFF8)},
        {"object length zero", set(memory, 0)},
        {"object shorter than its header", set(memory, 63)},
        {"huge object count and no Processor",
         [&](std::vector<std::uint8_t>* bytes) {
             Put32(bytes, 28, 0xFFFFFFFF);
             Put32(bytes, processor + 12, 999);
         }},
        {"object header length shorter than the structure",
         [&](std::vector<std::uint8_t>* bytes) {
             // Built so that a counter definition seems to start at the short length.
             Put32(bytes, processor + 8, 24);
             Put32(bytes, processor + 24, 40);
         }},
        {"definitions ending before the object header", set(processor + 4, 60)},
        {"definitions past the object", set(processor + 4, 0xFFFFFF00)},
        {"counter definition length zero", set(typical.counters[2][0], 0)},
        {"counter definition past the definitions", set(typical.counters[2][1], 4000)},
        {"the counter's own definition past the definitions", set(processorTime, 4000)},
        {"huge counter count without the counter",
         [&](std::vector<std::uint8_t>* bytes) {
             Put32(bytes, processor + 32, 0xFFFFFFFF);
             Put32(bytes, processorTime + 4, 99);
         }},
        {"counter offset past the counter block", set(processorTime + 36, 8 + 8 * 4 - 4)},
        {"counter offset wrapping around", set(processorTime + 36, 0xFFFFFFFC)},
        {"counter offset inside the block length", set(processorTime + 36, 0)},
        {"huge instance count", set(processor + 40, 0x7FFFFFFF)},
        {"one instance more than there is", set(processor + 40, 3)},
        {"instance count below no-instances", set(processor + 40, 0xFFFFFFFE)},
        {"instance length zero", set(firstInstance, 0)},
        {"instance shorter than its structure",
         [&](std::vector<std::uint8_t>* bytes) {
             // Built so that a counter block seems to follow at the short length.
             Put32(bytes, typical.instances[2][1], 4);
             Put32(bytes, typical.instances[2][1] + 4, 40);
         }},
        {"instance length past the object", set(firstInstance, 0xFFFFFFF0)},
        {"counter block length zero", set(typical.counterBlocks[2][0], 0)},
        {"counter block past the object", set(lastCounterBlock, 48)},
        {"counter block shorter than the counter", set(lastCounterBlock, 24)},
    };
    for (const auto& c : cases) {
        std::vector<std::uint8_t> bytes = typical.bytes;
        c.damage(&bytes);
        std::vector<std::uint64_t> values{42};
        const PerfCounterRead read = ReadProcessorTime(bytes, &values);
        EXPECT_EQ(read.status, PerfStatus::Malformed) << c.name;
        EXPECT_EQ(values, std::vector<std::uint64_t>{42}) << c.name << ": values changed by a failed read";
    }
}

TEST(PerfDataTest, EveryTruncationIsRejected) {
    const PerfBlock typical = TypicalBlock();
    for (std::size_t size = 0; size < typical.bytes.size(); ++size) {
        std::vector<std::uint8_t> cut(typical.bytes.begin(), typical.bytes.begin() + static_cast<std::ptrdiff_t>(size));
        std::vector<std::uint64_t> values;
        EXPECT_EQ(ReadProcessorTime(cut, &values).status, PerfStatus::Malformed) << size << " bytes as returned";
        if (size >= 88) {
            // The same cut with a block length that admits to it.
            Put32(&cut, 20, static_cast<std::uint32_t>(size));
            EXPECT_NE(ReadProcessorTime(cut, &values).status, PerfStatus::Ok) << size << " bytes as stated";
        }
    }
}

TEST(PerfDataTest, SystemTimeToFileTime) {
    auto at = [](std::uint16_t year, std::uint16_t month, std::uint16_t day, std::uint16_t hour = 0,
                 std::uint16_t minute = 0, std::uint16_t second = 0, std::uint16_t ms = 0) {
        SystemTime time;
        time.year = year;
        time.month = month;
        time.day = day;
        time.hour = hour;
        time.minute = minute;
        time.second = second;
        time.milliseconds = ms;
        time.dayOfWeek = 6;  // ignored, as SystemTimeToFileTime does
        return time;
    };
    const struct {
        SystemTime time;
        std::optional<std::uint64_t> fileTime;
    } cases[] = {
        {at(1601, 1, 1), 0},
        {at(1601, 3, 1), 50976000000000},
        {at(1970, 1, 1), 116444736000000000},
        {at(2000, 2, 29, 12, 34, 56, 789), 125963012967890000},
        {at(2100, 3, 1), 157520160000000000},
        {at(30827, 12, 31, 23, 59, 59, 999), 9223149887999990000u},
        {at(1600, 12, 31), std::nullopt},
        {at(30828, 1, 1), std::nullopt},
        {at(2001, 2, 29), std::nullopt},
        {at(1900, 2, 29), std::nullopt},
        {at(2004, 4, 31), std::nullopt},
        {at(2004, 0, 1), std::nullopt},
        {at(2004, 13, 1), std::nullopt},
        {at(2004, 5, 0), std::nullopt},
        {at(2004, 5, 12, 24), std::nullopt},
        {at(2004, 5, 12, 0, 60), std::nullopt},
        {at(2004, 5, 12, 0, 0, 60), std::nullopt},
        {at(2004, 5, 12, 0, 0, 0, 1000), std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileTimeFromSystemTime(c.time), c.fileTime)
            << c.time.year << "-" << c.time.month << "-" << c.time.day << " " << c.time.hour << ":" << c.time.minute
            << ":" << c.time.second << "." << c.time.milliseconds;
    }
}

}  // namespace
}  // namespace talvane::perf
