#include "shell/main_window_model.h"

#include "base/text_table.h"

namespace talvane {

namespace {

constexpr int kRowOptimizer = 0;
constexpr int kRowShortcut = 68;
constexpr int kRowStartup = 69;
constexpr int kRowSystemInfo = 70;
constexpr int kRowTweak = 131;
constexpr int kRowMoveCursor = 7;

}  // namespace

std::string NavCaption(NavEntry entry) {
    switch (entry) {
        case NavEntry::Optimizer: return TextTable::Row(kRowOptimizer);
        case NavEntry::SystemInfo: return TextTable::Row(kRowSystemInfo);
        case NavEntry::Startup: return TextTable::Row(kRowStartup);
        case NavEntry::Shortcut: return TextTable::Row(kRowShortcut);
        case NavEntry::Tweak: return TextTable::Row(kRowTweak);
    }
    return {};
}

std::optional<PageIndex> MainWindowModel::TweakPage() const {
    if (IsNtFamily(facts_.family)) {
        return PageIndex::TweakNt;
    }
    if (Is9xFamily(facts_.family)) {
        return PageIndex::Tweak9x;
    }
    return std::nullopt;
}

std::optional<PageIndex> MainWindowModel::VisiblePage() const {
    for (int i = 0; i < kPageCount; ++i) {
        if (visible_[i]) {
            return static_cast<PageIndex>(i);
        }
    }
    return std::nullopt;
}

std::string MainWindowModel::FreeRamLine() const {
    return "Free RAM: " + std::to_string(sample_.availPhysMB) + " MB";
}

void MainWindowModel::SelectPage(PageIndex page) {
    visible_.fill(false);
    statusTimerEnabled_ = true;
    switch (page) {
        case PageIndex::Optimizer:
            scaleTop_ = std::to_string(sample_.totalPhysMB);
            scaleMiddle_ = std::to_string(sample_.totalPhysMB >> 1);
            scaleBottom_ = "0";
            quickInfo_ = {TextTable::Row(kRowMoveCursor), ""};
            title_ = NavCaption(NavEntry::Optimizer);
            break;
        case PageIndex::Shortcut: title_ = NavCaption(NavEntry::Shortcut); break;
        case PageIndex::Startup: {
            title_ = NavCaption(NavEntry::Startup);
            // Refilling the list must not count as a change.
            pages_.RepaintStartupList();
            const bool applyWas = applyEnabled_;
            pages_.RefillStartupList();
            applyEnabled_ = applyWas;
            pages_.RepaintStartupList();
            pages_.DisableDeleteItem();
            break;
        }
        case PageIndex::SystemInfo:
            title_ = NavCaption(NavEntry::SystemInfo);
            systemInfoTab_ = 0;
            pages_.RefillSystemInfo();
            break;
        case PageIndex::TweakNt:
            pages_.HideNtTweakEditors();
            title_ = NavCaption(NavEntry::Tweak);
            break;
        case PageIndex::Tweak9x: title_ = NavCaption(NavEntry::Tweak); break;
    }
    visible_[static_cast<int>(page)] = true;
}

void MainWindowModel::PressNav(NavEntry entry) {
    std::optional<PageIndex> page;
    switch (entry) {
        case NavEntry::Optimizer: page = PageIndex::Optimizer; break;
        case NavEntry::SystemInfo: page = PageIndex::SystemInfo; break;
        case NavEntry::Startup: page = PageIndex::Startup; break;
        case NavEntry::Shortcut: page = PageIndex::Shortcut; break;
        case NavEntry::Tweak: page = TweakPage(); break;
    }
    if (page && !PageVisible(*page)) {
        SelectPage(*page);
    }
}

void MainWindowModel::PointerOver(QuickInfoItem item) {
    quickInfo_ = QuickInfoFor(item, sample_.totalPhysMB);
}

std::string MainWindowModel::HelpAddress() const {
    // The first visible page in this order decides.
    static constexpr struct {
        PageIndex page;
        const char* topic;
    } kTopics[] = {
        {PageIndex::Optimizer, "::/RAM Optimizer.htm"}, {PageIndex::Shortcut, "::/Shortcut.htm"},
        {PageIndex::TweakNt, "::/TweakNT.htm"},         {PageIndex::Tweak9x, "::/Tweak9x.htm"},
        {PageIndex::Startup, "::/Startup.htm"},
    };
    for (const auto& entry : kTopics) {
        if (PageVisible(entry.page)) {
            return facts_.helpFilePath + entry.topic;
        }
    }
    if (PageVisible(PageIndex::SystemInfo)) {
        static constexpr const char* kTabTopics[] = {"::/Windows.htm", "::/Process.htm", "::/Memory.htm"};
        if (systemInfoTab_ >= 0 && systemInfoTab_ < 3) {
            return facts_.helpFilePath + kTabTopics[systemInfoTab_];
        }
    }
    // Nothing visible: the help call still runs, with the bare file.
    return facts_.helpFilePath;
}

}  // namespace talvane
