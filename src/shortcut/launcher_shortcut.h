// A shortcut that starts VelkLaunch.exe, which frees memory and then starts the chosen program.
#pragma once

#include <cstdint>
#include <string>

#include "base/startup_facts.h"
#include "platform/shell_links.h"
#include "settings/save_report.h"

namespace talvane {

// The folder box's own entries; any other index (a browsed or typed folder) means its text.
constexpr int kFolderDesktop = 0;
constexpr int kFolderStartMenu = 1;

struct LauncherShortcut {
    std::string name;  // the link's file name without ".lnk"
    std::string programPath;
    std::string parameters;
    std::uint32_t megabytes = 0;
    int priority = 1;     // the priority box's index, or kTypedPriority
    int folderIndex = 0;  // the folder box's index, or -1 when a folder was typed
    std::string folderText;
};

// The folder the link goes into, ending in "\"; empty when a typed folder is empty.
std::string LinkFolder(const LauncherShortcut& shortcut, const StartupFacts& facts);

// Writes the link, replacing one of the same name only once the new one is saved; false, and reported with the
// link's path and the cause, when nothing was written.
bool CreateLauncherLink(platform::ShellLinks& links,
                        const StartupFacts& facts,
                        const LauncherShortcut& shortcut,
                        SaveReport& report);

}  // namespace talvane
