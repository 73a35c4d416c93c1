// The page viewer: pages made by its list and named for the form, one shown at a time filling the
// viewer, the change events and their veto, and what is shown when a page goes.
#include <gtest/gtest.h>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "KitTestSupport.h"
#include "scPageViewer.h"

namespace {

class PageViewerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Form = new TForm(Application);
        Form->SetBounds(60, 60, 420, 340);
        ASSERT_TRUE(ShowActive(Form));
    }
    static void TearDownTestSuite()
    {
        delete Form;
        Form = nullptr;
    }
    void SetUp() override
    {
        Viewer = new TscPageViewer(Form);
        Viewer->SetBounds(10, 10, 240, 180);
        Viewer->SetParent(Form);
        Viewer->SetOnChangePage([this](TObject*) { ++Changes; });
    }
    void TearDown() override
    {
        // The pages belong to the form: they go with their viewer's test.
        std::vector<TscPageViewerPage*> pages;
        for (int i = 0; i < Viewer->Pages()->Count(); ++i)
            pages.push_back(PageAt(i));
        delete Viewer;
        for (TscPageViewerPage* page : pages)
            delete page;
    }

    void AddPages(int count)
    {
        for (int i = 0; i < count; ++i)
            Viewer->Pages()->Add();
    }
    TscPageViewerPage* PageAt(int index) { return Viewer->Pages()->Items(index)->Page(); }
    // The pages that show, by index.
    std::vector<int> Visible()
    {
        std::vector<int> shown;
        for (int i = 0; i < Viewer->Pages()->Count(); ++i)
            if (PageAt(i) && PageAt(i)->Visible())
                shown.push_back(i);
        return shown;
    }

    static TForm* Form;
    TscPageViewer* Viewer = nullptr;
    int Changes = 0;
};

TForm* PageViewerTest::Form = nullptr;

} // namespace

TEST_F(PageViewerTest, AddedPagesAreNamedForTheFormAndTheLastIsShownFillingTheViewer)
{
    AddPages(3);
    EXPECT_EQ(Changes, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(PageAt(i)->Name(), u"scPageViewerPage" + IntToStr(i + 1));
        EXPECT_EQ(PageAt(i)->Owner(), Form);
    }
    EXPECT_EQ(Viewer->PageIndex(), 2);
    EXPECT_EQ(Viewer->ActivePage(), PageAt(2));
    EXPECT_EQ(Visible(), std::vector<int>{2});
    EXPECT_EQ(PageAt(2)->BoundsRect(), Rect(0, 0, 240, 180));

    Viewer->SetActivePage(PageAt(0));
    EXPECT_EQ(Viewer->PageIndex(), 0);
    EXPECT_EQ(Visible(), std::vector<int>{0});
    EXPECT_EQ(Changes, 4);
    // A page that is not listed, and indices out of range, change nothing.
    TscPageViewerPage stray(Form);
    Viewer->SetActivePage(&stray);
    Viewer->SetPageIndex(3);
    Viewer->SetPageIndex(-1);
    EXPECT_EQ(Viewer->PageIndex(), 0);
    EXPECT_EQ(Changes, 4);
}

TEST_F(PageViewerTest, EveryChangeIsAskedFirstAndTheSameIndexFiresNoChange)
{
    AddPages(2);
    std::vector<int> asked;
    bool allow = true;
    Viewer->SetOnCanChangePage([&](int index, bool& canChange) {
        asked.push_back(index);
        canChange = allow;
    });
    int changing = 0;
    Viewer->SetOnChangingPage([&](TObject*) {
        ++changing;
        EXPECT_EQ(Viewer->PageIndex(), 0); // already stored, pages not swapped yet
        EXPECT_TRUE(PageAt(1)->Visible());
    });
    Changes = 0;
    Viewer->SetPageIndex(1);
    EXPECT_EQ(asked, std::vector<int>{1});
    EXPECT_EQ(Changes, 0);
    allow = false;
    Viewer->SetPageIndex(0);
    EXPECT_EQ(Viewer->PageIndex(), 1);
    allow = true;
    Viewer->SetPageIndex(0);
    EXPECT_EQ(Viewer->PageIndex(), 0);
    EXPECT_EQ(changing, 1);
    EXPECT_EQ(Changes, 1);
    EXPECT_EQ(Visible(), std::vector<int>{0});
}

TEST_F(PageViewerTest, WhenAPageGoesANeighbourIsShownOrNothingWhenNoneIsLeft)
{
    AddPages(3);
    Viewer->SetPageIndex(1);
    // The shown page freed: the page that moved into its index is shown.
    TscPageViewerPage* third = PageAt(2);
    delete PageAt(1);
    ASSERT_EQ(Viewer->Pages()->Count(), 2);
    EXPECT_EQ(Viewer->PageIndex(), 1);
    EXPECT_EQ(Viewer->ActivePage(), third);
    EXPECT_EQ(Visible(), std::vector<int>{1});

    // The shown item deleted: its page goes and the new last page is shown.
    Viewer->Pages()->Delete(1);
    ASSERT_EQ(Viewer->Pages()->Count(), 1);
    EXPECT_EQ(Viewer->PageIndex(), 0);
    EXPECT_EQ(Viewer->ActivePage(), PageAt(0));
    EXPECT_EQ(Visible(), std::vector<int>{0});
    EXPECT_EQ(Form->FindComponent(u"scPageViewerPage3"), nullptr);

    // A page before the shown one goes: the index follows the shown page.
    AddPages(1);
    TscPageViewerPage* shown = Viewer->ActivePage();
    ASSERT_EQ(Viewer->PageIndex(), 1);
    delete PageAt(0);
    EXPECT_EQ(Viewer->PageIndex(), 0);
    EXPECT_EQ(Viewer->ActivePage(), shown);

    // The only page freed: nothing is selected.
    delete PageAt(0);
    EXPECT_EQ(Viewer->Pages()->Count(), 0);
    EXPECT_EQ(Viewer->PageIndex(), -1);
    EXPECT_EQ(Viewer->ActivePage(), nullptr);
}

TEST_F(PageViewerTest, AnUnalignedPageIsStretchedWhenShownAndWhenTheViewerResizes)
{
    AddPages(2);
    PageAt(0)->SetAlign(alNone);
    PageAt(0)->SetBounds(5, 5, 50, 50);
    Viewer->SetPageIndex(0);
    EXPECT_EQ(PageAt(0)->BoundsRect(), Rect(0, 0, 240, 180));
    Viewer->SetBounds(10, 10, 300, 200);
    EXPECT_EQ(PageAt(0)->BoundsRect(), Rect(0, 0, 300, 200));
    // Freeing the viewer leaves the pages the form owns.
    TscPageViewerPage* page = PageAt(1);
    TscPageViewerPage* first = PageAt(0);
    delete Viewer;
    Viewer = new TscPageViewer(Form);
    EXPECT_EQ(page->PageViewer, nullptr);
    delete page;
    delete first;
}
