// GDI+ outline shapes, the quick-access-toolbar frame and the bevel lines.
#include "RurToolBar_Shapes.h"

#include "Math.h"
#include "RurGDIP.h"
#include "RurToolBar_Platform.h"

using namespace RurGDIP;

TGraphicsOrCanvas::TGraphicsOrCanvas(TGPGraphics* graphics, TCanvas* canvas) : FGraphics(graphics)
{
    if (FGraphics || !canvas)
        return;
    FOwn = std::make_unique<TGPGraphics>(canvas->Handle());
    FOwn->SetSmoothingMode(SmoothingModeAntiAlias);
    FGraphics = FOwn.get();
}

void DrawLinePath(TGPGraphics* g, const TGPPen* pen, int x, int y, int dx, int dy)
{
    TGPGraphicsPath path;
    path.AddLine(float(x), float(y), float(x + dx), float(y + dy));
    path.CloseFigure();
    g->DrawPath(pen, &path);
}

void DrawArcPath(TGPGraphics* g, const TGPPen* pen, int x, int y, int w, int h, float startAngle, float sweepAngle,
                 bool close)
{
    TGPGraphicsPath path;
    path.AddArc(float(x), float(y), float(w), float(h), startAngle, sweepAngle);
    if (close)
        path.CloseFigure();
    g->DrawPath(pen, &path);
}

void DrawRectPath(TGPGraphics* g, const TGPPen* pen, int x, int y, int w, int h)
{
    TGPGraphicsPath path;
    path.AddLine(float(x), float(y), float(x + w), float(y));
    path.AddLine(float(x + w), float(y), float(x + w), float(y + h));
    path.AddLine(float(x + w), float(y + h), float(x), float(y + h));
    path.AddLine(float(x), float(y + h), float(x), float(y));
    path.CloseFigure();
    g->DrawPath(pen, &path);
}

void DrawRoundRectPath(TGPGraphics* g, const TGPPen* pen, int x, int y, int w, int h, int radius)
{
    const float X = float(x), Y = float(y), W = float(w), H = float(h), R = float(radius), D = 2 * R;
    TGPGraphicsPath path;
    path.AddLine(X + R, Y, X + W - D, Y);
    path.AddArc(X + W - D, Y, D, D, 270, 90);
    path.AddLine(X + W, Y + R, X + W, Y + H - D);
    path.AddArc(X + W - D, Y + H - D, D, D, 0, 90);
    path.AddLine(X + W - D, Y + H, X + R, Y + H);
    path.AddArc(X, Y + H - D, D, D, 90, 90);
    path.AddLine(X, Y + H - D, X, Y + R);
    path.AddArc(X, Y, D, D, 180, 90);
    path.CloseFigure();
    g->DrawPath(pen, &path);
}

void DrawGDIPLine(HDC dc, TColor color, float x, float y, float dx, float dy)
{
    TGPGraphics g(dc);
    TGPPen pen(ColorToARGB(color), 1);
    g.DrawLine(&pen, x, y, x + dx, y + dy);
}

void DrawRectangleGDIP(TGPGraphics* g, TCanvas* canvas, TColor color, const TRect& r)
{
    TGraphicsOrCanvas graphics(g, canvas);
    if (!graphics.Get())
        return;
    TGPPen pen(ColorToARGB(color), 1);
    DrawRectPath(graphics.Get(), &pen, r.Left, r.Top, r.Width(), r.Height());
}

void DrawArrowGDIP(TGPGraphics* g, TCanvas* canvas, TColor color, TPoint p)
{
    TGraphicsOrCanvas graphics(g, canvas);
    if (!graphics.Get())
        return;
    const float x = float(p.X), y = float(p.Y);
    TGPPen pen(ColorToARGB(color), 1);
    TGPGraphicsPath path;
    path.AddLine(x, y, x + 5, y);
    path.AddLine(x + 1, y + 1, x + 4, y + 1);
    path.AddLine(x + 2, y + 2, x + 2, y + 2);
    path.CloseFigure();
    graphics.Get()->DrawPath(&pen, &path);
}

void DrawQATFrame(HDC dc, const TRect& r)
{
    TGPGraphics g(dc);
    if (GetScenicRibbon()) {
        const float x1 = float(r.Left + Round(22 * double(DPIScale))), x2 = float(r.Right - 3);
        const float top = float(r.Top + 7);
        TGPPen wide(MakeColor(100, clWhite), 3);
        g.DrawLine(&wide, x1, top, x1, float(r.Bottom - 4));
        g.DrawLine(&wide, x2, top, x2, float(r.Bottom - 4));
        TGPPen line(MakeColor(150, TColor(0x706A63)), 1);
        g.DrawLine(&line, x1, top, x1, float(r.Bottom - 6));
        g.DrawLine(&line, x2, top, x2, float(r.Bottom - 6));
        return;
    }
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    TGPPen pen(MakeARGB(200, 128, 128, 128), 1.5f);
    const int mid = r.Top + (r.Bottom - r.Top) / 2;
    TGPGraphicsPath path;
    path.AddLine(float(r.Left), float(r.Top), float(r.Right - 10), float(r.Top));
    const TGPPoint right[] = {MakePoint(r.Right - 15, r.Top - 4), MakePoint(r.Right, mid),
                              MakePoint(r.Right - 15, r.Bottom + 4)};
    path.AddCurve(right, 3, 1.0f);
    path.AddLine(float(r.Left + 12), float(r.Bottom), float(r.Right - 10), float(r.Bottom));
    const TGPPoint left[] = {MakePoint(r.Left + 12, r.Bottom), MakePoint(r.Left + 10, mid - 2),
                             MakePoint(r.Left + 2, r.Top)};
    path.AddCurve(left, 3, 1.0f);
    path.CloseFigure();
    g.DrawPath(&pen, &path);
}

void DrawBevelLines(TCanvas* canvas, TPoint p1, TPoint p2, bool raised, bool horizontal)
{
    const TColor first = raised ? clWhite : clBtnShadow, second = raised ? clBtnShadow : clWhite;
    canvas->Pen()->SetColor(first);
    if (horizontal) {
        canvas->MoveTo(p1.X - 1, p1.Y - 1);
        canvas->LineTo(p2.X - 1, p2.Y);
        canvas->LineTo(p2.X + 1, p2.Y);
        canvas->Pen()->SetColor(second);
        canvas->MoveTo(p2.X + 1, p2.Y);
        canvas->LineTo(p2.X + 1, p1.Y);
        canvas->LineTo(p2.X - 1, p1.Y);
    } else {
        canvas->MoveTo(p1.X - 1, p1.Y + 1);
        canvas->LineTo(p1.X - 1, p1.Y - 1);
        canvas->LineTo(p2.X + 1, p2.Y - 1);
        canvas->Pen()->SetColor(second);
        canvas->MoveTo(p2.X + 1, p2.Y - 1);
        canvas->LineTo(p2.X + 1, p2.Y + 1);
        canvas->LineTo(p1.X, p1.Y + 1);
    }
}

void CenterRect(TRect& r, int w, int h)
{
    r.Right = (r.Left + r.Right + w) / 2;
    r.Bottom = (r.Top + r.Bottom + h) / 2;
    r.Left = r.Right - w;
    r.Top = r.Bottom - h;
}
