#pragma once
// Colour arithmetic and background fills of the toolbar family: stepped gradients drawn with GDI
// pens and brushes (the classic Office look) and translucent GDI+ gradients drawn straight onto a
// device context (glass captions, hover overlays, fading edges). Rectangles are device pixels;
// nothing here scales by the DPI factor. The opaque GDI+ form of a colour is the foundation's
// RurGDIP::ColorToARGB.
#include "WinApiNames.h"

#include "Graphics.h"
#include "RurColorRules.h"

// Each channel reduced by percent %.
TColor DarkenColor(TColor color, int percent);
// Each channel scaled by (100 + delta) %, at most 100 %; a zero channel becomes delta when delta
// is positive.
TColor ShadeColor(TColor color, int delta);

// steps bands from fromColor to toColor, left to right when horizontal, else top to bottom; the
// canvas keeps the last band's pen and brush colour.
void DrawGradient(TCanvas* canvas, TColor fromColor, TColor toColor, int steps, TRect r, bool horizontal);
// A top band of topHeight + 1 rows and a bottom band for the rest (they share one row), each a
// 40-step gradient, a solid fill or nothing by which of its colours are set; then a one-pixel
// border (rounded when radius > 0) unless borderColor is clNone.
void DrawBandedFrame(TCanvas* canvas, const TRect& r, int topHeight, TColor topColor, TColor topColorTo,
                     TColor bottomColor, TColor bottomColorTo, TColor borderColor, int radius);

// Vertical GDI+ gradients on a device context, top colour first.
void DrawTranslucentRect(HDC dc, const TRect& r, TColor fillColor, TColor borderColor);
void DrawFadeRect(HDC dc, const TRect& r, TColor color);
void DrawAlphaGradient(HDC dc, const TRect& r, TColor color, Byte alphaTop, Byte alphaBottom);
void DrawTwoColorAlphaGradient(HDC dc, const TRect& r, TColor colorTop, TColor colorBottom, Byte alphaTop,
                               Byte alphaBottom);
// An alpha gradient whose last 40 pixels fade out in two-pixel strips.
void DrawFadeOutGradient(HDC dc, const TRect& r, TColor color, Byte alphaTop, Byte alphaBottom);
void DrawGlowBackground(HDC dc, const TRect& r);
