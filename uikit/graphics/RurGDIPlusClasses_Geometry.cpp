// Matrix, region and path wrappers.
#include "RurGDIPlusClasses.h"

#include <new>

namespace RurGDIPlusClasses {

using enum GdipEntry;

// ---- TGPMatrix ------------------------------------------------------------------------------------------

TGPMatrix::TGPMatrix() { lastResult = GdipCall(GdipCreateMatrix, &nativeMatrix); }

TGPMatrix::TGPMatrix(float m11, float m12, float m21, float m22, float dx, float dy)
{
    lastResult = GdipCall(GdipCreateMatrix2, m11, m12, m21, m22, dx, dy, &nativeMatrix);
}

TGPMatrix::TGPMatrix(const TGPRectF& rect, const TGPPointF& dstplg)
{
    lastResult = GdipCall(GdipCreateMatrix3, &rect, &dstplg, &nativeMatrix);
}

TGPMatrix::TGPMatrix(const TGPRect& rect, const TGPPoint& dstplg)
{
    lastResult = GdipCall(GdipCreateMatrix3I, &rect, &dstplg, &nativeMatrix);
}

TGPMatrix::TGPMatrix(void* nativeMatrix) : nativeMatrix(nativeMatrix) {}

TGPMatrix::~TGPMatrix() { GdipCall(GdipDeleteMatrix, nativeMatrix); }

TGPMatrix* TGPMatrix::Clone()
{
    void* copy = nullptr;
    SetStatus(GdipCall(GdipCloneMatrix, nativeMatrix, &copy));
    if (lastResult != Ok)
        return nullptr;
    return new TGPMatrix(copy);
}

Status TGPMatrix::GetElements(TMatrixArray& m) { return SetStatus(GdipCall(GdipGetMatrixElements, nativeMatrix, &m[0])); }

Status TGPMatrix::SetElements(float m11, float m12, float m21, float m22, float dx, float dy)
{
    return SetStatus(GdipCall(GdipSetMatrixElements, nativeMatrix, m11, m12, m21, m22, dx, dy));
}

float TGPMatrix::OffsetX()
{
    TMatrixArray m;
    return GetElements(m) == Ok ? m[4] : 0.0f;
}

float TGPMatrix::OffsetY()
{
    TMatrixArray m;
    return GetElements(m) == Ok ? m[5] : 0.0f;
}

Status TGPMatrix::Reset() { return SetElements(1, 0, 0, 1, 0, 0); }

Status TGPMatrix::Multiply(TGPMatrix* matrix, MatrixOrder order)
{
    return SetStatus(GdipCall(GdipMultiplyMatrix, nativeMatrix, TGPHandles::Of(matrix), order));
}

Status TGPMatrix::Translate(float offX, float offY, MatrixOrder order)
{
    return SetStatus(GdipCall(GdipTranslateMatrix, nativeMatrix, offX, offY, order));
}

Status TGPMatrix::Scale(float scaleX, float scaleY, MatrixOrder order)
{
    return SetStatus(GdipCall(GdipScaleMatrix, nativeMatrix, scaleX, scaleY, order));
}

Status TGPMatrix::Rotate(float angle, MatrixOrder order)
{
    return SetStatus(GdipCall(GdipRotateMatrix, nativeMatrix, angle, order));
}

Status TGPMatrix::RotateAt(float angle, const TGPPointF& center, MatrixOrder order)
{
    // Prepended operations apply last-to-first, so the order of the two translations flips.
    float sign = order == MatrixOrderPrepend ? 1.0f : -1.0f;
    Translate(sign * center.X, sign * center.Y, order);
    Rotate(angle, order);
    return Translate(-sign * center.X, -sign * center.Y, order);
}

Status TGPMatrix::Shear(float shearX, float shearY, MatrixOrder order)
{
    return SetStatus(GdipCall(GdipShearMatrix, nativeMatrix, shearX, shearY, order));
}

Status TGPMatrix::Invert() { return SetStatus(GdipCall(GdipInvertMatrix, nativeMatrix)); }

Status TGPMatrix::TransformPoints(TGPPointF* pts, int32_t count)
{
    return SetStatus(GdipCall(GdipTransformMatrixPoints, nativeMatrix, pts, count));
}

Status TGPMatrix::TransformPoints(TGPPoint* pts, int32_t count)
{
    return SetStatus(GdipCall(GdipTransformMatrixPointsI, nativeMatrix, pts, count));
}

Status TGPMatrix::TransformVectors(TGPPointF* pts, int32_t count)
{
    return SetStatus(GdipCall(GdipVectorTransformMatrixPoints, nativeMatrix, pts, count));
}

Status TGPMatrix::TransformVectors(TGPPoint* pts, int32_t count)
{
    return SetStatus(GdipCall(GdipVectorTransformMatrixPointsI, nativeMatrix, pts, count));
}

bool TGPMatrix::IsInvertible()
{
    BOOL result = FALSE;
    SetStatus(GdipCall(GdipIsMatrixInvertible, nativeMatrix, &result));
    return result;
}

bool TGPMatrix::IsIdentity()
{
    BOOL result = FALSE;
    SetStatus(GdipCall(GdipIsMatrixIdentity, nativeMatrix, &result));
    return result;
}

bool TGPMatrix::IsEqual(TGPMatrix* matrix)
{
    BOOL result = FALSE;
    SetStatus(GdipCall(GdipIsMatrixEqual, nativeMatrix, TGPHandles::Of(matrix), &result));
    return result;
}

// ---- TGPRegion ------------------------------------------------------------------------------------------

TGPRegion::TGPRegion() { lastResult = GdipCall(GdipCreateRegion, &nativeRegion); }
TGPRegion::TGPRegion(const TGPRectF& rect) { lastResult = GdipCall(GdipCreateRegionRect, &rect, &nativeRegion); }
TGPRegion::TGPRegion(const TGPRect& rect) { lastResult = GdipCall(GdipCreateRegionRectI, &rect, &nativeRegion); }

TGPRegion::TGPRegion(TGPGraphicsPath* path)
{
    lastResult = GdipCall(GdipCreateRegionPath, TGPHandles::Of(path), &nativeRegion);
}

TGPRegion::TGPRegion(const uint8_t* regionData, int32_t size)
{
    lastResult = GdipCall(GdipCreateRegionRgnData, regionData, size, &nativeRegion);
}

TGPRegion::TGPRegion(HRGN hRgn) { lastResult = GdipCall(GdipCreateRegionHrgn, hRgn, &nativeRegion); }
TGPRegion::TGPRegion(void* nativeRegion) : nativeRegion(nativeRegion) {}
TGPRegion::~TGPRegion() { GdipCall(GdipDeleteRegion, nativeRegion); }

TGPRegion* TGPRegion::FromHRGN(HRGN hRgn)
{
    void* region = nullptr;
    if (GdipCall(GdipCreateRegionHrgn, hRgn, &region) != Ok)
        return nullptr;
    auto* result = new (std::nothrow) TGPRegion(region);
    if (!result)
        GdipCall(GdipDeleteRegion, region);
    return result;
}

TGPRegion* TGPRegion::Clone()
{
    void* copy = nullptr;
    SetStatus(GdipCall(GdipCloneRegion, nativeRegion, &copy));
    return new TGPRegion(copy);
}

Status TGPRegion::MakeInfinite() { return SetStatus(GdipCall(GdipSetInfinite, nativeRegion)); }
Status TGPRegion::MakeEmpty() { return SetStatus(GdipCall(GdipSetEmpty, nativeRegion)); }

uint32_t TGPRegion::GetDataSize()
{
    uint32_t size = 0;
    SetStatus(GdipCall(GdipGetRegionDataSize, nativeRegion, &size));
    return size;
}

Status TGPRegion::GetData(uint8_t* buffer, uint32_t bufferSize, uint32_t* sizeFilled)
{
    return SetStatus(GdipCall(GdipGetRegionData, nativeRegion, buffer, bufferSize, sizeFilled));
}

Status TGPRegion::Combine(const TGPRectF& rect, CombineMode mode)
{
    return SetStatus(GdipCall(GdipCombineRegionRect, nativeRegion, &rect, mode));
}

Status TGPRegion::Combine(const TGPRect& rect, CombineMode mode)
{
    return SetStatus(GdipCall(GdipCombineRegionRectI, nativeRegion, &rect, mode));
}

Status TGPRegion::Combine(TGPGraphicsPath* path, CombineMode mode)
{
    return SetStatus(GdipCall(GdipCombineRegionPath, nativeRegion, TGPHandles::Of(path), mode));
}

Status TGPRegion::Combine(TGPRegion* region, CombineMode mode)
{
    return SetStatus(GdipCall(GdipCombineRegionRegion, nativeRegion, TGPHandles::Of(region), mode));
}

Status TGPRegion::Intersect(const TGPRectF& rect) { return Combine(rect, CombineModeIntersect); }
Status TGPRegion::Intersect(const TGPRect& rect) { return Combine(rect, CombineModeIntersect); }
Status TGPRegion::Intersect(TGPGraphicsPath* path) { return Combine(path, CombineModeIntersect); }
Status TGPRegion::Intersect(TGPRegion* region) { return Combine(region, CombineModeIntersect); }
Status TGPRegion::Union(const TGPRectF& rect) { return Combine(rect, CombineModeUnion); }
Status TGPRegion::Union(const TGPRect& rect) { return Combine(rect, CombineModeUnion); }
Status TGPRegion::Union(TGPGraphicsPath* path) { return Combine(path, CombineModeUnion); }
Status TGPRegion::Union(TGPRegion* region) { return Combine(region, CombineModeUnion); }
Status TGPRegion::Xor_(const TGPRectF& rect) { return Combine(rect, CombineModeXor); }
Status TGPRegion::Xor_(const TGPRect& rect) { return Combine(rect, CombineModeXor); }
Status TGPRegion::Xor_(TGPGraphicsPath* path) { return Combine(path, CombineModeXor); }
Status TGPRegion::Xor_(TGPRegion* region) { return Combine(region, CombineModeXor); }
Status TGPRegion::Exclude(const TGPRectF& rect) { return Combine(rect, CombineModeExclude); }
Status TGPRegion::Exclude(const TGPRect& rect) { return Combine(rect, CombineModeExclude); }
Status TGPRegion::Exclude(TGPGraphicsPath* path) { return Combine(path, CombineModeExclude); }
Status TGPRegion::Exclude(TGPRegion* region) { return Combine(region, CombineModeExclude); }
Status TGPRegion::Complement(const TGPRectF& rect) { return Combine(rect, CombineModeComplement); }
Status TGPRegion::Complement(const TGPRect& rect) { return Combine(rect, CombineModeComplement); }
Status TGPRegion::Complement(TGPGraphicsPath* path) { return Combine(path, CombineModeComplement); }
Status TGPRegion::Complement(TGPRegion* region) { return Combine(region, CombineModeComplement); }

Status TGPRegion::Translate(float dx, float dy) { return SetStatus(GdipCall(GdipTranslateRegion, nativeRegion, dx, dy)); }
Status TGPRegion::Translate(int32_t dx, int32_t dy) { return SetStatus(GdipCall(GdipTranslateRegionI, nativeRegion, dx, dy)); }

Status TGPRegion::Transform(TGPMatrix* matrix)
{
    return SetStatus(GdipCall(GdipTransformRegion, nativeRegion, TGPHandles::Of(matrix)));
}

Status TGPRegion::GetBounds(TGPRectF& rect, TGPGraphics* g)
{
    return SetStatus(GdipCall(GdipGetRegionBounds, nativeRegion, TGPHandles::Of(g), &rect));
}

Status TGPRegion::GetBounds(TGPRect& rect, TGPGraphics* g)
{
    return SetStatus(GdipCall(GdipGetRegionBoundsI, nativeRegion, TGPHandles::Of(g), &rect));
}

HRGN TGPRegion::GetHRGN(TGPGraphics* g)
{
    HRGN region = nullptr;
    SetStatus(GdipCall(GdipGetRegionHRgn, nativeRegion, TGPHandles::Of(g), &region));
    return region;
}

bool TGPRegion::IsEmpty(TGPGraphics* g)
{
    BOOL result = FALSE;
    SetStatus(GdipCall(GdipIsEmptyRegion, nativeRegion, TGPHandles::Of(g), &result));
    return result;
}

bool TGPRegion::IsInfinite(TGPGraphics* g)
{
    BOOL result = FALSE;
    SetStatus(GdipCall(GdipIsInfiniteRegion, nativeRegion, TGPHandles::Of(g), &result));
    return result;
}

bool TGPRegion::IsVisible(float x, float y, TGPGraphics* g)
{
    BOOL result = FALSE;
    SetStatus(GdipCall(GdipIsVisibleRegionPoint, nativeRegion, x, y, TGPHandles::Of(g), &result));
    return result;
}

bool TGPRegion::IsVisible(int32_t x, int32_t y, TGPGraphics* g)
{
    BOOL result = FALSE;
    SetStatus(GdipCall(GdipIsVisibleRegionPointI, nativeRegion, x, y, TGPHandles::Of(g), &result));
    return result;
}

bool TGPRegion::IsVisible(const TGPPointF& point, TGPGraphics* g) { return IsVisible(point.X, point.Y, g); }
bool TGPRegion::IsVisible(const TGPPoint& point, TGPGraphics* g) { return IsVisible(point.X, point.Y, g); }

bool TGPRegion::IsVisible(float x, float y, float width, float height, TGPGraphics* g)
{
    BOOL result = FALSE;
    SetStatus(GdipCall(GdipIsVisibleRegionRect, nativeRegion, x, y, width, height, TGPHandles::Of(g),
                       &result));
    return result;
}

bool TGPRegion::IsVisible(int32_t x, int32_t y, int32_t width, int32_t height, TGPGraphics* g)
{
    BOOL result = FALSE;
    SetStatus(GdipCall(GdipIsVisibleRegionRectI, nativeRegion, x, y, width, height, TGPHandles::Of(g),
                       &result));
    return result;
}

bool TGPRegion::IsVisible(const TGPRectF& rect, TGPGraphics* g) { return IsVisible(rect.X, rect.Y, rect.Width, rect.Height, g); }
bool TGPRegion::IsVisible(const TGPRect& rect, TGPGraphics* g) { return IsVisible(rect.X, rect.Y, rect.Width, rect.Height, g); }

bool TGPRegion::IsEqual(TGPRegion* region, TGPGraphics* g)
{
    BOOL result = FALSE;
    SetStatus(GdipCall(GdipIsEqualRegion, nativeRegion, TGPHandles::Of(region), TGPHandles::Of(g), &result));
    return result;
}

uint32_t TGPRegion::GetRegionScansCount(TGPMatrix* matrix)
{
    uint32_t count = 0;
    SetStatus(GdipCall(GdipGetRegionScansCount, nativeRegion, &count, TGPHandles::Of(matrix)));
    return count;
}

Status TGPRegion::GetRegionScans(TGPMatrix* matrix, TGPRectF* rects, int32_t& count)
{
    return SetStatus(GdipCall(GdipGetRegionScans, nativeRegion, rects, &count, TGPHandles::Of(matrix)));
}

Status TGPRegion::GetRegionScans(TGPMatrix* matrix, TGPRect* rects, int32_t& count)
{
    return SetStatus(GdipCall(GdipGetRegionScansI, nativeRegion, rects, &count, TGPHandles::Of(matrix)));
}

} // namespace RurGDIPlusClasses
