// A track bar's range and position, as Windows keeps them: the position always lies in the range.
#pragma once

#include <cstdint>

namespace talvane {

class Slider {
public:
    // Returns true when the position had to move into the new range.
    bool SetRange(std::uint32_t minimum, std::uint32_t maximum);
    // Clamps; returns true when the position changed.
    bool SetPosition(std::uint32_t position);

    [[nodiscard]] std::uint32_t Position() const { return position_; }
    [[nodiscard]] std::uint32_t Minimum() const { return minimum_; }
    [[nodiscard]] std::uint32_t Maximum() const { return maximum_; }

private:
    std::uint32_t minimum_ = 0;
    std::uint32_t maximum_ = 10;  // a new track bar's range
    std::uint32_t position_ = 0;
};

}  // namespace talvane
