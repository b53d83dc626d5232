// The registry the program under test reads and writes; the prefix is shared, so the driver sees the same keys.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "win_owners.h"

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

// Each write creates the key and its missing parents first; true when the call succeeded.
bool CreateRegistryKey(HKEY root, const std::string& sub_key);
bool WriteRegistryValue(HKEY root,
                        const std::string& sub_key,
                        const std::string& name,
                        DWORD type,
                        const void* data,
                        DWORD size);
bool WriteRegistryDword(HKEY root, const std::string& sub_key, const std::string& name, DWORD value);
// REG_SZ without a terminating NUL, as the program itself writes texts.
bool WriteRegistryString(HKEY root, const std::string& sub_key, const std::string& name, const std::string& text);

// True when the value is gone afterwards, also when there was none.
bool DeleteRegistryValue(HKEY root, const std::string& sub_key, const std::string& name);
// Removes a key with all its sub-keys, so a test starts from a known state. True if it is gone afterwards.
bool DeleteRegistryTree(HKEY root, const std::string& sub_key);

// A value a test changes, put back as it was when this was made: its data, or no value, and no key if there was none.
class RestoredRegistryValue {
public:
    RestoredRegistryValue(HKEY root, std::string sub_key, std::string name);
    ~RestoredRegistryValue();
    RestoredRegistryValue(const RestoredRegistryValue&) = delete;
    RestoredRegistryValue& operator=(const RestoredRegistryValue&) = delete;

private:
    HKEY root_;
    std::string sub_key_;
    std::string name_;
    bool key_existed_;
    std::optional<RegistryValue> value_;
};

// A key that everyone may read but nobody may write while this lives, as HKEY_LOCAL_MACHINE is for a user without
// administrator rights (Wine runs everything as an administrator, but enforces a key's DACL). Its DACL is put back
// afterwards.
class ReadOnlyRegistryKey {
public:
    ReadOnlyRegistryKey(HKEY root, const std::string& sub_key);
    ~ReadOnlyRegistryKey();
    ReadOnlyRegistryKey(const ReadOnlyRegistryKey&) = delete;
    ReadOnlyRegistryKey& operator=(const ReadOnlyRegistryKey&) = delete;
    // The DACL was set and a write open is refused.
    [[nodiscard]] bool Holds() const { return holds_; }

private:
    struct LocalFreer {
        void operator()(void* memory) const { LocalFree(memory); }
    };
    RegKey key_;                               // closed after the destructor has put the DACL back
    std::unique_ptr<void, LocalFreer> saved_;  // the descriptor that holds saved_dacl_
    PACL saved_dacl_ = nullptr;
    bool holds_ = false;
};

}  // namespace talvane::wine_driver
