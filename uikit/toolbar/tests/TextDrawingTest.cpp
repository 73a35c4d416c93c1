// Caption text: measuring, the ellipsis, the font fallbacks, the glass variants and the rotated
// hot-key caption, read back from offscreen bitmaps.
#include <gtest/gtest.h>

#include "RurToolBar_Colors.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_Text.h"
#include "ToolBarTestSupport.h"

using namespace RurGDIP;

namespace {

std::unique_ptr<TFont> CaptionFont(const String& name = u"DejaVu Sans", int height = -12)
{
    auto font = std::make_unique<TFont>();
    font->SetName(name);
    font->SetHeight(height);
    font->SetColor(clBlack);
    return font;
}

// The caption drawn on a white bitmap of the rectangle's size at the origin.
std::unique_ptr<TBitmap> Drawn(const String& caption, const String& wide, TFont* font, const TRect& r, bool ellipsis,
                               TAntiAlias antiAlias = aaAntiAlias, TRect* textR = nullptr)
{
    auto bitmap = Bitmap32(r.Right + 40, r.Bottom);
    TRect measured;
    DrawGDIPText(bitmap->Canvas(), taLeftJustify, DT_SINGLELINE | DT_VCENTER, r, caption, wide, font, true, true,
                 antiAlias, ellipsis, measured);
    if (textR)
        *textR = measured;
    return bitmap;
}

bool SamePixels(TBitmap* a, TBitmap* b)
{
    for (int y = 0; y < a->Height(); ++y)
        for (int x = 0; x < a->Width(); ++x)
            if (PixelOf(a, x, y) != PixelOf(b, x, y))
                return false;
    return true;
}

// The longest prefix whose drawing (followed by suffix) matches the bitmap; -1 when none does.
int MatchingPrefix(TBitmap* drawn, const String& text, const String& suffix, TFont* font, const TRect& r)
{
    for (int k = int(text.size()); k >= 0; --k) {
        auto candidate = Drawn(text.substr(0, size_t(k)) + suffix, u"", font, Rect(0, 0, 1000, r.Bottom), false);
        auto clipped = Bitmap32(drawn->Width(), drawn->Height());
        clipped->Canvas()->Draw(0, 0, candidate.get());
        if (SamePixels(clipped.get(), drawn))
            return k;
    }
    return -1;
}

TEST(CaptionTextTest, EmptyAndWideCaptions)
{
    auto font = CaptionFont();
    TRect textR = Rect(1, 2, 3, 4);
    auto empty = Drawn(u"", u"", font.get(), Rect(0, 0, 100, 20), true, aaAntiAlias, &textR);
    EXPECT_EQ(textR, Rect(0, 0, 0, 0));
    EXPECT_EQ(CountOther(empty.get(), Rect(0, 0, 140, 20), clWhite), 0);

    TRect wideR;
    auto wide = Drawn(u"", u"Wide", font.get(), Rect(0, 0, 100, 20), true, aaAntiAlias, &wideR);
    auto plain = Drawn(u"Wide", u"Other", font.get(), Rect(0, 0, 100, 20), true);
    EXPECT_GT(wideR.Width(), 10);
    EXPECT_TRUE(SamePixels(wide.get(), plain.get())) << "the wide caption stands in for an empty caption only";

    EXPECT_EQ(GetGDIPTextWidth(wide->Canvas(), u"", u"", aaAntiAlias, font.get()), 0);
    EXPECT_GT(GetGDIPTextWidth(wide->Canvas(), u"Caption text", u"", aaAntiAlias, font.get()),
              GetGDIPTextWidth(wide->Canvas(), u"Caption", u"", aaAntiAlias, font.get()));
    AddToContactSheet(u"DrawGDIPText", plain.get());
}

TEST(CaptionTextTest, LongCaptionsAreCut)
{
    auto font = CaptionFont();
    const String text = u"Paste Special Options";
    const TRect r = Rect(0, 0, 60, 20);
    auto withEllipsis = Drawn(text, u"", font.get(), r, true);
    const int kept = MatchingPrefix(withEllipsis.get(), text, u"...", font.get(), r);
    EXPECT_GT(kept, 0);
    EXPECT_LT(kept, int(text.size()));
    EXPECT_EQ(CountOther(withEllipsis.get(), Rect(r.Right, 0, r.Right + 40, 20), clWhite), 0)
        << "nothing is drawn outside the rectangle";

    auto cut = Drawn(text, u"", font.get(), r, false);
    const int keptPlain = MatchingPrefix(cut.get(), text, u"", font.get(), r);
    EXPECT_GT(keptPlain, kept) << "without the suffix more of the caption fits";

    auto fits = Drawn(u"Cut", u"", font.get(), r, true);
    EXPECT_EQ(MatchingPrefix(fits.get(), u"Cut", u"", font.get(), r), 3) << "a caption that fits is drawn whole";
    AddToContactSheet(u"Ellipsis", withEllipsis.get());
}

TEST(CaptionTextTest, MeasuringWrapsOnlyWithoutDrawing)
{
    auto font = CaptionFont();
    auto bitmap = Bitmap32(200, 60);
    TRect measured, drawn;
    DrawGDIPText(bitmap->Canvas(), taLeftJustify, 0, Rect(0, 0, 40, 60), u"Several words here", u"", font.get(), true,
                 false, aaAntiAlias, false, measured);
    DrawGDIPText(bitmap->Canvas(), taLeftJustify, 0, Rect(0, 0, 40, 60), u"Several words here", u"", font.get(), true,
                 true, aaAntiAlias, false, drawn);
    EXPECT_LE(measured.Width(), 41);
    EXPECT_GT(measured.Height(), drawn.Height()) << "measured in r it wraps";
    EXPECT_GT(drawn.Width(), 60) << "drawing measures in a 1000-pixel box";
}

TEST(CaptionTextTest, FontFallbacks)
{
    // A family GDI+ does not know is drawn in Arial.
    auto unknown = CaptionFont(u"No Such Family 42");
    auto arial = CaptionFont(u"Arial");
    auto a = Bitmap32(120, 20), b = Bitmap32(120, 20);
    TRect ra, rb;
    DrawGDIPTextEx(a->Canvas(), taLeftJustify, Rect(0, 0, 120, 20), u"Fallback", u"", unknown.get(), true, true,
                   aaAntiAlias, false, clNone, false, ra);
    DrawGDIPTextEx(b->Canvas(), taLeftJustify, Rect(0, 0, 120, 20), u"Fallback", u"", arial.get(), true, true,
                   aaAntiAlias, false, clNone, false, rb);
    EXPECT_EQ(ra, rb);
    EXPECT_TRUE(SamePixels(a.get(), b.get()));

    // A vector screen font is scalable; a raster one takes the DrawText path.
    auto canvasBitmap = Bitmap32(10, 10);
    TCanvas* canvas = canvasBitmap->Canvas();
    canvas->Font()->SetName(u"DejaVu Sans");
    EXPECT_TRUE(IsScalableScreenFont(canvas));
    canvas->Font()->SetName(u"System");
    EXPECT_FALSE(IsScalableScreenFont(canvas));
    EXPECT_FALSE(IsScalableScreenFont(nullptr));
}

TEST(CaptionTextTest, DrawTextPathWithoutAntiAliasing)
{
    // aaNone measures with DrawText in a 1000 x 100 box and draws with the given format.
    auto font = CaptionFont();
    TRect measured;
    auto bitmap = Drawn(u"Plain", u"", font.get(), Rect(0, 0, 100, 20), false, aaNone, &measured);
    EXPECT_EQ(measured.Left, 0);
    EXPECT_EQ(measured.Top, 0);
    EXPECT_GT(measured.Width(), 10);
    EXPECT_GT(CountOther(bitmap.get(), Rect(0, 0, 100, 20), clWhite), 10);

    // The word-wrapping variant measures its box where the rectangle starts.
    auto wrapped = Bitmap32(200, 80);
    TRect box;
    DrawGDIPTextEx(wrapped->Canvas(), taLeftJustify, Rect(10, 30, 150, 80), u"Two words", u"", font.get(), true, false,
                   aaNone, false, clNone, false, box);
    EXPECT_EQ(box.Left, 10);
    EXPECT_EQ(box.Top, 30);
    EXPECT_GT(box.Height(), 20) << "two lines, whatever the rectangle's top";
}

TEST(CaptionTextTest, GlassVariants)
{
    auto font = CaptionFont(u"DejaVu Sans", -12);
    font->SetColor(clNavy);
    // The halo path: filled in the blend first, then in the text colour.
    auto halo = Bitmap32(120, 30, clBlack);
    TRect r;
    DrawGDIPTextEx(halo->Canvas(), taLeftJustify, Rect(0, 0, 120, 30), u"Glass", u"", font.get(), true, true,
                   aaAntiAlias, false, clNone, true, r);
    EXPECT_GT(CountOf(halo.get(), Rect(0, 0, 120, 30), clNavy), 5);

    // Opaque on glass: DrawText on a bitmap of bkColor whose top-left colour drops out, placed two
    // pixels right and one down.
    auto opaque = Bitmap32(120, 30, clBlack);
    DrawGDIPTextEx(opaque->Canvas(), taLeftJustify, Rect(0, 0, 100, 24), u"Glass", u"", font.get(), true, true,
                   aaAntiAlias, true, clYellow, true, r);
    EXPECT_EQ(CountOf(opaque.get(), Rect(0, 0, 120, 30), clYellow), 0) << "the background colour is keyed out";
    EXPECT_EQ(CountOther(opaque.get(), Rect(0, 0, 2, 30), clBlack), 0);
    EXPECT_GT(CountOther(opaque.get(), Rect(2, 1, 102, 25), clBlack), 10);

    // The DC variant draws a one-pixel shadow darkened from the shadow colour under bold text.
    auto shadowed = Bitmap32(120, 30, clWhite);
    DrawGDIPTextDC(shadowed->Canvas()->Handle(), taLeftJustify, Rect(0, 0, 120, 30), u"Glass", u"", font.get(), true,
                   true, aaAntiAlias, clRed, true, r);
    EXPECT_GT(CountOf(shadowed.get(), Rect(0, 0, 120, 30), DarkenColor(clRed, 35)), 3);
    AddToContactSheet(u"Glass text (halo)", halo.get());
    AddToContactSheet(u"Glass text (shadow)", shadowed.get());
}

TEST(CaptionTextTest, VerticalHotkeyText)
{
    // The canvas font runs downwards; the hot key is underlined left of the text column.
    auto bitmap = Bitmap32(60, 120);
    TCanvas* canvas = bitmap->Canvas();
    canvas->Font()->SetName(u"DejaVu Sans");
    canvas->Font()->SetHeight(-12);
    canvas->Font()->SetOrientation(-900);
    canvas->Brush()->SetStyle(bsClear);
    DrawVerticalHotkeyText(canvas, u"ab&cd", TPoint{40, 5});
    const int h = canvas->TextHeight(u"abcd");
    const int w1 = canvas->TextWidth(u"ab"), w2 = canvas->TextWidth(u"c");
    const int lineX = 40 - h + 1;
    EXPECT_EQ(PixelOf(bitmap.get(), lineX, 5 + w1 + w2 / 2), clBlack);
    EXPECT_NE(PixelOf(bitmap.get(), lineX, 5 + w1 + w2 + 2), clBlack);

    auto doubled = Bitmap32(60, 120);
    TCanvas* c2 = doubled->Canvas();
    c2->Font()->Assign(canvas->Font());
    c2->Brush()->SetStyle(bsClear);
    DrawVerticalHotkeyText(c2, u"a&&b", TPoint{40, 5});
    auto single = Bitmap32(60, 120);
    single->Canvas()->Font()->Assign(canvas->Font());
    single->Canvas()->Brush()->SetStyle(bsClear);
    single->Canvas()->TextOut(40, 5, u"a&b");
    EXPECT_TRUE(SamePixels(doubled.get(), single.get())) << "doubled ampersands draw single, nothing underlined";
    AddToContactSheet(u"Vertical hot key", bitmap.get());
}

} // namespace
