#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "Balloon.h"
#include "GuiTestSupport.h"
#include "MessageUn.h"

namespace {

struct TWindowRegion {
    RECT Box{};
    HRGN Handle = CreateRectRgn(0, 0, 0, 0);
    explicit TWindowRegion(HWND wnd)
    {
        GetWindowRgn(wnd, Handle);
        GetRgnBox(Handle, &Box);
    }
    ~TWindowRegion() { DeleteObject(Handle); }
    TWindowRegion(const TWindowRegion&) = delete;
    TWindowRegion& operator=(const TWindowRegion&) = delete;
    bool Contains(int x, int y) const { return PtInRegion(Handle, x, y) != FALSE; }
};

// Pixels of the window's area covered by one region and not the other (the regions' own rectangle
// lists may differ for the same shape).
int DifferingPixels(const TWindowRegion& region, HRGN expected, int w, int h)
{
    int count = 0;
    for (int y = -1; y <= h; ++y)
        for (int x = -1; x <= w; ++x)
            count += region.Contains(x, y) != (PtInRegion(expected, x, y) != FALSE);
    return count;
}

RECT WindowRect(TWinControl* control)
{
    RECT r;
    GetWindowRect(control->Handle(), &r);
    return r;
}

std::vector<TBalloon*> ShownBalloons()
{
    std::vector<TBalloon*> balloons;
    for (int i = 0; i < Screen->FormCount(); ++i)
        if (auto* balloon = dynamic_cast<TBalloon*>(Screen->Forms(i)))
            balloons.push_back(balloon);
    return balloons;
}

// Releases every balloon still up and waits until their windows are gone.
void CloseAllBalloons()
{
    std::vector<HWND> windows;
    for (TBalloon* balloon : ShownBalloons()) {
        windows.push_back(balloon->Handle());
        balloon->Release();
    }
    PumpUntil([&] {
        for (HWND wnd : windows)
            if (IsWindow(wnd))
                return false;
        return true;
    }, 10000);
}

class BalloonTest : public testing::Test {
protected:
    void TearDown() override { CloseAllBalloons(); }
};

} // namespace

// The window and its region for each position: a rounded body (corner ellipse 7 x 7) and the
// arrow whose tip lies at the anchor (10 pixels below it for blnArrowBottomRight, whose arrow only
// half stands out of the body).
TEST_F(BalloonTest, WindowAndRegionFollowThePosition)
{
    struct TCase {
        TBalloonPosition Position;
        int (*Left)(int x, int w);
        int (*Top)(int y, int h);
        RECT (*Body)(int w, int h);
        std::array<POINT, 3> (*Arrow)(int w, int h);
    };
    const TCase cases[] = {
        {blnArrowTopLeft, [](int x, int w) { return x - (w - 20); }, [](int y, int h) { return y - h; },
         [](int w, int h) { return RECT{0, 0, w, h - 18}; },
         [](int w, int h) { return std::array<POINT, 3>{{{w - 40, h - 20}, {w - 20, h}, {w - 20, h - 20}}}; }},
        {blnArrowTopRight, [](int x, int) { return x - 20; }, [](int y, int h) { return y - h; },
         [](int w, int h) { return RECT{0, 0, w, h - 18}; },
         [](int, int h) { return std::array<POINT, 3>{{{20, h - 20}, {20, h}, {40, h - 20}}}; }},
        {blnArrowBottomLeft, [](int x, int w) { return x - (w - 20); }, [](int y, int) { return y - 2; },
         [](int w, int h) { return RECT{0, 22, w, h}; },
         [](int w, int) { return std::array<POINT, 3>{{{w - 20, 2}, {w - 20, 22}, {w - 40, 22}}}; }},
        {blnArrowBottomRight, [](int x, int) { return x - 20; }, [](int y, int) { return y - 2; },
         [](int w, int h) { return RECT{0, 22, w, h}; },
         [](int, int) { return std::array<POINT, 3>{{{20, 12}, {20, 32}, {40, 32}}}; }},
    };
    const int x = 400, y = 300;
    TBalloonControl control(nullptr);
    for (const TCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.Position));
        TBalloon* balloon = control.ShowBalloon(x, y, u"Title", u"Some text here", blnInfo, 0, c.Position);
        RECT r = WindowRect(balloon);
        int w = r.right - r.left, h = r.bottom - r.top;
        EXPECT_EQ(r.left, c.Left(x, w));
        EXPECT_EQ(r.top, c.Top(y, h));

        RECT body = c.Body(w, h);
        std::array<POINT, 3> arrow = c.Arrow(w, h);
        HRGN expected = CreateRoundRectRgn(body.left, body.top, body.right, body.bottom, 7, 7);
        HRGN triangle = CreatePolygonRgn(arrow.data(), 3, WINDING);
        CombineRgn(expected, expected, triangle, RGN_OR);
        TWindowRegion region(balloon->Handle());
        EXPECT_EQ(DifferingPixels(region, expected, w, h), 0);
        DeleteObject(triangle);
        DeleteObject(expected);
    }
}

TEST_F(BalloonTest, BottomRightArrowPointsTenPixelsBelowTheAnchor)
{
    TBalloonControl control(nullptr);
    TBalloon* balloon = control.ShowBalloon(100, 200, u"T", u"Text", blnWarning, 0, blnArrowBottomRight);
    RECT r = WindowRect(balloon);
    EXPECT_EQ(r.left, 80);
    EXPECT_EQ(r.top, 198);
    // The arrow's apex is at window (20, 12), screen (100, 210): the region's topmost pixels lie in
    // the row just below it, starting at that column.
    TWindowRegion region(balloon->Handle());
    EXPECT_EQ(r.top + region.Box.top, 211);
    EXPECT_TRUE(region.Contains(100 - r.left, region.Box.top));
    EXPECT_FALSE(region.Contains(99 - r.left, region.Box.top));
    EXPECT_FALSE(region.Contains(100 - r.left, 209 - r.top));
}

TEST_F(BalloonTest, WidthFollowsTheWiderOfTitleAndText)
{
    TBalloonControl control(nullptr);
    struct {
        String Title, Text;
    } cases[] = {{u"A much longer title than the text", u"Short"}, {u"T", u"A much longer text than the title"}};
    for (const auto& c : cases) {
        TBalloon* balloon = control.ShowBalloon(300, 300, c.Title, c.Text, blnInfo, 0, blnArrowTopRight);
        TLabel* title = balloon->TitleLabel();
        TLabel* text = balloon->TextLabel();
        EXPECT_EQ(balloon->Width(), std::max(title->Left() + title->Width(), text->Left() + text->Width()) + 10);
        EXPECT_GT(title->Width(), 0);
        // The text sits 8 pixels below the title; the body ends 10 below the text, then the arrow.
        EXPECT_EQ(text->Top(), title->Top() + title->Height() + 8);
        EXPECT_EQ(balloon->Height(), text->Top() + text->Height() + 10 + 20);
    }
}

TEST_F(BalloonTest, ShowsWithoutTakingTheFocus)
{
    TForm form(nullptr);
    form.SetBounds(100, 100, 300, 200);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    ASSERT_TRUE(ShowActive(&form));
    edit->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return FocusedControl() == edit; }));

    TBalloonControl control(nullptr);
    TBalloon* balloon = control.ShowBalloon(200, 200, u"Title", u"Text", blnError, 0, blnArrowBottomRight);
    PumpFor(300);
    EXPECT_TRUE(IsWindowVisible(balloon->Handle()));
    EXPECT_TRUE(balloon->Visible());
    EXPECT_EQ(GetActiveWindow(), form.Handle());
    EXPECT_EQ(FocusedControl(), edit);
    LONG_PTR exStyle = GetWindowLongPtrW(balloon->Handle(), GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(exStyle & WS_EX_NOACTIVATE);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(GetWindowLongPtrW(balloon->Handle(), GWL_STYLE) & WS_CAPTION);
    CloseAllBalloons();
    form.Hide();
}

TEST_F(BalloonTest, ClosesOnAClickAnywhereOnIt)
{
    TBalloonControl control(nullptr);
    std::vector<TControl* (*)(TBalloon*)> targets = {
        [](TBalloon* b) -> TControl* { return b->TitleLabel(); },
        [](TBalloon* b) -> TControl* { return b->TextLabel(); },
        [](TBalloon* b) -> TControl* { return b->IconImage(); },
    };
    std::vector<HWND> windows;
    for (size_t i = 0; i < targets.size(); ++i) {
        TBalloon* balloon =
            control.ShowBalloon(200 + 250 * static_cast<int>(i), 300, u"Title", u"Text text", blnInfo, 0, blnArrowBottomRight);
        windows.push_back(balloon->Handle());
        ClickAt(targets[i](balloon));
    }
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(windows[0]) && !IsWindow(windows[1]) && !IsWindow(windows[2]); }, 10000));
}

TEST_F(BalloonTest, ClosesAfterItsDurationOrNever)
{
    TBalloonControl control(nullptr);
    HWND timed = control.ShowBalloon(200, 200, u"T", u"Timed", blnInfo, 1, blnArrowBottomRight)->Handle();
    TBalloon* untimed = control.ShowBalloon(500, 200, u"T", u"Untimed", blnInfo, 0, blnArrowBottomRight);
    EXPECT_TRUE(IsWindowVisible(timed));
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(timed); }, 6000));
    EXPECT_TRUE(IsWindowVisible(untimed->Handle()));
}

TEST_F(BalloonTest, ControlBalloonPointsAtTheChosenSideOfTheControl)
{
    TForm form(nullptr);
    form.SetBounds(200, 200, 400, 300);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    edit->SetBounds(40, 40, 121, 25);
    form.Show();
    RECT e = WindowRect(edit);
    struct {
        TBalloonHoriz Horiz;
        TBalloonVert Vert;
        int X, Y;
        TBalloonPosition Position;
    } cases[] = {
        {blnLeft, blnTop, e.left, e.top, blnArrowTopLeft},
        {blnMiddle, blnCenter, e.left + 60, e.top + 12, blnArrowBottomRight}, // halves round to even
        {blnRight, blnBottom, e.right, e.bottom, blnArrowBottomRight},
        {blnRight, blnTop, e.right, e.top, blnArrowTopRight},
    };
    TBalloonControl control(nullptr);
    control.SetControl(edit);
    control.SetTitle(u"T");
    control.Text()->Add(u"  padded text  ");
    for (const auto& c : cases) {
        control.SetHorizontal(c.Horiz);
        control.SetVertical(c.Vert);
        TBalloon* balloon = control.ShowControlBalloon();
        EXPECT_EQ(balloon->TextLabel()->Caption(), u"padded text");
        TBalloon expected(nullptr, 0);
        expected.ShowBalloon(c.X, c.Y, u"T", u"padded text", blnInfo, 0, c.Position);
        EXPECT_EQ(balloon->BoundsRect(), expected.BoundsRect()) << c.Horiz << "," << c.Vert;
        expected.Hide();
    }
    form.Hide();
}

TEST_F(BalloonTest, MessageBalloonsSitBesideTheAnchorAndAskForTheField)
{
    ShowBalloonAt(-500, 100, 3, u"T", u"On a monitor to the left");
    std::vector<TBalloon*> shown = ShownBalloons();
    ASSERT_EQ(shown.size(), 1u);
    // Anchor plus (8, 6), then the bottom-right arrow's offset (-20, -2).
    EXPECT_EQ(WindowRect(shown[0]).left, -500 + 8 - 20);
    EXPECT_EQ(WindowRect(shown[0]).top, 100 + 6 - 2);
    CloseAllBalloons();

    TForm form(nullptr);
    form.SetBounds(100, 100, 400, 200);
    auto* other = new TEdit(&form);
    other->SetParent(&form);
    auto* field = new TEdit(&form);
    field->SetParent(&form);
    field->SetTop(60);
    ASSERT_TRUE(ShowActive(&form));
    other->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return FocusedControl() == other; }));

    struct {
        bool Enabled;
        TWinControl* FocusAfter;
    } cases[] = {{false, other}, {true, field}};
    for (const auto& c : cases) {
        field->SetEnabled(c.Enabled);
        AskField(u"نام", field, 1);
        PumpFor(200);
        shown = ShownBalloons();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0]->TitleLabel()->Caption(), u"ورود اطلاعات");
        EXPECT_EQ(shown[0]->TextLabel()->Caption(), u"لطفا نام را مشخص نمایید");
        TPoint origin = field->ClientToScreen(TPoint{0, 0});
        EXPECT_EQ(WindowRect(shown[0]).left, origin.X + 8 - 20);
        EXPECT_EQ(FocusedControl(), c.FocusAfter);
        CloseAllBalloons();
    }

    other->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return FocusedControl() == other; }));
    WarnField(u"اخطار", u"bad value", field);
    PumpFor(200);
    shown = ShownBalloons();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0]->TextLabel()->Caption(), u"bad value");
    EXPECT_EQ(FocusedControl(), field);
    form.Hide();
}
