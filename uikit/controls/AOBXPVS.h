#pragma once
// The theme binder of the group box and the Office buttons: every visual-styles function bound by
// name at start-up.
#include "RurThemeBinding.h"
#include "Startup.h"

namespace AOBXPVS {
using TBinder = TThemeBinderUnit<TPartSizeBinding::AfterPosition>;
// Unloaded when the library did not load; missing entries are null.
inline const TThemeBinding& Theme() { return TBinder::Binding(); }
inline bool ThemeLibLoaded() { return TBinder::Binding().Loaded(); }
inline constexpr TUnitStep AOBXPVSUnit{"AOBXPVS", &TBinder::Load, &TBinder::Unload};
} // namespace AOBXPVS
