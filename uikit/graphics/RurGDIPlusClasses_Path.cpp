// Path wrapper.
#include "RurGDIPlusClasses.h"

#include <new>

namespace RurGDIPlusClasses {

using enum GdipEntry;

TGPGraphicsPath::TGPGraphicsPath(FillMode fillMode) { lastResult = GdipCall(GdipCreatePath, fillMode, &nativePath); }

TGPGraphicsPath::TGPGraphicsPath(const TGPPointF* points, const uint8_t* types, int32_t count, FillMode fillMode)
{
    lastResult = GdipCall(GdipCreatePath2, points, types, count, fillMode, &nativePath);
}

TGPGraphicsPath::TGPGraphicsPath(const TGPPoint* points, const uint8_t* types, int32_t count, FillMode fillMode)
{
    lastResult = GdipCall(GdipCreatePath2I, points, types, count, fillMode, &nativePath);
}

TGPGraphicsPath::TGPGraphicsPath(TGPGraphicsPath* path)
{
    lastResult = GdipCall(GdipClonePath, TGPHandles::Of(path), &nativePath);
}

TGPGraphicsPath::TGPGraphicsPath(void* nativePath, Status status) : nativePath(nativePath), lastResult(status) {}

TGPGraphicsPath::~TGPGraphicsPath() { GdipCall(GdipDeletePath, nativePath); }

TGPGraphicsPath* TGPGraphicsPath::Clone()
{
    void* copy = nullptr;
    SetStatus(GdipCall(GdipClonePath, nativePath, &copy));
    return new TGPGraphicsPath(copy, Ok);
}

Status TGPGraphicsPath::Reset() { return SetStatus(GdipCall(GdipResetPath, nativePath)); }

FillMode TGPGraphicsPath::GetFillMode()
{
    FillMode mode = FillModeAlternate;
    if (SetStatus(GdipCall(GdipGetPathFillMode, nativePath, &mode)) != Ok)
        return FillModeAlternate;
    return mode;
}

Status TGPGraphicsPath::SetFillMode(FillMode fillmode) { return SetStatus(GdipCall(GdipSetPathFillMode, nativePath, fillmode)); }

Status TGPGraphicsPath::GetPathData(TPathData& pathData)
{
    int32_t count = GetPointCount();
    if (count <= 0 || (pathData.Count > 0 && pathData.Count < count)) {
        pathData.Clear();
        if (count <= 0)
            return lastResult;
    }
    if (pathData.Count == 0) {
        pathData.Points = new (std::nothrow) TGPPointF[count];
        pathData.Types = new (std::nothrow) uint8_t[count];
        if (!pathData.Points || !pathData.Types) {
            pathData.Clear();
            return SetStatus(OutOfMemory);
        }
    }
    // A larger holder is reused: its count must still say how many points this path has, or the
    // platform is told there is room for more than it fills and the caller reads stale entries.
    pathData.Count = count;
    return SetStatus(GdipCall(GdipGetPathData, nativePath, &pathData.Count));
}

Status TGPGraphicsPath::StartFigure() { return SetStatus(GdipCall(GdipStartPathFigure, nativePath)); }
Status TGPGraphicsPath::CloseFigure() { return SetStatus(GdipCall(GdipClosePathFigure, nativePath)); }
Status TGPGraphicsPath::CloseAllFigures() { return SetStatus(GdipCall(GdipClosePathFigures, nativePath)); }
Status TGPGraphicsPath::SetMarker() { return SetStatus(GdipCall(GdipSetPathMarker, nativePath)); }
Status TGPGraphicsPath::ClearMarkers() { return SetStatus(GdipCall(GdipClearPathMarkers, nativePath)); }
Status TGPGraphicsPath::Reverse() { return SetStatus(GdipCall(GdipReversePath, nativePath)); }

Status TGPGraphicsPath::GetLastPoint(TGPPointF& lastPoint)
{
    return SetStatus(GdipCall(GdipGetPathLastPoint, nativePath, &lastPoint));
}

Status TGPGraphicsPath::AddLine(const TGPPointF& pt1, const TGPPointF& pt2) { return AddLine(pt1.X, pt1.Y, pt2.X, pt2.Y); }
Status TGPGraphicsPath::AddLine(const TGPPoint& pt1, const TGPPoint& pt2) { return AddLine(pt1.X, pt1.Y, pt2.X, pt2.Y); }

Status TGPGraphicsPath::AddLine(float x1, float y1, float x2, float y2)
{
    return SetStatus(GdipCall(GdipAddPathLine, nativePath, x1, y1, x2, y2));
}

Status TGPGraphicsPath::AddLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    return SetStatus(GdipCall(GdipAddPathLineI, nativePath, x1, y1, x2, y2));
}

Status TGPGraphicsPath::AddLines(const TGPPointF* points, int32_t count)
{
    return SetStatus(GdipCall(GdipAddPathLine2, nativePath, points, count));
}

Status TGPGraphicsPath::AddLines(const TGPPoint* points, int32_t count)
{
    return SetStatus(GdipCall(GdipAddPathLine2I, nativePath, points, count));
}

Status TGPGraphicsPath::AddArc(const TGPRectF& rect, float startAngle, float sweepAngle)
{
    return AddArc(rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}

Status TGPGraphicsPath::AddArc(const TGPRect& rect, float startAngle, float sweepAngle)
{
    return AddArc(rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}

Status TGPGraphicsPath::AddArc(float x, float y, float width, float height, float startAngle, float sweepAngle)
{
    return SetStatus(GdipCall(GdipAddPathArc, nativePath, x, y, width, height, startAngle, sweepAngle));
}

Status TGPGraphicsPath::AddArc(int32_t x, int32_t y, int32_t width, int32_t height, float startAngle, float sweepAngle)
{
    return SetStatus(GdipCall(GdipAddPathArcI, nativePath, x, y, width, height, startAngle, sweepAngle));
}

Status TGPGraphicsPath::AddBezier(const TGPPointF& pt1, const TGPPointF& pt2, const TGPPointF& pt3, const TGPPointF& pt4)
{
    return AddBezier(pt1.X, pt1.Y, pt2.X, pt2.Y, pt3.X, pt3.Y, pt4.X, pt4.Y);
}

Status TGPGraphicsPath::AddBezier(const TGPPoint& pt1, const TGPPoint& pt2, const TGPPoint& pt3, const TGPPoint& pt4)
{
    return AddBezier(pt1.X, pt1.Y, pt2.X, pt2.Y, pt3.X, pt3.Y, pt4.X, pt4.Y);
}

Status TGPGraphicsPath::AddBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4)
{
    return SetStatus(GdipCall(GdipAddPathBezier, nativePath, x1, y1, x2, y2, x3, y3, x4, y4));
}

Status TGPGraphicsPath::AddBezier(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4,
                                  int32_t y4)
{
    return SetStatus(GdipCall(GdipAddPathBezierI, nativePath, x1, y1, x2, y2, x3, y3, x4, y4));
}

Status TGPGraphicsPath::AddBeziers(const TGPPointF* points, int32_t count)
{
    return SetStatus(GdipCall(GdipAddPathBeziers, nativePath, points, count));
}

Status TGPGraphicsPath::AddBeziers(const TGPPoint* points, int32_t count)
{
    return SetStatus(GdipCall(GdipAddPathBeziersI, nativePath, points, count));
}

Status TGPGraphicsPath::AddCurve(const TGPPointF* points, int32_t count)
{
    return SetStatus(GdipCall(GdipAddPathCurve, nativePath, points, count));
}

Status TGPGraphicsPath::AddCurve(const TGPPoint* points, int32_t count)
{
    return SetStatus(GdipCall(GdipAddPathCurveI, nativePath, points, count));
}

Status TGPGraphicsPath::AddCurve(const TGPPointF* points, int32_t count, float tension)
{
    return SetStatus(GdipCall(GdipAddPathCurve2, nativePath, points, count, tension));
}

Status TGPGraphicsPath::AddCurve(const TGPPoint* points, int32_t count, float tension)
{
    return SetStatus(GdipCall(GdipAddPathCurve2I, nativePath, points, count, tension));
}

Status TGPGraphicsPath::AddCurve(const TGPPointF* points, int32_t count, int32_t offset, int32_t numberOfSegments,
                                 float tension)
{
    return SetStatus(GdipCall(GdipAddPathCurve3, nativePath, points, count, offset, numberOfSegments, tension));
}

Status TGPGraphicsPath::AddCurve(const TGPPoint* points, int32_t count, int32_t offset, int32_t numberOfSegments,
                                 float tension)
{
    return SetStatus(GdipCall(GdipAddPathCurve3I, nativePath, points, count, offset, numberOfSegments, tension));
}

Status TGPGraphicsPath::AddClosedCurve(const TGPPointF* points, int32_t count)
{
    return SetStatus(GdipCall(GdipAddPathClosedCurve, nativePath, points, count));
}

Status TGPGraphicsPath::AddClosedCurve(const TGPPoint* points, int32_t count)
{
    return SetStatus(GdipCall(GdipAddPathClosedCurveI, nativePath, points, count));
}

Status TGPGraphicsPath::AddClosedCurve(const TGPPointF* points, int32_t count, float tension)
{
    return SetStatus(GdipCall(GdipAddPathClosedCurve2, nativePath, points, count, tension));
}

Status TGPGraphicsPath::AddClosedCurve(const TGPPoint* points, int32_t count, float tension)
{
    return SetStatus(GdipCall(GdipAddPathClosedCurve2I, nativePath, points, count, tension));
}

Status TGPGraphicsPath::AddRectangle(const TGPRectF& rect)
{
    return SetStatus(GdipCall(GdipAddPathRectangle, nativePath, rect.X, rect.Y, rect.Width, rect.Height));
}

Status TGPGraphicsPath::AddRectangle(const TGPRect& rect)
{
    return SetStatus(GdipCall(GdipAddPathRectangleI, nativePath, rect.X, rect.Y, rect.Width, rect.Height));
}

Status TGPGraphicsPath::AddRectangles(const TGPRectF* rects, int32_t count)
{
    return SetStatus(GdipCall(GdipAddPathRectangles, nativePath, rects, count));
}

Status TGPGraphicsPath::AddRectangles(const TGPRect* rects, int32_t count)
{
    return SetStatus(GdipCall(GdipAddPathRectanglesI, nativePath, rects, count));
}

Status TGPGraphicsPath::AddEllipse(const TGPRectF& rect) { return AddEllipse(rect.X, rect.Y, rect.Width, rect.Height); }
Status TGPGraphicsPath::AddEllipse(const TGPRect& rect) { return AddEllipse(rect.X, rect.Y, rect.Width, rect.Height); }

Status TGPGraphicsPath::AddEllipse(float x, float y, float width, float height)
{
    return SetStatus(GdipCall(GdipAddPathEllipse, nativePath, x, y, width, height));
}

Status TGPGraphicsPath::AddEllipse(int32_t x, int32_t y, int32_t width, int32_t height)
{
    return SetStatus(GdipCall(GdipAddPathEllipseI, nativePath, x, y, width, height));
}

Status TGPGraphicsPath::AddPie(const TGPRectF& rect, float startAngle, float sweepAngle)
{
    return AddPie(rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}

Status TGPGraphicsPath::AddPie(const TGPRect& rect, float startAngle, float sweepAngle)
{
    return AddPie(rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}

Status TGPGraphicsPath::AddPie(float x, float y, float width, float height, float startAngle, float sweepAngle)
{
    return SetStatus(GdipCall(GdipAddPathPie, nativePath, x, y, width, height, startAngle, sweepAngle));
}

Status TGPGraphicsPath::AddPie(int32_t x, int32_t y, int32_t width, int32_t height, float startAngle, float sweepAngle)
{
    return SetStatus(GdipCall(GdipAddPathPieI, nativePath, x, y, width, height, startAngle, sweepAngle));
}

Status TGPGraphicsPath::AddPolygon(const TGPPointF* points, int32_t count)
{
    return SetStatus(GdipCall(GdipAddPathPolygon, nativePath, points, count));
}

Status TGPGraphicsPath::AddPolygon(const TGPPoint* points, int32_t count)
{
    return SetStatus(GdipCall(GdipAddPathPolygonI, nativePath, points, count));
}

Status TGPGraphicsPath::AddPath(TGPGraphicsPath* addingPath, bool connect)
{
    return SetStatus(GdipCall(GdipAddPathPath, nativePath, TGPHandles::Of(addingPath),
                              BOOL(connect)));
}

Status TGPGraphicsPath::AddString(const String& text, int32_t length, TGPFontFamily* family, int32_t style,
                                  float emSize, const TGPPointF& origin, TGPStringFormat* format)
{
    return AddString(text, length, family, style, emSize, MakeRectF(origin.X, origin.Y, 0, 0), format);
}

Status TGPGraphicsPath::AddString(const String& text, int32_t length, TGPFontFamily* family, int32_t style,
                                  float emSize, const TGPPoint& origin, TGPStringFormat* format)
{
    return AddString(text, length, family, style, emSize, MakeRect(origin.X, origin.Y, 0, 0), format);
}

Status TGPGraphicsPath::AddString(const String& text, int32_t length, TGPFontFamily* family, int32_t style,
                                  float emSize, const TGPRectF& layoutRect, TGPStringFormat* format)
{
    return SetStatus(GdipCall(GdipAddPathString, nativePath, text.c_str(), length,
                              TGPHandles::Of(family), style, emSize, &layoutRect,
                              TGPHandles::Of(format)));
}

Status TGPGraphicsPath::AddString(const String& text, int32_t length, TGPFontFamily* family, int32_t style,
                                  float emSize, const TGPRect& layoutRect, TGPStringFormat* format)
{
    return SetStatus(GdipCall(GdipAddPathStringI, nativePath, text.c_str(), length,
                              TGPHandles::Of(family), style, emSize, &layoutRect,
                              TGPHandles::Of(format)));
}

Status TGPGraphicsPath::Transform(TGPMatrix* matrix)
{
    if (!matrix)
        return Ok;
    return SetStatus(GdipCall(GdipTransformPath, nativePath, TGPHandles::Of(matrix)));
}

Status TGPGraphicsPath::GetBounds(TGPRectF& bounds, TGPMatrix* matrix, TGPPen* pen)
{
    return SetStatus(GdipCall(GdipGetPathWorldBounds, nativePath, &bounds, TGPHandles::Of(matrix), TGPHandles::Of(pen)));
}

Status TGPGraphicsPath::GetBounds(TGPRect& bounds, TGPMatrix* matrix, TGPPen* pen)
{
    return SetStatus(GdipCall(GdipGetPathWorldBoundsI, nativePath, &bounds, TGPHandles::Of(matrix), TGPHandles::Of(pen)));
}

Status TGPGraphicsPath::Flatten(TGPMatrix* matrix, float flatness)
{
    return SetStatus(GdipCall(GdipFlattenPath, nativePath, TGPHandles::Of(matrix), flatness));
}

Status TGPGraphicsPath::Widen(TGPPen* pen, TGPMatrix* matrix, float flatness)
{
    return SetStatus(GdipCall(GdipWidenPath, nativePath, TGPHandles::Of(pen), TGPHandles::Of(matrix), flatness));
}

Status TGPGraphicsPath::Outline(TGPMatrix* matrix, float flatness)
{
    return SetStatus(GdipCall(GdipWindingModeOutline, nativePath, TGPHandles::Of(matrix), flatness));
}

Status TGPGraphicsPath::Warp(const TGPPointF* destPoints, int32_t count, const TGPRectF& srcRect, TGPMatrix* matrix,
                             WarpMode warpMode, float flatness)
{
    return SetStatus(GdipCall(GdipWarpPath, nativePath, TGPHandles::Of(matrix), destPoints, count, srcRect.X, srcRect.Y,
                              srcRect.Width, srcRect.Height, warpMode, flatness));
}

int32_t TGPGraphicsPath::GetPointCount()
{
    int32_t count = 0;
    SetStatus(GdipCall(GdipGetPointCount, nativePath, &count));
    return count;
}

Status TGPGraphicsPath::GetPathTypes(uint8_t* types, int32_t count)
{
    return SetStatus(GdipCall(GdipGetPathTypes, nativePath, types, count));
}

Status TGPGraphicsPath::GetPathPoints(TGPPointF* points, int32_t count)
{
    return SetStatus(GdipCall(GdipGetPathPoints, nativePath, points, count));
}

Status TGPGraphicsPath::GetPathPoints(TGPPoint* points, int32_t count)
{
    return SetStatus(GdipCall(GdipGetPathPointsI, nativePath, points, count));
}

bool TGPGraphicsPath::IsVisible(const TGPPointF& point, TGPGraphics* g) { return IsVisible(point.X, point.Y, g); }
bool TGPGraphicsPath::IsVisible(const TGPPoint& point, TGPGraphics* g) { return IsVisible(point.X, point.Y, g); }

bool TGPGraphicsPath::IsVisible(float x, float y, TGPGraphics* g)
{
    BOOL result = FALSE;
    SetStatus(GdipCall(GdipIsVisiblePathPoint, nativePath, x, y, TGPHandles::Of(g), &result));
    return result;
}

bool TGPGraphicsPath::IsVisible(int32_t x, int32_t y, TGPGraphics* g)
{
    BOOL result = FALSE;
    SetStatus(GdipCall(GdipIsVisiblePathPointI, nativePath, x, y, TGPHandles::Of(g), &result));
    return result;
}

bool TGPGraphicsPath::IsOutlineVisible(const TGPPointF& point, TGPPen* pen, TGPGraphics* g)
{
    return IsOutlineVisible(point.X, point.Y, pen, g);
}

bool TGPGraphicsPath::IsOutlineVisible(const TGPPoint& point, TGPPen* pen, TGPGraphics* g)
{
    return IsOutlineVisible(point.X, point.Y, pen, g);
}

bool TGPGraphicsPath::IsOutlineVisible(float x, float y, TGPPen* pen, TGPGraphics* g)
{
    BOOL result = FALSE;
    SetStatus(GdipCall(GdipIsOutlineVisiblePathPoint, nativePath, x, y, TGPHandles::Of(pen), TGPHandles::Of(g), &result));
    return result;
}

bool TGPGraphicsPath::IsOutlineVisible(int32_t x, int32_t y, TGPPen* pen, TGPGraphics* g)
{
    BOOL result = FALSE;
    SetStatus(GdipCall(GdipIsOutlineVisiblePathPointI, nativePath, x, y, TGPHandles::Of(pen), TGPHandles::Of(g), &result));
    return result;
}

} // namespace RurGDIPlusClasses
