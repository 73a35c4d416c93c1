#pragma once
// The run-time bound GDI+ wrapper set: one wrapper owns one platform object, each operation is one
// call through the entry table of RurGDIPlusApi, and failures are statuses, never exceptions.
// An operation returns the call's status and keeps a failure in the wrapper's status field until
// GetLastStatus reads it. Operations returning a new wrapper hand it to the caller, who deletes it.
#include <objidl.h>

#include <vector>

#include "RurGDIPlusApi.h"

namespace RurGDIPlusClasses {

using namespace RurGDIPlusApi;

class TGPGraphics;
class TGPPen;
class TGPBrush;
class TGPSolidBrush;
class TGPHatchBrush;
class TGPTextureBrush;
class TGPLinearGradientBrush;
class TGPPathGradientBrush;
class TGPCustomLineCap;
class TGPImage;
class TGPBitmap;
class TGPCachedBitmap;
class TGPImageAttributes;
class TGPMatrix;
class TGPRegion;
class TGPGraphicsPath;
class TGPStringFormat;
class TGPFontFamily;
class TGPFont;
class TGPFontCollection;

using TMatrixArray = float[6]; // m11, m12, m21, m22, dx, dy

// The wrappers read and fill one another's handles, as the platform's classes do.
#define RUR_GDIP_WRAPPER_FRIENDS                                                                      \
    friend class TGPGraphics; friend class TGPPen; friend class TGPBrush; friend class TGPSolidBrush; \
    friend class TGPHatchBrush; friend class TGPTextureBrush; friend class TGPLinearGradientBrush;   \
    friend class TGPPathGradientBrush; friend class TGPCustomLineCap; friend class TGPImage;         \
    friend class TGPBitmap; friend class TGPCachedBitmap; friend class TGPImageAttributes;           \
    friend class TGPMatrix; friend class TGPRegion; friend class TGPGraphicsPath;                    \
    friend class TGPStringFormat; friend class TGPFontFamily; friend class TGPFont;                  \
    friend class TGPFontCollection;

// Keeps a failure in a status field and passes the status on.
inline Status RecordStatus(Status& field, Status status)
{
    if (status != Ok)
        field = status;
    return status;
}

// Reads a status field and resets it to Ok.
inline Status TakeStatus(Status& field)
{
    Status status = field;
    field = Ok;
    return status;
}

// ---- Matrix, region, path ----------------------------------------------------------------------------

class TGPMatrix : public TGdiplusBase {
    RUR_GDIP_WRAPPER_FRIENDS
public:
    TGPMatrix();
    TGPMatrix(float m11, float m12, float m21, float m22, float dx, float dy);
    TGPMatrix(const TGPRectF& rect, const TGPPointF& dstplg); // dstplg: the first of three points
    TGPMatrix(const TGPRect& rect, const TGPPoint& dstplg);
    explicit TGPMatrix(void* nativeMatrix);
    ~TGPMatrix() override;

    TGPMatrix* Clone(); // null when the status field holds a failure afterwards
    Status GetElements(TMatrixArray& m);
    Status SetElements(float m11, float m12, float m21, float m22, float dx, float dy);
    float OffsetX();
    float OffsetY();
    Status Reset();
    Status Multiply(TGPMatrix* matrix, MatrixOrder order = MatrixOrderPrepend);
    Status Translate(float offX, float offY, MatrixOrder order = MatrixOrderPrepend);
    Status Scale(float scaleX, float scaleY, MatrixOrder order = MatrixOrderPrepend);
    Status Rotate(float angle, MatrixOrder order = MatrixOrderPrepend);
    Status RotateAt(float angle, const TGPPointF& center, MatrixOrder order = MatrixOrderPrepend);
    Status Shear(float shearX, float shearY, MatrixOrder order = MatrixOrderPrepend);
    Status Invert();
    Status TransformPoints(TGPPointF* pts, int32_t count = 1);
    Status TransformPoints(TGPPoint* pts, int32_t count = 1);
    Status TransformVectors(TGPPointF* pts, int32_t count = 1);
    Status TransformVectors(TGPPoint* pts, int32_t count = 1);
    bool IsInvertible();
    bool IsIdentity();
    bool IsEqual(TGPMatrix* matrix);
    Status GetLastStatus() { return TakeStatus(lastResult); }

protected:
    void SetNativeMatrix(void* handle) { nativeMatrix = handle; }
    Status SetStatus(Status status) { return RecordStatus(lastResult, status); }

    void* nativeMatrix = nullptr;
    Status lastResult = Ok;
};

class TGPRegion : public TGdiplusBase {
    RUR_GDIP_WRAPPER_FRIENDS
public:
    TGPRegion(); // the infinite region
    explicit TGPRegion(const TGPRectF& rect);
    explicit TGPRegion(const TGPRect& rect);
    explicit TGPRegion(TGPGraphicsPath* path);
    TGPRegion(const uint8_t* regionData, int32_t size);
    explicit TGPRegion(HRGN hRgn);
    explicit TGPRegion(void* nativeRegion);
    ~TGPRegion() override;

    static TGPRegion* FromHRGN(HRGN hRgn); // null when the platform refuses the region
    TGPRegion* Clone();
    Status MakeInfinite();
    Status MakeEmpty();
    uint32_t GetDataSize();
    Status GetData(uint8_t* buffer, uint32_t bufferSize, uint32_t* sizeFilled = nullptr);
    Status Intersect(const TGPRectF& rect);
    Status Intersect(const TGPRect& rect);
    Status Intersect(TGPGraphicsPath* path);
    Status Intersect(TGPRegion* region);
    Status Union(const TGPRectF& rect);
    Status Union(const TGPRect& rect);
    Status Union(TGPGraphicsPath* path);
    Status Union(TGPRegion* region);
    Status Xor_(const TGPRectF& rect);
    Status Xor_(const TGPRect& rect);
    Status Xor_(TGPGraphicsPath* path);
    Status Xor_(TGPRegion* region);
    Status Exclude(const TGPRectF& rect);
    Status Exclude(const TGPRect& rect);
    Status Exclude(TGPGraphicsPath* path);
    Status Exclude(TGPRegion* region);
    Status Complement(const TGPRectF& rect);
    Status Complement(const TGPRect& rect);
    Status Complement(TGPGraphicsPath* path);
    Status Complement(TGPRegion* region);
    Status Translate(float dx, float dy);
    Status Translate(int32_t dx, int32_t dy);
    Status Transform(TGPMatrix* matrix);
    Status GetBounds(TGPRectF& rect, TGPGraphics* g);
    Status GetBounds(TGPRect& rect, TGPGraphics* g);
    HRGN GetHRGN(TGPGraphics* g); // owned by the caller
    bool IsEmpty(TGPGraphics* g);
    bool IsInfinite(TGPGraphics* g);
    bool IsVisible(float x, float y, TGPGraphics* g = nullptr);
    bool IsVisible(int32_t x, int32_t y, TGPGraphics* g = nullptr);
    bool IsVisible(const TGPPointF& point, TGPGraphics* g = nullptr);
    bool IsVisible(const TGPPoint& point, TGPGraphics* g = nullptr);
    bool IsVisible(float x, float y, float width, float height, TGPGraphics* g = nullptr);
    bool IsVisible(int32_t x, int32_t y, int32_t width, int32_t height, TGPGraphics* g = nullptr);
    bool IsVisible(const TGPRectF& rect, TGPGraphics* g = nullptr);
    bool IsVisible(const TGPRect& rect, TGPGraphics* g = nullptr);
    bool IsEqual(TGPRegion* region, TGPGraphics* g);
    uint32_t GetRegionScansCount(TGPMatrix* matrix);
    Status GetRegionScans(TGPMatrix* matrix, TGPRectF* rects, int32_t& count);
    Status GetRegionScans(TGPMatrix* matrix, TGPRect* rects, int32_t& count);
    Status GetLastStatus() { return TakeStatus(lastResult); }

protected:
    void SetNativeRegion(void* handle) { nativeRegion = handle; }
    Status SetStatus(Status status) { return RecordStatus(lastResult, status); }
    Status Combine(const TGPRectF& rect, CombineMode mode);
    Status Combine(const TGPRect& rect, CombineMode mode);
    Status Combine(TGPGraphicsPath* path, CombineMode mode);
    Status Combine(TGPRegion* region, CombineMode mode);

    void* nativeRegion = nullptr;
    Status lastResult = Ok;
};

class TGPGraphicsPath : public TGdiplusBase {
    RUR_GDIP_WRAPPER_FRIENDS
public:
    explicit TGPGraphicsPath(FillMode fillMode = FillModeAlternate);
    TGPGraphicsPath(const TGPPointF* points, const uint8_t* types, int32_t count, FillMode fillMode = FillModeAlternate);
    TGPGraphicsPath(const TGPPoint* points, const uint8_t* types, int32_t count, FillMode fillMode = FillModeAlternate);
    explicit TGPGraphicsPath(TGPGraphicsPath* path);
    ~TGPGraphicsPath() override;

    TGPGraphicsPath* Clone();
    Status Reset();
    FillMode GetFillMode();
    Status SetFillMode(FillMode fillmode);
    // Fills the caller's holder, reusing its arrays when they are large enough; the holder's count
    // always ends as the path's point count.
    Status GetPathData(TPathData& pathData);
    Status StartFigure();
    Status CloseFigure();
    Status CloseAllFigures();
    Status SetMarker();
    Status ClearMarkers();
    Status Reverse();
    Status GetLastPoint(TGPPointF& lastPoint);
    Status AddLine(const TGPPointF& pt1, const TGPPointF& pt2);
    Status AddLine(const TGPPoint& pt1, const TGPPoint& pt2);
    Status AddLine(float x1, float y1, float x2, float y2);
    Status AddLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
    Status AddLines(const TGPPointF* points, int32_t count);
    Status AddLines(const TGPPoint* points, int32_t count);
    Status AddArc(const TGPRectF& rect, float startAngle, float sweepAngle);
    Status AddArc(const TGPRect& rect, float startAngle, float sweepAngle);
    Status AddArc(float x, float y, float width, float height, float startAngle, float sweepAngle);
    Status AddArc(int32_t x, int32_t y, int32_t width, int32_t height, float startAngle, float sweepAngle);
    Status AddBezier(const TGPPointF& pt1, const TGPPointF& pt2, const TGPPointF& pt3, const TGPPointF& pt4);
    Status AddBezier(const TGPPoint& pt1, const TGPPoint& pt2, const TGPPoint& pt3, const TGPPoint& pt4);
    Status AddBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
    Status AddBezier(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4, int32_t y4);
    Status AddBeziers(const TGPPointF* points, int32_t count);
    Status AddBeziers(const TGPPoint* points, int32_t count);
    Status AddCurve(const TGPPointF* points, int32_t count);
    Status AddCurve(const TGPPoint* points, int32_t count);
    Status AddCurve(const TGPPointF* points, int32_t count, float tension);
    Status AddCurve(const TGPPoint* points, int32_t count, float tension);
    Status AddCurve(const TGPPointF* points, int32_t count, int32_t offset, int32_t numberOfSegments, float tension);
    Status AddCurve(const TGPPoint* points, int32_t count, int32_t offset, int32_t numberOfSegments, float tension);
    Status AddClosedCurve(const TGPPointF* points, int32_t count);
    Status AddClosedCurve(const TGPPoint* points, int32_t count);
    Status AddClosedCurve(const TGPPointF* points, int32_t count, float tension);
    Status AddClosedCurve(const TGPPoint* points, int32_t count, float tension);
    Status AddRectangle(const TGPRectF& rect);
    Status AddRectangle(const TGPRect& rect);
    Status AddRectangles(const TGPRectF* rects, int32_t count);
    Status AddRectangles(const TGPRect* rects, int32_t count);
    Status AddEllipse(const TGPRectF& rect);
    Status AddEllipse(const TGPRect& rect);
    Status AddEllipse(float x, float y, float width, float height);
    Status AddEllipse(int32_t x, int32_t y, int32_t width, int32_t height);
    Status AddPie(const TGPRectF& rect, float startAngle, float sweepAngle);
    Status AddPie(const TGPRect& rect, float startAngle, float sweepAngle);
    Status AddPie(float x, float y, float width, float height, float startAngle, float sweepAngle);
    Status AddPie(int32_t x, int32_t y, int32_t width, int32_t height, float startAngle, float sweepAngle);
    Status AddPolygon(const TGPPointF* points, int32_t count);
    Status AddPolygon(const TGPPoint* points, int32_t count);
    Status AddPath(TGPGraphicsPath* addingPath, bool connect);
    Status AddString(const String& text, int32_t length, TGPFontFamily* family, int32_t style, float emSize,
                     const TGPPointF& origin, TGPStringFormat* format);
    Status AddString(const String& text, int32_t length, TGPFontFamily* family, int32_t style, float emSize,
                     const TGPPoint& origin, TGPStringFormat* format);
    Status AddString(const String& text, int32_t length, TGPFontFamily* family, int32_t style, float emSize,
                     const TGPRectF& layoutRect, TGPStringFormat* format);
    Status AddString(const String& text, int32_t length, TGPFontFamily* family, int32_t style, float emSize,
                     const TGPRect& layoutRect, TGPStringFormat* format);
    Status Transform(TGPMatrix* matrix); // a null matrix changes nothing
    Status GetBounds(TGPRectF& bounds, TGPMatrix* matrix = nullptr, TGPPen* pen = nullptr);
    Status GetBounds(TGPRect& bounds, TGPMatrix* matrix = nullptr, TGPPen* pen = nullptr);
    Status Flatten(TGPMatrix* matrix = nullptr, float flatness = 0.25f);
    Status Widen(TGPPen* pen, TGPMatrix* matrix = nullptr, float flatness = 0.25f);
    Status Outline(TGPMatrix* matrix = nullptr, float flatness = 0.25f);
    Status Warp(const TGPPointF* destPoints, int32_t count, const TGPRectF& srcRect, TGPMatrix* matrix = nullptr,
                WarpMode warpMode = WarpModePerspective, float flatness = 0.25f);
    int32_t GetPointCount();
    Status GetPathTypes(uint8_t* types, int32_t count);
    Status GetPathPoints(TGPPointF* points, int32_t count);
    Status GetPathPoints(TGPPoint* points, int32_t count);
    bool IsVisible(const TGPPointF& point, TGPGraphics* g = nullptr);
    bool IsVisible(const TGPPoint& point, TGPGraphics* g = nullptr);
    bool IsVisible(float x, float y, TGPGraphics* g = nullptr);
    bool IsVisible(int32_t x, int32_t y, TGPGraphics* g = nullptr);
    bool IsOutlineVisible(const TGPPointF& point, TGPPen* pen, TGPGraphics* g = nullptr);
    bool IsOutlineVisible(const TGPPoint& point, TGPPen* pen, TGPGraphics* g = nullptr);
    bool IsOutlineVisible(float x, float y, TGPPen* pen, TGPGraphics* g = nullptr);
    bool IsOutlineVisible(int32_t x, int32_t y, TGPPen* pen, TGPGraphics* g = nullptr);
    Status GetLastStatus() { return TakeStatus(lastResult); }

protected:
    TGPGraphicsPath(void* nativePath, Status status);
    void SetNativePath(void* handle) { nativePath = handle; }
    Status SetStatus(Status status) { return RecordStatus(lastResult, status); }

    void* nativePath = nullptr;
    Status lastResult = Ok;
};

} // namespace RurGDIPlusClasses

