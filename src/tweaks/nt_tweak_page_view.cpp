#include "tweaks/nt_tweak_page_view.h"

#include "base/text_table.h"
#include "control_ids.h"
#include "ui/spin_field.h"

namespace talvane {

namespace {

constexpr int kTitleRow = 131;
constexpr int kNoteCaptionRow = 211;
constexpr int kNoteSecondLineRow = 214;

constexpr int kChecks[kNtTweakCount] = {IDC_FORM1_CHECKBOX9,  IDC_FORM1_CHECKBOX6, IDC_FORM1_CHECKBOX10,
                                        IDC_FORM1_CHECKBOX87, IDC_FORM1_CHECKBOX7, IDC_FORM1_CHECKBOX88,
                                        IDC_FORM1_CHECKBOX89};

// The editors of the tweaks that carry a figure, in the strip below the check boxes.
struct Editor {
    NtTweak tweak;
    int id;
    int labelRow;
};
constexpr Editor kEditors[] = {
    {NtTweak::DiskCache, IDC_FORM1_COMBOBOX2, 183},
    {NtTweak::AppTimeout, IDC_FORM1_SPINEDIT10, 184},
    {NtTweak::ServiceTimeout, IDC_FORM1_SPINEDIT11, 185},
    {NtTweak::HungAppTimeout, IDC_FORM1_SPINEDIT12, 186},
};
constexpr int kSpins[kNtTimeoutCount] = {IDC_FORM1_SPINEDIT10, IDC_FORM1_SPINEDIT11, IDC_FORM1_SPINEDIT12};

const std::vector<ControlRow>& PageControls() {
    constexpr ControlKind kCheck = ControlKind::Check;
    constexpr Surface kNone = Surface::None;
    constexpr int kFrame = IDC_FORM1_TWEAK_FRAME;
    static const std::vector<ControlRow> controls = [] {
        std::vector<ControlRow> rows;
        for (std::size_t i = 0; i < kNtTweakCount; ++i) {
            rows.push_back({kChecks[i], IDC_FORM1_PAGE4, kCheck, 16, 16 + 24 * static_cast<int>(i), 420, 17,
                            162 + static_cast<int>(i), "", kNone, Art::None, 0});
        }
        const std::vector<ControlRow> strip = {
            {kFrame, IDC_FORM1_PAGE4, ControlKind::Panel, 16, 215, 425, 42, kNoRow, "", Surface::Editor, Art::None,
             kRoundedFrame},
            // Editors first: earlier siblings are drawn on top of the label's free width.
            {IDC_FORM1_COMBOBOX2, kFrame, ControlKind::ComboEdit, 106, 9, 90, 200, kNoRow, "", kNone, Art::None,
             kHidden},
            {IDC_FORM1_SPINEDIT10, kFrame, ControlKind::SpinEdit, 154, 9, 57, 22, kNoRow, "", kNone, Art::None,
             kHidden},
            {IDC_FORM1_SPINEDIT11, kFrame, ControlKind::SpinEdit, 138, 9, 57, 22, kNoRow, "", kNone, Art::None,
             kHidden},
            {IDC_FORM1_SPINEDIT12, kFrame, ControlKind::SpinEdit, 186, 9, 57, 22, kNoRow, "", kNone, Art::None,
             kHidden},
            {IDC_FORM1_LABEL25, kFrame, ControlKind::Label, 16, 13, 170, 13, kNoRow, "", kNone, Art::None, kHidden},
            {IDC_FORM1_NT_RECOMMENDED, IDC_FORM1_PAGE4, ControlKind::FlatButton, 16, 267, 105, 22, kNoRow,
             "Recommended", kNone, Art::None, kHandCursor},
            {IDC_FORM1_NT_DEFAULT, IDC_FORM1_PAGE4, ControlKind::FlatButton, 128, 267, 73, 22, kNoRow, "Default", kNone,
             Art::None, kHandCursor},
        };
        rows.insert(rows.end(), strip.begin(), strip.end());
        return rows;
    }();
    return controls;
}

// A spin field's arrows are a window of their own beside its edit box.
void ShowEditor(const ui::Form& form, int id, bool visible) {
    form.Show(id, visible);
    if (const HWND arrows = GetDlgItem(form.Control(IDC_FORM1_TWEAK_FRAME), id + IDC_FORM1_SPIN_ARROWS_OFFSET)) {
        ShowWindow(arrows, visible ? SW_SHOW : SW_HIDE);
    }
}

int CheckIndex(int controlId) {
    for (std::size_t i = 0; i < kNtTweakCount; ++i) {
        if (kChecks[i] == controlId) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace

NtTweakPageView::NtTweakPageView(AppContext& context, const ui::Form& form, ui::PageHost& host)
    : ui::IdentifiedPage({IDC_FORM1_PAGE4, IDC_FORM1_NAV_TWEAK, kTitleRow, "::/TweakNT.htm", IsNtFamily}),
      context_(context),
      form_(form),
      host_(host) {}

std::optional<QuickInfoLines> NtTweakPageView::QuickInfo(int controlId) const {
    return NtTweakQuickInfo(controlId, context_.sample.totalPhysMB);
}

const std::vector<ControlRow>& NtTweakPageView::Controls() const {
    return PageControls();
}

void NtTweakPageView::Build() {
    std::vector<std::string> sizes;
    sizes.reserve(kDiskCacheSizesMB.size());
    for (const std::uint32_t mb : kDiskCacheSizesMB) {
        sizes.push_back(std::to_string(mb) + " MB");
    }
    form_.SetItems(IDC_FORM1_COMBOBOX2, sizes);
    for (std::size_t i = 0; i < kNtTimeoutCount; ++i) {
        const SpinValue& spin = tweaks_.timeouts[i];
        ui::AttachSpinArrows(form_.Control(kSpins[i]), kSpins[i] + IDC_FORM1_SPIN_ARROWS_OFFSET,
                             static_cast<int>(spin.Minimum()), static_cast<int>(spin.Maximum()), spin.MaxLength());
    }
    HideEditors();
    Render();
}

void NtTweakPageView::Collect() {
    for (std::size_t i = 0; i < kNtTweakCount; ++i) {
        tweaks_.checked[i] = SendMessageA(form_.Control(kChecks[i]), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    for (std::size_t i = 0; i < kNtTimeoutCount; ++i) {
        tweaks_.timeouts[i].Type(form_.Text(kSpins[i]));
    }
    tweaks_.cacheEntry = form_.Selected(IDC_FORM1_COMBOBOX2);
}

void NtTweakPageView::Render() {
    for (std::size_t i = 0; i < kNtTweakCount; ++i) {
        SendMessageA(form_.Control(kChecks[i]), BM_SETCHECK, tweaks_.checked[i] ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    for (std::size_t i = 0; i < kNtTimeoutCount; ++i) {
        tweaks_.timeouts[i].Leave();
        form_.SetText(kSpins[i], tweaks_.timeouts[i].Text());
    }
    if (tweaks_.clearCacheText) {
        tweaks_.clearCacheText = false;
        form_.Select(IDC_FORM1_COMBOBOX2, -1);
        form_.SetText(IDC_FORM1_COMBOBOX2, "");
    } else if (tweaks_.cacheEntry != kNoCacheEntry) {
        form_.Select(IDC_FORM1_COMBOBOX2, tweaks_.cacheEntry);
    }
}

void NtTweakPageView::HideEditors() {
    form_.Show(IDC_FORM1_LABEL25, false);
    for (const Editor& editor : kEditors) {
        ShowEditor(form_, editor.id, false);
    }
}

void NtTweakPageView::Changed() {
    host_.NeedRestart();
    host_.MarkChanged();
}

void NtTweakPageView::Read() {
    Collect();
    ReadNtTweaks(context_.registry, tweaks_);
    Render();
    noteDue_ = wrote_;
    wrote_ = false;
}

void NtTweakPageView::Write(SaveReport& report) {
    Collect();
    WriteNtTweaks(context_.registry, tweaks_, report);
    wrote_ = true;
}

void NtTweakPageView::Shown(QuickInfoLines& /*quickInfo*/) {
    HideEditors();
}

void NtTweakPageView::Applied() {
    const bool due = noteDue_;
    noteDue_ = false;
    wrote_ = false;
    if (!due) {
        return;
    }
    Collect();
    note_ = TakeUnchangedNtTweaks(tweaks_);
    if (note_.empty()) {
        return;
    }
    Render();
    HideEditors();
    context_.itemDialog.Open(win32::ToHwnd(host_.Owner()), ui::ItemPage::Note, TextTable::Text(kNoteCaptionRow), *this);
}

void NtTweakPageView::Opening(ui::ItemDialog& dialog) {
    dialog.SetText(IDC_FORM2_LABEL7, NoteFirstLine(note_.size()));
    dialog.SetText(IDC_FORM2_LABEL8, TextTable::Text(kNoteSecondLineRow));
    dialog.SetItems(IDC_FORM2_LISTBOX1, note_);
}

bool NtTweakPageView::Command(int controlId, int code) {
    if (controlId == IDC_FORM1_COMBOBOX2) {
        if (code == CBN_SELCHANGE || code == CBN_EDITCHANGE) {
            host_.MarkChanged();
        }
        return true;
    }
    if (code != BN_CLICKED) {
        return false;
    }
    if (controlId == IDC_FORM1_NT_RECOMMENDED || controlId == IDC_FORM1_NT_DEFAULT) {
        Collect();
        const bool changed = controlId == IDC_FORM1_NT_DEFAULT
                                 ? DefaultNtTweaks(tweaks_)
                                 : RecommendNtTweaks(tweaks_, context_.sample.totalPhysMB);
        Render();
        if (changed) {
            Changed();
        }
        return true;
    }
    const int index = CheckIndex(controlId);
    if (index < 0) {
        return false;
    }
    // A click and the space bar alike; the box has already changed.
    HideEditors();
    Changed();
    const bool nowChecked = SendMessageA(form_.Control(controlId), BM_GETCHECK, 0, 0) == BST_CHECKED;
    for (const Editor& editor : kEditors) {
        if (static_cast<int>(editor.tweak) == index && nowChecked) {
            form_.SetText(IDC_FORM1_LABEL25, TextTable::Text(editor.labelRow));
            form_.Show(IDC_FORM1_LABEL25, true);
            ShowEditor(form_, editor.id, true);
        }
    }
    return true;
}

bool NtTweakPageView::Notified(int /*controlId*/, const void* header) {
    const std::optional<ui::SpinStep> step = ui::SpinStepOf(*static_cast<const NMHDR*>(header));
    if (!step) {
        return false;
    }
    for (std::size_t i = 0; i < kNtTimeoutCount; ++i) {
        if (kSpins[i] == step->editId) {
            SpinValue& spin = tweaks_.timeouts[i];
            spin.Type(form_.Text(kSpins[i]));
            spin.Step(step->delta);
            form_.SetText(kSpins[i], spin.Text());
            return true;
        }
    }
    return false;
}

}  // namespace talvane
