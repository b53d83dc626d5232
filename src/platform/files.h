// The file system, as far as the models look at it.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace talvane::platform {

constexpr long kErrorFileExists = 80;
constexpr long kErrorAlreadyExists = 183;

struct FolderEntry {
    std::string name;
    bool isFolder = false;
};

class Files {
public:
    virtual ~Files() = default;

    // A file (not a folder) of that name exists.
    virtual bool FileExists(const std::string& path) = 0;
    // A folder of that name exists.
    virtual bool FolderExists(const std::string& path) = 0;
    // FindFirstFileA and FindNextFileA over a pattern such as "C:\Folder\*.*": every entry, "." and ".."
    // included, hidden and system ones too, in the order found; none when the folder cannot be read.
    virtual std::vector<FolderEntry> ListFolder(const std::string& pattern) = 0;

    // Each returns the Win32 status of its call (GetLastError after a failure), ERROR_SUCCESS on success.
    // MoveFileA: fails with ERROR_ALREADY_EXISTS (or ERROR_FILE_EXISTS) rather than replace a file.
    virtual long MovePath(const std::string& from, const std::string& to) = 0;
    virtual long DeletePath(const std::string& path) = 0;    // DeleteFileA
    virtual long MakeFolder(const std::string& path) = 0;    // CreateDirectoryA
    virtual long RemoveFolder(const std::string& path) = 0;  // RemoveDirectoryA: an empty folder only

    // GetPrivateProfileStringA with a buffer of 2048 characters: `fallback` when the file, section or key is
    // missing.
    virtual std::string GetPrivateProfileString(const std::string& path,
                                                const std::string& section,
                                                const std::string& key,
                                                const std::string& fallback) = 0;
    // WritePrivateProfileStringA; no value deletes the key. False when the file could not be written.
    virtual bool WritePrivateProfileString(const std::string& path,
                                           const std::string& section,
                                           const std::string& key,
                                           const std::optional<std::string>& value) = 0;
};

}  // namespace talvane::platform
