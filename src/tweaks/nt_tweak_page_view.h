// The Windows Tweak page of Windows 2000 and XP: seven tweaks, the editor strip of the four that carry a figure,
// and the note about tweaks left at their Windows default, shown on the startup item dialog's note page.
#pragma once

#include <string>
#include <vector>

#include "tweaks/nt_tweaks.h"
#include "ui/app_context.h"
#include "ui/form_builder.h"
#include "ui/item_dialog.h"
#include "ui/page.h"

namespace talvane {

class NtTweakPageView final : public ui::IdentifiedPage, private ui::ItemDialogPage {
public:
    NtTweakPageView(AppContext& context, const ui::Form& form, ui::PageHost& host);

    [[nodiscard]] std::optional<QuickInfoLines> QuickInfo(int controlId) const override;
    [[nodiscard]] const std::vector<ControlRow>& Controls() const override;

    void Build() override;
    void Read() override;
    void Write(SaveReport& report) override;
    void Shown(QuickInfoLines& quickInfo) override;
    void Applied() override;
    bool Command(int controlId, int code) override;
    bool Notified(int controlId, const void* header) override;

private:
    // The note page of the startup item dialog
    void Opening(ui::ItemDialog& dialog) override;
    void Command(ui::ItemDialog& /*dialog*/, int /*id*/, int /*code*/) override {}  // its Close is the dialog's

    // The controls into the model, and back.
    void Collect();
    void Render();
    void HideEditors();
    void Changed();

    AppContext& context_;
    const ui::Form& form_;
    ui::PageHost& host_;
    NtTweaks tweaks_;
    std::vector<std::string> note_;
    bool wrote_ = false;    // Apply wrote; the note waits for the read-back
    bool noteDue_ = false;  // the read-back after a write came
};

}  // namespace talvane
