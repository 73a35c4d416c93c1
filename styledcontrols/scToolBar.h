#pragma once
// The kit's toolbar and its style hook: under a custom style the hook paints the background,
// every visible button in its state with its drop-down arrow, separator, picture and caption, and
// the frame. Buttons are read through the toolbar window's messages, by index, so a plain toolbar
// window is painted as well.
#include <memory>

#include "ComCtrls.h"
#include "Themes.h"

// The framework's toolbar, a class of its own so that the hook is registered for it alone.
class TscToolBar : public TToolBar {
    TAVIN_PUBLISHED_CLASS(TscToolBar, TToolBar)
public:
    using TToolBar::TToolBar;
    void WndProc(TMessage& message) override;

private:
    bool FRouting = false;
};

class TscToolBarStyleHook : public TMouseTrackControlStyleHook {
    TAVIN_CLASS(TscToolBarStyleHook, TMouseTrackControlStyleHook)
public:
    explicit TscToolBarStyleHook(TWinControl* control);
    ~TscToolBarStyleHook() override;

    // The enabled button under the mouse, -1 for none.
    int HotButtonIndex() const { return FHotButtonIndex; }
    // The button whose drop-down is open, -1 for none.
    int ArrowDownButtonIndex() const { return FArrowDownButtonIndex; }
    // The toolbar's own image list as the hook draws from it; null before the first paint.
    TCustomImageList* Images() const { return FImages.get(); }

protected:
    void Paint(TCanvas* canvas) override;
    void PaintNC(TCanvas* canvas) override;
    void WndProc(TMessage& message) override;
    void MouseLeave() override;

private:
    struct TButtonData;
    // Button index as the window holds it.
    TButtonData ReadButton(int index) const;
    TRect ItemRect(int index) const;
    void UpdateToolbarImages();
    void PaintToolBarBackground(TCanvas* canvas);
    void PaintButton(TCanvas* canvas, int index);
    void PaintCaption(TCanvas* canvas, int index, const TButtonData& button, const TRect& face, bool faceDrawn,
                      const TThemedElementDetails& details, TRect& image);
    void PaintImage(TCanvas* canvas, int index, const TButtonData& button, const TRect& image);
    void UpdateHotButton(TPoint p);

    int FArrowDownButtonIndex = -1;
    int FHotButtonIndex = -1;
    std::unique_ptr<TCustomImageList> FImages;
    bool FRuntimeThemesEnabled;
    bool FFromWMPaint = false;
};
