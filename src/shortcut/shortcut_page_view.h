// The Create Shortcut page: a program, its parameters, the memory to recover and a priority become a shortcut
// that starts VelkLaunch.exe.
#pragma once

#include <vector>

#include "ui/app_context.h"
#include "ui/form_builder.h"
#include "ui/page.h"

namespace talvane {

class ShortcutPageView final : public ui::IdentifiedPage {
public:
    ShortcutPageView(AppContext& context, const ui::Form& form, ui::PageHost& host);

    [[nodiscard]] std::optional<QuickInfoLines> QuickInfo(int controlId) const override;
    [[nodiscard]] const std::vector<ControlRow>& Controls() const override;
    [[nodiscard]] bool UsesShellFolders() const override { return true; }

    void Build() override;
    bool Command(int controlId, int code) override;
    bool Scrolled(int controlId) override;

private:
    void ShowAmount();
    void EnableCreate();
    void BrowseProgram();
    void BrowseFolder();
    void Create();
    [[nodiscard]] int Selected(int id) const;

    AppContext& context_;
    const ui::Form& form_;
    ui::PageHost& host_;
};

}  // namespace talvane
