#include "optimizer/status_tick.h"

namespace talvane {

void StatusSampler::Tick(StatusView& view) {
    history_.Shift(sample_.memoryLoad);
    view.ShowMemory(history_);
    view.RefreshEngineState();
    // NT 4.0 and the unsupported families read the NT way, as they always have.
    view.SetCpuUsage(cpu_.Read(Is9xFamily(facts_.family)));
}

}  // namespace talvane
