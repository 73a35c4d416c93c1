// Focus moves inside a form: enter and exit notifications, exit checks that keep the focus, Tab
// order and the default and cancel buttons.
#include <gtest/gtest.h>

#include "Forms.h"
#include "StdCtrls.h"
#include "support/GuiTestSupport.h"

namespace {

enum class TFocusMove { Tab, ClickOnOtherEdit, ClickOnButton };

class FocusForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = new TForm(Application);
        Form->SetBounds(50, 50, 400, 200);
        First = AddEdit(u"First", 10);
        Second = AddEdit(u"Second", 40);
        Button = new TButton(Form);
        Button->SetParent(Form);
        Button->SetBounds(10, 80, 100, 25);
        Button->SetOnClick([this](TObject*) { ++Clicks; });
        First->SetOnExit([this](TObject*) {
            ++Exits;
            if (FailCheck) {
                First->SetFocus();
                throw EAbort(u"");
            }
        });
        Second->SetOnEnter([this](TObject*) { ++SecondEnters; });
        ASSERT_TRUE(ShowActive(Form));
        First->SetFocus();
        ASSERT_TRUE(PumpUntil([this] { return FocusedControl() == First; }));
    }
    void TearDown() override { delete Form; }

    TEdit* AddEdit(const String& name, int top)
    {
        auto* e = new TEdit(Form);
        e->SetName(name);
        e->SetParent(Form);
        e->SetBounds(10, top, 150, 23);
        return e;
    }
    void Move(TFocusMove move)
    {
        switch (move) {
        case TFocusMove::Tab: PressKey(VK_TAB); break;
        case TFocusMove::ClickOnOtherEdit: ClickAt(Second); break;
        case TFocusMove::ClickOnButton: ClickAt(Button); break;
        }
    }

    TForm* Form = nullptr;
    TEdit* First = nullptr;
    TEdit* Second = nullptr;
    TButton* Button = nullptr;
    bool FailCheck = false;
    int Exits = 0, Clicks = 0, SecondEnters = 0;
};

class ExitCheck : public FocusForm, public ::testing::WithParamInterface<TFocusMove> {};

TEST_P(ExitCheck, AFailingCheckKeepsTheFocusAndTheButtonDoesNotAct)
{
    FailCheck = true;
    TMessageBoxAnswerer boxes;
    Move(GetParam());
    PumpFor(100);
    EXPECT_GE(Exits, 1);
    EXPECT_EQ(FocusedControl(), First);
    EXPECT_EQ(Form->ActiveControl(), First);
    EXPECT_EQ(Clicks, 0);
    EXPECT_EQ(SecondEnters, 0);
    EXPECT_EQ(boxes.Count(), 0); // the abort is silent
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_P(ExitCheck, APassingCheckLetsTheFocusMove)
{
    Move(GetParam());
    EXPECT_EQ(Exits, 1);
    TWinControl* expected = GetParam() == TFocusMove::ClickOnButton ? static_cast<TWinControl*>(Button) : Second;
    EXPECT_EQ(FocusedControl(), expected);
    EXPECT_EQ(Clicks, GetParam() == TFocusMove::ClickOnButton ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(ByTabAndClicks, ExitCheck,
                         ::testing::Values(TFocusMove::Tab, TFocusMove::ClickOnOtherEdit, TFocusMove::ClickOnButton));

TEST_F(FocusForm, TabFollowsTabOrderSkipsDisabledControlsAndShiftTabGoesBack)
{
    Second->SetEnabled(false);
    PressKey(VK_TAB);
    EXPECT_EQ(FocusedControl(), Button);
    Second->SetEnabled(true);
    Second->SetTabOrder(0);
    PressKey(VK_TAB); // wraps round to the first in tab order
    EXPECT_EQ(FocusedControl(), Second);
    PressKey(VK_TAB, true);
    EXPECT_EQ(FocusedControl(), Button);
}

TEST_F(FocusForm, EnterAndEscapeClickTheDefaultAndCancelButtons)
{
    auto* cancel = new TButton(Form);
    cancel->SetParent(Form);
    cancel->SetBounds(120, 80, 100, 25);
    int cancels = 0;
    cancel->SetOnClick([&](TObject*) { ++cancels; });
    Button->SetDefault(true);
    cancel->SetCancel(true);
    PressKey(VK_RETURN);
    EXPECT_EQ(Clicks, 1);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(cancels, 1);
    EXPECT_EQ(FocusedControl(), First);
}

TEST_F(FocusForm, AltAndTheAcceleratorClickTheButton)
{
    Button->SetCaption(u"&Go");
    PostMessageW(GetFocus(), WM_SYSCHAR, L'g', 1 << 29);
    PumpFor(50);
    EXPECT_EQ(Clicks, 1);
}

} // namespace
