// The winperf.h structures of an HKEY_PERFORMANCE_DATA block, as offsets a portable parser can read by.
#pragma once

#include <cstddef>

// Offsets into the winperf.h structures. 32- and 64-bit Windows share them: the title pointers of
// PERF_OBJECT_TYPE and PERF_COUNTER_DEFINITION are DWORDs on Win64, so no field moves.
namespace talvane::perf::layout {

// PERF_DATA_BLOCK
constexpr std::size_t kBlockSignature = 0;  // L"PERF"
constexpr std::size_t kBlockTotalByteLength = 20;
constexpr std::size_t kBlockHeaderLength = 24;
constexpr std::size_t kBlockNumObjectTypes = 28;
constexpr std::size_t kBlockSystemTime = 36;
constexpr std::size_t kBlockSize = 88;
// PERF_OBJECT_TYPE
constexpr std::size_t kObjectTotalByteLength = 0;
constexpr std::size_t kObjectDefinitionLength = 4;
constexpr std::size_t kObjectHeaderLength = 8;
constexpr std::size_t kObjectNameTitleIndex = 12;
constexpr std::size_t kObjectNumCounters = 32;
constexpr std::size_t kObjectNumInstances = 40;
constexpr std::size_t kObjectSize = 64;
// PERF_COUNTER_DEFINITION
constexpr std::size_t kCounterByteLength = 0;
constexpr std::size_t kCounterNameTitleIndex = 4;
constexpr std::size_t kCounterOffset = 36;
constexpr std::size_t kCounterSize = 40;
// PERF_INSTANCE_DEFINITION
constexpr std::size_t kInstanceByteLength = 0;
constexpr std::size_t kInstanceSize = 24;
// PERF_COUNTER_BLOCK
constexpr std::size_t kCounterBlockByteLength = 0;
constexpr std::size_t kCounterBlockSize = 4;

}  // namespace talvane::perf::layout
