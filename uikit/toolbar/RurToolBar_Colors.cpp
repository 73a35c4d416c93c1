// Colour arithmetic, stepped GDI gradients and translucent GDI+ gradients.
#include "RurToolBar_Colors.h"

#include <algorithm>

#include "Math.h"
#include "RurGDIP.h"
#include "RurToolBar_Shapes.h"

using namespace RurGDIP;

namespace {

struct TRGB {
    int R, G, B;
};

TRGB Channels(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return {int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF)};
}

TColor FromChannels(int r, int g, int b) { return TColor(r | (g << 8) | (b << 16)); }

int RoundToInt(double value) { return int(Round(value)); }

// One vertical two-colour gradient over the rectangle it fills.
void FillVertical(TGPGraphics& g, float x, float y, float w, float h, ARGB top, ARGB bottom)
{
    const TGPRectF rect = MakeRectF(x, y, w, h);
    TGPLinearGradientBrush brush(rect, top, bottom, LinearGradientModeVertical);
    g.FillRectangle(&brush, rect);
}

void FillVertical(HDC dc, float x, float y, float w, float h, ARGB top, ARGB bottom)
{
    TGPGraphics g(dc);
    FillVertical(g, x, y, w, h, top, bottom);
}

} // namespace

TColor DarkenColor(TColor color, int percent)
{
    const TRGB c = Channels(color);
    auto darken = [percent](int v) { return RoundToInt(double(v * (100 - percent)) / 100.0); };
    return FromChannels(darken(c.R), darken(c.G), darken(c.B));
}

TColor ShadeColor(TColor color, int delta)
{
    const TRGB c = Channels(color);
    const double f = std::min(100 + delta, 100) / 100.0;
    auto shade = [&](int v) { return (v == 0 ? std::max(delta, 0) : RoundToInt(v * f)) & 0xFF; };
    return FromChannels(shade(c.R), shade(c.G), shade(c.B));
}

void DrawGradient(TCanvas* canvas, TColor fromColor, TColor toColor, int steps, TRect r, bool horizontal)
{
    if (horizontal)
        --r.Right;
    else
        --r.Bottom;
    if (steps == 0)
        steps = 1;
    const TRGB from = Channels(fromColor), to = Channels(toColor);
    const double incR = double(to.R - from.R) / steps, incG = double(to.G - from.G) / steps,
                 incB = double(to.B - from.B) / steps;
    const double band = double(horizontal ? r.Right - r.Left : r.Bottom - r.Top) / steps;
    const int bandSize = RoundToInt(band);
    for (int i = 0; i < steps; ++i) {
        const TColor color = FromChannels(from.R + RoundToInt(i * incR), from.G + RoundToInt(i * incG),
                                          from.B + RoundToInt(i * incB));
        const int p = RoundToInt(i * band);
        canvas->Pen()->SetColor(color);
        canvas->Brush()->SetColor(canvas->Pen()->Color());
        if (horizontal)
            canvas->Rectangle(r.Left + p, r.Top, r.Left + p + bandSize + 1, r.Bottom);
        else
            canvas->Rectangle(r.Left, r.Top + p, r.Right, r.Top + p + bandSize + 1);
    }
}

void DrawBandedFrame(TCanvas* canvas, const TRect& r, int topHeight, TColor topColor, TColor topColorTo,
                     TColor bottomColor, TColor bottomColorTo, TColor borderColor, int radius)
{
    TRect top = Rect(r.Left, r.Top, r.Right, r.Top + topHeight + 1);
    const TRect bottom = Rect(r.Left, r.Top + topHeight, r.Right, r.Bottom);
    if (topColor != clNone && bottomColor == clNone && bottomColorTo == clNone)
        top = r;
    auto band = [canvas](const TRect& rect, TColor color, TColor colorTo) {
        if (color == clNone)
            return;
        if (colorTo != clNone) {
            DrawGradient(canvas, color, colorTo, 40, rect, false);
        } else {
            canvas->Brush()->SetColor(color);
            canvas->FillRect(rect);
        }
    };
    band(top, topColor, topColorTo);
    band(bottom, bottomColor, bottomColorTo);
    if (borderColor == clNone)
        return;
    TGPGraphics g(canvas->Handle());
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    TGPPen pen(ColorToARGB(borderColor), 1);
    if (radius > 0)
        DrawRoundRectPath(&g, &pen, r.Left, r.Top, r.Width() - 1, r.Height() - 1, radius);
    else
        DrawRectPath(&g, &pen, r.Left, r.Top, r.Width() - 1, r.Height() - 1);
}

void DrawTranslucentRect(HDC dc, const TRect& r, TColor fillColor, TColor borderColor)
{
    TGPGraphics g(dc);
    const float w = float(r.Width()), h = float(r.Height());
    FillVertical(g, float(r.Left), float(r.Top), w, h + 1, MakeColor(150, fillColor), MakeColor(200, fillColor));
    TGPPen pen(MakeColor(255, borderColor), 1);
    g.DrawRectangle(&pen, float(r.Left), float(r.Top - 1), w, h + 1);
}

void DrawFadeRect(HDC dc, const TRect& r, TColor color)
{
    // The bytes are taken as they are: a system colour is not looked up.
    const Byte red = Byte(color & 0xFF), green = Byte((color >> 8) & 0xFF), blue = Byte((color >> 16) & 0xFF);
    FillVertical(dc, float(r.Left), float(r.Top), float(r.Width()), float(r.Height()), MakeARGB(5, red, green, blue),
                 MakeARGB(130, red, green, blue));
}

void DrawAlphaGradient(HDC dc, const TRect& r, TColor color, Byte alphaTop, Byte alphaBottom)
{
    DrawTwoColorAlphaGradient(dc, r, color, color, alphaTop, alphaBottom);
}

void DrawTwoColorAlphaGradient(HDC dc, const TRect& r, TColor colorTop, TColor colorBottom, Byte alphaTop,
                               Byte alphaBottom)
{
    FillVertical(dc, float(r.Left), float(r.Top), float(r.Width()), float(r.Height() + 1),
                 MakeColor(alphaTop, colorTop), MakeColor(alphaBottom, colorBottom));
}

void DrawFadeOutGradient(HDC dc, const TRect& r, TColor color, Byte alphaTop, Byte alphaBottom)
{
    TGPGraphics g(dc);
    const int w = r.Width();
    const float top = float(r.Top), h = float(r.Height() + 1);
    FillVertical(g, float(r.Left), top, float(w - 40), h, MakeColor(alphaTop, color), MakeColor(alphaBottom, color));
    int aTop = alphaTop, aBottom = alphaBottom;
    for (int strip = 0, x = r.Left + w - 40; strip < 18; ++strip, x += 2) {
        FillVertical(g, float(x), top, 2, h, MakeColor(Byte(aTop), color), MakeColor(Byte(aBottom), color));
        aTop = std::max(aTop - 10, 0);
        aBottom = std::max(aBottom - 12, 0);
    }
}

void DrawGlowBackground(HDC dc, const TRect& r)
{
    FillVertical(dc, float(r.Left), float(r.Top), float(r.Width()), float(r.Height()), MakeARGB(8, 255, 255, 100),
                 MakeARGB(128, 255, 255, 100));
}
