// An open registry key, closed once through the Registry it came from, with the product's stored formats.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/registry.h"

namespace talvane::platform {

class RegKey {
public:
    // Texts are read into a buffer of this size; a longer value fails to read.
    static constexpr std::uint32_t kTextBuffer = 261;

    RegKey() = default;
    ~RegKey() { Close(); }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    RegKey(RegKey&& other) noexcept
        : registry_(std::exchange(other.registry_, nullptr)), key_(std::exchange(other.key_, 0)) {}
    RegKey& operator=(RegKey&& other) noexcept {
        if (this != &other) {
            Close();
            registry_ = std::exchange(other.registry_, nullptr);
            key_ = std::exchange(other.key_, 0);
        }
        return *this;
    }

    // Both return the Win32 status; the key stays closed when it is not ERROR_SUCCESS.
    [[nodiscard]] long Open(Registry& registry, RootKey root, const std::string& subkey, std::uint32_t access) {
        Close();
        KeyId key = 0;
        const long status = registry.OpenKey(root, subkey, access, &key);
        return Adopt(registry, status, key);
    }
    [[nodiscard]] long Create(Registry& registry, RootKey root, const std::string& subkey, std::uint32_t access) {
        Close();
        KeyId key = 0;
        const long status = registry.CreateKey(root, subkey, access, &key);
        return Adopt(registry, status, key);
    }

    [[nodiscard]] bool IsOpen() const { return registry_ != nullptr; }

    void Close() {
        if (registry_ != nullptr) {
            // Nothing useful can follow a failed RegCloseKey.
            static_cast<void>(std::exchange(registry_, nullptr)->CloseKey(std::exchange(key_, 0)));
        }
    }

    // RegQueryValueExA, for data in formats of its own, such as performance data.
    [[nodiscard]] long QueryValue(const std::string& name,
                                  std::uint32_t* type,
                                  std::uint8_t* data,
                                  std::uint32_t* size) const {
        return IsOpen() ? registry_->QueryValue(key_, name, type, data, size) : kErrorInvalidHandle;
    }

    // A REG_DWORD of exactly 4 bytes; any other type or size is no value, as if it were missing.
    [[nodiscard]] std::optional<std::uint32_t> ReadNumber(const std::string& name) const {
        if (!IsOpen()) {
            return std::nullopt;
        }
        std::array<std::uint8_t, 4> bytes{};
        std::uint32_t size = bytes.size();
        std::uint32_t type = 0;
        if (QueryValue(name, &type, bytes.data(), &size) != kErrorSuccess || type != kRegDword ||
            size != bytes.size()) {
            return std::nullopt;
        }
        return static_cast<std::uint32_t>(bytes[0] | bytes[1] << 8 | bytes[2] << 16 |
                                          static_cast<std::uint32_t>(bytes[3]) << 24);
    }

    // A REG_SZ or REG_EXPAND_SZ (taken as it is, unexpanded), up to the first NUL or the data length, whichever
    // comes first; any other type is no value.
    [[nodiscard]] std::optional<std::string> ReadText(const std::string& name) const {
        if (!IsOpen()) {
            return std::nullopt;
        }
        std::array<std::uint8_t, kTextBuffer> buffer{};
        std::uint32_t size = buffer.size();
        std::uint32_t type = 0;
        if (QueryValue(name, &type, buffer.data(), &size) != kErrorSuccess ||
            (type != kRegSz && type != kRegExpandSz) || size > buffer.size()) {
            return std::nullopt;
        }
        const void* nul = std::memchr(buffer.data(), 0, size);
        const std::size_t length = nul != nullptr ? static_cast<const std::uint8_t*>(nul) - buffer.data() : size;
        return std::string(reinterpret_cast<const char*>(buffer.data()), length);
    }

    // REG_DWORD, little-endian, data length 4.
    [[nodiscard]] long WriteNumber(const std::string& name, std::uint32_t value) {
        if (!IsOpen()) {
            return kErrorInvalidHandle;
        }
        const std::array<std::uint8_t, 4> bytes{static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                                                static_cast<std::uint8_t>(value >> 16),
                                                static_cast<std::uint8_t>(value >> 24)};
        return registry_->SetValue(key_, name, kRegDword, bytes.data(), bytes.size());
    }

    // REG_SZ whose data length is the number of characters: the engine reads it without a terminating NUL.
    [[nodiscard]] long WriteText(const std::string& name, const std::string& text) {
        if (!IsOpen()) {
            return kErrorInvalidHandle;
        }
        return registry_->SetValue(key_, name, kRegSz, reinterpret_cast<const std::uint8_t*>(text.c_str()),
                                   static_cast<std::uint32_t>(text.size()));
    }

    [[nodiscard]] long DeleteValue(const std::string& name) {
        return IsOpen() ? registry_->DeleteValue(key_, name) : kErrorInvalidHandle;
    }

    [[nodiscard]] long DeleteSubKey(const std::string& subkey) {
        return IsOpen() ? registry_->DeleteKey(key_, subkey) : kErrorInvalidHandle;
    }

    [[nodiscard]] long EnumValueName(std::uint32_t index, std::string* name) const {
        return IsOpen() ? registry_->EnumValueName(key_, index, name) : kErrorInvalidHandle;
    }

    // A value whole, of any type and length, to be written elsewhere unchanged.
    struct RawValue {
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;
    };
    [[nodiscard]] long ReadRaw(const std::string& name, RawValue* value) const {
        if (!IsOpen()) {
            return kErrorInvalidHandle;
        }
        // The value may grow between asking its size and reading it: ask again then.
        for (int attempt = 0; attempt < 4; ++attempt) {
            std::uint32_t size = 0;
            long status = QueryValue(name, nullptr, nullptr, &size);
            if (status != kErrorSuccess) {
                return status;
            }
            value->data.assign(size, 0);
            status = QueryValue(name, &value->type, value->data.data(), &size);
            if (status == kErrorSuccess) {
                value->data.resize(size);
                return status;
            }
            if (status != kErrorMoreData) {
                return status;
            }
        }
        return kErrorMoreData;
    }
    [[nodiscard]] long WriteRaw(const std::string& name, const RawValue& value) {
        if (!IsOpen()) {
            return kErrorInvalidHandle;
        }
        return registry_->SetValue(key_, name, value.type, value.data.data(),
                                   static_cast<std::uint32_t>(value.data.size()));
    }

private:
    long Adopt(Registry& registry, long status, KeyId key) {
        if (status == kErrorSuccess) {
            registry_ = &registry;
            key_ = key;
        }
        return status;
    }

    Registry* registry_ = nullptr;
    KeyId key_ = 0;
};

}  // namespace talvane::platform
