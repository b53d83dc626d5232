// When to warn that the free system resources run low: once as they fall below the chosen share, and again only
// after they have come back up to it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace talvane::engine {

class ResourceWarning {
public:
    // Called once a tick; true when the warning is to be shown now.
    [[nodiscard]] bool Tick(std::optional<std::uint32_t> freePercent, bool enabled, std::uint32_t belowPercent);

private:
    bool warned_ = false;  // since the resources last stood at or above the share
};

std::string LowResourcesText(std::uint32_t freePercent);

}  // namespace talvane::engine
