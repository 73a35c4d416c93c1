#pragma once
// Small helpers the menu code shares: a rotated copy of a font, rectangle arithmetic, colour
// parts, and the exception of the appearance classes' indexed colour properties.
#include "Graphics.h"
#include "SysUtils.h"

TAVIN_EXCEPTION(EInvalidPropertyIndex, Exception);

namespace RurMenuUtil {

// A GDI font of the font's face, height and style turned by angle degrees (anticlockwise); the
// caller selects and deletes it.
HFONT CreateRotatedFont(TFont* font, int angle);
inline int RectWidth(const TRect& r) { return r.Right - r.Left; }
inline int RectHeight(const TRect& r) { return r.Bottom - r.Top; }
// The rect moved by (dx, dy); grown by dx on the left and right and dy on the top and bottom.
inline void Offset(TRect& r, int dx, int dy)
{
    r = Rect(r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy);
}
inline void Inflate(TRect& r, int dx, int dy)
{
    r = Rect(r.Left - dx, r.Top - dy, r.Right + dx, r.Bottom + dy);
}
// The rect becomes width x height, centred on where it was.
void CenterRect(TRect& r, int width, int height);
TRect BitmapRect(TBitmap* bitmap);
void ColorToRGBParts(TColor color, Byte& red, Byte& green, Byte& blue);
constexpr DWORD RGBA(Byte red, Byte green, Byte blue, Byte alpha)
{
    return DWORD(alpha) << 24 | DWORD(blue) << 16 | DWORD(green) << 8 | red;
}
inline int MinOf(int a, int b) { return a < b ? a : b; }
inline int MaxOf(int a, int b) { return a > b ? a : b; }

// Raises EInvalidPropertyIndex "Invalid property index %d.".
[[noreturn]] void RaiseInvalidPropertyIndex(int index);

} // namespace RurMenuUtil
