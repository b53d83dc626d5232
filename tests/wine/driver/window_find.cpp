#include "window_find.h"

#include <cstring>

#include "wait.h"

namespace talvane::wine_driver {
namespace {

struct TopLevelSearch {
    const TopLevelQuery* query;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<TopLevelSearch*>(context);
    const TopLevelQuery& query = *search->query;
    if (query.visible_only && !IsWindowVisible(window)) {
        return TRUE;
    }
    if (query.process_id != 0 && ProcessIdOf(window) != query.process_id) {
        return TRUE;
    }
    if (query.class_name != nullptr && ClassNameOf(window) != query.class_name) {
        return TRUE;
    }
    if (query.caption != nullptr && CaptionOf(window) != query.caption) {
        return TRUE;
    }
    search->found.push_back(window);
    return TRUE;
}

struct ControlSearch {
    int id;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectControl(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<ControlSearch*>(context);
    if (GetDlgCtrlID(window) == search->id) {
        search->found.push_back(window);
    }
    return TRUE;
}

}  // namespace

std::vector<HWND> FindTopLevelWindows(const TopLevelQuery& query) {
    TopLevelSearch search{&query, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForTopLevelWindow(const TopLevelQuery& query, DWORD timeout_ms) {
    return PollFor(
        [&]() -> HWND {
            const auto found = FindTopLevelWindows(query);
            return found.empty() ? nullptr : found.front();
        },
        timeout_ms);
}

std::vector<HWND> FindControls(HWND top, int id) {
    ControlSearch search{id, {}};
    EnumChildWindows(top, CollectControl, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindControl(HWND top, int id) {
    const auto found = FindControls(top, id);
    return found.empty() ? nullptr : found.front();
}

std::string ClassNameOf(HWND window) {
    char name[256] = {};
    const int length = GetClassNameA(window, name, sizeof(name));
    return std::string(name, length > 0 ? static_cast<size_t>(length) : 0);
}

std::string CaptionOf(HWND window) {
    char text[512] = {};
    const int length = GetWindowTextA(window, text, sizeof(text));
    return std::string(text, length > 0 ? static_cast<size_t>(length) : 0);
}

DWORD ProcessIdOf(HWND window) {
    DWORD process_id = 0;
    GetWindowThreadProcessId(window, &process_id);
    return process_id;
}

SIZE ClientSizeOf(HWND window) {
    RECT client = {};
    if (!GetClientRect(window, &client)) {
        return SIZE{-1, -1};
    }
    return SIZE{client.right - client.left, client.bottom - client.top};
}

}  // namespace talvane::wine_driver
