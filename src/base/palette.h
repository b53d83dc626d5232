// The three window colours derived from the title-bar colour.
#pragma once

#include <cstdint>
#include <optional>

namespace talvane {

// 0x00BBGGRR, as GetSysColor and COLORREF hold it.
using Color = std::uint32_t;

constexpr Color MakeColor(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return r | (g << 8) | (b << 16);
}

struct Hsv {
    int h = 0;  // 0-359
    int s = 0;  // 0-99
    int v = 0;  // 0-99
};

struct WindowPalette {
    Color dark = 0;
    Color middle = 0;
    Color light = 0;
};

Hsv ColorToHsv(Color color);
Color HsvToColor(const Hsv& hsv);
WindowPalette DerivePalette(Color base);

// Follows activation of the application and recomputes only when the base colour changes.
class PaletteTracker {
public:
    void Activate() { appActive_ = true; }
    void Deactivate() { appActive_ = false; }
    [[nodiscard]] bool AppActive() const { return appActive_; }
    // The system colour index that decides the base now.
    [[nodiscard]] int BaseColorIndex() const;
    // Returns true when the palette was derived anew.
    bool Update(Color base);
    [[nodiscard]] const WindowPalette& Palette() const { return palette_; }

private:
    bool appActive_ = true;
    std::optional<Color> lastBase_;
    WindowPalette palette_;
};

}  // namespace talvane
