#pragma once
// The kit's list boxes under a custom style (list, check list, colour list and font list boxes):
// the scrolling hook with the style's list colours handed to the control, enabled or disabled, and
// the area below the last item filled in the list colour.
#include "scScrollingStyleHook.h"

class TscListBoxStyleHook : public TscScrollingStyleHook {
    TAVIN_CLASS(TscListBoxStyleHook, TscScrollingStyleHook)
public:
    explicit TscListBoxStyleHook(TWinControl* control);

    TColor ListColor() const { return FBrush->Color(); }
    TColor TextColor() const { return FFontColor; }

protected:
    void WndProc(TMessage& message) override;
    // Fills the client area below the last visible item (all of it for an empty list).
    virtual void EraseUnusedArea(HDC dc);

private:
    void UpdateListColors();
};
