// The About box (TForm3): title, version and a memory summary refreshed every second.
#pragma once

#include "shell/application.h"
#include "ui/dialog_window.h"

namespace talvane {

class AboutBox final : public ui::DialogWindow {
public:
    explicit AboutBox(AppContext& context);

private:
    void OnCreate() override;
    void OnCommand(int id, int code) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Refresh();
    void DrawBanner();

    AppContext& context_;
    win32::UniqueBitmap banner_;
    win32::UniqueBitmap strip_;
    win32::UniqueFont bannerFont_;
};

}  // namespace talvane
