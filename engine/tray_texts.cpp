#include "engine/tray_texts.h"

#include <algorithm>

#include "engine/hotkey_code.h"

namespace talvane::engine {

namespace {

constexpr std::uint32_t kLargestMB = 999;
constexpr std::uint32_t kLargestGB = 99;

std::string Percent(std::optional<std::uint32_t> percent) {
    return percent ? std::to_string(std::min<std::uint32_t>(*percent, 100)) : std::string();
}

// Rounded to the nearest GB, so that 1000 MB reads "1G", not "0G"; more than 99 GB reads "99G", a floor.
std::string Megabytes(std::uint32_t megabytes) {
    if (megabytes <= kLargestMB) {
        return std::to_string(megabytes);
    }
    const std::uint32_t gigabytes = std::min(megabytes / 1024 + (megabytes % 1024 >= 512 ? 1 : 0), kLargestGB);
    return std::to_string(gigabytes) + 'G';
}

}  // namespace

std::string TrayFigure(std::int32_t trayIconInfo, const TrayReadings& readings) {
    switch (static_cast<TrayFigureKind>(trayIconInfo)) {
        case TrayFigureKind::CpuPercent: return Percent(readings.cpuPercent);
        case TrayFigureKind::AvailMB: return Megabytes(readings.availMB);
        case TrayFigureKind::ResourcesPercent: return Percent(readings.resourcesPercent);
    }
    return {};
}

std::string FreedTip(std::uint32_t freedMB) {
    return freedMB == 0 ? "Nothing could be freed" : "Freed " + std::to_string(freedMB) + " MB";
}

std::string HotkeyTakenTip(char key) {
    const std::uint32_t code = HotkeyCode(key);
    const char shown = code != 0 ? static_cast<char>(code) : key;
    return std::string("The hot key Ctrl+Alt+") + shown + " is used by another program";
}

}  // namespace talvane::engine
