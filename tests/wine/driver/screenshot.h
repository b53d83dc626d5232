// Screenshots of top-level windows, frame included, as 24-bit .bmp files.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>

namespace talvane::wine_driver {

// Copies the window's rectangle from the screen; the window must be on top and painted.
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
