#include "base/quick_info.h"

#include "base/text_table.h"

namespace talvane {

std::optional<QuickInfoLines> QuickInfoFromRows(const std::vector<QuickInfoRow>& rows,
                                                int controlId,
                                                std::uint32_t totalPhysMB) {
    for (const QuickInfoRow& row : rows) {
        if (row.controlId != controlId) {
            continue;
        }
        QuickInfoLines lines{TextTable::Row(row.firstRow), ""};
        if (row.secondRow != kNoSecondLine) {
            lines.second = TextTable::Row(row.secondRow);
        }
        if (row.quarterOfMemory) {
            lines.second += std::to_string(totalPhysMB >> 2) + " MB.";
        }
        return lines;
    }
    return std::nullopt;
}

}  // namespace talvane
