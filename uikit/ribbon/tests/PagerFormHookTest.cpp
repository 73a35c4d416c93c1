// The pager and the form it sits on: the wheel over the ribbon switching pages, the form's moves
// ending key-tip mode and reaching the child controls that ask for them, and the version.
#include <gtest/gtest.h>

#include <windows.h>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "RurRibbonPager.h"
#include "StdCtrls.h"

namespace {

// A child of the ribbon that counts what the pager tells it.
class TListeningChild : public TCustomControl, public IPagerChildNotify {
    TAVIN_CLASS(TListeningChild, TCustomControl)
public:
    using TCustomControl::TCustomControl;
    void PagerScenicChanged(bool scenic, int style) override
    {
        ++Scenic;
        LastScenic = scenic;
        LastStyle = style;
    }
    void PagerMouseDown() override { ++MouseDowns; }
    void PagerFormMoved() override { ++Moves; }
    void PagerKeyTipMatched() override { ++KeyTips; }
    int Scenic = 0, MouseDowns = 0, Moves = 0, KeyTips = 0;
    bool LastScenic = false;
    int LastStyle = 0;
};

class PagerFormHookTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(60, 60, 600, 260);
        Pager = new TRurToolBarPager(Form.get());
        Pager->SetParent(Form.get());
        Pager->Update();
        for (const char16_t* caption : {u"Home", u"Insert", u"Hidden", u"View"})
            Pager->AddRurPage(caption);
        Pager->RurPages(2)->SetTabVisible(false);
        Pager->SetActivePageIndex(0);
        Edit = new TEdit(Form.get());
        Edit->SetParent(Form.get());
        Edit->SetBounds(10, 200, 100, 22);
        Child = new TListeningChild(Pager);
        Child->SetParent(Pager);
        Child->SetBounds(300, 2, 10, 10);
        ASSERT_TRUE(ShowActive(Form.get()));
    }
    void Wheel(int delta, TPoint at)
    {
        const TPoint screen = Pager->ClientToScreen(at);
        SetCursorPos(screen.X, screen.Y);
        SendMessageW(Form->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(screen.X, screen.Y));
    }

    std::unique_ptr<TForm> Form;
    TRurToolBarPager* Pager = nullptr;
    TEdit* Edit = nullptr;
    TListeningChild* Child = nullptr;
};

TEST_F(PagerFormHookTest, TheWheelOverTheRibbonWalksThePages)
{
    ASSERT_TRUE(Pager->FormSubclassed());
    Edit->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return FocusedControl() == Edit; }));
    const TPoint over = Point(200, 80);
    // Down goes on, skipping the hidden tab; it stops at the ends without wrapping.
    for (int expected : {1, 3, 3}) {
        Wheel(-120, over);
        EXPECT_EQ(Pager->ActivePageIndex(), expected);
    }
    Wheel(120, over);
    EXPECT_EQ(Pager->ActivePageIndex(), 1);

    // Not over the ribbon, switched off or collapsed: nothing changes.
    Wheel(-120, Point(200, Pager->Height() + 20));
    EXPECT_EQ(Pager->ActivePageIndex(), 1);
    Pager->SetEnableWheel(false);
    Wheel(-120, over);
    EXPECT_EQ(Pager->ActivePageIndex(), 1);
    Pager->SetEnableWheel(true);
    Pager->Collaps();
    Wheel(-120, Point(200, 30));
    EXPECT_EQ(Pager->ActivePageIndex(), 1);
    Pager->Expand();

    // The pager itself focused still walks, unless asked to leave the wheel to the form then.
    Pager->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return Pager->Focused(); }));
    Wheel(-120, over);
    EXPECT_EQ(Pager->ActivePageIndex(), 3);
    Pager->SetNonActiveMouseWheelOnFocus(true);
    Wheel(120, over);
    EXPECT_EQ(Pager->ActivePageIndex(), 3);
}

TEST_F(PagerFormHookTest, TheFormsMovesEndKeyTipsAndReachTheChildren)
{
    Pager->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return Pager->Focused(); }));
    Pager->ShowTabShortCutHints();
    ASSERT_TRUE(Pager->TabShortCutHintShowing());
    const int movesBefore = Child->Moves;
    SetWindowPos(Form->Handle(), nullptr, 80, 70, 620, 270, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_FALSE(Pager->TabShortCutHintShowing());
    EXPECT_GT(Child->Moves, movesBefore);

    // The scenic switch and a press on the ribbon reach it too.
    Pager->SetUIStyle(tsOffice2010Blue);
    const bool scenic = Pager->Win7ScenicRibbon();
    const int scenicBefore = Child->Scenic;
    Pager->SetWin7ScenicRibbon(!scenic);
    EXPECT_EQ(Child->Scenic, scenicBefore + 1);
    EXPECT_EQ(Child->LastScenic, !scenic);
    EXPECT_EQ(Child->LastStyle, static_cast<int>(tsOffice2010Blue));
    Pager->SetWin7ScenicRibbon(scenic);
    MouseAt(Pager, WM_LBUTTONDOWN, Point(200, 80), MK_LBUTTON);
    MouseAt(Pager, WM_LBUTTONUP, Point(200, 80));
    EXPECT_EQ(Child->MouseDowns, 1);
}

TEST(PagerFormHookSingleTest, TwoPagersOnAFormLeaveItAlone)
{
    auto form = std::make_unique<TForm>(nullptr);
    auto* first = new TRurToolBarPager(form.get());
    first->SetParent(form.get());
    auto* second = new TRurToolBarPager(form.get());
    second->SetParent(form.get());
    form->HandleNeeded();
    first->HandleNeeded();
    second->HandleNeeded();
    EXPECT_FALSE(first->FormSubclassed());
    EXPECT_FALSE(second->FormSubclassed());
}

TEST(PagerVersionTest, TheVersionIsFixed)
{
    TRurToolBarPager pager(nullptr);
    EXPECT_EQ(TRurToolBarPager::GetVersionNr(), 101188356);
    EXPECT_EQ(pager.Version(), u"6.8.3.4");
    pager.SetVersion(u"1.0");
    EXPECT_EQ(pager.Version(), u"6.8.3.4");
}

} // namespace
