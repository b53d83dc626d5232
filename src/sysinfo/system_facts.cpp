#include "sysinfo/system_facts.h"

#include "base/uptime.h"
#include "platform/reg_key.h"

namespace talvane {

namespace {

constexpr std::uint32_t kLastXp2000Build = 2400;
constexpr std::uint32_t kFirstWindows11Build = 22000;

// The Windows after XP by their own names, which "Windows XP" would misstate there; GetVersionExA reports them
// truly because the manifest names them as supported.
std::string NameAfterXp(const platform::OsVersion& version) {
    if (version.major == 6) {
        switch (version.minor) {
            case 0: return "Windows Vista";
            case 1: return "Windows 7";
            case 2: return "Windows 8";
            default: return "Windows 8.1";
        }
    }
    return version.build >= kFirstWindows11Build ? "Windows 11" : "Windows 10";
}

std::string WindowsName(const platform::OsVersion& version) {
    if (version.platformId == platform::kPlatformWin32Nt) {
        if (version.major < 5) {
            return "Windows NT";
        }
        if (version.major >= 6) {
            return NameAfterXp(version);
        }
        return version.build <= kLastXp2000Build ? "Windows 2000" : "Windows XP";
    }
    if (version.major == 4 && version.minor >= 1 && version.minor <= 89) {
        return "Windows 98";
    }
    return version.major == 4 && version.minor >= 90 ? "Windows Me" : "Windows 95";
}

bool IsModernNt(const platform::OsVersion& version) {
    // 2000 and later show the service pack instead of the version numbers.
    return version.platformId == platform::kPlatformWin32Nt && version.major >= 5;
}

// A field of digits as a number; anything else, or more digits than a version ever has, is 0.
std::uint32_t FieldNumber(const std::string& field) {
    if (field.empty() || field.size() > 9) {
        return 0;
    }
    std::uint32_t value = 0;
    for (const char c : field) {
        if (c < '0' || c > '9') {
            return 0;
        }
        value = value * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return value;
}

std::string ReadText(platform::Registry& registry, const std::string& subkey, const std::string& name) {
    platform::RegKey key;
    if (key.Open(registry, platform::RootKey::LocalMachine, subkey, platform::kKeyRead) != platform::kErrorSuccess) {
        return {};
    }
    return key.ReadText(name).value_or(std::string());
}

std::string Megabytes(std::uint32_t mb) {
    return std::to_string(mb) + " MB";
}

}  // namespace

std::string WindowsVersionText(const platform::OsVersion& version) {
    const std::string name = WindowsName(version);
    if (IsModernNt(version)) {
        return version.servicePack.empty() ? name : name + "  (" + version.servicePack + ")";
    }
    return name + " " + std::to_string(version.major) + "." + std::to_string(version.minor);
}

std::string WindowsBuildText(const platform::OsVersion& version) {
    const std::uint32_t build =
        version.platformId == platform::kPlatformWin32Nt ? version.build : version.build & 0xFFFFu;
    return std::to_string(build);
}

std::string DirectXText(const std::string& version) {
    std::string fields[3];
    std::size_t field = 0;
    for (const char c : version) {
        if (c == '.') {
            if (++field == 3) {
                break;
            }
        } else {
            fields[field] += c;
        }
    }
    return std::to_string(FieldNumber(fields[1])) + "." + std::to_string(FieldNumber(fields[2]));
}

SystemFacts GatherSystemFacts(platform::System& system,
                              platform::Registry& registry,
                              const StartupFacts& facts,
                              std::uint64_t uptimeMilliseconds) {
    const platform::OsVersion version = system.GetVersion();
    // 98 and Me keep the owner under the Windows key; the NT key is asked first everywhere, as NT keeps it there.
    const auto registered = [&registry](const char* name) {
        const std::string text = ReadText(registry, R"(SOFTWARE\Microsoft\Windows NT\CurrentVersion)", name);
        return text.empty() ? ReadText(registry, R"(SOFTWARE\Microsoft\Windows\CurrentVersion)", name) : text;
    };
    const std::string browser = ReadText(registry, R"(Software\Microsoft\Internet Explorer)", "Version");
    const std::string directX = DirectXText(ReadText(registry, R"(Software\Microsoft\DirectX)", "Version"));

    SystemFacts result;
    auto& rows = result.rows;
    rows.push_back({115, false, "", FactPicture::Computer});
    rows.push_back({116, true, system.GetComputerName(), FactPicture::Bullet});
    rows.push_back({117, true, system.GetUserName(), FactPicture::Person});
    rows.push_back({kNoCaption, false, "", FactPicture::None});
    rows.push_back({118, false, "", FactPicture::Windows});
    rows.push_back({119, true, WindowsVersionText(version), FactPicture::Bullet});
    rows.push_back({120, true, WindowsBuildText(version), FactPicture::Bullet});
    rows.push_back({121, true, system.DefaultLanguageName(), FactPicture::Bullet});
    rows.push_back({122, true, directX, FactPicture::DirectX});
    if (!browser.empty()) {
        rows.push_back({123, true, browser, FactPicture::Browser});
    }
    rows.push_back({124, true, facts.windowsDir, FactPicture::Folder});
    rows.push_back({125, true, facts.systemDir, FactPicture::Folder});
    result.uptimeRow = static_cast<int>(rows.size());
    rows.push_back({126, true, UptimeText(uptimeMilliseconds), FactPicture::Clock});
    rows.push_back({127, true, registered("RegisteredOwner"), FactPicture::Person});
    rows.push_back({128, true, registered("RegisteredOrganization"), FactPicture::Person});
    return result;
}

std::vector<FactRow> MemoryFacts(const MemorySample& sample) {
    return {
        {156, false, "", FactPicture::Memory},
        {157, true, std::to_string(sample.memoryLoad) + " %", FactPicture::Bullet},
        {158, true, Megabytes(sample.totalPhysMB), FactPicture::Bullet},
        {159, true, Megabytes(sample.availPhysMB), FactPicture::Bullet},
        {160, true, Megabytes(sample.totalPageFileMB), FactPicture::Bullet},
        {161, true, Megabytes(sample.availPageFileMB), FactPicture::Bullet},
    };
}

}  // namespace talvane
