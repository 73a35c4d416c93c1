// Paths and regions.
#include "FwGdiPlus.h"
#include "WideText.h"

namespace fwgdip {

TGPGraphicsPath::TGPGraphicsPath(FillMode fillMode) { Check(GdipCreatePath(fillMode, &FNative)); }

TGPGraphicsPath::~TGPGraphicsPath()
{
    if (FNative)
        GdipDeletePath(FNative);
}

std::unique_ptr<TGPGraphicsPath> TGPGraphicsPath::Clone() const
{
    GpPath* copy = nullptr;
    Check(GdipClonePath(FNative, &copy));
    return std::unique_ptr<TGPGraphicsPath>(new TGPGraphicsPath(copy));
}

TStatus TGPGraphicsPath::Reset() { return Check(GdipResetPath(FNative)); }
TStatus TGPGraphicsPath::SetFillMode(FillMode fillMode) { return Check(GdipSetPathFillMode(FNative, fillMode)); }

FillMode TGPGraphicsPath::GetFillMode() const
{
    FillMode mode = FillModeAlternate;
    Check(GdipGetPathFillMode(FNative, &mode));
    return mode;
}

TStatus TGPGraphicsPath::StartFigure() { return Check(GdipStartPathFigure(FNative)); }
TStatus TGPGraphicsPath::CloseFigure() { return Check(GdipClosePathFigure(FNative)); }
TStatus TGPGraphicsPath::CloseAllFigures() { return Check(GdipClosePathFigures(FNative)); }

TStatus TGPGraphicsPath::AddLine(REAL x1, REAL y1, REAL x2, REAL y2)
{
    return Check(GdipAddPathLine(FNative, x1, y1, x2, y2));
}

TStatus TGPGraphicsPath::AddLines(std::span<const TGPPointF> points)
{
    return Check(GdipAddPathLine2(FNative, points.data(), INT(points.size())));
}

TStatus TGPGraphicsPath::AddArc(REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle)
{
    return Check(GdipAddPathArc(FNative, x, y, width, height, startAngle, sweepAngle));
}

TStatus TGPGraphicsPath::AddBezier(const TGPPointF& p1, const TGPPointF& p2, const TGPPointF& p3, const TGPPointF& p4)
{
    return Check(GdipAddPathBezier(FNative, p1.X, p1.Y, p2.X, p2.Y, p3.X, p3.Y, p4.X, p4.Y));
}

TStatus TGPGraphicsPath::AddBeziers(std::span<const TGPPointF> points)
{
    return Check(GdipAddPathBeziers(FNative, points.data(), INT(points.size())));
}

TStatus TGPGraphicsPath::AddCurve(std::span<const TGPPointF> points)
{
    return Check(GdipAddPathCurve(FNative, points.data(), INT(points.size())));
}

TStatus TGPGraphicsPath::AddClosedCurve(std::span<const TGPPointF> points)
{
    return Check(GdipAddPathClosedCurve(FNative, points.data(), INT(points.size())));
}

TStatus TGPGraphicsPath::AddRectangle(const TGPRectF& rect)
{
    return Check(GdipAddPathRectangle(FNative, rect.X, rect.Y, rect.Width, rect.Height));
}

TStatus TGPGraphicsPath::AddEllipse(REAL x, REAL y, REAL width, REAL height)
{
    return Check(GdipAddPathEllipse(FNative, x, y, width, height));
}

TStatus TGPGraphicsPath::AddPie(REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle)
{
    return Check(GdipAddPathPie(FNative, x, y, width, height, startAngle, sweepAngle));
}

TStatus TGPGraphicsPath::AddPolygon(std::span<const TGPPointF> points)
{
    return Check(GdipAddPathPolygon(FNative, points.data(), INT(points.size())));
}

TStatus TGPGraphicsPath::AddPath(const TGPGraphicsPath& path, bool connect)
{
    return Check(GdipAddPathPath(FNative, path.FNative, connect));
}

TStatus TGPGraphicsPath::AddString(const String& text, const TGPFontFamily& family, INT style, REAL emSize,
                                   const TGPRectF& layoutRect, const TGPStringFormat* format)
{
    // Some GDI+ implementations refuse a missing format; the default one means the same.
    TGPStringFormat defaultFormat;
    return Check(GdipAddPathString(FNative, WidePtr(text), INT(text.size()), family.Native(), style, emSize,
                                   &layoutRect, (format ? *format : defaultFormat).Native()));
}

TStatus TGPGraphicsPath::GetBounds(TGPRectF& bounds, const TGPMatrix* matrix, const TGPPen* pen) const
{
    return Check(GdipGetPathWorldBounds(FNative, &bounds, matrix ? matrix->Native() : nullptr,
                                        pen ? pen->Native() : nullptr));
}

INT TGPGraphicsPath::GetPointCount() const
{
    INT count = 0;
    Check(GdipGetPointCount(FNative, &count));
    return count;
}

TStatus TGPGraphicsPath::GetPathPoints(std::span<TGPPointF> points) const
{
    return Check(GdipGetPathPoints(FNative, points.data(), static_cast<INT>(points.size())));
}

TStatus TGPGraphicsPath::GetLastPoint(TGPPointF& point) const { return Check(GdipGetPathLastPoint(FNative, &point)); }

TStatus TGPGraphicsPath::Transform(const TGPMatrix& matrix) { return Check(GdipTransformPath(FNative, matrix.Native())); }

TStatus TGPGraphicsPath::Flatten(const TGPMatrix* matrix, REAL flatness)
{
    return Check(GdipFlattenPath(FNative, matrix ? matrix->Native() : nullptr, flatness));
}

TStatus TGPGraphicsPath::Widen(const TGPPen& pen, const TGPMatrix* matrix, REAL flatness)
{
    return Check(GdipWidenPath(FNative, pen.Native(), matrix ? matrix->Native() : nullptr, flatness));
}

bool TGPGraphicsPath::IsVisible(REAL x, REAL y) const
{
    BOOL result = FALSE;
    Check(GdipIsVisiblePathPoint(FNative, x, y, nullptr, &result));
    return result != FALSE;
}

TGPRegion::TGPRegion() { Check(GdipCreateRegion(&FNative)); }
TGPRegion::TGPRegion(const TGPRectF& rect) { Check(GdipCreateRegionRect(&rect, &FNative)); }
TGPRegion::TGPRegion(const TGPGraphicsPath& path) { Check(GdipCreateRegionPath(path.Native(), &FNative)); }
TGPRegion::TGPRegion(HRGN region) { Check(GdipCreateRegionHrgn(region, &FNative)); }

TGPRegion::~TGPRegion()
{
    if (FNative)
        GdipDeleteRegion(FNative);
}

TStatus TGPRegion::MakeInfinite() { return Check(GdipSetInfinite(FNative)); }
TStatus TGPRegion::MakeEmpty() { return Check(GdipSetEmpty(FNative)); }

TStatus TGPRegion::Combine(const TGPRectF& rect, CombineMode mode) { return Check(GdipCombineRegionRect(FNative, &rect, mode)); }

TStatus TGPRegion::Combine(const TGPGraphicsPath& path, CombineMode mode)
{
    return Check(GdipCombineRegionPath(FNative, path.Native(), mode));
}

TStatus TGPRegion::Combine(const TGPRegion& region, CombineMode mode)
{
    return Check(GdipCombineRegionRegion(FNative, region.FNative, mode));
}

} // namespace fwgdip
