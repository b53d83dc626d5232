#include "platform/win32/win32_files.h"

#include "platform/win32/handles.h"
#include "platform/win32/win.h"

namespace talvane::win32 {

namespace {

// Windows 98 has no INVALID_FILE_ATTRIBUTES in its headers, but answers with the same all-ones value.
constexpr DWORD kNoAttributes = static_cast<DWORD>(-1);

long Status(BOOL succeeded) {
    return succeeded ? ERROR_SUCCESS : static_cast<long>(GetLastError());
}

}  // namespace

bool Win32Files::FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != kNoAttributes && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32Files::FolderExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != kNoAttributes && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::vector<platform::FolderEntry> Win32Files::ListFolder(const std::string& pattern) {
    std::vector<platform::FolderEntry> entries;
    WIN32_FIND_DATAA found{};
    const UniqueFind find(FindFirstFileA(pattern.c_str(), &found));
    if (!find) {
        return entries;
    }
    do {
        entries.push_back({found.cFileName, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileA(find.Get(), &found));
    return entries;
}

long Win32Files::MovePath(const std::string& from, const std::string& to) {
    return Status(MoveFileA(from.c_str(), to.c_str()));
}

long Win32Files::DeletePath(const std::string& path) {
    return Status(DeleteFileA(path.c_str()));
}

long Win32Files::MakeFolder(const std::string& path) {
    return Status(CreateDirectoryA(path.c_str(), nullptr));
}

long Win32Files::RemoveFolder(const std::string& path) {
    return Status(RemoveDirectoryA(path.c_str()));
}

std::string Win32Files::GetPrivateProfileString(const std::string& path,
                                                const std::string& section,
                                                const std::string& key,
                                                const std::string& fallback) {
    char text[2048] = {};
    const DWORD length =
        GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), text, sizeof(text), path.c_str());
    return {text, length < sizeof(text) ? length : 0};
}

bool Win32Files::WritePrivateProfileString(const std::string& path,
                                           const std::string& section,
                                           const std::string& key,
                                           const std::optional<std::string>& value) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value ? value->c_str() : nullptr, path.c_str()) !=
           FALSE;
}

}  // namespace talvane::win32
