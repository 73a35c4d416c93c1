// A ribbon group's sizing steps and compact mode: glow buttons shrink and grow in columns, the group
// collapses into its compact button and back, and the compact window drops below it.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "FakeRibbonPage.h"
#include "Forms.h"
#include "GuiTestSupport.h"
#include "RurGlowButton.h"
#include "RurToolBar_CompactWindow.h"
#include "RurToolBar_Messages.h"
#include "RurToolBar_ToolBar.h"
#include "SysUtils.h"
#include "ToolBarTestSupport.h"

namespace {

class ToolBarCompactTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(20, 20, 900, 260);
        Page = new TRurPage(Form.get());
        Page->SetBounds(0, 0, 880, 120);
        Page->SetParent(Form.get());
        ToolBar = MakeGroup(3);
        ASSERT_TRUE(ShowActive(Form.get()));
        PaintAll();
    }

    // Glow buttons measure themselves when they paint: every window paints now.
    void PaintAll() { RedrawWindow(Form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN); }

    TRurToolBar* MakeGroup(int buttons, int left = 3)
    {
        auto* toolBar = new TRurToolBar(Form.get());
        toolBar->SetParent(Page);
        toolBar->SetShowRightHandle(false);
        toolBar->SetShowCaption(true);
        toolBar->SetCaptionPosition(cpBottom);
        toolBar->SetLeft(left);
        toolBar->SetPropertiesLoaded(true);
        for (int i = 0; i < buttons; ++i)
            AddButton(toolBar, u"Button " + IntToStr(i + 1));
        return toolBar;
    }

    static TRurGlowButton* AddButton(TRurToolBar* toolBar, const String& caption, TButtonSizeState state = bsLarge)
    {
        auto* glow = new TRurGlowButton(toolBar->Owner());
        glow->SetCaption(caption);
        glow->SetAutoSize(true);
        glow->SetButtonSizeState(state);
        glow->SetLeft(toolBar->Width() + 100);
        glow->SetParent(toolBar);
        return glow;
    }

    static std::vector<TControl*> Controls(TRurCustomToolBar* toolBar)
    {
        std::vector<TControl*> list;
        for (int i = 0; i < toolBar->ToolBarControlCount(); ++i)
            list.push_back(toolBar->ToolBarControls(i));
        return list;
    }

    static TButtonSizeState StateOf(TRurCustomToolBar* toolBar, int index)
    {
        return static_cast<TRurCustomGlowButton*>(toolBar->ToolBarControls(index))->ButtonSizeState();
    }

    std::unique_ptr<TForm> Form;
    TRurPage* Page = nullptr;
    TRurToolBar* ToolBar = nullptr;
};

TEST_F(ToolBarCompactTest, SmallButtonsStackThreeToAColumn)
{
    auto* group = MakeGroup(0, 400);
    struct Button {
        int Width;
        TButtonSizeState State;
        int Left, Row;
    };
    const Button buttons[] = {{20, bsLabel, 2, 0}, {30, bsGlyph, 2, 1}, {25, bsLabel, 2, 2},
                              {20, bsLabel, 32, 0}, {40, bsLarge, 52, 0}};
    for (const Button& b : buttons) {
        auto* glow = new TRurGlowButton(Form.get());
        glow->SetButtonSizeState(b.State);
        glow->SetBounds(group->Width() + 100, 0, b.Width, 22);
        glow->SetParent(group);
    }
    const int top = group->ToolBarControls(0)->Top();
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(group->ToolBarControls(i)->Left(), buttons[i].Left) << i;
        EXPECT_EQ(group->ToolBarControls(i)->Top(), top + 22 * buttons[i].Row) << i;
    }
}

TEST_F(ToolBarCompactTest, MultiRowGroupsWrapRightOfTallerControls)
{
    struct Block {
        int Width, Height;
        bool Margins;
        TPoint At;
    };
    const struct {
        const char* Label;
        int GroupWidth;
        std::vector<Block> Blocks;
    } cases[] = {
        {"a row wraps to the start", 100, {{40, 20, false, {2, 0}}, {40, 20, false, {42, 0}}, {40, 20, false, {2, 20}}}},
        {"rows continue right of a taller control",
         110,
         {{30, 60, false, {2, 0}}, {40, 20, false, {32, 0}}, {40, 20, false, {32, 20}}, {40, 20, false, {32, 40}}}},
        {"margins move the control and every later row",
         100,
         {{40, 20, false, {2, 0}}, {40, 20, true, {45, 2}}, {40, 20, false, {2, 22}}}},
    };
    for (const auto& c : cases) {
        auto* group = MakeGroup(0, 400);
        group->SetAutoSize(false);
        group->SetAutoPositionMultiRow(true);
        group->SetBounds(400, 3, c.GroupWidth, 90);
        std::vector<TBlock*> blocks;
        for (const Block& b : c.Blocks) {
            auto* block = new TBlock(Form.get(), b.Width, b.Height);
            if (b.Margins) {
                block->Margins()->SetLeft(3);
                block->Margins()->SetTop(2);
                block->Margins()->SetRight(4);
                block->SetAlignWithMargins(true);
            }
            block->SetParent(group);
            blocks.push_back(block);
        }
        group->ArrangeControls(true);
        for (size_t i = 0; i < blocks.size(); ++i)
            EXPECT_EQ(Point(blocks[i]->Left(), blocks[i]->Top()), c.Blocks[i].At) << c.Label << " " << i;
        EXPECT_EQ(Point(group->Width(), group->Height()), Point(c.GroupWidth, 90)) << c.Label << ": never re-sized";
        delete group;
    }
}

TEST_F(ToolBarCompactTest, AGroupThatHidesOrShowsRefitsThePage)
{
    Page->Fitting.clear();
    ToolBar->SetVisible(false);
    EXPECT_EQ(Page->Fitting, u"arrange expand ") << "room freed: the others may grow";
    Page->Fitting.clear();
    ToolBar->SetVisible(true);
    EXPECT_EQ(Page->Fitting, u"arrange shrink ") << "room taken: the others shrink";

    // Off the page the toolbar's visibility is no business of the page.
    ToolBar->SetParent(Form.get());
    Page->Fitting.clear();
    ToolBar->SetVisible(false);
    EXPECT_EQ(Page->Fitting, u"");
}

TEST_F(ToolBarCompactTest, LargeButtonsShrinkInThreesToAColumnAndGrowBack)
{
    // Glow buttons measure themselves as they paint: the group stands where all of it shows.
    ToolBar->SetVisible(false);
    auto* group = MakeGroup(6, 3);
    PaintAll();
    group->ArrangeControls(true);
    std::vector<int> widths;
    for (int i = 0; i < 6; ++i)
        widths.push_back(group->ToolBarControls(i)->Width());

    // Measuring changes nothing.
    TButtonSizeState state = bsLarge;
    const int measured = group->MeasureReduceButtonSizes(state);
    EXPECT_EQ(state, bsLabel);
    EXPECT_EQ(StateOf(group, 5), bsLarge);

    // The last three become labelled and stand in one column.
    const int groupWidth = group->Width();
    EXPECT_EQ(group->ReduceButtonSizes(state, true), measured);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(StateOf(group, i), i < 3 ? bsLarge : bsLabel) << i;
    TControl* top = group->ToolBarControls(3);
    for (int i = 4; i < 6; ++i) {
        EXPECT_EQ(group->ToolBarControls(i)->Left(), top->Left()) << "one column";
        EXPECT_GT(group->ToolBarControls(i)->Top(), group->ToolBarControls(i - 1)->Top());
    }
    const int largestLabelled = std::max({group->ToolBarControls(3)->Width(), group->ToolBarControls(4)->Width(),
                                          group->ToolBarControls(5)->Width()});
    EXPECT_EQ(measured, widths[3] + widths[4] + widths[5] - largestLabelled);
    EXPECT_EQ(group->Width(), groupWidth - measured) << "the group is narrower by the gain";

    // Then the first three; growing back goes column by column to large buttons side by side.
    EXPECT_GT(group->ReduceButtonSizes(state, true), 0);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(StateOf(group, i), bsLabel) << i;
    EXPECT_GT(group->MeasureEnlargeButtonSizes(state), 0);
    EXPECT_EQ(state, bsLarge);
    group->EnlargeToLargest();
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(StateOf(group, i), bsLarge) << i;
    EXPECT_EQ(group->Width(), groupWidth);
    EXPECT_EQ(group->EnlargeButtonSizes(state, true), 0) << "nothing left to enlarge";
}

TEST_F(ToolBarCompactTest, NoStepForALoneLargeButtonOrOffTheRibbon)
{
    // A large button between small ones has no large neighbour.
    auto* group = MakeGroup(0, 400);
    AddButton(group, u"Small 1", bsLabel)->SetMinButtonSizeState(bsLabel);
    AddButton(group, u"Large");
    AddButton(group, u"Small 2", bsLabel)->SetMinButtonSizeState(bsLabel);
    PaintAll();
    TButtonSizeState state = bsLarge;
    EXPECT_EQ(group->ReduceButtonSizes(state, true), 0);
    EXPECT_EQ(StateOf(group, 1), bsLarge);

    // Off a ribbon page neither steps nor Compact do anything.
    ToolBar->SetParent(Form.get());
    EXPECT_EQ(ToolBar->ReduceButtonSizes(state, true), 0);
    ToolBar->SetCompact(true);
    EXPECT_FALSE(ToolBar->IsCompact());
}

TEST_F(ToolBarCompactTest, CompactingMovesTheControlsToTheCloneAndBack)
{
    const std::vector<TControl*> before = Controls(ToolBar);
    std::vector<TPoint> places;
    for (TControl* control : before)
        places.push_back(Point(control->Left(), control->Top()));
    const int fullWidth = ToolBar->Width();

    ToolBar->SetCompact(true);
    ASSERT_TRUE(ToolBar->IsCompact());
    EXPECT_FALSE(ToolBar->IsAutoCompact()) << "the program fixed the state";
    EXPECT_EQ(Page->UpdateAllCount, 1) << "the page fits its groups again";
    ASSERT_TRUE(ToolBar->CompactButton());
    EXPECT_EQ(Controls(ToolBar), std::vector<TControl*>{ToolBar->CompactButton()});
    EXPECT_EQ(ToolBar->Width(), 45) << "a compact group without caption";
    TRurCustomToolBar* clone = ToolBar->SelfClone();
    ASSERT_TRUE(clone);
    EXPECT_EQ(clone->SelfClone(), ToolBar);
    EXPECT_EQ(clone->Parent(), ToolBar->CompactWindow());
    EXPECT_EQ(Controls(clone), before);
    EXPECT_EQ(ToolBar->GetFullWidth(), clone->Width());

    ToolBar->SetCompact(false);
    EXPECT_FALSE(ToolBar->IsCompact());
    EXPECT_TRUE(ToolBar->IsAutoCompact());
    EXPECT_FALSE(ToolBar->CompactWindow());
    EXPECT_FALSE(ToolBar->SelfClone());
    EXPECT_FALSE(ToolBar->CompactButton());
    EXPECT_EQ(Controls(ToolBar), before);
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(Point(before[i]->Left(), before[i]->Top()), places[i]) << i;
    EXPECT_EQ(ToolBar->Width(), fullWidth);
    EXPECT_EQ(Page->UpdateAllCount, 2);
}

TEST_F(ToolBarCompactTest, TheCompactWindowDropsBelowAndTellsTheCloneOnceWhenItHides)
{
    ToolBar->SetCompactCaption(u"Group");
    ToolBar->SetCompact(true);
    ASSERT_GE(ToolBar->Width(), 45);
    TRurGlowButton* button = ToolBar->CompactButton();
    button->InvokeClick();
    TCompactWindow* window = ToolBar->CompactWindow();
    ASSERT_TRUE(PumpUntil([&] { return window->Visible(); }, 2000));
    TRurCustomToolBar* clone = ToolBar->SelfClone();
    const TPoint below = Page->ClientToScreen(Point(ToolBar->Left(), ToolBar->Top() + ToolBar->Height() + 1));
    EXPECT_EQ(Point(window->Left(), window->Top()), below);
    EXPECT_EQ(window->ClientWidth(), clone->Width() + 2);
    EXPECT_EQ(window->ClientHeight(), clone->Height() + 2);
    EXPECT_EQ(Point(clone->Left(), clone->Top()), Point(1, 1));

    // Kept open while it may not hide on deactivation.
    window->SetHideOnDeActivate(false);
    window->Perform(WM_ACTIVATE, WA_INACTIVE);
    PumpFor(50);
    EXPECT_TRUE(window->Visible());

    button->SetDown(true);
    MSG stale;
    while (PeekMessageW(&stale, clone->Handle(), 0, 0, PM_REMOVE)) {
    }
    window->Hide();
    const UINT hidden = ToolBarMessage(TToolBarMessage::CompactWinHide);
    int posted = 0;
    MSG msg;
    while (PeekMessageW(&msg, clone->Handle(), hidden, hidden, PM_REMOVE))
        ++posted;
    EXPECT_EQ(posted, 1);
    EXPECT_FALSE(button->Down()) << "the compact button is released";

    // Deactivated while it may hide: gone a tick later, and the page learns the button.
    button->InvokeClick();
    ASSERT_TRUE(PumpUntil([&] { return window->Visible(); }, 2000));
    window->SetHideOnDeActivate(true);
    window->Perform(WM_ACTIVATE, WA_INACTIVE);
    EXPECT_TRUE(PumpUntil([&] { return !window->Visible(); }, 2000));
    EXPECT_EQ(Page->LastClosedCompactButton, button);
}

TEST_F(ToolBarCompactTest, ButtonsFirstPaintedInTheCloneStackThere)
{
    // Compacted before it ever painted: its glow buttons measure themselves in the compact window.
    auto* group = MakeGroup(0, 400);
    for (const char16_t* caption : {u"Bold", u"Italic", u"Under"})
        AddButton(group, caption, bsLabel);
    group->SetCompactCaption(u"Font");
    group->SetCompact(true);
    group->CompactButton()->InvokeClick();
    TCompactWindow* window = group->CompactWindow();
    ASSERT_TRUE(PumpUntil([&] { return window->Visible(); }, 2000));
    TRurCustomToolBar* clone = group->SelfClone();
    auto stacked = [&] {
        if (clone->ToolBarControls(0)->Width() == 100)
            return false; // not measured yet
        for (int i = 1; i < 3; ++i) {
            TControl *above = clone->ToolBarControls(i - 1), *below = clone->ToolBarControls(i);
            if (below->Left() != above->Left() || below->Top() != above->Top() + above->Height())
                return false;
        }
        return true;
    };
    EXPECT_TRUE(PumpUntil(stacked, 2000));
    TControl* last = clone->ToolBarControls(2);
    const int columnEnd = last->Left() + std::max({clone->ToolBarControls(0)->Width(),
                                                   clone->ToolBarControls(1)->Width(), last->Width()});
    EXPECT_GE(clone->Width(), columnEnd);
    EXPECT_LT(clone->Width(), 100) << "the clone narrows to its measured column";
    EXPECT_EQ(window->ClientWidth(), clone->Width() + 2) << "the window follows";
    group->HideCompactWindow();
}

TEST_F(ToolBarCompactTest, TheCompactWindowStaysInsideTheWorkArea)
{
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    Form->SetLeft(work.right - 120);
    ToolBar->SetCompact(true);
    ToolBar->CompactButton()->InvokeClick();
    TCompactWindow* window = ToolBar->CompactWindow();
    ASSERT_TRUE(PumpUntil([&] { return window->Visible(); }, 2000));
    EXPECT_EQ(window->Left() + window->Width(), work.right);
}

TEST(GlowMenuButtonTest, IsAThirtyTwoPixelMenuButtonWithDropDown)
{
    TForm form(nullptr);
    auto* button = new TRurGlowMenuButton(&form);
    EXPECT_EQ(button->Width(), 32);
    EXPECT_TRUE(button->DropDownButton());
    EXPECT_TRUE(button->IsMenuButton());
}

} // namespace
