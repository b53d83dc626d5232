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
    steps.ReadShellFolders();
    steps.ReadInstallDir();
    pages_.clear();
    for (ui::Page* page : allPages_) {
        if (page->ExistsOn(facts_.family)) {
            pages_.push_back(page);
        }
    }
    for (ui::Page* page : pages_) {
        steps.CreateControls(*page);
        page->Build();
    }
    for (ui::Page* page : pages_) {
        page->Read();
    }
    for (ui::Page* page : pages_) {
        page->Started(report);
    }
    for (ui::Page* page : pages_) {
        if (page->PanelId() == StartPanelId()) {
            SelectPage(*page);
        }
    }
    // Reading the settings moved controls; a fresh window has nothing to apply.
    ClearChanges();
}

void MainWindowModel::SelectPage(ui::Page& page) {
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
