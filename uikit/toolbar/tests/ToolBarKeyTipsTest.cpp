// Key tips of ribbon groups: typed codes, the level inside a compact window, the arrow keys across
// the groups of a page and where each key tip sits.
#include <gtest/gtest.h>

#include "FakeRibbonPage.h"
#include "Forms.h"
#include "GuiTestSupport.h"
#include "RurGlowButton.h"
#include "RurToolBar_CompactWindow.h"
#include "RurToolBar_ToolBar.h"

namespace {

bool TipShown(TRurCustomGlowButton* glow)
{
    return glow->ShortCutHintWindow() && glow->ShortCutHintWindow()->Visible();
}

class ToolBarKeyTipsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(20, 20, 700, 260);
        Page = new TRurPage(Form.get());
        Page->SetBounds(0, 0, 680, 120);
        Page->SetParent(Form.get());
        First = MakeGroup(3);
        Second = MakeGroup(300);
        Page->SortedToolBars.Add(First);
        Page->SortedToolBars.Add(Second);
        ShowActive(Form.get());
    }

    TRurToolBar* MakeGroup(int left)
    {
        auto* toolBar = new TRurToolBar(Form.get());
        toolBar->SetParent(Page);
        toolBar->SetShowRightHandle(false);
        toolBar->SetLeft(left);
        toolBar->SetPropertiesLoaded(true);
        return toolBar;
    }

    TRurGlowButton* AddButton(TRurToolBar* toolBar, const String& code, int* clicks = nullptr)
    {
        auto* glow = new TRurGlowButton(Form.get());
        glow->SetCaption(u"Go " + code);
        glow->SetShortCutHint(code);
        glow->SetLeft(toolBar->Width() + 50);
        glow->SetParent(toolBar);
        if (clicks)
            glow->SetOnClick([clicks](TObject*) { ++*clicks; });
        return glow;
    }

    std::unique_ptr<TForm> Form;
    TRurPage* Page = nullptr;
    TRurToolBar* First = nullptr;
    TRurToolBar* Second = nullptr;
};

TEST_F(ToolBarKeyTipsTest, TypedCodesCountPartialMatchesAndTriggerOnlyEnabledButtons)
{
    int clicksAB = 0, clicksX = 0;
    TRurGlowButton* ab = AddButton(First, u"AB", &clicksAB);
    TRurGlowButton* ac = AddButton(First, u"AC");
    TRurGlowButton* x = AddButton(First, u"X", &clicksX);
    First->ShowShortCutHints();
    ASSERT_TRUE(TipShown(ab) && TipShown(ac) && TipShown(x));

    int partial = 0;
    EXPECT_FALSE(First->ProcessShortCutHint(u"a", partial));
    EXPECT_EQ(partial, 2);
    EXPECT_TRUE(TipShown(ab));
    EXPECT_FALSE(TipShown(x)) << "a code not starting with the typed letter hides";

    x->SetEnabled(false);
    partial = 0;
    EXPECT_FALSE(First->ProcessShortCutHint(u"X", partial)) << "a disabled button is passed over";
    EXPECT_EQ(clicksX, 0);

    EXPECT_TRUE(First->ProcessShortCutHint(u"ab", partial));
    EXPECT_EQ(clicksAB, 1);
    EXPECT_EQ(Page->RestoreFocusCount, 1) << "the focus goes back through the pager";
}

TEST_F(ToolBarKeyTipsTest, ACompactButtonOpensTheNextLevelAndEscapeComesBack)
{
    int clicks = 0;
    AddButton(First, u"B", &clicks);
    TRurGlowButton* inner = AddButton(First, u"C");
    First->SetCompactShortCutHint(u"Z");
    First->SetCompact(true);
    ASSERT_TRUE(First->IsCompact());

    int partial = 0;
    ASSERT_TRUE(First->ProcessShortCutHint(u"Z", partial));
    TRurCustomToolBar* clone = First->SelfClone();
    ASSERT_TRUE(PumpUntil([&] { return First->CompactWindow()->Visible(); }, 2000));
    EXPECT_TRUE(clone->CompactShortCutHintShowing());
    EXPECT_TRUE(TipShown(inner)) << "the buttons inside show their key tips";

    // A typed code inside the compact window reaches the clone through the page's characters.
    Page->Chars.clear();
    clone->Perform(WM_KEYDOWN, u'B', 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(clone->CompactShortCutHintShowing());

    // Escape from the next level: the page's group key tips again, the focus on the compact button.
    ASSERT_TRUE(First->ProcessShortCutHint(u"Z", partial));
    ASSERT_TRUE(clone->CompactShortCutHintShowing());
    const int shown = Page->ShowToolBarKeyTipsCount;
    clone->Perform(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(Page->ShowToolBarKeyTipsCount, shown + 1);
    EXPECT_FALSE(TipShown(inner));
    EXPECT_TRUE(PumpUntil([&] { return FocusedControl() == First->CompactButton(); }, 2000));
}

TEST_F(ToolBarKeyTipsTest, LeftAndRightWrapAcrossTheGroupsOfThePage)
{
    TRurGlowButton* a1 = AddButton(First, u"A1");
    TRurGlowButton* a2 = AddButton(First, u"A2");
    TRurGlowButton* b1 = AddButton(Second, u"B1");
    TRurGlowButton* b2 = AddButton(Second, u"B2");
    struct Case {
        const char* Label;
        TRurGlowButton* From;
        Word Key;
        TRurGlowButton* To;
    };
    const Case cases[] = {
        {"the first of the leftmost group wraps to the last of the rightmost", a1, VK_LEFT, b2},
        {"within a group", a2, VK_LEFT, a1},
        {"on to the next group", a2, VK_RIGHT, b1},
        {"round the page", b2, VK_RIGHT, a1},
    };
    for (const Case& c : cases) {
        c.From->SetFocus();
        ASSERT_TRUE(PumpUntil([&] { return FocusedControl() == c.From; }, 2000));
        c.From->Perform(WM_KEYDOWN, c.Key, 0);
        EXPECT_TRUE(PumpUntil([&] { return FocusedControl() == c.To; }, 2000)) << c.Label;
    }
    // Up gives the pager the focus.
    a1->Perform(WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(Page->FocusPagerCount, 1);
}

TEST_F(ToolBarKeyTipsTest, KeyTipsSitByTheirButtonRows)
{
    First->SetAutoPositionControls(false);
    First->SetBounds(3, 3, 200, 100);
    auto place = [&](int top, int height) {
        auto* glow = AddButton(First, u"K");
        glow->SetShortCutHintPos(shpAuto);
        glow->SetBounds(10, top, 30, height);
        return glow;
    };
    TRurGlowButton* upper = place(2, 22);
    TRurGlowButton* lower = place(26, 22);
    TRurGlowButton* large = place(2, 80);
    First->CalcButtonRows();
    EXPECT_EQ(First->ButtonRow(0), 2);
    EXPECT_EQ(First->ButtonRow(1), 26);
    auto where = [&](TRurGlowButton* glow) {
        TShortCutHintPos position = shpAuto;
        First->GlowButtonGetShortCutHintPos(glow, bsLabel, position);
        return position;
    };
    EXPECT_EQ(where(upper), shpAboveTopLeft);
    EXPECT_EQ(where(lower), shpBelowBottomLeft);
    EXPECT_EQ(where(large), shpBottom);

    TRurGlowButton* third = place(50, 22);
    First->CalcButtonRows();
    EXPECT_EQ(where(upper), shpTopLeft);
    EXPECT_EQ(where(lower), shpLeft);
    EXPECT_EQ(where(third), shpBottomLeft);
    // A position set by the program is kept.
    TShortCutHintPos fixed = shpTop;
    First->GlowButtonGetShortCutHintPos(upper, bsLabel, fixed);
    EXPECT_EQ(fixed, shpTop);
}

} // namespace
