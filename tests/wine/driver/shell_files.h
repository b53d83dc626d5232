// The user's shell folders and files in them, as a test plants and checks startup items.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace talvane::wine_driver {

// SHGetSpecialFolderPathA with a trailing backslash; empty when the prefix has no such folder.
std::string ShellFolderPath(int csidl);
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
bool WriteTextFile(const std::string& path, const std::string& text);
// A shell link written through IShellLinkA and IPersistFile.
bool WriteShellLink(const std::string& link, const std::string& target, const std::string& arguments);

struct ShellLinkFields {
    std::string target;
    std::string arguments;
    std::string working_directory;
    std::string icon_file;
    int icon_index = 0;
};
// A link read through IPersistFile::Load and IShellLinkA; none when the file does not load as a link.
std::optional<ShellLinkFields> ReadShellLink(const std::string& link);

}  // namespace talvane::wine_driver
