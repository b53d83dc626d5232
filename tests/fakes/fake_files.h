// An in-memory file system with Windows semantics for the calls the models make, and failures on demand.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/files.h"
#include "platform/types.h"

namespace talvane::fakes {

constexpr long kErrorPathNotFound = 3;
constexpr long kErrorDirNotEmpty = 145;

class FakeFiles : public platform::Files {
public:
    // Full paths, compared without regard to case as in Windows; the folders above are made too. A folder
    // lists its entries in the order they were added or moved in.
    void AddFile(const std::string& path, const std::string& content = {});
    void AddFolder(const std::string& path);
    // Any change that takes this path as source or destination fails with `status`.
    void FailPath(const std::string& path, long status);
    // What a file holds, following it through moves; empty for a folder or no entry.
    [[nodiscard]] std::string Content(const std::string& path);

    bool FileExists(const std::string& path) override;
    bool FolderExists(const std::string& path) override;
    std::vector<platform::FolderEntry> ListFolder(const std::string& pattern) override;
    long MovePath(const std::string& from, const std::string& to) override;
    long DeletePath(const std::string& path) override;
    long MakeFolder(const std::string& path) override;
    long RemoveFolder(const std::string& path) override;

    // Profile (INI) entries, kept apart from the files' contents; sections and keys compare without case. A
    // write to a path that FailPath names fails.
    void PutProfileString(const std::string& path,
                          const std::string& section,
                          const std::string& key,
                          const std::string& value);
    [[nodiscard]] std::optional<std::string> ProfileString(const std::string& path,
                                                           const std::string& section,
                                                           const std::string& key) const;
    std::string GetPrivateProfileString(const std::string& path,
                                        const std::string& section,
                                        const std::string& key,
                                        const std::string& fallback) override;
    bool WritePrivateProfileString(const std::string& path,
                                   const std::string& section,
                                   const std::string& key,
                                   const std::optional<std::string>& value) override;
    int profileWrites = 0;  // those that succeeded

private:
    struct Entry {
        std::string path;  // as given, without a trailing "\"
        bool isFolder = false;
        std::string content;
    };

    std::vector<Entry>::iterator Find(const std::string& path);
    void Add(const std::string& path, bool isFolder, const std::string& content = {});
    long Failure(const std::string& path) const;

    std::vector<Entry> entries_;
    std::map<std::string, long> failing_;
    std::map<std::tuple<std::string, std::string, std::string>, std::string> profile_;
};

}  // namespace talvane::fakes
