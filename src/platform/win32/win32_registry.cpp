#include "platform/win32/win32_platform.h"

#include <vector>

namespace talvane::win32 {

namespace {

HKEY ToHkey(platform::KeyId key) {
    return reinterpret_cast<HKEY>(key);
}

HKEY RootHandle(platform::RootKey root) {
    switch (root) {
        case platform::RootKey::CurrentUser: return HKEY_CURRENT_USER;
        case platform::RootKey::LocalMachine: return HKEY_LOCAL_MACHINE;
        case platform::RootKey::PerformanceData: return HKEY_PERFORMANCE_DATA;
        case platform::RootKey::DynData: return HKEY_DYN_DATA;
    }
    return nullptr;
}

}  // namespace

long Win32Registry::OpenKey(platform::RootKey root,
                            const std::string& subkey,
                            std::uint32_t access,
                            platform::KeyId* key) {
    HKEY result = nullptr;
    if (subkey.empty()) {
        // The predefined keys need no opening; closing one later is harmless.
        *key = reinterpret_cast<platform::KeyId>(RootHandle(root));
        return platform::kErrorSuccess;
    }
    const LONG status = RegOpenKeyExA(RootHandle(root), subkey.c_str(), 0, access, &result);
    if (status == ERROR_SUCCESS) {
        *key = reinterpret_cast<platform::KeyId>(result);
    }
    return status;
}

long Win32Registry::CreateKey(platform::RootKey root,
                              const std::string& subkey,
                              std::uint32_t access,
                              platform::KeyId* key) {
    HKEY result = nullptr;
    const LONG status = RegCreateKeyExA(RootHandle(root), subkey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                                        nullptr, &result, nullptr);
    if (status == ERROR_SUCCESS) {
        *key = reinterpret_cast<platform::KeyId>(result);
    }
    return status;
}

long Win32Registry::QueryValue(platform::KeyId key,
                               const std::string& name,
                               std::uint32_t* type,
                               std::uint8_t* data,
                               std::uint32_t* size) {
    DWORD valueType = 0;
    DWORD dataSize = *size;
    const LONG status = RegQueryValueExA(ToHkey(key), name.c_str(), nullptr, &valueType, data, &dataSize);
    if (type != nullptr) {
        *type = valueType;
    }
    *size = dataSize;
    return status;
}

long Win32Registry::SetValue(platform::KeyId key,
                             const std::string& name,
                             std::uint32_t type,
                             const std::uint8_t* data,
                             std::uint32_t size) {
    return RegSetValueExA(ToHkey(key), name.c_str(), 0, type, data, size);
}

long Win32Registry::DeleteValue(platform::KeyId key, const std::string& name) {
    return RegDeleteValueA(ToHkey(key), name.c_str());
}

long Win32Registry::DeleteKey(platform::KeyId key, const std::string& subkey) {
    return RegDeleteKeyA(ToHkey(key), subkey.c_str());
}

long Win32Registry::EnumValueName(platform::KeyId key, std::uint32_t index, std::string* name) {
    // Value names run to 16383 characters; a smaller buffer would end the listing early with ERROR_MORE_DATA.
    std::vector<char> buffer(16384);
    auto length = static_cast<DWORD>(buffer.size());
    const LONG status = RegEnumValueA(ToHkey(key), index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_SUCCESS) {
        name->assign(buffer.data(), length);
    }
    return status;
}

long Win32Registry::CloseKey(platform::KeyId key) {
    return RegCloseKey(ToHkey(key));
}

}  // namespace talvane::win32
