#include <cmath>
#include <numbers>

#include "Math.h"
#include "RurGraphicsPath.h"

namespace {

// 4(sqrt 2 - 1)/3: the control distance of a quarter-circle Bezier on the unit circle.
const float Kappa = 0.5522848f;
// A remainder this small (radians) joins the arc's last segment instead of becoming its own curve.
const double ArcFoldLimit = 0.01;

TPointF Lerp3(TPointF a, float wa, TPointF b, float wb)
{
    return {a.X * wa + b.X * wb, a.Y * wa + b.Y * wb};
}

} // namespace

void TRurGraphicsPath::Assign(const TPersistent* source)
{
    auto path = dynamic_cast<const TRurGraphicsPath*>(source);
    if (!path) {
        inherited::Assign(source);
        return;
    }
    if (path == this)
        return;
    FPoints.Clear();
    for (const TRurGraphicsPathPoint& point : path->FPoints)
        FPoints.Add(point);
}

TPointF TRurGraphicsPath::LastPoint() const
{
    return FPoints.Count() == 0 ? TPointF{} : FPoints.Last().Point;
}

void TRurGraphicsPath::MoveTo(TPointF p)
{
    Append(gppMoveTo, p);
    FStartPoint = p;
}

void TRurGraphicsPath::LineTo(TPointF p)
{
    Append(gppLineTo, p);
    if (p == FStartPoint)
        FClippable = true;
}

void TRurGraphicsPath::CurveTo(TPointF controlPoint1, TPointF controlPoint2, TPointF endPoint)
{
    Append(gppCurveTo, controlPoint1);
    Append(gppCurveTo, controlPoint2);
    Append(gppCurveTo, endPoint);
}

void TRurGraphicsPath::QuadCurveTo(TPointF controlPoint, TPointF endPoint)
{
    TPointF last = LastPoint();
    CurveTo(Lerp3(last, 1.0f / 3, controlPoint, 2.0f / 3), Lerp3(controlPoint, 2.0f / 3, endPoint, 1.0f / 3), endPoint);
}

void TRurGraphicsPath::SmoothCurveTo(TPointF controlPoint2, TPointF endPoint)
{
    TPointF controlPoint1 = controlPoint2;
    if (Count() >= 3) {
        TPointF last = LastPoint();
        TPointF previous = FPoints.Items(Count() - 2).Point;
        controlPoint1 = {2 * last.X - previous.X, 2 * last.Y - previous.Y};
    }
    CurveTo(controlPoint1, controlPoint2, endPoint);
}

void TRurGraphicsPath::ClosePath()
{
    Append(gppClose, FStartPoint);
    FClippable = true;
}

void TRurGraphicsPath::AddLine(TPointF startPoint, TPointF endPoint)
{
    if (Count() > 0)
        LineTo(startPoint);
    else
        MoveTo(startPoint);
    LineTo(endPoint);
}

void TRurGraphicsPath::AddPolygon(const TRurGraphicsPathPolygon& polygon)
{
    for (TPointF p : polygon)
        LineTo(p);
}

void TRurGraphicsPath::AddPath(const TRurGraphicsPath& path)
{
    // Copied first: a path may be added to itself.
    std::vector<TRurGraphicsPathPoint> points(path.FPoints.begin(), path.FPoints.end());
    for (const TRurGraphicsPathPoint& point : points)
        FPoints.Add(point);
}

void TRurGraphicsPath::AddRectangle(TRectF rect, float roundingX, float roundingY)
{
    float l = rect.Left, t = rect.Top, r = rect.Right, b = rect.Bottom;
    if (roundingX == 0 && roundingY == 0) {
        MoveTo({l, t});
        LineTo({r, t});
        LineTo({r, b});
        LineTo({l, b});
    } else {
        // From the bottom edge, clockwise on screen; each corner is a quarter arc.
        float rx = roundingX, ry = roundingY;
        TPointF radius{rx, ry};
        MoveTo({l + rx, b});
        AddArc({l + rx, b - ry}, radius, -270, 90);
        LineTo({l, b - ry});
        LineTo({l, t + ry});
        AddArc({l + rx, t + ry}, radius, -180, 90);
        LineTo({l + rx, t});
        LineTo({r - rx, t});
        AddArc({r - rx, t + ry}, radius, -90, 90);
        LineTo({r, t + ry});
        LineTo({r, b - ry});
        AddArc({r - rx, b - ry}, radius, 0, 90);
        LineTo({r - rx, b});
        LineTo({l + rx, b});
    }
    ClosePath();
    FClippable = true;
}

void TRurGraphicsPath::AddEllipse(TRectF rect)
{
    float l = rect.Left, t = rect.Top, r = rect.Right, b = rect.Bottom;
    float cx = (l + r) / 2, cy = (t + b) / 2;
    float kx = (r - l) / 2 * Kappa, ky = (b - t) / 2 * Kappa;
    MoveTo({l, cy});
    CurveTo({l, cy - ky}, {cx - kx, t}, {cx, t});
    CurveTo({cx + kx, t}, {r, cy - ky}, {r, cy});
    CurveTo({r, cy + ky}, {cx + kx, b}, {cx, b});
    CurveTo({cx - kx, b}, {l, cy + ky}, {l, cy});
    FClippable = true;
}

void TRurGraphicsPath::AddArc(TPointF center, TPointF radius, float startAngle, float sweepAngle)
{
    const double pi = std::numbers::pi;
    const float fullTurn = float(2 * pi);
    float start = float(startAngle * pi / 180);
    float sweep = float(sweepAngle * pi / 180);
    start = float(start - 2 * pi * std::trunc(start / (2 * pi)));
    if (std::isnan(sweep) || sweep >= fullTurn)
        sweep = fullTurn;
    else if (sweep <= -fullTurn)
        sweep = -fullTurn;
    if (std::fabs(sweep) < 1E-10)
        return;

    const double quarter = sweep > 0 ? pi / 2 : -pi / 2;
    double done = 0;
    bool first = true;
    for (bool last = false; !last;) {
        double segment = quarter;
        last = sweep > 0 ? done + quarter >= sweep - ArcFoldLimit : done + quarter <= sweep + ArcFoldLimit;
        if (last)
            segment = sweep - done;
        // The unit arc from -segment/2 to +segment/2, turned to its place and scaled.
        double s = start + done;
        double c = std::cos(segment / 2), sn = std::sin(segment / 2);
        double k = 4 * (1 - c) / 3, y = sn - k * c / sn;
        double cc = std::cos(s + segment / 2), ss = std::sin(s + segment / 2);
        auto place = [&](double ux, double uy) {
            return TPointF{float(center.X + radius.X * (ux * cc - uy * ss)), float(center.Y + radius.Y * (ux * ss + uy * cc))};
        };
        if (first) {
            TPointF p0 = place(c, -sn);
            if (Count() > 0)
                LineTo(p0);
            else
                MoveTo(p0);
            first = false;
        }
        CurveTo(place(c + k, -y), place(c + k, y), place(c, sn));
        done += segment;
    }
}

TRectF TRurGraphicsPath::GetBounds() const
{
    // The bounds start from the first point that counts, so paths beyond +-65535 get true bounds.
    bool any = false;
    TRectF bounds;
    for (const TRurGraphicsPathPoint& point : FPoints) {
        if (point.Kind == gppClose)
            continue;
        TPointF p = point.Point;
        if (!any) {
            bounds = {p.X, p.Y, p.X, p.Y};
            any = true;
            continue;
        }
        bounds.Left = Min(bounds.Left, p.X);
        bounds.Right = Max(bounds.Right, p.X);
        bounds.Top = Min(bounds.Top, p.Y);
        bounds.Bottom = Max(bounds.Bottom, p.Y);
    }
    if (!any)
        return {};
    if (std::fabs(bounds.Width()) <= 0.001f)
        bounds.Right = bounds.Left + 0.001f;
    if (std::fabs(bounds.Height()) <= 0.001f)
        bounds.Bottom = bounds.Top + 0.001f;
    return bounds;
}

void TRurGraphicsPath::ApplyMatrix(const TRurGraphicsMatrix& matrix)
{
    for (int i = 0; i < Count(); ++i) {
        TRurGraphicsPathPoint point = FPoints.Items(i);
        if (point.Kind == gppClose)
            continue;
        point.Point = point.Point * matrix;
        FPoints.SetItems(i, point);
    }
}

TRectF ApplyModifyRectMode(TRectF rect, TRurGraphicsModifyRectMode) { return rect; }
