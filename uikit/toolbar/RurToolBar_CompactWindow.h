#pragma once
// The compact window: the pop-up a compacted ribbon group drops from its compact button, holding a
// full-size clone of the group. It hides itself when it loses activation (unless a drop-down of one
// of its buttons is open), gives the focus to the clone and back, and tells the clone when it hid.
// Also the glow menu button, a glow button whose click drops its menu.
#include "RurGlowButton.h"
#include "RurToolBar_OptionWindow.h"

class TRurCustomToolBar;

class TCompactWindow : public TRurPopupForm {
    TAVIN_PUBLISHED_CLASS(TCompactWindow, TRurPopupForm)
public:
    // A window without a form resource; the owner is the compacted toolbar.
    explicit TCompactWindow(TComponent* owner);

    // The toolbar shown (the clone).
    TRurCustomToolBar* RurToolBar() const { return FRurToolBar; }
    void SetRurToolBar(TRurCustomToolBar* value) { FRurToolBar = value; }
    // The compact button that dropped the window.
    TRurGlowButton* DropDownButton() const { return FDropDownButton; }
    void SetDropDownButton(TRurGlowButton* value) { FDropDownButton = value; }
    // The form's close query allows closing and the window hides on deactivation.
    bool CanHide();
    // The topmost ancestor window of the owner's window; null when that window has no parent.
    HWND GetTopParentHandle() const;
    // The toolbar at (1, 1) with a one-pixel margin, in the colour of the toolbar's styler.
    void SetWindowSize();
    // A rounded-rectangle region (4 x 4 corners) over the client area.
    void UpdateRegion();
    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void DoHide() override;
    void PaintWindow(HDC dc) override;
    void HideTimerTick() override;

private:
    void Activated(bool active);

    TRurCustomToolBar* FRurToolBar = nullptr;
    TRurGlowButton* FDropDownButton = nullptr;
};

// A glow button that behaves as a menu button: a click drops its menu.
class TRurGlowMenuButton : public TRurCustomGlowButton {
    TAVIN_PUBLISHED_CLASS(TRurGlowMenuButton, TRurCustomGlowButton)
public:
    explicit TRurGlowMenuButton(TComponent* owner);
    bool IsMenuButton() const override { return true; }
};
