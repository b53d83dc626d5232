// The startup item dialog (TForm2): one small modal dialog with three pages, made once and reused. The window
// is shared; what each page does belongs to the feature that opens it, through an ItemDialogPage.
#pragma once

#include <string>
#include <vector>

#include "ui/dialog_window.h"

namespace talvane::ui {

enum class ItemPage : int { AddItem = 0, Priority = 1, Note = 2 };

class ItemDialog;

// The opener's side of one opening: it fills the page before it shows and answers its controls.
class ItemDialogPage {
public:
    virtual ~ItemDialogPage() = default;
    virtual void Opening(ItemDialog& /*dialog*/) {}
    virtual void Command(ItemDialog& /*dialog*/, int /*id*/, int /*code*/) {}
};

class ItemDialog final : public DialogWindow {
public:
    ItemDialog(HINSTANCE instance, const Theme& theme);

    // The outer size minus the background panel's, measured once the window exists.
    [[nodiscard]] int DialogFrameHeight() const { return frameHeight_; }
    [[nodiscard]] int DialogFrameWidth() const { return frameWidth_; }

    // Sizes the dialog around the page, shows that page alone, sets the caption and runs modally.
    void Open(HWND owner, ItemPage page, const std::string& caption, ItemDialogPage& handler);
    // Hides every page, then shows the one asked for; a number that is no page shows none.
    void ShowPage(int page);
    void Close() { EndModal(); }

    [[nodiscard]] std::string Text(int id) const { return Controls().Text(id); }
    void SetText(int id, const std::string& text) const { Controls().SetText(id, text); }
    void Enable(int id, bool enabled) const;
    void SetItems(int id, const std::vector<std::string>& items) const { Controls().SetItems(id, items); }
    [[nodiscard]] int Selected(int id) const { return Controls().Selected(id); }
    void Select(int id, int index) const { Controls().Select(id, index); }
    [[nodiscard]] HWND Control(int id) const { return Controls().Control(id); }

private:
    void OnCreate() override;
    void OnCommand(int id, int code) override;

    ItemDialogPage* handler_ = nullptr;
    int frameHeight_ = 0;
    int frameWidth_ = 0;
};

}  // namespace talvane::ui
