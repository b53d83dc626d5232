#include "optimizer/optimizer_page.h"

#include "settings/settings_schema.h"

namespace talvane {

void OptimizerPage::SetRanges(std::uint32_t totalPhysMB) {
    Moved(target_.SetRange(0, Setting(SettingId::TargetFreeRam).maximum.For(totalPhysMB)));
    Moved(minimum_.SetRange(0, Setting(SettingId::MinimumFreeRam).maximum.For(totalPhysMB)));
}

// A track bar reports a change only when its position really moves.
void OptimizerPage::MoveTarget(std::uint32_t position) {
    Moved(target_.SetPosition(position));
}

void OptimizerPage::MoveMinimum(std::uint32_t position) {
    Moved(minimum_.SetPosition(position));
}

void OptimizerPage::Moved(bool changed) {
    if (changed && changed_) {
        changed_();
    }
}

}  // namespace talvane
