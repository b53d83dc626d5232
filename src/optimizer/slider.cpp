#include "optimizer/slider.h"

#include <algorithm>

namespace talvane {

bool Slider::SetRange(std::uint32_t minimum, std::uint32_t maximum) {
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    return SetPosition(position_);
}

bool Slider::SetPosition(std::uint32_t position) {
    const std::uint32_t clamped = std::clamp(position, minimum_, maximum_);
    const bool changed = clamped != position_;
    position_ = clamped;
    return changed;
}

}  // namespace talvane
