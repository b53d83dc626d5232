// Synthetic performance-data blocks, and a registry that serves them with the quirks of
// HKEY_PERFORMANCE_DATA, plus numbers under HKEY_DYN_DATA.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "base/perf_data.h"
#include "platform/registry.h"

namespace talvane::fakes {

// One object of a block. Every counter is an 8-byte value in the counter block, in the listed order.
struct SyntheticPerfObject {
    std::uint32_t title = perf::kProcessorObject;
    std::vector<std::uint32_t> counters;
    std::int32_t numInstances = 0;                   // perf::kNoInstances: one counter block, no instances
    std::vector<std::vector<std::uint64_t>> values;  // [instance][counter]; missing entries are 0
    std::size_t counterBlockPadding = 0;             // extra bytes at the end of each counter block
};

// A built block and where its parts landed, so that a test can damage one field.
struct PerfBlock {
    std::vector<std::uint8_t> bytes;
    std::vector<std::size_t> objects;                     // each PERF_OBJECT_TYPE
    std::vector<std::vector<std::size_t>> counters;       // each PERF_COUNTER_DEFINITION, per object
    std::vector<std::vector<std::size_t>> instances;      // each PERF_INSTANCE_DEFINITION, per object
    std::vector<std::vector<std::size_t>> counterBlocks;  // each PERF_COUNTER_BLOCK, per object
};

// Lays the structures out as Windows does (32- and 64-bit share the layout), with the offsets written
// here from winperf.h rather than taken from the parser.
PerfBlock BuildPerfBlock(const perf::SystemTime& time, const std::vector<SyntheticPerfObject>& objects);

// A Processor object as XP reports it: instances "0", "1", ... with the processor time counter (idle
// time, 100-ns units) third among the counters.
SyntheticPerfObject ProcessorObject(const std::vector<std::uint64_t>& idleTimes);

// 12 May 2004, 10:00:00 plus the given seconds (under a day).
perf::SystemTime TimeAt(std::uint32_t seconds);

void Put32(std::vector<std::uint8_t>* bytes, std::size_t offset, std::uint32_t value);

class FakePerfRegistry : public platform::Registry {
public:
    // Value "238" of HKEY_PERFORMANCE_DATA.
    std::vector<std::uint8_t> performanceData;
    long performanceStatus = platform::kErrorSuccess;  // answered instead of the data when not success
    bool recordQueries = true;
    struct Query {
        std::uint32_t offered;
        const std::uint8_t* buffer;
    };
    std::vector<Query> perfQueries;

    // HKEY_DYN_DATA: subkey -> value name -> raw bytes. A subkey not listed cannot be opened.
    std::map<std::string, std::map<std::string, std::vector<std::uint8_t>>> dynData;
    void SetDynNumber(const std::string& subkey, const std::string& value, std::uint32_t number);

    int openKeys = 0;
    std::vector<std::string> opened;

    long OpenKey(platform::RootKey root,
                 const std::string& subkey,
                 std::uint32_t access,
                 platform::KeyId* key) override;
    long CreateKey(platform::RootKey root,
                   const std::string& subkey,
                   std::uint32_t access,
                   platform::KeyId* key) override;
    long QueryValue(platform::KeyId key,
                    const std::string& name,
                    std::uint32_t* type,
                    std::uint8_t* data,
                    std::uint32_t* size) override;
    long SetValue(platform::KeyId key,
                  const std::string& name,
                  std::uint32_t type,
                  const std::uint8_t* data,
                  std::uint32_t size) override;
    long DeleteValue(platform::KeyId key, const std::string& name) override;
    long DeleteKey(platform::KeyId key, const std::string& subkey) override;
    long EnumValueName(platform::KeyId key, std::uint32_t index, std::string* name) override;
    long CloseKey(platform::KeyId key) override;

private:
    static constexpr platform::KeyId kPerformanceKey = 0x80000004;  // HKEY_PERFORMANCE_DATA
    std::map<platform::KeyId, std::string> dynKeys_;
    platform::KeyId nextKey_ = 0x1000;
};

}  // namespace talvane::fakes
