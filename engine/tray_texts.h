// The texts the engine's tray icon shows: its figure and its tips.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace talvane::engine {

// "TrayIconInfo": what the icon's figure shows.
enum class TrayFigureKind : std::int32_t { CpuPercent = 0, AvailMB = 1, ResourcesPercent = 2 };

// What the figure can be drawn from; empty where it is not measured on this Windows.
struct TrayReadings {
    std::optional<std::uint32_t> cpuPercent;
    std::uint32_t availMB = 0;
    std::optional<std::uint32_t> resourcesPercent;
};

// At most 3 characters, to stay legible in a 16 x 16 icon: percentages 0 to 100; memory in MB up to 999, then in
// whole GB from "1G" to "99G" (more shows "99G"). An index with no meaning, or a figure not measured, is empty.
std::string TrayFigure(std::int32_t trayIconInfo, const TrayReadings& readings);

// "Freed N MB", or that nothing could be freed.
std::string FreedTip(std::uint32_t freedMB);

// For a Ctrl+Alt+key that another program already holds.
std::string HotkeyTakenTip(char key);

}  // namespace talvane::engine
