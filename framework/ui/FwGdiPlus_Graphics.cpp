// The drawing surface: modes, transforms, clipping, drawing and text.
#include "FwGdiPlus.h"
#include "WideText.h"

namespace fwgdip {

TGPGraphics::TGPGraphics(HDC dc) { Check(GdipCreateFromHDC(dc, &FNative)); }

TGPGraphics::TGPGraphics(TGPImage& image) { Check(GdipGetImageGraphicsContext(image.Native(), &FNative)); }

TGPGraphics::~TGPGraphics()
{
    if (FNative)
        GdipDeleteGraphics(FNative);
}

TStatus TGPGraphics::Flush(FlushIntention intention) { return Check(GdipFlush(FNative, intention)); }

HDC TGPGraphics::GetHDC()
{
    HDC dc = nullptr;
    Check(GdipGetDC(FNative, &dc));
    return dc;
}

void TGPGraphics::ReleaseHDC(HDC dc) { Check(GdipReleaseDC(FNative, dc)); }

TStatus TGPGraphics::SetSmoothingMode(SmoothingMode mode) { return Check(GdipSetSmoothingMode(FNative, mode)); }

SmoothingMode TGPGraphics::GetSmoothingMode() const
{
    SmoothingMode mode = SmoothingModeInvalid;
    Check(GdipGetSmoothingMode(FNative, &mode));
    return mode;
}

TStatus TGPGraphics::SetPixelOffsetMode(PixelOffsetMode mode) { return Check(GdipSetPixelOffsetMode(FNative, mode)); }

PixelOffsetMode TGPGraphics::GetPixelOffsetMode() const
{
    PixelOffsetMode mode = PixelOffsetModeInvalid;
    Check(GdipGetPixelOffsetMode(FNative, &mode));
    return mode;
}

TStatus TGPGraphics::SetTextRenderingHint(TextRenderingHint hint) { return Check(GdipSetTextRenderingHint(FNative, hint)); }

TextRenderingHint TGPGraphics::GetTextRenderingHint() const
{
    TextRenderingHint hint = TextRenderingHintSystemDefault;
    Check(GdipGetTextRenderingHint(FNative, &hint));
    return hint;
}

TStatus TGPGraphics::SetCompositingMode(CompositingMode mode) { return Check(GdipSetCompositingMode(FNative, mode)); }

CompositingMode TGPGraphics::GetCompositingMode() const
{
    CompositingMode mode = CompositingModeSourceOver;
    Check(GdipGetCompositingMode(FNative, &mode));
    return mode;
}

TStatus TGPGraphics::SetCompositingQuality(CompositingQuality quality)
{
    return Check(GdipSetCompositingQuality(FNative, quality));
}

TStatus TGPGraphics::SetInterpolationMode(InterpolationMode mode) { return Check(GdipSetInterpolationMode(FNative, mode)); }

TStatus TGPGraphics::SetPageUnit(Unit unit) { return Check(GdipSetPageUnit(FNative, unit)); }

TStatus TGPGraphics::SetTransform(const TGPMatrix& matrix) { return Check(GdipSetWorldTransform(FNative, matrix.Native())); }

TStatus TGPGraphics::GetTransform(TGPMatrix& matrix) const { return Check(GdipGetWorldTransform(FNative, matrix.Native())); }

TStatus TGPGraphics::ResetTransform() { return Check(GdipResetWorldTransform(FNative)); }

TStatus TGPGraphics::TranslateTransform(REAL dx, REAL dy, MatrixOrder order)
{
    return Check(GdipTranslateWorldTransform(FNative, dx, dy, order));
}

TStatus TGPGraphics::RotateTransform(REAL angle, MatrixOrder order)
{
    return Check(GdipRotateWorldTransform(FNative, angle, order));
}

TStatus TGPGraphics::ScaleTransform(REAL sx, REAL sy, MatrixOrder order)
{
    return Check(GdipScaleWorldTransform(FNative, sx, sy, order));
}

TStatus TGPGraphics::MultiplyTransform(const TGPMatrix& matrix, MatrixOrder order)
{
    return Check(GdipMultiplyWorldTransform(FNative, matrix.Native(), order));
}

TStatus TGPGraphics::SetClip(const TGPRectF& rect, CombineMode mode)
{
    return Check(GdipSetClipRect(FNative, rect.X, rect.Y, rect.Width, rect.Height, mode));
}

TStatus TGPGraphics::SetClip(const TGPGraphicsPath& path, CombineMode mode)
{
    return Check(GdipSetClipPath(FNative, path.Native(), mode));
}

TStatus TGPGraphics::SetClip(const TGPRegion& region, CombineMode mode)
{
    return Check(GdipSetClipRegion(FNative, region.Native(), mode));
}

TStatus TGPGraphics::SetClip(HRGN region, CombineMode mode) { return Check(GdipSetClipHrgn(FNative, region, mode)); }

TStatus TGPGraphics::ResetClip() { return Check(GdipResetClip(FNative)); }

TStatus TGPGraphics::GetClipBounds(TGPRectF& rect) const { return Check(GdipGetClipBounds(FNative, &rect)); }

bool TGPGraphics::IsClipEmpty() const
{
    BOOL result = FALSE;
    Check(GdipIsClipEmpty(FNative, &result));
    return result != FALSE;
}

GraphicsState TGPGraphics::Save()
{
    GraphicsState state = 0;
    Check(GdipSaveGraphics(FNative, &state));
    return state;
}

TStatus TGPGraphics::Restore(GraphicsState state) { return Check(GdipRestoreGraphics(FNative, state)); }

TStatus TGPGraphics::Clear(ARGB color) { return Check(GdipGraphicsClear(FNative, color)); }

TStatus TGPGraphics::DrawLine(const TGPPen& pen, REAL x1, REAL y1, REAL x2, REAL y2)
{
    return Check(GdipDrawLine(FNative, pen.Native(), x1, y1, x2, y2));
}

TStatus TGPGraphics::DrawLines(const TGPPen& pen, std::span<const TGPPointF> points)
{
    return Check(GdipDrawLines(FNative, pen.Native(), points.data(), INT(points.size())));
}

TStatus TGPGraphics::DrawArc(const TGPPen& pen, const TGPRectF& rect, REAL startAngle, REAL sweepAngle)
{
    return Check(GdipDrawArc(FNative, pen.Native(), rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle));
}

TStatus TGPGraphics::DrawBezier(const TGPPen& pen, const TGPPointF& p1, const TGPPointF& p2, const TGPPointF& p3,
                                const TGPPointF& p4)
{
    return Check(GdipDrawBezier(FNative, pen.Native(), p1.X, p1.Y, p2.X, p2.Y, p3.X, p3.Y, p4.X, p4.Y));
}

TStatus TGPGraphics::DrawRectangle(const TGPPen& pen, const TGPRectF& rect)
{
    return Check(GdipDrawRectangle(FNative, pen.Native(), rect.X, rect.Y, rect.Width, rect.Height));
}

TStatus TGPGraphics::DrawEllipse(const TGPPen& pen, const TGPRectF& rect)
{
    return Check(GdipDrawEllipse(FNative, pen.Native(), rect.X, rect.Y, rect.Width, rect.Height));
}

TStatus TGPGraphics::DrawPie(const TGPPen& pen, const TGPRectF& rect, REAL startAngle, REAL sweepAngle)
{
    return Check(GdipDrawPie(FNative, pen.Native(), rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle));
}

TStatus TGPGraphics::DrawPolygon(const TGPPen& pen, std::span<const TGPPointF> points)
{
    return Check(GdipDrawPolygon(FNative, pen.Native(), points.data(), INT(points.size())));
}

TStatus TGPGraphics::DrawPath(const TGPPen& pen, const TGPGraphicsPath& path)
{
    return Check(GdipDrawPath(FNative, pen.Native(), path.Native()));
}

TStatus TGPGraphics::FillRectangle(const TGPBrush& brush, const TGPRectF& rect)
{
    return Check(GdipFillRectangle(FNative, brush.Native(), rect.X, rect.Y, rect.Width, rect.Height));
}

TStatus TGPGraphics::FillEllipse(const TGPBrush& brush, const TGPRectF& rect)
{
    return Check(GdipFillEllipse(FNative, brush.Native(), rect.X, rect.Y, rect.Width, rect.Height));
}

TStatus TGPGraphics::FillPie(const TGPBrush& brush, const TGPRectF& rect, REAL startAngle, REAL sweepAngle)
{
    return Check(GdipFillPie(FNative, brush.Native(), rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle));
}

TStatus TGPGraphics::FillPolygon(const TGPBrush& brush, std::span<const TGPPointF> points, FillMode fillMode)
{
    return Check(GdipFillPolygon(FNative, brush.Native(), points.data(), INT(points.size()), fillMode));
}

TStatus TGPGraphics::FillPath(const TGPBrush& brush, const TGPGraphicsPath& path)
{
    return Check(GdipFillPath(FNative, brush.Native(), path.Native()));
}

TStatus TGPGraphics::FillRegion(const TGPBrush& brush, const TGPRegion& region)
{
    return Check(GdipFillRegion(FNative, brush.Native(), region.Native()));
}

TStatus TGPGraphics::DrawImage(const TGPImage& image, REAL x, REAL y)
{
    return Check(GdipDrawImage(FNative, image.Native(), x, y));
}

TStatus TGPGraphics::DrawImage(const TGPImage& image, const TGPRectF& dest)
{
    return Check(GdipDrawImageRect(FNative, image.Native(), dest.X, dest.Y, dest.Width, dest.Height));
}

TStatus TGPGraphics::DrawImage(const TGPImage& image, const TGPRectF& dest, const TGPRectF& source, Unit sourceUnit)
{
    return Check(GdipDrawImageRectRect(FNative, image.Native(), dest.X, dest.Y, dest.Width, dest.Height, source.X,
                                       source.Y, source.Width, source.Height, sourceUnit, nullptr, nullptr, nullptr));
}

TStatus TGPGraphics::DrawString(const String& text, const TGPFont& font, const TGPRectF& layoutRect,
                                const TGPStringFormat* format, const TGPBrush& brush)
{
    return Check(GdipDrawString(FNative, WidePtr(text), INT(text.size()), font.Native(), &layoutRect,
                                format ? format->Native() : nullptr, brush.Native()));
}

TStatus TGPGraphics::DrawString(const String& text, const TGPFont& font, const TGPPointF& origin,
                                const TGPStringFormat* format, const TGPBrush& brush)
{
    return DrawString(text, font, TGPRectF(origin.X, origin.Y, 0, 0), format, brush);
}

TStatus TGPGraphics::MeasureString(const String& text, const TGPFont& font, const TGPRectF& layoutRect,
                                   const TGPStringFormat* format, TGPRectF& boundingBox, INT* codepointsFitted,
                                   INT* linesFilled) const
{
    boundingBox = TGPRectF();
    return Check(GdipMeasureString(FNative, WidePtr(text), INT(text.size()), font.Native(), &layoutRect,
                                   format ? format->Native() : nullptr, &boundingBox, codepointsFitted, linesFilled));
}

} // namespace fwgdip
