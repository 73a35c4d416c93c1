// The glow-button colour set and the container frame line.
#include "RurToolBar_GlowButtonAppearance.h"

TAVIN_PUBLISHED(TGlowButtonAppearance)
{
#define RUR_GLOW_PUBLISH_COLOUR(Name) TAVIN_PROPERTY(TColor, Name);
#define RUR_GLOW_PUBLISH_GRADIENT(Name) TAVIN_PROPERTY(TGDIPGradient, Name);
    RUR_GLOW_COLOURS(RUR_GLOW_PUBLISH_COLOUR)
    RUR_GLOW_GRADIENTS(RUR_GLOW_PUBLISH_GRADIENT)
    TAVIN_PROPERTY(bool, SystemFont).Default(true);
#undef RUR_GLOW_PUBLISH_COLOUR
#undef RUR_GLOW_PUBLISH_GRADIENT
}

void TGlowButtonAppearance::Assign(const TPersistent* source)
{
    if (!source)
        return;
    auto* other = dynamic_cast<const TGlowButtonAppearance*>(source);
    if (!other)
        return TPersistent::Assign(source);
#define RUR_GLOW_COPY(Name) Set##Name(other->F##Name);
    RUR_GLOW_COLOURS(RUR_GLOW_COPY)
    RUR_GLOW_GRADIENTS(RUR_GLOW_COPY)
#undef RUR_GLOW_COPY
    SetSystemFont(other->FSystemFont);
    FBorderColorCheckedHot = other->FBorderColorCheckedHot;
    FTextColorDisabled = other->FTextColorDisabled;
    FTranspHover = other->FTranspHover;
    FNoBorderDefault = other->FNoBorderDefault;
}

TAVIN_PUBLISHED(TContainerAppearance)
{
    TAVIN_PROPERTY(TColor, LineColor).Default(clBtnShadow);
    TAVIN_PROPERTY(bool, Line3D).Default(true);
}

void TContainerAppearance::Assign(const TPersistent* source)
{
    if (!source)
        return;
    auto* other = dynamic_cast<const TContainerAppearance*>(source);
    if (!other)
        return TPersistent::Assign(source);
    SetLineColor(other->FLineColor);
    SetLine3D(other->FLine3D);
}
