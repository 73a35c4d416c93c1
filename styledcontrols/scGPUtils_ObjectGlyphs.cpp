// Glyph painters: files, office and text editing, communication, devices and objects.
#include "scGPGlyphGeometry.h"

using namespace scglyph;

namespace {

// The path stroked once with a pen of the glyph width rule, or of the raw thickness.
class TStroke {
public:
    TStroke(ARGB color, float width) : Pen(color, width), Width(width) {}
    void Draw(TGPGraphics& g) { g.DrawPath(Pen, Path); }
    TGPPen Pen;
    TGPGraphicsPath Path;
    const float Width;
};

struct TGlyphStroke : TStroke {
    TGlyphStroke(ARGB color, double scale, Byte thickness) : TStroke(color, GlyphPenWidth(thickness, scale)) {}
};
struct TRawStroke : TStroke {
    TRawStroke(ARGB color, double scale, Byte thickness) : TStroke(color, RawPenWidth(thickness, scale)) {}
};

// In-box and out-box: the arrow's box and the open-topped box below it.
void GappedBox(TGPGraphics& g, const TBox& b, ARGB color, double scale, Byte thickness)
{
    const TGPRectF box = Shrunk(Rc(b.X, b.Y + b.H / 8, b.W, b.H), b.W / 5);
    const float pw = RawPenWidth(thickness, scale);
    TKeepState state(g);
    g.ExcludeClip(Rc(box.X + box.Width / 4, box.Y - 2 * pw, box.Width / 2, 4 * pw));
    TGPPen pen(color, pw);
    g.DrawRectangle(pen, box);
}

// The handset of the call glyphs: its outer curve and the pads around its inside.
void AddHandset(TGPGraphicsPath& path, const TBox& b, float d, const TGPPointF& o)
{
    const TGPPointF p0 = P(o.X + d, o.Y + d), p3 = P(o.X + b.W - d, o.Y + b.H - d);
    path.AddBezier(p0, P(o.X + b.W / 3 - 2 * d, o.Y + b.H / 3), P(o.X + b.W - b.W / 3, o.Y + b.H - b.H / 3 + 2 * d),
                   p3);
    path.StartFigure();
    Poly(path, {p0, P(p0.X + 1.5 * d, p0.Y - 1.5 * d), P(p0.X + 3 * d, p0.Y), P(p0.X + 2 * d, p0.Y + d)});
    Line(path, P(p3.X - d, p3.Y - 2 * d), P(p3.X, p3.Y - 3 * d));
    Line(path, P(p3.X + 1.5 * d, p3.Y - 1.5 * d), p3);
}

// The microphone of the mic glyphs.
void AddMic(TGPGraphicsPath& path, const TBox& b)
{
    const float v = b.W / 4;
    const TGPRectF lower = Rc(b.cx - v / 2, b.Y + 2 * b.H / 5, v, v);
    path.AddArc(Rc(b.cx - v / 2, b.Y, v, v), -180, 180);
    path.AddArc(lower, 0, 180);
    path.CloseFigure();
    path.StartFigure();
    path.AddArc(Inflated(lower, v / 2, v / 2), 0, 180);
    path.StartFigure();
    Line(path, P(b.cx, b.Y + 2 * b.H / 5 + 1.5 * v), P(b.cx, b.B()));
    path.StartFigure();
    Line(path, P(b.cx - v / 2, b.B()), P(b.cx + v / 2, b.B()));
}

// The lens and handle of the search glyphs; the lens box is returned for the zoom signs.
TGPRectF AddSearch(TGPGraphicsPath& path, const TBox& b, float pw)
{
    const TGPRectF lens = Rc(b.X, b.Y, 0.65 * b.W + pw / 2, 0.65 * b.H + pw / 2);
    Line(path, P(b.R(), b.B()), P(b.X + 0.65 * b.W, b.Y + 0.65 * b.H));
    Ring(path, lens, -315);
    return lens;
}

// The lock glyphs: body, and the shackle whose right arm is a leg (lock) or a short arc (unlock).
void LockGlyph(TGPGraphics& g, const TGPRectF& r, ARGB color, double scale, Byte thickness, bool locked)
{
    const TBox b(r);
    const float k = b.H / 8, bw = b.W - 2 * k, s = 2 * bw / 3, top = b.Y + 3 * k;
    const float left = b.X + k + bw / 6, right = b.X + k + 5 * bw / 6;
    const TGPRectF shackle = Rc(left, top - 0.8 * s, s, s);
    TGlyphStroke st(color, scale, thickness);
    st.Path.AddRectangle(Rc(b.X + k, top, b.W - 2 * k, b.H - 3 * k));
    st.Path.StartFigure();
    st.Path.AddArc(shackle, 270, locked ? 90 : 45);
    if (locked)
        Line(st.Path, P(right, top - 0.2 * s), P(right, top));
    st.Path.StartFigure();
    st.Path.AddArc(shackle, 270, -90);
    Line(st.Path, P(left, top), P(left, top - 0.2 * s));
    st.Draw(g);
}

// The text-alignment glyphs: five lines, the second and fourth from shortFrom to shortTo (fractions
// of the width).
void TextLines(TGPGraphics& g, const TGPRectF& r, ARGB color, double scale, Byte thickness, float shortFrom,
               float shortTo)
{
    const TBox b(r);
    const float k = b.H / 5;
    TGPPen pen(color, GlyphPenWidth(thickness, scale));
    for (int i = 0; i < 5; ++i) {
        const float y = b.Y + k / 2 + float(i) * k;
        const bool full = i % 2 == 0;
        g.DrawLine(pen, P(b.X + (full ? 0 : shortFrom * b.W), y), P(b.X + (full ? b.W : shortTo * b.W), y));
    }
}

// The font and fill glyphs above a bar filled with the marker colour.
void ColorMarkerBar(TGPGraphics& g, const TGPRectF& r, ARGB color, TColor markerColor, double scale, Byte thickness,
                    void (*above)(TGPGraphics&, TGPRectF, ARGB, double, Byte))
{
    const TBox b(r);
    const float f = b.H / 4;
    above(g, Rc(b.X + f / 2, b.Y, b.H - f, b.H - f), color, scale, Byte(Max<int>(thickness, 1)));
    const float pw = GlyphPenWidth(thickness, scale);
    const TGPRectF bar = Rc(b.X + f / 2, b.Y + b.H - f + pw, b.H - f, Max(b.H / 5, 3 * pw));
    const float q = Max(pw / 2, 1.0f);
    TGPSolidBrush marker(ColorToGPColor(markerColor, 255));
    g.FillRectangle(marker, Shrunk(bar, 0.9 * q));
    TGPPen pen(color, q);
    g.DrawRectangle(pen, Shrunk(bar, q / 2));
}

// The shopping basket; the last segment ends at lastX.
void AddBasket(TGPGraphicsPath& path, const TBox& b, float lastX, float pw, TGPRectF (&wheels)[2])
{
    const float top = b.Y + b.H / 6, low = top + b.W / 2, high = low - b.H / 2.5f;
    const float x3 = b.X + 5 * b.W / 12, x4 = x3 + b.W / 2.5f;
    Poly(path, {P(b.X, top), P(b.X + b.W / 6, top), P(x3, low), P(x4, low), P(b.R(), high), P(lastX, high)});
    const float d = b.W / 8;
    wheels[0] = Rc(x3 - d / 2, low + 2 * pw, d, d);
    wheels[1] = Rc(x4 - d / 2, low + 2 * pw, d, d);
}

void BasketGlyph(TGPGraphics& g, const TGPRectF& r, ARGB color, double scale, Byte thickness, float lastFraction)
{
    const TBox b(r);
    TRawStroke st(color, scale, thickness);
    TGPRectF wheels[2];
    AddBasket(st.Path, b, b.X + lastFraction * b.W, st.Width, wheels);
    for (const TGPRectF& w : wheels) {
        st.Path.StartFigure();
        st.Path.AddEllipse(w);
    }
    st.Draw(g);
}

// The small navigation arrow over the basket: R shrunk by W/3 and moved up by its own height.
TGPRectF BasketArrowBox(const TGPRectF& r)
{
    const TGPRectF a = Shrunk(r, r.Width / 3);
    return Moved(a, 0, -a.Height);
}

} // namespace

// Files, folders and printing.

void GPDrawFileOpenGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    {
        TKeepState state(g);
        g.ExcludeClip(Rc(b.X + b.W / 2 + b.W / 10, b.Y, b.W / 5, b.H / 3));
        GPDrawFolderGlyph(g, Shrunk(r, b.H / 10), color, scale, thickness);
    }
    const float t = RawPenWidth(thickness, scale);
    GPDrawOpenArrowGlyph(g, Rc(b.X + b.W / 2 + b.W / 10 - b.W / 8, b.Y - t, b.W / 2, b.W / 2 - t), color, scale,
                         thickness);
}

void GPDrawFileSaveAsGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    const float s = b.W / 2, t = RawPenWidth(thickness, scale);
    {
        TKeepState state(g);
        g.ExcludeClip(Rc(b.R() - s, b.B() - s, s - 2 * t, s - s / 4));
        GPDrawFileSaveGlyph(g, r, color, scale, thickness);
    }
    GPDrawEditGlyph(g, Rc(b.R() - s - s / 6, b.B() - s - s / 6, s, s), color, scale, thickness);
}

void GPDrawPrintGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    const float f = b.H / 14, top = b.Y + b.H / 3, low = b.Y + 5 * b.H / 6, mid = b.Y + 7 * b.H / 12;
    const float l = b.X + b.W / 4, rt = b.X + 3 * b.W / 4;
    TRawStroke st(color, scale, thickness);
    Closed(st.Path, {P(b.X + f, top), P(b.X, top + f), P(b.X, top + f), P(b.X, low), P(l, low), P(l, mid), P(rt, mid),
                     P(rt, low), P(b.R(), low), P(b.R(), top + f), P(b.R() - f, top)});
    st.Path.StartFigure();
    Poly(st.Path, {P(l, low), P(l, low + 2 * f), P(rt, low + 2 * f), P(rt, low)});
    st.Path.StartFigure();
    Poly(st.Path, {P(l, top), P(l, top - 3 * f), P(rt, top - 3 * f), P(rt, top)});
    st.Draw(g);
    for (float y : {mid + 1.75f * f, mid + 3.8f * f})
        g.DrawLine(st.Pen, P(l + f, y), P(rt - f, y));
    TGPSolidBrush brush(color);
    g.FillEllipse(brush, Rc(b.X + f, top + f, 1.5 * f, 1.5 * f));
}

void GPDrawInBoxGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    GPDrawInBoxArrowGlyph(g, Moved(Shrunk(r, b.W / 4), 0, -b.H / 8), color, scale, thickness);
    GappedBox(g, b, color, scale, thickness);
}

void GPDrawOutBoxGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    GPDrawOutBoxArrowGlyph(g, Moved(Shrunk(r, b.W / 4), 0, -b.H / 4), color, scale, thickness);
    GappedBox(g, b, color, scale, thickness);
}

// Text and editing.

void GPDrawCopyGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    const float d = b.H / 6, o = b.H / 10;
    const TGPRectF box = Rc(b.X + 7 * d / 6, b.Y + d, b.W - 2.5 * d, b.H - 2 * d);
    const TGPRectF front = Moved(box, -o, o);
    TKeepState state(g);
    GPDrawRectFrame(g, front, color, scale, thickness);
    g.ExcludeClip(front);
    GPDrawRectFrame(g, Moved(box, o, -o), color, scale, thickness);
}

void GPDrawCutGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    const float s = b.W / 3;
    TGlyphStroke st(color, scale, thickness);
    Line(st.Path, P(b.R(), b.B()), P(b.X + s, b.Y + s));
    Ring(st.Path, Rc(b.X, b.Y, s, s), 45);
    st.Path.StartFigure();
    Line(st.Path, P(b.R(), b.Y), P(b.X + s, b.B() - s));
    Ring(st.Path, Rc(b.X, b.B() - s, s, s), -45);
    for (float sign : {1.0f, -1.0f}) {
        const float edge = sign > 0 ? b.Y : b.B();
        const TGPPointF points[] = {P(b.R(), edge), P(b.R() - b.W / 3, edge + sign * b.H / 6), P(b.cx, b.cy)};
        st.Path.StartFigure();
        st.Path.AddCurve(points);
    }
    st.Draw(g);
}

void GPDrawFontIncSizeGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    const float e = b.W / 8;
    GPDrawFontGlyph(g, Rc(b.X, b.Y + e, b.W - 2 * e, b.H - 2 * e), color, scale, thickness);
    GPDrawPlusGlyph(g, Rc(b.R() - 3 * e, b.Y, 3 * e, 3 * e), color, scale, thickness);
}

void GPDrawFontDecSizeGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    const float e = b.W / 8;
    GPDrawFontGlyph(g, Rc(b.X + 0.6 * e, b.Y + 1.6 * e, b.W - 3.2 * e, b.H - 3.2 * e), color, scale, thickness);
    GPDrawMinusGlyph(g, Rc(b.R() - 3 * e, b.Y, 3 * e, 3 * e), color, scale, thickness);
}

void GPDrawFillGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    const float k = b.W / 6, x = b.X + k / 2;
    TRawStroke st(color, scale, thickness);
    Closed(st.Path, {P(x, b.cy), P(x + k, b.cy), P(x + b.W / 2 + k / 2, b.B() - k / 2), P(x + b.W, b.cy),
                     P(x + b.W / 2, b.Y)});
    const TGPRectF d = Rc(x - 0.8 * k, b.cy + 1.5 * k, k, k);
    st.Path.StartFigure();
    st.Path.AddArc(d, 0, 180);
    Line(st.Path, P(d.X, d.Y + k / 2), P(d.X + k / 2, d.Y - k / 2));
    Line(st.Path, P(d.X + k, d.Y + k / 2), P(d.X + k / 2, d.Y - k / 2));
    st.Draw(g);
}

void GPDrawFontColorMarkerGlyph(TGPGraphics& g, TGPRectF r, ARGB color, TColor markerColor, double scale,
                                Byte thickness)
{
    ColorMarkerBar(g, r, color, markerColor, scale, thickness, &GPDrawFontGlyph);
}

void GPDrawFillColorMarkerGlyph(TGPGraphics& g, TGPRectF r, ARGB color, TColor markerColor, double scale,
                                Byte thickness)
{
    ColorMarkerBar(g, r, color, markerColor, scale, thickness, &GPDrawFillGlyph);
}

void GPDrawColorMarkerGlyph(TGPGraphics& g, TGPRectF r, ARGB color, TColor markerColor, double scale, Byte thickness)
{
    const float pw = GlyphPenWidth(thickness, scale);
    const TGPRectF a = Shrunk(r, r.Height / 10);
    TGPSolidBrush marker(ColorToGPColor(markerColor, 255));
    g.FillEllipse(marker, Shrunk(a, 0.9 * pw));
    TGPPen pen(color, pw);
    g.DrawEllipse(pen, Shrunk(a, pw / 2));
}

void GPDrawTextAlignLeftGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    TextLines(g, r, color, scale, thickness, 0, 2.0f / 3);
}

void GPDrawTextAlignRightGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    TextLines(g, r, color, scale, thickness, 1.0f / 3, 1);
}

void GPDrawTextAlignCenterGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    TextLines(g, r, color, scale, thickness, 0.25f, 0.75f);
}

void GPDrawTextAlignJustifiedGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    TextLines(g, r, color, scale, thickness, 0, 1);
}

void GPDrawSearchGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    TGlyphStroke st(color, scale, thickness);
    AddSearch(st.Path, TBox(r), st.Width);
    st.Draw(g);
}

void GPDrawZoomPlusGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    TGlyphStroke st(color, scale, thickness);
    const TGPRectF lens = AddSearch(st.Path, TBox(r), st.Width);
    st.Draw(g);
    GPDrawPlusGlyph(g, Shrunk(lens, lens.Width / 6), color, scale, thickness);
}

void GPDrawZoomMinusGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    TGlyphStroke st(color, scale, thickness);
    const TGPRectF lens = AddSearch(st.Path, TBox(r), st.Width);
    st.Draw(g);
    GPDrawMinusGlyph(g, Shrunk(lens, lens.Width / 6), color, scale, thickness);
}

void GPDrawReplaceGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    const float bb = b.H / 12;
    const TGPRectF a = Shrunk(r, bb);
    for (bool first : {true, false}) {
        // The first arc turns down the right side, the second up the left; each ends in a head.
        const float x = first ? Right(a) : a.X, sign = first ? 1.0f : -1.0f;
        TGlyphStroke st(color, scale, thickness);
        st.Path.AddArc(a, first ? -135 : 45, 135);
        const TGPPointF tip = P(x, b.cy + sign * bb / 2);
        // The first runs up from its head to where its arc ends, the second down from there to it.
        if (first)
            Line(st.Path, tip, P(x, b.cy));
        else
            Line(st.Path, P(x, b.cy), tip);
        Line(st.Path, tip, P(x + 1.5 * bb, b.cy - sign * bb));
        Line(st.Path, tip, P(x - 1.5 * bb, b.cy - sign * bb));
        st.Draw(g);
    }
    TGPPen pen(color, GlyphPenWidth(thickness, scale));
    g.DrawEllipse(pen, Rc(a.X, b.cy - 2.7 * bb, bb, bb));
    g.DrawEllipse(pen, Rc(Right(a) - 1.1 * bb, b.cy + 1.6 * bb, bb, bb));
}

void GPDrawRefreshGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    const float bb = b.H / 12;
    const TGPRectF a = Shrunk(r, bb);
    const TGPPointF tip = P(Right(a), b.cy + bb / 2);
    TGlyphStroke st(color, scale, thickness);
    st.Path.AddArc(a, -315, 315);
    Line(st.Path, tip, P(Right(a), b.cy));
    st.Path.StartFigure();
    Line(st.Path, tip, P(Right(a) + 1.5 * bb, b.cy - bb));
    Line(st.Path, tip, P(Right(a) - 1.5 * bb, b.cy - bb));
    st.Draw(g);
}

namespace {

// Undo and redo: a half circle ending in a short tail at the top corner that carries the head.
void UndoRedo(TGPGraphics& g, const TGPRectF& r, ARGB color, double scale, Byte thickness, bool undo)
{
    const TBox b(r);
    const float bb = b.H / 4, sign = undo ? 1.0f : -1.0f;
    const TGPRectF a = Rc(b.X + bb / 2, b.Y + bb, b.W - bb, b.H - bb);
    const TGPPointF corner = P(undo ? a.X : Right(a), a.Y);
    TGlyphStroke st(color, scale, thickness);
    st.Path.AddArc(a, 90, undo ? -180 : 180);
    Line(st.Path, corner, P(corner.X + sign * a.Width / 3, a.Y));
    st.Path.StartFigure();
    Line(st.Path, corner, P(corner.X + sign * bb, a.Y + bb));
    Line(st.Path, corner, P(corner.X + sign * bb, a.Y - bb));
    st.Draw(g);
}

} // namespace

void GPDrawUndoGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    UndoRedo(g, r, color, scale, thickness, true);
}

void GPDrawRedoGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    UndoRedo(g, r, color, scale, thickness, false);
}

void GPDrawReplyGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    const float d = b.H / 4;
    const TGPPointF corner = P(b.X + d / 2, b.Y + d);
    TGlyphStroke st(color, scale, thickness);
    st.Path.AddArc(Rc(b.X - d / 2, b.Y + d, b.W, b.H), 0, -90);
    Line(st.Path, corner, P(corner.X + b.W / 6, corner.Y));
    st.Path.StartFigure();
    Line(st.Path, corner, P(b.X + 1.5 * d, b.Y + 2 * d));
    Line(st.Path, corner, P(b.X + 1.5 * d, b.Y));
    st.Draw(g);
}

void GPDrawHelpGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    const TGPRectF a = Moved(Shrunk(r, b.W / 5), 0, -b.W / 4);
    TGlyphStroke st(color, scale, thickness);
    st.Path.AddArc(Rc(b.cx, Bottom(a), b.W / 4, b.W / 4), 180, 60);
    st.Path.AddArc(a, 60, -225);
    st.Path.StartFigure();
    Line(st.Path, P(b.cx, Bottom(a) + b.W / 8), P(b.cx, b.B() - b.H / 5));
    st.Path.StartFigure();
    st.Path.AddEllipse(Rc(b.cx - b.H / 20, b.B() - b.H / 20, b.H / 10, b.H / 10));
    st.Draw(g);
}

// Communication, devices and people.

void GPDrawCallGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    const float d = b.W / 8;
    TGlyphStroke st(color, scale, thickness);
    AddHandset(st.Path, b, d, P(b.X - d / 2, b.Y + d / 2));
    st.Draw(g);
}

void GPDrawCallEndGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    const float d = b.W / 8;
    const TGPPointF o = P(b.X - d / 2, b.Y + d / 2);
    TGlyphStroke st(color, scale, thickness);
    AddHandset(st.Path, b, d, o);
    st.Path.StartFigure();
    Line(st.Path, P(o.X + b.W, o.Y), P(o.X + d, o.Y + b.H - d));
    st.Draw(g);
}

void GPDrawMicGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    TGlyphStroke st(color, scale, thickness);
    AddMic(st.Path, TBox(r));
    st.Draw(g);
}

void GPDrawMicMuteGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    TGlyphStroke st(color, scale, thickness);
    AddMic(st.Path, b);
    st.Path.StartFigure();
    Line(st.Path, P(b.X + b.W / 8, b.Y + b.W / 8), P(b.R() - b.W / 8, b.B() - b.W / 8));
    st.Draw(g);
}

void GPDrawVolumePlusGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    GPDrawVolumeGlyph(g, Rc(b.X, b.Y + b.H / 6, 2 * b.W / 3, 2 * b.H / 3), color, scale, thickness);
    GPDrawPlusGlyph(g, Rc(b.X + 2 * b.W / 3, b.Y + b.H / 3, b.W / 3, b.H / 3), color, scale, thickness);
}

void GPDrawVolumeMinusGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    GPDrawVolumeGlyph(g, Rc(b.X, b.Y + b.H / 6, 2 * b.W / 3, 2 * b.H / 3), color, scale, thickness);
    GPDrawMinusGlyph(g, Rc(b.X + 2 * b.W / 3, b.Y + b.H / 3, b.W / 3, b.H / 3), color, scale, thickness);
}

void GPDrawPhotoGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    const float d = b.H / 6, f = b.Y + d / 2, h = f + d;
    TGlyphStroke st(color, scale, thickness);
    Closed(st.Path, {P(b.X, h), P(b.X + b.W / 4, h), P(b.X + b.W / 3, f), P(b.R() - b.W / 3, f), P(b.R() - b.W / 4, h),
                     P(b.R(), h), P(b.R(), f + b.H - d), P(b.X, f + b.H - d)});
    st.Draw(g);
    g.DrawEllipse(st.Pen, Rc(b.cx - 1.25 * d, f + 1.7 * d, 2.5 * d, 2.5 * d));
    TGPSolidBrush brush(color);
    g.FillEllipse(brush, Rc(b.X + d / 2, h + d / 2, d, d));
}

void GPDrawUserGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    TRawStroke st(color, scale, thickness);
    st.Path.AddArc(Rc(b.X, b.Y + 0.6 * b.H, b.W, b.H), 0, -180);
    st.Path.StartFigure();
    st.Path.AddEllipse(Rc(b.cx - 0.35 * b.W, b.Y - 0.14 * b.W, 0.7 * b.W, 0.7 * b.W));
    st.Draw(g);
}

void GPDrawShareGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    const float f = b.H / 3.5f;
    const TGPRectF l = Rc(b.X - f / 3, b.cy - f / 2, f, f), t = Rc(b.X - f / 3 + b.W - f, b.Y, f, f),
                   bo = Rc(t.X, b.B() - f, f, f);
    TGlyphStroke st(color, scale, thickness);
    Ring(st.Path, l, -30);
    Ring(st.Path, t, 160);
    st.Path.StartFigure();
    Ring(st.Path, bo, 205);
    Ring(st.Path, l, 30);
    st.Draw(g);
}

// Objects and tools.

void GPDrawShutDownGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    TGPPen pen(color, GlyphPenWidth(thickness, scale));
    g.DrawArc(pen, r, -60, 300);
    g.DrawLine(pen, P(b.cx, b.Y), P(b.cx, b.cy));
}

void GPDrawInfoGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    const float pw = GlyphPenWidth(thickness, scale);
    TGPSolidBrush brush(color);
    g.FillEllipse(brush, Rc(b.cx - pw, b.Y + b.H / 6, 2 * pw, 2 * pw));
    TGPPen pen(color, pw);
    g.DrawEllipse(pen, r);
    g.DrawLine(pen, P(b.cx, b.Y + b.H / 6 + 2 * pw + b.H / 8), P(b.cx, b.B() - b.H / 5));
}

void GPDrawOptionsGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    const float e = float(Round(b.H / 4));
    const TGPPointF knobs[] = {P(b.X, b.Y + 0.7 * e), P(b.cx - e / 2, b.B() - 1.7 * e), P(b.R() - e, b.Y + 0.7 * e)};
    for (const TGPPointF& k : knobs) {
        const float x = k.X + e / 2;
        TGlyphStroke st(color, scale, thickness);
        Line(st.Path, P(x, b.Y), P(x, k.Y));
        st.Path.StartFigure();
        st.Path.AddEllipse(k.X, k.Y, e, e);
        st.Path.StartFigure();
        Line(st.Path, P(x, k.Y + e), P(x, b.B()));
        st.Draw(g);
    }
}

void GPDrawLockGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    LockGlyph(g, r, color, scale, thickness, true);
}

void GPDrawUnLockGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    LockGlyph(g, r, color, scale, thickness, false);
}

void GPDrawTrashGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    const float d = b.H / 5;
    const TGPRectF body = Rc(b.X + d, b.Y + d, b.W - 2 * d, b.H - 1.5 * d);
    const float l = body.X, t = body.Y, w = body.Width;
    TRawStroke st(color, scale, thickness);
    st.Path.AddRectangle(body);
    st.Path.StartFigure();
    Line(st.Path, P(l, t), P(l - d / 1.5, t));
    Line(st.Path, P(Right(body), t), P(Right(body) + d / 1.5, t));
    st.Path.StartFigure();
    Poly(st.Path, {P(l + w / 4, t), P(l + w / 4, t - 0.7 * d), P(l + 3 * w / 4, t - 0.7 * d), P(l + 3 * w / 4, t)});
    st.Draw(g);
    for (float x : {l + w / 2, l + w / 4, l + 3 * w / 4})
        g.DrawLine(st.Pen, P(x, t + 0.7 * d), P(x, Bottom(body) - 0.7 * d));
}

void GPDrawViewGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    TGlyphStroke st(color, scale, thickness);
    st.Path.AddEllipse(Rc(b.cx - b.W / 4, b.cy - b.W / 4, b.W / 2, b.W / 2));
    st.Path.StartFigure();
    st.Path.AddArc(Rc(b.X, b.Y + b.W / 8, b.W, b.H), -180, 180);
    st.Draw(g);
}

void GPDrawObjectsGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    const float w = b.W, apexX = b.cx - w / 4, apexY = b.cy - w / 8, baseY = b.cy + 3 * w / 8;
    TGlyphStroke st(color, scale, thickness);
    st.Path.AddRectangle(Rc(b.cx, b.cy - w / 8, w / 2, w / 2));
    st.Path.StartFigure();
    Line(st.Path, P(apexX, apexY), P(b.cx - w / 2, baseY));
    Line(st.Path, P(apexX, apexY), P(b.cx, baseY));
    Line(st.Path, P(b.cx - w / 2, baseY), P(b.cx, baseY));
    st.Path.StartFigure();
    st.Path.AddEllipse(Rc(b.cx - 3 * w / 8, b.cy - 5 * w / 8, w / 2, w / 2));
    st.Draw(g);
}

void GPDrawClockGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    const float e = b.W / 10;
    TGlyphStroke st(color, scale, thickness);
    const float pw = st.Width;
    st.Path.AddEllipse(r);
    st.Path.StartFigure();
    Line(st.Path, P(b.cx + e - pw, b.cy + e - pw), P(b.cx + 2.6 * e, b.cy + 2.6 * e));
    Ring(st.Path, Rc(b.cx - e, b.cy - e, 2 * e, 2 * e), 45);
    st.Path.StartFigure();
    Line(st.Path, P(b.cx, b.cy - e + pw / 2), P(b.cx, b.cy - 4.2 * e));
    st.Draw(g);
}

void GPDrawMapMarkerGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    const TGPRectF c = Rc(b.cx - b.W / 3, b.Y, 2 * b.W / 3, 2 * b.W / 3);
    TGlyphStroke st(color, scale, thickness);
    st.Path.AddArc(c, 0, -180);
    Line(st.Path, P(c.X, c.Y + c.Height / 2), P(b.cx, b.B()));
    Line(st.Path, P(Right(c), c.Y + c.Height / 2), P(b.cx, b.B()));
    st.Path.StartFigure();
    st.Path.AddEllipse(Shrunk(c, c.Width / 3));
    st.Draw(g);
}

void GPDrawGearGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    const TGPPointF c = P(b.cx, b.cy), root = P(b.cx, b.Y + b.H / 8), tip = P(b.cx, b.Y);
    TGPPointF points[32];
    for (int i = 0; i < 8; ++i) {
        const float turn = 45.0f * float(i);
        points[4 * i] = GPRotatePoint(root, c, 345 + turn);
        points[4 * i + 1] = GPRotatePoint(tip, c, 352 + turn);
        points[4 * i + 2] = GPRotatePoint(tip, c, 8 + turn);
        points[4 * i + 3] = GPRotatePoint(root, c, 15 + turn);
    }
    TGlyphStroke st(color, scale, thickness);
    st.Path.AddPolygon(points);
    st.Path.AddEllipse(Inflated(r, -(b.W / 8 + b.W / 5), -(b.H / 8 + b.H / 5)));
    st.Draw(g);
}

void GPDrawStarGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    const TGPPointF c = P(b.cx, b.cy), outer = P(b.cx, b.Y), inner = P(b.cx, b.Y + b.H / 4);
    TGPPointF points[10];
    for (int i = 0; i < 5; ++i) {
        points[2 * i] = GPRotatePoint(outer, c, 72.0f * float(i));
        points[2 * i + 1] = GPRotatePoint(inner, c, 36 + 72.0f * float(i));
    }
    TGlyphStroke st(color, scale, thickness);
    st.Path.AddPolygon(points);
    st.Draw(g);
}

void GPDrawGlobeGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    const TBox b(r);
    const TGPPointF c = P(b.cx, b.cy), top = P(b.cx, b.Y), control = P(b.cx, b.Y + b.H / 5);
    TGlyphStroke st(color, scale, thickness);
    st.Path.AddEllipse(r);
    st.Path.AddEllipse(Rc(b.cx - b.W / 6, b.Y, b.W / 3, b.H));
    st.Path.StartFigure();
    Line(st.Path, P(b.X, b.cy), P(b.R(), b.cy));
    for (float a : {45.0f, 135.0f}) {
        const float mirror = 360 - a;
        st.Path.StartFigure();
        st.Path.AddBezier(GPRotatePoint(top, c, a), GPRotatePoint(control, c, a), GPRotatePoint(control, c, mirror),
                          GPRotatePoint(top, c, mirror));
    }
    st.Draw(g);
}

void GPDrawShopBasketGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    BasketGlyph(g, r, color, scale, thickness, 0.5f);
}

void GPDrawShopBasketInGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    BasketGlyph(g, r, color, scale, thickness, 0.75f);
    GPDrawNaviBottomGlyph(g, BasketArrowBox(r), color, scale, thickness);
}

void GPDrawShopBasketOutGlyph(TGPGraphics& g, TGPRectF r, ARGB color, double scale, Byte thickness)
{
    BasketGlyph(g, r, color, scale, thickness, 0.75f);
    GPDrawNaviTopGlyph(g, BasketArrowBox(r), color, scale, thickness);
}
