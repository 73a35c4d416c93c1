// Faces of small controls painted with the drawing object's own shapes, bitmaps and text. They
// leave Fill, Stroke and Font changed; callers that need theirs back save and restore the state.
#include "Math.h"
#include "RurGraphics.h"
#include "SysUtils.h"

TColor GraphicsGlyphColor = 0;
TColor GraphicsButtonFocusedBorderColor = 0;
TColor GraphicsButtonFocusedColor = 0;
TColor GraphicsButtonDisabledBorderColor = 0;
TColor GraphicsButtonDisabledColor = 0;
TColor GraphicsButtonBorderColor = 0;
TColor GraphicsButtonColor = 0;

namespace {

// Border and face of a button in one state.
struct TButtonColors {
    TColor Border;
    TColor Face;
};

constexpr TButtonColors FixedDisabled{0xA9A9A9, 0xD3D3D3};
constexpr TButtonColors FixedFocused{0xB17F3C, 0xFBF1E5};
constexpr TButtonColors FixedNormal{0xA9A9A9, 0xE1E1E1};

constexpr TColor CheckFocusedBorder = 0xB48246;
constexpr TColor CheckDisabledBorder = 0xA9A9A9;
constexpr TColor CheckDisabledFace = 0xD3D3D3;

using TGlyphLine = TPointF[2];

constexpr TGlyphLine CloseGlyph[] = {{{3, 3}, {12, 12}}, {{3, 12}, {12, 3}}};
constexpr TGlyphLine DownGlyph[] = {{{5, 6}, {8, 9}}, {{8, 9}, {11, 6}}};
constexpr TGlyphLine UpGlyph[] = {{{5, 9}, {8, 6}}, {{8, 6}, {11, 9}}};
constexpr TGlyphLine RightGlyph[] = {{{6, 5}, {9, 8}}, {{9, 8}, {6, 11}}};
constexpr TGlyphLine LeftGlyph[] = {{{9, 5}, {6, 8}}, {{6, 8}, {9, 11}}};
constexpr TGlyphLine ExpandGlyph[] = {{{0, 1}, {6, 1}}, {{0, 2}, {6, 2}}, {{1, 3}, {5, 3}}, {{2, 4}, {4, 4}},
                                      {{3, 5}, {3, 5}}};

TRectF Shrunk(TRectF r, float by) { return {r.Left + by, r.Top + by, r.Right - by, r.Bottom - by}; }

TButtonColors ButtonColors(bool AFocused, bool AEnabled, bool AAdaptToStyle)
{
    if (!AEnabled)
        return AAdaptToStyle ? TButtonColors{GraphicsButtonDisabledBorderColor, GraphicsButtonDisabledColor}
                             : FixedDisabled;
    if (AFocused)
        return AAdaptToStyle ? TButtonColors{GraphicsButtonFocusedBorderColor, GraphicsButtonFocusedColor}
                             : FixedFocused;
    return AAdaptToStyle ? TButtonColors{GraphicsButtonBorderColor, GraphicsButtonColor} : FixedNormal;
}

// Border and face of a check box or radio button.
TButtonColors CheckColors(bool AFocused, bool AEnabled)
{
    if (!AEnabled)
        return {CheckDisabledBorder, CheckDisabledFace};
    return {AFocused ? CheckFocusedBorder : TColor(0), LightenColor(CheckDisabledFace, 85)};
}

} // namespace

void TRurGraphics::SetDefaultGraphicColors()
{
    GraphicsGlyphColor = 0;
    GraphicsButtonFocusedBorderColor = FixedFocused.Border;
    GraphicsButtonFocusedColor = FixedFocused.Face;
    GraphicsButtonDisabledBorderColor = FixedDisabled.Border;
    GraphicsButtonDisabledColor = FixedDisabled.Face;
    GraphicsButtonBorderColor = FixedNormal.Border;
    GraphicsButtonColor = FixedNormal.Face;
}

void TRurGraphics::DrawButton(TRectF ARect, bool ADown, bool AFocused, bool AEnabled, bool AAdaptToStyle, float)
{
    const TButtonColors colors = ButtonColors(AFocused, AEnabled, AAdaptToStyle);
    FStroke->SetKind(gskSolid);
    FStroke->SetWidth(1);
    FFill->SetKind(gfkSolid);
    FStroke->SetColor(colors.Border);
    FFill->SetColor(colors.Face);
    DrawRectangle(ARect, gcrmShrinkAll);
    FFill->SetKind(gfkNone);
    FStroke->SetColor(ADown ? LightenColor(colors.Border, 40) : colors.Face);
    DrawRectangle(Shrunk(ARect, 1), gcrmShrinkAll);
}

// Draws glyph lines into a white-keyed bitmap of ASize pixels, or loads the named glyph picture
// when not adapting to the style, and centres the picture in ATarget.
void TRurGraphics::DrawGlyph(TRectF ATarget, const TPointF (*ALines)[2], int ALineCount, int ASize, float AWidth,
                             float AScaleFactor, const String& AResourceName)
{
    std::unique_ptr<TRurBitmap> glyph;
    if (ASize > 0) {
        TBitmap bitmap;
        bitmap.SetSize(ASize, ASize);
        bitmap.SetTransparent(true);
        bitmap.SetTransparentColor(0xFFFFFF);
        bitmap.SetTransparentMode(tmFixed);
        {
            TRurGraphics painter(bitmap.Canvas(), false);
            painter.Fill()->SetColor(0xFFFFFF);
            painter.Stroke()->SetColor(0xFFFFFF);
            painter.DrawRectangle(0.0, 0.0, ASize, ASize, gcrmShrinkAll);
            painter.Stroke()->SetColor(GraphicsGlyphColor);
            painter.Stroke()->SetWidth(AWidth);
            for (int i = 0; i < ALineCount; ++i)
                painter.DrawLine(TPointF{ALines[i][0].X * AScaleFactor, ALines[i][0].Y * AScaleFactor},
                                 TPointF{ALines[i][1].X * AScaleFactor, ALines[i][1].Y * AScaleFactor},
                                 gcpmRightDown, gcpmRightDown);
        }
        glyph = std::make_unique<TRurBitmap>();
        glyph->Assign(&bitmap);
    } else {
        glyph = BitmapFromResource(AResourceName);
    }
    DrawBitmap(ATarget, glyph.get(), true, false, true, false);
}

void TRurGraphics::DrawCloseButton(TRectF ARect, bool ADown, bool AFocused, bool AEnabled, bool AAdaptToStyle,
                                   float AScaleFactor)
{
    DrawButton(ARect, ADown, AFocused, AEnabled, AAdaptToStyle, AScaleFactor);
    if (AAdaptToStyle)
        DrawGlyph(ARect, CloseGlyph, 2, static_cast<int>(Round(16 * AScaleFactor)), 2, AScaleFactor, {});
    else
        DrawGlyph(Shrunk(ARect, 6 * AScaleFactor), CloseGlyph, 2, 0, 0, AScaleFactor, u"RurGRAPHICSCLOSESVG");
}

void TRurGraphics::DrawExpanderButton(TRectF ARect, TRurGraphicsExpanderState AState, bool ADown, bool AFocused,
                                      bool AEnabled, bool AAdaptToStyle, float AScaleFactor)
{
    DrawButton(ARect, ADown, AFocused, AEnabled, AAdaptToStyle, AScaleFactor);
    const bool collapsed = AState == gesCollapsed;
    const auto* lines = collapsed ? DownGlyph : UpGlyph;
    if (AAdaptToStyle)
        DrawGlyph(ARect, lines, 2, static_cast<int>(Round(16 * AScaleFactor)), 2, AScaleFactor, {});
    else
        DrawGlyph(Shrunk(ARect, 4 * AScaleFactor), lines, 2, 0, 0, AScaleFactor,
                  collapsed ? u"RurGRAPHICSDOWNSVG" : u"RurGRAPHICSUPSVG");
}

void TRurGraphics::DrawCompactButton(TRectF ARect, TRurGraphicsCompactState AState, bool ADown, bool AFocused,
                                     bool AEnabled, bool AAdaptToStyle, float AScaleFactor)
{
    DrawButton(ARect, ADown, AFocused, AEnabled, AAdaptToStyle, AScaleFactor);
    const bool collapsed = AState == gcsCollapsed;
    const auto* lines = collapsed ? RightGlyph : LeftGlyph;
    if (AAdaptToStyle)
        DrawGlyph(ARect, lines, 2, static_cast<int>(Round(16 * AScaleFactor)), 2, AScaleFactor, {});
    else
        DrawGlyph(Shrunk(ARect, 4 * AScaleFactor), lines, 2, 0, 0, AScaleFactor,
                  collapsed ? u"RurGRAPHICSRIGHTSVG" : u"RurGRAPHICSLEFTSVG");
}

void TRurGraphics::DrawDropDownButton(TRectF ARect, bool ADown, bool AFocused, bool AEnabled, bool ACenter,
                                      bool AAdaptToStyle, float AScaleFactor)
{
    DrawButton(ARect, ADown, AFocused, AEnabled, AAdaptToStyle, 1);
    if (AAdaptToStyle) {
        const int size = static_cast<int>(Round(7 * AScaleFactor));
        const float left = ARect.Right - size - 10 * AScaleFactor;
        const TRectF target = ACenter || ARect.Left >= left ? ARect : TRectF{left, ARect.Top, ARect.Right, ARect.Bottom};
        DrawGlyph(target, ExpandGlyph, 5, size, 1, AScaleFactor, {});
    } else {
        const TRectF target = ACenter ? Shrunk(ARect, 4 * AScaleFactor)
                                      : Shrunk({ARect.Right - 16 * AScaleFactor, ARect.Top,
                                                ARect.Right - 2 * AScaleFactor, ARect.Bottom},
                                               2 * AScaleFactor);
        DrawGlyph(target, ExpandGlyph, 5, 0, 0, AScaleFactor, u"RurGRAPHICSEXPANDSVG");
    }
}

void TRurGraphics::DrawCheckBox(TRectF ARect, bool AChecked, bool AFocused, bool AEnabled, float)
{
    const TButtonColors colors = CheckColors(AFocused, AEnabled);
    TRectF r = Shrunk(ARect, 1);
    FFill->SetKind(gfkSolid);
    FFill->SetColor(colors.Face);
    FStroke->SetKind(gskSolid);
    FStroke->SetWidth(1);
    FStroke->SetColor(colors.Border);
    DrawRectangle(r, gcrmShrinkAll);
    const float dx = RectFWidth(r) / 5;
    const float dy = RectFHeight(r) / 5;
    r = {r.Left + dx, r.Top + dy, r.Right - dx, r.Bottom - dy};
    FStroke->SetWidth(2);
    if (AChecked) {
        DrawLine(TPointF{r.Left, r.Top}, TPointF{r.Right - 1, r.Bottom - 1}, gcpmRightDown, gcpmRightDown);
        DrawLine(TPointF{r.Right - 1, r.Top}, TPointF{r.Left, r.Bottom - 1}, gcpmRightDown, gcpmRightDown);
    }
}

void TRurGraphics::DrawRadioButton(TRectF ARect, bool AChecked, bool AFocused, bool AEnabled, float)
{
    const TButtonColors colors = CheckColors(AFocused, AEnabled);
    TRectF r = Shrunk(ARect, 1);
    FFill->SetKind(gfkSolid);
    FFill->SetColor(colors.Face);
    FStroke->SetKind(gskSolid);
    FStroke->SetWidth(1);
    FStroke->SetColor(colors.Border);
    DrawEllipse(r, gcrmShrinkAll);
    const float dx = RectFWidth(r) / 5;
    const float dy = RectFHeight(r) / 5;
    r = {r.Left + dx, r.Top + dy, r.Right - dx, r.Bottom - dy};
    FFill->SetColor(colors.Border);
    if (AChecked)
        DrawEllipse(r, gcrmShrinkAll);
}

void TRurGraphics::DrawProgressBar(TRectF ARect, float AValue, const String& AFormat, float AMax, TColor AColor,
                                   TColor ATextColor, bool AShowText, bool AEnabled, float)
{
    const TColor fillColor = FFill->Color();
    FFill->SetKind(gfkSolid);
    FFill->SetColor(AEnabled ? LightenColor(CheckDisabledFace, 75) : CheckDisabledFace);
    FStroke->SetKind(gskSolid);
    FStroke->SetColor(0xA9A9A9);
    DrawRectangle(ARect, gcrmShrinkAll);
    float v = AValue >= AMax ? AMax : AValue;
    if (v < 0)
        v = 0;
    if (AMax > 0) {
        TRectF bar = Shrunk(ARect, 1);
        bar.Right = (bar.Right - ARect.Left) * v / AMax + bar.Left;
        FFill->SetColor(AColor);
        FStroke->SetColor(AColor);
        DrawRectangle(bar, gcrmShrinkAll);
        if (AShowText) {
            const TColor fontColor = FFont->Color();
            FFont->SetColor(ATextColor);
            DrawText(ARect, Format(AFormat, {static_cast<double>(v / AMax * 100)}), false, gtaCenter, gtaCenter,
                     gttNone, 0, -1, -1, true, false);
            FFont->SetColor(fontColor);
        }
    }
    FFill->SetColor(fillColor);
}

void TRurGraphics::DrawSample(TCanvas* ACanvas, TRectF ARect)
{
    TRurGraphics g(ACanvas, false);
    g.Font()->SetName(u"Courier New");
    g.Font()->SetSize(20);
    g.Font()->SetColor(0xFFFFFF);
    g.Fill()->SetKind(gfkGradient);
    g.Fill()->SetColor(0x008CFF);
    g.Fill()->SetColorTo(0xB48246);
    g.Stroke()->SetColor(0x8B0000);
    g.DrawRectangle(ARect, gcrmShrinkAll);
    g.DrawText(ARect, u"Sample", false, gtaCenter, gtaCenter, gttNone, 0, -1, -1, true, false);
}
