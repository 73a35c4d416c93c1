#pragma once
// The 28 looks of the Office toolbar styler as data, and the one routine that writes a look into a
// styler (inside the update bracket the styler's Style opens).
#include "RurToolBarStylers.h"

// Writes the preset: the frame every look shares, then the look's own values. A look writes a
// fixed list of properties; what it does not name keeps its value.
void ApplyToolBarPreset(TRurToolBarOfficeStyler& styler, TToolBarStyle value);

// Sets the font's name to the system's interface font when useSystemFont holds.
void ApplySystemFontName(TFont* font, bool useSystemFont);
