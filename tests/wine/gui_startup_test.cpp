// The Startup Manager page end to end: planted items of the four sources, moves on Apply, Delete and Add Item.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "control_ids.h"
#include "driver/gui_driver.h"
#include "gui_fixture.h"

namespace talvane::gui_test {
namespace {

namespace driver = wine_driver;

constexpr char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kDisabledRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Disabled Run";

class StartupManager : public TalvaneTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(TalvaneTest::SetUp());
        startup_ = driver::ShellFolderPath(CSIDL_STARTUP);
        const std::string programs = driver::ShellFolderPath(CSIDL_PROGRAMS);
        ASSERT_FALSE(startup_.empty());
        ASSERT_FALSE(programs.empty());
        disabled_ = programs + "Disabled Startup\\";
        disabledExisted_ = driver::FolderExists(disabled_);
    }
    void TearDown() override {
        TalvaneTest::TearDown();
        for (const std::string& path : files_) {
            DeleteFileA(path.c_str());
            RemoveDirectoryA(path.c_str());
        }
        for (const auto& [root, name] : values_) {
            driver::DeleteRegistryValue(root, kRun, name);
            driver::DeleteRegistryValue(root, kDisabledRun, name);
        }
        if (!disabledExisted_) {
            RemoveDirectoryA(disabled_.c_str());
        }
    }

    // Planted items are removed again after the test, from either store.
    void PlantFile(const std::string& folder, const std::string& name) {
        ASSERT_TRUE(driver::EnsureDirectory(folder));
        Forget(name);
        ASSERT_TRUE(driver::WriteTextFile(folder + name, "planted"));
    }
    void PlantValue(HKEY root, const char* key, const std::string& name, DWORD type, const std::string& data) {
        values_.emplace_back(root, name);
        ASSERT_TRUE(
            driver::WriteRegistryValue(root, key, name, type, data.c_str(), static_cast<DWORD>(data.size() + 1)));
    }
    void Forget(const std::string& fileName) {
        files_.push_back(startup_ + fileName);
        files_.push_back(disabled_ + fileName);
    }

    HWND List() const { return Control(IDC_FORM1_LISTVIEW1); }
    void ShowPage() {
        ASSERT_NO_FATAL_FAILURE(StartTalvane());
        ASSERT_TRUE(driver::Click(Control(IDC_FORM1_NAV_STARTUP)));
    }
    int Row(const std::string& caption) const {
        const auto row = driver::FindListViewRow(List(), caption);
        return row ? *row : -1;
    }
    void ToggleAndApply(const std::vector<std::string>& captions) {
        for (const std::string& caption : captions) {
            ASSERT_GE(Row(caption), 0) << caption;
            ASSERT_TRUE(driver::ToggleListViewCheckWithSpace(List(), Row(caption))) << caption;
        }
        EXPECT_TRUE(ApplyEnabled()) << "a changed check box is an unsaved change";
        ASSERT_TRUE(driver::Click(Control(IDC_FORM1_APPLY)));
        EXPECT_FALSE(ApplyEnabled()) << "every move was made";
    }

    std::string startup_;
    std::string disabled_;
    bool disabledExisted_ = false;
    std::vector<std::string> files_;
    std::vector<std::pair<HKEY, std::string>> values_;
};

TEST_F(StartupManager, ListsEveryPlantedItemWithItsSourceAndCheck) {
    const std::string notepad = driver::WindowsDirectory() + "\\notepad.exe";
    ASSERT_NO_FATAL_FAILURE(PlantFile(startup_, "TalvaneTest Plain.txt"));
    Forget("TalvaneTest Link.lnk");
    ASSERT_TRUE(driver::WriteShellLink(startup_ + "TalvaneTest Link.lnk", notepad, "/a"));
    Forget("TalvaneTest Folder");
    ASSERT_TRUE(driver::EnsureDirectory(startup_ + "TalvaneTest Folder"));
    ASSERT_NO_FATAL_FAILURE(PlantFile(disabled_, "TalvaneTest Parked.txt"));
    ASSERT_NO_FATAL_FAILURE(PlantValue(HKEY_CURRENT_USER, kRun, "TalvaneTest Sz", REG_SZ, "C:\\Tools\\app.exe -min"));
    ASSERT_NO_FATAL_FAILURE(
        PlantValue(HKEY_CURRENT_USER, kRun, "TalvaneTest Expand", REG_EXPAND_SZ, "%SystemRoot%\\notepad.exe"));
    ASSERT_NO_FATAL_FAILURE(PlantValue(HKEY_CURRENT_USER, kDisabledRun, "TalvaneTest Off", REG_SZ, "C:\\off.exe"));
    ASSERT_NO_FATAL_FAILURE(PlantValue(HKEY_LOCAL_MACHINE, kRun, "TalvaneTest Machine", REG_SZ, "C:\\m.exe"));
    ASSERT_NO_FATAL_FAILURE(ShowPage());

    struct Expected {
        const char* caption;
        const char* location;
        std::string command;
        bool checked;
    };
    const std::vector<Expected> expected = {
        {"TalvaneTest Link.lnk", "My Start Menu", notepad + " /a", true},
        {"TalvaneTest Folder", "My Start Menu", "", true},
        {"TalvaneTest Plain.txt", "My Start Menu", "", true},
        {"TalvaneTest Parked.txt", "My Start Menu", "", false},
        {"TalvaneTest Sz", "My Registry", "C:\\Tools\\app.exe -min", true},
        {"TalvaneTest Expand", "My Registry", "%SystemRoot%\\notepad.exe", true},
        {"TalvaneTest Off", "My Registry", "C:\\off.exe", false},
        {"TalvaneTest Machine", "All Users Registry", "C:\\m.exe", true},
    };
    // The order of the stores and the file filter are the model's, proven natively.
    for (const Expected& item : expected) {
        const int row = Row(item.caption);
        ASSERT_GE(row, 0) << item.caption << " is not listed";
        const auto columns = driver::ListViewRow(List(), row);
        ASSERT_TRUE(columns && columns->size() == 3u) << item.caption;
        EXPECT_EQ((*columns)[1], item.location) << item.caption;
        if (!item.command.empty()) {
            EXPECT_TRUE(driver::SamePath((*columns)[2], item.command)) << item.caption << ": " << (*columns)[2];
        }
        EXPECT_EQ(driver::ListViewItemChecked(List(), row), item.checked) << item.caption;
    }
    EXPECT_FALSE(ApplyEnabled()) << "listing is no change";
    EXPECT_FALSE(IsWindowEnabled(Control(IDC_FORM1_SPEEDBUTTON45))) << "nothing is selected yet";
    SaveScreenshot(app_->Main(), "page_startup_items");

    // Entering the page again rebuilds the list from the stores, and Apply stays as the user left it.
    ASSERT_TRUE(driver::ToggleListViewCheckWithSpace(List(), Row("TalvaneTest Sz")));
    ASSERT_TRUE(ApplyEnabled());
    ASSERT_TRUE(driver::Click(Control(IDC_FORM1_NAV_OPTIMIZER)));
    ASSERT_TRUE(driver::Click(Control(IDC_FORM1_NAV_STARTUP)));
    EXPECT_EQ(driver::ListViewItemChecked(List(), Row("TalvaneTest Sz")), true);
    EXPECT_TRUE(ApplyEnabled());
    // Cancel leaves without moving anything.
    ASSERT_TRUE(driver::PostClick(Control(IDC_FORM1_CANCEL)));
    EXPECT_EQ(app_->Proc().WaitForExit(5000), DWORD{0});
    EXPECT_TRUE(driver::ReadRegistryValue(HKEY_CURRENT_USER, kRun, "TalvaneTest Sz"));
}

TEST_F(StartupManager, ApplyParksAFileAndAValueAndBringsThemBackUnchanged) {
    ASSERT_NO_FATAL_FAILURE(PlantFile(startup_, "TalvaneTest Move.txt"));
    const std::string data = "%SystemRoot%\\" + std::string(300, 'x') + ".exe";
    ASSERT_NO_FATAL_FAILURE(PlantValue(HKEY_CURRENT_USER, kRun, "TalvaneTest Move", REG_EXPAND_SZ, data));
    const auto planted = driver::ReadRegistryValue(HKEY_CURRENT_USER, kRun, "TalvaneTest Move");
    ASSERT_TRUE(planted);
    ASSERT_NO_FATAL_FAILURE(ShowPage());

    ASSERT_NO_FATAL_FAILURE(ToggleAndApply({"TalvaneTest Move.txt", "TalvaneTest Move"}));
    EXPECT_TRUE(driver::FileExists(disabled_ + "TalvaneTest Move.txt"));
    EXPECT_FALSE(driver::FileExists(startup_ + "TalvaneTest Move.txt"));
    EXPECT_FALSE(driver::ReadRegistryValue(HKEY_CURRENT_USER, kRun, "TalvaneTest Move"));
    const auto unchanged = [&](const char* key) {
        const auto value = driver::ReadRegistryValue(HKEY_CURRENT_USER, key, "TalvaneTest Move");
        return value && value->type == planted->type && value->data == planted->data;
    };
    EXPECT_TRUE(unchanged(kDisabledRun)) << "the value is lost or changed";

    ASSERT_NO_FATAL_FAILURE(ToggleAndApply({"TalvaneTest Move.txt", "TalvaneTest Move"}));
    EXPECT_TRUE(driver::FileExists(startup_ + "TalvaneTest Move.txt"));
    EXPECT_TRUE(unchanged(kRun)) << "the value is lost or changed";
    EXPECT_FALSE(driver::ReadRegistryValue(HKEY_CURRENT_USER, kDisabledRun, "TalvaneTest Move"));
    if (!disabledExisted_) {
        EXPECT_FALSE(driver::FolderExists(disabled_)) << "an empty Disabled Startup folder stays";
    }
}

TEST_F(StartupManager, DeleteAsksAndRemovesOnlyTheChosenItemOfTwoWithOneName) {
    ASSERT_NO_FATAL_FAILURE(PlantValue(HKEY_CURRENT_USER, kRun, "TalvaneTest Twin", REG_SZ, "C:\\on.exe"));
    ASSERT_NO_FATAL_FAILURE(PlantValue(HKEY_CURRENT_USER, kDisabledRun, "TalvaneTest Twin", REG_SZ, "C:\\off.exe"));
    ASSERT_NO_FATAL_FAILURE(ShowPage());
    const int row = Row("TalvaneTest Twin");
    ASSERT_GE(row, 0);
    ASSERT_TRUE(driver::SelectListViewRow(List(), row));
    ASSERT_TRUE(
        driver::WaitUntil([&] { return IsWindowEnabled(Control(IDC_FORM1_SPEEDBUTTON45)) != FALSE; }, kReactMs));
    const auto rows = driver::ListViewItemCount(List());

    for (const int answer : {IDNO, IDYES}) {
        ASSERT_TRUE(driver::PostClick(Control(IDC_FORM1_SPEEDBUTTON45)));
        EXPECT_EQ(AnswerBox(answer), "Are you sure want to delete TalvaneTest Twin");
        const int expectedRows = answer == IDNO ? *rows : *rows - 1;
        app_->Proc().WaitForIdle(kReactMs);
        EXPECT_TRUE(driver::WaitUntil([&] { return driver::ListViewItemCount(List()) == expectedRows; }, kReactMs));
        EXPECT_EQ(driver::ReadRegistryValue(HKEY_CURRENT_USER, kRun, "TalvaneTest Twin").has_value(), answer == IDNO);
    }
    EXPECT_EQ(driver::ReadRegistryString(HKEY_CURRENT_USER, kDisabledRun, "TalvaneTest Twin"), "C:\\off.exe")
        << "the other item of that name was touched";
    EXPECT_GE(Row("TalvaneTest Twin"), 0) << "the other row went too";
    EXPECT_FALSE(ApplyEnabled());
}

TEST_F(StartupManager, AddItemCreatesALinkAndARunValueThatListAtOnce) {
    Forget("TalvaneTest Added.lnk");
    values_.emplace_back(HKEY_LOCAL_MACHINE, "TalvaneTest Added");
    ASSERT_NO_FATAL_FAILURE(ShowPage());
    ASSERT_TRUE(driver::PostClick(Control(IDC_FORM1_SPEEDBUTTON46)));
    const HWND dialog = driver::WaitForTopLevelWindow({app_->Proc().Id(), "TForm2", nullptr, true}, kReactMs);
    ASSERT_NE(dialog, nullptr) << "Add Item opened no dialog";
    EXPECT_EQ(driver::CaptionOf(dialog), "Add Startup Item");
    const auto field = [&](int id) { return driver::FindControl(dialog, id); };
    const HWND create = field(IDC_FORM2_SPEEDBUTTON2);
    const auto sources = driver::ReadCombo(field(IDC_FORM2_COMBOBOX1));
    ASSERT_TRUE(sources);
    const std::map<std::string, int> offered = {{"win98", 2}, {"winme", 3}};
    EXPECT_EQ(sources->count, offered.count(Config().mode) != 0 ? offered.at(Config().mode) : 4)
        << "sources offered on " << Config().mode;
    EXPECT_EQ(sources->selected_text, "My Start Menu");
    EXPECT_FALSE(IsWindowEnabled(create));
    SaveScreenshot(dialog, "dialog_add_item");

    const std::string notepad = driver::WindowsDirectory() + "\\notepad.exe";
    const auto add = [&](const char* name, const std::string& location, const char* source) {
        ASSERT_TRUE(driver::SendWithTimeout(field(IDC_FORM2_EDIT1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name)));
        ASSERT_TRUE(
            driver::SendWithTimeout(field(IDC_FORM2_EDIT2), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(location.c_str())));
        ASSERT_TRUE(driver::SendWithTimeout(field(IDC_FORM2_COMBOBOX1), CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                            reinterpret_cast<LPARAM>(source)));
        ASSERT_TRUE(IsWindowEnabled(create)) << "both fields are filled";
        ASSERT_TRUE(driver::Click(create));
        EXPECT_EQ(driver::ReadText(field(IDC_FORM2_EDIT1)), "") << "the fields stay after a create";
    };
    ASSERT_NO_FATAL_FAILURE(add("TalvaneTest Added", notepad + " -x", "My Start Menu"));
    EXPECT_TRUE(driver::FileExists(startup_ + "TalvaneTest Added.lnk"));
    EXPECT_GE(Row("TalvaneTest Added.lnk"), 0) << "the new link is not listed at once";
    ASSERT_NO_FATAL_FAILURE(add("TalvaneTest Added", "C:\\x.exe /s", "All Users Registry"));
    EXPECT_EQ(driver::ReadRegistryString(HKEY_LOCAL_MACHINE, kRun, "TalvaneTest Added"), "C:\\x.exe /s");
    EXPECT_GE(Row("TalvaneTest Added"), 0) << "the new value is not listed at once";

    ASSERT_TRUE(driver::Click(field(IDC_FORM2_SPEEDBUTTON7)));
    EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindowVisible(dialog); }, kReactMs));
    EXPECT_FALSE(ApplyEnabled()) << "an added item is no unsaved change";
}

}  // namespace
}  // namespace talvane::gui_test
