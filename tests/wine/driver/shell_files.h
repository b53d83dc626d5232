// The user's shell folders and files in them, as a test plants and checks startup items.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>

namespace talvane::wine_driver {

// SHGetSpecialFolderPathA with a trailing backslash; empty when the prefix has no such folder.
std::string ShellFolderPath(int csidl);
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
bool WriteTextFile(const std::string& path, const std::string& text);
// The whole file; none when it cannot be read.
std::optional<std::string> ReadTextFile(const std::string& path);

// A file a test changes, put back as it was when this was made, or deleted if there was none.
class RestoredFile {
public:
    explicit RestoredFile(std::string path) : path_(std::move(path)), content_(ReadTextFile(path_)) {}
    ~RestoredFile() {
        if (content_) {
            WriteTextFile(path_, *content_);
        } else {
            DeleteFileA(path_.c_str());
        }
    }
    RestoredFile(const RestoredFile&) = delete;
    RestoredFile& operator=(const RestoredFile&) = delete;

private:
    std::string path_;
    std::optional<std::string> content_;
};
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

// Whether the notification area holds the icon `id` of `owner`: only an icon the shell has can be modified, and an
// empty modification changes nothing.
bool NotifyIconShown(HWND owner, UINT id);

}  // namespace talvane::wine_driver
