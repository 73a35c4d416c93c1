// The scrolling style hook on a memo and the list-view hook on a list view, under the test style.
#include <gtest/gtest.h>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "KitTestSupport.h"
#include "TestStyle.h"
#include "scListView.h"
#include "scListViewStyleHook.h"
#include "scMemo.h"

namespace {

// Counts the close requests that reach the memo itself.
class TClosingMemo : public TscMemo {
    TAVIN_CLASS(TClosingMemo, TscMemo)
public:
    using TscMemo::TscMemo;
    int Closes = 0;
    void WndProc(TMessage& message) override
    {
        if (message.Msg == WM_CLOSE) {
            ++Closes;
            return;
        }
        TscMemo::WndProc(message);
    }
};

template <class Control, class Hook>
struct THookPair {
    THookPair() { TCustomStyleEngine::RegisterStyleHook(Control::StaticClass(), StyleHookClassOf<Hook>()); }
    ~THookPair() { TCustomStyleEngine::UnRegisterStyleHook(Control::StaticClass(), StyleHookClassOf<Hook>()); }
    THookPair(const THookPair&) = delete;
    THookPair& operator=(const THookPair&) = delete;
};

class ScrollingHookTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Form = new TForm(Application);
        Form->SetBounds(60, 60, 460, 360);
        ASSERT_TRUE(ShowActive(Form));
    }
    static void TearDownTestSuite()
    {
        delete Form;
        Form = nullptr;
    }
    static TForm* Form;
    THookPair<TClosingMemo, TscScrollingStyleHook> MemoHook;
};

TForm* ScrollingHookTest::Form = nullptr;

TClosingMemo* MakeMemo(TForm* form, TScrollStyle bars, int lines)
{
    auto* memo = new TClosingMemo(form);
    memo->SetParent(form);
    memo->SetBounds(20, 20, 200, 150);
    memo->SetScrollBars(bars);
    memo->SetWordWrap(false);
    String text;
    for (int i = 0; i < lines; ++i)
        text += u"A line wide enough to need the horizontal scroll bar of the memo " + IntToStr(i) + u"\r\n";
    memo->Lines()->SetText(text);
    return memo;
}

TRect ScreenRect(HWND wnd)
{
    RECT r;
    GetWindowRect(wnd, &r);
    return FromWinRect(r);
}

// A rectangle of the control's window coordinates on the screen.
TRect OnScreen(TWinControl* control, const TRect& r)
{
    const TRect window = ScreenRect(control->Handle());
    return {window.Left + r.Left, window.Top + r.Top, window.Left + r.Right, window.Top + r.Bottom};
}

TPoint Centre(const TRect& r) { return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); }

LPARAM ScreenParam(TPoint p) { return MAKELPARAM(p.X, p.Y); }

int FirstVisibleLine(TWinControl* memo)
{
    return static_cast<int>(SendMessageW(memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
}

} // namespace

TEST_F(ScrollingHookTest, ScrollWindowsLieOverTheBarsAndFollowTheControl)
{
    TActiveTestStyle style;
    auto* memo = MakeMemo(Form, ssBoth, 40);
    ASSERT_TRUE(PumpUntil([&] { return memo->StyleHook() != nullptr; }));
    auto* hook = dynamic_cast<TscScrollingStyleHook*>(memo->StyleHook());
    ASSERT_NE(hook, nullptr);
    RedrawWindow(memo->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    ASSERT_NE(hook->VertScrollWindow(), nullptr);
    const HWND vert = hook->VertScrollWindow()->Handle();
    const HWND horz = hook->HorzScrollWindow()->Handle();
    EXPECT_EQ(ScreenRect(vert), OnScreen(memo, hook->VertScrollRect()));
    EXPECT_EQ(ScreenRect(horz), OnScreen(memo, hook->HorzScrollRect()));
    EXPECT_TRUE(IsWindowVisible(vert));

    // The bars painted into the windows: arrows at the ends, the track between.
    auto bitmap = Canvas32(memo->Width(), memo->Height(), clFuchsia);
    SendMessageW(memo->Handle(), CM_SCPAINTTODC, reinterpret_cast<WPARAM>(bitmap->Canvas()->Handle()), 0);
    TThemedElementDetails drawn;
    const TPoint up = Centre(hook->VertUpRect());
    ASSERT_TRUE(style->ElementAt(static_cast<COLORREF>(PixelAt(bitmap.get(), up.X, up.Y)), drawn));
    EXPECT_EQ(drawn, TCustomStyleServices::GetElementDetails(tsArrowBtnUpNormal));
    const TPoint thumb = Centre(hook->VertSliderRect());
    ASSERT_TRUE(style->ElementAt(static_cast<COLORREF>(PixelAt(bitmap.get(), thumb.X, thumb.Y)), drawn));
    EXPECT_EQ(drawn, TCustomStyleServices::GetElementDetails(tsThumbBtnVertNormal));
    // The question is answered without painting anything.
    EXPECT_EQ(SendMessageW(memo->Handle(), CM_SCCANPAINTTODC, 0, 0), ScCanPaintToDCAnswer);

    // Hiding the control hides its bars; a close request still reaches it.
    memo->SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(vert));
    memo->SetVisible(true);
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(vert) != FALSE; }));
    SendMessageW(memo->Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(memo->Closes, 1);
    delete memo;
}

TEST_F(ScrollingHookTest, BarsLeaveTheirWindowsHiddenWhereTheControlHasNone)
{
    TActiveTestStyle style;
    auto* memo = MakeMemo(Form, ssNone, 2);
    ASSERT_TRUE(PumpUntil([&] { return memo->StyleHook() != nullptr; }));
    RedrawWindow(memo->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    auto* hook = dynamic_cast<TscScrollingStyleHook*>(memo->StyleHook());
    ASSERT_NE(hook->VertScrollWindow(), nullptr);
    EXPECT_TRUE(hook->VertScrollRect().IsEmpty());
    EXPECT_FALSE(IsWindowVisible(hook->VertScrollWindow()->Handle()));
    EXPECT_FALSE(IsWindowVisible(hook->HorzScrollWindow()->Handle()));
    delete memo;
}

TEST_F(ScrollingHookTest, HoverPressAndThumbDragThroughTheMessagesTheSystemSends)
{
    TActiveTestStyle style;
    auto* memo = MakeMemo(Form, ssBoth, 60);
    ASSERT_TRUE(PumpUntil([&] { return memo->StyleHook() != nullptr; }));
    RedrawWindow(memo->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    auto* hook = dynamic_cast<TscScrollingStyleHook*>(memo->StyleHook());
    const HWND wnd = memo->Handle();

    const TPoint down = Centre(OnScreen(memo, hook->VertDownRect()));
    SetCursorPos(down.X, down.Y);
    SendMessageW(wnd, WM_NCMOUSEMOVE, HTVSCROLL, ScreenParam(down));
    EXPECT_EQ(hook->VertDownState(), tsArrowBtnDownHot);

    // The thumb follows the cursor down the track and back up, in whole lines.
    const TPoint thumb = Centre(OnScreen(memo, hook->VertSliderRect()));
    SetCursorPos(thumb.X, thumb.Y);
    SendMessageW(wnd, WM_NCLBUTTONDOWN, HTVSCROLL, ScreenParam(thumb));
    EXPECT_EQ(hook->VertSliderState(), tsThumbBtnVertPressed);
    EXPECT_EQ(GetCapture(), wnd);
    SetCursorPos(thumb.X, thumb.Y + 40);
    SendMessageW(wnd, WM_MOUSEMOVE, MK_LBUTTON, 0);
    EXPECT_TRUE(PumpUntil([&] { return FirstVisibleLine(memo) > 5; }));
    const int lowered = FirstVisibleLine(memo);
    SetCursorPos(thumb.X, thumb.Y + 10);
    SendMessageW(wnd, WM_MOUSEMOVE, MK_LBUTTON, 0);
    EXPECT_TRUE(PumpUntil([&] { return FirstVisibleLine(memo) < lowered; }));
    SendMessageW(wnd, WM_LBUTTONUP, 0, 0);
    PumpFor(50);
    EXPECT_EQ(hook->VertSliderState(), tsThumbBtnVertHot); // released over the thumb
    EXPECT_NE(GetCapture(), wnd);
    delete memo;
}

TEST_F(ScrollingHookTest, ListViewHeaderIsTakenOverWithItsHotSectionAndThumbDragScrollsWholeRows)
{
    TActiveTestStyle style;
    auto* view = new TscListView(Form);
    view->SetBounds(20, 20, 300, 200);
    view->SetViewStyle(vsReport);
    for (const char16_t* caption : {u"One", u"Two"}) {
        TListColumn* column = view->Columns()->Add();
        column->SetCaption(caption);
        column->SetWidth(120);
    }
    for (int i = 0; i < 80; ++i)
        view->Items()->Add()->SetCaption(u"Row " + IntToStr(i));
    view->SetParent(Form); // the window comes with every item at once
    ASSERT_NE(view->StyleHook(), nullptr);
    RedrawWindow(view->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    auto* hook = dynamic_cast<TscListViewStyleHook*>(view->StyleHook());
    ASSERT_NE(hook, nullptr);
    const HWND header = ListView_GetHeader(view->Handle());
    ASSERT_EQ(hook->HeaderHandle(), header);
    EXPECT_EQ(static_cast<COLORREF>(ListView_GetBkColor(view->Handle())),
              static_cast<COLORREF>(ColorToRGB(style->GetStyleColor(scListView))));

    // Sections in the style's looks; the hot one under the mouse, none on a divider.
    RECT second;
    Header_GetItemRect(header, 1, &second);
    SendMessageW(header, WM_MOUSEMOVE, 0, MAKELPARAM(second.left + 20, 5));
    EXPECT_EQ(hook->HotSection(), 1);
    SendMessageW(header, WM_MOUSEMOVE, 0, MAKELPARAM(second.left, 5));
    EXPECT_EQ(hook->HotSection(), -1);
    auto bitmap = Canvas32(second.right + 10, second.bottom);
    SendMessageW(header, WM_PAINT, reinterpret_cast<WPARAM>(bitmap->Canvas()->Handle()), 0);
    TThemedElementDetails drawn;
    ASSERT_TRUE(style->ElementAt(static_cast<COLORREF>(PixelAt(bitmap.get(), second.left + 2, 2)), drawn));
    EXPECT_EQ(drawn, TCustomStyleServices::GetElementDetails(thHeaderItemNormal));

    // Down the track and back up: the list follows both ways, a row at a time.
    const int rowHeight = view->Items()->Item(0)->DisplayRect(drBounds).Height();
    const HWND wnd = view->Handle();
    const TPoint thumb = Centre(OnScreen(view, hook->VertSliderRect()));
    SetCursorPos(thumb.X, thumb.Y);
    SendMessageW(wnd, WM_NCLBUTTONDOWN, HTVSCROLL, ScreenParam(thumb));
    SetCursorPos(thumb.X, thumb.Y + 50);
    SendMessageW(wnd, WM_MOUSEMOVE, MK_LBUTTON, 0);
    PumpFor(50);
    const int lowered = ListView_GetTopIndex(wnd);
    EXPECT_GT(lowered, 3);
    const auto phase = [&](int y) { return (y % rowHeight + rowHeight) % rowHeight; };
    EXPECT_EQ(phase(view->Items()->Item(lowered)->DisplayRect(drBounds).Top),
              phase(view->Items()->Item(0)->DisplayRect(drBounds).Top));
    SetCursorPos(thumb.X, thumb.Y + 10);
    SendMessageW(wnd, WM_MOUSEMOVE, MK_LBUTTON, 0);
    PumpFor(50);
    EXPECT_LT(ListView_GetTopIndex(wnd), lowered);
    SendMessageW(wnd, WM_LBUTTONUP, 0, 0);
    delete view;
    EXPECT_FALSE(IsWindow(header));
}
