#include "registry.h"

#include <aclapi.h>

#include <cstring>
#include <utility>

#include "win_owners.h"

namespace talvane::wine_driver {
namespace {

RegKey OpenKey(HKEY root, const std::string& sub_key, REGSAM access) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, sub_key.c_str(), 0, access, &key) != ERROR_SUCCESS) {
        return RegKey();
    }
    return RegKey(key);
}

RegKey CreateKey(HKEY root, const std::string& sub_key) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, sub_key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return RegKey();
    }
    return RegKey(key);
}

}  // namespace

bool RegistryKeyExists(HKEY root, const std::string& sub_key) {
    return OpenKey(root, sub_key, KEY_READ).Valid();
}

std::optional<RegistryValue> ReadRegistryValue(HKEY root, const std::string& sub_key, const std::string& name) {
    const RegKey key = OpenKey(root, sub_key, KEY_QUERY_VALUE);
    if (!key) {
        return std::nullopt;
    }
    RegistryValue value;
    DWORD size = 0;
    if (RegQueryValueExA(key.Get(), name.c_str(), nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.data.resize(size);
    if (size > 0 &&
        RegQueryValueExA(key.Get(), name.c_str(), nullptr, &value.type, value.data.data(), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.data.resize(size);
    return value;
}

std::optional<std::string> ReadRegistryString(HKEY root, const std::string& sub_key, const std::string& name) {
    const auto value = ReadRegistryValue(root, sub_key, name);
    if (!value || (value->type != REG_SZ && value->type != REG_EXPAND_SZ)) {
        return std::nullopt;
    }
    const char* text = reinterpret_cast<const char*>(value->data.data());
    return std::string(text, strnlen(text, value->data.size()));
}

std::optional<DWORD> ReadRegistryDword(HKEY root, const std::string& sub_key, const std::string& name) {
    const auto value = ReadRegistryValue(root, sub_key, name);
    if (!value || value->type != REG_DWORD || value->data.size() != sizeof(DWORD)) {
        return std::nullopt;
    }
    DWORD number = 0;
    std::memcpy(&number, value->data.data(), sizeof(number));
    return number;
}

std::vector<std::string> RegistryValueNames(HKEY root, const std::string& sub_key) {
    std::vector<std::string> names;
    const RegKey key = OpenKey(root, sub_key, KEY_QUERY_VALUE);
    if (!key) {
        return names;
    }
    for (DWORD index = 0;; ++index) {
        char name[16384];
        DWORD length = sizeof(name);
        if (RegEnumValueA(key.Get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
            break;
        }
        names.emplace_back(name, length);
    }
    return names;
}

bool CreateRegistryKey(HKEY root, const std::string& sub_key) {
    return CreateKey(root, sub_key).Valid();
}

bool WriteRegistryValue(HKEY root,
                        const std::string& sub_key,
                        const std::string& name,
                        DWORD type,
                        const void* data,
                        DWORD size) {
    const RegKey key = CreateKey(root, sub_key);
    return key &&
           RegSetValueExA(key.Get(), name.c_str(), 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
}

bool WriteRegistryDword(HKEY root, const std::string& sub_key, const std::string& name, DWORD value) {
    return WriteRegistryValue(root, sub_key, name, REG_DWORD, &value, sizeof(value));
}

bool WriteRegistryString(HKEY root, const std::string& sub_key, const std::string& name, const std::string& text) {
    return WriteRegistryValue(root, sub_key, name, REG_SZ, text.data(), static_cast<DWORD>(text.size()));
}

bool DeleteRegistryValue(HKEY root, const std::string& sub_key, const std::string& name) {
    if (const RegKey key = OpenKey(root, sub_key, KEY_SET_VALUE)) {
        RegDeleteValueA(key.Get(), name.c_str());
    }
    return !ReadRegistryValue(root, sub_key, name).has_value();
}

bool DeleteRegistryTree(HKEY root, const std::string& sub_key) {
    {
        const RegKey key = OpenKey(root, sub_key, KEY_READ | KEY_WRITE);
        if (key) {
            // Enumerate from 0 again after each delete: the indices shift.
            for (;;) {
                char child[256];
                DWORD length = sizeof(child);
                if (RegEnumKeyExA(key.Get(), 0, child, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS ||
                    !DeleteRegistryTree(key.Get(), std::string(child, length))) {
                    break;
                }
            }
        }
    }
    RegDeleteKeyA(root, sub_key.c_str());
    return !RegistryKeyExists(root, sub_key);
}

RestoredRegistryValue::RestoredRegistryValue(HKEY root, std::string sub_key, std::string name)
    : root_(root),
      sub_key_(std::move(sub_key)),
      name_(std::move(name)),
      key_existed_(RegistryKeyExists(root_, sub_key_)),
      value_(ReadRegistryValue(root_, sub_key_, name_)) {}

RestoredRegistryValue::~RestoredRegistryValue() {
    if (value_) {
        WriteRegistryValue(root_, sub_key_, name_, value_->type, value_->data.data(),
                           static_cast<DWORD>(value_->data.size()));
    } else if (key_existed_) {
        DeleteRegistryValue(root_, sub_key_, name_);
    } else {
        DeleteRegistryTree(root_, sub_key_);
    }
}

ReadOnlyRegistryKey::ReadOnlyRegistryKey(HKEY root, const std::string& sub_key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(root, sub_key.c_str(), 0, READ_CONTROL | WRITE_DAC, &opened) != ERROR_SUCCESS) {
        return;
    }
    key_.Reset(opened);
    PSECURITY_DESCRIPTOR descriptorSaved = nullptr;
    if (GetSecurityInfo(key_.Get(), SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, &saved_dacl_, nullptr,
                        &descriptorSaved) != ERROR_SUCCESS) {
        return;
    }
    saved_.reset(descriptorSaved);
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    if (!AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone)) {
        return;
    }
    alignas(DWORD) BYTE buffer[256] = {};
    auto* acl = reinterpret_cast<PACL>(buffer);
    SECURITY_DESCRIPTOR descriptor;
    // WRITE_DAC stays, so the DACL can be put back.
    const bool made = InitializeAcl(acl, sizeof(buffer), ACL_REVISION) &&
                      AddAccessAllowedAce(acl, ACL_REVISION, KEY_READ | WRITE_DAC, everyone) &&
                      InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) &&
                      SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE);
    FreeSid(everyone);
    if (!made || RegSetKeySecurity(key_.Get(), DACL_SECURITY_INFORMATION, &descriptor) != ERROR_SUCCESS) {
        return;
    }
    HKEY probe = nullptr;
    const LONG status = RegOpenKeyExA(root, sub_key.c_str(), 0, KEY_SET_VALUE, &probe);
    if (status == ERROR_SUCCESS) {
        RegCloseKey(probe);
    }
    holds_ = status == ERROR_ACCESS_DENIED;
}

ReadOnlyRegistryKey::~ReadOnlyRegistryKey() {
    if (key_ && saved_) {
        SetSecurityInfo(key_.Get(), SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, saved_dacl_, nullptr);
    }
}

}  // namespace talvane::wine_driver
