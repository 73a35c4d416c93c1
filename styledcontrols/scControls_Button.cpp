// The kit's general push button: its colour options, state rules, default and cancel keys,
// modal results, grouping and scaling. Its drawing is in scControls_ButtonDraw.cpp.
#include "Forms.h"
#include "scControls.h"
#include "scImageCollection.h"

using namespace scControls;

TAVIN_PUBLISHED(TscButtonColorOptions)
{
    TAVIN_PROPERTY(TColor, NormalColor);
    TAVIN_PROPERTY(TColor, HotColor);
    TAVIN_PROPERTY(TColor, PressedColor);
    TAVIN_PROPERTY(TColor, FocusedColor);
    TAVIN_PROPERTY(TColor, DisabledColor);
    TAVIN_PROPERTY(TColor, FrameNormalColor);
    TAVIN_PROPERTY(TColor, FrameHotColor);
    TAVIN_PROPERTY(TColor, FramePressedColor);
    TAVIN_PROPERTY(TColor, FrameFocusedColor);
    TAVIN_PROPERTY(TColor, FrameDisabledColor);
    TAVIN_PROPERTY(int, FrameWidth);
    TAVIN_PROPERTY(TColor, FontNormalColor);
    TAVIN_PROPERTY(TColor, FontHotColor);
    TAVIN_PROPERTY(TColor, FontPressedColor);
    TAVIN_PROPERTY(TColor, FontFocusedColor);
    TAVIN_PROPERTY(TColor, FontDisabledColor);
    TAVIN_PROPERTY(TColor, TitleFontNormalColor);
    TAVIN_PROPERTY(TColor, TitleFontHotColor);
    TAVIN_PROPERTY(TColor, TitleFontPressedColor);
    TAVIN_PROPERTY(TColor, TitleFontFocusedColor);
    TAVIN_PROPERTY(TColor, TitleFontDisabledColor);
    TAVIN_PROPERTY(bool, StyleColors);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
}

TColor TscButtonColorOptions::ForState(const TColor (&group)[5]) const
{
    static_assert(scsNormal == 0 && scsHot == 1 && scsPressed == 2 && scsFocused == 3 && scsDisabled == 4);
    return Mapped(group[FState]);
}

TColor TscButtonColorOptions::Color() const
{
    return ForState({FNormalColor, FHotColor, FPressedColor, FFocusedColor, FDisabledColor});
}

TColor TscButtonColorOptions::FrameColor() const
{
    return ForState({FFrameNormalColor, FFrameHotColor, FFramePressedColor, FFrameFocusedColor, FFrameDisabledColor});
}

TColor TscButtonColorOptions::FontColor() const
{
    return ForState({FFontNormalColor, FFontHotColor, FFontPressedColor, FFontFocusedColor, FFontDisabledColor});
}

TColor TscButtonColorOptions::TitleFontColor() const
{
    return ForState({FTitleFontNormalColor, FTitleFontHotColor, FTitleFontPressedColor, FTitleFontFocusedColor,
                     FTitleFontDisabledColor});
}

void TscButtonColorOptions::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TscButtonColorOptions*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    FNormalColor = other->FNormalColor;
    FHotColor = other->FHotColor;
    FPressedColor = other->FPressedColor;
    FFocusedColor = other->FFocusedColor;
    FDisabledColor = other->FDisabledColor;
    FFrameNormalColor = other->FFrameNormalColor;
    FFrameHotColor = other->FFrameHotColor;
    FFramePressedColor = other->FFramePressedColor;
    FFrameFocusedColor = other->FFrameFocusedColor;
    FFrameDisabledColor = other->FFrameDisabledColor;
    FFrameWidth = other->FFrameWidth;
    FFontNormalColor = other->FFontNormalColor;
    FFontHotColor = other->FFontHotColor;
    FFontPressedColor = other->FFontPressedColor;
    FFontFocusedColor = other->FFontFocusedColor;
    FFontDisabledColor = other->FFontDisabledColor;
    FTitleFontNormalColor = other->FTitleFontNormalColor;
    FTitleFontHotColor = other->FTitleFontHotColor;
    FTitleFontPressedColor = other->FTitleFontPressedColor;
    FTitleFontFocusedColor = other->FTitleFontFocusedColor;
    FTitleFontDisabledColor = other->FTitleFontDisabledColor;
    FStyleColors = other->FStyleColors;
    if (FOnChange)
        FOnChange(this);
}

// ---------------------------------------------------------------------------------------------

TAVIN_PUBLISHED(TscButton)
{
    TAVIN_PROPERTY(TscArrowDirection, ArrowDirection).Default(scadDefault);
    TAVIN_PROPERTY(TscArrowPosition, ArrowPosition).Default(scapRight);
    TAVIN_PROPERTY(String, Caption);
    TAVIN_PROPERTY(bool, Default).Default(false);
    TAVIN_PROPERTY(bool, Cancel).Default(false);
    TAVIN_PROPERTY(TColor, DisabledFontColor).Default(clNone);
    TAVIN_PROPERTY(String, Title);
    TAVIN_PROPERTY(int, ModalResult).Default(0);
    TAVIN_PROPERTY(bool, ModalSetting).Default(false);
    TAVIN_PROPERTY(bool, ShowCaption).Default(true);
    TAVIN_PROPERTY(bool, WordWrap).Default(true);
    TAVIN_PROPERTY(bool, Animation);
    TAVIN_PROPERTY(bool, CaptionCenterAlignment);
    TAVIN_PROPERTY(bool, CanFocused);
    TAVIN_PROPERTY(bool, CustomDropDown);
    TAVIN_PROPERTY(int, Margin);
    TAVIN_PROPERTY(int, Spacing);
    TAVIN_PROPERTY(TButtonLayout, Layout);
    TAVIN_PROPERTY(TCustomImageList*, Images);
    TAVIN_PROPERTY(int, ImageIndex);
    TAVIN_PROPERTY(int, ImageMargin);
    TAVIN_PROPERTY(bool, TransparentBackground);
    TAVIN_PROPERTY(TscButtonColorOptions*, ColorOptions);
    TAVIN_PROPERTY(TFont*, TitleFont);
    TAVIN_PROPERTY(bool, ToggleMode);
    TAVIN_PROPERTY(int, HotImageIndex);
    TAVIN_PROPERTY(int, FocusedImageIndex);
    TAVIN_PROPERTY(int, PressedImageIndex);
    TAVIN_PROPERTY(TscButtonStyleKind, StyleKind);
    TAVIN_PROPERTY(bool, UseGalleryMenuImage);
    TAVIN_PROPERTY(bool, UseGalleryMenuCaption);
    TAVIN_PROPERTY(TscCustomImageCollection*, CustomImages);
    TAVIN_PROPERTY(int, CustomImageNormalIndex);
    TAVIN_PROPERTY(int, CustomImageHotIndex);
    TAVIN_PROPERTY(int, CustomImagePressedIndex);
    TAVIN_PROPERTY(int, CustomImageFocusedIndex);
    TAVIN_PROPERTY(int, CustomImageDisabledIndex);
    TAVIN_PROPERTY(bool, ScaleMarginAndSpacing);
    TAVIN_PROPERTY(int, WidthWithCaption);
    TAVIN_PROPERTY(int, WidthWithoutCaption);
    TAVIN_PROPERTY(bool, UseFontColorToStyleColor);
    TAVIN_PROPERTY(bool, RepeatClick);
    TAVIN_PROPERTY(int, RepeatClickInterval);
    TAVIN_PROPERTY(TscButtonGlowEffect*, GlowEffect);
    TAVIN_PROPERTY(bool, ImageGlow);
    TAVIN_PROPERTY(bool, ShowGalleryMenuFromTop);
    TAVIN_PROPERTY(bool, ShowGalleryMenuFromRight);
    TAVIN_PROPERTY(bool, ShowMenuArrow);
    TAVIN_PROPERTY(bool, SplitButton);
    TAVIN_PROPERTY(bool, ShowFocusRect);
    TAVIN_PROPERTY(bool, Down);
    TAVIN_PROPERTY(int, GroupIndex);
    TAVIN_PROPERTY(bool, AllowAllUp);
    TAVIN_PROPERTY(TNotifyEvent, OnDropDown);
    TAVIN_PROPERTY(TscButtonCloseUpEvent, OnCloseUp);
    TAVIN_PROPERTY(TscPaintButtonEvent, OnPaintContent);
    TAVIN_PROPERTY(TNotifyEvent, OnClick);
}

TscButton::TscButton(TComponent* owner)
    : TscCustomButtonControl(owner), FColorOptions(std::make_unique<TscButtonColorOptions>(this)),
      FTitleFont(std::make_unique<TFont>())
{
    FColorOptions->SetOnChange(MakeHandler<&TscButton::ColorOptionsChanged>(this));
    FTitleFont->Assign(Font());
    FTitleFont->SetStyle(TFontStyles{fsBold});
    FTitleFont->SetOnChange(MakeHandler<&TscButton::TitleFontChanged>(this));
}

TscButton::~TscButton() = default;

void TscButton::ColorOptionsChanged(TObject*)
{
    if (FStyleKind == scbsColorButton)
        RePaintControl();
}

void TscButton::TitleFontChanged(TObject*)
{
    if (!FTitle.empty())
        RePaintControl();
}

void TscButton::SetCustomImages(TscCustomImageCollection* value)
{
    if (ReplaceComponentReference(this, FCustomImages, value))
        RePaintControl();
}

void TscButton::Notification(TComponent* component, TOperation operation)
{
    TscCustomButtonControl::Notification(component, operation);
    if (operation == opRemove && component == FCustomImages)
        FCustomImages = nullptr;
}

void TscButton::SetShowCaption(bool value)
{
    if (FShowCaption == value)
        return;
    FShowCaption = value;
    ResizeForCaption(value, FWidthWithCaption, FWidthWithoutCaption);
}

void TscButton::SetImageMargin(int value)
{
    if (value >= 0)
        SetAndRepaint(FImageMargin, value);
}

void TscButton::SetDisabledFontColor(TColor value)
{
    if (FDisabledFontColor == value)
        return;
    FDisabledFontColor = value;
    if (!Enabled())
        RePaintControl();
}

int TscButton::GetImageIndexForState(TscsCtrlState state) const
{
    int index = -1;
    switch (state) {
    case scsHot: index = FHotImageIndex; break;
    case scsPressed: index = FPressedImageIndex != -1 ? FPressedImageIndex : FHotImageIndex; break;
    case scsFocused: index = FFocusedImageIndex != -1 ? FFocusedImageIndex : FHotImageIndex; break;
    default: break;
    }
    return index != -1 ? index : FImageIndex;
}

int TscButton::CustomImageIndexForState(TscsCtrlState state) const
{
    const int indexes[] = {FCustomImageNormalIndex, FCustomImageHotIndex, FCustomImagePressedIndex,
                           FCustomImageFocusedIndex, FCustomImageDisabledIndex};
    return indexes[state];
}

bool TscButton::CustomImageAvailable(int index) const { return FCustomImages && FCustomImages->IsIndexAvailable(index); }

TscsCtrlState TscButton::GetCtrlState() const
{
    if (FDown)
        return scsPressed;
    if (!Enabled())
        return scsDisabled;
    if (FMenuDroppedDown)
        return scsHot;
    if ((FMouseIn && FPressed) || FIsDown)
        return scsPressed;
    if (FMouseIn || (FActive && FDefault && FCanFocused))
        return scsHot;
    if (Focused() && FCanFocused)
        return scsFocused;
    return scsNormal;
}

void TscButton::ChangeScale(int m, int d, bool isDpiChange)
{
    TscCustomButtonControl::ChangeScale(m, d, isDpiChange);
    FTitleFont->SetHeight(MulDiv(FTitleFont->Height(), m, d));
    auto scale = [&](int& value) {
        if (value > 0)
            value = MulDiv(value, m, d);
    };
    scale(FImageMargin);
    if (FScaleMarginAndSpacing) {
        scale(FMargin);
        scale(FSpacing);
    }
    scale(FWidthWithCaption);
    scale(FWidthWithoutCaption);
}

void TscButton::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_FOCUSCHANGED:
        if (FDefault && FCanFocused) {
            // Another button of the kit taking the focus becomes the active one; anything else
            // leaves the default button active.
            auto* focused = dynamic_cast<TscButton*>(reinterpret_cast<TControl*>(message.LParam));
            const bool active = focused ? focused == this : FDefault;
            if (active != FActive) {
                FActive = active;
                RePaintControl();
            }
        }
        break;
    case CM_DIALOGKEY:
        if (FCanFocused && ClickOnDialogKey(message, FActive, FCancel))
            return;
        break;
    default: break;
    }
    TscCustomButtonControl::WndProc(message);
}
