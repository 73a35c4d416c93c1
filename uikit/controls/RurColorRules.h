#pragma once
// Colour rules the kit's painters share (glow buttons, toolbars, their looks).
#include "WinApiNames.h"

#include "Graphics.h"

// Each non-zero channel times min(100 + percent, 100) / 100; a zero channel becomes max(percent, 0).
TColor AdjustColorChannels(TColor color, int redPercent, int greenPercent, int bluePercent);
TColor ColorLightness(TColor color, int percent);
// percent of c1 and the rest of c2 per channel, halves to the even neighbour (100 or more: c1 as
// given, 0 or less: c2 as given; otherwise both resolved); clNone on either side gives the other.
TColor BlendColor(TColor c1, TColor c2, int percent);
