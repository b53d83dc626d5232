#include "sysinfo/sysinfo_page_view.h"

#include "base/text_table.h"
#include "base/uptime.h"
#include "control_ids.h"
#include "resource.h"
#include "sysinfo/process_list.h"
#include "ui/report_list.h"
#include "ui/tab_sheets.h"

namespace talvane {

namespace {

constexpr int kTitleRow = 70;
constexpr int kSetPriorityRow = 139;
constexpr int kProcessTab = 1;
constexpr int kMemoryTab = 2;
constexpr const char* kTabTopics[] = {"::/Windows.htm", "::/Process.htm", "::/Memory.htm"};

const std::vector<int>& Sheets() {
    static const std::vector<int> sheets = {IDC_FORM1_TABSHEET5, IDC_FORM1_TABSHEET6, IDC_FORM1_TABSHEET7};
    return sheets;
}

const std::vector<ControlRow>& PageControls() {
    constexpr ControlKind kList = ControlKind::ListView;
    constexpr ControlKind kButton = ControlKind::FlatButton;
    constexpr Surface kSheet = Surface::ButtonFace;
    constexpr Surface kNone = Surface::None;
    static const std::vector<ControlRow> controls = {
        // The view lays the sheets over the tab control's display area; they come first so they cover it.
        {IDC_FORM1_TABSHEET5, IDC_FORM1_PAGE3, ControlKind::Panel, 12, 32, 433, 261, 136, "", kSheet, Art::None, 0},
        {IDC_FORM1_TABSHEET6, IDC_FORM1_PAGE3, ControlKind::Panel, 12, 32, 433, 261, 137, "", kSheet, Art::None,
         kHidden},
        {IDC_FORM1_TABSHEET7, IDC_FORM1_PAGE3, ControlKind::Panel, 12, 32, 433, 261, 138, "", kSheet, Art::None,
         kHidden},
        {IDC_FORM1_PAGECONTROL, IDC_FORM1_PAGE3, ControlKind::Tabs, 8, 8, 441, 289, kNoRow, "", kNone, Art::None, 0},
        {IDC_FORM1_LISTVIEW3, IDC_FORM1_TABSHEET5, kList, 16, 16, 401, 233, kNoRow, "", kNone, Art::None, 0},
        {IDC_FORM1_LISTVIEW4, IDC_FORM1_TABSHEET6, kList, 16, 16, 401, 206, kNoRow, "", kNone, Art::None, 0},
        {IDC_FORM1_REFRESH, IDC_FORM1_TABSHEET6, kButton, 16, 231, 65, 22, kNoRow, "Refresh", kNone, Art::None,
         kHandCursor},
        {IDC_FORM1_BEVEL_PROCESS, IDC_FORM1_TABSHEET6, ControlKind::Bevel, 88, 231, 2, 22, kNoRow, "", kNone, Art::None,
         0},
        {IDC_FORM1_SPEEDBUTTON60, IDC_FORM1_TABSHEET6, kButton, 96, 231, 81, 22, kSetPriorityRow, "Set Priority", kNone,
         Art::None, kHandCursor},
        {IDC_FORM1_KILL, IDC_FORM1_TABSHEET6, kButton, 184, 231, 89, 22, kNoRow, "Kill Process", kNone, Art::None,
         kHandCursor},
        {IDC_FORM1_LISTVIEW12, IDC_FORM1_TABSHEET7, kList, 16, 16, 401, 233, kNoRow, "", kNone, Art::None, 0},
    };
    return controls;
}

constexpr DWORD kListStyle = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT;

}  // namespace

SystemInfoPageView::SystemInfoPageView(AppContext& context, const ui::Form& form, ui::PageHost& host)
    : ui::IdentifiedPage({IDC_FORM1_PAGE3, IDC_FORM1_NAV_SYSINFO, kTitleRow, kTabTopics[0]}),
      context_(context),
      form_(form),
      host_(host),
      priorityPage_(context.processes, [this] { UpdatePriority(); }) {}

std::string SystemInfoPageView::HelpTopic() const {
    const auto tab = static_cast<int>(SendMessageA(form_.Control(IDC_FORM1_PAGECONTROL), TCM_GETCURSEL, 0, 0));
    return kTabTopics[tab == kProcessTab || tab == kMemoryTab ? tab : 0];
}

std::optional<QuickInfoLines> SystemInfoPageView::QuickInfo(int /*controlId*/) const {
    return std::nullopt;
}

const std::vector<ControlRow>& SystemInfoPageView::Controls() const {
    return PageControls();
}

void SystemInfoPageView::Build() {
    for (const int id : {IDC_FORM1_LISTVIEW3, IDC_FORM1_LISTVIEW12}) {
        ListView_SetExtendedListViewStyle(form_.Control(id), kListStyle);
    }
    ui::AddListColumns(form_.Control(IDC_FORM1_LISTVIEW3), {{129, 170}, {130, 220}});
    ui::AddListColumns(form_.Control(IDC_FORM1_LISTVIEW12), {{129, 230}, {130, 160, true}});

    const HWND processes = form_.Control(IDC_FORM1_LISTVIEW4);
    ListView_SetExtendedListViewStyle(processes, kListStyle);
    // 98 and Me have the memory and thread columns too; only their cells stay empty there.
    ui::AddListColumns(processes, {{132, 230}, {133, 75, true}, {134, 75}, {215, 100, true}, {135, 75}});
    icons_.Reset(ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 32, 32));
    ListView_SetImageList(processes, icons_.Get(), LVSIL_SMALL);

    ui::AttachTabSheets(form_, IDC_FORM1_PAGECONTROL, Sheets());
    ShowTab(0);
    EnableProcessButtons();
}

void SystemInfoPageView::Shown(QuickInfoLines& /*quickInfo*/) {
    FillSystemFacts();
    ShowTab(0);
}

void SystemInfoPageView::ShowTab(int index) {
    ui::ShowTabSheet(form_, IDC_FORM1_PAGECONTROL, Sheets(), index);
}

void SystemInfoPageView::FillFacts(HWND list, const std::vector<FactRow>& rows) {
    LoadPictures();
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(list);
    for (const FactRow& fact : rows) {
        const std::string caption = fact.captionRow == kNoCaption ? std::string() : TextTable::Text(fact.captionRow);
        const int row = ui::AppendListRow(list, caption, static_cast<int>(fact.picture), fact.indented ? 1 : 0);
        if (row >= 0) {
            ui::SetListCell(list, row, 1, fact.value);
        }
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void SystemInfoPageView::LoadPictures() {
    if (pictures_) {
        return;
    }
    pictures_.Reset(ImageList_LoadImageA(context_.instance, MAKEINTRESOURCEA(IDB_FACTS), 16, 0, RGB(255, 0, 255),
                                         IMAGE_BITMAP, LR_CREATEDIBSECTION));
    ImageList_SetBkColor(pictures_.Get(), RGB(255, 255, 255));
    for (const int id : {IDC_FORM1_LISTVIEW3, IDC_FORM1_LISTVIEW12}) {
        ListView_SetImageList(form_.Control(id), pictures_.Get(), LVSIL_SMALL);
    }
}

void SystemInfoPageView::FillSystemFacts() {
    const SystemFacts facts =
        GatherSystemFacts(context_.system, context_.registry, context_.facts, UptimeMilliseconds(context_.clock));
    FillFacts(form_.Control(IDC_FORM1_LISTVIEW3), facts.rows);
    uptimeRow_ = facts.uptimeRow;
}

void SystemInfoPageView::FillMemoryFacts() {
    FillFacts(form_.Control(IDC_FORM1_LISTVIEW12), MemoryFacts(context_.sample));
}

void SystemInfoPageView::Tick() {
    if (uptimeRow_ != 0) {
        ui::SetListCell(form_.Control(IDC_FORM1_LISTVIEW3), uptimeRow_, 1,
                        UptimeText(UptimeMilliseconds(context_.clock)));
    }
}

void SystemInfoPageView::UpdatePriority() {
    const WindowsFamily family = context_.facts.family;
    if (!HasProcessList(family)) {
        return;
    }
    const HWND list = form_.Control(IDC_FORM1_LISTVIEW4);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(list);
    ImageList_RemoveAll(icons_.Get());
    ImageList_SetBkColor(icons_.Get(), GetSysColor(COLOR_WINDOW));
    const platform::ShellLibraryHold hold(context_.shell);
    for (const ProcessRow& process : EnumerateProcesses(context_.processes, family)) {
        const win32::UniqueIcon icon = context_.shell.SmallProgramIcon(process.iconSource);
        const int row =
            ui::AppendListRow(list, process.application, icon ? ImageList_AddIcon(icons_.Get(), icon.Get()) : -1);
        if (row < 0) {
            continue;
        }
        ui::SetListCell(list, row, 1, std::to_string(process.processId));
        ui::SetListCell(list, row, 2, process.priority);
        if (ShowsProcessFigures(family)) {
            ui::SetListCell(list, row, 3, process.memory);
            ui::SetListCell(list, row, 4, std::to_string(process.threads));
        }
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    EnableProcessButtons();
}

int SystemInfoPageView::SelectedProcess() const {
    return ListView_GetNextItem(form_.Control(IDC_FORM1_LISTVIEW4), -1, LVNI_SELECTED);
}

void SystemInfoPageView::EnableProcessButtons() {
    const BOOL selected = SelectedProcess() >= 0 ? TRUE : FALSE;
    EnableWindow(form_.Control(IDC_FORM1_SPEEDBUTTON60), selected);
    EnableWindow(form_.Control(IDC_FORM1_KILL), selected);
}

void SystemInfoPageView::SetPriority() {
    const HWND list = form_.Control(IDC_FORM1_LISTVIEW4);
    const int row = SelectedProcess();
    if (row < 0) {
        return;
    }
    const auto processId = ProcessIdFromText(ui::ListCell(list, row, 1));
    if (!processId) {
        return;
    }
    priorityPage_.GetData(ui::ListCell(list, row, 0), *processId, ui::ListCell(list, row, 2));
    context_.itemDialog.Open(win32::ToHwnd(host_.Owner()), ui::ItemPage::Priority, TextTable::Text(kSetPriorityRow),
                             priorityPage_);
}

void SystemInfoPageView::KillSelected() {
    const HWND list = form_.Control(IDC_FORM1_LISTVIEW4);
    const int row = SelectedProcess();
    if (row < 0) {
        return;
    }
    if (KillProcess(context_.processes, context_.prompts, host_.Owner(), context_.facts.family,
                    ui::ListCell(list, row, 0), ui::ListCell(list, row, 1))) {
        ListView_DeleteItem(list, row);  // the others keep their figures until the next refill
        EnableProcessButtons();
    }
}

bool SystemInfoPageView::Command(int controlId, int code) {
    if (code != BN_CLICKED) {
        return false;
    }
    switch (controlId) {
        case IDC_FORM1_REFRESH: UpdatePriority(); return true;
        case IDC_FORM1_SPEEDBUTTON60: SetPriority(); return true;
        case IDC_FORM1_KILL: KillSelected(); return true;
        default: return false;
    }
}

bool SystemInfoPageView::Notified(int controlId, const void* header) {
    const UINT code = static_cast<const NMHDR*>(header)->code;
    if (controlId == IDC_FORM1_PAGECONTROL) {
        if (code == static_cast<UINT>(TCN_SELCHANGE)) {
            const auto tab = static_cast<int>(SendMessageA(form_.Control(controlId), TCM_GETCURSEL, 0, 0));
            ShowTab(tab);
            if (tab == kProcessTab) {
                UpdatePriority();
            } else if (tab == kMemoryTab) {
                FillMemoryFacts();
            }
        }
        return true;
    }
    if (controlId == IDC_FORM1_LISTVIEW4) {
        // Only LVN_ITEMCHANGED carries an NMLISTVIEW here; the others may be a bare NMHDR.
        if (code == static_cast<UINT>(LVN_ITEMCHANGED)) {
            const auto& change = *static_cast<const NMLISTVIEW*>(header);
            if ((change.uChanged & LVIF_STATE) != 0 && ((change.uNewState ^ change.uOldState) & LVIS_SELECTED) != 0) {
                EnableProcessButtons();
            }
        }
        return true;
    }
    return controlId == IDC_FORM1_LISTVIEW3 || controlId == IDC_FORM1_LISTVIEW12;
}

}  // namespace talvane
