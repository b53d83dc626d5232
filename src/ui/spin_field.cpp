#include "ui/spin_field.h"

namespace talvane::ui {

HWND AttachSpinArrows(HWND edit, int arrowsId, int minimum, int maximum, std::size_t maxLength) {
    if (edit == nullptr) {
        return nullptr;
    }
    SendMessageA(edit, EM_LIMITTEXT, static_cast<WPARAM>(maxLength), 0);
    // UDS_ALIGNRIGHT takes the arrows' width from the edit box, so the pair keeps the box's place and size.
    // Without UDS_SETBUDDYINT the arrows never write the box's text themselves.
    const HWND arrows = CreateWindowExA(0, UPDOWN_CLASSA, nullptr,
                                        WS_CHILD | WS_VISIBLE | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0, 0,
                                        0, 0, GetParent(edit), reinterpret_cast<HMENU>(static_cast<INT_PTR>(arrowsId)),
                                        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(edit, GWLP_HINSTANCE)), nullptr);
    if (arrows == nullptr) {
        return nullptr;
    }
    SendMessageA(arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
    // A new up-down counts from 100 down to 0, which would turn its arrows round.
    SendMessageA(arrows, UDM_SETRANGE, 0, MAKELPARAM(maximum, minimum));
    // Created last, the arrows would lie under a caption that the edit box sits on.
    SetWindowPos(arrows, edit, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return arrows;
}

std::optional<SpinStep> SpinStepOf(const NMHDR& header) {
    if (header.code != static_cast<UINT>(UDN_DELTAPOS)) {
        return std::nullopt;
    }
    const auto& change = reinterpret_cast<const NMUPDOWN&>(header);
    auto* const edit = reinterpret_cast<HWND>(SendMessageA(header.hwndFrom, UDM_GETBUDDY, 0, 0));
    if (edit == nullptr || change.iDelta == 0) {
        return std::nullopt;
    }
    return SpinStep{GetDlgCtrlID(edit), change.iDelta > 0 ? 1 : -1};
}

}  // namespace talvane::ui
