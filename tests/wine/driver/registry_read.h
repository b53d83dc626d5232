// Reading the registry the program under test writes; the prefix is shared, so the driver sees the same keys.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace talvane::wine_driver {

struct RegistryValue {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

bool RegistryKeyExists(HKEY root, const std::string& sub_key);
std::optional<RegistryValue> ReadRegistryValue(HKEY root, const std::string& sub_key, const std::string& name);
// REG_SZ or REG_EXPAND_SZ, without the terminating NUL.
std::optional<std::string> ReadRegistryString(HKEY root, const std::string& sub_key, const std::string& name);
std::optional<DWORD> ReadRegistryDword(HKEY root, const std::string& sub_key, const std::string& name);
std::vector<std::string> RegistryValueNames(HKEY root, const std::string& sub_key);

// Removes a key with all its sub-keys, so a test starts from a known state. True if it is gone afterwards.
bool DeleteRegistryTree(HKEY root, const std::string& sub_key);

}  // namespace talvane::wine_driver
