#include "pointer.h"

#include <vector>

namespace talvane::wine_driver {
namespace {

BOOL CALLBACK CollectVisibleRect(HWND window, LPARAM context) {
    RECT rect = {};
    if (IsWindowVisible(window) && GetWindowRect(window, &rect)) {
        reinterpret_cast<std::vector<RECT>*>(context)->push_back(rect);
    }
    return TRUE;
}

}  // namespace

// Wine's desktop process (explorer) sees the pointer crossing its X window at every warp and reports that
// position back to the server when it gets round to it; a report from the previous warp that arrives after this
// one puts the pointer back where it was (seen in winme about one move in five). So warp again until the position
// holds: for 100 ms after a change GetCursorPos answers the server's position, which is the one windows act on.
bool MovePointerTo(POINT screen_point) {
    constexpr int kMaxWarps = 10;
    constexpr DWORD kSettleMs = 40;
    int steady_checks = 0;
    for (int warp = 0; warp < kMaxWarps; ++warp) {
        if (!SetCursorPos(screen_point.x, screen_point.y)) {
            return false;
        }
        Sleep(kSettleMs);
        POINT now = {};
        if (GetCursorPos(&now) && now.x == screen_point.x && now.y == screen_point.y) {
            if (++steady_checks == 3) {
                return true;
            }
        } else {
            steady_checks = 0;
        }
    }
    return false;
}

bool HoverCenter(HWND window) {
    RECT rect = {};
    if (!GetWindowRect(window, &rect)) {
        return false;
    }
    return MovePointerTo(POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

bool ParkPointer() {
    return MovePointerTo(POINT{GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1});
}

std::optional<POINT> EmptySpotIn(HWND parent, int margin) {
    RECT client = {};
    if (!GetClientRect(parent, &client)) {
        return std::nullopt;
    }
    POINT origin = {0, 0};
    ClientToScreen(parent, &origin);
    std::vector<RECT> occupied;
    EnumChildWindows(parent, CollectVisibleRect, reinterpret_cast<LPARAM>(&occupied));
    for (RECT& rect : occupied) {
        InflateRect(&rect, margin, margin);
    }
    const int step = 4;
    for (int y = margin; y < client.bottom - margin; y += step) {
        for (int x = margin; x < client.right - margin; x += step) {
            const POINT candidate = {origin.x + x, origin.y + y};
            bool free = true;
            for (const RECT& rect : occupied) {
                if (PtInRect(&rect, candidate)) {
                    free = false;
                    break;
                }
            }
            if (free) {
                return candidate;
            }
        }
    }
    return std::nullopt;
}

}  // namespace talvane::wine_driver
