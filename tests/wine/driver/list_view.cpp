#include "list_view.h"

#include <commctrl.h>

#include <cstring>

#include "controls.h"
#include "wait.h"
#include "win_owners.h"
#include "window_find.h"

namespace talvane::wine_driver {
namespace {

constexpr int kTextCapacity = 1024;

KernelHandle OpenOwner(HWND window) {
    return KernelHandle(
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, ProcessIdOf(window)));
}

}  // namespace

std::optional<int> ListViewItemCount(HWND list_view) {
    const auto count = SendWithTimeout(list_view, LVM_GETITEMCOUNT, 0, 0);
    if (!count) {
        return std::nullopt;
    }
    return static_cast<int>(*count);
}

std::optional<int> ListViewColumnCount(HWND list_view) {
    const auto header = SendWithTimeout(list_view, LVM_GETHEADER, 0, 0);
    if (!header || *header == 0) {
        return std::nullopt;
    }
    const auto count = SendWithTimeout(reinterpret_cast<HWND>(*header), HDM_GETITEMCOUNT, 0, 0);
    if (!count || *count < 0) {
        return std::nullopt;
    }
    return static_cast<int>(*count);
}

std::optional<std::string> ListViewItemText(HWND list_view, int item, int sub_item) {
    const KernelHandle process = OpenOwner(list_view);
    if (!process) {
        return std::nullopt;
    }
    // One block in the target: the LVITEMA, then the text it points at.
    const RemoteBuffer remote(process.Get(), sizeof(LVITEMA) + kTextCapacity);
    if (!remote.Valid()) {
        return std::nullopt;
    }
    LVITEMA request = {};
    request.iSubItem = sub_item;
    request.pszText = remote.At(sizeof(LVITEMA));
    request.cchTextMax = kTextCapacity;
    const char empty = '\0';
    if (!remote.Write(0, &request, sizeof(request)) || !remote.Write(sizeof(LVITEMA), &empty, 1)) {
        return std::nullopt;
    }
    const auto length = SendWithTimeout(list_view, LVM_GETITEMTEXTA, static_cast<WPARAM>(item),
                                        reinterpret_cast<LPARAM>(remote.Address()));
    if (!length) {
        return std::nullopt;
    }
    // The control may answer with a pointer to its own storage instead of filling the buffer.
    LVITEMA answered = {};
    if (!remote.Read(0, &answered, sizeof(answered))) {
        return std::nullopt;
    }
    char text[kTextCapacity + 1] = {};
    if (answered.pszText == request.pszText) {
        if (!remote.Read(sizeof(LVITEMA), text, kTextCapacity)) {
            return std::nullopt;
        }
    } else if (answered.pszText != nullptr) {
        SIZE_T read = 0;
        ReadProcessMemory(process.Get(), answered.pszText, text, kTextCapacity, &read);
    }
    return std::string(text, strnlen(text, kTextCapacity));
}

std::optional<std::vector<std::string>> ListViewRow(HWND list_view, int item) {
    const auto columns = ListViewColumnCount(list_view);
    if (!columns) {
        return std::nullopt;
    }
    std::vector<std::string> row;
    for (int column = 0; column < *columns; ++column) {
        auto text = ListViewItemText(list_view, item, column);
        if (!text) {
            return std::nullopt;
        }
        row.push_back(std::move(*text));
    }
    return row;
}

std::optional<UINT> ListViewItemState(HWND list_view, int item, UINT mask) {
    const auto state = SendWithTimeout(list_view, LVM_GETITEMSTATE, static_cast<WPARAM>(item), mask);
    if (!state) {
        return std::nullopt;
    }
    return static_cast<UINT>(*state);
}

std::optional<bool> ListViewItemChecked(HWND list_view, int item) {
    const auto state = ListViewItemState(list_view, item, LVIS_STATEIMAGEMASK);
    if (!state) {
        return std::nullopt;
    }
    return ((*state & LVIS_STATEIMAGEMASK) >> 12) == 2;
}

bool SetListViewItemState(HWND list_view, int item, UINT state, UINT mask) {
    const KernelHandle process = OpenOwner(list_view);
    if (!process) {
        return false;
    }
    const RemoteBuffer remote(process.Get(), sizeof(LVITEMA));
    LVITEMA request = {};
    request.state = state;
    request.stateMask = mask;
    if (!remote.Valid() || !remote.Write(0, &request, sizeof(request))) {
        return false;
    }
    const auto done = SendWithTimeout(list_view, LVM_SETITEMSTATE, static_cast<WPARAM>(item),
                                      reinterpret_cast<LPARAM>(remote.Address()));
    return done && *done != FALSE;
}

bool SelectListViewRow(HWND list_view, int item) {
    constexpr UINT kChosen = LVIS_SELECTED | LVIS_FOCUSED;
    return SetListViewItemState(list_view, item, kChosen, kChosen);
}

std::optional<int> FindListViewRow(HWND list_view, const std::string& text, int column) {
    const auto count = ListViewItemCount(list_view);
    for (int row = 0; count && row < *count; ++row) {
        if (ListViewItemText(list_view, row, column) == text) {
            return row;
        }
    }
    return std::nullopt;
}

bool ToggleListViewCheckWithSpace(HWND list_view, int item) {
    const auto before = ListViewItemChecked(list_view, item);
    if (!before || !SelectListViewRow(list_view, item)) {
        return false;
    }
    PostMessageA(list_view, WM_KEYDOWN, VK_SPACE, 0x00390001);
    PostMessageA(list_view, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001u));
    return WaitUntil([&] { return ListViewItemChecked(list_view, item) == !*before; }, kSendTimeoutMs);
}

}  // namespace talvane::wine_driver
