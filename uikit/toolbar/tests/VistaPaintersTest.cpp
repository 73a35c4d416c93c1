// The two-half Vista painters and the segmented-button borders, read back as pixels.
#include <gtest/gtest.h>

#include <cstdlib>

#include "RurToolBar_Colors.h"
#include "RurToolBar_Vista.h"
#include "ToolBarTestSupport.h"

using namespace RurGDIP;

namespace {

// Anti-aliased one-pixel lines on whole coordinates land within a few steps of their colour.
bool Near(TColor actual, TColor expected)
{
    for (int shift : {0, 8, 16})
        if (std::abs(int((actual >> shift) & 0xFF) - int((expected >> shift) & 0xFF)) > 12)
            return false;
    return true;
}

int Distance(TColor a, TColor b)
{
    int sum = 0;
    for (int shift : {0, 8, 16})
        sum += std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF));
    return sum;
}

// Within a gradient: nearer its end than its start colour.
bool NearerTo(TColor actual, TColor end, TColor start) { return Distance(actual, end) < Distance(actual, start); }

constexpr TColor Upper = 0x3060F0, UpperTo = 0xF0C030, Mirror = 0x30A030, MirrorTo = 0xA0F0A0, Border = 0x800000;

TEST(VistaGradientTest, HalvesOfAnOddHeight)
{
    // R is 40 x 21 at (10, 5): hh = 10, so the mirror half starts at row 15; the upper gradient covers
    // rows 6 to 14 (H - 11 - 1 = 9 rows below R.Top + 1) and column 10 keeps the solid base.
    auto bitmap = Bitmap32(60, 32);
    DrawVistaGradient(bitmap->Canvas(), Rect(10, 5, 50, 26), Upper, UpperTo, Mirror, MirrorTo, clNone, ggVertical,
                      ggVertical, false);
    EXPECT_EQ(PixelOf(bitmap.get(), 30, 5), Upper) << "the top row is the base, not the gradient";
    EXPECT_EQ(PixelOf(bitmap.get(), 10, 14), Upper) << "the left column is the base";
    EXPECT_TRUE(NearerTo(PixelOf(bitmap.get(), 30, 14), UpperTo, Upper)) << "the gradient runs down to row 14";
    EXPECT_TRUE(NearerTo(PixelOf(bitmap.get(), 30, 6), Upper, UpperTo));
    EXPECT_EQ(PixelOf(bitmap.get(), 30, 15), Mirror) << "the mirror half starts at R.Top + 10";
    EXPECT_TRUE(NearerTo(PixelOf(bitmap.get(), 30, 24), MirrorTo, Mirror));
    EXPECT_EQ(PixelOf(bitmap.get(), 9, 15), clWhite);
    EXPECT_EQ(bitmap->Canvas()->Brush()->Style(), bsClear) << "text drawn next has no background";
    AddToContactSheet(u"Vista halves", bitmap.get());
}

TEST(VistaGradientTest, FlatFormAndBorders)
{
    // Flat: the fill starts one pixel left of R and is as wide as R; the square border starts two
    // pixels left and is one pixel wider than R.
    auto flat = Bitmap32(60, 32);
    DrawVistaGradient(flat->Canvas(), Rect(10, 5, 50, 26), Upper, clNone, clNone, clNone, Border, ggVertical,
                      ggVertical, false);
    EXPECT_EQ(PixelOf(flat.get(), 9, 15), Upper);
    EXPECT_TRUE(Near(PixelOf(flat.get(), 8, 15), Border));
    EXPECT_TRUE(Near(PixelOf(flat.get(), 49, 15), Border));
    EXPECT_EQ(PixelOf(flat.get(), 50, 15), clWhite);
    EXPECT_TRUE(Near(PixelOf(flat.get(), 30, 5), Border));
    EXPECT_TRUE(Near(PixelOf(flat.get(), 30, 25), Border));
    AddToContactSheet(u"Vista flat", flat.get());

    // Without a border colour neither form draws one; round edges leave the corner pixel.
    for (TColor colorTo : {clNone, UpperTo}) {
        auto bitmap = Bitmap32(60, 32);
        DrawVistaGradient(bitmap->Canvas(), Rect(10, 5, 50, 26), Upper, colorTo, colorTo == clNone ? clNone : Mirror,
                          MirrorTo, clNone, ggVertical, ggVertical, false);
        EXPECT_EQ(PixelOf(bitmap.get(), 30, 5), Upper);
        EXPECT_EQ(PixelOf(bitmap.get(), 8, 15), clWhite);
    }
    auto round = Bitmap32(60, 32);
    DrawVistaGradient(round->Canvas(), Rect(10, 5, 50, 26), Upper, UpperTo, Mirror, MirrorTo, Border, ggRadial,
                      ggRadial, true);
    EXPECT_TRUE(Near(PixelOf(round.get(), 30, 5), Border));
    EXPECT_TRUE(Near(PixelOf(round.get(), 10, 15), Border));
    EXPECT_FALSE(Near(PixelOf(round.get(), 10, 5), Border)) << "the rounded corner spares the corner";
    AddToContactSheet(u"Vista radial, round", round.get());
}

TEST(VistaButtonTest, SegmentBordersByPlace)
{
    // Three 30 x 20 segments, each painted at the origin of its own surface as the ribbon does.
    const TColor darker = ShadeColor(Border, -5), light = ShadeColor(clWhite, -10);
    ASSERT_EQ(light, 0xE6E6E6);
    auto segment = [&](TButtonPosition position, bool hot) {
        auto bitmap = Bitmap32(30, 20);
        DrawVistaButton(bitmap->Canvas(), Rect(0, 0, 30, 20), Upper, UpperTo, Mirror, MirrorTo, Border, ggVertical,
                        ggVertical, position, hot, false, true);
        return bitmap;
    };
    auto left = segment(bpLeft, false);
    EXPECT_TRUE(Near(PixelOf(left.get(), 29, 10), darker)) << "the left segment's right edge is 5 % darker";
    EXPECT_TRUE(Near(PixelOf(left.get(), 0, 10), Border));
    EXPECT_FALSE(Near(PixelOf(left.get(), 0, 0), Border)) << "rounded on the left";

    auto middle = segment(bpMiddle, false);
    EXPECT_TRUE(Near(PixelOf(middle.get(), 0, 10), light)) << "a light separator on the left";
    EXPECT_FALSE(Near(PixelOf(middle.get(), 0, 1), light)) << "two pixels shorter at each end";
    EXPECT_TRUE(Near(PixelOf(middle.get(), 0, 2), light));
    EXPECT_TRUE(Near(PixelOf(middle.get(), 15, 0), Border));
    EXPECT_TRUE(Near(PixelOf(middle.get(), 15, 19), Border));
    auto middleHot = segment(bpMiddle, true);
    EXPECT_TRUE(Near(PixelOf(middleHot.get(), 0, 1), darker));

    auto right = segment(bpRight, false);
    EXPECT_TRUE(Near(PixelOf(right.get(), 0, 10), light));
    EXPECT_TRUE(Near(PixelOf(right.get(), 29, 10), Border));
    auto rightHot = segment(bpRight, true);
    EXPECT_TRUE(Near(PixelOf(rightHot.get(), 0, 10), darker)) << "hot: the left edge turns into the darker border";

    auto standalone = segment(bpStandalone, false);
    EXPECT_TRUE(Near(PixelOf(standalone.get(), 29, 10), Border));
    EXPECT_TRUE(NearerTo(PixelOf(standalone.get(), 15, 1), Upper, UpperTo)) << "the upper half runs from Color";
    EXPECT_TRUE(NearerTo(PixelOf(standalone.get(), 15, 18), Mirror, MirrorTo)) << "the lower one down to ColorMirror";

    // Transparent: neither halves nor border.
    auto transparent = Bitmap32(30, 20);
    DrawVistaButton(transparent->Canvas(), Rect(0, 0, 30, 20), Upper, UpperTo, Mirror, MirrorTo, Border, ggVertical,
                    ggVertical, bpStandalone, true, true, true);
    EXPECT_EQ(CountOther(transparent.get(), Rect(0, 0, 30, 20), clWhite), 0);

    auto strip = Bitmap32(96, 20);
    strip->Canvas()->Draw(0, 0, left.get());
    strip->Canvas()->Draw(30, 0, middleHot.get());
    strip->Canvas()->Draw(60, 0, right.get());
    AddToContactSheet(u"Vista segments", strip.get());
}

TEST(VistaButtonTest, HalfWithAMissingColour)
{
    // Only the base is painted: the second colour for a lower half, and for an upper half what the
    // opaque conversion makes of clNone (white).
    auto lower = Bitmap32(20, 10, clBlack);
    auto upper = Bitmap32(20, 10, clBlack);
    {
        TGPGraphics g(lower->Canvas()->Handle());
        DrawVistaHalf(lower->Canvas(), &g, Rect(0, 0, 20, 10), clNone, Mirror, ggRadial, false);
    }
    {
        TGPGraphics g(upper->Canvas()->Handle());
        DrawVistaHalf(upper->Canvas(), &g, Rect(0, 0, 20, 10), clNone, Mirror, ggVertical, true);
    }
    EXPECT_EQ(CountOf(lower.get(), Rect(0, 0, 20, 10), Mirror), 200);
    EXPECT_EQ(CountOf(upper.get(), Rect(0, 0, 20, 10), clWhite), 200);

    // The single-half rectangle: the first colour at the top, the second at the bottom.
    auto rect = Bitmap32(20, 20);
    DrawGDIPGradientRect(nullptr, rect->Canvas(), Upper, UpperTo, Rect(0, 0, 20, 20));
    EXPECT_TRUE(Near(PixelOf(rect.get(), 10, 0), Upper));
    EXPECT_TRUE(Near(PixelOf(rect.get(), 10, 19), UpperTo));
}

} // namespace
