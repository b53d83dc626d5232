#include "platform/win32/win32_platform.h"

namespace talvane::win32 {

namespace {

// Frees an item ID list with the shell's allocator.
struct IdListTraits {
    using Handle = LPITEMIDLIST;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { CoTaskMemFree(h); }
};

}  // namespace

std::string Win32Shell::SpecialFolderPath(platform::WindowId owner, platform::ShellFolder folder) {
    LPITEMIDLIST raw = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(ToHwnd(owner), static_cast<int>(folder), &raw))) {
        return {};
    }
    const platform::UniqueHandle<IdListTraits> list(raw);
    char path[261] = {};
    if (!SHGetPathFromIDListA(list.Get(), path)) {
        return {};
    }
    return path;
}

std::intptr_t Win32Shell::ShellExecute(platform::WindowId owner,
                                       const std::string& verb,
                                       const std::string& file,
                                       int showCommand) {
    const HINSTANCE result = ShellExecuteA(ToHwnd(owner), verb.c_str(), file.c_str(), nullptr, nullptr, showCommand);
    return reinterpret_cast<std::intptr_t>(result);
}

}  // namespace talvane::win32
