// Brush wrappers.
#include "RurGDIPlusClasses.h"

#include <algorithm>
#include <memory>
#include <new>

namespace RurGDIPlusClasses {

using enum GdipEntry;

// ---- TGPBrush -------------------------------------------------------------------------------------------

TGPBrush::TGPBrush() : lastResult(NotImplemented) {}
TGPBrush::TGPBrush(void* nativeBrush, Status status) : nativeBrush(nativeBrush), lastResult(status) {}
TGPBrush::~TGPBrush() { GdipCall(GdipDeleteBrush, nativeBrush); }

TGPBrush* TGPBrush::Clone()
{
    void* copy = nullptr;
    SetStatus(GdipCall(GdipCloneBrush, nativeBrush, &copy));
    auto* result = new (std::nothrow) TGPBrush(copy, lastResult);
    if (!result)
        GdipCall(GdipDeleteBrush, copy);
    return result;
}

BrushType TGPBrush::GetType()
{
    BrushType type = static_cast<BrushType>(-1);
    SetStatus(GdipCall(GdipGetBrushType, nativeBrush, &type));
    return type;
}

// ---- TGPSolidBrush, TGPHatchBrush -----------------------------------------------------------------------

TGPSolidBrush::TGPSolidBrush(ARGB color) { lastResult = GdipCall(GdipCreateSolidFill, color, &nativeBrush); }

Status TGPSolidBrush::GetColor(ARGB& color)
{
    SetStatus(GdipCall(GdipGetSolidFillColor, nativeBrush, &color));
    return lastResult;
}

Status TGPSolidBrush::SetColor(ARGB color) { return SetStatus(GdipCall(GdipSetSolidFillColor, nativeBrush, color)); }

TGPHatchBrush::TGPHatchBrush(HatchStyle hatchStyle, ARGB foreColor, ARGB backColor)
{
    lastResult = GdipCall(GdipCreateHatchBrush, hatchStyle, foreColor, backColor, &nativeBrush);
}

HatchStyle TGPHatchBrush::GetHatchStyle()
{
    HatchStyle style = HatchStyleHorizontal;
    SetStatus(GdipCall(GdipGetHatchStyle, nativeBrush, &style));
    return style;
}

Status TGPHatchBrush::GetForegroundColor(ARGB& color)
{
    return SetStatus(GdipCall(GdipGetHatchForegroundColor, nativeBrush, &color));
}

Status TGPHatchBrush::GetBackgroundColor(ARGB& color)
{
    return SetStatus(GdipCall(GdipGetHatchBackgroundColor, nativeBrush, &color));
}

// ---- TGPTextureBrush ------------------------------------------------------------------------------------

TGPTextureBrush::TGPTextureBrush(TGPImage* image, WrapMode wrapMode)
{
    lastResult = GdipCall(GdipCreateTexture, TGPHandles::Of(image), wrapMode, &nativeBrush);
}

TGPTextureBrush::TGPTextureBrush(TGPImage* image, WrapMode wrapMode, const TGPRectF& dstRect)
    : TGPTextureBrush(image, wrapMode, dstRect.X, dstRect.Y, dstRect.Width, dstRect.Height)
{
}

TGPTextureBrush::TGPTextureBrush(TGPImage* image, WrapMode wrapMode, const TGPRect& dstRect)
    : TGPTextureBrush(image, wrapMode, dstRect.X, dstRect.Y, dstRect.Width, dstRect.Height)
{
}

TGPTextureBrush::TGPTextureBrush(TGPImage* image, const TGPRectF& dstRect, TGPImageAttributes* imageAttributes)
{
    lastResult = GdipCall(GdipCreateTextureIA, TGPHandles::Of(image), TGPHandles::Of(imageAttributes), dstRect.X,
                          dstRect.Y, dstRect.Width, dstRect.Height, &nativeBrush);
}

TGPTextureBrush::TGPTextureBrush(TGPImage* image, const TGPRect& dstRect, TGPImageAttributes* imageAttributes)
{
    lastResult = GdipCall(GdipCreateTextureIAI, TGPHandles::Of(image), TGPHandles::Of(imageAttributes), dstRect.X,
                          dstRect.Y, dstRect.Width, dstRect.Height, &nativeBrush);
}

TGPTextureBrush::TGPTextureBrush(TGPImage* image, WrapMode wrapMode, float dstX, float dstY, float dstWidth,
                                 float dstHeight)
{
    lastResult = GdipCall(GdipCreateTexture2, TGPHandles::Of(image), wrapMode, dstX, dstY, dstWidth, dstHeight, &nativeBrush);
}

TGPTextureBrush::TGPTextureBrush(TGPImage* image, WrapMode wrapMode, int32_t dstX, int32_t dstY, int32_t dstWidth,
                                 int32_t dstHeight)
{
    lastResult =
        GdipCall(GdipCreateTexture2I, TGPHandles::Of(image), wrapMode, dstX, dstY, dstWidth, dstHeight, &nativeBrush);
}

Status TGPTextureBrush::SetTransform(TGPMatrix* matrix)
{
    return SetStatus(GdipCall(GdipSetTextureTransform, nativeBrush, TGPHandles::Of(matrix)));
}

Status TGPTextureBrush::GetTransform(TGPMatrix* matrix)
{
    return SetStatus(GdipCall(GdipGetTextureTransform, nativeBrush, TGPHandles::Of(matrix)));
}

Status TGPTextureBrush::ResetTransform() { return SetStatus(GdipCall(GdipResetTextureTransform, nativeBrush)); }

Status TGPTextureBrush::MultiplyTransform(TGPMatrix* matrix, MatrixOrder order)
{
    return SetStatus(GdipCall(GdipMultiplyTextureTransform, nativeBrush, TGPHandles::Of(matrix), order));
}

Status TGPTextureBrush::TranslateTransform(float dx, float dy, MatrixOrder order)
{
    return SetStatus(GdipCall(GdipTranslateTextureTransform, nativeBrush, dx, dy, order));
}

Status TGPTextureBrush::ScaleTransform(float sx, float sy, MatrixOrder order)
{
    return SetStatus(GdipCall(GdipScaleTextureTransform, nativeBrush, sx, sy, order));
}

Status TGPTextureBrush::RotateTransform(float angle, MatrixOrder order)
{
    return SetStatus(GdipCall(GdipRotateTextureTransform, nativeBrush, angle, order));
}

Status TGPTextureBrush::SetWrapMode(WrapMode wrapMode) { return SetStatus(GdipCall(GdipSetTextureWrapMode, nativeBrush, wrapMode)); }

WrapMode TGPTextureBrush::GetWrapMode()
{
    WrapMode mode = WrapModeTile;
    if (SetStatus(GdipCall(GdipGetTextureWrapMode, nativeBrush, &mode)) != Ok)
        return WrapModeTile;
    return mode;
}

TGPImage* TGPTextureBrush::GetImage()
{
    void* image = nullptr;
    SetStatus(GdipCall(GdipGetTextureImage, nativeBrush, &image));
    auto* result = new (std::nothrow) TGPImage(image, lastResult);
    if (!result)
        GdipCall(GdipDisposeImage, image);
    return result;
}

// ---- TGPLinearGradientBrush -----------------------------------------------------------------------------

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPPointF& point1, const TGPPointF& point2, ARGB color1,
                                               ARGB color2)
{
    lastResult = GdipCall(GdipCreateLineBrush, &point1, &point2, color1, color2, WrapModeTile, &nativeBrush);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPPoint& point1, const TGPPoint& point2, ARGB color1, ARGB color2)
{
    lastResult = GdipCall(GdipCreateLineBrushI, &point1, &point2, color1, color2, WrapModeTile, &nativeBrush);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, LinearGradientMode mode)
{
    lastResult = GdipCall(GdipCreateLineBrushFromRect, &rect, color1, color2, mode, WrapModeTile, &nativeBrush);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, LinearGradientMode mode)
{
    lastResult = GdipCall(GdipCreateLineBrushFromRectI, &rect, color1, color2, mode, WrapModeTile, &nativeBrush);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, float angle,
                                               bool isAngleScalable)
{
    lastResult = GdipCall(GdipCreateLineBrushFromRectWithAngle, &rect, color1, color2, angle, BOOL(isAngleScalable),
                          WrapModeTile, &nativeBrush);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, float angle,
                                               bool isAngleScalable)
{
    lastResult = GdipCall(GdipCreateLineBrushFromRectWithAngleI, &rect, color1, color2, angle, BOOL(isAngleScalable),
                          WrapModeTile, &nativeBrush);
}

Status TGPLinearGradientBrush::SetLinearColors(ARGB color1, ARGB color2)
{
    return SetStatus(GdipCall(GdipSetLineColors, nativeBrush, color1, color2));
}

Status TGPLinearGradientBrush::GetLinearColors(ARGB& color1, ARGB& color2)
{
    ARGB colors[2] = {};
    SetStatus(GdipCall(GdipGetLineColors, nativeBrush, &colors[0]));
    if (lastResult == Ok) {
        color1 = colors[0];
        color2 = colors[1];
    }
    return lastResult;
}

Status TGPLinearGradientBrush::GetRectangle(TGPRectF& rect) { return SetStatus(GdipCall(GdipGetLineRect, nativeBrush, &rect)); }
Status TGPLinearGradientBrush::GetRectangle(TGPRect& rect) { return SetStatus(GdipCall(GdipGetLineRectI, nativeBrush, &rect)); }

Status TGPLinearGradientBrush::SetGammaCorrection(bool useGammaCorrection)
{
    return SetStatus(GdipCall(GdipSetLineGammaCorrection, nativeBrush, BOOL(useGammaCorrection)));
}

bool TGPLinearGradientBrush::GetGammaCorrection()
{
    BOOL result = FALSE;
    SetStatus(GdipCall(GdipGetLineGammaCorrection, nativeBrush, &result));
    return result;
}

int32_t TGPLinearGradientBrush::GetBlendCount()
{
    int32_t count = 0;
    if (SetStatus(GdipCall(GdipGetLineBlendCount, nativeBrush, &count)) != Ok)
        return 0;
    return count;
}

Status TGPLinearGradientBrush::SetBlend(const float* blendFactors, const float* blendPositions, int32_t count)
{
    return SetStatus(GdipCall(GdipSetLineBlend, nativeBrush, blendFactors, blendPositions, count));
}

Status TGPLinearGradientBrush::GetBlend(float* blendFactors, float* blendPositions, int32_t count)
{
    if (count <= 0 || !blendFactors || !blendPositions)
        return SetStatus(InvalidParameter);
    return SetStatus(GdipCall(GdipGetLineBlend, nativeBrush, blendFactors, blendPositions, count));
}

int32_t TGPLinearGradientBrush::GetInterpolationColorCount()
{
    int32_t count = 0;
    if (SetStatus(GdipCall(GdipGetLinePresetBlendCount, nativeBrush, &count)) != Ok)
        return 0;
    return count;
}

Status TGPLinearGradientBrush::SetInterpolationColors(const ARGB* presetColors, const float* blendPositions,
                                                      int32_t count)
{
    if (count <= 0)
        return SetStatus(InvalidParameter);
    return SetStatus(GdipCall(GdipSetLinePresetBlend, nativeBrush, presetColors, blendPositions, count));
}

Status TGPLinearGradientBrush::GetInterpolationColors(ARGB* presetColors, float* blendPositions, int32_t count)
{
    if (count <= 0)
        return SetStatus(InvalidParameter);
    return SetStatus(GdipCall(GdipGetLinePresetBlend, nativeBrush, presetColors, blendPositions, count));
}

Status TGPLinearGradientBrush::SetBlendBellShape(float focus, float scale)
{
    return SetStatus(GdipCall(GdipSetLineSigmaBlend, nativeBrush, focus, scale));
}

Status TGPLinearGradientBrush::SetBlendTriangularShape(float focus, float scale)
{
    return SetStatus(GdipCall(GdipSetLineLinearBlend, nativeBrush, focus, scale));
}

Status TGPLinearGradientBrush::SetTransform(TGPMatrix* matrix)
{
    return SetStatus(GdipCall(GdipSetLineTransform, nativeBrush, TGPHandles::Of(matrix)));
}

Status TGPLinearGradientBrush::GetTransform(TGPMatrix* matrix)
{
    return SetStatus(GdipCall(GdipGetLineTransform, nativeBrush, TGPHandles::Of(matrix)));
}

Status TGPLinearGradientBrush::ResetTransform() { return SetStatus(GdipCall(GdipResetLineTransform, nativeBrush)); }

Status TGPLinearGradientBrush::MultiplyTransform(TGPMatrix* matrix, MatrixOrder order)
{
    return SetStatus(GdipCall(GdipMultiplyLineTransform, nativeBrush, TGPHandles::Of(matrix), order));
}

Status TGPLinearGradientBrush::TranslateTransform(float dx, float dy, MatrixOrder order)
{
    return SetStatus(GdipCall(GdipTranslateLineTransform, nativeBrush, dx, dy, order));
}

Status TGPLinearGradientBrush::ScaleTransform(float sx, float sy, MatrixOrder order)
{
    return SetStatus(GdipCall(GdipScaleLineTransform, nativeBrush, sx, sy, order));
}

Status TGPLinearGradientBrush::RotateTransform(float angle, MatrixOrder order)
{
    return SetStatus(GdipCall(GdipRotateLineTransform, nativeBrush, angle, order));
}

Status TGPLinearGradientBrush::SetWrapMode(WrapMode wrapMode) { return SetStatus(GdipCall(GdipSetLineWrapMode, nativeBrush, wrapMode)); }

WrapMode TGPLinearGradientBrush::GetWrapMode()
{
    WrapMode mode = WrapModeTile;
    if (SetStatus(GdipCall(GdipGetLineWrapMode, nativeBrush, &mode)) != Ok)
        return WrapModeTile;
    return mode;
}

// ---- TGPPathGradientBrush -------------------------------------------------------------------------------

TGPPathGradientBrush::TGPPathGradientBrush(const TGPPointF* points, int32_t count, WrapMode wrapMode)
{
    lastResult = GdipCall(GdipCreatePathGradient, points, count, wrapMode, &nativeBrush);
}

TGPPathGradientBrush::TGPPathGradientBrush(const TGPPoint* points, int32_t count, WrapMode wrapMode)
{
    lastResult = GdipCall(GdipCreatePathGradientI, points, count, wrapMode, &nativeBrush);
}

TGPPathGradientBrush::TGPPathGradientBrush(TGPGraphicsPath* path)
{
    lastResult = GdipCall(GdipCreatePathGradientFromPath, TGPHandles::Of(path), &nativeBrush);
}

Status TGPPathGradientBrush::GetCenterColor(ARGB& color)
{
    SetStatus(GdipCall(GdipGetPathGradientCenterColor, nativeBrush, &color));
    return lastResult;
}

Status TGPPathGradientBrush::SetCenterColor(ARGB color)
{
    SetStatus(GdipCall(GdipSetPathGradientCenterColor, nativeBrush, color));
    return lastResult;
}

int32_t TGPPathGradientBrush::GetPointCount()
{
    int32_t count = 0;
    if (SetStatus(GdipCall(GdipGetPathGradientPointCount, nativeBrush, &count)) != Ok)
        return 0;
    return count;
}

int32_t TGPPathGradientBrush::GetSurroundColorCount()
{
    int32_t count = 0;
    if (SetStatus(GdipCall(GdipGetPathGradientSurroundColorCount, nativeBrush, &count)) != Ok)
        return 0;
    return count;
}

Status TGPPathGradientBrush::GetSurroundColors(ARGB* colors, int32_t& count)
{
    if (!colors)
        return SetStatus(InvalidParameter);
    int32_t available = 0;
    SetStatus(GdipCall(GdipGetPathGradientSurroundColorCount, nativeBrush, &available));
    if (lastResult != Ok)
        return lastResult;
    if (count < available || available <= 0)
        return SetStatus(InsufficientBuffer);
    int32_t filled = available;
    SetStatus(GdipCall(GdipGetPathGradientSurroundColorsWithCount, nativeBrush, colors, &filled));
    if (lastResult == Ok)
        count = filled;
    return lastResult;
}

Status TGPPathGradientBrush::SetSurroundColors(const ARGB* colors, int32_t& count)
{
    if (!colors)
        return SetStatus(InvalidParameter);
    int32_t points = GetPointCount();
    if (count > points || points <= 0)
        return SetStatus(InvalidParameter);
    int32_t taken = count;
    SetStatus(GdipCall(GdipSetPathGradientSurroundColorsWithCount, nativeBrush, colors, &taken));
    if (lastResult == Ok)
        count = taken;
    return lastResult;
}

Status TGPPathGradientBrush::GetGraphicsPath(TGPGraphicsPath* path)
{
    if (!path)
        return SetStatus(InvalidParameter);
    return SetStatus(GdipCall(GdipGetPathGradientPath, nativeBrush, TGPHandles::Of(path)));
}

Status TGPPathGradientBrush::SetGraphicsPath(TGPGraphicsPath* path)
{
    if (!path)
        return SetStatus(InvalidParameter);
    return SetStatus(GdipCall(GdipSetPathGradientPath, nativeBrush, TGPHandles::Of(path)));
}

Status TGPPathGradientBrush::GetCenterPoint(TGPPointF& point)
{
    return SetStatus(GdipCall(GdipGetPathGradientCenterPoint, nativeBrush, &point));
}

Status TGPPathGradientBrush::GetCenterPoint(TGPPoint& point)
{
    return SetStatus(GdipCall(GdipGetPathGradientCenterPointI, nativeBrush, &point));
}

Status TGPPathGradientBrush::SetCenterPoint(const TGPPointF& point)
{
    return SetStatus(GdipCall(GdipSetPathGradientCenterPoint, nativeBrush, &point));
}

Status TGPPathGradientBrush::SetCenterPoint(const TGPPoint& point)
{
    return SetStatus(GdipCall(GdipSetPathGradientCenterPointI, nativeBrush, &point));
}

Status TGPPathGradientBrush::GetRectangle(TGPRectF& rect) { return SetStatus(GdipCall(GdipGetPathGradientRect, nativeBrush, &rect)); }
Status TGPPathGradientBrush::GetRectangle(TGPRect& rect) { return SetStatus(GdipCall(GdipGetPathGradientRectI, nativeBrush, &rect)); }

Status TGPPathGradientBrush::SetGammaCorrection(bool useGammaCorrection)
{
    return SetStatus(GdipCall(GdipSetPathGradientGammaCorrection, nativeBrush, BOOL(useGammaCorrection)));
}

bool TGPPathGradientBrush::GetGammaCorrection()
{
    BOOL result = FALSE;
    SetStatus(GdipCall(GdipGetPathGradientGammaCorrection, nativeBrush, &result));
    return result;
}

int32_t TGPPathGradientBrush::GetBlendCount()
{
    int32_t count = 0;
    if (SetStatus(GdipCall(GdipGetPathGradientBlendCount, nativeBrush, &count)) != Ok)
        return 0;
    return count;
}

Status TGPPathGradientBrush::GetBlend(float* blendFactors, float* blendPositions, int32_t count)
{
    return SetStatus(GdipCall(GdipGetPathGradientBlend, nativeBrush, blendFactors, blendPositions, count));
}

Status TGPPathGradientBrush::SetBlend(const float* blendFactors, const float* blendPositions, int32_t count)
{
    return SetStatus(GdipCall(GdipSetPathGradientBlend, nativeBrush, blendFactors, blendPositions, count));
}

int32_t TGPPathGradientBrush::GetInterpolationColorCount()
{
    int32_t count = 0;
    if (SetStatus(GdipCall(GdipGetPathGradientPresetBlendCount, nativeBrush, &count)) != Ok)
        return 0;
    return count;
}

Status TGPPathGradientBrush::SetInterpolationColors(const ARGB* presetColors, const float* blendPositions,
                                                    int32_t count)
{
    if (count <= 0 || !presetColors)
        return SetStatus(InvalidParameter);
    return SetStatus(GdipCall(GdipSetPathGradientPresetBlend, nativeBrush, presetColors, blendPositions, count));
}

Status TGPPathGradientBrush::GetInterpolationColors(ARGB* presetColors, float* blendPositions, int32_t count)
{
    if (count <= 0 || !presetColors)
        return SetStatus(InvalidParameter);
    std::unique_ptr<ARGB[]> colors(new (std::nothrow) ARGB[count]());
    if (!colors)
        return SetStatus(OutOfMemory);
    Status status = SetStatus(GdipCall(GdipGetPathGradientPresetBlend, nativeBrush, colors.get(), blendPositions, count));
    std::copy(colors.get(), colors.get() + count, presetColors);
    return status;
}

Status TGPPathGradientBrush::SetBlendBellShape(float focus, float scale)
{
    return SetStatus(GdipCall(GdipSetPathGradientSigmaBlend, nativeBrush, focus, scale));
}

Status TGPPathGradientBrush::SetBlendTriangularShape(float focus, float scale)
{
    return SetStatus(GdipCall(GdipSetPathGradientLinearBlend, nativeBrush, focus, scale));
}

Status TGPPathGradientBrush::GetTransform(TGPMatrix* matrix)
{
    return SetStatus(GdipCall(GdipGetPathGradientTransform, nativeBrush, TGPHandles::Of(matrix)));
}

Status TGPPathGradientBrush::SetTransform(TGPMatrix* matrix)
{
    return SetStatus(GdipCall(GdipSetPathGradientTransform, nativeBrush, TGPHandles::Of(matrix)));
}

Status TGPPathGradientBrush::ResetTransform() { return SetStatus(GdipCall(GdipResetPathGradientTransform, nativeBrush)); }

Status TGPPathGradientBrush::MultiplyTransform(TGPMatrix* matrix, MatrixOrder order)
{
    return SetStatus(GdipCall(GdipMultiplyPathGradientTransform, nativeBrush, TGPHandles::Of(matrix), order));
}

Status TGPPathGradientBrush::TranslateTransform(float dx, float dy, MatrixOrder order)
{
    return SetStatus(GdipCall(GdipTranslatePathGradientTransform, nativeBrush, dx, dy, order));
}

Status TGPPathGradientBrush::ScaleTransform(float sx, float sy, MatrixOrder order)
{
    return SetStatus(GdipCall(GdipScalePathGradientTransform, nativeBrush, sx, sy, order));
}

Status TGPPathGradientBrush::RotateTransform(float angle, MatrixOrder order)
{
    return SetStatus(GdipCall(GdipRotatePathGradientTransform, nativeBrush, angle, order));
}

Status TGPPathGradientBrush::GetFocusScales(float& xScale, float& yScale)
{
    return SetStatus(GdipCall(GdipGetPathGradientFocusScales, nativeBrush, &xScale, &yScale));
}

Status TGPPathGradientBrush::SetFocusScales(float xScale, float yScale)
{
    return SetStatus(GdipCall(GdipSetPathGradientFocusScales, nativeBrush, xScale, yScale));
}

WrapMode TGPPathGradientBrush::GetWrapMode()
{
    WrapMode mode = WrapModeTile;
    if (SetStatus(GdipCall(GdipGetPathGradientWrapMode, nativeBrush, &mode)) != Ok)
        return WrapModeTile;
    return mode;
}

Status TGPPathGradientBrush::SetWrapMode(WrapMode wrapMode)
{
    return SetStatus(GdipCall(GdipSetPathGradientWrapMode, nativeBrush, wrapMode));
}

} // namespace RurGDIPlusClasses
