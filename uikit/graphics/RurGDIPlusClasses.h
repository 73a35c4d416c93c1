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

// The wrappers read and fill one another's handles through TGPHandles (below), as the platform's
// classes do.
struct TGPHandles;

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
    friend struct TGPHandles;

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
    Status SetStatus(Status status) { return RecordStatus(lastResult, status); }

    void* nativeMatrix = nullptr;
    Status lastResult = Ok;
};

class TGPRegion : public TGdiplusBase {
    friend struct TGPHandles;

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
    Status SetStatus(Status status) { return RecordStatus(lastResult, status); }
    Status Combine(const TGPRectF& rect, CombineMode mode);
    Status Combine(const TGPRect& rect, CombineMode mode);
    Status Combine(TGPGraphicsPath* path, CombineMode mode);
    Status Combine(TGPRegion* region, CombineMode mode);

    void* nativeRegion = nullptr;
    Status lastResult = Ok;
};

class TGPGraphicsPath : public TGdiplusBase {
    friend struct TGPHandles;

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
    Status SetStatus(Status status) { return RecordStatus(lastResult, status); }

    void* nativePath = nullptr;
    Status lastResult = Ok;
};

// ---- Pens, brushes, line caps ---------------------------------------------------------------------------

class TGPBrush : public TGdiplusBase {
    friend struct TGPHandles;

public:
    TGPBrush(); // no platform object: records NotImplemented
    TGPBrush(void* nativeBrush, Status status);
    ~TGPBrush() override;

    // A plain TGPBrush holding the copy, whatever this brush's class.
    virtual TGPBrush* Clone();
    BrushType GetType(); // -1 when the call fails
    Status GetLastStatus() { return TakeStatus(lastResult); }

protected:
    struct EmptyTag {};
    explicit TGPBrush(EmptyTag) {} // an empty descendant: no handle, Ok
    Status SetStatus(Status status) { return RecordStatus(lastResult, status); }

    void* nativeBrush = nullptr;
    Status lastResult = Ok;
};

class TGPSolidBrush : public TGPBrush {
public:
    explicit TGPSolidBrush(ARGB color);
    TGPSolidBrush() : TGPBrush(EmptyTag{}) {}
    Status GetColor(ARGB& color);
    Status SetColor(ARGB color);
};

class TGPHatchBrush : public TGPBrush {
public:
    TGPHatchBrush(HatchStyle hatchStyle, ARGB foreColor, ARGB backColor = 0xFF000000);
    TGPHatchBrush() : TGPBrush(EmptyTag{}) {}
    HatchStyle GetHatchStyle();
    Status GetForegroundColor(ARGB& color);
    Status GetBackgroundColor(ARGB& color);
};

class TGPTextureBrush : public TGPBrush {
public:
    explicit TGPTextureBrush(TGPImage* image, WrapMode wrapMode = WrapModeTile);
    TGPTextureBrush(TGPImage* image, WrapMode wrapMode, const TGPRectF& dstRect);
    TGPTextureBrush(TGPImage* image, WrapMode wrapMode, const TGPRect& dstRect);
    TGPTextureBrush(TGPImage* image, const TGPRectF& dstRect, TGPImageAttributes* imageAttributes = nullptr);
    TGPTextureBrush(TGPImage* image, const TGPRect& dstRect, TGPImageAttributes* imageAttributes = nullptr);
    TGPTextureBrush(TGPImage* image, WrapMode wrapMode, float dstX, float dstY, float dstWidth, float dstHeight);
    TGPTextureBrush(TGPImage* image, WrapMode wrapMode, int32_t dstX, int32_t dstY, int32_t dstWidth, int32_t dstHeight);
    TGPTextureBrush() : TGPBrush(EmptyTag{}) {}
    Status SetTransform(TGPMatrix* matrix);
    Status GetTransform(TGPMatrix* matrix);
    Status ResetTransform();
    Status MultiplyTransform(TGPMatrix* matrix, MatrixOrder order = MatrixOrderPrepend);
    Status TranslateTransform(float dx, float dy, MatrixOrder order = MatrixOrderPrepend);
    Status ScaleTransform(float sx, float sy, MatrixOrder order = MatrixOrderPrepend);
    Status RotateTransform(float angle, MatrixOrder order = MatrixOrderPrepend);
    Status SetWrapMode(WrapMode wrapMode);
    WrapMode GetWrapMode();
    TGPImage* GetImage(); // owned by the caller
};

class TGPLinearGradientBrush : public TGPBrush {
public:
    TGPLinearGradientBrush(const TGPPointF& point1, const TGPPointF& point2, ARGB color1, ARGB color2);
    TGPLinearGradientBrush(const TGPPoint& point1, const TGPPoint& point2, ARGB color1, ARGB color2);
    TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, LinearGradientMode mode);
    TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, LinearGradientMode mode);
    TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, float angle, bool isAngleScalable = false);
    TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, float angle, bool isAngleScalable = false);
    TGPLinearGradientBrush() : TGPBrush(EmptyTag{}) {}
    Status SetLinearColors(ARGB color1, ARGB color2);
    Status GetLinearColors(ARGB& color1, ARGB& color2);
    Status GetRectangle(TGPRectF& rect);
    Status GetRectangle(TGPRect& rect);
    Status SetGammaCorrection(bool useGammaCorrection);
    bool GetGammaCorrection();
    int32_t GetBlendCount();
    Status SetBlend(const float* blendFactors, const float* blendPositions, int32_t count);
    Status GetBlend(float* blendFactors, float* blendPositions, int32_t count);
    int32_t GetInterpolationColorCount();
    Status SetInterpolationColors(const ARGB* presetColors, const float* blendPositions, int32_t count);
    Status GetInterpolationColors(ARGB* presetColors, float* blendPositions, int32_t count);
    Status SetBlendBellShape(float focus, float scale = 1.0f);
    Status SetBlendTriangularShape(float focus, float scale = 1.0f);
    Status SetTransform(TGPMatrix* matrix);
    Status GetTransform(TGPMatrix* matrix);
    Status ResetTransform();
    Status MultiplyTransform(TGPMatrix* matrix, MatrixOrder order = MatrixOrderPrepend);
    Status TranslateTransform(float dx, float dy, MatrixOrder order = MatrixOrderPrepend);
    Status ScaleTransform(float sx, float sy, MatrixOrder order = MatrixOrderPrepend);
    Status RotateTransform(float angle, MatrixOrder order = MatrixOrderPrepend);
    Status SetWrapMode(WrapMode wrapMode);
    WrapMode GetWrapMode();
};

class TGPPathGradientBrush : public TGPBrush {
public:
    TGPPathGradientBrush(const TGPPointF* points, int32_t count, WrapMode wrapMode = WrapModeClamp);
    TGPPathGradientBrush(const TGPPoint* points, int32_t count, WrapMode wrapMode = WrapModeClamp);
    explicit TGPPathGradientBrush(TGPGraphicsPath* path);
    TGPPathGradientBrush() : TGPBrush(EmptyTag{}) {}
    Status GetCenterColor(ARGB& color);
    Status SetCenterColor(ARGB color);
    int32_t GetPointCount();
    int32_t GetSurroundColorCount();
    Status GetSurroundColors(ARGB* colors, int32_t& count);
    Status SetSurroundColors(const ARGB* colors, int32_t& count);
    Status GetGraphicsPath(TGPGraphicsPath* path);
    Status SetGraphicsPath(TGPGraphicsPath* path);
    Status GetCenterPoint(TGPPointF& point);
    Status GetCenterPoint(TGPPoint& point);
    Status SetCenterPoint(const TGPPointF& point);
    Status SetCenterPoint(const TGPPoint& point);
    Status GetRectangle(TGPRectF& rect);
    Status GetRectangle(TGPRect& rect);
    Status SetGammaCorrection(bool useGammaCorrection);
    bool GetGammaCorrection();
    int32_t GetBlendCount();
    Status GetBlend(float* blendFactors, float* blendPositions, int32_t count);
    Status SetBlend(const float* blendFactors, const float* blendPositions, int32_t count);
    int32_t GetInterpolationColorCount();
    Status SetInterpolationColors(const ARGB* presetColors, const float* blendPositions, int32_t count);
    Status GetInterpolationColors(ARGB* presetColors, float* blendPositions, int32_t count);
    Status SetBlendBellShape(float focus, float scale = 1.0f);
    Status SetBlendTriangularShape(float focus, float scale = 1.0f);
    Status GetTransform(TGPMatrix* matrix);
    Status SetTransform(TGPMatrix* matrix);
    Status ResetTransform();
    Status MultiplyTransform(TGPMatrix* matrix, MatrixOrder order = MatrixOrderPrepend);
    Status TranslateTransform(float dx, float dy, MatrixOrder order = MatrixOrderPrepend);
    Status ScaleTransform(float sx, float sy, MatrixOrder order = MatrixOrderPrepend);
    Status RotateTransform(float angle, MatrixOrder order = MatrixOrderPrepend);
    Status GetFocusScales(float& xScale, float& yScale);
    Status SetFocusScales(float xScale, float yScale);
    WrapMode GetWrapMode();
    Status SetWrapMode(WrapMode wrapMode);
};

class TGPCustomLineCap : public TGdiplusBase {
    friend struct TGPHandles;

public:
    TGPCustomLineCap(TGPGraphicsPath* fillPath, TGPGraphicsPath* strokePath, int32_t baseCap = 0, float baseInset = 0);
    TGPCustomLineCap() = default;
    TGPCustomLineCap(void* nativeCap, Status status);
    ~TGPCustomLineCap() override;

    TGPCustomLineCap* Clone();
    Status SetStrokeCap(int32_t strokeCap);
    Status SetStrokeCaps(int32_t startCap, int32_t endCap);
    // Wine's library exports this flat function only as a stub that aborts the process.
    Status GetStrokeCaps(int32_t& startCap, int32_t& endCap);
    Status SetStrokeJoin(LineJoin lineJoin);
    LineJoin GetStrokeJoin();
    Status SetBaseCap(int32_t baseCap);
    int32_t GetBaseCap();
    Status SetBaseInset(float inset);
    float GetBaseInset();
    Status SetWidthScale(float widthScale);
    float GetWidthScale();
    Status GetLastStatus() { return TakeStatus(lastResult); }

protected:
    Status SetStatus(Status status) { return RecordStatus(lastResult, status); }

    void* nativeCap = nullptr;
    Status lastResult = Ok;
};

class TGPPen : public TGdiplusBase {
    friend struct TGPHandles;

public:
    TGPPen(ARGB color, float width = 1.0f);
    TGPPen(TGPBrush* brush, float width = 1.0f);
    TGPPen(void* nativePen, Status status);
    ~TGPPen() override;

    TGPPen* Clone(); // holds the copy's status, also when the copy failed
    Status SetWidth(float width);
    float GetWidth();
    Status SetLineCap(int32_t startCap, int32_t endCap, int32_t dashCap);
    Status SetStartCap(int32_t startCap);
    Status SetEndCap(int32_t endCap);
    Status SetDashCap(int32_t dashCap);
    int32_t GetStartCap();
    int32_t GetEndCap();
    int32_t GetDashCap();
    Status SetLineJoin(LineJoin lineJoin);
    LineJoin GetLineJoin();
    Status SetCustomStartCap(TGPCustomLineCap* customCap);
    Status GetCustomStartCap(TGPCustomLineCap* customCap); // the cap must be created empty
    Status SetCustomEndCap(TGPCustomLineCap* customCap);
    Status GetCustomEndCap(TGPCustomLineCap* customCap);
    Status SetMiterLimit(float miterLimit);
    float GetMiterLimit();
    Status SetAlignment(PenAlignment penAlignment);
    PenAlignment GetAlignment();
    Status SetTransform(TGPMatrix* matrix);
    Status GetTransform(TGPMatrix* matrix);
    Status ResetTransform();
    Status MultiplyTransform(TGPMatrix* matrix, MatrixOrder order = MatrixOrderPrepend);
    Status TranslateTransform(float dx, float dy, MatrixOrder order = MatrixOrderPrepend);
    Status ScaleTransform(float sx, float sy, MatrixOrder order = MatrixOrderPrepend);
    Status RotateTransform(float angle, MatrixOrder order = MatrixOrderPrepend);
    int32_t GetPenType(); // 0 solid, 1 hatch, 2 texture, 3 path gradient, 4 linear gradient
    Status SetColor(ARGB color);
    Status SetBrush(TGPBrush* brush);
    Status GetColor(ARGB& color); // WrongState, not recorded, for a pen that is not a solid colour
    TGPBrush* GetBrush(); // owned by the caller; null for an unknown pen type
    DashStyle GetDashStyle();
    Status SetDashStyle(DashStyle dashStyle);
    float GetDashOffset();
    Status SetDashOffset(float dashOffset);
    Status SetDashPattern(const float* dashArray, int32_t count);
    int32_t GetDashPatternCount();
    Status GetDashPattern(float* dashArray, int32_t count);
    Status SetCompoundArray(const float* compoundArray, int32_t count);
    int32_t GetCompoundArrayCount();
    Status GetCompoundArray(float* compoundArray, int32_t count);
    Status GetLastStatus() { return TakeStatus(lastResult); }

protected:
    Status SetStatus(Status status) { return RecordStatus(lastResult, status); }

    void* nativePen = nullptr;
    Status lastResult = Ok;
};

// ---- Images, bitmaps, image attributes ---------------------------------------------------------------

class TGPImage : public TGdiplusBase {
    friend struct TGPHandles;

public:
    explicit TGPImage(const String& filename, bool useEmbeddedColorManagement = false);
    explicit TGPImage(IStream* stream, bool useEmbeddedColorManagement = false);
    TGPImage(void* nativeImage, Status status);
    ~TGPImage() override;

    static TGPImage* FromFile(const String& filename, bool useEmbeddedColorManagement = false);
    static TGPImage* FromStream(IStream* stream, bool useEmbeddedColorManagement = false);
    TGPImage* Clone(); // holds this image's status field, also after a failed copy
    Status Save(const String& filename, const GUID& clsidEncoder, const EncoderParameters* encoderParams = nullptr);
    Status Save(IStream* stream, const GUID& clsidEncoder, const EncoderParameters* encoderParams = nullptr);
    Status SaveAdd(const EncoderParameters* encoderParams);
    Status SaveAdd(TGPImage* newImage, const EncoderParameters* encoderParams);
    ImageType GetType();
    Status GetPhysicalDimension(TGPSizeF& size); // 0 by 0 on failure
    Status GetBounds(TGPRectF& srcRect, Unit_& srcUnit);
    uint32_t GetWidth();
    uint32_t GetHeight();
    float GetHorizontalResolution();
    float GetVerticalResolution();
    uint32_t GetFlags();
    Status GetRawFormat(GUID& format);
    int32_t GetPixelFormat();
    int32_t GetPaletteSize();
    Status GetPalette(ColorPalette* palette, int32_t size);
    Status SetPalette(const ColorPalette* palette);
    TGPImage* GetThumbnailImage(uint32_t thumbWidth, uint32_t thumbHeight, ImageAbort callback = nullptr,
                                void* callbackData = nullptr);
    uint32_t GetFrameDimensionsCount();
    Status GetFrameDimensionsList(GUID* dimensionIDs, uint32_t count);
    uint32_t GetFrameCount(const GUID& dimensionID);
    Status SelectActiveFrame(const GUID& dimensionID, uint32_t frameIndex);
    Status RotateFlip(RotateFlipType rotateFlipType);
    uint32_t GetPropertyCount();
    Status GetPropertyIdList(uint32_t numOfProperty, uint32_t* list);
    uint32_t GetPropertyItemSize(uint32_t propId);
    Status GetPropertyItem(uint32_t propId, uint32_t propSize, PropertyItem* buffer);
    Status GetPropertySize(uint32_t& totalBufferSize, uint32_t& numProperties);
    Status GetAllPropertyItems(uint32_t totalBufferSize, uint32_t numProperties, PropertyItem* allItems);
    Status RemovePropertyItem(uint32_t propId);
    Status SetPropertyItem(const PropertyItem& item);
    uint32_t GetEncoderParameterListSize(const GUID& clsidEncoder);
    // Wine's library exports this flat function only as a stub that aborts the process.
    Status GetEncoderParameterList(const GUID& clsidEncoder, uint32_t size, EncoderParameters* buffer);
    Status GetLastStatus() { return TakeStatus(lastResult); }

protected:
    TGPImage() = default;
    Status SetStatus(Status status) { return RecordStatus(lastResult, status); }

    void* nativeImage = nullptr;
    Status lastResult = Ok;
};

class TGPBitmap : public TGPImage {
public:
    explicit TGPBitmap(const String& filename, bool useEmbeddedColorManagement = false);
    explicit TGPBitmap(IStream* stream, bool useEmbeddedColorManagement = false);
    TGPBitmap(int32_t width, int32_t height, int32_t stride, int32_t format, uint8_t* scan0);
    TGPBitmap(int32_t width, int32_t height, int32_t format);
    TGPBitmap(int32_t width, int32_t height, TGPGraphics* target);
    TGPBitmap(const BITMAPINFO* gdiBitmapInfo, void* gdiBitmapData);
    TGPBitmap(HBITMAP hbm, HPALETTE hpal);
    explicit TGPBitmap(HICON hicon);
    TGPBitmap(HINSTANCE hInstance, const String& bitmapName);
    explicit TGPBitmap(void* nativeBitmap);

    static TGPBitmap* FromFile(const String& filename, bool useEmbeddedColorManagement = false);
    static TGPBitmap* FromStream(IStream* stream, bool useEmbeddedColorManagement = false);
    static TGPBitmap* FromBITMAPINFO(const BITMAPINFO* gdiBitmapInfo, void* gdiBitmapData);
    static TGPBitmap* FromHBITMAP(HBITMAP hbm, HPALETTE hpal);
    static TGPBitmap* FromHICON(HICON hicon);
    static TGPBitmap* FromResource(HINSTANCE hInstance, const String& bitmapName);
    // Copies of an area. The integer forms look only at their own call; the float forms also give
    // null after an earlier failure kept in the status field.
    TGPBitmap* Clone(const TGPRect& rect, int32_t format);
    TGPBitmap* Clone(int32_t x, int32_t y, int32_t width, int32_t height, int32_t format);
    TGPBitmap* Clone(const TGPRectF& rect, int32_t format);
    TGPBitmap* Clone(float x, float y, float width, float height, int32_t format);
    Status LockBits(const TGPRect& rect, uint32_t flags, int32_t format, BitmapData& lockedBitmapData);
    Status UnlockBits(BitmapData& lockedBitmapData);
    Status GetPixel(int32_t x, int32_t y, ARGB& color);
    Status SetPixel(int32_t x, int32_t y, ARGB color);
    Status SetResolution(float xdpi, float ydpi);
    Status GetHBITMAP(ARGB colorBackground, HBITMAP& hbmReturn);
    Status GetHICON(HICON& hicon);
};

class TGPCachedBitmap : public TGdiplusBase {
    friend struct TGPHandles;

public:
    TGPCachedBitmap(TGPBitmap* bitmap, TGPGraphics* graphics);
    ~TGPCachedBitmap() override;
    Status GetLastStatus() { return TakeStatus(lastResult); }

protected:
    void* nativeCachedBitmap = nullptr;
    Status lastResult = Ok;
};

class TGPImageAttributes : public TGdiplusBase {
    friend struct TGPHandles;

public:
    TGPImageAttributes();
    TGPImageAttributes(void* imageAttr, Status status);
    ~TGPImageAttributes() override;

    TGPImageAttributes* Clone();
    Status SetToIdentity(ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status Reset(ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status SetColorMatrix(const ColorMatrix& colorMatrix, ColorMatrixFlags mode = ColorMatrixFlagsDefault,
                          ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status ClearColorMatrix(ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status SetColorMatrices(const ColorMatrix& colorMatrix, const ColorMatrix& grayMatrix,
                            ColorMatrixFlags mode = ColorMatrixFlagsDefault,
                            ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status ClearColorMatrices(ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status SetThreshold(float threshold, ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status ClearThreshold(ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status SetGamma(float gamma, ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status ClearGamma(ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status SetNoOp(ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status ClearNoOp(ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status SetColorKey(ARGB colorLow, ARGB colorHigh, ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status ClearColorKey(ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status SetOutputChannel(ColorChannelFlags channelFlags, ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status ClearOutputChannel(ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status SetOutputChannelColorProfile(const String& colorProfileFilename,
                                        ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status ClearOutputChannelColorProfile(ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status SetRemapTable(uint32_t mapSize, const ColorMap* map, ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status ClearRemapTable(ColorAdjustType type_ = ColorAdjustTypeDefault);
    Status SetBrushRemapTable(uint32_t mapSize, const ColorMap* map);
    Status ClearBrushRemapTable();
    Status SetWrapMode(WrapMode wrap, ARGB color = 0xFF000000, bool clamp = false);
    Status GetAdjustedPalette(ColorPalette* colorPalette, ColorAdjustType colorAdjustType);
    Status GetLastStatus() { return TakeStatus(lastResult); }

protected:
    Status SetStatus(Status status) { return RecordStatus(lastResult, status); }

    void* nativeImageAttr = nullptr;
    Status lastResult = Ok;
};

// ---- String format, fonts --------------------------------------------------------------------------------

class TGPStringFormat : public TGdiplusBase {
    friend struct TGPHandles;

public:
    explicit TGPStringFormat(int32_t formatFlags = 0, LANGID language = LANG_NEUTRAL);
    explicit TGPStringFormat(TGPStringFormat* format);
    ~TGPStringFormat() override;

    // The cached generic formats: owned by the unit, never freed by callers.
    static TGPStringFormat* GenericDefault();
    static TGPStringFormat* GenericTypographic();
    TGPStringFormat* Clone(); // null when the copy fails
    Status SetFormatFlags(int32_t flags);
    int32_t GetFormatFlags();
    Status SetAlignment(StringAlignment align);
    StringAlignment GetAlignment();
    Status SetLineAlignment(StringAlignment align);
    StringAlignment GetLineAlignment();
    Status SetHotkeyPrefix(HotkeyPrefix hotkeyPrefix);
    HotkeyPrefix GetHotkeyPrefix();
    Status SetTabStops(float firstTabOffset, int32_t count, const float* tabStops);
    int32_t GetTabStopCount();
    Status GetTabStops(int32_t count, float* firstTabOffset, float* tabStops);
    Status SetDigitSubstitution(LANGID language, StringDigitSubstitute substitute);
    LANGID GetDigitSubstitutionLanguage();
    StringDigitSubstitute GetDigitSubstitutionMethod();
    Status SetTrimming(StringTrimming trimming);
    StringTrimming GetTrimming();
    Status SetMeasurableCharacterRanges(int32_t rangeCount, const CharacterRange* ranges);
    int32_t GetMeasurableCharacterRangeCount();
    Status GetLastStatus() { return TakeStatus(lastError); }

protected:
    TGPStringFormat(void* nativeFormat, Status status);
    Status SetStatus(Status status) { return RecordStatus(lastError, status); }

    void* nativeFormat = nullptr;
    Status lastError = Ok;
};

class TGPFontCollection : public TGdiplusBase {
    friend struct TGPHandles;

public:
    TGPFontCollection() = default; // no operation here gives it a platform object

    int32_t GetFamilyCount();
    // Copies of up to numSought families into the handles of the caller's (empty) wrappers.
    Status GetFamilies(int32_t numSought, const std::vector<TGPFontFamily*>& gpfamilies, int32_t& numFound);
    Status GetLastStatus() const { return lastResult; }

protected:
    void* nativeFontCollection = nullptr;
    Status lastResult = Ok;
};

class TGPFontFamily : public TGdiplusBase {
    friend struct TGPHandles;

public:
    TGPFontFamily() = default;
    explicit TGPFontFamily(const String& name, TGPFontCollection* fontCollection = nullptr);
    TGPFontFamily(void* nativeOrig, Status status);
    ~TGPFontFamily() override;

    // The cached generic families: owned by the unit, never freed by callers.
    static TGPFontFamily* GenericSansSerif();
    static TGPFontFamily* GenericSerif();
    static TGPFontFamily* GenericMonospace();
    // The face name; empty when the platform cannot give it.
    Status GetFamilyName(String& name, LANGID language = LANG_NEUTRAL);
    TGPFontFamily* Clone();
    bool IsAvailable() const { return nativeFamily != nullptr; }
    bool IsStyleAvailable(int32_t style);
    uint16_t GetEmHeight(int32_t style);
    uint16_t GetCellAscent(int32_t style);
    uint16_t GetCellDescent(int32_t style);
    uint16_t GetLineSpacing(int32_t style);
    Status GetLastStatus() { return TakeStatus(lastResult); }

protected:
    Status SetStatus(Status status) { return RecordStatus(lastResult, status); }

    void* nativeFamily = nullptr;
    Status lastResult = Ok;
};

class TGPFont : public TGdiplusBase {
    friend struct TGPHandles;

public:
    explicit TGPFont(HDC hdc);
    TGPFont(HDC hdc, const LOGFONTA* logfont);
    TGPFont(HDC hdc, const LOGFONTW* logfont);
    TGPFont(HDC hdc, HFONT hfont);
    TGPFont(TGPFontFamily* family, float emSize, int32_t style = 0, Unit_ unit_ = UnitPoint);
    // An unknown family name falls back to the generic sans-serif family.
    TGPFont(const String& familyName, float emSize, int32_t style = 0, Unit_ unit_ = UnitPoint,
            TGPFontCollection* fontCollection = nullptr);
    TGPFont(void* font, Status status);
    ~TGPFont() override;

    Status GetLogFontA(TGPGraphics* g, LOGFONTA& logfontA);
    Status GetLogFontW(TGPGraphics* g, LOGFONTW& logfontW);
    TGPFont* Clone();
    bool IsAvailable() const { return nativeFont != nullptr; }
    int32_t GetStyle();
    float GetSize();
    Unit_ GetUnit();
    Status GetLastStatus() const { return lastResult; } // not reset by reading
    float GetHeight(TGPGraphics* graphics);
    float GetHeight(float dpi);
    Status GetFamily(TGPFontFamily* family); // the family must be created empty

protected:
    Status SetStatus(Status status) { return RecordStatus(lastResult, status); }

    void* nativeFont = nullptr;
    Status lastResult = Ok;
};

// ---- Graphics ------------------------------------------------------------------------------------------------

class TGPGraphics : public TGdiplusBase {
    friend struct TGPHandles;

public:
    explicit TGPGraphics(HDC hdc);
    TGPGraphics(HDC hdc, HANDLE hdevice);
    TGPGraphics(HWND hwnd, bool icm);
    explicit TGPGraphics(TGPImage* image); // a null image leaves the handle null with status Ok
    ~TGPGraphics() override;

    static TGPGraphics* FromHDC(HDC hdc);
    static TGPGraphics* FromHDC(HDC hdc, HANDLE hdevice);
    static TGPGraphics* FromHWND(HWND hwnd, bool icm = false);
    static TGPGraphics* FromImage(TGPImage* image);

    void Flush(FlushIntention intention = FlushIntentionFlush);
    HDC GetHDC();
    void ReleaseHDC(HDC hdc);
    Status SetRenderingOrigin(int32_t x, int32_t y);
    Status GetRenderingOrigin(int32_t& x, int32_t& y);
    Status SetCompositingMode(CompositingMode compositingMode);
    CompositingMode GetCompositingMode();
    Status SetCompositingQuality(int32_t compositingQuality);
    int32_t GetCompositingQuality();
    Status SetTextRenderingHint(TextRenderingHint newMode);
    TextRenderingHint GetTextRenderingHint();
    Status SetTextContrast(uint32_t contrast);
    uint32_t GetTextContrast();
    int32_t GetInterpolationMode(); // -1 when the call fails
    Status SetInterpolationMode(int32_t interpolationMode);
    int32_t GetSmoothingMode(); // -1 when the call fails
    Status SetSmoothingMode(int32_t smoothingMode);
    int32_t GetPixelOffsetMode(); // -1 when the call fails
    Status SetPixelOffsetMode(int32_t pixelOffsetMode);
    Status SetTransform(TGPMatrix* matrix);
    Status ResetTransform();
    Status MultiplyTransform(TGPMatrix* matrix, MatrixOrder order = MatrixOrderPrepend);
    Status TranslateTransform(float dx, float dy, MatrixOrder order = MatrixOrderPrepend);
    Status ScaleTransform(float sx, float sy, MatrixOrder order = MatrixOrderPrepend);
    Status RotateTransform(float angle, MatrixOrder order = MatrixOrderPrepend);
    Status GetTransform(TGPMatrix* matrix);
    Status SetPageUnit(Unit_ unit_);
    Status SetPageScale(float scale);
    Unit_ GetPageUnit();
    float GetPageScale();
    float GetDpiX();
    float GetDpiY();
    Status TransformPoints(CoordinateSpace destSpace, CoordinateSpace srcSpace, TGPPointF* pts, int32_t count);
    Status TransformPoints(CoordinateSpace destSpace, CoordinateSpace srcSpace, TGPPoint* pts, int32_t count);
    Status GetNearestColor(ARGB& color);

    Status DrawLine(TGPPen* pen, float x1, float y1, float x2, float y2);
    Status DrawLine(TGPPen* pen, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
    Status DrawLine(TGPPen* pen, const TGPPointF& pt1, const TGPPointF& pt2);
    Status DrawLine(TGPPen* pen, const TGPPoint& pt1, const TGPPoint& pt2);
    Status DrawLines(TGPPen* pen, const TGPPointF* points, int32_t count);
    Status DrawLines(TGPPen* pen, const TGPPoint* points, int32_t count);
    Status DrawArc(TGPPen* pen, float x, float y, float width, float height, float startAngle, float sweepAngle);
    Status DrawArc(TGPPen* pen, int32_t x, int32_t y, int32_t width, int32_t height, float startAngle, float sweepAngle);
    Status DrawArc(TGPPen* pen, const TGPRectF& rect, float startAngle, float sweepAngle);
    Status DrawArc(TGPPen* pen, const TGPRect& rect, float startAngle, float sweepAngle);
    Status DrawBezier(TGPPen* pen, float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
    Status DrawBezier(TGPPen* pen, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4,
                      int32_t y4);
    Status DrawBezier(TGPPen* pen, const TGPPointF& pt1, const TGPPointF& pt2, const TGPPointF& pt3, const TGPPointF& pt4);
    Status DrawBezier(TGPPen* pen, const TGPPoint& pt1, const TGPPoint& pt2, const TGPPoint& pt3, const TGPPoint& pt4);
    Status DrawBeziers(TGPPen* pen, const TGPPointF* points, int32_t count);
    Status DrawBeziers(TGPPen* pen, const TGPPoint* points, int32_t count);
    Status DrawRectangle(TGPPen* pen, const TGPRectF& rect);
    Status DrawRectangle(TGPPen* pen, const TGPRect& rect);
    Status DrawRectangle(TGPPen* pen, float x, float y, float width, float height);
    Status DrawRectangle(TGPPen* pen, int32_t x, int32_t y, int32_t width, int32_t height);
    Status DrawRectangles(TGPPen* pen, const TGPRectF* rects, int32_t count);
    Status DrawRectangles(TGPPen* pen, const TGPRect* rects, int32_t count);
    Status DrawEllipse(TGPPen* pen, const TGPRectF& rect);
    Status DrawEllipse(TGPPen* pen, const TGPRect& rect);
    Status DrawEllipse(TGPPen* pen, float x, float y, float width, float height);
    Status DrawEllipse(TGPPen* pen, int32_t x, int32_t y, int32_t width, int32_t height);
    Status DrawPie(TGPPen* pen, const TGPRectF& rect, float startAngle, float sweepAngle);
    Status DrawPie(TGPPen* pen, const TGPRect& rect, float startAngle, float sweepAngle);
    Status DrawPie(TGPPen* pen, float x, float y, float width, float height, float startAngle, float sweepAngle);
    Status DrawPie(TGPPen* pen, int32_t x, int32_t y, int32_t width, int32_t height, float startAngle, float sweepAngle);
    Status DrawPolygon(TGPPen* pen, const TGPPointF* points, int32_t count);
    Status DrawPolygon(TGPPen* pen, const TGPPoint* points, int32_t count);
    Status DrawPath(TGPPen* pen, TGPGraphicsPath* path);
    Status DrawCurve(TGPPen* pen, const TGPPointF* points, int32_t count);
    Status DrawCurve(TGPPen* pen, const TGPPoint* points, int32_t count);
    Status DrawCurve(TGPPen* pen, const TGPPointF* points, int32_t count, float tension);
    Status DrawCurve(TGPPen* pen, const TGPPoint* points, int32_t count, float tension);
    Status DrawCurve(TGPPen* pen, const TGPPointF* points, int32_t count, int32_t offset, int32_t numberOfSegments,
                     float tension = 0.5f);
    Status DrawCurve(TGPPen* pen, const TGPPoint* points, int32_t count, int32_t offset, int32_t numberOfSegments,
                     float tension = 0.5f);
    Status DrawClosedCurve(TGPPen* pen, const TGPPointF* points, int32_t count);
    Status DrawClosedCurve(TGPPen* pen, const TGPPoint* points, int32_t count);
    Status DrawClosedCurve(TGPPen* pen, const TGPPointF* points, int32_t count, float tension);
    Status DrawClosedCurve(TGPPen* pen, const TGPPoint* points, int32_t count, float tension);
    Status Clear(ARGB color);
    Status FillRectangle(TGPBrush* brush, const TGPRectF& rect);
    Status FillRectangle(TGPBrush* brush, const TGPRect& rect);
    Status FillRectangle(TGPBrush* brush, float x, float y, float width, float height);
    Status FillRectangle(TGPBrush* brush, int32_t x, int32_t y, int32_t width, int32_t height);
    Status FillRectangles(TGPBrush* brush, const TGPRectF* rects, int32_t count);
    Status FillRectangles(TGPBrush* brush, const TGPRect* rects, int32_t count);
    Status FillPolygon(TGPBrush* brush, const TGPPointF* points, int32_t count, FillMode fillMode = FillModeAlternate);
    Status FillPolygon(TGPBrush* brush, const TGPPoint* points, int32_t count, FillMode fillMode = FillModeAlternate);
    Status FillEllipse(TGPBrush* brush, const TGPRectF& rect);
    Status FillEllipse(TGPBrush* brush, const TGPRect& rect);
    Status FillEllipse(TGPBrush* brush, float x, float y, float width, float height);
    Status FillEllipse(TGPBrush* brush, int32_t x, int32_t y, int32_t width, int32_t height);
    Status FillPie(TGPBrush* brush, const TGPRectF& rect, float startAngle, float sweepAngle);
    Status FillPie(TGPBrush* brush, const TGPRect& rect, float startAngle, float sweepAngle);
    Status FillPie(TGPBrush* brush, float x, float y, float width, float height, float startAngle, float sweepAngle);
    Status FillPie(TGPBrush* brush, int32_t x, int32_t y, int32_t width, int32_t height, float startAngle, float sweepAngle);
    Status FillPath(TGPBrush* brush, TGPGraphicsPath* path);
    Status FillClosedCurve(TGPBrush* brush, const TGPPointF* points, int32_t count);
    Status FillClosedCurve(TGPBrush* brush, const TGPPoint* points, int32_t count);
    Status FillClosedCurve(TGPBrush* brush, const TGPPointF* points, int32_t count, FillMode fillMode, float tension = 0.5f);
    Status FillClosedCurve(TGPBrush* brush, const TGPPoint* points, int32_t count, FillMode fillMode, float tension = 0.5f);
    Status FillRegion(TGPBrush* brush, TGPRegion* region);

    // The whole text, however long.
    Status DrawString(const String& text, TGPFont* font, const TGPRectF& layoutRect, TGPStringFormat* stringFormat,
                      TGPBrush* brush);
    // The first length units of the text; -1 for all of it.
    Status DrawString(const String& text, int32_t length, TGPFont* font, const TGPRectF& layoutRect,
                      TGPStringFormat* stringFormat, TGPBrush* brush);
    Status DrawString(const String& text, int32_t length, TGPFont* font, const TGPPointF& origin, TGPBrush* brush);
    Status DrawString(const String& text, int32_t length, TGPFont* font, const TGPPointF& origin,
                      TGPStringFormat* stringFormat, TGPBrush* brush);
    Status MeasureString(const String& text, int32_t length, TGPFont* font, const TGPRectF& layoutRect,
                         TGPStringFormat* stringFormat, TGPRectF& boundingBox, int32_t* codepointsFitted = nullptr,
                         int32_t* linesFilled = nullptr);
    Status MeasureString(const String& text, int32_t length, TGPFont* font, const TGPSizeF& layoutRectSize,
                         TGPStringFormat* stringFormat, TGPSizeF& size, int32_t* codepointsFitted = nullptr,
                         int32_t* linesFilled = nullptr);
    Status MeasureString(const String& text, int32_t length, TGPFont* font, const TGPPointF& origin,
                         TGPStringFormat* stringFormat, TGPRectF& boundingBox);
    Status MeasureString(const String& text, int32_t length, TGPFont* font, const TGPRectF& layoutRect,
                         TGPRectF& boundingBox);
    Status MeasureString(const String& text, int32_t length, TGPFont* font, const TGPPointF& origin,
                         TGPRectF& boundingBox);
    Status MeasureCharacterRanges(const String& text, int32_t length, TGPFont* font, const TGPRectF& layoutRect,
                                  TGPStringFormat* stringFormat, int32_t regionCount,
                                  const std::vector<TGPRegion*>& regions);
    Status DrawDriverString(const uint16_t* text, int32_t length, TGPFont* font, TGPBrush* brush,
                            const TGPPointF* positions, int32_t flags, TGPMatrix* matrix);
    Status MeasureDriverString(const uint16_t* text, int32_t length, TGPFont* font, const TGPPointF* positions,
                               int32_t flags, TGPMatrix* matrix, TGPRectF& boundingBox);
    Status DrawCachedBitmap(TGPCachedBitmap* cb, int32_t x, int32_t y);

    Status DrawImage(TGPImage* image, const TGPPointF& point);
    Status DrawImage(TGPImage* image, const TGPPoint& point);
    Status DrawImage(TGPImage* image, float x, float y);
    Status DrawImage(TGPImage* image, int32_t x, int32_t y);
    Status DrawImage(TGPImage* image, const TGPRectF& rect);
    Status DrawImage(TGPImage* image, const TGPRect& rect);
    Status DrawImage(TGPImage* image, float x, float y, float width, float height);
    Status DrawImage(TGPImage* image, int32_t x, int32_t y, int32_t width, int32_t height);
    // A parallelogram (3 points) or, as the platform also takes, 4 points.
    Status DrawImage(TGPImage* image, const TGPPointF* destPoints, int32_t count);
    Status DrawImage(TGPImage* image, const TGPPoint* destPoints, int32_t count);
    Status DrawImage(TGPImage* image, float x, float y, float srcx, float srcy, float srcwidth, float srcheight,
                     Unit_ srcUnit);
    Status DrawImage(TGPImage* image, int32_t x, int32_t y, int32_t srcx, int32_t srcy, int32_t srcwidth,
                     int32_t srcheight, Unit_ srcUnit);
    Status DrawImage(TGPImage* image, const TGPRectF& destRect, float srcx, float srcy, float srcwidth, float srcheight,
                     Unit_ srcUnit, TGPImageAttributes* imageAttributes = nullptr, ImageAbort callback = nullptr,
                     void* callbackData = nullptr);
    Status DrawImage(TGPImage* image, const TGPRect& destRect, int32_t srcx, int32_t srcy, int32_t srcwidth,
                     int32_t srcheight, Unit_ srcUnit, TGPImageAttributes* imageAttributes = nullptr,
                     ImageAbort callback = nullptr, void* callbackData = nullptr);
    Status DrawImage(TGPImage* image, const TGPPointF* destPoints, int32_t count, float srcx, float srcy,
                     float srcwidth, float srcheight, Unit_ srcUnit, TGPImageAttributes* imageAttributes = nullptr,
                     ImageAbort callback = nullptr, void* callbackData = nullptr);
    Status DrawImage(TGPImage* image, const TGPPoint* destPoints, int32_t count, int32_t srcx, int32_t srcy,
                     int32_t srcwidth, int32_t srcheight, Unit_ srcUnit, TGPImageAttributes* imageAttributes = nullptr,
                     ImageAbort callback = nullptr, void* callbackData = nullptr);

    Status SetClip(TGPGraphics* g, CombineMode combineMode = CombineModeReplace);
    Status SetClip(const TGPRectF& rect, CombineMode combineMode = CombineModeReplace);
    Status SetClip(const TGPRect& rect, CombineMode combineMode = CombineModeReplace);
    Status SetClip(TGPGraphicsPath* path, CombineMode combineMode = CombineModeReplace);
    Status SetClip(TGPRegion* region, CombineMode combineMode = CombineModeReplace);
    Status SetClip(HRGN hRgn, CombineMode combineMode = CombineModeReplace);
    Status IntersectClip(const TGPRectF& rect);
    Status IntersectClip(const TGPRect& rect);
    Status IntersectClip(TGPRegion* region);
    Status ExcludeClip(const TGPRectF& rect);
    Status ExcludeClip(const TGPRect& rect);
    Status ExcludeClip(TGPRegion* region);
    Status ResetClip();
    Status TranslateClip(float dx, float dy);
    Status TranslateClip(int32_t dx, int32_t dy);
    Status GetClip(TGPRegion* region);
    Status GetClipBounds(TGPRectF& rect);
    Status GetClipBounds(TGPRect& rect);
    bool IsClipEmpty();
    Status GetVisibleClipBounds(TGPRectF& rect);
    Status GetVisibleClipBounds(TGPRect& rect);
    bool IsVisibleClipEmpty();
    bool IsVisible(float x, float y); // false when the call fails
    bool IsVisible(int32_t x, int32_t y);
    bool IsVisible(const TGPPointF& point);
    bool IsVisible(const TGPPoint& point);
    bool IsVisible(float x, float y, float width, float height); // true when the call fails
    bool IsVisible(int32_t x, int32_t y, int32_t width, int32_t height);
    bool IsVisible(const TGPRectF& rect);
    bool IsVisible(const TGPRect& rect);
    uint32_t Save();
    Status Restore(uint32_t gstate);
    uint32_t BeginContainer(const TGPRectF& dstrect, const TGPRectF& srcrect, Unit_ unit_);
    uint32_t BeginContainer(const TGPRect& dstrect, const TGPRect& srcrect, Unit_ unit_);
    uint32_t BeginContainer();
    Status EndContainer(uint32_t state);
    Status AddMetafileComment(const uint8_t* data, uint32_t sizeData);
    Status GetLastStatus() { return TakeStatus(lastResult); }

protected:
    Status SetStatus(Status status) { return RecordStatus(lastResult, status); }

    void* nativeGraphics = nullptr;
    Status lastResult = Ok;
};

// Native handles of wrapper arguments that may be null: a null wrapper passes a null handle.
struct TGPHandles {
    static void* Of(TGPGraphics* w) { return w ? w->nativeGraphics : nullptr; }
    static void* Of(TGPPen* w) { return w ? w->nativePen : nullptr; }
    static void* Of(TGPBrush* w) { return w ? w->nativeBrush : nullptr; }
    static void* Of(TGPCustomLineCap* w) { return w ? w->nativeCap : nullptr; }
    static void* Of(TGPImage* w) { return w ? w->nativeImage : nullptr; }
    static void* Of(TGPImageAttributes* w) { return w ? w->nativeImageAttr : nullptr; }
    static void* Of(TGPMatrix* w) { return w ? w->nativeMatrix : nullptr; }
    static void* Of(TGPRegion* w) { return w ? w->nativeRegion : nullptr; }
    static void* Of(TGPGraphicsPath* w) { return w ? w->nativePath : nullptr; }
    static void* Of(TGPStringFormat* w) { return w ? w->nativeFormat : nullptr; }
    static void* Of(TGPFontFamily* w) { return w ? w->nativeFamily : nullptr; }
    static void* Of(TGPFont* w) { return w ? w->nativeFont : nullptr; }
    static void* Of(TGPFontCollection* w) { return w ? w->nativeFontCollection : nullptr; }
    static void* Of(TGPCachedBitmap* w) { return w ? w->nativeCachedBitmap : nullptr; }

    // The handle fields that the platform fills for operations handing a new object to a caller's wrapper.
    static void** Slot(TGPBrush* w) { return &w->nativeBrush; }
    static void** Slot(TGPCustomLineCap* w) { return &w->nativeCap; }
    static void** Slot(TGPFontFamily* w) { return &w->nativeFamily; }

    static Status& LastStatus(TGPFontFamily* w) { return w->lastResult; }
};

// ---- Unit start-up --------------------------------------------------------------------------------------------

// Reference-counted. The first initialisation starts GDI+ when the module is a program rather than a
// library; the last finalisation frees the cached generic objects and shuts GDI+ down again.
// RurGDIPlusApi_Initialize must run first.
void RurGDIPlusClasses_Initialize();
void RurGDIPlusClasses_Finalize();
inline constexpr TUnitStep RurGDIPlusClassesUnit{"RurGDIPlusClasses", RurGDIPlusClasses_Initialize,
                                                 RurGDIPlusClasses_Finalize};

// Frees the five cached generic families and formats (the finalisation does this); the next request
// makes each anew.
void FreeGenericObjects();

} // namespace RurGDIPlusClasses
