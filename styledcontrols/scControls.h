#pragma once
// Base classes of the kit's owner-drawn controls: a control that composes every frame in a paint
// buffer over a copy of its parent's background, an active control that tracks the mouse and
// cross-fades state changes, and the button behaviour the kit's buttons share.
#include "ExtCtrls.h"
#include "ImgList.h"
#include "StdCtrls.h"
#include "scDrawUtils.h"

// The kit's notice that a parent's background changed.
constexpr UINT WM_SCUPDATEBACKGROUND = WM_USER + 260;
// Window timers of the base controls.
constexpr UINT_PTR FluentOpaqueRedrawTimer = 101; // first redraw of a layered fluent control
constexpr UINT_PTR StateAnimationTimer = 1;        // end of the window in which state changes animate
constexpr UINT_PTR MenuTrackingTimer = 21;         // end of drop-down tracking after a popup returned

TAVIN_ENUM(TscDrawTextMode, scdtmGDI, scdtmGDIPlus)
TAVIN_ENUM(TButtonLayout, blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom)
TAVIN_ENUM(TscArrowPosition, scapRight, scapBottom)
TAVIN_ENUM(TscArrowDirection, scadDefault, scadRight)

class TscCustomControl : public TCustomControl {
    TAVIN_PUBLISHED_CLASS(TscCustomControl, TCustomControl)
public:
    explicit TscCustomControl(TComponent* owner);
    ~TscCustomControl() override;

    void WndProc(TMessage& message) override;
    void SetBounds(int left, int top, int width, int height) override;
    void ScaleForPPI(int newPPI) override;

    bool TransparentBackground() const { return FTransparentBackground; }
    virtual void SetTransparentBackground(bool value) { FTransparentBackground = value; }
    bool BlurBackground() const { return FBlurBackground; }
    void SetBlurBackground(bool value);
    int BlurBackgroundAmount() const { return FBlurBackgroundAmount; }
    void SetBlurBackgroundAmount(int value);
    bool StorePaintBuffer() const { return FStorePaintBuffer; }
    void SetStorePaintBuffer(bool value) { FStorePaintBuffer = value; }
    bool FluentUIOpaque() const { return FFluentUIOpaque; }
    void SetFluentUIOpaque(bool value);
    TscDrawTextMode DrawTextMode() const { return FDrawTextMode; }
    void SetDrawTextMode(TscDrawTextMode value);
    TNotifyEvent OnChangeScale() const { return FOnChangeScale; }
    void SetOnChangeScale(TNotifyEvent value) { FOnChangeScale = value; }

    void FullUpdateControl();
    void SetRedraw(bool value, bool update);
    bool IsFluentUIOpaqueActive() const;
    bool IsBiDiRightToLeft() const { return BiDiMode() == bdRightToLeft; }

    virtual bool IsDrawOnBackground() const;
    virtual void CaptureParentBackground();
    virtual TscsCtrlState GetCtrlState() const;
    virtual void DrawCapturedBackground(TCanvas* canvas);
    virtual void Draw(TCanvas*, TscsCtrlState) {}
    // Repaints at once, keeping the captured background.
    virtual void RePaintControl();
    // Tells every visible child that the background changed.
    virtual void UpdateControls();

    // True while the control moves, resizes or repaints itself: no painting on background erase.
    bool FForceDraw = false;
    // Set while a child copies this control's background.
    bool FGetControlBG = false;
    // The paint buffer; null between paints unless StorePaintBuffer is set.
    std::unique_ptr<TBitmap> FPaintBuffer;

protected:
    void Paint() override;
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void ChangeScale(int m, int d, bool isDpiChange) override;
    // The inherited paint road: buffer, background, face, copy to the window.
    void PaintBuffered();
    // What WM_MOVE, a background notice and the blur setters do: capture, repaint, tell the children.
    void RefreshBackground();
    bool InWMPaint() const { return FromWMPaint; }

    std::unique_ptr<TBitmap> ParentBGBuffer;
    bool FBlurBackground = false;
    int FBlurBackgroundAmount = 5;
    bool FStorePaintBuffer = false;
    bool FDrawOnBackground = true;
    bool FTransparentBackground = true;
    TNotifyEvent FOnChangeScale;
    bool FUpdateParentBuffer = false;
    bool FFluentUIOpaque = false;
    TscDrawTextMode FDrawTextMode = scdtmGDI;

private:
    bool FStopEraseBackground = false;
    bool FromWMPaint = false;
};

class TscCustomActiveControl : public TscCustomControl {
    TAVIN_PUBLISHED_CLASS(TscCustomActiveControl, TscCustomControl)
public:
    explicit TscCustomActiveControl(TComponent* owner);
    ~TscCustomActiveControl() override;

    void WndProc(TMessage& message) override;

    bool Animation() const { return FAnimation; }
    void SetAnimation(bool value) { FAnimation = value; }
    bool MouseIn() const { return FMouseIn; }

    TscsCtrlState GetCtrlState() const override;
    virtual void CheckMouseLeave(TObject* sender);
    virtual void DoMouseEnter();
    virtual void DoMouseLeave();
    virtual bool CanAnimateState() const;
    virtual bool CanAnimateFocused() const { return false; }
    // One buffered animation from the last painted state to the current one; false when the
    // system gave no animation buffer (nothing drawn).
    virtual bool AnimateStateChange(HDC dc);

    void StartStateAnimation();
    void StopStateAnimation();
    static bool IsBufferedAnimationAvailable();
    void DrawStateFrame(HDC dc, TscsCtrlState state, bool alpha);

protected:
    void Paint() override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void StartMouseTimer();
    void StopMouseTimer();
    // Mouse leaving by any road: stop watching, clear the flag, DoMouseLeave.
    void MouseLeft();

    bool FMouseIn = false;
    TscsCtrlState FOldCtrlState = scsNormal;

private:
    std::unique_ptr<TTimer> FMouseTimer;
    bool FCanAnimate = false;
    bool FAnimation = false;
};

using TscButtonCloseUpEvent = TEvent<TObject*, bool>;

class TscCustomButtonControl : public TscCustomActiveControl {
    TAVIN_PUBLISHED_CLASS(TscCustomButtonControl, TscCustomActiveControl)
public:
    explicit TscCustomButtonControl(TComponent* owner);
    ~TscCustomButtonControl() override;

    void WndProc(TMessage& message) override;

    bool DisableClick() const { return FDisableClick; }
    void SetDisableClick(bool value) { FDisableClick = value; }
    bool CanFocused() const { return FCanFocused; }
    void SetCanFocused(bool value);
    int Margin() const { return FMargin; }
    void SetMargin(int value) { SetAndRepaint(FMargin, value); }
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value) { SetAndRepaint(FSpacing, value); }
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout value) { SetAndRepaint(FLayout, value); }
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value) { SetAndRepaint(FImageIndex, value); }
    TNotifyEvent OnClick() const { return FOnClick; }
    void SetOnClick(TNotifyEvent value) { FOnClick = value; }

    bool Down() const { return FDown; }
    void SetDown(bool value);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value) { FAllowAllUp = value; }
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value) { FGroupIndex = value; }
    bool ToggleMode() const { return FToggleMode; }
    void SetToggleMode(bool value) { SetAndRepaint(FToggleMode, value); }
    bool RepeatClick() const { return FRepeatClick; }
    void SetRepeatClick(bool value) { FRepeatClick = value; }
    int RepeatClickInterval() const { return FRepeatClickInterval; }
    void SetRepeatClickInterval(int value) { FRepeatClickInterval = value; }
    bool SplitButton() const { return FSplitButton; }
    void SetSplitButton(bool value) { SetAndRepaint(FSplitButton, value); }
    bool CustomDropDown() const { return FCustomDropDown; }
    void SetCustomDropDown(bool value) { SetAndRepaint(FCustomDropDown, value); }
    bool ShowFocusRect() const { return FShowFocusRect; }
    void SetShowFocusRect(bool value) { FShowFocusRect = value; }
    bool ShowMenuArrow() const { return FShowMenuArrow; }
    void SetShowMenuArrow(bool value) { SetAndRepaint(FShowMenuArrow, value); }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value) { SetAndRepaint(FWordWrap, value); }
    bool CaptionCenterAlignment() const { return FCaptionCenterAlignment; }
    void SetCaptionCenterAlignment(bool value) { SetAndRepaint(FCaptionCenterAlignment, value); }
    bool ImageGlow() const { return FImageGlow; }
    void SetImageGlow(bool value) { SetAndRepaint(FImageGlow, value); }
    bool ShowGalleryMenuFromTop() const { return FShowGalleryMenuFromTop; }
    void SetShowGalleryMenuFromTop(bool value) { FShowGalleryMenuFromTop = value; }
    bool ShowGalleryMenuFromRight() const { return FShowGalleryMenuFromRight; }
    void SetShowGalleryMenuFromRight(bool value) { FShowGalleryMenuFromRight = value; }
    TscArrowPosition ArrowPosition() const { return FArrowPosition; }
    void SetArrowPosition(TscArrowPosition value) { SetAndRepaint(FArrowPosition, value); }
    TscArrowDirection ArrowDirection() const { return FArrowDirection; }
    void SetArrowDirection(TscArrowDirection value) { SetAndRepaint(FArrowDirection, value); }
    TscButtonGlowEffect* GlowEffect() const { return FGlowEffect.get(); }
    void SetGlowEffect(TscButtonGlowEffect* value) { FGlowEffect->Assign(value); }
    TNotifyEvent OnDropDown() const { return FOnDropDown; }
    void SetOnDropDown(TNotifyEvent value) { FOnDropDown = value; }
    TscButtonCloseUpEvent OnCloseUp() const { return FOnCloseUp; }
    void SetOnCloseUp(TscButtonCloseUpEvent value) { FOnCloseUp = value; }
    int SplitWidth() const { return FSplitWidth; }

    // Ends a custom drop-down.
    void CloseUp(bool acceptChanges);
    TscsCtrlState GetCtrlState() const override;
    bool CanAnimateState() const override;
    void DoMouseEnter() override;
    void DoMouseLeave() override;
    virtual bool GetGlowParams(TscsCtrlState state, TColor& color, Byte& alpha, Byte& size) const;
    virtual void UpdateGroup() {}
    virtual void DoAcceleratorClick() {}
    virtual void ButtonClick();
    void Click() override {}

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void ChangeScale(int m, int d, bool isDpiChange) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    // A drop-down of the descendant's or the application's own pop-up; its owner calls CloseUp.
    void DoCustomDropDown(bool fromArrow);
    void StartRepeatClickTimer();
    void StopRepeatClickTimer();
    bool HasDropDown() const { return FCustomDropDown; }

    template <class T>
    void SetAndRepaint(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        RePaintControl();
    }

    TButtonLayout FLayout = blGlyphLeft;
    TCustomImageList* FImages = nullptr;
    int FImageIndex = -1;
    bool FRepeatClick = false;
    int FRepeatClickInterval = 100;
    std::unique_ptr<TTimer> FRepeatClickTimer;
    bool FSplitButton = false;
    bool FShowFocusRect = true;
    int FGroupIndex = 0;
    bool FAllowAllUp = false;
    bool FMustDoUp = false;
    std::unique_ptr<TscButtonGlowEffect> FGlowEffect;
    bool FImageGlow = true;
    bool FShowGalleryMenuFromTop = false;
    bool FShowGalleryMenuFromRight = false;
    bool FShowMenuArrow = true;
    bool FWordWrap = true;
    bool FCustomDropDown = false;
    TNotifyEvent FOnDropDown;
    TscButtonCloseUpEvent FOnCloseUp;
    bool FToggleMode = false;
    bool FCaptionCenterAlignment = false;
    bool FCanFocused = true;
    int FMargin = -1;
    int FSpacing = 1;
    bool FDown = false;
    bool FPressed = false;
    bool FIsDown = false;
    bool FMenuDroppedDown = false;
    bool FMenuTracking = false;
    bool FDisableClick = false;
    int FSplitWidth = 19;
    TscArrowPosition FArrowPosition = scapRight;
    TscArrowDirection FArrowDirection = scadDefault;
    bool FDropDownCall = false;
    TNotifyEvent FOnClick;

private:
    void GlowChanged(TObject*);
    void RepeatClickDelayElapsed(TObject*);
    void RepeatClickTick(TObject*);
    bool InArrowPart(int x, int y) const;
    void HandleKeyDown(Word key);
    void HandleKeyUp(Word key);
};

// ---------------------------------------------------------------------------------------------
// Panel and label.

TAVIN_ENUM(TscPanelStyleKind, scpsPanel, scpsToolBar, scpsHeader, scpsFormBackground, scpsTransparent, scpsEmpty,
           scpsEdit, scpsTabSheet)
TAVIN_ENUM(TscPanelBorderStyle, scpbsNone, scpbsFlat, scpbsRaised, scpbsLowered, scpbsLoweredBevel,
           scpbsRaisedBevel, scpbsTopBevel, scpbsBottomBevel, scpbsTopLightLine, scpbsBottomLightLine,
           scpbsTopShadowLine, scpbsBottomShadowLine, scpbsLeftBevel, scpbsRightBevel, scpbsLeftLightLine,
           scpbsRightLightLine, scpbsLeftShadowLine, scpbsRightShadowLine, scpbsHorzCenterBevel,
           scpbsVertCenterBevel)
TAVIN_ENUM(TscVertAlignment, scvtaTop, scvtaCenter, scvtaBottom)

using TscPanelPaintEvent = TEvent<TCanvas*, TRect>;

class TscCustomImageCollection;

// The rectangle grown by d on every side (shrunk for a negative d).
constexpr TRect InflatedRect(const TRect& r, int d) { return Rect(r.Left - d, r.Top - d, r.Right + d, r.Bottom + d); }

// Whether the style paints the control's client area, or its font.
bool IsStyledClient(const TControl* control);
bool IsStyledFont(const TControl* control);

// Moves a control's form while the left button is held on the control.
class TscFormDrag {
public:
    // A left press (not a double click) at the client point of the control; nothing for a
    // maximized form.
    void Press(TControl* control, bool topForm, TPoint point);
    void Move(TControl* control, TPoint point);
    void Release() { FDown = false; }
    bool Dragging() const { return FDown; }

private:
    TCustomForm* FForm = nullptr;
    bool FDown = false;
    TPoint FDownP;
};

// What a cached glow was built from: a changed input rebuilds it.
struct TscGlowKey {
    String Caption, FontName;
    TColor GlowColor = clNone;
    int FontSize = 0;
    TFontStyles FontStyle;
    bool WordWrap = false;
    // The label's further inputs.
    int Width = 0, Height = 0, Alignment = 0, Layout = 0;
    bool ShowAccelChar = false, ShowEllipsis = false;
    bool operator==(const TscGlowKey&) const = default;
};

class TscGlowCache {
public:
    // True when the glow must be rebuilt; remembers the key.
    bool NeedsRebuild(const TscGlowKey& key);
    void Invalidate() { FUpdate = true; }
    TGlowBuffer Buffer;

private:
    TscGlowKey FStored;
    bool FUpdate = true;
};

// A panel's caption in rect: plain, or with the glow at its place by the alignment.
void DrawPanelCaption(TCanvas* canvas, TRect rect, const String& text, TAlignment alignment, bool wordWrap,
                      bool rightToLeft, const TscGlowEffect* glow, TscGlowCache& cache, bool rebuild);

class TscPanel : public TscCustomControl {
    TAVIN_PUBLISHED_CLASS(TscPanel, TscCustomControl)
public:
    explicit TscPanel(TComponent* owner);
    ~TscPanel() override;

    void WndProc(TMessage& message) override;

    TscPanelStyleKind StyleKind() const { return FStyleKind; }
    void SetStyleKind(TscPanelStyleKind value);
    TscPanelBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TscPanelBorderStyle value);
    TscCustomImageCollection* Wallpapers() const { return FWallpapers; }
    void SetWallpapers(TscCustomImageCollection* value);
    int WallpaperIndex() const { return FWallpaperIndex; }
    void SetWallpaperIndex(int value);
    TscCustomImageCollection* CustomImages() const { return FCustomImages; }
    void SetCustomImages(TscCustomImageCollection* value);
    int CustomImageIndex() const { return FCustomImageIndex; }
    void SetCustomImageIndex(int value);
    TColor LightBorderColor() const { return FLightBorderColor; }
    void SetLightBorderColor(TColor value) { SetAndRepaint(FLightBorderColor, value); }
    TColor ShadowBorderColor() const { return FShadowBorderColor; }
    void SetShadowBorderColor(TColor value) { SetAndRepaint(FShadowBorderColor, value); }
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool value) { SetAndRepaint(FShowCaption, value); }
    TscGlowEffect* CaptionGlowEffect() const { return FCaptionGlowEffect.get(); }
    void SetCaptionGlowEffect(TscGlowEffect* value) { FCaptionGlowEffect->Assign(value); }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value) { SetAndRepaint(FAlignment, value); }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value) { SetAndRepaint(FWordWrap, value); }
    bool DragForm() const { return FDragForm; }
    void SetDragForm(bool value) { FDragForm = value; }
    bool DragTopForm() const { return FDragTopForm; }
    void SetDragTopForm(bool value) { FDragTopForm = value; }
    bool CanEmpty() const { return FCanEmpty; }
    void SetCanEmpty(bool value) { FCanEmpty = value; }
    bool PopupMode() const { return FPopupMode; }
    void SetPopupMode(bool value) { SetAndRepaint(FPopupMode, value); }
    TscPanelPaintEvent OnPanelPaint() const { return FOnPanelPaint; }
    void SetOnPanelPaint(TscPanelPaintEvent value) { FOnPanelPaint = value; }
    // Published under the base's names.
    void SetTransparentBackground(bool value) override { TscCustomControl::SetTransparentBackground(value); }

    void Draw(TCanvas* canvas, TscsCtrlState state) override;
    // The area of the child controls within rect (the client rectangle).
    virtual void AdjustClientRect(TRect& rect) const;
    virtual void SizeChanged() {}
    virtual String GetCaptionText() const { return Caption(); }
    virtual TColor GetCaptionColor() const;
    // Descendants draw their own content here and set handled to leave out the caption.
    virtual void DrawPanelContent(TCanvas*, const TRect&, bool&, TscsCtrlState) {}

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void AlignControls(TControl* control, TRect& rect) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DrawBorder(TCanvas* canvas, const TRect& rect);

    template <class T>
    void SetAndRepaint(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        RePaintControl();
    }

    TscPanelStyleKind FStyleKind = scpsPanel;
    TscCustomImageCollection* FWallpapers = nullptr;
    int FWallpaperIndex = -1;
    TscCustomImageCollection* FCustomImages = nullptr;
    int FCustomImageIndex = -1;
    TscPanelBorderStyle FBorderStyle = scpbsNone;
    TColor FLightBorderColor = clBtnHighlight;
    TColor FShadowBorderColor = clBtnShadow;
    bool FShowCaption = false;
    std::unique_ptr<TscGlowEffect> FCaptionGlowEffect;
    TAlignment FAlignment = taCenter;
    TscGlowCache FGlow;
    TscPanelPaintEvent FOnPanelPaint;
    bool FCanEmpty = true;
    bool FPopupMode = false;
    bool FDragForm = false;
    bool FDragTopForm = true;
    TscFormDrag FDrag;
    bool FWordWrap = false;

private:
    void GlowChanged(TObject*);
    bool ImageAvailable(const TscCustomImageCollection* images, int index) const;
};

class TscLabel : public TscCustomControl {
    TAVIN_PUBLISHED_CLASS(TscLabel, TscCustomControl)
public:
    explicit TscLabel(TComponent* owner);
    ~TscLabel() override;

    void WndProc(TMessage& message) override;

    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value) { SetAndRepaint(FAlignment, value); }
    TscVertAlignment VertAlignment() const { return FVertAlignment; }
    void SetVertAlignment(TscVertAlignment value) { SetAndRepaint(FVertAlignment, value); }
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout value) { SetAndRepaint(FLayout, value); }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool value) { SetAndRepaint(FShowAccelChar, value); }
    bool ShowEllipsis() const { return FShowEllipsis; }
    void SetShowEllipsis(bool value) { SetAndRepaint(FShowEllipsis, value); }
    TscGlowEffect* GlowEffect() const { return FGlowEffect.get(); }
    void SetGlowEffect(TscGlowEffect* value) { FGlowEffect->Assign(value); }
    bool DragForm() const { return FDragForm; }
    void SetDragForm(bool value) { FDragForm = value; }
    bool DragTopForm() const { return FDragTopForm; }
    void SetDragTopForm(bool value) { FDragTopForm = value; }
    bool UseFontColorToStyleColor() const { return FUseFontColorToStyleColor; }
    void SetUseFontColorToStyleColor(bool value) { SetAndRepaint(FUseFontColorToStyleColor, value); }

    void Draw(TCanvas* canvas, TscsCtrlState state) override;
    virtual String GetLabelText() const { return Caption(); }
    virtual void AdjustBounds();
    virtual void DoDrawText(TCanvas* canvas, TRect& rect, UINT flags);

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void ChangeScale(int m, int d, bool isDpiChange) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

    template <class T>
    void SetAndRepaint(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        RePaintControl();
    }

private:
    void GlowChanged(TObject*);
    bool GlowOn() const { return FGlowEffect->Enabled(); }

    TWinControl* FFocusControl = nullptr;
    TAlignment FAlignment = taLeftJustify;
    TscVertAlignment FVertAlignment = scvtaTop;
    bool FAutoSize = true;
    TTextLayout FLayout = tlTop;
    bool FWordWrap = false;
    bool FShowAccelChar = true;
    std::unique_ptr<TscGlowEffect> FGlowEffect;
    TscFormDrag FDrag;
    TscGlowCache FGlow;
    bool FDragForm = false;
    bool FDragTopForm = true;
    bool FUseFontColorToStyleColor = false;
    bool FShowEllipsis = false;
};

