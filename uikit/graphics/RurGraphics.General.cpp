#include "RurGraphics.General.h"

#include <cmath>
#include <vector>

#include "Math.h"

namespace {

constexpr float PathFlatness = 0.25f;
constexpr double DegToRad = 3.14159265358979323846 / 180;

int R(float value) { return static_cast<int>(Round(value)); }

TRect Pixels(TRectF rect, TRurGraphicsModifyRectMode mode) { return RectFToRect(ApplyModifyRectMode(rect, mode)); }

std::vector<TPoint> Pixels(const TRurGraphicsPathPolygon& points)
{
    std::vector<TPoint> result;
    result.reserve(points.size());
    for (TPointF p : points)
        result.push_back({R(p.X), R(p.Y)});
    return result;
}

// The point at angle degrees on the ellipse, clockwise on the screen.
TPoint ArcPoint(TPointF center, TPointF radius, float angle)
{
    return {R(center.X + radius.X * static_cast<float>(std::cos(-angle * DegToRad))),
            R(center.Y - radius.Y * static_cast<float>(std::sin(-angle * DegToRad)))};
}

TPenStyle PenStyleOf(TRurGraphicsStrokeKind kind)
{
    static constexpr TPenStyle styles[] = {psClear, psSolid, psDash, psDot, psDashDot, psDashDotDot};
    return styles[kind];
}

Byte CornerBits(TRurGraphicsCorners corners)
{
    return static_cast<Byte>((corners.Contains(gcTopLeft) ? RoundedTopLeft : 0) |
                             (corners.Contains(gcTopRight) ? RoundedTopRight : 0) |
                             (corners.Contains(gcBottomLeft) ? RoundedBottomLeft : 0) |
                             (corners.Contains(gcBottomRight) ? RoundedBottomRight : 0));
}

bool HasMirror(const TRurGraphicsFill& fill)
{
    return fill.ColorMirror() != gcNoColor && fill.ColorMirrorTo() != gcNoColor;
}

bool HasGradientColors(const TRurGraphicsFill& fill)
{
    return fill.Kind() == gfkGradient && fill.Color() != gcNoColor && fill.ColorTo() != gcNoColor;
}

// Keeps the brush (or the pen's style) while an outline (or a fill) is drawn, and puts it back.
class TKeepBrush {
public:
    explicit TKeepBrush(TCanvas& canvas)
        : FCanvas(canvas), FColor(canvas.Brush()->Color()), FStyle(canvas.Brush()->Style())
    {
        canvas.Brush()->SetStyle(bsClear);
    }
    ~TKeepBrush()
    {
        FCanvas.Brush()->SetColor(FColor);
        FCanvas.Brush()->SetStyle(FStyle);
    }
    TKeepBrush(const TKeepBrush&) = delete;
    TKeepBrush& operator=(const TKeepBrush&) = delete;

private:
    TCanvas& FCanvas;
    TColor FColor;
    TBrushStyle FStyle;
};

class TKeepPen {
public:
    explicit TKeepPen(TCanvas& canvas) : FCanvas(canvas), FStyle(canvas.Pen()->Style()) { canvas.Pen()->SetStyle(psClear); }
    ~TKeepPen() { FCanvas.Pen()->SetStyle(FStyle); }
    TKeepPen(const TKeepPen&) = delete;
    TKeepPen& operator=(const TKeepPen&) = delete;

private:
    TCanvas& FCanvas;
    TPenStyle FStyle;
};

void DrawCornerArc(TCanvas& canvas, TPoint center, int radius, float start, float sweep)
{
    const float rf = static_cast<float>(radius);
    const TPointF c{static_cast<float>(center.X), static_cast<float>(center.Y)};
    const TPoint from = ArcPoint(c, {rf, rf}, start + sweep);
    const TPoint to = ArcPoint(c, {rf, rf}, start);
    canvas.Arc(center.X - radius, center.Y - radius, center.X + radius, center.Y + radius, from.X, from.Y, to.X, to.Y);
}

} // namespace

TColor TRurGraphicsContextGeneral::GetFillColor() { return Canvas()->Brush()->Color(); }

void TRurGraphicsContextGeneral::PathMoveTo(void*, TPointF APoint) { Canvas()->MoveTo(R(APoint.X), R(APoint.Y)); }
void TRurGraphicsContextGeneral::PathLineTo(void*, TPointF APoint) { Canvas()->LineTo(R(APoint.X), R(APoint.Y)); }
void TRurGraphicsContextGeneral::PathClose(void*) { CloseFigure(Canvas()->Handle()); }

void TRurGraphicsContextGeneral::SaveState(TRurGraphicsSaveState& AState)
{
    Canvas()->Refresh();
    AState.SetSaveDC(::SaveDC(Canvas()->Handle()));
}

void TRurGraphicsContextGeneral::RestoreState(TRurGraphicsSaveState& AState)
{
    ::RestoreDC(Canvas()->Handle(), AState.SaveDC());
    AState.SetSaveDC(0);
    Canvas()->Refresh();
}

void TRurGraphicsContextGeneral::StartSpecialPen()
{
    TPen* pen = Canvas()->Pen();
    if (FPrinting) {
        FOldPenStyle = pen->Style();
        FOldPenWidth = pen->Width();
        pen->SetStyle(psDot);
        pen->SetWidth(1);
        return;
    }
    LOGBRUSH brush{BS_SOLID, static_cast<COLORREF>(ColorToRGB(pen->Color())), 0};
    HPEN special = ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &brush, 0, nullptr);
    FOldPenHandle = static_cast<HPEN>(SelectObject(Canvas()->Handle(), special));
}

void TRurGraphicsContextGeneral::StopSpecialPen()
{
    if (FPrinting) {
        Canvas()->Pen()->SetStyle(FOldPenStyle);
        Canvas()->Pen()->SetWidth(FOldPenWidth);
        return;
    }
    if (!FOldPenHandle)
        return;
    DeleteObject(SelectObject(Canvas()->Handle(), FOldPenHandle));
    FOldPenHandle = nullptr;
}

void TRurGraphicsContextGeneral::SetFontSize(int ASize) { Canvas()->Font()->SetSize(ASize); }
void TRurGraphicsContextGeneral::SetFontColor(TColor AColor) { Canvas()->Font()->SetColor(AColor); }
void TRurGraphicsContextGeneral::SetFontName(const String& AName) { Canvas()->Font()->SetName(AName); }
void TRurGraphicsContextGeneral::SetFont(const TRurGraphicsFont& AFont) { Canvas()->Font()->Assign(&AFont); }
void TRurGraphicsContextGeneral::SetFontStyles(TFontStyles AStyle) { Canvas()->Font()->SetStyle(AStyle); }

void TRurGraphicsContextGeneral::SetFill(const TRurGraphicsFill& AFill)
{
    Canvas()->Brush()->SetColor(AFill.Color());
    SetFillKind(AFill.Kind());
}

void TRurGraphicsContextGeneral::SetFillKind(TRurGraphicsFillKind AKind)
{
    if (AKind == gfkNone)
        Canvas()->Brush()->SetStyle(bsClear);
    else if (AKind != gfkTexture)
        Canvas()->Brush()->SetStyle(bsSolid);
}

void TRurGraphicsContextGeneral::SetFillColor(TColor AColor) { Canvas()->Brush()->SetColor(AColor); }

void TRurGraphicsContextGeneral::SetStroke(const TRurGraphicsStroke& AStroke)
{
    SetStrokeColor(AStroke.Color());
    SetStrokeWidth(AStroke.Width());
    SetStrokeKind(AStroke.Kind());
}

void TRurGraphicsContextGeneral::SetStrokeKind(TRurGraphicsStrokeKind AKind) { Canvas()->Pen()->SetStyle(PenStyleOf(AKind)); }
void TRurGraphicsContextGeneral::SetStrokeColor(TColor AColor) { Canvas()->Pen()->SetColor(AColor); }
void TRurGraphicsContextGeneral::SetStrokeWidth(float AWidth) { Canvas()->Pen()->SetWidth(R(AWidth)); }

void TRurGraphicsContextGeneral::DrawLine(const TRurGraphicsStroke&, TPointF AFromPoint, TPointF AToPoint,
                                          TRurGraphicsModifyPointMode, TRurGraphicsModifyPointMode)
{
    Canvas()->MoveTo(R(AFromPoint.X), R(AFromPoint.Y));
    Canvas()->LineTo(R(AToPoint.X), R(AToPoint.Y));
}

void TRurGraphicsContextGeneral::DrawPolygon(const TRurGraphicsStroke&, const TRurGraphicsPathPolygon& APolygon)
{
    TKeepBrush brush(*Canvas());
    Canvas()->Polygon(Pixels(APolygon));
}

void TRurGraphicsContextGeneral::DrawPolyline(const TRurGraphicsStroke&, const TRurGraphicsPathPolygon& APolyline)
{
    TKeepBrush brush(*Canvas());
    Canvas()->Polyline(Pixels(APolyline));
}

void TRurGraphicsContextGeneral::FillPolygon(const TRurGraphicsFill&, const TRurGraphicsPathPolygon& APolygon)
{
    TKeepPen pen(*Canvas());
    Canvas()->Polygon(Pixels(APolygon));
}

void TRurGraphicsContextGeneral::FillPolyline(const TRurGraphicsFill& AFill, const TRurGraphicsPathPolygon& APolyline)
{
    FillPolygon(AFill, APolyline);
}

void TRurGraphicsContextGeneral::DrawArc(const TRurGraphicsStroke&, TPointF ACenter, TPointF ARadius, float AStartAngle,
                                         float ASweepAngle)
{
    TKeepBrush brush(*Canvas());
    const TPoint from = ArcPoint(ACenter, ARadius, AStartAngle + ASweepAngle);
    const TPoint to = ArcPoint(ACenter, ARadius, AStartAngle);
    Canvas()->Arc(R(ACenter.X - ARadius.X), R(ACenter.Y - ARadius.Y), R(ACenter.X + ARadius.X),
                  R(ACenter.Y + ARadius.Y), from.X, from.Y, to.X, to.Y);
}

void TRurGraphicsContextGeneral::FillArc(const TRurGraphicsFill&, TPointF ACenter, TPointF ARadius, float AStartAngle,
                                         float ASweepAngle)
{
    TKeepPen pen(*Canvas());
    const TPoint from = ArcPoint(ACenter, ARadius, AStartAngle + ASweepAngle);
    const TPoint to = ArcPoint(ACenter, ARadius, AStartAngle);
    Canvas()->Chord(R(ACenter.X - ARadius.X), R(ACenter.Y - ARadius.Y), R(ACenter.X + ARadius.X),
                    R(ACenter.Y + ARadius.Y), from.X, from.Y, to.X, to.Y);
}

void TRurGraphicsContextGeneral::FillEllipse(const TRurGraphicsFill&, TRectF ARect, TRurGraphicsModifyRectMode AMode)
{
    TKeepPen pen(*Canvas());
    Canvas()->Ellipse(Pixels(ARect, AMode));
}

void TRurGraphicsContextGeneral::DrawEllipse(const TRurGraphicsStroke&, TRectF ARect, TRurGraphicsModifyRectMode AMode)
{
    TKeepBrush brush(*Canvas());
    Canvas()->Ellipse(Pixels(ARect, AMode));
}

void TRurGraphicsContextGeneral::DrawRect(const TRurGraphicsStroke& AStroke, TRectF ARect, TRurGraphicsSides ASides,
                                          TRurGraphicsModifyRectMode AMode)
{
    const TRect r = Pixels(ARect, AMode);
    const auto line = [&](int x1, int y1, int x2, int y2) {
        DrawLine(AStroke, PointToPointF({x1, y1}), PointToPointF({x2, y2}), gcpmNone, gcpmNone);
    };
    if (ASides.Contains(gsTop))
        line(r.Left, r.Top, r.Right - 1, r.Top);
    if (ASides.Contains(gsLeft))
        line(r.Left, r.Top, r.Left, r.Bottom - 1);
    if (ASides.Contains(gsBottom))
        line(r.Left, r.Bottom - 1, r.Right - 1, r.Bottom - 1);
    if (ASides.Contains(gsRight))
        line(r.Right - 1, r.Top, r.Right - 1, r.Bottom);
}

void TRurGraphicsContextGeneral::FillRect(const TRurGraphicsFill& AFill, TRectF ARect, TRurGraphicsModifyRectMode AMode)
{
    TCanvas& canvas = *Canvas();
    const TRect r = Pixels(ARect, AMode);
    std::unique_ptr<TKeepBrush> gradientBrush;
    if (HasGradientColors(AFill)) {
        const bool horizontal = AFill.Orientation() == gfoHorizontal;
        if (!HasMirror(AFill)) {
            DrawRoundedGradient(canvas, AFill.Color(), AFill.ColorTo(), r, 0, 0, horizontal);
        } else if (AFill.Orientation() == gfoHorizontal) {
            const int split = r.Left + r.Width() / 2;
            DrawRoundedGradient(canvas, AFill.Color(), AFill.ColorTo(), {r.Left, r.Top, split, r.Bottom}, 0, 0, true);
            DrawRoundedGradient(canvas, AFill.ColorMirror(), AFill.ColorMirrorTo(), {split, r.Top, r.Right, r.Bottom}, 0,
                                0, true);
        } else if (AFill.Orientation() == gfoVertical) {
            const int split = r.Top + r.Height() / 2;
            DrawRoundedGradient(canvas, AFill.Color(), AFill.ColorTo(), {r.Left, r.Top, r.Right, split}, 0, 0, false);
            DrawRoundedGradient(canvas, AFill.ColorMirror(), AFill.ColorMirrorTo(), {r.Left, split, r.Right, r.Bottom},
                                0, 0, false);
        }
        gradientBrush = std::make_unique<TKeepBrush>(canvas);
    }
    TKeepPen pen(canvas);
    if (AFill.Color() != gcNoColor && AFill.Kind() == gfkSolid)
        canvas.Rectangle(r);
}

void TRurGraphicsContextGeneral::FillRoundRect(const TRurGraphicsFill& AFill, TRectF ARect, float ARounding,
                                               TRurGraphicsCorners ACorners, TRurGraphicsModifyRectMode AMode)
{
    TCanvas& canvas = *Canvas();
    const TRect r = Pixels(ARect, AMode);
    const Byte corners = CornerBits(ACorners);
    if (AFill.Kind() == gfkSolid && AFill.Color() != gcNoColor) {
        DrawRoundedGradient(canvas, AFill.Color(), AFill.Color(), r, ARounding, corners, false);
        return;
    }
    if (!HasGradientColors(AFill))
        return;
    if (!HasMirror(AFill)) {
        DrawRoundedGradient(canvas, AFill.Color(), AFill.ColorTo(), {r.Left, r.Top, r.Right - 1, r.Bottom - 1},
                            ARounding, corners, AFill.Orientation() == gfoHorizontal);
    } else if (AFill.Orientation() == gfoHorizontal) {
        DrawRoundedGradient(canvas, AFill.Color(), AFill.ColorTo(), {r.Left, r.Top, r.Left + (r.Right - r.Left - 1) / 2, r.Bottom},
                            ARounding, corners & (RoundedTopLeft | RoundedBottomLeft), true);
        DrawRoundedGradient(canvas, AFill.ColorMirror(), AFill.ColorMirrorTo(),
                            {r.Left + (r.Right - 1 - r.Left) / 2, r.Top, r.Right - 1, r.Bottom - 1}, ARounding,
                            corners & (RoundedTopRight | RoundedBottomRight), true);
    } else if (AFill.Orientation() == gfoVertical) {
        DrawRoundedGradient(canvas, AFill.Color(), AFill.ColorTo(), {r.Left, r.Top, r.Right - 1, r.Top + (r.Bottom - r.Top - 1) / 2},
                            ARounding, corners & (RoundedTopLeft | RoundedTopRight), false);
        DrawRoundedGradient(canvas, AFill.ColorMirror(), AFill.ColorMirrorTo(),
                            {r.Left, r.Top + (r.Bottom - 1 - r.Top) / 2, r.Right - 1, r.Bottom - 1}, ARounding,
                            corners & (RoundedBottomLeft | RoundedBottomRight), false);
    }
}

void TRurGraphicsContextGeneral::DrawRoundRect(const TRurGraphicsStroke&, TRectF ARect, float ARounding,
                                               TRurGraphicsCorners ACorners, TRurGraphicsModifyRectMode AMode)
{
    TCanvas& canvas = *Canvas();
    TKeepBrush brush(canvas);
    TRect r = Pixels(ARect, AMode);
    int e = R(ARounding);
    const bool all = ACorners.Contains(gcTopLeft) && ACorners.Contains(gcTopRight) && ACorners.Contains(gcBottomLeft) &&
                     ACorners.Contains(gcBottomRight);
    if (all) {
        canvas.RoundRect(r, 2 * e, 2 * e);
        return;
    }
    if (ACorners.Empty()) {
        canvas.Rectangle(r);
        return;
    }
    const int L = r.Left, T = r.Top, Rt = r.Right - 1, B = r.Bottom - 1;
    e -= 1;
    if (ACorners.Contains(gcBottomLeft)) {
        canvas.MoveTo(L + e, B);
        DrawCornerArc(canvas, {L + e, B - e}, e, -270, 90);
        canvas.MoveTo(L, B - e);
    } else {
        canvas.MoveTo(L, B);
    }
    if (ACorners.Contains(gcTopLeft)) {
        canvas.LineTo(L, T + e - 2);
        DrawCornerArc(canvas, {L + e, T + e}, e, -180, 90);
        canvas.MoveTo(L + e, T);
    } else {
        canvas.LineTo(L, T);
    }
    if (ACorners.Contains(gcTopRight)) {
        canvas.LineTo(Rt - e, T);
        DrawCornerArc(canvas, {Rt - e, T + e}, e, -90, 90);
        canvas.MoveTo(Rt, T + e);
    } else {
        canvas.LineTo(Rt, T);
    }
    if (ACorners.Contains(gcBottomRight)) {
        canvas.LineTo(Rt, B - e + 1);
        DrawCornerArc(canvas, {Rt - e, B - e + 1}, e, 0, 90);
        canvas.MoveTo(Rt - e, B);
    } else {
        canvas.LineTo(Rt, B);
    }
    canvas.LineTo(ACorners.Contains(gcBottomLeft) ? L + e - 2 : L, B);
}

void TRurGraphicsContextGeneral::DrawBitmap(TGraphic* ABitmap, TRectF, TRectF ADstRect, float)
{
    if (!ABitmap)
        return;
    const TRect r = RectFToRect(ADstRect);
    Canvas()->StretchDraw(r, ABitmap);
}

void TRurGraphicsContextGeneral::ClipRect(TRectF ARect)
{
    const TRect r = RectFToRect(ARect);
    IntersectClipRect(Canvas()->Handle(), r.Left, r.Top, r.Right, r.Bottom);
}

void TRurGraphicsContextGeneral::ClipPath(const TRurGraphicsPath& APath) { ClipRect(APath.GetBounds()); }

void TRurGraphicsContextGeneral::DrawFocusRectangle(const TRurGraphicsStroke&, TRectF ARect, TColor AColor,
                                                    TRurGraphicsModifyRectMode AMode)
{
    TKeepBrush brush(*Canvas());
    Canvas()->Pen()->SetColor(AColor);
    StartSpecialPen();
    Canvas()->Rectangle(Pixels(ARect, AMode));
    StopSpecialPen();
}

void TRurGraphicsContextGeneral::DrawFocusPath(const TRurGraphicsStroke& AStroke, const TRurGraphicsPath& APath,
                                               TColor AColor)
{
    TKeepBrush brush(*Canvas());
    Canvas()->Pen()->SetColor(AColor);
    StartSpecialPen();
    DrawPath(AStroke, APath, pdmPolygon);
    StopSpecialPen();
}

void TRurGraphicsContextGeneral::DrawPath(const TRurGraphicsStroke& AStroke, const TRurGraphicsPath& APath,
                                          TRurGraphicsPathDrawMode APathMode)
{
    if (APathMode == pdmPath) {
        HDC dc = Canvas()->Handle();
        BeginPath(dc);
        ConvertToPath(APath, PathFlatness);
        EndPath(dc);
        StrokePath(dc);
        AbortPath(dc);
        return;
    }
    TRurGraphicsPathPolygon points;
    APath.FlattenToPolygon(points, PathFlatness);
    if (APathMode == pdmPolygon)
        DrawPolygon(AStroke, points);
    else
        DrawPolyline(AStroke, points);
}

void TRurGraphicsContextGeneral::FillPath(const TRurGraphicsFill& AFill, const TRurGraphicsPath& APath,
                                          TRurGraphicsPathDrawMode APathMode)
{
    if (APathMode == pdmPath) {
        HDC dc = Canvas()->Handle();
        Canvas()->Refresh();
        BeginPath(dc);
        ConvertToPath(APath, PathFlatness);
        EndPath(dc);
        HGDIOBJ oldBrush = SelectObject(dc, Canvas()->Brush()->Handle());
        ::FillPath(dc);
        SelectObject(dc, oldBrush);
        AbortPath(dc);
        return;
    }
    TRurGraphicsPathPolygon points;
    APath.FlattenToPolygon(points, PathFlatness);
    FillPolygon(AFill, points);
}

TTextFormat TRurGraphicsContextGeneral::TextFlags(bool AWordWrapping) const
{
    TTextFormat format{AWordWrapping ? tfWordBreak : tfSingleLine};
    if (!FShowAcceleratorChar)
        format.Include(tfNoPrefix);
    return format;
}

TRectF TRurGraphicsContextGeneral::CalculateText(const String& AText, TRectF ARect, bool AWordWrapping)
{
    TRect r = RectFToRect(ARect);
    String text = AText;
    TTextFormat format = TextFlags(AWordWrapping);
    format.Include(tfCalcRect);
    Canvas()->TextRect(r, text, format);
    return RectToRectF(r);
}

void TRurGraphicsContextGeneral::DrawText(const String& AText, TRectF ARect, bool AWordWrapping,
                                          TRurGraphicsTextAlign AHorizontalAlign, TRurGraphicsTextAlign AVerticalAlign,
                                          TRurGraphicsTextTrimming ATrimming, float AAngle)
{
    TKeepBrush brush(*Canvas());
    TRect r = RectFToRect(ARect);
    TTextFormat format = TextFlags(AWordWrapping);
    static constexpr TTextFormats horizontal[] = {tfCenter, tfLeft, tfRight};
    static constexpr TTextFormats vertical[] = {tfVerticalCenter, tfTop, tfBottom};
    format.Include(horizontal[AHorizontalAlign]);
    format.Include(vertical[AVerticalAlign]);
    if (ATrimming == gttCharacter)
        format.Include(tfEndEllipsis);
    else if (ATrimming == gttWord)
        format.Include(tfWordEllipsis);
    if (AWordWrapping) {
        // The platform centres and bottom-aligns single lines only.
        const int h = R(RectFHeight(CalculateText(AText, ARect, true)));
        if (AVerticalAlign == gtaCenter) {
            const int bottom = r.Bottom;
            r.Top += std::max(0, (r.Bottom - r.Top - h) / 2);
            r.Bottom = std::max(0, std::min(bottom, r.Top + h));
        } else if (AVerticalAlign == gtaTrailing) {
            r.Top = r.Bottom - h;
        }
    }
    if (AAngle != 0) {
        DrawRotatedText(AText, r, AHorizontalAlign, AVerticalAlign, AAngle);
        return;
    }
    String text = AText;
    Canvas()->TextRect(r, text, format);
}

void TRurGraphicsContextGeneral::DrawRotatedText(const String& AText, const TRect& ARect,
                                                 TRurGraphicsTextAlign AHorizontalAlign,
                                                 TRurGraphicsTextAlign AVerticalAlign, float AAngle)
{
    TFont* font = Canvas()->Font();
    const int orientation = font->Orientation();
    font->SetOrientation(R(-10 * AAngle));
    const float L = static_cast<float>(ARect.Left), T = static_cast<float>(ARect.Top);
    const float W = static_cast<float>(ARect.Width()), H = static_cast<float>(ARect.Height());
    const float tw = static_cast<float>(Canvas()->TextWidth(AText));
    const float th = static_cast<float>(Canvas()->TextHeight(AText));
    float x = 0, y = 0;
    if (AAngle <= 0) {
        const float ys[] = {T + (H - tw) / 2 + tw, T + H, T + tw};
        const float xs[] = {L + W / 2 - th / 2, L, L + W - th};
        y = ys[AHorizontalAlign];
        x = xs[AVerticalAlign];
    } else {
        const float ys[] = {T + (H - tw) / 2, T, T + H - tw};
        const float xs[] = {L + W / 2 + th / 2, L + W, L + th};
        y = ys[AHorizontalAlign];
        x = xs[AVerticalAlign];
    }
    Canvas()->TextOut(R(x), R(y), AText);
    font->SetOrientation(orientation);
}
