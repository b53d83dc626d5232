#include "startup/startup_items.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "base/paths.h"
#include "platform/reg_key.h"

namespace talvane {

namespace {

using platform::RegKey;
using platform::RootKey;

// Registry keys compare without regard to case; one spelling for every use.
constexpr char kRunKey[] = R"(SOFTWARE\Microsoft\Windows\CurrentVersion\Run)";
constexpr char kDisabledRunKey[] = R"(SOFTWARE\Microsoft\Windows\CurrentVersion\Disabled Run)";
constexpr char kDisabledFolder[] = "Disabled Startup";

bool IsFolderSource(StartupSource source) {
    return source == StartupSource::MyStartMenu || source == StartupSource::AllUsersStartMenu;
}

bool IsMachineWide(StartupSource source) {
    return source == StartupSource::AllUsersStartMenu || source == StartupSource::AllUsersRegistry;
}

RootKey HiveOf(StartupSource source) {
    return source == StartupSource::AllUsersRegistry ? RootKey::LocalMachine : RootKey::CurrentUser;
}

const char* KeyOf(bool enabled) {
    return enabled ? kRunKey : kDisabledRunKey;
}

const char* KeyNameOf(bool enabled) {
    return enabled ? "Run" : "Disabled Run";
}

// A Programs folder that the shell did not give must not turn into a path relative to the current folder.
std::string DisabledFolderUnder(const std::string& programsDir) {
    return programsDir.empty() ? std::string() : programsDir + kDisabledFolder;
}

// The folder of a folder source's store, ending in "\"; empty when this Windows did not name it.
std::string StoreFolder(const StartupFacts& facts, StartupSource source, bool enabled) {
    const bool mine = source == StartupSource::MyStartMenu;
    if (enabled) {
        return mine ? facts.startupDir : facts.commonStartupDir;
    }
    const std::string disabled = DisabledFolderUnder(mine ? facts.programsDir : facts.commonProgramsDir);
    return disabled.empty() ? disabled : disabled + "\\";
}

std::string WithoutBackslash(std::string folder) {
    if (!folder.empty() && folder.back() == '\\') {
        folder.pop_back();
    }
    return folder;
}

std::string ItemWords(const std::string& verb, const std::string& name, StartupSource source) {
    return verb + " \"" + name + "\" (" + SourceLabel(source) + ")";
}

std::string TextUpToZero(const std::vector<std::uint8_t>& data) {
    const auto end = std::find(data.begin(), data.end(), std::uint8_t{0});
    return {data.begin(), end};
}

void AddFiles(platform::Files& files,
              platform::ShellLinks& links,
              const std::string& folder,
              StartupSource source,
              bool enabled,
              std::vector<StartupItem>& items) {
    if (folder.empty()) {
        return;
    }
    for (const platform::FolderEntry& entry : files.ListFolder(folder + "*.*")) {
        std::string upper = entry.name;
        std::transform(upper.begin(), upper.end(), upper.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        if (entry.name == "." || entry.name == ".." || upper == "DESKTOP.INI") {
            continue;
        }
        const std::string path = folder + entry.name;
        std::string command;
        // A folder is no link; asking the shell to load it as one only costs time.
        if (!entry.isFolder) {
            const platform::LinkTarget target = links.Read(path);
            command = target.path + " " + target.arguments;
        }
        items.push_back({entry.name, source, command, path, enabled});
    }
}

void AddValues(platform::Registry& registry, StartupSource source, bool enabled, std::vector<StartupItem>& items) {
    RegKey key;
    if (key.Open(registry, HiveOf(source), KeyOf(enabled), platform::kKeyRead) != platform::kErrorSuccess) {
        return;
    }
    // Any failure ends the enumeration, so a key that keeps failing cannot hold the list forever.
    std::string name;
    for (std::uint32_t index = 0; key.EnumValueName(index, &name) == platform::kErrorSuccess; ++index) {
        RegKey::RawValue value;
        const std::string text =
            key.ReadRaw(name, &value) == platform::kErrorSuccess ? TextUpToZero(value.data) : std::string();
        items.push_back({name, source, text, ProgramPartOf(text), enabled});
    }
}

// A failed change to a store, in words for an item rather than for a setting.
std::string Cause(long status, bool machineWide) {
    switch (status) {
        case platform::kErrorFileNotFound: return "it is no longer there";
        case platform::kErrorPathNotFound: return "its folder is missing";
        default: return StatusInWords(status, machineWide);
    }
}

std::string MoveItemFile(platform::Files& files, const StartupFacts& facts, const StartupItem& item, bool enable) {
    const std::string fromFolder = StoreFolder(facts, item.source, item.enabled);
    const std::string toFolder = StoreFolder(facts, item.source, enable);
    if (fromFolder.empty() || toFolder.empty()) {
        return "this Windows has no such Start Menu folder";
    }
    const std::string from = fromFolder + item.name;
    if (!files.FileExists(from)) {
        return files.FolderExists(from) ? "a folder is not moved, only files" : "it is no longer there";
    }
    const long status = files.MovePath(from, toFolder + item.name);
    switch (status) {
        case platform::kErrorSuccess: return {};
        case platform::kErrorAlreadyExists:
        case platform::kErrorFileExists:
            return "a file of that name is already in \"" + WithoutBackslash(toFolder) + "\"";
        case platform::kErrorPathNotFound: return "the folder \"" + WithoutBackslash(toFolder) + "\" could not be made";
        default: return Cause(status, IsMachineWide(item.source));
    }
}

// Writes the value into its destination before it leaves its source, with its own type and bytes.
std::string MoveItemValue(platform::Registry& registry, const StartupItem& item, bool enable) {
    const RootKey hive = HiveOf(item.source);
    const bool machineWide = IsMachineWide(item.source);
    RegKey source;
    long status = source.Open(registry, hive, KeyOf(item.enabled), platform::kKeyAllAccess);
    RegKey::RawValue value;
    if (status == platform::kErrorSuccess) {
        status = source.ReadRaw(item.name, &value);
    }
    if (status != platform::kErrorSuccess) {
        return Cause(status, machineWide);
    }
    RegKey destination;
    status = destination.Create(registry, hive, KeyOf(enable), platform::kKeyAllAccess);
    if (status != platform::kErrorSuccess) {
        return "\"" + std::string(KeyNameOf(enable)) + "\" could not be opened: " + Cause(status, machineWide);
    }
    std::uint32_t size = 0;
    status = destination.QueryValue(item.name, nullptr, nullptr, &size);
    if (status == platform::kErrorSuccess) {
        return "a value of that name is already in \"" + std::string(KeyNameOf(enable)) + "\"";
    }
    if (status != platform::kErrorFileNotFound) {
        return Cause(status, machineWide);
    }
    status = destination.WriteRaw(item.name, value);
    if (status != platform::kErrorSuccess) {
        return Cause(status, machineWide);
    }
    status = source.DeleteValue(item.name);
    if (status == platform::kErrorSuccess) {
        return {};
    }
    std::string notRemoved = "it could not be taken out of \"" + std::string(KeyNameOf(item.enabled)) + "\" (" +
                             Cause(status, machineWide) + ")";
    // One item must not end in both stores.
    if (destination.DeleteValue(item.name) == platform::kErrorSuccess) {
        return notRemoved;
    }
    return notRemoved + ", and is now in \"" + KeyNameOf(enable) + "\" too";
}

}  // namespace

const char* SourceLabel(StartupSource source) {
    switch (source) {
        case StartupSource::MyStartMenu: return "My Start Menu";
        case StartupSource::AllUsersStartMenu: return "All Users Start Menu";
        case StartupSource::MyRegistry: return "My Registry";
        case StartupSource::AllUsersRegistry: return "All Users Registry";
    }
    return "";
}

std::optional<StartupSource> SourceFromLabel(const std::string& label) {
    for (const StartupSource source : {StartupSource::MyStartMenu, StartupSource::AllUsersStartMenu,
                                       StartupSource::MyRegistry, StartupSource::AllUsersRegistry}) {
        if (label == SourceLabel(source)) {
            return source;
        }
    }
    return std::nullopt;
}

std::string ProgramPartOf(const std::string& text) {
    return text.substr(0, text.find_first_of("/-"));
}

std::vector<StartupItem> StartupStores::List() const {
    std::vector<StartupItem> items;
    AddFiles(files_, links_, StoreFolder(facts_, StartupSource::MyStartMenu, true), StartupSource::MyStartMenu, true,
             items);
    AddFiles(files_, links_, StoreFolder(facts_, StartupSource::MyStartMenu, false), StartupSource::MyStartMenu, false,
             items);
    // A drive root or less is no all-users Startup folder: older Windows answer so for folders they lack.
    if (facts_.commonStartupDir.size() > 3 && files_.FolderExists(facts_.commonStartupDir)) {
        for (const bool enabled : {true, false}) {
            AddFiles(files_, links_, StoreFolder(facts_, StartupSource::AllUsersStartMenu, enabled),
                     StartupSource::AllUsersStartMenu, enabled, items);
        }
    }
    for (const StartupSource source : {StartupSource::MyRegistry, StartupSource::AllUsersRegistry}) {
        AddValues(registry_, source, true, items);
        AddValues(registry_, source, false, items);
    }
    return items;
}

void StartupStores::ApplyStartupChanges(std::vector<StartupItem>& items,
                                        const std::vector<bool>& checks,
                                        SaveReport& report) const {
    const std::string disabledFolders[] = {DisabledFolderUnder(facts_.programsDir),
                                           DisabledFolderUnder(facts_.commonProgramsDir)};
    for (const std::string& folder : disabledFolders) {
        if (!folder.empty()) {
            // One that exists already is fine; one that cannot be made fails the moves into it, which report.
            static_cast<void>(files_.MakeFolder(folder));
        }
    }
    const std::size_t count = std::min(items.size(), checks.size());
    for (std::size_t i = 0; i < count; ++i) {
        StartupItem& item = items[i];
        const bool wanted = checks[i];
        if (wanted == item.enabled) {
            continue;
        }
        const std::string what = ItemWords(wanted ? "Enable" : "Disable", item.name, item.source);
        const std::string cause = IsFolderSource(item.source) ? MoveItemFile(files_, facts_, item, wanted)
                                                              : MoveItemValue(registry_, item, wanted);
        if (cause.empty()) {
            item.enabled = wanted;
        } else if (cause.find(kNeedsAdministratorRights) != std::string::npos) {
            report.Refused(what);  // the item stays where it is, and the list shows it there
        } else {
            report.ChangeFailed(what, cause);
        }
    }
    for (const std::string& folder : disabledFolders) {
        if (!folder.empty()) {
            // Only an empty folder goes; one that holds disabled items is meant to stay.
            static_cast<void>(files_.RemoveFolder(folder));
        }
    }
}

bool StartupStores::Delete(const StartupItem& item, SaveReport& report) const {
    const std::string what = ItemWords("Delete", item.name, item.source);
    const bool machineWide = IsMachineWide(item.source);
    long status = platform::kErrorSuccess;
    if (IsFolderSource(item.source)) {
        const std::string folder = StoreFolder(facts_, item.source, item.enabled);
        if (folder.empty()) {
            return true;  // a store this Windows does not have holds nothing
        }
        if (files_.FolderExists(folder + item.name)) {
            // Only files are deleted here; a whole folder of the user's is too much to remove by one click.
            report.ChangeFailed(what, "a folder is not deleted, only files");
            return false;
        }
        status = files_.DeletePath(folder + item.name);
    } else {
        RegKey key;
        status = key.Open(registry_, HiveOf(item.source), KeyOf(item.enabled), platform::kKeyAllAccess);
        if (status == platform::kErrorSuccess) {
            status = key.DeleteValue(item.name);
        }
    }
    // Gone already, by someone else's hand: what the user asked for is true.
    if (status == platform::kErrorSuccess || status == platform::kErrorFileNotFound ||
        status == platform::kErrorPathNotFound) {
        return true;
    }
    if (machineWide && status == platform::kErrorAccessDenied) {
        report.Refused(what);
    } else {
        report.ChangeFailed(what, Cause(status, machineWide));
    }
    return false;
}

bool StartupStores::Create(const std::string& name,
                           const std::string& location,
                           const std::string& sourceLabel,
                           SaveReport& report) const {
    const std::string what = "Add \"" + name + "\" (" + sourceLabel + ")";
    const std::optional<StartupSource> source = SourceFromLabel(sourceLabel);
    if (!source) {
        report.ChangeFailed(what, "choose one of the listed places");
        return false;
    }
    if (name.empty() || location.empty()) {
        report.ChangeFailed(what, "both a name and a program are needed");
        return false;
    }
    const bool machineWide = IsMachineWide(*source);
    if (IsFolderSource(*source)) {
        // The name becomes a file name: a "\" or ".." in it would put the link somewhere else.
        if (name.find_first_of("\\/:*?\"<>|") != std::string::npos || name == "." || name == "..") {
            report.ChangeFailed(what, "a name may not hold any of \\ / : * ? \" < > |");
            return false;
        }
        const std::string folder = StoreFolder(facts_, *source, true);
        if (folder.empty()) {
            report.ChangeFailed(what, "this Windows has no such Start Menu folder");
            return false;
        }
        const std::string program = ProgramPartOf(location);
        const platform::LinkRequest request{program, folder + name + ".lnk", FolderPartOf(location), program,
                                            location.substr(program.size())};
        const long status = links_.CreateLink(request);
        if (status == platform::kErrorSuccess) {
            return true;
        }
        report.ChangeFailed(what, status == platform::kErrorPathNotFound || status == platform::kErrorFileNotFound
                                      ? "the folder \"" + WithoutBackslash(folder) + "\" does not exist"
                                      : StatusInWords(status, machineWide));
        return false;
    }
    RegKey key;
    long status = key.Create(registry_, HiveOf(*source), kRunKey, platform::kKeyAllAccess);
    if (status == platform::kErrorSuccess) {
        status = key.WriteText(name, location);
    }
    if (status == platform::kErrorSuccess) {
        return true;
    }
    report.ChangeFailed(what, StatusInWords(status, machineWide));
    return false;
}

std::vector<StartupSource> SourcesOffered(WindowsFamily family) {
    switch (family) {
        case WindowsFamily::Win98: return {StartupSource::MyStartMenu, StartupSource::AllUsersRegistry};
        case WindowsFamily::Win2000:
        case WindowsFamily::WinXP:
            return {StartupSource::MyStartMenu, StartupSource::AllUsersStartMenu, StartupSource::MyRegistry,
                    StartupSource::AllUsersRegistry};
        default: return {StartupSource::MyStartMenu, StartupSource::AllUsersStartMenu, StartupSource::AllUsersRegistry};
    }
}

}  // namespace talvane
