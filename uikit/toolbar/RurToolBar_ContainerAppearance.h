#pragma once
// The frame line of toolbar containers.
#include "RurToolBar_AppearanceBase.h"

class TContainerAppearance : public TNotifyPersistent {
    TAVIN_PUBLISHED_CLASS(TContainerAppearance, TNotifyPersistent)
public:
    TContainerAppearance() = default;
    // From another container appearance through the setters; none is ignored; another class raises.
    void Assign(const TPersistent* source) override;

    RUR_TB_NOTIFYING(TColor, LineColor)
    RUR_TB_NOTIFYING(bool, Line3D)

private:
    TColor FLineColor = clBtnShadow;
    bool FLine3D = true;
};
