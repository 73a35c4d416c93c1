#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "ExtCtrls.h"
#include "Forms.h"
#include "GuiTestSupport.h"
#include "KitUnits.h"
#include "RurAnchors.h"
#include "RurShape.h"

using namespace RurShape;

namespace {

TColor RGBOf(TColor color) { return ColorToRGB(color); }

class TShapeForm : public TForm {
    TAVIN_CLASS(TShapeForm, TForm)
public:
    using TForm::TForm;
};

// A shape on a white panel of a form; pixels are read from the panel's face.
class ShapeTest : public ::testing::Test {
protected:
    ShapeTest()
    {
        FForm.SetBounds(40, 40, 320, 240);
        FHost = new TPanel(&FForm);
        FHost->SetParent(&FForm);
        FHost->SetBounds(0, 0, 300, 200);
        FHost->SetColor(clWhite);
        FHost->SetParentBackground(false);
        FShape = new TRurShape(&FForm);
        FShape->SetParent(FHost);
        FShape->SetBounds(20, 10, 120, 120);
    }
    // The pixel at a point of the shape.
    TColor At(int x, int y)
    {
        FHost->HandleNeeded(); // the panel erases its background through its window's class
        TOffscreenImage image(FHost);
        return TColor(image.Pixel(FShape->Left() + x, FShape->Top() + y));
    }

    TForm FForm{nullptr};
    TPanel* FHost;
    TRurShape* FShape;
};

} // namespace

TEST(ShapePoints, Generators)
{
    EXPECT_EQ(StarPoints(0, 0, 30, 40), (TPointArray{{0, 10}, {10, 10}, {15, 0}, {20, 10}, {30, 10}, {25, 20},
                                                     {30, 30}, {20, 30}, {15, 40}, {10, 30}, {0, 30}, {5, 20}}));
    EXPECT_EQ(RectPoints(1, 2, 3, 4), (TPointArray{{1, 2}, {3, 2}, {3, 4}, {1, 4}}));
    EXPECT_EQ(TrianglePoints(0, 0, 11, 10), (TPointArray{{0, 10}, {5, 0}, {11, 10}}));

    const TPointArray circle = ArcPoints(0, 0, 10, 10, 0, 360, true);
    ASSERT_EQ(circle.size(), 37u); // r 5.5: 35 steps, the first point twice
    EXPECT_EQ(circle[0], (TPoint{10, 5})); // 10.5 rounds to 10
    EXPECT_EQ(circle[1], (TPoint{10, 5}));
    EXPECT_EQ(circle.back(), (TPoint{10, 5}));
    const TPointArray backwards = ArcPoints(0, 0, 10, 10, 0, 90, false);
    EXPECT_EQ(backwards[0], backwards[1]);
    EXPECT_EQ(backwards.back(), (TPoint{10, 5})); // from the end angle back to the start
    EXPECT_EQ(ArcPoints(3, 4, 2, 9, 0, 360, true), (TPointArray{{3, 4}, {2, 9}})); // no width

    const TPointArray rounded = RoundRectPoints(0, 0, 100, 50, 10, 10);
    EXPECT_EQ(rounded.front(), rounded.back());
    for (const TPoint& p : rounded) {
        EXPECT_GE(p.X, -1);
        EXPECT_LE(p.X, 101);
    }
}

TEST(ShapePoints, DrawerMapsAndTurns)
{
    TShapeDrawer drawer;
    drawer.SetOriginalRect(TRect(0, 0, 100, 100));
    drawer.SetCurRect(TRect(10, 20, 210, 70));
    EXPECT_EQ(drawer.PP(50, 50), (TPoint{110, 45}));
    EXPECT_EQ(drawer.UnPP(110, 45), (TPoint{50, 50}));
    EXPECT_EQ(drawer.LP(5, 5), (TPoint{15, 25}));
    EXPECT_EQ(drawer.RP(95, 95), (TPoint{205, 65}));
    drawer.SetOriginalRect(TRect(0, 0, 0, 0)); // no width: the current rectangle's edge
    EXPECT_EQ(drawer.PX(30), 10);

    drawer.SetCurRect(TRect(0, 0, 100, 100));
    EXPECT_EQ(drawer.Rot(80, 50), (TPoint{80, 50})); // angle 0: unchanged
    drawer.SetAngle(90);
    EXPECT_EQ(drawer.Rot(80, 50), (TPoint{50, 80})); // clockwise on the screen about (50, 50)
    EXPECT_EQ(drawer.Unrot(50, 80), (TPoint{80, 50}));
    EXPECT_EQ(drawer.Angle(), 90);
    drawer.SetRotationType(rtRotationCenter);
    drawer.SetRotationCenter(TPoint{0, 0});
    EXPECT_EQ(drawer.Rot(10, 0), (TPoint{0, 10}));
    drawer.SetRotationType(rtCurRectCenter);
    const TRect moved = drawer.RotByCenter(TRect(70, 40, 90, 60)); // centre (80, 50) goes to (50, 80)
    EXPECT_EQ(moved, TRect(40, 70, 60, 90));
}

TEST_F(ShapeTest, DefaultsAndAngles)
{
    EXPECT_EQ(FShape->Version(), u"1.2.1.0");
    EXPECT_EQ(FShape->ShapeWidth(), 100);
    EXPECT_EQ(FShape->Rounding(), 10);
    EXPECT_EQ(FShape->Appearance()->Brush()->Style(), bsClear);
    EXPECT_EQ(FShape->Appearance()->Steps(), 64);
    EXPECT_TRUE(FShape->Clipping());
    FShape->SetRotationAngle(361);
    EXPECT_EQ(FShape->RotationAngle(), 0);
    FShape->SetRotationAngle(-360);
    EXPECT_EQ(FShape->RotationAngle(), -360);
    FShape->SetRotationAngle(360);
    EXPECT_EQ(FShape->RotationAngle(), 360);
}

TEST_F(ShapeTest, TheSeparatorLine)
{
    FShape->SetBounds(20, 10, 567, 18);
    FShape->SetShape(stLine);
    FShape->SetAutoSize(true);
    FShape->Appearance()->Pen()->SetColor(TColor(15131358));
    EXPECT_EQ(FShape->ShapeWidth(), 566);
    EXPECT_EQ(FShape->ShapeHeight(), 17);
    EXPECT_EQ(FShape->GetShapeRect(), TRect(0, 0, 566, 17));
    FHost->SetWidth(600);
    FHost->HandleNeeded();
    TOffscreenImage image(FHost);
    for (int x : {1, 200, 566})
        EXPECT_EQ(TColor(image.Pixel(20 + x, 10 + 8)), TColor(15131358)) << x;
    EXPECT_EQ(TColor(image.Pixel(20 + 200, 10 + 7)), clWhite);
    EXPECT_EQ(TColor(image.Pixel(20 + 200, 10 + 9)), clWhite);
}

TEST_F(ShapeTest, RectanglesAtAndAwayFromAngleZero)
{
    FShape->Appearance()->SetColor(clNone);
    FShape->Appearance()->Pen()->SetColor(clBlack);
    // Angle 0: the canvas rectangle one pixel wider and taller than (10, 10, 110, 110).
    EXPECT_EQ(At(110, 60), clBlack);
    EXPECT_EQ(At(111, 60), clWhite);
    // Turned by 90 degrees a 100 x 40 shape stands upright through its turned corners.
    FShape->SetShapeHeight(40);
    FShape->SetRotationAngle(90);
    EXPECT_EQ(At(40, 60), clBlack);
    EXPECT_EQ(At(80, 60), clBlack);
    EXPECT_EQ(At(60, 15), clWhite);
    EXPECT_EQ(At(20, 60), clWhite);
}

TEST_F(ShapeTest, FillsAreClippedToTheOutline)
{
    FShape->SetShape(stEllipse);
    FShape->Appearance()->SetColor(clRed);
    FShape->Appearance()->SetColorTo(clNone);
    EXPECT_EQ(At(60, 60), clRed);
    EXPECT_EQ(At(2, 2), clWhite);
    FShape->SetClipping(false);
    FShape->Invalidate();
    EXPECT_EQ(At(2, 2), clRed); // the whole client area
    FShape->SetClipping(true);

    FShape->SetShape(stRectangle);
    FShape->Appearance()->SetColorTo(clBlue);
    FShape->Appearance()->SetSteps(0); // one band
    EXPECT_EQ(At(100, 60), clRed);
    FShape->Appearance()->SetSteps(2);
    EXPECT_EQ(At(30, 60), clRed);
    EXPECT_EQ(At(100, 60), TColor(RGB(127, 0, 128))); // half way, rounding halves to even
    FShape->Appearance()->SetDirection(gdVertical);
    EXPECT_EQ(At(100, 30), clRed);
    EXPECT_EQ(At(30, 100), TColor(RGB(127, 0, 128)));
}

TEST_F(ShapeTest, BevelsAndBackgroundPictures)
{
    FShape->Appearance()->SetColor(clNone);
    FShape->SetBevel(bsRaised);
    EXPECT_EQ(At(60, 10), RGBOf(clBtnHighlight)); // top edge
    EXPECT_EQ(At(110, 60), RGBOf(clBtnShadow));  // right edge
    FShape->SetBevel(bsLowered);
    EXPECT_EQ(At(60, 10), RGBOf(clBtnShadow));

    // Pictures below the shape rectangle would be clipped away with it.
    FShape->SetBevel(RurShape::bsNone);
    FShape->SetClipping(false);
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(4, 4);
    bitmap->Canvas()->Brush()->SetColor(clLime);
    bitmap->Canvas()->FillRect(TRect(0, 0, 4, 4));
    FShape->BackGround()->Picture()->SetGraphic(bitmap.get());
    const struct {
        TBackGroundPosition Position;
        TPoint At;
    } cases[] = {
        {bpTopLeft, {11, 11}},
        {bpTopRight, {95, 11}},    // the shape's width less the picture's, from the control's left
        {bpBottomLeft, {11, 113}}, // the control's height less the picture's less 3
        {bpCenter, {47, 57}},
    };
    for (const auto& c : cases) {
        FShape->BackGround()->SetPosition(c.Position);
        EXPECT_EQ(At(c.At.X, c.At.Y), clLime) << int(c.Position);
        EXPECT_EQ(At(c.At.X + 5, c.At.Y + 2), clWhite) << int(c.Position);
    }
}

TEST_F(ShapeTest, CaptionLinksOpenOrRaiseEvents)
{
    FShape->Appearance()->SetColor(clNone);
    FShape->SetText(u"<a href=\"local\">local</a><br><a href=\"http://example.com\">web</a>");
    ShowActive(&FForm);
    std::vector<String> opened, clicked, entered;
    const TAnchorOpener previous = SetAnchorOpener([&](const String& a) { opened.push_back(a); });
    FShape->SetOnAnchorClick(TAnchorClick([&](TObject*, String a) { clicked.push_back(a); }));
    FShape->SetOnAnchorEnter(TAnchorClick([&](TObject*, String a) { entered.push_back(a); }));
    int exits = 0;
    FShape->SetOnAnchorExit(TAnchorClick([&](TObject*, String a) {
        EXPECT_TRUE(a.empty());
        ++exits;
    }));
    // The caption starts 2 pixels inside the shape rectangle (10, 10).
    const int x = 12 + 5, line1 = 12 + 6;
    ASSERT_EQ(FShape->GetAnchorAt(x, line1), u"local");
    int line2 = line1;
    while (line2 < 60 && FShape->GetAnchorAt(x, line2) != u"http://example.com")
        ++line2;
    ASSERT_LT(line2, 60);
    auto at = [&](UINT message, int cx, int cy, WPARAM keys = 0) {
        PostMouse(FHost, message, FShape->Left() + cx, FShape->Top() + cy, keys);
    };
    at(WM_MOUSEMOVE, x, line1);
    EXPECT_EQ(FShape->Cursor(), crHandPoint);
    EXPECT_EQ(entered, std::vector<String>{u"local"});
    at(WM_MOUSEMOVE, x, line2); // straight onto another anchor: no second enter
    EXPECT_EQ(entered.size(), 1u);
    at(WM_MOUSEMOVE, 100, 100);
    EXPECT_EQ(FShape->Cursor(), crDefault);
    EXPECT_EQ(exits, 1);
    at(WM_LBUTTONDOWN, x, line1, MK_LBUTTON);
    at(WM_LBUTTONUP, x, line1);
    at(WM_LBUTTONDOWN, x, line2, MK_LBUTTON);
    at(WM_LBUTTONUP, x, line2);
    SetAnchorOpener(previous);
    EXPECT_EQ(clicked, std::vector<String>{u"local"});
    EXPECT_EQ(opened, std::vector<String>{u"http://example.com"});
}

TEST(ShapeResource, ReadThroughDottedPaths)
{
    RegisterClass(TRurShape::StaticClass());
    SetFormTexts({{u"TShapeForm", R"(object ShapeForm: TShapeForm
  ClientWidth = 600
  ClientHeight = 100
  object RurShape1: TRurShape
    Left = 8
    Top = 60
    Width = 567
    Height = 18
    Appearance.Pen.Color = 15131358
    Appearance.Brush.Style = bsClear
    Appearance.Color = clRed
    Appearance.ColorTo = clRed
    Appearance.Direction = gdHorizontal
    AutoSize = True
    BackGround.Position = bpTopLeft
    Shape = stLine
    ShapeHeight = 17
    ShapeWidth = 566
    Version = '1.2.1.0'
  end
end
)"}});
    std::unique_ptr<TShapeForm> form(CreateForm<TShapeForm>(nullptr));
    auto* shape = dynamic_cast<TRurShape*>(form->FindComponent(u"RurShape1"));
    ASSERT_TRUE(shape);
    EXPECT_EQ(shape->Shape(), stLine);
    EXPECT_EQ(shape->Appearance()->Pen()->Color(), TColor(15131358));
    EXPECT_EQ(shape->Appearance()->Color(), clRed);
    EXPECT_TRUE(shape->AutoSize());
    EXPECT_EQ(shape->GetShapeRect(), TRect(0, 0, 566, 17));
}
