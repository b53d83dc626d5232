#include "talvane_app.h"

#include <commctrl.h>

#include "driver/gui_driver.h"
#include "gui_config.h"

namespace talvane::gui_test {

namespace driver = wine_driver;

std::optional<TalvaneApp> TalvaneApp::Start(std::string* error) {
    auto process = driver::Process::Launch(Config().talvane_exe, {}, {}, error);
    if (!process) {
        return std::nullopt;
    }
    return Attach(std::move(*process), error);
}

std::optional<TalvaneApp> TalvaneApp::StartShown(WORD show, std::string* error) {
    auto process = driver::Process::LaunchShown(Config().talvane_exe, show, error);
    if (!process) {
        return std::nullopt;
    }
    return Attach(std::move(*process), error);
}

std::optional<TalvaneApp> TalvaneApp::Attach(driver::Process process, std::string* error) {
    HWND main = driver::WaitForTopLevelWindow({process.Id(), kMainClass, kMainCaption, true}, kStartTimeoutMs);
    if (main == nullptr) {
        if (error != nullptr) {
            *error = "no visible " + std::string(kMainClass) + " \"" + kMainCaption + "\" window within " +
                     std::to_string(kStartTimeoutMs) + " ms";
            if (const auto code = process.WaitForExit(0)) {
                *error += "; the process exited with code " + std::to_string(*code);
            }
            for (HWND other : driver::FindTopLevelWindows({process.Id(), nullptr, nullptr, true})) {
                *error += "; it shows " + driver::ClassNameOf(other) + " \"" + driver::CaptionOf(other) + "\"";
            }
        }
        return std::nullopt;
    }
    return TalvaneApp(std::move(process), main);
}

HWND TalvaneApp::Control(int id) const {
    return driver::FindControl(main_, id);
}

std::optional<std::string> TalvaneApp::Text(int id) const {
    HWND control = Control(id);
    if (control == nullptr) {
        return std::nullopt;
    }
    return driver::ReadText(control);
}

std::vector<HWND> TalvaneApp::OtherWindows() const {
    std::vector<HWND> others;
    for (HWND window : driver::FindTopLevelWindows({process_.Id(), nullptr, nullptr, true})) {
        // Tooltips come and go with the pointer; they are not windows a user has to close.
        if (window != main_ && driver::ClassNameOf(window) != TOOLTIPS_CLASSA) {
            others.push_back(window);
        }
    }
    return others;
}

std::vector<std::string> TalvaneApp::DismissOtherWindows() const {
    std::vector<std::string> seen;
    for (HWND window : OtherWindows()) {
        const std::string window_class = driver::ClassNameOf(window);
        std::string description = window_class + " \"" + driver::CaptionOf(window) + "\"";
        if (window_class == "#32770") {
            description += ": " + driver::MessageBoxText(window);
            if (!driver::AnswerMessageBox(window, IDOK) && !driver::AnswerMessageBox(window, IDCANCEL)) {
                PostMessageA(window, WM_CLOSE, 0, 0);
            }
        } else {
            PostMessageA(window, WM_CLOSE, 0, 0);
        }
        seen.push_back(description);
    }
    return seen;
}

std::optional<DWORD> TalvaneApp::Close(DWORD timeout_ms) const {
    if (!process_.Running()) {
        return process_.WaitForExit(0);
    }
    PostMessageA(main_, WM_CLOSE, 0, 0);
    return process_.WaitForExit(timeout_ms);
}

std::vector<HWND> VisibleMainWindows() {
    return driver::FindTopLevelWindows({0, kMainClass, kMainCaption, true});
}

bool StoreNumber(const char* name, DWORD value) {
    return driver::WriteRegistryDword(HKEY_CURRENT_USER, driver::kSettingsKey, name, value);
}

bool StoreText(const char* name, const std::string& text) {
    return driver::WriteRegistryString(HKEY_CURRENT_USER, driver::kSettingsKey, name, text);
}

std::optional<DWORD> StoredNumber(const char* name) {
    return driver::ReadRegistryDword(HKEY_CURRENT_USER, driver::kSettingsKey, name);
}

std::optional<std::string> StoredText(const char* name) {
    return driver::ReadRegistryString(HKEY_CURRENT_USER, driver::kSettingsKey, name);
}

}  // namespace talvane::gui_test
