// Draws the memory graph off screen and hands the picture to the graph control.
#pragma once

#include "platform/win32/win.h"

#include "optimizer/load_history.h"
#include "platform/win32/handles.h"

namespace talvane {

class MemoryGraphView {
public:
    void Attach(HWND graph) { graph_ = graph; }
    // Draws the whole picture, then copies it onto the control in one operation.
    void Draw(const LoadHistory& history);

private:
    HWND graph_ = nullptr;
    win32::UniqueBitmap bitmap_;
};

}  // namespace talvane
