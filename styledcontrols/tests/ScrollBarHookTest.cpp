// The stand-alone scroll bar's style hook under the test style: the parts of the styled bar, the
// window laid over the control, and the looks following hover, press, drag and capture changes.
#include <gtest/gtest.h>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "KitTestSupport.h"
#include "TestStyle.h"
#include "scScrollBarStyleHook.h"

namespace {

SCROLLINFO Info(int min, int max, UINT page, int pos)
{
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.nMin = min;
    info.nMax = max;
    info.nPage = page;
    info.nPos = pos;
    return info;
}

TPoint Centre(const TRect& r) { return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); }

// A mouse message posted to the control at its client point, the real pointer put there first;
// the loop does not run.
void Queue(TWinControl* control, UINT message, TPoint p, WPARAM keys = 0)
{
    POINT screen{p.X, p.Y};
    ClientToScreen(control->Handle(), &screen);
    SetCursorPos(screen.x, screen.y);
    PostMessageW(control->Handle(), message, keys, MAKELPARAM(p.X, p.Y));
}

class ScrollBarHookTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Form = new TForm(Application);
        Form->SetBounds(60, 60, 360, 300);
        ASSERT_TRUE(ShowActive(Form));
    }
    static void TearDownTestSuite()
    {
        delete Form;
        Form = nullptr;
    }

    // A vertical bar of 17 x 200 with a range of 0..100.
    TscScrollBar* MakeBar(TStyleElements elements = TStyleElements{seFont, seClient, seBorder})
    {
        auto* bar = new TscScrollBar(Form);
        bar->SetKind(sbVertical);
        bar->SetBounds(40, 20, 17, 200);
        bar->SetStyleElements(elements);
        bar->SetLargeChange(10);
        bar->SetParent(Form);
        RedrawWindow(bar->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        return bar;
    }

    static TForm* Form;
};

TForm* ScrollBarHookTest::Form = nullptr;

} // namespace

TEST(ScrollBarPartsTest, ArrowsTrackAndThumbAlongTheBar)
{
    const int m = 17;
    const struct {
        const char* Name;
        int Length;
        SCROLLINFO Info;
        bool Enabled;
        int UpEnd, DownStart, ThumbStart, ThumbEnd; // thumb 0, 0: none
    } cases[] = {
        {"page thumb at the top", 200, Info(0, 100, 20, 0), true, 17, 183, 17, 49},
        {"page thumb halfway", 200, Info(0, 100, 20, 50), true, 17, 183, 100, 132},
        {"a short page gets an arrow's length", 200, Info(0, 1000, 2, 500), true, 17, 183, 92, 109},
        {"the page is the whole range", 200, Info(0, 100, 100, 0), true, 17, 183, 17, 181},
        {"no page", 200, Info(0, 100, 0, 100), true, 17, 183, 166, 183},
        {"disabled", 200, Info(0, 100, 10, 50), false, 17, 183, 0, 0},
        {"empty range", 200, Info(5, 5, 0, 5), true, 17, 183, 0, 0},
        // Shorter than two arrows: both shrink by half the shortfall.
        {"short bar", 24, Info(0, 100, 10, 0), true, 12, 12, 0, 0},
        {"never below half an arrow", 4, Info(0, 100, 10, 0), true, 8, -4, 0, 0},
        {"one arrow length left for the thumb", 51, Info(0, 100, 0, 0), true, 17, 34, 17, 34},
        {"less than an arrow length left", 50, Info(0, 100, 0, 0), true, 17, 33, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TScrollBarParts v = ScrollBarPartsOf(17, c.Length, true, m, c.Info, c.Enabled);
        EXPECT_EQ(v.Up, TRect(0, 0, 17, c.UpEnd));
        EXPECT_EQ(v.Down, TRect(0, c.DownStart, 17, c.Length));
        EXPECT_EQ(v.Slider.Top, c.ThumbStart);
        EXPECT_EQ(v.Slider.Bottom, c.ThumbEnd);
        // The horizontal bar is the same along its width.
        const TScrollBarParts h = ScrollBarPartsOf(c.Length, 17, false, m, c.Info, c.Enabled);
        EXPECT_EQ(h.Up, TRect(0, 0, c.UpEnd, 17));
        EXPECT_EQ(h.Slider.Left, c.ThumbStart);
        EXPECT_EQ(h.Slider.Right, c.ThumbEnd);
    }
    EXPECT_TRUE(ScrollBarPartsOf(0, 200, true, m, Info(0, 100, 10, 0), true).Up.IsEmpty());
}

TEST_F(ScrollBarHookTest, TheStyledBarLiesOverTheControlAndPaintsItsParts)
{
    TActiveTestStyle style;
    auto* bar = MakeBar();
    auto* hook = dynamic_cast<TscScrollBarStyleHook*>(bar->StyleHook());
    ASSERT_NE(hook, nullptr);
    ASSERT_NE(hook->ScrollWindow(), nullptr);
    const HWND cover = hook->ScrollWindow()->Handle();
    RECT covered, control;
    GetWindowRect(cover, &covered);
    GetWindowRect(bar->Handle(), &control);
    EXPECT_EQ(FromWinRect(covered), FromWinRect(control));
    EXPECT_TRUE(IsWindowVisible(cover));
    // Every mouse message goes to the bar underneath.
    const TPoint inside = Centre(FromWinRect(control));
    EXPECT_EQ(WindowFromPoint(POINT{inside.X, inside.Y}), bar->Handle());

    const auto elementAt = [&](TBitmap* bitmap, TPoint p) {
        TThemedElementDetails drawn;
        EXPECT_TRUE(style->ElementAt(static_cast<COLORREF>(PixelAt(bitmap, p.X, p.Y)), drawn));
        return drawn;
    };
    for (bool enabled : {true, false}) {
        SCOPED_TRACE(enabled);
        bar->SetEnabled(enabled);
        auto bitmap = Canvas32(bar->Width(), bar->Height(), clFuchsia);
        SendMessageW(bar->Handle(), CM_SCPAINTTODC, reinterpret_cast<WPARAM>(bitmap->Canvas()->Handle()), 0);
        const TScrollBarParts parts = hook->Parts();
        EXPECT_EQ(elementAt(bitmap.get(), Centre(parts.Up)),
                  TCustomStyleServices::GetElementDetails(enabled ? tsArrowBtnUpNormal : tsArrowBtnUpDisabled));
        EXPECT_EQ(elementAt(bitmap.get(), Centre(parts.Down)),
                  TCustomStyleServices::GetElementDetails(enabled ? tsArrowBtnDownNormal : tsArrowBtnDownDisabled));
        EXPECT_EQ(elementAt(bitmap.get(), Point(8, 150)), TCustomStyleServices::GetElementDetails(tsUpperTrackVertNormal));
        if (enabled)
            EXPECT_EQ(elementAt(bitmap.get(), Centre(parts.Slider)), TCustomStyleServices::GetElementDetails(tsThumbBtnVertNormal));
        else
            EXPECT_TRUE(parts.Slider.IsEmpty());
    }
    EXPECT_EQ(SendMessageW(bar->Handle(), CM_SCCANPAINTTODC, 0, 0), ScCanPaintToDCAnswer);

    // The window goes with the control.
    bar->SetLeft(80);
    GetWindowRect(cover, &covered);
    GetWindowRect(bar->Handle(), &control);
    EXPECT_EQ(FromWinRect(covered), FromWinRect(control));
    bar->SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(cover));
    delete bar;
}

TEST_F(ScrollBarHookTest, WithoutClientElementTheHookTakesNoMessage)
{
    TActiveTestStyle style;
    auto* bar = MakeBar(TStyleElements{seFont, seBorder});
    auto* hook = dynamic_cast<TscScrollBarStyleHook*>(bar->StyleHook());
    ASSERT_NE(hook, nullptr);
    EXPECT_EQ(hook->ScrollWindow(), nullptr); // the system's bar shows
    EXPECT_NE(SendMessageW(bar->Handle(), CM_SCCANPAINTTODC, 0, 0), ScCanPaintToDCAnswer);
    delete bar;
}

TEST_F(ScrollBarHookTest, HoverPressAndThumbDragFollowTheRealBar)
{
    TActiveTestStyle style;
    auto* bar = MakeBar();
    auto* hook = dynamic_cast<TscScrollBarStyleHook*>(bar->StyleHook());
    ASSERT_NE(hook, nullptr);

    MouseAt(bar, WM_MOUSEMOVE, Centre(hook->Parts().Slider));
    EXPECT_EQ(hook->SliderState(), tsThumbBtnVertHot);
    MouseAt(bar, WM_MOUSEMOVE, Centre(hook->Parts().Down));
    EXPECT_EQ(hook->SliderState(), tsThumbBtnVertNormal);
    EXPECT_EQ(hook->DownState(), tsArrowBtnDownHot);

    // A click on the down arrow: one small step, hot again where it was released. The bar tracks
    // the press in a loop of its own, so the whole gesture is queued before the loop runs.
    const TPoint down = Centre(hook->Parts().Down);
    Queue(bar, WM_LBUTTONDOWN, down, MK_LBUTTON);
    Queue(bar, WM_LBUTTONUP, down);
    EXPECT_TRUE(PumpUntil([&] { return bar->Position() == 1; }));
    EXPECT_EQ(hook->DownState(), tsArrowBtnDownHot);

    // The thumb dragged down: the bar scrolls and the styled thumb goes with it.
    const TRect before = hook->Parts().Slider;
    const TPoint grip = Centre(before);
    Queue(bar, WM_LBUTTONDOWN, grip, MK_LBUTTON);
    Queue(bar, WM_MOUSEMOVE, Point(grip.X, grip.Y + 80), MK_LBUTTON);
    Queue(bar, WM_LBUTTONUP, Point(grip.X, grip.Y + 80));
    EXPECT_TRUE(PumpUntil([&] { return bar->Position() > 30; }));
    EXPECT_GT(hook->Parts().Slider.Top, before.Top + 60);
    EXPECT_NE(hook->SliderState(), tsThumbBtnVertPressed);

    // Pressed on the up arrow, then the capture goes elsewhere: Normal again.
    TMessage press{WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 8), 0};
    hook->HandleMessage(press, [](TMessage&) {});
    EXPECT_EQ(hook->UpState(), tsArrowBtnUpPressed);
    SendMessageW(bar->Handle(), WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(Form->Handle()));
    EXPECT_EQ(hook->UpState(), tsArrowBtnUpNormal);
    delete bar;
}
