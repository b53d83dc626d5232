// A page that is only its panel: title, help topic and quick-info rows, for a feature whose controls are yet
// to come.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "base/text_table.h"
#include "ui/page.h"

namespace talvane::ui {

enum class Families : std::uint8_t { All, Nt, Nine };

struct PlainPageEntry {
    int panelId;
    int navId;
    int titleRow;
    const char* helpTopic;
    Families families;
    std::vector<QuickInfoRow> quickInfo;
};

class PlainPage final : public Page {
public:
    PlainPage(const PlainPageEntry& entry, const std::uint32_t& totalPhysMB)
        : entry_(entry), totalPhysMB_(totalPhysMB) {}

    [[nodiscard]] int PanelId() const override { return entry_.panelId; }
    [[nodiscard]] int NavId() const override { return entry_.navId; }
    [[nodiscard]] bool ExistsOn(WindowsFamily family) const override {
        switch (entry_.families) {
            case Families::Nt: return IsNtFamily(family);
            case Families::Nine: return Is9xFamily(family);
            case Families::All: break;
        }
        return true;
    }
    [[nodiscard]] std::string Title() const override { return TextTable::Row(entry_.titleRow); }
    [[nodiscard]] std::string HelpTopic() const override { return entry_.helpTopic; }
    [[nodiscard]] std::optional<QuickInfoLines> QuickInfo(int controlId) const override {
        return QuickInfoFromRows(entry_.quickInfo, controlId, totalPhysMB_);
    }
    [[nodiscard]] const std::vector<ControlRow>& Controls() const override { return controls_; }

private:
    const PlainPageEntry& entry_;
    const std::uint32_t& totalPhysMB_;  // the live sample's
    std::vector<ControlRow> controls_;
};

}  // namespace talvane::ui
