// What every window is painted with: palette brushes, fonts, artwork.
#pragma once

#include "platform/win32/win.h"

#include <array>

#include "base/palette.h"
#include "platform/win32/handles.h"
#include "ui/form_table.h"

namespace talvane::ui {

class Theme {
public:
    explicit Theme(HINSTANCE instance);

    void SetPalette(const WindowPalette& palette);
    [[nodiscard]] const WindowPalette& Palette() const { return palette_; }
    [[nodiscard]] HBRUSH Brush(Surface surface) const;
    [[nodiscard]] COLORREF ColorOf(Surface surface) const;

    [[nodiscard]] HFONT NormalFont() const { return normalFont_.Get(); }
    [[nodiscard]] HFONT TitleFont() const { return titleFont_.Get(); }

    // Draws the art centred in the rectangle; disabled buttons use their greyed image where one exists.
    void DrawArt(HDC dc, Art art, const RECT& area, bool disabled) const;
    [[nodiscard]] HICON AppIcon() const { return appIcon_; }
    [[nodiscard]] HCURSOR HandCursor() const { return handCursor_; }

private:
    struct Bitmap {
        int index = -1;  // in the list of its size; -1 when it could not be loaded
        int size = 0;
        bool tried = false;
    };
    // Artwork is loaded on first use: none of it is drawn before the main window shows.
    [[nodiscard]] const Bitmap* Find(Art art, bool disabled) const;
    [[nodiscard]] HIMAGELIST ListOf(int size) const;

    HINSTANCE instance_;
    WindowPalette palette_{};
    win32::UniqueBrush dark_;
    win32::UniqueBrush middle_;
    win32::UniqueBrush light_;
    win32::UniqueBrush editor_;
    win32::UniqueFont normalFont_;
    win32::UniqueFont titleFont_;
    mutable std::array<Bitmap, 14> art_{};  // indexed by Art; the last slot holds the greyed Apply
    // One image list for each size of art: a list holds two bitmaps and two DCs of its own.
    mutable std::array<win32::UniqueImageList, 3> lists_;
    HICON appIcon_ = nullptr;  // shared resource icon, not destroyed
    HCURSOR handCursor_ = nullptr;
};

}  // namespace talvane::ui
