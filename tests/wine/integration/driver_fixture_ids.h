// Control IDs and contents of driver_fixture.exe, shared with the tests that drive it.
#pragma once

namespace talvane::wine_fixture {

inline constexpr char kWindowClass[] = "TalvaneDriverFixture";
inline constexpr char kCaption[] = "Driver fixture";

enum ControlId : int {
    kListViewId = 100,
    kComboId = 101,
    kTrackbarId = 102,
    kProgressId = 103,
    kCheckId = 104,
    kAskButtonId = 105,
    kHoverLabelId = 106,
    kHoverPadId = 107,
};

inline constexpr char kAskText[] = "Keep the changes?";
// Written into the hover label by the window under the pointer.
inline constexpr char kHoverPadText[] = "over pad";
inline constexpr char kHoverMainText[] = "over main";

}  // namespace talvane::wine_fixture
