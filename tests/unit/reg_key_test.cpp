#include "platform/reg_key.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "fakes/fake_registry.h"

namespace talvane::platform {
namespace {

using fakes::FakeRegistry;
using Bytes = std::vector<std::uint8_t>;

constexpr const char* kPath = "Software\\Talvane";

TEST(RegKeyTest, ReadsNumbersOnlyFromFourByteDwords) {
    const struct {
        const char* name;
        std::uint32_t type;
        Bytes stored;
        std::optional<std::uint32_t> expected;
    } cases[] = {
        {"dword", kRegDword, {0x78, 0x56, 0x34, 0x12}, 0x12345678u},
        {"four binary bytes", kRegBinary, {1, 0, 0, 0}, std::nullopt},
        {"four text bytes", kRegSz, {'1', 0, 0, 0}, std::nullopt},
        {"five bytes", kRegDword, {1, 0, 0, 0, 0}, std::nullopt},
        {"two bytes", kRegDword, {1, 0}, std::nullopt},
        {"no bytes", kRegDword, {}, std::nullopt},
    };
    for (const auto& c : cases) {
        FakeRegistry registry;
        registry.PutValue(RootKey::CurrentUser, kPath, "N", c.type, c.stored);
        RegKey key;
        ASSERT_EQ(key.Open(registry, RootKey::CurrentUser, kPath, kKeyRead), kErrorSuccess) << c.name;
        EXPECT_EQ(key.ReadNumber("N"), c.expected) << c.name;
        EXPECT_EQ(key.ReadNumber("absent"), std::nullopt) << c.name;
    }
}

TEST(RegKeyTest, ReadsTextsUpToNulOrLengthWithinTheBuffer) {
    const std::string longest(RegKey::kTextBuffer, 'x');
    const struct {
        const char* name;
        std::uint32_t type;
        Bytes stored;
        std::optional<std::string> expected;
    } cases[] = {
        {"without NUL", kRegSz, {'a', 'b', 'c'}, "abc"},
        {"with NUL", kRegSz, {'a', 'b', 'c', 0}, "abc"},
        {"NUL inside", kRegSz, {'a', 0, 'c'}, "a"},
        {"empty", kRegSz, {}, ""},
        {"fills the buffer", kRegSz, Bytes(longest.begin(), longest.end()), longest},
        {"one byte too long", kRegSz, Bytes(RegKey::kTextBuffer + 1, 'x'), std::nullopt},
        {"300 bytes", kRegSz, Bytes(300, 'y'), std::nullopt},
        {"expandable, unexpanded", kRegExpandSz, {'%', 'A', '%', 0}, "%A%"},
        {"binary", kRegBinary, {'a', 'b', 'c', 0}, std::nullopt},
        {"dword", kRegDword, {'a', 'b', 'c', 0}, std::nullopt},
    };
    for (const auto& c : cases) {
        FakeRegistry registry;
        registry.PutValue(RootKey::CurrentUser, kPath, "T", c.type, c.stored);
        RegKey key;
        ASSERT_EQ(key.Open(registry, RootKey::CurrentUser, kPath, kKeyRead), kErrorSuccess) << c.name;
        EXPECT_EQ(key.ReadText("T"), c.expected) << c.name;
    }
}

TEST(RegKeyTest, WritesTheStoredFormatsByteForByte) {
    FakeRegistry registry;
    RegKey key;
    ASSERT_EQ(key.Create(registry, RootKey::CurrentUser, kPath, kKeyAllAccess), kErrorSuccess);
    EXPECT_EQ(key.WriteNumber("N", 0xFFFFFFFF), kErrorSuccess);
    EXPECT_EQ(key.WriteNumber("Small", 82), kErrorSuccess);
    EXPECT_EQ(key.WriteText("T", "C:\\a.wav"), kErrorSuccess);
    EXPECT_EQ(key.WriteText("Empty", ""), kErrorSuccess);

    const auto value = [&](const char* name) { return registry.Get(RootKey::CurrentUser, kPath, name); };
    for (const char* name : {"N", "Small", "T", "Empty"}) {
        ASSERT_TRUE(value(name)) << name;
    }
    EXPECT_EQ(value("N")->type, kRegDword);
    EXPECT_EQ(value("N")->data, (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(value("Small")->data, (Bytes{82, 0, 0, 0}));
    EXPECT_EQ(value("T")->type, kRegSz);
    EXPECT_EQ(value("T")->data, (Bytes{'C', ':', '\\', 'a', '.', 'w', 'a', 'v'}));
    EXPECT_EQ(value("Empty")->type, kRegSz);
    EXPECT_TRUE(value("Empty")->data.empty());
}

TEST(RegKeyTest, ClosesOnceThroughTheRegistry) {
    FakeRegistry registry;
    registry.AddKey(RootKey::CurrentUser, kPath);
    {
        RegKey a;
        ASSERT_EQ(a.Open(registry, RootKey::CurrentUser, kPath, kKeyRead), kErrorSuccess);
        RegKey b(std::move(a));
        EXPECT_FALSE(a.IsOpen());
        RegKey c;
        ASSERT_EQ(c.Open(registry, RootKey::CurrentUser, kPath, kKeyRead), kErrorSuccess);
        EXPECT_EQ(registry.OpenHandles(), 2);
        c = std::move(b);  // closes c's own key
        EXPECT_EQ(registry.OpenHandles(), 1);
        EXPECT_EQ(c.Open(registry, RootKey::CurrentUser, "Software\\Missing", kKeyRead), kErrorFileNotFound);
        EXPECT_FALSE(c.IsOpen());
        EXPECT_EQ(registry.OpenHandles(), 0);
        // A key that did not open reads nothing and writes nothing.
        EXPECT_EQ(c.ReadNumber("N"), std::nullopt);
        EXPECT_EQ(c.WriteNumber("N", 1), kErrorInvalidHandle);
    }
    EXPECT_EQ(registry.OpenHandles(), 0);
    EXPECT_EQ(registry.BadCloses(), 0);
}

// The fake must behave as Windows does, or the store's tests prove nothing.
TEST(FakeRegistryTest, KeepsWindowsSemantics) {
    fakes::CallLog log;
    FakeRegistry registry(&log);
    registry.PutNumber(RootKey::CurrentUser, kPath, "Value", 7);

    RegKey reader;
    ASSERT_EQ(reader.Open(registry, RootKey::CurrentUser, "SOFTWARE\\TALVANE", kKeyRead), kErrorSuccess);
    EXPECT_EQ(reader.ReadNumber("VALUE"), 7u);
    EXPECT_EQ(reader.WriteNumber("Value", 8), kErrorAccessDenied) << "a key opened for reading refuses writes";

    KeyId raw = 0;
    std::uint8_t small[2] = {};
    std::uint32_t size = sizeof small;
    ASSERT_EQ(registry.OpenKey(RootKey::CurrentUser, kPath, kKeyRead, &raw), kErrorSuccess);
    EXPECT_EQ(registry.QueryValue(raw, "Value", nullptr, small, &size), kErrorMoreData);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(registry.CloseKey(raw), kErrorSuccess);
    EXPECT_EQ(registry.CloseKey(raw), kErrorInvalidHandle);
    EXPECT_EQ(registry.BadCloses(), 1);

    RegKey writer;
    ASSERT_EQ(writer.Create(registry, RootKey::CurrentUser, "Software\\New\\Deep", kKeyAllAccess), kErrorSuccess);
    EXPECT_TRUE(registry.HasKey(RootKey::CurrentUser, "software\\new"));
    EXPECT_EQ(writer.DeleteValue("absent"), kErrorFileNotFound);

    registry.ProtectRoot(RootKey::LocalMachine);
    registry.AddKey(RootKey::LocalMachine, "SOFTWARE\\Run");
    RegKey machine;
    EXPECT_EQ(machine.Open(registry, RootKey::LocalMachine, "SOFTWARE\\Run", kKeySetValue), kErrorAccessDenied);
    EXPECT_EQ(machine.Open(registry, RootKey::LocalMachine, "SOFTWARE\\Run", kKeyRead), kErrorSuccess);

    EXPECT_EQ(log.Entries(), (std::vector<std::string>{"Create HKCU\\Software\\New\\Deep"}));
}

}  // namespace
}  // namespace talvane::platform
