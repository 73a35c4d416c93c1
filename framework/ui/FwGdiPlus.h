#pragma once
// The framework's own GDI+ classes over the flat API. Every object keeps the status of its last
// failed platform call (GetLastStatus reads and clears it) instead of raising: painting code goes on
// after a failed call, and an object whose creation failed answers further calls with a failure
// status, never a crash.
#include <memory>
#include <span>

#include "FwGdiPlusApi.h"
#include "Startup.h"
#include "TypInfo.h"

namespace fwgdip {

// The platform's value types, enumerations and constants are the interface's own; they are
// reachable through this namespace (fwgdip::SmoothingModeAntiAlias, fwgdip::TGPRectF...).
using namespace Gdiplus;
using namespace Gdiplus::DllExports;

using TStatus = Gdiplus::Status;
using TGPPointF = Gdiplus::PointF;
using TGPPoint = Gdiplus::Point;
using TGPSizeF = Gdiplus::SizeF;
using TGPRectF = Gdiplus::RectF;
using TGPRect = Gdiplus::Rect;
using TGPBitmapData = Gdiplus::BitmapData;

constexpr ARGB MakeColor(Byte a, Byte r, Byte g, Byte b)
{
    return (ARGB(a) << 24) | (ARGB(r) << 16) | (ARGB(g) << 8) | ARGB(b);
}
constexpr ARGB MakeColor(Byte r, Byte g, Byte b) { return MakeColor(255, r, g, b); }
constexpr Byte GetAlpha(ARGB color) { return Byte(color >> 24); }
constexpr Byte GetRed(ARGB color) { return Byte(color >> 16); }
constexpr Byte GetGreen(ARGB color) { return Byte(color >> 8); }
constexpr Byte GetBlue(ARGB color) { return Byte(color); }
inline TGPRectF MakeRect(REAL x, REAL y, REAL width, REAL height) { return TGPRectF(x, y, width, height); }
inline TGPPointF MakePoint(REAL x, REAL y) { return TGPPointF(x, y); }

// The start-up table entry: GDI+ starts once and shuts down at exit.
extern const TUnitStep GdiPlusUnit;
bool GdiPlusStarted();

// Common base: the last failed status of the object's platform calls.
class TGdiplusBase : public TObject {
    TAVIN_CLASS(TGdiplusBase, TObject)
public:
    TGdiplusBase() = default;
    TGdiplusBase(const TGdiplusBase&) = delete;
    TGdiplusBase& operator=(const TGdiplusBase&) = delete;

    // The last failure since the previous call (Ok when none); reading it clears it.
    TStatus GetLastStatus() const;

protected:
    // Records a failure and passes the status on.
    TStatus Check(TStatus status) const;

private:
    mutable TStatus FLastStatus = Ok;
};

class TGPMatrix : public TGdiplusBase {
    TAVIN_CLASS(TGPMatrix, TGdiplusBase)
public:
    TGPMatrix(); // identity
    TGPMatrix(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy);
    ~TGPMatrix() override;
    std::unique_ptr<TGPMatrix> Clone() const;

    TStatus Reset();
    TStatus Translate(REAL offsetX, REAL offsetY, MatrixOrder order = MatrixOrderPrepend);
    TStatus Rotate(REAL angle, MatrixOrder order = MatrixOrderPrepend);
    TStatus RotateAt(REAL angle, const TGPPointF& center, MatrixOrder order = MatrixOrderPrepend);
    TStatus Scale(REAL scaleX, REAL scaleY, MatrixOrder order = MatrixOrderPrepend);
    TStatus Multiply(const TGPMatrix& matrix, MatrixOrder order = MatrixOrderPrepend);
    TStatus Invert();
    TStatus TransformPoints(std::span<TGPPointF> points) const;
    // m11, m12, m21, m22, dx, dy.
    TStatus GetElements(REAL (&elements)[6]) const;
    REAL OffsetX() const;
    REAL OffsetY() const;
    bool IsIdentity() const;

    GpMatrix* Native() const { return FNative; }

private:
    explicit TGPMatrix(GpMatrix* native) : FNative(native) {}
    GpMatrix* FNative = nullptr;
};

class TGPFontFamily : public TGdiplusBase {
    TAVIN_CLASS(TGPFontFamily, TGdiplusBase)
public:
    TGPFontFamily() = default; // empty: filled by TGPFont::GetFamily
    explicit TGPFontFamily(const String& name);
    ~TGPFontFamily() override;
    static std::unique_ptr<TGPFontFamily> GenericSansSerif();
    static std::unique_ptr<TGPFontFamily> GenericSerif();
    static std::unique_ptr<TGPFontFamily> GenericMonospace();

    bool IsAvailable() const { return FNative != nullptr; }
    String GetFamilyName(LANGID language = 0) const;
    bool IsStyleAvailable(INT style) const;

    GpFontFamily* Native() const { return FNative; }

private:
    friend class TGPFont;
    static std::unique_ptr<TGPFontFamily> Generic(GpStatus(WINGDIPAPI* get)(GpFontFamily**));
    void Attach(GpFontFamily* native);
    GpFontFamily* FNative = nullptr;
};

class TGPFont : public TGdiplusBase {
    TAVIN_CLASS(TGPFont, TGdiplusBase)
public:
    // The font selected into the device context.
    explicit TGPFont(HDC dc);
    // The given font, as it would render on the device context.
    TGPFont(HDC dc, HFONT font);
    TGPFont(HDC dc, const LOGFONTW& logFont);
    TGPFont(const String& familyName, REAL emSize, INT style = FontStyleRegular, Unit unit = UnitPoint);
    TGPFont(const TGPFontFamily& family, REAL emSize, INT style = FontStyleRegular, Unit unit = UnitPoint);
    ~TGPFont() override;
    std::unique_ptr<TGPFont> Clone() const;

    bool IsAvailable() const { return FNative != nullptr; }
    REAL GetSize() const;
    INT GetStyle() const;
    Unit GetUnit() const;
    REAL GetHeight(REAL dpi) const;
    TStatus GetFamily(TGPFontFamily& family) const;
    TStatus GetLogFontW(HDC dc, LOGFONTW& logFont) const;

    GpFont* Native() const { return FNative; }

private:
    TGPFont() = default;
    GpFont* FNative = nullptr;
};

class TGPStringFormat : public TGdiplusBase {
    TAVIN_CLASS(TGPStringFormat, TGdiplusBase)
public:
    explicit TGPStringFormat(INT formatFlags = 0, LANGID language = LANG_NEUTRAL);
    ~TGPStringFormat() override;
    static std::unique_ptr<TGPStringFormat> GenericDefault();
    static std::unique_ptr<TGPStringFormat> GenericTypographic();
    std::unique_ptr<TGPStringFormat> Clone() const;

    TStatus SetFormatFlags(INT flags);
    INT GetFormatFlags() const;
    TStatus SetAlignment(StringAlignment align);
    StringAlignment GetAlignment() const;
    TStatus SetLineAlignment(StringAlignment align);
    StringAlignment GetLineAlignment() const;
    TStatus SetHotkeyPrefix(HotkeyPrefix prefix);
    HotkeyPrefix GetHotkeyPrefix() const;
    TStatus SetTrimming(StringTrimming trimming);
    StringTrimming GetTrimming() const;

    GpStringFormat* Native() const { return FNative; }
    // Takes ownership of a native format.
    static std::unique_ptr<TGPStringFormat> Adopt(GpStringFormat* native);

private:
    struct TAdopt {};
    TGPStringFormat(GpStringFormat* native, TAdopt) : FNative(native) {}
    GpStringFormat* FNative = nullptr;
};

class TGPImage : public TGdiplusBase {
    TAVIN_CLASS(TGPImage, TGdiplusBase)
public:
    explicit TGPImage(const String& fileName);
    explicit TGPImage(IStream* stream);
    ~TGPImage() override;
    static std::unique_ptr<TGPImage> FromFile(const String& fileName) { return std::make_unique<TGPImage>(fileName); }
    static std::unique_ptr<TGPImage> FromStream(IStream* stream) { return std::make_unique<TGPImage>(stream); }
    std::unique_ptr<TGPImage> Clone() const;

    UINT GetWidth() const;
    UINT GetHeight() const;
    PixelFormat GetPixelFormat() const;
    ImageType GetType() const;

    GpImage* Native() const { return FNative; }

protected:
    TGPImage() = default;
    GpImage* FNative = nullptr;
};

class TGPBitmap : public TGPImage {
    TAVIN_CLASS(TGPBitmap, TGPImage)
public:
    TGPBitmap(INT width, INT height, PixelFormat format = PixelFormat32bppARGB);
    // Over caller-owned pixels that must outlive the bitmap.
    TGPBitmap(INT width, INT height, INT stride, PixelFormat format, BYTE* scan0);
    TGPBitmap(HBITMAP bitmap, HPALETTE palette);
    explicit TGPBitmap(const String& fileName);
    explicit TGPBitmap(IStream* stream);
    static std::unique_ptr<TGPBitmap> FromHBITMAP(HBITMAP bitmap, HPALETTE palette = nullptr)
    {
        return std::make_unique<TGPBitmap>(bitmap, palette);
    }
    std::unique_ptr<TGPBitmap> Clone(const TGPRectF& area, PixelFormat format) const;

    TStatus GetPixel(INT x, INT y, ARGB& color) const;
    TStatus SetPixel(INT x, INT y, ARGB color);
    TStatus LockBits(const TGPRect& area, UINT flags, PixelFormat format, TGPBitmapData& data);
    TStatus UnlockBits(TGPBitmapData& data);
    // A new GDI bitmap (the caller deletes it), transparent pixels over the background colour.
    TStatus GetHBITMAP(ARGB background, HBITMAP& bitmap) const;

    GpBitmap* NativeBitmap() const { return static_cast<GpBitmap*>(FNative); }

private:
    TGPBitmap() = default;
    void Adopt(GpBitmap* bitmap) { FNative = bitmap; }
};

class TGPBrush : public TGdiplusBase {
    TAVIN_CLASS(TGPBrush, TGdiplusBase)
public:
    ~TGPBrush() override;
    std::unique_ptr<TGPBrush> Clone() const;
    BrushType GetType() const;

    GpBrush* Native() const { return FNative; }

protected:
    TGPBrush() = default;
    GpBrush* FNative = nullptr;
};

class TGPSolidBrush : public TGPBrush {
    TAVIN_CLASS(TGPSolidBrush, TGPBrush)
public:
    explicit TGPSolidBrush(ARGB color);
    ARGB GetColor() const;
    TStatus SetColor(ARGB color);
};

class TGPHatchBrush : public TGPBrush {
    TAVIN_CLASS(TGPHatchBrush, TGPBrush)
public:
    TGPHatchBrush(HatchStyle style, ARGB foreColor, ARGB backColor = MakeColor(255, 0, 0, 0));
    HatchStyle GetHatchStyle() const;
    ARGB GetForegroundColor() const;
    ARGB GetBackgroundColor() const;
};

class TGPTextureBrush : public TGPBrush {
    TAVIN_CLASS(TGPTextureBrush, TGPBrush)
public:
    explicit TGPTextureBrush(const TGPImage& image, WrapMode wrapMode = WrapModeTile);
    TGPTextureBrush(const TGPImage& image, WrapMode wrapMode, const TGPRectF& area);
    TStatus SetWrapMode(WrapMode wrapMode);
    TStatus SetTransform(const TGPMatrix& matrix);
    TStatus TranslateTransform(REAL dx, REAL dy, MatrixOrder order = MatrixOrderPrepend);
};

class TGPLinearGradientBrush : public TGPBrush {
    TAVIN_CLASS(TGPLinearGradientBrush, TGPBrush)
public:
    TGPLinearGradientBrush(const TGPPointF& point1, const TGPPointF& point2, ARGB color1, ARGB color2);
    TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, LinearGradientMode mode);
    TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, REAL angle, bool isAngleScalable = false);
    TStatus SetLinearColors(ARGB color1, ARGB color2);
    TStatus GetLinearColors(ARGB (&colors)[2]) const;
    // Colours at positions from 0 to 1 (first 0, last 1).
    TStatus SetInterpolationColors(std::span<const ARGB> colors, std::span<const REAL> positions);
    TStatus SetBlend(std::span<const REAL> factors, std::span<const REAL> positions);
    TStatus SetGammaCorrection(bool useGamma);
    TStatus SetWrapMode(WrapMode wrapMode);
};

class TGPGraphicsPath;

class TGPPathGradientBrush : public TGPBrush {
    TAVIN_CLASS(TGPPathGradientBrush, TGPBrush)
public:
    explicit TGPPathGradientBrush(const TGPGraphicsPath& path);
    TGPPathGradientBrush(std::span<const TGPPointF> points, WrapMode wrapMode = WrapModeClamp);
    TStatus SetCenterColor(ARGB color);
    ARGB GetCenterColor() const;
    TStatus SetCenterPoint(const TGPPointF& point);
    // At most one colour per boundary point; count receives how many were taken.
    TStatus SetSurroundColors(std::span<const ARGB> colors, INT& count);
    INT GetSurroundColorCount() const;
    INT GetPointCount() const;
    TStatus SetFocusScales(REAL xScale, REAL yScale);
    TStatus SetInterpolationColors(std::span<const ARGB> colors, std::span<const REAL> positions);
    TStatus SetBlend(std::span<const REAL> factors, std::span<const REAL> positions);
    TStatus SetWrapMode(WrapMode wrapMode);
};

class TGPPen : public TGdiplusBase {
    TAVIN_CLASS(TGPPen, TGdiplusBase)
public:
    explicit TGPPen(ARGB color, REAL width = 1.0f);
    explicit TGPPen(const TGPBrush& brush, REAL width = 1.0f);
    ~TGPPen() override;
    std::unique_ptr<TGPPen> Clone() const;

    TStatus SetWidth(REAL width);
    REAL GetWidth() const;
    TStatus SetColor(ARGB color);
    ARGB GetColor() const;
    TStatus SetBrush(const TGPBrush& brush);
    PenType GetPenType() const;
    TStatus SetDashStyle(DashStyle style);
    DashStyle GetDashStyle() const;
    // Dash and gap lengths in pen widths; sets the custom dash style.
    TStatus SetDashPattern(std::span<const REAL> pattern);
    INT GetDashPatternCount() const;
    TStatus SetDashOffset(REAL offset);
    TStatus SetDashCap(DashCap cap);
    TStatus SetLineJoin(LineJoin join);
    LineJoin GetLineJoin() const;
    TStatus SetMiterLimit(REAL limit);
    TStatus SetStartCap(LineCap cap);
    TStatus SetEndCap(LineCap cap);
    LineCap GetStartCap() const;
    LineCap GetEndCap() const;
    TStatus SetLineCap(LineCap startCap, LineCap endCap, DashCap dashCap);
    TStatus SetAlignment(PenAlignment alignment);
    PenAlignment GetAlignment() const;

    GpPen* Native() const { return FNative; }

private:
    TGPPen() = default;
    GpPen* FNative = nullptr;
};

class TGPGraphicsPath : public TGdiplusBase {
    TAVIN_CLASS(TGPGraphicsPath, TGdiplusBase)
public:
    explicit TGPGraphicsPath(FillMode fillMode = FillModeAlternate);
    ~TGPGraphicsPath() override;
    std::unique_ptr<TGPGraphicsPath> Clone() const;

    TStatus Reset();
    TStatus SetFillMode(FillMode fillMode);
    FillMode GetFillMode() const;
    TStatus StartFigure();
    TStatus CloseFigure();
    TStatus CloseAllFigures();

    TStatus AddLine(REAL x1, REAL y1, REAL x2, REAL y2);
    TStatus AddLine(const TGPPointF& point1, const TGPPointF& point2) { return AddLine(point1.X, point1.Y, point2.X, point2.Y); }
    TStatus AddLines(std::span<const TGPPointF> points);
    TStatus AddArc(REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle);
    TStatus AddArc(const TGPRectF& rect, REAL startAngle, REAL sweepAngle)
    {
        return AddArc(rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
    }
    TStatus AddBezier(const TGPPointF& p1, const TGPPointF& p2, const TGPPointF& p3, const TGPPointF& p4);
    TStatus AddBeziers(std::span<const TGPPointF> points);
    TStatus AddCurve(std::span<const TGPPointF> points);
    TStatus AddClosedCurve(std::span<const TGPPointF> points);
    TStatus AddRectangle(const TGPRectF& rect);
    TStatus AddEllipse(REAL x, REAL y, REAL width, REAL height);
    TStatus AddEllipse(const TGPRectF& rect) { return AddEllipse(rect.X, rect.Y, rect.Width, rect.Height); }
    TStatus AddPie(REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle);
    TStatus AddPie(const TGPRectF& rect, REAL startAngle, REAL sweepAngle)
    {
        return AddPie(rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
    }
    TStatus AddPolygon(std::span<const TGPPointF> points);
    TStatus AddPath(const TGPGraphicsPath& path, bool connect);
    TStatus AddString(const String& text, const TGPFontFamily& family, INT style, REAL emSize,
                      const TGPRectF& layoutRect, const TGPStringFormat* format);

    // Bounds after the optional transform, widened by the optional pen.
    TStatus GetBounds(TGPRectF& bounds, const TGPMatrix* matrix = nullptr, const TGPPen* pen = nullptr) const;
    INT GetPointCount() const;
    // The points of every figure in order (arcs as their Bezier points).
    TStatus GetPathPoints(std::span<TGPPointF> points) const;
    TStatus GetLastPoint(TGPPointF& point) const;
    TStatus Transform(const TGPMatrix& matrix);
    TStatus Flatten(const TGPMatrix* matrix = nullptr, REAL flatness = 0.25f);
    TStatus Widen(const TGPPen& pen, const TGPMatrix* matrix = nullptr, REAL flatness = 0.25f);
    bool IsVisible(REAL x, REAL y) const;

    GpPath* Native() const { return FNative; }

private:
    explicit TGPGraphicsPath(GpPath* native) : FNative(native) {}
    GpPath* FNative = nullptr;
};

class TGPRegion : public TGdiplusBase {
    TAVIN_CLASS(TGPRegion, TGdiplusBase)
public:
    TGPRegion(); // infinite
    explicit TGPRegion(const TGPRectF& rect);
    explicit TGPRegion(const TGPGraphicsPath& path);
    explicit TGPRegion(HRGN region);
    ~TGPRegion() override;

    TStatus MakeInfinite();
    TStatus MakeEmpty();
    TStatus Combine(const TGPRectF& rect, CombineMode mode);
    TStatus Combine(const TGPGraphicsPath& path, CombineMode mode);
    TStatus Combine(const TGPRegion& region, CombineMode mode);
    TStatus Intersect(const TGPRectF& rect) { return Combine(rect, CombineModeIntersect); }
    TStatus Union(const TGPRectF& rect) { return Combine(rect, CombineModeUnion); }
    TStatus Exclude(const TGPRectF& rect) { return Combine(rect, CombineModeExclude); }

    GpRegion* Native() const { return FNative; }

private:
    GpRegion* FNative = nullptr;
};

class TGPGraphics : public TGdiplusBase {
    TAVIN_CLASS(TGPGraphics, TGdiplusBase)
public:
    explicit TGPGraphics(HDC dc);
    explicit TGPGraphics(TGPImage& image);
    ~TGPGraphics() override;
    static std::unique_ptr<TGPGraphics> FromHDC(HDC dc) { return std::make_unique<TGPGraphics>(dc); }
    static std::unique_ptr<TGPGraphics> FromImage(TGPImage& image) { return std::make_unique<TGPGraphics>(image); }

    TStatus Flush(FlushIntention intention = FlushIntentionFlush);
    // The device context for GDI drawing in between; release it before the next GDI+ call.
    HDC GetHDC();
    void ReleaseHDC(HDC dc);

    TStatus SetSmoothingMode(SmoothingMode mode);
    SmoothingMode GetSmoothingMode() const;
    TStatus SetPixelOffsetMode(PixelOffsetMode mode);
    PixelOffsetMode GetPixelOffsetMode() const;
    TStatus SetTextRenderingHint(TextRenderingHint hint);
    TextRenderingHint GetTextRenderingHint() const;
    TStatus SetCompositingMode(CompositingMode mode);
    CompositingMode GetCompositingMode() const;
    TStatus SetCompositingQuality(CompositingQuality quality);
    TStatus SetInterpolationMode(InterpolationMode mode);
    TStatus SetPageUnit(Unit unit);

    TStatus SetTransform(const TGPMatrix& matrix);
    TStatus GetTransform(TGPMatrix& matrix) const;
    TStatus ResetTransform();
    TStatus TranslateTransform(REAL dx, REAL dy, MatrixOrder order = MatrixOrderPrepend);
    TStatus RotateTransform(REAL angle, MatrixOrder order = MatrixOrderPrepend);
    TStatus ScaleTransform(REAL sx, REAL sy, MatrixOrder order = MatrixOrderPrepend);
    TStatus MultiplyTransform(const TGPMatrix& matrix, MatrixOrder order = MatrixOrderPrepend);

    TStatus SetClip(const TGPRectF& rect, CombineMode mode = CombineModeReplace);
    TStatus SetClip(const TGPGraphicsPath& path, CombineMode mode = CombineModeReplace);
    TStatus SetClip(const TGPRegion& region, CombineMode mode = CombineModeReplace);
    TStatus SetClip(HRGN region, CombineMode mode = CombineModeReplace);
    TStatus IntersectClip(const TGPRectF& rect) { return SetClip(rect, CombineModeIntersect); }
    TStatus ExcludeClip(const TGPRectF& rect) { return SetClip(rect, CombineModeExclude); }
    TStatus ResetClip();
    TStatus GetClipBounds(TGPRectF& rect) const;
    bool IsClipEmpty() const;

    GraphicsState Save();
    TStatus Restore(GraphicsState state);
    TStatus Clear(ARGB color);

    TStatus DrawLine(const TGPPen& pen, REAL x1, REAL y1, REAL x2, REAL y2);
    TStatus DrawLine(const TGPPen& pen, const TGPPointF& p1, const TGPPointF& p2) { return DrawLine(pen, p1.X, p1.Y, p2.X, p2.Y); }
    TStatus DrawLines(const TGPPen& pen, std::span<const TGPPointF> points);
    TStatus DrawArc(const TGPPen& pen, const TGPRectF& rect, REAL startAngle, REAL sweepAngle);
    TStatus DrawBezier(const TGPPen& pen, const TGPPointF& p1, const TGPPointF& p2, const TGPPointF& p3, const TGPPointF& p4);
    TStatus DrawRectangle(const TGPPen& pen, const TGPRectF& rect);
    TStatus DrawRectangle(const TGPPen& pen, REAL x, REAL y, REAL width, REAL height) { return DrawRectangle(pen, TGPRectF(x, y, width, height)); }
    TStatus DrawEllipse(const TGPPen& pen, const TGPRectF& rect);
    TStatus DrawEllipse(const TGPPen& pen, REAL x, REAL y, REAL width, REAL height) { return DrawEllipse(pen, TGPRectF(x, y, width, height)); }
    TStatus DrawPie(const TGPPen& pen, const TGPRectF& rect, REAL startAngle, REAL sweepAngle);
    TStatus DrawPolygon(const TGPPen& pen, std::span<const TGPPointF> points);
    TStatus DrawPath(const TGPPen& pen, const TGPGraphicsPath& path);

    TStatus FillRectangle(const TGPBrush& brush, const TGPRectF& rect);
    TStatus FillRectangle(const TGPBrush& brush, REAL x, REAL y, REAL width, REAL height) { return FillRectangle(brush, TGPRectF(x, y, width, height)); }
    TStatus FillEllipse(const TGPBrush& brush, const TGPRectF& rect);
    TStatus FillEllipse(const TGPBrush& brush, REAL x, REAL y, REAL width, REAL height) { return FillEllipse(brush, TGPRectF(x, y, width, height)); }
    TStatus FillPie(const TGPBrush& brush, const TGPRectF& rect, REAL startAngle, REAL sweepAngle);
    TStatus FillPolygon(const TGPBrush& brush, std::span<const TGPPointF> points, FillMode fillMode = FillModeAlternate);
    TStatus FillPath(const TGPBrush& brush, const TGPGraphicsPath& path);
    TStatus FillRegion(const TGPBrush& brush, const TGPRegion& region);

    TStatus DrawImage(const TGPImage& image, REAL x, REAL y);
    TStatus DrawImage(const TGPImage& image, const TGPRectF& dest);
    TStatus DrawImage(const TGPImage& image, const TGPRectF& dest, const TGPRectF& source, Unit sourceUnit = UnitPixel);

    TStatus DrawString(const String& text, const TGPFont& font, const TGPRectF& layoutRect,
                       const TGPStringFormat* format, const TGPBrush& brush);
    TStatus DrawString(const String& text, const TGPFont& font, const TGPPointF& origin,
                       const TGPStringFormat* format, const TGPBrush& brush);
    TStatus MeasureString(const String& text, const TGPFont& font, const TGPRectF& layoutRect,
                          const TGPStringFormat* format, TGPRectF& boundingBox,
                          INT* codepointsFitted = nullptr, INT* linesFilled = nullptr) const;

    GpGraphics* Native() const { return FNative; }

private:
    GpGraphics* FNative = nullptr;
};

} // namespace fwgdip
