#pragma once
// The style hook of the kit's scrolling controls under a custom style: two small windows laid over
// the control's own scroll bars show styled bars (the mouse passes through them to the real bars,
// whose hover and press the hook follows), the hook drags the thumbs itself, and it paints the
// styled border and the corner between the bars.
#include <functional>

#include "Themes.h"
#include "scListControls.h"

// A borderless window laid over a scroll bar that a style hook paints; the mouse passes through it.
class TscScrollWindow : public TWinControl {
    TAVIN_CLASS(TscScrollWindow, TWinControl)
public:
    explicit TscScrollWindow(TComponent* owner);
    // Paints the bar into a device context: ownWindow when it is the window's own (its origin at
    // the window's corner), else a foreign one in the hooked control's window coordinates.
    std::function<void(HDC dc, bool ownWindow)> OnPaintBar;
    // The mouse came over the window.
    std::function<void()> OnMouseOver;
    bool Vertical = false;
    bool TopmostToolWindow = false;
    void PaintToDC(HDC dc);
    // The hook lets go of the window.
    void Detach();

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
};

// The text colour of a tree or list view's items in a style: its item element's, else the style's
// window text colour.
TColor ViewItemTextColor(TCustomStyleServices* style);

// The Normal, Hot and Pressed looks of a scroll-bar part follow one another.
TThemedScrollBar ScrollLook(TThemedScrollBar normal, int step);
bool IsScrollLook(TThemedScrollBar look, TThemedScrollBar normal, int step);

class TscScrollingStyleHook : public TMouseTrackControlStyleHook {
    TAVIN_CLASS(TscScrollingStyleHook, TMouseTrackControlStyleHook)
public:
    explicit TscScrollingStyleHook(TWinControl* control);
    ~TscScrollingStyleHook() override;

    // The bars and their parts in the control's window coordinates; empty where there is none.
    TRect VertScrollRect() const;
    TRect VertUpRect() const;
    TRect VertDownRect() const;
    TRect VertTrackRect() const;
    TRect VertSliderRect() const;
    TRect HorzScrollRect() const;
    TRect HorzUpRect() const;
    TRect HorzDownRect() const;
    TRect HorzTrackRect() const;
    TRect HorzSliderRect() const;

    TscScrollWindow* VertScrollWindow() const { return FVertScrollWnd.get(); }
    TscScrollWindow* HorzScrollWindow() const { return FHorzScrollWnd.get(); }
    TThemedScrollBar VertSliderState() const { return FVertSliderState; }
    TThemedScrollBar VertUpState() const { return FVertUpState; }
    TThemedScrollBar VertDownState() const { return FVertDownState; }
    TThemedScrollBar HorzSliderState() const { return FHorzSliderState; }
    TThemedScrollBar HorzUpState() const { return FHorzUpState; }
    TThemedScrollBar HorzDownState() const { return FHorzDownState; }
    bool LeftButtonDown() const { return FLeftButtonDown; }

protected:
    void WndProc(TMessage& message) override;
    void Paint(TCanvas* canvas) override;
    void PaintBackground(TCanvas* canvas) override;
    void PaintNC(TCanvas* canvas) override;
    void MouseLeave() override;
    virtual void PaintBorderAndCorner();
    virtual void PaintFrameToDC(HDC dc);
    virtual void PaintHorzScrollBar(HDC dc);
    virtual void PaintVertScrollBar(HDC dc);
    virtual void RepaintScrollWindows();
    // One step of dragging a pressed thumb with the mouse (the cursor is read, not the message).
    virtual void ThumbDrag(bool vertical);

    bool CheckPopupWindow() const;
    bool HasBorder() const;
    bool HasClientEdge() const;
    // The border's width in the window's corner: 2 with a client edge, 1 with a plain border.
    int BorderOffset() const;
    void ResetScrollStates();
    void CreateScrollWindows();
    void PlaceScrollWindows();
    void ShowScrollWindows(bool show);
    // The cursor in the control's client coordinates.
    TPoint CursorInClient() const;
    // The cursor along a bar on the screen, and the ends of the bar's track there; false when the
    // track has no length.
    bool DragCursor(bool vertical, int& pos, int& low, int& high) const;
    // Outside the track the thumb only follows movement back toward it: false (the previous
    // position moved to the track's end) while the cursor is out there.
    bool FollowsCursor(int pos, int low, int high);

    TThemedScrollBar FHorzDownState = tsArrowBtnRightNormal;
    std::unique_ptr<TscScrollWindow> FHorzScrollWnd;
    TThemedScrollBar FHorzSliderState = tsThumbBtnHorzNormal;
    TThemedScrollBar FHorzUpState = tsArrowBtnLeftNormal;
    bool FLeftButtonDown = false;
    float FListPos = 0;
    int FPrevScrollPos = 0;
    float FScrollPos = 0;
    TThemedScrollBar FVertDownState = tsArrowBtnDownNormal;
    std::unique_ptr<TscScrollWindow> FVertScrollWnd;
    TThemedScrollBar FVertSliderState = tsThumbBtnVertNormal;
    TThemedScrollBar FVertUpState = tsArrowBtnUpNormal;
    bool FInitingScrollBars = false;
    bool FCallNCDefPaint = false;
    bool FIsPopupWindow = false;
    bool FIsMouseInScrolls = false;
    bool FNeedUpdateNCArea = false;

private:
    TRect ScrollRect(LONG object) const;
    TRect SliderRect(bool vertical) const;
    // Where the window lies over its bar, in the parent's coordinates (screen for a pop-up).
    bool ScrollWindowBounds(bool vertical, TRect& bounds) const;
    void PlaceScrollWindow(TscScrollWindow* window, bool creating);
    std::unique_ptr<TscScrollWindow> MakeScrollWindow(bool vertical);
    void PaintScrollBar(HDC dc, bool vertical);
    void MouseOverScrollWindow();
    // The point of a non-client mouse message in client coordinates plus the border offset.
    TPoint NCPoint(const TMessage& message) const;
    void NCButtonDown(TMessage& message);
    void ButtonUp();
    void NCHover(const TMessage& message);
    void NCButtonUp(TMessage& message);
    void CaptureChanged(TMessage& message);
};
