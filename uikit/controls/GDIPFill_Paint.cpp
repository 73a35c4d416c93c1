// Painting a fill: shadow, main and mirror gradients, radial parts, pictures, border, glow and
// focus outline. Brushes, pens and paths are made anew for every paint.
#include "GDIPFill.h"

#include "Math.h"

using namespace RurGDIP;

namespace {

struct TCorners {
    bool TopLeft, TopRight, BottomRight, BottomLeft;
};

TCorners RoundedCorners(TFillRoundingType AType)
{
    switch (AType) {
    case rtTop:
        return {true, true, false, false};
    case rtBottom:
        return {false, false, true, true};
    case rtBoth:
        return {true, true, true, true};
    case rtLeft:
        return {true, false, false, true};
    case rtRight:
        return {false, true, true, false};
    default:
        return {false, false, false, false};
    }
}

// The main part of a fill with a mirror half keeps only its top corners round, the mirror part
// only its bottom ones; left and right rounding stay.
TFillRoundingType PartRounding(TFillRoundingType AType, bool AHasMirror, bool AMirrorPart)
{
    if (!AHasMirror || AType == rtLeft || AType == rtRight)
        return AType;
    if (AMirrorPart)
        return AType == rtBottom || AType == rtBoth ? rtBottom : rtNone;
    return AType == rtTop || AType == rtBoth ? rtTop : rtNone;
}

TGPRectF Deflate(const TGPRectF& r, float d) { return MakeRectF(r.X + d, r.Y + d, r.Width - 2 * d, r.Height - 2 * d); }

// The smoothing mode for as long as it lives.
class TSmoothing {
public:
    TSmoothing(TGPGraphics& AGraphics, SmoothingMode AMode) : FGraphics(AGraphics), FSaved(AGraphics.GetSmoothingMode())
    {
        FGraphics.SetSmoothingMode(AMode);
    }
    ~TSmoothing() { FGraphics.SetSmoothingMode(FSaved); }
    TSmoothing(const TSmoothing&) = delete;
    TSmoothing& operator=(const TSmoothing&) = delete;

private:
    TGPGraphics& FGraphics;
    SmoothingMode FSaved;
};

void FillTriangle(TGPGraphics& AGraphics, const TGPBrush& ABrush, TGPPointF a, TGPPointF b, TGPPointF c)
{
    const TGPPointF points[] = {a, b, c};
    AGraphics.FillPolygon(&ABrush, points, 3);
}

} // namespace

std::unique_ptr<TGPGraphicsPath> CreateRoundRectPath(const TGPRectF& ARect, int ARadius, TFillRoundingType ARoundingType)
{
    auto path = std::make_unique<TGPGraphicsPath>(FillModeAlternate);
    const float x = ARect.X, y = ARect.Y, w = ARect.Width, h = ARect.Height;
    const float r = float(ARadius);
    const float d = 2 * r;
    const TCorners round = r > 0 ? RoundedCorners(ARoundingType) : TCorners{false, false, false, false};
    if (round.TopLeft)
        path->AddArc(x, y, d, d, 180, 90);
    path->AddLine(x + (round.TopLeft ? r : 0), y, x + w - (round.TopRight ? r : 0), y);
    if (round.TopRight)
        path->AddArc(x + w - d, y, d, d, 270, 90);
    path->AddLine(x + w, y + (round.TopRight ? r : 0), x + w, y + h - (round.BottomRight ? r : 0));
    if (round.BottomRight)
        path->AddArc(x + w - d, y + h - d, d, d, 0, 90);
    path->AddLine(x + w - (round.BottomRight ? r : 0), y + h, x + (round.BottomLeft ? r : 0), y + h);
    if (round.BottomLeft)
        path->AddArc(x, y + h - d, d, d, 90, 90);
    path->AddLine(x, y + h - (round.BottomLeft ? r : 0), x, y + (round.TopLeft ? r : 0));
    path->CloseFigure();
    return path;
}

TSize FitPictureSize(int w, int h, int W, int H, TPictureMode AMode)
{
    if (w <= 0 || h <= 0 || W <= 0 || H <= 0)
        return {0, 0};
    if (AMode == pmNormal && w < W && h < H)
        return {w, h};
    if (double(W) / H > double(w) / h)
        return {int(Round(double(w) * H / h)), H};
    return {W, int(Round(double(h) * W / w))};
}

void TGDIPFill::FillRadial(TGPGraphics& AGraphics, const TGPRectF& ARect, ARGB AOuter, ARGB ACentre, bool ATop,
                           TFillRoundingType ARoundingType)
{
    const float x = ARect.X, y = ARect.Y, w = ARect.Width, h = ARect.Height;
    const std::unique_ptr<TGPGraphicsPath> area = CreateRoundRectPath(ARect, FRounding, ARoundingType);
    TGPSolidBrush underlay(AOuter);
    AGraphics.FillPath(&underlay, area.get());
    AGraphics.SetClip(area.get());
    TGPGraphicsPath ellipse;
    ellipse.AddEllipse(x, ATop ? y - h / 2 : y, w, 1.5f * h);
    TGPPathGradientBrush brush(&ellipse);
    brush.SetCenterPoint(TGPPointF{x + w / 2, ATop ? y : y + h});
    brush.SetCenterColor(ACentre);
    int count = 1;
    brush.SetSurroundColors(&AOuter, count);
    AGraphics.FillRectangle(&brush, ARect);
    AGraphics.ResetClip();
}

void TGDIPFill::DrawGradientBackGround(TGPGraphics& AGraphics, const TGPRectF& ARect, Byte AOpacity, Byte AOpacityTo,
                                       Byte AOpacityMirror, Byte AOpacityMirrorTo, bool AMirror)
{
    TGDIPShapeFillParams p;
    p.Graphics = &AGraphics;
    p.Rect = ARect;
    const TColor from = AMirror ? FColorMirror : FColor;
    const TColor to = AMirror ? FColorMirrorTo : FColorTo;
    p.Color = from;
    p.ColorTo = to;
    p.Opacity = AMirror ? AOpacityMirror : AOpacity;
    p.OpacityTo = AMirror ? AOpacityMirrorTo : AOpacityTo;
    p.HatchStyle = AMirror ? FHatchStyleMirror : FHatchStyle;
    p.GradientType = from == clNone ? gtNone : to == clNone ? gtSolid : AMirror ? FGradientMirrorType : FGradientType;
    p.Angle = FAngle;
    p.Picture = FBackGroundPicturePosition == ppTiled ? FBackGroundPicture.get() : nullptr;
    p.BorderColor = clNone;
    p.BorderWidth = 0;
    p.TopLine = AMirror;
    std::unique_ptr<TGPGraphicsPath> path;
    std::unique_ptr<TSmoothing> smoothing;
    if (FRounding != 0) {
        path = CreateRoundRectPath(ARect, FRounding, PartRounding(FRoundingType, FColorMirror != clNone, AMirror));
        p.Path = path.get();
        p.UsePath = true;
        smoothing = std::make_unique<TSmoothing>(AGraphics, SmoothingModeAntiAlias);
    }
    FillGDIPShape(p);
}

void TGDIPFill::FillMain(TGPGraphics& AGraphics, const TGPRectF& ARect, Byte O1, Byte O2,
                         TFillRoundingType ARadialRounding)
{
    if (FGradientType != gtRadial) {
        DrawGradientBackGround(AGraphics, ARect, O1, O2, 255, 255, false);
        return;
    }
    if (FColor != clNone)
        FillRadial(AGraphics, ARect, MakeColor(O1, FColor), MakeColor(O2, FColorTo == clNone ? FColor : FColorTo), true,
                   ARadialRounding);
}

void TGDIPFill::DrawShadow(TGPGraphics& AGraphics, TGPRectF& ARect)
{
    const float s = float(FShadowOffset);
    if (FShadowType == stBottom) {
        const TGPRectF band = MakeRectF(ARect.X, ARect.Y + ARect.Height - 2 * s, ARect.Width, 2 * s);
        FillRadial(AGraphics, band, MakeColor(0, FShadowColor), MakeColor(255, FShadowColor), true, rtBottom);
        ARect.Height -= s;
        return;
    }
    const bool surround = FShadowType == stSurround;
    const int radius = surround ? FShadowOffset : FRounding;
    const std::unique_ptr<TGPGraphicsPath> path = CreateRoundRectPath(ARect, radius, surround ? rtBoth : FRoundingType);
    TGPPathGradientBrush brush(path.get());
    brush.SetWrapMode(WrapModeClamp);
    const ARGB shadow = MakeColor(180, FShadowColor);
    const ARGB colors[] = {0, shadow, shadow};
    const float positions[] = {0.0f, 0.1f, 1.0f};
    brush.SetInterpolationColors(colors, positions, 3);
    // The same shadow from its plain colours where a GDI+ draws path gradients without presets.
    brush.SetCenterColor(shadow);
    ARGB transparent = 0;
    int count = 1;
    brush.SetSurroundColors(&transparent, count);
    AGraphics.FillPath(&brush, path.get());
    ARect = surround ? Deflate(ARect, s) : MakeRectF(ARect.X, ARect.Y, ARect.Width - s, ARect.Height - s);
}

void TGDIPFill::DrawGlow(TGPGraphics& AGraphics, const TGPRectF& ARect)
{
    if (FGlow == gmNone)
        return;
    TGPRegion clip(ARect);
    AGraphics.SetClip(&clip);
    const TGPRectF g = Deflate(ARect, 1);
    const float gx = g.X, gy = g.Y, gw = g.Width, gh = g.Height;
    const float R = gx + gw, B = gy + gh;
    if (FGlow == gmGradient || FGlow == gmRadialGradient) {
        const std::unique_ptr<TGPGraphicsPath> outline = CreateRoundRectPath(g, FRounding, FRoundingType);
        TGPPen pen(MakeColor(200, FGlowGradientColor), 1);
        AGraphics.DrawPath(&pen, outline.get());
        TGPLinearGradientBrush top(MakeRectF(gx + 4, gy - 1, gw - 8, 6), MakeColor(175, FGlowGradientColor),
                                   MakeColor(0, FGlowGradientColor), LinearGradientModeVertical);
        FillTriangle(AGraphics, top, {gx, gy}, {gx + 5, gy}, {gx + 5, gy + 4});
        FillTriangle(AGraphics, top, {R, gy}, {R - 5, gy}, {R - 5, gy + 4});
        AGraphics.FillRectangle(&top, gx + 5, gy, gw - 10, 4);
        TGPLinearGradientBrush bottom(MakeRectF(gx + 4, B - 8, gw - 8, 9), MakeColor(0, FGlowGradientColor),
                                      MakeColor(220, FGlowGradientColor), LinearGradientModeVertical);
        FillTriangle(AGraphics, bottom, {gx, B}, {gx + 5, B}, {gx + 5, B - 7});
        FillTriangle(AGraphics, bottom, {R, B}, {R - 5, B}, {R - 5, B - 7});
        AGraphics.FillRectangle(&bottom, gx + 5, B - 7, gw - 10, 7);
    }
    if (FGlow == gmRadial || FGlow == gmRadialGradient) {
        TGPGraphicsPath ellipse;
        ellipse.AddEllipse(gx + 10, gy - gh / 2, gw - 20, 3 * gh);
        TGPPathGradientBrush brush(&ellipse);
        brush.SetCenterColor(MakeColor(150, FGlowRadialColor));
        ARGB surround = MakeColor(0, FColor);
        int count = 1;
        brush.SetSurroundColors(&surround, count);
        AGraphics.FillPath(&brush, &ellipse);
    }
    AGraphics.ResetClip();
}

void TGDIPFill::DrawFocus(TGPGraphics& AGraphics, Byte AOpacity)
{
    TSmoothing smoothing(AGraphics, SmoothingModeDefault);
    const std::unique_ptr<TGPGraphicsPath> path =
        CreateRoundRectPath(FFocusRect, FRounding - FBorderWidth, FRoundingType);
    TGPPen pen(MakeColor(AOpacity, FFocusColor), 1);
    pen.SetDashStyle(DashStyleDot);
    AGraphics.DrawPath(&pen, path.get());
}

void TGDIPFill::DrawPictureAt(TGPGraphics& AGraphics, TRurGDIPPicture& APicture, const TGPRectF& ARect, int W, int H,
                              TFillPicturePosition APosition, int ALeft, int ATop, bool AAspectRatio,
                              TPictureMode AAspectMode)
{
    if (APicture.Empty())
        return;
    int L = int(Round(ARect.X)), T = int(Round(ARect.Y));
    const int RW = int(Round(ARect.Width)), RH = int(Round(ARect.Height));
    if (APosition != ppCustom) {
        L += ALeft;
        T += ATop;
    }
    const int R = L + RW, B = T + RH;
    auto draw = [&](int x, int y, int w, int h) { APicture.GDIPDraw(AGraphics, Bounds(x, y, w, h)); };
    switch (APosition) {
    case ppTopLeft:
        draw(L, T, W, H);
        break;
    case ppTopCenter:
        draw(L + (RW - W) / 2, T, W, H);
        break;
    case ppTopRight:
        draw(R - W, T, W, H);
        break;
    case ppBottomLeft:
        draw(L, B - H, W, H);
        break;
    case ppBottomCenter:
        draw(L + (RW - W) / 2, B - H, W, H);
        break;
    case ppBottomRight:
        draw(R - W, B - H, W, H);
        break;
    case ppCenterLeft:
        draw(L, T + (RH - H) / 2, W, H);
        break;
    case ppCenterCenter:
        draw(L + (RW - W) / 2, T + (RH - H) / 2, W, H);
        break;
    case ppCenterRight:
        draw(R - W, T + (RH - H) / 2, W, H);
        break;
    case ppTiled: {
        TGDIPShapeFillParams p;
        p.Graphics = &AGraphics;
        p.Rect = MakeRectF(float(L), float(T), float(RW), float(RH));
        p.GradientType = gtTexture;
        p.Picture = &APicture;
        p.BorderColor = clNone;
        FillGDIPShape(p);
        break;
    }
    case ppStretched:
        if (!AAspectRatio) {
            draw(L, T, RW, RH);
        } else {
            const TSize size = FitPictureSize(W, H, RW, RH, AAspectMode);
            draw(L + int(Round((RW - size.cx) / 2.0)), T + int(Round((RH - size.cy) / 2.0)), size.cx, size.cy);
        }
        break;
    case ppCustom:
        draw(ALeft, ATop, W, H);
        break;
    }
}

void TGDIPFill::DrawBackGroundPicture(TGPGraphics& AGraphics, const TGPRectF& ARect)
{
    FBackGroundPicture->GetImageSizes();
    DrawPictureAt(AGraphics, *FBackGroundPicture, ARect, FBackGroundPicture->Width(), FBackGroundPicture->Height(),
                  FBackGroundPicturePosition, FBackGroundPictureLeft, FBackGroundPictureTop,
                  FBackGroundPictureAspectRatio, FBackGroundPictureAspectMode);
}

TGPRectF TGDIPFill::Fill(TGPGraphics* AGraphics, TGPRectF ARect, Byte ABorderOpacity, Byte AOpacity, Byte AOpacityTo,
                         Byte AOpacityMirror, Byte AOpacityMirrorTo)
{
    auto choose = [](Byte AOverride, Byte AProperty) { return AOverride == 255 ? AProperty : AOverride; };
    const Byte O1 = choose(AOpacity, FOpacity), O2 = choose(AOpacityTo, FOpacityTo);
    const Byte M1 = choose(AOpacityMirror, FOpacityMirror), M2 = choose(AOpacityMirrorTo, FOpacityMirrorTo);
    const Byte BO = choose(ABorderOpacity, FBorderOpacity);
    if (!AGraphics)
        return ARect;
    TGPGraphics& g = *AGraphics;
    const bool border = FBorderWidth > 0 && FBorderColor != clNone;
    if (ARect.Height == 1 || ARect.Width == 1) {
        if (border) {
            TGPPen pen(MakeColor(BO, FBorderColor), float(FBorderWidth));
            g.DrawLine(&pen, ARect.X, ARect.Y, ARect.X + ARect.Width, ARect.Y + ARect.Height);
        }
    } else {
        if (FShadowOffset > 0 && FShadowColor != clNone)
            DrawShadow(g, ARect);
        if (FGradientType == gtHatch || FGradientType == gtTexture || FColorMirror == clNone) {
            FillMain(g, ARect, O1, O2, FRoundingType);
        } else {
            const float half = ARect.Height / 2;
            const TGPRectF upper = MakeRectF(ARect.X, ARect.Y, ARect.Width, ARect.Height - half + 1);
            const TGPRectF lower = MakeRectF(ARect.X, ARect.Y + half - 1, ARect.Width, ARect.Height - half + 1);
            FillMain(g, upper, O1, O2, rtTop);
            if (FGradientMirrorType == gtRadial && FColorMirror != clNone)
                FillRadial(g, lower, MakeColor(M2, FColorMirrorTo == clNone ? FColorMirror : FColorMirrorTo),
                           MakeColor(M1, FColorMirror), false, rtBottom);
            else
                DrawGradientBackGround(g, lower, O1, O2, M1, M2, true);
        }
        if (FBackGroundPictureMode == pmInsideFill && FGradientType == gtTexture && !FBackGroundPicture->Empty()) {
            const std::unique_ptr<TGPGraphicsPath> clip = CreateRoundRectPath(ARect, FRounding, FRoundingType);
            g.SetClip(clip.get());
            DrawBackGroundPicture(g, ARect);
            g.ResetClip();
        }
        if (border) {
            const std::unique_ptr<TGPGraphicsPath> path = CreateRoundRectPath(ARect, FRounding, FRoundingType);
            TGPPen pen(MakeColor(BO, FBorderColor), float(FBorderWidth));
            g.DrawPath(&pen, path.get());
        }
    }
    DrawGlow(g, ARect);
    FFocusRect = Deflate(ARect, float(FBorderWidth));
    if (FFocus)
        DrawFocus(g, O1);
    if (FBackGroundPictureMode == pmOutsideFill && FGradientType == gtTexture && !FBackGroundPicture->Empty())
        DrawBackGroundPicture(g, ARect);
    if (!FPicture->Empty()) {
        FPicture->GetImageSizes();
        const bool custom = FPictureSize == psCustom;
        DrawPictureAt(g, *FPicture, ARect, custom ? FPictureWidth : FPicture->Width(),
                      custom ? FPictureHeight : FPicture->Height(), FPicturePosition, FPictureLeft, FPictureTop,
                      FPictureAspectRatio, FPictureAspectMode);
    }
    return ARect;
}
