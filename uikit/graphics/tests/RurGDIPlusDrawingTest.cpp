// Pixel checks on an offscreen bitmap: pens, each brush kind, paths, regions, text, image attributes.
#include <gtest/gtest.h>

#include <memory>

#include "RurGDIPlusTestCanvas.h"

using namespace RurGDIPlusTest;

namespace {

bool IsDark(ARGB color) { return (color & 0xFF) < 0x80 && ((color >> 8) & 0xFF) < 0x80; }

} // namespace

TEST(RurGDIPlusDrawing, PenCapsReachPastTheEndOnlyWhenRound)
{
    struct Case { int32_t Cap; bool PastEnd; };
    for (Case c : {Case{LineCapFlat, false}, Case{LineCapRound, true}}) {
        TTestCanvas canvas;
        TGPPen pen(Black, 10);
        ASSERT_EQ(pen.SetLineCap(c.Cap, c.Cap, 0), Ok);
        EXPECT_EQ(pen.GetStartCap(), c.Cap);
        canvas.Graphics->DrawLine(&pen, 20, 30, 40, 30);
        EXPECT_TRUE(IsDark(canvas.Pixel(30, 30)));
        EXPECT_EQ(IsDark(canvas.Pixel(43, 30)), c.PastEnd) << "cap " << c.Cap;
    }
}

TEST(RurGDIPlusDrawing, DashesLeaveGapsAndMiterJoinsFillTheCorner)
{
    TTestCanvas canvas;
    TGPPen dashed(Black, 2);
    dashed.SetDashStyle(DashStyleDash); // dashes of 3 widths, gaps of 1 width
    EXPECT_EQ(dashed.GetDashStyle(), DashStyleDash);
    canvas.Graphics->DrawLine(&dashed, 0, 10, 64, 10);
    EXPECT_TRUE(IsDark(canvas.Pixel(3, 10)));
    EXPECT_FALSE(IsDark(canvas.Pixel(7, 10)));

    struct Case { LineJoin Join; bool CornerFilled; };
    for (Case c : {Case{LineJoinMiter, true}, Case{LineJoinBevel, false}}) {
        TTestCanvas corner;
        TGPPen pen(Black, 12);
        pen.SetLineJoin(c.Join);
        EXPECT_EQ(pen.GetLineJoin(), c.Join);
        TGPPointF elbow[3] = {{10, 50}, {30, 20}, {50, 50}};
        corner.Graphics->DrawLines(&pen, elbow, 3);
        EXPECT_EQ(IsDark(corner.Pixel(30, 12)), c.CornerFilled) << "join " << c.Join;
    }
}

TEST(RurGDIPlusDrawing, EachBrushKindFills)
{
    TTestCanvas canvas;
    TGPSolidBrush solid(Red);
    canvas.Graphics->FillRectangle(&solid, MakeRectF(0, 0, 16, 16));
    EXPECT_EQ(canvas.Pixel(8, 8), Red);

    TGPHatchBrush hatch(HatchStyleHorizontal, Black, White);
    canvas.Graphics->FillRectangle(&hatch, 16, 0, 16, 16);
    int dark = 0;
    for (int32_t y = 0; y < 16; ++y)
        dark += IsDark(canvas.Pixel(24, y));
    EXPECT_GT(dark, 0);
    EXPECT_LT(dark, 16);

    TGPLinearGradientBrush linear(MakeRectF(32, 0, 32, 16), Red, Blue, LinearGradientModeHorizontal);
    canvas.Graphics->FillRectangle(&linear, 32, 0, 32, 16);
    EXPECT_GT((canvas.Pixel(33, 8) >> 16) & 0xFF, 0xC0u) << "red on the left";
    EXPECT_GT(canvas.Pixel(62, 8) & 0xFF, 0xC0u) << "blue on the right";

    TGPBitmap tile(2, 2, PixelFormat32bppARGB);
    tile.SetPixel(0, 0, Blue);
    tile.SetPixel(1, 0, Blue);
    tile.SetPixel(0, 1, Blue);
    tile.SetPixel(1, 1, Blue);
    TGPTextureBrush texture(&tile);
    canvas.Graphics->FillRectangle(&texture, 0, 16, 16, 16);
    EXPECT_EQ(canvas.Pixel(8, 24), Blue);
    std::unique_ptr<TGPImage> textureImage(texture.GetImage());
    EXPECT_EQ(textureImage->GetWidth(), 2u);

    TGPGraphicsPath square;
    square.AddRectangle(MakeRectF(16, 16, 32, 32));
    TGPPathGradientBrush gradient(&square);
    gradient.SetCenterColor(Red);
    ARGB surround = Blue;
    int32_t one = 1;
    gradient.SetSurroundColors(&surround, one);
    canvas.Graphics->FillPath(&gradient, &square);
    ARGB centre = canvas.Pixel(32, 32);
    ARGB edge = canvas.Pixel(17, 32);
    EXPECT_GT((centre >> 16) & 0xFF, centre & 0xFF) << "red at the centre";
    EXPECT_GT(edge & 0xFF, (edge >> 16) & 0xFF) << "blue at the edge";
}

TEST(RurGDIPlusDrawing, RegionsAndTransformsPlaceTheFill)
{
    TTestCanvas canvas;
    TGPRegion ring(MakeRectF(8, 8, 48, 48));
    ring.Exclude(MakeRectF(24, 24, 16, 16));
    EXPECT_TRUE(ring.IsVisible(10.0f, 10.0f));
    EXPECT_FALSE(ring.IsVisible(32.0f, 32.0f));
    TGPSolidBrush brush(Red);
    canvas.Graphics->FillRegion(&brush, &ring);
    EXPECT_EQ(canvas.Pixel(12, 12), Red);
    EXPECT_EQ(canvas.Pixel(32, 32), White);
    EXPECT_EQ(canvas.Pixel(60, 60), White);

    TTestCanvas moved;
    moved.Graphics->TranslateTransform(30, 30);
    moved.Graphics->FillRectangle(&brush, 0, 0, 4, 4);
    EXPECT_EQ(moved.Pixel(31, 31), Red);
    EXPECT_EQ(moved.Pixel(1, 1), White);
    TGPMatrix read;
    moved.Graphics->GetTransform(&read);
    EXPECT_FLOAT_EQ(read.OffsetX(), 30);
}

TEST(RurGDIPlusDrawing, TextIsMeasuredAndDrawnInsideItsBox)
{
    TTestCanvas canvas(128);
    TGPFont font(u"Arial", 14, 0, UnitPixel);
    TGPRectF box{};
    ASSERT_EQ(canvas.Graphics->MeasureString(u"Wide", -1, &font, MakeRectF(0, 0, 128, 64), nullptr, box), Ok);
    EXPECT_GT(box.Width, 10);
    EXPECT_GT(box.Height, 8);
    TGPRectF longer{};
    canvas.Graphics->MeasureString(u"Wide Wide", -1, &font, MakeRectF(0, 0, 128, 64), longer);
    EXPECT_GT(longer.Width, box.Width);

    TGPSolidBrush ink(Black);
    ASSERT_EQ(canvas.Graphics->DrawString(u"Wide", &font, MakeRectF(0, 0, 128, 64), nullptr, &ink), Ok);
    int inked = 0;
    for (int32_t y = 0; y < 64; ++y)
        for (int32_t x = 0; x < 128; ++x)
            inked += IsDark(canvas.Pixel(x, y)) && x < box.Width + 2 && y < box.Height + 2;
    EXPECT_GT(inked, 0);
    EXPECT_EQ(canvas.Graphics->DrawString(u"", &font, MakeRectF(0, 0, 128, 64), nullptr, &ink), Ok);
}

TEST(RurGDIPlusDrawing, ImageAttributesRemapOnlyTheirAdjustType)
{
    TGPBitmap source(4, 4, PixelFormat32bppARGB);
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 4; ++x)
            source.SetPixel(x, y, Red);
    ColorMap redToBlue{Red, Blue};
    struct Case { bool BrushOnly; ARGB Expected; };
    for (Case c : {Case{false, Blue}, Case{true, Red}}) {
        TTestCanvas canvas;
        TGPImageAttributes attributes;
        if (c.BrushOnly)
            attributes.SetBrushRemapTable(1, &redToBlue);
        else
            attributes.SetRemapTable(1, &redToBlue);
        canvas.Graphics->DrawImage(&source, MakeRectF(0, 0, 16, 16), 0, 0, 4, 4, UnitPixel, &attributes);
        EXPECT_EQ(canvas.Pixel(8, 8), c.Expected) << (c.BrushOnly ? "brush table" : "default table");
    }

    TTestCanvas keyed;
    TGPImageAttributes key;
    key.SetColorKey(Red, Red);
    keyed.Graphics->DrawImage(&source, MakeRectF(0, 0, 16, 16), 0, 0, 4, 4, UnitPixel, &key);
    EXPECT_EQ(keyed.Pixel(8, 8), White) << "the keyed colour is transparent";
}
