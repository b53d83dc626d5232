#include "ui/report_list.h"

#include "base/text_table.h"

namespace talvane::ui {

void AddListColumns(HWND list, const std::vector<ListColumn>& columns) {
    for (std::size_t i = 0; i < columns.size(); ++i) {
        std::string caption = TextTable::Text(columns[i].textRow);
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.fmt = columns[i].rightAligned ? LVCFMT_RIGHT : LVCFMT_LEFT;
        column.pszText = caption.data();
        column.cx = columns[i].width;
        SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
}

int AppendListRow(HWND list, const std::string& caption, int image, int indent) {
    std::string text = caption;
    LVITEMA row{};
    row.mask = LVIF_TEXT | LVIF_INDENT | LVIF_IMAGE;
    row.iItem = ListView_GetItemCount(list);
    row.pszText = text.data();
    row.iIndent = indent;
    row.iImage = image >= 0 ? image : I_IMAGENONE;  // without it the row would show the first picture
    return static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row)));
}

void SetListCell(HWND list, int row, int column, const std::string& text) {
    std::string copy = text;
    ListView_SetItemText(list, row, column, copy.data());
}

std::string ListCell(HWND list, int row, int column) {
    // LVM_GETITEMTEXT says only how much it copied: grow until the text fits with room to spare.
    for (int size = 256; size <= 65536; size *= 4) {
        std::string text(static_cast<std::size_t>(size), '\0');
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = text.data();
        item.cchTextMax = size;
        const auto length = static_cast<int>(
            SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
        if (length < size - 1) {
            text.resize(static_cast<std::size_t>(length < 0 ? 0 : length));
            return text;
        }
    }
    return {};
}

}  // namespace talvane::ui
