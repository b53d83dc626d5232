// Windows 98 and Me's free system resources: the share of the fuller of the GDI and USER heaps still free, as
// their resource meter shows it. Win32 only.
#pragma once

#include "platform/win32/win.h"

#include <cstdint>
#include <optional>

#include "base/windows_family.h"
#include "platform/win32/handles.h"

namespace talvane::engine {

class SystemResources {
public:
    // Looks the reading up once, on Windows 98 and Me only: the NT family has no such limit.
    explicit SystemResources(WindowsFamily family);

    // 0 to 100; empty where it cannot be read.
    [[nodiscard]] std::optional<std::uint32_t> FreePercent() const;

private:
    using GetFreeFn = int(WINAPI*)(int);
    win32::UniqueModule module_;
    GetFreeFn getFree_ = nullptr;
};

}  // namespace talvane::engine
