#include "base/palette.h"

#include <algorithm>

#include "platform/window_services.h"

namespace talvane {

namespace {

// x * num / den rounded to the nearest whole number (halves up); all operands are small and positive.
int ScaleRounded(int x, int num, int den) {
    return (x * num * 2 + den) / (den * 2);
}

}  // namespace

Hsv ColorToHsv(Color color) {
    const int r = ScaleRounded(static_cast<int>(color & 0xFF), 99, 255);
    const int g = ScaleRounded(static_cast<int>((color >> 8) & 0xFF), 99, 255);
    const int b = ScaleRounded(static_cast<int>((color >> 16) & 0xFF), 99, 255);
    const int max = std::max({r, g, b});
    const int min = std::min({r, g, b});
    Hsv hsv;
    hsv.v = max;
    hsv.s = max == 0 ? 0 : (max - min) * 99 / max;
    if (hsv.s == 0) {
        hsv.h = 0;
        return hsv;
    }
    const int d = max - min;
    if (r == max) {
        hsv.h = (g - b) * 60 / d;
    } else if (g == max) {
        hsv.h = (b - r) * 60 / d + 120;
    } else {
        hsv.h = (r - g) * 60 / d + 240;
    }
    if (hsv.h < 0) {
        hsv.h += 360;
    }
    return hsv;
}

Color HsvToColor(const Hsv& hsv) {
    int r = hsv.v;
    int g = hsv.v;
    int b = hsv.v;
    if (hsv.s != 0) {
        const int v = hsv.v;
        const int s = hsv.s;
        const int f = hsv.h % 60;
        const int p = v - s * v / 99;
        const int q = v - s * v * f / 5940;
        const int t = v - s * v * (60 - f) / 5940;
        switch (hsv.h / 60) {
            case 0: r = v, g = t, b = p; break;
            case 1: r = q, g = v, b = p; break;
            case 2: r = p, g = v, b = t; break;
            case 3: r = p, g = q, b = v; break;
            case 4: r = t, g = p, b = v; break;
            default: r = v, g = p, b = q; break;
        }
    }
    return MakeColor(static_cast<std::uint32_t>(ScaleRounded(r, 255, 99)),
                     static_cast<std::uint32_t>(ScaleRounded(g, 255, 99)),
                     static_cast<std::uint32_t>(ScaleRounded(b, 255, 99)));
}

WindowPalette DerivePalette(Color base) {
    Hsv hsv = ColorToHsv(base);
    WindowPalette palette;
    hsv.v = std::clamp(hsv.v, 70, 80);
    hsv.s = std::min(hsv.s, 45);
    palette.dark = HsvToColor(hsv);
    hsv.v = std::clamp(hsv.v, 80, 85);
    hsv.s = std::min(hsv.s, 35);
    palette.middle = HsvToColor(hsv);
    hsv.v = std::max(hsv.v, 95);
    hsv.s = std::min(hsv.s, 3);
    palette.light = HsvToColor(hsv);
    return palette;
}

int PaletteTracker::BaseColorIndex() const {
    return appActive_ ? platform::kColorActiveCaption : platform::kColorInactiveCaption;
}

bool PaletteTracker::Update(Color base) {
    if (lastBase_ == base) {
        return false;
    }
    lastBase_ = base;
    palette_ = DerivePalette(base);
    return true;
}

}  // namespace talvane
