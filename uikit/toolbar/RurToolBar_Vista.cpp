// The two-half Vista painters and the segmented-button borders.
#include "RurToolBar_Vista.h"

#include <memory>

#include "RurToolBar_Colors.h"
#include "RurToolBar_Shapes.h"

using namespace RurGDIP;

namespace {

constexpr int VistaRadius = 3;

LinearGradientMode LinearMode(TGDIPGradient kind)
{
    switch (kind) {
    case ggDiagonalForward:
        return LinearGradientModeForwardDiagonal;
    case ggDiagonalBackward:
        return LinearGradientModeBackwardDiagonal;
    default:
        return LinearGradientModeVertical;
    }
}

std::unique_ptr<TGPBrush> LinearBrush(float x, float y, float w, float h, TColor from, TColor to, TGDIPGradient kind)
{
    return std::make_unique<TGPLinearGradientBrush>(MakeRectF(x, y, w, h), ColorToARGB(from), ColorToARGB(to),
                                                    LinearMode(kind));
}

// A radial brush on the ellipse (x, y, w, h), its centre colour at the centre point.
std::unique_ptr<TGPBrush> RadialBrush(float x, float y, float w, float h, TGPPointF centre, TColor centreColor,
                                      TColor surroundColor)
{
    TGPGraphicsPath ellipse;
    ellipse.AddEllipse(x, y, w, h);
    auto brush = std::make_unique<TGPPathGradientBrush>(&ellipse);
    brush->SetCenterPoint(centre);
    brush->SetCenterColor(ColorToARGB(centreColor));
    ARGB surround = ColorToARGB(surroundColor);
    int count = 1;
    brush->SetSurroundColors(&surround, count);
    return brush;
}

void StrokeBorder(TGPGraphics& g, TColor color, int x, int y, int w, int h, bool roundEdges)
{
    TGPPen pen(ColorToARGB(color), 1);
    if (roundEdges)
        DrawRoundRectPath(&g, &pen, x, y, w, h, VistaRadius);
    else
        DrawRectPath(&g, &pen, x, y, w, h);
}

void Line(TGPGraphics* g, TColor color, int x1, int y1, int x2, int y2)
{
    TGPPen pen(ColorToARGB(color), 1);
    g->DrawLine(&pen, float(x1), float(y1), float(x2), float(y2));
}

// The left edge of a middle or right segment: the darker border when hot, else a light separator
// two pixels shorter at each end.
void SegmentLeftEdge(TGPGraphics* g, TColor color, int x, int y, int h, bool hot)
{
    if (hot)
        Line(g, ShadeColor(color, -5), x, y, x, y + h);
    else
        Line(g, ShadeColor(clWhite, -10), x, y + 2, x, y + h - 2);
}

} // namespace

void DrawVistaGradient(TCanvas* canvas, const TRect& r, TColor color, TColor colorTo, TColor colorMirror,
                       TColor colorMirrorTo, TColor borderColor, TGDIPGradient gradient, TGDIPGradient gradientMirror,
                       bool roundEdges)
{
    const int w = r.Width(), h = r.Height();
    int hh = h / 2;
    TGPGraphics g(canvas->Handle());
    if (colorTo == clNone && colorMirror == clNone) {
        TGPSolidBrush brush(ColorToARGB(color));
        g.FillRectangle(&brush, float(r.Left - 1), float(r.Top), float(w), float(h));
        g.SetSmoothingMode(SmoothingModeAntiAlias);
        if (borderColor != clNone) {
            if (roundEdges)
                StrokeBorder(g, borderColor, r.Left, r.Top, w - 1, h - 1, true);
            else
                StrokeBorder(g, borderColor, r.Left - 2, r.Top, w + 1, h - 1, false);
        }
        return;
    }

    canvas->Brush()->SetColor(colorMirror);
    canvas->FillRect(Rect(r.Left, r.Top + hh, r.Right, r.Bottom));
    if (gradientMirror == ggRadial) {
        auto brush = RadialBrush(float(r.Left), float(r.Top + hh), float(w), float(h),
                                 MakePointF(float(r.Left + w / 2), float(r.Bottom)), colorMirrorTo, colorMirror);
        g.FillRectangle(brush.get(), float(r.Left + 1), float(r.Top + hh), float(w - 1), float(hh + 1));
    } else {
        auto brush = LinearBrush(float(r.Left), float(r.Top + hh), float(w), float(hh), colorMirror, colorMirrorTo,
                                 gradientMirror);
        g.FillRectangle(brush.get(), float(r.Left + 1), float(r.Top + hh + 1), float(w - 1), float(hh + 1));
    }

    canvas->Brush()->SetColor(color);
    canvas->FillRect(Rect(r.Left, r.Top, r.Right, r.Top + hh));
    std::unique_ptr<TGPBrush> upper;
    if (gradient == ggRadial)
        upper = RadialBrush(float(r.Left), float(r.Top - hh), float(w), float(h),
                            MakePointF(float(r.Left + w / 2), float(r.Top)), colorTo, color);
    else if (gradient == ggVertical)
        upper = LinearBrush(float(r.Left), float(r.Top), float(w), float(hh), color, colorTo, gradient);
    else
        upper = LinearBrush(float(r.Left), float(r.Top), float(w), float(h), color, colorTo, gradient);
    if (h % 2 != 0)
        ++hh;
    g.FillRectangle(upper.get(), float(r.Left + 1), float(r.Top + 1), float(w - 1), float(h - hh - 1));

    g.SetSmoothingMode(SmoothingModeAntiAlias);
    if (borderColor != clNone)
        StrokeBorder(g, borderColor, r.Left, r.Top, w - 1, h - 1, roundEdges);
    canvas->Brush()->SetColor(color);
    canvas->Brush()->SetStyle(bsClear);
}

// The canvas is part of the shared signature; the half is painted on the graphics object alone.
void DrawVistaHalf(TCanvas*, TGPGraphics* g, const TRect& r, TColor first, TColor second, TGDIPGradient kind,
                   bool upper)
{
    const int d = r.Height() / 2, hw = r.Width() / 2;
    const float x = float(r.Left), y = float(r.Top), boxW = float(r.Right), boxH = float(r.Bottom);
    TGPSolidBrush base(ColorToARGB(upper ? first : second));
    g->FillRectangle(&base, x, y, boxW, boxH);
    if (first == clNone || second == clNone)
        return;
    std::unique_ptr<TGPBrush> brush;
    if (kind == ggRadial)
        brush = RadialBrush(x, upper ? float(r.Top - d + 2) : y, boxW, boxH,
                            MakePointF(float(r.Left + hw), upper ? float(r.Top) : float(r.Bottom)),
                            upper ? second : first, upper ? first : second);
    else
        brush = LinearBrush(x, y, float(r.Width()), float(r.Height()), first, second, kind);
    g->FillRectangle(brush.get(), x, y, boxW, boxH);
}

void DrawVistaButton(TCanvas* canvas, const TRect& r, TColor color, TColor colorTo, TColor colorMirror,
                     TColor colorMirrorTo, TColor borderColor, TGDIPGradient gradient, TGDIPGradient gradientMirror,
                     TButtonPosition buttonPosition, bool hot, bool transparent, bool rounded)
{
    TGPGraphics g(canvas->Handle());
    const int hh = r.Height() / 2;
    const int radius = rounded ? VistaRadius : 0;
    if (!transparent) {
        DrawVistaHalf(canvas, &g, Rect(r.Left, r.Top + hh - 1, r.Right, r.Bottom), colorMirrorTo, colorMirror,
                      gradientMirror, false);
        DrawVistaHalf(canvas, &g, Rect(r.Left, r.Top, r.Right, r.Bottom - hh), color, colorTo, gradient, true);
    }
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    if (!transparent) {
        const int x = r.Left, y = r.Top, w = r.Right - 1, h = r.Bottom - 1;
        switch (buttonPosition) {
        case bpStandalone:
            DrawRoundRectColor(&g, borderColor, x, y, w, h, radius);
            break;
        case bpLeft:
            DrawVistaBorderRoundLeft(&g, borderColor, x, y, w, h, radius);
            break;
        case bpMiddle:
            DrawVistaBorderMiddle(&g, borderColor, x, y, w, h, hot);
            break;
        case bpRight:
            DrawVistaBorderRoundRight(&g, borderColor, x, y, w, h, radius, hot);
            break;
        }
    }
    canvas->Brush()->SetStyle(bsClear);
}

void DrawGDIPGradientRect(TGPGraphics* g, TCanvas* canvas, TColor first, TColor second, const TRect& r)
{
    TGraphicsOrCanvas graphics(g, canvas);
    if (graphics.Get())
        DrawVistaHalf(canvas, graphics.Get(), r, first, second, ggVertical, true);
}

void DrawRoundRectColor(TGPGraphics* g, TColor color, int x, int y, int w, int h, int radius)
{
    TGPPen pen(ColorToARGB(color), 1);
    DrawRoundRectPath(g, &pen, x, y, w, h, radius);
}

void DrawDottedRoundRect(TGPGraphics* g, TColor color, int x, int y, int w, int h, int radius)
{
    TGPPen pen(ColorToARGB(color), 1);
    pen.SetDashStyle(DashStyleDot);
    DrawRoundRectPath(g, &pen, x, y, w, h, radius);
}

void DrawVistaBorderRoundLeft(TGPGraphics* g, TColor color, int x, int y, int w, int h, int radius)
{
    const float X = float(x), Y = float(y), W = float(w), H = float(h), R = float(radius), D = 2 * R;
    TGPGraphicsPath path;
    path.AddLine(X + W, Y + H, X + R, Y + H);
    path.AddArc(X, Y + H - D, D, D, 90, 90);
    path.AddLine(X, Y + H - D, X, Y + R);
    path.AddArc(X, Y, D, D, 180, 90);
    path.AddLine(X + R, Y, X + W, Y);
    TGPPen pen(ColorToARGB(color), 1);
    g->DrawPath(&pen, &path);
    Line(g, ShadeColor(color, -5), x + w, y, x + w, y + h);
}

void DrawVistaBorderMiddle(TGPGraphics* g, TColor color, int x, int y, int w, int h, bool hot)
{
    Line(g, color, x - 1, y + h, x + w, y + h);
    Line(g, color, x - 1, y, x + w, y);
    Line(g, ShadeColor(color, -5), x + w, y, x + w, y + h);
    SegmentLeftEdge(g, color, x, y, h, hot);
}

void DrawVistaBorderRoundRight(TGPGraphics* g, TColor color, int x, int y, int w, int h, int radius, bool hot)
{
    const float X = float(x), Y = float(y), W = float(w), H = float(h), R = float(radius), D = 2 * R;
    TGPGraphicsPath path;
    path.AddLine(X, Y, X + W - D, Y);
    path.AddArc(X + W - D, Y, D, D, 270, 90);
    path.AddLine(X + W, Y + R, X + W, Y + H - D);
    path.AddArc(X + W - D, Y + H - D, D, D, 0, 90);
    path.AddLine(X + W, Y + H, X, Y + H);
    TGPPen pen(ColorToARGB(color), 1);
    g->DrawPath(&pen, &path);
    SegmentLeftEdge(g, color, x, y, h, hot);
}
