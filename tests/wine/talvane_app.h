// One running Talvane.exe and its main window, as the GUI tests start, observe and close it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "driver/process.h"

namespace talvane::gui_test {

inline constexpr char kMainClass[] = "TForm1";
inline constexpr char kMainCaption[] = "Talvane Limited Edition";
// A cold Wine session starts its desktop and services with the first program.
inline constexpr DWORD kStartTimeoutMs = 15000;

class TalvaneApp {
public:
    // Starts Talvane.exe and waits for its visible main window; nullopt with the reason in *error.
    static std::optional<TalvaneApp> Start(std::string* error);
    // Started as a shortcut asking for `show` (SW_...) would start it.
    static std::optional<TalvaneApp> StartShown(WORD show, std::string* error);
    // The same for a Talvane.exe the test started by other means.
    static std::optional<TalvaneApp> Attach(wine_driver::Process process, std::string* error);

    [[nodiscard]] const wine_driver::Process& Proc() const { return process_; }
    [[nodiscard]] HWND Main() const { return main_; }
    [[nodiscard]] HWND Control(int id) const;
    [[nodiscard]] std::optional<std::string> Text(int id) const;

    // Visible top-level windows of the process other than the main window (message boxes, dialogs, help).
    [[nodiscard]] std::vector<HWND> OtherWindows() const;
    // Closes those: answers message boxes with OK/Cancel, posts WM_CLOSE to the rest. Returns what was seen.
    std::vector<std::string> DismissOtherWindows() const;

    // WM_CLOSE and the exit code, or nullopt if the process still runs after timeout_ms.
    std::optional<DWORD> Close(DWORD timeout_ms) const;

private:
    TalvaneApp(wine_driver::Process process, HWND main) : process_(std::move(process)), main_(main) {}

    wine_driver::Process process_;
    HWND main_;
};

// The visible main windows of every process: what a user would count on screen.
std::vector<HWND> VisibleMainWindows();

// Values of the settings key (HKEY_CURRENT_USER\Software\Talvane), as a test arranges and checks them.
bool StoreNumber(const char* name, DWORD value);
bool StoreText(const char* name, const std::string& text);
std::optional<DWORD> StoredNumber(const char* name);
std::optional<std::string> StoredText(const char* name);

}  // namespace talvane::gui_test
