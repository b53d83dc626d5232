#include "optimizer/optimizer_page.h"

#include "control_ids.h"
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

namespace talvane {

std::array<std::string, 3> OptimizerPage::ScaleLabels(const MemorySample& sample) {
    return {std::to_string(sample.totalPhysMB), std::to_string(sample.totalPhysMB >> 1), "0"};
}

std::string OptimizerPage::FreeRamLine(const MemorySample& sample) {
    return "Free RAM: " + std::to_string(sample.availPhysMB) + " MB";
}

std::optional<QuickInfoLines> OptimizerPage::QuickInfo(int controlId, std::uint32_t totalPhysMB) {
    static const std::vector<QuickInfoRow> kRows = {
        {IDC_FORM1_PAGE0, 7, kNoSecondLine},
        {IDC_FORM1_LABEL4, 8, 9},
        {IDC_FORM1_LABEL50, 10, 11},
    };
    return QuickInfoFromRows(kRows, controlId, totalPhysMB);
}

}  // namespace talvane
