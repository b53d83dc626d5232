// The programs Windows starts at logon: four sources, each with an enabled store that Windows reads and a
// disabled store where a disabled item is parked, and the moves between them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/startup_facts.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/shell_links.h"
#include "settings/save_report.h"

namespace talvane {

enum class StartupSource : std::uint8_t { MyStartMenu, AllUsersStartMenu, MyRegistry, AllUsersRegistry };

// The label naming a source in the list and in the add dialog; sources are told apart by it exactly.
const char* SourceLabel(StartupSource source);
std::optional<StartupSource> SourceFromLabel(const std::string& label);

struct StartupItem {
    std::string name;  // the file name as found (".lnk" kept), or the value name
    StartupSource source = StartupSource::MyStartMenu;
    std::string command;   // for display: a link's target, one space, its arguments; a value's data as text
    std::string iconPath;  // the file whose small shell icon the row shows
    // The store the item is in now: where it was listed, or where the last move put it.
    bool enabled = true;
};

// The text up to, not including, the first "/" or "-"; the whole text when neither occurs.
std::string ProgramPartOf(const std::string& text);

class StartupStores {
public:
    StartupStores(platform::Files& files,
                  platform::Registry& registry,
                  platform::ShellLinks& links,
                  const StartupFacts& facts)
        : files_(files), registry_(registry), links_(links), facts_(facts) {}

    // Every item of the eight stores, block after block, each block in the order the system enumerates it:
    // My Start Menu (enabled, disabled), All Users Start Menu (enabled, disabled; only when its Startup folder
    // exists and names more than a drive), then the Run and Disabled Run values of HKCU and of HKLM.
    [[nodiscard]] std::vector<StartupItem> List() const;

    // Apply: each item whose wanted state (`checks`, one per item) differs from its store is moved, then the
    // item records the store it is in. Every move that could not be made goes to the report, naming the item.
    // The "Disabled Startup" folders exist during the moves and are removed again when left empty.
    void ApplyStartupChanges(std::vector<StartupItem>& items,
                             const std::vector<bool>& checks,
                             SaveReport& report) const;

    // Removes the item from the store it is in, and from no other; false (and reported) when it stays.
    bool Delete(const StartupItem& item, SaveReport& report) const;

    // Adds a program to the enabled store of the source named `sourceLabel`: a link named `name` + ".lnk" to
    // ProgramPartOf(location) with the rest as its arguments, or a Run value `name` holding the whole location.
    // False (and reported) when nothing was created.
    bool Create(const std::string& name,
                const std::string& location,
                const std::string& sourceLabel,
                SaveReport& report) const;

private:
    platform::Files& files_;
    platform::Registry& registry_;
    platform::ShellLinks& links_;
    const StartupFacts& facts_;
};

// The sources the add dialog offers on a family, in their order.
std::vector<StartupSource> SourcesOffered(WindowsFamily family);

// The state of the Startup Manager page between rebuilds: which list changes are the user's check toggles.
class StartupChecks {
public:
    // While off (a rebuild from the add dialog, a deletion), check changes are not the user's edits.
    void SetTracking(bool on) { trackStartupChecks_ = on; }
    [[nodiscard]] bool Tracking() const { return trackStartupChecks_; }
    // The list is about to change a row whose check is `checked`.
    void RowChanging(bool checked) { checkedBefore_ = checked; }
    // The list changed a row, now checked or not: true when that is a user's toggle that Apply must see.
    [[nodiscard]] bool RowChanged(bool checked) const { return trackStartupChecks_ && checked != checkedBefore_; }

private:
    bool checkedBefore_ = false;
    bool trackStartupChecks_ = true;
};

}  // namespace talvane
