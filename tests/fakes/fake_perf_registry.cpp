#include "fakes/fake_perf_registry.h"

#include <algorithm>

namespace talvane::fakes {

namespace {

// PERF_100NSEC_TIMER_INV, the type of the processor time counter.
constexpr std::uint32_t kInverse100nsTimer = 0x21510500;

std::size_t RoundUp8(std::size_t n) {
    return (n + 7) & ~static_cast<std::size_t>(7);
}

void Put16(std::vector<std::uint8_t>* bytes, std::size_t offset, std::uint16_t value) {
    (*bytes)[offset] = static_cast<std::uint8_t>(value);
    (*bytes)[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

void Put64(std::vector<std::uint8_t>* bytes, std::size_t offset, std::uint64_t value) {
    Put32(bytes, offset, static_cast<std::uint32_t>(value));
    Put32(bytes, offset + 4, static_cast<std::uint32_t>(value >> 32));
}

// Appends `length` zero bytes and returns where they start.
std::size_t Grow(std::vector<std::uint8_t>* bytes, std::size_t length) {
    const std::size_t at = bytes->size();
    bytes->resize(at + length, 0);
    return at;
}

// A NUL-terminated UTF-16 name, padded to 8 bytes; returns its length in bytes with the NUL.
std::uint32_t PutName(std::vector<std::uint8_t>* bytes, const std::string& name) {
    const std::size_t length = (name.size() + 1) * 2;
    const std::size_t at = Grow(bytes, RoundUp8(length));
    for (std::size_t i = 0; i < name.size(); ++i) {
        Put16(bytes, at + 2 * i, static_cast<std::uint8_t>(name[i]));
    }
    return static_cast<std::uint32_t>(length);
}

std::size_t PutCounterBlock(std::vector<std::uint8_t>* bytes,
                            const SyntheticPerfObject& synthetic,
                            const std::vector<std::uint64_t>& values) {
    const std::size_t length = 8 + 8 * synthetic.counters.size() + RoundUp8(synthetic.counterBlockPadding);
    const std::size_t at = Grow(bytes, length);
    Put32(bytes, at, static_cast<std::uint32_t>(length));
    for (std::size_t c = 0; c < values.size() && c < synthetic.counters.size(); ++c) {
        Put64(bytes, at + 8 + 8 * c, values[c]);
    }
    return at;
}

void PutObject(std::vector<std::uint8_t>* bytes, const SyntheticPerfObject& synthetic, PerfBlock* block) {
    const std::size_t object = Grow(bytes, 64);
    block->objects.push_back(object);
    block->counters.emplace_back();
    block->instances.emplace_back();
    block->counterBlocks.emplace_back();
    Put32(bytes, object + 8, 64);  // HeaderLength
    Put32(bytes, object + 12, synthetic.title);
    Put32(bytes, object + 20, synthetic.title + 1);  // ObjectHelpTitleIndex
    Put32(bytes, object + 28, 100);                  // PERF_DETAIL_NOVICE
    Put32(bytes, object + 32, static_cast<std::uint32_t>(synthetic.counters.size()));
    Put32(bytes, object + 40, static_cast<std::uint32_t>(synthetic.numInstances));

    for (std::size_t c = 0; c < synthetic.counters.size(); ++c) {
        const std::size_t counter = Grow(bytes, 40);
        block->counters.back().push_back(counter);
        Put32(bytes, counter, 40);
        Put32(bytes, counter + 4, synthetic.counters[c]);
        Put32(bytes, counter + 12, synthetic.counters[c] + 1);
        Put32(bytes, counter + 24, 100);
        Put32(bytes, counter + 28, kInverse100nsTimer);
        Put32(bytes, counter + 32, 8);
        Put32(bytes, counter + 36, static_cast<std::uint32_t>(8 + 8 * c));
    }
    Put32(bytes, object + 4, static_cast<std::uint32_t>(bytes->size() - object));  // DefinitionLength

    auto valuesOf = [&synthetic](std::size_t i) {
        return i < synthetic.values.size() ? synthetic.values[i] : std::vector<std::uint64_t>{};
    };
    if (synthetic.numInstances == perf::kNoInstances) {
        block->counterBlocks.back().push_back(PutCounterBlock(bytes, synthetic, valuesOf(0)));
    }
    for (std::int32_t i = 0; i < synthetic.numInstances; ++i) {
        const std::size_t instance = Grow(bytes, 24);
        block->instances.back().push_back(instance);
        Put32(bytes, instance + 12, 0xFFFFFFFF);  // PERF_NO_UNIQUE_ID
        Put32(bytes, instance + 16, 24);          // NameOffset
        Put32(bytes, instance + 20, PutName(bytes, std::to_string(i)));
        Put32(bytes, instance, static_cast<std::uint32_t>(bytes->size() - instance));
        block->counterBlocks.back().push_back(PutCounterBlock(bytes, synthetic, valuesOf(static_cast<std::size_t>(i))));
    }
    Put32(bytes, object, static_cast<std::uint32_t>(bytes->size() - object));  // TotalByteLength
}

}  // namespace

void Put32(std::vector<std::uint8_t>* bytes, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        (*bytes)[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

PerfBlock BuildPerfBlock(const perf::SystemTime& time, const std::vector<SyntheticPerfObject>& objects) {
    PerfBlock block;
    std::vector<std::uint8_t>& bytes = block.bytes;
    Grow(&bytes, 88);
    const char signature[] = "PERF";
    for (std::size_t i = 0; i < 4; ++i) {
        Put16(&bytes, 2 * i, static_cast<std::uint8_t>(signature[i]));
    }
    Put32(&bytes, 8, 1);   // LittleEndian
    Put32(&bytes, 12, 1);  // Version
    Put32(&bytes, 16, 1);  // Revision
    Put32(&bytes, 28, static_cast<std::uint32_t>(objects.size()));
    Put32(&bytes, 32, perf::kProcessorObject);  // DefaultObject
    const std::uint16_t fields[] = {time.year, time.month,  time.dayOfWeek, time.day,
                                    time.hour, time.minute, time.second,    time.milliseconds};
    for (std::size_t i = 0; i < 8; ++i) {
        Put16(&bytes, 36 + 2 * i, fields[i]);
    }
    Put64(&bytes, 64, 10000000);  // PerfFreq
    Put32(&bytes, 80, PutName(&bytes, "TALVANE-PC"));
    Put32(&bytes, 84, 88);                                        // SystemNameOffset
    Put32(&bytes, 24, static_cast<std::uint32_t>(bytes.size()));  // HeaderLength

    for (const SyntheticPerfObject& synthetic : objects) {
        PutObject(&bytes, synthetic, &block);
    }
    Put32(&bytes, 20, static_cast<std::uint32_t>(bytes.size()));  // TotalByteLength
    return block;
}

SyntheticPerfObject ProcessorObject(const std::vector<std::uint64_t>& idleTimes) {
    SyntheticPerfObject synthetic;
    synthetic.title = perf::kProcessorObject;
    synthetic.counters = {142, 144, perf::kProcessorTimeCounter, 148};  // user, privileged, processor, interrupts
    synthetic.numInstances = static_cast<std::int32_t>(idleTimes.size());
    for (std::uint64_t idle : idleTimes) {
        synthetic.values.emplace_back(std::vector<std::uint64_t>{idle / 4, idle / 8, idle, 1000});
    }
    return synthetic;
}

perf::SystemTime TimeAt(std::uint32_t seconds) {
    perf::SystemTime time;
    time.year = 2004;
    time.month = 5;
    time.dayOfWeek = 3;
    time.day = 12;
    time.hour = static_cast<std::uint16_t>(10 + seconds / 3600);
    time.minute = static_cast<std::uint16_t>(seconds / 60 % 60);
    time.second = static_cast<std::uint16_t>(seconds % 60);
    return time;
}

void FakePerfRegistry::SetDynNumber(const std::string& subkey, const std::string& value, std::uint32_t number) {
    std::vector<std::uint8_t> bytes(4);
    Put32(&bytes, 0, number);
    dynData[subkey][value] = bytes;
}

long FakePerfRegistry::OpenKey(platform::RootKey root,
                               const std::string& subkey,
                               std::uint32_t /*access*/,
                               platform::KeyId* key) {
    if (root == platform::RootKey::PerformanceData && subkey.empty()) {
        opened.emplace_back("PerformanceData");
        *key = kPerformanceKey;
        ++openKeys;
        return platform::kErrorSuccess;
    }
    if (root != platform::RootKey::DynData || dynData.count(subkey) == 0) {
        return platform::kErrorFileNotFound;
    }
    opened.push_back(subkey);
    *key = nextKey_++;
    dynKeys_[*key] = subkey;
    ++openKeys;
    return platform::kErrorSuccess;
}

long FakePerfRegistry::CreateKey(platform::RootKey, const std::string&, std::uint32_t, platform::KeyId*) {
    return platform::kErrorAccessDenied;
}

long FakePerfRegistry::QueryValue(platform::KeyId key,
                                  const std::string& name,
                                  std::uint32_t* type,
                                  std::uint8_t* data,
                                  std::uint32_t* size) {
    const std::vector<std::uint8_t>* value = nullptr;
    if (key == kPerformanceKey) {
        if (recordQueries) {
            perfQueries.push_back({*size, data});
        }
        if (name != "238") {
            return platform::kErrorFileNotFound;
        }
        if (performanceStatus != platform::kErrorSuccess) {
            return performanceStatus;
        }
        if (performanceData.size() > *size) {
            // Windows leaves the buffer and the size undefined here; make sure nobody relies on them.
            std::fill(data, data + *size, 0xCD);
            *size = 0;
            return platform::kErrorMoreData;
        }
        value = &performanceData;
    } else {
        const auto keyIt = dynKeys_.find(key);
        if (keyIt == dynKeys_.end()) {
            return platform::kErrorInvalidHandle;
        }
        const auto& values = dynData[keyIt->second];
        const auto valueIt = values.find(name);
        if (valueIt == values.end()) {
            return platform::kErrorFileNotFound;
        }
        value = &valueIt->second;
        if (value->size() > *size) {
            *size = static_cast<std::uint32_t>(value->size());
            return platform::kErrorMoreData;
        }
    }
    if (type != nullptr) {
        *type = 3;  // REG_BINARY
    }
    std::copy(value->begin(), value->end(), data);
    *size = static_cast<std::uint32_t>(value->size());
    return platform::kErrorSuccess;
}

long FakePerfRegistry::SetValue(platform::KeyId,
                                const std::string&,
                                std::uint32_t,
                                const std::uint8_t*,
                                std::uint32_t) {
    return platform::kErrorAccessDenied;
}

long FakePerfRegistry::DeleteValue(platform::KeyId, const std::string&) {
    return platform::kErrorAccessDenied;
}

long FakePerfRegistry::DeleteKey(platform::KeyId, const std::string&) {
    return platform::kErrorAccessDenied;
}

long FakePerfRegistry::EnumValueName(platform::KeyId, std::uint32_t, std::string*) {
    return platform::kErrorNoMoreItems;
}

long FakePerfRegistry::CloseKey(platform::KeyId key) {
    if (key != kPerformanceKey && dynKeys_.erase(key) == 0) {
        return platform::kErrorInvalidHandle;
    }
    --openKeys;
    return platform::kErrorSuccess;
}

}  // namespace talvane::fakes
