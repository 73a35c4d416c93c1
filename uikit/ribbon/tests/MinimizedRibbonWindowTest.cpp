// The collapsed ribbon's page pop-up: a pop-up window over the screen sized around its page, that
// hides itself when it loses activation unless the pager holds it or says no, and asks only once.
#include <gtest/gtest.h>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "RurMinimizedRibbonWindow.h"
#include "RurRibbonPager.h"

namespace {

class MinimizedRibbonWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(60, 60, 700, 300);
        Pager = new TRurToolBarPager(Form.get());
        Pager->SetParent(Form.get());
        Pager->Update();
        Window = new TMinimizedRibbonWindow(Pager);
        Window->SetParent(Pager);
        Window->SetRurToolBarPager(Pager);
        Page = new TRurPage(Window);
        Page->SetParent(Window);
        Page->SetBounds(0, 0, 300, 90);
        Window->SetRurPage(Page);
        Pager->SetOnFloatingRibbonHide(TRurToolBarPager::TRibbonHideEvent([this](TObject* sender, bool& canHide) {
            EXPECT_EQ(sender, Window);
            ++Asked;
            canHide = Allow;
        }));
        ASSERT_TRUE(ShowActive(Form.get()));
    }
    // The pop-up shown and active, then the form activated again.
    void OpenAndLeave()
    {
        Window->SetBounds(200, 200, Window->Width(), Window->Height());
        Window->Show();
        SetForegroundWindow(Window->Handle());
        SetActiveWindow(Window->Handle());
        ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == Window->Handle(); }));
        SetActiveWindow(Form->Handle());
        PumpFor(100);
    }

    std::unique_ptr<TForm> Form;
    TRurToolBarPager* Pager = nullptr;
    TMinimizedRibbonWindow* Window = nullptr;
    TRurPage* Page = nullptr;
    int Asked = 0;
    bool Allow = true;
};

TEST_F(MinimizedRibbonWindowTest, IsAFramelessPopupWithAShadowSizedAroundItsPage)
{
    Window->SetWindowSize();
    EXPECT_EQ(Window->Width(), 303);
    EXPECT_EQ(Window->Height(), 93);
    EXPECT_EQ(Page->Left(), 2);
    EXPECT_EQ(Page->Top(), 0);
    Window->HandleNeeded();
    const LONG_PTR style = GetWindowLongPtrW(Window->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & WS_CHILD);
    EXPECT_TRUE(GetClassLongPtrW(Window->Handle(), GCL_STYLE) & CS_DROPSHADOW);
    // Neither caption nor frame takes the page's room.
    RECT client;
    GetClientRect(Window->Handle(), &client);
    EXPECT_EQ(client.right, 303);
    EXPECT_EQ(client.bottom, 93);
}

TEST_F(MinimizedRibbonWindowTest, LosingActivationHidesItOnceThePagerAgrees)
{
    Window->SetWindowSize();
    OpenAndLeave();
    EXPECT_TRUE(PumpUntil([&] { return !Window->Visible(); }));
    EXPECT_EQ(Asked, 1);
}

TEST_F(MinimizedRibbonWindowTest, ARefusalKeepsItOpenAndIsNotAskedAgainAndAgain)
{
    Window->SetWindowSize();
    Allow = false;
    OpenAndLeave();
    ASSERT_TRUE(PumpUntil([&] { return Asked > 0; }));
    PumpFor(200);
    EXPECT_TRUE(Window->Visible());
    EXPECT_EQ(Asked, 1) << "a refused hide stops the timer";
    EXPECT_FALSE(Window->HidePending());
}

TEST_F(MinimizedRibbonWindowTest, BlockedByThePagerFocusInThePagerOrHiddenItStaysPut)
{
    Window->SetWindowSize();
    Pager->SetBlockHide(true);
    OpenAndLeave();
    PumpFor(100);
    EXPECT_TRUE(Window->Visible());
    EXPECT_EQ(Asked, 0);

    // The focus in the pager (a click on a tab): the pager takes it from there.
    Pager->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == Pager->Handle(); }));
    Pager->SetBlockHide(false);
    ASSERT_TRUE(Window->Visible());
    Window->Perform(WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_FALSE(Window->HidePending());

    Window->Hide();
    Window->Perform(WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_FALSE(Window->HidePending());
    Window->Perform(WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_FALSE(Window->HidePending());
}

} // namespace
