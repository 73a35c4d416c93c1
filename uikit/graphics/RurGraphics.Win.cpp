#include "RurGraphics.Win.h"

#include <algorithm>
#include <vector>

#include "Math.h"
#include "RurImageStream.h"
#include "RurUtils.h"
#include "Streams.h"

using namespace RurGDIPlusClasses;

namespace {

constexpr float PathFlatness = 0.25f;
constexpr int32_t SmoothingModeDefault = 0;
constexpr int32_t SmoothingModeAntiAlias = 4;
constexpr int32_t PixelFormat32bppARGB = 0x26200A;
constexpr int32_t StringFormatFlagsNoWrap = 0x1000;
constexpr int32_t StringFormatFlagsNoClip = 0x4000;
constexpr int32_t LineCapFlat = 0;

std::unique_ptr<TRurGraphicsContext> MakeWinContext(TRurGraphics* AGraphics)
{
    return std::make_unique<TRurGraphicsContextWin>(AGraphics);
}

TGPRectF ToGPRect(TRectF r) { return MakeRectF(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top); }
TGPPointF ToGPPoint(TPointF p) { return MakePointF(p.X, p.Y); }

std::vector<TGPPointF> ToGPPoints(const TRurGraphicsPathPolygon& points)
{
    std::vector<TGPPointF> result;
    result.reserve(points.size());
    for (TPointF p : points)
        result.push_back(ToGPPoint(p));
    return result;
}

std::unique_ptr<TGPStringFormat> CreateGPStringFormat(TRurGraphicsTextAlign AHorizontal, TRurGraphicsTextAlign AVertical,
                                                      bool AWordWrapping, bool AShowAccelerator,
                                                      TRurGraphicsTextTrimming ATrimming)
{
    static constexpr StringAlignment alignments[] = {StringAlignmentCenter, StringAlignmentNear, StringAlignmentFar};
    auto format = std::make_unique<TGPStringFormat>(0, LANG_NEUTRAL);
    format->SetAlignment(alignments[AHorizontal]);
    format->SetLineAlignment(alignments[AVertical]);
    format->SetFormatFlags(AWordWrapping ? StringFormatFlagsNoClip : StringFormatFlagsNoClip | StringFormatFlagsNoWrap);
    if (ATrimming == gttCharacter)
        format->SetTrimming(StringTrimmingCharacter);
    else if (ATrimming == gttWord)
        format->SetTrimming(StringTrimmingWord);
    format->SetHotkeyPrefix(AShowAccelerator ? HotkeyPrefixShow : HotkeyPrefixNone);
    return format;
}

// The outline of a rectangle whose chosen corners are quarter circles of radius r.
TRurGraphicsPath RoundedOutline(TRectF rect, float r, TRurGraphicsCorners corners)
{
    const float L = rect.Left, T = rect.Top, R = rect.Right, B = rect.Bottom;
    TRurGraphicsPath path;
    if (corners.Contains(gcBottomLeft)) {
        path.MoveTo({L + r, B});
        path.AddArc({L + r, B - r}, {r, r}, -270, 90);
        path.LineTo({L, B - r});
    } else {
        path.MoveTo({L, B});
    }
    if (corners.Contains(gcTopLeft)) {
        path.LineTo({L, T + r});
        path.AddArc({L + r, T + r}, {r, r}, -180, 90);
        path.LineTo({L + r, T});
    } else {
        path.LineTo({L, T});
    }
    if (corners.Contains(gcTopRight)) {
        path.LineTo({R - r, T});
        path.AddArc({R - r, T + r}, {r, r}, -90, 90);
        path.LineTo({R, T + r});
    } else {
        path.LineTo({R, T});
    }
    if (corners.Contains(gcBottomRight)) {
        path.LineTo({R, B - r});
        path.AddArc({R - r, B - r}, {r, r}, 0, 90);
        path.LineTo({R - r, B});
    } else {
        path.LineTo({R, B});
    }
    path.LineTo(corners.Contains(gcBottomLeft) ? TPointF{L + r, B} : TPointF{L, B});
    path.ClosePath();
    return path;
}

} // namespace

TRurGraphicsContextFactory GetNativeContextClass() { return &MakeWinContext; }

ARGB TRurGraphicsContextWin::ToGPColor(TColor AColor, float AOpacity)
{
    const auto alpha = static_cast<ARGB>(Round(AOpacity * 255)) & 0xFF;
    return alpha << 24 | ARGB(TRurGraphics::GetColorRed(AColor)) << 16 | ARGB(TRurGraphics::GetColorGreen(AColor)) << 8 |
           TRurGraphics::GetColorBlue(AColor);
}

TRurGraphicsContextWin::TRurGraphicsContextWin(TRurGraphics* AGraphics)
    : TRurGraphicsContext(AGraphics), FScale(TRurUtils::GetDPIScale(nullptr, 96)),
      FFont(std::make_unique<TRurGraphicsFont>()), FFill(std::make_unique<TRurGraphicsFill>(gfkSolid, 0xFFFFFF)),
      FStroke(std::make_unique<TRurGraphicsStroke>(gskSolid, 0xC0C0C0))
{
    FFont->SetOnChanged(MakeHandler<&TRurGraphicsContextWin::FontChanged>(this));
    FStroke->SetOnChanged(MakeHandler<&TRurGraphicsContextWin::StrokeChanged>(this));
}

TRurGraphicsContextWin::~TRurGraphicsContextWin()
{
    Render();
    FFont->SetOnChanged({});
    FFill->SetOnChanged({});
    FStroke->SetOnChanged({});
    FTextMatrix.reset();
    ReleaseGraphics();
}

void TRurGraphicsContextWin::ReleaseGraphics()
{
    if (!FGPGraphics)
        return;
    FGPGraphics->Restore(FSaveGP);
    FGPGraphics.reset();
}

void TRurGraphicsContextWin::SetSize(float AWidth, float AHeight)
{
    FContextSize = {AWidth, AHeight};
    ReleaseGraphics();
    FGPGraphics = std::make_unique<TGPGraphics>(Canvas()->Handle());
    FSaveGP = FGPGraphics->Save();
    FontChanged(nullptr);
    StrokeChanged(nullptr);
}

void TRurGraphicsContextWin::Render()
{
    if (!FNeedsRendering)
        return;
    FNeedsRendering = false;
    ReleaseGraphics();
}

void TRurGraphicsContextWin::EndScene()
{
    if (FGPGraphics)
        Render();
}

// The GDI+ objects follow the own copies only while a graphics is bound; binding rebuilds them,
// so changes made while unbound are not lost.
// The GDI+ font is made when text needs it: finding a font family is slow where many fonts are
// installed, and most scenes (shapes, SVG pictures) draw no text.
void TRurGraphicsContextWin::FontChanged(TObject*) { FGPFont.reset(); }

TGPFont* TRurGraphicsContextWin::GPFont()
{
    if (!FGPFont) {
        String name = FFont->Name();
        if (name.empty() || UpperCase(name) == u"DEFAULT")
            name = u"Arial";
        const int size = FFont->Size();
        const TFontStyles styles = FFont->Style();
        const int32_t style = (styles.Contains(fsBold) ? 1 : 0) | (styles.Contains(fsItalic) ? 2 : 0) |
                              (styles.Contains(fsUnderline) ? 4 : 0) | (styles.Contains(fsStrikeOut) ? 8 : 0);
        FGPFont = std::make_unique<TGPFont>(name, static_cast<float>(size == 0 ? 8 : size), style, UnitPoint);
    }
    return FGPFont.get();
}

void TRurGraphicsContextWin::StrokeChanged(TObject*)
{
    if (!FGPGraphics)
        return;
    static constexpr DashStyle dashes[] = {DashStyleSolid, DashStyleSolid, DashStyleDash,
                                           DashStyleDot,   DashStyleDashDot, DashStyleDashDotDot};
    FGPPen = std::make_unique<TGPPen>(ToGPColor(FStroke->Color(), FStroke->Opacity()), FStroke->Width());
    FGPPen->SetDashStyle(dashes[FStroke->Kind()]);
    FGPPen->SetLineCap(LineCapFlat, LineCapFlat, LineCapFlat);
    FGPPen->SetLineJoin(LineJoinMiterClipped);
    FGPPen->SetMiterLimit(4);
}

// Every fill rebuilds the brush for its own shape, so a change of the fill needs no brush yet.
void TRurGraphicsContextWin::PrepareBrush(TRectF ABounds, TGPGraphicsPath* APath)
{
    if (FFill->Kind() == gfkSolid || FFill->Kind() == gfkNone || FFill->Kind() == gfkTexture) {
        const ARGB color = FFill->Kind() == gfkSolid ? ToGPColor(FFill->Color(), FFill->Opacity()) : 0;
        if (FSolidBrushColor != color) {
            FGPBrush = std::make_unique<TGPSolidBrush>(color);
            FSolidBrushColor = color;
        }
        return;
    }
    FGPBrush = CreateGPBrush(ABounds, APath);
    FSolidBrushColor.reset();
}

std::unique_ptr<TGPBrush> TRurGraphicsContextWin::CreateGPBrush(TRectF ABounds, TGPGraphicsPath* APath)
{
    const TRurGraphicsFill& fill = *FFill;
    if (fill.Kind() == gfkSolid)
        return std::make_unique<TGPSolidBrush>(ToGPColor(fill.Color(), fill.Opacity()));
    if (fill.Kind() != gfkGradient)
        return std::make_unique<TGPSolidBrush>(ARGB(0));

    const TGPRectF b = MakeRectF(ABounds.Left - 1, ABounds.Top - 1, RectFWidth(ABounds) + 2, RectFHeight(ABounds) + 2);

    std::vector<ARGB> colors;
    std::vector<float> positions;
    const auto add = [&](TColor color, float opacity, float position) {
        colors.push_back(ToGPColor(color, opacity));
        positions.push_back(position);
    };
    if (fill.GradientMode() == gfgmDefault) {
        add(fill.Color(), fill.Opacity(), 0);
        if (fill.ColorMirror() == gcNoColor || fill.ColorMirrorTo() == gcNoColor) {
            add(fill.ColorTo(), fill.Opacity(), 1);
        } else {
            add(fill.ColorTo(), fill.Opacity(), 0.5f);
            add(fill.ColorMirror(), fill.Opacity(), 0.5f);
            add(fill.ColorMirrorTo(), fill.Opacity(), 1);
        }
    } else {
        TRurGraphicsFillGradientItems& items = *fill.GradientItems();
        bool atStart = false, atEnd = false;
        for (int i = 0; i < items.Count(); ++i) {
            TRurGraphicsFillGradientItem* item = items.GetItem(i);
            add(item->Color(), item->Opacity(), item->Position());
            atStart = atStart || item->Position() == 0;
            atEnd = atEnd || item->Position() == 1;
        }
        if (!colors.empty() && !atStart) {
            colors.insert(colors.begin(), colors.front());
            positions.insert(positions.begin(), 0.0f);
        }
        if (!colors.empty() && !atEnd) {
            colors.push_back(colors.back());
            positions.push_back(1.0f);
        }
    }

    const TRurGraphicsMatrix& m = fill.GradientMatrix();
    TGPMatrix transform(m.m11, m.m12, m.m21, m.m22, m.m31, m.m32);
    const bool identity = m == TRurGraphicsMatrix::Identity();
    const ARGB first = colors.empty() ? 0 : colors.front();
    const ARGB last = colors.empty() ? 0 : colors.back();
    if (fill.GradientType() == gfgtRadial) {
        std::unique_ptr<TGPGraphicsPath> own;
        if (!APath) {
            own = std::make_unique<TGPGraphicsPath>(FillModeAlternate);
            own->AddRectangle(b);
            APath = own.get();
        }
        auto brush = std::make_unique<TGPPathGradientBrush>(APath);
        if (fill.GradientCenterColor() != gcNoColor)
            brush->SetCenterColor(ToGPColor(fill.GradientCenterColor(), fill.Opacity()));
        brush->SetCenterPoint(ToGPPoint(fill.GradientCenterPoint()));
        // A path gradient runs from the outline to the centre.
        std::reverse(colors.begin(), colors.end());
        std::reverse(positions.begin(), positions.end());
        for (float& p : positions)
            p = 1 - p;
        if (!colors.empty())
            brush->SetInterpolationColors(colors.data(), positions.data(), static_cast<int32_t>(colors.size()));
        if (!identity)
            brush->MultiplyTransform(&transform, MatrixOrderPrepend);
        return brush;
    }
    std::unique_ptr<TGPLinearGradientBrush> brush;
    if (fill.Orientation() == gfoCustom)
        brush = std::make_unique<TGPLinearGradientBrush>(b, first, last, fill.GradientAngle(), false);
    else
        brush = std::make_unique<TGPLinearGradientBrush>(
            b, first, last, fill.Orientation() == gfoHorizontal ? LinearGradientModeHorizontal : LinearGradientModeVertical);
    // Two stops at the ends are the brush's own colours; a preset blend would only slow it down.
    const bool ownColors = colors.size() == 2 && positions[0] == 0 && positions[1] == 1;
    if (!colors.empty() && !ownColors)
        brush->SetInterpolationColors(colors.data(), positions.data(), static_cast<int32_t>(colors.size()));
    if (!identity)
        brush->MultiplyTransform(&transform, MatrixOrderPrepend);
    return brush;
}

void TRurGraphicsContextWin::FillNativePath(TGPGraphicsPath& APath)
{
    TGPRectF b{};
    if (FFill->Kind() == gfkGradient)
        APath.GetBounds(b);
    PrepareBrush({b.X, b.Y, b.X + b.Width, b.Y + b.Height}, &APath);
    FGPGraphics->FillPath(FGPBrush.get(), &APath);
}

template <class F>
void TRurGraphicsContextWin::Stroking(F&& draw)
{
    if (!FGPGraphics)
        return;
    if (FGPPen->GetDashStyle() == DashStyleSolid) {
        draw();
        return;
    }
    const int32_t mode = FGPGraphics->GetSmoothingMode();
    FGPGraphics->SetSmoothingMode(SmoothingModeDefault);
    draw();
    FGPGraphics->SetSmoothingMode(mode);
}

TGPStringFormat* TRurGraphicsContextWin::StringFormat(TRurGraphicsTextAlign AHorizontal, TRurGraphicsTextAlign AVertical,
                                                      bool AWordWrapping, TRurGraphicsTextTrimming ATrimming)
{
    const int key = AHorizontal | AVertical << 2 | AWordWrapping << 4 | FShowAcceleratorChar << 5 | ATrimming << 6;
    if (key != FStringFormatKey) {
        FGPStringFormat = CreateGPStringFormat(AHorizontal, AVertical, AWordWrapping, FShowAcceleratorChar, ATrimming);
        FStringFormatKey = key;
    }
    return FGPStringFormat.get();
}

TColor TRurGraphicsContextWin::GetFillColor() { return Graphics()->Fill()->Color(); }

void* TRurGraphicsContextWin::CreatePath() { return new TGPGraphicsPath(FillModeAlternate); }
void TRurGraphicsContextWin::PathOpen(void* APath) { static_cast<TGPGraphicsPath*>(APath)->StartFigure(); }
void TRurGraphicsContextWin::PathClose(void* APath) { static_cast<TGPGraphicsPath*>(APath)->CloseFigure(); }
void TRurGraphicsContextWin::PathMoveTo(void*, TPointF APoint) { FMovePoint = APoint; }

void TRurGraphicsContextWin::PathLineTo(void* APath, TPointF APoint)
{
    static_cast<TGPGraphicsPath*>(APath)->AddLine(ToGPPoint(FMovePoint), ToGPPoint(APoint));
    FMovePoint = APoint;
}

void TRurGraphicsContextWin::SaveState(TRurGraphicsSaveState& AState)
{
    if (FGPGraphics)
        AState.SetCustomSaveDC(FGPGraphics->Save());
}

void TRurGraphicsContextWin::RestoreState(TRurGraphicsSaveState& AState)
{
    if (FGPGraphics)
        FGPGraphics->Restore(static_cast<uint32_t>(AState.CustomSaveDC()));
}

void TRurGraphicsContextWin::ResetTransform()
{
    if (!FGPGraphics)
        return;
    FGPGraphics->Restore(FSaveGP);
    FSaveGP = FGPGraphics->Save();
}

void TRurGraphicsContextWin::ScaleTransform(float AX, float AY)
{
    if (FGPGraphics)
        FGPGraphics->ScaleTransform(AX, AY, MatrixOrderPrepend);
}

void TRurGraphicsContextWin::RotateTransform(float AAngle)
{
    if (FGPGraphics)
        FGPGraphics->RotateTransform(AAngle, MatrixOrderPrepend);
}

void TRurGraphicsContextWin::TranslateTransform(float AX, float AY)
{
    if (FGPGraphics)
        FGPGraphics->TranslateTransform(AX, AY, MatrixOrderPrepend);
}

TRurGraphicsMatrix TRurGraphicsContextWin::GetMatrix()
{
    TRurGraphicsMatrix result = TRurGraphicsMatrix::Identity();
    if (!FGPGraphics)
        return result;
    TGPMatrix m;
    FGPGraphics->GetTransform(&m);
    TMatrixArray e{};
    m.GetElements(e);
    result.m11 = e[0];
    result.m12 = e[1];
    result.m21 = e[2];
    result.m22 = e[3];
    result.m31 = e[4];
    result.m32 = e[5];
    return result;
}

void TRurGraphicsContextWin::SetMatrix(const TRurGraphicsMatrix& AMatrix)
{
    if (!FGPGraphics)
        return;
    TGPMatrix m(AMatrix.m11, AMatrix.m12, AMatrix.m21, AMatrix.m22, AMatrix.m31, AMatrix.m32);
    FGPGraphics->SetTransform(&m);
}

void TRurGraphicsContextWin::SetAntiAliasing(bool AAntiAliasing)
{
    if (!FGPGraphics)
        return;
    FGPGraphics->Restore(FSaveGP);
    FGPGraphics->SetSmoothingMode(AAntiAliasing ? SmoothingModeAntiAlias : SmoothingModeDefault);
    FSaveGP = FGPGraphics->Save();
}

void TRurGraphicsContextWin::SetTextQuality(TRurGraphicsTextQuality ATextQuality)
{
    if (!FGPGraphics)
        return;
    static constexpr TextRenderingHint hints[] = {TextRenderingHintSystemDefault, TextRenderingHintAntiAlias,
                                                  TextRenderingHintClearTypeGridFit};
    FGPGraphics->Restore(FSaveGP);
    FGPGraphics->SetTextRenderingHint(hints[ATextQuality]);
    FSaveGP = FGPGraphics->Save();
}

void TRurGraphicsContextWin::SetFontSize(int ASize) { FFont->SetSize(ASize); }
void TRurGraphicsContextWin::SetFontColor(TColor AColor) { FFont->SetColor(AColor); }
void TRurGraphicsContextWin::SetFontName(const String& AName) { FFont->SetName(AName); }
void TRurGraphicsContextWin::SetFont(const TRurGraphicsFont& AFont) { FFont->Assign(&AFont); }
void TRurGraphicsContextWin::SetFontStyles(TFontStyles AStyle) { FFont->SetStyle(AStyle); }
void TRurGraphicsContextWin::SetFill(const TRurGraphicsFill& AFill) { FFill->Assign(&AFill); }
void TRurGraphicsContextWin::SetFillKind(TRurGraphicsFillKind AKind) { FFill->SetKind(AKind); }
void TRurGraphicsContextWin::SetFillColor(TColor AColor) { FFill->SetColor(AColor); }
void TRurGraphicsContextWin::SetStroke(const TRurGraphicsStroke& AStroke) { FStroke->Assign(&AStroke); }
void TRurGraphicsContextWin::SetStrokeKind(TRurGraphicsStrokeKind AKind) { FStroke->SetKind(AKind); }
void TRurGraphicsContextWin::SetStrokeColor(TColor AColor) { FStroke->SetColor(AColor); }
void TRurGraphicsContextWin::SetStrokeWidth(float AWidth) { FStroke->SetWidth(AWidth); }

void TRurGraphicsContextWin::DrawLine(const TRurGraphicsStroke&, TPointF AFromPoint, TPointF AToPoint,
                                      TRurGraphicsModifyPointMode, TRurGraphicsModifyPointMode)
{
    Stroking([&] { FGPGraphics->DrawLine(FGPPen.get(), ToGPPoint(AFromPoint), ToGPPoint(AToPoint)); });
}

void TRurGraphicsContextWin::DrawPolygon(const TRurGraphicsStroke&, const TRurGraphicsPathPolygon& APolygon)
{
    if (APolygon.empty())
        return;
    const std::vector<TGPPointF> points = ToGPPoints(APolygon);
    Stroking([&] { FGPGraphics->DrawPolygon(FGPPen.get(), points.data(), static_cast<int32_t>(points.size())); });
}

void TRurGraphicsContextWin::DrawPolyline(const TRurGraphicsStroke&, const TRurGraphicsPathPolygon& APolyline)
{
    if (APolyline.empty())
        return;
    const std::vector<TGPPointF> points = ToGPPoints(APolyline);
    Stroking([&] { FGPGraphics->DrawLines(FGPPen.get(), points.data(), static_cast<int32_t>(points.size())); });
}

void TRurGraphicsContextWin::FillPolygon(const TRurGraphicsFill&, const TRurGraphicsPathPolygon& APolygon)
{
    if (!FGPGraphics || APolygon.empty())
        return;
    const std::vector<TGPPointF> points = ToGPPoints(APolygon);
    TGPGraphicsPath path(FillModeAlternate);
    path.AddPolygon(points.data(), static_cast<int32_t>(points.size()));
    FillNativePath(path);
}

void TRurGraphicsContextWin::FillPolyline(const TRurGraphicsFill& AFill, const TRurGraphicsPathPolygon& APolyline)
{
    FillPolygon(AFill, APolyline);
}

void TRurGraphicsContextWin::DrawArc(const TRurGraphicsStroke&, TPointF ACenter, TPointF ARadius, float AStartAngle,
                                     float ASweepAngle)
{
    Stroking([&] {
        FGPGraphics->DrawArc(FGPPen.get(), ACenter.X - ARadius.X, ACenter.Y - ARadius.Y, 2 * ARadius.X, 2 * ARadius.Y,
                             AStartAngle, ASweepAngle);
    });
}

void TRurGraphicsContextWin::FillArc(const TRurGraphicsFill&, TPointF ACenter, TPointF ARadius, float AStartAngle,
                                     float ASweepAngle)
{
    if (!FGPGraphics)
        return;
    TGPGraphicsPath path(FillModeAlternate);
    path.AddArc(ACenter.X - ARadius.X, ACenter.Y - ARadius.Y, 2 * ARadius.X, 2 * ARadius.Y, AStartAngle, ASweepAngle);
    FillNativePath(path);
}

// Rectangles and ellipses take a path only where the brush needs one (a radial gradient).
void TRurGraphicsContextWin::FillRect(const TRurGraphicsFill&, TRectF ARect, TRurGraphicsModifyRectMode)
{
    if (!FGPGraphics)
        return;
    if (IsRadial()) {
        TGPGraphicsPath path(FillModeAlternate);
        path.AddRectangle(ToGPRect(ARect));
        FillNativePath(path);
        return;
    }
    PrepareBrush(ARect, nullptr);
    FGPGraphics->FillRectangle(FGPBrush.get(), ToGPRect(ARect));
}

void TRurGraphicsContextWin::FillEllipse(const TRurGraphicsFill&, TRectF ARect, TRurGraphicsModifyRectMode)
{
    if (!FGPGraphics)
        return;
    if (IsRadial()) {
        TGPGraphicsPath path(FillModeAlternate);
        path.AddEllipse(ToGPRect(ARect));
        FillNativePath(path);
        return;
    }
    PrepareBrush(ARect, nullptr);
    FGPGraphics->FillEllipse(FGPBrush.get(), ToGPRect(ARect));
}

void TRurGraphicsContextWin::DrawEllipse(const TRurGraphicsStroke&, TRectF ARect, TRurGraphicsModifyRectMode)
{
    Stroking([&] {
        FGPGraphics->DrawEllipse(FGPPen.get(), ARect.Left, ARect.Top, RectFWidth(ARect) - 1, RectFHeight(ARect) - 1);
    });
}

// Each side is a line of its own (ends not joined); they go to GDI+ as the open figures of one
// path, which draws them as separate lines would be drawn, in one call.
void TRurGraphicsContextWin::DrawRect(const TRurGraphicsStroke&, TRectF ARect, TRurGraphicsSides ASides,
                                      TRurGraphicsModifyRectMode)
{
    if (!FGPGraphics || ASides.Empty())
        return;
    const float L = ARect.Left, T = ARect.Top, R = ARect.Right - 1, B = ARect.Bottom - 1;
    TGPGraphicsPath path(FillModeAlternate);
    const auto line = [&](float x1, float y1, float x2, float y2) {
        path.StartFigure();
        path.AddLine(x1, y1, x2, y2);
    };
    if (ASides.Contains(gsTop))
        line(L, T, R, T);
    if (ASides.Contains(gsLeft))
        line(L, T, L, B);
    if (ASides.Contains(gsBottom))
        line(L, B, R, B);
    if (ASides.Contains(gsRight))
        line(R, T, R, B);
    Stroking([&] { FGPGraphics->DrawPath(FGPPen.get(), &path); });
}

void TRurGraphicsContextWin::DrawRoundRect(const TRurGraphicsStroke& AStroke, TRectF ARect, float ARounding,
                                           TRurGraphicsCorners ACorners, TRurGraphicsModifyRectMode)
{
    DrawPath(AStroke, RoundedOutline({ARect.Left, ARect.Top, ARect.Right - 1, ARect.Bottom - 1}, ARounding, ACorners),
             pdmPolygon);
}

void TRurGraphicsContextWin::FillRoundRect(const TRurGraphicsFill& AFill, TRectF ARect, float ARounding,
                                           TRurGraphicsCorners ACorners, TRurGraphicsModifyRectMode)
{
    FillPath(AFill, RoundedOutline(ARect, ARounding, ACorners), pdmPolygon);
}

void TRurGraphicsContextWin::DrawPath(const TRurGraphicsStroke& AStroke, const TRurGraphicsPath& APath,
                                      TRurGraphicsPathDrawMode APathMode)
{
    if (!FGPGraphics)
        return;
    if (APathMode == pdmPath) {
        std::unique_ptr<TGPGraphicsPath> path(static_cast<TGPGraphicsPath*>(ConvertToPath(APath, PathFlatness)));
        Stroking([&] { FGPGraphics->DrawPath(FGPPen.get(), path.get()); });
        return;
    }
    TRurGraphicsPathPolygon points;
    APath.FlattenToPolygon(points, PathFlatness);
    if (APathMode == pdmPolygon)
        DrawPolygon(AStroke, points);
    else
        DrawPolyline(AStroke, points);
}

void TRurGraphicsContextWin::FillPath(const TRurGraphicsFill& AFill, const TRurGraphicsPath& APath,
                                      TRurGraphicsPathDrawMode APathMode)
{
    if (!FGPGraphics)
        return;
    if (APathMode == pdmPath) {
        std::unique_ptr<TGPGraphicsPath> path(static_cast<TGPGraphicsPath*>(ConvertToPath(APath, PathFlatness)));
        FillNativePath(*path);
        return;
    }
    TRurGraphicsPathPolygon points;
    APath.FlattenToPolygon(points, PathFlatness);
    FillPolygon(AFill, points);
}

void TRurGraphicsContextWin::DrawFocusPath(const TRurGraphicsStroke& AStroke, const TRurGraphicsPath& APath,
                                           TColor AColor)
{
    if (!FGPGraphics)
        return;
    const int32_t mode = FGPGraphics->GetSmoothingMode();
    const DashStyle dash = FGPPen->GetDashStyle();
    const float width = FGPPen->GetWidth();
    ARGB color = 0;
    FGPPen->GetColor(color);
    FGPGraphics->SetSmoothingMode(SmoothingModeDefault);
    FGPPen->SetDashStyle(DashStyleDot);
    FGPPen->SetWidth(1);
    FGPPen->SetColor(ToGPColor(AColor, 1));
    DrawPath(AStroke, APath, pdmPolygon);
    FGPPen->SetColor(color);
    FGPPen->SetWidth(width);
    FGPPen->SetDashStyle(dash);
    FGPGraphics->SetSmoothingMode(mode);
}

void TRurGraphicsContextWin::DrawFocusRectangle(const TRurGraphicsStroke& AStroke, TRectF ARect, TColor AColor,
                                                TRurGraphicsModifyRectMode AModifyRectMode)
{
    if (!FGPGraphics)
        return;
    const int32_t mode = FGPGraphics->GetSmoothingMode();
    const DashStyle dash = FGPPen->GetDashStyle();
    const float width = FGPPen->GetWidth();
    ARGB color = 0;
    FGPPen->GetColor(color);
    FGPGraphics->SetSmoothingMode(SmoothingModeDefault);
    FGPPen->SetDashStyle(DashStyleDot);
    FGPPen->SetWidth(1);
    FGPPen->SetColor(ToGPColor(AColor, 1));
    DrawRect(AStroke, ARect, {gsLeft, gsTop, gsRight, gsBottom}, AModifyRectMode);
    FGPPen->SetColor(color);
    FGPPen->SetWidth(width);
    FGPPen->SetDashStyle(dash);
    FGPGraphics->SetSmoothingMode(mode);
}

void TRurGraphicsContextWin::ClipRect(TRectF ARect)
{
    if (FGPGraphics)
        FGPGraphics->SetClip(ToGPRect(ARect), CombineModeReplace);
}

void TRurGraphicsContextWin::ClipPath(const TRurGraphicsPath& APath)
{
    if (!FGPGraphics)
        return;
    std::unique_ptr<TGPGraphicsPath> path(static_cast<TGPGraphicsPath*>(ConvertToPath(APath, PathFlatness)));
    FGPGraphics->SetClip(path.get(), CombineModeReplace);
}

void TRurGraphicsContextWin::ResetClip()
{
    if (FGPGraphics)
        FGPGraphics->ResetClip();
}

TRectF TRurGraphicsContextWin::CalculateText(const String& AText, TRectF ARect, bool AWordWrapping)
{
    if (!FGPGraphics)
        return {};
    TGPRectF box{};
    FGPGraphics->MeasureString(AText, -1, GPFont(), ToGPRect(ARect),
                               StringFormat(gtaLeading, gtaLeading, AWordWrapping, gttNone), box);
    return {box.X, box.Y, box.X + box.Width, box.Y + box.Height};
}

void TRurGraphicsContextWin::DrawText(const String& AText, TRectF ARect, bool AWordWrapping,
                                      TRurGraphicsTextAlign AHorizontalAlign, TRurGraphicsTextAlign AVerticalAlign,
                                      TRurGraphicsTextTrimming ATrimming, float)
{
    if (!FGPGraphics)
        return;
    TGPSolidBrush brush(ToGPColor(FFont->Color(), 1));
    FGPGraphics->DrawString(AText, -1, GPFont(), ToGPRect(ARect),
                            StringFormat(AHorizontalAlign, AVerticalAlign, AWordWrapping, ATrimming), &brush);
}

TRectF TRurGraphicsContextWin::SetTextAngle(TRectF ARect, float AAngle)
{
    if (!FGPGraphics || AAngle == 0)
        return ARect;
    FTextMatrix = std::make_unique<TGPMatrix>();
    FGPGraphics->GetTransform(FTextMatrix.get());
    const float w = RectFWidth(ARect), h = RectFHeight(ARect);
    FGPGraphics->TranslateTransform(ARect.Left + w / 2, ARect.Top + h / 2, MatrixOrderPrepend);
    FGPGraphics->RotateTransform(AAngle, MatrixOrderPrepend);
    // The text runs along the longer side.
    if (h <= w)
        return {-w / 2, -h / 2, w / 2, h / 2};
    return {-h / 2, -w / 2, h / 2, w / 2};
}

void TRurGraphicsContextWin::ResetTextAngle(float AAngle)
{
    if (AAngle == 0 || !FTextMatrix)
        return;
    if (FGPGraphics)
        FGPGraphics->SetTransform(FTextMatrix.get());
    FTextMatrix.reset();
}

void TRurGraphicsContextWin::DrawBitmap(TGraphic* ABitmap, TRectF, TRectF ADstRect, float)
{
    if (!ABitmap || !FGPGraphics)
        return;
    TMemoryStream data;
    ABitmap->SaveToStream(data);
    TRurImageStream stream = CreateImageStream(data.Memory(), static_cast<size_t>(data.Size()));
    auto image = std::make_unique<TGPImage>(stream.get());
    if (image->GetType() == ImageTypeBitmap) {
        const auto w = static_cast<int32_t>(image->GetWidth());
        const auto h = static_cast<int32_t>(image->GetHeight());
        auto copy = std::make_unique<TGPBitmap>(w, h, PixelFormat32bppARGB);
        {
            TGPGraphics target(copy.get());
            target.DrawImage(image.get(), 0, 0, w, h);
        }
        image = std::move(copy);
    }
    FGPGraphics->DrawImage(image.get(), ToGPRect(ADstRect));
}
