#include "optimizer/status_tick.h"

#include "optimizer/uptime.h"

namespace talvane {

void StatusSampler::Tick(StatusView& view) {
    sample_ = TakeMemorySample(system_);
    if (uptimeRow_ != 0) {
        view.SetUptime(uptimeRow_, UptimeText(UptimeMilliseconds(clock_)));
    }
    history_.Shift(sample_.memoryLoad);
    view.ShowMemory(history_);
    view.RefreshEngineState();
    // NT 4.0 and the unsupported families read the NT way, as they always have.
    view.SetCpuUsage(Is9xFamily(facts_.family) ? CpuUsage9x(registry_) : cpuNt_.Read());
}

}  // namespace talvane
