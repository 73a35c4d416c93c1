#pragma once
// The kit's GDI+-painted push button: two stacked gradient halves per state (an upper glow half and
// a lower mirror half), an image-list glyph, a caption with optional notes below it, an optional
// drop-down part, check-button and radio-group latching, auto-repeat and a hover and press fade.
#include "WinApiNames.h"

#include <memory>

#include "ActnList.h"
#include "Controls.h"
#include "GDIPicture.h"
#include "ExtCtrls.h"
#include "Graphics.h"
#include "ImgList.h"
#include "Menus.h"
#include "RurColorRules.h"
#include "RurGDIP.h"
#include "RurGlowButton_KeyTip.h"
#include "RurGlowButton_Types.h"
#include "RurHintInfo.h"
#include "RurNotifyPersistent.h"
#include "RurStyleIF.h"
#include "Timers.h"

TAVIN_ENUM(TRurButtonStyle, bsButton, bsCheck)
TAVIN_ENUM(TDropDownPosition, dpRight, dpBottom)
TAVIN_ENUM(TDropDownDirection, ddDown, ddRight, ddUp)
TAVIN_ENUM(TFocusType, ftBorder, ftHot, ftHotBorder, ftNone)
TAVIN_ENUM(TGlowState, gsHover, gsPush, gsNone)
TAVIN_ENUM(TGlowButtonState, gsNormal, gsHot, gsDown)
// A toolbar's compaction states: glyph only, glyph and label, large.
TAVIN_ENUM(TButtonSizeState, bsGlyph, bsLabel, bsLarge)
TAVIN_ENUM(TImageListType, ipActionList, ipOwnLists)
TAVIN_ENUM(TAutoSizeDirection, asVertical, asHorizontal)

// The glow button's own eight-value layout; the styled controls have a four-value type of the same
// name, so this one lives in the unit's namespace.
namespace RurGlowButton {
TAVIN_ENUM(TButtonLayout, blGlyphLeft, blGlyphTop, blGlyphRight, blGlyphBottom, blGlyphLeftAdjusted,
           blGlyphRightAdjusted, blGlyphTopAdjusted, blGlyphBottomAdjusted)
}

using TGlowButtonDrawEvent = TEvent<TObject*, TCanvas*, TRect, TGlowButtonState>;
using TSetButtonSizeEvent = TEvent<TObject*, int&, int&>;
using TOnGetShortCutHintPos = TEvent<TObject*, TButtonSizeState, TShortCutHintPos&>;

// The fade interval of every glow button in milliseconds; 0 or less: no fading.
int GlowSpeed();
void SetGlowSpeed(int value);

// ---- The colour set -------------------------------------------------------------------------------------

// One button's colours per state: the upper half runs from the state's colour to its to-colour, the
// lower half from its mirror to-colour to its mirror colour, framed by its border colour.
class TGlowButtonAppearance : public TNotifyPersistent {
    TAVIN_PUBLISHED_CLASS(TGlowButtonAppearance, TNotifyPersistent)
public:
    TGlowButtonAppearance();
    // The default colours.
    void Init();
    // From another glow-button appearance through the setters (each change is announced); none is
    // ignored; any other class raises.
    void Assign(const TPersistent* source) override;

#define TAVIN_GLOW_VALUE(Type, Name)                                                                 \
    Type Name() const { return F##Name; }                                                            \
    void Set##Name(Type value) { Change(F##Name, value); }
    TAVIN_GLOW_VALUE(TColor, BorderColor)
    TAVIN_GLOW_VALUE(TColor, BorderColorHot)
    TAVIN_GLOW_VALUE(TColor, BorderColorDown)
    TAVIN_GLOW_VALUE(TColor, BorderColorDisabled)
    TAVIN_GLOW_VALUE(TColor, BorderColorChecked)
    TAVIN_GLOW_VALUE(TColor, BorderColorFocused)
    TAVIN_GLOW_VALUE(TColor, Color)
    TAVIN_GLOW_VALUE(TColor, ColorTo)
    TAVIN_GLOW_VALUE(TColor, ColorDown)
    TAVIN_GLOW_VALUE(TColor, ColorDownTo)
    TAVIN_GLOW_VALUE(TColor, ColorHot)
    TAVIN_GLOW_VALUE(TColor, ColorHotTo)
    TAVIN_GLOW_VALUE(TColor, ColorCheckedTo)
    TAVIN_GLOW_VALUE(TColor, ColorDisabled)
    TAVIN_GLOW_VALUE(TColor, ColorDisabledTo)
    TAVIN_GLOW_VALUE(TColor, ColorChecked)
    TAVIN_GLOW_VALUE(TColor, ColorMirror)
    TAVIN_GLOW_VALUE(TColor, ColorMirrorTo)
    TAVIN_GLOW_VALUE(TColor, ColorMirrorHot)
    TAVIN_GLOW_VALUE(TColor, ColorMirrorHotTo)
    TAVIN_GLOW_VALUE(TColor, ColorMirrorDown)
    TAVIN_GLOW_VALUE(TColor, ColorMirrorDownTo)
    TAVIN_GLOW_VALUE(TColor, ColorMirrorDisabledTo)
    TAVIN_GLOW_VALUE(TColor, ColorMirrorDisabled)
    TAVIN_GLOW_VALUE(TColor, ColorMirrorCheckedTo)
    TAVIN_GLOW_VALUE(TColor, ColorMirrorChecked)
    TAVIN_GLOW_VALUE(TGDIPGradient, Gradient)
    TAVIN_GLOW_VALUE(TGDIPGradient, GradientMirror)
    TAVIN_GLOW_VALUE(TGDIPGradient, GradientHot)
    TAVIN_GLOW_VALUE(TGDIPGradient, GradientMirrorHot)
    TAVIN_GLOW_VALUE(TGDIPGradient, GradientDown)
    TAVIN_GLOW_VALUE(TGDIPGradient, GradientMirrorDown)
    TAVIN_GLOW_VALUE(TGDIPGradient, GradientChecked)
    TAVIN_GLOW_VALUE(TGDIPGradient, GradientMirrorChecked)
    TAVIN_GLOW_VALUE(TGDIPGradient, GradientDisabled)
    TAVIN_GLOW_VALUE(TGDIPGradient, GradientMirrorDisabled)
    TAVIN_GLOW_VALUE(TColor, TextColor)
    TAVIN_GLOW_VALUE(TColor, TextColorHot)
    TAVIN_GLOW_VALUE(TColor, TextColorDown)
    TAVIN_GLOW_VALUE(TColor, TextColorChecked)
    TAVIN_GLOW_VALUE(bool, SystemFont)
#undef TAVIN_GLOW_VALUE

    // Written without a change notification.
    TColor BorderColorCheckedHot() const { return FBorderColorCheckedHot; }
    void SetBorderColorCheckedHot(TColor value) { FBorderColorCheckedHot = value; }
    TColor TextColorDisabled() const { return FTextColorDisabled; }
    void SetTextColorDisabled(TColor value) { FTextColorDisabled = value; }
    bool TranspHover() const { return FTranspHover; }
    void SetTranspHover(bool value) { FTranspHover = value; }
    bool NoBorderDefault() const { return FNoBorderDefault; }
    void SetNoBorderDefault(bool value) { FNoBorderDefault = value; }
    // Written only by the looks and by Assign.
    bool TranspOffice() const { return FTranspOffice; }
    void SetTranspOffice(bool value) { FTranspOffice = value; }

private:
    TColor FBorderColor = clNone, FBorderColorHot = clNone, FBorderColorDown = clNone, FBorderColorDisabled = clNone,
           FBorderColorChecked = clNone, FBorderColorCheckedHot = clNone, FBorderColorFocused = clNone;
    TColor FColor = clNone, FColorTo = clNone, FColorDown = clNone, FColorDownTo = clNone, FColorHot = clNone,
           FColorHotTo = clNone, FColorCheckedTo = clNone, FColorDisabled = clNone, FColorDisabledTo = clNone,
           FColorChecked = clNone;
    TColor FColorMirror = clNone, FColorMirrorTo = clNone, FColorMirrorHot = clNone, FColorMirrorHotTo = clNone,
           FColorMirrorDown = clNone, FColorMirrorDownTo = clNone;
    TGDIPGradient FGradientDown = ggRadial, FGradientMirror = ggVertical, FGradientMirrorHot = ggRadial,
                  FGradient = ggVertical, FGradientMirrorDown = ggRadial, FGradientHot = ggRadial;
    TColor FColorMirrorDisabledTo = clNone, FColorMirrorDisabled = clNone, FColorMirrorCheckedTo = clNone,
           FColorMirrorChecked = clNone;
    TGDIPGradient FGradientChecked = ggRadial, FGradientDisabled = ggRadial, FGradientMirrorChecked = ggVertical,
                  FGradientMirrorDisabled = ggRadial;
    TColor FTextColorHot = clNone, FTextColorDown = clNone, FTextColorDisabled = clNone;
    bool FSystemFont = true, FTranspHover = false, FTranspOffice = false, FNoBorderDefault = false;
    TColor FTextColorChecked = clNone, FTextColor = clNone;
};

// The colours, gradients and border of one state as the painting takes them.
struct TGlowStateColors {
    TColor Color = clNone, ColorTo = clNone, ColorMirror = clNone, ColorMirrorTo = clNone, Border = clNone;
    TGDIPGradient Gradient = ggVertical, GradientMirror = ggVertical;
};

// ---- The button ---------------------------------------------------------------------------------------------

class TRurCustomGlowButton : public TCustomControl, public IRujTones, public IRujStyle {
    TAVIN_PUBLISHED_CLASS(TRurCustomGlowButton, TCustomControl)
public:
    explicit TRurCustomGlowButton(TComponent* owner);
    ~TRurCustomGlowButton() override;
    void WndProc(TMessage& message) override;
    void Assign(const TPersistent* source) override;
    void Loaded() override;
    void Click() override;
    void ActionChange(TObject* sender, bool checkDefaults) override;

    // The looks and tones (IRujStyle, IRujTones).
    virtual void SetComponentStyle(TRujStyle style) override;
    void SetColorTones(const TColorTones& tones) override;

    TGlowButtonAppearance* Appearance() const { return FAppearance.get(); }
    void SetAppearance(TGlowButtonAppearance* value);
    RurGDIP::TAntiAlias AntiAlias() const { return FAntiAlias; }
    void SetAntiAlias(RurGDIP::TAntiAlias value) { Change(FAntiAlias, value); }
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    TFocusType FocusType() const { return FFocusType; }
    void SetFocusType(TFocusType value) { FFocusType = value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value);
    TCustomImageList* DisabledImages() const { return FDisabledImages; }
    void SetDisabledImages(TCustomImageList* value);
    TCustomImageList* HotImages() const { return FHotImages; }
    void SetHotImages(TCustomImageList* value);
    // Whether the images of a linked action's list take the place of the button's own lists.
    TImageListType ImageListType() const { return FImageListType; }
    void SetImageListType(TImageListType value);
    int MarginVert() const { return FMarginVert; }
    void SetMarginVert(int value);
    int MarginHorz() const { return FMarginHorz; }
    void SetMarginHorz(int value);
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int value) { FModalResult = value; }
    TStrings* Notes() const { return FNotes.get(); }
    void SetNotes(TStrings* value) { FNotes->Assign(value); }
    TFont* NotesFont() const { return FNotesFont.get(); }
    void SetNotesFont(TFont* value);
    TButtonPosition Position() const { return FButtonPosition; }
    void SetPosition(TButtonPosition value);
    int InitRepeatPause() const { return FInitRepeatPause; }
    void SetInitRepeatPause(int value) { FInitRepeatPause = value; }
    int RepeatPause() const { return FRepeatPause; }
    void SetRepeatPause(int value) { FRepeatPause = value; }
    bool RepeatClick() const { return FRepeatClick; }
    void SetRepeatClick(bool value) { FRepeatClick = value; }
    bool Rounded() const { return FRounded; }
    void SetRounded(bool value) { Change(FRounded, value); }
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool value);
    bool ShowDisabled() const { return FShowDisabled; }
    void SetShowDisabled(bool value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value) { Change(FSpacing, value); }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value) { Change(FTransparent, value); }
    RurGDIP::StringTrimming Trimming() const { return FTrimming; }
    void SetTrimming(RurGDIP::StringTrimming value) { Change(FTrimming, value); }
    bool UseAppearance() const { return FUseAppearance; }
    void SetUseAppearance(bool value) { FUseAppearance = value; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value) { Change(FWordWrap, value); }
    // Formats GetVersionNr; writing changes nothing.
    String Version() const;
    void SetVersion(const String&) {}
    bool DoubleClicks() const { return FDoubleClicks; }
    void SetDoubleClicks(bool value);
    bool IsRotated() const { return FIsRotated; }
    void SetIsRotated(bool value) { FIsRotated = value; }
    // Set by a ribbon group that places the button in its columns.
    bool IsOnRibbon() const { return FIsOnRibbon; }
    void SetIsOnRibbon(bool value) { FIsOnRibbon = value; }
    const String& WideCaption() const { return FWideCaption; }
    void SetWideCaption(const String& value);
    bool StaticButton() const { return FStaticButton; }
    void SetStaticButton(bool value) { FStaticButton = value; }
    bool DrawSplitLineAlways() const { return FDrawSplitLineAlways; }
    void SetDrawSplitLineAlways(bool value);
    TRujStyle UIStyle() const { return FRujStyle; }
    void SetUIStyle(TRujStyle value) { SetComponentStyle(value); }
    // The picture per state: DisabledPicture when disabled, HotPicture under the pointer,
    // DownPicture pressed, else Picture; drawn instead of an image-list glyph.
    TGDIPPicture* Picture() const { return FIPicture.get(); }
    void SetPicture(TGDIPPicture* value);
    TGDIPPicture* HotPicture() const { return FIHotPicture.get(); }
    void SetHotPicture(TGDIPPicture* value) { FIHotPicture->Assign(value); }
    TGDIPPicture* DownPicture() const { return FIDownPicture.get(); }
    void SetDownPicture(TGDIPPicture* value) { FIDownPicture->Assign(value); }
    TGDIPPicture* DisabledPicture() const { return FIDisabledPicture.get(); }
    void SetDisabledPicture(TGDIPPicture* value);
    // Both positive: the picture drawn in that size; both 0: fitted to the button's height.
    int PictureWidth() const { return FPictureWidth; }
    void SetPictureWidth(int value) { Change(FPictureWidth, value); }
    int PictureHeight() const { return FPictureHeight; }
    void SetPictureHeight(int value) { Change(FPictureHeight, value); }
    // Drawn instead of a picture on a button without a caption; null until set.
    TIcon* Icon() const { return FIcon.get(); }
    void SetIcon(TIcon* value);
    TRurHintInfo* OfficeHint() const { return FOfficeHint.get(); }
    void SetOfficeHint(TRurHintInfo* value) { FOfficeHint->Assign(value); }
    // The key tip's text and its place beside the button.
    const String& ShortCutHint() const { return FShortCutHintText; }
    void SetShortCutHint(const String& value) { FShortCutHintText = value; }
    TShortCutHintPos ShortCutHintPos() const { return FShortCutHintPos; }
    void SetShortCutHintPos(TShortCutHintPos value) { FShortCutHintPos = value; }
    TOnGetShortCutHintPos OnGetShortCutHintPos() const { return FOnGetShortCutHintPos; }
    void SetOnGetShortCutHintPos(TOnGetShortCutHintPos value) { FOnGetShortCutHintPos = value; }
    bool KeepDown() const { return FKeepDown; }
    void SetKeepDown(bool value) { FKeepDown = value; }

    bool Down() const { return FDownChecked; }
    void SetDown(bool value);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value);
    bool AlwaysShowAccel() const { return FAlwaysShowAccel; }
    void SetAlwaysShowAccel(bool value) { Change(FAlwaysShowAccel, value); }
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value);
    RurGlowButton::TButtonLayout Layout() const { return FLayout; }
    void SetLayout(RurGlowButton::TButtonLayout value);
    // Made by a toolbar customizer, from its command CommandID (-1: none).
    bool CustomizerCreated() const { return FCustomizerCreated; }
    void SetCustomizerCreated(bool value) { FCustomizerCreated = value; }
    int CommandID() const { return FCommandID; }
    void SetCommandID(int value) { FCommandID = value; }
    TRurButtonStyle Style() const { return FStyle; }
    void SetStyle(TRurButtonStyle value) { FStyle = value; }
    TButtonSizeState MaxButtonSizeState() const { return FMaxButtonSizeState; }
    void SetMaxButtonSizeState(TButtonSizeState value);
    TButtonSizeState MinButtonSizeState() const { return FMinButtonSizeState; }
    void SetMinButtonSizeState(TButtonSizeState value);
    TButtonSizeState ButtonSizeState() const { return FButtonSizeState; }
    void SetButtonSizeState(TButtonSizeState value);
    bool DropDownButton() const { return FDropDownButton; }
    void SetDropDownButton(bool value);
    TDropDownPosition DropDownPosition() const { return FDropDownPosition; }
    void SetDropDownPosition(TDropDownPosition value);
    TDropDownDirection DropDownDirection() const { return FDropDownDirection; }
    void SetDropDownDirection(TDropDownDirection value) { Change(FDropDownDirection, value); }
    bool DropDownSplit() const { return FDropDownSplit; }
    void SetDropDownSplit(bool value) { FDropDownSplit = value; }
    int DropDownWidth() const { return FDropDownWidth; }
    void SetDropDownWidth(int value) { Change(FDropDownWidth, value); }
    TPopupMenu* DropDownMenu() const { return FDropDownMenu; }
    void SetDropDownMenu(TPopupMenu* value);
    TNotifyEvent OnDropDown() const { return FOnDropDown; }
    void SetOnDropDown(TNotifyEvent value) { FOnDropDown = value; }
    TGlowButtonDrawEvent OnDrawButton() const { return FOnDrawButton; }
    void SetOnDrawButton(TGlowButtonDrawEvent value) { FOnDrawButton = value; }
    TNotifyEvent OnMouseEnter() const { return FOnMouseEnter; }
    void SetOnMouseEnter(TNotifyEvent value) { FOnMouseEnter = value; }
    TNotifyEvent OnMouseLeave() const { return FOnMouseLeave; }
    void SetOnMouseLeave(TNotifyEvent value) { FOnMouseLeave = value; }
    TSetButtonSizeEvent OnSetButtonSize() const { return FOnSetButtonSize; }
    void SetOnSetButtonSize(TSetButtonSizeEvent value) { FOnSetButtonSize = value; }
    // Hooks of an owning toolbar: before OnClick, and before the drop-down menu opens.
    void SetOnInternalClick(TNotifyEvent value) { FOnInternalClick = value; }
    void SetOnInternalDropDown(TNotifyEvent value) { FOnInternalDropDown = value; }
    // Hook of a ribbon group: every key down, before the button's own handling.
    void SetOnInternalKeyDown(TKeyEvent value) { FOnInternalKeyDown = value; }
    // Set by a quick-access toolbar drawn on glass: smoothed (not ClearType) text and a filled
    // drop-down triangle.
    void SetInternalIsOnGlassQAT(bool value) { Change(FInternalIsOnGlassQAT, value); }

    TRurButtonState State() const { return FState; }
    bool DroppedDown() const { return FDroppedDown; }
    // The fade in progress and its steps (0..100), for the painting and for tests.
    TGlowState GlowState() const { return FGlowState; }
    int StepHover() const { return FStepHover; }
    int StepPush() const { return FStepPush; }
    bool Hot() const { return FHot; }

    // Opens DropDownMenu at the popup point.
    void DoDropDown();
    // A click from code: opens the menu of a menu button, toggles a check button, then clicks.
    void InvokeClick();
    // A click on a menu button drops its menu.
    virtual bool IsMenuButton() const { return false; }
    // The size the content needs in a toolbar size state.
    TSize ButtonSize(TButtonSizeState state);
    // The key tip, for a ribbon's or toolbar's keyboard mode; the window is made on first use.
    void ShowShortCutHint();
    void HideShortCutHint();
    // The key-tip window once shown, else null.
    TShortCutHintWindow* ShortCutHintWindow() const { return FShortCutHint; }

    virtual int GetVersionNr() const { return 0x02070304; }

protected:
    void CreateWnd() override;
    void Notification(TComponent* component, TOperation operation) override;
    void Paint() override;
    void ChangeScale(int m, int d, bool isDpiChange) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(Word& key, TShiftState shift) override;
    void KeyUp(Word& key, TShiftState shift) override;
    void KeyPress(Char& key) override;
    TControlActionLink* CreateActionLink() override;

    virtual void RepeatTimerExpired(TObject* sender);
    virtual void AfterDraw() {}
    virtual void DrawCustom(TCanvas*, const TRect&) {}
    // Given the 1 x 1 work bitmap before drawing and measuring: a descendant that sizes it (2 x 2 or
    // more) and paints on it has it drawn as the glyph.
    virtual void PrepareGlyphBitmap(TBitmap*) {}
    // Given the picture chosen for the state before it is drawn.
    virtual void PreparePicture(TGDIPPicture*) {}
    virtual bool IsBorderVisible() const { return FBorderStyle == bsSingle; }
    virtual bool IsFocusBorderVisible() const;
    virtual int GetScaledDropDownWidth();

    // Broadcasts CM_BUTTONPRESSED to the group.
    void UpdateExclusive();
    // Sends CM_MOUSEENTER or CM_MOUSELEAVE when the control under the pointer changed.
    void UpdateTracking();
    void UpdateAutoSize();

    // The glyph list of a variant that brings its own glyphs; used when no image list is set.
    std::unique_ptr<TCustomImageList> FInternalImages;

private:
    template <class T>
    void Change(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        Invalidate();
    }
    void AppearanceChanged(TObject*);
    // White to the appearance's colour, on an existing key-tip window.
    void RecolourShortCutHint();
    void ImagesChanged(TObject*);
    void NotesChanged(TObject*);
    void PictureChanged(TObject*) { UpdateAutoSize(); }
    // The picture for the state, and the size it is drawn in (0 x 0: its own).
    TGDIPPicture* StatePicture(bool downRules) const;
    TSize PictureDrawSize(const TGDIPPicture* picture) const;
    void GlowTimerExpired(TObject*);
    void StartFadeTimer(int interval);
    void StopFadeTimer();
    // The focus came or went (after OnEnter or OnExit).
    void Entered();
    void Exited();
    void MouseEntered();
    void MouseLeft();
    void LeftButtonUp(TMessage& message);
    bool DialogKey(TMessage& message);
    bool DialogChar(TMessage& message);
    void StyleChanged();
    void ShowDropDownMenu();
    TPoint PopupPoint() const;
    bool OnDropDownPart(int x, int y, bool inclusive);
    void SetImageList(TCustomImageList*& field, TCustomImageList* value, TChangeLink* link);
    // The linked action's list, image index and enabled drawing when its images take the glyph's
    // place (a manager's large lists in the large size state), else a null list; with sameIndexOnly
    // only while the button's ImageIndex is the action's.
    struct TActionGlyph {
        TCustomImageList* Images = nullptr;
        int Index = -1;
        bool Enabled = true;
    };
    TActionGlyph ActionGlyph(TButtonSizeState sizeState, bool sameIndexOnly) const;
    // Paint's choices.
    TGlowStateColors StateColors() const;
    void ApplyFade(TGlowStateColors& colors) const;
    void PaintParentBackground(const TRect& clip);

    bool FLoaded = false;
    bool FActive = false;
    bool FDown = false;
    bool FLeftDown = false;
    bool FMouseDown = false;
    std::unique_ptr<TTimer> FTimer;
    int FStepHover = 0, FStepPush = 0, FTimeInc = 0;
    TGlowState FGlowState = gsNone;
    TCustomImageList* FImages = nullptr;
    int FImageIndex = -1;
    TRurButtonState FState = absUp;
    bool FMouseInControl = false, FHasMouse = false, FMouseEnter = false;
    bool FDownChecked = false;
    bool FInitialDown = false, FHasInitialDown = false;
    bool FDragging = false;
    TRurButtonStyle FStyle = bsButton;
    int FGroupIndex = 0;
    bool FAllowAllUp = false;
    bool FTransparent = false;
    RurGlowButton::TButtonLayout FLayout = RurGlowButton::blGlyphLeft;
    bool FDropDownButton = false, FDropDownSplit = true;
    int FDropDownWidth = 14;
    TDropDownDirection FDropDownDirection = ddDown;
    TPopupMenu* FDropDownMenu = nullptr;
    TNotifyEvent FOnDropDown;
    TDropDownPosition FDropDownPosition = dpRight;
    std::unique_ptr<TGlowButtonAppearance> FAppearance;
    TCustomImageList* FDisabledImages = nullptr;
    TCustomImageList* FHotImages = nullptr;
    bool FShowCaption = true;
    RurGDIP::TAntiAlias FAntiAlias = RurGDIP::aaClearType;
    int FModalResult = 0;
    bool FDefault = false, FCancel = false;
    bool FInButton = false;
    TBorderStyle FBorderStyle = bsSingle;
    TButtonPosition FButtonPosition = bpStandalone;
    TFocusType FFocusType = ftBorder;
    bool FShowDisabled = true;
    TNotifyEvent FOnMouseLeave, FOnMouseEnter;
    bool FDroppedDown = false;
    int FSpacing = 2;
    bool FAutoSize = false;
    bool FCustomizerCreated = false;
    int FCommandID = -1;
    bool FWordWrap = true;
    bool FDoAutoSize = false;
    bool FFirstPaint = true;
    int FMarginVert = 1, FMarginHorz = 1;
    bool FRounded = true;
    TGlowButtonDrawEvent FOnDrawButton;
    String FWideCaption;
    RurGDIP::StringTrimming FTrimming = RurGDIP::StringTrimmingNone;
    std::unique_ptr<TTimer> FRepeatTimer;
    int FInitRepeatPause = 400, FRepeatPause = 100;
    bool FRepeatClick = false;
    bool FPainting = false;
    TNotifyEvent FOnInternalClick;
    TButtonSizeState FButtonSizeState = bsLarge, FMaxButtonSizeState = bsLarge, FMinButtonSizeState = bsGlyph;
    TSetButtonSizeEvent FOnSetButtonSize;
    RurGlowButton::TButtonLayout FOldLayout = RurGlowButton::blGlyphLeft;
    TDropDownPosition FOldDropDownPosition = dpRight;
    TCustomForm* FParentForm = nullptr;
    std::unique_ptr<TStringList> FNotes;
    std::unique_ptr<TFont> FNotesFont;
    bool FGotButtonClick = false;
    bool FHasFocus = false, FStaticButton = false, FKeepDown = false;
    bool FInternalIsOnGlassQAT = false;
    std::unique_ptr<TChangeLink> FImageChangeLink, FDisabledImageChangeLink, FHotImageChangeLink;
    TNotifyEvent FOnInternalDropDown;
    TKeyEvent FOnInternalKeyDown;
    TRujStyle FCompStyle = tsCustom;
    bool FAlwaysShowAccel = false, FDrawSplitLineAlways = false, FUseAppearance = false;
    bool FDoubleClicks = false, FGotDownKey = false, FCheckBeforeAction = false;
    TRujStyle FRujStyle = tsCustom;
    bool FUsingStyles = false;
    bool FHot = false;
    bool FIsRotated = false;
    bool FIsOnRibbon = false;
    bool FDesignClicks = false;
    bool FDropDownPress = false;
    // Set by an action link whose checked state or group index the button follows.
    bool FCheckLinked = false, FGroupIndexLinked = false;
    std::unique_ptr<TRurHintInfo> FOfficeHint;
    std::unique_ptr<TGDIPPicture> FIPicture, FIDisabledPicture, FIHotPicture, FIDownPicture;
    int FPictureWidth = -1, FPictureHeight = -1;
    std::unique_ptr<TIcon> FIcon;
    // Owned by the button as a component.
    TShortCutHintWindow* FShortCutHint = nullptr;
    TShortCutHintPos FShortCutHintPos = shpTop;
    String FShortCutHintText;
    TOnGetShortCutHintPos FOnGetShortCutHintPos;
    TImageListType FImageListType = ipActionList;
    friend class TRurGlowButtonActionLink;
};

// Lets an action drive the button's Down, GroupIndex and ImageIndex (help and the rest as for any
// control).
class TRurGlowButtonActionLink : public TControlActionLink {
    TAVIN_CLASS(TRurGlowButtonActionLink, TControlActionLink)
public:
    explicit TRurGlowButtonActionLink(TObject* client);
    bool IsCheckedLinked() const override;
    bool IsGroupIndexLinked() const override;
    bool IsImageIndexLinked() const override;
    void SetChecked(bool value) override;
    void SetGroupIndex(int value) override;
    void SetImageIndex(int value) override;

protected:
    void AssignClient(TObject* client) override;

private:
    friend class TRurCustomGlowButton;
    // The image index last taken from the action; the button follows while its own still equals it.
    int FImageIndex = -1;
    TRurCustomGlowButton* FButton = nullptr;
};

class TRurGlowButton : public TRurCustomGlowButton {
    TAVIN_PUBLISHED_CLASS(TRurGlowButton, TRurCustomGlowButton)
public:
    using TRurCustomGlowButton::TRurCustomGlowButton;
};
