// Page 0: the two amounts the engine works by, on sliders scaled to the machine's memory, and the texts
// around the memory graph.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/memory_sample.h"
#include "base/quick_info.h"
#include "optimizer/slider.h"
#include "ui/form_table.h"

namespace talvane {

class OptimizerPage {
public:
    // Called on every slider change, by the user or by reading the settings.
    explicit OptimizerPage(std::function<void()> changed) : changed_(std::move(changed)) {}

    // Ranges are set before the stored values are read, so that those are limited to them.
    void SetRanges(std::uint32_t totalPhysMB);
    void MoveTarget(std::uint32_t position);
    void MoveMinimum(std::uint32_t position);

    [[nodiscard]] const Slider& Target() const { return target_; }
    [[nodiscard]] const Slider& Minimum() const { return minimum_; }
    [[nodiscard]] std::string TargetAmount() const { return Amount(target_); }
    [[nodiscard]] std::string MinimumAmount() const { return Amount(minimum_); }

    // The graph's scale labels, top to bottom, and the line above it.
    [[nodiscard]] static std::array<std::string, 3> ScaleLabels(const MemorySample& sample);
    [[nodiscard]] static std::string FreeRamLine(const MemorySample& sample);
    [[nodiscard]] static std::optional<QuickInfoLines> QuickInfo(int controlId, std::uint32_t totalPhysMB);

private:
    static std::string Amount(const Slider& slider) { return std::to_string(slider.Position()) + " MB"; }
    void Moved(bool changed);

    std::function<void()> changed_;
    Slider target_;
    Slider minimum_;
};

const std::vector<ControlRow>& OptimizerPageControls();

}  // namespace talvane
