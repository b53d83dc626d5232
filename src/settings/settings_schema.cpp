#include "settings/settings_schema.h"

#include <algorithm>

namespace talvane {

namespace {

constexpr bool InIdOrder() {
    for (std::size_t i = 0; i < AllSettings().size(); ++i) {
        if (static_cast<std::size_t>(AllSettings()[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(InIdOrder(), "Setting(id) finds a value by its position");

}  // namespace

std::uint32_t ClampToRange(SettingId id, std::uint32_t value, std::uint32_t totalPhysMB) {
    const SettingEntry& entry = Setting(id);
    return entry.kind == SettingKind::Number ? std::min(value, entry.maximum.For(totalPhysMB)) : value;
}

}  // namespace talvane
