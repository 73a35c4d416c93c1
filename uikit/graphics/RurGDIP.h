#pragma once
// The GDI+ wrapper set that the UI kit's controls paint with: gdiplus.dll bound by ordinary
// imports and started by this unit (RurGDIPInitialize). The run-time bound set (RurGDIPlusClasses)
// has the same class names; the two never exchange objects. The GDI+ enumerations are shared with
// the bound set's API header, the value records with RurGDIPlusTypes.h.
//
// Every wrapper owns its native object. Operations return the call's status; a failure is also kept
// as the sticky last status (an Ok leaves it), and no wrapper raises. A failed constructor leaves a
// nil handle whose last status is the creation status.
#include "WinApiNames.h"

#include <objidl.h>

#include <cstddef>
#include <memory>

#include "Controls.h"
#include "Graphics.h"
#include "RurGDIPlusApi.h"
#include "RurGDIPlusTypes.h"
#include "RurObjectJSON.h"
#include "Types.h"

namespace RurGDIPlusApi {
// The hatch styles as the kit's fills publish them.
inline const TEnumInfo& TavinEnumInfo(HatchStyle*)
{
    static const TEnumInfo info(
        u"HatchStyle",
        "HatchStyleHorizontal, HatchStyleVertical, HatchStyleForwardDiagonal, HatchStyleBackwardDiagonal, "
        "HatchStyleCross, HatchStyleDiagonalCross, HatchStyle05Percent, HatchStyle10Percent, HatchStyle20Percent, "
        "HatchStyle25Percent, HatchStyle30Percent, HatchStyle40Percent, HatchStyle50Percent, HatchStyle60Percent, "
        "HatchStyle70Percent, HatchStyle75Percent, HatchStyle80Percent, HatchStyle90Percent, "
        "HatchStyleLightDownwardDiagonal, HatchStyleLightUpwardDiagonal, HatchStyleDarkDownwardDiagonal, "
        "HatchStyleDarkUpwardDiagonal, HatchStyleWideDownwardDiagonal, HatchStyleWideUpwardDiagonal, "
        "HatchStyleLightVertical, HatchStyleLightHorizontal, HatchStyleNarrowVertical, HatchStyleNarrowHorizontal, "
        "HatchStyleDarkVertical, HatchStyleDarkHorizontal, HatchStyleDashedDownwardDiagonal, "
        "HatchStyleDashedUpwardDiagonal, HatchStyleDashedHorizontal, HatchStyleDashedVertical, "
        "HatchStyleSmallConfetti, HatchStyleLargeConfetti, HatchStyleZigZag, HatchStyleWave, HatchStyleDiagonalBrick, "
        "HatchStyleHorizontalBrick, HatchStyleWeave, HatchStylePlaid, HatchStyleDivot, HatchStyleDottedGrid, "
        "HatchStyleDottedDiamond, HatchStyleShingle, HatchStyleTrellis, HatchStyleSphere, HatchStyleSmallGrid, "
        "HatchStyleSmallCheckerBoard, HatchStyleLargeCheckerBoard, HatchStyleOutlinedDiamond, HatchStyleSolidDiamond");
    return info;
}
} // namespace RurGDIPlusApi

namespace RurGDIP {

using TStatus = RurGDIPlusApi::Status;
using enum RurGDIPlusApi::Status;
using RurGDIPlusApi::ColorAdjustType;
using enum RurGDIPlusApi::ColorAdjustType;
using RurGDIPlusApi::ColorChannelFlags;
using enum RurGDIPlusApi::ColorChannelFlags;
using RurGDIPlusApi::ColorMatrixFlags;
using enum RurGDIPlusApi::ColorMatrixFlags;
using RurGDIPlusApi::CombineMode;
using enum RurGDIPlusApi::CombineMode;
using RurGDIPlusApi::DashStyle;
using enum RurGDIPlusApi::DashStyle;
using RurGDIPlusApi::FillMode;
using enum RurGDIPlusApi::FillMode;
using RurGDIPlusApi::FlushIntention;
using enum RurGDIPlusApi::FlushIntention;
using RurGDIPlusApi::HatchStyle;
using enum RurGDIPlusApi::HatchStyle;
using RurGDIPlusApi::HotkeyPrefix;
using enum RurGDIPlusApi::HotkeyPrefix;
using RurGDIPlusApi::LinearGradientMode;
using enum RurGDIPlusApi::LinearGradientMode;
using RurGDIPlusApi::MatrixOrder;
using enum RurGDIPlusApi::MatrixOrder;
using RurGDIPlusApi::RotateFlipType;
using enum RurGDIPlusApi::RotateFlipType;
using RurGDIPlusApi::StringAlignment;
using enum RurGDIPlusApi::StringAlignment;
using RurGDIPlusApi::StringTrimming;
using enum RurGDIPlusApi::StringTrimming;
using RurGDIPlusApi::TextRenderingHint;
using enum RurGDIPlusApi::TextRenderingHint;
using RurGDIPlusApi::Unit_;
using enum RurGDIPlusApi::Unit_;
using RurGDIPlusApi::WrapMode;
using enum RurGDIPlusApi::WrapMode;
using RurGDIPlusApi::ColorMap;
using RurGDIPlusApi::ColorMatrix;
using RurGDIPlusApi::ColorPalette;
using RurGDIPlusApi::EncoderParameters;

enum PenType : int32_t {
    PenTypeSolidColor, PenTypeHatchFill, PenTypeTextureFill, PenTypePathGradient, PenTypeLinearGradient,
    PenTypeUnknown = -1
};
enum LineCap : int32_t {
    LineCapFlat = 0, LineCapSquare = 1, LineCapRound = 2, LineCapTriangle = 3, LineCapNoAnchor = 0x10,
    LineCapSquareAnchor = 0x11, LineCapRoundAnchor = 0x12, LineCapDiamondAnchor = 0x13, LineCapArrowAnchor = 0x14,
    LineCapCustom = 0xFF
};
enum SmoothingMode : int32_t {
    SmoothingModeInvalid = -1, SmoothingModeDefault, SmoothingModeHighSpeed, SmoothingModeHighQuality,
    SmoothingModeNone, SmoothingModeAntiAlias
};
enum CompositingQuality : int32_t {
    CompositingQualityInvalid = -1, CompositingQualityDefault, CompositingQualityHighSpeed,
    CompositingQualityHighQuality, CompositingQualityGammaCorrected, CompositingQualityAssumeLinear
};
enum FontStyle : int32_t {
    FontStyleRegular = 0, FontStyleBold = 1, FontStyleItalic = 2, FontStyleBoldItalic = 3, FontStyleUnderline = 4,
    FontStyleStrikeout = 8
};
using PixelFormat = int32_t;
constexpr PixelFormat PixelFormat24bppRGB = 0x21808;
constexpr PixelFormat PixelFormat32bppRGB = 0x22009;
constexpr PixelFormat PixelFormat32bppARGB = 0x26200A;
constexpr PixelFormat PixelFormat32bppPARGB = 0xE200B;

enum TGPImageFormat { ifUndefined, ifMemoryBMP, ifBMP, ifEMF, ifWMF, ifJPEG, ifPNG, ifGIF, ifTIFF, ifEXIF, ifIcon };
// Text quality the controls choose between.
enum TAntiAlias { aaNone, aaClearType, aaAntiAlias };

constexpr ARGB aclBlack = 0xFF000000;

// Native GDI+ objects, only ever handled by address.
struct GpGraphics;
struct GpPen;
struct GpBrush;
struct GpPath;
struct GpRegion;
struct GpMatrix;
struct GpStringFormat;
struct GpFontFamily;
struct GpFontCollection;
struct GpFont;
struct GpImage;
struct GpImageAttributes;

using DrawImageAbort = BOOL(WINAPI*)(void* data);

// ---- Unit start-up and drawing helpers ---------------------------------------------------------

// Starts GDI+ for this set on the first call of the process; the matching last finalisation shuts
// it down (not inside a dynamic library). For the program's start-up table.
void RurGDIPInitialize();
void RurGDIPFinalize();

// Colour conversions; system colours resolve to their current value.
ARGB MakeColor(Byte alpha, TColor color);
ARGB MakeOpaqueColor(Byte r, Byte g, Byte b);
ARGB ColorToARGB(TColor color);
Byte ExtractRed(ARGB color);
Byte ExtractGreen(ARGB color);
Byte ExtractBlue(ARGB color);

// The scale of the control's top-level form against 96 pixels per inch (1.0 for an unscaled form
// of the framework's form class), measured as the height of a 9-point "0"; kept for GetDPIScale.
float CalcDPIScale(const TControl* control);
// The last result of CalcDPIScale; 1.0 until then.
float GetDPIScale();
// Process-wide switches the ribbon, toolbars, menus and glow button draw by.
void SetScenicRibbon(bool value);
bool GetScenicRibbon();
void SetIsWin8(bool value);
bool GetIsWin8();
void SetGlassEnabled(bool value);
bool GetGlassEnabled();
// True when the system's major version is above 5.
bool IsVistaOrLater();

// ---- Wrappers ------------------------------------------------------------------------------------

class TGPImage;
class TGPImageAttributes;
class TGPGraphicsPath;
class TGPStringFormat;
class TGPFontFamily;
class TGPFontCollection;

// Instances live in GDI+'s own heap, as the library's objects expect of their callers.
class TGdiplusBase : public TObject, public TRurJSONObject<TGdiplusBase> {
    TAVIN_CLASS(TGdiplusBase, TObject)
public:
    TGdiplusBase() = default;
    TGdiplusBase(const TGdiplusBase&) = delete;
    TGdiplusBase& operator=(const TGdiplusBase&) = delete;

    static void* operator new(std::size_t size);
    static void operator delete(void* memory);

    // The sticky status without resetting it.
    TStatus LastStatus() const { return lastResult; }

protected:
    // Keeps a failure as the last status and hands the status back.
    TStatus SetStatus(TStatus status)
    {
        if (status != Ok)
            lastResult = status;
        return status;
    }
    // Answers the last status and resets it to Ok.
    TStatus TakeLastStatus();

    TStatus lastResult = Ok;
};

class TGPMatrix : public TGdiplusBase {
    TAVIN_CLASS(TGPMatrix, TGdiplusBase)
public:
    TGPMatrix();
    TGPMatrix(float m11, float m12, float m21, float m22, float dx, float dy);
    // Maps the rectangle onto the parallelogram of three points (top-left, top-right, bottom-left).
    TGPMatrix(const TGPRectF& rect, const TGPPointF* dstplg);
    TGPMatrix(const TGPRect& rect, const TGPPoint* dstplg);
    ~TGPMatrix() override;

    GpMatrix* NativeMatrix() const { return nativeMatrix; }
    // Nil when cloning failed.
    std::unique_ptr<TGPMatrix> Clone();
    // Six elements: m11, m12, m21, m22, dx, dy.
    TStatus GetElements(float* elements);
    TStatus SetElements(float m11, float m12, float m21, float m22, float dx, float dy);
    float OffsetX();
    float OffsetY();
    TStatus Reset();
    TStatus Multiply(const TGPMatrix* matrix, MatrixOrder order = MatrixOrderPrepend);
    TStatus Translate(float offsetX, float offsetY, MatrixOrder order = MatrixOrderPrepend);
    TStatus Scale(float scaleX, float scaleY, MatrixOrder order = MatrixOrderPrepend);
    TStatus Rotate(float angle, MatrixOrder order = MatrixOrderPrepend);
    TStatus RotateAt(float angle, const TGPPointF& center, MatrixOrder order = MatrixOrderPrepend);
    TStatus Shear(float shearX, float shearY, MatrixOrder order = MatrixOrderPrepend);
    TStatus Invert();
    TStatus TransformPoints(TGPPointF* points, int count = 1);
    TStatus TransformPoints(TGPPoint* points, int count = 1);
    TStatus TransformVectors(TGPPointF* points, int count = 1);
    TStatus TransformVectors(TGPPoint* points, int count = 1);
    bool IsInvertible();
    bool IsIdentity();
    TStatus GetLastStatus() { return TakeLastStatus(); }

private:
    TGPMatrix(GpMatrix* native, TStatus status);

    GpMatrix* nativeMatrix = nullptr;
};

class TGPBrush : public TGdiplusBase {
    TAVIN_CLASS(TGPBrush, TGdiplusBase)
public:
    // No native object: the status is NotImplemented.
    TGPBrush();
    TGPBrush(GpBrush* native, TStatus status);
    ~TGPBrush() override;

    GpBrush* NativeBrush() const { return nativeBrush; }

protected:
    // For the empty descendants, which a pen's brush or a creation fills in.
    struct TEmpty {};
    explicit TGPBrush(TEmpty) {}

    GpBrush* nativeBrush = nullptr;

    friend class TGPPen;
};

class TGPSolidBrush : public TGPBrush {
    TAVIN_CLASS(TGPSolidBrush, TGPBrush)
public:
    TGPSolidBrush();
    explicit TGPSolidBrush(ARGB color);
};

class TGPHatchBrush : public TGPBrush {
    TAVIN_CLASS(TGPHatchBrush, TGPBrush)
public:
    TGPHatchBrush();
    TGPHatchBrush(HatchStyle hatchStyle, ARGB foreColor, ARGB backColor = aclBlack);

    HatchStyle GetHatchStyle();
    TStatus GetForegroundColor(ARGB& color);
    TStatus GetBackgroundColor(ARGB& color);
};

class TGPTextureBrush : public TGPBrush {
    TAVIN_CLASS(TGPTextureBrush, TGPBrush)
public:
    TGPTextureBrush();
    TGPTextureBrush(const TGPImage* image, WrapMode wrapMode = WrapModeTile);
    TGPTextureBrush(const TGPImage* image, WrapMode wrapMode, const TGPRectF& dstRect);
    TGPTextureBrush(const TGPImage* image, WrapMode wrapMode, float dstX, float dstY, float dstWidth, float dstHeight);
    TGPTextureBrush(const TGPImage* image, WrapMode wrapMode, const TGPRect& dstRect);
    TGPTextureBrush(const TGPImage* image, WrapMode wrapMode, int dstX, int dstY, int dstWidth, int dstHeight);
    TGPTextureBrush(const TGPImage* image, const TGPRectF& dstRect, const TGPImageAttributes* imageAttributes = nullptr);
    TGPTextureBrush(const TGPImage* image, const TGPRect& dstRect, const TGPImageAttributes* imageAttributes = nullptr);

    TStatus ResetTransform();
    TStatus TranslateTransform(float dx, float dy, MatrixOrder order = MatrixOrderPrepend);
    TStatus ScaleTransform(float sx, float sy, MatrixOrder order = MatrixOrderPrepend);
    TStatus RotateTransform(float angle, MatrixOrder order = MatrixOrderPrepend);
    TStatus SetWrapMode(WrapMode wrapMode);
    WrapMode GetWrapMode();
    // A new image wrapper carrying the call's status; the caller owns it.
    std::unique_ptr<TGPImage> GetImage();
};

class TGPLinearGradientBrush : public TGPBrush {
    TAVIN_CLASS(TGPLinearGradientBrush, TGPBrush)
public:
    TGPLinearGradientBrush();
    TGPLinearGradientBrush(const TGPPointF& point1, const TGPPointF& point2, ARGB color1, ARGB color2);
    TGPLinearGradientBrush(const TGPPoint& point1, const TGPPoint& point2, ARGB color1, ARGB color2);
    TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, LinearGradientMode mode);
    TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, LinearGradientMode mode);
    TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, float angle, bool isAngleScalable = false);
    TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, float angle, bool isAngleScalable = false);

    TStatus SetGammaCorrection(bool useGammaCorrection);
    // InvalidParameter without a call for a count of 0 or less.
    TStatus SetInterpolationColors(const ARGB* presetColors, const float* blendPositions, int count);
};

class TGPPathGradientBrush : public TGPBrush {
    TAVIN_CLASS(TGPPathGradientBrush, TGPBrush)
public:
    explicit TGPPathGradientBrush(const TGPGraphicsPath* path);

    // These two answer the brush's recorded last status, not their call's.
    TStatus SetCenterColor(ARGB color);
    TStatus GetCenterColor(ARGB& color);
    TStatus SetCenterPoint(const TGPPointF& point);
    TStatus SetCenterPoint(const TGPPoint& point);
    TStatus GetCenterPoint(TGPPointF& point);
    TStatus GetCenterPoint(TGPPoint& point);
    int GetPointCount();
    // On success count becomes the number of colours taken.
    TStatus SetSurroundColors(const ARGB* colors, int& count);
    TStatus GetSurroundColors(ARGB* colors, int& count);
    TStatus SetInterpolationColors(const ARGB* presetColors, const float* blendPositions, int count);
    TStatus SetGammaCorrection(bool useGammaCorrection);
    TStatus SetWrapMode(WrapMode wrapMode);
};

class TGPPen : public TGdiplusBase {
    TAVIN_CLASS(TGPPen, TGdiplusBase)
public:
    explicit TGPPen(ARGB color, float width = 1);
    explicit TGPPen(const TGPBrush* brush, float width = 1);
    ~TGPPen() override;

    GpPen* NativePen() const { return nativePen; }
    TStatus SetBrush(const TGPBrush* brush);
    // A new brush of the pen's fill type holding the pen's brush; the caller owns it. Nil for an
    // unknown fill type.
    std::unique_ptr<TGPBrush> GetBrush();
    PenType GetPenType();
    TStatus SetDashStyle(DashStyle dashStyle);
    DashStyle GetDashStyle();
    TStatus SetEndCap(LineCap endCap);

private:
    GpPen* nativePen = nullptr;
};

class TGPGraphicsPath : public TGdiplusBase {
    TAVIN_CLASS(TGPGraphicsPath, TGdiplusBase)
public:
    explicit TGPGraphicsPath(FillMode fillMode = FillModeAlternate);
    TGPGraphicsPath(const TGPPointF* points, const BYTE* types, int count, FillMode fillMode = FillModeAlternate);
    // Adopts a native path.
    explicit TGPGraphicsPath(GpPath* native);
    ~TGPGraphicsPath() override;

    GpPath* NativePath() const { return nativePath; }
    TStatus Reset();
    TStatus CloseFigure();
    int GetPointCount();
    TStatus GetPathPoints(TGPPointF* points, int count);
    TStatus GetPathTypes(BYTE* types, int count);
    TStatus GetBounds(TGPRectF& bounds, const TGPMatrix* matrix = nullptr, const TGPPen* pen = nullptr);

    TStatus AddLine(const TGPPointF& pt1, const TGPPointF& pt2);
    TStatus AddLine(float x1, float y1, float x2, float y2);
    TStatus AddLines(const TGPPoint* points, int count);
    TStatus AddRectangle(const TGPRectF& rect);
    TStatus AddRectangle(const TGPRect& rect);
    TStatus AddArc(const TGPRectF& rect, float startAngle, float sweepAngle);
    TStatus AddArc(float x, float y, float width, float height, float startAngle, float sweepAngle);
    TStatus AddEllipse(const TGPRectF& rect);
    TStatus AddEllipse(float x, float y, float width, float height);
    TStatus AddPie(const TGPRectF& rect, float startAngle, float sweepAngle);
    TStatus AddPie(float x, float y, float width, float height, float startAngle, float sweepAngle);
    TStatus AddPolygon(const TGPPointF* points, int count);
    TStatus AddPolygon(const TGPPoint* points, int count);
    TStatus AddCurve(const TGPPointF* points, int count);
    TStatus AddCurve(const TGPPoint* points, int count);
    TStatus AddCurve(const TGPPoint* points, int count, float tension);
    TStatus AddBezier(const TGPPoint& pt1, const TGPPoint& pt2, const TGPPoint& pt3, const TGPPoint& pt4);
    TStatus AddBezier(const TGPPointF& pt1, const TGPPointF& pt2, const TGPPointF& pt3, const TGPPointF& pt4);
    TStatus AddBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
    TStatus AddString(const String& string_, int length, const TGPFontFamily* family, int style, float emSize,
                      const TGPPointF& origin, const TGPStringFormat* format);
    TStatus AddString(const String& string_, int length, const TGPFontFamily* family, int style, float emSize,
                      const TGPRectF& layoutRect, const TGPStringFormat* format);

private:
    GpPath* nativePath = nullptr;
};

class TGPRegion : public TGdiplusBase {
    TAVIN_CLASS(TGPRegion, TGdiplusBase)
public:
    explicit TGPRegion(const TGPRectF& rect);
    explicit TGPRegion(const TGPGraphicsPath* path);
    ~TGPRegion() override;

    GpRegion* NativeRegion() const { return nativeRegion; }
    TStatus Exclude(const TGPGraphicsPath* path);
    TStatus Union(const TGPRegion* region);

private:
    GpRegion* nativeRegion = nullptr;
};

class TGPStringFormat : public TGdiplusBase {
    TAVIN_CLASS(TGPStringFormat, TGdiplusBase)
public:
    explicit TGPStringFormat(int formatFlags = 0, LANGID language = LANG_NEUTRAL);
    // A copy of the format (nil-safe: a nil format passes on as a nil handle).
    explicit TGPStringFormat(const TGPStringFormat* format);
    TGPStringFormat(GpStringFormat* clonedStringFormat, TStatus status);
    ~TGPStringFormat() override;

    GpStringFormat* NativeFormat() const { return nativeFormat; }
    TStatus SetAlignment(StringAlignment align);
    StringAlignment GetAlignment();
    TStatus SetLineAlignment(StringAlignment align);
    StringAlignment GetLineAlignment();
    TStatus SetFormatFlags(int flags);
    int GetFormatFlags();
    TStatus SetTrimming(StringTrimming trimming);
    StringTrimming GetTrimming();
    TStatus SetHotkeyPrefix(HotkeyPrefix hotkeyPrefix);
    HotkeyPrefix GetHotkeyPrefix();

private:
    GpStringFormat* nativeFormat = nullptr;
};

// Holds no native object: nil stands for the installed fonts.
class TGPFontCollection : public TGdiplusBase {
    TAVIN_CLASS(TGPFontCollection, TGdiplusBase)
public:
    GpFontCollection* NativeFontCollection() const { return nullptr; }
};

class TGPFontFamily : public TGdiplusBase {
    TAVIN_CLASS(TGPFontFamily, TGdiplusBase)
public:
    TGPFontFamily() = default;
    explicit TGPFontFamily(const String& name, const TGPFontCollection* fontCollection = nullptr);
    TGPFontFamily(GpFontFamily* nativeOrig, TStatus status);
    ~TGPFontFamily() override;

    GpFontFamily* NativeFamily() const { return nativeFamily; }
    // At most 32 UTF-16 units; an empty name when the call fails.
    TStatus GetFamilyName(String& name, LANGID language = 0);

    // One shared object each, made on first use and freed by the unit's finalisation.
    static TGPFontFamily* GenericSansSerif();
    static TGPFontFamily* GenericSerif();
    static TGPFontFamily* GenericMonospace();
    static void FreeGenericFamilies();

private:
    GpFontFamily* nativeFamily = nullptr;

    friend class TGPFont;
};

class TGPFont : public TGdiplusBase {
    TAVIN_CLASS(TGPFont, TGdiplusBase)
public:
    TGPFont(const TGPFontFamily* family, float emSize, int style = FontStyleRegular, Unit_ unit = UnitPoint);
    // Falls back to the generic sans-serif family when the named one gives no font.
    TGPFont(const String& familyName, float emSize, TFontStyles style, Unit_ unit,
            const TGPFontCollection* fontCollection = nullptr);
    TGPFont(GpFont* font, TStatus status);
    ~TGPFont() override;

    GpFont* NativeFont() const { return nativeFont; }
    int GetStyle();
    float GetSize();
    // Puts the font's native family into family (which does not own it: GDI+ hands out a new
    // handle, freed with family). InvalidParameter for nil.
    TStatus GetFamily(TGPFontFamily* family);

private:
    GpFont* nativeFont = nullptr;
};

class TGPImage : public TGdiplusBase {
    TAVIN_CLASS(TGPImage, TGdiplusBase)
public:
    explicit TGPImage(const String& filename, bool useEmbeddedColorManagement = false);
    explicit TGPImage(IStream* stream, bool useEmbeddedColorManagement = false);
    TGPImage(GpImage* nativeImage, TStatus status);
    ~TGPImage() override;

    GpImage* NativeImage() const { return nativeImage; }
    UINT GetWidth();
    UINT GetHeight();
    PixelFormat GetPixelFormat();
    int GetPixelDepth();
    bool HasAlphaChannel();
    bool HasPalette();
    TGPImageFormat GetFormat();
    std::unique_ptr<TGPImage> GetThumbnailImage(UINT thumbWidth, UINT thumbHeight, DrawImageAbort callback = nullptr,
                                                void* callbackData = nullptr);
    TStatus Save(const String& filename, const CLSID& clsidEncoder, const EncoderParameters* encoderParams = nullptr);
    TStatus Save(IStream* stream, const CLSID& clsidEncoder, const EncoderParameters* encoderParams = nullptr);
    // InvalidParameter without a call for nil.
    TStatus SaveAdd(const TGPImage* newImage, const EncoderParameters* encoderParams = nullptr);
    TStatus RotateFlip(RotateFlipType rotateFlipType);

protected:
    TGPImage() = default;

    GpImage* nativeImage = nullptr;
    TStatus loadStatus = Ok;
};

class TGPBitmap : public TGPImage {
    TAVIN_CLASS(TGPBitmap, TGPImage)
public:
    explicit TGPBitmap(IStream* stream, bool useEmbeddedColorManagement = false);
    TGPBitmap(int width, int height, PixelFormat format = PixelFormat32bppARGB);
    // A bitmap over the caller's pixels (rows of stride bytes), which must outlive it.
    TGPBitmap(int width, int height, int stride, PixelFormat format, BYTE* scan0);
    // Adopts a native bitmap.
    explicit TGPBitmap(GpImage* nativeBitmap);

    static std::unique_ptr<TGPBitmap> FromStream(IStream* stream, bool useEmbeddedColorManagement = false);
    TStatus GetHBITMAP(ARGB colorBackground, HBITMAP& hbmReturn);
    TStatus GetPixel(int x, int y, ARGB& color);
    TStatus SetPixel(int x, int y, ARGB color);
};

class TGPImageAttributes : public TGdiplusBase {
    TAVIN_CLASS(TGPImageAttributes, TGdiplusBase)
public:
    TGPImageAttributes();
    ~TGPImageAttributes() override;

    GpImageAttributes* NativeImageAttr() const { return nativeImageAttr; }
    std::unique_ptr<TGPImageAttributes> Clone() const;
    TStatus SetToIdentity(ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus Reset(ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus SetColorMatrix(const ColorMatrix& colorMatrix, ColorMatrixFlags mode = ColorMatrixFlagsDefault,
                           ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus ClearColorMatrix(ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus SetColorMatrices(const ColorMatrix& colorMatrix, const ColorMatrix& grayMatrix,
                             ColorMatrixFlags mode = ColorMatrixFlagsDefault, ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus ClearColorMatrices(ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus SetThreshold(float threshold, ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus ClearThreshold(ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus SetGamma(float gamma, ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus ClearGamma(ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus SetNoOp(ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus ClearNoOp(ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus SetColorKey(ARGB colorLow, ARGB colorHigh, ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus ClearColorKey(ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus SetOutputChannel(ColorChannelFlags channelFlags, ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus ClearOutputChannel(ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus SetOutputChannelColorProfile(const String& colorProfileFilename, ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus ClearOutputChannelColorProfile(ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus SetRemapTable(UINT mapSize, const ColorMap* map, ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus ClearRemapTable(ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus SetBrushRemapTable(UINT mapSize, const ColorMap* map);
    TStatus ClearBrushRemapTable();
    TStatus SetWrapMode(WrapMode wrap, ARGB color = aclBlack, bool clamp = false);
    TStatus GetAdjustedPalette(ColorPalette* colorPalette, ColorAdjustType colorAdjustType);
    TStatus GetLastStatus() { return TakeLastStatus(); }

private:
    TGPImageAttributes(GpImageAttributes* native, TStatus status);

    GpImageAttributes* nativeImageAttr = nullptr;
};

class TGPGraphics : public TGdiplusBase {
    TAVIN_CLASS(TGPGraphics, TGdiplusBase)
public:
    explicit TGPGraphics(HDC hdc);
    // No call for a nil image: the handle stays nil.
    explicit TGPGraphics(TGPImage* image);
    ~TGPGraphics() override;

    static std::unique_ptr<TGPGraphics> FromImage(TGPImage* image);

    GpGraphics* NativeGraphics() const { return nativeGraphics; }
    void Flush(FlushIntention intention = FlushIntentionFlush);
    TStatus Clear(ARGB color);
    HDC GetHDC();
    void ReleaseHDC(HDC hdc);

    TStatus SetTransform(const TGPMatrix* matrix);
    TStatus ResetTransform();
    TStatus MultiplyTransform(const TGPMatrix* matrix, MatrixOrder order = MatrixOrderPrepend);
    TStatus TranslateTransform(float dx, float dy, MatrixOrder order = MatrixOrderPrepend);
    TStatus RotateTransform(float angle, MatrixOrder order = MatrixOrderPrepend);
    TStatus ScaleTransform(float sx, float sy, MatrixOrder order = MatrixOrderPrepend);
    TStatus SetTextRenderingHint(TextRenderingHint newMode);
    TextRenderingHint GetTextRenderingHint();
    TStatus SetSmoothingMode(SmoothingMode smoothingMode);
    // SmoothingModeInvalid when the call fails.
    SmoothingMode GetSmoothingMode();
    TStatus SetCompositingQuality(CompositingQuality compositingQuality);
    CompositingQuality GetCompositingQuality();

    TStatus DrawLine(const TGPPen* pen, float x1, float y1, float x2, float y2);
    TStatus DrawRectangle(const TGPPen* pen, const TGPRectF& rect);
    TStatus DrawRectangle(const TGPPen* pen, float x, float y, float width, float height);
    TStatus DrawEllipse(const TGPPen* pen, const TGPRectF& rect);
    TStatus DrawEllipse(const TGPPen* pen, float x, float y, float width, float height);
    TStatus DrawEllipse(const TGPPen* pen, const TGPRect& rect);
    TStatus DrawEllipse(const TGPPen* pen, int x, int y, int width, int height);
    TStatus DrawArc(const TGPPen* pen, const TGPRectF& rect, float startAngle, float sweepAngle);
    TStatus DrawArc(const TGPPen* pen, float x, float y, float width, float height, float startAngle, float sweepAngle);
    TStatus DrawBezier(const TGPPen* pen, const TGPPointF& pt1, const TGPPointF& pt2, const TGPPointF& pt3,
                       const TGPPointF& pt4);
    TStatus DrawBezier(const TGPPen* pen, float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
    TStatus DrawBeziers(const TGPPen* pen, const TGPPointF* points, int count);
    TStatus DrawPath(const TGPPen* pen, const TGPGraphicsPath* path);

    TStatus FillRectangle(const TGPBrush* brush, const TGPRectF& rect);
    TStatus FillRectangle(const TGPBrush* brush, float x, float y, float width, float height);
    TStatus FillEllipse(const TGPBrush* brush, const TGPRectF& rect);
    TStatus FillEllipse(const TGPBrush* brush, float x, float y, float width, float height);
    TStatus FillEllipse(const TGPBrush* brush, const TGPRect& rect);
    TStatus FillEllipse(const TGPBrush* brush, int x, int y, int width, int height);
    TStatus FillPolygon(const TGPBrush* brush, const TGPPointF* points, int count, FillMode fillMode = FillModeAlternate);
    TStatus FillPolygon(const TGPBrush* brush, const TGPPoint* points, int count, FillMode fillMode = FillModeAlternate);
    TStatus FillPath(const TGPBrush* brush, const TGPGraphicsPath* path);

    TStatus DrawImage(const TGPImage* image, int x, int y);
    TStatus DrawImage(const TGPImage* image, const TGPRectF& rect);
    TStatus DrawImage(const TGPImage* image, float x, float y, float width, float height);
    TStatus DrawImage(const TGPImage* image, const TGPRectF& destRect, float srcx, float srcy, float srcwidth,
                      float srcheight, Unit_ srcUnit, const TGPImageAttributes* imageAttributes = nullptr,
                      DrawImageAbort callback = nullptr, void* callbackData = nullptr);
    TStatus DrawImageRect(const TGPImage* image, int x, int y, int width, int height);
    // The rectangle is rounded to whole units first.
    TStatus DrawImageRect(const TGPImage* image, const TGPRectF& rect);

    TStatus SetClip(const TGPRegion* region, CombineMode combineMode = CombineModeReplace);
    TStatus SetClip(const TGPGraphicsPath* path, CombineMode combineMode = CombineModeReplace);
    TStatus ResetClip();
    TStatus ExcludeClip(const TGPRectF& rect);
    TStatus ExcludeClip(const TGPRegion* region);

    // length -1 measures (draws) the whole text; a longer length is cut to the text.
    TStatus MeasureString(const String& string_, int length, const TGPFont* font, const TGPRectF& layoutRect,
                          const TGPStringFormat* stringFormat, TGPRectF& boundingBox, int* codepointsFitted = nullptr,
                          int* linesFilled = nullptr);
    TStatus MeasureString(const String& string_, int length, const TGPFont* font, const TGPPointF& origin,
                          const TGPStringFormat* stringFormat, TGPRectF& boundingBox);
    TStatus MeasureString(const String& string_, int length, const TGPFont* font, const TGPRectF& layoutRect,
                          TGPRectF& boundingBox);
    TStatus DrawString(const String& string_, int length, const TGPFont* font, const TGPRectF& layoutRect,
                       const TGPStringFormat* stringFormat, const TGPBrush* brush);
    TStatus DrawString(const String& string_, int length, const TGPFont* font, const TGPPointF& origin,
                       const TGPStringFormat* stringFormat, const TGPBrush* brush);
    TStatus DrawString(const String& string_, int length, const TGPFont* font, const TGPPointF& origin,
                       const TGPBrush* brush);

    // A GDI+ font for the framework font (Arial when its family is not installed), in points; the
    // size defaults to the font's. MakeFont's result belongs to the caller; MakeFontEx keeps it
    // in a one-font cache of this graphics object and reuses it while size, style and name match.
    std::unique_ptr<TGPFont> MakeFont(const TFont* font);
    std::unique_ptr<TGPFont> MakeFont(const TFont* font, float size);
    TGPFont* MakeFontEx(const TFont* font);
    TGPFont* MakeFontEx(const TFont* font, float size);
    int TextHeight(const String& string_, const TFont* font);
    int TextWidth(const String& string_, const TFont* font);
    // One line of text at the rectangle's top-left, like the platform's DrawText with only
    // DT_CALCRECT understood: measures into rect with it (and for a background), draws without.
    // Answers rect's height.
    int DrawText(const String& string_, int length, TRect& rect, const TFont* font, UINT style, TColor bkColor);

    TStatus GetLastStatus() { return TakeLastStatus(); }

private:
    std::unique_ptr<TGPFont> FCachedFont;
    GpGraphics* nativeGraphics = nullptr;
};

// A framework canvas on the graphics object's device context for as long as it lives; the
// context goes back to the graphics object afterwards.
class TGPGraphicsCanvas {
public:
    explicit TGPGraphicsCanvas(TGPGraphics& graphics);
    ~TGPGraphicsCanvas();
    TGPGraphicsCanvas(const TGPGraphicsCanvas&) = delete;
    TGPGraphicsCanvas& operator=(const TGPGraphicsCanvas&) = delete;
    TCanvas& Canvas() { return canvas; }

private:
    TGPGraphics& graphics;
    HDC dc;
    TCanvas canvas;
};

// ---- Shape fill ----------------------------------------------------------------------------------

enum TRurGradientType : int32_t {
    gtSolid, gtRadial, gtVertical, gtHorizontal, gtForwardDiagonal, gtBackwardDiagonal, gtAngle, gtHatch, gtPath,
    gtTexture, gtNone
};
// Published by the kit's fills and captions.
inline const TEnumInfo& TavinEnumInfo(TRurGradientType*)
{
    static const TEnumInfo info(u"TRurGradientType", "gtSolid, gtRadial, gtVertical, gtHorizontal, gtForwardDiagonal, "
                                                     "gtBackwardDiagonal, gtAngle, gtHatch, gtPath, gtTexture, gtNone");
    return info;
}

// The GDI+ picture that tiles itself into a shape; it comes with the SVG picture classes.
class TRurGDIPPicture;

// What FillGDIPShape fills and outlines, and how.
struct TGDIPShapeFillParams {
    TGPGraphics* Graphics = nullptr;
    TGPGraphicsPath* Path = nullptr;
    bool UsePath = false;   // fill and outline Path instead of Rect
    TGPRectF Rect{};        // the shape, and the area gradient brushes are built over
    TRurGradientType GradientType = gtSolid;
    TColor Color = 0;       // fill colour, gradient start, hatch fore colour
    TColor ColorTo = 0;     // gradient end, hatch back colour
    int32_t Opacity = 255;  // low byte: alpha of Color and of the border
    int32_t OpacityTo = 255; // low byte: alpha of ColorTo
    RurGDIP::HatchStyle HatchStyle = HatchStyleHorizontal;
    int32_t Angle = 0;      // degrees, for gtAngle
    TRurGDIPPicture* Picture = nullptr;
    TColor BorderColor = clNone; // clNone: no outline
    int32_t BorderWidth = 1;
    DashStyle BorderStyle = DashStyleSolid;
    bool TopLine = false;   // a one-unit strip of Color along the top after a two-colour gradient
};

// Fills the shape (solid, linear gradient, angled gradient or hatch) and then outlines it.
void FillGDIPShape(const TGDIPShapeFillParams& params);

} // namespace RurGDIP
