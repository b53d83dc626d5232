// The registry with Win32 semantics: status codes, raw bytes, caller-sized buffers.
#pragma once

#include <cstdint>
#include <string>

#include "platform/types.h"

namespace talvane::platform {

enum class RootKey { CurrentUser, LocalMachine, PerformanceData, DynData };

// An HKEY as a number.
using KeyId = std::uintptr_t;

constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegExpandSz = 2;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;

constexpr long kErrorNoMoreItems = 259;

constexpr std::uint32_t kKeyQueryValue = 0x0001;
constexpr std::uint32_t kKeySetValue = 0x0002;
constexpr std::uint32_t kKeyRead = 0x20019;
constexpr std::uint32_t kKeyAllAccess = 0xF003F;

class Registry {
public:
    virtual ~Registry() = default;

    // RegOpenKeyExA. An empty subkey opens the root itself (how HKEY_PERFORMANCE_DATA is queried).
    virtual long OpenKey(RootKey root, const std::string& subkey, std::uint32_t access, KeyId* key) = 0;
    // RegCreateKeyExA: opens the key, creating it when missing.
    virtual long CreateKey(RootKey root, const std::string& subkey, std::uint32_t access, KeyId* key) = 0;
    // RegQueryValueExA: *size is the buffer size on entry and the data size on return;
    // ERROR_MORE_DATA when the buffer is too small. type may be null.
    virtual long QueryValue(KeyId key,
                            const std::string& name,
                            std::uint32_t* type,
                            std::uint8_t* data,
                            std::uint32_t* size) = 0;
    virtual long SetValue(KeyId key,
                          const std::string& name,
                          std::uint32_t type,
                          const std::uint8_t* data,
                          std::uint32_t size) = 0;
    virtual long DeleteValue(KeyId key, const std::string& name) = 0;
    // RegDeleteKeyA of a subkey that has no subkeys of its own; ERROR_FILE_NOT_FOUND when there is none.
    virtual long DeleteKey(KeyId key, const std::string& subkey) = 0;
    // RegEnumValueA for the name alone; ERROR_NO_MORE_ITEMS after the last value.
    virtual long EnumValueName(KeyId key, std::uint32_t index, std::string* name) = 0;
    virtual long CloseKey(KeyId key) = 0;
};

}  // namespace talvane::platform
