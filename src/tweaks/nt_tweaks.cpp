#include "tweaks/nt_tweaks.h"

#include <algorithm>
#include <optional>

#include "base/text_table.h"
#include "control_ids.h"
#include "platform/reg_key.h"

namespace talvane {

namespace {

using platform::RegKey;
using platform::RootKey;

constexpr const char* kDesktopKey = R"(Control Panel\Desktop)";
constexpr const char* kMemoryKey = R"(SYSTEM\CurrentControlSet\Control\Session Manager\Memory Management)";
constexpr const char* kExplorerKey = R"(SOFTWARE\Microsoft\Windows\CurrentVersion\Explorer)";
constexpr const char* kUnloadDllKey = "AlwaysUnloadDLL";

struct TimeoutValue {
    NtTweak tweak;
    const char* name;
    std::uint32_t windowsDefault;
};
constexpr std::array<TimeoutValue, kNtTimeoutCount> kTimeouts = {{
    {NtTweak::AppTimeout, "WaitToKillAppTimeout", 20000},
    {NtTweak::ServiceTimeout, "WaitToKillServiceTimeout", 20000},
    {NtTweak::HungAppTimeout, "HungAppTimeout", 5000},
}};

constexpr const char* kCorePerformanceValue = "DisablePagingExecutive";
constexpr const char* kLargeSystemCacheValue = "LargeSystemCache";
constexpr const char* kDiskCacheValue = "IOPageLockLimit";

std::size_t Index(NtTweak tweak) {
    return static_cast<std::size_t>(tweak);
}

// A signed whole number and nothing else.
std::optional<std::int64_t> WholeNumber(const std::string& text) {
    std::size_t at = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    if (at == text.size() || text.size() > 11) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (; at < text.size(); ++at) {
        if (text[at] < '0' || text[at] > '9') {
            return std::nullopt;
        }
        value = value * 10 + (text[at] - '0');
    }
    return text[0] == '-' ? -value : value;
}

std::optional<std::uint32_t> StoredNumber(platform::Registry& registry, const std::string& name) {
    RegKey key;
    if (key.Open(registry, RootKey::LocalMachine, kMemoryKey, platform::kKeyRead) != platform::kErrorSuccess) {
        return std::nullopt;
    }
    return key.ReadNumber(name);
}

// Opens for writing only when the value does not already read as `value`; a missing one reads as 0.
void WriteNumber(platform::Registry& registry, const char* name, std::uint32_t value, SaveReport& report) {
    if (StoredNumber(registry, name).value_or(0) == value) {
        return;
    }
    RegKey key;
    const long opened = key.Open(registry, RootKey::LocalMachine, kMemoryKey, platform::kKeyAllAccess);
    if (report.Check(opened, name, true, true)) {
        report.Check(key.WriteNumber(name, value), name, true);
    }
}

std::optional<std::string> StoredUnloadDll(platform::Registry& registry) {
    RegKey key;
    if (key.Open(registry, RootKey::LocalMachine, std::string(kExplorerKey) + "\\" + kUnloadDllKey,
                 platform::kKeyRead) != platform::kErrorSuccess) {
        return std::nullopt;
    }
    return key.ReadText("").value_or("");
}

void WriteUnloadDll(platform::Registry& registry, bool on, SaveReport& report) {
    const std::optional<std::string> stored = StoredUnloadDll(registry);
    if (on ? stored == std::string("1") : !stored) {
        return;
    }
    if (!on) {
        RegKey explorer;
        const long opened = explorer.Open(registry, RootKey::LocalMachine, kExplorerKey, platform::kKeyAllAccess);
        if (report.Check(opened, kUnloadDllKey, true, true)) {
            const long deleted = explorer.DeleteSubKey(kUnloadDllKey);
            report.Check(deleted == platform::kErrorFileNotFound ? platform::kErrorSuccess : deleted, kUnloadDllKey,
                         true);
        }
        return;
    }
    RegKey key;
    const long created = key.Create(registry, RootKey::LocalMachine, std::string(kExplorerKey) + "\\" + kUnloadDllKey,
                                    platform::kKeyAllAccess);
    if (report.Check(created, kUnloadDllKey, true, true)) {
        report.Check(key.WriteText("", "1"), kUnloadDllKey, true);
    }
}

}  // namespace

NtTweaks::NtTweaks() {
    for (const TimeoutValue& timeout : kTimeouts) {
        Timeout(timeout.tweak).Set(timeout.windowsDefault);
    }
}

bool NtTweaks::SetChecked(NtTweak tweak, bool on) {
    bool& mark = checked[Index(tweak)];
    const bool changed = mark != on;
    mark = on;
    return changed;
}

SpinValue& NtTweaks::Timeout(NtTweak tweak) {
    return timeouts[Index(tweak) - Index(NtTweak::AppTimeout)];
}

int DiskCacheEntryFor(std::uint32_t limit) {
    for (std::size_t i = 0; i < kDiskCacheSizesMB.size(); ++i) {
        if (limit >= 1 && limit <= kDiskCacheSizesMB[i] * 1024) {
            return static_cast<int>(i);
        }
    }
    return kNoCacheEntry;
}

std::uint32_t DiskCacheLimitOf(int entry) {
    return entry >= 0 && static_cast<std::size_t>(entry) < kDiskCacheSizesMB.size()
               ? kDiskCacheSizesMB[static_cast<std::size_t>(entry)] * 1024
               : 0;
}

int RecommendedDiskCacheEntry(std::uint32_t totalPhysMB) {
    const std::uint32_t quarter = totalPhysMB / 4;
    for (std::size_t i = 0; i < kDiskCacheSizesMB.size(); ++i) {
        if (kDiskCacheSizesMB[i] >= quarter) {
            return static_cast<int>(i);
        }
    }
    return static_cast<int>(kDiskCacheSizesMB.size()) - 1;
}

void ReadNtTweaks(platform::Registry& registry, NtTweaks& tweaks) {
    {
        RegKey desktop;
        const bool open =
            desktop.Open(registry, RootKey::CurrentUser, kDesktopKey, platform::kKeyRead) == platform::kErrorSuccess;
        for (const TimeoutValue& timeout : kTimeouts) {
            const std::string windowsDefault = std::to_string(timeout.windowsDefault);
            const std::string text = (open ? desktop.ReadText(timeout.name) : std::nullopt).value_or(windowsDefault);
            if (text != windowsDefault) {
                tweaks.SetChecked(timeout.tweak, true);
            }
            // Text that is no number shows as the longest time-out the field takes.
            const std::optional<std::int64_t> number = WholeNumber(text);
            const std::int64_t value = number ? std::clamp<std::int64_t>(*number, 0, 20000) : 20000;
            tweaks.Timeout(timeout.tweak).Set(static_cast<std::uint32_t>(value));
        }
    }
    if (StoredUnloadDll(registry).value_or("0") == "1") {
        tweaks.SetChecked(NtTweak::UnloadDlls, true);
    }
    if (StoredNumber(registry, kCorePerformanceValue).value_or(0) == 1) {
        tweaks.SetChecked(NtTweak::CorePerformance, true);
    }
    tweaks.diskCacheLimit = StoredNumber(registry, kDiskCacheValue).value_or(0);
    if (tweaks.diskCacheLimit != 0) {
        tweaks.SetChecked(NtTweak::DiskCache, true);
    }
    if (const int entry = DiskCacheEntryFor(tweaks.diskCacheLimit); entry != kNoCacheEntry) {
        tweaks.cacheEntry = entry;
    }
    if (StoredNumber(registry, kLargeSystemCacheValue).value_or(0) == 1) {
        tweaks.SetChecked(NtTweak::LargeSystemCache, true);
    }
}

void WriteNtTweaks(platform::Registry& registry, NtTweaks& tweaks, SaveReport& report) {
    {
        RegKey stored;
        const bool readable =
            stored.Open(registry, RootKey::CurrentUser, kDesktopKey, platform::kKeyRead) == platform::kErrorSuccess;
        RegKey desktop;
        long opened = platform::kErrorSuccess;
        for (const TimeoutValue& timeout : kTimeouts) {
            const std::string text = tweaks.Checked(timeout.tweak)
                                         ? std::to_string(tweaks.Timeout(timeout.tweak).Value())
                                         : std::to_string(timeout.windowsDefault);
            const std::string windowsDefault = std::to_string(timeout.windowsDefault);
            if ((readable ? stored.ReadText(timeout.name) : std::nullopt).value_or(windowsDefault) == text) {
                continue;
            }
            if (!desktop.IsOpen() && opened == platform::kErrorSuccess) {
                opened = desktop.Open(registry, RootKey::CurrentUser, kDesktopKey, platform::kKeyAllAccess);
            }
            if (report.Check(opened, timeout.name, false, true)) {
                report.Check(desktop.WriteText(timeout.name, text), timeout.name);
            }
        }
    }
    WriteUnloadDll(registry, tweaks.Checked(NtTweak::UnloadDlls), report);
    WriteNumber(registry, kCorePerformanceValue, tweaks.Checked(NtTweak::CorePerformance) ? 1 : 0, report);
    if (!tweaks.Checked(NtTweak::DiskCache)) {
        tweaks.diskCacheLimit = 0;
    } else if (tweaks.cacheEntry != kNoCacheEntry) {
        tweaks.diskCacheLimit = DiskCacheLimitOf(tweaks.cacheEntry);
    }
    WriteNumber(registry, kDiskCacheValue, tweaks.diskCacheLimit, report);
    WriteNumber(registry, kLargeSystemCacheValue, tweaks.Checked(NtTweak::LargeSystemCache) ? 1 : 0, report);
}

bool RecommendNtTweaks(NtTweaks& tweaks, std::uint32_t totalPhysMB) {
    bool changed = false;
    const auto timeout = [&](NtTweak tweak, std::uint32_t value) {
        changed |= tweaks.SetChecked(tweak, true);
        SpinValue& spin = tweaks.Timeout(tweak);
        changed |= spin.Text() != std::to_string(value);
        spin.Set(value);
    };
    timeout(NtTweak::ServiceTimeout, 5000);
    timeout(NtTweak::AppTimeout, 5000);
    timeout(NtTweak::HungAppTimeout, 2000);
    changed |= tweaks.SetChecked(NtTweak::DiskCache, true);
    if (const int entry = RecommendedDiskCacheEntry(totalPhysMB); entry != tweaks.cacheEntry) {
        tweaks.cacheEntry = entry;
        tweaks.diskCacheLimit = DiskCacheLimitOf(entry);
        changed = true;
    }
    changed |= tweaks.SetChecked(NtTweak::LargeSystemCache, totalPhysMB >= 512);
    changed |= tweaks.SetChecked(NtTweak::CorePerformance, totalPhysMB >= 256);
    return changed;
}

bool DefaultNtTweaks(NtTweaks& tweaks) {
    bool changed = tweaks.SetChecked(NtTweak::CorePerformance, false);
    changed |= tweaks.SetChecked(NtTweak::LargeSystemCache, false);
    if (tweaks.SetChecked(NtTweak::DiskCache, false) || tweaks.diskCacheLimit != 0) {
        tweaks.diskCacheLimit = 0;
        tweaks.cacheEntry = kNoCacheEntry;
        tweaks.clearCacheText = true;
        changed = true;
    }
    for (const TimeoutValue& timeout : kTimeouts) {
        changed |= tweaks.SetChecked(timeout.tweak, false);
        SpinValue& spin = tweaks.Timeout(timeout.tweak);
        changed |= spin.Text() != std::to_string(timeout.windowsDefault);
        spin.Set(timeout.windowsDefault);
    }
    changed |= tweaks.SetChecked(NtTweak::UnloadDlls, false);
    return changed;
}

std::vector<std::string> TakeUnchangedNtTweaks(NtTweaks& tweaks) {
    std::vector<std::string> names;
    const auto take = [&](NtTweak tweak, bool atDefault, int captionRow) {
        if (tweaks.Checked(tweak) && atDefault) {
            tweaks.SetChecked(tweak, false);
            names.push_back("Windows Tweak -> " + TextTable::Text(captionRow));
        }
    };
    take(NtTweak::DiskCache, tweaks.diskCacheLimit == 0, 164);
    take(NtTweak::AppTimeout, tweaks.Timeout(NtTweak::AppTimeout).Value() == 20000, 165);
    take(NtTweak::ServiceTimeout, tweaks.Timeout(NtTweak::ServiceTimeout).Value() == 20000, 166);
    take(NtTweak::HungAppTimeout, tweaks.Timeout(NtTweak::HungAppTimeout).Value() == 5000, 167);
    return names;
}

std::optional<QuickInfoLines> NtTweakQuickInfo(int controlId, std::uint32_t totalPhysMB) {
    static const std::vector<QuickInfoRow> rows = {
        {IDC_FORM1_PAGE4, 7, kNoSecondLine},    {IDC_FORM1_CHECKBOX9, 169, 170},  {IDC_FORM1_CHECKBOX6, 171, 172},
        {IDC_FORM1_CHECKBOX10, 173, 174, true}, {IDC_FORM1_CHECKBOX87, 175, 176}, {IDC_FORM1_CHECKBOX7, 177, 178},
        {IDC_FORM1_CHECKBOX88, 179, 180},       {IDC_FORM1_CHECKBOX89, 181, 182},
    };
    return QuickInfoFromRows(rows, controlId, totalPhysMB);
}

std::string NoteFirstLine(std::size_t names) {
    return TextTable::Text(names == 1 ? 213 : 212);
}

}  // namespace talvane
