#include "startup/startup_items.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "fakes/fake_files.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_shell_links.h"

namespace talvane {
namespace {

using platform::RootKey;
using Bytes = std::vector<std::uint8_t>;

constexpr const char* kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kDisabledRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Disabled Run";
constexpr const char* kStartup = "C:\\Me\\Programs\\Startup\\";
constexpr const char* kDisabled = "C:\\Me\\Programs\\Disabled Startup\\";
constexpr const char* kAllStartup = "C:\\All\\Programs\\Startup\\";
constexpr const char* kAllDisabled = "C:\\All\\Programs\\Disabled Startup\\";

StartupFacts Folders() {
    StartupFacts facts;
    facts.startupDir = kStartup;
    facts.programsDir = "C:\\Me\\Programs\\";
    facts.commonStartupDir = kAllStartup;
    facts.commonProgramsDir = "C:\\All\\Programs\\";
    return facts;
}

// One line per row: name, source, store, command.
std::vector<std::string> Rows(const std::vector<StartupItem>& items) {
    std::vector<std::string> rows;
    for (const StartupItem& item : items) {
        rows.push_back(item.name + "|" + SourceLabel(item.source) + "|" + (item.enabled ? "on" : "off") + "|" +
                       item.command);
    }
    return rows;
}

// A machine with the four folders known and nothing in them.
struct Machine {
    fakes::FakeFiles files;
    fakes::CallLog log;
    fakes::FakeRegistry registry{&log};
    fakes::FakeShellLinks links{files};
    StartupFacts facts = Folders();
    StartupStores stores{files, registry, links, facts};
    SaveReport report;

    // Lists, then applies the checks `wanted` (one per row); the rows as they are afterwards.
    std::vector<StartupItem> ListAndApply(const std::vector<bool>& wanted) {
        std::vector<StartupItem> items = stores.List();
        stores.Apply(items, wanted, report);
        return items;
    }
};

TEST(StartupItemsTest, ListsTheEightStoresInOrderAndFiltersTheFolders) {
    Machine m;
    // Arranged out of order, so that only the listing puts the blocks in theirs.
    m.registry.PutText(RootKey::LocalMachine, kDisabledRun, "h", "H.exe");
    m.registry.PutText(RootKey::LocalMachine, kRun, "g", "G.exe");
    m.registry.PutValue(RootKey::CurrentUser, kDisabledRun, "f", platform::kRegBinary, {'F', 0, 'x'});
    m.registry.PutText(RootKey::CurrentUser, kRun, "z", "C:\\Z.exe -q");
    m.registry.PutText(RootKey::CurrentUser, kRun, "a", "A.exe");
    m.links.AddLink(std::string(kAllDisabled) + "e.lnk", "E.exe", "");
    m.links.AddLink(std::string(kAllStartup) + "d.lnk", "D.exe", "-d");
    m.files.AddFile(std::string(kDisabled) + "DeskTop.INI");
    m.links.AddLink(std::string(kDisabled) + "c.lnk", "C.exe", "/q");
    m.links.AddLink(std::string(kStartup) + "b.lnk", "C:\\B.exe", "");
    m.files.AddFile(std::string(kStartup) + "desktop.ini");
    m.files.AddFolder(std::string(kStartup) + "Sub");
    m.files.AddFile(std::string(kStartup) + "plain.txt");

    const std::vector<StartupItem> items = m.stores.List();
    EXPECT_EQ(Rows(items), (std::vector<std::string>{
                               "b.lnk|My Start Menu|on|C:\\B.exe ",
                               "Sub|My Start Menu|on|",
                               "plain.txt|My Start Menu|on| ",
                               "c.lnk|My Start Menu|off|C.exe /q",
                               "d.lnk|All Users Start Menu|on|D.exe -d",
                               "e.lnk|All Users Start Menu|off|E.exe ",
                               "z|My Registry|on|C:\\Z.exe -q",
                               "a|My Registry|on|A.exe",
                               "f|My Registry|off|F",
                               "g|All Users Registry|on|G.exe",
                               "h|All Users Registry|off|H.exe",
                           }));
    EXPECT_EQ(items[0].iconPath, std::string(kStartup) + "b.lnk");
    EXPECT_EQ(items[6].iconPath, "C:\\Z.exe ");
    EXPECT_EQ(m.registry.OpenHandles(), 0);
}

TEST(StartupItemsTest, ListsAllUsersFilesOnlyFromAStartupFolderThatExistsAndIsMoreThanADrive) {
    const struct {
        const char* commonStartupDir;
        bool exists;
        std::size_t rows;
    } cases[] = {
        {kAllStartup, true, 2},
        {kAllStartup, false, 0},
        {"C:\\", true, 0},
        {"", false, 0},
    };
    for (const auto& c : cases) {
        fakes::FakeFiles folders;
        fakes::FakeRegistry empty;
        fakes::FakeShellLinks none{folders};
        StartupFacts common = Folders();
        common.commonStartupDir = c.commonStartupDir;
        folders.AddFile(std::string(kAllDisabled) + "parked.lnk");
        if (c.exists) {
            folders.AddFile(std::string(c.commonStartupDir) + "x.lnk");
        }
        EXPECT_EQ(StartupStores(folders, empty, none, common).List().size(), c.rows) << c.commonStartupDir;
    }
}

TEST(StartupItemsSplitTest, ProgramPartEndsBeforeTheFirstSlashOrDash) {
    const struct {
        const char* text;
        const char* program;
    } cases[] = {
        {"C:\\Tools\\app.exe -min", "C:\\Tools\\app.exe "},
        {"C:\\My-Tools\\x.exe", "C:\\My"},
        {"\"C:\\a b\\x.exe\" /s -t", "\"C:\\a b\\x.exe\" "},
        {"C:\\x.exe", "C:\\x.exe"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProgramPartOf(c.text), c.program) << c.text;
    }
}

TEST(StartupItemsTest, DisablingAndEnablingAgainKeepsAValueExactly) {
    const struct {
        const char* name;
        std::uint32_t type;
        Bytes data;
    } cases[] = {
        {"expandable", platform::kRegExpandSz, {'%', 'W', '%', '\\', 'x', '.', 'e', 'x', 'e', 0}},
        {"600 characters", platform::kRegSz, Bytes(600, 'c')},
        {"binary", platform::kRegBinary, {0, 1, 0, 0xff}},
    };
    for (const auto& c : cases) {
        Machine m;
        m.registry.PutValue(RootKey::LocalMachine, kRun, c.name, c.type, c.data);
        std::vector<StartupItem> items = m.stores.List();
        ASSERT_EQ(items.size(), 1u) << c.name;

        m.stores.Apply(items, {false}, m.report);
        const auto parked = m.registry.Get(RootKey::LocalMachine, kDisabledRun, c.name);
        ASSERT_TRUE(parked) << c.name;
        EXPECT_EQ(parked->type, c.type) << c.name;
        EXPECT_EQ(parked->data, c.data) << c.name;
        EXPECT_FALSE(m.registry.Get(RootKey::LocalMachine, kRun, c.name)) << c.name;
        EXPECT_FALSE(items[0].enabled) << c.name;

        m.stores.Apply(items, {true}, m.report);
        const auto back = m.registry.Get(RootKey::LocalMachine, kRun, c.name);
        ASSERT_TRUE(back) << c.name;
        EXPECT_EQ(back->type, c.type) << c.name;
        EXPECT_EQ(back->data, c.data) << c.name;
        EXPECT_FALSE(m.registry.Get(RootKey::LocalMachine, kDisabledRun, c.name)) << c.name;
        EXPECT_TRUE(items[0].enabled) << c.name;
        EXPECT_TRUE(m.report.Empty()) << m.report.Message();
    }
}

TEST(StartupItemsTest, AFileMovesToItsDisabledFolderAndBackWhichGoesAgainWhenEmpty) {
    Machine m;
    m.links.AddLink(std::string(kStartup) + "x.lnk", "X.exe", "/a");
    std::vector<StartupItem> items = m.ListAndApply({false});
    EXPECT_EQ(Rows(m.stores.List()), (std::vector<std::string>{"x.lnk|My Start Menu|off|X.exe /a"}));
    EXPECT_FALSE(items[0].enabled);

    m.stores.Apply(items, {true}, m.report);
    EXPECT_EQ(Rows(m.stores.List()), (std::vector<std::string>{"x.lnk|My Start Menu|on|X.exe /a"}));
    EXPECT_FALSE(m.files.FolderExists(kDisabled));
    EXPECT_FALSE(m.files.FolderExists(kAllDisabled));
    EXPECT_TRUE(m.report.Empty()) << m.report.Message();
}

// Each move that cannot be made leaves every store as it was, keeps the row's store and says why.
TEST(StartupItemsTest, AMoveThatCannotBeMadeMovesNothingAndIsReported) {
    const struct {
        const char* name;
        std::function<void(Machine&)> arrange;
        std::vector<bool> wanted;
        std::string line;
    } cases[] = {
        {"the destination cannot be written",
         [](Machine& t) {
             t.registry.PutText(RootKey::CurrentUser, kRun, "Tool", "T.exe");
             t.registry.FailValueWrite(RootKey::CurrentUser, kDisabledRun, "Tool", platform::kErrorAccessDenied);
         },
         {false},
         "Disable \"Tool\" (My Registry): access was denied."},
        {"one name in both stores, one of them disabled",
         [](Machine& t) {
             t.registry.PutText(RootKey::CurrentUser, kRun, "Tool", "One.exe");
             t.registry.PutText(RootKey::CurrentUser, kDisabledRun, "Tool", "Other.exe");
         },
         {false, false},
         "Disable \"Tool\" (My Registry): a value of that name is already in \"Disabled Run\"."},
        {"the source keeps the value",
         [](Machine& t) {
             t.registry.PutText(RootKey::CurrentUser, kDisabledRun, "Tool", "T.exe");
             t.registry.FailValueWrite(RootKey::CurrentUser, kDisabledRun, "Tool", platform::kErrorAccessDenied);
         },
         {true},
         "Enable \"Tool\" (My Registry): it could not be taken out of \"Disabled Run\" (access was denied)."},
        {"no administrator rights",
         [](Machine& t) {
             t.registry.PutText(RootKey::LocalMachine, kRun, "Tool", "T.exe");
             t.registry.ProtectRoot(RootKey::LocalMachine);
         },
         {false},
         "Disable \"Tool\" (All Users Registry): machine-wide settings need administrator rights."},
        {"a file of that name is parked already",
         [](Machine& t) {
             t.links.AddLink(std::string(kDisabled) + "x.lnk", "Old.exe", "");
             t.links.AddLink(std::string(kStartup) + "x.lnk", "New.exe", "");
         },
         {true, true},
         "Enable \"x.lnk\" (My Start Menu): a file of that name is already in \"C:\\Me\\Programs\\Startup\"."},
        {"a file that will not move",
         [](Machine& t) {
             t.files.AddFile(std::string(kAllStartup) + "x.exe");
             t.files.FailPath(std::string(kAllStartup) + "x.exe", platform::kErrorAccessDenied);
         },
         {false},
         "Disable \"x.exe\" (All Users Start Menu): machine-wide settings need administrator rights."},
    };
    for (const auto& c : cases) {
        Machine t;
        c.arrange(t);
        const std::vector<StartupItem> listed = t.stores.List();
        const std::vector<StartupItem> after = t.ListAndApply(c.wanted);
        EXPECT_EQ(Rows(after), Rows(listed)) << c.name;
        EXPECT_EQ(Rows(t.stores.List()), Rows(listed)) << c.name;
        EXPECT_EQ(t.report.Message(), "These changes could not be made:\n" + c.line) << c.name;
    }
}

TEST(StartupItemsTest, OnlyRowsWhoseCheckDisagreesWithTheirStoreMove) {
    Machine m;
    m.registry.PutText(RootKey::CurrentUser, kRun, "Tool", "One.exe");
    m.registry.PutText(RootKey::CurrentUser, kDisabledRun, "Tool", "Other.exe");
    m.log.Clear();
    m.ListAndApply({true, false});  // both toggled and toggled back
    EXPECT_TRUE(m.log.Entries().empty());
    EXPECT_TRUE(m.report.Empty());
}

TEST(StartupItemsTest, DeleteRemovesTheItemFromItsOwnStoreOnly) {
    const struct {
        const char* name;
        std::function<void(Machine&)> arrange;
        std::size_t row;
        bool deleted;
        std::vector<std::string> left;
        std::string line;
    } cases[] = {
        {"a parked value",
         [](Machine& t) {
             t.registry.PutText(RootKey::CurrentUser, kRun, "Tool", "One.exe");
             t.registry.PutText(RootKey::CurrentUser, kDisabledRun, "Tool", "Other.exe");
         },
         1,
         true,
         {"Tool|My Registry|on|One.exe"},
         ""},
        {"an enabled file",
         [](Machine& t) {
             t.links.AddLink(std::string(kStartup) + "x.lnk", "One.exe", "");
             t.links.AddLink(std::string(kDisabled) + "x.lnk", "Other.exe", "");
         },
         0,
         true,
         {"x.lnk|My Start Menu|off|Other.exe "},
         ""},
        {"a value that will not go",
         [](Machine& t) {
             t.registry.PutText(RootKey::CurrentUser, kRun, "Tool", "One.exe");
             t.registry.FailValueWrite(RootKey::CurrentUser, kRun, "Tool", platform::kErrorAccessDenied);
         },
         0,
         false,
         {"Tool|My Registry|on|One.exe"},
         "These changes could not be made:\nDelete \"Tool\" (My Registry): access was denied."},
    };
    for (const auto& c : cases) {
        Machine t;
        c.arrange(t);
        const std::vector<StartupItem> listed = t.stores.List();
        EXPECT_EQ(t.stores.Delete(listed.at(c.row), t.report), c.deleted) << c.name;
        EXPECT_EQ(Rows(t.stores.List()), c.left) << c.name;
        EXPECT_EQ(t.report.Message(), c.line) << c.name;
        // Gone now, and so gone when asked again.
        EXPECT_EQ(t.stores.Delete(listed.at(c.row), t.report), c.deleted) << c.name;
    }
}

TEST(StartupSourcesTest, TheAddDialogOffersTheSourcesOfTheFamily) {
    using S = StartupSource;
    const std::vector<S> notMine{S::MyStartMenu, S::AllUsersStartMenu, S::AllUsersRegistry};
    const std::vector<S> all{S::MyStartMenu, S::AllUsersStartMenu, S::MyRegistry, S::AllUsersRegistry};
    const struct {
        WindowsFamily family;
        std::vector<S> offered;
    } cases[] = {
        {WindowsFamily::Other9x, notMine},     {WindowsFamily::Win98, {S::MyStartMenu, S::AllUsersRegistry}},
        {WindowsFamily::WinMe, notMine},       {WindowsFamily::NT4, notMine},
        {WindowsFamily::Win2000, all},         {WindowsFamily::WinXP, all},
        {WindowsFamily::Unsupported, notMine},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SourcesOffered(c.family), c.offered) << static_cast<int>(c.family);
    }
}

TEST(StartupItemsTest, CreateSplitsTheLocationForALinkAndKeepsItWholeForAValue) {
    Machine m;
    m.files.AddFolder(kStartup);
    EXPECT_TRUE(m.stores.Create("Tool", "C:\\My-Tools\\x.exe /s", "My Start Menu", m.report));
    ASSERT_EQ(m.links.written.size(), 1u);
    const platform::LinkRequest& link = m.links.written[0];
    EXPECT_EQ(link.target, "C:\\My");
    EXPECT_EQ(link.arguments, "-Tools\\x.exe /s");
    EXPECT_EQ(link.linkFile, std::string(kStartup) + "Tool.lnk");
    EXPECT_EQ(link.workingDirectory, "C:\\My-Tools\\");
    EXPECT_EQ(link.iconFile, "C:\\My");

    EXPECT_TRUE(m.stores.Create("Tool", "C:\\My-Tools\\x.exe /s", "All Users Registry", m.report));
    const auto value = m.registry.Get(RootKey::LocalMachine, kRun, "Tool");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, platform::kRegSz);
    EXPECT_EQ(std::string(value->data.begin(), value->data.end()), "C:\\My-Tools\\x.exe /s");

    EXPECT_EQ(Rows(m.stores.List()), (std::vector<std::string>{"Tool.lnk|My Start Menu|on|C:\\My -Tools\\x.exe /s",
                                                               "Tool|All Users Registry|on|C:\\My-Tools\\x.exe /s"}));
    EXPECT_TRUE(m.report.Empty()) << m.report.Message();
}

TEST(StartupItemsTest, ACreateThatFailsSaysWhyAndCreatesNothing) {
    const struct {
        const char* name;
        std::string itemName;
        const char* label;
        std::function<void(Machine&)> arrange;
        std::string line;
    } cases[] = {
        {"no such folder", "Tool", "All Users Start Menu", [](Machine&) {},
         "Add \"Tool\" (All Users Start Menu): the folder \"C:\\All\\Programs\\Startup\" does not exist."},
        {"the link is not saved", "Tool", "My Start Menu",
         [](Machine& t) { t.links.writeStatus = platform::kErrorAccessDenied; },
         "Add \"Tool\" (My Start Menu): access was denied."},
        {"no administrator rights", "Tool", "All Users Registry",
         [](Machine& t) { t.registry.ProtectRoot(RootKey::LocalMachine); },
         "Add \"Tool\" (All Users Registry): machine-wide settings need administrator rights."},
        {"a typed place", "Tool", "Desktop", [](Machine&) {},
         "Add \"Tool\" (Desktop): choose one of the listed places."},
        {"a name that leaves the folder", "..\\..\\Tool", "My Start Menu", [](Machine&) {},
         "Add \"..\\..\\Tool\" (My Start Menu): a name may not hold any of \\ / : * ? \" < > |."},
    };
    for (const auto& c : cases) {
        Machine t;
        t.files.AddFolder(kStartup);
        c.arrange(t);
        EXPECT_FALSE(t.stores.Create(c.itemName, "C:\\x.exe", c.label, t.report)) << c.name;
        EXPECT_TRUE(t.stores.List().empty()) << c.name;
        EXPECT_EQ(t.report.Message(), "These changes could not be made:\n" + c.line) << c.name;
    }
}

}  // namespace
}  // namespace talvane
