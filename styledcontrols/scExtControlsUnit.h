#pragma once
// The scExtControls unit's start-up and shut-down.
#include <vector>

#include "Startup.h"
#include "Themes.h"

// Registers the unit's classes for form resources, and the font boxes, the scroll box and the
// frame bar with their style hooks (once, however often it runs).
void scExtControlsInitialize();
// Removes the pairs again.
void scExtControlsFinalize();
inline constexpr TUnitStep scExtControlsUnit{"scExtControls", &scExtControlsInitialize, &scExtControlsFinalize};
// The unit's wrapper and hook pairs, in registration order.
std::vector<TStyleHookRegistration> scExtControlsStyleHooks();
