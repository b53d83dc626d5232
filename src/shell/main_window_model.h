// The main window's state: which page shows, its title, quick info, graph labels and Apply.
#pragma once

#include "ui/form_table.h"

#include <array>
#include <optional>
#include <string>

#include "base/memory_sample.h"
#include "base/startup_facts.h"
#include "shell/quick_info.h"

namespace talvane {

enum class PageIndex : int { Optimizer = 0, Shortcut = 1, Startup = 2, SystemInfo = 3, TweakNt = 4, Tweak9x = 5 };
constexpr int kPageCount = 6;

enum class NavEntry { Optimizer, SystemInfo, Startup, Shortcut, Tweak };

// What pages owned elsewhere do when they are shown; each page fills in its own.
class PageActions {
public:
    virtual ~PageActions() = default;
    virtual void RepaintStartupList() {}
    virtual void RefillStartupList() {}
    virtual void DisableDeleteItem() {}
    virtual void RefillSystemInfo() {}
    virtual void HideNtTweakEditors() {}
};

class MainWindowModel {
public:
    MainWindowModel(const StartupFacts& facts, const MemorySample& sample, PageActions& pages)
        : facts_(facts), sample_(sample), pages_(pages) {}

    void SelectPage(PageIndex page);
    // Does nothing when the entry's page shows already, or on a family without a tweak page.
    void PressNav(NavEntry entry);
    void PointerOver(QuickInfoItem item);

    // Help file path and topic for what shows now.
    [[nodiscard]] std::string HelpAddress() const;

    void MarkChanged() { applyEnabled_ = true; }
    void ClearChanges() { applyEnabled_ = false; }
    [[nodiscard]] bool ApplyEnabled() const { return applyEnabled_; }

    void SelectSystemInfoTab(int tab) { systemInfoTab_ = tab; }
    [[nodiscard]] int SystemInfoTab() const { return systemInfoTab_; }

    [[nodiscard]] bool PageVisible(PageIndex page) const { return visible_[static_cast<int>(page)]; }
    [[nodiscard]] std::optional<PageIndex> VisiblePage() const;
    [[nodiscard]] const std::string& Title() const { return title_; }
    [[nodiscard]] const QuickInfoLines& QuickInfo() const { return quickInfo_; }
    [[nodiscard]] bool StatusTimerEnabled() const { return statusTimerEnabled_; }
    [[nodiscard]] const std::string& ScaleTop() const { return scaleTop_; }
    [[nodiscard]] const std::string& ScaleMiddle() const { return scaleMiddle_; }
    [[nodiscard]] const std::string& ScaleBottom() const { return scaleBottom_; }

    // "Free RAM: N MB" from the latest sample.
    [[nodiscard]] std::string FreeRamLine() const;
    [[nodiscard]] std::optional<PageIndex> TweakPage() const;

private:
    const StartupFacts& facts_;
    const MemorySample& sample_;
    PageActions& pages_;

    std::array<bool, kPageCount> visible_{};
    std::string title_;
    QuickInfoLines quickInfo_{"Detail", "Detail"};
    std::string scaleTop_;
    std::string scaleMiddle_;
    std::string scaleBottom_;
    bool applyEnabled_ = false;
    bool statusTimerEnabled_ = false;
    int systemInfoTab_ = 0;
};

// The caption of a navigation entry, which is also its page's title.
std::string NavCaption(NavEntry entry);

const FormTable& MainWindowForm();

}  // namespace talvane
