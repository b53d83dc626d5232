#include "base/windows_family.h"

#include <gtest/gtest.h>

namespace talvane {
namespace {

using platform::kPlatformWin32Nt;
using platform::kPlatformWin32Windows;

struct FamilyCase {
    const char* name;
    platform::OsVersion version;
    WindowsFamily expected;
};

TEST(WindowsFamilyTest, DecidedFromPlatformAndVersion) {
    const FamilyCase cases[] = {
        {"Windows 95", {kPlatformWin32Windows, 4, 0, 950, {}}, WindowsFamily::Unsupported},
        {"Windows 98", {kPlatformWin32Windows, 4, 10, 2222, {}}, WindowsFamily::Win98},
        {"Windows 98 lowest minor", {kPlatformWin32Windows, 4, 1, 0, {}}, WindowsFamily::Win98},
        {"last minor before Me", {kPlatformWin32Windows, 4, 89, 0, {}}, WindowsFamily::Win98},
        {"Windows Me", {kPlatformWin32Windows, 4, 90, 3000, {}}, WindowsFamily::WinMe},
        {"a 9x with another major", {kPlatformWin32Windows, 5, 0, 0, {}}, WindowsFamily::Other9x},
        {"NT 4.0", {kPlatformWin32Nt, 4, 0, 1381, {}}, WindowsFamily::NT4},
        {"Windows 2000", {kPlatformWin32Nt, 5, 0, 2195, {}}, WindowsFamily::Win2000},
        {"build 2400 is still 2000", {kPlatformWin32Nt, 5, 1, 2400, {}}, WindowsFamily::Win2000},
        {"Windows XP", {kPlatformWin32Nt, 5, 1, 2600, {}}, WindowsFamily::WinXP},
        {"Server 2003", {kPlatformWin32Nt, 5, 2, 3790, {}}, WindowsFamily::WinXP},
        {"Windows 10", {kPlatformWin32Nt, 10, 0, 19045, {}}, WindowsFamily::WinXP},
        {"Win32s", {0, 3, 10, 0, {}}, WindowsFamily::Unsupported},
        {"CE", {3, 4, 0, 0, {}}, WindowsFamily::Unsupported},
    };
    for (const FamilyCase& c : cases) {
        EXPECT_EQ(FamilyFromVersion(c.version), c.expected) << c.name;
    }
}

TEST(WindowsFamilyTest, OnlyFourFamiliesHaveTheirFeatures) {
    for (int f = 0; f <= 6; ++f) {
        const auto family = static_cast<WindowsFamily>(f);
        EXPECT_EQ(Is9xFamily(family), f == 1 || f == 2) << f;
        EXPECT_EQ(IsNtFamily(family), f == 4 || f == 5) << f;
    }
}

}  // namespace
}  // namespace talvane
