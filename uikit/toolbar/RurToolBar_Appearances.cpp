// The gradient, caption, toolbar, group, quick-access, hint and application colour objects.
#include "RurToolBar_Appearances.h"

#include "RurStyleIF.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_TabAppearance.h"

std::unique_ptr<TFont> NewAppearanceFont()
{
    auto font = std::make_unique<TFont>();
    SetUIFont(font.get(), IsVistaOrLater());
    font->SetHeight(-11);
    font->SetStyle({});
    return font;
}

void StoreSystemFont(bool& field, bool value, TFont* font)
{
    if (value == field)
        return;
    field = value;
    if (value)
        SetUIFont(font, IsVistaOrLater());
}

// ---- TGradientBackground --------------------------------------------------------------------------

TAVIN_PUBLISHED(TGradientBackground)
{
    TAVIN_PROPERTY(int, Steps).Default(64);
    TAVIN_PROPERTY(TColor, Color).Default(clWhite);
    TAVIN_PROPERTY(TColor, ColorTo).Default(clBtnFace);
    TAVIN_PROPERTY(TGradientDirection, Direction).Default(gdHorizontal);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
}

void TGradientBackground::Assign(const TPersistent* source)
{
    if (auto* other = dynamic_cast<const TGradientBackground*>(source)) {
        FColor = other->FColor;
        FColorTo = other->FColorTo;
        FDirection = other->FDirection;
        FSteps = other->FSteps;
    }
}

// ---- TMirrorGradient ----------------------------------------------------------------------------

TAVIN_PUBLISHED(TMirrorGradient)
{
    TAVIN_PROPERTY(TColor, ColorTo).Default(clBtnFace);
    TAVIN_PROPERTY(TColor, Color).Default(clWhite);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
    TAVIN_PROPERTY(TColor, ColorMirrorTo).Default(0xFFF4E3);
    TAVIN_PROPERTY(TColor, ColorMirror).Default(0xEDD9C8);
}

void TMirrorGradient::Assign(const TPersistent* source)
{
    auto* other = dynamic_cast<const TMirrorGradient*>(source);
    if (!other)
        return TPersistent::Assign(source);
    FColorTo = other->FColorTo;
    FColor = other->FColor;
    FColorMirrorTo = other->FColorMirrorTo;
    FColorMirror = other->FColorMirror;
}

// ---- TVistaGradientBackground ---------------------------------------------------------------------

TAVIN_PUBLISHED(TVistaGradientBackground)
{
    TAVIN_PROPERTY(TMirrorGradient*, Mirror);
}

TVistaGradientBackground::TVistaGradientBackground() : FMirror(std::make_unique<TMirrorGradient>()) {}

void TVistaGradientBackground::Assign(const TPersistent* source)
{
    TGradientBackground::Assign(source);
    if (auto* other = dynamic_cast<const TVistaGradientBackground*>(source))
        FMirror->Assign(other->FMirror.get());
}

// ---- TVistaBackground and its page and text forms -------------------------------------------------

TAVIN_PUBLISHED(TVistaBackground)
{
    TAVIN_PROPERTY(int, Steps).Default(64);
    TAVIN_PROPERTY(TColor, Color).Default(clWhite);
    TAVIN_PROPERTY(TColor, ColorTo).Default(clWhite);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
    TAVIN_PROPERTY(TColor, ColorMirror).Default(clSilver);
    TAVIN_PROPERTY(TColor, ColorMirrorTo).Default(clWhite);
    TAVIN_PROPERTY(TColor, BorderColor).Default(clGray);
    TAVIN_PROPERTY(TGDIPGradient, GradientMirror).Default(ggVertical);
    TAVIN_PROPERTY(TGDIPGradient, Gradient).Default(ggVertical);
}

void TVistaBackground::Assign(const TPersistent* source)
{
    if (!source)
        return;
    auto* other = dynamic_cast<const TVistaBackground*>(source);
    if (!other)
        return TPersistent::Assign(source);
    FSteps = other->FSteps;
    FColor = other->FColor;
    FColorTo = other->FColorTo;
    FColorMirror = other->FColorMirror;
    FColorMirrorTo = other->FColorMirrorTo;
    FBorderColor = other->FBorderColor;
    FShadowColor = other->FShadowColor;
    FHighLightColor = other->FHighLightColor;
    SetGradient(other->FGradient);
    SetGradientMirror(other->FGradientMirror);
}

TAVIN_PUBLISHED(TVistaPageBackground)
{
    TAVIN_PROPERTY(TColor, ShadowColor).Default(0xC4AA96);
    TAVIN_PROPERTY(TColor, HighLightColor).Default(0xFDF9CE);
}

TAVIN_PUBLISHED(TVistaTextBackground)
{
    TAVIN_PROPERTY(TColor, TextColor).Default(clBlue);
    TAVIN_PROPERTY(TFont*, Font);
    TAVIN_PROPERTY(bool, SystemFont).Default(true);
    TAVIN_PROPERTY(TColor, TextColorExtended).Default(clGray);
}

TVistaTextBackground::TVistaTextBackground() : FFont(NewAppearanceFont()) {}

void TVistaTextBackground::Assign(const TPersistent* source)
{
    if (!source)
        return;
    TVistaBackground::Assign(source);
    if (auto* other = dynamic_cast<const TVistaTextBackground*>(source)) {
        SetTextColor(other->FTextColor);
        SetTextColorExtended(other->FTextColorExtended);
        FFont->Assign(other->FFont.get());
    }
}

// ---- TCaptionAppearance -------------------------------------------------------------------------

TAVIN_PUBLISHED(TCaptionAppearance)
{
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
    TAVIN_PROPERTY(TColor, CaptionTextColorHot).Default(clWhite);
    TAVIN_PROPERTY(TColor, CaptionTextColor).Default(clWhite);
    TAVIN_PROPERTY(TColor, CaptionBorderColorHot).Default(clNone);
    TAVIN_PROPERTY(TColor, CaptionColorHot).Default(clNone);
    TAVIN_PROPERTY(TColor, CaptionColorTo).Default(clNone);
    TAVIN_PROPERTY(TColor, CaptionColor).Default(clGray);
    TAVIN_PROPERTY(TColor, CaptionColorHotTo).Default(clNone);
    TAVIN_PROPERTY(TColor, CaptionBorderColor).Default(clNone);
}

void TCaptionAppearance::Assign(const TPersistent* source)
{
    if (!source)
        return;
    auto* other = dynamic_cast<const TCaptionAppearance*>(source);
    if (!other)
        return TPersistent::Assign(source);
    FCaptionColor = other->FCaptionColor;
    FCaptionColorTo = other->FCaptionColorTo;
    FCaptionTextColor = other->FCaptionTextColor;
    FCaptionBorderColor = other->FCaptionBorderColor;
    FCaptionBorderColorHot = other->FCaptionBorderColorHot;
    FCaptionColorHot = other->FCaptionColorHot;
    SetCaptionColorHotTo(other->FCaptionColorHotTo);
    SetCaptionTextColorHot(other->FCaptionTextColorHot);
}

// ---- TToolBarAppearance -------------------------------------------------------------------------

TAVIN_PUBLISHED(TToolBarAppearance)
{
    TAVIN_PROPERTY(TColor, BorderColorHot).Default(clNone);
    TAVIN_PROPERTY(TColor, BorderColor).Default(clNone);
    TAVIN_PROPERTY(TGradientBackground*, Color);
    TAVIN_PROPERTY(TGradientBackground*, ColorHot);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
}

TToolBarAppearance::TToolBarAppearance()
    : FColor(std::make_unique<TGradientBackground>()), FColorHot(std::make_unique<TGradientBackground>())
{
    FColorHot->SetColor(clNone);
    FColorHot->SetColorTo(clNone);
}

void TToolBarAppearance::Assign(const TPersistent* source)
{
    auto* other = dynamic_cast<const TToolBarAppearance*>(source);
    if (!other)
        return TPersistent::Assign(source);
    FColor->Assign(other->FColor.get());
    FColorHot->Assign(other->FColorHot.get());
    FBorderColor = other->FBorderColor;
    FBorderColorHot = other->FBorderColorHot;
}

// ---- TGroupAppearance ---------------------------------------------------------------------------

TAVIN_PUBLISHED(TGroupAppearance)
{
    TAVIN_PROPERTY(TColor, Color).Default(clWhite);
    TAVIN_PROPERTY(TColor, ColorTo).Default(clWhite);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
    TAVIN_PROPERTY(TColor, ColorMirror).Default(clSilver);
    TAVIN_PROPERTY(TColor, ColorMirrorTo).Default(clWhite);
    TAVIN_PROPERTY(TColor, BorderColor).Default(0xA3B8AC);
    TAVIN_PROPERTY(TGDIPGradient, GradientMirror).Default(ggVertical);
    TAVIN_PROPERTY(TGDIPGradient, Gradient).Default(ggVertical);
    TAVIN_PROPERTY(TColor, TextColor).Default(clBlue);
    TAVIN_PROPERTY(TCaptionAppearance*, CaptionAppearance);
    TAVIN_PROPERTY(TVistaPageBackground*, PageAppearance);
    TAVIN_PROPERTY(TToolBarAppearance*, ToolBarAppearance);
    TAVIN_PROPERTY(TCustomTabAppearance*, TabAppearance);
    TAVIN_PROPERTY(TFont*, Font);
    TAVIN_PROPERTY(bool, SystemFont).Default(true);
    TAVIN_PROPERTY(TColor, Background).Default(clInfoBk);
}

TGroupAppearance::TGroupAppearance()
    : FCaptionAppearance(std::make_unique<TCaptionAppearance>()),
      FPageAppearance(std::make_unique<TVistaPageBackground>()),
      FToolBarAppearance(std::make_unique<TToolBarAppearance>()),
      FTabAppearance(std::make_unique<TCustomTabAppearance>()), FFont(NewAppearanceFont())
{
    const TNotifyEvent partChanged = MakeHandler<&TGroupAppearance::PartChanged>(this);
    FCaptionAppearance->SetOnChange(partChanged);
    FPageAppearance->SetOnChange(partChanged);
    FToolBarAppearance->SetOnChange(partChanged);
    FTabAppearance->SetOnChange(partChanged);
}

TGroupAppearance::~TGroupAppearance() = default;

void TGroupAppearance::SetTabAppearance(TCustomTabAppearance* value) { FTabAppearance->Assign(value); }

void TGroupAppearance::PartChanged(TObject*) { Changed(); }

void TGroupAppearance::Assign(const TPersistent* source)
{
    if (!source)
        return;
    auto* other = dynamic_cast<const TGroupAppearance*>(source);
    if (!other)
        return TPersistent::Assign(source);
    FBackground = other->FBackground;
    FCaptionAppearance->Assign(other->FCaptionAppearance.get());
    FPageAppearance->Assign(other->FPageAppearance.get());
    FTabAppearance->Assign(other->FTabAppearance.get());
    FToolBarAppearance->Assign(other->FToolBarAppearance.get());
    FSteps = other->FSteps;
    FColor = other->FColor;
    FColorTo = other->FColorTo;
    FColorMirror = other->FColorMirror;
    FColorMirrorTo = other->FColorMirrorTo;
    FBorderColor = other->FBorderColor;
    FTextColor = other->FTextColor;
    FFont->Assign(other->FFont.get());
    SetGradient(other->FGradient);
    SetGradientMirror(other->FGradientMirror);
}

// ---- TQATAppearance -----------------------------------------------------------------------------

TAVIN_PUBLISHED(TQATAppearance)
{
    TAVIN_PROPERTY(TColor, FullSizeColorTo).Default(0xE3B28D);
    TAVIN_PROPERTY(TColor, FullSizeColor).Default(0xC59F81);
    TAVIN_PROPERTY(TColor, FullSizeBorderColor).Default(clBlack);
    TAVIN_PROPERTY(int, Steps).Default(64);
    TAVIN_PROPERTY(TColor, Color).Default(clWhite);
    TAVIN_PROPERTY(TColor, ColorTo).Default(clSilver);
    TAVIN_PROPERTY(TColor, BorderColor).Default(clGray);
}

void TQATAppearance::Assign(const TPersistent* source)
{
    if (!source)
        return;
    auto* other = dynamic_cast<const TQATAppearance*>(source);
    if (!other)
        return TPersistent::Assign(source);
    FBorderColor = other->FBorderColor;
    FColor = other->FColor;
    FColorTo = other->FColorTo;
    FFullSizeBorderColor = other->FFullSizeBorderColor;
    FFullSizeColor = other->FFullSizeColor;
    SetFullSizeColorTo(other->FFullSizeColorTo);
}

// ---- TPagerHints and TAppColor ------------------------------------------------------------------

TAVIN_PUBLISHED(TPagerHints)
{
    TAVIN_PROPERTY(String, MDIMaximizeBtnHint);
    TAVIN_PROPERTY(String, MDIMinimizeBtnHint);
    TAVIN_PROPERTY(String, MDICloseBtnHint);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
    TAVIN_PROPERTY(String, HelpBtnHint);
}

void TPagerHints::Assign(const TPersistent* source)
{
    if (auto* other = dynamic_cast<const TPagerHints*>(source)) {
        FMDIMaximizeBtnHint = other->FMDIMaximizeBtnHint;
        FMDIMinimizeBtnHint = other->FMDIMinimizeBtnHint;
        FMDICloseBtnHint = other->FMDICloseBtnHint;
        FHelpBtnHint = other->FHelpBtnHint;
    }
}

TAVIN_PUBLISHED(TAppColor)
{
    TAVIN_PROPERTY(TColor, TextColor).Default(clWhite);
    TAVIN_PROPERTY(TColor, HoverTextColor).Default(clBlack);
    TAVIN_PROPERTY(TColor, HoverColor).Default(0xF7E6CD);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
    TAVIN_PROPERTY(TColor, HoverBorderColor).Default(0xE7BE7A);
    TAVIN_PROPERTY(TColor, SelectedColor).Default(0xE7BE7A);
    TAVIN_PROPERTY(TColor, SelectedBorderColor).Default(0xE7BE7A);
    TAVIN_PROPERTY(TColor, SelectedTextColor).Default(clBlack);
    TAVIN_PROPERTY(TColor, AppButtonColor).Default(0xE29E00);
    TAVIN_PROPERTY(TColor, AppButtonHoverColor).Default(0xFFAC3C);
}

void TAppColor::Assign(const TPersistent* source)
{
    if (auto* other = dynamic_cast<const TAppColor*>(source)) {
        FAppButtonColor = other->FAppButtonColor;
        FAppButtonHoverColor = other->FAppButtonHoverColor;
        FTextColor = other->FTextColor;
        FHoverColor = other->FHoverColor;
        FHoverTextColor = other->FHoverTextColor;
        FSelectedColor = other->FSelectedColor;
        FSelectedTextColor = other->FSelectedTextColor;
        FSelectedBorderColor = other->FSelectedBorderColor;
    }
}
