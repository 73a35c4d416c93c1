// The glow button's colour set and the fade speed of every glow button.
#include "RurGlowButton.h"

using namespace RurGDIP;

namespace {

int GlowSpeedValue = 20;

} // namespace

int GlowSpeed() { return GlowSpeedValue; }
void SetGlowSpeed(int value) { GlowSpeedValue = value; }

// ---- TGlowButtonAppearance ------------------------------------------------------------------------------

TAVIN_PUBLISHED(TGlowButtonAppearance)
{
    TAVIN_PROPERTY(TColor, BorderColor).Default(0xC0C0C0);
    TAVIN_PROPERTY(TColor, BorderColorHot).Default(0xFF0000);
    TAVIN_PROPERTY(TColor, BorderColorCheckedHot).Default(clNone);
    TAVIN_PROPERTY(TColor, BorderColorDown).Default(0x800000);
    TAVIN_PROPERTY(TColor, BorderColorChecked).Default(0xFF0000);
    TAVIN_PROPERTY(TColor, BorderColorDisabled).Default(0x808080);
    TAVIN_PROPERTY(TColor, BorderColorFocused).Default(0xE4AD89);
    TAVIN_PROPERTY(TColor, Color).Default(0xFFFFFF);
    TAVIN_PROPERTY(TColor, ColorTo).Default(0xFFFFFF);
    TAVIN_PROPERTY(TColor, ColorChecked).Default(0xF5D8CA);
    TAVIN_PROPERTY(TColor, ColorCheckedTo).Default(0xF9BDA0);
    TAVIN_PROPERTY(TColor, ColorDisabled).Default(0xF2F2F2);
    TAVIN_PROPERTY(TColor, ColorDisabledTo).Default(0xF2F2F2);
    TAVIN_PROPERTY(TColor, ColorDown).Default(0xF5D8CA);
    TAVIN_PROPERTY(TColor, ColorDownTo).Default(0xF9BDA0);
    TAVIN_PROPERTY(TColor, ColorHot).Default(0xF5F0E1);
    TAVIN_PROPERTY(TColor, ColorHotTo).Default(0xF9D2B2);
    TAVIN_PROPERTY(TColor, ColorMirror).Default(0xC0C0C0);
    TAVIN_PROPERTY(TColor, ColorMirrorTo).Default(0xFFFFFF);
    TAVIN_PROPERTY(TColor, ColorMirrorHot).Default(0xF5C8AD);
    TAVIN_PROPERTY(TColor, ColorMirrorHotTo).Default(0xFFF8F4);
    TAVIN_PROPERTY(TColor, ColorMirrorDown).Default(0xF5B49C);
    TAVIN_PROPERTY(TColor, ColorMirrorDownTo).Default(0xFFDFDC);
    TAVIN_PROPERTY(TColor, ColorMirrorChecked).Default(0xF5B49C);
    TAVIN_PROPERTY(TColor, ColorMirrorCheckedTo).Default(0xFFDFDC);
    TAVIN_PROPERTY(TColor, ColorMirrorDisabled).Default(0xB6B6B6);
    TAVIN_PROPERTY(TColor, ColorMirrorDisabledTo).Default(0xF2F2F2);
    TAVIN_PROPERTY(TGDIPGradient, Gradient).Default(ggVertical);
    TAVIN_PROPERTY(TGDIPGradient, GradientMirror).Default(ggVertical);
    TAVIN_PROPERTY(TGDIPGradient, GradientHot).Default(ggRadial);
    TAVIN_PROPERTY(TGDIPGradient, GradientMirrorHot).Default(ggRadial);
    TAVIN_PROPERTY(TGDIPGradient, GradientDown).Default(ggRadial);
    TAVIN_PROPERTY(TGDIPGradient, GradientMirrorDown).Default(ggRadial);
    TAVIN_PROPERTY(TGDIPGradient, GradientChecked).Default(ggRadial);
    TAVIN_PROPERTY(TGDIPGradient, GradientMirrorChecked).Default(ggVertical);
    TAVIN_PROPERTY(TGDIPGradient, GradientDisabled).Default(ggRadial);
    TAVIN_PROPERTY(TGDIPGradient, GradientMirrorDisabled).Default(ggRadial);
    TAVIN_PROPERTY(bool, SystemFont).Default(true);
    TAVIN_PROPERTY(TColor, TextColorChecked).Default(0x000000);
    TAVIN_PROPERTY(TColor, TextColorDown).Default(0x000000);
    TAVIN_PROPERTY(TColor, TextColorHot).Default(0x000000);
    TAVIN_PROPERTY(TColor, TextColorDisabled).Default(0x808080);
}

TGlowButtonAppearance::TGlowButtonAppearance() { Init(); }

void TGlowButtonAppearance::Init()
{
    // Hot colours darkened in red and green give the pressed and checked states; the normal colours
    // darkened by 5 percent the disabled one.
    SetColor(0xFFFFFF);
    SetColorTo(0xFFFFFF);
    SetColorMirror(0xC0C0C0);
    SetColorMirrorTo(0xFFFFFF);
    SetBorderColor(0xC0C0C0);
    SetGradient(ggVertical);
    SetGradientMirror(ggVertical);
    SetColorHot(0xF5F0E1);
    SetColorHotTo(0xF9D2B2);
    SetColorMirrorHot(0xF5C8AD);
    SetColorMirrorHotTo(0xFFF8F4);
    SetBorderColorHot(0xFF0000);
    SetGradientHot(ggRadial);
    SetGradientMirrorHot(ggRadial);
    auto pressed = [](TColor c) { return AdjustColorChannels(c, -10, -10, 0); };
    SetColorDown(pressed(FColorHot));
    SetColorDownTo(pressed(FColorHotTo));
    SetColorMirrorDown(pressed(FColorMirrorHot));
    SetColorMirrorDownTo(pressed(FColorMirrorHotTo));
    SetBorderColorDown(0x800000);
    SetGradientDown(ggRadial);
    SetGradientMirrorDown(ggRadial);
    SetColorChecked(FColorDown);
    SetColorCheckedTo(FColorDownTo);
    SetColorMirrorChecked(FColorMirrorDown);
    SetColorMirrorCheckedTo(FColorMirrorDownTo);
    SetBorderColorChecked(0xFF0000);
    FBorderColorCheckedHot = clNone;
    SetGradientChecked(ggRadial);
    SetGradientMirrorChecked(ggVertical);
    SetColorDisabled(ColorLightness(FColor, -5));
    SetColorDisabledTo(ColorLightness(FColorTo, -5));
    SetColorMirrorDisabled(ColorLightness(FColorMirror, -5));
    SetColorMirrorDisabledTo(ColorLightness(FColorMirrorTo, -5));
    SetBorderColorDisabled(0x808080);
    SetGradientDisabled(ggRadial);
    SetGradientMirrorDisabled(ggRadial);
    SetBorderColorFocused(0xE4AD89);
    SetTextColor(clNone);
    SetTextColorHot(0x000000);
    SetTextColorDown(0x000000);
    SetTextColorChecked(0x000000);
    FTextColorDisabled = 0x808080;
    SetSystemFont(true);
    FNoBorderDefault = false;
    FTranspHover = false;
    FTranspOffice = false;
}

void TGlowButtonAppearance::Assign(const TPersistent* source)
{
    if (!source)
        return;
    auto* other = dynamic_cast<const TGlowButtonAppearance*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    // Through the setters, so each changed value is announced.
    SetBorderColor(other->FBorderColor);
    SetBorderColorHot(other->FBorderColorHot);
    SetBorderColorDown(other->FBorderColorDown);
    SetBorderColorDisabled(other->FBorderColorDisabled);
    SetBorderColorChecked(other->FBorderColorChecked);
    SetBorderColorFocused(other->FBorderColorFocused);
    FBorderColorCheckedHot = other->FBorderColorCheckedHot;
    SetColor(other->FColor);
    SetColorTo(other->FColorTo);
    SetColorDown(other->FColorDown);
    SetColorDownTo(other->FColorDownTo);
    SetColorHot(other->FColorHot);
    SetColorHotTo(other->FColorHotTo);
    SetColorChecked(other->FColorChecked);
    SetColorCheckedTo(other->FColorCheckedTo);
    SetColorDisabled(other->FColorDisabled);
    SetColorDisabledTo(other->FColorDisabledTo);
    SetColorMirror(other->FColorMirror);
    SetColorMirrorTo(other->FColorMirrorTo);
    SetColorMirrorHot(other->FColorMirrorHot);
    SetColorMirrorHotTo(other->FColorMirrorHotTo);
    SetColorMirrorDown(other->FColorMirrorDown);
    SetColorMirrorDownTo(other->FColorMirrorDownTo);
    SetColorMirrorChecked(other->FColorMirrorChecked);
    SetColorMirrorCheckedTo(other->FColorMirrorCheckedTo);
    SetColorMirrorDisabled(other->FColorMirrorDisabled);
    SetColorMirrorDisabledTo(other->FColorMirrorDisabledTo);
    SetGradient(other->FGradient);
    SetGradientMirror(other->FGradientMirror);
    SetGradientHot(other->FGradientHot);
    SetGradientMirrorHot(other->FGradientMirrorHot);
    SetGradientDown(other->FGradientDown);
    SetGradientMirrorDown(other->FGradientMirrorDown);
    SetGradientChecked(other->FGradientChecked);
    SetGradientMirrorChecked(other->FGradientMirrorChecked);
    SetGradientDisabled(other->FGradientDisabled);
    SetGradientMirrorDisabled(other->FGradientMirrorDisabled);
    SetTextColor(other->FTextColor);
    SetTextColorHot(other->FTextColorHot);
    SetTextColorDown(other->FTextColorDown);
    SetTextColorChecked(other->FTextColorChecked);
    FTextColorDisabled = other->FTextColorDisabled;
    SetSystemFont(other->FSystemFont);
    FTranspHover = other->FTranspHover;
    FTranspOffice = other->FTranspOffice;
    FNoBorderDefault = other->FNoBorderDefault;
}
