// Which Windows the product runs on, decided once at start.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace talvane {

enum class WindowsFamily : std::uint8_t {
    Other9x = 0,
    Win98 = 1,
    WinMe = 2,
    NT4 = 3,
    Win2000 = 4,
    WinXP = 5,
    Unsupported = 6,
};

WindowsFamily FamilyFromVersion(const platform::OsVersion& version);

inline bool Is9xFamily(WindowsFamily family) {
    return family == WindowsFamily::Win98 || family == WindowsFamily::WinMe;
}
inline bool IsNtFamily(WindowsFamily family) {
    return family == WindowsFamily::Win2000 || family == WindowsFamily::WinXP;
}
// XP's visual styles draw a flat button's frame inside its rectangle: the browse buttons get 2 pixels more there.
inline int BrowseButtonGrowth(WindowsFamily family) {
    return family == WindowsFamily::WinXP ? 2 : 0;
}

}  // namespace talvane
