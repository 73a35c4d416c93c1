// Pens and brushes of the statically imported wrapper set.
#include "RurGDIPFlat.h"

namespace RurGDIP {

// ---- TGPBrush ------------------------------------------------------------------------------------

TGPBrush::TGPBrush() { lastResult = NotImplemented; }

TGPBrush::TGPBrush(GpBrush* native, TStatus status) : nativeBrush(native) { lastResult = status; }

TGPBrush::~TGPBrush() { GdipDeleteBrush(nativeBrush); }

TGPSolidBrush::TGPSolidBrush() : TGPBrush(TEmpty{}) {}

TGPSolidBrush::TGPSolidBrush(ARGB color) : TGPBrush(TEmpty{}) { lastResult = GdipCreateSolidFill(color, &nativeBrush); }

TGPHatchBrush::TGPHatchBrush() : TGPBrush(TEmpty{}) {}

TGPHatchBrush::TGPHatchBrush(HatchStyle hatchStyle, ARGB foreColor, ARGB backColor) : TGPBrush(TEmpty{})
{
    lastResult = GdipCreateHatchBrush(hatchStyle, foreColor, backColor, &nativeBrush);
}

HatchStyle TGPHatchBrush::GetHatchStyle()
{
    HatchStyle style{};
    SetStatus(GdipGetHatchStyle(nativeBrush, &style));
    return style;
}

TStatus TGPHatchBrush::GetForegroundColor(ARGB& color) { return SetStatus(GdipGetHatchForegroundColor(nativeBrush, &color)); }

TStatus TGPHatchBrush::GetBackgroundColor(ARGB& color) { return SetStatus(GdipGetHatchBackgroundColor(nativeBrush, &color)); }

// ---- TGPTextureBrush -----------------------------------------------------------------------------

TGPTextureBrush::TGPTextureBrush() : TGPBrush(TEmpty{}) {}

TGPTextureBrush::TGPTextureBrush(const TGPImage* image, WrapMode wrapMode) : TGPBrush(TEmpty{})
{
    lastResult = GdipCreateTexture(NativeOf(image), wrapMode, &nativeBrush);
}

TGPTextureBrush::TGPTextureBrush(const TGPImage* image, WrapMode wrapMode, const TGPRectF& dstRect)
    : TGPTextureBrush(image, wrapMode, dstRect.X, dstRect.Y, dstRect.Width, dstRect.Height)
{
}

TGPTextureBrush::TGPTextureBrush(const TGPImage* image, WrapMode wrapMode, float dstX, float dstY, float dstWidth,
                                 float dstHeight)
    : TGPBrush(TEmpty{})
{
    lastResult = GdipCreateTexture2(NativeOf(image), wrapMode, dstX, dstY, dstWidth, dstHeight, &nativeBrush);
}

TGPTextureBrush::TGPTextureBrush(const TGPImage* image, WrapMode wrapMode, const TGPRect& dstRect)
    : TGPTextureBrush(image, wrapMode, dstRect.X, dstRect.Y, dstRect.Width, dstRect.Height)
{
}

TGPTextureBrush::TGPTextureBrush(const TGPImage* image, WrapMode wrapMode, int dstX, int dstY, int dstWidth,
                                 int dstHeight)
    : TGPBrush(TEmpty{})
{
    lastResult = GdipCreateTexture2I(NativeOf(image), wrapMode, dstX, dstY, dstWidth, dstHeight, &nativeBrush);
}

TGPTextureBrush::TGPTextureBrush(const TGPImage* image, const TGPRectF& dstRect,
                                 const TGPImageAttributes* imageAttributes)
    : TGPBrush(TEmpty{})
{
    lastResult = GdipCreateTextureIA(NativeOf(image), NativeOf(imageAttributes), dstRect.X, dstRect.Y, dstRect.Width,
                                     dstRect.Height, &nativeBrush);
}

TGPTextureBrush::TGPTextureBrush(const TGPImage* image, const TGPRect& dstRect, const TGPImageAttributes* imageAttributes)
    : TGPBrush(TEmpty{})
{
    lastResult = GdipCreateTextureIAI(NativeOf(image), NativeOf(imageAttributes), dstRect.X, dstRect.Y, dstRect.Width,
                                      dstRect.Height, &nativeBrush);
}

TStatus TGPTextureBrush::ResetTransform() { return SetStatus(GdipResetTextureTransform(nativeBrush)); }

TStatus TGPTextureBrush::TranslateTransform(float dx, float dy, MatrixOrder order)
{
    return SetStatus(GdipTranslateTextureTransform(nativeBrush, dx, dy, order));
}

TStatus TGPTextureBrush::ScaleTransform(float sx, float sy, MatrixOrder order)
{
    return SetStatus(GdipScaleTextureTransform(nativeBrush, sx, sy, order));
}

TStatus TGPTextureBrush::RotateTransform(float angle, MatrixOrder order)
{
    return SetStatus(GdipRotateTextureTransform(nativeBrush, angle, order));
}

TStatus TGPTextureBrush::SetWrapMode(WrapMode wrapMode) { return SetStatus(GdipSetTextureWrapMode(nativeBrush, wrapMode)); }

WrapMode TGPTextureBrush::GetWrapMode()
{
    WrapMode wrapMode{};
    SetStatus(GdipGetTextureWrapMode(nativeBrush, &wrapMode));
    return wrapMode;
}

std::unique_ptr<TGPImage> TGPTextureBrush::GetImage()
{
    GpImage* image = nullptr;
    TStatus status = SetStatus(GdipGetTextureImage(nativeBrush, &image));
    return std::make_unique<TGPImage>(image, status);
}

// ---- TGPLinearGradientBrush ----------------------------------------------------------------------

TGPLinearGradientBrush::TGPLinearGradientBrush() : TGPBrush(TEmpty{}) {}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPPointF& point1, const TGPPointF& point2, ARGB color1,
                                               ARGB color2)
    : TGPBrush(TEmpty{})
{
    lastResult = GdipCreateLineBrush(&point1, &point2, color1, color2, WrapModeTile, &nativeBrush);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPPoint& point1, const TGPPoint& point2, ARGB color1, ARGB color2)
    : TGPBrush(TEmpty{})
{
    lastResult = GdipCreateLineBrushI(&point1, &point2, color1, color2, WrapModeTile, &nativeBrush);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, LinearGradientMode mode)
    : TGPBrush(TEmpty{})
{
    lastResult = GdipCreateLineBrushFromRect(&rect, color1, color2, mode, WrapModeTile, &nativeBrush);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, LinearGradientMode mode)
    : TGPBrush(TEmpty{})
{
    lastResult = GdipCreateLineBrushFromRectI(&rect, color1, color2, mode, WrapModeTile, &nativeBrush);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, float angle,
                                               bool isAngleScalable)
    : TGPBrush(TEmpty{})
{
    lastResult =
        GdipCreateLineBrushFromRectWithAngle(&rect, color1, color2, angle, isAngleScalable, WrapModeTile, &nativeBrush);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, float angle,
                                               bool isAngleScalable)
    : TGPBrush(TEmpty{})
{
    lastResult =
        GdipCreateLineBrushFromRectWithAngleI(&rect, color1, color2, angle, isAngleScalable, WrapModeTile, &nativeBrush);
}

TStatus TGPLinearGradientBrush::SetGammaCorrection(bool useGammaCorrection)
{
    return SetStatus(GdipSetLineGammaCorrection(nativeBrush, useGammaCorrection));
}

TStatus TGPLinearGradientBrush::SetInterpolationColors(const ARGB* presetColors, const float* blendPositions, int count)
{
    if (count <= 0)
        return SetStatus(InvalidParameter);
    return SetStatus(GdipSetLinePresetBlend(nativeBrush, presetColors, blendPositions, count));
}

// ---- TGPPathGradientBrush ------------------------------------------------------------------------

TGPPathGradientBrush::TGPPathGradientBrush(const TGPGraphicsPath* path) : TGPBrush(TEmpty{})
{
    lastResult = GdipCreatePathGradientFromPath(path->NativePath(), &nativeBrush);
}

TStatus TGPPathGradientBrush::SetCenterColor(ARGB color)
{
    SetStatus(GdipSetPathGradientCenterColor(nativeBrush, color));
    return lastResult;
}

TStatus TGPPathGradientBrush::GetCenterColor(ARGB& color)
{
    SetStatus(GdipGetPathGradientCenterColor(nativeBrush, &color));
    return lastResult;
}

TStatus TGPPathGradientBrush::SetCenterPoint(const TGPPointF& point)
{
    return SetStatus(GdipSetPathGradientCenterPoint(nativeBrush, &point));
}

TStatus TGPPathGradientBrush::SetCenterPoint(const TGPPoint& point)
{
    return SetStatus(GdipSetPathGradientCenterPointI(nativeBrush, &point));
}

TStatus TGPPathGradientBrush::GetCenterPoint(TGPPointF& point)
{
    return SetStatus(GdipGetPathGradientCenterPoint(nativeBrush, &point));
}

TStatus TGPPathGradientBrush::GetCenterPoint(TGPPoint& point)
{
    return SetStatus(GdipGetPathGradientCenterPointI(nativeBrush, &point));
}

int TGPPathGradientBrush::GetPointCount()
{
    int count = 0;
    SetStatus(GdipGetPathGradientPointCount(nativeBrush, &count));
    return count;
}

TStatus TGPPathGradientBrush::SetSurroundColors(const ARGB* colors, int& count)
{
    if (!colors)
        return SetStatus(InvalidParameter);
    int pointCount = GetPointCount();
    if (pointCount < count || pointCount <= 0)
        return SetStatus(InvalidParameter);
    int taken = count;
    TStatus status = SetStatus(GdipSetPathGradientSurroundColorsWithCount(nativeBrush, colors, &taken));
    if (status == Ok)
        count = taken;
    return status;
}

TStatus TGPPathGradientBrush::GetSurroundColors(ARGB* colors, int& count)
{
    if (!colors)
        return SetStatus(InvalidParameter);
    int available = 0;
    TStatus status = SetStatus(GdipGetPathGradientSurroundColorCount(nativeBrush, &available));
    if (status != Ok)
        return status;
    if (count < available || available <= 0)
        return SetStatus(InsufficientBuffer);
    status = SetStatus(GdipGetPathGradientSurroundColorsWithCount(nativeBrush, colors, &available));
    if (status == Ok)
        count = available;
    return status;
}

TStatus TGPPathGradientBrush::SetInterpolationColors(const ARGB* presetColors, const float* blendPositions, int count)
{
    if (count <= 0 || !presetColors)
        return SetStatus(InvalidParameter);
    return SetStatus(GdipSetPathGradientPresetBlend(nativeBrush, presetColors, blendPositions, count));
}

TStatus TGPPathGradientBrush::SetGammaCorrection(bool useGammaCorrection)
{
    return SetStatus(GdipSetPathGradientGammaCorrection(nativeBrush, useGammaCorrection));
}

TStatus TGPPathGradientBrush::SetWrapMode(WrapMode wrapMode)
{
    return SetStatus(GdipSetPathGradientWrapMode(nativeBrush, wrapMode));
}

// ---- TGPPen --------------------------------------------------------------------------------------

TGPPen::TGPPen(ARGB color, float width) { lastResult = GdipCreatePen1(color, width, UnitWorld, &nativePen); }

TGPPen::TGPPen(const TGPBrush* brush, float width)
{
    lastResult = GdipCreatePen2(brush->NativeBrush(), width, UnitWorld, &nativePen);
}

TGPPen::~TGPPen() { GdipDeletePen(nativePen); }

TStatus TGPPen::SetBrush(const TGPBrush* brush) { return SetStatus(GdipSetPenBrushFill(nativePen, brush->NativeBrush())); }

std::unique_ptr<TGPBrush> TGPPen::GetBrush()
{
    std::unique_ptr<TGPBrush> brush;
    switch (GetPenType()) {
    case PenTypeSolidColor:
        brush = std::make_unique<TGPSolidBrush>();
        break;
    case PenTypeHatchFill:
        brush = std::make_unique<TGPHatchBrush>();
        break;
    case PenTypeTextureFill:
        brush = std::make_unique<TGPTextureBrush>();
        break;
    case PenTypePathGradient:
        brush = std::make_unique<TGPBrush>();
        break;
    case PenTypeLinearGradient:
        brush = std::make_unique<TGPLinearGradientBrush>();
        break;
    default:
        return nullptr;
    }
    brush->lastResult = SetStatus(GdipGetPenBrushFill(nativePen, &brush->nativeBrush));
    return brush;
}

PenType TGPPen::GetPenType()
{
    PenType type = PenTypeUnknown;
    SetStatus(GdipGetPenFillType(nativePen, &type));
    return type;
}

TStatus TGPPen::SetDashStyle(DashStyle dashStyle) { return SetStatus(GdipSetPenDashStyle(nativePen, dashStyle)); }

DashStyle TGPPen::GetDashStyle()
{
    DashStyle style{};
    SetStatus(GdipGetPenDashStyle(nativePen, &style));
    return style;
}

TStatus TGPPen::SetEndCap(LineCap endCap) { return SetStatus(GdipSetPenEndCap(nativePen, endCap)); }

} // namespace RurGDIP
