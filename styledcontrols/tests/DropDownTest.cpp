// Drop-down forms with real windows: placement in the work area, the events, closing when another
// window is activated, one drop-down at a time, the caption button that drops one down, the fade.
#include <gtest/gtest.h>

#include "FormTestSupport.h"
#include "GuiTestSupport.h"
#include "StdCtrls.h"
#include "scStyledForm.h"

namespace {

TRect WorkArea()
{
    RECT r;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return Rect(r.left, r.top, r.right, r.bottom);
}

struct TDropDownPair {
    TDropDownPair()
    {
        Owner = new TForm(nullptr);
        Owner->SetBounds(100, 100, 400, 300);
        Button = new TButton(Owner);
        Button->SetParent(Owner);
        Button->SetBounds(20, 30, 80, 25);
        Popup = new TForm(nullptr);
        Popup->SetBounds(0, 0, 150, 120);
        Styled = new TscStyledForm(Popup);
        Styled->SetDropDownForm(true);
        Styled->SetOnDropDown([this](TObject*, TCustomForm* owner, TControl* control) {
            Log.push_back({true, owner, control, false});
        });
        Styled->SetOnCloseUp([this](TObject*, TCustomForm* owner, TControl* control, bool accept) {
            Log.push_back({false, owner, control, accept});
        });
    }
    ~TDropDownPair()
    {
        delete Popup;
        delete Owner;
    }
    TDropDownPair(const TDropDownPair&) = delete;
    TDropDownPair& operator=(const TDropDownPair&) = delete;

    struct TEntry {
        bool Dropped;
        TCustomForm* Owner;
        TControl* Control;
        bool Accept;
        bool operator==(const TEntry&) const = default;
    };
    std::vector<TEntry> Log;
    TForm* Owner;
    TButton* Button;
    TForm* Popup;
    TscStyledForm* Styled;
};

// One owner and one drop-down form serve the tests (destroying a shown window is slow).
class DropDownTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Shared = new TDropDownPair; }
    static void TearDownTestSuite() { delete Shared; }
    void SetUp() override
    {
        Shared->Log.clear();
        Shared->Owner->SetBounds(100, 100, 400, 300);
        if (GetForegroundWindow() != Shared->Owner->Handle()) {
            ASSERT_TRUE(ShowActive(Shared->Owner));
        }
    }
    void TearDown() override { Shared->Styled->CloseUp(false); }
    static TDropDownPair* Shared;
};

TDropDownPair* DropDownTest::Shared = nullptr;

TEST_F(DropDownTest, PlacedInTheWorkAreaAndClosedWhenAnotherWindowIsActivated)
{
    TDropDownPair& p = *Shared;
    const TRect work = WorkArea();
    p.Styled->DropDown(p.Owner, work.Right - 10, work.Bottom - 10);
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(p.Popup->Handle()) != FALSE; }));
    EXPECT_EQ(ActiveDropDownForm(), p.Popup);
    EXPECT_EQ(ActiveDropDownOwner(), p.Owner);
    EXPECT_EQ(p.Popup->BoundsRect(), Rect(work.Right - 150, work.Bottom - 120, work.Right, work.Bottom));
    // A one-pixel frame around the client.
    RECT client;
    GetClientRect(p.Popup->Handle(), &client);
    EXPECT_EQ(client.right, 148);
    // Its own focus does not close it.
    SetForegroundWindow(p.Popup->Handle());
    PumpFor(50);
    EXPECT_TRUE(IsWindowVisible(p.Popup->Handle()));

    std::unique_ptr<TForm> other(new TForm(nullptr));
    ASSERT_TRUE(ShowActive(other.get()));
    EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(p.Popup->Handle()); }));
    EXPECT_EQ(ActiveDropDownForm(), nullptr);
    EXPECT_EQ(p.Log, (std::vector<TDropDownPair::TEntry>{{true, p.Owner, nullptr, false},
                                                          {false, p.Owner, nullptr, false}}));
}

TEST_F(DropDownTest, FromAControlBelowItOrAboveWhenThereIsNoRoom)
{
    TDropDownPair& p = *Shared;
    const TPoint below = p.Owner->ClientToScreen({20, 55});
    p.Styled->DropDown(p.Button, false, false);
    EXPECT_EQ(p.Popup->BoundsRect().TopLeft(), below);
    EXPECT_EQ(p.Styled->DropDownControl(), p.Button);
    EXPECT_EQ(p.Log.back(), (TDropDownPair::TEntry{true, p.Owner, p.Button, false}));
    // A second drop-down closes the first.
    p.Styled->DropDown(p.Button, true, false);
    ASSERT_EQ(p.Log.size(), 3u);
    EXPECT_EQ(p.Log[1], (TDropDownPair::TEntry{false, p.Owner, p.Button, false}));
    EXPECT_EQ(p.Popup->BoundsRect().TopLeft(), p.Owner->ClientToScreen({100, 30}));
    p.Styled->CloseUp(true);
    EXPECT_EQ(p.Log.back(), (TDropDownPair::TEntry{false, p.Owner, p.Button, true}));
    EXPECT_EQ(p.Styled->DropDownControl(), nullptr);

    const TRect work = WorkArea();
    p.Owner->SetTop(work.Bottom - 80);
    p.Styled->DropDown(p.Button, false, false);
    EXPECT_EQ(p.Popup->Top(), p.Owner->ClientToScreen({20, 30}).Y - 120);
    // A null control only closes.
    p.Styled->DropDown(static_cast<TControl*>(nullptr), 0, 0);
    EXPECT_FALSE(IsWindowVisible(p.Popup->Handle()));
}

TEST_F(DropDownTest, ACaptionButtonDropsItDownAndASecondPressOnlyClosesIt)
{
    TDropDownPair& p = *Shared;
    std::unique_ptr<TscStyledForm> styledOwner(new TscStyledForm(p.Owner));
    TscNCButtonItem* button = styledOwner->Buttons()->Add();
    button->SetCustomDropDown(true);
    std::vector<bool> closed;
    button->SetOnCloseUp([&](int, bool accept) { closed.push_back(accept); });
    button->SetOnDropDown([&](int, int x, int y) { p.Styled->DropDown(p.Owner, button, x, y, false); });
    button->NCObject()->MouseDown(0, 0);
    EXPECT_TRUE(button->NCObject()->FDroppedDown);
    EXPECT_EQ(ActiveDropDownForm(), p.Popup);
    button->NCObject()->MouseDown(0, 0);
    EXPECT_EQ(ActiveDropDownForm(), nullptr);
    EXPECT_FALSE(IsWindowVisible(p.Popup->Handle()));
    EXPECT_FALSE(button->NCObject()->FDroppedDown);
    EXPECT_EQ(closed, std::vector<bool>{false});
}

TEST_F(DropDownTest, TheFadeStepsToTheFormsOwnAlphaAndStopsWithTheClose)
{
    TDropDownPair& p = *Shared;
    p.Styled->SetDropDownAnimation(true);
    HWND wnd = p.Popup->Handle();
    struct TCase {
        Byte OwnAlpha; // 255: not layered
        int Step;
    };
    for (const TCase c : {TCase{255, 25}, TCase{5, 1}}) {
        if (c.OwnAlpha != 255) {
            SetWindowLongPtrW(wnd, GWL_EXSTYLE, GetWindowLongPtrW(wnd, GWL_EXSTYLE) | WS_EX_LAYERED);
            SetLayeredWindowAttributes(wnd, 0, c.OwnAlpha, LWA_ALPHA);
        }
        p.Styled->DropDown(p.Owner, 300, 300);
        EXPECT_EQ(p.Styled->DropDownFadeStep(), c.Step);
        BYTE alpha = 0;
        ASSERT_TRUE(PumpUntil([&] {
            GetLayeredWindowAttributes(wnd, nullptr, &alpha, nullptr);
            return (GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_LAYERED) == 0 || alpha == c.OwnAlpha;
        }));
        EXPECT_EQ((GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_LAYERED) != 0, c.OwnAlpha != 255);
        p.Styled->CloseUp(false);
    }
    // Closed half way: the form is left as it was and nothing steps on afterwards.
    SetWindowLongPtrW(wnd, GWL_EXSTYLE, GetWindowLongPtrW(wnd, GWL_EXSTYLE) & ~LONG_PTR(WS_EX_LAYERED));
    p.Styled->DropDown(p.Owner, 300, 300);
    p.Styled->CloseUp(false);
    PumpFor(100);
    EXPECT_EQ(GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    EXPECT_FALSE(IsWindowVisible(wnd));
    p.Styled->SetDropDownAnimation(false);
}

} // namespace
