#include "shell/main_window_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace talvane {
namespace {

class RecordingPages : public PageActions {
public:
    std::vector<std::string> calls;
    MainWindowModel* model = nullptr;
    bool refillChangesSomething = false;

    void RepaintStartupList() override { calls.push_back("repaint"); }
    void RefillStartupList() override {
        calls.push_back("refill");
        // Filling check marks fires the same handler a user's click does.
        if (refillChangesSomething && model != nullptr) {
            model->MarkChanged();
        }
    }
    void DisableDeleteItem() override { calls.push_back("disable delete"); }
    void RefillSystemInfo() override { calls.push_back("refill system info"); }
    void HideNtTweakEditors() override { calls.push_back("hide editors"); }
};

class MainWindowModelTest : public ::testing::Test {
protected:
    MainWindowModelTest() {
        facts.family = WindowsFamily::WinXP;
        facts.helpFilePath = "C:\\Talvane\\Help.chm";
        sample.totalPhysMB = 512;
        sample.availPhysMB = 300;
        pages.model = &model;
    }
    StartupFacts facts;
    MemorySample sample;
    RecordingPages pages;
    MainWindowModel model{facts, sample, pages};
};

TEST_F(MainWindowModelTest, ShowingTheOptimizerSetsScaleFreeRamAndQuickInfo) {
    EXPECT_EQ(model.QuickInfo().first, "Detail");
    model.SelectPage(PageIndex::Optimizer);
    EXPECT_TRUE(model.PageVisible(PageIndex::Optimizer));
    EXPECT_EQ(model.Title(), "RAM Optimizer");
    EXPECT_EQ(model.ScaleTop(), "512");
    EXPECT_EQ(model.ScaleMiddle(), "256");
    EXPECT_EQ(model.ScaleBottom(), "0");
    EXPECT_EQ(model.FreeRamLine(), "Free RAM: 300 MB");
    EXPECT_EQ(model.QuickInfo().first, "Move your cursor to any item to get more information about it.");
    EXPECT_EQ(model.QuickInfo().second, "");
    EXPECT_TRUE(model.StatusTimerEnabled());
}

TEST_F(MainWindowModelTest, EachPageShowsAloneWithItsTitle) {
    const struct {
        PageIndex page;
        const char* title;
    } cases[] = {
        {PageIndex::Shortcut, "Create Shortcut"},      {PageIndex::Startup, "Startup Manager"},
        {PageIndex::SystemInfo, "System Information"}, {PageIndex::TweakNt, "Windows Tweak"},
        {PageIndex::Tweak9x, "Windows Tweak"},         {PageIndex::Optimizer, "RAM Optimizer"},
    };
    for (const auto& c : cases) {
        model.SelectPage(c.page);
        EXPECT_EQ(model.Title(), c.title);
        EXPECT_EQ(model.VisiblePage(), c.page);
        for (int i = 0; i < kPageCount; ++i) {
            EXPECT_EQ(model.PageVisible(static_cast<PageIndex>(i)), static_cast<int>(c.page) == i);
        }
    }
}

TEST_F(MainWindowModelTest, PressingTheShownEntryChangesNothing) {
    model.SelectPage(PageIndex::Optimizer);
    model.PointerOver(QuickInfoItem::TargetLabel);
    model.PressNav(NavEntry::Optimizer);
    EXPECT_EQ(model.QuickInfo().second, "reached. Usually, it is about 1/4 of your RAM.");

    model.PressNav(NavEntry::Startup);
    pages.calls.clear();
    model.PressNav(NavEntry::Startup);
    EXPECT_TRUE(pages.calls.empty()) << "the list is not refilled again";
}

TEST_F(MainWindowModelTest, StartupPageRefillKeepsTheApplyState) {
    pages.refillChangesSomething = true;
    for (const bool dirty : {false, true}) {
        model.SelectPage(PageIndex::Optimizer);
        if (dirty) {
            model.MarkChanged();
        } else {
            model.ClearChanges();
        }
        pages.calls.clear();
        model.PressNav(NavEntry::Startup);
        EXPECT_EQ(model.ApplyEnabled(), dirty);
        EXPECT_EQ(pages.calls, (std::vector<std::string>{"repaint", "refill", "repaint", "disable delete"}));
    }
}

TEST_F(MainWindowModelTest, SystemInfoStartsOnTheWindowsTab) {
    model.SelectSystemInfoTab(2);
    model.PressNav(NavEntry::SystemInfo);
    EXPECT_EQ(model.SystemInfoTab(), 0);
    EXPECT_EQ(pages.calls, std::vector<std::string>{"refill system info"});
}

TEST(MainWindowModelFamilyTest, TweakEntryOpensThePageOfTheFamily) {
    const struct {
        WindowsFamily family;
        std::optional<PageIndex> page;
    } cases[] = {
        {WindowsFamily::Other9x, std::nullopt},       {WindowsFamily::Win98, PageIndex::Tweak9x},
        {WindowsFamily::WinMe, PageIndex::Tweak9x},   {WindowsFamily::NT4, std::nullopt},
        {WindowsFamily::Win2000, PageIndex::TweakNt}, {WindowsFamily::WinXP, PageIndex::TweakNt},
        {WindowsFamily::Unsupported, std::nullopt},
    };
    for (const auto& c : cases) {
        StartupFacts facts;
        facts.family = c.family;
        MemorySample sample;
        RecordingPages pages;
        MainWindowModel model(facts, sample, pages);
        model.SelectPage(PageIndex::Optimizer);
        model.PressNav(NavEntry::Tweak);
        EXPECT_EQ(model.VisiblePage(), c.page.value_or(PageIndex::Optimizer)) << static_cast<int>(c.family);
        EXPECT_EQ(pages.calls.size(), c.page == PageIndex::TweakNt ? 1u : 0u);
    }
}

TEST_F(MainWindowModelTest, HelpTopicFollowsThePageAndTab) {
    const std::string file = "C:\\Talvane\\Help.chm";
    model.SelectPage(PageIndex::Optimizer);
    EXPECT_EQ(model.HelpAddress(), file + "::/RAM Optimizer.htm");
    model.SelectPage(PageIndex::Shortcut);
    EXPECT_EQ(model.HelpAddress(), file + "::/Shortcut.htm");
    model.SelectPage(PageIndex::Startup);
    EXPECT_EQ(model.HelpAddress(), file + "::/Startup.htm");
    model.SelectPage(PageIndex::TweakNt);
    EXPECT_EQ(model.HelpAddress(), file + "::/TweakNT.htm");
    model.SelectPage(PageIndex::Tweak9x);
    EXPECT_EQ(model.HelpAddress(), file + "::/Tweak9x.htm");
    model.SelectPage(PageIndex::SystemInfo);
    const char* tabs[] = {"::/Windows.htm", "::/Process.htm", "::/Memory.htm"};
    for (int tab = 0; tab < 3; ++tab) {
        model.SelectSystemInfoTab(tab);
        EXPECT_EQ(model.HelpAddress(), file + tabs[tab]);
    }
}

TEST_F(MainWindowModelTest, QuickInfoFollowsThePointer) {
    model.SelectPage(PageIndex::Optimizer);
    model.PointerOver(QuickInfoItem::TargetLabel);
    EXPECT_EQ(model.QuickInfo().first,
              "Define amounts of RAM that Talvane will try to recover when the minimum level is ");
    model.PointerOver(QuickInfoItem::OptimizerArea);
    EXPECT_EQ(model.QuickInfo().first, "Move your cursor to any item to get more information about it.");
    EXPECT_EQ(model.QuickInfo().second, "");
    model.PointerOver(QuickInfoItem::DiskCacheCheck);
    EXPECT_EQ(model.QuickInfo().second, "at one time. Recommended size: 128 MB.");
}

}  // namespace
}  // namespace talvane
