// Tab groups on the pager: which pages a group holds, where its header lies (cut before the
// caption buttons, gone under them), hits on it, its painted band, and the tab hints.
#include <gtest/gtest.h>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "Messages.h"
#include "RurRibbonPager.h"
#include "ToolBarTestSupport.h"

namespace {

class PagerTabGroupsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(40, 40, 640, 200);
        Pager = new TRurToolBarPager(Form.get());
        Pager->SetParent(Form.get());
        Pager->Update();
        for (const char16_t* caption : {u"Home", u"Insert", u"Design", u"Layout", u"View"})
            Pager->AddRurPage(caption);
        Pager->SetActivePageIndex(0);
        Group = Pager->TabGroups()->Add();
        Group->SetCaption(u"Table");
        Group->SetTabIndexStart(2);
        Group->SetTabIndexEnd(3);
    }

    std::unique_ptr<TForm> Form;
    TRurToolBarPager* Pager = nullptr;
    TTabGroupItem* Group = nullptr;
};

TEST_F(PagerTabGroupsTest, PagesBelongToTheFirstGroupCoveringThem)
{
    TTabGroupItem* second = Pager->TabGroups()->Add();
    second->SetTabIndexStart(3);
    second->SetTabIndexEnd(4);
    const int expected[] = {-1, -1, 0, 0, 1};
    for (int page = 0; page < 5; ++page)
        EXPECT_EQ(Pager->GetTabGroupOfPageIndex(page), expected[page]) << page;
    EXPECT_EQ(Pager->GetTabGroupOfPageIndex(5), -1);
    EXPECT_EQ(Pager->GetTabGroupOfPageIndex(-1), -1);
    EXPECT_TRUE(Pager->RurPages(3)->IsInTabGroup());
    EXPECT_FALSE(Pager->RurPages(1)->IsInTabGroup());
    EXPECT_EQ(Pager->TabGroupTabCount(0), 2);
    EXPECT_EQ(Pager->TabGroupTabCount(2), 0);
}

TEST_F(PagerTabGroupsTest, TheHeaderSpansItsVisibleTabsUpToTheCaption)
{
    bool start = false, end = false;
    const int half = Pager->TabSettings()->Spacing() / 2;
    TRect r = Pager->GetTabGroupRect(0, start, end);
    EXPECT_TRUE(start);
    EXPECT_TRUE(end);
    EXPECT_EQ(r, Rect(Pager->GetTabRect(2).Left - half, Pager->GetCaptionRect().Top, Pager->GetTabRect(3).Right + half,
                      Pager->GetTabRect(3).Bottom));
    EXPECT_EQ(Pager->PtOnTabGroup(r.Left + 2, r.Top + 2), 0);
    EXPECT_EQ(Pager->PtOnTabGroup(r.Left - 2, r.Top + 2), -1);

    // A bad range or hidden tabs: no header, nothing to hit.
    Pager->RurPages(2)->SetTabVisible(false);
    Pager->RurPages(3)->SetTabVisible(false);
    r = Pager->GetTabGroupRect(0, start, end);
    EXPECT_EQ(r, Rect(-1, -1, -1, -1));
    EXPECT_FALSE(start);
    EXPECT_EQ(Pager->PtOnTabGroup(Pager->GetTabRect(1).Right + 5, 5), -1);
    Pager->RurPages(2)->SetTabVisible(true);
    Pager->RurPages(3)->SetTabVisible(true);
    Group->SetTabIndexEnd(7);
    EXPECT_EQ(Pager->GetTabGroupRect(0), Rect(-1, -1, -1, -1));
}

TEST_F(PagerTabGroupsTest, TheCaptionButtonsCutOrHideTheHeader)
{
    // The buttons sit at the caption's right above the tab row; a left page margin slides the
    // tabs, and with them the header, under them.
    const int c = Pager->GetCaptionButtonsRect().Left;
    const auto slideTab = [&](int page, int right) {
        Pager->SetPageLeftMargin(0);
        Pager->SetPageLeftMargin(right - Pager->GetTabRect(page).Right);
    };
    bool start = false, end = true;

    // Partly under: cut one pixel before the buttons, without its right end.
    slideTab(3, c + 10);
    TRect r = Pager->GetTabGroupRect(0, start, end);
    EXPECT_EQ(r.Right, c - 1);
    EXPECT_TRUE(start);
    EXPECT_FALSE(end);

    // Wholly under: gone.
    Group->SetTabIndexStart(4);
    Group->SetTabIndexEnd(4);
    const int w = Pager->GetTabRect(4).Width();
    slideTab(4, c + w + 6);
    ASSERT_GT(Pager->GetTabRect(4).Left - 2, c);
    EXPECT_EQ(Pager->GetTabGroupRect(0, start, end), Rect(-1, -1, -1, -1));
    EXPECT_FALSE(start);
}

TEST_F(PagerTabGroupsTest, AHeaderClickShowsTheGroupsFirstShowablePage)
{
    ASSERT_TRUE(ShowActive(Form.get()));
    int clicked = -1;
    Pager->SetOnTabGroupClick(TTabGroupClickEvent([&](TObject*, int group) { clicked = group; }));
    Pager->RurPages(2)->SetTabEnabled(false);
    const TRect header = Pager->GetTabGroupRect(0);
    const TPoint at = Point(header.Left + header.Width() / 2, header.Top + 12);
    ASSERT_EQ(Pager->PtOnTab(at.X, at.Y), -1);
    MouseAt(Pager, WM_LBUTTONDOWN, at, MK_LBUTTON);
    MouseAt(Pager, WM_LBUTTONUP, at);
    EXPECT_EQ(clicked, 0);
    EXPECT_EQ(Pager->ActivePageIndex(), 3);
}

TEST_F(PagerTabGroupsTest, TheHeaderBandIsPaintedInTheGroupsColour)
{
    Group->SetDefaultAppearance(false);
    TGroupAppearance* look = Group->GroupAppearance();
    const TColor colour = TColor(0x3366CC);
    look->SetColor(colour);
    look->SetColorTo(colour);
    look->SetColorMirror(colour);
    look->SetColorMirrorTo(colour);
    std::unique_ptr<TBitmap> face = Snapshot(Pager);
    AddToContactSheet(u"pager tab group", face.get());
    const TRect r = Pager->GetTabGroupRect(0);
    // The band runs from 8 below the caption's top to the tab row, left of the caption text.
    EXPECT_EQ(PixelOf(face.get(), r.Left + 2, r.Top + 10), ColorToRGB(colour));
    EXPECT_NE(PixelOf(face.get(), r.Left - 3, r.Top + 10), ColorToRGB(colour));
}

TEST_F(PagerTabGroupsTest, TheCaptionTextKeepsRightOfTheHeaders)
{
    // The caption text alone changes the band: it shows right of the header and nowhere left of it.
    const auto band = [&](const String& caption) {
        Pager->Caption()->SetCaption(caption);
        return Snapshot(Pager);
    };
    const std::unique_ptr<TBitmap> plain = band(String()), titled = band(u"Document - Editor");
    const TRect header = Pager->GetTabGroupRect(0);
    const int bottom = Pager->GetCaptionRect().Bottom;
    const auto changed = [&](int from, int to) {
        int count = 0;
        for (int y = 0; y < bottom; ++y)
            for (int x = from; x < to; ++x)
                count += PixelOf(plain.get(), x, y) != PixelOf(titled.get(), x, y) ? 1 : 0;
        return count;
    };
    EXPECT_EQ(changed(0, header.Right), 0);
    EXPECT_GT(changed(header.Right, Pager->Width()), 0);
}

TEST_F(PagerTabGroupsTest, TabHintsShowAPagesHintOrItsCutCaption)
{
    Pager->RurPages(0)->SetCaption(u"A caption far too long for a narrow ribbon tab");
    Pager->RurPages(1)->SetTabHint(u"Insert things");
    Form->SetWidth(300);
    ASSERT_TRUE(ShowActive(Form.get()));
    const auto hintOver = [&](int page) {
        const TRect tab = Pager->GetTabRect(page);
        MouseAt(Pager, WM_MOUSEMOVE, Point(tab.Left + 3, tab.Top + 5));
        THintInfo info;
        info.HintControl = Pager;
        info.HintStr = u"pager";
        Pager->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
        return info.HintStr;
    };
    EXPECT_EQ(hintOver(1), u"");
    Pager->SetShowTabHint(true);
    EXPECT_EQ(hintOver(1), u"Insert things");
    EXPECT_EQ(hintOver(0), u"A caption far too long for a narrow ribbon tab");
    Form->SetWidth(900);
    Pager->RurPages(0)->SetCaption(u"Home");
    EXPECT_EQ(hintOver(0), u"pager");
}

} // namespace
