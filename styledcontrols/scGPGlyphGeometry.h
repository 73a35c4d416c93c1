#pragma once
// What the glyph painters share: the glyph rectangle's names, points, pens, polylines, and the
// saving of the caller's drawing state around painters that clip or change the smoothing.
#include <initializer_list>
#include <span>

#include "Math.h"
#include "scGPUtils.h"

namespace scglyph {

using namespace fwgdip;

// X, Y, W, H of the glyph rectangle and its centre.
struct TBox {
    explicit TBox(const TGPRectF& r) : X(r.X), Y(r.Y), W(r.Width), H(r.Height), cx(X + W / 2), cy(Y + H / 2) {}
    float X, Y, W, H, cx, cy;
    float R() const { return X + W; }
    float B() const { return Y + H; }
};

inline TGPPointF P(double x, double y) { return TGPPointF(float(x), float(y)); }
inline TGPRectF Rc(double x, double y, double w, double h) { return TGPRectF(float(x), float(y), float(w), float(h)); }
inline float Right(const TGPRectF& r) { return r.X + r.Width; }
inline float Bottom(const TGPRectF& r) { return r.Y + r.Height; }

inline TGPRectF Inflated(TGPRectF r, double dx, double dy)
{
    InflateGPRect(r, float(dx), float(dy));
    return r;
}
inline TGPRectF Shrunk(const TGPRectF& r, double d) { return Inflated(r, -d, -d); }
inline TGPRectF Moved(TGPRectF r, double dx, double dy)
{
    r.X += float(dx);
    r.Y += float(dy);
    return r;
}
inline TGPRectF Rounded(const TGPRectF& r)
{
    return Rc(double(Round(r.X)), double(Round(r.Y)), double(Round(r.Width)), double(Round(r.Height)));
}

// The pen of the rows that take the thickness as it is: Thickness 0 gives a hairline.
inline float RawPenWidth(Byte thickness, double scale) { return float(Trunc(thickness * scale)); }

// One polyline in the current figure.
inline void Poly(TGPGraphicsPath& path, std::initializer_list<TGPPointF> points)
{
    path.AddLines(std::span<const TGPPointF>(points.begin(), points.size()));
}
// A closed polygon as its own figure.
inline void Closed(TGPGraphicsPath& path, std::initializer_list<TGPPointF> points)
{
    path.StartFigure();
    Poly(path, points);
    path.CloseFigure();
}
inline void Line(TGPGraphicsPath& path, const TGPPointF& a, const TGPPointF& b) { path.AddLine(a, b); }
// A full ring as an arc, so that it joins the figure's previous segment.
inline void Ring(TGPGraphicsPath& path, const TGPRectF& box, float start) { path.AddArc(box, start, 359.99f); }

// The caller's whole drawing state (clip, smoothing, pixel offset), put back on leaving: painters
// that clip must not leave the caller's clip reset.
class TKeepState {
public:
    explicit TKeepState(TGPGraphics& g) : FG(g), FState(g.Save()) {}
    ~TKeepState() { FG.Restore(FState); }
    TKeepState(const TKeepState&) = delete;
    TKeepState& operator=(const TKeepState&) = delete;

private:
    TGPGraphics& FG;
    GraphicsState FState;
};

} // namespace scglyph
