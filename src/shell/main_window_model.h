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

    // The facts first, then the start page built, read and started and shown with nothing to apply. Failed writes
    // of the first start go to `report`. The other pages of this family are built and read when first shown: their
    // controls cost the start nothing, and a page nobody opened has nothing to apply. The shell's folders are read
    // just before the first page that uses them is built. `steps` must outlive the model.
    void Create(StartSteps& steps, SaveReport& report);

    // Shows the page, building it first if it was never shown; showing a page is never a change, whatever it
    // builds or refills.
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

    // The pages of this family built so far, in the order Apply writes, reads and ticks them.
    [[nodiscard]] const std::vector<ui::Page*>& Pages() const { return built_; }
    [[nodiscard]] ui::Page* Visible() const { return visible_; }
    [[nodiscard]] const std::string& Title() const { return title_; }
    [[nodiscard]] const QuickInfoLines& QuickInfo() const { return quickInfo_; }
    [[nodiscard]] bool StatusTimerEnabled() const { return statusTimerEnabled_; }

private:
    void Build(ui::Page& page);
    [[nodiscard]] bool IsBuilt(const ui::Page& page) const;

    const StartupFacts& facts_;
    StartSteps* steps_ = nullptr;
    std::vector<ui::Page*> allPages_;
    std::vector<ui::Page*> pages_;
    std::vector<ui::Page*> built_;
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
