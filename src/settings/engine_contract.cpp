#include "settings/engine_contract.h"

namespace talvane {

std::optional<std::string> EngineFileName(WindowsFamily family) {
    switch (family) {
        case WindowsFamily::Win98: return "VELK_98.exe";
        case WindowsFamily::WinMe: return "VELK_ME.exe";
        case WindowsFamily::Win2000:
        case WindowsFamily::WinXP: return "VELK_XP.exe";
        case WindowsFamily::Other9x:
        case WindowsFamily::NT4:
        case WindowsFamily::Unsupported: break;
    }
    return std::nullopt;
}

void StartEngine(platform::Processes& processes, WindowsFamily family) {
    if (const auto file = EngineFileName(family)) {
        // A second engine ends by itself, so there is no need to look for a running one first; and a failed
        // start shows at the next status tick, when no engine window is found.
        static_cast<void>(processes.WinExec(*file, platform::kSwShowNormal));
    }
}

platform::WindowId FindEngineWindow(platform::Windows& windows) {
    return windows.FindWindow(kEngineWindowClass, kEngineWindowCaption);
}

void NotifyEngine(platform::Windows& windows, SaveReport& report) {
    if (const platform::WindowId engine = FindEngineWindow(windows)) {
        // Sent, not posted: every write is complete before the engine reads, and it has read when this returns.
        if (!windows.SendMessageTimeout(engine, kEngineReload, 0, 0, platform::kSmtoAbortIfHung,
                                        kEngineReplyTimeoutMs)) {
            report.EngineDidNotConfirm();
        }
    }
}

}  // namespace talvane
