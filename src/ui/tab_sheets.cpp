#include "ui/tab_sheets.h"

#include <string>

#include "base/text_table.h"

namespace talvane::ui {

void AttachTabSheets(const Form& form, int tabsId, const std::vector<int>& sheets) {
    const HWND tabs = form.Control(tabsId);
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        const ControlRow* row = form.Row(sheets[i]);
        std::string caption = row != nullptr && row->textRow != kNoRow ? TextTable::Text(row->textRow) : "";
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageA(tabs, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
    RECT page;
    GetClientRect(tabs, &page);
    SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    MapWindowPoints(tabs, GetParent(tabs), reinterpret_cast<POINT*>(&page), 2);
    for (const int sheet : sheets) {
        SetWindowPos(form.Control(sheet), nullptr, page.left, page.top, page.right - page.left, page.bottom - page.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void ShowTabSheet(const Form& form, int tabsId, const std::vector<int>& sheets, int index) {
    SendMessageA(form.Control(tabsId), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        form.Show(sheets[i], static_cast<int>(i) == index);
    }
}

}  // namespace talvane::ui
