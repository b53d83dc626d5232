// TEMPORARY STUB: stands in for tray_icon.cpp until that lands; delete this file and its CMake entry on merge.
#include "engine/tray_icon.h"

namespace talvane::engine {

TrayIcon::~TrayIcon() = default;

bool TrayIcon::Show(const TrayLook&, const std::string&) {
    return true;
}

void TrayIcon::Hide() {}

void TrayIcon::Restore() {}

UINT TrayIcon::TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

UINT TrayIcon::ShowMenu(const TrayMenu&) {
    return 0;
}

}  // namespace talvane::engine
