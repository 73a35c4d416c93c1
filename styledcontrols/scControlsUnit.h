#pragma once
// The scControls unit's start-up and shut-down.
#include <vector>

#include "Startup.h"
#include "Themes.h"

// Registers the kit's panel, label and button classes for form resources, and each styled
// wrapper class with its style hook (once, however often it runs).
void scControlsInitialize();
// Removes the wrapper and hook pairs again.
void scControlsFinalize();
inline constexpr TUnitStep scControlsUnit{"scControls", &scControlsInitialize, &scControlsFinalize};
// The unit's wrapper and hook pairs, in registration order.
std::vector<TStyleHookRegistration> scControlsStyleHooks();
