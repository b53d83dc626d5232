#include "controls.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "wait.h"

namespace talvane::wine_driver {

std::optional<LRESULT> SendWithTimeout(HWND window, UINT message, WPARAM wparam, LPARAM lparam, DWORD timeout_ms) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wparam, lparam, SMTO_ABORTIFHUNG, timeout_ms, &result)) {
        return std::nullopt;
    }
    return static_cast<LRESULT>(result);
}

bool Responsive(HWND window, DWORD timeout_ms) {
    return IsWindow(window) && SendWithTimeout(window, WM_NULL, 0, 0, timeout_ms).has_value();
}

std::optional<std::string> ReadText(HWND window) {
    const auto length = SendWithTimeout(window, WM_GETTEXTLENGTH, 0, 0);
    if (!length || *length < 0) {
        return std::nullopt;
    }
    std::vector<char> buffer(static_cast<size_t>(*length) + 1);
    const auto copied = SendWithTimeout(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    if (!copied) {
        return std::nullopt;
    }
    return std::string(buffer.data(), static_cast<size_t>(std::clamp<LRESULT>(*copied, 0, *length)));
}

bool Click(HWND button, DWORD timeout_ms) {
    return SendWithTimeout(button, BM_CLICK, 0, 0, timeout_ms).has_value();
}

bool PostClick(HWND button) {
    return PostMessageA(button, BM_CLICK, 0, 0) != FALSE;
}

std::optional<int> ReadCheck(HWND button) {
    const auto state = SendWithTimeout(button, BM_GETCHECK, 0, 0);
    if (!state) {
        return std::nullopt;
    }
    return static_cast<int>(*state);
}

bool ToggleCheckWithSpace(HWND box, DWORD timeout_ms) {
    const auto before = ReadCheck(box);
    const LPARAM down = 1 | static_cast<LPARAM>(MapVirtualKeyA(VK_SPACE, 0)) << 16;
    const LPARAM up = down | (LPARAM{1} << 30) | static_cast<LPARAM>(0x80000000UL);
    if (!before || !PostMessageA(box, WM_KEYDOWN, VK_SPACE, down) || !PostMessageA(box, WM_KEYUP, VK_SPACE, up)) {
        return false;
    }
    return WaitUntil([&] { return ReadCheck(box) != before; }, timeout_ms);
}

namespace {

// One line of a combo or list box, asked in UTF-16: Wine 8 copies the ANSI replies across processes without
// converting, so they arrive as UTF-16 bytes cut to the ANSI length.
std::optional<std::string> ReadItem(HWND control, UINT length_message, UINT text_message, int index) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(control, length_message, static_cast<WPARAM>(index), 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                             &length) ||
        static_cast<LRESULT>(length) < 0) {
        return std::nullopt;
    }
    std::vector<wchar_t> wide(length + 1);
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(control, text_message, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.data()),
                             SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied) ||
        static_cast<LRESULT>(copied) < 0) {
        return std::nullopt;
    }
    const int wide_length = static_cast<int>(std::min<DWORD_PTR>(copied, length));
    if (wide_length == 0) {
        return std::string();
    }
    const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), wide_length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(bytes > 0 ? bytes : 0), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), wide_length, text.data(), bytes, nullptr, nullptr);
    return text;
}

}  // namespace

std::optional<std::string> ReadComboItem(HWND combo, int index) {
    return ReadItem(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

std::optional<ComboState> ReadCombo(HWND combo) {
    const auto selected = SendWithTimeout(combo, CB_GETCURSEL, 0, 0);
    const auto count = SendWithTimeout(combo, CB_GETCOUNT, 0, 0);
    if (!selected || !count || *count == CB_ERR) {
        return std::nullopt;
    }
    ComboState state;
    state.selected = static_cast<int>(*selected);
    state.count = static_cast<int>(*count);
    if (state.selected != CB_ERR) {
        const auto text = ReadComboItem(combo, state.selected);
        if (!text) {
            return std::nullopt;
        }
        state.selected_text = *text;
    }
    return state;
}

std::optional<int> ReadProgressPos(HWND progress) {
    const auto pos = SendWithTimeout(progress, PBM_GETPOS, 0, 0);
    if (!pos) {
        return std::nullopt;
    }
    return static_cast<int>(*pos);
}

std::optional<TrackbarState> ReadTrackbar(HWND trackbar) {
    const auto pos = SendWithTimeout(trackbar, TBM_GETPOS, 0, 0);
    const auto min = SendWithTimeout(trackbar, TBM_GETRANGEMIN, 0, 0);
    const auto max = SendWithTimeout(trackbar, TBM_GETRANGEMAX, 0, 0);
    if (!pos || !min || !max) {
        return std::nullopt;
    }
    return TrackbarState{static_cast<int>(*pos), static_cast<int>(*min), static_cast<int>(*max)};
}

namespace {

// Posts |steps| presses of VK_RIGHT (steps > 0) or VK_LEFT, as a user with focus on the control would.
bool PostArrowKeys(HWND control, int steps) {
    const UINT key = steps > 0 ? VK_RIGHT : VK_LEFT;
    const auto scan = static_cast<LPARAM>(MapVirtualKeyA(key, 0)) << 16;
    // Bit 24: the arrow keys are extended keys; bits 30 and 31 mark a release.
    const LPARAM down = 1 | scan | (LPARAM{1} << 24);
    const LPARAM up = down | (LPARAM{1} << 30) | static_cast<LPARAM>(0x80000000UL);
    for (int i = 0; i < std::abs(steps); ++i) {
        if (!PostMessageA(control, WM_KEYDOWN, key, down) || !PostMessageA(control, WM_KEYUP, key, up)) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<int> PressTrackbarKeys(HWND trackbar, int steps, DWORD timeout_ms) {
    const auto before = ReadTrackbar(trackbar);
    const auto line = SendWithTimeout(trackbar, TBM_GETLINESIZE, 0, 0);
    if (!before || !line) {
        return std::nullopt;
    }
    if (!PostArrowKeys(trackbar, steps)) {
        return std::nullopt;
    }
    const long target =
        std::clamp<long>(before->pos + static_cast<long>(steps) * static_cast<long>(*line), before->min, before->max);
    std::optional<int> last;
    WaitUntil(
        [&] {
            const auto now = ReadTrackbar(trackbar);
            last = now ? std::optional<int>(now->pos) : std::nullopt;
            return last && *last == target;
        },
        timeout_ms);
    return last;
}

std::optional<int> PressTabKeys(HWND tabs, int steps, DWORD timeout_ms) {
    const auto before = SendWithTimeout(tabs, TCM_GETCURSEL, 0, 0);
    if (!before || !PostArrowKeys(tabs, steps)) {
        return std::nullopt;
    }
    const auto target = static_cast<LRESULT>(*before + steps);
    std::optional<LRESULT> last;
    WaitUntil(
        [&] {
            last = SendWithTimeout(tabs, TCM_GETCURSEL, 0, 0);
            return last && *last == target;
        },
        timeout_ms);
    return last ? std::optional<int>(static_cast<int>(*last)) : std::nullopt;
}

std::optional<std::vector<std::string>> ReadListBox(HWND list) {
    const auto count = SendWithTimeout(list, LB_GETCOUNT, 0, 0);
    if (!count || *count < 0) {
        return std::nullopt;
    }
    std::vector<std::string> lines;
    for (int i = 0; i < static_cast<int>(*count); ++i) {
        auto line = ReadItem(list, LB_GETTEXTLEN, LB_GETTEXT, i);
        if (!line) {
            return std::nullopt;
        }
        lines.push_back(std::move(*line));
    }
    return lines;
}

bool ChooseMenuItem(HWND menu, int downs, DWORD timeout_ms) {
    for (int i = 0; i < downs; ++i) {
        if (!PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0)) {
            return false;
        }
    }
    return PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0) &&
           WaitUntil([&] { return IsWindowVisible(menu) == FALSE; }, timeout_ms);
}

}  // namespace talvane::wine_driver
