// Text on the statically imported graphics wrapper: measuring, drawing, fonts made from framework
// fonts, and the one-line DrawText the caption engine measures and draws runs with.
#include "RurGDIPFlat.h"

namespace RurGDIP {

namespace {

// Layout box wide and high enough for any one text measurement.
constexpr float MeasureExtent = 10000;
// DrawText measures with this much room to the right of the rectangle, so nothing wraps.
constexpr float MeasureSlack = 1000;
const String FallbackFamily = u"Arial";

// -1 and lengths beyond the text mean the whole text; GDI+ must never read past it.
int TextLength(const String& text, int length)
{
    int size = int(text.size());
    return length < 0 || length > size ? size : length;
}

// How much wider GDI+ measures a run than the platform's text output does, by point size.
double MeasureCorrection(int pointSize)
{
    double correction = 2;
    if (pointSize >= 9)
        correction += double(Round((pointSize - 8) / 1.5));
    return correction;
}

} // namespace

TStatus TGPGraphics::MeasureString(const String& string_, int length, const TGPFont* font, const TGPRectF& layoutRect,
                                   const TGPStringFormat* stringFormat, TGPRectF& boundingBox, int* codepointsFitted,
                                   int* linesFilled)
{
    return SetStatus(GdipMeasureString(nativeGraphics, WideText(string_), TextLength(string_, length), NativeOf(font),
                                       &layoutRect, NativeOf(stringFormat), &boundingBox, codepointsFitted, linesFilled));
}

TStatus TGPGraphics::MeasureString(const String& string_, int length, const TGPFont* font, const TGPPointF& origin,
                                   const TGPStringFormat* stringFormat, TGPRectF& boundingBox)
{
    return MeasureString(string_, length, font, MakeRectF(origin.X, origin.Y, 0, 0), stringFormat, boundingBox);
}

TStatus TGPGraphics::MeasureString(const String& string_, int length, const TGPFont* font, const TGPRectF& layoutRect,
                                   TGPRectF& boundingBox)
{
    return MeasureString(string_, length, font, layoutRect, nullptr, boundingBox);
}

TStatus TGPGraphics::DrawString(const String& string_, int length, const TGPFont* font, const TGPRectF& layoutRect,
                                const TGPStringFormat* stringFormat, const TGPBrush* brush)
{
    return SetStatus(GdipDrawString(nativeGraphics, WideText(string_), TextLength(string_, length), NativeOf(font),
                                    &layoutRect, NativeOf(stringFormat), NativeOf(brush)));
}

TStatus TGPGraphics::DrawString(const String& string_, int length, const TGPFont* font, const TGPPointF& origin,
                                const TGPStringFormat* stringFormat, const TGPBrush* brush)
{
    return DrawString(string_, length, font, MakeRectF(origin.X, origin.Y, 0, 0), stringFormat, brush);
}

TStatus TGPGraphics::DrawString(const String& string_, int length, const TGPFont* font, const TGPPointF& origin,
                                const TGPBrush* brush)
{
    return DrawString(string_, length, font, origin, nullptr, brush);
}

std::unique_ptr<TGPFont> TGPGraphics::MakeFont(const TFont* font) { return MakeFont(font, float(font->Size())); }

std::unique_ptr<TGPFont> TGPGraphics::MakeFont(const TFont* font, float size)
{
    auto family = std::make_unique<TGPFontFamily>(font->Name());
    if (family->LastStatus() == FontFamilyNotFound || family->LastStatus() == FontStyleNotFound)
        family = std::make_unique<TGPFontFamily>(FallbackFamily);
    return std::make_unique<TGPFont>(family.get(), size, FontStyleBits(font->Style()), UnitPoint);
}

TGPFont* TGPGraphics::MakeFontEx(const TFont* font) { return MakeFontEx(font, float(font->Size())); }

TGPFont* TGPGraphics::MakeFontEx(const TFont* font, float size)
{
    if (FCachedFont && FCachedFont->GetSize() == size && FCachedFont->GetStyle() == FontStyleBits(font->Style())) {
        TGPFontFamily family;
        String name;
        FCachedFont->GetFamily(&family);
        family.GetFamilyName(name, 0);
        if (name == font->Name())
            return FCachedFont.get();
    }
    FCachedFont = MakeFont(font, size);
    return FCachedFont.get();
}

int TGPGraphics::TextHeight(const String& string_, const TFont* font)
{
    TGPRectF box{};
    MeasureString(string_, -1, MakeFontEx(font), MakeRectF(0, 0, MeasureExtent, MeasureExtent), box);
    return int(Round(box.Height));
}

int TGPGraphics::TextWidth(const String& string_, const TFont* font)
{
    TGPRectF box{};
    MeasureString(string_, -1, MakeFontEx(font), MakeRectF(0, 0, MeasureExtent, MeasureExtent), box);
    return int(Round(box.Width));
}

int TGPGraphics::DrawText(const String& string_, int length, TRect& rect, const TFont* font, UINT style, TColor bkColor)
{
    TGPFont* gpFont = MakeFontEx(font);
    bool calcRect = (style & DT_CALCRECT) != 0;
    if (calcRect || bkColor != clNone) {
        // A trailing blank measures as nothing: measure an "i" in its place.
        String measured = string_;
        if (measured.size() > 1 && measured.back() == u' ')
            measured.back() = u'i';
        double correction = MeasureCorrection(font->Size());
        TGPRectF box{};
        MeasureString(measured, length, gpFont,
                      MakeRectF(float(rect.Left), float(rect.Top), float(rect.Width()) + MeasureSlack, float(rect.Height())),
                      box);
        rect.Right = rect.Left + int(Round(box.Width - correction));
        rect.Bottom = rect.Top + int(Round(box.Height));
        if (bkColor != clNone) {
            TGPSolidBrush background(ColorToARGB(bkColor));
            FillRectangle(&background, float(rect.Left + 1), float(rect.Top), float(box.Width - correction + 1),
                          box.Height);
        }
    }
    if (!calcRect) {
        TGPSolidBrush foreground(ColorToARGB(font->Color()));
        DrawString(string_, length, gpFont, MakePointF(float(rect.Left), float(rect.Top)), &foreground);
    }
    return rect.Height();
}

} // namespace RurGDIP
