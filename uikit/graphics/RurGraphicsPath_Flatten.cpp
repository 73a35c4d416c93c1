#include <cmath>

#include "Math.h"
#include "RurGraphicsPath.h"

namespace {

const float MinFlatness = 0.05f;
// Points closer than this in both X and Y count as one when a polygon is built.
const float SamePointTolerance = 0.001f;
// The polygon tests flatten curves this finely.
const float HitTestFlatness = 0.25f;
const int LengthSamples = 6;
// Most segments one curve is cut into: a curve spanning astronomic coordinates (a hostile
// document) must neither allocate without bound nor overflow the count.
const int MaxCurveSegments = 65536;

float LimitFlatness(float flatness)
{
    // A flatness of NaN is taken as the finest too: dividing by it would make the segment count NaN.
    return flatness > MinFlatness ? flatness : MinFlatness;
}

// Segments a curve is cut into: its length (from a few samples) over the flatness. A curve
// with coordinates that are not numbers counts as one segment.
int SegmentCount(const TRurGraphicsPathCubicBezier& curve, float flatness)
{
    TRurGraphicsPathPolygon samples = TRurGraphicsPath::CreateBezier(curve, LengthSamples);
    double length = 0;
    for (size_t i = 1; i < samples.size(); ++i)
        length += VectorLength({samples[i].X - samples[i - 1].X, samples[i].Y - samples[i - 1].Y});
    double segments = length / flatness;
    if (std::isnan(segments))
        return 1;
    return segments >= MaxCurveSegments ? MaxCurveSegments : int(Round(segments));
}

TRurGraphicsPathCubicBezier CurveAt(const TRurGraphicsPath& path, TPointF current, int index)
{
    return {current, path.GetPoint(index).Point, path.GetPoint(index + 1).Point, path.GetPoint(index + 2).Point};
}

void AppendDistinct(TRurGraphicsPathPolygon& polygon, TPointF p)
{
    if (!polygon.empty() && std::fabs(polygon.back().X - p.X) <= SamePointTolerance &&
        std::fabs(polygon.back().Y - p.Y) <= SamePointTolerance)
        return;
    polygon.push_back(p);
}

} // namespace

TPointF TRurGraphicsPath::PointOnBezier(TPointF startPoint, double ax, double bx, double cx, double ay, double by,
                                        double cy, double t)
{
    double t2 = float(t * t);
    double t3 = float(t * t * t);
    return {float(ax * t3 + bx * t2 + cx * t + startPoint.X), float(ay * t3 + by * t2 + cy * t + startPoint.Y)};
}

TRurGraphicsPathPolygon TRurGraphicsPath::CreateBezier(const TRurGraphicsPathCubicBezier& bezier, int pointCount)
{
    TRurGraphicsPathPolygon result;
    if (pointCount <= 0)
        return result;
    const TPointF &p0 = bezier[0], &p1 = bezier[1], &p2 = bezier[2], &p3 = bezier[3];
    double cx = 3.0 * (double(p1.X) - p0.X), bx = 3.0 * (double(p2.X) - p1.X) - cx, ax = double(p3.X) - p0.X - cx - bx;
    double cy = 3.0 * (double(p1.Y) - p0.Y), by = 3.0 * (double(p2.Y) - p1.Y) - cy, ay = double(p3.Y) - p0.Y - cy - by;
    double step = pointCount > 1 ? 1.0 / (pointCount - 1) : 0;
    result.resize(size_t(pointCount));
    double t = 0;
    for (TPointF& point : result) {
        point = PointOnBezier(p0, ax, bx, cx, ay, by, cy, t);
        t += step;
    }
    return result;
}

void TRurGraphicsPath::Flatten(float flatness)
{
    if (Count() == 0)
        return;
    flatness = LimitFlatness(flatness);
    TRurGraphicsPath source;
    source.AddPath(*this);
    Clear();
    TPointF current;
    for (int i = 0; i < source.Count(); ++i) {
        const TRurGraphicsPathPoint& point = source.GetPoint(i);
        switch (point.Kind) {
        case gppMoveTo:
            MoveTo(point.Point);
            current = point.Point;
            break;
        case gppLineTo:
            LineTo(point.Point);
            current = point.Point;
            break;
        case gppCurveTo: {
            TRurGraphicsPathCubicBezier curve = CurveAt(source, current, i);
            int segments = SegmentCount(curve, flatness);
            if (segments > 1) {
                for (TPointF p : CreateBezier(curve, segments))
                    LineTo(p);
            } else {
                LineTo(curve[3]);
            }
            current = curve[3];
            i += 2;
            break;
        }
        case gppClose:
            ClosePath();
            break;
        }
    }
}

void TRurGraphicsPath::FlattenToPolygon(TRurGraphicsPathPolygon& polygon, float flatness) const
{
    polygon.clear();
    flatness = LimitFlatness(flatness);
    TPointF current, figureStart;
    for (int i = 0; i < Count(); ++i) {
        const TRurGraphicsPathPoint& point = GetPoint(i);
        switch (point.Kind) {
        case gppMoveTo:
            AppendDistinct(polygon, point.Point);
            current = figureStart = point.Point;
            break;
        case gppLineTo:
            AppendDistinct(polygon, point.Point);
            current = point.Point;
            break;
        case gppCurveTo: {
            TRurGraphicsPathCubicBezier curve = CurveAt(*this, current, i);
            int segments = SegmentCount(curve, flatness);
            if (segments > 1) {
                for (TPointF p : CreateBezier(curve, segments))
                    AppendDistinct(polygon, p);
            } else {
                AppendDistinct(polygon, current);
                AppendDistinct(polygon, curve[3]);
            }
            current = curve[3];
            i += 2;
            break;
        }
        case gppClose:
            AppendDistinct(polygon, figureStart);
            break;
        }
    }
}

bool TRurGraphicsPath::IsPointVisible(TPointF p) const
{
    TRurGraphicsPathPolygon polygon;
    FlattenToPolygon(polygon, HitTestFlatness);
    return IsPointInPolygon(p, polygon);
}

bool TRurGraphicsPath::IsRectVisible(TRectF r) const
{
    TRurGraphicsPathPolygon polygon;
    FlattenToPolygon(polygon, HitTestFlatness);
    return PolygonHasPointInRect(polygon, r);
}

bool PtInRectF(TPointF p, TRectF r) { return r.Left <= p.X && p.X < r.Right && r.Top <= p.Y && p.Y < r.Bottom; }

float VectorLength(TPointF v) { return float(std::sqrt(double(v.X) * v.X + double(v.Y) * v.Y)); }

bool IsPointInPolygon(TPointF p, const TRurGraphicsPathPolygon& polygon)
{
    if (polygon.empty())
        return false;
    double minX = polygon[0].X, maxX = minX, minY = polygon[0].Y, maxY = minY;
    for (TPointF v : polygon) {
        minX = Min<double>(minX, v.X);
        maxX = Max<double>(maxX, v.X);
        minY = Min<double>(minY, v.Y);
        maxY = Max<double>(maxY, v.Y);
    }
    if (p.X < minX || p.X > maxX || p.Y < minY || p.Y > maxY)
        return false;
    // Even-odd rule with a ray towards +X.
    bool inside = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        double xi = polygon[i].X, yi = polygon[i].Y, xj = polygon[j].X, yj = polygon[j].Y;
        if (yi == yj || (p.Y < yi) == (p.Y < yj))
            continue;
        double x = xi + (p.Y - yi) * (xj - xi) / (yj - yi);
        if (x > p.X)
            inside = !inside;
    }
    return inside;
}

bool PolygonHasPointInRect(const TRurGraphicsPathPolygon& polygon, TRectF r)
{
    for (TPointF v : polygon)
        if (PtInRectF(v, r))
            return true;
    return false;
}
