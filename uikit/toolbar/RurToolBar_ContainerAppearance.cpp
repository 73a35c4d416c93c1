// The container frame line.
#include "RurToolBar_ContainerAppearance.h"

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
