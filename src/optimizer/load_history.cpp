#include "optimizer/load_history.h"

#include <algorithm>

namespace talvane {

std::int32_t LoadHistory::HeightForLoad(std::uint32_t memoryLoad) {
    // load * 1.2 rounded half up, in integers: (load * 12 + 5) / 10.
    const std::uint64_t scaled = (static_cast<std::uint64_t>(memoryLoad) * 12 + 5) / 10;
    return static_cast<std::int32_t>(std::min<std::uint64_t>(scaled, kGraphHeight - 1));
}

void LoadHistory::Fill(std::uint32_t memoryLoad) {
    points_.fill(HeightForLoad(memoryLoad));
}

void LoadHistory::Shift(std::uint32_t memoryLoad) {
    std::copy_backward(points_.begin(), points_.end() - 1, points_.end());
    points_[0] = HeightForLoad(memoryLoad);
}

}  // namespace talvane
