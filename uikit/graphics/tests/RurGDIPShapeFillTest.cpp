#include <gtest/gtest.h>

#include "RurGDIP.h"

using namespace RurGDIP;

namespace {

constexpr ARGB White = 0xFFFFFFFF;

// A white 60 x 40 ARGB bitmap to fill shapes on, anti-aliasing off; GDI+ started for the suite.
class RurGDIPShapeFill : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RurGDIPInitialize(); }
    static void TearDownTestSuite() { RurGDIPFinalize(); }

    RurGDIPShapeFill() : FBitmap(60, 40), FGraphics(&FBitmap)
    {
        FGraphics.Clear(White);
        FGraphics.SetSmoothingMode(SmoothingModeNone);
        FParams.Graphics = &FGraphics;
        FParams.Rect = MakeRectF(10, 10, 40, 20);
    }

    ARGB At(int x, int y)
    {
        FGraphics.Flush(FlushIntentionSync);
        ARGB color = 0;
        FBitmap.GetPixel(x, y, color);
        return color;
    }

    TGPBitmap FBitmap;
    TGPGraphics FGraphics;
    TGDIPShapeFillParams FParams;
};

} // namespace

TEST_F(RurGDIPShapeFill, SolidFillWithBorderInTheFillOpacity)
{
    FParams.GradientType = gtSolid;
    FParams.Color = clRed;
    FParams.BorderColor = clBlue;
    FParams.BorderWidth = 1;
    FillGDIPShape(FParams);
    EXPECT_EQ(At(30, 20), 0xFFFF0000);
    EXPECT_EQ(At(10, 20), 0xFF0000FF);
    EXPECT_EQ(At(5, 5), White);

    FParams.Opacity = 0;
    FParams.BorderColor = clBlack;
    FParams.Rect = MakeRectF(0, 0, 5, 5);
    FillGDIPShape(FParams);
    EXPECT_EQ(At(0, 2), White); // the border is as transparent as the fill
}

TEST_F(RurGDIPShapeFill, KindsThatFillNothingStillOutline)
{
    for (TRurGradientType kind : {gtNone, gtRadial, gtPath, gtTexture}) {
        FGraphics.Clear(White);
        FParams.GradientType = kind;
        FParams.Color = clRed;
        FParams.BorderColor = clGreen;
        FillGDIPShape(FParams);
        EXPECT_EQ(At(30, 20), White) << kind;
        EXPECT_EQ(At(10, 20), 0xFF008000) << kind;
    }
    FGraphics.Clear(White);
    FParams.BorderColor = clNone;
    FParams.GradientType = gtNone;
    FillGDIPShape(FParams);
    EXPECT_EQ(At(10, 20), White);
}

TEST_F(RurGDIPShapeFill, GradientsSpanTheGrownRectangleAndTopLine)
{
    struct Case {
        TRurGradientType Kind;
        bool TopLineDrawn;
    } cases[] = {{gtHorizontal, true}, {gtVertical, true}, {gtForwardDiagonal, true}, {gtAngle, false}};
    for (const Case& c : cases) {
        FGraphics.Clear(White);
        FParams.GradientType = c.Kind;
        FParams.Color = clRed;
        FParams.ColorTo = clBlue;
        FParams.Angle = 0;
        FParams.TopLine = true;
        FillGDIPShape(FParams);
        ARGB start = At(11, 11), end = At(48, 28); // every kind here runs from top-left to bottom-right
        EXPECT_GT(ExtractRed(start), ExtractBlue(start)) << c.Kind;
        EXPECT_GT(ExtractBlue(end), ExtractRed(end)) << c.Kind;
        EXPECT_EQ(At(9, 20), White) << c.Kind; // only the shape is filled
        EXPECT_EQ(At(45, 10) == 0xFFFF0000, c.TopLineDrawn) << c.Kind;
    }
}

TEST_F(RurGDIPShapeFill, HatchAndPath)
{
    TGPGraphicsPath circle;
    circle.AddEllipse(MakeRectF(10, 0, 40, 40));
    FParams.GradientType = gtHatch;
    FParams.HatchStyle = HatchStyleHorizontal;
    FParams.Color = clBlack;
    FParams.ColorTo = clWhite;
    FParams.Path = &circle;
    FParams.UsePath = true;
    FillGDIPShape(FParams);
    int black = 0;
    for (int y = 5; y < 35; ++y)
        black += At(30, y) == 0xFF000000;
    EXPECT_GT(black, 0);
    EXPECT_LT(black, 30);
    EXPECT_EQ(At(11, 1), White); // outside the circle, inside its bounds
}
