// The engine's tray icon, drawn once for both its users: the engine (16 x 16) and the More Options dialog's
// samples (32 x 32), so that the samples show what the tray will.
#pragma once

#include "platform/win32/win.h"

#include <string>

#include "platform/win32/handles.h"

namespace talvane::ui {

enum class TrayIconKind { Normal, Freeing };  // lime bar; yellow bar while RAM is being freed

constexpr int kTrayIconSize = 16;
constexpr int kTrayPreviewSize = 32;

// Up to three characters of text in textColour above the bar; empty text draws the bar only. size is
// kTrayIconSize or kTrayPreviewSize. Empty when GDI fails.
win32::UniqueIcon DrawTrayIcon(int size, const std::string& text, TrayIconKind kind, COLORREF textColour);

// The dialog's sample: the number 100 at 32 x 32.
win32::UniqueIcon DrawTrayIconPreview(TrayIconKind kind, COLORREF textColour);

}  // namespace talvane::ui
