// Arrow, chevron, expander and separator glyphs drawn with pen lines sized by the scale.
#include "scDrawUtils.h"

#include "Math.h"
#include "Themes.h"

bool ThinDropDownArrows = false;

namespace {

int R(double value) { return static_cast<int>(Round(value)); }
int CenterX(const TRect& r) { return r.Left + r.Width() / 2; }
int CenterY(const TRect& r) { return r.Top + r.Height() / 2; }

// Lines through the canvas pen or, for the DC variants, through the stock DC pen.
class TLines {
public:
    TLines(TCanvas* canvas, TColor color, bool dcPen) : FCanvas(canvas), FDC(canvas->Handle()), FDCPen(dcPen)
    {
        if (FDCPen) {
            FSaved = SaveDC(FDC);
            SelectObject(FDC, GetStockObject(DC_PEN));
            SetDCPenColor(FDC, static_cast<COLORREF>(ColorToRGB(color)));
        } else {
            canvas->Pen()->SetColor(color);
        }
    }
    ~TLines()
    {
        if (FDCPen)
            RestoreDC(FDC, FSaved);
    }
    TLines(const TLines&) = delete;
    TLines& operator=(const TLines&) = delete;

    void Line(int x1, int y1, int x2, int y2)
    {
        if (FDCPen) {
            MoveToEx(FDC, x1, y1, nullptr);
            ::LineTo(FDC, x2, y2);
        } else {
            FCanvas->MoveTo(x1, y1);
            FCanvas->LineTo(x2, y2);
        }
    }
    void Color(TColor color)
    {
        if (FDCPen)
            SetDCPenColor(FDC, static_cast<COLORREF>(ColorToRGB(color)));
        else
            FCanvas->Pen()->SetColor(color);
    }

private:
    TCanvas* FCanvas;
    HDC FDC;
    bool FDCPen;
    int FSaved = 0;
};

// n strokes from an apex that moves one pixel per stroke; the first stroke's arms are one pixel
// shorter so that the tip stays sharp.
void Chevron(TLines& lines, int n, int apexX, int apexY, int stepX, int stepY, int armX, int armY, int firstArmX,
             int firstArmY)
{
    for (int k = 0; k < n; ++k) {
        const int x = apexX + k * stepX, y = apexY + k * stepY;
        const int ax = k == 0 ? firstArmX : armX, ay = k == 0 ? firstArmY : armY;
        lines.Line(x, y, x - ax, y - ay);
        lines.Line(x, y, x - (stepY ? -ax : ax), y - (stepX ? -ay : ay));
    }
}

// Down chevron: arms go up-left and up-right from the apex.
void DownChevron(TLines& lines, int n, int apexX, int apexY, int arm, int firstArm)
{
    Chevron(lines, n, apexX, apexY, 0, 1, arm, arm, firstArm, firstArm);
}

// Filled downward triangle: rows of 2n + 1 pixels narrowing to one, the widest on top.
void DownTriangle(TLines& lines, int cx, int bottom, int rows)
{
    for (int n = rows; n >= 0; --n)
        lines.Line(cx - n, bottom - n, cx + n + 1, bottom - n);
}

double TriangleScale(double scale) { return scale != 1 ? scale + 0.1 : 1; }

void DrawDownChevronWith(TCanvas* canvas, const TRect& rect, TColor color, double scale, bool dcPen)
{
    const int n = R(scale + 1);
    if (n <= 0)
        return;
    TLines lines(canvas, color, dcPen);
    const int a = R(scale * 4);
    DownChevron(lines, n, CenterX(rect), CenterY(rect) + R(scale * 2) - 1, a, a - 1);
}

void DrawSeparator(TCanvas* canvas, int x, int y, int width, int height, bool horizontal, const TControl* control)
{
    if (width <= 0 || height <= 0)
        return;
    TCustomStyleServices* services = StyleServices(control);
    auto mapped = [&](TColor c) { return services && services->Enabled() ? services->GetSystemColor(c) : c; };
    auto bitmap = MakeBitmap32(width, height);
    const DWORD shadow = ColorToAlphaPixel(mapped(clBtnShadow), 255);
    const DWORD highlight = ColorToAlphaPixel(mapped(clBtnHighlight), 255);
    for (int row = 0; row < height; ++row) {
        auto* line = static_cast<DWORD*>(bitmap->ScanLine(row));
        for (int column = 0; column < width; ++column)
            line[column] = (horizontal ? row : column) == 0 ? shadow : highlight;
    }
    DrawBitmapAlpha(bitmap.get(), canvas, x, y, 125);
}

void ExpandButton(TCanvas* canvas, const TRect& rect, int kind, double scale, TColor fill, TColor frame,
                  TColor bars, const TColor* highlight)
{
    const int b = R(scale * 8) + 1;
    auto bitmap = MakeBitmap32(b, b);
    TCanvas* c = bitmap->Canvas();
    c->Brush()->SetColor(fill);
    c->Pen()->SetColor(frame);
    c->Rectangle(0, 0, b, b);
    if (highlight) {
        c->Pen()->SetColor(*highlight);
        c->MoveTo(1, 1);
        c->LineTo(b - 1, 1);
    }
    c->Pen()->SetColor(bars);
    const int m = b / 2;
    const int offsets[] = {0, -1, 1};
    const int passes = scale >= 2 ? 3 : 1;
    for (int i = 0; i < passes; ++i) {
        c->MoveTo(2, m + offsets[i]);
        c->LineTo(b - 2, m + offsets[i]);
        if (kind != 1) {
            c->MoveTo(m + offsets[i], 2);
            c->LineTo(m + offsets[i], b - 2);
        }
    }
    canvas->Draw(CenterX(rect) - m, CenterY(rect) - m + 1, bitmap.get());
}

} // namespace

void DrawDownChevron(TCanvas* canvas, const TRect& rect, TColor color, double scale)
{
    DrawDownChevronWith(canvas, rect, color, scale, false);
}

void DrawDownChevronDC(TCanvas* canvas, const TRect& rect, TColor color, double scale)
{
    DrawDownChevronWith(canvas, rect, color, scale, true);
}

void DrawDownTriangleDC(TCanvas* canvas, const TRect& rect, TColor color, double scale)
{
    TLines lines(canvas, color, true);
    const double s = TriangleScale(scale);
    DownTriangle(lines, CenterX(rect), CenterY(rect) + R(s * 2), R(s * 3));
}

void DrawDropDownArrow(TCanvas* canvas, const TRect& rect, TColor color, const TControl* control, double scale)
{
    TLines lines(canvas, color, false);
    const int cx = CenterX(rect), cy = CenterY(rect);
    const bool custom = UsesCustomStyle(control);
    if ((IsWindows10OrLater() && !custom) || (custom && (IsWindowsStyle(control) || ThinDropDownArrows))) {
        const int c = R(scale * 5), d = R(scale * 2);
        DownChevron(lines, R(scale + 1), cx, cy + d - 1, c, c - 1);
    } else if (!(IsWindows8() && !custom)) {
        const double s = TriangleScale(scale);
        DownTriangle(lines, cx, cy + R(s * 2), R(s * 3));
    } else {
        const int c = R(scale * 2), d = R(scale * 4);
        DownChevron(lines, R(scale * 3), cx, cy + c - 1, d, d);
    }
}

void DrawExpandArrow(TCanvas* canvas, const TRect& rect, TColor color, bool modern, double scale, int direction,
                     TColor shadowColor)
{
    const int cx = CenterX(rect), cy = CenterY(rect);
    if (modern || IsWindows10OrLater()) {
        if (scale > 1.5)
            scale = Max(scale - 0.5, 1.5);
        TLines lines(canvas, color, false);
        const int e = R(scale), g = R(scale * 5), n = R(scale * 3);
        if (direction == 1)
            Chevron(lines, n, cx + e - 1, cy, 1, 0, g, g, g - 1, g - 1);
        else if (direction == 2)
            DownChevron(lines, n, cx, cy + e - 1, g, g - 1);
        return;
    }
    TLines lines(canvas, color, false);
    const double s = TriangleScale(scale);
    const int e = R(s * 2);
    const HDC dc = canvas->Handle();
    const COLORREF shadow = static_cast<COLORREF>(ColorToRGB(shadowColor));
    if (direction == 1) {
        const int N = R(s * 3 + 1);
        for (int i = N; i >= 0; --i) {
            const int x = cx + e - i;
            lines.Color(i == N ? shadowColor : color);
            lines.Line(x, cy + i, x, cy - i - 1);
            if (i < N) {
                SetPixel(dc, x, cy + i, shadow);
                SetPixel(dc, x, cy - i, shadow);
            }
        }
    } else if (direction == 2) {
        const int N = R(s * 5 + 1), o = R(s * 2);
        for (int i = N; i >= 0; --i) {
            const int y = cy + i - o - 2;
            lines.Color(i == N ? shadowColor : color);
            lines.Line(cx + e - i, y, cx + e, y);
            if (i < N) {
                SetPixel(dc, cx + e - i - 1, y + 1, shadow);
                SetPixel(dc, cx + e - 1, y + 1, shadow);
            }
        }
    }
}

namespace {
// Halves are drawn as the next whole scale so that the triangle's rows stay symmetric.
double WholeScale(double scale) { return Round(scale) != Trunc(scale) ? static_cast<double>(Round(scale)) : scale; }
} // namespace

void DrawTriangleArrow(TCanvas* canvas, const TRect& rect, TColor color, double scale, int direction)
{
    scale = WholeScale(scale);
    TLines lines(canvas, color, false);
    const int cx = CenterX(rect), cy = CenterY(rect);
    const int f = R(scale * 2), n = R(scale * 2 + 1);
    switch (direction) {
    case 1:
        for (int k = 0; k <= n; ++k)
            lines.Line(cx + k - f, cy - k, cx + k - f, cy + k + 1);
        break;
    case 2:
        for (int k = n; k >= 0; --k)
            lines.Line(cx + f - k, cy + k, cx + f - k, cy - k - 1);
        break;
    case 3:
        for (int k = 0; k <= n; ++k)
            lines.Line(cx - k, cy + k - f, cx + k + 1, cy + k - f);
        break;
    case 4:
        for (int k = n; k >= 0; --k)
            lines.Line(cx - k, cy + f - k, cx + k + 1, cy + f - k);
        break;
    default: break;
    }
}

void DrawChevronArrow(TCanvas* canvas, const TRect& rect, TColor color, double scale, int direction)
{
    scale = WholeScale(scale);
    TLines lines(canvas, color, true);
    const int cx = CenterX(rect), cy = CenterY(rect);
    const int e = R(scale * 4);
    const int n = static_cast<int>(Trunc(scale + 1));
    const int first = direction == 1 ? cx + R(scale * 2) - 1 : cx - R(scale * 2) - 1;
    const int arm = direction == 1 ? e : -e;
    if (direction != 1 && direction != 2)
        return;
    for (int k = 0; k < n; ++k) {
        const int x = first - k;
        lines.Line(x, cy, x - arm, cy - e);
        lines.Line(x, cy, x - arm, cy + e);
    }
}

void DrawHorzSeparator(TCanvas* canvas, const TRect& rect, const TControl* control)
{
    DrawSeparator(canvas, rect.Left, rect.Top, rect.Width(), 2, true, control);
}

void DrawVertSeparator(TCanvas* canvas, const TRect& rect, bool atRight, const TControl* control)
{
    DrawSeparator(canvas, atRight ? rect.Right - 2 : rect.Left, rect.Top, 2, rect.Height(), false, control);
}

void DrawExpandButtonColored(TCanvas* canvas, const TRect& rect, int kind, double scale, TColor glyphColor,
                             TColor fillColor)
{
    ExpandButton(canvas, rect, kind, scale, fillColor, GetContrastShadeColor(fillColor), glyphColor, nullptr);
}

void DrawExpandButton(TCanvas* canvas, const TRect& rect, int kind, const TControl* control, double scale,
                      TColor frameColor)
{
    const TColor fill = GetStyleSystemColor(clBtnFace, control);
    const TColor highlight = GetStyleSystemColor(clBtnHighlight, control);
    const TColor text = GetStyleSystemColor(clBtnText, control);
    ExpandButton(canvas, rect, kind, scale, fill, MixColors(frameColor, fill), MixColors(text, MixColors(text, fill)),
                 &highlight);
}
