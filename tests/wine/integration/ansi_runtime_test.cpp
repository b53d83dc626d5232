// The i686 programs' runtime reaches the ANSI functions through its wide kernel32 calls, and gets what the wide
// functions would have given it.
#include <windows.h>

#include <gtest/gtest.h>

#include "driver/win_owners.h"

namespace {

#ifndef _WIN64
FARPROC KernelExport(const char* name) {
    return GetProcAddress(GetModuleHandleA("kernel32.dll"), name);
}

TEST(AnsiRuntime, TheRuntimesWideCallsLandInTheAnsiVersions) {
    // Through the import slot, as libgcc calls them: not kernel32's wide exports.
    EXPECT_NE(reinterpret_cast<void*>(&CreateSemaphoreW), reinterpret_cast<void*>(KernelExport("CreateSemaphoreW")));
    EXPECT_NE(reinterpret_cast<void*>(&GetModuleHandleW), reinterpret_cast<void*>(KernelExport("GetModuleHandleW")));
    EXPECT_NE(reinterpret_cast<void*>(&LoadLibraryW), reinterpret_cast<void*>(KernelExport("LoadLibraryW")));

    // A name is converted, so the ANSI name finds the same object.
    const talvane::wine_driver::KernelHandle named(CreateSemaphoreW(nullptr, 1, 1, L"TalvaneAnsiRuntimeTest"));
    ASSERT_TRUE(named);
    const talvane::wine_driver::KernelHandle again(CreateSemaphoreA(nullptr, 1, 1, "TalvaneAnsiRuntimeTest"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));

    EXPECT_EQ(GetModuleHandleW(L"kernel32.dll"), GetModuleHandleA("kernel32.dll"));
    const talvane::win32::UniqueModule version(LoadLibraryW(L"version.dll"));
    EXPECT_TRUE(version);
}
#endif

}  // namespace
