// The two real back ends drawing one small scene into a bitmap, checked at telling pixels (away
// from edges, since Wine's GDI+ does not smooth paths the way Windows does), and against each other.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "RurGraphics.Win.h"
#include "RurGraphics.h"

namespace {

constexpr TColor Red = 0x0000FF, Green = 0x00FF00, Blue = 0xFF0000, White = 0xFFFFFF;

std::unique_ptr<TRurGraphics> Scene(bool native)
{
    auto g = TRurGraphics::CreateBitmapCanvas(100, 60, native, false);
    g->BeginScene();
    g->Stroke()->SetKind(gskNone);
    g->Fill()->SetColor(White);
    g->DrawRectangle(TRectF{0, 0, 100, 60});
    g->Fill()->SetColor(Red);
    g->DrawRectangle(TRectF{5, 5, 35, 25});
    g->Fill()->SetColor(Blue);
    g->DrawEllipse(TRectF{40, 5, 70, 35});
    g->Fill()->SetKind(gfkNone);
    g->Stroke()->SetKind(gskSolid);
    g->Stroke()->SetColor(Green);
    g->Stroke()->SetWidth(3);
    g->DrawLine(TPointF{75, 10}, TPointF{95, 10});
    // The canvas gradient paints its bands with the pen's width.
    g->Stroke()->SetWidth(1);
    g->Fill()->SetKind(gfkGradient);
    g->Fill()->SetColor(Red);
    g->Fill()->SetColorTo(Blue);
    g->Fill()->SetOrientation(gfoHorizontal);
    g->Stroke()->SetKind(gskNone);
    g->DrawRectangle(TRectF{5, 40, 95, 55});
    g->EndScene();
    return g;
}

TColor Pixel(TRurGraphics& g, int x, int y) { return g.Bitmap()->Canvas()->Pixels(x, y); }

int Channel(TColor c, int shift) { return (c >> shift) & 0xFF; }

bool Near(TColor a, TColor b, int tolerance)
{
    for (int shift : {0, 8, 16})
        if (std::abs(Channel(a, shift) - Channel(b, shift)) > tolerance)
            return false;
    return true;
}

TEST(RurGraphicsBackEnds, EachBackEndDrawsTheScene)
{
    const struct {
        int x, y;
        TColor color;
    } points[] = {{20, 15, Red}, {55, 20, Blue}, {85, 10, Green}, {55, 4, White}, {2, 30, White}, {38, 15, White}};
    for (bool native : {false, true}) {
        auto g = Scene(native);
        for (const auto& p : points)
            EXPECT_TRUE(Near(Pixel(*g, p.x, p.y), p.color, 8))
                << (native ? "GDI+" : "GDI") << " at " << p.x << "," << p.y << ": " << std::hex << Pixel(*g, p.x, p.y);
        // The gradient runs from red on the left to blue on the right.
        const TColor left = Pixel(*g, 8, 47), right = Pixel(*g, 92, 47);
        EXPECT_GT(Channel(left, 0), Channel(left, 16)) << native;
        EXPECT_GT(Channel(right, 16), Channel(right, 0)) << native;
    }
}

TEST(RurGraphicsBackEnds, RectanglesOutlineOnlyTheChosenSides)
{
    for (bool native : {false, true}) {
        auto g = TRurGraphics::CreateBitmapCanvas(40, 40, native, false);
        g->Stroke()->SetKind(gskNone);
        g->Fill()->SetColor(White);
        g->DrawRectangle(TRectF{0, 0, 40, 40});
        g->Fill()->SetKind(gfkNone);
        g->Stroke()->SetKind(gskSolid);
        g->Stroke()->SetColor(0);
        g->DrawRectangle(TRectF{10, 10, 30, 30}, TRurGraphicsSides{gsTop, gsLeft});
        g->EndScene();
        const auto dark = [&](int x, int y) {
            for (int d = -1; d <= 1; ++d)
                if (Near(Pixel(*g, x, y + d), 0, 60) || Near(Pixel(*g, x + d, y), 0, 60))
                    return true;
            return false;
        };
        EXPECT_TRUE(dark(20, 10)) << native;
        EXPECT_TRUE(dark(10, 20)) << native;
        EXPECT_FALSE(dark(20, 29)) << native;
        EXPECT_FALSE(dark(29, 20)) << native;
    }
}

TEST(RurGraphicsBackEnds, BothBackEndsAgree)
{
    auto gdi = Scene(false);
    auto gdiplus = Scene(true);
    int differing = 0;
    // GDI leaves a shape's last column and row to its outline: the grid keeps off those lines.
    for (int y = 2; y < 58; y += 3)
        for (int x = 2; x < 100; x += 3)
            differing += !Near(Pixel(*gdi, x, y), Pixel(*gdiplus, x, y), 40);
    // The ellipse's outline and the line's caps may be rasterised differently; nothing else may differ.
    EXPECT_LT(differing, 8);
}

// The painters' glyphs, drawn on a bitmap of their own in the glyph colour and put in the middle of
// the button: a pixel on the glyph's lines is dark, one off them shows the face (the glyph bitmap's
// white is transparent).
TEST(RurGraphicsBackEnds, PaintersDrawTheirGlyphBitmaps)
{
    TRurGraphics::SetDefaultGraphicColors();
    constexpr TColor Face = 0xE1E1E1;
    const struct {
        const char* name;
        std::function<void(TRurGraphics&)> paint;
        TPoint on, off; // in the 32 x 32 button
    } glyphs[] = {
        {"close", [](TRurGraphics& g) { g.DrawCloseButton({0, 0, 32, 32}, false, false, true, true, 1); }, {13, 13},
         {15, 11}},
        {"expander collapsed",
         [](TRurGraphics& g) { g.DrawExpanderButton({0, 0, 32, 32}, gesCollapsed, false, false, true, true, 1); },
         {16, 17}, {16, 14}},
        {"expander expanded",
         [](TRurGraphics& g) { g.DrawExpanderButton({0, 0, 32, 32}, gesExpanded, false, false, true, true, 1); },
         {16, 14}, {16, 17}},
        {"compact collapsed",
         [](TRurGraphics& g) { g.DrawCompactButton({0, 0, 32, 32}, gcsCollapsed, false, false, true, true, 1); },
         {17, 16}, {14, 16}},
        {"compact expanded",
         [](TRurGraphics& g) { g.DrawCompactButton({0, 0, 32, 32}, gcsExpanded, false, false, true, true, 1); },
         {14, 16}, {17, 16}},
        // 7 x 7 at (12, 12): its widest row at 1, nothing below row 5.
        {"drop-down", [](TRurGraphics& g) { g.DrawDropDownButton({0, 0, 32, 32}, false, false, true, true, true, 1); },
         {15, 13}, {15, 18}},
    };
    const auto dark = [](TRurGraphics& g, TPoint p) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (Near(Pixel(g, p.X + dx, p.Y + dy), 0, 60))
                    return true;
        return false;
    };
    for (const auto& glyph : glyphs) {
        auto g = TRurGraphics::CreateBitmapCanvas(32, 32, false, false);
        glyph.paint(*g);
        EXPECT_TRUE(dark(*g, glyph.on)) << glyph.name;
        EXPECT_EQ(Pixel(*g, glyph.off.X, glyph.off.Y), Face) << glyph.name;
        EXPECT_EQ(Pixel(*g, 4, 16), Face) << glyph.name;
    }
    // Twice the scale: a glyph twice the size, its lines as far from the centre.
    auto g = TRurGraphics::CreateBitmapCanvas(48, 48, false, false);
    g->DrawCloseButton({0, 0, 48, 48}, false, false, true, true, 2);
    EXPECT_TRUE(dark(*g, {8 + 2 * 4, 8 + 2 * 4}));
    EXPECT_TRUE(dark(*g, {8 + 2 * 11, 8 + 2 * 4}));
    EXPECT_EQ(Pixel(*g, 8 + 2 * 7, 8 + 2 * 3), Face);
}

TEST(RurGraphicsBackEnds, GDIPlusStateChangedWhileUnboundIsNotLost)
{
    auto g = TRurGraphics::CreateBitmapCanvas(20, 20, true, false);
    g->EndScene();
    // Drawing after the end of the scene has no effect.
    g->Stroke()->SetKind(gskNone);
    g->Fill()->SetColor(Blue);
    g->DrawRectangle(TRectF{0, 0, 20, 20});
    EXPECT_FALSE(Near(Pixel(*g, 10, 10), Blue, 8));
    // Changed while unbound: the new binding draws with it. Binding again delivers the drawing.
    g->Fill()->SetColor(Red);
    g->Context()->SetSize(20, 20);
    g->DrawRectangle(TRectF{0, 0, 20, 20});
    g->Context()->SetSize(20, 20);
    EXPECT_TRUE(Near(Pixel(*g, 10, 10), Red, 8)) << std::hex << Pixel(*g, 10, 10);
}

TEST(RurGraphicsBackEnds, GDIPlusTextAngleAndTransforms)
{
    auto g = TRurGraphics::CreateBitmapCanvas(20, 20, true, false);
    TRurGraphicsContext& c = *g->Context();
    EXPECT_EQ(c.SetTextAngle({0, 0, 20, 100}, 90), (TRectF{-50, -10, 50, 10}));
    c.ResetTextAngle(90);
    EXPECT_EQ(c.GetMatrix(), TRurGraphicsMatrix::Identity());
    c.SetAntiAliasing(true);
    c.RotateTransform(30);
    EXPECT_NE(c.GetMatrix(), TRurGraphicsMatrix::Identity());
    c.ResetTransform();
    EXPECT_EQ(c.GetMatrix(), TRurGraphicsMatrix::Identity());
    auto* graphics = static_cast<RurGDIPlusClasses::TGPGraphics*>(c.NativeCanvas());
    EXPECT_EQ(graphics->GetSmoothingMode(), 4);
}

TEST(RurGraphicsBackEnds, GDIPlusColoursAndGDIClipping)
{
    EXPECT_EQ(TRurGraphicsContextWin::ToGPColor(0x112233, 1), 0xFF332211u);
    EXPECT_EQ(TRurGraphicsContextWin::ToGPColor(0x112233, 0.5f), 0x80332211u);

    auto g = TRurGraphics::CreateBitmapCanvas(30, 30, false, false);
    g->Stroke()->SetKind(gskNone);
    auto state = g->SaveState(true);
    g->ClipRect(TRectF{0, 0, 20, 20});
    g->ClipRect(TRectF{10, 10, 30, 30});
    g->Context()->ResetClip();
    g->Fill()->SetColor(Red);
    g->DrawRectangle(TRectF{0, 0, 30, 30});
    EXPECT_EQ(Pixel(*g, 15, 15), Red);
    EXPECT_NE(Pixel(*g, 5, 5), Red);
    EXPECT_NE(Pixel(*g, 25, 25), Red);
    g->RestoreState(std::move(state), true);
    g->DrawRectangle(TRectF{0, 0, 30, 30});
    EXPECT_EQ(Pixel(*g, 5, 5), Red);
}

} // namespace
