#include "startup/startup_items.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// One line per row: name, source, store, command; Machine::Plant takes the same.
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

    // "name|source|on|text", as Rows() shows it: a text value, or a link whose target and arguments are the
    // text before and after its first space.
    void Plant(const std::string& row) {
        const std::size_t a = row.find('|');
        const std::size_t b = row.find('|', a + 1);
        const std::size_t c = row.find('|', b + 1);
        const std::string name = row.substr(0, a);
        const StartupSource source = *SourceFromLabel(row.substr(a + 1, b - a - 1));
        const bool on = row.substr(b + 1, c - b - 1) == "on";
        const std::string text = row.substr(c + 1);
        if (source == StartupSource::MyRegistry || source == StartupSource::AllUsersRegistry) {
            const bool mine = source == StartupSource::MyRegistry;
            registry.PutText(mine ? RootKey::CurrentUser : RootKey::LocalMachine, on ? kRun : kDisabledRun, name, text);
            return;
        }
        const bool mine = source == StartupSource::MyStartMenu;
        const std::string folder = on ? (mine ? kStartup : kAllStartup) : (mine ? kDisabled : kAllDisabled);
        const std::size_t space = std::min(text.find(' '), text.size());
        links.AddLink(folder + name, text.substr(0, space), text.substr(std::min(space + 1, text.size())));
    }

    // Lists, then applies the checks `wanted` (one per row); the rows as they are afterwards.
    std::vector<StartupItem> ListAndApply(const std::vector<bool>& wanted) {
        std::vector<StartupItem> items = stores.List();
        stores.ApplyStartupChanges(items, wanted, report);
        return items;
    }
};

TEST(StartupItemsTest, ListsTheEightStoresInOrderAndFiltersTheFolders) {
    Machine m;
    // Planted out of order, so that only the listing puts the blocks in theirs.
    for (const char* row :
         {"h|All Users Registry|off|H.exe", "g|All Users Registry|on|G.exe", "e.lnk|All Users Start Menu|off|E.exe ",
          "d.lnk|All Users Start Menu|on|D.exe -d", "c.lnk|My Start Menu|off|C.exe /q",
          "b.lnk|My Start Menu|on|C:\\B.exe ", "z|My Registry|on|C:\\Z.exe -q", "a|My Registry|on|A.exe"}) {
        m.Plant(row);
    }
    m.registry.PutValue(RootKey::CurrentUser, kDisabledRun, "f", platform::kRegBinary, {'F', 0, 'x'});
    m.files.AddFile(std::string(kDisabled) + "DeskTop.INI");
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
    } cases[] = {{kAllStartup, true, 2}, {kAllStartup, false, 0}, {"C:\\", true, 0}, {"", false, 0}};
    for (const auto& c : cases) {
        Machine m;
        m.facts.commonStartupDir = c.commonStartupDir;
        m.files.AddFile(std::string(kAllDisabled) + "parked.lnk");
        if (c.exists) {
            m.files.AddFile(std::string(c.commonStartupDir) + "x.lnk");
        }
        EXPECT_EQ(m.stores.List().size(), c.rows) << c.commonStartupDir;
    }
}

TEST(StartupItemsTest, ProgramPartEndsBeforeTheFirstSlashOrDash) {
    const struct {
        const char* text;
        const char* program;
    } cases[] = {{"C:\\Tools\\app.exe -min", "C:\\Tools\\app.exe "},
                 {"C:\\My-Tools\\x.exe", "C:\\My"},
                 {"\"C:\\a b\\x.exe\" /s -t", "\"C:\\a b\\x.exe\" "},
                 {"C:\\x.exe", "C:\\x.exe"}};
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
        std::vector<StartupItem> items = m.ListAndApply({false});
        const auto parked = m.registry.Get(RootKey::LocalMachine, kDisabledRun, c.name);
        EXPECT_FALSE(m.registry.Get(RootKey::LocalMachine, kRun, c.name)) << c.name;
        m.stores.ApplyStartupChanges(items, {true}, m.report);
        const auto back = m.registry.Get(RootKey::LocalMachine, kRun, c.name);
        EXPECT_FALSE(m.registry.Get(RootKey::LocalMachine, kDisabledRun, c.name)) << c.name;
        for (const auto& value : {parked, back}) {
            ASSERT_TRUE(value) << c.name;
            EXPECT_EQ(value->type, c.type) << c.name;
            EXPECT_EQ(value->data, c.data) << c.name;
        }
        EXPECT_TRUE(items[0].enabled) << c.name;
        EXPECT_TRUE(m.report.Empty()) << m.report.Message();
    }
}

// Each move that cannot be made leaves every store as it was, keeps the row's store and says why.
TEST(StartupItemsTest, AMoveThatCannotBeMadeMovesNothingAndIsReported) {
    const std::string denied = "access was denied";
    const struct {
        std::vector<std::string> planted;
        std::function<void(Machine&)> fail;
        std::vector<bool> wanted;
        std::string line;
    } cases[] = {
        {{"Tool|My Registry|on|T.exe"},
         [](Machine& m) { m.registry.FailValueWrite(RootKey::CurrentUser, kDisabledRun, "Tool", 5); },
         {false},
         "Disable \"Tool\" (My Registry): " + denied},
        {{"Tool|My Registry|off|T.exe"},
         [](Machine& m) { m.registry.FailValueWrite(RootKey::CurrentUser, kDisabledRun, "Tool", 5); },
         {true},
         "Enable \"Tool\" (My Registry): it could not be taken out of \"Disabled Run\" (" + denied + ")"},
        {{"Tool|My Registry|on|One.exe", "Tool|My Registry|off|Other.exe"},
         nullptr,
         {false, false},
         "Disable \"Tool\" (My Registry): a value of that name is already in \"Disabled Run\""},
        {{"Tool|All Users Registry|on|T.exe"},
         [](Machine& m) { m.registry.ProtectRoot(RootKey::LocalMachine); },
         {false},
         "These need administrator rights and were left as they are: Disable \"Tool\" (All Users Registry)."},
        {{"x.lnk|My Start Menu|on|New.exe ", "x.lnk|My Start Menu|off|Old.exe "},
         nullptr,
         {true, true},
         "Enable \"x.lnk\" (My Start Menu): a file of that name is already in \"C:\\Me\\Programs\\Startup\""},
        {{"x.lnk|All Users Start Menu|on|X.exe "},
         [](Machine& m) { m.files.FailPath(std::string(kAllStartup) + "x.lnk", 5); },
         {false},
         "These need administrator rights and were left as they are: Disable \"x.lnk\" (All Users Start Menu)."},
    };
    for (const auto& c : cases) {
        Machine m;
        for (const std::string& row : c.planted) {
            m.Plant(row);
        }
        if (c.fail) {
            c.fail(m);
        }
        const std::vector<StartupItem> listed = m.stores.List();
        EXPECT_EQ(Rows(m.ListAndApply(c.wanted)), Rows(listed)) << c.line;
        EXPECT_EQ(Rows(m.stores.List()), Rows(listed)) << c.line;
        // A refusal for want of rights has its own line; every other cause is a change that could not be made.
        const bool refusal = c.line.rfind("These need", 0) == 0;
        EXPECT_EQ(m.report.Message(), refusal ? c.line : "These changes could not be made:\n" + c.line + ".");
        EXPECT_EQ(m.report.Saved(), refusal) << c.line;
    }
}

TEST(StartupItemsTest, OnlyRowsWhoseCheckDisagreesWithTheirStoreMove) {
    Machine m;
    m.Plant("Tool|My Registry|on|One.exe");
    m.Plant("Tool|My Registry|off|Other.exe");
    m.log.Clear();
    m.ListAndApply({true, false});  // both toggled and toggled back
    EXPECT_TRUE(m.log.Entries().empty());
    EXPECT_TRUE(m.report.Empty());
}

TEST(StartupItemsTest, DeleteRemovesTheItemFromItsOwnStoreOnly) {
    const struct {
        std::vector<std::string> rows;  // in the listing's order
        std::size_t chosen;
        bool refused;
    } cases[] = {
        {{"Tool|My Registry|on|One.exe", "Tool|My Registry|off|Other.exe"}, 1, false},
        {{"x.lnk|My Start Menu|on|One.exe ", "x.lnk|My Start Menu|off|Other.exe "}, 0, false},
        {{"Tool|My Registry|on|One.exe", "Tool|My Registry|off|Other.exe"}, 1, true},
    };
    for (const auto& c : cases) {
        Machine m;
        for (const std::string& row : c.rows) {
            m.Plant(row);
        }
        if (c.refused) {
            m.registry.FailValueWrite(RootKey::CurrentUser, kDisabledRun, "Tool", 5);
        }
        const std::vector<StartupItem> listed = m.stores.List();
        std::vector<std::string> left = c.rows;
        if (!c.refused) {
            left.erase(left.begin() + static_cast<std::ptrdiff_t>(c.chosen));
        }
        EXPECT_EQ(m.stores.Delete(listed.at(c.chosen), m.report), !c.refused) << c.rows[c.chosen];
        // Gone now, and so gone when asked again.
        EXPECT_EQ(m.stores.Delete(listed.at(c.chosen), m.report), !c.refused) << c.rows[c.chosen];
        EXPECT_EQ(Rows(m.stores.List()), left);
        EXPECT_EQ(m.report.ChangeFailures().size(), c.refused ? 2u : 0u) << m.report.Message();
    }
}

TEST(StartupItemsTest, CreateSplitsTheLocationForALinkAndKeepsItWholeForAValue) {
    Machine m;
    m.files.AddFolder(kStartup);
    EXPECT_TRUE(m.stores.Create("Tool", "C:\\My-Tools\\x.exe /s", "My Start Menu", m.report));
    ASSERT_EQ(m.links.written.size(), 1u);
    EXPECT_EQ(m.links.written[0].workingDirectory + "|" + m.links.written[0].iconFile, "C:\\My-Tools\\|C:\\My");
    EXPECT_TRUE(m.stores.Create("Tool", "C:\\My-Tools\\x.exe /s", "All Users Registry", m.report));
    EXPECT_EQ(m.registry.Get(RootKey::LocalMachine, kRun, "Tool")->type, platform::kRegSz);

    EXPECT_EQ(Rows(m.stores.List()), (std::vector<std::string>{"Tool.lnk|My Start Menu|on|C:\\My -Tools\\x.exe /s",
                                                               "Tool|All Users Registry|on|C:\\My-Tools\\x.exe /s"}));
    EXPECT_TRUE(m.report.Empty()) << m.report.Message();
}

TEST(StartupItemsTest, ACreateThatFailsSaysWhyAndCreatesNothing) {
    const struct {
        std::string name;
        const char* label;
        std::function<void(Machine&)> fail;
        std::string cause;
    } cases[] = {
        {"Tool", "All Users Start Menu", nullptr, "the folder \"C:\\All\\Programs\\Startup\" does not exist"},
        {"Tool", "My Start Menu", [](Machine& m) { m.links.writeStatus = 5; }, "access was denied"},
        {"Tool", "All Users Registry", [](Machine& m) { m.registry.ProtectRoot(RootKey::LocalMachine); },
         "machine-wide settings need administrator rights"},
        {"Tool", "Desktop", nullptr, "choose one of the listed places"},
        {"..\\..\\Tool", "My Start Menu", nullptr, "a name may not hold any of \\ / : * ? \" < > |"},
    };
    for (const auto& c : cases) {
        Machine m;
        m.files.AddFolder(kStartup);
        if (c.fail) {
            c.fail(m);
        }
        EXPECT_FALSE(m.stores.Create(c.name, "C:\\x.exe", c.label, m.report)) << c.cause;
        EXPECT_TRUE(m.stores.List().empty()) << c.cause;
        EXPECT_EQ(m.report.Message(),
                  "These changes could not be made:\nAdd \"" + c.name + "\" (" + c.label + "): " + c.cause + ".");
    }
}

}  // namespace
}  // namespace talvane
