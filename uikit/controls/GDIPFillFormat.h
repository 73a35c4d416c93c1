#pragma once
// The clipboard format under which the GDI+ fill travels, apart from the fill itself so that the
// start-up table can name its step without the kit's GDI+ declarations.
#include "Startup.h"
#include "System.h"

// The clipboard format "GDI+ Fill", registered by the unit's start-up step (0 before).
Word CF_GDIPFILL();
void InitializeGDIPFillUnit();
inline constexpr TUnitStep GDIPFillUnit{"GDIPFill", &InitializeGDIPFillUnit, nullptr};
