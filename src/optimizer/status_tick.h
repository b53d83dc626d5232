// The optimizer page's part of the once-a-second status tick: graph, engine switch and CPU load, in that order.
#pragma once

#include "base/cpu_usage.h"
#include "base/memory_sample.h"
#include "base/startup_facts.h"
#include "optimizer/load_history.h"
#include "platform/clock.h"
#include "platform/registry.h"

namespace talvane {

// Where a tick's results go.
class StatusView {
public:
    virtual ~StatusView() = default;
    // Graph and free-RAM line, from the history just shifted.
    virtual void ShowMemory(const LoadHistory& history) = 0;
    virtual void RefreshEngineState() = 0;
    // 0-100, into the More Options gauge and its label, shown or not.
    virtual void SetCpuUsage(int percent) = 0;
};

class StatusSampler {
public:
    // `sample` is the one the shell takes at the start of every tick.
    StatusSampler(platform::Clock& clock,
                  platform::Registry& registry,
                  const StartupFacts& facts,
                  const MemorySample& sample,
                  LoadHistory& history)
        : facts_(facts), sample_(sample), history_(history), cpu_(registry, clock) {}

    void Tick(StatusView& view);

private:
    const StartupFacts& facts_;
    const MemorySample& sample_;
    LoadHistory& history_;
    CpuUsageReader cpu_;
};

}  // namespace talvane
