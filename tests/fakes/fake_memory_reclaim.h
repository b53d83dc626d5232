// A machine's physical memory in miniature: trimming and touching gain what the test says others hold.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>

#include "fakes/call_log.h"
#include "platform/memory_reclaim.h"

namespace talvane::fakes {

class FakeMemoryReclaim : public platform::MemoryReclaim {
public:
    static constexpr std::uint64_t kMB = 1024 * 1024;

    std::uint64_t total = 256 * kMB;
    std::uint64_t available = 100 * kMB;
    std::uint64_t trimmable = 0;     // what trimming working sets gives back
    std::uint64_t reclaimable = 0;   // what touching can push out of other processes
    std::uint64_t lossPerTouch = 0;  // what other programs take meanwhile, per step
    bool failTouch = false;          // no memory can be committed

    std::uint64_t touched = 0;
    // The least available memory while a step was held (can go "below zero": signed).
    std::int64_t lowestWhileTouching = std::numeric_limits<std::int64_t>::max();
    CallLog log;

    platform::PhysicalMemory Measure() override {
        log.Add("measure");
        return {total, available};
    }
    std::uint32_t TrimWorkingSets() override {
        log.Add("trim");
        available += std::exchange(trimmable, 0);
        return 3;
    }
    bool TouchAndRelease(std::uint64_t bytes) override {
        log.Add("touch " + std::to_string(bytes / kMB));
        if (failTouch) {
            return false;
        }
        touched += bytes;
        lowestWhileTouching =
            std::min(lowestWhileTouching, static_cast<std::int64_t>(available) - static_cast<std::int64_t>(bytes));
        const std::uint64_t pushedOut = std::min(bytes, reclaimable);
        reclaimable -= pushedOut;
        available += pushedOut;
        available -= std::min(available, lossPerTouch);
        return true;
    }
};

}  // namespace talvane::fakes
