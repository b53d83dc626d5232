// An in-memory registry with Win32 semantics, failures a test can switch on, and a record of what it was asked.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "fakes/call_log.h"
#include "platform/registry.h"
#include "platform/types.h"

namespace talvane::fakes {

class FakeRegistry : public platform::Registry {
public:
    struct Value {
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;
    };

    // Writes are logged as "Set HKCU\Software\Talvane\Target Fre RAM", "Delete ...", "Create HKCU\Software\Talvane".
    explicit FakeRegistry(CallLog* log = nullptr) : log_(log) {}

    // Arranging the registry before a test; parents are created too. Nothing here is logged.
    void AddKey(platform::RootKey root, const std::string& path);
    void PutValue(platform::RootKey root,
                  const std::string& path,
                  const std::string& name,
                  std::uint32_t type,
                  std::vector<std::uint8_t> data);
    void PutNumber(platform::RootKey root, const std::string& path, const std::string& name, std::uint32_t number);
    // The characters only, as the product writes texts.
    void PutText(platform::RootKey root, const std::string& path, const std::string& name, const std::string& text);

    // Opening or creating this key fails with ERROR_ACCESS_DENIED.
    void DenyKey(platform::RootKey root, const std::string& path);
    // Setting or deleting this value fails with `status`.
    void FailValueWrite(platform::RootKey root, const std::string& path, const std::string& name, long status);
    // Opening or creating any key under the root with more than read access fails with ERROR_ACCESS_DENIED,
    // as HKEY_LOCAL_MACHINE does for a user without administrator rights.
    void ProtectRoot(platform::RootKey root);

    [[nodiscard]] bool HasKey(platform::RootKey root, const std::string& path) const;
    [[nodiscard]] std::optional<Value> Get(platform::RootKey root,
                                           const std::string& path,
                                           const std::string& name) const;
    // Keys opened or created and not yet closed.
    [[nodiscard]] int OpenHandles() const { return static_cast<int>(handles_.size()); }
    // CloseKey calls on handles that were not open.
    [[nodiscard]] int BadCloses() const { return badCloses_; }

    long OpenKey(platform::RootKey root,
                 const std::string& subkey,
                 std::uint32_t access,
                 platform::KeyId* key) override;
    long CreateKey(platform::RootKey root,
                   const std::string& subkey,
                   std::uint32_t access,
                   platform::KeyId* key) override;
    long QueryValue(platform::KeyId key,
                    const std::string& name,
                    std::uint32_t* type,
                    std::uint8_t* data,
                    std::uint32_t* size) override;
    long SetValue(platform::KeyId key,
                  const std::string& name,
                  std::uint32_t type,
                  const std::uint8_t* data,
                  std::uint32_t size) override;
    long DeleteValue(platform::KeyId key, const std::string& name) override;
    // A key with subkeys stays, with ERROR_ACCESS_DENIED, as Windows NT refuses it.
    long DeleteKey(platform::KeyId key, const std::string& subkey) override;
    // Values come in the order they were first set, as Windows keeps them; a replaced value keeps its place.
    long EnumValueName(platform::KeyId key, std::uint32_t index, std::string* name) override;
    long CloseKey(platform::KeyId key) override;

private:
    // Keys and value names compare without regard to case, as in Windows.
    using KeyPath = std::pair<platform::RootKey, std::string>;
    struct StoredValue {
        std::string name;
        Value value;
        std::uint64_t order = 0;
    };
    struct Key {
        std::string displayPath;
        std::map<std::string, StoredValue> values;
    };
    struct Handle {
        KeyPath path;
        std::uint32_t access;
    };

    static KeyPath PathOf(platform::RootKey root, const std::string& path);
    Key& Ensure(platform::RootKey root, const std::string& path, bool* created);
    long Admit(platform::RootKey root, const std::string& path, std::uint32_t access) const;
    platform::KeyId NewHandle(const KeyPath& path, std::uint32_t access);
    void Store(Key& key, const std::string& name, Value value);
    void Log(const std::string& verb, const KeyPath& path, const std::string& name) const;
    long CheckWrite(platform::KeyId key, const std::string& name, const KeyPath** path) const;

    CallLog* log_;
    std::map<KeyPath, Key> keys_;
    std::map<platform::KeyId, Handle> handles_;
    std::set<KeyPath> deniedKeys_;
    std::map<std::pair<KeyPath, std::string>, long> failingWrites_;
    std::set<platform::RootKey> protectedRoots_;
    platform::KeyId nextHandle_ = 0x1000;
    std::uint64_t nextOrder_ = 0;
    int badCloses_ = 0;
};

}  // namespace talvane::fakes
