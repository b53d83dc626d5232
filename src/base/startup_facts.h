// Facts gathered once while the main window is created, read-only afterwards.
#pragma once

#include <string>

#include "base/windows_family.h"
#include "platform/shell.h"
#include "platform/system.h"

namespace talvane {

struct StartupFacts {
    WindowsFamily family = WindowsFamily::Unsupported;
    std::string systemDir;
    std::string windowsDir;
    std::string startMenuDir;
    std::string desktopDir;
    std::string commonStartupDir;  // the four below end in "\" when the folder exists
    std::string startupDir;
    std::string commonProgramsDir;
    std::string programsDir;
    std::string installDir;
    std::string helpFilePath;
};

WindowsFamily DetermineFamily(platform::System& system);
void ReadWindowsDirectories(platform::System& system, StartupFacts& facts);
// In the order the product has always resolved them.
void ReadShellFolders(platform::Shell& shell, platform::WindowId owner, StartupFacts& facts);
void SetInstallDir(StartupFacts& facts, const std::string& installDir);

}  // namespace talvane
