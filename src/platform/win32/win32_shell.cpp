#include "platform/win32/win32_platform.h"

namespace talvane::win32 {

namespace {

// Frees an item ID list with the shell's allocator.
struct IdListTraits {
    using Handle = LPITEMIDLIST;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { CoTaskMemFree(h); }
};

using SpecialFolderPathFn = BOOL(WINAPI*)(HWND, LPSTR, int, BOOL);
using SpecialFolderLocationFn = HRESULT(WINAPI*)(HWND, int, LPITEMIDLIST*);
using PathFromIdListFn = BOOL(WINAPI*)(LPCITEMIDLIST, LPSTR);
using ShellExecuteFn = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
using FileInfoFn = DWORD_PTR(WINAPI*)(LPCSTR, DWORD, SHFILEINFOA*, UINT, UINT);
using BrowseForFolderFn = LPITEMIDLIST(WINAPI*)(LPBROWSEINFOA);
using ExtractIconExFn = UINT(WINAPI*)(LPCSTR, int, HICON*, HICON*, UINT);

constexpr std::size_t kPathBuffer = 261;

}  // namespace

// The library for the length of one call, unless a hold or an earlier ShellExecute keeps it.
class Win32Shell::Use {
public:
    explicit Use(Win32Shell& shell) : shell_(shell) {
        if (!shell_.library_) {
            shell_.library_.Reset(LoadLibraryA("shell32.dll"));
        }
    }
    ~Use() {
        if (shell_.holds_ == 0 && !shell_.keep_) {
            shell_.library_.Reset();
        }
    }
    Use(const Use&) = delete;
    Use& operator=(const Use&) = delete;

    template <typename Fn>
    Fn Find(const char* name) const {
        return LookUp<Fn>(shell_.library_.Get(), name);
    }

private:
    Win32Shell& shell_;
};

void Win32Shell::HoldLibrary() {
    ++holds_;
}

void Win32Shell::ReleaseLibrary() {
    if (holds_ > 0 && --holds_ == 0 && !keep_) {
        library_.Reset();
    }
}

std::string Win32Shell::SpecialFolderPath(platform::WindowId owner, platform::ShellFolder folder) {
    const Use use(*this);
    char path[kPathBuffer] = {};
    // The direct call skips building and parsing an item ID list, which costs several times as much.
    if (const auto direct = use.Find<SpecialFolderPathFn>("SHGetSpecialFolderPathA")) {
        return direct(ToHwnd(owner), path, static_cast<int>(folder), FALSE) ? path : "";
    }
    const auto location = use.Find<SpecialFolderLocationFn>("SHGetSpecialFolderLocation");
    const auto toPath = use.Find<PathFromIdListFn>("SHGetPathFromIDListA");
    LPITEMIDLIST raw = nullptr;
    if (location == nullptr || toPath == nullptr || FAILED(location(ToHwnd(owner), static_cast<int>(folder), &raw))) {
        return {};
    }
    const platform::UniqueHandle<IdListTraits> list(raw);
    if (!toPath(list.Get(), path)) {
        return {};
    }
    return path;
}

std::intptr_t Win32Shell::ShellExecute(platform::WindowId owner,
                                       const std::string& verb,
                                       const std::string& file,
                                       int showCommand) {
    keep_ = true;
    KeepComStarted();
    const Use use(*this);
    const auto execute = use.Find<ShellExecuteFn>("ShellExecuteA");
    if (execute == nullptr) {
        return SE_ERR_DLLNOTFOUND;
    }
    const HINSTANCE result = execute(ToHwnd(owner), verb.c_str(), file.c_str(), nullptr, nullptr, showCommand);
    return reinterpret_cast<std::intptr_t>(result);
}

// Only the return value says whether an icon was found. On a miss the record may still hold a handle that is not
// ours (Wine leaves the previous call's icon there), so it is neither shown nor destroyed.
UniqueIcon Win32Shell::SmallFileIcon(const std::string& path) {
    KeepComStarted();
    const Use use(*this);
    const auto fileInfo = use.Find<FileInfoFn>("SHGetFileInfoA");
    if (fileInfo == nullptr) {
        return {};
    }
    SHFILEINFOA info{};
    if (fileInfo(path.c_str(), 0, &info, sizeof(info), SHGFI_ICON | SHGFI_SMALLICON) == 0) {
        return {};
    }
    return UniqueIcon(info.hIcon);
}

UniqueIcon Win32Shell::SmallProgramIcon(const std::string& path) {
    const Use use(*this);
    const auto extract = use.Find<ExtractIconExFn>("ExtractIconExA");
    if (extract == nullptr) {
        return {};
    }
    HICON small = nullptr;
    // The count of icons extracted: 0 and UINT_MAX say none, whatever the handle holds.
    const UINT extracted = extract(path.c_str(), 0, nullptr, &small, 1);
    if (extracted == 0 || extracted == UINT_MAX) {
        return {};
    }
    return UniqueIcon(small);
}

std::optional<std::string> Win32Shell::BrowseForFolder(HWND owner, const std::string& title) {
    KeepComStarted();
    const Use use(*this);
    const auto browse = use.Find<BrowseForFolderFn>("SHBrowseForFolderA");
    const auto toPath = use.Find<PathFromIdListFn>("SHGetPathFromIDListA");
    if (browse == nullptr || toPath == nullptr) {
        return std::nullopt;
    }
    char name[kPathBuffer] = {};
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.pszDisplayName = name;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    const platform::UniqueHandle<IdListTraits> chosen(browse(&info));
    char path[kPathBuffer] = {};
    if (!chosen || !toPath(chosen.Get(), path) || path[0] == '\0') {
        return std::nullopt;
    }
    return std::string(path);
}

}  // namespace talvane::win32
