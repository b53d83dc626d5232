// The main window's state over its list of pages: which one shows, its title, quick info and Apply, and the
// order in which the pages are built, read, written and ticked.
#pragma once

#include <string>
#include <vector>

#include "base/quick_info.h"
#include "base/startup_facts.h"
#include "settings/save_report.h"
#include "ui/form_table.h"
#include "ui/page.h"

namespace talvane {

// What only the window does while it is being created.
class StartSteps {
public:
    virtual ~StartSteps() = default;
    virtual void DetermineFamily() = 0;
    virtual void TakeFirstSample() = 0;
    virtual void ReadDirectories() = 0;
    virtual void ReadShellFolders() = 0;
    virtual void ReadInstallDir() = 0;
    // Creates the page's controls and sets their text-table rows.
    virtual void CreateControls(ui::Page& page) = 0;
};

class MainWindowModel {
public:
    MainWindowModel(const StartupFacts& facts, std::vector<ui::Page*> pages)
        : facts_(facts), allPages_(std::move(pages)) {}

    // The facts first, then every page of this family built, read and started, then the first page shown
    // with nothing to apply. Failed writes of the first start go to `report`.
    void Create(StartSteps& steps, SaveReport& report);

    // Shows the page; showing a page is never a change, whatever it refills.
    void SelectPage(ui::Page& page);
    // Shows the entry's page unless it shows already; an entry without a page on this family does nothing.
    // False when the ID is no navigation entry.
    bool PressNav(int navId);
    // The pointer is over a control, or over a page panel's empty area (the panel's ID).
    void PointerOver(int controlId);

    // Help file path and the shown page's topic; the bare file while no page shows.
    [[nodiscard]] std::string HelpAddress() const;

    void MarkChanged() { applyEnabled_ = true; }
    void ClearChanges() { applyEnabled_ = false; }
    [[nodiscard]] bool ApplyEnabled() const { return applyEnabled_; }

    // The pages of this family, once Create has run, in the order Apply writes them.
    [[nodiscard]] const std::vector<ui::Page*>& Pages() const { return pages_; }
    [[nodiscard]] ui::Page* Visible() const { return visible_; }
    [[nodiscard]] const std::string& Title() const { return title_; }
    [[nodiscard]] const QuickInfoLines& QuickInfo() const { return quickInfo_; }
    [[nodiscard]] bool StatusTimerEnabled() const { return statusTimerEnabled_; }

private:
    const StartupFacts& facts_;
    std::vector<ui::Page*> allPages_;
    std::vector<ui::Page*> pages_;
    ui::Page* visible_ = nullptr;
    std::string title_;
    QuickInfoLines quickInfo_{"Detail", "Detail"};
    bool applyEnabled_ = false;
    bool statusTimerEnabled_ = false;
};

// The window's own controls: toolbar, navigation, content area, the empty page panels and quick info.
const FormTable& MainWindowForm();
// The panel shown at start.
int StartPanelId();

}  // namespace talvane
