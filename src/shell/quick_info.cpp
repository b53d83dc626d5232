#include "shell/quick_info.h"

#include "base/text_table.h"
#include "control_ids.h"

namespace talvane {

namespace {

constexpr int kNone = -1;

struct Entry {
    QuickInfoItem item;
    int controlId;  // kNone for a page's empty area
    int firstRow;
    int secondRow;  // kNone for an empty second line
};

constexpr Entry kEntries[] = {
    {QuickInfoItem::OptimizerArea, kNone, 7, kNone},
    {QuickInfoItem::TargetLabel, IDC_FORM1_LABEL4, 8, 9},
    {QuickInfoItem::MinimumLabel, IDC_FORM1_LABEL50, 10, 11},
    {QuickInfoItem::ShortcutArea, kNone, 7, kNone},
    {QuickInfoItem::ProgramNameLabel, IDC_FORM1_LABEL34, 77, kNone},
    {QuickInfoItem::ProgramPathLabel, IDC_FORM1_LABEL37, 79, 80},
    {QuickInfoItem::ParametersLabel, IDC_FORM1_LABEL63, 82, 83},
    {QuickInfoItem::RecoverLabel, IDC_FORM1_LABEL35, 86, kNone},
    {QuickInfoItem::PriorityLabel, IDC_FORM1_LABEL36, 88, kNone},
    {QuickInfoItem::LocationLabel, IDC_FORM1_LABEL38, 90, kNone},
    {QuickInfoItem::TweakNtArea, kNone, 7, kNone},
    {QuickInfoItem::CoreSystemCheck, IDC_FORM1_CHECKBOX9, 169, 170},
    {QuickInfoItem::LargeCacheCheck, IDC_FORM1_CHECKBOX6, 171, 172},
    {QuickInfoItem::DiskCacheCheck, IDC_FORM1_CHECKBOX10, 173, 174},
    {QuickInfoItem::AppTimeoutCheck, IDC_FORM1_CHECKBOX87, 175, 176},
    {QuickInfoItem::ServiceTimeoutCheck, IDC_FORM1_CHECKBOX7, 177, 178},
    {QuickInfoItem::HungTimeoutCheck, IDC_FORM1_CHECKBOX88, 179, 180},
    {QuickInfoItem::UnloadDllCheck, IDC_FORM1_CHECKBOX89, 181, 182},
    {QuickInfoItem::Tweak9xArea, kNone, 7, kNone},
    {QuickInfoItem::DiskCache9xCheck, IDC_FORM1_CHECKBOX8, 192, kNone},
    {QuickInfoItem::FileCacheCheck, IDC_FORM1_CHECKBOX12, 193, 194},
    {QuickInfoItem::HarddiskBufferCheck, IDC_FORM1_CHECKBOX15, 195, 196},
    {QuickInfoItem::ContiguousCheck, IDC_FORM1_CHECKBOX14, 197, 198},
    {QuickInfoItem::UseRamCheck, IDC_FORM1_CHECKBOX97, 199, 200},
};

const Entry* Find(QuickInfoItem item) {
    for (const Entry& entry : kEntries) {
        if (entry.item == item) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace

QuickInfoLines QuickInfoFor(QuickInfoItem item, std::uint32_t totalPhysMB) {
    const Entry* entry = Find(item);
    if (entry == nullptr) {
        return {};
    }
    QuickInfoLines lines;
    lines.first = TextTable::Row(entry->firstRow);
    if (entry->secondRow != kNone) {
        lines.second = TextTable::Row(entry->secondRow);
    }
    if (item == QuickInfoItem::DiskCacheCheck) {
        lines.second += std::to_string(totalPhysMB >> 2) + " MB.";
    }
    return lines;
}

std::optional<QuickInfoItem> QuickInfoItemForControl(int controlId) {
    for (const Entry& entry : kEntries) {
        if (entry.controlId != kNone && entry.controlId == controlId) {
            return entry.item;
        }
    }
    return std::nullopt;
}

std::optional<QuickInfoItem> QuickInfoItemForPage(int pageIndex) {
    switch (pageIndex) {
        case 0: return QuickInfoItem::OptimizerArea;
        case 1: return QuickInfoItem::ShortcutArea;
        case 4: return QuickInfoItem::TweakNtArea;
        case 5: return QuickInfoItem::Tweak9xArea;
        default: return std::nullopt;
    }
}

}  // namespace talvane
