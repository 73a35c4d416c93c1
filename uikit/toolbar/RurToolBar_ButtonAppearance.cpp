// The toolbar button's colour set.
#include "RurToolBar_ButtonAppearance.h"

#include "RurStyleIF.h"
#include "RurToolBar_Platform.h"

TAVIN_PUBLISHED(TButtonAppearance)
{
    TAVIN_PROPERTY(TColor, Color).Default(clNone);
    TAVIN_PROPERTY(TColor, ColorTo).Default(clNone);
    TAVIN_PROPERTY(TColor, ColorChecked).Default(0xD8D5D4);
    TAVIN_PROPERTY(TColor, ColorCheckedTo).Default(clNone);
    TAVIN_PROPERTY(TColor, ColorDown).Default(0xB59285);
    TAVIN_PROPERTY(TColor, ColorDownTo).Default(clNone);
    TAVIN_PROPERTY(TColor, ColorHot).Default(0xD2BDB6);
    TAVIN_PROPERTY(TColor, ColorHotTo).Default(clNone);
    TAVIN_PROPERTY(TColor, CaptionTextColor).Default(clBlack);
    TAVIN_PROPERTY(TColor, CaptionTextColorHot).Default(clBlack);
    TAVIN_PROPERTY(TColor, CaptionTextColorDown).Default(clBlack);
    TAVIN_PROPERTY(TColor, CaptionTextColorChecked).Default(clBlack);
    TAVIN_PROPERTY(TGradientDirection, GradientDirection).Default(gdVertical);
    TAVIN_PROPERTY(TGradientDirection, GradientDirectionHot).Default(gdVertical);
    TAVIN_PROPERTY(TGradientDirection, GradientDirectionDown).Default(gdVertical);
    TAVIN_PROPERTY(TGradientDirection, GradientDirectionChecked).Default(gdVertical);
    TAVIN_PROPERTY(TColor, BorderColor).Default(clNone);
    TAVIN_PROPERTY(TColor, BorderDownColor).Default(0x6A240A);
    TAVIN_PROPERTY(TColor, BorderHotColor).Default(0x6A240A);
    TAVIN_PROPERTY(TColor, BorderCheckedColor).Default(0x6A240A);
    TAVIN_PROPERTY(TFont*, CaptionFont);
    TAVIN_PROPERTY(bool, SystemFont).Default(true);
}

TButtonAppearance::TButtonAppearance() : FCaptionFont(std::make_unique<TFont>())
{
    FCaptionFont->SetHeight(-11);
    SetUIFont(FCaptionFont.get(), IsVistaOrLater());
}

void TButtonAppearance::Assign(const TPersistent* source)
{
    auto* other = dynamic_cast<const TButtonAppearance*>(source);
    if (!other)
        return;
    FColor = other->FColor;
    FColorTo = other->FColorTo;
    FColorHot = other->FColorHot;
    FColorHotTo = other->FColorHotTo;
    FColorDown = other->FColorDown;
    FColorDownTo = other->FColorDownTo;
    FColorChecked = other->FColorChecked;
    FColorCheckedTo = other->FColorCheckedTo;
    FCaptionTextColor = other->FCaptionTextColor;
    FCaptionTextColorHot = other->FCaptionTextColorHot;
    FCaptionTextColorDown = other->FCaptionTextColorDown;
    FCaptionTextColorChecked = other->FCaptionTextColorChecked;
    FGradientDirection = other->FGradientDirection;
    FBorderColor = other->FBorderColor;
    FBorderHotColor = other->FBorderHotColor;
    FBorderDownColor = other->FBorderDownColor;
    FBorderCheckedColor = other->FBorderCheckedColor;
}

void TButtonAppearance::SetCaptionFont(TFont* value)
{
    FCaptionFont->Assign(value);
    Changed();
}

void TButtonAppearance::SetSystemFont(bool value) { StoreSystemFont(FSystemFont, value, FCaptionFont.get()); }
