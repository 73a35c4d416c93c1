// Pen and custom line cap wrappers.
#include "RurGDIPlusClasses.h"

#include <new>

namespace RurGDIPlusClasses {

using enum GdipEntry;

// ---- TGPCustomLineCap -----------------------------------------------------------------------------------

TGPCustomLineCap::TGPCustomLineCap(TGPGraphicsPath* fillPath, TGPGraphicsPath* strokePath, int32_t baseCap,
                                   float baseInset)
{
    lastResult = GdipCall(GdipCreateCustomLineCap, TGPHandles::Of(fillPath), TGPHandles::Of(strokePath), baseCap,
                          baseInset, &nativeCap);
}

TGPCustomLineCap::TGPCustomLineCap(void* nativeCap, Status status) : nativeCap(nativeCap), lastResult(status) {}

TGPCustomLineCap::~TGPCustomLineCap() { GdipCall(GdipDeleteCustomLineCap, nativeCap); }

TGPCustomLineCap* TGPCustomLineCap::Clone()
{
    void* copy = nullptr;
    SetStatus(GdipCall(GdipCloneCustomLineCap, nativeCap, &copy));
    if (lastResult != Ok)
        return nullptr;
    auto* result = new (std::nothrow) TGPCustomLineCap(copy, Ok);
    if (!result)
        SetStatus(GdipCall(GdipDeleteCustomLineCap, copy));
    return result;
}

Status TGPCustomLineCap::SetStrokeCap(int32_t strokeCap) { return SetStrokeCaps(strokeCap, strokeCap); }

Status TGPCustomLineCap::SetStrokeCaps(int32_t startCap, int32_t endCap)
{
    return SetStatus(GdipCall(GdipSetCustomLineCapStrokeCaps, nativeCap, startCap, endCap));
}

Status TGPCustomLineCap::GetStrokeCaps(int32_t& startCap, int32_t& endCap)
{
    startCap = 0;
    endCap = 0;
    return SetStatus(GdipCall(GdipGetCustomLineCapStrokeCaps, nativeCap, &startCap, &endCap));
}

Status TGPCustomLineCap::SetStrokeJoin(LineJoin lineJoin)
{
    return SetStatus(GdipCall(GdipSetCustomLineCapStrokeJoin, nativeCap, lineJoin));
}

LineJoin TGPCustomLineCap::GetStrokeJoin()
{
    LineJoin join = LineJoinMiter;
    SetStatus(GdipCall(GdipGetCustomLineCapStrokeJoin, nativeCap, &join));
    return join;
}

Status TGPCustomLineCap::SetBaseCap(int32_t baseCap) { return SetStatus(GdipCall(GdipSetCustomLineCapBaseCap, nativeCap, baseCap)); }

int32_t TGPCustomLineCap::GetBaseCap()
{
    int32_t cap = 0;
    SetStatus(GdipCall(GdipGetCustomLineCapBaseCap, nativeCap, &cap));
    return cap;
}

Status TGPCustomLineCap::SetBaseInset(float inset) { return SetStatus(GdipCall(GdipSetCustomLineCapBaseInset, nativeCap, inset)); }

float TGPCustomLineCap::GetBaseInset()
{
    float inset = 0;
    SetStatus(GdipCall(GdipGetCustomLineCapBaseInset, nativeCap, &inset));
    return inset;
}

Status TGPCustomLineCap::SetWidthScale(float widthScale)
{
    return SetStatus(GdipCall(GdipSetCustomLineCapWidthScale, nativeCap, widthScale));
}

float TGPCustomLineCap::GetWidthScale()
{
    float scale = 0;
    SetStatus(GdipCall(GdipGetCustomLineCapWidthScale, nativeCap, &scale));
    return scale;
}

// ---- TGPPen ---------------------------------------------------------------------------------------------

TGPPen::TGPPen(ARGB color, float width) { lastResult = GdipCall(GdipCreatePen1, color, width, UnitWorld, &nativePen); }

TGPPen::TGPPen(TGPBrush* brush, float width)
{
    lastResult = GdipCall(GdipCreatePen2, TGPHandles::Of(brush), width, UnitWorld, &nativePen);
}

TGPPen::TGPPen(void* nativePen, Status status) : nativePen(nativePen), lastResult(status) {}

TGPPen::~TGPPen() { GdipCall(GdipDeletePen, nativePen); }

TGPPen* TGPPen::Clone()
{
    void* copy = nullptr;
    lastResult = GdipCall(GdipClonePen, nativePen, &copy);
    return new TGPPen(copy, lastResult);
}

Status TGPPen::SetWidth(float width) { return SetStatus(GdipCall(GdipSetPenWidth, nativePen, width)); }

float TGPPen::GetWidth()
{
    float width = 0;
    SetStatus(GdipCall(GdipGetPenWidth, nativePen, &width));
    return width;
}

Status TGPPen::SetLineCap(int32_t startCap, int32_t endCap, int32_t dashCap)
{
    return SetStatus(GdipCall(GdipSetPenLineCap197819, nativePen, startCap, endCap, dashCap));
}

Status TGPPen::SetStartCap(int32_t startCap) { return SetStatus(GdipCall(GdipSetPenStartCap, nativePen, startCap)); }
Status TGPPen::SetEndCap(int32_t endCap) { return SetStatus(GdipCall(GdipSetPenEndCap, nativePen, endCap)); }
Status TGPPen::SetDashCap(int32_t dashCap) { return SetStatus(GdipCall(GdipSetPenDashCap197819, nativePen, dashCap)); }

int32_t TGPPen::GetStartCap()
{
    int32_t cap = 0;
    if (SetStatus(GdipCall(GdipGetPenStartCap, nativePen, &cap)) != Ok)
        return 0;
    return cap;
}

int32_t TGPPen::GetEndCap()
{
    int32_t cap = 0;
    if (SetStatus(GdipCall(GdipGetPenEndCap, nativePen, &cap)) != Ok)
        return 0;
    return cap;
}

int32_t TGPPen::GetDashCap()
{
    int32_t cap = 0;
    if (SetStatus(GdipCall(GdipGetPenDashCap197819, nativePen, &cap)) != Ok)
        return 0;
    return cap;
}

Status TGPPen::SetLineJoin(LineJoin lineJoin) { return SetStatus(GdipCall(GdipSetPenLineJoin, nativePen, lineJoin)); }

LineJoin TGPPen::GetLineJoin()
{
    LineJoin join = LineJoinMiter;
    if (SetStatus(GdipCall(GdipGetPenLineJoin, nativePen, &join)) != Ok)
        return LineJoinMiter;
    return join;
}

Status TGPPen::SetCustomStartCap(TGPCustomLineCap* customCap)
{
    return SetStatus(GdipCall(GdipSetPenCustomStartCap, nativePen, TGPHandles::Of(customCap)));
}

Status TGPPen::GetCustomStartCap(TGPCustomLineCap* customCap)
{
    if (!customCap)
        return SetStatus(InvalidParameter);
    return SetStatus(GdipCall(GdipGetPenCustomStartCap, nativePen, TGPHandles::Slot(customCap)));
}

Status TGPPen::SetCustomEndCap(TGPCustomLineCap* customCap)
{
    return SetStatus(GdipCall(GdipSetPenCustomEndCap, nativePen, TGPHandles::Of(customCap)));
}

Status TGPPen::GetCustomEndCap(TGPCustomLineCap* customCap)
{
    if (!customCap)
        return SetStatus(InvalidParameter);
    return SetStatus(GdipCall(GdipGetPenCustomEndCap, nativePen, TGPHandles::Slot(customCap)));
}

Status TGPPen::SetMiterLimit(float miterLimit) { return SetStatus(GdipCall(GdipSetPenMiterLimit, nativePen, miterLimit)); }

float TGPPen::GetMiterLimit()
{
    float limit = 0;
    SetStatus(GdipCall(GdipGetPenMiterLimit, nativePen, &limit));
    return limit;
}

Status TGPPen::SetAlignment(PenAlignment penAlignment) { return SetStatus(GdipCall(GdipSetPenMode, nativePen, penAlignment)); }

PenAlignment TGPPen::GetAlignment()
{
    PenAlignment alignment = PenAlignmentCenter;
    if (SetStatus(GdipCall(GdipGetPenMode, nativePen, &alignment)) != Ok)
        return PenAlignmentCenter;
    return alignment;
}

Status TGPPen::SetTransform(TGPMatrix* matrix) { return SetStatus(GdipCall(GdipSetPenTransform, nativePen, TGPHandles::Of(matrix))); }
Status TGPPen::GetTransform(TGPMatrix* matrix) { return SetStatus(GdipCall(GdipGetPenTransform, nativePen, TGPHandles::Of(matrix))); }
Status TGPPen::ResetTransform() { return SetStatus(GdipCall(GdipResetPenTransform, nativePen)); }

Status TGPPen::MultiplyTransform(TGPMatrix* matrix, MatrixOrder order)
{
    return SetStatus(GdipCall(GdipMultiplyPenTransform, nativePen, TGPHandles::Of(matrix), order));
}

Status TGPPen::TranslateTransform(float dx, float dy, MatrixOrder order)
{
    return SetStatus(GdipCall(GdipTranslatePenTransform, nativePen, dx, dy, order));
}

Status TGPPen::ScaleTransform(float sx, float sy, MatrixOrder order)
{
    return SetStatus(GdipCall(GdipScalePenTransform, nativePen, sx, sy, order));
}

Status TGPPen::RotateTransform(float angle, MatrixOrder order)
{
    return SetStatus(GdipCall(GdipRotatePenTransform, nativePen, angle, order));
}

int32_t TGPPen::GetPenType()
{
    int32_t type = -1;
    SetStatus(GdipCall(GdipGetPenFillType, nativePen, &type));
    return type;
}

Status TGPPen::SetColor(ARGB color) { return SetStatus(GdipCall(GdipSetPenColor, nativePen, color)); }
Status TGPPen::SetBrush(TGPBrush* brush) { return SetStatus(GdipCall(GdipSetPenBrushFill, nativePen, TGPHandles::Of(brush))); }

Status TGPPen::GetColor(ARGB& color)
{
    if (GetPenType() != BrushTypeSolidColor)
        return WrongState;
    ARGB read = 0;
    SetStatus(GdipCall(GdipGetPenColor, nativePen, &read));
    if (lastResult == Ok)
        color = read;
    return lastResult;
}

TGPBrush* TGPPen::GetBrush()
{
    TGPBrush* brush = nullptr;
    switch (GetPenType()) {
    case BrushTypeSolidColor: brush = new TGPSolidBrush(); break;
    case BrushTypeHatchFill: brush = new TGPHatchBrush(); break;
    case BrushTypeTextureFill: brush = new TGPTextureBrush(); break;
    case BrushTypePathGradient: brush = new TGPBrush(); break; // records NotImplemented in the brush
    case BrushTypeLinearGradient: brush = new TGPLinearGradientBrush(); break;
    default: return nullptr;
    }
    SetStatus(GdipCall(GdipGetPenBrushFill, nativePen, TGPHandles::Slot(brush)));
    return brush;
}

DashStyle TGPPen::GetDashStyle()
{
    DashStyle style = DashStyleSolid;
    SetStatus(GdipCall(GdipGetPenDashStyle, nativePen, &style));
    return style;
}

Status TGPPen::SetDashStyle(DashStyle dashStyle) { return SetStatus(GdipCall(GdipSetPenDashStyle, nativePen, dashStyle)); }

float TGPPen::GetDashOffset()
{
    float offset = 0;
    SetStatus(GdipCall(GdipGetPenDashOffset, nativePen, &offset));
    return offset;
}

Status TGPPen::SetDashOffset(float dashOffset) { return SetStatus(GdipCall(GdipSetPenDashOffset, nativePen, dashOffset)); }

Status TGPPen::SetDashPattern(const float* dashArray, int32_t count)
{
    return SetStatus(GdipCall(GdipSetPenDashArray, nativePen, dashArray, count));
}

int32_t TGPPen::GetDashPatternCount()
{
    int32_t count = 0;
    if (SetStatus(GdipCall(GdipGetPenDashCount, nativePen, &count)) != Ok)
        return 0;
    return count;
}

Status TGPPen::GetDashPattern(float* dashArray, int32_t count)
{
    return SetStatus(GdipCall(GdipGetPenDashArray, nativePen, dashArray, count));
}

Status TGPPen::SetCompoundArray(const float* compoundArray, int32_t count)
{
    return SetStatus(GdipCall(GdipSetPenCompoundArray, nativePen, compoundArray, count));
}

int32_t TGPPen::GetCompoundArrayCount()
{
    int32_t count = 0;
    SetStatus(GdipCall(GdipGetPenCompoundCount, nativePen, &count));
    return count;
}

Status TGPPen::GetCompoundArray(float* compoundArray, int32_t count)
{
    if (count <= 0)
        return SetStatus(InvalidParameter);
    return SetStatus(GdipCall(GdipGetPenCompoundArray, nativePen, compoundArray, count));
}

} // namespace RurGDIPlusClasses
