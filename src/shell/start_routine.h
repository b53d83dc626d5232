// Single instance: a second control panel ends before it creates any window.
#pragma once

#include "platform/named_mutex.h"
#include "platform/window_services.h"

namespace talvane {

constexpr const char* kMainWindowClass = "TForm1";
constexpr const char* kMainWindowCaption = "Talvane Limited Edition";
// Not the engine's: a control panel starts while the engine runs.
constexpr const char* kInstanceMutex = "Talvane.ControlPanel.Instance";

enum class StartDecision { Run, Exit };

// Opens the instance mutex, which this process then keeps, and looks for a running control panel; a hidden one is
// posted WM_USER so it may come back. A mutex that already exists without a window yet is a control panel still
// starting, and this start gives way to it.
StartDecision DecideStart(platform::NamedMutex& instance, platform::Windows& windows);

}  // namespace talvane
