// The quick-access toolbar's glyph buttons: which states draw a body, the held-down state, the
// glyphs' pixels and which mouse buttons click.
#include <gtest/gtest.h>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "RurToolBar_Colors.h"
#include "RurToolBar_Platform.h"
#include "RurVistaGlyphButton.h"
#include "ToolBarTestSupport.h"

namespace {

constexpr TColor Backdrop = 0x00FF00; // the bar's painting under the button
constexpr TColor NormalBorder = 0x0000C0, HotBorder = 0xC00000, DownBorder = 0x00C0C0, DisabledBorder = 0x808080;

void Colour(TGlowButtonAppearance* a)
{
    a->SetColor(0xF0F0F0);
    a->SetColorTo(0xF0F0F0);
    a->SetColorMirror(0xF0F0F0);
    a->SetColorMirrorTo(0xF0F0F0);
    a->SetBorderColor(NormalBorder);
    a->SetColorHot(0xE0E0FF);
    a->SetColorHotTo(0xE0E0FF);
    a->SetColorMirrorHot(0xE0E0FF);
    a->SetColorMirrorHotTo(0xE0E0FF);
    a->SetBorderColorHot(HotBorder);
    a->SetColorDown(0xFFE0E0);
    a->SetColorDownTo(0xFFE0E0);
    a->SetColorMirrorDown(0xFFE0E0);
    a->SetColorMirrorDownTo(0xFFE0E0);
    a->SetBorderColorDown(DownBorder);
    a->SetColorDisabled(0xD0D0D0);
    a->SetColorDisabledTo(0xD0D0D0);
    a->SetColorMirrorDisabled(0xD0D0D0);
    a->SetColorMirrorDisabledTo(0xD0D0D0);
    a->SetBorderColorDisabled(DisabledBorder);
    a->SetTextColor(clBlack);
}

// The button painted over the backdrop, as its parent would.
std::unique_ptr<TBitmap> Paint(TRurVistaButton* button)
{
    auto bitmap = Bitmap32(button->Width(), button->Height(), Backdrop);
    button->Perform(WM_PAINT, reinterpret_cast<WPARAM>(bitmap->Canvas()->Handle()));
    return bitmap;
}

// Whether the border colour shows on the top edge's middle.
bool HasBody(TBitmap* b, TColor border) { return PixelOf(b, b->Width() / 2, 0) == border; }

struct TVistaButtonTest : ::testing::Test {
    void SetUp() override
    {
        Button = std::make_unique<TRurVistaButton>(nullptr);
        Button->SetBounds(0, 0, 14, 23);
        Colour(Button->Appearance());
    }
    std::unique_ptr<TRurVistaButton> Button;
};

TEST_F(TVistaButtonTest, OnlyAButtonOutOfItsRestingStateDrawsABody)
{
    TScopedDPIScale scale(1.0f);
    struct Case {
        const char* State;
        std::function<void(TRurVistaButton*)> Make;
        bool Body;
        TColor Border;
    };
    const Case cases[] = {
        {"normal", [](TRurVistaButton*) {}, false, NormalBorder},
        {"hot", [](TRurVistaButton* b) { b->Perform(CM_MOUSEENTER); }, true, HotBorder},
        {"held down", [](TRurVistaButton* b) { b->SetDown(true); }, true, DownBorder},
        {"disabled", [](TRurVistaButton* b) { b->SetEnabled(false); }, true, DisabledBorder},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.State);
        TRurVistaButton button(nullptr);
        button.SetBounds(0, 0, 14, 23);
        Colour(button.Appearance());
        button.SetScrollArrow(saNone);
        c.Make(&button);
        auto b = Paint(&button);
        EXPECT_EQ(HasBody(b.get(), c.Border), c.Body);
        if (!c.Body) {
            EXPECT_EQ(CountOther(b.get(), Rect(0, 0, 14, 23), Backdrop), 0) << "a resting button leaves the bar visible";
        }
        AddToContactSheet(String(u"vista ") + String(c.State, c.State + strlen(c.State)), b.get());
    }
}

TEST_F(TVistaButtonTest, AfterTheScaleChangedTheFirstRestingPaintDrawsTheBodyOnce)
{
    Button->SetScrollArrow(saNone);
    TScopedDPIScale scale(1.5f);
    EXPECT_TRUE(HasBody(Paint(Button.get()).get(), NormalBorder));
    EXPECT_FALSE(HasBody(Paint(Button.get()).get(), NormalBorder));
}

TEST_F(TVistaButtonTest, AHeldButtonKeepsItsPressedFaceWhileTheMouseComesAndGoes)
{
    TScopedDPIScale scale(1.0f);
    Button->SetScrollArrow(saNone);
    Button->SetDown(true);
    Button->Perform(CM_MOUSEENTER);
    EXPECT_TRUE(Button->MouseInControl());
    EXPECT_TRUE(HasBody(Paint(Button.get()).get(), DownBorder));
    Button->Perform(CM_MOUSELEAVE);
    EXPECT_TRUE(HasBody(Paint(Button.get()).get(), DownBorder));
    Button->SetDown(false);
    EXPECT_FALSE(HasBody(Paint(Button.get()).get(), NormalBorder));
}

TEST_F(TVistaButtonTest, GlyphPixels)
{
    TScopedDPIScale scale(1.0f);
    const TColor ink = BlendColor(clBlack, NormalBorder, 50);
    // 14 x 23: centre (7, 11).
    struct Case {
        TScrollArrow Arrow;
        TArrowStyle Style;
        std::vector<TPoint> Inked, Clear;
    };
    const Case cases[] = {
        {saLeft, asSingle, {{6, 11}, {7, 10}, {7, 12}, {8, 9}, {8, 13}}, {{6, 10}, {7, 9}, {8, 8}, {9, 11}}},
        {saRight, asSingle, {{8, 11}, {7, 10}, {7, 12}, {6, 9}, {6, 13}}, {{8, 10}, {7, 9}, {6, 8}, {5, 11}}},
    };
    for (const Case& c : cases) {
        Button->SetScrollArrow(c.Arrow);
        Button->SetArrowStyle(c.Style);
        auto b = Paint(Button.get());
        for (TPoint p : c.Inked)
            EXPECT_EQ(PixelOf(b.get(), p.X, p.Y), ink) << p.X << "," << p.Y;
        for (TPoint p : c.Clear)
            EXPECT_EQ(PixelOf(b.get(), p.X, p.Y), Backdrop) << p.X << "," << p.Y;
    }
}

TEST_F(TVistaButtonTest, OverflowDoubleArrowIsTwoBlackTrianglesOffGlass)
{
    TScopedDPIScale scale(1.0f);
    Button->SetScrollArrow(saRight);
    Button->SetArrowStyle(asDouble);
    auto b = Paint(Button.get());
    AddToContactSheet(u"vista overflow", b.get());
    // R = (1, 6, 14, 23): e = 3, fx = Round(13 - 7) / 2 + 3 = 6, fy = Round((17 - 5) / 2 + 2.5) = 8.
    // The back columns are 5 high (fy - 2 .. fy + 2), the tips one pixel at fy.
    for (const int x : {4, 8}) {
        EXPECT_EQ(PixelOf(b.get(), x, 6), clBlack);
        EXPECT_EQ(PixelOf(b.get(), x, 10), clBlack);
        EXPECT_EQ(PixelOf(b.get(), x, 11), Backdrop);
        EXPECT_EQ(PixelOf(b.get(), x + 2, 8), clBlack);
        EXPECT_EQ(PixelOf(b.get(), x + 2, 7), Backdrop);
    }
}

TEST_F(TVistaButtonTest, CustomizeGlyphIsABarOverATriangle)
{
    TScopedDPIScale scale(1.0f);
    Button->SetScrollArrow(saBottom);
    Button->SetArrowStyle(asWithLine);
    auto b = Paint(Button.get());
    AddToContactSheet(u"vista customize", b.get());
    // R.Bottom = 19, R.Right = 14: the bar on y = 10 from x = 4 to 8, the triangle's top row on
    // y = 13, with a whitish highlight under the bar.
    EXPECT_EQ(PixelOf(b.get(), 6, 10), clBlack);
    EXPECT_EQ(PixelOf(b.get(), 6, 13), clBlack);
    EXPECT_NE(PixelOf(b.get(), 6, 11), Backdrop);
    EXPECT_EQ(PixelOf(b.get(), 6, 8), Backdrop);
}

TEST(VistaButtonMouseTest, OnlyTheLeftButtonOfAnEnabledButtonClicks)
{
    TForm form(nullptr);
    form.SetBounds(100, 100, 200, 120);
    auto* button = new TRurVistaButton(&form);
    button->SetParent(&form);
    button->SetBounds(20, 20, 14, 23);
    int clicks = 0;
    button->SetOnClick(TNotifyEvent([&](TObject*) { ++clicks; }));
    ASSERT_TRUE(ShowActive(&form));
    const TPoint at{27, 31};
    struct Case {
        UINT Down, Up;
        WPARAM Keys;
        bool Enabled;
        int Clicks;
    };
    const Case cases[] = {
        {WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, true, 1},
        {WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, true, 0},
        {WM_MBUTTONDOWN, WM_MBUTTONUP, MK_MBUTTON, true, 0},
        {WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, false, 0},
    };
    for (const Case& c : cases) {
        clicks = 0;
        button->SetEnabled(c.Enabled);
        MouseAt(&form, c.Down, at, c.Keys);
        EXPECT_EQ(button->MousePressed(), c.Down == WM_LBUTTONDOWN && c.Enabled);
        MouseAt(&form, c.Up, at);
        EXPECT_FALSE(button->MousePressed());
        EXPECT_EQ(clicks, c.Clicks) << c.Down << " enabled " << c.Enabled;
    }
}

} // namespace
