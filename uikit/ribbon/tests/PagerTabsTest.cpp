// The tab row: tab widths, fitting the row into the pager's width step by step and back, and
// scrolling the row when even squeezed tabs do not fit.
#include <gtest/gtest.h>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "RurRibbonPageScrollButton.h"
#include "RurRibbonPager.h"
#include "RurToolBar_Styler.h"
#include "SysUtils.h"

namespace {

class PagerTabsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(40, 40, 900, 260);
        Pager = new TRurToolBarPager(Form.get());
        Pager->SetParent(Form.get());
        Pager->Update();
        for (const char16_t* caption : {u"Home", u"Insert", u"Page Layout", u"References", u"View"})
            Pager->AddRurPage(caption);
        Pager->SetActivePageIndex(0);
    }
    // The pager's width that gives the tabs exactly this much room.
    void SetTabsRoom(int room)
    {
        Form->SetClientWidth(room + 4 + 60 + 4);
        ASSERT_EQ(Pager->GetTabsRect().Width(), room);
    }
    int RealTotal() const
    {
        int total = 4 * (Pager->RurPageCount() - 1);
        for (int i = 0; i < Pager->RurPageCount(); ++i)
            total += Pager->RurPages(i)->TabRealClientWidth() + 8;
        return total;
    }
    int NarrowestTab() const
    {
        int narrowest = 1 << 20;
        for (int i = 0; i < Pager->RurPageCount(); ++i)
            narrowest = std::min(narrowest, Pager->GetTabRect(i).Width());
        return narrowest;
    }
    bool Squeezed() const
    {
        for (int i = 0; i < Pager->RurPageCount(); ++i)
            if (Pager->RurPages(i)->TabClientWidth() < Pager->RurPages(i)->TabRealClientWidth())
                return true;
        return false;
    }

    std::unique_ptr<TForm> Form;
    TRurToolBarPager* Pager = nullptr;
};

TEST_F(PagerTabsTest, ATabIsItsTextWithFontAllowanceAndMargins)
{
    TRurPage* page = Pager->RurPages(0);
    const int size = Pager->CurrentToolBarStyler()->TabAppearance()->Font()->Size();
    page->SetCaption(u"");
    // No text: the font allowance, two pixels and both margins.
    EXPECT_EQ(page->TabWidth(), std::max(0, size - 7) + 2 + 4 + 4);
    page->SetCaption(u"Home");
    EXPECT_GT(page->TabClientWidth(), std::max(0, size - 7) + 2);
    EXPECT_EQ(page->TabWidth(), page->TabClientWidth() + 8);
    EXPECT_EQ(Pager->GetTabRect(0).Width(), page->TabWidth());

    // Tabs follow each other at the spacing from the start margin, below the caption.
    const TRect tabs = Pager->GetTabsRect();
    EXPECT_EQ(tabs.Left, 4 + 60);
    EXPECT_EQ(tabs.Top, 26 + 4);
    EXPECT_EQ(Pager->GetTabRect(0).Left, tabs.Left);
    EXPECT_EQ(Pager->GetTabRect(1).Left, Pager->GetTabRect(0).Right + 4);

    // A hidden tab has no rectangle and is never hit; the others close up.
    Pager->RurPages(1)->SetTabVisible(false);
    EXPECT_EQ(Pager->GetTabRect(1), Rect(-1, -1, -1, -1));
    EXPECT_EQ(Pager->GetTabRect(2).Left, Pager->GetTabRect(0).Right + 4);
    const TRect third = Pager->GetTabRect(2);
    EXPECT_EQ(Pager->PtOnTab(third.Left + 1, third.Top + 1), 2);
    EXPECT_EQ(Pager->PtOnTab(third.Left - 2, third.Top + 1), -1);
    EXPECT_EQ(Pager->PtOnTab(third.Left + 1, third.Bottom + 1), -1);
}

TEST_F(PagerTabsTest, TheRowIsSqueezedStepByStepAndRestoredInReverse)
{
    const int total = RealTotal();
    const int gaps = Pager->RurPageCount() - 1;
    const int tabs = Pager->RurPageCount();
    struct Case {
        const char* what;
        int room;
        int spacing, left, right;
        bool squeezed;
    };
    const Case cases[] = {
        {"room to spare", total + 50, 4, 4, 4, false},
        {"exact fit", total, 4, 4, 4, false},
        {"over by the gaps", total - gaps, 3, 4, 4, false},
        {"over by gaps and left margins", total - gaps - tabs, 3, 3, 4, false},
        {"over by gaps and both margins", total - gaps - 2 * tabs, 3, 3, 3, false},
        {"one pixel more", total - gaps - 2 * tabs - 1, 3, 3, 3, true},
        {"back to room to spare", total + 50, 4, 4, 4, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetTabsRoom(c.room);
        EXPECT_EQ(Pager->CurrentTabSpacing(), c.spacing);
        EXPECT_EQ(Pager->CurrentTabLeftMargin(), c.left);
        EXPECT_EQ(Pager->CurrentTabRightMargin(), c.right);
        EXPECT_EQ(Squeezed(), c.squeezed);
        EXPECT_LE(Pager->GetTotalTabsWidth(), c.room);
        EXPECT_FALSE(Pager->TabScroller().Visible());
    }
}

TEST_F(PagerTabsTest, SqueezedTabsStopAtTheMinimumAndTheRowScrolls)
{
    SetTabsRoom(100);
    EXPECT_EQ(NarrowestTab(), 24);
    EXPECT_GT(Pager->GetTotalTabsWidth(), 100);
    EXPECT_GT(Pager->TabScroller().Max(), 0);
    ASSERT_NE(Pager->RightScrollButton(), nullptr);
    EXPECT_TRUE(Pager->RightScrollButton()->Visible());
    EXPECT_TRUE(Pager->LeftScrollButton() == nullptr || !Pager->LeftScrollButton()->Visible());
    const TRect tabs = Pager->GetTabsRect();
    EXPECT_EQ(Pager->RightScrollButton()->Left(), tabs.Right - Pager->RightScrollButton()->Width());

    // One screen on: the row moves left and the left button shows.
    EXPECT_EQ(Pager->ScrollTabs(1), 1);
    EXPECT_GT(Pager->StartTabIndex(), 0);
    EXPECT_LT(Pager->GetTabRect(0).Left, tabs.Left);
    ASSERT_NE(Pager->LeftScrollButton(), nullptr);
    EXPECT_TRUE(Pager->LeftScrollButton()->Visible());
    const int last = Pager->LastVisibleTabIndex();
    EXPECT_LE(Pager->GetTabRect(last).Right, tabs.Right);
    EXPECT_EQ(Pager->GetVisibleTabRect(0), Rect(-1, -1, -1, -1));

    // And back: the first tab is at the start again.
    while (Pager->ScrollTabs(-1) != 0) {
    }
    EXPECT_EQ(Pager->StartTabIndex(), 0);
    EXPECT_EQ(Pager->GetTabRect(0).Left, tabs.Left);
    EXPECT_EQ(Pager->ScrollTabs(0), 0);

    // Wide again: nothing squeezed, nothing to scroll.
    SetTabsRoom(RealTotal() + 20);
    EXPECT_FALSE(Squeezed());
    EXPECT_EQ(Pager->TabScroller().Max(), 0);
    EXPECT_FALSE(Pager->RightScrollButton()->Visible());
}

} // namespace
