// The canvas drawing on a foreign DC: each primitive checked by its pixels.
#include <gtest/gtest.h>

#include <array>

#include "Graphics.h"
#include "OffscreenSurface.h"

namespace {

constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);
constexpr COLORREF Black = RGB(0, 0, 0);

struct CanvasOnSurface : ::testing::Test {
    OffscreenSurface surface{60, 40};
    TCanvas canvas;
    void SetUp() override { canvas.SetHandle(surface.DC()); }
    void TearDown() override { canvas.SetHandle(nullptr); }
};

} // namespace

TEST_F(CanvasOnSurface, RectangleHasPenOutlineAndBrushInside)
{
    canvas.Pen()->SetColor(clBlue);
    canvas.Brush()->SetColor(clRed);
    canvas.Rectangle(10, 10, 20, 20);
    EXPECT_EQ(surface.Pixel(10, 10), Blue);
    EXPECT_EQ(surface.Pixel(19, 19), Blue);
    EXPECT_EQ(surface.Pixel(15, 15), Red);
    EXPECT_EQ(surface.Pixel(20, 20), White) << "right and bottom are exclusive";
    EXPECT_EQ(surface.Count(Red), 8 * 8);
}

TEST_F(CanvasOnSurface, ClearBrushLeavesTheInsideAlone)
{
    canvas.Brush()->SetStyle(bsClear);
    canvas.Rectangle(0, 0, 10, 10);
    canvas.Ellipse(20, 0, 40, 20);
    EXPECT_EQ(surface.Pixel(5, 5), White);
    EXPECT_EQ(surface.Pixel(30, 10), White);
    EXPECT_EQ(surface.Pixel(0, 5), Black);
}

TEST_F(CanvasOnSurface, FilledShapesCoverTheirArea)
{
    canvas.Pen()->SetStyle(psClear);
    canvas.Brush()->SetColor(clRed);
    canvas.Ellipse(0, 0, 20, 20);
    EXPECT_EQ(surface.Pixel(10, 10), Red);
    EXPECT_EQ(surface.Pixel(1, 1), White) << "the corner lies outside the ellipse";

    canvas.RoundRect(30, 0, 50, 20, 10, 10);
    EXPECT_EQ(surface.Pixel(40, 10), Red);
    EXPECT_EQ(surface.Pixel(30, 0), White) << "rounded corner";
    EXPECT_EQ(surface.Pixel(40, 1), Red);

    canvas.Brush()->SetColor(clBlue);
    const std::array<TPoint, 3> triangle{{{0, 25}, {20, 25}, {0, 39}}};
    canvas.Polygon(triangle);
    EXPECT_EQ(surface.Pixel(3, 28), Blue);
    EXPECT_EQ(surface.Pixel(18, 37), White);
}

TEST_F(CanvasOnSurface, LinesFollowThePenAndItsMode)
{
    canvas.Pen()->SetColor(clRed);
    canvas.MoveTo(0, 5);
    canvas.LineTo(30, 5);
    EXPECT_EQ(surface.Pixel(0, 5), Red);
    EXPECT_EQ(surface.Pixel(29, 5), Red);
    EXPECT_EQ(surface.Pixel(30, 5), White) << "the last point is not drawn";
    EXPECT_EQ(canvas.PenPos(), Point(30, 5));

    const std::array<TPoint, 3> path{{{0, 10}, {10, 10}, {10, 20}}};
    canvas.Polyline(path);
    EXPECT_EQ(surface.Pixel(5, 10), Red);
    EXPECT_EQ(surface.Pixel(10, 15), Red);

    canvas.Pen()->SetMode(pmNot);
    canvas.MoveTo(0, 5);
    canvas.LineTo(10, 5);
    EXPECT_EQ(surface.Pixel(5, 5), RGB(0, 255, 255)) << "pmNot inverts what is there";

    canvas.Pen()->SetMode(pmCopy);
    canvas.Pen()->SetWidth(5);
    canvas.MoveTo(40, 20);
    canvas.LineTo(55, 20);
    EXPECT_EQ(surface.Pixel(47, 18), Red);
    EXPECT_EQ(surface.Pixel(47, 22), Red);
}

TEST_F(CanvasOnSurface, ArcDrawsOnlyItsOutlineAndChordFillsIt)
{
    canvas.Pen()->SetColor(clBlue);
    canvas.Arc(0, 0, 21, 21, 21, 10, 0, 10); // upper half, anticlockwise from the right
    EXPECT_EQ(surface.Pixel(10, 0), Blue);
    EXPECT_EQ(surface.Pixel(10, 20), White);
    EXPECT_EQ(surface.Pixel(10, 10), White);

    canvas.Pen()->SetStyle(psClear);
    canvas.Brush()->SetColor(clRed);
    canvas.Chord(30, 0, 51, 21, 51, 10, 30, 10);
    EXPECT_EQ(surface.Pixel(40, 5), Red);
    EXPECT_EQ(surface.Pixel(40, 15), White) << "the lower half stays open";
}

TEST_F(CanvasOnSurface, FillFrameAndFocusRectangles)
{
    canvas.Brush()->SetColor(clRed);
    canvas.FillRect(Rect(0, 0, 10, 10));
    EXPECT_EQ(surface.Count(Red), 100);

    canvas.Brush()->SetColor(clBlue);
    canvas.FrameRect(Rect(20, 0, 30, 10));
    EXPECT_EQ(surface.Count(Blue), 36);
    EXPECT_EQ(surface.Pixel(25, 5), White);

    canvas.DrawFocusRect(Rect(40, 0, 50, 10));
    EXPECT_LT(surface.Count(White, 40, 0, 50, 10), 100);
    canvas.DrawFocusRect(Rect(40, 0, 50, 10));
    EXPECT_EQ(surface.Count(White, 40, 0, 50, 10), 100) << "a focus rectangle drawn twice disappears";
}

TEST_F(CanvasOnSurface, HatchedBrushLeavesTheBackgroundBetweenLines)
{
    canvas.Brush()->SetColor(clRed);
    canvas.Brush()->SetStyle(bsHorizontal);
    canvas.FillRect(Rect(0, 0, 16, 16));
    const int red = surface.Count(Red, 0, 0, 16, 16);
    EXPECT_GT(red, 0);
    EXPECT_EQ(red + surface.Count(White, 0, 0, 16, 16), 256);
}

TEST_F(CanvasOnSurface, PixelsReadAndWrite)
{
    canvas.SetPixels(3, 4, clBlue);
    EXPECT_EQ(surface.Pixel(3, 4), Blue);
    EXPECT_EQ(canvas.Pixels(3, 4), clBlue);
    EXPECT_EQ(canvas.Pixels(0, 0), clWhite);
}

TEST_F(CanvasOnSurface, CopyRectStretchesFromAnotherCanvas)
{
    OffscreenSurface source(4, 4, Red);
    TCanvas sourceCanvas;
    sourceCanvas.SetHandle(source.DC());
    canvas.CopyRect(Rect(10, 10, 18, 18), sourceCanvas, Rect(0, 0, 4, 4));
    EXPECT_EQ(surface.Count(Red), 64);
    EXPECT_EQ(surface.Count(Red, 10, 10, 18, 18), 64);

    canvas.SetCopyMode(cmNotSrcCopy);
    canvas.CopyRect(Rect(30, 10, 32, 12), sourceCanvas, Rect(0, 0, 2, 2));
    EXPECT_EQ(surface.Pixel(31, 11), RGB(0, 255, 255));
}

TEST_F(CanvasOnSurface, TextOutUsesFontColourAndBrushBackground)
{
    canvas.Font()->SetQuality(fqNonAntialiased);
    canvas.Font()->SetColor(clRed);
    canvas.Brush()->SetColor(clBlue);
    canvas.TextOut(2, 2, u"W");
    const TSize extent = canvas.TextExtent(u"W");
    EXPECT_GT(extent.cx, 0);
    EXPECT_EQ(canvas.TextHeight(u"W"), extent.cy);
    EXPECT_GT(surface.Count(Red, 2, 2, 2 + extent.cx, 2 + extent.cy), 0);
    EXPECT_GT(surface.Count(Blue, 2, 2, 2 + extent.cx, 2 + extent.cy), 0);
    EXPECT_EQ(surface.Count(Red, 2, 2, 2 + extent.cx, 2 + extent.cy) + surface.Count(Blue),
              extent.cx * extent.cy) << "the cell is ink or background";

    canvas.Brush()->SetStyle(bsClear);
    canvas.TextOut(30, 2, u"W");
    EXPECT_EQ(surface.Count(Blue, 30, 2, 30 + extent.cx, 2 + extent.cy), 0) << "a clear brush draws no background";
}

namespace {

// Where the ink of the text lies in the rectangle.
TRect InkBounds(const OffscreenSurface& surface, const TRect& r, COLORREF ink)
{
    TRect bounds{r.Right, r.Bottom, r.Left, r.Top};
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (surface.Pixel(x, y) == ink) {
                bounds.Left = std::min(bounds.Left, x);
                bounds.Top = std::min(bounds.Top, y);
                bounds.Right = std::max(bounds.Right, x + 1);
                bounds.Bottom = std::max(bounds.Bottom, y + 1);
            }
    return bounds;
}

} // namespace

TEST(CanvasText, TextRectAlignsAsTheFormatSays)
{
    struct Case {
        TTextFormat format;
        bool left, right, top, bottom;
    };
    const Case cases[] = {
        {{tfLeft, tfTop, tfSingleLine}, true, false, true, false},
        {{tfRight, tfTop, tfSingleLine}, false, true, true, false},
        {{tfLeft, tfBottom, tfSingleLine}, true, false, false, true},
        {{tfCenter, tfVerticalCenter, tfSingleLine}, false, false, false, false},
    };
    for (const Case& c : cases) {
        OffscreenSurface surface(120, 60);
        TCanvas canvas;
        canvas.SetHandle(surface.DC());
        canvas.Font()->SetQuality(fqNonAntialiased);
        canvas.Font()->SetColor(clBlack);
        canvas.Brush()->SetStyle(bsClear);
        TRect r = Rect(0, 0, 120, 60);
        String text = u"MM";
        canvas.TextRect(r, text, c.format);
        const TRect ink = InkBounds(surface, r, Black);
        ASSERT_FALSE(ink.IsEmpty());
        EXPECT_EQ(ink.Left < 10, c.left) << ink.Left;
        EXPECT_EQ(ink.Right > 110, c.right) << ink.Right;
        EXPECT_EQ(ink.Top < 10, c.top) << ink.Top;
        EXPECT_EQ(ink.Bottom > 50, c.bottom) << ink.Bottom;
        if (!c.left && !c.right) {
            EXPECT_NEAR((ink.Left + ink.Right) / 2, 60, 4);
        }
        canvas.SetHandle(nullptr);
    }
}

TEST(CanvasText, CalcRectMeasuresWithoutDrawingAndModifyStringGivesTheEllipsis)
{
    OffscreenSurface surface(200, 60);
    TCanvas canvas;
    canvas.SetHandle(surface.DC());
    TRect r = Rect(0, 0, 30, 0);
    String text = u"one two three four";
    canvas.TextRect(r, text, {tfCalcRect, tfWordBreak});
    EXPECT_EQ(surface.Count(White), 200 * 60);
    EXPECT_GT(r.Height(), canvas.TextHeight(u"o")) << "broken into several lines";

    TRect narrow = Rect(0, 0, 40, 20);
    String longText = u"a rather long text";
    canvas.TextRect(narrow, longText, {tfEndEllipsis, tfModifyString, tfSingleLine});
    EXPECT_NE(longText, u"a rather long text");
    EXPECT_EQ(longText.substr(longText.size() - 3), u"...");
    canvas.SetHandle(nullptr);
}

TEST(CanvasText, TextRectAtAPointClipsAndFillsTheRectangle)
{
    OffscreenSurface surface(60, 30);
    TCanvas canvas;
    canvas.SetHandle(surface.DC());
    canvas.Brush()->SetColor(clBlue);
    canvas.Font()->SetQuality(fqNonAntialiased);
    canvas.Font()->SetColor(clRed);
    canvas.TextRect(Rect(10, 5, 30, 20), 12, 5, u"WWWWWWWW");
    EXPECT_EQ(surface.Count(Red, 30, 0, 60, 30), 0) << "clipped at the right";
    EXPECT_GT(surface.Count(Red), 0);
    EXPECT_EQ(surface.Count(Red, 10, 5, 30, 20) + surface.Count(Blue, 10, 5, 30, 20), 20 * 15)
        << "the whole rectangle is filled";
    canvas.SetHandle(nullptr);
}

TEST(CanvasState, DetachingGivesTheDCItsOwnObjectsBack)
{
    OffscreenSurface surface(10, 10);
    HGDIOBJ originalPen = GetCurrentObject(surface.DC(), OBJ_PEN);
    HGDIOBJ originalFont = GetCurrentObject(surface.DC(), OBJ_FONT);
    {
        TCanvas canvas;
        canvas.SetHandle(surface.DC());
        canvas.Pen()->SetColor(clRed);
        canvas.Rectangle(0, 0, 5, 5);
        canvas.TextOut(0, 0, u"x");
        HPEN redPen = canvas.Pen()->Handle();
        HFONT font = canvas.Font()->Handle();
        EXPECT_EQ(GetCurrentObject(surface.DC(), OBJ_PEN), redPen);
        canvas.Pen()->SetColor(clBlue); // the DC must let go of the pen before it is freed
        EXPECT_EQ(GetCurrentObject(surface.DC(), OBJ_PEN), originalPen);
        EXPECT_EQ(GetObjectType(redPen), 0u) << "the old pen is deleted, not leaked";
        canvas.Font()->SetSize(20);
        EXPECT_EQ(GetObjectType(font), 0u) << "the old font is deleted, not leaked";
        canvas.LineTo(9, 9);
    }
    EXPECT_EQ(GetCurrentObject(surface.DC(), OBJ_PEN), originalPen);
    EXPECT_EQ(GetCurrentObject(surface.DC(), OBJ_FONT), originalFont);
}

TEST(CanvasState, WithoutADCDrawingRaisesAndClipRectAnswersTheDC)
{
    TCanvas canvas;
    EXPECT_THROW(canvas.Rectangle(0, 0, 1, 1), EInvalidOperation);
    OffscreenSurface surface(30, 20);
    canvas.SetHandle(surface.DC());
    EXPECT_EQ(canvas.ClipRect(), Rect(0, 0, 30, 20));
    int changing = 0, changed = 0;
    canvas.SetOnChanging([&](TObject*) { ++changing; });
    canvas.SetOnChange([&](TObject*) { ++changed; });
    canvas.FillRect(Rect(0, 0, 1, 1));
    EXPECT_EQ(changing, 1);
    EXPECT_EQ(changed, 1);
    canvas.Lock();
    EXPECT_EQ(canvas.LockCount(), 1);
    EXPECT_TRUE(canvas.TryLock());
    canvas.Unlock();
    canvas.Unlock();
    EXPECT_EQ(canvas.LockCount(), 0);
    canvas.SetHandle(nullptr);
}
