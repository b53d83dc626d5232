// The small pieces of the system's common dialogs that several windows use.
#pragma once

#include "platform/win32/win.h"

#include <optional>
#include <string>

#include "platform/win32/win32_platform.h"

namespace talvane::ui {

// A tooltip over `tool`, a child of `window`; the tooltip window belongs to `window` and goes with it.
HWND AddHint(HINSTANCE instance, HWND window, HWND tool, const std::string& text);

// The open-file dialog for an existing file, its filter given as "Name|*.ext"; none when the user cancelled.
std::optional<std::string> PickFile(win32::Win32FileDialog& dialogs, HWND owner, const std::string& pipedFilter);

}  // namespace talvane::ui
