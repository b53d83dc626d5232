#include "shell_files.h"

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include <vector>

#include "win_owners.h"

namespace talvane::wine_driver {

std::string ShellFolderPath(int csidl) {
    char path[MAX_PATH + 1] = {};
    if (!SHGetSpecialFolderPathA(nullptr, path, csidl, FALSE) || path[0] == '\0') {
        return {};
    }
    std::string folder = path;
    if (folder.back() != '\\') {
        folder += '\\';
    }
    return folder;
}

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool FolderExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool WriteTextFile(const std::string& path, const std::string& text) {
    const FileHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return false;
    }
    DWORD written = 0;
    return WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
           written == text.size();
}

std::optional<std::string> ReadTextFile(const std::string& path) {
    const FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return std::nullopt;
    }
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file.Get(), buffer, sizeof(buffer), &read, nullptr) && read > 0) {
        text.append(buffer, read);
    }
    return text;
}

bool WriteShellLink(const std::string& link, const std::string& target, const std::string& arguments) {
    const win32::ComInit com;
    win32::ComPtr<IShellLinkA> shellLink;
    win32::ComPtr<IPersistFile> file;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(shellLink.Put()))) ||
        FAILED(shellLink->SetPath(target.c_str())) || FAILED(shellLink->SetArguments(arguments.c_str())) ||
        FAILED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.Put())))) {
        return false;
    }
    std::vector<wchar_t> wide(link.size() + 1);
    MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    return SUCCEEDED(file->Save(wide.data(), TRUE));
}

std::optional<ShellLinkFields> ReadShellLink(const std::string& link) {
    const win32::ComInit com;
    win32::ComPtr<IShellLinkA> shellLink;
    win32::ComPtr<IPersistFile> file;
    std::vector<wchar_t> wide(link.size() + 1);
    MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(shellLink.Put()))) ||
        FAILED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.Put()))) ||
        FAILED(file->Load(wide.data(), STGM_READ))) {
        return std::nullopt;
    }
    char text[MAX_PATH * 2] = {};
    ShellLinkFields fields;
    WIN32_FIND_DATAA found = {};
    // SLGP_RAWPATH: the target as stored, not resolved against what exists now.
    if (SUCCEEDED(shellLink->GetPath(text, sizeof(text), &found, SLGP_RAWPATH))) {
        fields.target = text;
    }
    text[0] = '\0';
    if (SUCCEEDED(shellLink->GetArguments(text, sizeof(text)))) {
        fields.arguments = text;
    }
    text[0] = '\0';
    if (SUCCEEDED(shellLink->GetWorkingDirectory(text, sizeof(text)))) {
        fields.working_directory = text;
    }
    text[0] = '\0';
    if (SUCCEEDED(shellLink->GetIconLocation(text, sizeof(text), &fields.icon_index))) {
        fields.icon_file = text;
    }
    return fields;
}

bool NotifyIconShown(HWND owner, UINT id) {
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = owner;
    data.uID = id;
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

}  // namespace talvane::wine_driver
