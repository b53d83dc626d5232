#include "base/startup_facts.h"

namespace talvane {

namespace {

constexpr std::size_t kDirectoryBuffer = 144;

std::string WithBackslash(std::string path) {
    if (!path.empty()) {
        path += '\\';
    }
    return path;
}

}  // namespace

WindowsFamily DetermineFamily(platform::System& system) {
    return FamilyFromVersion(system.GetVersion());
}

void ReadWindowsDirectories(platform::System& system, StartupFacts& facts) {
    facts.systemDir = system.GetSystemDirectory(kDirectoryBuffer);
    facts.windowsDir = system.GetWindowsDirectory(kDirectoryBuffer);
}

void ReadShellFolders(platform::Shell& shell, platform::WindowId owner, StartupFacts& facts) {
    using platform::ShellFolder;
    const platform::ShellLibraryHold hold(shell);
    facts.startMenuDir = shell.SpecialFolderPath(owner, ShellFolder::StartMenu);
    facts.desktopDir = shell.SpecialFolderPath(owner, ShellFolder::Desktop);
    facts.commonStartupDir = WithBackslash(shell.SpecialFolderPath(owner, ShellFolder::CommonStartup));
    facts.startupDir = WithBackslash(shell.SpecialFolderPath(owner, ShellFolder::Startup));
    facts.commonProgramsDir = WithBackslash(shell.SpecialFolderPath(owner, ShellFolder::CommonPrograms));
    facts.programsDir = WithBackslash(shell.SpecialFolderPath(owner, ShellFolder::Programs));
}

void SetInstallDir(StartupFacts& facts, const std::string& installDir) {
    facts.installDir = installDir;
    facts.helpFilePath = installDir + "\\Help.chm";
}

}  // namespace talvane
