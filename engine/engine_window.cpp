#include "engine/engine_window.h"

#include "base/memory_sample.h"
#include "engine/history_file.h"
#include "engine/hotkey_code.h"
#include "engine/tray_texts.h"
#include "settings/engine_contract.h"
#include "settings/save_report.h"
#include "settings/settings_store.h"

namespace talvane::engine {

namespace {

constexpr UINT_PTR kTickTimer = 1;
constexpr UINT kTickMs = 1000;
constexpr int kFreeHotkey = 1;
constexpr int kToggleHotkey = 2;
// How long exiting waits for a freeing that runs, so that its line still reaches the history.
constexpr DWORD kExitWaitMs = 3000;
constexpr const char* kIdleTip = "Talvane";

// mmsystem.h's, without pulling in the multimedia headers for one call.
constexpr DWORD kSndAsync = 0x0001;
constexpr DWORD kSndNoDefault = 0x0002;
constexpr DWORD kSndFilename = 0x00020000;

bool IsNtKernel(WindowsFamily family) {
    return family != WindowsFamily::Other9x && !Is9xFamily(family);
}

}  // namespace

EngineWindow::EngineWindow(EngineState& state,
                           platform::Registry& registry,
                           platform::System& system,
                           platform::Clock& clock,
                           WindowsFamily family)
    : state_(state),
      registry_(registry),
      system_(system),
      family_(family),
      clock_(clock),
      cpu_(registry, clock),
      rules_(state.Settings(), clock_.NowMs()),
      worker_(IsNtKernel(family)),
      resources_(family),
      tip_(kIdleTip) {}

bool EngineWindow::Create(HINSTANCE instance) {
    if (!Register(instance, kEngineWindowClass, nullptr, nullptr)) {
        return false;
    }
    // Never shown; a top-level window, so that FindWindowA finds it on every Windows.
    if (!ui::Window::Create(instance, kEngineWindowClass, kEngineWindowCaption, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                            0, 0, 0, 0, 0, nullptr)) {
        return false;
    }
    tray_.emplace(Handle());
    taskbarCreated_ = TrayIcon::TaskbarCreatedMessage();
    RegisterHotkeys();
    SetTimer(Handle(), kTickTimer, kTickMs, nullptr);
    Tick();
    return true;
}

LRESULT EngineWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            if (wParam == kTickTimer) {
                Tick();
            }
            return 0;
        case kEngineReload:
            // The sender waits in SendMessageTimeoutA until this returns, so it knows the settings are in effect.
            Reload();
            return 0;
        case kFreeingDone: OnFreeingDone(true); return 0;
        case kTrayCallbackMessage: OnTrayMouse(lParam); return 0;
        case WM_COMMAND: OnCommand(LOWORD(wParam)); return 0;
        case WM_HOTKEY:
            if (wParam == kFreeHotkey) {
                Request(rules_.Hotkey(TakeMemorySample(system_).availPhysMB));
            } else if (wParam == kToggleHotkey) {
                Toggle();
            }
            return 0;
        case WM_ENDSESSION:
            if (wParam != FALSE) {
                DestroyWindow(Handle());
            }
            return 0;
        case WM_CLOSE: DestroyWindow(Handle()); return 0;
        case WM_DESTROY:
            KillTimer(Handle(), kTickTimer);
            UnregisterHotKey(Handle(), kFreeHotkey);
            UnregisterHotKey(Handle(), kToggleHotkey);
            // Its result would be posted to a window that is gone: it is taken here, without a next freeing.
            if (worker_.Running() && worker_.Wait(kExitWaitMs)) {
                OnFreeingDone(false);
            }
            tray_.reset();
            PostQuitMessage(0);
            return 0;
        default:
            if (message == taskbarCreated_ && taskbarCreated_ != 0 && tray_) {
                tray_->Restore();
                return 0;
            }
            return ui::Window::HandleMessage(message, wParam, lParam);
    }
}

void EngineWindow::Tick() {
    const MemorySample sample = TakeMemorySample(system_);
    availMB_ = sample.availPhysMB;
    cpuPercent_ = ReadCpu();
    WatchResources();
    const FreeingRules::Reading reading{clock_.NowMs(), sample.availPhysMB, sample.totalPhysMB, cpuPercent_};
    Request(rules_.Tick(reading));
    RefreshTray();
}

void EngineWindow::WatchResources() {
    resourcesPercent_ = resources_.FreePercent();
    const EngineOptions& options = state_.Settings().options;
    if (resourceWarning_.Tick(resourcesPercent_, options.warnLowResources, options.warnLowResourcesPercent)) {
        static_cast<void>(warningBox_.Show(LowResourcesText(*resourcesPercent_)));
    }
}

std::optional<std::uint32_t> EngineWindow::ReadCpu() {
    return static_cast<std::uint32_t>(cpu_.Read(!IsNtKernel(family_)));
}

void EngineWindow::Reload() {
    state_.Reload();
    rules_.Configure(state_.Settings());
    RegisterHotkeys();
    RefreshTray();
}

void EngineWindow::RefreshTray() {
    if (!tray_) {
        return;
    }
    const EngineOptions& options = state_.Settings().options;
    if (options.hideTrayIcon) {
        tray_->Hide();
        return;
    }
    look_.figure = TrayFigure(options.trayIconInfo, TrayReadings{cpuPercent_, availMB_, resourcesPercent_});
    look_.textColour = options.trayIconTextColor;
    look_.freeing = rules_.Running();
    static_cast<void>(tray_->Show(look_, tip_));
}

void EngineWindow::RegisterHotkeys() {
    UnregisterHotKey(Handle(), kFreeHotkey);
    UnregisterHotKey(Handle(), kToggleHotkey);
    const EngineOptions& options = state_.Settings().options;
    RegisterHotkey(kFreeHotkey, options.hotkey1, reportedTaken1_);
    RegisterHotkey(kToggleHotkey, options.hotkey2, reportedTaken2_);
}

void EngineWindow::RegisterHotkey(int id, char key, std::uint32_t& reportedCode) {
    const std::uint32_t code = HotkeyCode(key);
    if (code == 0 || RegisterHotKey(Handle(), id, MOD_CONTROL | MOD_ALT, code)) {
        return;
    }
    if (code != reportedCode) {
        reportedCode = code;
        tip_ = HotkeyTakenTip(key);
    }
}

void EngineWindow::OnTrayMouse(LPARAM mouseMessage) {
    switch (mouseMessage) {
        case WM_RBUTTONUP:
        case WM_CONTEXTMENU: {
            if (!tray_) {
                return;
            }
            const EngineOptions& options = state_.Settings().options;
            const TrayMenu menu{options.menuAmountX, options.menuAmountY, options.menuAmountZ, state_.Enabled()};
            // Posted, as the commands of any menu are, so that a test can give them the same way.
            if (const UINT command = tray_->ShowMenu(menu)) {
                PostMessageA(Handle(), WM_COMMAND, command, 0);
            }
            return;
        }
        case WM_LBUTTONDBLCLK: OpenPanel(); return;
        default: return;
    }
}

void EngineWindow::OnCommand(UINT command) {
    switch (command) {
        case kTrayFreeX: Request(rules_.Menu(FreeingRules::MenuEntry::X)); return;
        case kTrayFreeY: Request(rules_.Menu(FreeingRules::MenuEntry::Y)); return;
        case kTrayFreeZ: Request(rules_.Menu(FreeingRules::MenuEntry::Z)); return;
        case kTrayToggle: Toggle(); return;
        case kTrayOpenPanel: OpenPanel(); return;
        case kTrayHistory: OpenHistory(); return;
        case kTrayExit: DestroyWindow(Handle()); return;
        default: return;
    }
}

void EngineWindow::Request(const std::optional<FreeingRequest>& request) {
    if (request) {
        StartFreeing(*request);
    }
}

void EngineWindow::StartFreeing(const FreeingRequest& request) {
    BeforeFreeing();
    rules_.Started(clock_.NowMs());
    if (!worker_.Start(Handle(), request)) {
        // Counted as a freeing that gained nothing, so that the pause after it still holds.
        static_cast<void>(rules_.Ended(clock_.NowMs()));
        tip_ = FreedTip(0);
    }
    RefreshTray();
}

void EngineWindow::OnFreeingDone(bool startNext) {
    if (!worker_.Running()) {
        return;
    }
    const FreeingResult result = worker_.Finish();
    const std::optional<FreeingRequest> next = rules_.Ended(clock_.NowMs());
    tip_ = FreedTip(FreedMB(result.availBeforeMB, result.availAfterMB));
    if (historyPath_.empty()) {
        historyPath_ = HistoryFilePath();
    }
    AppendToHistoryFile(historyPath_,
                        HistoryLine(LocalTimeNow(), result.request.trigger, result.availBeforeMB, result.availAfterMB));
    if (startNext && next) {
        StartFreeing(*next);
    }
    RefreshTray();
}

void EngineWindow::BeforeFreeing() {
    const EngineOptions& options = state_.Settings().options;
    if (options.autoclearClipboard && OpenClipboard(Handle())) {
        EmptyClipboard();
        CloseClipboard();
    }
    if (options.playSound && !options.music.empty()) {
        PlayMusic(options.music);
    }
}

void EngineWindow::PlayMusic(const std::string& file) {
    // Loaded at the first sound and kept: an asynchronous sound still plays from it after the call returns.
    if (!winmmTried_) {
        winmmTried_ = true;
        winmm_.Reset(LoadLibraryA("winmm.dll"));
        playSound_ = win32::LookUp<PlaySoundFn>(winmm_.Get(), "PlaySoundA");
    }
    if (playSound_ != nullptr) {
        playSound_(file.c_str(), nullptr, kSndFilename | kSndAsync | kSndNoDefault);
    }
}

void EngineWindow::Toggle() {
    // Stored first, as the control panel stores it, so that both read the same state.
    SaveReport report;
    static_cast<void>(WriteEngineState(registry_, !state_.Enabled(), report));
    Reload();
}

void EngineWindow::OpenPanel() {
    const std::string folder = ReadInstallDir(registry_, system_);
    processes_.WinExec('"' + folder + "\\Talvane.exe\"", SW_SHOWNORMAL);
}

void EngineWindow::OpenHistory() {
    if (historyPath_.empty()) {
        historyPath_ = HistoryFilePath();
    }
    processes_.WinExec("notepad.exe \"" + historyPath_ + '"', SW_SHOWNORMAL);
}

}  // namespace talvane::engine
