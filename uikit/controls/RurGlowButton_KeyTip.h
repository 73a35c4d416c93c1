#pragma once
// A glow button's key tip: the small gradient label with the button's keyboard shortcut that a
// ribbon or toolbar shows next to each button while the user navigates it by keyboard.
#include "WinApiNames.h"

#include "Forms.h"
#include "TypInfo.h"

TAVIN_ENUM(TShortCutHintPos, shpLeft, shpTop, shpRight, shpBottom, shpCenter, shpAuto, shpTopLeft, shpTopRight,
           shpAboveTop, shpAboveTopLeft, shpAboveTopRight, shpBottomLeft, shpBottomRight, shpBelowBottom,
           shpBelowBottomLeft, shpBelowBottomRight, shpBelowBottomCenter)

class TShortCutHintWindow : public THintWindow {
    TAVIN_PUBLISHED_CLASS(TShortCutHintWindow, THintWindow)
public:
    explicit TShortCutHintWindow(TComponent* owner);
    void WndProc(TMessage& message) override;

    // The gradient runs from the control's Color at the top to ColorTo at the bottom.
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor value);

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void Resize() override;

private:
    TColor FColorTo = clInfoBk;
};

// The tip's top-left corner for a button whose top-left corner on the screen is buttonOrigin;
// shpAuto places like shpTop.
TPoint ShortCutHintOrigin(TShortCutHintPos position, TPoint buttonOrigin, TSize button, TSize tip);
