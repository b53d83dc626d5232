// Move-only owner of one handle; Traits say what "none" is and how to close.
#pragma once

#include <utility>

namespace talvane::platform {

// Traits: using Handle = ...; static Handle Invalid(); static void Close(Handle);
template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset(other.Release());
        }
        return *this;
    }

    [[nodiscard]] Handle Get() const { return handle_; }
    [[nodiscard]] bool Valid() const { return handle_ != Traits::Invalid(); }
    explicit operator bool() const { return Valid(); }

    [[nodiscard]] Handle Release() { return std::exchange(handle_, Traits::Invalid()); }

    void Reset(Handle handle = Traits::Invalid()) {
        const Handle old = std::exchange(handle_, handle);
        if (old != Traits::Invalid() && old != handle) {
            Traits::Close(old);
        }
    }

private:
    Handle handle_ = Traits::Invalid();
};

}  // namespace talvane::platform
