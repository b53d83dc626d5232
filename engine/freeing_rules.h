// Decides, once a second, whether the engine frees memory by itself and how much, and keeps requests made on
// demand from starting a second freeing while one runs.
#pragma once

#include <cstdint>
#include <optional>
#include <utility>

#include "engine/freeing_request.h"
#include "settings/settings_store.h"

namespace talvane::engine {

class FreeingRules {
public:
    // Above this someone is working: pushing their pages out now would slow them most, so automatic freeing waits.
    static constexpr std::uint32_t kBusyCpuPercent = 60;
    // The shortest pause after a freeing, so that a target out of reach never makes the engine free in a loop.
    static constexpr std::uint64_t kMinCooldownMs = 30000;

    // One second's figures. Times are milliseconds on one monotonic clock that never wraps.
    struct Reading {
        std::uint64_t nowMs = 0;
        std::uint32_t availMB = 0;
        std::uint32_t totalMB = 0;
        std::optional<std::uint32_t> cpuPercent;  // empty where it cannot be measured
    };

    enum class MenuEntry : std::uint8_t { X, Y, Z };

    FreeingRules(EngineSettings settings, std::uint64_t engineStartMs)
        : settings_(std::move(settings)), startMs_(engineStartMs), periodStartMs_(engineStartMs) {}

    // A reload: the new settings hold from the next tick.
    void Configure(const EngineSettings& settings) { settings_ = settings; }

    // The automatic freeing to start now, if any.
    [[nodiscard]] std::optional<FreeingRequest> Tick(const Reading& reading);

    // On demand, whatever the CPU and the cooldown: the freeing to start now, or nothing when the amount is 0 or a
    // freeing runs (the request then waits, merged with any other, until that one ends).
    [[nodiscard]] std::optional<FreeingRequest> Menu(MenuEntry entry);
    [[nodiscard]] std::optional<FreeingRequest> Hotkey(std::uint32_t availMB);

    // Every request handed out is reported started and then ended, before the next call hands out another.
    void Started(std::uint64_t nowMs);
    // The request that waited for this freeing, to start now.
    [[nodiscard]] std::optional<FreeingRequest> Ended(std::uint64_t nowMs);

    [[nodiscard]] bool Running() const { return running_; }

private:
    std::optional<FreeingRequest> OnDemand(FreeingRequest request);

    EngineSettings settings_;
    std::uint64_t startMs_;
    std::uint64_t periodStartMs_;
    bool startupDone_ = false;
    bool running_ = false;
    std::uint64_t runStartMs_ = 0;
    std::optional<std::uint64_t> quietUntilMs_;
    std::optional<FreeingRequest> pending_;
};

}  // namespace talvane::engine
