#pragma once
// The kit's cool bar and its style hook: under a custom style the hook paints the bar's face, each
// band's picture, caption and gripper, and a 2-pixel toolbar frame when edges are asked for.
#include "ComCtrls.h"
#include "Themes.h"

// Starts with no edges and no band borders: the style hook paints the whole face.
class TscCoolBar : public TCoolBar {
    TAVIN_PUBLISHED_CLASS(TscCoolBar, TCoolBar)
public:
    explicit TscCoolBar(TComponent* owner);

protected:
    void WndProc(TMessage& message) override;
};

class TscCoolBarStyleHook : public TStyleHook {
    TAVIN_CLASS(TscCoolBarStyleHook, TStyleHook)
public:
    explicit TscCoolBarStyleHook(TWinControl* control);

    // Band i's rectangle as painted (the caption area and gripper sit at its start).
    TRect BandRect(int index) const;

protected:
    void WndProc(TMessage& message) override;
    void Paint(TCanvas* canvas) override;
    void PaintNC(TCanvas* canvas) override;

private:
    void PaintBand(TCanvas* canvas, int index) const;
    TRect BandBorders(int index) const;
};
