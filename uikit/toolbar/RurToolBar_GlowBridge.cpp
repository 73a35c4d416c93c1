// The glow-button side of RurToolBar_GlowBridge.h.
#include "RurToolBar_GlowBridge.h"

#include "RurGlowButton.h"

bool SetGlowButtonRotated(TControl* control, bool rotated)
{
    auto* glow = dynamic_cast<TRurCustomGlowButton*>(control);
    if (glow)
        glow->SetIsRotated(rotated);
    return glow != nullptr;
}
