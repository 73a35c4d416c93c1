// Matrices, paths and regions of the statically imported wrapper set.
#include "RurGDIPFlat.h"

namespace RurGDIP {

namespace {

constexpr int MatrixElementCount = 6;

} // namespace

// ---- TGPMatrix -----------------------------------------------------------------------------------

TGPMatrix::TGPMatrix() { lastResult = GdipCreateMatrix(&nativeMatrix); }

TGPMatrix::TGPMatrix(float m11, float m12, float m21, float m22, float dx, float dy)
{
    lastResult = GdipCreateMatrix2(m11, m12, m21, m22, dx, dy, &nativeMatrix);
}

TGPMatrix::TGPMatrix(const TGPRectF& rect, const TGPPointF* dstplg)
{
    lastResult = GdipCreateMatrix3(&rect, dstplg, &nativeMatrix);
}

TGPMatrix::TGPMatrix(const TGPRect& rect, const TGPPoint* dstplg)
{
    lastResult = GdipCreateMatrix3I(&rect, dstplg, &nativeMatrix);
}

TGPMatrix::TGPMatrix(GpMatrix* native, TStatus status) : nativeMatrix(native) { lastResult = status; }

TGPMatrix::~TGPMatrix() { GdipDeleteMatrix(nativeMatrix); }

std::unique_ptr<TGPMatrix> TGPMatrix::Clone()
{
    GpMatrix* clone = nullptr;
    SetStatus(GdipCloneMatrix(nativeMatrix, &clone));
    if (lastResult != Ok) {
        GdipDeleteMatrix(clone);
        return nullptr;
    }
    return std::unique_ptr<TGPMatrix>(new TGPMatrix(clone, Ok));
}

TStatus TGPMatrix::GetElements(float* elements) { return SetStatus(GdipGetMatrixElements(nativeMatrix, elements)); }

TStatus TGPMatrix::SetElements(float m11, float m12, float m21, float m22, float dx, float dy)
{
    return SetStatus(GdipSetMatrixElements(nativeMatrix, m11, m12, m21, m22, dx, dy));
}

float TGPMatrix::OffsetX()
{
    float elements[MatrixElementCount]{};
    return GetElements(elements) == Ok ? elements[4] : 0;
}

float TGPMatrix::OffsetY()
{
    float elements[MatrixElementCount]{};
    return GetElements(elements) == Ok ? elements[5] : 0;
}

TStatus TGPMatrix::Reset() { return SetElements(1, 0, 0, 1, 0, 0); }

TStatus TGPMatrix::Multiply(const TGPMatrix* matrix, MatrixOrder order)
{
    return SetStatus(GdipMultiplyMatrix(nativeMatrix, matrix->nativeMatrix, order));
}

TStatus TGPMatrix::Translate(float offsetX, float offsetY, MatrixOrder order)
{
    return SetStatus(GdipTranslateMatrix(nativeMatrix, offsetX, offsetY, order));
}

TStatus TGPMatrix::Scale(float scaleX, float scaleY, MatrixOrder order)
{
    return SetStatus(GdipScaleMatrix(nativeMatrix, scaleX, scaleY, order));
}

TStatus TGPMatrix::Rotate(float angle, MatrixOrder order)
{
    return SetStatus(GdipRotateMatrix(nativeMatrix, angle, order));
}

TStatus TGPMatrix::RotateAt(float angle, const TGPPointF& center, MatrixOrder order)
{
    if (order == MatrixOrderAppend) {
        SetStatus(GdipTranslateMatrix(nativeMatrix, -center.X, -center.Y, order));
        SetStatus(GdipRotateMatrix(nativeMatrix, angle, order));
        return SetStatus(GdipTranslateMatrix(nativeMatrix, center.X, center.Y, order));
    }
    SetStatus(GdipTranslateMatrix(nativeMatrix, center.X, center.Y, order));
    SetStatus(GdipRotateMatrix(nativeMatrix, angle, order));
    return SetStatus(GdipTranslateMatrix(nativeMatrix, -center.X, -center.Y, order));
}

TStatus TGPMatrix::Shear(float shearX, float shearY, MatrixOrder order)
{
    return SetStatus(GdipShearMatrix(nativeMatrix, shearX, shearY, order));
}

TStatus TGPMatrix::Invert() { return SetStatus(GdipInvertMatrix(nativeMatrix)); }

TStatus TGPMatrix::TransformPoints(TGPPointF* points, int count)
{
    return SetStatus(GdipTransformMatrixPoints(nativeMatrix, points, count));
}

TStatus TGPMatrix::TransformPoints(TGPPoint* points, int count)
{
    return SetStatus(GdipTransformMatrixPointsI(nativeMatrix, points, count));
}

TStatus TGPMatrix::TransformVectors(TGPPointF* points, int count)
{
    return SetStatus(GdipVectorTransformMatrixPoints(nativeMatrix, points, count));
}

TStatus TGPMatrix::TransformVectors(TGPPoint* points, int count)
{
    return SetStatus(GdipVectorTransformMatrixPointsI(nativeMatrix, points, count));
}

bool TGPMatrix::IsInvertible()
{
    BOOL result = FALSE;
    SetStatus(GdipIsMatrixInvertible(nativeMatrix, &result));
    return result;
}

bool TGPMatrix::IsIdentity()
{
    BOOL result = FALSE;
    SetStatus(GdipIsMatrixIdentity(nativeMatrix, &result));
    return result;
}

// ---- TGPGraphicsPath -----------------------------------------------------------------------------

TGPGraphicsPath::TGPGraphicsPath(FillMode fillMode) { lastResult = GdipCreatePath(fillMode, &nativePath); }

TGPGraphicsPath::TGPGraphicsPath(const TGPPointF* points, const BYTE* types, int count, FillMode fillMode)
{
    lastResult = GdipCreatePath2(points, types, count, fillMode, &nativePath);
}

TGPGraphicsPath::TGPGraphicsPath(GpPath* native) : nativePath(native) {}

TGPGraphicsPath::~TGPGraphicsPath() { GdipDeletePath(nativePath); }

TStatus TGPGraphicsPath::Reset() { return SetStatus(GdipResetPath(nativePath)); }

TStatus TGPGraphicsPath::CloseFigure() { return SetStatus(GdipClosePathFigure(nativePath)); }

int TGPGraphicsPath::GetPointCount()
{
    int count = 0;
    SetStatus(GdipGetPointCount(nativePath, &count));
    return count;
}

TStatus TGPGraphicsPath::GetPathPoints(TGPPointF* points, int count)
{
    return SetStatus(GdipGetPathPoints(nativePath, points, count));
}

TStatus TGPGraphicsPath::GetPathTypes(BYTE* types, int count)
{
    return SetStatus(GdipGetPathTypes(nativePath, types, count));
}

TStatus TGPGraphicsPath::GetBounds(TGPRectF& bounds, const TGPMatrix* matrix, const TGPPen* pen)
{
    return SetStatus(GdipGetPathWorldBounds(nativePath, &bounds, NativeOf(matrix), NativeOf(pen)));
}

TStatus TGPGraphicsPath::AddLine(const TGPPointF& pt1, const TGPPointF& pt2) { return AddLine(pt1.X, pt1.Y, pt2.X, pt2.Y); }

TStatus TGPGraphicsPath::AddLine(float x1, float y1, float x2, float y2)
{
    return SetStatus(GdipAddPathLine(nativePath, x1, y1, x2, y2));
}

TStatus TGPGraphicsPath::AddLines(const TGPPoint* points, int count)
{
    return SetStatus(GdipAddPathLine2I(nativePath, points, count));
}

TStatus TGPGraphicsPath::AddRectangle(const TGPRectF& rect)
{
    return SetStatus(GdipAddPathRectangle(nativePath, rect.X, rect.Y, rect.Width, rect.Height));
}

TStatus TGPGraphicsPath::AddRectangle(const TGPRect& rect)
{
    return SetStatus(GdipAddPathRectangleI(nativePath, rect.X, rect.Y, rect.Width, rect.Height));
}

TStatus TGPGraphicsPath::AddArc(const TGPRectF& rect, float startAngle, float sweepAngle)
{
    return AddArc(rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}

TStatus TGPGraphicsPath::AddArc(float x, float y, float width, float height, float startAngle, float sweepAngle)
{
    return SetStatus(GdipAddPathArc(nativePath, x, y, width, height, startAngle, sweepAngle));
}

TStatus TGPGraphicsPath::AddEllipse(const TGPRectF& rect) { return AddEllipse(rect.X, rect.Y, rect.Width, rect.Height); }

TStatus TGPGraphicsPath::AddEllipse(float x, float y, float width, float height)
{
    return SetStatus(GdipAddPathEllipse(nativePath, x, y, width, height));
}

TStatus TGPGraphicsPath::AddPie(const TGPRectF& rect, float startAngle, float sweepAngle)
{
    return AddPie(rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}

TStatus TGPGraphicsPath::AddPie(float x, float y, float width, float height, float startAngle, float sweepAngle)
{
    return SetStatus(GdipAddPathPie(nativePath, x, y, width, height, startAngle, sweepAngle));
}

TStatus TGPGraphicsPath::AddPolygon(const TGPPointF* points, int count)
{
    return SetStatus(GdipAddPathPolygon(nativePath, points, count));
}

TStatus TGPGraphicsPath::AddPolygon(const TGPPoint* points, int count)
{
    return SetStatus(GdipAddPathPolygonI(nativePath, points, count));
}

TStatus TGPGraphicsPath::AddCurve(const TGPPointF* points, int count)
{
    return SetStatus(GdipAddPathCurve(nativePath, points, count));
}

TStatus TGPGraphicsPath::AddCurve(const TGPPoint* points, int count)
{
    return SetStatus(GdipAddPathCurveI(nativePath, points, count));
}

TStatus TGPGraphicsPath::AddCurve(const TGPPoint* points, int count, float tension)
{
    return SetStatus(GdipAddPathCurve2I(nativePath, points, count, tension));
}

TStatus TGPGraphicsPath::AddBezier(const TGPPoint& pt1, const TGPPoint& pt2, const TGPPoint& pt3, const TGPPoint& pt4)
{
    return AddBezier(float(pt1.X), float(pt1.Y), float(pt2.X), float(pt2.Y), float(pt3.X), float(pt3.Y), float(pt4.X),
                     float(pt4.Y));
}

TStatus TGPGraphicsPath::AddBezier(const TGPPointF& pt1, const TGPPointF& pt2, const TGPPointF& pt3, const TGPPointF& pt4)
{
    return AddBezier(pt1.X, pt1.Y, pt2.X, pt2.Y, pt3.X, pt3.Y, pt4.X, pt4.Y);
}

TStatus TGPGraphicsPath::AddBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4)
{
    return SetStatus(GdipAddPathBezier(nativePath, x1, y1, x2, y2, x3, y3, x4, y4));
}

TStatus TGPGraphicsPath::AddString(const String& string_, int length, const TGPFontFamily* family, int style,
                                   float emSize, const TGPPointF& origin, const TGPStringFormat* format)
{
    return AddString(string_, length, family, style, emSize, MakeRectF(origin.X, origin.Y, 0, 0), format);
}

TStatus TGPGraphicsPath::AddString(const String& string_, int length, const TGPFontFamily* family, int style,
                                   float emSize, const TGPRectF& layoutRect, const TGPStringFormat* format)
{
    return SetStatus(GdipAddPathString(nativePath, WideText(string_), length,
                                       NativeOf(family), style, emSize, &layoutRect,
                                       NativeOf(format)));
}

// ---- TGPRegion -----------------------------------------------------------------------------------

TGPRegion::TGPRegion(const TGPRectF& rect) { lastResult = GdipCreateRegionRect(&rect, &nativeRegion); }

TGPRegion::TGPRegion(const TGPGraphicsPath* path) { lastResult = GdipCreateRegionPath(path->NativePath(), &nativeRegion); }

TGPRegion::~TGPRegion() { GdipDeleteRegion(nativeRegion); }

TStatus TGPRegion::Exclude(const TGPGraphicsPath* path)
{
    return SetStatus(GdipCombineRegionPath(nativeRegion, path->NativePath(), CombineModeExclude));
}

TStatus TGPRegion::Union(const TGPRegion* region)
{
    return SetStatus(GdipCombineRegionRegion(nativeRegion, region->nativeRegion, CombineModeUnion));
}

} // namespace RurGDIP
