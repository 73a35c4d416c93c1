// Ribbon tab colours and the tab row's metrics.
#include "RurToolBar_TabAppearance.h"

#include "RurGDIP.h"

TColor TCustomTabAppearance::* const TCustomTabAppearance::ColorFields[] = {
    &TCustomTabAppearance::FBorderColor,
    &TCustomTabAppearance::FBorderColorHot,
    &TCustomTabAppearance::FColor,
    &TCustomTabAppearance::FColorTo,
    &TCustomTabAppearance::FColorHot,
    &TCustomTabAppearance::FColorHotTo,
    &TCustomTabAppearance::FColorSelectedTo,
    &TCustomTabAppearance::FBorderColorDisabled,
    &TCustomTabAppearance::FBorderColorSelected,
    &TCustomTabAppearance::FColorDisabled,
    &TCustomTabAppearance::FColorDisabledTo,
    &TCustomTabAppearance::FColorSelected,
    &TCustomTabAppearance::FColorMirror,
    &TCustomTabAppearance::FColorMirrorTo,
    &TCustomTabAppearance::FColorMirrorHot,
    &TCustomTabAppearance::FColorMirrorHotTo,
    &TCustomTabAppearance::FColorMirrorDisabledTo,
    &TCustomTabAppearance::FColorMirrorDisabled,
    &TCustomTabAppearance::FColorMirrorSelectedTo,
    &TCustomTabAppearance::FColorMirrorSelected,
    &TCustomTabAppearance::FTextColorDisabled,
    &TCustomTabAppearance::FTextColorSelected,
    &TCustomTabAppearance::FTextColor,
    &TCustomTabAppearance::FTextColorHot,
    &TCustomTabAppearance::FBorderColorSelectedHot,
    &TCustomTabAppearance::FBorderColorDown,
    &TCustomTabAppearance::FShadowColor,
    &TCustomTabAppearance::FHighLightColor,
    &TCustomTabAppearance::FHighLightColorSelected,
    &TCustomTabAppearance::FHighLightColorDown,
    &TCustomTabAppearance::FHighLightColorHot,
    &TCustomTabAppearance::FHighLightColorSelectedHot,
};

TGDIPGradient TCustomTabAppearance::* const TCustomTabAppearance::GradientFields[] = {
    &TCustomTabAppearance::FGradientMirror,         &TCustomTabAppearance::FGradientMirrorHot,
    &TCustomTabAppearance::FGradient,               &TCustomTabAppearance::FGradientHot,
    &TCustomTabAppearance::FGradientSelected,       &TCustomTabAppearance::FGradientDisabled,
    &TCustomTabAppearance::FGradientMirrorSelected, &TCustomTabAppearance::FGradientMirrorDisabled,
};

TAVIN_PUBLISHED(TCustomTabAppearance)
{
    TAVIN_PROPERTY(TColor, BorderColor).Default(clBtnFace);
    TAVIN_PROPERTY(TColor, BorderColorHot).Default(clBlue);
    TAVIN_PROPERTY(TColor, Color).Default(clBtnFace);
    TAVIN_PROPERTY(TColor, ColorTo).Default(clWhite);
    TAVIN_PROPERTY(TColor, ColorHot).Default(clYellow);
    TAVIN_PROPERTY(TColor, ColorHotTo).Default(clNone);
    TAVIN_PROPERTY(TColor, ColorSelectedTo).Default(clBtnFace);
    TAVIN_PROPERTY(TColor, BorderColorDisabled).Default(clNone);
    TAVIN_PROPERTY(TColor, BorderColorSelected).Default(clBtnFace);
    TAVIN_PROPERTY(TColor, ColorDisabled).Default(clNone);
    TAVIN_PROPERTY(TColor, ColorDisabledTo).Default(clNone);
    TAVIN_PROPERTY(TColor, ColorSelected).Default(clWhite);
    TAVIN_PROPERTY(TColor, ColorMirror).Default(clWhite);
    TAVIN_PROPERTY(TColor, ColorMirrorTo).Default(clWhite);
    TAVIN_PROPERTY(TColor, ColorMirrorHot).Default(clNone);
    TAVIN_PROPERTY(TColor, ColorMirrorHotTo).Default(clNone);
    TAVIN_PROPERTY(TGDIPGradient, GradientMirror).Default(ggVertical);
    TAVIN_PROPERTY(TGDIPGradient, GradientMirrorHot).Default(ggVertical);
    TAVIN_PROPERTY(TGDIPGradient, Gradient).Default(ggVertical);
    TAVIN_PROPERTY(TGDIPGradient, GradientHot).Default(ggVertical);
    TAVIN_PROPERTY(TColor, ColorMirrorDisabledTo).Default(clNone);
    TAVIN_PROPERTY(TColor, ColorMirrorDisabled).Default(clNone);
    TAVIN_PROPERTY(TColor, ColorMirrorSelectedTo).Default(clWhite);
    TAVIN_PROPERTY(TColor, ColorMirrorSelected).Default(clWhite);
    TAVIN_PROPERTY(TGDIPGradient, GradientSelected).Default(ggVertical);
    TAVIN_PROPERTY(TGDIPGradient, GradientDisabled).Default(ggVertical);
    TAVIN_PROPERTY(TGDIPGradient, GradientMirrorSelected).Default(ggVertical);
    TAVIN_PROPERTY(TGDIPGradient, GradientMirrorDisabled).Default(ggVertical);
    TAVIN_PROPERTY(TColor, TextColorDisabled).Default(clWhite);
    TAVIN_PROPERTY(TColor, TextColorSelected).Default(clBlue);
    TAVIN_PROPERTY(TColor, TextColor).Default(clBlue);
    TAVIN_PROPERTY(TColor, TextColorHot).Default(clBlue);
    TAVIN_PROPERTY(TColor, BorderColorSelectedHot).Default(clNone);
    TAVIN_PROPERTY(TColor, BorderColorDown).Default(clNone);
    TAVIN_PROPERTY(TFont*, Font);
    TAVIN_PROPERTY(bool, SystemFont).Default(true);
    TAVIN_PROPERTY(TColor, ShadowColor).Default(0xE8C7AE);
    TAVIN_PROPERTY(TColor, HighLightColor).Default(0xFFFABF);
    TAVIN_PROPERTY(TColor, HighLightColorSelected).Default(0x63CCF8);
    TAVIN_PROPERTY(TColor, HighLightColorDown).Default(0xFFFBD0);
    TAVIN_PROPERTY(TColor, HighLightColorHot).Default(0xFDF4ED);
    TAVIN_PROPERTY(TColor, HighLightColorSelectedHot).Default(0xBDFFFF);
}

TCustomTabAppearance::TCustomTabAppearance()
    : FBackGround(std::make_unique<TGradientBackground>()), FFont(NewAppearanceFont())
{
    FBackGround->SetOnChange(MakeHandler<&TCustomTabAppearance::BackGroundChanged>(this));
}

TCustomTabAppearance::~TCustomTabAppearance() = default;

void TCustomTabAppearance::BackGroundChanged(TObject*) { Changed(); }

void TCustomTabAppearance::Assign(const TPersistent* source)
{
    auto* other = dynamic_cast<const TCustomTabAppearance*>(source);
    if (!other)
        return;
    // TextColor and TextColorHot go through their setters below.
    const TColor textColor = other->FTextColor, textColorHot = other->FTextColorHot;
    const TColor ownTextColor = FTextColor, ownTextColorHot = FTextColorHot;
    for (auto colour : ColorFields)
        this->*colour = other->*colour;
    FTextColor = ownTextColor;
    FTextColorHot = ownTextColorHot;
    for (auto gradient : GradientFields)
        this->*gradient = other->*gradient;
    const int height = FFont->Height();
    FFont->Assign(other->FFont.get());
    FFont->SetHeight(height);
    SetTextColor(textColor);
    SetTextColorHot(textColorHot);
    FBackGround->Assign(other->FBackGround.get());
}

void TCustomTabAppearance::ClearValues()
{
    for (auto colour : ColorFields)
        this->*colour = clNone;
}

TAVIN_PUBLISHED(TTabAppearance)
{
    TAVIN_PROPERTY(TGradientBackground*, BackGround);
}

// ---- TATBTabSettings ----------------------------------------------------------------------------

TAVIN_PUBLISHED(TATBTabSettings)
{
    TAVIN_PROPERTY(int, LeftMargin).Default(4);
    TAVIN_PROPERTY(int, RightMargin).Default(4);
    TAVIN_PROPERTY(int, Height).Default(26);
    TAVIN_PROPERTY(int, StartMargin).Default(60);
    TAVIN_PROPERTY(int, EndMargin).Default(0);
    TAVIN_PROPERTY(int, Spacing).Default(4);
}

void TATBTabSettings::Assign(const TPersistent* source)
{
    auto* other = dynamic_cast<const TATBTabSettings*>(source);
    if (!other)
        return TPersistent::Assign(source);
    SetLeftMargin(other->FLeftMargin);
    SetRightMargin(other->FRightMargin);
    SetHeight(other->FHeight);
    SetStartMargin(other->FStartMargin);
    SetEndMargin(other->FEndMargin);
}

bool TATBTabSettings::Glass() const { return RurGDIP::GetGlassEnabled(); }

void TATBTabSettings::SetGlass(bool value)
{
    if (value == Glass())
        return;
    RurGDIP::SetGlassEnabled(value);
    if (FOnGlassChange)
        FOnGlassChange(this);
}
