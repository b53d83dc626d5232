#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "driver/launcher.h"
#include "gui_config.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    talvane::gui_test::InitGuiConfig(&argc, argv);
    const auto& config = talvane::gui_test::Config();
    std::printf("Talvane: %s\nmode: %s\nscreenshots: %s\n", config.talvane_exe.c_str(),
                config.mode.empty() ? "(TALVANE_MODE unset)" : config.mode.c_str(), config.screenshot_dir.c_str());
    // Launcher shortcuts made by the control panel start WindowsDir\VelkLaunch.exe.
    std::string error;
    const std::string launcher = talvane::wine_driver::InstallLauncher(&error);
    std::printf("launcher: %s\n", launcher.empty() ? ("not installed: " + error).c_str() : launcher.c_str());
    std::fflush(stdout);
    return RUN_ALL_TESTS();
}
