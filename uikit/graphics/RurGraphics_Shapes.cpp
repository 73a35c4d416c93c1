// The drawing object's shapes: each fills first (a texture fill paints the picture over the shape's
// bounding rectangle, not clipped to the shape), then outlines; focus marks; hit tests.
#include <cmath>

#include "Math.h"
#include "RurGraphics.h"

namespace {

const TRurGraphicsSides AllSides{gsLeft, gsTop, gsRight, gsBottom};

} // namespace

bool TRurGraphics::FillPaints() const { return FFill->Color() != gcNoColor && FFill->Kind() != gfkNone; }
bool TRurGraphics::StrokePaints() const { return FStroke->Color() != gcNoColor && FStroke->Kind() != gskNone; }

void TRurGraphics::DrawLine(TPointF AFromPoint, TPointF AToPoint, TRurGraphicsModifyPointMode AModifyPointModeFrom,
                            TRurGraphicsModifyPointMode AModifyPointModeTo)
{
    if (StrokePaints())
        Context()->DrawLine(*FStroke, AFromPoint, AToPoint, AModifyPointModeFrom, AModifyPointModeTo);
}

void TRurGraphics::DrawLine(TPoint AFromPoint, TPoint AToPoint, TRurGraphicsModifyPointMode AModifyPointModeFrom,
                            TRurGraphicsModifyPointMode AModifyPointModeTo)
{
    DrawLine(PointToPointF(AFromPoint), PointToPointF(AToPoint), AModifyPointModeFrom, AModifyPointModeTo);
}

void TRurGraphics::DrawPolyline(const TRurGraphicsPathPolygon& APolyline)
{
    if (FillPaints())
        Context()->FillPolyline(*FFill, APolyline);
    if (StrokePaints())
        Context()->DrawPolyline(*FStroke, APolyline);
}

void TRurGraphics::DrawPolygon(const TRurGraphicsPathPolygon& APolygon)
{
    if (FFill->Kind() == gfkTexture) {
        TRurGraphicsPath bounds;
        bounds.AddPolygon(APolygon);
        DrawTexture(bounds.GetBounds());
    } else if (FillPaints()) {
        Context()->FillPolygon(*FFill, APolygon);
    }
    if (StrokePaints())
        Context()->DrawPolygon(*FStroke, APolygon);
}

void TRurGraphics::DrawPath(const TRurGraphicsPath& APath, TRurGraphicsPathDrawMode APathMode)
{
    if (FFill->Kind() == gfkTexture)
        DrawTexture(APath.GetBounds());
    else if (FillPaints())
        Context()->FillPath(*FFill, APath, APathMode);
    if (StrokePaints())
        Context()->DrawPath(*FStroke, APath, APathMode);
}

void TRurGraphics::DrawArc(TPointF Center, TPointF Radius, float StartAngle, float SweepAngle)
{
    if (FillPaints()) {
        if (FFill->Kind() == gfkTexture) {
            TRurGraphicsPath arc;
            arc.AddArc(Center, Radius, StartAngle, SweepAngle);
            DrawTexture(arc.GetBounds());
        } else {
            Context()->FillArc(*FFill, Center, Radius, StartAngle, SweepAngle);
        }
    }
    if (StrokePaints())
        Context()->DrawArc(*FStroke, Center, Radius, StartAngle, SweepAngle);
}

void TRurGraphics::DrawArc(TPoint Center, TPoint Radius, int StartAngle, int SweepAngle)
{
    DrawArc(PointToPointF(Center), PointToPointF(Radius), static_cast<float>(StartAngle),
            static_cast<float>(SweepAngle));
}

void TRurGraphics::DrawRectangle(TRectF ARect, TRurGraphicsSides ASides, TRurGraphicsModifyRectMode AModifyRectMode)
{
    if (FFill->Kind() == gfkTexture)
        DrawTexture(ARect);
    else if (FillPaints())
        Context()->FillRect(*FFill, ARect, AModifyRectMode);
    if (StrokePaints())
        Context()->DrawRect(*FStroke, ARect, ASides, AModifyRectMode);
}

void TRurGraphics::DrawRectangle(TRectF ARect, TRurGraphicsModifyRectMode AModifyRectMode)
{
    DrawRectangle(ARect, AllSides, AModifyRectMode);
}

void TRurGraphics::DrawRectangle(const TRect& ARect, TRurGraphicsModifyRectMode AModifyRectMode)
{
    DrawRectangle(RectToRectF(ARect), AllSides, AModifyRectMode);
}

void TRurGraphics::DrawRectangle(const TRect& ARect, TRurGraphicsSides ASides,
                                 TRurGraphicsModifyRectMode AModifyRectMode)
{
    DrawRectangle(RectToRectF(ARect), ASides, AModifyRectMode);
}

void TRurGraphics::DrawRectangle(double ALeft, double ATop, double ARight, double ABottom,
                                 TRurGraphicsModifyRectMode AModifyRectMode)
{
    DrawRectangle(RectOf(ALeft, ATop, ARight, ABottom), AllSides, AModifyRectMode);
}

void TRurGraphics::DrawRoundRectangle(TRectF ARect, float ARounding, TRurGraphicsCorners ACorners,
                                      TRurGraphicsModifyRectMode AModifyRectMode)
{
    if (FFill->Kind() == gfkTexture)
        DrawTexture(ARect);
    else if (FillPaints())
        Context()->FillRoundRect(*FFill, ARect, ARounding, ACorners, AModifyRectMode);
    if (StrokePaints())
        Context()->DrawRoundRect(*FStroke, ARect, ARounding, ACorners, AModifyRectMode);
}

void TRurGraphics::DrawRoundRectangle(const TRect& ARect, int ARounding, TRurGraphicsCorners ACorners,
                                      TRurGraphicsModifyRectMode)
{
    DrawRoundRectangle(RectToRectF(ARect), static_cast<float>(ARounding), ACorners, gcrmShrinkAll);
}

void TRurGraphics::DrawEllipse(TRectF ARect, TRurGraphicsModifyRectMode AModifyRectMode)
{
    if (FFill->Kind() == gfkTexture)
        DrawTexture(ARect);
    else if (FillPaints())
        Context()->FillEllipse(*FFill, ARect, AModifyRectMode);
    if (StrokePaints())
        Context()->DrawEllipse(*FStroke, ARect, AModifyRectMode);
}

void TRurGraphics::DrawEllipse(const TRect& ARect, TRurGraphicsModifyRectMode AModifyRectMode)
{
    DrawEllipse(RectToRectF(ARect), AModifyRectMode);
}

void TRurGraphics::DrawEllipse(double ALeft, double ATop, double ARight, double ABottom,
                               TRurGraphicsModifyRectMode AModifyRectMode)
{
    DrawEllipse(RectOf(ALeft, ATop, ARight, ABottom), AModifyRectMode);
}

void TRurGraphics::DrawFocusRectangle(TRectF ARect, TColor AColor, TRurGraphicsModifyRectMode AModifyRectMode)
{
    Context()->DrawFocusRectangle(*FStroke, ARect, AColor, AModifyRectMode);
}

void TRurGraphics::DrawFocusRectangle(const TRect& ARect, TColor AColor, TRurGraphicsModifyRectMode AModifyRectMode)
{
    DrawFocusRectangle(RectToRectF(ARect), AColor, AModifyRectMode);
}

void TRurGraphics::DrawFocusPath(const TRurGraphicsPath& APath, TColor AColor)
{
    Context()->DrawFocusPath(*FStroke, APath, AColor);
}

void TRurGraphics::DrawTexture(TRectF ARect)
{
    TRurBitmap* texture = FFill->Texture();
    if (IsBitmapEmpty(texture))
        return;
    const float w = static_cast<float>(texture->Width());
    const float h = static_cast<float>(texture->Height());
    // A picture without extent (a document with a flat view box) has nothing to place or tile.
    if (w <= 0 || h <= 0)
        return;
    const TRectF picture{0, 0, w, h};
    switch (FFill->TextureMode()) {
    case gtmOriginal: {
        const TRectF dest = IntersectRectF(ARect, {ARect.Left, ARect.Top, ARect.Left + w, ARect.Top + h});
        DrawBitmapPart({0, 0, RectFWidth(dest), RectFHeight(dest)}, dest, texture);
        break;
    }
    case gtmFit:
        DrawBitmapPart(picture, SnapRectF(FitRectF(picture, ARect), false, 1), texture, false, true);
        break;
    case gtmStretch:
        DrawBitmapPart(picture, ARect, texture, false, true);
        break;
    case gtmCenter:
        DrawBitmapPart(picture, SnapRectF(CenterRectF(picture, ARect), false, 1), texture, true, false, true);
        break;
    case gtmTile: {
        const int columns = static_cast<int>(std::trunc(RectFWidth(ARect) / w)) + 1;
        const int rows = static_cast<int>(std::trunc(RectFHeight(ARect) / h)) + 1;
        for (int i = 0; i <= columns; ++i)
            for (int j = 0; j <= rows; ++j) {
                const TRectF cell{ARect.Left + i * w, ARect.Top + j * h, ARect.Left + (i + 1) * w,
                                  ARect.Top + (j + 1) * h};
                const TRectF visible = IntersectRectF(cell, ARect);
                if (!IsRectFEmpty(visible))
                    DrawBitmap(TRectF{cell.Left, cell.Top, cell.Left + RectFWidth(visible), cell.Top + RectFHeight(visible)},
                               texture);
            }
        break;
    }
    }
}

bool TRurGraphics::PointInCircle(TPointF APoint, TPointF ACenter, float ARadius)
{
    if (ARadius <= 0)
        return false;
    const float dx = (APoint.X - ACenter.X) / ARadius;
    const float dy = (APoint.Y - ACenter.Y) / ARadius;
    return dx * dx + dy * dy <= 1;
}

bool TRurGraphics::PointInPath(TPointF APoint, const TRurGraphicsPath& APath) { return APath.IsPointVisible(APoint); }
bool TRurGraphics::PointInPath(TPoint APoint, const TRurGraphicsPath& APath)
{
    return PointInPath(PointToPointF(APoint), APath);
}
bool TRurGraphics::PointInPolygon(TPointF APoint, const TRurGraphicsPathPolygon& APolygon)
{
    return IsPointInPolygon(APoint, APolygon);
}
bool TRurGraphics::PointInPolygon(TPoint APoint, const TRurGraphicsPathPolygon& APolygon)
{
    return PointInPolygon(PointToPointF(APoint), APolygon);
}
bool TRurGraphics::PointInRect(TPointF APoint, TRectF ARect) { return PtInRectF(APoint, ARect); }
bool TRurGraphics::PointInRect(TPoint APoint, const TRect& ARect)
{
    return PointInRect(PointToPointF(APoint), RectToRectF(ARect));
}
