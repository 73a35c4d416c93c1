#pragma once
// The scModernControls unit's start-up and shut-down.
#include <vector>

#include "Startup.h"
#include "Themes.h"

// Registers the page viewer's classes for form resources and its page with the scroll box's
// style hook (once, however often it runs).
void scModernControlsInitialize();
// Removes the pair again.
void scModernControlsFinalize();
inline constexpr TUnitStep scModernControlsUnit{"scModernControls", &scModernControlsInitialize,
                                                &scModernControlsFinalize};
// The unit's wrapper and hook pairs.
std::vector<TStyleHookRegistration> scModernControlsStyleHooks();
