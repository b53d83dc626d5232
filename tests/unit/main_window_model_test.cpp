#include "shell/main_window_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "fakes/fake_page.h"

namespace talvane {
namespace {

constexpr int kNavOptimizer = 1;
constexpr int kNavStartup = 2;
constexpr int kNavTweak = 3;

// Pages as the shell lists them: tweak pages of both families, the start page and one more.
class MainWindowModelTest : public ::testing::Test {
protected:
    MainWindowModelTest() {
        facts.helpFilePath = "C:\\Talvane\\Help.chm";
        tweakNt.existsOn = IsNtFamily;
        tweak9x.existsOn = Is9xFamily;
        optimizer.onRead = [this] { model.MarkChanged(); };
        startup.usesFolders = true;
    }
    void Create(WindowsFamily family) {
        steps.emplace(log, facts, family);
        model.Create(*steps, report);
    }

    StartupFacts facts;
    fakes::CallLog log;
    fakes::FakePage tweakNt{log, "tweakNT", 104, kNavTweak};
    fakes::FakePage tweak9x{log, "tweak9x", 105, kNavTweak};
    fakes::FakePage optimizer{log, "optimizer", StartPanelId(), kNavOptimizer};
    fakes::FakePage startup{log, "startup", 102, kNavStartup};
    MainWindowModel model{facts, {&tweakNt, &tweak9x, &optimizer, &startup}};
    std::optional<fakes::FakeStartSteps> steps;
    SaveReport report;
};

// Only the start page is built at start; each other page of the family when it is first shown.
TEST_F(MainWindowModelTest, PagesAreBuiltAndReadWhenFirstShownAndApplyStaysAsItWas) {
    Create(WindowsFamily::Win98);
    EXPECT_EQ(log.Entries(),
              (std::vector<std::string>{"family", "sample", "directories", "install dir", "optimizer title controls",
                                        "optimizer build", "optimizer read", "optimizer started", "optimizer shown"}));
    EXPECT_EQ(model.Visible(), &optimizer);
    EXPECT_EQ(model.Title(), "optimizer title");
    EXPECT_TRUE(model.StatusTimerEnabled());
    EXPECT_FALSE(model.ApplyEnabled()) << "reading the settings is no change";
    EXPECT_EQ(model.Pages(), (std::vector<ui::Page*>{&optimizer}));

    startup.onRead = [this] { model.MarkChanged(); };  // reading moves its controls
    for (const bool dirty : {false, true}) {
        dirty ? model.MarkChanged() : model.ClearChanges();
        log.Clear();
        model.PressNav(kNavTweak);
        model.PressNav(kNavStartup);
        model.PressNav(kNavOptimizer);
        model.PressNav(kNavStartup);
        EXPECT_EQ(model.ApplyEnabled(), dirty);
        EXPECT_EQ(model.Pages(), (std::vector<ui::Page*>{&tweak9x, &optimizer, &startup})) << "in the list's order";
        EXPECT_EQ(std::count(log.Entries().begin(), log.Entries().end(), "startup build"), dirty ? 0 : 1)
            << "built once";
        const auto folders = std::find(log.Entries().begin(), log.Entries().end(), "folders");
        EXPECT_EQ(folders != log.Entries().end(), !dirty) << "read once, for the first page that uses them";
        if (!dirty) {
            EXPECT_EQ(*std::next(folders), "startup title controls") << "before that page is built";
        }
    }
}

TEST_F(MainWindowModelTest, NavigationShowsEachPageOnceAndNeverCountsAsAChange) {
    Create(WindowsFamily::WinXP);
    model.PressNav(kNavStartup);                        // built once
    startup.onShown = [this] { model.MarkChanged(); };  // refilling a list fires the user's handler
    for (const bool dirty : {false, true}) {
        model.PressNav(kNavOptimizer);
        dirty ? model.MarkChanged() : model.ClearChanges();
        log.Clear();
        model.PressNav(kNavStartup);
        model.PressNav(kNavStartup);
        EXPECT_FALSE(model.PressNav(999)) << "not an entry";
        EXPECT_EQ(log.Entries(), std::vector<std::string>{"startup shown"}) << "the shown entry does nothing";
        EXPECT_EQ(model.Visible(), &startup);
        EXPECT_EQ(model.Title(), "startup title");
        EXPECT_EQ(model.ApplyEnabled(), dirty);
    }
}

TEST_F(MainWindowModelTest, TweakEntryOpensThePageOfTheFamily) {
    const struct {
        WindowsFamily family;
        fakes::FakePage* page;
    } cases[] = {
        {WindowsFamily::Other9x, &optimizer},     {WindowsFamily::Win98, &tweak9x},   {WindowsFamily::WinMe, &tweak9x},
        {WindowsFamily::NT4, &optimizer},         {WindowsFamily::Win2000, &tweakNt}, {WindowsFamily::WinXP, &tweakNt},
        {WindowsFamily::Unsupported, &optimizer},
    };
    for (const auto& c : cases) {
        Create(c.family);
        EXPECT_TRUE(model.PressNav(kNavTweak)) << "the entry is there on every family";
        EXPECT_EQ(model.Visible(), c.page) << static_cast<int>(c.family);
    }
}

TEST_F(MainWindowModelTest, HelpAndQuickInfoFollowTheShownPage) {
    EXPECT_EQ(model.HelpAddress(), "C:\\Talvane\\Help.chm") << "the bare file before any page shows";
    Create(WindowsFamily::WinXP);
    EXPECT_EQ(model.HelpAddress(), "C:\\Talvane\\Help.chm::/optimizer.htm");
    model.PressNav(kNavStartup);
    EXPECT_EQ(model.HelpAddress(), "C:\\Talvane\\Help.chm::/startup.htm");

    optimizer.areaInfo = QuickInfoLines{"area", ""};
    model.PointerOver(StartPanelId());
    EXPECT_EQ(model.QuickInfo(), (QuickInfoLines{"area", ""}));
    model.PointerOver(102);  // a page without a description keeps the lines
    EXPECT_EQ(model.QuickInfo(), (QuickInfoLines{"area", ""}));
}

}  // namespace
}  // namespace talvane
