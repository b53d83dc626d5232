// The System Information page end to end: the machine's facts, a process of the test's own in the process list,
// its priority set and its end asked for, and the memory figures.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>

#include "control_ids.h"
#include "driver/gui_driver.h"
#include "gui_fixture.h"

namespace talvane::gui_test {
namespace {

namespace driver = wine_driver;

class SystemInfo : public StartedTalvaneTest {
protected:
    HWND Tabs() const { return Control(IDC_FORM1_PAGECONTROL); }
    HWND Processes() const { return Control(IDC_FORM1_LISTVIEW4); }
    void ShowTab(int tab) {
        ASSERT_TRUE(driver::Click(Control(IDC_FORM1_NAV_SYSINFO)));
        if (tab > 0) {
            ASSERT_EQ(driver::PressTabKeys(Tabs(), tab), tab) << "the arrow keys did not change the tab";
        }
    }
    // The value beside a caption of a two-column list.
    std::string Value(int listId, const std::string& caption) const {
        const auto row = driver::FindListViewRow(Control(listId), caption);
        return row ? driver::ListViewItemText(Control(listId), *row, 1).value_or("") : "<no row " + caption + ">";
    }
    // The row of the fake engine, selected as a click would.
    int SelectEngineRow() const {
        const auto row = driver::FindListViewRow(Processes(), std::to_string(engine_->Proc().Id()), 1);
        EXPECT_TRUE(row) << "the test's process is not listed";
        EXPECT_TRUE(row && driver::SelectListViewRow(Processes(), *row));
        return row.value_or(-1);
    }
    bool ProcessButtonsEnabled() const {
        return IsWindowEnabled(Control(IDC_FORM1_SPEEDBUTTON60)) && IsWindowEnabled(Control(IDC_FORM1_KILL));
    }
    // Presses Kill Process and returns what the question says, after answering it.
    std::string Kill(int answer) {
        EXPECT_TRUE(driver::PostClick(Control(IDC_FORM1_KILL)));
        return AnswerBox(answer);
    }
    const WindowsFamily family_ = FamilyOfMode(Config().mode);
};

TEST_F(SystemInfo, WindowsTabShowsTheMachineAndAnUptimeThatTicks) {
    ASSERT_NO_FATAL_FAILURE(ShowTab(0));
    EXPECT_EQ(driver::SendWithTimeout(Tabs(), TCM_GETCURSEL, 0, 0), 0);
    char computer[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof(computer);
    ASSERT_TRUE(GetComputerNameA(computer, &size));
    EXPECT_EQ(Value(IDC_FORM1_LISTVIEW3, "Computer Name"), computer);
    const std::map<std::string, std::string> versions = {{"win95", "Windows 95 4.0"},  {"win98", "Windows 98 4.10"},
                                                         {"winme", "Windows Me 4.90"}, {"nt40", "Windows NT 4.0"},
                                                         {"win2k", "Windows 2000"},    {"winxp", "Windows XP"},
                                                         {"winxp64", "Windows XP"},    {"win7", "Windows 7"},
                                                         {"win10", "Windows 10"},      {"win10x64", "Windows 10"}};
    const std::string version = Value(IDC_FORM1_LISTVIEW3, "Version");
    EXPECT_EQ(version.rfind(versions.at(Config().mode), 0), 0u) << version;

    const std::string uptime = Value(IDC_FORM1_LISTVIEW3, "System Up Time");
    EXPECT_NE(uptime.find(" seconds"), std::string::npos) << uptime;
    EXPECT_TRUE(driver::WaitUntil([&] { return Value(IDC_FORM1_LISTVIEW3, "System Up Time") != uptime; }, 2500))
        << "the up-time stood still";
    SaveScreenshot(app_->Main(), "page_sysinfo_windows");
}

TEST_F(SystemInfo, ProcessListShowsATestProcessAndSetsItsPriority) {
    ASSERT_NO_FATAL_FAILURE(StartFakeEngine());
    ASSERT_NO_FATAL_FAILURE(ShowTab(1));
    if (family_ == WindowsFamily::kWithoutTweaks) {
        EXPECT_EQ(driver::ListViewItemCount(Processes()), 0) << "no process list on " << Config().mode;
        return;
    }
    EXPECT_EQ(driver::ListViewColumnCount(Processes()), 5);
    EXPECT_FALSE(ProcessButtonsEnabled()) << "no row is selected yet";
    const int row = SelectEngineRow();
    ASSERT_GE(row, 0);
    if (family_ != WindowsFamily::kNt) {
        EXPECT_EQ(driver::ListViewItemText(Processes(), row, 3), "") << "98 and Me report no memory use";
        EXPECT_EQ(driver::ListViewItemText(Processes(), row, 4), "") << "nor threads";
    }
    EXPECT_TRUE(ProcessButtonsEnabled());
    const std::string name = driver::ListViewItemText(Processes(), row, 0).value_or("");
    EXPECT_NE(name.find("fake_engine.exe"), std::string::npos) << name;

    ASSERT_TRUE(driver::PostClick(Control(IDC_FORM1_SPEEDBUTTON60)));
    const HWND dialog = driver::WaitForTopLevelWindow({app_->Proc().Id(), "TForm2", nullptr, true}, kReactMs);
    ASSERT_NE(dialog, nullptr) << "Set Priority opened no dialog";
    EXPECT_EQ(driver::CaptionOf(dialog), "Set Priority");
    EXPECT_EQ(driver::ReadText(driver::FindControl(dialog, IDC_FORM2_EDIT3)), name);
    const HWND choice = driver::FindControl(dialog, IDC_FORM2_COMBOBOX2);
    // Wine's 9x snapshot gives no real base priority (tests/wine/README.md): only NT's rows read true there.
    const bool truePriorities = family_ == WindowsFamily::kNt;
    if (truePriorities) {
        EXPECT_EQ(driver::ReadCombo(choice)->selected_text, "Normal priority");
    }
    ASSERT_TRUE(driver::SendWithTimeout(choice, CB_SETCURSEL, 2, 0));
    ASSERT_TRUE(driver::Click(driver::FindControl(dialog, IDC_FORM2_SPEEDBUTTON4)));
    EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindowVisible(dialog); }, kReactMs));
    EXPECT_EQ(GetPriorityClass(engine_->Proc().Handle()), DWORD{HIGH_PRIORITY_CLASS});
    const auto refilled = driver::FindListViewRow(Processes(), std::to_string(engine_->Proc().Id()), 1);
    ASSERT_TRUE(refilled);
    if (truePriorities) {
        EXPECT_EQ(driver::ListViewItemText(Processes(), *refilled, 2), "High") << "the list was not refilled";
    }
    EXPECT_FALSE(ProcessButtonsEnabled()) << "the refill selects nothing";
    SaveScreenshot(app_->Main(), "page_sysinfo_process");
}

TEST_F(SystemInfo, KillAsksFirstEndsTheProcessAndSaysWhenItCannot) {
    if (family_ == WindowsFamily::kWithoutTweaks) {
        GTEST_SKIP() << "no process list on " << Config().mode;
    }
    ASSERT_NO_FATAL_FAILURE(StartFakeEngine());
    ASSERT_NO_FATAL_FAILURE(ShowTab(1));
    ASSERT_GE(SelectEngineRow(), 0);
    EXPECT_EQ(Kill(IDYES).rfind("Do you want to Terminate \"", 0), 0u);
    EXPECT_TRUE(engine_->Proc().WaitForExit(5000)) << "Yes did not end the process";
    EXPECT_FALSE(driver::FindListViewRow(Processes(), std::to_string(engine_->Proc().Id()), 1)) << "its row stayed";
    EXPECT_FALSE(ProcessButtonsEnabled());

    // A process that ended after the list was filled, and of which nothing is left: Wine would still let it be
    // opened and "ended" while a handle to it remained.
    ASSERT_NO_FATAL_FAILURE(StartFakeEngine());
    ASSERT_TRUE(driver::Click(Control(IDC_FORM1_REFRESH)));
    ASSERT_GE(SelectEngineRow(), 0);
    const std::string ended = std::to_string(engine_->Proc().Id());
    ASSERT_TRUE(engine_->Close(5000));
    engine_.reset();
    EXPECT_EQ(Kill(IDYES).rfind("Do you want to Terminate \"", 0), 0u);
    EXPECT_EQ(AnswerBox(IDOK).rfind("Cannot terminate \"", 0), 0u);
    EXPECT_TRUE(driver::FindListViewRow(Processes(), ended, 1)) << "its row went";
}

TEST_F(SystemInfo, MemoryTabShowsTheMachinesMemory) {
    ASSERT_NO_FATAL_FAILURE(ShowTab(2));
    EXPECT_EQ(driver::ListViewItemCount(Control(IDC_FORM1_LISTVIEW12)), 6);
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof(status);
    ASSERT_TRUE(GlobalMemoryStatusEx(&status));
    const auto megabytes = static_cast<unsigned long long>(status.ullTotalPhys >> 20);
    const std::string total = Value(IDC_FORM1_LISTVIEW12, "Total Physical Memory");
    const unsigned long long shown = std::strtoull(total.c_str(), nullptr, 10);
    EXPECT_TRUE(shown > megabytes && shown <= megabytes + 4) << total << " for " << megabytes << " MB";
    EXPECT_EQ(total.substr(total.size() - 3), " MB");
    SaveScreenshot(app_->Main(), "page_sysinfo_memory");
}

}  // namespace
}  // namespace talvane::gui_test
