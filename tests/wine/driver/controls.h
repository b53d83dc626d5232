// Reading and operating standard controls of another process by their documented messages.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace talvane::wine_driver {

// How long a sent message may take before the target counts as stuck.
inline constexpr DWORD kSendTimeoutMs = 5000;

// SendMessageTimeoutA; nullopt when the target did not answer in time.
std::optional<LRESULT> SendWithTimeout(HWND window,
                                       UINT message,
                                       WPARAM wparam,
                                       LPARAM lparam,
                                       DWORD timeout_ms = kSendTimeoutMs);

// True once the window's thread has handled a message: it is alive and not stuck.
bool Responsive(HWND window, DWORD timeout_ms = kSendTimeoutMs);

// WM_GETTEXT, which Windows copies across processes.
std::optional<std::string> ReadText(HWND window);

// BM_CLICK sent: returns once the click handler ran. It blocks while that handler shows a modal box,
// so then use PostClick and answer the box.
bool Click(HWND button, DWORD timeout_ms = kSendTimeoutMs);
bool PostClick(HWND button);

std::optional<int> ReadCheck(HWND button);  // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE
// The space bar pressed and released on a check box, as a user with focus on it would; true once it toggled.
bool ToggleCheckWithSpace(HWND box, DWORD timeout_ms = kSendTimeoutMs);
// Every line of a list box.
std::optional<std::vector<std::string>> ReadListBox(HWND list);

struct ComboState {
    int selected = CB_ERR;
    std::string selected_text;  // empty when nothing is selected
    int count = 0;
};
std::optional<ComboState> ReadCombo(HWND combo);
std::optional<std::string> ReadComboItem(HWND combo, int index);

std::optional<int> ReadProgressPos(HWND progress);

struct TrackbarState {
    int pos = 0;
    int min = 0;
    int max = 0;
};
std::optional<TrackbarState> ReadTrackbar(HWND trackbar);

// Posts |steps| presses of VK_RIGHT (steps > 0) or VK_LEFT to the trackbar, as a user with focus on it would,
// and waits until the position reaches where those keys lead. Returns the position read last.
std::optional<int> PressTrackbarKeys(HWND trackbar, int steps, DWORD timeout_ms = kSendTimeoutMs);
// The same keys on a tab control, which changes its tab as the user's arrow keys do; the tab (TCM_GETCURSEL) read
// last.
std::optional<int> PressTabKeys(HWND tabs, int steps, DWORD timeout_ms = kSendTimeoutMs);

// Walks an open popup menu (class "#32768") as the keyboard does: `downs` times Down, then Enter; true once the menu
// has closed. Keys posted to the menu window reach the menu's own loop.
bool ChooseMenuItem(HWND menu, int downs, DWORD timeout_ms = kSendTimeoutMs);

}  // namespace talvane::wine_driver
