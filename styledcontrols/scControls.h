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
    void Invalidate() override;

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
    bool FPaintingOnErase = false;
    // The paint buffer holds the picture an erase has just drawn, and nothing has asked for a fresh
    // one since: the paint that follows copies it instead of drawing it again.
    bool FErasePainted = false;
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

// ---------------------------------------------------------------------------------------------
// The gallery menu: a grid of image-list pictures, with full-width header and button rows, in a
// borderless pop-up that the user picks one of. It is the drop-down of the kit's buttons, which
// show the selected item's picture and caption; applications can also pop it up themselves.

class TscGalleryMenu;
class TscGalleryMenuPopupWindow;
class TscHint;

TAVIN_ENUM(TscGalleryMenuBGStyle, scgmPanel, scgmToolBar, scgmFormBackground)
TAVIN_ENUM(TscMenuHeaderStyle, scmhsDefault, scmhsBottomLine)

class TscGalleryMenuItem : public TCollectionItem {
    TAVIN_PUBLISHED_CLASS(TscGalleryMenuItem, TCollectionItem)
public:
    explicit TscGalleryMenuItem(TCollection* collection) : TCollectionItem(collection) {}

    int ImageIndex() const { return FImageIndex; }
    virtual void SetImageIndex(int value) { FImageIndex = value; }
    const String& Caption() const { return FCaption; }
    virtual void SetCaption(const String& value) { FCaption = value; }
    // A full-width button row with a glyph and a caption.
    bool Button() const { return FButton; }
    void SetButton(bool value) { FButton = value; }
    // A full-width header row; never hot nor selected.
    bool Header() const { return FHeader; }
    void SetHeader(bool value) { FHeader = value; }
    const String& Hint() const { return FHint; }
    void SetHint(const String& value) { FHint = value; }
    // A disabled item is skipped by the mouse and the arrow keys and drawn disabled.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { FEnabled = value; }
    // A colour carried with the item for the application.
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { FColor = value; }
    // A disabled picture item is still drawn in full colour.
    bool ShowColor() const { return FShowColor; }
    void SetShowColor(bool value) { FShowColor = value; }
    // Called when the menu closes with this item selected (sender: the menu).
    TNotifyEvent OnClick() const { return FOnClick; }
    void SetOnClick(TNotifyEvent value) { FOnClick = value; }
    void Assign(const TPersistent* source) override;

    // The item's rectangle in the pop-up's client coordinates, laid out at each pop-up.
    TRect ItemRect;

private:
    int FImageIndex = -1;
    String FCaption;
    TNotifyEvent FOnClick;
    bool FButton = false;
    bool FHeader = false;
    String FHint;
    bool FEnabled = true;
    TColor FColor = 0;
    bool FShowColor = false;
};

class TscGalleryMenuItems : public TCollection {
    TAVIN_CLASS(TscGalleryMenuItems, TCollection)
public:
    explicit TscGalleryMenuItems(TscGalleryMenu* galleryMenu);
    TscGalleryMenuItem* Add() { return static_cast<TscGalleryMenuItem*>(TCollection::Add()); }
    TscGalleryMenuItem* Items(int index) const { return static_cast<TscGalleryMenuItem*>(TCollection::Items(index)); }
    void SetItem(int index, TscGalleryMenuItem* value) { Items(index)->Assign(value); }
    TscGalleryMenu* GalleryMenu;

protected:
    TPersistent* GetOwner() const override;
};

// Where the pop-up of the given size goes for the screen rectangle it drops from: under it, or
// above it (fromTop) or with the right edges aligned (fromRight) when extended. A pop-up that
// would leave the work area at the bottom opens above the rectangle, or is moved up into the work
// area where neither fits.
TPoint GalleryPopupPosition(const TRect& popupRect, TSize size, const TRect& workArea, bool extended, bool fromTop,
                            bool fromRight);

class TscGalleryMenu : public TComponent {
    TAVIN_PUBLISHED_CLASS(TscGalleryMenu, TComponent)
public:
    explicit TscGalleryMenu(TComponent* owner);
    ~TscGalleryMenu() override;

    // Pops up at the screen point, under the screen rectangle, or with the placement flags.
    void Popup(int x, int y);
    void PopupExt(int x, int y, bool fromTop, bool fromRight);
    // Shows the pop-up at the bottom-left corner of the screen rectangle.
    virtual void PopupFromRect(const TRect& rect);
    // The same, with its bottom on the rectangle's top (fromTop) or its right edge on the
    // rectangle's right edge (fromRight).
    virtual void PopupFromRectExt(const TRect& rect, bool fromTop, bool fromRight);
    // Whether a pop-up of this menu is open.
    virtual bool IsPopupVisible() const;
    // Closes the open pop-up without the pick's events.
    void Hide();
    // The open pop-up; null while closed.
    TscGalleryMenuPopupWindow* PopupWindow() const { return FPopupWindow; }

    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value);
    TscGalleryMenuItems* Items() const { return FItems.get(); }
    void SetItems(TscGalleryMenuItems* value) { FItems->Assign(value); }
    // The selected item, -1 for none; a header or an index past the end is refused.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int value);
    TscGalleryMenuItem* SelectedItem() const;
    TscGalleryMenuBGStyle BackgroundStyle() const { return FBackgroundStyle; }
    void SetBackgroundStyle(TscGalleryMenuBGStyle value) { FBackgroundStyle = value; }
    // Picture cells per row, 1 to 50; other values are ignored.
    int ColumnsCount() const { return FColumnsCount; }
    void SetColumnsCount(int value);
    bool ShowSelectedItem() const { return FShowSelectedItem; }
    void SetShowSelectedItem(bool value) { FShowSelectedItem = value; }
    TFont* ItemFont() const { return FItemFont.get(); }
    void SetItemFont(TFont* value) { FItemFont->Assign(value); }
    TFont* HeaderFont() const { return FHeaderFont.get(); }
    void SetHeaderFont(TFont* value) { FHeaderFont->Assign(value); }
    int HeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int value) { FHeaderHeight = value; }
    TscMenuHeaderStyle HeaderStyle() const { return FHeaderStyle; }
    void SetHeaderStyle(TscMenuHeaderStyle value) { FHeaderStyle = value; }
    TscHint* HintComponent() const { return FHintComponent; }
    void SetHintComponent(TscHint* value);
    bool ShowHints() const { return FShowHints; }
    void SetShowHints(bool value) { FShowHints = value; }
    bool ButtonLeftAlignment() const { return FButtonLeftAlignment; }
    void SetButtonLeftAlignment(bool value) { FButtonLeftAlignment = value; }
    bool ButtonGlyphLeftAlignment() const { return FButtonGlyphLeftAlignment; }
    void SetButtonGlyphLeftAlignment(bool value) { FButtonGlyphLeftAlignment = value; }
    // A scale in percent carried for the application.
    int ScalePercent() const { return FScalePercent; }
    void SetScalePercent(int value) { FScalePercent = value; }

    // Written by the dropping button before each drop-down.
    double ScaleFactor() const { return FScaleFactor; }
    void SetScaleFactor(double value) { FScaleFactor = value; }
    // The control the pop-up belongs to (the button that drops it down) and takes its style from.
    TControl* Control() const { return FControl; }
    void SetControl(TControl* value) { FControl = value; }

    TNotifyEvent OnItemClick() const { return FOnItemClick; }
    void SetOnItemClick(TNotifyEvent value) { FOnItemClick = value; }
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent value) { FOnChange = value; }
    TNotifyEvent OnMenuPopup() const { return FOnMenuPopup; }
    void SetOnMenuPopup(TNotifyEvent value) { FOnMenuPopup = value; }
    TNotifyEvent OnMenuClose() const { return FOnMenuClose; }
    void SetOnMenuClose(TNotifyEvent value) { FOnMenuClose = value; }
    // The same notices for the owning button, always before the public ones.
    TNotifyEvent OnInternalChange() const { return FOnInternalChange; }
    void SetOnInternalChange(TNotifyEvent value) { FOnInternalChange = value; }
    TNotifyEvent OnInternalMenuClose() const { return FOnInternalMenuClose; }
    void SetOnInternalMenuClose(TNotifyEvent value) { FOnInternalMenuClose = value; }

    // Called by the pop-up as it hides: frees it (once its own handling is done) and reports.
    void PopupClosed(bool processEvents);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void DoPopup(const TRect& rect, bool extended, bool fromTop, bool fromRight);

    TscGalleryMenuBGStyle FBackgroundStyle = scgmPanel;
    TCustomImageList* FImages = nullptr;
    std::unique_ptr<TscGalleryMenuItems> FItems;
    int FColumnsCount = 1;
    TNotifyEvent FOnItemClick;
    TscGalleryMenuPopupWindow* FPopupWindow = nullptr;
    bool FShowSelectedItem = true;
    TNotifyEvent FOnChange, FOnInternalChange, FOnMenuClose, FOnMenuPopup, FOnInternalMenuClose;
    std::unique_ptr<TFont> FItemFont, FHeaderFont;
    int FHeaderHeight = 25;
    TscMenuHeaderStyle FHeaderStyle = scmhsDefault;
    TscHint* FHintComponent = nullptr;
    bool FShowHints = true;
    bool FButtonLeftAlignment = false;
    bool FButtonGlyphLeftAlignment = false;
    int FItemIndex = -1;
    double FScaleFactor = 1.0;
    int FScalePercent = 0;
    TControl* FControl = nullptr;
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

// The gallery menu's pop-up: made at each pop-up and freed when it closes. While open it holds
// the mouse capture and the application's message hook, takes every key press, and closes on a
// click elsewhere or on a move, resize or activation among the application's windows.
class TscGalleryMenuPopupWindow : public TscPanel {
    TAVIN_CLASS(TscGalleryMenuPopupWindow, TscPanel)
public:
    explicit TscGalleryMenuPopupWindow(TscGalleryMenu* menu);
    ~TscGalleryMenuPopupWindow() override;

    void WndProc(TMessage& message) override;
    void Draw(TCanvas* canvas, TscsCtrlState state) override;

    // Lays out, places on the screen, shows and captures.
    void Show(const TRect& popupRect);
    void ShowExt(const TRect& popupRect, bool fromTop, bool fromRight);
    // Hides, lets go of the hook and the capture, then reports to the menu.
    void Hide(bool processEvents);

    // The first usable item (neither a header nor disabled) whose rectangle holds the point,
    // right and bottom edges included; -1 for none.
    int GetItemAtPoint(TPoint p) const;
    void ProcessKey(WORD key);
    // The hot item, -1 for none.
    int MouseInItem() const { return FMouseInItem; }
    double ScaleFactor() const { return FScaleFactor; }
    void SetScaleFactor(double value) { FScaleFactor = value; }

protected:
    void CreateParams(TCreateParams& params) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;

private:
    void CalcItemRects();
    void UpdateWindowSize();
    void Place(const TRect& popupRect, bool extended, bool fromTop, bool fromRight);
    void UpdateHotItem(int x, int y);
    void SetHotItem(int index);
    bool Usable(int index) const;
    // The first item when none is hot: 0, or 1 after a leading header; -1 for a lone header.
    int FirstItem() const;
    void FindUp();
    void FindDown();
    void FindLeft();
    void FindRight();
    void FindVertical(bool up);
    void DrawItems(int hotIndex, int selectedIndex, TCanvas* canvas);
    void DrawImageItem(int index, TCanvas* canvas, bool down, bool hot);
    void DrawButtonItem(int index, TCanvas* canvas, bool down, bool hot);
    void DrawHeaderItem(int index, TCanvas* canvas);
    void HookApp();
    void UnHookApp();
    void NewAppMessage(MSG& msg, bool& handled);
    TControl* StyleSource() const;
    TscGalleryMenuItem* Item(int index) const;
    int ItemCount() const;

    // The application's message handler while open, and ours.
    TEvent<MSG&, bool&> OldAppMessage;
    TEvent<MSG&, bool&> FAppMessage;
    bool FHooked = false;
    TscGalleryMenu* GalleryMenu;
    int FMouseInItem = -1;
    int OldMouseInItem = -1;
    bool FDown = false;
    bool FItemDown = false;
    double FScaleFactor = 1.0;
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
