#pragma once
// The kit's styled memo: the system edit draws the text, the memo has it draw into an offscreen
// bitmap over its own background (the parent's when transparent, pictures from image
// collections, a prompt while empty) and copies the result, so nothing flickers.
#include "StdCtrls.h"
#include "scImageCollection.h"
#include "scListControls.h"

class TscMemo : public TMemo {
    TAVIN_PUBLISHED_CLASS(TscMemo, TMemo)
public:
    explicit TscMemo(TComponent* owner);
    ~TscMemo() override;
    void WndProc(TMessage& message) override;

    bool FluentUIOpaque() const { return FFluentUIOpaque; }
    void SetFluentUIOpaque(bool value);
    const String& PromptText() const { return FPromptText; }
    void SetPromptText(const String& value) { ChangeAndInvalidate(this, FPromptText, value); }
    TColor PromptTextColor() const { return FPromptTextColor; }
    void SetPromptTextColor(TColor value) { ChangeAndInvalidate(this, FPromptTextColor, value); }
    bool HidePromptTextIfFocused() const { return FHidePromptTextIfFocused; }
    void SetHidePromptTextIfFocused(bool value) { FHidePromptTextIfFocused = value; }
    TscCustomImageCollection* Wallpapers() const { return FWallpapers; }
    void SetWallpapers(TscCustomImageCollection* value);
    int WallpaperIndex() const { return FWallpaperIndex; }
    void SetWallpaperIndex(int value) { ChangeAndInvalidate(this, FWallpaperIndex, value); }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    TscCustomImageCollection* CustomImages() const { return FCustomImages; }
    void SetCustomImages(TscCustomImageCollection* value);
    int CustomBackgroundImageNormalIndex() const { return FCustomBackgroundImageNormalIndex; }
    void SetCustomBackgroundImageNormalIndex(int value) { ChangeAndInvalidate(this, FCustomBackgroundImageNormalIndex, value); }
    int CustomBackgroundImageHotIndex() const { return FCustomBackgroundImageHotIndex; }
    void SetCustomBackgroundImageHotIndex(int value) { ChangeAndInvalidate(this, FCustomBackgroundImageHotIndex, value); }
    int CustomBackgroundImageDisabledIndex() const { return FCustomBackgroundImageDisabledIndex; }
    void SetCustomBackgroundImageDisabledIndex(int value) { ChangeAndInvalidate(this, FCustomBackgroundImageDisabledIndex, value); }
    bool UseFontColorToStyleColor() const { return FUseFontColorToStyleColor; }
    void SetUseFontColorToStyleColor(bool value) { FUseFontColorToStyleColor = value; }

    bool IsFluentUIOpaqueActive() const;
    // Renders background and text through an offscreen bitmap into the window.
    void RedrawBuffered();
    // The same into a device context the caller keeps.
    void PaintBuffered(HDC dc);
    // The captured parent background (null while not transparent).
    TBitmap* ParentBackground() const { return ParentBGBuffer.get(); }

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Change() override;
    void SetMemoRedraw(bool enable);
    void CaptureParentBackground();
    void DrawMemoBackground(TCanvas* canvas);
    void DrawPromptText(TCanvas* canvas);


private:
    void RenderInto(HDC target, bool hideCaret);
    void PaintDisabledText(HDC dc);
    LRESULT EditColors(HDC dc);
    void RedrawKeepingBackground();

    TscCustomImageCollection* FWallpapers = nullptr;
    int FWallpaperIndex = -1;
    bool FTransparent = false;
    std::unique_ptr<TBitmap> ParentBGBuffer;
    TscCustomImageCollection* FCustomImages = nullptr;
    int FCustomBackgroundImageNormalIndex = -1;
    int FCustomBackgroundImageHotIndex = -1;
    int FCustomBackgroundImageDisabledIndex = -1;
    int FSelLen = 0;
    int FSelPos = 0;
    bool FUseFontColorToStyleColor = false;
    String FPromptText;
    TColor FPromptTextColor = clNone;
    bool FHidePromptTextIfFocused = false;
    bool FStopDraw = false;
    bool FStopGetParentBG = false;
    bool FStopRedraw = false;
    bool FSizeChanging = false;
    bool FFluentUIOpaque = false;
};
