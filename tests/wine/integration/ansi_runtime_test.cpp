// The i686 programs' runtime reaches the ANSI functions through its wide kernel32 calls, and gets what the wide
// functions would have given it.
#include <windows.h>

#include <gtest/gtest.h>

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

    const HANDLE anonymous = CreateSemaphoreW(nullptr, 0, 2, nullptr);
    ASSERT_NE(anonymous, nullptr);
    EXPECT_EQ(WaitForSingleObject(anonymous, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_TRUE(ReleaseSemaphore(anonymous, 1, nullptr));
    EXPECT_EQ(WaitForSingleObject(anonymous, 0), WAIT_OBJECT_0);
    CloseHandle(anonymous);

    // A name is converted, so the ANSI name finds the same object.
    const HANDLE named = CreateSemaphoreW(nullptr, 1, 1, L"TalvaneAnsiRuntimeTest");
    ASSERT_NE(named, nullptr);
    const HANDLE again = CreateSemaphoreA(nullptr, 1, 1, "TalvaneAnsiRuntimeTest");
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    CloseHandle(again);
    CloseHandle(named);

    EXPECT_EQ(GetModuleHandleW(L"kernel32.dll"), GetModuleHandleA("kernel32.dll"));
    EXPECT_EQ(GetModuleHandleW(nullptr), GetModuleHandleA(nullptr));
    EXPECT_EQ(GetModuleHandleW(L"no-such-module.dll"), nullptr);
    const HMODULE version = LoadLibraryW(L"version.dll");
    ASSERT_NE(version, nullptr);
    EXPECT_NE(GetProcAddress(version, "GetFileVersionInfoA"), nullptr);
    FreeLibrary(version);
    EXPECT_EQ(LoadLibraryW(nullptr), nullptr);
}
#endif

}  // namespace
