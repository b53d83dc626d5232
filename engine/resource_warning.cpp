#include "engine/resource_warning.h"

namespace talvane::engine {

bool ResourceWarning::Tick(std::optional<std::uint32_t> freePercent, bool enabled, std::uint32_t belowPercent) {
    // A tick that could not read the resources tells nothing about a rise or a fall.
    if (!freePercent) {
        return false;
    }
    if (*freePercent >= belowPercent) {
        warned_ = false;
        return false;
    }
    // Switching the option off does not forget a warning given: the user who turns it off and on again while the
    // resources stay low has already been told, and is told again only after they have recovered and fallen anew.
    if (!enabled || warned_) {
        return false;
    }
    warned_ = true;
    return true;
}

std::string LowResourcesText(std::uint32_t freePercent) {
    return "Free system resources are down to " + std::to_string(freePercent) +
           " %. Close some programs before Windows runs out of them.";
}

}  // namespace talvane::engine
