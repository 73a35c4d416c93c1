#pragma once
// Base classes of the kit's owner-drawn controls: a control that composes every frame in a paint
// buffer over a copy of its parent's background, an active control that tracks the mouse and
// cross-fades state changes, and the button behaviour the kit's buttons share.
#include "ActnList.h"
#include "ExtCtrls.h"
#include "ImgList.h"
#include "Menus.h"
#include "StdCtrls.h"
#include "scDrawUtils.h"

// The kit's notice that a parent's background changed.
constexpr UINT WM_SCUPDATEBACKGROUND = WM_USER + 260;
// Window timers of the base controls.
constexpr UINT_PTR FluentOpaqueRedrawTimer = 101; // first redraw of a layered fluent control
constexpr UINT_PTR StateAnimationTimer = 1;        // end of the window in which state changes animate
constexpr UINT_PTR MenuTrackingTimer = 21;         // end of drop-down tracking after a popup returned

TAVIN_ENUM(TscDrawTextMode, scdtmGDI, scdtmGDIPlus)
// The uikit's glow button has a TButtonLayout of its own with more values; both kits are linked
// into one program, so this one lives in the kit's namespace.
namespace scControls {
TAVIN_ENUM(TButtonLayout, blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom)
} // namespace scControls
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
    // What the blur setters do: capture, repaint, tell the children.
    void RefreshBackground();
    // What WM_MOVE and a background notice do: RefreshBackground while the window is on the screen.
    void ParentBackgroundChanged();
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

// The gallery pop-up menu a button drops down under itself. The pop-up is not modal: the menu
// reports its closing through OnInternalMenuClose, and a change of the chosen item through
// OnInternalChange. A menu that shows nothing (it has no pictures to offer) reports nothing.
class TscGalleryMenu : public TComponent {
    TAVIN_PUBLISHED_CLASS(TscGalleryMenu, TComponent)
public:
    using TComponent::TComponent;

    // Shows the pop-up at the bottom-left corner of the screen rectangle.
    virtual void PopupFromRect(const TRect& rect);
    // The same, with its bottom on the rectangle's top (fromTop) or its right edge on the
    // rectangle's right edge (fromRight).
    virtual void PopupFromRectExt(const TRect& rect, bool fromTop, bool fromRight);
    // Whether a pop-up of this menu is open.
    virtual bool IsPopupVisible() const { return false; }

    double ScaleFactor() const { return FScaleFactor; }
    void SetScaleFactor(double value) { FScaleFactor = value; }
    // The control the pop-up belongs to (the button that drops it down).
    TControl* Control() const { return FControl; }
    void SetControl(TControl* value) { FControl = value; }
    TNotifyEvent OnInternalChange() const { return FOnInternalChange; }
    void SetOnInternalChange(TNotifyEvent value) { FOnInternalChange = value; }
    TNotifyEvent OnInternalMenuClose() const { return FOnInternalMenuClose; }
    void SetOnInternalMenuClose(TNotifyEvent value) { FOnInternalMenuClose = value; }

private:
    double FScaleFactor = 1.0;
    TControl* FControl = nullptr;
    TNotifyEvent FOnInternalChange, FOnInternalMenuClose;
};

// What a cached button glow was rendered from: any difference rebuilds it.
struct TscButtonGlowInputs {
    String Caption;
    int Width = 0, Height = 0;
    TColor GlowColor = clNone;
    int GlowSize = 0, GlowAlpha = 0;
    TRect Rect;
    int FontSize = 0;
    String FontName;
    TFontStyles FontStyle;
    int ImageIndex = -1, Spacing = -1, Margin = -2;
    scControls::TButtonLayout Layout = scControls::blGlyphLeft;
    const TCustomImageList* Images = nullptr;
    int ImagesWidth = 0, ImagesHeight = 0;
    bool WordWrap = false;
    bool operator==(const TscButtonGlowInputs&) const = default;
};

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
    scControls::TButtonLayout Layout() const { return FLayout; }
    void SetLayout(scControls::TButtonLayout value) { SetAndRepaint(FLayout, value); }
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
    TPopupMenu* DropDownMenu() const { return FDropDownMenu; }
    void SetDropDownMenu(TPopupMenu* value);
    TscGalleryMenu* GalleryMenu() const { return FGalleryMenu; }
    void SetGalleryMenu(TscGalleryMenu* value);
    bool UseImagesFromAction() const { return FUseImagesFromAction; }
    void SetUseImagesFromAction(bool value) { FUseImagesFromAction = value; }
    bool UseImageIndexFromAction() const { return FUseImageIndexFromAction; }
    void SetUseImageIndexFromAction(bool value) { FUseImageIndexFromAction = value; }
    // A drop-down is open (or closed less than 50 ms ago).
    bool MenuTracking() const { return FMenuTracking; }

    // Ends a custom drop-down.
    void CloseUp(bool acceptChanges);
    // Ends a gallery menu's drop-down (its closing notice).
    void GalleryMenuClosed(TObject* sender);
    // For descendants that cache a glow bitmap: true when the glow must be rendered again (the
    // inputs changed, or a rebuild was asked for); remembers the inputs.
    bool GlowBufferNeedsUpdate(TCanvas* canvas, TColor glowColor, int glowSize, int glowAlpha, const TRect& rect,
                               int imageIndex, const TCustomImageList* images);
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
    void ActionChange(TObject* sender, bool checkDefaults) override;
    void KeyDown(Word& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    // The popup menu, modal: it returns once the menu closed and the chosen item ran.
    void DoDropDownMenu(bool fromArrow);
    // The gallery menu under the button; its closing notice ends the drop-down.
    void DoDropDownGalleryMenu(bool fromArrow);
    // A drop-down of the descendant's or the application's own pop-up; its owner calls CloseUp.
    void DoCustomDropDown(bool fromArrow);
    void StartRepeatClickTimer();
    void StopRepeatClickTimer();
    // A popup menu, a gallery menu or a custom drop-down is set.
    bool HasDropDown() const { return FDropDownMenu || FGalleryMenu || FCustomDropDown; }
    void GalleryMenuChanged(TObject*) { RePaintControl(); }
    // Enter on the active default button, or Escape without shift keys on a cancel button that can
    // take the focus, clicks it; true when the key was taken.
    bool ClickOnDialogKey(TMessage& message, bool active, bool cancel);
    // With modalSetting the click gives the top-level form its modal result first.
    void ClickWithModalResult(bool modalSetting, int modalResult);
    // The width that goes with showing or hiding the caption, when one is set; else a repaint.
    void ResizeForCaption(bool show, int widthWithCaption, int widthWithoutCaption);
    // Releases the other buttons of class T in this one's group under the same parent.
    template <class T>
    void ReleaseGroup()
    {
        TWinControl* parent = Parent();
        for (int i = 0; parent && i < parent->ControlCount(); ++i) {
            auto* other = dynamic_cast<T*>(parent->Controls(i));
            if (other && other != this && other->GroupIndex() == FGroupIndex && other->Down())
                other->SetDown(false);
        }
    }

    template <class T>
    void SetAndRepaint(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        RePaintControl();
    }

    scControls::TButtonLayout FLayout = scControls::blGlyphLeft;
    TCustomImageList* FImages = nullptr;
    int FImageIndex = -1;
    bool FRepeatClick = false;
    int FRepeatClickInterval = 100;
    std::unique_ptr<TTimer> FRepeatClickTimer;
    TPopupMenu* FDropDownMenu = nullptr;
    bool FSplitButton = false;
    bool FShowFocusRect = true;
    int FGroupIndex = 0;
    bool FAllowAllUp = false;
    bool FMustDoUp = false;
    std::unique_ptr<TscButtonGlowEffect> FGlowEffect;
    bool FImageGlow = true;
    TscGalleryMenu* FGalleryMenu = nullptr;
    bool FShowGalleryMenuFromTop = false;
    bool FShowGalleryMenuFromRight = false;
    bool FShowMenuArrow = true;
    bool FWordWrap = true;
    bool FUseImagesFromAction = true;
    bool FUseImageIndexFromAction = true;
    bool FCustomDropDown = false;
    TNotifyEvent FOnDropDown;
    TscButtonCloseUpEvent FOnCloseUp;
    bool FToggleMode = false;
    bool FCaptionCenterAlignment = false;
    bool FCanFocused = true;
    int FMargin = -1;
    int FSpacing = 1;
    // The glow caches of descendants, and what they were rendered from.
    TGlowBuffer FGlowBuffer, FGlowImageBuffer;
    TscButtonGlowInputs FStoredGlowInputs;
    bool FUpdateGlowBuffer = true;
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
    // The drop-down's shared first steps; false when the press only marks the main part of a
    // split button.
    bool StartDropDown(bool fromArrow);
    // The mouse's drop-down: popup menu, else gallery, else custom.
    void OpenDropDown(bool fromArrow);
    // The keyboard opens the drop-down of a button that is not split: custom, else popup menu,
    // else gallery.
    bool HasKeyboardDropDown() const { return !FSplitButton && HasDropDown(); }
    void OpenKeyboardDropDown();
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

// ---------------------------------------------------------------------------------------------
// Button.

TAVIN_ENUM(TscButtonStyleKind, scbsPushButton, scbsToolButton, scbsPushButtonTransparent, scbsToolButtonTransparent,
           scbsTransparent, scbsLink, scbsHeaderSection, scbsUpSpinButton, scbsDownSpinButton, scbsLeftSpinButton,
           scbsRightSpinButton, scbsDropDownButton, scbsColorButton, scbsCustomImage, scbsCustomImageOverContent,
           scbsTab, scbsTabTransparent, scbsSegmentedLeft, scbsSegmentedMiddle, scbsSegmentedRight,
           scbsSegmentedToolLeft, scbsSegmentedToolMiddle, scbsSegmentedToolRight, scbsDropDownCombo)

using TscPaintButtonEvent = TEvent<TCanvas*, TRect, TscsCtrlState>;

// The per-state colours of the colour-button look: face, frame, caption and title.
class TscButtonColorOptions : public TPersistent {
    TAVIN_PUBLISHED_CLASS(TscButtonColorOptions, TPersistent)
public:
    explicit TscButtonColorOptions(TControl* control) : FControl(control) {}

#define SC_BUTTON_COLOR(Name)                                                                                   \
    TColor Name() const { return Mapped(F##Name); }                                                            \
    void Set##Name(TColor value) { Set(F##Name, value); }
    SC_BUTTON_COLOR(NormalColor)
    SC_BUTTON_COLOR(HotColor)
    SC_BUTTON_COLOR(PressedColor)
    SC_BUTTON_COLOR(FocusedColor)
    SC_BUTTON_COLOR(DisabledColor)
    SC_BUTTON_COLOR(FrameNormalColor)
    SC_BUTTON_COLOR(FrameHotColor)
    SC_BUTTON_COLOR(FramePressedColor)
    SC_BUTTON_COLOR(FrameFocusedColor)
    SC_BUTTON_COLOR(FrameDisabledColor)
    SC_BUTTON_COLOR(FontNormalColor)
    SC_BUTTON_COLOR(FontHotColor)
    SC_BUTTON_COLOR(FontPressedColor)
    SC_BUTTON_COLOR(FontFocusedColor)
    SC_BUTTON_COLOR(FontDisabledColor)
    SC_BUTTON_COLOR(TitleFontNormalColor)
    SC_BUTTON_COLOR(TitleFontHotColor)
    SC_BUTTON_COLOR(TitleFontPressedColor)
    SC_BUTTON_COLOR(TitleFontFocusedColor)
    SC_BUTTON_COLOR(TitleFontDisabledColor)
#undef SC_BUTTON_COLOR
    int FrameWidth() const { return FFrameWidth; }
    void SetFrameWidth(int value) { Set(FFrameWidth, value); }
    bool StyleColors() const { return FStyleColors; }
    void SetStyleColors(bool value) { Set(FStyleColors, value); }
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent value) { FOnChange = value; }

    // The state whose colours Color, FrameColor, FontColor and TitleFontColor give.
    TscsCtrlState State() const { return FState; }
    void SetState(TscsCtrlState value) { FState = value; }
    TColor Color() const;
    TColor FrameColor() const;
    TColor FontColor() const;
    TColor TitleFontColor() const;

    void Assign(const TPersistent* source) override;

private:
    TColor Mapped(TColor color) const { return FStyleColors ? GetStyleSystemColor(color, FControl) : color; }
    template <class T>
    void Set(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        if (FOnChange)
            FOnChange(this);
    }
    // Of the five colours of a group (normal, hot, pressed, focused, disabled), the current state's.
    TColor ForState(const TColor (&group)[5]) const;

    TColor FNormalColor = clBtnFace, FHotColor = clBtnFace, FPressedColor = clBtnShadow, FFocusedColor = clBtnFace,
           FDisabledColor = clBtnFace;
    TColor FFrameNormalColor = clBtnShadow, FFrameHotColor = clHighlight, FFramePressedColor = clHighlight,
           FFrameFocusedColor = clHighlight, FFrameDisabledColor = clBtnShadow;
    int FFrameWidth = 1;
    TColor FFontNormalColor = clBtnText, FFontHotColor = clBtnText, FFontPressedColor = clBtnText,
           FFontFocusedColor = clBtnText, FFontDisabledColor = clBtnShadow;
    TColor FTitleFontNormalColor = clBtnText, FTitleFontHotColor = clBtnText, FTitleFontPressedColor = clBtnText,
           FTitleFontFocusedColor = clBtnText, FTitleFontDisabledColor = clBtnShadow;
    bool FStyleColors = true;
    TscsCtrlState FState = scsNormal;
    TNotifyEvent FOnChange;
    TControl* FControl;
};

// The kit's push button in twenty-four looks, with a title line, per-state glyphs, a split part or
// menu arrow, default and cancel behaviour, modal results and grouping.
class TscButton : public TscCustomButtonControl {
    TAVIN_PUBLISHED_CLASS(TscButton, TscCustomButtonControl)
public:
    explicit TscButton(TComponent* owner);
    ~TscButton() override;

    void WndProc(TMessage& message) override;

    TscButtonColorOptions* ColorOptions() const { return FColorOptions.get(); }
    void SetColorOptions(TscButtonColorOptions* value) { FColorOptions->Assign(value); }
    const String& Title() const { return FTitle; }
    void SetTitle(const String& value) { SetAndRepaint(FTitle, value); }
    TFont* TitleFont() const { return FTitleFont.get(); }
    void SetTitleFont(TFont* value) { FTitleFont->Assign(value); }
    int HotImageIndex() const { return FHotImageIndex; }
    void SetHotImageIndex(int value) { FHotImageIndex = value; }
    int FocusedImageIndex() const { return FFocusedImageIndex; }
    void SetFocusedImageIndex(int value) { FFocusedImageIndex = value; }
    int PressedImageIndex() const { return FPressedImageIndex; }
    void SetPressedImageIndex(int value) { FPressedImageIndex = value; }
    TscButtonStyleKind StyleKind() const { return FStyleKind; }
    void SetStyleKind(TscButtonStyleKind value) { SetAndRepaint(FStyleKind, value); }
    bool UseGalleryMenuImage() const { return FUseGalleryMenuImage; }
    void SetUseGalleryMenuImage(bool value) { SetAndRepaint(FUseGalleryMenuImage, value); }
    bool UseGalleryMenuCaption() const { return FUseGalleryMenuCaption; }
    void SetUseGalleryMenuCaption(bool value) { SetAndRepaint(FUseGalleryMenuCaption, value); }
    TscCustomImageCollection* CustomImages() const { return FCustomImages; }
    void SetCustomImages(TscCustomImageCollection* value);
#define SC_CUSTOM_IMAGE_INDEX(Name)                                                                             \
    int Name() const { return F##Name; }                                                                       \
    void Set##Name(int value) { SetAndRepaint(F##Name, value); }
    SC_CUSTOM_IMAGE_INDEX(CustomImageNormalIndex)
    SC_CUSTOM_IMAGE_INDEX(CustomImageHotIndex)
    SC_CUSTOM_IMAGE_INDEX(CustomImagePressedIndex)
    SC_CUSTOM_IMAGE_INDEX(CustomImageFocusedIndex)
    SC_CUSTOM_IMAGE_INDEX(CustomImageDisabledIndex)
#undef SC_CUSTOM_IMAGE_INDEX
    TscPaintButtonEvent OnPaintContent() const { return FOnPaintContent; }
    void SetOnPaintContent(TscPaintButtonEvent value) { FOnPaintContent = value; }
    bool ScaleMarginAndSpacing() const { return FScaleMarginAndSpacing; }
    void SetScaleMarginAndSpacing(bool value) { FScaleMarginAndSpacing = value; }
    int WidthWithCaption() const { return FWidthWithCaption; }
    void SetWidthWithCaption(int value) { FWidthWithCaption = value; }
    int WidthWithoutCaption() const { return FWidthWithoutCaption; }
    void SetWidthWithoutCaption(int value) { FWidthWithoutCaption = value; }
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool value);
    bool Default() const { return FDefault; }
    void SetDefault(bool value) { FDefault = value; }
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int value) { FModalResult = value; }
    bool ModalSetting() const { return FModalSetting; }
    void SetModalSetting(bool value) { FModalSetting = value; }
    int ImageMargin() const { return FImageMargin; }
    void SetImageMargin(int value);
    bool UseFontColorToStyleColor() const { return FUseFontColorToStyleColor; }
    void SetUseFontColorToStyleColor(bool value) { SetAndRepaint(FUseFontColorToStyleColor, value); }
    TColor DisabledFontColor() const { return FDisabledFontColor; }
    void SetDisabledFontColor(TColor value);
    bool ToolPushButtonStyle() const { return FToolPushButtonStyle; }
    void SetToolPushButtonStyle(bool value) { SetAndRepaint(FToolPushButtonStyle, value); }
    // Published here under the base's names.
    void SetTransparentBackground(bool value) override { TscCustomButtonControl::SetTransparentBackground(value); }

    // The image-list glyph of a state: its own index where set, else the hot one, else ImageIndex.
    int GetImageIndexForState(TscsCtrlState state) const;
    TscsCtrlState GetCtrlState() const override;
    void Draw(TCanvas* canvas, TscsCtrlState state) override;
    bool CanAnimateFocused() const override { return FCanFocused; }
    void UpdateGroup() override { ReleaseGroup<TscButton>(); }
    void DoAcceleratorClick() override { ButtonClick(); }
    void ButtonClick() override { ClickWithModalResult(FModalSetting, FModalResult); }

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void ChangeScale(int m, int d, bool isDpiChange) override;

private:
    struct TLook; // what Draw settles about the look before painting it
    void ColorOptionsChanged(TObject*);
    void TitleFontChanged(TObject*);
    int CustomImageIndexForState(TscsCtrlState state) const;
    bool CustomImageAvailable(int index) const;
    TColor PaintFace(TCanvas* canvas, const TLook& look);
    void PaintTitle(TCanvas* canvas, const TLook& look, TRect& rect, TColor textColor);
    void PaintMenuPart(TCanvas* canvas, const TLook& look, TRect& rect, TColor& arrowColor);
    void PaintContent(TCanvas* canvas, const TLook& look, TRect rect);

    std::unique_ptr<TscButtonColorOptions> FColorOptions;
    String FTitle;
    std::unique_ptr<TFont> FTitleFont;
    int FHotImageIndex = -1;
    int FFocusedImageIndex = -1;
    int FPressedImageIndex = -1;
    TscButtonStyleKind FStyleKind = scbsPushButton;
    bool FUseGalleryMenuImage = false;
    bool FUseGalleryMenuCaption = false;
    TscCustomImageCollection* FCustomImages = nullptr;
    int FCustomImageNormalIndex = -1;
    int FCustomImageHotIndex = -1;
    int FCustomImagePressedIndex = -1;
    int FCustomImageFocusedIndex = -1;
    int FCustomImageDisabledIndex = -1;
    TscPaintButtonEvent FOnPaintContent;
    bool FScaleMarginAndSpacing = false;
    int FWidthWithCaption = 0;
    int FWidthWithoutCaption = 0;
    bool FShowCaption = true;
    bool FActive = false;
    bool FDefault = false;
    bool FCancel = false;
    int FModalResult = 0;
    bool FModalSetting = false;
    int FImageMargin = 0;
    bool FUseFontColorToStyleColor = false;
    TColor FDisabledFontColor = clNone;
    bool FToolPushButtonStyle = false;
};
