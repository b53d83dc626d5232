#include "gui_config.h"

#include <cstring>

#include "driver/host.h"

namespace talvane::gui_test {
namespace {

GuiConfig g_config;

}  // namespace

void InitGuiConfig(int* argc, char** argv) {
    namespace driver = wine_driver;
    g_config.talvane_exe = driver::ProgramPath("TALVANE_EXE", "Talvane.exe");
    g_config.mode = driver::EnvVar("TALVANE_MODE").value_or("");
    g_config.screenshot_dir = driver::ToWindowsPath(
        driver::EnvVar("TALVANE_SCREENSHOT_DIR").value_or(driver::JoinPath(driver::OwnDirectory(), "screenshots")));

    constexpr char kTalvaneOption[] = "--talvane=";
    int kept = 1;
    for (int i = 1; i < *argc; ++i) {
        if (std::strncmp(argv[i], kTalvaneOption, sizeof(kTalvaneOption) - 1) == 0) {
            g_config.talvane_exe = driver::ToWindowsPath(argv[i] + sizeof(kTalvaneOption) - 1);
        } else {
            argv[kept++] = argv[i];
        }
    }
    *argc = kept;
}

const GuiConfig& Config() {
    return g_config;
}

std::string ScreenshotPath(const std::string& name) {
    return wine_driver::JoinPath(g_config.screenshot_dir, name + "_" + g_config.mode + ".bmp");
}

bool IsXpOrLater(const std::string& mode) {
    return mode == "winxp" || mode == "winxp64" || mode == "win7" || mode == "win10" || mode == "win10x64";
}

WindowsFamily FamilyOfMode(const std::string& mode) {
    if (mode == "win2k" || IsXpOrLater(mode)) {
        return WindowsFamily::kNt;
    }
    if (mode == "win98" || mode == "winme") {
        return WindowsFamily::k9x;
    }
    if (mode == "nt40" || mode == "win95") {
        return WindowsFamily::kWithoutTweaks;
    }
    return WindowsFamily::kUnknown;
}

}  // namespace talvane::gui_test
