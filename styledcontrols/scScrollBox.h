#pragma once
// The kit's scroll box: paints its own background (the style's form, panel or tab-sheet
// background, an image and a wallpaper), can hide the repainting of its children while it scrolls
// or sizes and redraw everything once afterwards, can scroll by the wheel itself, and can be an
// opaque layered window. Its style hook fills it in the style's panel colour.
#include "Forms.h"
#include "scImageCollection.h"
#include "scScrollingStyleHook.h"

TAVIN_ENUM(TscsbBackgroundStyle, scsbsFormBackground, scsbsPanel, scsbsTabSheet)

// The window timer of the full redraw after a scale change.
constexpr UINT_PTR ScaleRedrawTimer = 100;

class TscCustomScrollBox : public TScrollBox {
    TAVIN_PUBLISHED_CLASS(TscCustomScrollBox, TScrollBox)
public:
    explicit TscCustomScrollBox(TComponent* owner);
    ~TscCustomScrollBox() override;

    TscsbBackgroundStyle BackgroundStyle() const { return FBackgroundStyle; }
    void SetBackgroundStyle(TscsbBackgroundStyle value);
    TscCustomImageCollection* Wallpapers() const { return FWallpapers; }
    void SetWallpapers(TscCustomImageCollection* value);
    int WallpaperIndex() const { return FWallpaperIndex; }
    void SetWallpaperIndex(int value);
    TscCustomImageCollection* CustomImages() const { return FCustomImages; }
    void SetCustomImages(TscCustomImageCollection* value);
    int CustomBackgroundImageIndex() const { return FCustomBackgroundImageIndex; }
    void SetCustomBackgroundImageIndex(int value);
    bool FullUpdate() const { return FFullUpdate; }
    void SetFullUpdate(bool value) { FFullUpdate = value; }
    bool StorePaintBuffer() const { return FStorePaintBuffer; }
    void SetStorePaintBuffer(bool value) { FStorePaintBuffer = value; }
    bool FluentUIOpaque() const { return FFluentUIOpaque; }
    void SetFluentUIOpaque(bool value);
    bool MouseWheelSupport() const { return FMouseWheelSupport; }
    void SetMouseWheelSupport(bool value) { FMouseWheelSupport = value; }
    // The kept background bitmap (StorePaintBuffer); null before the first buffered erase.
    TBitmap* PaintBuffer() const { return FPaintBuffer.get(); }

    bool IsFluentUIOpaqueActive() const;
    // Repaints the box, its children and its frame at once.
    void FullRedraw();
    // With FullUpdate the children move unseen and show once at their new places.
    void ScrollBy(int dx, int dy);
    // Brings a child into view, hiding the scrolling's intermediate repaints with FullUpdate.
    void ScrollInView(TControl* control);

    void WndProc(TMessage& message) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void ChangeScale(int m, int d, bool isDpiChange) override;
    // Whether the box scrolls (and so locks its redraw) even when AutoScroll is off.
    bool FIgnoreAutoScroll = false;

private:
    bool IsWallpaperAvailable() const;
    bool IsBackgroundImageAvailable() const;
    bool ScrollsItself() const { return AutoScroll() || FIgnoreAutoScroll; }
    // Whether this message's processing is hidden behind a redraw lock.
    bool LocksRedraw(const TMessage& message) const;
    void PaintBackground(HDC dc);
    void DrawBackgroundStyle(TCanvas* canvas, const TRect& rect);
    void WheelScroll(const TMessage& message);
    void SetRedrawLock(bool locked);

    TscsbBackgroundStyle FBackgroundStyle = scsbsFormBackground;
    TscCustomImageCollection* FWallpapers = nullptr;
    int FWallpaperIndex = -1;
    TscCustomImageCollection* FCustomImages = nullptr;
    int FCustomBackgroundImageIndex = -1;
    bool FFullUpdate = true;
    bool FStorePaintBuffer = false;
    bool FFluentUIOpaque = false;
    bool FMouseWheelSupport = false;
    std::unique_ptr<TBitmap> FPaintBuffer;
};

class TscScrollBox : public TscCustomScrollBox {
    TAVIN_PUBLISHED_CLASS(TscScrollBox, TscCustomScrollBox)
public:
    using TscCustomScrollBox::TscCustomScrollBox;
};

// Fills the box in the style's panel colour (or the box's Color without seClient) and refreshes
// the frame and the scroll windows when scrolling ends.
class TscScrollBoxStyleHook : public TscScrollingStyleHook {
    TAVIN_CLASS(TscScrollBoxStyleHook, TscScrollingStyleHook)
public:
    explicit TscScrollBoxStyleHook(TWinControl* control);

protected:
    void WndProc(TMessage& message) override;
};
