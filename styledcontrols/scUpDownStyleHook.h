#pragma once
// The kit's up-down control and its style hook: under a custom style the two halves are painted
// as the style's arrow buttons, hot under the mouse and pressed while held.
#include "ComCtrls.h"
#include "Themes.h"

// The framework's up-down control, a class of its own so that the hook is registered for it alone.
class TscUpDown : public TUpDown {
    TAVIN_PUBLISHED_CLASS(TscUpDown, TUpDown)
public:
    using TUpDown::TUpDown;
};

class TscUpDownStyleHook : public TMouseTrackControlStyleHook {
    TAVIN_CLASS(TscUpDownStyleHook, TMouseTrackControlStyleHook)
public:
    explicit TscUpDownStyleHook(TWinControl* control);

    // The first half is the upper (vertical) or the left one.
    bool LeftPressed() const { return FLeftPressed; }
    bool RightPressed() const { return FRightPressed; }
    bool MouseOnLeft() const { return FMouseOnLeft; }
    bool MouseOnRight() const { return FMouseOnRight; }
    bool IsVerticalUpDown() const;
    TRect FirstHalf() const;
    TRect SecondHalf() const;

protected:
    void WndProc(TMessage& message) override;
    void Paint(TCanvas* canvas) override;
    void PaintBackground(TCanvas* canvas) override { Paint(canvas); }
    void MouseLeave() override;

private:
    // Runs the control's own handling of a button message with its redrawing held back.
    void DefaultQuietly(TMessage& message);

    bool FLeftPressed = false;
    bool FRightPressed = false;
    bool FMouseOnLeft = false;
    bool FMouseOnRight = false;
};
