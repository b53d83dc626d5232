// What the GUI tests are told from outside: which Talvane.exe, which Windows mode, where screenshots go.
#pragma once

#include <string>

namespace talvane::gui_test {

enum class WindowsFamily { kNt, k9x, kWithoutTweaks, kUnknown };

struct GuiConfig {
    std::string talvane_exe;  // TALVANE_EXE or --talvane=PATH
    std::string mode;         // TALVANE_MODE: win98, winme, win2k, winxp, nt40, win95, win7, win10, winxp64, win10x64
    std::string screenshot_dir;  // TALVANE_SCREENSHOT_DIR
};

// Reads the environment and removes the options it knows from argv.
void InitGuiConfig(int* argc, char** argv);
const GuiConfig& Config();

// NAME_MODE.bmp in the screenshot folder; wine-run-test.sh turns it into a .png.
std::string ScreenshotPath(const std::string& name);

WindowsFamily FamilyOfMode(const std::string& mode);
// The modes the program treats as Windows XP (its family 5): XP and everything after it.
bool IsXpOrLater(const std::string& mode);

}  // namespace talvane::gui_test
