// A fixed-size top-level window built from a form table and shown modally; base of the dialogs.
#pragma once

#include "ui/form_builder.h"
#include "ui/form_table.h"
#include "ui/theme.h"
#include "ui/window.h"

namespace talvane::ui {

class DialogWindow : public Window {
public:
    DialogWindow(HINSTANCE instance, const Theme& theme, const char* className, const FormTable& form)
        : instance_(instance), theme_(theme), className_(className), table_(form) {}

    // Creates the window hidden; the caption may be set later from the text table.
    bool Create(const char* caption);
    // Made at its first showing rather than at start: a window nobody has opened yet costs the start nothing.
    bool EnsureCreated() { return Handle() != nullptr || Create(""); }
    // Runs until EndModal, the close box or the end of the program; the owner's timers keep running.
    void ShowModal(HWND owner);
    [[nodiscard]] bool Showing() const { return showing_; }

protected:
    void EndModal() { done_ = true; }
    [[nodiscard]] const Form& Controls() const { return form_; }
    [[nodiscard]] const Theme& GetTheme() const { return theme_; }
    [[nodiscard]] HINSTANCE Instance() const { return instance_; }

    virtual void OnCreate() {}
    virtual void OnShowing() {}
    virtual void OnCommand(int /*id*/, int /*code*/) {}
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HINSTANCE instance_;
    const Theme& theme_;
    const char* className_;
    const FormTable& table_;
    Form form_;
    bool done_ = false;
    bool showing_ = false;
};

}  // namespace talvane::ui
