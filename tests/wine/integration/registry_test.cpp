// The driver's registry reads and writes against Wine's registry: what the program under test writes is what a GUI
// test sees.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "driver/registry.h"

namespace talvane::wine_driver {
namespace {

constexpr char kTestKey[] = "Software\\TalvaneDriverTest";

class RegistryReadTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(DeleteRegistryTree(HKEY_CURRENT_USER, kTestKey)); }
    void TearDown() override { EXPECT_TRUE(DeleteRegistryTree(HKEY_CURRENT_USER, kTestKey)); }

    void Set(const char* name, DWORD type, const void* data, DWORD size) {
        ASSERT_TRUE(WriteRegistryValue(HKEY_CURRENT_USER, kTestKey, name, type, data, size)) << name;
    }
};

TEST_F(RegistryReadTest, ReadsStringsAndNumbersByTheirType) {
    const DWORD number = 42;
    Set("Terminated", REG_SZ, "abc", 4);
    Set("Unterminated", REG_SZ, "abc", 3);
    Set("Expand", REG_EXPAND_SZ, "%TEMP%\\x", 9);
    Set("Number", REG_DWORD, &number, sizeof(number));
    Set("Binary", REG_BINARY, &number, sizeof(number));
    Set("Empty", REG_SZ, "", 0);

    struct Case {
        const char* name;
        std::optional<std::string> text;
        std::optional<DWORD> number;
    };
    const Case cases[] = {
        {"Terminated", "abc", std::nullopt},     {"Unterminated", "abc", std::nullopt},
        {"Expand", "%TEMP%\\x", std::nullopt},   {"Number", std::nullopt, 42},
        {"Binary", std::nullopt, std::nullopt},  {"Empty", "", std::nullopt},
        {"Missing", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, kTestKey, c.name), c.text);
        EXPECT_EQ(ReadRegistryDword(HKEY_CURRENT_USER, kTestKey, c.name), c.number);
    }
    EXPECT_EQ(RegistryValueNames(HKEY_CURRENT_USER, kTestKey).size(), 6u);
}

TEST_F(RegistryReadTest, DeletesAKeyWithItsSubKeys) {
    const std::string nested = std::string(kTestKey) + "\\A\\B\\C";
    ASSERT_TRUE(CreateRegistryKey(HKEY_CURRENT_USER, nested));
    ASSERT_TRUE(RegistryKeyExists(HKEY_CURRENT_USER, nested));

    EXPECT_TRUE(DeleteRegistryTree(HKEY_CURRENT_USER, std::string(kTestKey) + "\\A"));
    EXPECT_FALSE(RegistryKeyExists(HKEY_CURRENT_USER, nested));
    EXPECT_FALSE(RegistryKeyExists(HKEY_CURRENT_USER, std::string(kTestKey) + "\\A"));
    EXPECT_TRUE(RegistryKeyExists(HKEY_CURRENT_USER, kTestKey));
}

}  // namespace
}  // namespace talvane::wine_driver
