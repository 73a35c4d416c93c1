// Painting the shape: fill, background picture, outline with its bevel, caption; the clip
// regions of the outline and of the client area.
#include "RurShape.h"

#include <algorithm>

#include "Math.h"
#include "RurHTML.h"

using namespace RurShape;

namespace {

// A region in the parent's coordinates selected as the canvas's clip, in device coordinates
// (the canvas's origin lies on the control), and freed.
void SelectRegion(TCanvas& ACanvas, HRGN ARegion, TPoint AControlOrigin)
{
    POINT origin;
    GetViewportOrgEx(ACanvas.Handle(), &origin);
    OffsetRgn(ARegion, origin.x - AControlOrigin.X, origin.y - AControlOrigin.Y);
    SelectClipRgn(ACanvas.Handle(), ARegion);
    DeleteObject(ARegion);
}

} // namespace

TPointArray TRurShape::GetShapePoints() const
{
    const TRect SR = GetShapeRect();
    FDrawer->SetCurRect(BoundsRect());
    FDrawer->SetAngle(FRotationAngle);
    FDrawer->SetRotationType(rtCurRectCenter);
    const int p = PenWidth();
    const int X1 = Left() + SR.Left, Y1 = Top() + SR.Top, X2 = Left() + SR.Right + p, Y2 = Top() + SR.Bottom + p;
    TPointArray points;
    switch (FShape) {
    case stRectangle:
    case stSquare:
        points = RectPoints(X1, Y1, X2, Y2);
        break;
    case stRoundRect:
    case stRoundSquare:
        points = RoundRectPoints(X1, Y1, X2, Y2, FRounding, FRounding);
        break;
    case stTriangle:
        points = TrianglePoints(X1, Y1, X2, Y2);
        break;
    case stStar:
        points = StarPoints(X1, Y1, X2, Y2);
        break;
    case stEllipse:
    case stCircle:
        points = ArcPoints(X1, Y1, X2, Y2, 0, 360, true);
        break;
    case stLine: {
        const TRect O = FDrawer->OriginalRect();
        const double left = O.Left + SR.Left, top = O.Top + SR.Top;
        const double right = O.Right + SR.Right + p - Width(), bottom = O.Bottom + SR.Bottom + p - Height();
        for (TPointX corner : {TPointX{left, top}, TPointX{right, top}, TPointX{right, bottom}, TPointX{left, bottom},
                               TPointX{left, top}})
            points.push_back(FDrawer->PP(corner));
        break;
    }
    }
    return FDrawer->RotPoly(points);
}

void TRurShape::ClipToShape()
{
    HRGN region;
    if (FShape == stEllipse && FRotationAngle == 0) {
        region = CreateEllipticRgn(Left(), Top(), Left() + Width(), Top() + Height());
    } else {
        const TPointArray points = GetShapePoints();
        std::vector<POINT> corners;
        for (const TPoint& point : points)
            corners.push_back(POINT{point.X, point.Y});
        region = CreatePolygonRgn(corners.data(), int(corners.size()), ALTERNATE);
    }
    SelectRegion(*Canvas(), region, TPoint{Left(), Top()});
}

void TRurShape::ClipToClient()
{
    SelectRegion(*Canvas(), CreateRectRgn(Left(), Top(), Left() + ClientWidth(), Top() + ClientHeight()),
                 TPoint{Left(), Top()});
}

void TRurShape::RemoveClip() { SelectClipRgn(Canvas()->Handle(), nullptr); }

void TRurShape::DrawBackGroundPicture(const TRect& SR)
{
    TGraphic* graphic = FBackGround->Picture()->Graphic();
    if (!graphic || graphic->Empty())
        return;
    TCanvas& canvas = *Canvas();
    const int GW = graphic->Width(), GH = graphic->Height();
    const int right = std::max(SR.Left, SR.Right - SR.Left - GW - 1);
    const int bottom = std::max(SR.Top, Height() - GH - 3);
    switch (FBackGround->Position()) {
    case bpTopLeft:
        canvas.Draw(SR.Left + 1, SR.Top + 1, graphic);
        break;
    case bpTopRight:
        canvas.Draw(right, SR.Top + 1, graphic);
        break;
    case bpBottomLeft:
        canvas.Draw(SR.Left + 1, bottom, graphic);
        break;
    case bpBottomRight:
        canvas.Draw(right, bottom, graphic);
        break;
    case bpCenter:
        // Halved as the unsigned values they are meant to be: a shape wider than the control
        // would otherwise send the picture far off.
        canvas.Draw(std::max(right, 0) / 2, std::max(SR.Top, Height() - GH - 2) / 2, graphic);
        break;
    case bpTiled:
        if (GW > 0 && GH > 0)
            for (int y = 0; y < Height(); y += GH)
                for (int x = 0; x < Width(); x += GW)
                    canvas.Draw(x, y, graphic);
        break;
    case bpStretched:
        canvas.StretchDraw(ClientRect(), graphic);
        break;
    }
}

void TRurShape::DrawShape(const TRect& SR, TColor AUpper, TColor ALower)
{
    TCanvas& canvas = *Canvas();
    TShapeDrawer& drawer = *FDrawer;
    const bool bevel = FBevel != RurShape::bsNone;
    auto polyline = [&](const TPointArray& points, int from, int to, TColor color) {
        if (from < 0 || to > int(points.size()) || from >= to)
            return;
        canvas.Pen()->SetColor(color);
        canvas.Polyline(std::span<const TPoint>(points.data() + from, size_t(to - from)));
    };
    auto polygon = [&](const TPointArray& points) {
        if (bevel)
            canvas.Pen()->SetColor(ALower);
        canvas.Polygon(drawer.RotPoly(points));
    };
    switch (FShape) {
    case stRectangle:
    case stSquare: {
        drawer.DrawRotRect(SR.Left, SR.Top, SR.Right, SR.Bottom);
        if (!bevel)
            break;
        const int L = SR.Left, T = SR.Top, R = L + ShapeWidth(), B = T + ShapeHeight();
        auto edge = [&](TPoint from, TPoint to, TColor color) {
            canvas.Pen()->SetColor(color);
            const TPoint a = drawer.Rot(from), b = drawer.Rot(to);
            canvas.MoveTo(a.X, a.Y);
            canvas.LineTo(b.X, b.Y);
        };
        edge({L, T}, {R, T}, AUpper);
        edge({L, B}, {L, T}, AUpper);
        edge({R, T}, {R, B}, ALower);
        edge({R, B}, {L, B}, ALower);
        break;
    }
    case stRoundRect:
    case stRoundSquare: {
        const TPointArray points = RoundRectPoints(SR.Left, SR.Top, SR.Right, SR.Bottom, FRounding, FRounding);
        polygon(points);
        if (!bevel)
            break;
        const TPointArray turned = drawer.RotPoly(points);
        const int n = int(turned.size()), d = (SR.Right - SR.Left) / 10;
        polyline(turned, d + n - n / 4, n, AUpper);
        polyline(turned, 0, n / 2 - d, AUpper);
        break;
    }
    case stEllipse:
    case stCircle: {
        const TPointArray points = ArcPoints(SR.Left, SR.Top, SR.Right, SR.Bottom, 0, 360, true);
        polygon(points);
        if (bevel) {
            const TPointArray upper = drawer.RotPoly(points);
            polyline(upper, int(upper.size()) / 2, int(upper.size()), AUpper);
        }
        break;
    }
    case stTriangle: {
        const TPointArray points = TrianglePoints(SR.Left, SR.Top, SR.Right, SR.Bottom);
        polygon(points);
        if (bevel)
            polyline(drawer.RotPoly(points), 0, 2, AUpper);
        break;
    }
    case stStar: {
        const TPointArray points = StarPoints(SR.Left, SR.Top, SR.Right + 1, SR.Bottom + 1);
        polygon(points);
        if (bevel) {
            const TPointArray t = drawer.RotPoly(points);
            polyline({t[9], t[10], t[11], t[0], t[1], t[2], t[3]}, 0, 7, AUpper);
        }
        break;
    }
    case stLine: {
        const int m = SR.Top + (SR.Bottom - SR.Top) / 2;
        const TPoint from = drawer.Rot(SR.Right, m), to = drawer.Rot(SR.Left, m);
        canvas.MoveTo(from.X, from.Y);
        canvas.LineTo(to.X, to.Y);
        break;
    }
    }
}

void TRurShape::Paint()
{
    TCanvas& canvas = *Canvas();
    const TRect SR = GetShapeRect();
    const TShapeAppearance& look = *FAppearance;
    const bool gradient = look.Color() != clNone && look.ColorTo() != clNone;
    if (FClipping)
        ClipToShape();
    if (FShape != stLine) {
        const TRect R(0, 0, ClientWidth() - 1, ClientHeight());
        if (gradient) {
            DrawSteppedGradient(canvas, look.Color(), look.ColorTo(), look.Steps(), R,
                                look.Direction() == gdHorizontal);
        } else if (look.Color() != clNone) {
            canvas.Brush()->SetStyle(bsSolid);
            canvas.Brush()->SetColor(look.Color());
            canvas.Pen()->SetStyle(psClear);
            canvas.Rectangle(R);
        }
    }
    DrawBackGroundPicture(SR);
    if (FClipping)
        RemoveClip();
    const TColor upper = FBevel == bsLowered ? clBtnShadow : clBtnHighlight;
    const TColor lower = FBevel == bsLowered ? clBtnHighlight : clBtnShadow;
    FDrawer->SetCanvas(&canvas);
    FDrawer->SetCurRect(SR);
    FDrawer->SetAngle(FRotationAngle);
    FDrawer->SetRotationType(rtCurRectCenter);
    canvas.Pen()->Assign(look.Pen());
    canvas.Brush()->Assign(look.Brush());
    if (gradient)
        canvas.Brush()->SetStyle(bsClear);
    if (FClipping)
        ClipToClient();
    DrawShape(SR, upper, lower);
    if (FClipping)
        RemoveClip();
    if (Text().empty())
        return;
    canvas.Brush()->SetStyle(bsClear);
    canvas.Font()->Assign(Font());
    const float scale = GetShapeDPIScale();
    if (FShowText == stClipped)
        ClipToShape();
    THTMLDrawOptions options;
    options.Images = FImages;
    options.URLColor = look.URLColor();
    options.ShadowColor = clGray;
    options.ShadowOffset = 1;
    options.WordWrap = true;
    options.ScaleFontSizes = true;
    options.HighlightBackground = clNone;
    options.HighlightText = clNone;
    options.PictureContainer = FContainer;
    options.BiDiMode = BiDiMode();
    options.Scale = scale;
    options.Edition = THTMLEdition::Reduced;
    THTMLDrawResult result;
    HTMLDraw(canvas, Text(), TextRect(SR, scale), options, result);
    if (FShowText == stClipped)
        RemoveClip();
}
