// Glyph painters: window, arrow, navigation, media and basic symbols.
#include "scGPGlyphGeometry.h"

using namespace scglyph;

namespace {

// The window glyphs pick their own smoothing and pixel offset; the caller's come back on leaving.
class TKeepModes {
public:
    explicit TKeepModes(TGPGraphics& g) : FG(g), FSmoothing(g.GetSmoothingMode()), FOffset(g.GetPixelOffsetMode()) {}
    ~TKeepModes()
    {
        FG.SetSmoothingMode(FSmoothing);
        FG.SetPixelOffsetMode(FOffset);
    }
    TKeepModes(const TKeepModes&) = delete;
    TKeepModes& operator=(const TKeepModes&) = delete;

private:
    TGPGraphics& FG;
    SmoothingMode FSmoothing;
    PixelOffsetMode FOffset;
};

// A whole-pixel line of odd width lands on pixels without the half-pixel offset, an even one with it.
PixelOffsetMode OffsetForWidth(Int64 width) { return width % 2 ? PixelOffsetModeDefault : PixelOffsetModeHighQuality; }

// The maximize rectangle: R shrunk by H/6 and moved up a pixel, on whole pixels.
TGPRectF MaximizeRect(const TBox& b)
{
    const float m = float(Round(b.H / 6));
    return Rounded(Rc(b.X + m, b.Y + m - 1, b.W - 2 * m, b.H - 2 * m));
}

// The two windows of a restore glyph: the front one down-left, the back one up-right.
struct TRestoreWindows {
    explicit TRestoreWindows(const TBox& b)
    {
        const float w1 = b.W - 1, h1 = b.H - 1, k = h1 / 5, o = h1 / 12;
        const TGPRectF base = Shrunk(Rc(b.X, b.Y, w1, h1), k);
        Front = Rounded(Moved(base, -o, o));
        Back = Moved(base, o, -o);
    }
    TGPRectF Front, Back;
};

void MediaTriangles(TGPGraphicsPath& path, const TBox& b, bool left, float x1, float x2)
{
    const float w = b.H / 2.5f, h = b.H / 1.5f, top = b.Y + b.H / 2 - h / 2;
    for (float x : {x1, x2}) {
        if (left)
            GPAddLeftTriangle(path, Rc(x, top, w, h));
        else
            GPAddRightTriangle(path, Rc(x, top, w, h));
    }
}

void SkipGlyph(TGPGraphics& g, const TGPRectF& r, ARGB color, double scale, Byte thickness, bool toEnd)
{
    const TBox b(r);
    const float pw = RawPenWidth(thickness, scale), w = b.H / 2.5f, h = b.H / 1.5f;
    const TGPRectF t = Rc(b.X + (b.W - w) / 2, b.Y + (b.H - h) / 2, w, h);
    TGPPen pen(color, pw);
    TGPGraphicsPath path;
    if (toEnd)
        GPAddRightTriangle(path, t);
    else
        GPAddLeftTriangle(path, t);
    const float x = toEnd ? t.X + w + pw : t.X - pw;
    path.StartFigure();
    Line(path, P(x, t.Y), P(x, t.Y + h));
    g.DrawPath(pen, path);
}

void Dots(TGPGraphics& g, const TGPRectF& r, ARGB color, bool row)
{
    const TBox b(r);
    const float d = float(Round(b.W / 6));
    TGPSolidBrush brush(color);
    for (int i = -1; i <= 1; ++i) {
        const float shift = float(2 * i) * d;
        g.FillEllipse(brush, b.cx - d / 2 + (row ? shift : 0), b.cy - d / 2 + (row ? 0 : shift), d, d);
    }
}

} // namespace

void GPDrawCloseGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    TGPPen pen(color, GlyphPenWidth(thickness, scale));
    TGPGraphicsPath path;
    path.AddLine(r.X, r.Y, r.X + r.Width, r.Y + r.Height);
    TGPGraphicsPath second;
    second.AddLine(r.X + r.Width, r.Y, r.X, r.Y + r.Height);
    path.AddPath(second, false);
    g.DrawPath(pen, path);
}

void GPDrawMinimizeGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    TKeepModes modes(g);
    TGPPen pen(color, GlyphPenWidth(thickness, scale));
    g.SetSmoothingMode(SmoothingModeNone);
    g.DrawLine(pen, P(b.X + b.W / 6, b.Y + b.H - b.H / 2), P(b.X + b.W - b.W / 6, b.Y + b.H - b.H / 2));
}

void GPDrawMaximizeRectGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    TKeepModes modes(g);
    TGPPen pen(color, GlyphPenWidth(thickness, scale));
    g.SetSmoothingMode(SmoothingModeNone);
    g.SetPixelOffsetMode(PixelOffsetModeNone);
    g.DrawRectangle(pen, MaximizeRect(TBox(r)));
}

void GPDrawMaximizeRoundedGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    TKeepModes modes(g);
    const float pw = GlyphPenWidth(thickness, scale);
    TGPPen pen(color, pw);
    g.SetSmoothingMode(SmoothingModeHighQuality);
    g.SetPixelOffsetMode(OffsetForWidth(Int64(pw)));
    GPDrawRoundRect(g, MaximizeRect(TBox(r)), pen, float(scale / 2));
}

void GPDrawRestoreRectGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    TKeepState state(g);
    const TRestoreWindows w{TBox(r)};
    g.SetSmoothingMode(SmoothingModeNone);
    g.SetPixelOffsetMode(PixelOffsetModeNone);
    GPDrawRectFrame(g, w.Front, color, scale, thickness);
    g.ExcludeClip(w.Front);
    GPDrawRectFrame(g, Rounded(w.Back), color, scale, thickness);
}

void GPDrawRestoreRoundedGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    TKeepState state(g);
    const TRestoreWindows w{TBox(r)};
    g.SetSmoothingMode(SmoothingModeHighQuality);
    g.SetPixelOffsetMode(OffsetForWidth(Trunc(thickness * scale)));
    GPDrawRoundRectFrame(g, w.Front, color, scale, float(scale / 2), thickness);
    const float s = float(Round(scale));
    const TGPRectF back = Rc(float(Round(w.Back.X)) - 1 - s, float(Round(w.Back.Y)),
                             float(Round(w.Back.Width)) + s + 1, float(Round(w.Back.Height)) + s + 1);
    const float shift = float(Trunc(scale + 1));
    g.IntersectClip(Moved(back, shift, -shift / 2));
    GPDrawRoundRectFrame(g, back, color, scale, float(scale + 1), thickness);
}

namespace {

// A head of two segments meeting at the tip, and a separate shaft.
void StrokeArrow(TGPGraphics& g, ARGB color, float pw, const TGPPointF& head1, const TGPPointF& head2,
                 const TGPPointF& tip, const TGPPointF& shaftFrom, const TGPPointF& shaftTo)
{
    TGPPen pen(color, pw);
    TGPGraphicsPath path;
    Line(path, head1, tip);
    Line(path, head2, tip);
    path.StartFigure();
    Line(path, shaftFrom, shaftTo);
    g.DrawPath(pen, path);
}

} // namespace

void GPDrawDownloadGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    const float pw = GlyphPenWidth(thickness, scale);
    const TGPPointF tip = P(b.cx, b.B() - pw);
    StrokeArrow(g, color, pw, P(b.cx - b.H / 3, tip.Y - b.H / 3), P(b.cx + b.H / 3, tip.Y - b.H / 3), tip,
                P(b.cx, b.Y - pw), tip);
    TGPPen pen(color, pw);
    g.DrawLine(pen, P(b.cx - b.H / 3, b.B()), P(b.cx + b.H / 3, b.B()));
}

void GPDrawUploadGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    const float pw = GlyphPenWidth(thickness, scale);
    const TGPPointF tip = P(b.cx, b.Y + pw);
    StrokeArrow(g, color, pw, P(b.cx - b.H / 3, tip.Y + b.H / 3), P(b.cx + b.H / 3, tip.Y + b.H / 3), tip, tip,
                P(b.cx, b.Y + pw + b.H));
    TGPPen pen(color, pw);
    g.DrawLine(pen, P(b.cx - b.H / 3, b.Y), P(b.cx + b.H / 3, b.Y));
}

void GPDrawExitGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    const float e = b.H / 6;
    GPDrawNextArrowGlyph(g, Rc(b.X + 3 * e, b.Y + e, b.W - 2 * e, b.H - 2 * e), color, scale, thickness);
    TGPPen pen(color, RawPenWidth(thickness, scale));
    TGPGraphicsPath path;
    Poly(path, {P(b.R() - e, b.Y + b.H / 4), P(b.R() - e, b.Y), P(b.X, b.Y), P(b.X, b.B()), P(b.R() - e, b.B()),
                P(b.R() - e, b.Y + 3 * b.H / 4)});
    g.DrawPath(pen, path);
}

void GPDrawPauseGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    TGPPen pen(color, GlyphPenWidth(thickness, scale));
    for (float x : {b.cx - b.H / 4, b.cx + b.H / 4})
        g.DrawLine(pen, P(x, b.Y), P(x, b.B()));
}

void GPDrawStopGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    TGPPen pen(color, GlyphPenWidth(thickness, scale));
    g.DrawRectangle(pen, Shrunk(r, r.Height / 6));
}

void GPDrawRecGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    TGPPen pen(color, RawPenWidth(thickness, scale));
    g.DrawEllipse(pen, Shrunk(r, r.Height / 6));
}

void GPDrawRecOnGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double, Byte)
{
    TGPSolidBrush brush(color);
    g.FillEllipse(brush, Shrunk(r, r.Height / 6));
}

void GPDrawRewindGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    const float pw = RawPenWidth(thickness, scale), w = b.H / 2.5f;
    TGPPen pen(color, pw);
    TGPGraphicsPath path;
    MediaTriangles(path, b, true, b.X, b.X + w + pw / 2);
    g.DrawPath(pen, path);
}

void GPDrawForwardGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    const float pw = RawPenWidth(thickness, scale), w = b.H / 2.5f;
    TGPPen pen(color, pw);
    TGPGraphicsPath path;
    MediaTriangles(path, b, false, b.X + 0.4f * w, b.X + 1.4f * w + pw / 2);
    g.DrawPath(pen, path);
}

void GPDrawSkipToStartGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    SkipGlyph(g, r, color, scale, thickness, false);
}

void GPDrawSkipToEndGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    SkipGlyph(g, r, color, scale, thickness, true);
}

void GPDrawMinusGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    TGPPen pen(color, GlyphPenWidth(thickness, scale));
    g.DrawLine(pen, P(b.X, b.cy), P(b.R(), b.cy));
}

void GPDrawOkGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    const float t = float(Round(b.Y - b.H / 10));
    TGPPen pen(color, GlyphPenWidth(thickness, scale));
    TGPGraphicsPath path;
    Poly(path, {P(b.X, t + b.H - b.H / 3), P(b.X + b.W / 3, t + b.H), P(b.R(), t + b.H / 4)});
    g.DrawPath(pen, path);
}

void GPDrawCheckOptionsGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const float k = r.Height / 4;
    const TGPRectF box = Shrunk(r, k);
    TGPPen pen(color, GlyphPenWidth(thickness, scale));
    TGPGraphicsPath path;
    path.AddRectangle(box);
    GPAddCheckMarkPath(path, Moved(Inflated(box, 0.7 * k, 0.7 * k), k / 2, -k));
    g.DrawPath(pen, path);
}

void GPDrawMoreGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double, Byte)
{
    Dots(g, r, color, true);
}

void GPDrawDetailPointsGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double, Byte)
{
    Dots(g, r, color, false);
}

void GPDrawDetailsGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    const float t = GlyphPenWidth(thickness, scale);
    const float y = float(Round(b.cy - t / 2)), step = float(Round(b.H / 4));
    TGPSolidBrush brush(color);
    for (float dy : {-step, 0.0f, step})
        g.FillRectangle(brush, b.X, y + dy, b.W, t);
}
