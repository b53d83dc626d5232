#include "startup/startup_page_view.h"

#include "base/text_table.h"
#include "control_ids.h"
#include "ui/common_dialogs.h"
#include "ui/report_list.h"

namespace talvane {

namespace {

constexpr int kTitleRow = 69;
constexpr int kAddCaptionRow = 108;
constexpr int kDeleteQuestionRow = 114;
constexpr int kProgramFilterRow = 75;

// The check box is the state image: 1 unchecked, 2 checked.
constexpr UINT kCheckedState = INDEXTOSTATEIMAGEMASK(2);
constexpr UINT kUncheckedState = INDEXTOSTATEIMAGEMASK(1);

const std::vector<ControlRow>& PageControls() {
    static const std::vector<ControlRow> controls = {
        {IDC_FORM1_LISTVIEW1, IDC_FORM1_PAGE2, ControlKind::ListView, 8, 8, 441, 257, kNoRow, "", Surface::None,
         Art::None, 0},
        {IDC_FORM1_SPEEDBUTTON46, IDC_FORM1_PAGE2, ControlKind::FlatButton, 8, 273, 90, 23, 106, "Add Item",
         Surface::None, Art::None, kHandCursor},
        {IDC_FORM1_SPEEDBUTTON45, IDC_FORM1_PAGE2, ControlKind::FlatButton, 104, 273, 90, 23, 107, "Delete Item",
         Surface::None, Art::None, kHandCursor},
    };
    return controls;
}

}  // namespace

StartupPageView::StartupPageView(AppContext& context, const ui::Form& form, ui::PageHost& host)
    : ui::IdentifiedPage({IDC_FORM1_PAGE2, IDC_FORM1_NAV_STARTUP, kTitleRow, "::/Startup.htm"}),
      context_(context),
      form_(form),
      host_(host),
      stores_(context.files, context.registry, context.links, context.facts) {}

std::optional<QuickInfoLines> StartupPageView::QuickInfo(int /*controlId*/) const {
    return std::nullopt;
}

const std::vector<ControlRow>& StartupPageView::Controls() const {
    return PageControls();
}

HWND StartupPageView::List() const {
    return form_.Control(IDC_FORM1_LISTVIEW1);
}

bool StartupPageView::Checked(int row) const {
    return (ListView_GetItemState(List(), row, LVIS_STATEIMAGEMASK) & LVIS_STATEIMAGEMASK) == kCheckedState;
}

void StartupPageView::Build() {
    const HWND list = List();
    ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    ui::AddListColumns(list, {{100, 170}, {101, 150}, {102, 350}});
    icons_.Reset(ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 16, 16));
    ListView_SetImageList(list, icons_.Get(), LVSIL_SMALL);
    EnableWindow(form_.Control(IDC_FORM1_SPEEDBUTTON45), FALSE);
}

void StartupPageView::Shown(QuickInfoLines& /*quickInfo*/) {
    Update_Startup_Item();
    EnableWindow(form_.Control(IDC_FORM1_SPEEDBUTTON45), FALSE);
}

void StartupPageView::Update_Startup_Item() {
    const HWND list = List();
    // Rows set while the list is rebuilt are not the user's edits.
    const bool tracking = checks_.Tracking();
    checks_.SetTracking(false);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(list);
    ImageList_RemoveAll(icons_.Get());
    ImageList_SetBkColor(icons_.Get(), GetSysColor(COLOR_WINDOW));
    items_ = stores_.List();
    const platform::ShellLibraryHold hold(context_.shell);
    for (const StartupItem& item : items_) {
        const win32::UniqueIcon icon = context_.shell.SmallFileIcon(item.iconPath);
        const int index = ui::AppendListRow(list, item.name, icon ? ImageList_AddIcon(icons_.Get(), icon.Get()) : -1);
        if (index < 0) {
            continue;
        }
        ui::SetListCell(list, index, 1, SourceLabel(item.source));
        ui::SetListCell(list, index, 2, item.command);
        ListView_SetItemState(list, index, item.enabled ? kCheckedState : kUncheckedState, LVIS_STATEIMAGEMASK);
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    checks_.SetTracking(tracking);
}

void StartupPageView::Write(SaveReport& report) {
    std::vector<bool> checks(items_.size());
    for (std::size_t i = 0; i < items_.size(); ++i) {
        checks[i] = Checked(static_cast<int>(i));
    }
    stores_.ApplyStartupChanges(items_, checks, report);
}

bool StartupPageView::Command(int controlId, int code) {
    if (code != BN_CLICKED) {
        return false;
    }
    switch (controlId) {
        case IDC_FORM1_SPEEDBUTTON46: AddItem(); return true;
        case IDC_FORM1_SPEEDBUTTON45: DeleteSelected(); return true;
        default: return false;
    }
}

bool StartupPageView::Notified(int controlId, const void* header) {
    if (controlId != IDC_FORM1_LISTVIEW1) {
        return false;
    }
    // Only these two notifications carry an NMLISTVIEW; the others (focus, clicks) may be a bare NMHDR.
    const UINT code = static_cast<const NMHDR*>(header)->code;
    if (code != LVN_ITEMCHANGING && code != LVN_ITEMCHANGED) {
        return true;
    }
    const auto& change = *static_cast<const NMLISTVIEW*>(header);
    if (change.iItem < 0 || (change.uChanged & LVIF_STATE) == 0) {
        return true;
    }
    if (code == LVN_ITEMCHANGING) {
        checks_.RowChanging(Checked(change.iItem));
        return true;
    }
    const UINT changed = change.uNewState ^ change.uOldState;
    if ((changed & LVIS_STATEIMAGEMASK) != 0 && checks_.RowChanged(Checked(change.iItem))) {
        host_.MarkChanged();
    }
    if ((changed & LVIS_SELECTED) != 0) {
        EnableWindow(form_.Control(IDC_FORM1_SPEEDBUTTON45), ListView_GetSelectedCount(List()) > 0 ? TRUE : FALSE);
    }
    return true;
}

void StartupPageView::AddItem() {
    // Rows the dialog's rebuilds set are not the user's edits.
    checks_.SetTracking(false);
    context_.itemDialog.Open(win32::ToHwnd(host_.Owner()), ui::ItemPage::AddItem, TextTable::Text(kAddCaptionRow),
                             *this);
    checks_.SetTracking(true);
}

void StartupPageView::DeleteSelected() {
    const int row = ListView_GetNextItem(List(), -1, LVNI_SELECTED);
    if (row < 0 || static_cast<std::size_t>(row) >= items_.size()) {
        return;
    }
    checks_.SetTracking(false);
    const std::string question = TextTable::Text(kDeleteQuestionRow) + " " + items_[row].name;
    if (context_.prompts.Confirm(host_.Owner(), question) == platform::Answer::Yes) {
        if (stores_.Delete(items_[row], host_.Report())) {
            items_.erase(items_.begin() + row);
            ListView_DeleteItem(List(), row);  // its selection goes, and Delete Item with it
        }
        host_.ReportSaves();
    }
    checks_.SetTracking(true);
}

namespace {

// The create button is live only while there is a name and a program to create.
void EnableCreate(ui::ItemDialog& dialog) {
    dialog.Enable(IDC_FORM2_SPEEDBUTTON2,
                  !dialog.Text(IDC_FORM2_EDIT1).empty() && !dialog.Text(IDC_FORM2_EDIT2).empty());
}

}  // namespace

void StartupPageView::Opening(ui::ItemDialog& dialog) {
    std::vector<std::string> labels;
    for (const StartupSource source : SourcesOffered(context_.facts.family)) {
        labels.emplace_back(SourceLabel(source));
    }
    dialog.SetItems(IDC_FORM2_COMBOBOX1, labels);
    dialog.Select(IDC_FORM2_COMBOBOX1, 0);
    EnableCreate(dialog);
}

void StartupPageView::Command(ui::ItemDialog& dialog, int id, int code) {
    switch (id) {
        case IDC_FORM2_EDIT1:
        case IDC_FORM2_EDIT2:
            if (code == EN_CHANGE) {
                EnableCreate(dialog);
            }
            break;
        case IDC_FORM2_SPEEDBUTTON1:
            if (const auto picked =
                    ui::PickFile(context_.fileDialog, dialog.Handle(), TextTable::Text(kProgramFilterRow))) {
                dialog.SetText(IDC_FORM2_EDIT2, *picked);
            }
            break;
        case IDC_FORM2_SPEEDBUTTON2: Create(dialog); break;
        default: break;
    }
}

void StartupPageView::Create(ui::ItemDialog& dialog) {
    SaveReport report;
    if (!stores_.Create(dialog.Text(IDC_FORM2_EDIT1), dialog.Text(IDC_FORM2_EDIT2), dialog.Text(IDC_FORM2_COMBOBOX1),
                        report)) {
        // What the user typed stays, to be corrected and tried again.
        report.InformAndClear(context_.prompts, win32::FromHwnd(dialog.Handle()));
        return;
    }
    Update_Startup_Item();
    dialog.SetText(IDC_FORM2_EDIT1, "");
    dialog.SetText(IDC_FORM2_EDIT2, "");
    dialog.Select(IDC_FORM2_COMBOBOX1, 0);
    EnableCreate(dialog);
}

}  // namespace talvane
