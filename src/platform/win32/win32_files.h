// The real file system behind platform::Files.
#pragma once

#include "platform/files.h"

namespace talvane::win32 {

class Win32Files final : public platform::Files {
public:
    bool FileExists(const std::string& path) override;
    bool FolderExists(const std::string& path) override;
    std::vector<platform::FolderEntry> ListFolder(const std::string& pattern) override;
    long MovePath(const std::string& from, const std::string& to) override;
    long DeletePath(const std::string& path) override;
    long MakeFolder(const std::string& path) override;
    long RemoveFolder(const std::string& path) override;
    std::string GetPrivateProfileString(const std::string& path,
                                        const std::string& section,
                                        const std::string& key,
                                        const std::string& fallback) override;
    bool WritePrivateProfileString(const std::string& path,
                                   const std::string& section,
                                   const std::string& key,
                                   const std::optional<std::string>& value) override;
};

}  // namespace talvane::win32
