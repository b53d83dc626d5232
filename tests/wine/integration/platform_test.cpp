// The real platform against Wine's registry, kernel and shell.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "driver/host.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_platform.h"

namespace talvane {
namespace {

using platform::KeyId;
using platform::RootKey;

constexpr const char* kScratchKey = "Software\\TalvaneIntegration";

std::string Mode() {
    return wine_driver::EnvVar("TALVANE_MODE").value_or("");
}

class RegistryTest : public ::testing::Test {
protected:
    void TearDown() override { RegDeleteKeyA(HKEY_CURRENT_USER, kScratchKey); }
    win32::Win32Registry registry;
};

TEST_F(RegistryTest, ValuesRoundTripWithWin32Semantics) {
    KeyId key = 0;
    ASSERT_EQ(registry.OpenKey(RootKey::CurrentUser, kScratchKey, platform::kKeyRead, &key),
              platform::kErrorFileNotFound);
    ASSERT_EQ(registry.CreateKey(RootKey::CurrentUser, kScratchKey, platform::kKeyAllAccess, &key),
              platform::kErrorSuccess);

    const std::string text = "C:\\Program Files\\Talvane";
    // Written without a NUL, as the engine expects.
    ASSERT_EQ(
        registry.SetValue(key, "CurrentDir2", platform::kRegSz, reinterpret_cast<const std::uint8_t*>(text.data()),
                          static_cast<std::uint32_t>(text.size())),
        platform::kErrorSuccess);
    const std::uint8_t number[4] = {0x52, 0, 0, 0};
    ASSERT_EQ(registry.SetValue(key, "Hotkey1", platform::kRegDword, number, 4), platform::kErrorSuccess);

    std::uint8_t small[4] = {};
    std::uint32_t size = sizeof(small);
    std::uint32_t type = 0;
    EXPECT_EQ(registry.QueryValue(key, "CurrentDir2", &type, small, &size), platform::kErrorMoreData);
    EXPECT_GE(size, text.size());

    std::vector<std::uint8_t> buffer(261, 0);
    size = static_cast<std::uint32_t>(buffer.size());
    ASSERT_EQ(registry.QueryValue(key, "CurrentDir2", &type, buffer.data(), &size), platform::kErrorSuccess);
    EXPECT_EQ(type, platform::kRegSz);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(buffer.data())), text);

    std::uint8_t read[4] = {};
    size = 4;
    ASSERT_EQ(registry.QueryValue(key, "Hotkey1", &type, read, &size), platform::kErrorSuccess);
    EXPECT_EQ(type, platform::kRegDword);
    EXPECT_EQ(read[0], 0x52);

    EXPECT_EQ(registry.DeleteValue(key, "Hotkey1"), platform::kErrorSuccess);
    size = 4;
    EXPECT_EQ(registry.QueryValue(key, "Hotkey1", &type, read, &size), platform::kErrorFileNotFound);
    EXPECT_EQ(registry.CloseKey(key), platform::kErrorSuccess);
}

TEST(SystemTest, VersionMatchesTheMode) {
    win32::Win32System system;
    const platform::OsVersion version = system.GetVersion();
    const struct {
        const char* mode;
        std::uint32_t platformId;
        std::uint32_t major;
        std::uint32_t minor;
        std::uint32_t build;
    } modes[] = {
        {"win98", 1, 4, 10, 2222}, {"winme", 1, 4, 90, 3000},  {"win2k", 2, 5, 0, 2195},
        {"winxp", 2, 5, 1, 2600},  {"winxp64", 2, 5, 2, 3790},
    };
    bool known = false;
    for (const auto& m : modes) {
        if (Mode() == m.mode) {
            known = true;
            EXPECT_EQ(version.platformId, m.platformId);
            EXPECT_EQ(version.major, m.major);
            EXPECT_EQ(version.minor, m.minor);
            EXPECT_EQ(version.build, m.build) << "9x reports the build in the low word only";
        }
    }
    if (!known) {
        GTEST_SKIP() << "no expectations for mode '" << Mode() << "'";
    }
}

TEST(SystemTest, MemoryAndDirectoriesAreReadable) {
    win32::Win32System system;
    const auto extended = system.GlobalMemoryStatusEx();
    ASSERT_TRUE(extended.has_value()) << "Wine has GlobalMemoryStatusEx in every mode";
    EXPECT_GT(extended->totalPhys, 0u);
    EXPECT_LE(extended->availPhys, extended->totalPhys);
    EXPECT_LE(extended->memoryLoad, 100u);
    EXPECT_FALSE(system.GetWindowsDirectory(144).empty());
    EXPECT_FALSE(system.GetSystemDirectory(144).empty());
    EXPECT_EQ(system.GetWindowsDirectory(3), "") << "a directory that does not fit is not cut";
}

// The folder the item ID list route gives, which the platform's direct call must match.
std::string PathByIdList(platform::ShellFolder folder) {
    LPITEMIDLIST list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, static_cast<int>(folder), &list))) {
        return {};
    }
    char path[MAX_PATH + 1] = {};
    const bool found = SHGetPathFromIDListA(list, path) != FALSE;
    CoTaskMemFree(list);
    return found ? path : "";
}

TEST(ShellTest, SpecialFoldersResolveAsTheItemIdListDoes) {
    using platform::ShellFolder;
    win32::Win32Shell shell;
    for (const bool held : {false, true}) {
        std::optional<platform::ShellLibraryHold> hold;
        if (held) {
            hold.emplace(shell);
        }
        for (const auto folder : {ShellFolder::Desktop, ShellFolder::StartMenu, ShellFolder::Programs,
                                  ShellFolder::Startup, ShellFolder::CommonPrograms, ShellFolder::CommonStartup}) {
            const std::string path = shell.SpecialFolderPath(0, folder);
            EXPECT_EQ(path, PathByIdList(folder)) << static_cast<int>(folder) << (held ? " held" : "");
            if (folder <= ShellFolder::StartMenu) {
                EXPECT_GT(path.size(), 3u) << static_cast<int>(folder);
                EXPECT_NE(path.back(), '\\');
            }
        }
    }
}

TEST(FilesTest, ExistingAndMissingFiles) {
    win32::Win32Files files;
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, sizeof(module));
    EXPECT_TRUE(files.FileExists(module));
    EXPECT_FALSE(files.FileExists(std::string(module) + ".missing"));
}

TEST(WindowServicesTest, FindsOnlyTheExactCaption) {
    win32::Win32WindowServices windows;
    EXPECT_EQ(windows.FindWindow("TForm1", "Talvane"), 0u);
    EXPECT_EQ(windows.GetSysColor(COLOR_ACTIVECAPTION), ::GetSysColor(COLOR_ACTIVECAPTION));
}

}  // namespace
}  // namespace talvane
