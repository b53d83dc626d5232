#include "shell/main_window_model.h"

#include <algorithm>

#include "control_ids.h"

namespace talvane {

int StartPanelId() {
    return IDC_FORM1_PAGE0;
}

void MainWindowModel::Create(StartSteps& steps, SaveReport& report) {
    steps.DetermineFamily();
    steps.TakeFirstSample();
    steps.ReadDirectories();
    steps.ReadInstallDir();
    steps_ = &steps;
    pages_.clear();
    built_.clear();
    for (ui::Page* page : allPages_) {
        if (page->ExistsOn(facts_.family)) {
            pages_.push_back(page);
        }
    }
    for (ui::Page* page : pages_) {
        if (page->PanelId() == StartPanelId()) {
            Build(*page);
            page->Read();
            page->Started(report);
            SelectPage(*page);
        }
    }
    // Reading the settings moved controls; a fresh window has nothing to apply.
    ClearChanges();
}

// Kept in the order of the page list, whenever each page is built.
void MainWindowModel::Build(ui::Page& page) {
    // Read once: just before the first page that uses them is built.
    if (page.UsesShellFolders() &&
        std::none_of(built_.begin(), built_.end(), [](const ui::Page* p) { return p->UsesShellFolders(); })) {
        steps_->ReadShellFolders();
    }
    steps_->CreateControls(page);
    page.Build();
    std::vector<ui::Page*> built;
    for (ui::Page* listed : pages_) {
        if (listed == &page || IsBuilt(*listed)) {
            built.push_back(listed);
        }
    }
    built_ = std::move(built);
}

bool MainWindowModel::IsBuilt(const ui::Page& page) const {
    return std::find(built_.begin(), built_.end(), &page) != built_.end();
}

void MainWindowModel::SelectPage(ui::Page& page) {
    if (!IsBuilt(page) && steps_ != nullptr) {
        const bool applyWas = applyEnabled_;
        Build(page);
        page.Read();  // moving its controls is no change of the user's
        applyEnabled_ = applyWas;
    }
    statusTimerEnabled_ = true;
    title_ = page.Title();
    const bool applyWas = applyEnabled_;
    page.Shown(quickInfo_);
    applyEnabled_ = applyWas;
    visible_ = &page;
}

bool MainWindowModel::PressNav(int navId) {
    for (ui::Page* page : pages_) {
        if (page->NavId() == navId) {
            if (page != visible_) {
                SelectPage(*page);
            }
            return true;
        }
    }
    return std::any_of(allPages_.begin(), allPages_.end(),
                       [navId](const ui::Page* page) { return page->NavId() == navId; });
}

void MainWindowModel::PointerOver(int controlId) {
    for (const ui::Page* page : pages_) {
        if (auto lines = page->QuickInfo(controlId)) {
            quickInfo_ = std::move(*lines);
            return;
        }
    }
}

std::string MainWindowModel::HelpAddress() const {
    if (visible_ == nullptr) {
        return facts_.helpFilePath;
    }
    return facts_.helpFilePath + visible_->HelpTopic();
}

}  // namespace talvane
