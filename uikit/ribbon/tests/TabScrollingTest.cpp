// The scroll range of a row that may not fit and the arrow buttons at its ends: the range's
// setter rules, which presses click and repeat, and the button's faces.
#include <gtest/gtest.h>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "RurRibbonPageScrollButton.h"
#include "RurTabScroller.h"
#include "ToolBarTestSupport.h"

namespace {

TEST(TabScrollerTest, SettersKeepMinAtMostMaxAndLeaveThePositionToTheOwner)
{
    TATBTabScroller s;
    EXPECT_FALSE(s.Visible());
    s.SetMin(5); // above Max 0: not taken
    EXPECT_EQ(s.Min(), 0);
    s.SetMax(-1); // below Min 0: not taken
    EXPECT_EQ(s.Max(), 0);
    s.SetPosition(-3); // unclamped
    EXPECT_EQ(s.Position(), -3);
    EXPECT_FALSE(s.CanGoBack());
    EXPECT_TRUE(s.CanGoForward());

    s.SetMax(4);
    s.SetMin(2);
    EXPECT_EQ(s.Min(), 2);
    s.SetMax(1); // now below Min
    EXPECT_EQ(s.Max(), 4);
    s.SetPosition(4);
    EXPECT_TRUE(s.CanGoBack());
    EXPECT_FALSE(s.CanGoForward());
    s.SetVisible(true);
    s.Reset();
    EXPECT_EQ(s.Min() + s.Max() + s.Position(), 0);
    EXPECT_FALSE(s.Visible());
}

constexpr TColor Backdrop = 0x00FF00;
constexpr TColor NormalFace = 0xF0F0F0, NormalBorder = 0x0000C0, DisabledFace = 0xD0D0D0,
                 DisabledBorder = 0x808080;

void Colour(TGlowButtonAppearance* a)
{
    for (auto set : {&TGlowButtonAppearance::SetColor, &TGlowButtonAppearance::SetColorTo,
                     &TGlowButtonAppearance::SetColorMirror, &TGlowButtonAppearance::SetColorMirrorTo})
        (a->*set)(NormalFace);
    a->SetBorderColor(NormalBorder);
    for (auto set : {&TGlowButtonAppearance::SetColorDisabled, &TGlowButtonAppearance::SetColorDisabledTo,
                     &TGlowButtonAppearance::SetColorMirrorDisabled, &TGlowButtonAppearance::SetColorMirrorDisabledTo})
        (a->*set)(DisabledFace);
    a->SetBorderColorDisabled(DisabledBorder);
}

struct TScrollButtonTest : ::testing::Test {
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(100, 100, 200, 120);
        Form->SetColor(Backdrop);
        Button = new TRurPageScrollButton(Form.get());
        Button->SetParent(Form.get());
        Button->SetBounds(20, 20, 12, 21);
        Colour(Button->Appearance());
        Button->SetOnClick(TNotifyEvent([this](TObject*) { ++Clicks; }));
    }
    std::unique_ptr<TBitmap> Face() { return Snapshot(Button); }
    std::unique_ptr<TForm> Form;
    TRurPageScrollButton* Button = nullptr;
    int Clicks = 0;
};

TEST_F(TScrollButtonTest, APressClicksOnReleaseAndRepeatsWhileHeldLeftButtonOnly)
{
    ASSERT_TRUE(ShowActive(Form.get()));
    const TPoint at{6, 10};
    struct Case {
        UINT Down, Up;
        WPARAM Keys;
        bool Enabled;
        int Clicks;
    };
    const Case cases[] = {
        {WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, true, 1},
        {WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, true, 0},
        {WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, false, 0},
    };
    for (const Case& c : cases) {
        Clicks = 0;
        Button->SetEnabled(c.Enabled);
        MouseAt(Button, c.Down, at, c.Keys);
        EXPECT_EQ(Clicks, 0) << "a press alone does not click";
        MouseAt(Button, c.Up, at);
        EXPECT_FALSE(Button->MousePressed());
        EXPECT_EQ(Clicks, c.Clicks) << c.Down << " enabled " << c.Enabled;
    }

    // Held: nothing before 400 ms, then a click every 100 ms, and a last one on release.
    Button->SetEnabled(true);
    Clicks = 0;
    MouseAt(Button, WM_LBUTTONDOWN, at, MK_LBUTTON);
    PumpFor(250);
    EXPECT_EQ(Clicks, 0);
    EXPECT_TRUE(PumpUntil([&] { return Clicks >= 3; }, 2000));
    MouseAt(Button, WM_LBUTTONUP, at);
    const int afterRelease = Clicks;
    PumpFor(300);
    EXPECT_EQ(Clicks, afterRelease) << "the repeat stops with the release";

    // Without auto-repeat holding gives the one click on release.
    Button->SetRepeatClick(false);
    Clicks = 0;
    MouseAt(Button, WM_LBUTTONDOWN, at, MK_LBUTTON);
    PumpFor(600);
    MouseAt(Button, WM_LBUTTONUP, at);
    EXPECT_EQ(Clicks, 1);
}

TEST_F(TScrollButtonTest, FacesAndArrows)
{
    TScopedDPIScale scale(1.0f);
    ASSERT_TRUE(ShowActive(Form.get()));
    // The pointer away: the faces at rest.
    SetCursorPos(0, 0);
    Button->Perform(CM_MOUSELEAVE);
    // At 96 DPI the arrow is three columns of 5, 3 and 1 pixels around the centre (6, 10).
    const int cx = 6, cy = 10;
    struct Case {
        const char* Name;
        TScrollArrow Arrow;
        bool Enabled;
        TColor Face, Border;
        TPoint Tip, Back;
    };
    const Case cases[] = {
        {"left", saLeft, true, NormalFace, NormalBorder, {cx - 1, cy}, {cx + 1, cy - 2}},
        {"right", saRight, true, NormalFace, NormalBorder, {cx + 1, cy}, {cx - 1, cy - 2}},
        {"disabled", saLeft, false, DisabledFace, DisabledBorder, {cx - 1, cy}, {cx + 1, cy - 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Button->SetEnabled(c.Enabled);
        Button->SetScrollArrow(c.Arrow);
        auto face = Face();
        EXPECT_EQ(PixelOf(face.get(), cx, 2), c.Border == NormalBorder ? NormalFace : DisabledFace);
        EXPECT_EQ(PixelOf(face.get(), cx, 0), c.Border);
        EXPECT_TRUE(IsDark(PixelOf(face.get(), c.Tip.X, c.Tip.Y)));
        EXPECT_TRUE(IsDark(PixelOf(face.get(), c.Back.X, c.Back.Y)));
        EXPECT_FALSE(IsDark(PixelOf(face.get(), c.Tip.X, c.Tip.Y - 1))) << "the tip is one pixel";
        EXPECT_FALSE(IsDark(PixelOf(face.get(), c.Back.X, c.Back.Y - 1))) << "the back is five pixels";
    }
    // No arrow for the other kinds.
    Button->SetEnabled(true);
    Button->SetScrollArrow(saTop);
    auto none = Face();
    EXPECT_EQ(CountOther(none.get(), Rect(2, 4, 10, 17), NormalFace), 0);

    // A transparent button at rest lets the form's colour through; hot, it draws its body.
    Button->SetTransparent(true);
    auto rest = Face();
    EXPECT_EQ(PixelOf(rest.get(), cx, 2), Backdrop);
    Button->Perform(CM_MOUSEENTER);
    auto hot = Face();
    EXPECT_NE(PixelOf(hot.get(), cx, 2), Backdrop);
}

} // namespace
