// The once-a-second sampling: memory, uptime, graph, engine switch and CPU load, in that order.
#pragma once

#include <string>

#include "base/memory_sample.h"
#include "base/startup_facts.h"
#include "optimizer/cpu_usage.h"
#include "optimizer/load_history.h"
#include "platform/clock.h"
#include "platform/registry.h"
#include "platform/system.h"

namespace talvane {

// Where a tick's results go.
class StatusView {
public:
    virtual ~StatusView() = default;
    // The "System Up Time" row of the System Information list.
    virtual void SetUptime(int row, const std::string& text) = 0;
    // Graph and free-RAM line, from the history just shifted.
    virtual void ShowMemory(const LoadHistory& history) = 0;
    virtual void RefreshEngineState() = 0;
    // 0-100, into the More Options gauge and its label, shown or not.
    virtual void SetCpuUsage(int percent) = 0;
};

class StatusSampler {
public:
    StatusSampler(platform::System& system,
                  platform::Clock& clock,
                  platform::Registry& registry,
                  const StartupFacts& facts,
                  MemorySample& sample,
                  LoadHistory& history)
        : system_(system),
          clock_(clock),
          registry_(registry),
          facts_(facts),
          sample_(sample),
          history_(history),
          cpuNt_(registry, clock) {}

    // Recorded by the System Information list each time it fills; 0 means no row.
    void SetUptimeRow(int row) { uptimeRow_ = row; }
    [[nodiscard]] int UptimeRow() const { return uptimeRow_; }

    void Tick(StatusView& view);

private:
    platform::System& system_;
    platform::Clock& clock_;
    platform::Registry& registry_;
    const StartupFacts& facts_;
    MemorySample& sample_;
    LoadHistory& history_;
    CpuUsageNt cpuNt_;
    int uptimeRow_ = 0;
};

}  // namespace talvane
