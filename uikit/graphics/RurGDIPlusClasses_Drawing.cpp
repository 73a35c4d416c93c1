// Graphics wrapper: stroking, filling, text and images.
#include "RurGDIPlusClasses.h"

#include <memory>
#include <new>

namespace RurGDIPlusClasses {

using enum GdipEntry;

// ---- Lines and outlines -----------------------------------------------------------------------------------

Status TGPGraphics::DrawLine(TGPPen* pen, float x1, float y1, float x2, float y2)
{
    return SetStatus(GdipCall(GdipDrawLine, nativeGraphics, TGPHandles::Of(pen), x1, y1, x2, y2));
}

Status TGPGraphics::DrawLine(TGPPen* pen, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    return SetStatus(GdipCall(GdipDrawLineI, nativeGraphics, TGPHandles::Of(pen), x1, y1, x2, y2));
}

Status TGPGraphics::DrawLine(TGPPen* pen, const TGPPointF& pt1, const TGPPointF& pt2) { return DrawLine(pen, pt1.X, pt1.Y, pt2.X, pt2.Y); }
Status TGPGraphics::DrawLine(TGPPen* pen, const TGPPoint& pt1, const TGPPoint& pt2) { return DrawLine(pen, pt1.X, pt1.Y, pt2.X, pt2.Y); }

Status TGPGraphics::DrawLines(TGPPen* pen, const TGPPointF* points, int32_t count)
{
    return SetStatus(GdipCall(GdipDrawLines, nativeGraphics, TGPHandles::Of(pen), points, count));
}

Status TGPGraphics::DrawLines(TGPPen* pen, const TGPPoint* points, int32_t count)
{
    return SetStatus(GdipCall(GdipDrawLinesI, nativeGraphics, TGPHandles::Of(pen), points, count));
}

Status TGPGraphics::DrawArc(TGPPen* pen, float x, float y, float width, float height, float startAngle, float sweepAngle)
{
    return SetStatus(GdipCall(GdipDrawArc, nativeGraphics, TGPHandles::Of(pen), x, y, width, height, startAngle, sweepAngle));
}

Status TGPGraphics::DrawArc(TGPPen* pen, int32_t x, int32_t y, int32_t width, int32_t height, float startAngle,
                            float sweepAngle)
{
    return SetStatus(GdipCall(GdipDrawArcI, nativeGraphics, TGPHandles::Of(pen), x, y, width, height, startAngle, sweepAngle));
}

Status TGPGraphics::DrawArc(TGPPen* pen, const TGPRectF& rect, float startAngle, float sweepAngle)
{
    return DrawArc(pen, rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}

Status TGPGraphics::DrawArc(TGPPen* pen, const TGPRect& rect, float startAngle, float sweepAngle)
{
    return DrawArc(pen, rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}

Status TGPGraphics::DrawBezier(TGPPen* pen, float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4)
{
    return SetStatus(GdipCall(GdipDrawBezier, nativeGraphics, TGPHandles::Of(pen), x1, y1, x2, y2, x3, y3, x4, y4));
}

Status TGPGraphics::DrawBezier(TGPPen* pen, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3,
                               int32_t x4, int32_t y4)
{
    return SetStatus(GdipCall(GdipDrawBezierI, nativeGraphics, TGPHandles::Of(pen), x1, y1, x2, y2, x3, y3, x4, y4));
}

Status TGPGraphics::DrawBezier(TGPPen* pen, const TGPPointF& pt1, const TGPPointF& pt2, const TGPPointF& pt3,
                               const TGPPointF& pt4)
{
    return DrawBezier(pen, pt1.X, pt1.Y, pt2.X, pt2.Y, pt3.X, pt3.Y, pt4.X, pt4.Y);
}

Status TGPGraphics::DrawBezier(TGPPen* pen, const TGPPoint& pt1, const TGPPoint& pt2, const TGPPoint& pt3,
                               const TGPPoint& pt4)
{
    return DrawBezier(pen, pt1.X, pt1.Y, pt2.X, pt2.Y, pt3.X, pt3.Y, pt4.X, pt4.Y);
}

Status TGPGraphics::DrawBeziers(TGPPen* pen, const TGPPointF* points, int32_t count)
{
    return SetStatus(GdipCall(GdipDrawBeziers, nativeGraphics, TGPHandles::Of(pen), points, count));
}

Status TGPGraphics::DrawBeziers(TGPPen* pen, const TGPPoint* points, int32_t count)
{
    return SetStatus(GdipCall(GdipDrawBeziersI, nativeGraphics, TGPHandles::Of(pen), points, count));
}

Status TGPGraphics::DrawRectangle(TGPPen* pen, const TGPRectF& rect) { return DrawRectangle(pen, rect.X, rect.Y, rect.Width, rect.Height); }
Status TGPGraphics::DrawRectangle(TGPPen* pen, const TGPRect& rect) { return DrawRectangle(pen, rect.X, rect.Y, rect.Width, rect.Height); }

Status TGPGraphics::DrawRectangle(TGPPen* pen, float x, float y, float width, float height)
{
    return SetStatus(GdipCall(GdipDrawRectangle, nativeGraphics, TGPHandles::Of(pen), x, y, width, height));
}

Status TGPGraphics::DrawRectangle(TGPPen* pen, int32_t x, int32_t y, int32_t width, int32_t height)
{
    return SetStatus(GdipCall(GdipDrawRectangleI, nativeGraphics, TGPHandles::Of(pen), x, y, width, height));
}

Status TGPGraphics::DrawRectangles(TGPPen* pen, const TGPRectF* rects, int32_t count)
{
    return SetStatus(GdipCall(GdipDrawRectangles, nativeGraphics, TGPHandles::Of(pen), rects, count));
}

Status TGPGraphics::DrawRectangles(TGPPen* pen, const TGPRect* rects, int32_t count)
{
    return SetStatus(GdipCall(GdipDrawRectanglesI, nativeGraphics, TGPHandles::Of(pen), rects, count));
}

Status TGPGraphics::DrawEllipse(TGPPen* pen, const TGPRectF& rect) { return DrawEllipse(pen, rect.X, rect.Y, rect.Width, rect.Height); }
Status TGPGraphics::DrawEllipse(TGPPen* pen, const TGPRect& rect) { return DrawEllipse(pen, rect.X, rect.Y, rect.Width, rect.Height); }

Status TGPGraphics::DrawEllipse(TGPPen* pen, float x, float y, float width, float height)
{
    return SetStatus(GdipCall(GdipDrawEllipse, nativeGraphics, TGPHandles::Of(pen), x, y, width, height));
}

Status TGPGraphics::DrawEllipse(TGPPen* pen, int32_t x, int32_t y, int32_t width, int32_t height)
{
    return SetStatus(GdipCall(GdipDrawEllipseI, nativeGraphics, TGPHandles::Of(pen), x, y, width, height));
}

Status TGPGraphics::DrawPie(TGPPen* pen, const TGPRectF& rect, float startAngle, float sweepAngle)
{
    return DrawPie(pen, rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}

Status TGPGraphics::DrawPie(TGPPen* pen, const TGPRect& rect, float startAngle, float sweepAngle)
{
    return DrawPie(pen, rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}

Status TGPGraphics::DrawPie(TGPPen* pen, float x, float y, float width, float height, float startAngle, float sweepAngle)
{
    return SetStatus(GdipCall(GdipDrawPie, nativeGraphics, TGPHandles::Of(pen), x, y, width, height, startAngle, sweepAngle));
}

Status TGPGraphics::DrawPie(TGPPen* pen, int32_t x, int32_t y, int32_t width, int32_t height, float startAngle,
                            float sweepAngle)
{
    return SetStatus(GdipCall(GdipDrawPieI, nativeGraphics, TGPHandles::Of(pen), x, y, width, height, startAngle, sweepAngle));
}

Status TGPGraphics::DrawPolygon(TGPPen* pen, const TGPPointF* points, int32_t count)
{
    return SetStatus(GdipCall(GdipDrawPolygon, nativeGraphics, TGPHandles::Of(pen), points, count));
}

Status TGPGraphics::DrawPolygon(TGPPen* pen, const TGPPoint* points, int32_t count)
{
    return SetStatus(GdipCall(GdipDrawPolygonI, nativeGraphics, TGPHandles::Of(pen), points, count));
}

Status TGPGraphics::DrawPath(TGPPen* pen, TGPGraphicsPath* path)
{
    return SetStatus(GdipCall(GdipDrawPath, nativeGraphics, TGPHandles::Of(pen), TGPHandles::Of(path)));
}

Status TGPGraphics::DrawCurve(TGPPen* pen, const TGPPointF* points, int32_t count)
{
    return SetStatus(GdipCall(GdipDrawCurve, nativeGraphics, TGPHandles::Of(pen), points, count));
}

Status TGPGraphics::DrawCurve(TGPPen* pen, const TGPPoint* points, int32_t count)
{
    return SetStatus(GdipCall(GdipDrawCurveI, nativeGraphics, TGPHandles::Of(pen), points, count));
}

Status TGPGraphics::DrawCurve(TGPPen* pen, const TGPPointF* points, int32_t count, float tension)
{
    return SetStatus(GdipCall(GdipDrawCurve2, nativeGraphics, TGPHandles::Of(pen), points, count, tension));
}

Status TGPGraphics::DrawCurve(TGPPen* pen, const TGPPoint* points, int32_t count, float tension)
{
    return SetStatus(GdipCall(GdipDrawCurve2I, nativeGraphics, TGPHandles::Of(pen), points, count, tension));
}

Status TGPGraphics::DrawCurve(TGPPen* pen, const TGPPointF* points, int32_t count, int32_t offset,
                              int32_t numberOfSegments, float tension)
{
    return SetStatus(
        GdipCall(GdipDrawCurve3, nativeGraphics, TGPHandles::Of(pen), points, count, offset, numberOfSegments, tension));
}

Status TGPGraphics::DrawCurve(TGPPen* pen, const TGPPoint* points, int32_t count, int32_t offset,
                              int32_t numberOfSegments, float tension)
{
    return SetStatus(
        GdipCall(GdipDrawCurve3I, nativeGraphics, TGPHandles::Of(pen), points, count, offset, numberOfSegments, tension));
}

Status TGPGraphics::DrawClosedCurve(TGPPen* pen, const TGPPointF* points, int32_t count)
{
    return SetStatus(GdipCall(GdipDrawClosedCurve, nativeGraphics, TGPHandles::Of(pen), points, count));
}

Status TGPGraphics::DrawClosedCurve(TGPPen* pen, const TGPPoint* points, int32_t count)
{
    return SetStatus(GdipCall(GdipDrawClosedCurveI, nativeGraphics, TGPHandles::Of(pen), points, count));
}

Status TGPGraphics::DrawClosedCurve(TGPPen* pen, const TGPPointF* points, int32_t count, float tension)
{
    return SetStatus(GdipCall(GdipDrawClosedCurve2, nativeGraphics, TGPHandles::Of(pen), points, count, tension));
}

Status TGPGraphics::DrawClosedCurve(TGPPen* pen, const TGPPoint* points, int32_t count, float tension)
{
    return SetStatus(GdipCall(GdipDrawClosedCurve2I, nativeGraphics, TGPHandles::Of(pen), points, count, tension));
}

// ---- Fills --------------------------------------------------------------------------------------------------

Status TGPGraphics::Clear(ARGB color) { return SetStatus(GdipCall(GdipGraphicsClear, nativeGraphics, color)); }

Status TGPGraphics::FillRectangle(TGPBrush* brush, const TGPRectF& rect) { return FillRectangle(brush, rect.X, rect.Y, rect.Width, rect.Height); }
Status TGPGraphics::FillRectangle(TGPBrush* brush, const TGPRect& rect) { return FillRectangle(brush, rect.X, rect.Y, rect.Width, rect.Height); }

Status TGPGraphics::FillRectangle(TGPBrush* brush, float x, float y, float width, float height)
{
    return SetStatus(GdipCall(GdipFillRectangle, nativeGraphics, TGPHandles::Of(brush), x, y, width, height));
}

Status TGPGraphics::FillRectangle(TGPBrush* brush, int32_t x, int32_t y, int32_t width, int32_t height)
{
    return SetStatus(GdipCall(GdipFillRectangleI, nativeGraphics, TGPHandles::Of(brush), x, y, width, height));
}

Status TGPGraphics::FillRectangles(TGPBrush* brush, const TGPRectF* rects, int32_t count)
{
    return SetStatus(GdipCall(GdipFillRectangles, nativeGraphics, TGPHandles::Of(brush), rects, count));
}

Status TGPGraphics::FillRectangles(TGPBrush* brush, const TGPRect* rects, int32_t count)
{
    return SetStatus(GdipCall(GdipFillRectanglesI, nativeGraphics, TGPHandles::Of(brush), rects, count));
}

Status TGPGraphics::FillPolygon(TGPBrush* brush, const TGPPointF* points, int32_t count, FillMode fillMode)
{
    return SetStatus(GdipCall(GdipFillPolygon, nativeGraphics, TGPHandles::Of(brush), points, count, fillMode));
}

Status TGPGraphics::FillPolygon(TGPBrush* brush, const TGPPoint* points, int32_t count, FillMode fillMode)
{
    return SetStatus(GdipCall(GdipFillPolygonI, nativeGraphics, TGPHandles::Of(brush), points, count, fillMode));
}

Status TGPGraphics::FillEllipse(TGPBrush* brush, const TGPRectF& rect) { return FillEllipse(brush, rect.X, rect.Y, rect.Width, rect.Height); }
Status TGPGraphics::FillEllipse(TGPBrush* brush, const TGPRect& rect) { return FillEllipse(brush, rect.X, rect.Y, rect.Width, rect.Height); }

Status TGPGraphics::FillEllipse(TGPBrush* brush, float x, float y, float width, float height)
{
    return SetStatus(GdipCall(GdipFillEllipse, nativeGraphics, TGPHandles::Of(brush), x, y, width, height));
}

Status TGPGraphics::FillEllipse(TGPBrush* brush, int32_t x, int32_t y, int32_t width, int32_t height)
{
    return SetStatus(GdipCall(GdipFillEllipseI, nativeGraphics, TGPHandles::Of(brush), x, y, width, height));
}

Status TGPGraphics::FillPie(TGPBrush* brush, const TGPRectF& rect, float startAngle, float sweepAngle)
{
    return FillPie(brush, rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}

Status TGPGraphics::FillPie(TGPBrush* brush, const TGPRect& rect, float startAngle, float sweepAngle)
{
    return FillPie(brush, rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}

Status TGPGraphics::FillPie(TGPBrush* brush, float x, float y, float width, float height, float startAngle,
                            float sweepAngle)
{
    return SetStatus(
        GdipCall(GdipFillPie, nativeGraphics, TGPHandles::Of(brush), x, y, width, height, startAngle, sweepAngle));
}

Status TGPGraphics::FillPie(TGPBrush* brush, int32_t x, int32_t y, int32_t width, int32_t height, float startAngle,
                            float sweepAngle)
{
    return SetStatus(
        GdipCall(GdipFillPieI, nativeGraphics, TGPHandles::Of(brush), x, y, width, height, startAngle, sweepAngle));
}

Status TGPGraphics::FillPath(TGPBrush* brush, TGPGraphicsPath* path)
{
    return SetStatus(GdipCall(GdipFillPath, nativeGraphics, TGPHandles::Of(brush), TGPHandles::Of(path)));
}

Status TGPGraphics::FillClosedCurve(TGPBrush* brush, const TGPPointF* points, int32_t count)
{
    return SetStatus(GdipCall(GdipFillClosedCurve, nativeGraphics, TGPHandles::Of(brush), points, count));
}

Status TGPGraphics::FillClosedCurve(TGPBrush* brush, const TGPPoint* points, int32_t count)
{
    return SetStatus(GdipCall(GdipFillClosedCurveI, nativeGraphics, TGPHandles::Of(brush), points, count));
}

Status TGPGraphics::FillClosedCurve(TGPBrush* brush, const TGPPointF* points, int32_t count, FillMode fillMode,
                                    float tension)
{
    return SetStatus(
        GdipCall(GdipFillClosedCurve2, nativeGraphics, TGPHandles::Of(brush), points, count, tension, fillMode));
}

Status TGPGraphics::FillClosedCurve(TGPBrush* brush, const TGPPoint* points, int32_t count, FillMode fillMode,
                                    float tension)
{
    return SetStatus(
        GdipCall(GdipFillClosedCurve2I, nativeGraphics, TGPHandles::Of(brush), points, count, tension, fillMode));
}

Status TGPGraphics::FillRegion(TGPBrush* brush, TGPRegion* region)
{
    return SetStatus(GdipCall(GdipFillRegion, nativeGraphics, TGPHandles::Of(brush), TGPHandles::Of(region)));
}

// ---- Text ---------------------------------------------------------------------------------------------------

Status TGPGraphics::DrawString(const String& text, TGPFont* font, const TGPRectF& layoutRect,
                               TGPStringFormat* stringFormat, TGPBrush* brush)
{
    return DrawString(text, int32_t(text.size()), font, layoutRect, stringFormat, brush);
}

Status TGPGraphics::DrawString(const String& text, int32_t length, TGPFont* font, const TGPRectF& layoutRect,
                               TGPStringFormat* stringFormat, TGPBrush* brush)
{
    return SetStatus(GdipCall(GdipDrawString, nativeGraphics, text.c_str(), length, TGPHandles::Of(font), &layoutRect,
                              TGPHandles::Of(stringFormat), TGPHandles::Of(brush)));
}

Status TGPGraphics::DrawString(const String& text, int32_t length, TGPFont* font, const TGPPointF& origin,
                               TGPBrush* brush)
{
    return DrawString(text, length, font, MakeRectF(origin.X, origin.Y, 0, 0), nullptr, brush);
}

Status TGPGraphics::DrawString(const String& text, int32_t length, TGPFont* font, const TGPPointF& origin,
                               TGPStringFormat* stringFormat, TGPBrush* brush)
{
    return DrawString(text, length, font, MakeRectF(origin.X, origin.Y, 0, 0), stringFormat, brush);
}

Status TGPGraphics::MeasureString(const String& text, int32_t length, TGPFont* font, const TGPRectF& layoutRect,
                                  TGPStringFormat* stringFormat, TGPRectF& boundingBox, int32_t* codepointsFitted,
                                  int32_t* linesFilled)
{
    return SetStatus(GdipCall(GdipMeasureString, nativeGraphics, text.c_str(), length, TGPHandles::Of(font),
                              &layoutRect, TGPHandles::Of(stringFormat), &boundingBox, codepointsFitted, linesFilled));
}

Status TGPGraphics::MeasureString(const String& text, int32_t length, TGPFont* font, const TGPSizeF& layoutRectSize,
                                  TGPStringFormat* stringFormat, TGPSizeF& size, int32_t* codepointsFitted,
                                  int32_t* linesFilled)
{
    TGPRectF boundingBox{};
    Status status = MeasureString(text, length, font, MakeRectF(0, 0, layoutRectSize.Width, layoutRectSize.Height),
                                  stringFormat, boundingBox, codepointsFitted, linesFilled);
    if (status == Ok)
        size = MakeSizeF(boundingBox.Width, boundingBox.Height);
    return status;
}

Status TGPGraphics::MeasureString(const String& text, int32_t length, TGPFont* font, const TGPPointF& origin,
                                  TGPStringFormat* stringFormat, TGPRectF& boundingBox)
{
    return MeasureString(text, length, font, MakeRectF(origin.X, origin.Y, 0, 0), stringFormat, boundingBox);
}

Status TGPGraphics::MeasureString(const String& text, int32_t length, TGPFont* font, const TGPRectF& layoutRect,
                                  TGPRectF& boundingBox)
{
    return MeasureString(text, length, font, layoutRect, nullptr, boundingBox);
}

Status TGPGraphics::MeasureString(const String& text, int32_t length, TGPFont* font, const TGPPointF& origin,
                                  TGPRectF& boundingBox)
{
    return MeasureString(text, length, font, MakeRectF(origin.X, origin.Y, 0, 0), nullptr, boundingBox);
}

Status TGPGraphics::MeasureCharacterRanges(const String& text, int32_t length, TGPFont* font,
                                           const TGPRectF& layoutRect, TGPStringFormat* stringFormat,
                                           int32_t regionCount, const std::vector<TGPRegion*>& regions)
{
    // More regions claimed than given would have the platform fill handles past the caller's list.
    if (regionCount <= 0 || size_t(regionCount) > regions.size())
        return InvalidParameter;
    std::unique_ptr<void*[]> handles(new (std::nothrow) void*[regionCount]);
    if (!handles)
        return SetStatus(OutOfMemory);
    for (int32_t i = 0; i < regionCount; ++i)
        handles[i] = TGPHandles::Of(regions[size_t(i)]);
    return SetStatus(GdipCall(GdipMeasureCharacterRanges, nativeGraphics, text.c_str(), length, TGPHandles::Of(font),
                              &layoutRect, TGPHandles::Of(stringFormat), regionCount, handles.get()));
}

Status TGPGraphics::DrawDriverString(const uint16_t* text, int32_t length, TGPFont* font, TGPBrush* brush,
                                     const TGPPointF* positions, int32_t flags, TGPMatrix* matrix)
{
    return SetStatus(GdipCall(GdipDrawDriverString, nativeGraphics, text, length, TGPHandles::Of(font),
                              TGPHandles::Of(brush), positions, flags, TGPHandles::Of(matrix)));
}

Status TGPGraphics::MeasureDriverString(const uint16_t* text, int32_t length, TGPFont* font,
                                        const TGPPointF* positions, int32_t flags, TGPMatrix* matrix,
                                        TGPRectF& boundingBox)
{
    return SetStatus(GdipCall(GdipMeasureDriverString, nativeGraphics, text, length, TGPHandles::Of(font), positions,
                              flags, TGPHandles::Of(matrix), &boundingBox));
}

// ---- Images -------------------------------------------------------------------------------------------------

Status TGPGraphics::DrawCachedBitmap(TGPCachedBitmap* cb, int32_t x, int32_t y)
{
    return SetStatus(GdipCall(GdipDrawCachedBitmap, nativeGraphics, TGPHandles::Of(cb), x, y));
}

Status TGPGraphics::DrawImage(TGPImage* image, const TGPPointF& point) { return DrawImage(image, point.X, point.Y); }
Status TGPGraphics::DrawImage(TGPImage* image, const TGPPoint& point) { return DrawImage(image, point.X, point.Y); }

Status TGPGraphics::DrawImage(TGPImage* image, float x, float y)
{
    return SetStatus(GdipCall(GdipDrawImage, nativeGraphics, TGPHandles::Of(image), x, y));
}

Status TGPGraphics::DrawImage(TGPImage* image, int32_t x, int32_t y)
{
    return SetStatus(GdipCall(GdipDrawImageI, nativeGraphics, TGPHandles::Of(image), x, y));
}

Status TGPGraphics::DrawImage(TGPImage* image, const TGPRectF& rect) { return DrawImage(image, rect.X, rect.Y, rect.Width, rect.Height); }
Status TGPGraphics::DrawImage(TGPImage* image, const TGPRect& rect) { return DrawImage(image, rect.X, rect.Y, rect.Width, rect.Height); }

Status TGPGraphics::DrawImage(TGPImage* image, float x, float y, float width, float height)
{
    return SetStatus(GdipCall(GdipDrawImageRect, nativeGraphics, TGPHandles::Of(image), x, y, width, height));
}

Status TGPGraphics::DrawImage(TGPImage* image, int32_t x, int32_t y, int32_t width, int32_t height)
{
    return SetStatus(GdipCall(GdipDrawImageRectI, nativeGraphics, TGPHandles::Of(image), x, y, width, height));
}

Status TGPGraphics::DrawImage(TGPImage* image, const TGPPointF* destPoints, int32_t count)
{
    if ((count != 3 && count != 4) || !destPoints)
        return SetStatus(InvalidParameter);
    return SetStatus(GdipCall(GdipDrawImagePoints, nativeGraphics, TGPHandles::Of(image), destPoints, count));
}

Status TGPGraphics::DrawImage(TGPImage* image, const TGPPoint* destPoints, int32_t count)
{
    if ((count != 3 && count != 4) || !destPoints)
        return SetStatus(InvalidParameter);
    return SetStatus(GdipCall(GdipDrawImagePointsI, nativeGraphics, TGPHandles::Of(image), destPoints, count));
}

Status TGPGraphics::DrawImage(TGPImage* image, float x, float y, float srcx, float srcy, float srcwidth,
                              float srcheight, Unit_ srcUnit)
{
    return SetStatus(GdipCall(GdipDrawImagePointRect, nativeGraphics, TGPHandles::Of(image), x, y, srcx, srcy,
                              srcwidth, srcheight, srcUnit));
}

Status TGPGraphics::DrawImage(TGPImage* image, int32_t x, int32_t y, int32_t srcx, int32_t srcy, int32_t srcwidth,
                              int32_t srcheight, Unit_ srcUnit)
{
    return SetStatus(GdipCall(GdipDrawImagePointRectI, nativeGraphics, TGPHandles::Of(image), x, y, srcx, srcy,
                              srcwidth, srcheight, srcUnit));
}

Status TGPGraphics::DrawImage(TGPImage* image, const TGPRectF& destRect, float srcx, float srcy, float srcwidth,
                              float srcheight, Unit_ srcUnit, TGPImageAttributes* imageAttributes,
                              ImageAbort callback, void* callbackData)
{
    return SetStatus(GdipCall(GdipDrawImageRectRect, nativeGraphics, TGPHandles::Of(image), destRect.X, destRect.Y,
                              destRect.Width, destRect.Height, srcx, srcy, srcwidth, srcheight, srcUnit,
                              TGPHandles::Of(imageAttributes), callback, callbackData));
}

Status TGPGraphics::DrawImage(TGPImage* image, const TGPRect& destRect, int32_t srcx, int32_t srcy, int32_t srcwidth,
                              int32_t srcheight, Unit_ srcUnit, TGPImageAttributes* imageAttributes,
                              ImageAbort callback, void* callbackData)
{
    return SetStatus(GdipCall(GdipDrawImageRectRectI, nativeGraphics, TGPHandles::Of(image), destRect.X, destRect.Y,
                              destRect.Width, destRect.Height, srcx, srcy, srcwidth, srcheight, srcUnit,
                              TGPHandles::Of(imageAttributes), callback, callbackData));
}

Status TGPGraphics::DrawImage(TGPImage* image, const TGPPointF* destPoints, int32_t count, float srcx, float srcy,
                              float srcwidth, float srcheight, Unit_ srcUnit, TGPImageAttributes* imageAttributes,
                              ImageAbort callback, void* callbackData)
{
    return SetStatus(GdipCall(GdipDrawImagePointsRect, nativeGraphics, TGPHandles::Of(image), destPoints, count, srcx,
                              srcy, srcwidth, srcheight, srcUnit, TGPHandles::Of(imageAttributes), callback,
                              callbackData));
}

Status TGPGraphics::DrawImage(TGPImage* image, const TGPPoint* destPoints, int32_t count, int32_t srcx, int32_t srcy,
                              int32_t srcwidth, int32_t srcheight, Unit_ srcUnit, TGPImageAttributes* imageAttributes,
                              ImageAbort callback, void* callbackData)
{
    return SetStatus(GdipCall(GdipDrawImagePointsRectI, nativeGraphics, TGPHandles::Of(image), destPoints, count, srcx,
                              srcy, srcwidth, srcheight, srcUnit, TGPHandles::Of(imageAttributes), callback,
                              callbackData));
}

} // namespace RurGDIPlusClasses
