// One fixed scene of a few hundred shapes, gradients and texts drawn through the drawing object
// with its GDI+ back end, beside the same primitives drawn with the statically bound GDI+ wrappers
// directly, in one run: scripts/wine-run build/windows/bench/rur_graphics_bench.exe [scenes]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "GraphicUnits.h"
#include "RurFoundationUnits.h"
#include "RurGDIP.h"
#include "RurGraphics.h"

namespace {

constexpr int Width = 400, Height = 300, Shapes = 100, Texts = 50;

TRectF Cell(int i) { return {float(i * 37 % 360), float(i * 53 % 270), float(i * 37 % 360 + 30), float(i * 53 % 270 + 20)}; }
TColor ColorOf(int i) { return TColor((i * 2654435761u) & 0xFFFFFF); }

void ThroughDrawingObject(TRurGraphics& g)
{
    g.Context()->SetSize(Width, Height);
    g.BeginScene();
    g.Stroke()->SetColor(0x404040);
    for (int i = 0; i < Shapes; ++i) {
        g.Fill()->SetKind(gfkSolid);
        g.Fill()->SetColor(ColorOf(i));
        g.DrawRectangle(Cell(i));
        g.DrawEllipse(Cell(i + Shapes));
        g.Fill()->SetKind(gfkGradient);
        g.Fill()->SetColorTo(ColorOf(i + 1));
        g.DrawRectangle(Cell(i + 2 * Shapes), TRurGraphicsSides{}, gcrmNone);
    }
    g.Font()->SetColor(0);
    for (int i = 0; i < Texts; ++i)
        g.DrawText(Cell(i), u"Sample text", false, gtaLeading, gtaLeading, gttNone, 0, -1, -1, false);
    g.EndScene();
}

void Direct(HDC dc)
{
    using namespace RurGDIP;
    const auto argb = [](TColor c) { return MakeColor(255, c); };
    const auto rect = [](TRectF r) { return MakeRectF(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top); };
    TGPGraphics g(dc);
    TGPPen pen(argb(0x404040), 1);
    TGPFontFamily family(u"Arial", nullptr);
    TGPFont font(&family, 8, FontStyleRegular, UnitPoint);
    TGPStringFormat format(0x5000, 0);
    TGPSolidBrush textBrush(argb(0));
    for (int i = 0; i < Shapes; ++i) {
        TGPSolidBrush brush(argb(ColorOf(i)));
        g.FillRectangle(&brush, rect(Cell(i)));
        g.DrawRectangle(&pen, rect(Cell(i)));
        g.FillEllipse(&brush, rect(Cell(i + Shapes)));
        g.DrawEllipse(&pen, rect(Cell(i + Shapes)));
        TGPLinearGradientBrush gradient(rect(Cell(i + 2 * Shapes)), argb(ColorOf(i)), argb(ColorOf(i + 1)),
                                        LinearGradientModeHorizontal);
        g.FillRectangle(&gradient, rect(Cell(i + 2 * Shapes)));
    }
    for (int i = 0; i < Texts; ++i)
        g.DrawString(u"Sample text", -1, &font, rect(Cell(i)), &format, &textBrush);
}

template <class Body>
double Milliseconds(Body body)
{
    const auto start = std::chrono::steady_clock::now();
    body();
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    const int scenes = argc > 1 ? std::atoi(argv[1]) : 40;
    StartGraphicUnits();
    TUnitsScope units(RurFoundationUnits());
    TBitmap target;
    target.SetSize(Width, Height);
    TRurGraphics g(target.Canvas(), true);
    // One of each first, so that font and codec caches are warm for both.
    ThroughDrawingObject(g);
    Direct(target.Canvas()->Handle());
    // Alternating scenes, so that a busy machine slows both alike; medians of each.
    std::vector<double> oursTimes, directTimes;
    for (int i = 0; i < scenes; ++i) {
        oursTimes.push_back(Milliseconds([&] { ThroughDrawingObject(g); }));
        directTimes.push_back(Milliseconds([&] { Direct(target.Canvas()->Handle()); }));
    }
    const double ours = Median(oursTimes), direct = Median(directTimes);
    std::printf("scene of %d shapes and %d texts, median of %d: TRurGraphics (GDI+) %.2f ms   direct GDI+ %.2f ms   "
                "ratio %.2f\n",
                3 * Shapes, Texts, scenes, ours, direct, ours / direct);
    return 0;
}
