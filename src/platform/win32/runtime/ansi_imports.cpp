// The import slots of the three wide kernel32 functions that the MinGW runtime calls, filled with ANSI versions.
//
// libgcc's thread layer and its frame registry (CreateSemaphoreW) and the CRT's locale and rand_s helpers
// (GetModuleHandleW, LoadLibraryW) call wide functions that Windows 98 and Me export only as stubs failing with
// ERROR_CALL_NOT_IMPLEMENTED. A runtime lock without its semaphore fails the first time a second thread has to wait
// for it, and the runtime answers that with std::terminate. Defining the slots here resolves those calls on every
// Windows to the ANSI functions, which 98 implements, and the programs import no wide kernel32 function at all.
// Linked into the i686 programs only: 64-bit Windows implements the wide functions.
#include "platform/win32/win.h"

namespace {

// The runtime passes no name or a short ASCII DLL name; a name that does not convert fails as the stub would.
bool ToAnsi(LPCWSTR wide, char (&narrow)[MAX_PATH]) {
    if (WideCharToMultiByte(CP_ACP, 0, wide, -1, narrow, MAX_PATH, nullptr, nullptr) == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    return true;
}

HANDLE WINAPI AnsiCreateSemaphore(LPSECURITY_ATTRIBUTES attributes, LONG initial, LONG maximum, LPCWSTR name) {
    if (name == nullptr) {
        return CreateSemaphoreA(attributes, initial, maximum, nullptr);
    }
    char narrow[MAX_PATH];
    return ToAnsi(name, narrow) ? CreateSemaphoreA(attributes, initial, maximum, narrow) : nullptr;
}

HMODULE WINAPI AnsiGetModuleHandle(LPCWSTR name) {
    if (name == nullptr) {
        return GetModuleHandleA(nullptr);
    }
    char narrow[MAX_PATH];
    return ToAnsi(name, narrow) ? GetModuleHandleA(narrow) : nullptr;
}

HMODULE WINAPI AnsiLoadLibrary(LPCWSTR name) {
    char narrow[MAX_PATH];
    return name != nullptr && ToAnsi(name, narrow) ? LoadLibraryA(narrow) : nullptr;
}

}  // namespace

// The names are the i686 import symbols the runtime's calls go through.
extern "C" {
extern decltype(&AnsiCreateSemaphore) const talvaneCreateSemaphoreSlot __asm__("__imp__CreateSemaphoreW@16");
extern decltype(&AnsiGetModuleHandle) const talvaneGetModuleHandleSlot __asm__("__imp__GetModuleHandleW@4");
extern decltype(&AnsiLoadLibrary) const talvaneLoadLibrarySlot __asm__("__imp__LoadLibraryW@4");
decltype(&AnsiCreateSemaphore) const talvaneCreateSemaphoreSlot = &AnsiCreateSemaphore;
decltype(&AnsiGetModuleHandle) const talvaneGetModuleHandleSlot = &AnsiGetModuleHandle;
decltype(&AnsiLoadLibrary) const talvaneLoadLibrarySlot = &AnsiLoadLibrary;
}
