// What the screen shows: pixels of a window or a control, and screenshots of top-level windows as 24-bit .bmp files.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace talvane::wine_driver {

// The screen inside a rectangle, row by row from the top; what is on top there is what is captured.
struct ScreenPixels {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;

    [[nodiscard]] size_t Count(COLORREF colour) const;
    bool operator==(const ScreenPixels& other) const { return pixels == other.pixels; }
    bool operator!=(const ScreenPixels& other) const { return !(*this == other); }
};

// Empty (no pixels) on failure, with the reason in *error.
ScreenPixels CaptureScreen(const RECT& screen_area, std::string* error = nullptr);
// The window's rectangle, frame included.
ScreenPixels CaptureWindow(HWND window, std::string* error = nullptr);
// The client area alone.
ScreenPixels CaptureClient(HWND window, std::string* error = nullptr);

// CaptureWindow saved as a file; the window must be on top and painted.
// Creates the folder of path if needed. Returns false, with the reason in *error, on failure.
bool SaveWindowScreenshot(HWND window, const std::string& path, std::string* error = nullptr);

// What a saved .bmp holds, to tell a real capture from a blank one.
struct BmpSummary {
    int width = 0;
    int height = 0;
    size_t distinct_colours = 0;  // counted up to 256
};
std::optional<BmpSummary> SummarizeBmp(const std::string& path);

}  // namespace talvane::wine_driver
