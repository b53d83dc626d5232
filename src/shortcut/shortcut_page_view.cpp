#include "shortcut/shortcut_page_view.h"

#include <array>

#include "base/launcher_line.h"
#include "base/text_table.h"
#include "control_ids.h"
#include "settings/settings_schema.h"
#include "shortcut/launcher_shortcut.h"
#include "ui/common_dialogs.h"

namespace talvane {

namespace {

constexpr int kTitleRow = 68;
constexpr int kMegabytesRow = 85;
constexpr int kProgramFilterRow = 75;
constexpr int kBrowseHintRow = 92;
constexpr int kSelectDirectoryRow = 99;
constexpr int kFolderBrowse = 2;
constexpr int kNormalPriority = 1;
constexpr std::array<int, 3> kPriorityRows = {93, 94, 95};
constexpr std::array<int, 3> kFolderRows = {96, 97, 98};

constexpr ControlKind L = ControlKind::Label;
constexpr Surface kNone = Surface::None;

const std::vector<ControlRow>& PageControls() {
    static const std::vector<ControlRow> controls = {
        {IDC_FORM1_LABEL34, IDC_FORM1_PAGE1, L, 16, 22, 130, 14, 76, "Label34", kNone, Art::None, 0},
        {IDC_FORM1_EDIT4, IDC_FORM1_PAGE1, ControlKind::Edit, 150, 18, 285, 21, kNoRow, "", kNone, Art::None, 0},
        {IDC_FORM1_LABEL37, IDC_FORM1_PAGE1, L, 16, 56, 130, 14, 78, "Label37", kNone, Art::None, 0},
        {IDC_FORM1_EDIT5, IDC_FORM1_PAGE1, ControlKind::ReadOnlyEdit, 150, 52, 258, 21, kNoRow, "", kNone, Art::None,
         0},
        {IDC_FORM1_SPEEDBUTTON18, IDC_FORM1_PAGE1, ControlKind::FlatButton, 412, 52, 23, 21, kNoRow, "...", kNone,
         Art::None, kHandCursor},
        {IDC_FORM1_LABEL63, IDC_FORM1_PAGE1, L, 16, 90, 130, 14, 81, "Label63", kNone, Art::None, 0},
        {IDC_FORM1_EDIT9, IDC_FORM1_PAGE1, ControlKind::Edit, 150, 86, 285, 21, kNoRow, "", kNone, Art::None, 0},
        {IDC_FORM1_LABEL35, IDC_FORM1_PAGE1, L, 16, 126, 130, 14, 84, "Label35", kNone, Art::None, 0},
        {IDC_FORM1_TRACKBAR3, IDC_FORM1_PAGE1, ControlKind::TrackBar, 146, 120, 200, 25, kNoRow, "", kNone, Art::None,
         kHandCursor},
        {IDC_FORM1_LABEL41, IDC_FORM1_PAGE1, L, 350, 126, 90, 14, kNoRow, "", kNone, Art::None, 0},
        {IDC_FORM1_LABEL36, IDC_FORM1_PAGE1, L, 16, 162, 130, 14, 87, "Label36", kNone, Art::None, 0},
        {IDC_FORM1_COMBOBOX5, IDC_FORM1_PAGE1, ControlKind::ComboEdit, 150, 158, 285, 120, kNoRow, "", kNone, Art::None,
         0},
        {IDC_FORM1_LABEL38, IDC_FORM1_PAGE1, L, 16, 196, 130, 14, 89, "Label38", kNone, Art::None, 0},
        {IDC_FORM1_COMBOBOX4, IDC_FORM1_PAGE1, ControlKind::ComboEdit, 150, 192, 285, 120, kNoRow, "", kNone, Art::None,
         0},
        {IDC_FORM1_SPEEDBUTTON19, IDC_FORM1_PAGE1, ControlKind::FlatButton, 150, 236, 230, 25, 91,
         "Click Here to create the shortcut", kNone, Art::None, kHandCursor},
    };
    return controls;
}

const std::vector<QuickInfoRow>& QuickInfoRows() {
    constexpr int kMoveCursorRow = 7;
    static const std::vector<QuickInfoRow> rows = {
        {IDC_FORM1_PAGE1, kMoveCursorRow, kNoSecondLine},
        {IDC_FORM1_LABEL34, 77, kNoSecondLine},
        {IDC_FORM1_LABEL37, 79, 80},
        {IDC_FORM1_LABEL63, 82, 83},
        {IDC_FORM1_LABEL35, 86, kNoSecondLine},
        {IDC_FORM1_LABEL36, 88, kNoSecondLine},
        {IDC_FORM1_LABEL38, 90, kNoSecondLine},
    };
    return rows;
}

}  // namespace

ShortcutPageView::ShortcutPageView(AppContext& context, const ui::Form& form, ui::PageHost& host)
    : ui::IdentifiedPage({IDC_FORM1_PAGE1, IDC_FORM1_NAV_SHORTCUT, kTitleRow, "::/Shortcut.htm"}),
      context_(context),
      form_(form),
      host_(host) {}

std::optional<QuickInfoLines> ShortcutPageView::QuickInfo(int controlId) const {
    return QuickInfoFromRows(QuickInfoRows(), controlId, context_.sample.totalPhysMB);
}

const std::vector<ControlRow>& ShortcutPageView::Controls() const {
    return PageControls();
}

// The chosen item's index, or -1 when the box's text is not that item's: typed by the user, or set from outside.
int ShortcutPageView::Selected(int id) const {
    const HWND combo = form_.Control(id);
    const int index = form_.Selected(id);
    const auto length = index < 0 ? CB_ERR : SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) {
        return -1;
    }
    std::string item(static_cast<std::size_t>(length) + 1, '\0');
    const auto copied =
        SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item.data()));
    item.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return item == form_.Text(id) ? index : -1;
}

void ShortcutPageView::Build() {
    const HWND slider = form_.Control(IDC_FORM1_TRACKBAR3);
    // The same bound as the target free RAM slider.
    const auto maximum = Setting(SettingId::TargetFreeRam).maximum.For(context_.sample.totalPhysMB);
    SendMessageA(slider, TBM_SETRANGEMIN, FALSE, 0);
    SendMessageA(slider, TBM_SETRANGEMAX, TRUE, static_cast<LPARAM>(maximum));
    SendMessageA(slider, TBM_SETTICFREQ, 16, 0);
    ShowAmount();
    form_.SetItems(IDC_FORM1_COMBOBOX5, TextTable::Texts(kPriorityRows));
    form_.Select(IDC_FORM1_COMBOBOX5, kNormalPriority);
    form_.SetItems(IDC_FORM1_COMBOBOX4, TextTable::Texts(kFolderRows));
    form_.Select(IDC_FORM1_COMBOBOX4, kFolderDesktop);
    form_.GrowFromRow(IDC_FORM1_SPEEDBUTTON18, BrowseButtonGrowth(context_.facts.family));
    ui::AddHint(context_.instance, ui::TopLevelOf(form_.Control(IDC_FORM1_SPEEDBUTTON18)),
                form_.Control(IDC_FORM1_SPEEDBUTTON18), TextTable::Text(kBrowseHintRow));
    EnableCreate();
}

void ShortcutPageView::ShowAmount() {
    const auto position = SendMessageA(form_.Control(IDC_FORM1_TRACKBAR3), TBM_GETPOS, 0, 0);
    form_.SetText(IDC_FORM1_LABEL41, std::to_string(position) + " " + TextTable::Text(kMegabytesRow));
}

void ShortcutPageView::EnableCreate() {
    const bool filled = !form_.Text(IDC_FORM1_EDIT4).empty() && !form_.Text(IDC_FORM1_EDIT5).empty();
    EnableWindow(form_.Control(IDC_FORM1_SPEEDBUTTON19), filled ? TRUE : FALSE);
}

bool ShortcutPageView::Scrolled(int controlId) {
    if (controlId != IDC_FORM1_TRACKBAR3) {
        return false;
    }
    ShowAmount();
    return true;
}

bool ShortcutPageView::Command(int controlId, int code) {
    switch (controlId) {
        case IDC_FORM1_EDIT4:
        case IDC_FORM1_EDIT5:
            if (code == EN_CHANGE) {
                EnableCreate();
            }
            return true;
        case IDC_FORM1_SPEEDBUTTON18:
            if (code == BN_CLICKED) {
                BrowseProgram();
            }
            return true;
        case IDC_FORM1_COMBOBOX4:
            // The edit box takes the chosen item's text only after this notification.
            if (code == CBN_SELCHANGE && form_.Selected(IDC_FORM1_COMBOBOX4) == kFolderBrowse) {
                BrowseFolder();
            }
            return true;
        case IDC_FORM1_SPEEDBUTTON19:
            if (code == BN_CLICKED) {
                Create();
            }
            return true;
        default: return false;
    }
}

void ShortcutPageView::BrowseProgram() {
    const HWND owner = win32::ToHwnd(host_.Owner());
    if (const auto picked = ui::PickFile(context_.fileDialog, owner, TextTable::Text(kProgramFilterRow))) {
        form_.SetText(IDC_FORM1_EDIT5, *picked);
    }
}

// A chosen folder joins the list for as long as the program runs.
void ShortcutPageView::BrowseFolder() {
    const HWND combo = form_.Control(IDC_FORM1_COMBOBOX4);
    const auto folder =
        context_.shell.BrowseForFolder(win32::ToHwnd(host_.Owner()), TextTable::Text(kSelectDirectoryRow));
    if (!folder) {
        return;
    }
    const auto index = SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(folder->c_str()));
    form_.Select(IDC_FORM1_COMBOBOX4, static_cast<int>(index));
}

void ShortcutPageView::Create() {
    LauncherShortcut shortcut;
    shortcut.name = form_.Text(IDC_FORM1_EDIT4);
    shortcut.programPath = form_.Text(IDC_FORM1_EDIT5);
    shortcut.parameters = form_.Text(IDC_FORM1_EDIT9);
    shortcut.megabytes = static_cast<std::uint32_t>(SendMessageA(form_.Control(IDC_FORM1_TRACKBAR3), TBM_GETPOS, 0, 0));
    shortcut.priority = Selected(IDC_FORM1_COMBOBOX5);  // -1 is kTypedPriority
    shortcut.folderIndex = Selected(IDC_FORM1_COMBOBOX4);
    shortcut.folderText = form_.Text(IDC_FORM1_COMBOBOX4);
    // A link that could not be saved is said; one that was needs no word.
    if (!CreateLauncherLink(context_.links, context_.facts, shortcut, host_.Report())) {
        host_.ReportSaves();
    }
}

}  // namespace talvane
