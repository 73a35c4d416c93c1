#pragma once
// The kit's stand-alone scroll bar under a custom style: one mouse-transparent window laid over the
// whole control shows a styled bar that follows the real bar's hover, press and position.
#include <memory>

#include "scScrollingStyleHook.h"

// The parts of a stand-alone bar of the given size, in its own coordinates. The arrows shrink
// equally when the bar is shorter than two of them (never below half the arrow metric m); the
// thumb is empty when the bar is disabled, its range empty, or no arrow size is left for it.
struct TScrollBarParts {
    TRect Up, Down, Track, Slider;
};
TScrollBarParts ScrollBarPartsOf(int width, int height, bool vertical, int m, const SCROLLINFO& info, bool enabled);

class TscScrollBarStyleHook : public TMouseTrackControlStyleHook {
    TAVIN_CLASS(TscScrollBarStyleHook, TMouseTrackControlStyleHook)
public:
    explicit TscScrollBarStyleHook(TWinControl* control);
    ~TscScrollBarStyleHook() override;

    bool IsHorizontal() const;
    TScrollBarParts Parts() const;
    TscScrollWindow* ScrollWindow() const { return FScrollWnd.get(); }
    TThemedScrollBar SliderState() const { return IsHorizontal() ? FHSliderState : FVSliderState; }
    TThemedScrollBar UpState() const { return IsHorizontal() ? FHUpState : FVUpState; }
    TThemedScrollBar DownState() const { return IsHorizontal() ? FHDownState : FVDownState; }

protected:
    bool AcceptMessage(TMessage& message) override;
    void WndProc(TMessage& message) override;
    void MouseLeave() override;

private:
    void CreateScrollWindow();
    void UpdateScrollWindow();
    void RepaintScrollWindow();
    void PaintBar(HDC dc);
    void ButtonDown(TPoint p);
    void ButtonUp(TPoint p);
    bool Hover(TPoint p);
    void CaptureChanged(HWND taker);

    std::unique_ptr<TscScrollWindow> FScrollWnd;
    TThemedScrollBar FVSliderState = tsThumbBtnVertNormal;
    TThemedScrollBar FVUpState = tsArrowBtnUpNormal;
    TThemedScrollBar FVDownState = tsArrowBtnDownNormal;
    TThemedScrollBar FHSliderState = tsThumbBtnHorzNormal;
    TThemedScrollBar FHUpState = tsArrowBtnLeftNormal;
    TThemedScrollBar FHDownState = tsArrowBtnRightNormal;
};
