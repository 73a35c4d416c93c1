// Paths, glyphs, frames and pictures at the coordinates the painters fix, at each test scale.
#include <gtest/gtest.h>

#include <string>

#include "PngImage.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_Shapes.h"
#include "RurTypes.h"
#include "Streams.h"
#include "ToolBarTestSupport.h"

using namespace RurGDIP;

namespace {

bool Ink(TBitmap* bitmap, int x, int y) { return PixelOf(bitmap, x, y) != clWhite; }

// A graphics object on the bitmap without smoothing, so one-pixel lines land on whole pixels.
template <class F>
void PaintCrisp(TBitmap* bitmap, F paint)
{
    TGPGraphics g(bitmap->Canvas()->Handle());
    paint(g);
}

TEST(ShapePathsTest, LinesRectanglesAndRoundedCorners)
{
    auto bitmap = Bitmap32(60, 40);
    PaintCrisp(bitmap.get(), [](TGPGraphics& g) {
        TGPPen pen(ColorToARGB(clBlack), 1);
        DrawRoundRectPath(&g, &pen, 0, 0, 39, 19, 3);
        DrawRectPath(&g, &pen, 45, 0, 10, 10);
        DrawLinePath(&g, &pen, 0, 30, 20, 0);
        DrawArcPath(&g, &pen, 40, 20, 16, 16, 0, 90, false);
    });
    EXPECT_FALSE(Ink(bitmap.get(), 0, 0)) << "the rounded corner leaves the corner pixel";
    EXPECT_FALSE(Ink(bitmap.get(), 39, 19));
    EXPECT_TRUE(Ink(bitmap.get(), 10, 0));
    EXPECT_TRUE(Ink(bitmap.get(), 0, 10));
    EXPECT_TRUE(Ink(bitmap.get(), 39, 10));
    EXPECT_TRUE(Ink(bitmap.get(), 20, 19));
    EXPECT_TRUE(Ink(bitmap.get(), 45, 0)) << "the square corner is drawn";
    EXPECT_TRUE(Ink(bitmap.get(), 55, 10));
    EXPECT_TRUE(Ink(bitmap.get(), 10, 30));
    EXPECT_TRUE(Ink(bitmap.get(), 56, 28)) << "the arc starts at 0 degrees, the box's right edge";
    EXPECT_FALSE(Ink(bitmap.get(), 48, 22)) << "an open arc draws no chord";
    AddToContactSheet(u"Paths", bitmap.get());
}

TEST(ShapePathsTest, ArrowRectangleLineAndCentre)
{
    auto bitmap = Bitmap32(40, 30);
    PaintCrisp(bitmap.get(), [](TGPGraphics& g) {
        DrawArrowGDIP(&g, nullptr, clBlack, TPoint{10, 10});
        DrawRectangleGDIP(&g, nullptr, clRed, Rect(20, 5, 30, 15));
    });
    DrawGDIPLine(bitmap->Canvas()->Handle(), clBlue, 2, 25, 30, 0);
    // A downward triangle five pixels wide and three high.
    EXPECT_TRUE(Ink(bitmap.get(), 10, 10));
    EXPECT_TRUE(Ink(bitmap.get(), 15, 10));
    EXPECT_TRUE(Ink(bitmap.get(), 12, 12));
    EXPECT_FALSE(Ink(bitmap.get(), 16, 10));
    EXPECT_FALSE(Ink(bitmap.get(), 12, 13));
    EXPECT_EQ(PixelOf(bitmap.get(), 20, 5), clRed);
    EXPECT_EQ(PixelOf(bitmap.get(), 30, 15), clRed);
    EXPECT_FALSE(Ink(bitmap.get(), 25, 10));
    EXPECT_EQ(PixelOf(bitmap.get(), 15, 25), clBlue);

    // Without a graphics object or canvas nothing is drawn (and nothing fails).
    DrawArrowGDIP(nullptr, nullptr, clBlack, TPoint{0, 0});
    TRect r = Rect(0, 0, 10, 10);
    CenterRect(r, 4, 4);
    EXPECT_EQ(r, Rect(3, 3, 7, 7));
    r = Rect(1, 1, 10, 20);
    CenterRect(r, 5, 6);
    EXPECT_EQ(r, Rect(3, 7, 8, 13));
    AddToContactSheet(u"Arrow, rectangle", bitmap.get());
}

TEST(ShapePathsTest, BevelLines)
{
    auto bitmap = Bitmap32(40, 40, clGray);
    DrawBevelLines(bitmap->Canvas(), TPoint{10, 10}, TPoint{30, 10}, true, true);
    EXPECT_EQ(PixelOf(bitmap.get(), 9, 9), clWhite);
    EXPECT_EQ(PixelOf(bitmap.get(), 31, 10), ColorToRGB(clBtnShadow));
    DrawBevelLines(bitmap->Canvas(), TPoint{10, 20}, TPoint{10, 35}, false, false);
    EXPECT_EQ(PixelOf(bitmap.get(), 9, 21), ColorToRGB(clBtnShadow));
    EXPECT_EQ(PixelOf(bitmap.get(), 11, 35), clWhite);
}

// The caption-button glyphs in a 30 x 30 rectangle, as a table over the scales: the square side
// S0 is the shorter side less Round(6 x scale), capped at Round(18 x scale) (22, 22 and 21 at
// 1.25 and 1.5: 7.5 and 22.5 round to the even 8 and 22).
TEST(CaptionGlyphsTest, ThickAndThinGlyphsAtEachScale)
{
    struct TRow {
        float Scale;
        int CloseFirst, CloseEnd;      // thick close: diagonal from (a, a) to (a + S0, a + S0), end exclusive
        int ThinFirst, ThinEnd;        // gsOffice2019 close: (x0, x0) to (x0 + s + 1, ...)
        int MaxLeft, MaxRight, MaxTop; // thick maximize: x0, x1 = x0 + S0, y0
        int MinRow;                    // thick minimize: the lower of its two rows
    };
    const TRow rows[] = {
        {1.0f, 4, 22, 10, 21, 6, 24, 6, 22},
        {1.25f, 2, 24, 9, 22, 4, 26, 4, 24},
        {1.5f, 3, 24, 10, 21, 4, 25, 4, 23},
    };
    const TRect r = Rect(0, 0, 30, 30);
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Scale);
        TScopedDPIScale scale(row.Scale);
        auto close = Bitmap32(30, 30);
        DrawCloseGlyph(close->Canvas(), r, clBlack, 1, gsClassic);
        EXPECT_TRUE(Ink(close.get(), row.CloseFirst, row.CloseFirst));
        EXPECT_TRUE(Ink(close.get(), row.CloseEnd - 1, row.CloseEnd - 1));
        EXPECT_FALSE(Ink(close.get(), row.CloseEnd, row.CloseEnd));
        EXPECT_TRUE(Ink(close.get(), row.CloseFirst, row.CloseEnd)) << "the other diagonal starts bottom-left";

        auto thin = Bitmap32(30, 30);
        DrawCloseGlyph(thin->Canvas(), r, clBlack, 2, gsOffice2019);
        EXPECT_TRUE(Ink(thin.get(), row.ThinFirst, row.ThinFirst));
        EXPECT_TRUE(Ink(thin.get(), row.ThinEnd - 1, row.ThinEnd - 1));
        EXPECT_FALSE(Ink(thin.get(), row.ThinEnd, row.ThinEnd));
        EXPECT_FALSE(Ink(thin.get(), row.ThinFirst + 1, row.ThinFirst)) << "gsOffice2019 ignores the pen width";

        auto maximize = Bitmap32(30, 30);
        DrawMaximizeGlyph(maximize->Canvas(), r, clBlack, true, gsClassic);
        const int side = row.MaxRight - row.MaxLeft;
        EXPECT_TRUE(Ink(maximize.get(), row.MaxLeft, row.MaxTop));
        EXPECT_TRUE(Ink(maximize.get(), row.MaxRight - 1, row.MaxTop + 2)) << "three title rows";
        EXPECT_FALSE(Ink(maximize.get(), row.MaxRight, row.MaxTop));
        EXPECT_TRUE(Ink(maximize.get(), row.MaxLeft + 1, row.MaxTop + side - 1));
        EXPECT_FALSE(Ink(maximize.get(), row.MaxLeft + side / 2, row.MaxTop + side / 2));

        auto minimize = Bitmap32(30, 30);
        DrawMinimizeGlyph(minimize->Canvas(), r, clBlack, true, gsClassic);
        EXPECT_TRUE(Ink(minimize.get(), row.MaxLeft, row.MinRow));
        EXPECT_TRUE(Ink(minimize.get(), row.MaxLeft, row.MinRow - 1));
        EXPECT_FALSE(Ink(minimize.get(), row.MaxLeft, row.MinRow + 1));
        EXPECT_EQ(CountOther(minimize.get(), r, clWhite), 2 * side);
        if (row.Scale == 1.0f) {
            AddToContactSheet(u"Close", close.get());
            AddToContactSheet(u"Close 2019", thin.get());
            AddToContactSheet(u"Maximize", maximize.get());
        }
    }
}

TEST(CaptionGlyphsTest, RestoreIsNotCappedAndSmallRectangles)
{
    // 40 x 40 at scale 1: S0 = 34 without a cap; x0 = y0 = 3, x1 = y1 = 37.
    TScopedDPIScale scale(1.0f);
    auto restore = Bitmap32(40, 40);
    DrawRestoreGlyph(restore->Canvas(), Rect(0, 0, 40, 40), clBlack, true, gsClassic);
    EXPECT_TRUE(Ink(restore.get(), 5, 3));
    EXPECT_FALSE(Ink(restore.get(), 4, 3));
    EXPECT_TRUE(Ink(restore.get(), 37, 34)) << "the back window's right edge runs to y1 - 2";
    EXPECT_FALSE(Ink(restore.get(), 37, 35));
    EXPECT_TRUE(Ink(restore.get(), 3, 36)) << "the front window's left edge";
    EXPECT_TRUE(Ink(restore.get(), 34, 37)) << "the front window's bottom";
    AddToContactSheet(u"Restore", restore.get());

    // 12 x 20: S0 = 12 - 6 = 6, a = (12 - 6) / 3 = 2, b = (20 - 6) / 3 = 4.
    auto small = Bitmap32(12, 20);
    DrawCloseGlyph(small->Canvas(), Rect(0, 0, 12, 20), clBlack, 1, gsClassic);
    EXPECT_TRUE(Ink(small.get(), 2, 4));
    EXPECT_TRUE(Ink(small.get(), 7, 9));
    EXPECT_FALSE(Ink(small.get(), 8, 10));

    // The thin restore: two squares of side Round(S0 / 2) = 17, offset by Round(2 x scale).
    auto thin = Bitmap32(40, 40);
    DrawRestoreGlyph(thin->Canvas(), Rect(0, 0, 40, 40), clBlack, true, gsOffice2019);
    EXPECT_TRUE(Ink(thin.get(), 9, 13)) << "front square's top-left (x0 - 2, y0 + 2)";
    EXPECT_TRUE(Ink(thin.get(), 11, 11)) << "back outline's top-left (x0, y0)";
    EXPECT_FALSE(Ink(thin.get(), 15, 20)) << "inside";
}

TEST(QATFrameTest, ScenicBarsFollowTheScale)
{
    // The scenic outline is two bars; the left one stands Round(22 x scale) into the rectangle.
    const int lefts[] = {22, 28, 33};
    RurGDIP::SetScenicRibbon(true);
    for (size_t i = 0; i < std::size(TestScales); ++i) {
        TScopedDPIScale scale(TestScales[i]);
        auto bitmap = Bitmap32(60, 30, clBlack);
        DrawQATFrame(bitmap->Canvas()->Handle(), Rect(0, 0, 60, 30));
        EXPECT_NE(PixelOf(bitmap.get(), lefts[i], 15), clBlack) << TestScales[i];
        EXPECT_EQ(PixelOf(bitmap.get(), lefts[i] - 3, 15), clBlack) << TestScales[i];
        EXPECT_EQ(PixelOf(bitmap.get(), lefts[i], 5), clBlack) << "the bars start 7 below the top";
        EXPECT_NE(PixelOf(bitmap.get(), 57, 15), clBlack) << "the right bar 3 left of the edge";
    }
    RurGDIP::SetScenicRibbon(false);
    auto curve = Bitmap32(80, 30);
    DrawQATFrame(curve->Canvas()->Handle(), Rect(4, 4, 76, 26));
    EXPECT_TRUE(Ink(curve.get(), 30, 4)) << "the top edge";
    EXPECT_TRUE(Ink(curve.get(), 40, 26)) << "the bottom edge";
    EXPECT_FALSE(Ink(curve.get(), 40, 15));
    AddToContactSheet(u"QAT frame", curve.get());
}

// A 16 x 16 image: white with a red square from 4 to 11.
std::unique_ptr<TBitmap> RedSquareOnWhite()
{
    auto image = Bitmap32(16, 16);
    image->Canvas()->Brush()->SetColor(clRed);
    image->Canvas()->FillRect(Rect(4, 4, 12, 12));
    return image;
}

TEST(GDIPPicturesTest, ImageListImageKeyedByItsBottomLeftPixel)
{
    TImageList images(nullptr);
    images.SetWidth(16);
    images.SetHeight(16);
    auto image = RedSquareOnWhite();
    ASSERT_EQ(images.Add(image.get(), nullptr), 0);
    auto target = Bitmap32(30, 30, clBlue);
    DrawGDIPImageListImage(nullptr, target->Canvas(), TPoint{5, 5}, &images, 0, true);
    EXPECT_EQ(PixelOf(target.get(), 5 + 8, 5 + 8), clRed);
    EXPECT_EQ(PixelOf(target.get(), 5, 5), clBlue) << "white, the bottom-left colour, drops out";
    EXPECT_EQ(PixelOf(target.get(), 5 + 15, 5 + 15), clBlue);

    // No list, a negative index, or no surface: nothing.
    auto untouched = Bitmap32(30, 30, clBlue);
    DrawGDIPImageListImage(nullptr, untouched->Canvas(), TPoint{0, 0}, nullptr, 0, true);
    DrawGDIPImageListImage(nullptr, untouched->Canvas(), TPoint{0, 0}, &images, -1, true);
    DrawGDIPImageListImage(nullptr, nullptr, TPoint{0, 0}, &images, 0, true);
    EXPECT_EQ(CountOf(untouched.get(), Rect(0, 0, 30, 30), clBlue), 900);
}

TEST(GDIPPicturesTest, GraphicsKeyedUnlessPNGAndSVGAtItsOwnSize)
{
    auto picture = RedSquareOnWhite();
    auto keyed = Bitmap32(30, 30, clBlue);
    DrawGDIPGraphic(nullptr, keyed->Canvas(), TPoint{2, 2}, picture.get(), true);
    EXPECT_EQ(PixelOf(keyed.get(), 10, 10), clRed);
    EXPECT_EQ(PixelOf(keyed.get(), 2, 2), clBlue) << "white, the top-left colour, drops out";

    auto opaque = Bitmap32(30, 30, clBlue);
    DrawGDIPGraphic(nullptr, opaque->Canvas(), TPoint{2, 2}, picture.get(), false);
    EXPECT_EQ(PixelOf(opaque.get(), 2, 2), clWhite);

    TPngImage png;
    png.Assign(picture.get());
    auto pngTarget = Bitmap32(30, 30, clBlue);
    DrawGDIPGraphic(nullptr, pngTarget->Canvas(), TPoint{2, 2}, &png, true);
    EXPECT_EQ(PixelOf(pngTarget.get(), 2, 2), clWhite) << "a PNG keeps its colours";
    EXPECT_EQ(PixelOf(pngTarget.get(), 10, 10), clRed);

    const std::string text = "<svg xmlns='http://www.w3.org/2000/svg' width='20' height='10'>"
                             "<rect x='0' y='0' width='20' height='10' fill='#00ff00'/></svg>";
    TBytesStream bytes(TBytes(text.begin(), text.end()));
    TRurSVGBitmap svg;
    svg.LoadFromStream(bytes);
    ASSERT_TRUE(svg.HasSVG());
    auto svgTarget = Bitmap32(40, 30, clBlue);
    DrawGDIPGraphic(nullptr, svgTarget->Canvas(), TPoint{5, 5}, &svg, true);
    EXPECT_EQ(PixelOf(svgTarget.get(), 14, 9), clLime);
    EXPECT_EQ(PixelOf(svgTarget.get(), 27, 9), clBlue) << "drawn 20 wide, its own width";
    EXPECT_EQ(PixelOf(svgTarget.get(), 14, 17), clBlue) << "and 10 high";
    AddToContactSheet(u"Keyed picture", keyed.get());
}

} // namespace
