#include "shortcut/launcher_shortcut.h"

#include "base/launcher_line.h"
#include "base/paths.h"

namespace talvane {

namespace {

std::string WithBackslash(std::string folder) {
    if (!folder.empty() && folder.back() != '\\') {
        folder += '\\';
    }
    return folder;
}

}  // namespace

std::string LinkFolder(const LauncherShortcut& shortcut, const StartupFacts& facts) {
    switch (shortcut.folderIndex) {
        // The subfolder is named "Programs" whatever this Windows calls its own Programs folder.
        case kFolderDesktop: return WithBackslash(facts.desktopDir);
        case kFolderStartMenu: return WithBackslash(facts.startMenuDir + "\\Programs");
        default: return WithBackslash(shortcut.folderText);
    }
}

bool CreateLauncherLink(platform::ShellLinks& links,
                        const StartupFacts& facts,
                        const LauncherShortcut& shortcut,
                        SaveReport& report) {
    const std::string folder = LinkFolder(shortcut, facts);
    const std::string linkFile = folder + shortcut.name + ".lnk";
    const std::string what = "Create \"" + linkFile + "\"";
    if (folder.empty()) {
        report.ChangeFailed("Create \"" + shortcut.name + ".lnk\"", "a folder to create it in is needed");
        return false;
    }
    const platform::LinkRequest request{
        facts.windowsDir + "\\VelkLaunch.exe", linkFile, FolderPartOf(shortcut.programPath), shortcut.programPath,
        LauncherArguments(shortcut.megabytes, shortcut.priority, shortcut.programPath, shortcut.parameters)};
    const long status = links.CreateLink(request);
    if (status == platform::kErrorSuccess) {
        return true;
    }
    report.ChangeFailed(what, status == platform::kErrorPathNotFound || status == platform::kErrorFileNotFound
                                  ? "the folder \"" + folder.substr(0, folder.size() - 1) + "\" does not exist"
                                  : StatusInWords(status));
    return false;
}

}  // namespace talvane
