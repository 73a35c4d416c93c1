#pragma once
// The kit's tree view under a custom style: the scrolling hook with the style's tree colours forced
// on the system tree, whatever colours it is asked to take, and a thumb drag of its own that
// scrolls the tree as the thumb moves, to the very end of the range.
#include "scScrollingStyleHook.h"

class TscTreeViewStyleHook : public TscScrollingStyleHook {
    TAVIN_CLASS(TscTreeViewStyleHook, TscScrollingStyleHook)
public:
    explicit TscTreeViewStyleHook(TWinControl* control);

    TColor TreeColor() const { return FBrush->Color(); }
    TColor TextColor() const { return FFontColor; }

protected:
    void WndProc(TMessage& message) override;
    void ThumbDrag(bool vertical) override;
};
