// The caption-button glyphs: close, restore, maximize and minimize, drawn with canvas lines whose
// end points are exclusive.
#include <algorithm>
#include <initializer_list>

#include "Math.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_Shapes.h"

namespace {

int Scaled(double size) { return int(Round(size * double(DPIScale))); }

// The glyph's square side: the rectangle's shorter side less 6 scaled pixels, capped at 18 when asked.
int GlyphSide(const TRect& r, bool capped)
{
    const int side = std::min(r.Width(), r.Height()) - Scaled(6);
    return capped ? std::min(side, Scaled(18)) : side;
}

void Line(TCanvas* canvas, int x1, int y1, int x2, int y2)
{
    canvas->MoveTo(x1, y1);
    canvas->LineTo(x2, y2);
}

void Polyline(TCanvas* canvas, std::initializer_list<TPoint> points)
{
    canvas->MoveTo(points.begin()->X, points.begin()->Y);
    for (auto p = points.begin() + 1; p != points.end(); ++p)
        canvas->LineTo(p->X, p->Y);
}

void UsePen(TCanvas* canvas, TColor color, int width)
{
    canvas->Pen()->SetColor(color);
    canvas->Pen()->SetWidth(width);
}

bool Thin(bool thick, TGroupStyle style) { return style == gsOffice2019 || !thick; }

} // namespace

void DrawCloseGlyph(TCanvas* canvas, const TRect& r, TColor color, int penWidth, TGroupStyle style)
{
    const int L = r.Left, T = r.Top, W = r.Width(), H = r.Height(), s0 = GlyphSide(r, true);
    if (style == gsOffice2019) {
        UsePen(canvas, color, 1);
        int s = s0 / 2;
        if (s % 2 != 0)
            ++s;
        const int x0 = L + (W - s) / 2, y0 = T + (H - s) / 2;
        Line(canvas, x0, y0, x0 + s + 1, y0 + s + 1);
        Line(canvas, x0 + s, y0, x0 - 1, y0 + s + 1);
        return;
    }
    UsePen(canvas, color, penWidth);
    const int a = (W - s0) / 3, b = (H - s0) / 3;
    Line(canvas, L + a, T + s0 + b, L + s0 + a, T + b);
    Line(canvas, L + a, T + b, L + s0 + a, T + s0 + b);
}

void DrawRestoreGlyph(TCanvas* canvas, const TRect& r, TColor color, bool thick, TGroupStyle style)
{
    const int L = r.Left, T = r.Top, W = r.Width(), H = r.Height(), s0 = GlyphSide(r, false);
    UsePen(canvas, color, 1);
    if (Thin(thick, style)) {
        const int s = int(Round(s0 / 2.0)), d = Scaled(2);
        const int x0 = L + (W - s) / 2, y0 = T + (H - s) / 2;
        Polyline(canvas, {{x0 - d, y0 + d}, {x0 + s - d, y0 + d}, {x0 + s - d, y0 + s + d}, {x0 - d, y0 + s + d},
                          {x0 - d, y0 + d}});
        Polyline(canvas, {{x0, y0 + d}, {x0, y0}, {x0 + s, y0}, {x0 + s, y0 + s}, {x0 + s - d, y0 + s}});
        return;
    }
    const int x0 = L + (W - s0) / 2, y0 = T + (H - s0) / 2, x1 = x0 + s0, y1 = y0 + s0;
    Line(canvas, x0 + 2, y0, x1, y0);
    Line(canvas, x0 + 2, y0 + 1, x1, y0 + 1);
    Line(canvas, x1, y0, x1, y1 - 2);
    Line(canvas, x0, y0 + 3, x1 - 1, y0 + 3);
    Line(canvas, x0, y0 + 4, x1 - 1, y0 + 4);
    Polyline(canvas, {{x0, y0 + 4}, {x0, y1}, {x1 - 2, y1}, {x1 - 2, y0 + 4}});
}

void DrawMaximizeGlyph(TCanvas* canvas, const TRect& r, TColor color, bool thick, TGroupStyle style)
{
    const int L = r.Left, T = r.Top, W = r.Width(), H = r.Height(), s0 = GlyphSide(r, true);
    UsePen(canvas, color, 1);
    if (Thin(thick, style)) {
        const int s = s0 / 2, x0 = L + (W - s) / 2, y0 = T + (H - s) / 2;
        Polyline(canvas, {{x0, y0}, {x0 + s, y0}, {x0 + s, y0 + s}, {x0, y0 + s}, {x0, y0}});
        return;
    }
    const int x0 = L + (W - s0) / 2, y0 = T + (H - s0) / 2, x1 = x0 + s0;
    for (int row = 0; row < 3; ++row)
        Line(canvas, x0, y0 + row, x1, y0 + row);
    Polyline(canvas, {{x0, y0 + 2}, {x0, y0 + s0 - 1}, {x1 - 1, y0 + s0 - 1}, {x1 - 1, y0 + 2}});
}

void DrawMinimizeGlyph(TCanvas* canvas, const TRect& r, TColor color, bool thick, TGroupStyle style)
{
    const int L = r.Left, T = r.Top, W = r.Width(), H = r.Height(), s0 = GlyphSide(r, true);
    UsePen(canvas, color, 1);
    if (Thin(thick, style)) {
        const int h = int(Round(s0 / 2.0)), x = L + (W - h) / 2;
        Line(canvas, x, T + H / 2, x + h, T + H / 2);
        return;
    }
    const int y = T + (H - s0) / 2 + s0 - 2, x = L + (W - s0) / 2;
    Line(canvas, x, y - 1, x + s0, y - 1);
    Line(canvas, x, y, x + s0, y);
}
