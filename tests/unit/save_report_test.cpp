#include "settings/save_report.h"

#include <gtest/gtest.h>

#include "fakes/fake_platform.h"

namespace talvane {
namespace {

TEST(SaveReportTest, OneLinePerCauseNamingEachSettingOnce) {
    const struct {
        const char* name;
        std::vector<SaveFailure> failures;
        std::string expected;
        bool engineUnconfirmed = false;
        std::vector<ChangeFailure> changes = {};
    } cases[] = {
        {"nothing failed", {}, ""},
        {"one value",
         {{"Target Fre RAM", 1013, false, false}},
         "These settings could not be saved:\n\"Target Fre RAM\": the registry could not be written."},
        {"the engine did not answer",
         {},
         "The settings are saved, but the Talvane engine did not confirm that it read them; it may not be "
         "responding.",
         true},
        {"a value, and the engine did not answer",
         {{"Hotkey1", 5, false, false}},
         "These settings could not be saved:\n\"Hotkey1\": access was denied.\n"
         "The Talvane engine did not confirm that it read the settings that were saved; it may not be responding.",
         true},
        {"a key that would not open, and a machine-wide value refused, which is no failure",
         {{"AutoStart", 5, false, true},
          {"Hotkey1", 5, false, true},
          {"AutoStart", 5, false, true},
          {"Talvane Professional", 5, true, false}},
         "These settings could not be saved:\n"
         "\"AutoStart\", \"Hotkey1\": the key or file holding them could not be opened or created (access was "
         "denied).\n"
         "These need administrator rights and were left as they are: \"Talvane Professional\"."},
        {"a machine-wide value that failed otherwise",
         {{"LargeSystemCache", 1013, true, false}},
         "These settings could not be saved:\n\"LargeSystemCache\": the registry could not be written."},
        {"changes before settings",
         {{"Hotkey1", 5, false, false}},
         "These changes could not be made:\nDisable \"Tool\" (My Registry): access was denied.\n"
         "Delete \"x.lnk\" (My Start Menu): it is no longer there.\n"
         "These settings could not be saved:\n\"Hotkey1\": access was denied.",
         false,
         {{"Disable \"Tool\" (My Registry)", "access was denied"},
          {"Delete \"x.lnk\" (My Start Menu)", "it is no longer there"}}},
        {"a change, and the engine did not answer",
         {},
         "These changes could not be made:\nAdd \"Tool\" (Desktop): choose one of the listed places.\n"
         "The settings are saved, but the Talvane engine did not confirm that it read them; it may not be "
         "responding.",
         true,
         {{"Add \"Tool\" (Desktop)", "choose one of the listed places"}}},
        {"unknown status",
         {{"PagingFiles", 87, true, false}},
         "These settings could not be saved:\n\"PagingFiles\": Windows error 87."},
    };
    for (const auto& c : cases) {
        SaveReport report;
        for (const SaveFailure& f : c.failures) {
            EXPECT_FALSE(report.Check(f.status, f.what, f.machineWide, f.containerFailed)) << c.name;
        }
        for (const ChangeFailure& change : c.changes) {
            report.ChangeFailed(change.what, change.cause);
        }
        if (c.engineUnconfirmed) {
            report.EngineDidNotConfirm();
        }
        EXPECT_TRUE(report.Check(platform::kErrorSuccess, "ignored")) << c.name;
        EXPECT_EQ(report.Saved(), c.expected.empty() || c.expected.rfind("These need", 0) == 0) << c.name;
        EXPECT_EQ(report.Message(), c.expected) << c.name;

        fakes::FakePrompts prompts;
        report.InformAndClear(prompts, 3);
        if (c.expected.empty()) {
            EXPECT_TRUE(prompts.shown.empty()) << c.name;
        } else {
            ASSERT_EQ(prompts.shown.size(), 1u) << c.name;
            EXPECT_EQ(prompts.shown[0].caption, "Information") << c.name;
            EXPECT_EQ(prompts.shown[0].text, c.expected) << c.name;
        }
        EXPECT_TRUE(report.Empty()) << c.name;
    }
}

}  // namespace
}  // namespace talvane
