// Moving the mouse pointer so that the window under it gets WM_MOUSEMOVE, as when a user hovers.
#pragma once

#include <windows.h>

#include <optional>

namespace talvane::wine_driver {

// Returns once the pointer has stayed at the point, as far as Wine can tell; false if it would not.
bool MovePointerTo(POINT screen_point);
// Centre of the window's rectangle on screen.
bool HoverCenter(HWND window);
// Bottom-right corner of the screen, away from the windows under test, so nothing starts hovered.
bool ParkPointer();

// A point of parent's client area (in screen coordinates) that is at least margin pixels away from every visible
// descendant control, or nullopt when there is none.
std::optional<POINT> EmptySpotIn(HWND parent, int margin = 6);

}  // namespace talvane::wine_driver
