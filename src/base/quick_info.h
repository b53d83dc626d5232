// The quick-info panel's two lines, and the tables from which a page finds the lines for one of its controls.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace talvane {

struct QuickInfoLines {
    std::string first;
    std::string second;
    bool operator==(const QuickInfoLines& other) const { return first == other.first && second == other.second; }
};

constexpr int kNoSecondLine = -1;

// A described control (or a page's empty area, by the page panel's ID) and its text-table rows.
struct QuickInfoRow {
    int controlId;
    int firstRow;
    int secondRow;  // kNoSecondLine: an empty second line
    // The second line ends with the recommended disk cache, a quarter of the memory.
    bool quarterOfMemory = false;
};

// None for a control without a description.
std::optional<QuickInfoLines> QuickInfoFromRows(const std::vector<QuickInfoRow>& rows,
                                                int controlId,
                                                std::uint32_t totalPhysMB);

}  // namespace talvane
