// The fake engine (fake_engine.exe) as a test starts, reads and ends it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "engine_log.h"
#include "process.h"

namespace talvane::wine_driver {

// The window by which the control panel finds an engine, real or fake.
inline constexpr char kEngineClass[] = "TForm1";
inline constexpr char kEngineCaption[] = "Talvane";
// The key the control panel writes and the engine reads, under HKEY_CURRENT_USER.
inline constexpr char kSettingsKey[] = "Software\\Talvane";
// Sent by the control panel after it wrote the settings key.
inline constexpr UINT kEngineReload = WM_USER + 81;

// Every engine window of every process, shown or not.
std::vector<HWND> FindEngineWindows();
// Asks every engine, real or fake, to end and waits up to 5 s, so that a test starts and leaves with none running.
void EndEngines();

class FakeEngine {
public:
    // Starts fake_engine.exe (TALVANE_FAKE_ENGINE, else beside the test) with a fresh log and waits for its window.
    // It ends by itself after lifetime_ms. nullopt with the reason in *error.
    static std::optional<FakeEngine> Start(DWORD lifetime_ms, std::string* error);

    FakeEngine(FakeEngine&& other) noexcept;
    FakeEngine& operator=(FakeEngine&&) = delete;
    // Ends the process if it still runs and deletes its logs.
    ~FakeEngine();

    [[nodiscard]] const Process& Proc() const { return process_; }
    [[nodiscard]] HWND Window() const { return window_; }

    [[nodiscard]] std::vector<EngineLogEntry> Log() const { return ReadEngineLog(log_); }
    [[nodiscard]] size_t Received(UINT message) const;
    // One line per reload: the numbers the settings key held when it arrived, as "name=value;...".
    [[nodiscard]] std::vector<std::string> SettingsAtReload() const;

    // WM_CLOSE and the exit code, or nullopt if it still runs after timeout_ms.
    std::optional<DWORD> Close(DWORD timeout_ms) const;

private:
    FakeEngine(Process process, HWND window, std::string log)
        : process_(std::move(process)), window_(window), log_(std::move(log)) {}

    Process process_;
    HWND window_;
    std::string log_;
};

}  // namespace talvane::wine_driver
