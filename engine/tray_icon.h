// The engine's icon in the notification area: its figure, its tip and its menu. Win32 only.
#pragma once

#include "platform/win32/win.h"

#include <cstdint>
#include <string>

#include "platform/win32/handles.h"

namespace talvane::engine {

// The menu's commands, sent to the owner as WM_COMMAND by the engine window itself after ShowMenu returns.
enum TrayCommand : UINT {
    kTrayFreeX = 40001,
    kTrayFreeY,
    kTrayFreeZ,
    kTrayToggle,     // Enable or Disable, as the engine stands
    kTrayOpenPanel,  // the control panel
    kTrayHistory,    // the freeing history in Notepad
    kTrayExit,
};

// The shell sends this to the owner with the mouse message in lParam.
constexpr UINT kTrayCallbackMessage = WM_APP + 10;

struct TrayLook {
    std::string figure;       // at most three characters; empty shows no number
    COLORREF textColour = 0;  // "TrayIconTextColor"
    bool freeing = false;     // the "Recover RAM" look
    bool operator==(const TrayLook& other) const {
        return figure == other.figure && textColour == other.textColour && freeing == other.freeing;
    }
};

struct TrayMenu {
    std::uint32_t freeX = 0;  // MB
    std::uint32_t freeY = 0;
    std::uint32_t freeZ = 0;
    bool engineEnabled = false;  // the toggle reads "Disable" while enabled, "Enable" otherwise
};

class TrayIcon {
public:
    explicit TrayIcon(HWND owner) : owner_(owner) {}
    ~TrayIcon();  // takes the icon away
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Adds the icon, or changes it; the picture is drawn again only when the look changed. False when the shell
    // refused (no notification area yet): the next call tries again.
    bool Show(const TrayLook& look, const std::string& tip);
    void Hide();
    // After Explorer restarted (the TaskbarCreated message): the icon is added again as it was.
    void Restore();
    static UINT TaskbarCreatedMessage();

    // The menu at the pointer; the chosen command, or 0 when dismissed.
    UINT ShowMenu(const TrayMenu& menu);

private:
    bool Notify(HICON icon, const std::string& tip);

    HWND owner_;
    win32::UniqueIcon icon_;  // the picture the shell was last given
    TrayLook iconLook_;       // what icon_ shows
    TrayLook look_;           // what was last asked for, shown or not
    std::string tip_;
    bool wanted_ = false;  // Show was called and Hide not since
    bool shown_ = false;   // the shell has the icon
};

}  // namespace talvane::engine
