#include "tweaks/win9x_tweaks.h"

#include <optional>

#include "platform/reg_key.h"

namespace talvane {

namespace {

using platform::RegKey;
using platform::RootKey;

constexpr const char* kVcache = "vcache";
constexpr const char* kEnh386 = "386Enh";
constexpr const char* kSwapfileUsage = "ConservativeSwapfileUsage";
constexpr const char* kPageBuffers = "PageBuffers";
constexpr const char* kFileSystemKey = R"(SYSTEM\CurrentControlSet\Control\FileSystem)";
constexpr const char* kContigAllocSize = "ContigFileAllocSize";
constexpr std::uint32_t kContiguousSize = 512;
constexpr const char* kTemplatesKey = R"(Software\Microsoft\Windows\CurrentVersion\FS Templates)";
constexpr const char* kTemplatesName = "FS Templates";  // its default value, as the report names it

// Writes the key's one change. Taking a tweak away from a key or value that is not there has nothing to do.
template <typename Change>
void ChangeMachineValue(platform::Registry& registry,
                        const char* subkey,
                        const std::string& what,
                        bool tweakOn,
                        Change change,
                        SaveReport& report) {
    RegKey key;
    const long opened = key.Open(registry, RootKey::LocalMachine, subkey, platform::kKeyAllAccess);
    long status = opened == platform::kErrorSuccess ? change(key) : opened;
    if (!tweakOn && status == platform::kErrorFileNotFound) {
        status = platform::kErrorSuccess;
    }
    report.Check(status, what, /*machineWide=*/true, /*containerFailed=*/opened != platform::kErrorSuccess);
}

}  // namespace

bool Win9xTweaks::SetChecked(Win9xTweak tweak, bool checked) {
    bool& mark = checked_[static_cast<std::size_t>(tweak)];
    const bool changed = mark != checked;
    mark = checked;
    return changed;
}

bool Win9xTweaks::PressRecommended() {
    bool changed = false;
    for (const Win9xTweak tweak :
         {Win9xTweak::DiskCache, Win9xTweak::FileCache, Win9xTweak::DiskBuffers, Win9xTweak::ContiguousAllocation}) {
        changed = SetChecked(tweak, true) || changed;
    }
    return SetChecked(Win9xTweak::RamFirst, false) || changed;
}

bool Win9xTweaks::PressDefault() {
    bool changed = false;
    for (bool& mark : checked_) {
        changed = changed || mark;
        mark = false;
    }
    return changed;
}

std::string SystemIniPath(const std::string& windowsDir) {
    return windowsDir + "\\SYSTEM.INI";
}

// Halves go to the even neighbour.
std::uint32_t CacheFigure(std::uint32_t totalPhysMB) {
    const std::uint32_t divisor = totalPhysMB < 64 ? 16 : totalPhysMB < 96 ? 8 : 4;
    const std::uint32_t whole = totalPhysMB / divisor;
    const std::uint32_t twiceRest = totalPhysMB % divisor * 2;
    const bool up = twiceRest > divisor || (twiceRest == divisor && whole % 2 == 1);
    return up ? whole + 1 : whole;
}

void ReadWin9xTweaks(platform::Files& files,
                     platform::Registry& registry,
                     const std::string& systemIni,
                     std::uint32_t totalPhysMB,
                     Win9xTweaks& tweaks) {
    const auto ini = [&](const char* section, const char* key) {
        return files.GetPrivateProfileString(systemIni, section, key, "0");
    };
    const auto mark = [&](Win9xTweak tweak, bool set) {
        if (set) {
            tweaks.SetChecked(tweak, true);
        }
    };
    mark(Win9xTweak::RamFirst, ini(kEnh386, kSwapfileUsage) == "1");
    {
        RegKey key;
        static_cast<void>(key.Open(registry, RootKey::LocalMachine, kFileSystemKey, platform::kKeyRead));
        mark(Win9xTweak::ContiguousAllocation, key.ReadNumber(kContigAllocSize).value_or(0) == kContiguousSize);
    }
    mark(Win9xTweak::DiskBuffers, ini(kEnh386, kPageBuffers) == "32");
    {
        RegKey key;
        static_cast<void>(key.Open(registry, RootKey::LocalMachine, kTemplatesKey, platform::kKeyRead));
        mark(Win9xTweak::FileCache, key.ReadText("").value_or("") == "Server");
    }
    mark(Win9xTweak::DiskCache, ini(kVcache, "MinFileCache") == "0" &&
                                    ini(kVcache, "MaxFileCache") == std::to_string(CacheFigure(totalPhysMB)) &&
                                    ini(kVcache, "CHUNKSIZE") == "16");
}

void WriteWin9xTweaks(platform::Files& files,
                      platform::Registry& registry,
                      const std::string& systemIni,
                      std::uint32_t totalPhysMB,
                      const Win9xTweaks& tweaks,
                      SaveReport& report) {
    // True when written; otherwise the save stops here.
    const auto ini = [&](const char* section, const char* key, const std::string& value) {
        if (files.WritePrivateProfileString(systemIni, section, key, value)) {
            return true;
        }
        report.Stop("Unable to write to " + systemIni);
        return false;
    };
    const bool ramFirst = tweaks.Checked(Win9xTweak::RamFirst);
    if (!ini(kEnh386, kSwapfileUsage, ramFirst ? "1" : "0")) {
        return;
    }

    const bool contiguous = tweaks.Checked(Win9xTweak::ContiguousAllocation);
    ChangeMachineValue(
        registry, kFileSystemKey, kContigAllocSize, contiguous,
        [&](RegKey& key) {
            return contiguous ? key.WriteNumber(kContigAllocSize, kContiguousSize) : key.DeleteValue(kContigAllocSize);
        },
        report);

    if (tweaks.Checked(Win9xTweak::DiskBuffers)) {
        if (!ini(kEnh386, kPageBuffers, "32")) {
            return;
        }
    } else {
        // Not reported: a line that stays shows its box checked again when the page reads back.
        static_cast<void>(files.WritePrivateProfileString(systemIni, kEnh386, kPageBuffers, std::nullopt));
    }

    const bool server = tweaks.Checked(Win9xTweak::FileCache);
    ChangeMachineValue(
        registry, kTemplatesKey, kTemplatesName, server,
        [&](RegKey& key) { return key.WriteText("", server ? "Server" : "Desktop"); }, report);

    const bool cache = tweaks.Checked(Win9xTweak::DiskCache);
    const std::string maxCache = cache ? std::to_string(CacheFigure(totalPhysMB)) : "0";
    if (ini(kVcache, "MinFileCache", "0") && ini(kVcache, "MaxFileCache", maxCache)) {
        ini(kVcache, "CHUNKSIZE", cache ? "16" : "0");
    }
}

}  // namespace talvane
