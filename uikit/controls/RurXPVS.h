#pragma once
// The kit's general theme binder: every visual-styles function bound by name at start-up.
#include "RurThemeBinding.h"
#include "Startup.h"

namespace RurXPVS {
using TBinder = TThemeBinderUnit<TPartSizeBinding::InListOrder>;
// Unloaded when the library did not load; missing entries are null.
inline const TThemeBinding& Theme() { return TBinder::Binding(); }
inline bool ThemeLibLoaded() { return TBinder::Binding().Loaded(); }
inline constexpr TUnitStep RurXPVSUnit{"RurXPVS", &TBinder::Load, &TBinder::Unload};
} // namespace RurXPVS
