// Colour values and their conversion to the RGB values GDI takes.
#include "Graphics.h"

TColor ColorToRGB(TColor color)
{
    if (color < 0)
        return static_cast<TColor>(GetSysColor(color & 0xFF));
    return color;
}

RECT ToWinRect(const TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }

TRect FromWinRect(const RECT& r)
{
    return TRect{static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right),
                 static_cast<int>(r.bottom)};
}
