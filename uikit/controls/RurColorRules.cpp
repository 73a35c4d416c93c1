// Colour rules the kit's painters share.
#include "RurColorRules.h"

#include <algorithm>
#include <cmath>

namespace {

// Halves round to the even neighbour, as the presets' values were computed.
int Channel(double value) { return std::clamp(static_cast<int>(std::lrint(value)), 0, 255); }

int AdjustChannel(int channel, int percent)
{
    if (channel == 0)
        return std::max(percent, 0);
    return Channel(channel * std::min(100 + percent, 100) / 100.0);
}

} // namespace

TColor AdjustColorChannels(TColor color, int redPercent, int greenPercent, int bluePercent)
{
    const COLORREF c = ColorToRGB(color);
    return TColor(RGB(AdjustChannel(GetRValue(c), redPercent), AdjustChannel(GetGValue(c), greenPercent),
                      AdjustChannel(GetBValue(c), bluePercent)));
}

TColor ColorLightness(TColor color, int percent) { return AdjustColorChannels(color, percent, percent, percent); }

TColor BlendColor(TColor c1, TColor c2, int percent)
{
    if (percent >= 100)
        return c1;
    if (percent <= 0 || c1 == clNone)
        return c2;
    if (c2 == clNone)
        return c1;
    const COLORREF a = ColorToRGB(c1), b = ColorToRGB(c2);
    const double p = percent / 100.0;
    auto mix = [p](int x, int y) { return Channel(p * x + (1 - p) * y); };
    return TColor(RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
                      mix(GetBValue(a), GetBValue(b))));
}
