#include <gtest/gtest.h>

#include <algorithm>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "KitTestSupport.h"
#include "Menus.h"
#include "PlatformFacts.h"
#include "scGPControls.h"

namespace {

int Green(COLORREF c) { return GetGValue(c); }
int Red(COLORREF c) { return GetRValue(c); }

// The tool's close button: a white cross of size 10 on a red fill when hot or pressed.
TscGPGlyphButton* MakeCloseButton(TWinControl* parent)
{
    auto* button = new TscGPGlyphButton(parent);
    button->SetParent(parent);
    button->SetBounds(10, 10, 45, 31);
    TscGPButtonOptions* o = button->Options();
    for (auto set : {&TscGPButtonOptions::SetFrameNormalColor, &TscGPButtonOptions::SetFrameHotColor,
                     &TscGPButtonOptions::SetFramePressedColor, &TscGPButtonOptions::SetFrameFocusedColor,
                     &TscGPButtonOptions::SetFrameDisabledColor})
        (o->*set)(clNone);
    o->SetNormalColor(clNone);
    o->SetNormalColorAlpha(0);
    o->SetHotColor(clRed);
    o->SetHotColorAlpha(220);
    o->SetPressedColor(clRed);
    o->SetPressedColorAlpha(180);
    TscGPGlyphOptions* g = button->GlyphOptions();
    for (auto set : {&TscGPGlyphOptions::SetNormalColor, &TscGPGlyphOptions::SetHotColor,
                     &TscGPGlyphOptions::SetPressedColor, &TscGPGlyphOptions::SetFocusedColor,
                     &TscGPGlyphOptions::SetDisabledColor})
        (g->*set)(clWhite);
    g->SetKind(scgpbgkClose);
    g->SetSize(10);
    g->SetThickness(1);
    button->SetCanFocused(false);
    button->SetAnimation(true);
    return button;
}

// Whiteness of the brightest pixel next to (x, y) in the row, so that a half-pixel difference in
// where the rasteriser puts a diagonal does not matter.
int WhiteNear(const TOffscreenImage& image, int x, int y)
{
    int best = 0;
    for (int dx = -1; dx <= 1; ++dx)
        best = std::max(best, Green(image.Pixel(x + dx, y)));
    return best;
}

HANIMATIONBUFFER WINAPI NoAnimationBuffer(HWND, HDC, const RECT*, BP_BUFFERFORMAT, BP_PAINTPARAMS*,
                                          BP_ANIMATIONPARAMS*, HDC*, HDC*)
{
    return nullptr;
}
BOOL WINAPI NoRunningAnimation(HWND, HDC) { return FALSE; }

} // namespace

TEST(GlyphButtonTest, CloseGlyphIsACrossCornerToCornerInItsSquare)
{
    TButtonForm f;
    TscGPGlyphButton* button = MakeCloseButton(f.Form);
    ASSERT_TRUE(ShowActive(f.Form));
    MoveMouse(button, CentreOf(button));
    ASSERT_TRUE(PumpUntil([&] { return button->GetCtrlState() == scsHot; }));
    // 45 x 31 with a frame width of 2: the glyph square of side 17 starts at (14, 7); a size-10
    // glyph is centred in it at (17, 10), a size-20 one at (13, 6).
    struct Case {
        int Size;
        TPoint OnFirstDiagonal, OnSecondDiagonal, Between, Outside;
    } cases[] = {
        {10, Point(19, 12), Point(24, 12), Point(22, 12), Point(14, 15)},
        {20, Point(15, 8), Point(30, 8), Point(22, 8), Point(8, 16)},
    };
    for (const Case& c : cases) {
        button->GlyphOptions()->SetSize(c.Size);
        TOffscreenImage image(button);
        EXPECT_GT(WhiteNear(image, c.OnFirstDiagonal.X, c.OnFirstDiagonal.Y), 150) << c.Size;
        EXPECT_GT(WhiteNear(image, c.OnSecondDiagonal.X, c.OnSecondDiagonal.Y), 150) << c.Size;
        EXPECT_GT(WhiteNear(image, 22, 15 + (c.Size == 20 ? 1 : 0)), 150) << c.Size;
        for (TPoint red : {c.Between, c.Outside}) {
            EXPECT_EQ(Red(image.Pixel(red.X, red.Y)), 255) << c.Size;
            EXPECT_LT(Green(image.Pixel(red.X, red.Y)), 60) << c.Size;
        }
    }
}

TEST(GlyphButtonTest, StatesFollowTheMouse)
{
    TButtonForm f;
    TscGPGlyphButton* button = MakeCloseButton(f.Form);
    int clicks = 0;
    button->SetOnClick([&](TObject*) { ++clicks; });
    // Some systems give no animation buffer: the ordinary paint must show the new state.
    TBoundFunction<TBeginBufferedAnimation> begin(scDrawUtils::BeginBufferedAnimation, &NoAnimationBuffer);
    TBoundFunction<TBufferedPaintRenderAnimation> render(scDrawUtils::BufferedPaintRenderAnimation,
                                                         &NoRunningAnimation);
    TInjectedPlatformFacts vista({.Version = WindowsVista});
    ASSERT_TRUE(ShowActive(f.Form));
    auto fill = [&] {
        TOffscreenImage image(button);
        return image.Pixel(3, 3);
    };
    EXPECT_EQ(button->GetCtrlState(), scsNormal);
    EXPECT_EQ(fill(), RGB(255, 255, 255)); // transparent: the form shows through

    MoveMouse(button, CentreOf(button));
    ASSERT_TRUE(PumpUntil([&] { return button->GetCtrlState() == scsHot; }));
    const COLORREF hot = fill();
    EXPECT_EQ(Red(hot), 255);
    EXPECT_NEAR(Green(hot), 35, 3);

    MouseButton(button, WM_LBUTTONDOWN, CentreOf(button));
    EXPECT_EQ(button->GetCtrlState(), scsPressed);
    const COLORREF pressed = fill();
    EXPECT_EQ(Red(pressed), 255);
    EXPECT_NEAR(Green(pressed), 75, 3);
    MouseButton(button, WM_LBUTTONUP, CentreOf(button));
    EXPECT_EQ(clicks, 1);

    // Pressed, then released outside: no click.
    MouseButton(button, WM_LBUTTONDOWN, CentreOf(button));
    MoveMouse(button, Point(button->Width() + 20, 5));
    MouseButton(button, WM_LBUTTONUP, Point(button->Width() + 20, 5));
    EXPECT_EQ(clicks, 1);
    ASSERT_TRUE(PumpUntil([&] { return button->GetCtrlState() == scsNormal; }));
    EXPECT_EQ(fill(), RGB(255, 255, 255));

    button->SetEnabled(false);
    EXPECT_EQ(button->GetCtrlState(), scsDisabled);
}

TEST(GlyphButtonTest, KeyboardClicks)
{
    TButtonForm f;
    auto* ok = new TscGPGlyphButton(f.Form);
    ok->SetParent(f.Form);
    auto* cancel = new TscGPGlyphButton(f.Form);
    cancel->SetParent(f.Form);
    cancel->SetLeft(60);
    cancel->SetCancel(true);
    ok->SetDefault(true);
    int okClicks = 0, cancelClicks = 0;
    ok->SetOnClick([&](TObject*) { ++okClicks; });
    cancel->SetOnClick([&](TObject*) { ++cancelClicks; });
    ASSERT_TRUE(ShowActive(f.Form));
    cancel->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return FocusedControl() == cancel; }));
    EXPECT_EQ(cancel->GetCtrlState(), scsFocused);
    EXPECT_EQ(ok->GetCtrlState(), scsHot); // the default button shows itself active
    PressKey(VK_ESCAPE);
    EXPECT_EQ(cancelClicks, 1);
    PressKey(VK_ESCAPE, true);
    EXPECT_EQ(cancelClicks, 1);
    PressKey(VK_RETURN); // the default button clicks while another has the focus
    EXPECT_EQ(okClicks, 1);
    ok->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return FocusedControl() == ok; }));
    PressKey(VK_SPACE);
    EXPECT_EQ(okClicks, 2); // space clicks on key up
}

TEST(GlyphButtonTest, GroupedAndToggledButtonsLatch)
{
    TButtonForm f;
    auto* a = MakeCloseButton(f.Form);
    auto* b = MakeCloseButton(f.Form);
    b->SetLeft(100);
    for (auto* button : {a, b})
        button->SetGroupIndex(1);
    ASSERT_TRUE(ShowActive(f.Form));
    ClickAt(a);
    EXPECT_TRUE(a->Down());
    ClickAt(a);
    EXPECT_TRUE(a->Down()); // a group keeps one button down unless AllowAllUp
    ClickAt(b);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    b->SetAllowAllUp(true);
    ClickAt(b);
    EXPECT_FALSE(b->Down());

    auto* toggle = MakeCloseButton(f.Form);
    toggle->SetLeft(180);
    toggle->SetToggleMode(true);
    int clicks = 0;
    toggle->SetOnClick([&](TObject*) { ++clicks; });
    ClickAt(toggle);
    EXPECT_TRUE(toggle->Down());
    EXPECT_EQ(clicks, 1);
    ClickAt(toggle);
    EXPECT_FALSE(toggle->Down());
    EXPECT_EQ(clicks, 2);
}

TEST(GlyphButtonTest, RepeatClicksWhileHeld)
{
    TButtonForm f;
    auto* button = MakeCloseButton(f.Form);
    button->SetRepeatClick(true);
    button->SetRepeatClickInterval(50);
    int clicks = 0;
    button->SetOnClick([&](TObject*) { ++clicks; });
    ASSERT_TRUE(ShowActive(f.Form));
    MoveMouse(button, CentreOf(button));
    MouseButton(button, WM_LBUTTONDOWN, CentreOf(button));
    PumpFor(300);
    EXPECT_EQ(clicks, 0); // the first repeat waits half a second
    ASSERT_TRUE(PumpUntil([&] { return clicks >= 3; }, 2000));
    MouseButton(button, WM_LBUTTONUP, CentreOf(button));
    const int released = clicks;
    PumpFor(200);
    EXPECT_EQ(clicks, released);
}

TEST(GlyphButtonTest, OptionsRefuseOutOfRangeValuesSilently)
{
    TscGPButtonOptions o;
    int changes = 0;
    o.SetOnChange([&](TObject*) { ++changes; });
    o.SetArrowSize(6);
    o.SetFrameWidth(0);
    o.SetShapeCornerRadius(0);
    o.SetShapeFillGradientAngle(361);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(o.ArrowSize(), 9);
    EXPECT_EQ(o.FrameWidth(), 1);
    o.SetArrowSize(7);
    EXPECT_EQ(changes, 1);
    // Gradient settings are kept quietly until the fill is a gradient.
    o.SetShapeFillGradientAngle(-360);
    o.SetArrowThickness(3);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(o.ShapeFillGradientAngle(), -360);
    o.SetShapeFillStyle(scgpsfGradient);
    o.SetShapeFillGradientAngle(45);
    EXPECT_EQ(changes, 3);

    o.SetStyleColors(false);
    o.SetState(scsPressed);
    EXPECT_EQ(o.Color(), clBtnShadow);
    o.SetState(static_cast<TscsCtrlState>(7));
    EXPECT_EQ(o.Color(), clBtnFace); // outside the five: the normal value

    TscGPGlyphOptions g;
    g.SetThickness(0);
    g.SetSize(-1);
    EXPECT_EQ(g.Thickness(), 2);
    EXPECT_EQ(g.Size(), 0);
}

TEST(GlyphButtonTest, RoundedShapeIsSquareAndCaptionWidths)
{
    TButtonForm f;
    auto* button = new TscGPGlyphButton(f.Form);
    button->SetParent(f.Form);
    button->Options()->SetShapeStyle(scgpRounded);
    button->SetBounds(0, 0, 60, 40);
    EXPECT_EQ(button->Width(), 40);
    button->Options()->SetShapeStyle(scgpRect);
    button->SetWidthWithCaption(120);
    button->SetShowCaption(true);
    EXPECT_EQ(button->Width(), 120);
    button->SetShowCaption(false);
    EXPECT_EQ(button->Width(), 120); // no width without caption given: only a repaint
}

TEST(GlyphButtonTest, ForgetsAnImageListFreedElsewhere)
{
    TButtonForm f;
    auto* button = new TscGPGlyphButton(f.Form);
    auto* images = new TImageList(nullptr);
    button->SetImages(images);
    delete images;
    EXPECT_EQ(button->Images(), nullptr);
}

TEST(GlyphButtonTest, SplitButtonDropsDownFromItsArrowStripOnly)
{
    TButtonForm f;
    auto* button = new TscGPGlyphButton(f.Form);
    button->SetParent(f.Form);
    button->SetBounds(10, 10, 80, 30);
    button->SetCanFocused(false);
    button->SetCustomDropDown(true);
    button->SetSplitButton(true);
    int clicks = 0, dropDowns = 0, closeUps = 0;
    button->SetOnClick([&](TObject*) { ++clicks; });
    button->SetOnDropDown([&](TObject*) { ++dropDowns; });
    button->SetOnCloseUp([&](TObject*, bool) { ++closeUps; });
    ASSERT_TRUE(ShowActive(f.Form));
    button->Repaint(); // the paint sets the split width from the options
    const int strip = button->SplitWidth();
    ASSERT_EQ(strip, 3 * button->Options()->ArrowSize() - button->Options()->FrameWidth());

    const TPoint arrow = Point(button->Width() - strip / 2, 15);
    MoveMouse(button, arrow);
    MouseButton(button, WM_LBUTTONDOWN, arrow);
    EXPECT_EQ(dropDowns, 1);
    EXPECT_EQ(button->GetCtrlState(), scsHot); // the main part stays hot while the arrow part is down
    MouseButton(button, WM_LBUTTONUP, arrow);
    EXPECT_EQ(clicks, 0); // tracking the drop-down: the release does not click
    button->CloseUp(true);
    EXPECT_EQ(closeUps, 1);

    const TPoint main = Point(10, 15);
    MoveMouse(button, main);
    MouseButton(button, WM_LBUTTONDOWN, main);
    EXPECT_EQ(dropDowns, 1);
    MouseButton(button, WM_LBUTTONUP, main);
    EXPECT_EQ(clicks, 1);
}

TEST(GlyphButtonTest, StatesSheet)
{
    // The tool's close button at glyph sizes 10 and 20 in the states normal, hot, pressed and
    // disabled over the panel's white, and drop-down buttons with each arrow (the last hot, with
    // its split divider), written beside the test program to be looked at.
    TButtonForm f;
    TscGPGlyphButton* close = MakeCloseButton(f.Form);
    auto* menu = new TPopupMenu(f.Form);
    auto* dropDown = new TscGPGlyphButton(f.Form);
    dropDown->SetBounds(0, 0, 60, 31);
    dropDown->SetDropDownMenu(menu);
    dropDown->GlyphOptions()->SetKind(scgpbgkSearch);
    const TscsCtrlState states[] = {scsNormal, scsHot, scsPressed, scsDisabled};
    auto sheet = Canvas32(4 * 70 + 10, 3 * 45 + 10);
    TCanvas* canvas = sheet->Canvas();
    auto drawAt = [&](TscGPGlyphButton* button, int column, int row, TscsCtrlState state) {
        const int saved = SaveDC(canvas->Handle());
        SetViewportOrgEx(canvas->Handle(), 10 + column * 70, 10 + row * 45, nullptr);
        button->Draw(canvas, state);
        RestoreDC(canvas->Handle(), saved);
    };
    for (int row = 0; row < 2; ++row) {
        close->GlyphOptions()->SetSize(row == 0 ? 10 : 20);
        for (int column = 0; column < 4; ++column)
            drawAt(close, column, row, states[column]);
    }
    drawAt(dropDown, 0, 2, scsNormal);
    dropDown->Options()->SetArrowType(scgpatModern);
    drawAt(dropDown, 1, 2, scsNormal);
    dropDown->SetSplitButton(true);
    drawAt(dropDown, 2, 2, scsHot);
    SaveBesideProgram(sheet.get(), u"glyph-button-states.png");
    // The close button's hot fill reaches its corner; its normal face leaves the white alone.
    EXPECT_EQ(GetRValue(PixelAt(sheet.get(), 70 + 12, 12)), 255);
    EXPECT_LT(GetGValue(PixelAt(sheet.get(), 70 + 12, 12)), 60);
    EXPECT_EQ(PixelAt(sheet.get(), 12, 12), clWhite);
}
