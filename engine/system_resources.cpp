#include "engine/system_resources.h"

#include <string>

namespace talvane::engine {

namespace {

// The resource meter's own helper, which does the 16-bit call for us; 0 asks for the lower of GDI and USER.
constexpr const char* kHelperDll = "\\rsrc32.dll";
constexpr const char* kGetFreeExport = "_MyGetFreeSystemResources32@4";
constexpr int kSystemResources = 0;

}  // namespace

SystemResources::SystemResources(WindowsFamily family) {
    if (!Is9xFamily(family)) {
        return;
    }
    // From the System folder by its full path, never from wherever the search order would find a copy.
    char folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return;
    }
    const std::string path = std::string(folder, length) + kHelperDll;
    module_.Reset(LoadLibraryA(path.c_str()));
    getFree_ = win32::LookUp<GetFreeFn>(module_.Get(), kGetFreeExport);
}

std::optional<std::uint32_t> SystemResources::FreePercent() const {
    if (getFree_ == nullptr) {
        return std::nullopt;
    }
    const int percent = getFree_(kSystemResources);
    if (percent < 0 || percent > 100) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(percent);
}

}  // namespace talvane::engine
