// Kernel services: version, memory, directories, beeps.
#pragma once

#include <optional>
#include <string>

#include "platform/types.h"

namespace talvane::platform {

class System {
public:
    virtual ~System() = default;

    virtual OsVersion GetVersion() = 0;
    virtual MemoryStatus32 GlobalMemoryStatus() = 0;
    // Empty where the kernel has no GlobalMemoryStatusEx (Windows 95, 98, NT 4.0).
    virtual std::optional<MemoryStatus64> GlobalMemoryStatusEx() = 0;
    // Truncated to the buffer size the caller names, as the A functions do.
    virtual std::string GetSystemDirectory(std::size_t bufferSize) = 0;
    virtual std::string GetWindowsDirectory(std::size_t bufferSize) = 0;
    virtual std::string GetCurrentDirectory() = 0;
    virtual void Beep(std::uint32_t frequency, std::uint32_t milliseconds) = 0;
    // GetComputerNameA and GetUserNameA; empty when the call fails.
    virtual std::string GetComputerName() = 0;
    virtual std::string GetUserName() = 0;
    // VerLanguageNameA of GetSystemDefaultLangID: "English (United States)".
    virtual std::string DefaultLanguageName() = 0;
};

}  // namespace talvane::platform
