// What the Startup Manager asks of Wine's files, registry and shell: links, value names and icons.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "driver/shell_files.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_shell_links.h"

namespace talvane {
namespace {

std::string ThisProgram() {
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, sizeof(module));
    return module;
}

// An empty scratch folder, with the names a test leaves in it removed afterwards.
class ScratchFolder : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof(temp), temp);
        folder = std::string(temp) + "talvane_startup_" + std::to_string(GetCurrentProcessId()) + "\\";
        ASSERT_EQ(files.MakeFolder(folder), platform::kErrorSuccess);
    }
    void TearDown() override {
        for (const auto& entry : files.ListFolder(folder + "*.*")) {
            if (entry.isFolder) {
                files.RemoveFolder(folder + entry.name);
            } else {
                files.DeletePath(folder + entry.name);
            }
        }
        EXPECT_EQ(files.RemoveFolder(folder), platform::kErrorSuccess);
    }
    win32::Win32Files files;
    std::string folder;
};

TEST_F(ScratchFolder, WrittenLinkReadsBackIsReplacedWholeAndAMissingFolderIsNoSuccess) {
    win32::Win32ShellLinks links;
    const std::string target = ThisProgram();
    const std::string icon = folder + "Editor.exe";
    ASSERT_EQ(links.CreateLink({target, folder + "Tool.lnk", folder, icon, "64 2 C:\\A%80B\\t.exe "}),
              platform::kErrorSuccess);
    // The fields as written are proven by the shortcut page's GUI test; here, what replacing and failing do.
    EXPECT_EQ(links.Read(folder + "Tool.lnk").path, target);

    ASSERT_EQ(links.CreateLink({target, folder + "Tool.lnk", folder, target, "-min /x"}), platform::kErrorSuccess);
    EXPECT_EQ(files.ListFolder(folder + "*.lnk").size(), 1u);
    EXPECT_EQ(links.Read(folder + "Tool.lnk").arguments, "-min /x") << "the newer link";

    const std::string missing = folder + "missing\\Tool.lnk";
    EXPECT_NE(links.CreateLink({target, missing, folder, target, ""}), platform::kErrorSuccess);
    EXPECT_FALSE(files.FileExists(missing));
    EXPECT_EQ(links.Read(folder + "Tool.lnk").arguments, "-min /x") << "the link of that name elsewhere is kept";
    EXPECT_EQ(links.Read(target).path, "") << "a program is no link";
}

TEST(StartupRegistryTest, EnumeratesEveryValueNameIncludingLongOnes) {
    constexpr const char* kKey = "Software\\TalvaneStartupIntegration";
    win32::Win32Registry registry;
    platform::KeyId key = 0;
    ASSERT_EQ(registry.CreateKey(platform::RootKey::CurrentUser, kKey, platform::kKeyAllAccess, &key),
              platform::kErrorSuccess);
    const std::set<std::string> planted = {"Tool", std::string(300, 'n'), std::string(2000, 'L')};
    const std::uint8_t data[] = {'x', 0};
    for (const auto& name : planted) {
        ASSERT_EQ(registry.SetValue(key, name, platform::kRegSz, data, 2), platform::kErrorSuccess) << name.size();
    }
    std::set<std::string> found;
    std::string name;
    long status = platform::kErrorSuccess;
    for (std::uint32_t index = 0; (status = registry.EnumValueName(key, index, &name)) == platform::kErrorSuccess;
         ++index) {
        found.insert(name);
    }
    EXPECT_EQ(status, platform::kErrorNoMoreItems);
    EXPECT_EQ(found, planted);
    registry.CloseKey(key);
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
}

TEST(StartupShellTest, AMissedIconLeavesTheEarlierOneAlone) {
    win32::Win32Shell shell;
    const platform::ShellLibraryHold hold(shell);
    const win32::UniqueIcon found = shell.SmallFileIcon(ThisProgram());
    ASSERT_TRUE(found);
    EXPECT_FALSE(shell.SmallFileIcon("C:\\My"));
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(found.Get(), &info)) << "the first icon was destroyed by the miss";
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

}  // namespace
}  // namespace talvane
