// What the control panel relies on from the engine: its file names, its window and the message to re-read settings.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/windows_family.h"
#include "platform/processes.h"
#include "platform/window_services.h"
#include "settings/save_report.h"

namespace talvane {

constexpr std::uint32_t kEngineReload = platform::kWmUser + 81;  // 1105
constexpr const char* kEngineWindowClass = "TForm1";
// The whole caption: the control panel's own "TForm1" window has a longer one.
constexpr const char* kEngineWindowCaption = "Talvane";
// The engine answers once it has re-read its settings, well within this; an engine that takes longer is not
// waited for, so that it cannot hold up the control panel.
constexpr std::uint32_t kEngineReplyTimeoutMs = 5000;

// None on a family without an engine.
std::optional<std::string> EngineFileName(WindowsFamily family);
// By bare file name: the search order starts in the control panel's own folder, where the engines are installed.
void StartEngine(platform::Processes& processes, WindowsFamily family);
// 0 when the engine does not run.
platform::WindowId FindEngineWindow(platform::Windows& windows);
// Returns once the engine has re-read its settings, or notes in `report` that it did not confirm within the time
// allowed; nothing happens when it does not run.
void NotifyEngine(platform::Windows& windows, SaveReport& report);

}  // namespace talvane
