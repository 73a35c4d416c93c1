// Colour arithmetic and the gradient painters, checked as values and as pixels.
#include <gtest/gtest.h>

#include "RurGlowButton.h"
#include "RurToolBar_Colors.h"
#include "ToolBarTestSupport.h"

namespace {

TEST(ColorArithmeticTest, BlendDarkenShade)
{
    struct TCase {
        const char* Name;
        TColor Result, Expected;
    };
    const TCase cases[] = {
        {"100 % gives the first as it is", BlendColor(clRed, clBlue, 100), clRed},
        {"0 % gives the second", BlendColor(clRed, clBlue, 0), clBlue},
        {"a system colour stays unresolved at 100 %", BlendColor(clBtnFace, clBlue, 100), clBtnFace},
        // 127.5 rounds to the even 128, 0.5 to the even 0.
        {"50 % rounds halves to even", BlendColor(0x0000FF, 0x000000, 50), 0x000080},
        {"0.5 rounds to 0", BlendColor(0x000001, 0x000000, 50), 0x000000},
        {"a system colour is resolved below 100 %", BlendColor(clBtnFace, clBtnFace, 50), ColorToRGB(clBtnFace)},
        {"darken white by 35 %", DarkenColor(0xFFFFFF, 35), 0xA6A6A6},
        {"darken by 0 % keeps", DarkenColor(0x102030, 0), 0x102030},
        {"shade black by -10 stays black", ShadeColor(0x000000, -10), 0x000000},
        {"shade black by 20 lifts zero channels", ShadeColor(0x000000, 20), 0x141414},
        {"shade by a positive delta keeps other channels", ShadeColor(0x804000, 20), 0x804014},
        {"shade by -10 darkens 10 %", ShadeColor(0x6464C8, -10), 0x5A5AB4},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(c.Result, c.Expected) << c.Name;
}

TEST(ColorArithmeticTest, ClearingAGlowAppearanceKeepsCheckedAndTextColours)
{
    TGlowButtonAppearance a;
    int changes = 0;
    a.SetOnChange([&](TObject*) { ++changes; });
    const TColor checked = a.ColorChecked(), checkedBorder = a.BorderColorChecked(),
                 mirrorChecked = a.ColorMirrorChecked(), mirrorDisabled = a.ColorMirrorDisabled(),
                 textHot = a.TextColorHot(), disabledBorder = a.BorderColorDisabled();
    ClearGlowButtonAppearance(&a);
    for (TColor cleared : {a.BorderColor(), a.BorderColorHot(), a.BorderColorDown(), a.Color(), a.ColorTo(),
                           a.ColorDown(), a.ColorDownTo(), a.ColorHot(), a.ColorHotTo(), a.ColorMirror(),
                           a.ColorMirrorTo(), a.ColorMirrorHot(), a.ColorMirrorHotTo(), a.ColorMirrorDown(),
                           a.ColorMirrorDownTo(), a.ColorDisabled(), a.ColorDisabledTo()})
        EXPECT_EQ(cleared, clNone);
    EXPECT_EQ(changes, 17) << "each colour through its notifying setter";
    EXPECT_EQ(a.ColorChecked(), checked);
    EXPECT_EQ(a.BorderColorChecked(), checkedBorder);
    EXPECT_EQ(a.ColorMirrorChecked(), mirrorChecked);
    EXPECT_EQ(a.ColorMirrorDisabled(), mirrorDisabled);
    EXPECT_EQ(a.BorderColorDisabled(), disabledBorder);
    EXPECT_EQ(a.TextColorHot(), textHot);
    ClearGlowButtonAppearance(nullptr);
}

TEST(GradientPaintersTest, StepBands)
{
    // Ten horizontal bands from black to 0x5A (9 x 10) over 101 pixels: band i starts at x = 10i
    // and is 11 wide, so its last column is overwritten by the next band.
    auto bitmap = Bitmap32(101, 4);
    DrawGradient(bitmap->Canvas(), 0x000000, 0x00005A, 10, Rect(0, 0, 101, 4), true);
    EXPECT_EQ(PixelOf(bitmap.get(), 0, 1), 0x000000);
    EXPECT_EQ(PixelOf(bitmap.get(), 10, 1), 0x000009);
    EXPECT_EQ(PixelOf(bitmap.get(), 95, 1), 0x000051);
    EXPECT_EQ(bitmap->Canvas()->Brush()->Color(), 0x000051) << "the last band's colour stays";

    // Vertical: the colour changes down the rows; steps 0 paints a single band of the start colour.
    auto vertical = Bitmap32(4, 40);
    DrawGradient(vertical->Canvas(), clWhite, clBlack, 4, Rect(0, 0, 4, 40), false);
    EXPECT_EQ(PixelOf(vertical.get(), 1, 0), clWhite);
    EXPECT_EQ(PixelOf(vertical.get(), 1, 35), 0x404040);
    auto single = Bitmap32(20, 6, clBlue);
    DrawGradient(single->Canvas(), clRed, clLime, 0, Rect(0, 0, 20, 6), true);
    EXPECT_EQ(CountOf(single.get(), Rect(0, 0, 20, 6), clRed), 20 * 6);

    // More steps than pixels: every band still paints at least a pixel, none is left blank.
    auto narrow = Bitmap32(5, 3, clBlue);
    DrawGradient(narrow->Canvas(), clRed, clBlack, 16, Rect(0, 0, 5, 3), true);
    EXPECT_EQ(CountOf(narrow.get(), Rect(0, 0, 5, 3), clBlue), 0);
    AddToContactSheet(u"DrawGradient", bitmap.get());
}

TEST(GradientPaintersTest, BandedFrame)
{
    const TRect r = Rect(0, 0, 40, 30);
    auto none = Bitmap32(40, 30, clBlue);
    DrawBandedFrame(none->Canvas(), r, 10, clNone, clNone, clNone, clNone, clNone, 3);
    EXPECT_EQ(CountOf(none.get(), r, clBlue), 40 * 30) << "every colour clNone paints nothing";

    auto top = Bitmap32(40, 30, clBlue);
    DrawBandedFrame(top->Canvas(), r, 10, clRed, clNone, clNone, clNone, clNone, 0);
    EXPECT_EQ(CountOf(top.get(), r, clRed), 40 * 30) << "only the top colour fills the whole rectangle";

    // Two solid bands sharing row 10 (drawn by the bottom band last), a square border.
    auto bands = Bitmap32(40, 30, clBlue);
    DrawBandedFrame(bands->Canvas(), r, 10, clRed, clNone, clLime, clNone, clBlack, 0);
    EXPECT_EQ(PixelOf(bands.get(), 20, 9), clRed);
    EXPECT_EQ(PixelOf(bands.get(), 20, 10), clLime);
    EXPECT_TRUE(IsDark(PixelOf(bands.get(), 0, 0)));
    EXPECT_TRUE(IsDark(PixelOf(bands.get(), 39, 29)));
    EXPECT_TRUE(IsDark(PixelOf(bands.get(), 20, 29)));

    // A rounded border leaves the corner pixel of the fill.
    auto rounded = Bitmap32(40, 30, clBlue);
    DrawBandedFrame(rounded->Canvas(), r, 10, clRed, clWhite, clLime, clGreen, clBlack, 3);
    const TColor corner = PixelOf(rounded.get(), 0, 0);
    EXPECT_EQ(corner & 0xFF, 0xFF) << "at most a trace of the border's anti-aliasing";
    EXPECT_LT(corner >> 8 & 0xFF, 0x20);
    EXPECT_TRUE(IsDark(PixelOf(rounded.get(), 20, 0)));
    AddToContactSheet(u"DrawBandedFrame", rounded.get());
}

// The alpha a GDI+ fill of pure black left on white: 255 - the red channel.
int AlphaOnWhite(TBitmap* bitmap, int x, int y) { return 255 - int(PixelOf(bitmap, x, y) & 0xFF); }

TEST(GradientPaintersTest, AlphaGradients)
{
    const TRect r = Rect(0, 0, 60, 40);
    // One colour from alpha 0 at the top to 200 at the bottom, over the rectangle and one row more.
    auto alpha = Bitmap32(60, 44);
    DrawAlphaGradient(alpha->Canvas()->Handle(), r, clBlack, 0, 200);
    EXPECT_LE(AlphaOnWhite(alpha.get(), 30, 0), 6);
    EXPECT_NEAR(AlphaOnWhite(alpha.get(), 30, 20), 100, 8);
    EXPECT_NEAR(AlphaOnWhite(alpha.get(), 30, 40), 200, 8);
    EXPECT_EQ(PixelOf(alpha.get(), 30, 42), clWhite);

    // Two colours: red at the top, blue at the bottom.
    auto two = Bitmap32(60, 44);
    DrawTwoColorAlphaGradient(two->Canvas()->Handle(), r, clRed, clBlue, 255, 255);
    EXPECT_EQ(PixelOf(two.get(), 10, 0) & 0xFF, 0xFF);
    EXPECT_GT(PixelOf(two.get(), 10, 39) >> 16 & 0xFF, 0xE0);

    // The translucent rectangle strokes its opaque border one row above its fill.
    auto translucent = Bitmap32(60, 44);
    DrawTranslucentRect(translucent->Canvas()->Handle(), Rect(5, 5, 45, 25), clBlue, clRed);
    EXPECT_EQ(PixelOf(translucent.get(), 20, 4), clRed);
    EXPECT_EQ(PixelOf(translucent.get(), 5, 15), clRed);
    EXPECT_EQ(PixelOf(translucent.get(), 45, 15), clRed);
    const TColor inside = PixelOf(translucent.get(), 20, 10);
    EXPECT_GT(inside >> 16 & 0xFF, 0xF0);
    EXPECT_GT(inside & 0xFF, 0x30) << "alpha 150..200 lets some white through";

    // The fade takes a system colour's bytes as they are: clBtnFace is 0x0F red, no green or blue.
    auto fade = Bitmap32(60, 44, clBlack);
    DrawFadeRect(fade->Canvas()->Handle(), r, clBtnFace);
    EXPECT_EQ(PixelOf(fade.get(), 30, 39) >> 8, 0);

    // The glow background is a yellowish wash, stronger at the bottom.
    auto glow = Bitmap32(60, 44, clBlack);
    DrawGlowBackground(glow->Canvas()->Handle(), r);
    EXPECT_LT(PixelOf(glow.get(), 30, 1) & 0xFF, PixelOf(glow.get(), 30, 38) & 0xFF);
    AddToContactSheet(u"DrawTranslucentRect", translucent.get());
}

TEST(GradientPaintersTest, FadeOutEdge)
{
    // The main fill stops 40 pixels before the right edge; 18 strips of 2 pixels follow with the
    // alphas falling by 10 and 12, the last strip at 30 and 0; the last 4 pixels stay unpainted.
    auto bitmap = Bitmap32(100, 24);
    DrawFadeOutGradient(bitmap->Canvas()->Handle(), Rect(0, 0, 100, 20), clBlack, 200, 120);
    EXPECT_NEAR(AlphaOnWhite(bitmap.get(), 30, 0), 200, 4);
    EXPECT_NEAR(AlphaOnWhite(bitmap.get(), 60, 0), 200, 4);
    EXPECT_NEAR(AlphaOnWhite(bitmap.get(), 62, 0), 190, 4);
    EXPECT_NEAR(AlphaOnWhite(bitmap.get(), 94, 0), 30, 4);
    EXPECT_LE(AlphaOnWhite(bitmap.get(), 94, 20), 3);
    EXPECT_EQ(CountOf(bitmap.get(), Rect(96, 0, 100, 24), clWhite), 4 * 24);
    AddToContactSheet(u"DrawFadeOutGradient", bitmap.get());
}

} // namespace
