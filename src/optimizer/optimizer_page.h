// Page 0: the two amounts the engine works by, on sliders scaled to the machine's memory.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "optimizer/slider.h"

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

private:
    static std::string Amount(const Slider& slider) { return std::to_string(slider.Position()) + " MB"; }
    void Moved(bool changed);

    std::function<void()> changed_;
    Slider target_;
    Slider minimum_;
};

}  // namespace talvane
