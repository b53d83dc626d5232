// Owners for every kind of Win32 handle the product holds, and guards that restore what they change.
#pragma once

#include "platform/win32/win.h"

#include <utility>

#include "platform/unique_handle.h"

namespace talvane::win32 {

struct KeyTraits {
    using Handle = HKEY;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { RegCloseKey(h); }
};
// OpenProcess and OpenProcessToken give null on failure.
struct HandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { CloseHandle(h); }
};
// CreateFile and CreateToolhelp32Snapshot give INVALID_HANDLE_VALUE on failure.
struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { CloseHandle(h); }
};
// FindFirstFileA gives INVALID_HANDLE_VALUE on failure; its handle is closed with FindClose, not CloseHandle.
struct FindTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { FindClose(h); }
};
template <typename T>
struct GdiTraits {
    using Handle = T;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { DeleteObject(h); }
};
struct IconTraits {
    using Handle = HICON;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { DestroyIcon(h); }
};
struct MenuTraits {
    using Handle = HMENU;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { DestroyMenu(h); }
};
struct ModuleTraits {
    using Handle = HMODULE;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { FreeLibrary(h); }
};
struct ImageListTraits {
    using Handle = HIMAGELIST;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { ImageList_Destroy(h); }
};
struct MemDcTraits {
    using Handle = HDC;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { DeleteDC(h); }
};

using UniqueKey = platform::UniqueHandle<KeyTraits>;
using UniqueHandle = platform::UniqueHandle<HandleTraits>;
using UniqueFileHandle = platform::UniqueHandle<FileHandleTraits>;
using UniqueFind = platform::UniqueHandle<FindTraits>;
using UniqueBitmap = platform::UniqueHandle<GdiTraits<HBITMAP>>;
using UniqueBrush = platform::UniqueHandle<GdiTraits<HBRUSH>>;
using UniquePen = platform::UniqueHandle<GdiTraits<HPEN>>;
using UniqueFont = platform::UniqueHandle<GdiTraits<HFONT>>;
using UniqueIcon = platform::UniqueHandle<IconTraits>;
using UniqueMenu = platform::UniqueHandle<MenuTraits>;
using UniqueModule = platform::UniqueHandle<ModuleTraits>;
using UniqueImageList = platform::UniqueHandle<ImageListTraits>;
using UniqueMemDc = platform::UniqueHandle<MemDcTraits>;

// Selects an object into a DC and puts the previous one back.
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

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// BeginPaint/EndPaint.
class PaintDc {
public:
    explicit PaintDc(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDc() { EndPaint(window_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;

    [[nodiscard]] HDC Get() const { return dc_; }
    [[nodiscard]] const RECT& Area() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// GetDC, or GetDCEx with its flags, and ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDc(HWND window, DWORD flags) : window_(window), dc_(GetDCEx(window, nullptr, flags)) {}
    ~WindowDc() {
        if (dc_ != nullptr) {
            ReleaseDC(window_, dc_);
        }
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    [[nodiscard]] HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A COM interface pointer released once.
template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            ptr_ = std::exchange(other.ptr_, nullptr);
        }
        return *this;
    }

    T* operator->() const { return ptr_; }
    [[nodiscard]] T* Get() const { return ptr_; }
    explicit operator bool() const { return ptr_ != nullptr; }
    // For out-parameters; releases what was held.
    T** Put() {
        Reset();
        return &ptr_;
    }
    void Reset() {
        if (ptr_ != nullptr) {
            std::exchange(ptr_, nullptr)->Release();
        }
    }

private:
    T* ptr_ = nullptr;
};

// CoInitialize for this thread; uninitialises only when it succeeded.
class ComInit {
public:
    ComInit() : result_(CoInitialize(nullptr)) {}
    ~ComInit() {
        if (SUCCEEDED(result_)) {
            CoUninitialize();
        }
    }
    ComInit(const ComInit&) = delete;
    ComInit& operator=(const ComInit&) = delete;

    [[nodiscard]] bool Succeeded() const { return SUCCEEDED(result_); }

private:
    HRESULT result_;
};

// COM for the user-interface thread, from the first call that needs it until the process ends. Started with the
// program, every start paid for setting up its apartment, needed or not; started for each call, the apartment
// would be built and torn down every time.
inline void KeepComStarted() {
    static const ComInit com;
}

// GetProcAddress cast through a plain function pointer type, so -Wcast-function-type stays on.
template <typename Fn>
Fn LookUp(HMODULE module, const char* name) {
    if (module == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace talvane::win32
