// The drawing surface of the statically imported wrapper set: transforms, modes, lines, fills,
// images and clipping (text is in RurGDIP_GraphicsText.cpp).
#include "RurGDIPFlat.h"

namespace RurGDIP {

TGPGraphics::TGPGraphics(HDC hdc) { lastResult = GdipCreateFromHDC(hdc, &nativeGraphics); }

TGPGraphics::TGPGraphics(TGPImage* image)
{
    if (image)
        lastResult = GdipGetImageGraphicsContext(image->NativeImage(), &nativeGraphics);
}

TGPGraphics::~TGPGraphics()
{
    FCachedFont.reset();
    GdipDeleteGraphics(nativeGraphics);
}

std::unique_ptr<TGPGraphics> TGPGraphics::FromImage(TGPImage* image) { return std::make_unique<TGPGraphics>(image); }

void TGPGraphics::Flush(FlushIntention intention) { GdipFlush(nativeGraphics, intention); }

TStatus TGPGraphics::Clear(ARGB color) { return SetStatus(GdipGraphicsClear(nativeGraphics, color)); }

HDC TGPGraphics::GetHDC()
{
    HDC hdc = nullptr;
    SetStatus(GdipGetDC(nativeGraphics, &hdc));
    return hdc;
}

void TGPGraphics::ReleaseHDC(HDC hdc) { SetStatus(GdipReleaseDC(nativeGraphics, hdc)); }

TGPGraphicsCanvas::TGPGraphicsCanvas(TGPGraphics& graphics) : graphics(graphics), dc(graphics.GetHDC())
{
    canvas.SetHandle(dc);
}

TGPGraphicsCanvas::~TGPGraphicsCanvas()
{
    canvas.SetHandle(nullptr);
    graphics.ReleaseHDC(dc);
}

TStatus TGPGraphics::SetTransform(const TGPMatrix* matrix)
{
    return SetStatus(GdipSetWorldTransform(nativeGraphics, matrix->NativeMatrix()));
}

TStatus TGPGraphics::ResetTransform() { return SetStatus(GdipResetWorldTransform(nativeGraphics)); }

TStatus TGPGraphics::MultiplyTransform(const TGPMatrix* matrix, MatrixOrder order)
{
    return SetStatus(GdipMultiplyWorldTransform(nativeGraphics, matrix->NativeMatrix(), order));
}

TStatus TGPGraphics::TranslateTransform(float dx, float dy, MatrixOrder order)
{
    return SetStatus(GdipTranslateWorldTransform(nativeGraphics, dx, dy, order));
}

TStatus TGPGraphics::RotateTransform(float angle, MatrixOrder order)
{
    return SetStatus(GdipRotateWorldTransform(nativeGraphics, angle, order));
}

TStatus TGPGraphics::ScaleTransform(float sx, float sy, MatrixOrder order)
{
    return SetStatus(GdipScaleWorldTransform(nativeGraphics, sx, sy, order));
}

TStatus TGPGraphics::SetTextRenderingHint(TextRenderingHint newMode)
{
    return SetStatus(GdipSetTextRenderingHint(nativeGraphics, newMode));
}

TextRenderingHint TGPGraphics::GetTextRenderingHint()
{
    TextRenderingHint hint{};
    SetStatus(GdipGetTextRenderingHint(nativeGraphics, &hint));
    return hint;
}

TStatus TGPGraphics::SetSmoothingMode(SmoothingMode smoothingMode)
{
    return SetStatus(GdipSetSmoothingMode(nativeGraphics, smoothingMode));
}

SmoothingMode TGPGraphics::GetSmoothingMode()
{
    SmoothingMode mode{};
    if (SetStatus(GdipGetSmoothingMode(nativeGraphics, &mode)) != Ok)
        return SmoothingModeInvalid;
    return mode;
}

TStatus TGPGraphics::SetCompositingQuality(CompositingQuality compositingQuality)
{
    return SetStatus(GdipSetCompositingQuality(nativeGraphics, compositingQuality));
}

CompositingQuality TGPGraphics::GetCompositingQuality()
{
    CompositingQuality quality{};
    SetStatus(GdipGetCompositingQuality(nativeGraphics, &quality));
    return quality;
}

TStatus TGPGraphics::DrawLine(const TGPPen* pen, float x1, float y1, float x2, float y2)
{
    return SetStatus(GdipDrawLine(nativeGraphics, pen->NativePen(), x1, y1, x2, y2));
}

TStatus TGPGraphics::DrawRectangle(const TGPPen* pen, const TGPRectF& rect)
{
    return DrawRectangle(pen, rect.X, rect.Y, rect.Width, rect.Height);
}

TStatus TGPGraphics::DrawRectangle(const TGPPen* pen, float x, float y, float width, float height)
{
    return SetStatus(GdipDrawRectangle(nativeGraphics, pen->NativePen(), x, y, width, height));
}

TStatus TGPGraphics::DrawEllipse(const TGPPen* pen, const TGPRectF& rect)
{
    return DrawEllipse(pen, rect.X, rect.Y, rect.Width, rect.Height);
}

TStatus TGPGraphics::DrawEllipse(const TGPPen* pen, float x, float y, float width, float height)
{
    return SetStatus(GdipDrawEllipse(nativeGraphics, pen->NativePen(), x, y, width, height));
}

TStatus TGPGraphics::DrawEllipse(const TGPPen* pen, const TGPRect& rect)
{
    return DrawEllipse(pen, rect.X, rect.Y, rect.Width, rect.Height);
}

TStatus TGPGraphics::DrawEllipse(const TGPPen* pen, int x, int y, int width, int height)
{
    return SetStatus(GdipDrawEllipseI(nativeGraphics, pen->NativePen(), x, y, width, height));
}

TStatus TGPGraphics::DrawArc(const TGPPen* pen, const TGPRectF& rect, float startAngle, float sweepAngle)
{
    return DrawArc(pen, rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}

TStatus TGPGraphics::DrawArc(const TGPPen* pen, float x, float y, float width, float height, float startAngle,
                             float sweepAngle)
{
    return SetStatus(GdipDrawArc(nativeGraphics, pen->NativePen(), x, y, width, height, startAngle, sweepAngle));
}

TStatus TGPGraphics::DrawBezier(const TGPPen* pen, const TGPPointF& pt1, const TGPPointF& pt2, const TGPPointF& pt3,
                                const TGPPointF& pt4)
{
    return DrawBezier(pen, pt1.X, pt1.Y, pt2.X, pt2.Y, pt3.X, pt3.Y, pt4.X, pt4.Y);
}

TStatus TGPGraphics::DrawBezier(const TGPPen* pen, float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                                float y4)
{
    return SetStatus(GdipDrawBezier(nativeGraphics, pen->NativePen(), x1, y1, x2, y2, x3, y3, x4, y4));
}

TStatus TGPGraphics::DrawBeziers(const TGPPen* pen, const TGPPointF* points, int count)
{
    return SetStatus(GdipDrawBeziers(nativeGraphics, pen->NativePen(), points, count));
}

TStatus TGPGraphics::DrawPath(const TGPPen* pen, const TGPGraphicsPath* path)
{
    return SetStatus(GdipDrawPath(nativeGraphics, NativeOf(pen), NativeOf(path)));
}

TStatus TGPGraphics::FillRectangle(const TGPBrush* brush, const TGPRectF& rect)
{
    return FillRectangle(brush, rect.X, rect.Y, rect.Width, rect.Height);
}

TStatus TGPGraphics::FillRectangle(const TGPBrush* brush, float x, float y, float width, float height)
{
    return SetStatus(GdipFillRectangle(nativeGraphics, brush->NativeBrush(), x, y, width, height));
}

TStatus TGPGraphics::FillEllipse(const TGPBrush* brush, const TGPRectF& rect)
{
    return FillEllipse(brush, rect.X, rect.Y, rect.Width, rect.Height);
}

TStatus TGPGraphics::FillEllipse(const TGPBrush* brush, float x, float y, float width, float height)
{
    return SetStatus(GdipFillEllipse(nativeGraphics, brush->NativeBrush(), x, y, width, height));
}

TStatus TGPGraphics::FillEllipse(const TGPBrush* brush, const TGPRect& rect)
{
    return FillEllipse(brush, rect.X, rect.Y, rect.Width, rect.Height);
}

TStatus TGPGraphics::FillEllipse(const TGPBrush* brush, int x, int y, int width, int height)
{
    return SetStatus(GdipFillEllipseI(nativeGraphics, brush->NativeBrush(), x, y, width, height));
}

TStatus TGPGraphics::FillPolygon(const TGPBrush* brush, const TGPPointF* points, int count, FillMode fillMode)
{
    return SetStatus(GdipFillPolygon(nativeGraphics, brush->NativeBrush(), points, count, fillMode));
}

TStatus TGPGraphics::FillPolygon(const TGPBrush* brush, const TGPPoint* points, int count, FillMode fillMode)
{
    return SetStatus(GdipFillPolygonI(nativeGraphics, brush->NativeBrush(), points, count, fillMode));
}

TStatus TGPGraphics::FillPath(const TGPBrush* brush, const TGPGraphicsPath* path)
{
    return SetStatus(GdipFillPath(nativeGraphics, brush->NativeBrush(), path->NativePath()));
}

TStatus TGPGraphics::DrawImage(const TGPImage* image, int x, int y)
{
    return SetStatus(GdipDrawImageI(nativeGraphics, NativeOf(image), x, y));
}

TStatus TGPGraphics::DrawImage(const TGPImage* image, const TGPRectF& rect)
{
    return DrawImage(image, rect.X, rect.Y, rect.Width, rect.Height);
}

TStatus TGPGraphics::DrawImage(const TGPImage* image, float x, float y, float width, float height)
{
    return SetStatus(GdipDrawImageRect(nativeGraphics, NativeOf(image), x, y, width, height));
}

TStatus TGPGraphics::DrawImage(const TGPImage* image, const TGPRectF& destRect, float srcx, float srcy, float srcwidth,
                               float srcheight, Unit_ srcUnit, const TGPImageAttributes* imageAttributes,
                               DrawImageAbort callback, void* callbackData)
{
    return SetStatus(GdipDrawImageRectRect(nativeGraphics, NativeOf(image), destRect.X, destRect.Y, destRect.Width,
                                           destRect.Height, srcx, srcy, srcwidth, srcheight, srcUnit,
                                           NativeOf(imageAttributes), callback,
                                           callbackData));
}

TStatus TGPGraphics::DrawImageRect(const TGPImage* image, int x, int y, int width, int height)
{
    return DrawImage(image, float(x), float(y), float(width), float(height));
}

TStatus TGPGraphics::DrawImageRect(const TGPImage* image, const TGPRectF& rect)
{
    return DrawImageRect(image, int(Round(rect.X)), int(Round(rect.Y)), int(Round(rect.Width)), int(Round(rect.Height)));
}

TStatus TGPGraphics::SetClip(const TGPRegion* region, CombineMode combineMode)
{
    return SetStatus(GdipSetClipRegion(nativeGraphics, region->NativeRegion(), combineMode));
}

TStatus TGPGraphics::SetClip(const TGPGraphicsPath* path, CombineMode combineMode)
{
    return SetStatus(GdipSetClipPath(nativeGraphics, path->NativePath(), combineMode));
}

TStatus TGPGraphics::ResetClip() { return SetStatus(GdipResetClip(nativeGraphics)); }

TStatus TGPGraphics::ExcludeClip(const TGPRectF& rect)
{
    return SetStatus(GdipSetClipRect(nativeGraphics, rect.X, rect.Y, rect.Width, rect.Height, CombineModeExclude));
}

TStatus TGPGraphics::ExcludeClip(const TGPRegion* region)
{
    return SetStatus(GdipSetClipRegion(nativeGraphics, region->NativeRegion(), CombineModeExclude));
}

} // namespace RurGDIP
