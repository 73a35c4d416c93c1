// Brushes and pens.
#include "FwGdiPlus.h"

namespace fwgdip {

TGPBrush::~TGPBrush()
{
    if (FNative)
        GdipDeleteBrush(FNative);
}

std::unique_ptr<TGPBrush> TGPBrush::Clone() const
{
    std::unique_ptr<TGPBrush> copy(new TGPBrush());
    Check(GdipCloneBrush(FNative, &copy->FNative));
    return copy;
}

BrushType TGPBrush::GetType() const
{
    BrushType type = BrushTypeSolidColor;
    Check(GdipGetBrushType(FNative, &type));
    return type;
}

TGPSolidBrush::TGPSolidBrush(ARGB color)
{
    GpSolidFill* brush = nullptr;
    Check(GdipCreateSolidFill(color, &brush));
    FNative = brush;
}

ARGB TGPSolidBrush::GetColor() const
{
    ARGB color = 0;
    Check(GdipGetSolidFillColor(static_cast<GpSolidFill*>(FNative), &color));
    return color;
}

TStatus TGPSolidBrush::SetColor(ARGB color) { return Check(GdipSetSolidFillColor(static_cast<GpSolidFill*>(FNative), color)); }

TGPHatchBrush::TGPHatchBrush(HatchStyle style, ARGB foreColor, ARGB backColor)
{
    GpHatch* brush = nullptr;
    Check(GdipCreateHatchBrush(style, foreColor, backColor, &brush));
    FNative = brush;
}

HatchStyle TGPHatchBrush::GetHatchStyle() const
{
    HatchStyle style = HatchStyleHorizontal;
    Check(GdipGetHatchStyle(static_cast<GpHatch*>(FNative), &style));
    return style;
}

ARGB TGPHatchBrush::GetForegroundColor() const
{
    ARGB color = 0;
    Check(GdipGetHatchForegroundColor(static_cast<GpHatch*>(FNative), &color));
    return color;
}

ARGB TGPHatchBrush::GetBackgroundColor() const
{
    ARGB color = 0;
    Check(GdipGetHatchBackgroundColor(static_cast<GpHatch*>(FNative), &color));
    return color;
}

TGPTextureBrush::TGPTextureBrush(const TGPImage& image, WrapMode wrapMode)
{
    GpTexture* brush = nullptr;
    Check(GdipCreateTexture(image.Native(), wrapMode, &brush));
    FNative = brush;
}

TGPTextureBrush::TGPTextureBrush(const TGPImage& image, WrapMode wrapMode, const TGPRectF& area)
{
    GpTexture* brush = nullptr;
    Check(GdipCreateTexture2(image.Native(), wrapMode, area.X, area.Y, area.Width, area.Height, &brush));
    FNative = brush;
}

TStatus TGPTextureBrush::SetWrapMode(WrapMode wrapMode)
{
    return Check(GdipSetTextureWrapMode(static_cast<GpTexture*>(FNative), wrapMode));
}

TStatus TGPTextureBrush::SetTransform(const TGPMatrix& matrix)
{
    return Check(GdipSetTextureTransform(static_cast<GpTexture*>(FNative), matrix.Native()));
}

TStatus TGPTextureBrush::TranslateTransform(REAL dx, REAL dy, MatrixOrder order)
{
    return Check(GdipTranslateTextureTransform(static_cast<GpTexture*>(FNative), dx, dy, order));
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPPointF& point1, const TGPPointF& point2, ARGB color1, ARGB color2)
{
    GpLineGradient* brush = nullptr;
    Check(GdipCreateLineBrush(&point1, &point2, color1, color2, WrapModeTile, &brush));
    FNative = brush;
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, LinearGradientMode mode)
{
    GpLineGradient* brush = nullptr;
    Check(GdipCreateLineBrushFromRect(&rect, color1, color2, mode, WrapModeTile, &brush));
    FNative = brush;
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, REAL angle,
                                               bool isAngleScalable)
{
    GpLineGradient* brush = nullptr;
    Check(GdipCreateLineBrushFromRectWithAngle(&rect, color1, color2, angle, isAngleScalable, WrapModeTile, &brush));
    FNative = brush;
}

TStatus TGPLinearGradientBrush::SetLinearColors(ARGB color1, ARGB color2)
{
    return Check(GdipSetLineColors(static_cast<GpLineGradient*>(FNative), color1, color2));
}

TStatus TGPLinearGradientBrush::GetLinearColors(ARGB (&colors)[2]) const
{
    return Check(GdipGetLineColors(static_cast<GpLineGradient*>(FNative), colors));
}

TStatus TGPLinearGradientBrush::SetInterpolationColors(std::span<const ARGB> colors, std::span<const REAL> positions)
{
    if (colors.size() != positions.size())
        return Check(InvalidParameter);
    return Check(GdipSetLinePresetBlend(static_cast<GpLineGradient*>(FNative), colors.data(), positions.data(),
                                        INT(colors.size())));
}

TStatus TGPLinearGradientBrush::SetBlend(std::span<const REAL> factors, std::span<const REAL> positions)
{
    if (factors.size() != positions.size())
        return Check(InvalidParameter);
    return Check(GdipSetLineBlend(static_cast<GpLineGradient*>(FNative), factors.data(), positions.data(),
                                  INT(factors.size())));
}

TStatus TGPLinearGradientBrush::SetGammaCorrection(bool useGamma)
{
    return Check(GdipSetLineGammaCorrection(static_cast<GpLineGradient*>(FNative), useGamma));
}

TStatus TGPLinearGradientBrush::SetWrapMode(WrapMode wrapMode)
{
    return Check(GdipSetLineWrapMode(static_cast<GpLineGradient*>(FNative), wrapMode));
}

TGPPathGradientBrush::TGPPathGradientBrush(const TGPGraphicsPath& path)
{
    GpPathGradient* brush = nullptr;
    Check(GdipCreatePathGradientFromPath(path.Native(), &brush));
    FNative = brush;
}

TGPPathGradientBrush::TGPPathGradientBrush(std::span<const TGPPointF> points, WrapMode wrapMode)
{
    GpPathGradient* brush = nullptr;
    Check(GdipCreatePathGradient(points.data(), INT(points.size()), wrapMode, &brush));
    FNative = brush;
}

TStatus TGPPathGradientBrush::SetCenterColor(ARGB color)
{
    return Check(GdipSetPathGradientCenterColor(static_cast<GpPathGradient*>(FNative), color));
}

ARGB TGPPathGradientBrush::GetCenterColor() const
{
    ARGB color = 0;
    Check(GdipGetPathGradientCenterColor(static_cast<GpPathGradient*>(FNative), &color));
    return color;
}

TStatus TGPPathGradientBrush::SetCenterPoint(const TGPPointF& point)
{
    return Check(GdipSetPathGradientCenterPoint(static_cast<GpPathGradient*>(FNative), &point));
}

TStatus TGPPathGradientBrush::SetSurroundColors(std::span<const ARGB> colors, INT& count)
{
    count = INT(colors.size());
    return Check(GdipSetPathGradientSurroundColorsWithCount(static_cast<GpPathGradient*>(FNative), colors.data(), &count));
}

INT TGPPathGradientBrush::GetSurroundColorCount() const
{
    INT count = 0;
    Check(GdipGetPathGradientSurroundColorCount(static_cast<GpPathGradient*>(FNative), &count));
    return count;
}

INT TGPPathGradientBrush::GetPointCount() const
{
    INT count = 0;
    Check(GdipGetPathGradientPointCount(static_cast<GpPathGradient*>(FNative), &count));
    return count;
}

TStatus TGPPathGradientBrush::SetFocusScales(REAL xScale, REAL yScale)
{
    return Check(GdipSetPathGradientFocusScales(static_cast<GpPathGradient*>(FNative), xScale, yScale));
}

TStatus TGPPathGradientBrush::SetInterpolationColors(std::span<const ARGB> colors, std::span<const REAL> positions)
{
    if (colors.size() != positions.size())
        return Check(InvalidParameter);
    return Check(GdipSetPathGradientPresetBlend(static_cast<GpPathGradient*>(FNative), colors.data(), positions.data(),
                                                INT(colors.size())));
}

TStatus TGPPathGradientBrush::SetBlend(std::span<const REAL> factors, std::span<const REAL> positions)
{
    if (factors.size() != positions.size())
        return Check(InvalidParameter);
    return Check(GdipSetPathGradientBlend(static_cast<GpPathGradient*>(FNative), factors.data(), positions.data(),
                                          INT(factors.size())));
}

TStatus TGPPathGradientBrush::SetWrapMode(WrapMode wrapMode)
{
    return Check(GdipSetPathGradientWrapMode(static_cast<GpPathGradient*>(FNative), wrapMode));
}

TGPPen::TGPPen(ARGB color, REAL width) { Check(GdipCreatePen1(color, width, UnitWorld, &FNative)); }

TGPPen::TGPPen(const TGPBrush& brush, REAL width) { Check(GdipCreatePen2(brush.Native(), width, UnitWorld, &FNative)); }

TGPPen::~TGPPen()
{
    if (FNative)
        GdipDeletePen(FNative);
}

std::unique_ptr<TGPPen> TGPPen::Clone() const
{
    std::unique_ptr<TGPPen> copy(new TGPPen());
    Check(GdipClonePen(FNative, &copy->FNative));
    return copy;
}

TStatus TGPPen::SetWidth(REAL width) { return Check(GdipSetPenWidth(FNative, width)); }

REAL TGPPen::GetWidth() const
{
    REAL width = 0;
    Check(GdipGetPenWidth(FNative, &width));
    return width;
}

TStatus TGPPen::SetColor(ARGB color) { return Check(GdipSetPenColor(FNative, color)); }

ARGB TGPPen::GetColor() const
{
    ARGB color = 0;
    Check(GdipGetPenColor(FNative, &color));
    return color;
}

TStatus TGPPen::SetBrush(const TGPBrush& brush) { return Check(GdipSetPenBrushFill(FNative, brush.Native())); }

PenType TGPPen::GetPenType() const
{
    PenType type = PenTypeUnknown;
    Check(GdipGetPenFillType(FNative, &type));
    return type;
}

TStatus TGPPen::SetDashStyle(DashStyle style) { return Check(GdipSetPenDashStyle(FNative, style)); }

DashStyle TGPPen::GetDashStyle() const
{
    DashStyle style = DashStyleSolid;
    Check(GdipGetPenDashStyle(FNative, &style));
    return style;
}

TStatus TGPPen::SetDashPattern(std::span<const REAL> pattern)
{
    return Check(GdipSetPenDashArray(FNative, pattern.data(), INT(pattern.size())));
}

INT TGPPen::GetDashPatternCount() const
{
    INT count = 0;
    Check(GdipGetPenDashCount(FNative, &count));
    return count;
}

TStatus TGPPen::SetDashOffset(REAL offset) { return Check(GdipSetPenDashOffset(FNative, offset)); }

TStatus TGPPen::SetDashCap(DashCap cap) { return Check(GdipSetPenDashCap197819(FNative, cap)); }

TStatus TGPPen::SetLineJoin(LineJoin join) { return Check(GdipSetPenLineJoin(FNative, join)); }

LineJoin TGPPen::GetLineJoin() const
{
    LineJoin join = LineJoinMiter;
    Check(GdipGetPenLineJoin(FNative, &join));
    return join;
}

TStatus TGPPen::SetMiterLimit(REAL limit) { return Check(GdipSetPenMiterLimit(FNative, limit)); }

TStatus TGPPen::SetStartCap(LineCap cap) { return Check(GdipSetPenStartCap(FNative, cap)); }

TStatus TGPPen::SetEndCap(LineCap cap) { return Check(GdipSetPenEndCap(FNative, cap)); }

LineCap TGPPen::GetStartCap() const
{
    LineCap cap = LineCapFlat;
    Check(GdipGetPenStartCap(FNative, &cap));
    return cap;
}

LineCap TGPPen::GetEndCap() const
{
    LineCap cap = LineCapFlat;
    Check(GdipGetPenEndCap(FNative, &cap));
    return cap;
}

TStatus TGPPen::SetLineCap(LineCap startCap, LineCap endCap, DashCap dashCap)
{
    return Check(GdipSetPenLineCap197819(FNative, startCap, endCap, dashCap));
}

TStatus TGPPen::SetAlignment(PenAlignment alignment) { return Check(GdipSetPenMode(FNative, alignment)); }

PenAlignment TGPPen::GetAlignment() const
{
    PenAlignment alignment = PenAlignmentCenter;
    Check(GdipGetPenMode(FNative, &alignment));
    return alignment;
}

} // namespace fwgdip
