// The menu painter's canvas primitives, read back from a memory bitmap.
#include <gtest/gtest.h>

#include "MenuTestSupport.h"
#include "ToolBarTestSupport.h"

using RurMenus::gdHorizontal;
using RurMenus::gdVertical;

TEST(MenuPrimitives, GradientsAreSolidWithoutAnEndColour)
{
    for (TColor to : {clNone, TColor(0x336699)}) {
        auto bitmap = Bitmap32(10, 10);
        DrawMenuGradient(bitmap->Canvas(), Rect(0, 0, 10, 10), gdVertical, to, 0x336699);
        EXPECT_EQ(CountOf(bitmap.get(), Rect(0, 0, 10, 10), 0x336699), 100);
    }
}

TEST(MenuPrimitives, GradientRowsAndColumnsStepTruncating)
{
    auto bitmap = Bitmap32(4, 4);
    DrawMenuGradient(bitmap->Canvas(), Rect(0, 0, 4, 4), gdVertical, 0xFFFFFF, 0x000000);
    const TColor rows[] = {0x000000, 0x3F3F3F, 0x7F7F7F, 0xBFBFBF};
    for (int y = 0; y < 4; ++y)
        EXPECT_EQ(PixelOf(bitmap.get(), 2, y), rows[y]) << y;
    DrawMenuGradient(bitmap->Canvas(), Rect(0, 0, 4, 4), gdHorizontal, 0x000000, 0xFFFFFF);
    EXPECT_EQ(PixelOf(bitmap.get(), 0, 1), 0xFFFFFF);
    EXPECT_EQ(PixelOf(bitmap.get(), 3, 1), 0x404040);
}

TEST(MenuPrimitives, SectionsOfOneGradientJoinWithoutAStep)
{
    const TRect full = Rect(0, 0, 8, 100);
    auto whole = Bitmap32(8, 100), parts = Bitmap32(8, 100);
    DrawMenuGradient(whole->Canvas(), full, gdVertical, 0xFFFFFF, 0x000000);
    // Two items paint their halves of the pop-up's gradient.
    DrawGradientSection(parts->Canvas(), full, Rect(0, 0, 8, 50), gdVertical, 0xFFFFFF, 0x000000);
    DrawGradientSection(parts->Canvas(), full, Rect(0, 50, 8, 100), gdVertical, 0xFFFFFF, 0x000000);
    EXPECT_EQ(PixelOf(parts.get(), 3, 50), PixelOf(whole.get(), 3, 50)) << "the lower half starts mid-grey";
    for (int y = 0; y < 100; ++y) {
        const int a = PixelOf(whole.get(), 3, y) & 0xFF, b = PixelOf(parts.get(), 3, y) & 0xFF;
        EXPECT_LE(std::abs(a - b), 2) << y;
    }
    auto untouched = Bitmap32(8, 10, clLime);
    DrawGradientSection(untouched->Canvas(), Rect(0, 0, 8, 10), Rect(20, 0, 30, 10), gdVertical, 0xFFFFFF, 0);
    EXPECT_EQ(CountOf(untouched.get(), Rect(0, 0, 8, 10), clLime), 80);
}

TEST(MenuPrimitives, BoxesFillFrameAndMirror)
{
    auto bitmap = Bitmap32(10, 10, clLime);
    DrawGradientBox(bitmap->Canvas(), Rect(0, 0, 10, 10), true, clNone, gdVertical, clNone, clNone);
    EXPECT_EQ(CountOf(bitmap.get(), Rect(0, 0, 10, 10), clLime), 100) << "clNone paints nothing";
    DrawGradientBox(bitmap->Canvas(), Rect(0, 0, 10, 10), true, clRed, gdVertical, clNone, clBlue);
    EXPECT_EQ(PixelOf(bitmap.get(), 0, 0), clRed);
    EXPECT_EQ(PixelOf(bitmap.get(), 5, 5), clBlue);
    DrawMirrorGradientBox(bitmap->Canvas(), Rect(0, 0, 10, 10), true, clNone, gdVertical, clNone, clYellow, clNone,
                          clBlue);
    EXPECT_EQ(PixelOf(bitmap.get(), 5, 4), clBlue);
    EXPECT_EQ(PixelOf(bitmap.get(), 5, 5), clYellow);
}

TEST(MenuPrimitives, FadingLines)
{
    // A 2-pixel line inset by 2 whose 10 outer pixels on each side fade from white to black.
    auto bitmap = Bitmap32(60, 4, clLime);
    DrawGradientLine(bitmap->Canvas(), Rect(0, 1, 60, 3), 2, 20, gtBoth, gdHorizontal, 0xFFFFFF, 0x000000);
    EXPECT_EQ(PixelOf(bitmap.get(), 1, 1), clLime);
    EXPECT_EQ(PixelOf(bitmap.get(), 2, 1), 0xFFFFFF);
    EXPECT_EQ(PixelOf(bitmap.get(), 30, 2), 0x000000);
    EXPECT_EQ(PixelOf(bitmap.get(), 12, 1), 0x000000);
    EXPECT_NE(PixelOf(bitmap.get(), 7, 1), 0x000000);
    EXPECT_EQ(PixelOf(bitmap.get(), 58, 1), clLime);
    EXPECT_EQ(PixelOf(bitmap.get(), 30, 0), clLime);
    // No fade: one solid line between the margins.
    auto solid = Bitmap32(20, 1, clLime);
    DrawGradientLine(solid->Canvas(), Rect(0, 0, 20, 1), 3, 0, gtBoth, gdHorizontal, 0xFFFFFF, 0x112233);
    EXPECT_EQ(CountOf(solid.get(), Rect(3, 0, 17, 1), 0x112233), 14);
    EXPECT_EQ(CountOf(solid.get(), Rect(0, 0, 20, 1), clLime), 6);
    // A vertical splitter fading at its top only.
    auto splitter = Bitmap32(1, 20, clLime);
    DrawGradientLine(splitter->Canvas(), Rect(0, 0, 1, 20), 0, 10, gtRight, gdVertical, 0xFFFFFF, 0x000000);
    EXPECT_EQ(PixelOf(splitter.get(), 0, 0), 0x000000);
    EXPECT_EQ(PixelOf(splitter.get(), 0, 15), 0xFFFFFF);
}

TEST(MenuPrimitives, BackgroundPictureTilesAndPlacesOverTheGradient)
{
    TBackground background(nullptr);
    background.SetColor(0x00FF00);
    // Blue with a white bottom-left pixel: the colour a background picture leaves out.
    auto tile = Bitmap32(2, 2, 0xFF0000);
    tile->Canvas()->SetPixels(0, 1, clWhite);
    TPicture picture;
    picture.SetGraphic(tile.get());
    background.SetImage(&picture);
    background.SetPosition(bpTiled);
    auto tiled = Bitmap32(12, 8);
    DrawMenuBackground(tiled->Canvas(), Rect(0, 0, 12, 8), &background, true);
    EXPECT_EQ(CountOf(tiled.get(), Rect(0, 0, 12, 8), 0xFF0000), 72);
    EXPECT_EQ(CountOf(tiled.get(), Rect(0, 0, 12, 8), 0x00FF00), 24) << "the gradient shows through";
    background.SetPosition(bpTopLeft);
    background.SetMarginX(2);
    auto placed = Bitmap32(12, 8, clWhite);
    DrawMenuBackground(placed->Canvas(), Rect(0, 0, 12, 8), &background, true);
    EXPECT_EQ(PixelOf(placed.get(), 2, 0), 0xFF0000);
    EXPECT_EQ(PixelOf(placed.get(), 4, 0), 0x00FF00);
    EXPECT_EQ(PixelOf(placed.get(), 0, 0), clWhite) << "the margin";
    TBitmap empty;
    picture.SetGraphic(&empty);
    background.SetImage(&picture);
    background.SetPosition(bpTiled);
    auto none = Bitmap32(12, 8);
    DrawMenuBackground(none->Canvas(), Rect(0, 0, 12, 8), &background, true);
    EXPECT_EQ(CountOf(none.get(), Rect(2, 0, 10, 8), 0x00FF00), 64);
}

TEST(MenuPrimitives, SideBarCaptionDrawsHighlightShadowAndText)
{
    TRurPopupMenu menu(nullptr);
    TSideBar* bar = menu.CurrentMenuStyler()->SideBar();
    bar->SetCaption(u"Tavin");
    bar->SetDepth(2);
    bar->SetHighlightColor(0x00FF00);
    bar->SetShadowColor(0xFF0000);
    bar->Font()->SetColor(0x0000FF);
    auto bitmap = Bitmap32(26, 140);
    DrawSideBarCaption(bitmap->Canvas(), menu.RurMenuIntf(), Rect(0, 0, 25, 140));
    AddToContactSheet(u"side bar caption", bitmap.get());
    const TRect all = Rect(0, 0, 26, 140);
    EXPECT_GT(CountOf(bitmap.get(), all, 0x00FF00), 10);
    EXPECT_GT(CountOf(bitmap.get(), all, 0xFF0000), 10);
    EXPECT_GT(CountOf(bitmap.get(), all, 0x0000FF), 10);
    // Rotated: the caption runs up the band, taller than it is wide.
    int top = 140, bottom = 0;
    for (int y = 0; y < 140; ++y)
        for (int x = 0; x < 26; ++x)
            if (PixelOf(bitmap.get(), x, y) != clWhite) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    EXPECT_GT(bottom - top, 40);
}

TEST(MenuPrimitives, SideBarBorderLeavesTheSplitterOutside)
{
    TRurPopupMenu menu(nullptr);
    TSideBar* bar = menu.CurrentMenuStyler()->SideBar();
    bar->SetBorderColor(0x00FF00);
    bar->SetSplitterColor(0x0000FF);
    bar->SetSplitterWidth(2);
    auto bitmap = Bitmap32(30, 20);
    DrawSideBarBorder(bitmap->Canvas(), menu.RurMenuIntf(), Rect(0, 0, 26, 20));
    DrawSideBarSplitter(bitmap->Canvas(), menu.RurMenuIntf(), Rect(0, 0, 26, 20));
    EXPECT_EQ(PixelOf(bitmap.get(), 0, 10), 0x00FF00);
    EXPECT_EQ(PixelOf(bitmap.get(), 23, 10), 0x00FF00);
    EXPECT_EQ(PixelOf(bitmap.get(), 24, 10), 0x0000FF);
    EXPECT_EQ(PixelOf(bitmap.get(), 25, 10), 0x0000FF);
}
