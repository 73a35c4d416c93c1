// Caption text measured and drawn through GDI+, with DrawText where GDI+ cannot render the font.
#include "RurToolBar_Text.h"

#include <memory>

#include "Forms.h"
#include "Math.h"
#include "RurToolBar_Colors.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_Shapes.h"
#include "WideText.h"

using namespace RurGDIP;

namespace {

const String& TextOf(const String& caption, const String& wideCaption)
{
    return caption.empty() ? wideCaption : caption;
}

int RoundToInt(double value) { return int(Round(value)); }

TRect RoundedBox(const TGPRectF& box)
{
    return Rect(RoundToInt(box.X), RoundToInt(box.Y), RoundToInt(box.X + box.Width), RoundToInt(box.Y + box.Height));
}

// The GDI+ family of the font's name, or Arial when GDI+ has no such family or style.
std::unique_ptr<TGPFontFamily> FamilyOf(const TFont* font)
{
    auto family = std::make_unique<TGPFontFamily>(font->Name());
    const TStatus status = family->LastStatus();
    if (status == FontFamilyNotFound || status == FontStyleNotFound)
        family = std::make_unique<TGPFontFamily>(u"Arial");
    return family;
}

int GdipStyle(const TFont* font, bool withStrikeOut)
{
    const TFontStyles style = font->Style();
    return (style.Contains(fsBold) ? FontStyleBold : 0) | (style.Contains(fsItalic) ? FontStyleItalic : 0) |
           (style.Contains(fsUnderline) ? FontStyleUnderline : 0) |
           (withStrikeOut && style.Contains(fsStrikeOut) ? FontStyleStrikeout : 0);
}

void SetRenderingHint(TGPGraphics& g, TAntiAlias antiAlias)
{
    if (antiAlias == aaClearType)
        g.SetTextRenderingHint(TextRenderingHintClearTypeGridFit);
    else if (antiAlias == aaAntiAlias)
        g.SetTextRenderingHint(TextRenderingHintAntiAlias);
}

ARGB TextColor(const TFont* font, bool enabled) { return ColorToARGB(enabled ? font->Color() : clGray); }

// The font, family and format a GDI+ caption is drawn with: vertically centred, "&" shown as an
// underlined hot key.
struct TGdipCaption {
    TGdipCaption(const TFont* font, bool withStrikeOut)
        : Family(FamilyOf(font)),
          Font(std::make_unique<TGPFont>(Family.get(), float(font->Size()), GdipStyle(font, withStrikeOut), UnitPoint))
    {
        Format.SetLineAlignment(StringAlignmentCenter);
        Format.SetHotkeyPrefix(HotkeyPrefixShow);
    }
    std::unique_ptr<TGPFontFamily> Family;
    std::unique_ptr<TGPFont> Font;
    TGPStringFormat Format;
};

TGPRectF LayoutOf(const TRect& r) { return MakeRectF(float(r.Left), float(r.Top), float(r.Width()), float(r.Height())); }

// DrawText flags of a single vertically centred line aligned as asked.
UINT SingleLineFlags(TAlignment alignment)
{
    return DT_SINGLELINE | DT_VCENTER | (alignment == taRightJustify ? DT_RIGHT : 0) |
           (alignment == taCenter ? DT_CENTER : 0);
}

void SetWrappedAlignment(TGPStringFormat& format, TAlignment alignment)
{
    if (alignment == taLeftJustify)
        format.SetAlignment(StringAlignmentNear);
    else if (alignment == taRightJustify)
        format.SetAlignment(StringAlignmentFar);
    else if (alignment == taCenter)
        format.SetAlignment(StringAlignmentCenter);
}

// The wrapped box of the text in r as DrawText measures it on dc: a 2-pixel-wide start that
// DT_CALCRECT widens to the longest word.
TGPRectF MeasureWithDrawText(HDC dc, const String& text, const TRect& r)
{
    RECT box{r.Left, r.Top, r.Left + 2, r.Top};
    const int height = DrawShapedText(dc, text, box, DT_CALCRECT | DT_WORDBREAK);
    return MakeRectF(float(box.left), float(box.top), float(box.right - box.left), float(height));
}

// The text as a path of emSize pixels in the layout box, filled with each brush in turn.
void FillTextPath(TGPGraphics& g, const String& text, const TGdipCaption& caption, int style, float emSize,
                  const TGPRectF& layout, std::initializer_list<ARGB> fills)
{
    TGPGraphicsPath path;
    path.AddString(text, int(text.size()), caption.Family.get(), style, emSize, layout, &caption.Format);
    for (ARGB fill : fills) {
        TGPSolidBrush brush(fill);
        g.FillPath(&brush, &path);
    }
}

} // namespace

HDC TextDC(TCanvas* canvas)
{
    // An empty text call makes the canvas select what text drawing uses.
    canvas->TextRect(Rect(0, 0, 0, 0), 0, 0, u"");
    return canvas->Handle();
}

bool IsScalableScreenFont(TCanvas* canvas)
{
    if (!canvas)
        return false;
    TEXTMETRICW metrics{};
    if (!GetTextMetricsW(TextDC(canvas), &metrics))
        return false;
    if ((metrics.tmPitchAndFamily & TMPF_VECTOR) == 0 || (metrics.tmPitchAndFamily & TMPF_DEVICE) != 0)
        return false;
    return Screen->Fonts()->IndexOf(canvas->Font()->Name()) >= 0;
}

void DrawGDIPText(TCanvas* canvas, TAlignment alignment, UINT dtFormat, const TRect& r, const String& caption,
                  const String& wideCaption, TFont* font, bool enabled, bool realDraw, TAntiAlias antiAlias,
                  bool ellipsis, TRect& textR)
{
    textR = Rect(0, 0, 0, 0);
    String text = TextOf(caption, wideCaption);
    if (text.empty())
        return;
    canvas->Font()->SetName(font->Name());
    if (antiAlias == aaNone || !IsScalableScreenFont(canvas)) {
        RECT box{0, 0, 1000, 100};
        DrawShapedText(TextDC(canvas), text, box, DT_CALCRECT | DT_SINGLELINE);
        textR = FromWinRect(box);
        if (realDraw) {
            RECT target = ToWinRect(r);
            DrawShapedText(TextDC(canvas), text, target, dtFormat);
        }
        return;
    }
    TGPGraphics g(canvas->Handle());
    TGdipCaption gdip(font, true);
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    const TGPRectF layout = LayoutOf(r);
    TGPSolidBrush brush(TextColor(font, enabled));
    gdip.Format.SetAlignment(alignment == taLeftJustify    ? StringAlignmentNear
                             : alignment == taRightJustify ? StringAlignmentFar
                                                           : StringAlignmentCenter);
    SetRenderingHint(g, antiAlias);
    const TGPRectF wide = MakeRectF(layout.X, layout.Y, 1000, layout.Height);
    auto measure = [&](const String& s, const TGPRectF& in) {
        TGPRectF box{};
        g.MeasureString(s, int(s.size()), gdip.Font.get(), in, &gdip.Format, box);
        return box;
    };
    const TGPRectF box = measure(text, realDraw ? wide : layout);
    textR = RoundedBox(box);
    if (!realDraw)
        return;
    if (box.Width > layout.Width) {
        const String suffix = ellipsis ? u"..." : u"";
        for (size_t tries = text.size() + 1; tries > 0; --tries) {
            if (text.empty() || measure(text + suffix, wide).Width <= layout.Width)
                break;
            text.pop_back();
        }
        text += suffix;
    }
    g.DrawString(text, int(text.size()), gdip.Font.get(), layout, &gdip.Format, &brush);
}

namespace {

// What the word-wrapping captions share: a graphics object on the device context (anti-aliased,
// unless it will draw on glass), the caption's font and format (wrapping, no trimming, aligned as
// asked), its brush, and the box the text takes in r.
struct TWrappedCaption {
    TWrappedCaption(HDC dc, TAlignment alignment, const TRect& r, TFont* font, bool enabled, bool realDraw,
                    TAntiAlias antiAlias, bool glass)
        : G(dc), Gdip(font, false), Layout(LayoutOf(r)), Color(TextColor(font, enabled)), Brush(Color)
    {
        if (!(glass && realDraw))
            G.SetSmoothingMode(SmoothingModeAntiAlias);
        SetWrappedAlignment(Gdip.Format, alignment);
        Gdip.Format.SetTrimming(StringTrimmingNone);
        SetRenderingHint(G, antiAlias);
    }
    // GDI+ measures, or DrawText on dc without anti-aliasing.
    TRect Measure(const String& text, TAntiAlias antiAlias, HDC dc, const TRect& r)
    {
        TGPRectF box{};
        if (antiAlias != aaNone)
            G.MeasureString(text, int(text.size()), Gdip.Font.get(), Layout, &Gdip.Format, box);
        else
            box = MeasureWithDrawText(dc, text, r);
        return RoundedBox(box);
    }
    void DrawString(const String& text) { G.DrawString(text, int(text.size()), Gdip.Font.get(), Layout, &Gdip.Format, &Brush); }

    TGPGraphics G;
    TGdipCaption Gdip;
    TGPRectF Layout;
    ARGB Color;
    TGPSolidBrush Brush;
};

} // namespace

void DrawGDIPTextEx(TCanvas* canvas, TAlignment alignment, const TRect& r, const String& caption,
                    const String& wideCaption, TFont* font, bool enabled, bool realDraw, TAntiAlias antiAlias,
                    bool opaqueOnGlass, TColor bkColor, bool glass, TRect& textR)
{
    textR = Rect(0, 0, 0, 0);
    const String& text = TextOf(caption, wideCaption);
    if (text.empty())
        return;
    const TColor textColor = enabled ? font->Color() : clGray;
    if (antiAlias == aaNone) {
        canvas->Font()->Assign(font);
        canvas->Font()->SetColor(textColor);
    }
    TWrappedCaption wrapped(canvas->Handle(), alignment, r, font, enabled, realDraw, antiAlias, glass);
    textR = wrapped.Measure(text, antiAlias, TextDC(canvas), r);
    if (!realDraw)
        return;
    if (glass && !opaqueOnGlass) {
        wrapped.G.SetSmoothingMode(SmoothingModeHighQuality);
        const float emSize = float(font->Size() + (DPIScale == 1.0f ? 3 : 2)) * DPIScale;
        FillTextPath(wrapped.G, text, wrapped.Gdip, FontStyleRegular, emSize, wrapped.Layout,
                     {ColorToARGB(BlendColor(textColor, clWhite, 60)), wrapped.Color});
    } else if (glass) {
        TBitmap bitmap(RoundToInt(wrapped.Layout.Width), RoundToInt(wrapped.Layout.Height));
        TCanvas* target = bitmap.Canvas();
        if (bkColor != clNone) {
            target->Brush()->SetColor(bkColor);
            target->FillRect(Rect(0, 0, bitmap.Width(), bitmap.Height()));
        }
        target->Font()->Assign(font);
        target->Font()->SetColor(textColor);
        target->Brush()->SetStyle(bsClear);
        RECT inside{0, 0, bitmap.Width(), bitmap.Height()};
        DrawShapedText(TextDC(target), text, inside, SingleLineFlags(alignment));
        DrawGDIPGraphic(&wrapped.G, nullptr, TPoint{r.Left + 2, r.Top + 1}, &bitmap, true);
    } else if (antiAlias == aaNone) {
        canvas->Brush()->SetStyle(bsClear);
        const TGPRectF& layout = wrapped.Layout;
        RECT inside = ToWinRect(Rect(RoundToInt(layout.X), RoundToInt(layout.Y), RoundToInt(layout.X + layout.Width),
                                     RoundToInt(layout.Y + layout.Height)));
        DrawShapedText(TextDC(canvas), text, inside, SingleLineFlags(alignment));
    } else {
        wrapped.DrawString(text);
    }
}

void DrawGDIPTextDC(HDC dc, TAlignment alignment, const TRect& r, const String& caption, const String& wideCaption,
                    TFont* font, bool enabled, bool realDraw, TAntiAlias antiAlias, TColor shadowColor, bool glass,
                    TRect& textR)
{
    textR = Rect(0, 0, 0, 0);
    const String& text = TextOf(caption, wideCaption);
    if (text.empty())
        return;
    TWrappedCaption wrapped(dc, alignment, r, font, enabled, realDraw, antiAlias, glass);
    textR = wrapped.Measure(text, antiAlias, dc, r);
    if (!realDraw)
        return;
    if (!glass) {
        wrapped.DrawString(text);
        return;
    }
    wrapped.G.SetSmoothingMode(SmoothingModeHighQuality);
    const float emSize = float(font->Size() + 2) * DPIScale;
    TGPRectF shadowLayout = wrapped.Layout;
    shadowLayout.Y += 1;
    FillTextPath(wrapped.G, text, wrapped.Gdip, FontStyleBold, emSize, shadowLayout,
                 {ColorToARGB(DarkenColor(shadowColor, 35))});
    FillTextPath(wrapped.G, text, wrapped.Gdip, FontStyleBold, emSize, wrapped.Layout, {wrapped.Color});
}

int GetGDIPTextWidth(TCanvas* canvas, const String& caption, const String& wideCaption, TAntiAlias antiAlias,
                     TFont* font)
{
    TRect textR;
    DrawGDIPTextDC(TextDC(canvas), taLeftJustify, Rect(0, 0, 1000, 100), caption, wideCaption, font, true, false,
                   antiAlias, clNone, false, textR);
    return textR.Width();
}

void DrawVerticalHotkeyText(TCanvas* canvas, const String& text, TPoint p)
{
    // "&&" is a literal ampersand; a single "&" marks the next character.
    String stripped;
    int hotKey = -1;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != u'&' && hotKey < 0)
                hotKey = int(stripped.size());
        }
        stripped += text[i];
    }
    canvas->TextOut(p.X, p.Y, stripped);
    if (hotKey < 0)
        return;
    const int h = canvas->TextHeight(stripped);
    const int w1 = canvas->TextWidth(stripped.substr(0, size_t(hotKey)));
    const int w2 = canvas->TextWidth(stripped.substr(size_t(hotKey), 1));
    canvas->Pen()->SetColor(canvas->Font()->Color());
    canvas->MoveTo(p.X - h + 1, p.Y + w1);
    canvas->LineTo(p.X - h + 1, p.Y + w1 + w2);
}
