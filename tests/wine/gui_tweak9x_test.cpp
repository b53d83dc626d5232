// The Windows Tweak page of 98 and Me end to end: the real SYSTEM.INI and registry shown, changed and written back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control_ids.h"
#include "driver/gui_driver.h"
#include "gui_fixture.h"

namespace talvane::gui_test {
namespace {

namespace driver = wine_driver;

constexpr char kFileSystem[] = "SYSTEM\\CurrentControlSet\\Control\\FileSystem";
constexpr char kTemplates[] = "Software\\Microsoft\\Windows\\CurrentVersion\\FS Templates";
constexpr char kContig[] = "ContigFileAllocSize";
constexpr int kBoxes[] = {IDC_FORM1_CHECKBOX8, IDC_FORM1_CHECKBOX12, IDC_FORM1_CHECKBOX15, IDC_FORM1_CHECKBOX14,
                          IDC_FORM1_CHECKBOX97};

class Tweak9x : public TalvaneTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(TalvaneTest::SetUp());
        if (FamilyOfMode(Config().mode) != WindowsFamily::k9x) {
            GTEST_SKIP() << "the page of Windows 98 and Me";
        }
    }

    void PutIni(const char* section, const char* key, const char* value) const {
        ASSERT_TRUE(WritePrivateProfileStringA(section, key, value, ini_.c_str()));
    }
    std::string Ini(const char* section, const char* key) const {
        char text[2048] = {};
        GetPrivateProfileStringA(section, key, "<none>", text, sizeof(text), ini_.c_str());
        return text;
    }
    // "10110": the boxes from top to bottom.
    std::string Boxes() const {
        std::string marks;
        for (const int box : kBoxes) {
            marks += driver::ReadCheck(Control(box)) == BST_CHECKED ? '1' : '0';
        }
        return marks;
    }
    void ShowPage() {
        ASSERT_NO_FATAL_FAILURE(StartTalvane());
        ASSERT_TRUE(driver::Click(Control(IDC_FORM1_NAV_TWEAK)));
    }
    void Apply() {
        ASSERT_TRUE(driver::Click(Control(IDC_FORM1_APPLY)));
        EXPECT_FALSE(ApplyEnabled()) << "every tweak was written";
    }

    const std::string ini_ = driver::WindowsDirectory() + "\\SYSTEM.INI";
};

TEST_F(Tweak9x, CheckBoxesShowTheirQuickInfo) {
    ASSERT_NO_FATAL_FAILURE(ShowPage());
    const std::string file = "Enable this option increase your Windows performance by reducing the amount of time";
    EXPECT_EQ(QuickInfoOver(IDC_FORM1_CHECKBOX12, file), file);
    EXPECT_EQ(Text(IDC_FORM1_QUICKINFO_LINE2), "required by Windows to find a file or directory.");
}

TEST_F(Tweak9x, ShowsAppliesAndRereadsTheStores) {
    const driver::RestoredFile ini(ini_);
    const driver::RestoredRegistryValue contig(HKEY_LOCAL_MACHINE, kFileSystem, kContig);
    const driver::RestoredRegistryValue templates(HKEY_LOCAL_MACHINE, kTemplates, "");
    ASSERT_NO_FATAL_FAILURE(PutIni("vcache", "MinFileCache", nullptr));
    ASSERT_NO_FATAL_FAILURE(PutIni("vcache", "MaxFileCache", "32768"));  // sized by another tool
    ASSERT_NO_FATAL_FAILURE(PutIni("vcache", "CHUNKSIZE", "16"));
    ASSERT_NO_FATAL_FAILURE(PutIni("386Enh", "PageBuffers", "32"));
    ASSERT_NO_FATAL_FAILURE(PutIni("386Enh", "ConservativeSwapfileUsage", "1"));
    ASSERT_TRUE(driver::WriteRegistryDword(HKEY_LOCAL_MACHINE, kFileSystem, kContig, 511));
    ASSERT_TRUE(driver::WriteRegistryString(HKEY_LOCAL_MACHINE, kTemplates, "", "Server"));
    ASSERT_NO_FATAL_FAILURE(ShowPage());
    EXPECT_EQ(Boxes(), "01101");
    EXPECT_FALSE(ApplyEnabled());

    ASSERT_TRUE(driver::ToggleCheckWithSpace(Control(IDC_FORM1_CHECKBOX8)));
    EXPECT_TRUE(ApplyEnabled()) << "the space bar changes a tweak as a click does";
    // What each tweak writes when off is the model's, proven natively.
    ASSERT_TRUE(driver::Click(Control(IDC_FORM1_9X_DEFAULT)));
    EXPECT_EQ(Boxes(), "00000");

    ASSERT_TRUE(driver::Click(Control(IDC_FORM1_9X_RECOMMENDED)));
    EXPECT_EQ(Boxes(), "11110");
    EXPECT_TRUE(ApplyEnabled());
    SaveScreenshot(app_->Main(), "page_tweak_9x");
    ASSERT_NO_FATAL_FAILURE(Apply());
    EXPECT_NE(Ini("vcache", "MaxFileCache"), "0") << "sized to the memory";
    EXPECT_EQ(Ini("vcache", "CHUNKSIZE"), "16");
    EXPECT_EQ(Ini("386Enh", "PageBuffers"), "32");
    EXPECT_EQ(Ini("386Enh", "ConservativeSwapfileUsage"), "0");
    EXPECT_EQ(driver::ReadRegistryDword(HKEY_LOCAL_MACHINE, kFileSystem, kContig), DWORD{512});
    EXPECT_EQ(driver::ReadRegistryString(HKEY_LOCAL_MACHINE, kTemplates, ""), "Server");

    ASSERT_NO_FATAL_FAILURE(CloseDecliningTheRestart());

    // The disk cache written is the one the next start recognises.
    ASSERT_NO_FATAL_FAILURE(ShowPage());
    EXPECT_EQ(Boxes(), "11110");
}

}  // namespace
}  // namespace talvane::gui_test
