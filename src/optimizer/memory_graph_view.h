// Draws the memory graph off screen and hands the picture to the graph control.
#pragma once

#include "platform/win32/win.h"

#include <optional>

#include "optimizer/load_history.h"
#include "platform/win32/handles.h"

namespace talvane {

class MemoryGraphView {
public:
    void Attach(HWND graph) { graph_ = graph; }
    // Draws the whole picture, then copies it onto the control in one operation.
    void Draw(const LoadHistory& history);

private:
    bool Prepare();

    HWND graph_ = nullptr;
    // Destroyed in reverse: the DCs give back what was selected into them before the bitmaps go.
    win32::UniqueBitmap bitmap_;
    win32::UniqueBitmap ground_;
    win32::UniquePen linePen_;
    win32::UniqueMemDc groundDc_;
    std::optional<win32::SelectGuard> groundSelected_;
};

}  // namespace talvane
