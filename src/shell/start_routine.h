// Single instance: a second control panel ends before it creates any window.
#pragma once

#include "platform/window_services.h"

namespace talvane {

constexpr const char* kMainWindowClass = "TForm1";
constexpr const char* kMainWindowCaption = "Talvane Limited Edition";

enum class StartDecision { Run, Exit };

// Looks for a running control panel; a hidden one is posted WM_USER so it may come back.
StartDecision DecideStart(platform::Windows& windows);

}  // namespace talvane
