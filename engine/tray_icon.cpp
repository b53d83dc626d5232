#include "engine/tray_icon.h"

#include <cstddef>
#include <cstring>
#include <utility>

#include "ui/tray_icon_preview.h"

namespace talvane::engine {

namespace {

constexpr UINT kIconId = 1;
// The structure as the first shells knew it: every later shell takes it too.
constexpr DWORD kNotifySize = NOTIFYICONDATAA_V1_SIZE;
constexpr std::size_t kTipSize = 64;
#ifndef _WIN64
static_assert(kNotifySize == 88, "the size every shell since Windows 95 accepts");
#endif

NOTIFYICONDATAA NotifyData(HWND owner) {
    NOTIFYICONDATAA data{};
    data.cbSize = kNotifySize;
    data.hWnd = owner;
    data.uID = kIconId;
    return data;
}

// At most kTipSize - 1 bytes, never half of a double-byte character.
void CopyTip(const std::string& tip, char (&target)[128]) {
    std::size_t length = 0;
    while (length < tip.size()) {
        const std::size_t next = IsDBCSLeadByte(static_cast<BYTE>(tip[length])) ? length + 2 : length + 1;
        if (next > kTipSize - 1 || next > tip.size()) {
            break;
        }
        length = next;
    }
    std::memcpy(target, tip.data(), length);
    target[length] = '\0';
}

std::string FreeEntry(std::uint32_t megabytes) {
    return "Free up " + std::to_string(megabytes) + " MB";
}

}  // namespace

TrayIcon::~TrayIcon() {
    Hide();
}

bool TrayIcon::Notify(HICON icon, const std::string& tip) {
    NOTIFYICONDATAA data = NotifyData(owner_);
    data.uFlags = NIF_MESSAGE | NIF_TIP | (icon != nullptr ? NIF_ICON : 0);
    data.uCallbackMessage = kTrayCallbackMessage;
    data.hIcon = icon;
    CopyTip(tip, data.szTip);
    // A busy shell can report failure for an icon it did add, and lose one it had: the other call then works.
    const DWORD first = shown_ ? NIM_MODIFY : NIM_ADD;
    const DWORD second = shown_ ? NIM_ADD : NIM_MODIFY;
    shown_ = Shell_NotifyIconA(first, &data) != FALSE || Shell_NotifyIconA(second, &data) != FALSE;
    return shown_;
}

bool TrayIcon::Show(const TrayLook& look, const std::string& tip) {
    // Called every second: what the shell already shows is not sent again.
    const bool unchanged = shown_ && icon_ && look == iconLook_ && tip == tip_;
    wanted_ = true;
    look_ = look;
    tip_ = tip;
    if (unchanged) {
        return true;
    }
    if (icon_ && look == iconLook_) {
        return Notify(icon_.Get(), tip);
    }
    win32::UniqueIcon fresh =
        ui::DrawTrayIcon(ui::kTrayIconSize, look.figure,
                         look.freeing ? ui::TrayIconKind::Freeing : ui::TrayIconKind::Normal, look.textColour);
    if (!fresh) {
        return Notify(icon_.Get(), tip);  // the old picture rather than none; drawn again next time
    }
    if (!Notify(fresh.Get(), tip)) {
        return false;
    }
    // Only now that the shell holds the new picture may the old one go.
    icon_ = std::move(fresh);
    iconLook_ = look;
    return true;
}

void TrayIcon::Hide() {
    wanted_ = false;
    if (!shown_) {
        return;
    }
    NOTIFYICONDATAA data = NotifyData(owner_);
    Shell_NotifyIconA(NIM_DELETE, &data);
    shown_ = false;
}

void TrayIcon::Restore() {
    if (!wanted_) {
        return;
    }
    // The new shell has no icon of ours, whatever it answered before.
    shown_ = false;
    Show(look_, tip_);
}

UINT TrayIcon::TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

UINT TrayIcon::ShowMenu(const TrayMenu& menu) {
    const win32::UniqueMenu popup(CreatePopupMenu());
    if (!popup) {
        return 0;
    }
    const HMENU handle = popup.Get();
    const std::pair<UINT, std::uint32_t> amounts[] = {
        {kTrayFreeX, menu.freeX}, {kTrayFreeY, menu.freeY}, {kTrayFreeZ, menu.freeZ}};
    for (const auto& [command, megabytes] : amounts) {
        const UINT flags = MF_STRING | (megabytes == 0 ? MF_GRAYED : MF_ENABLED);
        AppendMenuA(handle, flags, command, FreeEntry(megabytes).c_str());
    }
    AppendMenuA(handle, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(handle, MF_STRING, kTrayToggle, menu.engineEnabled ? "Disable" : "Enable");
    AppendMenuA(handle, MF_STRING, kTrayOpenPanel, "Open Talvane");
    AppendMenuA(handle, MF_STRING, kTrayHistory, "Show freeing history");
    AppendMenuA(handle, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(handle, MF_STRING, kTrayExit, "Exit");
    SetMenuDefaultItem(handle, kTrayFreeX, FALSE);

    POINT at{};
    GetCursorPos(&at);
    // Without the foreground the menu would not close on a click elsewhere; the posted message makes the
    // next right click open it again at once.
    SetForegroundWindow(owner_);
    const BOOL command =
        TrackPopupMenu(handle, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x, at.y, 0, owner_, nullptr);
    PostMessageA(owner_, WM_NULL, 0, 0);
    return command > 0 ? static_cast<UINT>(command) : 0;
}

}  // namespace talvane::engine
