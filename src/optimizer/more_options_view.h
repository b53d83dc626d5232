// The More Options dialog (TForm4): the engine options the optimizer page does not show, saved on OK.
#pragma once

#include "optimizer/more_options.h"
#include "ui/app_context.h"
#include "ui/dialog_window.h"

namespace talvane {

class MoreOptionsDialog final : public ui::DialogWindow {
public:
    explicit MoreOptionsDialog(AppContext& context);

    // The main window's status timer calls this every second, shown or not.
    void SetCpuUsage(int percent);

private:
    void OnCreate() override;
    void OnShowing() override;
    void OnCommand(int id, int code) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnNotify(const NMHDR& header);

    void AttachSpinFields();
    void AddBrowseHint();
    void PressOk();
    void Browse();

    void Render();
    void RenderTab();
    void RenderSpin(MoreOptions::Spin spin);
    void RenderHotkey(int id, MoreOptions::Hotkey field);
    void RenderCpu();
    void DrawSamples();
    void DrawPopupPicture();
    void ShowBitmap(int id, const win32::UniqueBitmap& bitmap);

    AppContext& context_;
    MoreOptions model_;
    // While the controls are being set from the model, their change notifications are not the user's.
    bool rendering_ = false;
    win32::UniqueBitmap normalSample_;
    win32::UniqueBitmap freeingSample_;
    win32::UniqueBitmap popupPicture_;
    // The pictures are drawn from the first opening on: a run that never opens the dialog never loads their font.
    bool opened_ = false;
    HWND hint_ = nullptr;  // owned by this window, destroyed with it
};

}  // namespace talvane
