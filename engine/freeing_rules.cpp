#include "engine/freeing_rules.h"

#include <algorithm>

namespace talvane::engine {

namespace {

constexpr std::uint64_t kSecondMs = 1000;
constexpr std::uint64_t kMinuteMs = 60 * kSecondMs;

std::uint64_t Since(std::uint64_t nowMs, std::uint64_t thenMs) {
    return nowMs > thenMs ? nowMs - thenMs : 0;
}

bool BelowShare(std::uint32_t availMB, std::uint32_t totalMB, std::uint32_t percent) {
    return std::uint64_t{availMB} * 100 < std::uint64_t{totalMB} * percent;
}

// Several rules due at once make one freeing, the largest: it serves them all.
void Keep(std::optional<FreeingRequest>& best, Trigger trigger, std::uint32_t megabytes) {
    if (megabytes > 0 && (!best || megabytes > best->megabytes)) {
        best = FreeingRequest{trigger, megabytes};
    }
}

}  // namespace

std::optional<FreeingRequest> FreeingRules::Tick(const Reading& reading) {
    if (!settings_.enabled || running_) {
        return std::nullopt;
    }
    const EngineOptions& options = settings_.options;
    const std::uint64_t now = reading.nowMs;

    std::optional<FreeingRequest> best;
    const OptimizerSettings& optimizer = settings_.optimizer;
    if (reading.availMB < optimizer.minimumFreeRam && optimizer.targetFreeRam > reading.availMB) {
        Keep(best, Trigger::BelowMinimum, optimizer.targetFreeRam - reading.availMB);
    }
    const bool startupDue = options.freeOnStartup && !startupDone_ && options.freeOnStartupAmount > 0 &&
                            Since(now, startMs_) >= options.freeOnStartupDelay * kSecondMs;
    if (startupDue) {
        Keep(best, Trigger::Startup, options.freeOnStartupAmount);
    }
    bool periodicDue = false;
    if (options.periodicMinutes > 0 && Since(now, periodStartMs_) >= options.periodicMinutes * kMinuteMs) {
        periodicDue =
            options.periodicAmount > 0 && BelowShare(reading.availMB, reading.totalMB, options.periodicBelowPercent);
        if (periodicDue) {
            Keep(best, Trigger::Periodic, options.periodicAmount);
        } else {
            // Enough memory free when the period ends: this period is passed over, the next one starts now.
            periodStartMs_ = now;
        }
    }

    if (!best) {
        return std::nullopt;
    }
    // Deferred, not dropped: what is due stays due and is looked at again next tick.
    if (quietUntilMs_ && now < *quietUntilMs_) {
        return std::nullopt;
    }
    if (!options.disableCpuDetect && reading.cpuPercent && *reading.cpuPercent > kBusyCpuPercent) {
        return std::nullopt;
    }
    if (startupDue) {
        startupDone_ = true;
    }
    if (periodicDue) {
        periodStartMs_ = now;
    }
    return best;
}

std::optional<FreeingRequest> FreeingRules::Menu(MenuEntry entry) {
    const EngineOptions& options = settings_.options;
    const std::uint32_t megabytes = entry == MenuEntry::X   ? options.menuAmountX
                                    : entry == MenuEntry::Y ? options.menuAmountY
                                                            : options.menuAmountZ;
    return OnDemand({Trigger::Menu, megabytes});
}

std::optional<FreeingRequest> FreeingRules::Hotkey(std::uint32_t availMB) {
    const std::uint32_t target = settings_.optimizer.targetFreeRam;
    return OnDemand({Trigger::Hotkey, target > availMB ? target - availMB : 0});
}

std::optional<FreeingRequest> FreeingRules::OnDemand(FreeingRequest request) {
    if (request.megabytes == 0) {
        return std::nullopt;
    }
    if (!running_) {
        return request;
    }
    if (!pending_ || request.megabytes > pending_->megabytes) {
        pending_ = request;
    }
    return std::nullopt;
}

void FreeingRules::Started(std::uint64_t nowMs) {
    running_ = true;
    runStartMs_ = nowMs;
}

std::optional<FreeingRequest> FreeingRules::Ended(std::uint64_t nowMs) {
    if (!running_) {
        return std::nullopt;
    }
    running_ = false;
    // After any freeing, on demand too: memory still low right after one asked by the user is no reason for
    // another at once.
    quietUntilMs_ = nowMs + std::max(kMinCooldownMs, Since(nowMs, runStartMs_));
    std::optional<FreeingRequest> next = pending_;
    pending_.reset();
    return next;
}

}  // namespace talvane::engine
