#pragma once
// The kit's status bar and its style hook: under a custom style the hook paints the bar's root,
// every pane with its text (owner-drawn panes through the bar's OnDrawPanel) and the size grip.
#include "ComCtrls.h"
#include "Themes.h"

class TscStatusBar : public TStatusBar {
    TAVIN_PUBLISHED_CLASS(TscStatusBar, TStatusBar)
public:
    explicit TscStatusBar(TComponent* owner);

protected:
    void WndProc(TMessage& message) override;
    // Panel widths follow the scale when the framework left them as they were.
    void ChangeScale(int m, int d, bool isDpiChange) override;
};

class TscStatusBarStyleHook : public TStyleHook {
    TAVIN_CLASS(TscStatusBarStyleHook, TStyleHook)
public:
    explicit TscStatusBarStyleHook(TWinControl* control);

    // The size grip's rectangle at the bar's bottom right.
    TRect GripRect() const;

protected:
    void WndProc(TMessage& message) override;
    void Paint(TCanvas* canvas) override;

private:
    bool ShowsGrip() const;
    void PaintGrip(TCanvas* canvas) const;
    // The text of part index as the window holds it; ownerDrawn tells whether it is drawn by its owner.
    String PartText(int index, bool& ownerDrawn) const;

    bool FFromWMPaint = false;
};
