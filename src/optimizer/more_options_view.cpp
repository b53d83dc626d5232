#include "optimizer/more_options_view.h"

#include <string>
#include <vector>

#include "base/text_table.h"
#include "control_ids.h"
#include "settings/settings_store.h"
#include "ui/colour_list.h"
#include "ui/common_dialogs.h"
#include "ui/spin_field.h"
#include "ui/tab_sheets.h"
#include "ui/tray_icon_preview.h"

namespace talvane {

namespace {

using Spin = MoreOptions::Spin;
using Box = MoreOptions::CheckBox;
using Hotkey = MoreOptions::Hotkey;

constexpr const char* kCaption = "More Options";
constexpr int kBrowseHintRow = 92;
constexpr int kSoundFilterRow = 74;
constexpr int kDisplayListRows = 3;

struct SpinControl {
    int id;
    Spin spin;
};
constexpr SpinControl kSpins[] = {
    {IDC_FORM4_SPINEDIT1, Spin::FreeOnStartupAmount},  {IDC_FORM4_SPINEDIT5, Spin::FreeOnStartupDelay},
    {IDC_FORM4_SPINEDIT2, Spin::PeriodicAmount},       {IDC_FORM4_SPINEDIT3, Spin::PeriodicMinutes},
    {IDC_FORM4_SPINEDIT4, Spin::PeriodicBelowPercent}, {IDC_FORM4_SPINEDIT6, Spin::WarnLowResourcesPercent},
    {IDC_FORM4_SPINEDIT7, Spin::MenuAmountX},          {IDC_FORM4_SPINEDIT8, Spin::MenuAmountY},
    {IDC_FORM4_SPINEDIT9, Spin::MenuAmountZ},
};

struct CheckControl {
    int id;
    Box box;
};
constexpr CheckControl kChecks[] = {
    {IDC_FORM4_CHECKBOX1, Box::AutoStart},        {IDC_FORM4_CHECKBOX3, Box::FreeOnStartup},
    {IDC_FORM4_CHECKBOX2, Box::DisableCpuDetect}, {IDC_FORM4_CHECKBOX4, Box::WarnLowResources},
    {IDC_FORM4_CHECKBOX5, Box::HideTrayIcon},     {IDC_FORM4_CHECKBOX11, Box::AutoclearClipboard},
    {IDC_FORM4_CHECKBOX13, Box::PlaySound},
};

struct HotkeyControl {
    int id;
    Hotkey field;
};
constexpr HotkeyControl kHotkeys[] = {{IDC_FORM4_EDIT2, Hotkey::FreeUp}, {IDC_FORM4_EDIT3, Hotkey::Toggle}};

const std::vector<int> kTabSheets = {IDC_FORM4_TABSHEET1, IDC_FORM4_TABSHEET2, IDC_FORM4_TABSHEET3,
                                     IDC_FORM4_TABSHEET4};
constexpr int kResourceWarning[] = {IDC_FORM4_PANEL2, IDC_FORM4_CHECKBOX4, IDC_FORM4_SPINEDIT6};

const SpinControl* SpinWithId(int id) {
    for (const SpinControl& control : kSpins) {
        if (control.id == id) {
            return &control;
        }
    }
    return nullptr;
}

// Draws into a bitmap of the control's size, cleared to the page colour first.
template <typename Draw>
win32::UniqueBitmap Picture(HWND control, HBRUSH background, Draw&& draw) {
    RECT area;
    GetClientRect(control, &area);
    win32::WindowDc screen(control);
    win32::UniqueMemDc dc(CreateCompatibleDC(screen.Get()));
    win32::UniqueBitmap picture(CreateCompatibleBitmap(screen.Get(), area.right, area.bottom));
    if (!dc || !picture) {
        return {};
    }
    win32::SelectGuard select(dc.Get(), picture.Get());
    FillRect(dc.Get(), &area, background);
    draw(dc.Get(), area);
    return picture;
}

}  // namespace

MoreOptionsDialog::MoreOptionsDialog(AppContext& context)
    : DialogWindow(context.instance, context.theme, "TForm4", MoreOptionsForm()),
      context_(context),
      model_(context.facts.family) {}

void MoreOptionsDialog::OnCreate() {
    SetWindowTextA(Handle(), kCaption);
    Controls().ApplyTextRows(MoreOptionsForm().controls);
    Controls().GrowFromRow(IDC_FORM4_SPEEDBUTTON3, model_.BrowseButtonGrowth());
    AddBrowseHint();
    AttachSpinFields();
    for (const int id : kResourceWarning) {
        Controls().Show(id, model_.ShowsResourceWarning());
    }
    // The arrows go with their field.
    const HWND warnArrows =
        GetDlgItem(Controls().Control(IDC_FORM4_TABSHEET1), IDC_FORM4_SPINEDIT6 + IDC_FORM4_SPIN_ARROWS_OFFSET);
    ShowWindow(warnArrows, model_.ShowsResourceWarning() ? SW_SHOWNA : SW_HIDE);

    const HWND display = Controls().Control(IDC_FORM4_COMBOBOX1);
    Controls().SetItems(IDC_FORM4_COMBOBOX1, model_.DisplayEntries());
    if (const ControlRow* entry = Controls().Row(IDC_FORM4_COMBOBOX1)) {
        // A drop-down list's window height is the height of its open list.
        SetWindowPos(display, nullptr, 0, 0, entry->width, entry->height * (kDisplayListRows + 2),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    std::vector<ui::ColourEntry> colours;
    colours.reserve(std::size(kBasicColours));
    for (const NamedColour& colour : kBasicColours) {
        colours.push_back({colour.name, colour.value});
    }
    ui::FillColourList(Controls().Control(IDC_FORM4_COLORCOMBOBOX1), colours, static_cast<int>(colours.size()));

    for (const HotkeyControl& hotkey : kHotkeys) {
        SendMessageA(Controls().Control(hotkey.id), EM_LIMITTEXT, 1, 0);
    }
    SendMessageA(Controls().Control(IDC_FORM4_PROGRESSBAR1), PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    ui::AttachTabSheets(Controls(), IDC_FORM4_PAGECONTROL1, kTabSheets);
    Render();
}

void MoreOptionsDialog::AttachSpinFields() {
    for (const SpinControl& control : kSpins) {
        const SpinValue& field = model_.SpinField(control.spin);
        ui::AttachSpinArrows(Controls().Control(control.id), control.id + IDC_FORM4_SPIN_ARROWS_OFFSET,
                             static_cast<int>(field.Minimum()), static_cast<int>(field.Maximum()), field.MaxLength());
    }
}

void MoreOptionsDialog::AddBrowseHint() {
    hint_ =
        ui::AddHint(Instance(), Handle(), Controls().Control(IDC_FORM4_SPEEDBUTTON3), TextTable::Text(kBrowseHintRow));
}

void MoreOptionsDialog::OnShowing() {
    if (!opened_) {
        opened_ = true;
        DrawPopupPicture();
    }
    model_.Show(ReadEngineOptions(context_.registry, context_.files, context_.sample.totalPhysMB));
    Render();
}

void MoreOptionsDialog::SetCpuUsage(int percent) {
    model_.SetCpuUsage(percent);
    if (Handle() != nullptr) {
        RenderCpu();
    }
}

void MoreOptionsDialog::OnCommand(int id, int code) {
    if (rendering_) {
        return;
    }
    switch (id) {
        case IDC_FORM4_SPEEDBUTTON22: PressOk(); return;
        case IDC_FORM4_SPEEDBUTTON23: EndModal(); return;
        case IDC_FORM4_SPEEDBUTTON1:
            context_.help.Show(win32::FromHwnd(Handle()), MoreOptionsHelpAddress(context_.facts.helpFilePath));
            return;
        case IDC_FORM4_SPEEDBUTTON3: Browse(); return;
        case IDC_FORM4_COLORCOMBOBOX1:
            if (code == CBN_SELCHANGE) {
                const LRESULT index = SendMessageA(Controls().Control(id), CB_GETCURSEL, 0, 0);
                if (index >= 0) {
                    model_.PickColour(static_cast<std::size_t>(index));
                }
                DrawSamples();
            }
            return;
        case IDC_FORM4_COMBOBOX1:
            if (code == CBN_SELCHANGE) {
                const LRESULT index = SendMessageA(Controls().Control(id), CB_GETCURSEL, 0, 0);
                if (index >= 0) {
                    model_.PickDisplay(static_cast<std::size_t>(index));
                }
            }
            return;
        default: break;
    }
    for (const CheckControl& check : kChecks) {
        if (check.id == id && code == BN_CLICKED) {
            model_.Check(check.box, SendMessageA(Controls().Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED);
            return;
        }
    }
    if (const SpinControl* spin = SpinWithId(id)) {
        if (code == EN_CHANGE) {
            model_.TypeSpin(spin->spin, Controls().Text(id));
        } else if (code == EN_KILLFOCUS) {
            model_.LeaveSpin(spin->spin);
            RenderSpin(spin->spin);
        }
        return;
    }
    for (const HotkeyControl& hotkey : kHotkeys) {
        if (hotkey.id == id && code == EN_CHANGE) {
            model_.TypeHotkey(hotkey.field, Controls().Text(id));
            RenderHotkey(hotkey.id, hotkey.field);
            return;
        }
    }
}

bool MoreOptionsDialog::OnNotify(const NMHDR& header) {
    if (header.idFrom == IDC_FORM4_PAGECONTROL1 && header.code == static_cast<UINT>(TCN_SELCHANGE)) {
        const LRESULT index = SendMessageA(header.hwndFrom, TCM_GETCURSEL, 0, 0);
        if (index >= 0 && index < MoreOptions::kTabCount) {
            model_.SelectTab(static_cast<MoreOptions::Tab>(index));
        }
        RenderTab();
        return false;
    }
    if (const std::optional<ui::SpinStep> step = ui::SpinStepOf(header)) {
        if (const SpinControl* spin = SpinWithId(step->editId)) {
            model_.StepSpin(spin->spin, step->delta);
            RenderSpin(spin->spin);
        }
        return true;
    }
    return false;
}

LRESULT MoreOptionsDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NOTIFY: return OnNotify(*reinterpret_cast<const NMHDR*>(lParam)) ? TRUE : FALSE;
        case WM_DRAWITEM:
            if (wParam == IDC_FORM4_COLORCOMBOBOX1 &&
                ui::DrawColourEntry(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
                return TRUE;
            }
            break;
        default: break;
    }
    return DialogWindow::HandleMessage(message, wParam, lParam);
}

void MoreOptionsDialog::PressOk() {
    if (SaveMoreOptions(model_.Ok(), context_.registry, context_.windows, context_.prompts, context_.facts,
                        context_.warningsSaid, win32::FromHwnd(Handle()))) {
        EndModal();
    }
}

void MoreOptionsDialog::Browse() {
    model_.Browse(ui::PickFile(context_.fileDialog, Handle(), TextTable::Text(kSoundFilterRow)));
    rendering_ = true;
    Controls().SetText(IDC_FORM4_EDIT1, model_.Music());
    rendering_ = false;
}

void MoreOptionsDialog::Render() {
    rendering_ = true;
    RenderTab();
    for (const SpinControl& spin : kSpins) {
        RenderSpin(spin.spin);
    }
    for (const CheckControl& check : kChecks) {
        SendMessageA(Controls().Control(check.id), BM_SETCHECK, model_.Checked(check.box) ? BST_CHECKED : BST_UNCHECKED,
                     0);
    }
    const std::optional<std::size_t> colour = model_.ColourIndex();
    SendMessageA(Controls().Control(IDC_FORM4_COLORCOMBOBOX1), CB_SETCURSEL,
                 colour ? static_cast<WPARAM>(*colour) : static_cast<WPARAM>(-1), 0);
    const std::optional<std::size_t> display = model_.DisplayIndex();
    SendMessageA(Controls().Control(IDC_FORM4_COMBOBOX1), CB_SETCURSEL,
                 display ? static_cast<WPARAM>(*display) : static_cast<WPARAM>(-1), 0);
    Controls().SetText(IDC_FORM4_EDIT1, model_.Music());
    for (const HotkeyControl& hotkey : kHotkeys) {
        RenderHotkey(hotkey.id, hotkey.field);
    }
    RenderCpu();
    DrawSamples();
    rendering_ = false;
}

void MoreOptionsDialog::RenderTab() {
    ui::ShowTabSheet(Controls(), IDC_FORM4_PAGECONTROL1, kTabSheets, static_cast<int>(model_.SelectedTab()));
}

void MoreOptionsDialog::RenderSpin(Spin spin) {
    for (const SpinControl& control : kSpins) {
        if (control.spin == spin) {
            const bool wasRendering = rendering_;
            rendering_ = true;
            Controls().SetText(control.id, model_.SpinField(spin).Text());
            rendering_ = wasRendering;
        }
    }
}

// Replacing the text puts the caret at the start; a user who just typed expects it after the character.
void MoreOptionsDialog::RenderHotkey(int id, Hotkey field) {
    const HWND edit = Controls().Control(id);
    const std::string text = model_.HotkeyText(field);
    if (edit == nullptr || Controls().Text(id) == text) {
        return;
    }
    const bool wasRendering = rendering_;
    rendering_ = true;
    SetWindowTextA(edit, text.c_str());
    SendMessageA(edit, EM_SETSEL, text.size(), static_cast<LPARAM>(text.size()));
    rendering_ = wasRendering;
}

void MoreOptionsDialog::RenderCpu() {
    SendMessageA(Controls().Control(IDC_FORM4_PROGRESSBAR1), PBM_SETPOS, static_cast<WPARAM>(model_.CpuPosition()), 0);
    Controls().SetText(IDC_FORM4_LABEL20, model_.CpuLabel());
}

void MoreOptionsDialog::DrawSamples() {
    if (!opened_) {
        return;
    }
    struct Sample {
        ui::TrayIconKind kind;
        int id;
        win32::UniqueBitmap& picture;
    };
    const Sample samples[] = {{ui::TrayIconKind::Normal, IDC_FORM4_IMAGE3, normalSample_},
                              {ui::TrayIconKind::Freeing, IDC_FORM4_IMAGE6, freeingSample_}};
    const auto colour = static_cast<COLORREF>(model_.TextColour());
    for (const Sample& sample : samples) {
        const HWND image = Controls().Control(sample.id);
        if (image == nullptr) {
            continue;
        }
        sample.picture = Picture(image, GetTheme().Brush(Surface::ButtonFace), [&](HDC dc, const RECT&) {
            // The icon is only a means of drawing; it goes as soon as the picture holds it.
            const win32::UniqueIcon icon = ui::DrawTrayIconPreview(sample.kind, colour);
            if (icon) {
                DrawIconEx(dc, 0, 0, icon.Get(), 32, 32, 0, nullptr, DI_NORMAL);
            }
        });
        ShowBitmap(sample.id, sample.picture);
    }
}

// A popup menu above the taskbar, to show which entries the three amounts are.
void MoreOptionsDialog::DrawPopupPicture() {
    const HWND image = Controls().Control(IDC_FORM4_IMAGE7);
    if (image == nullptr) {
        return;
    }
    const HFONT font = GetTheme().NormalFont();
    popupPicture_ = Picture(image, GetTheme().Brush(Surface::ButtonFace), [font](HDC dc, const RECT& area) {
        constexpr int kItemHeight = 18;
        constexpr int kSeparatorHeight = 8;
        constexpr int kTaskbarHeight = 27;
        const char* const items[] = {"Free up 64 MB", "Free up 32 MB",   "Free up 16 MB", nullptr,
                                     "Disable",       "More Options...", nullptr,         "Exit"};
        int menuHeight = 6;
        for (const char* item : items) {
            menuHeight += item != nullptr ? kItemHeight : kSeparatorHeight;
        }
        RECT taskbar{area.left, area.bottom - kTaskbarHeight, area.right, area.bottom};
        FillRect(dc, &taskbar, GetSysColorBrush(COLOR_BTNFACE));
        DrawEdge(dc, &taskbar, BDR_RAISEDINNER, BF_TOP);
        RECT tray{area.right - 64, taskbar.top + 4, area.right - 3, area.bottom - 3};
        DrawEdge(dc, &tray, BDR_SUNKENOUTER, BF_RECT);
        const win32::UniqueIcon icon = ui::DrawTrayIconPreview(ui::TrayIconKind::Normal, RGB(0, 0, 0));
        if (icon) {
            DrawIconEx(dc, tray.left + 4, tray.top + 2, icon.Get(), 16, 16, 0, nullptr, DI_NORMAL);
        }

        RECT menu{area.right - 160, taskbar.top - 4 - menuHeight, area.right - 16, taskbar.top - 4};
        FillRect(dc, &menu, GetSysColorBrush(COLOR_MENU));
        DrawEdge(dc, &menu, EDGE_RAISED, BF_RECT);
        win32::SelectGuard select(dc, font);
        SetBkMode(dc, TRANSPARENT);
        int top = menu.top + 3;
        bool first = true;
        for (const char* item : items) {
            if (item == nullptr) {
                RECT line{menu.left + 3, top + kSeparatorHeight / 2 - 1, menu.right - 3, top + kSeparatorHeight};
                DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
                top += kSeparatorHeight;
                continue;
            }
            RECT row{menu.left + 3, top, menu.right - 3, top + kItemHeight};
            // The first amount, as under the pointer.
            if (first) {
                FillRect(dc, &row, GetSysColorBrush(COLOR_HIGHLIGHT));
            }
            SetTextColor(dc, GetSysColor(first ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
            RECT text{row.left + 18, row.top, row.right, row.bottom};
            DrawTextA(dc, item, -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
            first = false;
            top += kItemHeight;
        }
    });
    ShowBitmap(IDC_FORM4_IMAGE7, popupPicture_);
}

void MoreOptionsDialog::ShowBitmap(int id, const win32::UniqueBitmap& bitmap) {
    const HWND control = Controls().Control(id);
    SetWindowLongPtrA(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(bitmap.Get()));
    InvalidateRect(control, nullptr, FALSE);
}

}  // namespace talvane
