#pragma once
// The borderless pop-up forms of the toolbar (its option drop-down and the small menus opened from
// it) and the panel they show: they hide themselves as soon as they lose activation, one timer tick
// later, so the click that deactivated them is handled first; meanwhile the application's main
// window keeps its active caption.
#include <memory>

#include "Forms.h"
#include "ExtCtrls.h"
#include "RurToolBar_Types.h"
#include "Timers.h"

class TRurCustomToolBar;
class TRurQuickAccessToolBar;
class TOptionSelectorPanel;

// What the toolbar's pop-up forms share: a top-level pop-up owned by its parent's window, the
// hide timer, and the sizing grip answered in the bottom-right corner.
class TRurPopupForm : public TCustomForm {
    TAVIN_CLASS(TRurPopupForm, TCustomForm)
public:
    explicit TRurPopupForm(TComponent* owner);
    ~TRurPopupForm() override;

    bool HideOnDeActivate() const { return FHideOnDeActivate; }
    void SetHideOnDeActivate(bool value) { FHideOnDeActivate = value; }
    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    // The tick of the hide timer: hides the form (descendants add to it).
    virtual void HideTimerTick();
    // Keeps the caption of the topmost window above wnd drawn active.
    static void KeepCaptionActive(HWND wnd);

    TComponent* FOwner;
    bool FHideOnDeActivate = true;
    std::unique_ptr<TTimer> FHideTimer;

private:
    void HideTimerEvent(TObject*) { HideTimerTick(); }
};

// The drop-down a toolbar opens from its right handle: one panel filling it.
class TOptionSelectorWindow : public TRurPopupForm {
    TAVIN_CLASS(TOptionSelectorWindow, TRurPopupForm)
public:
    using TRurPopupForm::TRurPopupForm;

    TRurCustomToolBar* RurToolBar() const { return FRurToolBar; }
    void SetRurToolBar(TRurCustomToolBar* value) { FRurToolBar = value; }
    TOptionSelectorPanel* OptionsPanel() const { return FOptionsPanel; }
    void SetOptionsPanel(TOptionSelectorPanel* value) { FOptionsPanel = value; }
    // The panel's height and width.
    void SetWindowSize();
    void WndProc(TMessage& message) override;

protected:
    void DoHide() override;

private:
    TRurCustomToolBar* FRurToolBar = nullptr;
    TOptionSelectorPanel* FOptionsPanel = nullptr;
};

// The base of the panels shown in the drop-down: a plain or gradient face with a grey frame.
class TOptionSelectorPanel : public TPanel {
    TAVIN_PUBLISHED_CLASS(TOptionSelectorPanel, TPanel)
public:
    explicit TOptionSelectorPanel(TComponent* owner);

    // clNone: the face is plain Color.
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor value) { FColorTo = value; }
    TGradientDirection GradientDirection() const { return FGradientDirection; }
    void SetGradientDirection(TGradientDirection value) { FGradientDirection = value; }
    TColor WindowBorderColor() const { return FWindowBorderColor; }
    void SetWindowBorderColor(TColor value) { FWindowBorderColor = value; }
    TRurCustomToolBar* RurToolBar() const { return FRurToolBar; }
    void SetRurToolBar(TRurCustomToolBar* value) { FRurToolBar = value; }
    TRurQuickAccessToolBar* RurQuickAccessToolBar() const { return FRurQuickAccessToolBar; }
    void SetRurQuickAccessToolBar(TRurQuickAccessToolBar* value) { FRurQuickAccessToolBar = value; }

    // The height the window takes.
    virtual int GetPanelHeight() const { return Height(); }
    // The window holding the panel hid.
    virtual void WindowHidden() {}

protected:
    void Paint() override;
    // The face of a highlighted entry: a top-down gradient framed in black when both colours are
    // set, a plain fill framed in the canvas's pen when only the first is, nothing without it.
    static void FillEntry(TCanvas* canvas, const TRect& r, TColor color, TColor colorTo);

    int FMarginY = 3, FMarginX = 3;

private:
    TColor FColorTo = clNone;
    TGradientDirection FGradientDirection = gdHorizontal;
    TColor FWindowBorderColor = clGray;
    TRurCustomToolBar* FRurToolBar = nullptr;
    TRurQuickAccessToolBar* FRurQuickAccessToolBar = nullptr;
};
