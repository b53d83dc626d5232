// RAII owners for the Win32 resources the driver holds.
#pragma once

#include "platform/win32/handles.h"

#include <utility>

#include "platform/unique_handle.h"

namespace talvane::wine_driver {

// The product's own owners; the driver adds only what a test process needs beyond them.
using KernelHandle = win32::UniqueHandle;
using FileHandle = win32::UniqueFileHandle;
using RegKey = win32::UniqueKey;

// The DC of the whole screen, from GetDC(nullptr).
struct ScreenDcTraits {
    using Handle = HDC;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle handle) { ReleaseDC(nullptr, handle); }
};
using ScreenDc = platform::UniqueHandle<ScreenDcTraits>;

using MemoryDc = win32::UniqueMemDc;
using Bitmap = win32::UniqueBitmap;

// Selects an object into a DC for one scope and puts the previous one back.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectGuard() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) {
            SelectObject(dc_, previous_);
        }
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

    [[nodiscard]] bool Selected() const { return previous_ != nullptr && previous_ != HGDI_ERROR; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Memory committed in another process with VirtualAllocEx; freed with it.
class RemoteBuffer {
public:
    RemoteBuffer() = default;
    RemoteBuffer(HANDLE process, SIZE_T size)
        : process_(process),
          address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)),
          size_(address_ != nullptr ? size : 0) {}
    ~RemoteBuffer() { Free(); }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    RemoteBuffer(RemoteBuffer&& other) noexcept
        : process_(std::exchange(other.process_, nullptr)),
          address_(std::exchange(other.address_, nullptr)),
          size_(std::exchange(other.size_, 0)) {}
    RemoteBuffer& operator=(RemoteBuffer&& other) noexcept {
        if (this != &other) {
            Free();
            process_ = std::exchange(other.process_, nullptr);
            address_ = std::exchange(other.address_, nullptr);
            size_ = std::exchange(other.size_, 0);
        }
        return *this;
    }

    [[nodiscard]] bool Valid() const { return address_ != nullptr; }
    [[nodiscard]] void* Address() const { return address_; }
    [[nodiscard]] char* At(SIZE_T offset) const { return static_cast<char*>(address_) + offset; }

    [[nodiscard]] bool Write(SIZE_T offset, const void* data, SIZE_T bytes) const {
        SIZE_T written = 0;
        return offset + bytes <= size_ && WriteProcessMemory(process_, At(offset), data, bytes, &written) &&
               written == bytes;
    }
    [[nodiscard]] bool Read(SIZE_T offset, void* data, SIZE_T bytes) const {
        SIZE_T read = 0;
        return offset + bytes <= size_ && ReadProcessMemory(process_, At(offset), data, bytes, &read) && read == bytes;
    }

private:
    void Free() {
        if (address_ != nullptr) {
            VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
            address_ = nullptr;
        }
    }

    HANDLE process_ = nullptr;
    void* address_ = nullptr;
    SIZE_T size_ = 0;
};

}  // namespace talvane::wine_driver
