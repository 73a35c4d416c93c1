#pragma once
// Base classes of the kit's owner-drawn controls: a control that composes every frame in a paint
// buffer over a copy of its parent's background, an active control that tracks the mouse and
// cross-fades state changes, and the button behaviour the kit's buttons share.
#include "ExtCtrls.h"
#include "ImgList.h"
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
