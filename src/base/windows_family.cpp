#include "base/windows_family.h"

namespace talvane {

WindowsFamily FamilyFromVersion(const platform::OsVersion& version) {
    if (version.platformId == platform::kPlatformWin32Windows) {
        if (version.major != 4) {
            return WindowsFamily::Other9x;
        }
        if (version.minor == 0) {
            return WindowsFamily::Unsupported;  // Windows 95
        }
        return version.minor >= 90 ? WindowsFamily::WinMe : WindowsFamily::Win98;
    }
    if (version.platformId == platform::kPlatformWin32Nt) {
        if (version.major < 5) {
            return WindowsFamily::NT4;
        }
        // 9x reports the build in the low word only; NT gives the whole number.
        return version.build > 2400 ? WindowsFamily::WinXP : WindowsFamily::Win2000;
    }
    return WindowsFamily::Unsupported;
}

}  // namespace talvane
