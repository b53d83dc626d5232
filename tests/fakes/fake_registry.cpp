#include "fakes/fake_registry.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace talvane::fakes {

namespace {

using platform::RootKey;

std::string Folded(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

const char* RootName(RootKey root) {
    switch (root) {
        case RootKey::CurrentUser: return "HKCU";
        case RootKey::LocalMachine: return "HKLM";
        case RootKey::PerformanceData: return "HKPD";
        case RootKey::DynData: return "HKDD";
    }
    return "?";
}

// Access rights beyond KEY_READ: setting values, creating subkeys, changing the key's security.
bool WantsWrite(std::uint32_t access) {
    return (access & ~platform::kKeyRead) != 0;
}

}  // namespace

FakeRegistry::KeyPath FakeRegistry::PathOf(RootKey root, const std::string& path) {
    return {root, Folded(path)};
}

FakeRegistry::Key& FakeRegistry::Ensure(RootKey root, const std::string& path, bool* created) {
    *created = false;
    // Every ancestor exists whenever a key does.
    for (std::size_t end = path.find('\\'); end != std::string::npos; end = path.find('\\', end + 1)) {
        const KeyPath parent = PathOf(root, path.substr(0, end));
        if (keys_.count(parent) == 0) {
            keys_[parent].displayPath = path.substr(0, end);
        }
    }
    const KeyPath whole = PathOf(root, path);
    auto found = keys_.find(whole);
    if (found == keys_.end()) {
        *created = true;
        found = keys_.emplace(whole, Key{path, {}}).first;
    }
    return found->second;
}

void FakeRegistry::AddKey(RootKey root, const std::string& path) {
    bool created = false;
    Ensure(root, path, &created);
}

void FakeRegistry::PutValue(RootKey root,
                            const std::string& path,
                            const std::string& name,
                            std::uint32_t type,
                            std::vector<std::uint8_t> data) {
    bool created = false;
    Store(Ensure(root, path, &created), name, {type, std::move(data)});
}

void FakeRegistry::Store(Key& key, const std::string& name, Value value) {
    const auto found = key.values.find(Folded(name));
    const std::uint64_t order = found != key.values.end() ? found->second.order : nextOrder_++;
    key.values[Folded(name)] = {name, std::move(value), order};
}

void FakeRegistry::PutNumber(RootKey root, const std::string& path, const std::string& name, std::uint32_t number) {
    PutValue(root, path, name, platform::kRegDword,
             {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
              static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)});
}

void FakeRegistry::PutText(RootKey root, const std::string& path, const std::string& name, const std::string& text) {
    PutValue(root, path, name, platform::kRegSz, std::vector<std::uint8_t>(text.begin(), text.end()));
}

void FakeRegistry::DenyKey(RootKey root, const std::string& path) {
    deniedKeys_.insert(PathOf(root, path));
}

void FakeRegistry::FailValueWrite(RootKey root, const std::string& path, const std::string& name, long status) {
    failingWrites_[{PathOf(root, path), Folded(name)}] = status;
}

void FakeRegistry::ProtectRoot(RootKey root) {
    protectedRoots_.insert(root);
}

bool FakeRegistry::HasKey(RootKey root, const std::string& path) const {
    return keys_.count(PathOf(root, path)) != 0;
}

std::optional<FakeRegistry::Value> FakeRegistry::Get(RootKey root,
                                                     const std::string& path,
                                                     const std::string& name) const {
    const auto key = keys_.find(PathOf(root, path));
    if (key == keys_.end()) {
        return std::nullopt;
    }
    const auto value = key->second.values.find(Folded(name));
    if (value == key->second.values.end()) {
        return std::nullopt;
    }
    return value->second.value;
}

long FakeRegistry::Admit(RootKey root, const std::string& path, std::uint32_t access) const {
    if (deniedKeys_.count(PathOf(root, path)) != 0 || (WantsWrite(access) && protectedRoots_.count(root) != 0)) {
        return platform::kErrorAccessDenied;
    }
    return platform::kErrorSuccess;
}

platform::KeyId FakeRegistry::NewHandle(const KeyPath& path, std::uint32_t access) {
    const platform::KeyId id = nextHandle_;
    nextHandle_ += 4;
    handles_[id] = {path, access};
    return id;
}

void FakeRegistry::Log(const std::string& verb, const KeyPath& path, const std::string& name) const {
    if (log_ == nullptr) {
        return;
    }
    std::string entry = verb + " " + RootName(path.first);
    const auto key = keys_.find(path);
    if (key != keys_.end() && !key->second.displayPath.empty()) {
        entry += "\\" + key->second.displayPath;
    }
    if (!name.empty()) {
        entry += "\\" + name;
    }
    log_->Add(entry);
}

long FakeRegistry::OpenKey(RootKey root, const std::string& subkey, std::uint32_t access, platform::KeyId* key) {
    const long admitted = Admit(root, subkey, access);
    if (admitted != platform::kErrorSuccess) {
        return admitted;
    }
    const KeyPath path = PathOf(root, subkey);
    if (!subkey.empty() && keys_.count(path) == 0) {
        return platform::kErrorFileNotFound;
    }
    *key = NewHandle(path, access);
    return platform::kErrorSuccess;
}

long FakeRegistry::CreateKey(RootKey root, const std::string& subkey, std::uint32_t access, platform::KeyId* key) {
    // Making a missing key needs the right to create subkeys, whatever access the caller asks for.
    constexpr std::uint32_t kKeyCreateSubKey = 0x0004;
    const bool exists = subkey.empty() || HasKey(root, subkey);
    const long admitted = Admit(root, subkey, exists ? access : access | kKeyCreateSubKey);
    if (admitted != platform::kErrorSuccess) {
        return admitted;
    }
    bool created = false;
    Ensure(root, subkey, &created);
    const KeyPath path = PathOf(root, subkey);
    if (created) {
        Log("Create", path, "");
    }
    *key = NewHandle(path, access);
    return platform::kErrorSuccess;
}

long FakeRegistry::QueryValue(platform::KeyId key,
                              const std::string& name,
                              std::uint32_t* type,
                              std::uint8_t* data,
                              std::uint32_t* size) {
    const auto handle = handles_.find(key);
    if (handle == handles_.end()) {
        return platform::kErrorInvalidHandle;
    }
    if ((handle->second.access & platform::kKeyQueryValue) == 0) {
        return platform::kErrorAccessDenied;
    }
    auto& values = keys_[handle->second.path].values;
    const auto found = values.find(Folded(name));
    if (found == values.end()) {
        return platform::kErrorFileNotFound;
    }
    const Value& value = found->second.value;
    if (type != nullptr) {
        *type = value.type;
    }
    const auto needed = static_cast<std::uint32_t>(value.data.size());
    if (data == nullptr) {
        *size = needed;
        return platform::kErrorSuccess;
    }
    if (*size < needed) {
        // Windows leaves the buffer undefined; garbage flushes out callers that use it anyway.
        std::memset(data, 0xCD, *size);
        *size = needed;
        return platform::kErrorMoreData;
    }
    std::copy(value.data.begin(), value.data.end(), data);
    *size = needed;
    return platform::kErrorSuccess;
}

// What Windows checks before any change to a value: the handle, its access, and a failure the test asked for.
long FakeRegistry::CheckWrite(platform::KeyId key, const std::string& name, const KeyPath** path) const {
    const auto handle = handles_.find(key);
    if (handle == handles_.end()) {
        return platform::kErrorInvalidHandle;
    }
    if ((handle->second.access & platform::kKeySetValue) == 0) {
        return platform::kErrorAccessDenied;
    }
    const auto failing = failingWrites_.find({handle->second.path, Folded(name)});
    if (failing != failingWrites_.end()) {
        return failing->second;
    }
    *path = &handle->second.path;
    return platform::kErrorSuccess;
}

long FakeRegistry::SetValue(platform::KeyId key,
                            const std::string& name,
                            std::uint32_t type,
                            const std::uint8_t* data,
                            std::uint32_t size) {
    const KeyPath* found = nullptr;
    if (const long status = CheckWrite(key, name, &found); status != platform::kErrorSuccess) {
        return status;
    }
    const KeyPath& path = *found;
    std::vector<std::uint8_t> bytes;
    if (size != 0) {
        bytes.assign(data, data + size);
    }
    Store(keys_[path], name, {type, std::move(bytes)});
    Log("Set", path, name);
    return platform::kErrorSuccess;
}

long FakeRegistry::DeleteValue(platform::KeyId key, const std::string& name) {
    const KeyPath* found = nullptr;
    if (const long status = CheckWrite(key, name, &found); status != platform::kErrorSuccess) {
        return status;
    }
    const KeyPath& path = *found;
    auto& values = keys_[path].values;
    if (values.erase(Folded(name)) == 0) {
        return platform::kErrorFileNotFound;
    }
    Log("Delete", path, name);
    return platform::kErrorSuccess;
}

long FakeRegistry::DeleteKey(platform::KeyId key, const std::string& subkey) {
    const KeyPath* parent = nullptr;
    if (const long status = CheckWrite(key, "", &parent); status != platform::kErrorSuccess) {
        return status;
    }
    const KeyPath path{parent->first, parent->second + "\\" + Folded(subkey)};
    if (keys_.count(path) == 0) {
        return platform::kErrorFileNotFound;
    }
    const auto next = keys_.upper_bound(path);
    if (next != keys_.end() && next->first.first == path.first &&
        next->first.second.rfind(path.second + "\\", 0) == 0) {
        return platform::kErrorAccessDenied;
    }
    Log("DeleteKey", path, "");
    keys_.erase(path);
    return platform::kErrorSuccess;
}

long FakeRegistry::EnumValueName(platform::KeyId key, std::uint32_t index, std::string* name) {
    const auto handle = handles_.find(key);
    if (handle == handles_.end()) {
        return platform::kErrorInvalidHandle;
    }
    if ((handle->second.access & platform::kKeyQueryValue) == 0) {
        return platform::kErrorAccessDenied;
    }
    std::vector<const StoredValue*> inOrder;
    for (const auto& entry : keys_[handle->second.path].values) {
        inOrder.push_back(&entry.second);
    }
    if (index >= inOrder.size()) {
        return platform::kErrorNoMoreItems;
    }
    std::sort(inOrder.begin(), inOrder.end(),
              [](const StoredValue* a, const StoredValue* b) { return a->order < b->order; });
    *name = inOrder[index]->name;
    return platform::kErrorSuccess;
}

long FakeRegistry::CloseKey(platform::KeyId key) {
    if (handles_.erase(key) == 0) {
        ++badCloses_;
        return platform::kErrorInvalidHandle;
    }
    return platform::kErrorSuccess;
}

}  // namespace talvane::fakes
