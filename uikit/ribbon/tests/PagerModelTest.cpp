// The pager's page list and page switching, its geometry and parent rules, and the pages' own
// toolbar list with its arranging and scrolling, on real windows.
#include <gtest/gtest.h>

#include <string>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "RurRibbonPageScrollButton.h"
#include "RurRibbonPager.h"
#include "RurToolBar_ToolBar.h"
#include "SysUtils.h"

namespace {

class PagerModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(40, 40, 640, 260);
        Pager = new TRurToolBarPager(Form.get());
        Pager->SetParent(Form.get());
        Pager->Update();
    }
    // Pages "P0".."Pn-1".
    void AddPages(int n)
    {
        for (int i = 0; i < n; ++i)
            Pager->AddRurPage(u"P" + IntToStr(i));
    }
    // Every event of a page change, in order.
    void RecordEvents()
    {
        Pager->SetOnChanging(TTabChangingEvent([this](TObject*, int from, int to, bool& allow) {
            Events += "changing " + std::to_string(from) + ">" + std::to_string(to) + ";";
            allow = !Veto;
        }));
        Pager->SetOnChange(TNotifyEvent([this](TObject*) { Events += "change;"; }));
        Pager->SetOnTabChanged(TNotifyEvent([this](TObject*) { Events += "tabchanged;"; }));
    }

    std::unique_ptr<TForm> Form;
    TRurToolBarPager* Pager = nullptr;
    std::string Events;
    bool Veto = false;
};

TEST_F(PagerModelTest, PagesAreAddedOnceAndTheActivePageStays)
{
    EXPECT_EQ(Pager->ActivePageIndex(), -1);
    EXPECT_EQ(Pager->ActivePage(), nullptr);
    AddPages(3);
    EXPECT_EQ(Pager->RurPageCount(), 3);
    EXPECT_EQ(Pager->ActivePageIndex(), -1);
    TRurPage* second = Pager->RurPages(1);
    EXPECT_EQ(Pager->AddRurPage(second), 1);
    EXPECT_EQ(Pager->RurPageCount(), 3);
    EXPECT_EQ(second->RurToolBarPager(), Pager);
    EXPECT_EQ(second->Parent(), Pager);
    EXPECT_EQ(Pager->RurPages(3), nullptr);
    EXPECT_EQ(Pager->RurPages(-1), nullptr);

    // A free page joins through its pager property; its index property moves it (the "insert").
    auto* page = new TRurPage(Form.get());
    page->SetCaption(u"New");
    page->SetRurToolBarPager(Pager);
    EXPECT_EQ(Pager->IndexOfPage(page), 3);
    page->SetPageIndex(0);
    EXPECT_EQ(Pager->IndexOfPage(page), 0);
    EXPECT_EQ(page->PageIndex(), 0);
    page->SetPageIndex(9);
    EXPECT_EQ(page->PageIndex(), 0);
}

TEST_F(PagerModelTest, ActivePageIndexFiresItsEventsOnlyForARealChange)
{
    AddPages(3);
    RecordEvents();
    Pager->SetActivePageIndex(1);
    EXPECT_EQ(Events, "changing -1>1;change;tabchanged;");
    EXPECT_TRUE(Pager->RurPages(1)->Visible());
    EXPECT_FALSE(Pager->RurPages(0)->Visible());

    Events.clear();
    Pager->SetActivePageIndex(1);
    Pager->SetActivePageIndex(7);
    Pager->SetActivePage(nullptr);
    EXPECT_EQ(Events, "");

    // A vetoed change keeps the page and reports no tab change.
    Veto = true;
    Events.clear();
    Pager->SetActivePageIndex(2);
    EXPECT_EQ(Events, "changing 1>2;");
    EXPECT_EQ(Pager->ActivePageIndex(), 1);
    EXPECT_TRUE(Pager->RurPages(1)->Visible());
}

TEST_F(PagerModelTest, NextPageSkipsHiddenAndDisabledTabsAndWraps)
{
    AddPages(1);
    Pager->SetActivePageIndex(0);
    Pager->SelectNextPage(true);
    EXPECT_EQ(Pager->ActivePageIndex(), 0);
    AddPages(3);
    Pager->RurPages(1)->SetTabVisible(false);
    Pager->RurPages(2)->SetTabEnabled(false);
    Pager->SelectNextPage(true);
    EXPECT_EQ(Pager->ActivePageIndex(), 3);
    Pager->SelectNextPage(true);
    EXPECT_EQ(Pager->ActivePageIndex(), 0);
    Pager->SelectNextPage(false);
    EXPECT_EQ(Pager->ActivePageIndex(), 3);

    EXPECT_EQ(Pager->FindNextPage(nullptr, true, true), nullptr);
    EXPECT_EQ(Pager->FindNextPage(Pager->RurPages(0), true, true), Pager->RurPages(2));
    EXPECT_EQ(Pager->FindNextPage(Pager->RurPages(0), true, false), Pager->RurPages(1));
    EXPECT_EQ(Pager->FindNextPage(Pager->RurPages(0), false, true), Pager->RurPages(3));
}

TEST_F(PagerModelTest, RemovingAndMovingPagesKeepsTheActivePageRight)
{
    AddPages(4);
    Pager->SetActivePageIndex(2);
    TRurPage* active = Pager->ActivePage();
    RecordEvents();

    // A page before the active one: the same page stays active at its new index, silently.
    Pager->RemoveRurPage(Pager->RurPages(0));
    EXPECT_EQ(Pager->ActivePage(), active);
    EXPECT_EQ(Pager->ActivePageIndex(), 1);
    EXPECT_EQ(Events, "");

    // The active last page: the previous selectable page takes over.
    Pager->SetActivePageIndex(2);
    Pager->RurPages(1)->SetTabEnabled(false);
    TRurPage* last = Pager->ActivePage();
    Pager->RemoveRurPage(last);
    EXPECT_EQ(last->RurToolBarPager(), nullptr);
    EXPECT_EQ(Pager->ActivePageIndex(), 0);

    // Moving keeps the active page the same object; its index follows.
    AddPages(2);
    active = Pager->ActivePage();
    Pager->MoveRurPage(0, 2);
    EXPECT_EQ(Pager->ActivePage(), active);
    EXPECT_EQ(Pager->ActivePageIndex(), 2);
    Pager->MoveRurPage(0, 9);
    EXPECT_EQ(Pager->ActivePage(), active);

    // Moving with the change vetoed still leaves the index on the active page.
    Veto = true;
    Pager->MoveRurPage(2, 0);
    EXPECT_EQ(Pager->ActivePage(), active);
    EXPECT_EQ(Pager->ActivePageIndex(), 0);

    // The only selectable page removed: none is active.
    while (Pager->RurPageCount() > 1)
        Pager->RemoveRurPage(Pager->RurPages(Pager->RurPageCount() - 1));
    Pager->RemoveRurPage(Pager->RurPages(0));
    EXPECT_EQ(Pager->ActivePageIndex(), -1);
    EXPECT_EQ(Pager->ActivePage(), nullptr);
}

TEST_F(PagerModelTest, ParentsThatCannotHoldAPagerOrPageAreRefused)
{
    AddPages(3);
    const auto refused = [](auto&& action) {
        try {
            action();
        } catch (const Exception& e) {
            return std::u16string(e.Message());
        }
        return std::u16string(u"accepted");
    };
    EXPECT_EQ(refused([&] { Pager->SetParent(Pager->RurPages(0)); }), u"Invalid Parent");
    auto* other = new TRurToolBarPager(Form.get());
    EXPECT_EQ(refused([&] { other->SetParent(Pager); }), u"Invalid Parent");
    auto* toolBar = new TRurToolBar(Form.get());
    toolBar->SetParent(Form.get());
    EXPECT_EQ(refused([&] { Pager->RurPages(0)->SetParent(toolBar); }), u"Invalid Parent");
    EXPECT_EQ(Pager->RurPages(0)->Parent(), Pager);

    // Another page of the same pager as parent: the page moves to that page's index.
    TRurPage* first = Pager->RurPages(0);
    first->SetParent(Pager->RurPages(2));
    EXPECT_EQ(first->PageIndex(), 2);
    EXPECT_EQ(first->Parent(), Pager);
}

TEST_F(PagerModelTest, PageAreaLiesBelowCaptionAndTabsInsideTheBorder)
{
    AddPages(2);
    Pager->SetActivePageIndex(0);
    const TRect client = Pager->ClientRect();
    // Caption 26, tabs 26, border 4 on three sides and one more row at the bottom.
    EXPECT_EQ(Pager->GetPageRect(), Rect(4, 52, client.Right - 4, client.Bottom - 5));
    EXPECT_EQ(Pager->ActivePage()->BoundsRect(), Pager->GetPageRect());
    Pager->SetPageLeftMargin(10);
    EXPECT_EQ(Pager->ActivePage()->Left(), 14);
    Pager->Caption()->SetVisible(false);
    EXPECT_EQ(Pager->GetCaptionRect(), Rect(-1, -1, -1, -1));
    EXPECT_EQ(Pager->GetPageRect().Top, 26);
    EXPECT_EQ(Pager->ActivePage()->Top(), 26);
}

TEST_F(PagerModelTest, PageCaptionReportsEveryHeightWrite)
{
    TRurPageCaption caption;
    int changes = 0;
    bool heightUpdate = false;
    caption.SetOnChange(TNotifyEvent([&](TObject*) {
        ++changes;
        heightUpdate = caption.HeightUpdate();
    }));
    caption.SetHeight(26);
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(heightUpdate);
    caption.SetHeight(30);
    EXPECT_TRUE(heightUpdate);
    EXPECT_FALSE(caption.HeightUpdate());
    caption.SetIndent(100);
    EXPECT_EQ(changes, 2);
}

// ---- Toolbars on a page ---------------------------------------------------------------------

class PageToolBarsTest : public PagerModelTest {
protected:
    void SetUp() override
    {
        PagerModelTest::SetUp();
        AddPages(1);
        Pager->SetActivePageIndex(0);
        Page = Pager->ActivePage();
    }
    TRurToolBar* AddToolBar(int width)
    {
        TRurToolBar* toolBar = Page->CreateRurToolBar();
        // A group of a fixed width: the toolbar's own length limits are lifted.
        toolBar->Constraints()->SetMinWidth(0);
        toolBar->Constraints()->SetMaxWidth(0);
        toolBar->SetWidth(width);
        Page->ArrangeToolBars();
        return toolBar;
    }
    TRurPage* Page = nullptr;
};

TEST_F(PageToolBarsTest, ToolBarsLineUpThreePixelsApart)
{
    TRurToolBar* a = AddToolBar(100);
    TRurToolBar* b = AddToolBar(60);
    TRurToolBar* c = AddToolBar(80);
    EXPECT_EQ(Page->RurToolBarCount(), 3);
    EXPECT_EQ(a->Caption(), u"Untitled");
    EXPECT_EQ(a->CaptionPosition(), cpBottom);
    EXPECT_EQ(a->Left(), 3);
    EXPECT_EQ(b->Left(), 106);
    EXPECT_EQ(c->Left(), 169);
    EXPECT_EQ(a->Top(), 3);
    EXPECT_EQ(a->Height(), Page->Height() - 6);
    EXPECT_EQ(Page->AddRurToolBar(a), -1);
    EXPECT_EQ(Page->AddRurToolBar(nullptr), -1);

    Page->MoveRurToolBar(2, 0);
    EXPECT_EQ(c->Left(), 3);
    EXPECT_EQ(a->Left(), 86);
    b->Hide();
    Page->ArrangeToolBars();
    EXPECT_EQ(Page->FirstToolBar(true), c);
    EXPECT_EQ(Page->VisibleToolBarCount(), 2);

    // Held by an update bracket; an unmatched EndUpdate arranges all the same.
    Page->BeginUpdate();
    Page->MoveRurToolBar(0, 2);
    EXPECT_EQ(c->Left(), 3);
    Page->EndUpdate();
    EXPECT_EQ(a->Left(), 3);
    Page->EndUpdate();

    Page->RemoveRurToolBar(a);
    EXPECT_EQ(a->Parent(), nullptr);
    EXPECT_EQ(Page->IndexOfRurToolBar(a), -1);
    delete c;
    EXPECT_EQ(Page->RurToolBarCount(), 1);
    EXPECT_EQ(Page->RurToolBars(5), nullptr);
}

TEST_F(PageToolBarsTest, ScrollingToAToolBarPutsItAtTheMargin)
{
    Page->SetBounds(Page->Left(), Page->Top(), 200, Page->Height());
    AddToolBar(100);
    TRurToolBar* second = AddToolBar(100);
    TRurToolBar* third = AddToolBar(100);
    EXPECT_EQ(Page->CountFittingToolBars(0, true), 1);
    EXPECT_EQ(Page->CountFittingToolBars(2, false), 1);
    EXPECT_EQ(Page->CountFittingToolBars(7, true), 0);

    // From the first screen to the second toolbar: it ends 3 pixels from the left edge, the rest
    // keeps its distances.
    Page->ScrollToToolBar(1);
    EXPECT_EQ(second->Left(), 3);
    EXPECT_EQ(third->Left(), 106);
    EXPECT_EQ(Page->LeftATBIndex(), 1);

    // Back to the first: it is at the margin again.
    Page->ScrollToToolBar(0);
    EXPECT_EQ(Page->RurToolBars(0)->Left(), 3);
    EXPECT_EQ(Page->LeftATBIndex(), 0);
    // No toolbar is compacted, so no scroll button is needed.
    Page->ResetToolBarScroll();
    EXPECT_EQ(Page->ToolBarScroller().Max(), 0);
    EXPECT_TRUE(Page->LeftScrollButton() == nullptr || !Page->LeftScrollButton()->Visible());
}

} // namespace
