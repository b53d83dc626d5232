// The last 19 seconds of memory load as graph heights, newest first.
#pragma once

#include <array>
#include <cstdint>

namespace talvane {

class LoadHistory {
public:
    static constexpr int kPoints = 19;
    static constexpr int kGraphWidth = 360;
    static constexpr int kGraphHeight = 120;

    // load * 1.2 rounded, limited to the graph's 0-119.
    static std::int32_t HeightForLoad(std::uint32_t memoryLoad);

    void Fill(std::uint32_t memoryLoad);
    // Drops the oldest point and puts the new one in front.
    void Shift(std::uint32_t memoryLoad);

    [[nodiscard]] const std::array<std::int32_t, kPoints>& Points() const { return points_; }

private:
    std::array<std::int32_t, kPoints> points_{};
};

}  // namespace talvane
