#include "engine/freeing_request.h"

namespace talvane::engine {

const char* TriggerName(Trigger trigger) {
    switch (trigger) {
        case Trigger::BelowMinimum: return "minimum";
        case Trigger::Startup: return "startup";
        case Trigger::Periodic: return "periodic";
        case Trigger::Menu: return "menu";
        case Trigger::Hotkey: return "hotkey";
    }
    return "unknown";
}

}  // namespace talvane::engine
