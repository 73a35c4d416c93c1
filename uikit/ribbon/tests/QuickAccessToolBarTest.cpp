// The quick-access toolbar: where it may live, its place in the caption band and below the pages,
// the overflow of controls that do not fit and their return, the customize and overflow buttons,
// key tips, the application icon's double click, and its looks.
#include <gtest/gtest.h>

#include <iterator>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "ImgList.h"
#include "RurQuickAccessToolBar.h"
#include "RurRibbonPager.h"
#include "RurToolBar_Button.h"
#include "RurToolBar_ControlSelector.h"
#include "RurToolBar_Platform.h"
#include "RurVistaGlyphButton.h"
#include "SysUtils.h"
#include "Timers.h"
#include "ToolBarTestSupport.h"

namespace {

// A user control of a fixed width.
class TBlock : public TGraphicControl {
public:
    TBlock(TComponent* owner, int width) : TGraphicControl(owner) { SetBounds(0, 0, width, 16); }
};

class QuickAccessToolBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Scale = std::make_unique<TScopedDPIScale>(1.0f);
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(40, 40, 900, 260);
        Pager = new TRurToolBarPager(Form.get());
        Pager->SetParent(Form.get());
        Pager->Update();
        Pager->AddRurPage(u"Home");
        Pager->SetActivePageIndex(0);
        Bar = new TRurQuickAccessToolBar(Form.get());
        Bar->SetHeight(22);
        Bar->SetParent(Pager);
    }
    // Five blocks of 30 pixels, added left to right.
    void AddBlocks()
    {
        for (int i = 0; i < 5; ++i) {
            auto* block = new TBlock(Form.get(), 30);
            block->SetLeft(1000 + i);
            Bar->AddToolBarControl(block);
            Blocks.push_back(block);
        }
    }
    // The pager sized so that the caption band leaves the bar this much room.
    void SetRoom(int room)
    {
        const int extra = Pager->Width() - Pager->GetQATRect().Width();
        Form->SetClientWidth(room + extra);
        ASSERT_EQ(Pager->GetQATRect().Width(), room);
    }
    std::vector<TControl*> Listed() const
    {
        std::vector<TControl*> list;
        for (int i = 0; i < Bar->ControlListCount(); ++i)
            list.push_back(Bar->ControlListItem(i));
        return list;
    }
    std::vector<TControl*> Hidden() const
    {
        std::vector<TControl*> list;
        for (int i = 0; i < Bar->HiddenControlCount(); ++i)
            list.push_back(Bar->HiddenControl(i));
        return list;
    }
    bool OverflowShown() const { return Bar->OverflowButton() && Bar->OverflowButton()->Visible(); }
    static bool TipShown(const TRurGlowButton* b)
    {
        return b->ShortCutHintWindow() && b->ShortCutHintWindow()->Visible();
    }

    std::unique_ptr<TScopedDPIScale> Scale;
    std::unique_ptr<TForm> Form;
    TRurToolBarPager* Pager = nullptr;
    TRurQuickAccessToolBar* Bar = nullptr;
    std::vector<TControl*> Blocks;
};

TEST_F(QuickAccessToolBarTest, LivesOnlyOnAPagerWhichPicksItUp)
{
    EXPECT_EQ(Pager->QuickAccessToolBar(), Bar);
    try {
        Bar->SetParent(Form.get());
        FAIL() << "a form is no place for the bar";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), u"Invalid Parent");
    }
    EXPECT_EQ(Bar->Parent(), Pager);
    Bar->SetParent(nullptr);
    EXPECT_EQ(Pager->QuickAccessToolBar(), nullptr);
    Bar->SetParent(Pager);
    EXPECT_EQ(Pager->QuickAccessToolBar(), Bar);
    // Outside the scenic and flat looks the application icon is there but hidden and empty.
    Bar->UpdateAppIcon();
    ASSERT_NE(Bar->App(), nullptr);
    EXPECT_FALSE(Bar->App()->Visible());
    EXPECT_EQ(Bar->App()->Width(), 0);
}

TEST_F(QuickAccessToolBarTest, AToolBarButtonOnItTakesThePagersStyler)
{
    auto* button = new TRurToolBarButton(Form.get());
    Bar->AddToolBarControl(button);
    ASSERT_NE(Pager->CurrentToolBarStyler(), nullptr);
    EXPECT_EQ(button->OwnerStyler(), Pager->CurrentToolBarStyler());
}

TEST_F(QuickAccessToolBarTest, ControlsThatDoNotFitOverflowAndComeBackOneByOne)
{
    Bar->SetShowCustomizeOption(true);
    AddBlocks();
    // Wanted: five blocks, the indents (13 and 12) and the button with its gap (14 + 2).
    EXPECT_EQ(Bar->GetTotalControlsWidth(), 150 + 13 + 12 + 16);
    SetRoom(400);
    EXPECT_EQ(Bar->Width(), 191) << "as wide as its controls want";
    EXPECT_EQ(Listed(), Blocks);
    for (size_t i = 0; i < Blocks.size(); ++i)
        EXPECT_EQ(Blocks[i]->Left(), 13 + 30 * int(i)) << "controls touch, from the left indent";
    EXPECT_TRUE(Bar->CustomizeButton()->Visible());
    EXPECT_FALSE(OverflowShown());

    // 146 wide: the controls may reach 146 - 16 - 12 = 118, so the fourth and fifth go.
    SetRoom(146);
    EXPECT_EQ(Listed(), std::vector<TControl*>(Blocks.begin(), Blocks.begin() + 3));
    EXPECT_EQ(Hidden(), std::vector<TControl*>(Blocks.begin() + 3, Blocks.end()));
    EXPECT_TRUE(OverflowShown());
    EXPECT_FALSE(Bar->CustomizeButton()->Visible()) << "the customize button moves into the drop-down";
    EXPECT_LT(Blocks[3]->Top() + Blocks[3]->Height(), 0) << "hidden controls are parked out of sight";

    // A block comes back only when all of it fits: the fourth must end (at 133) by width - 28.
    SetRoom(160);
    EXPECT_EQ(Bar->HiddenControlCount(), 2);
    SetRoom(161);
    EXPECT_EQ(Hidden(), std::vector<TControl*>{Blocks[4]});
    EXPECT_EQ(Blocks[3]->Left(), 13 + 90);
    EXPECT_GE(Blocks[3]->Top(), 0);
    EXPECT_TRUE(OverflowShown());
    SetRoom(190);
    EXPECT_EQ(Bar->HiddenControlCount(), 1);

    SetRoom(191);
    EXPECT_EQ(Listed(), Blocks);
    EXPECT_FALSE(OverflowShown());
    EXPECT_TRUE(Bar->CustomizeButton()->Visible()) << "the customize button comes back";
}

TEST_F(QuickAccessToolBarTest, TheOverflowDropDownListsTheHiddenControls)
{
    Bar->SetShowCustomizeOption(true);
    AddBlocks();
    SetRoom(146);
    ASSERT_TRUE(ShowActive(Form.get()));
    Bar->ShowOverflowWindow(0, 0, false);
    ASSERT_NE(Bar->OverflowWindow(), nullptr);
    EXPECT_TRUE(Bar->OverflowWindow()->Visible());
    TControlSelectorPanel* panel = Bar->OverflowWindowPanel();
    ASSERT_EQ(panel->ListedControlCount(), 3) << "two hidden blocks and the customize button";
    EXPECT_EQ(panel->ListedControls(0), Blocks[3]);
    EXPECT_EQ(panel->ListedControls(1), Blocks[4]);
    EXPECT_EQ(panel->ListedControls(2), Bar->CustomizeButton());
    Bar->HideOverflowWindow();
    EXPECT_FALSE(Bar->OverflowWindow()->Visible());

    // Room again: the blocks come back from the drop-down onto the bar.
    SetRoom(191);
    EXPECT_EQ(Blocks[3]->Parent(), Bar);
    EXPECT_EQ(Blocks[4]->Parent(), Bar);
    EXPECT_EQ(Bar->HiddenControlCount(), 0);
    EXPECT_EQ(Bar->CustomizeButton()->Parent(), Bar);
    EXPECT_TRUE(Bar->CustomizeButton()->Visible());

    // Freed while hidden in the drop-down, a control leaves the lists.
    SetRoom(146);
    Bar->ShowOverflowWindow(0, 0, false);
    delete Blocks[4];
    EXPECT_EQ(Bar->HiddenControlCount(), 1);
    Bar->HideOverflowWindow();
}

TEST_F(QuickAccessToolBarTest, BelowTheRibbonTheBarTakesTheFullWidthAndThePagerGrows)
{
    AddBlocks();
    const int height = Pager->Height();
    const int pageBottom = Pager->GetPageRect().Bottom;
    Pager->SetShowQATBelow(true);
    EXPECT_TRUE(Pager->ShowQATBelow());
    EXPECT_TRUE(Bar->FullSize());
    EXPECT_EQ(Pager->Height(), height + Bar->Height());
    EXPECT_EQ(Bar->Top() + Bar->Height(), Pager->Height());
    EXPECT_EQ(Bar->Left(), 2);
    EXPECT_EQ(Bar->Width(), Pager->Width() - 4);
    EXPECT_EQ(Pager->GetPageRect().Bottom, pageBottom) << "the pages keep their place";
    EXPECT_EQ(Blocks[0]->Left(), 4) << "the full-width bar's indent";
    Pager->SetShowQATBelow(false);
    EXPECT_EQ(Pager->Height(), height);
    EXPECT_FALSE(Bar->FullSize());
}

TEST_F(QuickAccessToolBarTest, KeyTipsClickTheirButtonAndCountPartialMatches)
{
    ASSERT_TRUE(ShowActive(Form.get()));
    int clicks[3] = {};
    const char16_t* tips[3] = {u"1", u"2A", u"2B"};
    std::vector<TRurGlowButton*> buttons;
    for (int i = 0; i < 3; ++i) {
        auto* b = new TRurGlowButton(Form.get());
        b->SetAutoSize(false);
        b->SetShowCaption(false);
        b->SetBounds(1000 + i, 0, 22, 22);
        b->SetShortCutHint(tips[i]);
        b->SetOnClick(TNotifyEvent([&clicks, i](TObject*) { ++clicks[i]; }));
        Bar->AddToolBarControl(b);
        buttons.push_back(b);
    }
    ASSERT_EQ(Bar->ControlListCount(), 3);
    // Key-tip mode starts in the pager, which shows the bar's tips with its own.
    Pager->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return Pager->Focused(); }));
    Pager->ShowTabShortCutHints();
    for (TRurGlowButton* b : buttons)
        EXPECT_TRUE(TipShown(b));
    int partial = 0;
    EXPECT_FALSE(Bar->SelectShortCut(u"2", partial));
    EXPECT_EQ(partial, 2);
    EXPECT_FALSE(TipShown(buttons[0])) << "a tip that cannot match any more hides";
    EXPECT_TRUE(TipShown(buttons[1]));
    partial = 0;
    EXPECT_TRUE(Bar->SelectShortCut(u"2b", partial)) << "case does not matter";
    PumpFor(50);
    EXPECT_EQ(clicks[2], 1);
    EXPECT_EQ(clicks[0] + clicks[1], 0);
    Pager->ShowTabShortCutHints();
    Pager->HideTabShortCutHints(true);
    for (TRurGlowButton* b : buttons)
        EXPECT_FALSE(TipShown(b));
}

TEST_F(QuickAccessToolBarTest, ADisabledControlUnderThePointerLendsTheBarItsHintWhenThePagerAsks)
{
    AddBlocks();
    ASSERT_TRUE(ShowActive(Form.get()));
    // Enabled controls take the pointer and show their own hints; a disabled one leaves it to the bar.
    for (TControl* block : Blocks) {
        block->SetHint(u"Paste");
        block->SetEnabled(false);
    }
    struct Case {
        bool PagerAsks, ShowHint;
        const char16_t* Hint;
    } cases[] = {
        {true, true, u"Paste"},
        {true, false, u""}, // the control does not want its hint shown
        {false, true, u""},
    };
    for (int i = 0; i < int(std::size(cases)); ++i) {
        const Case& c = cases[i];
        TControl* block = Blocks[i];
        Pager->SetShowDisabledControlsHint(c.PagerAsks);
        block->SetShowHint(c.ShowHint);
        MouseAt(Bar, WM_MOUSEMOVE, Point(block->Left() + 5, block->Top() + 5));
        THintInfo info;
        info.HintControl = Bar;
        Bar->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(info.HintStr, String(c.Hint)) << i;
        EXPECT_EQ(info.HintControl, c.Hint[0] ? block : static_cast<TControl*>(Bar)) << i;
    }
}

TEST_F(QuickAccessToolBarTest, ImagesOfAnotherHeightResizeTheBarButNotTheFirstList)
{
    TImageList small16(nullptr), large24(nullptr);
    small16.SetSize(16, 16);
    large24.SetSize(24, 24);
    const int height = Bar->Height();
    Bar->SetImages(&small16);
    EXPECT_EQ(Bar->Height(), height);
    Bar->SetImages(&large24);
    EXPECT_EQ(Bar->Height(), height + 8);
    Bar->SetImages(nullptr);
    EXPECT_EQ(Bar->Height(), height + 8 - 24);
}

// On the glass bar a glow button's image-list glyph is drawn through GDI+ (GDI would leave it
// see-through there), its bottom-left colour taken as the background and left out.
TEST_F(QuickAccessToolBarTest, OnGlassAGlowButtonsListGlyphLeavesItsBackgroundOut)
{
    constexpr TColor Back = 0xFF0000, Ink = 0x0000FF;
    TImageList list(nullptr);
    list.SetColorDepth(cd24Bit);
    list.SetMasked(false);
    list.SetSize(16, 16);
    auto glyph = Bitmap32(16, 16, Back);
    glyph->Canvas()->Brush()->SetColor(Ink);
    glyph->Canvas()->FillRect(Rect(4, 4, 12, 12));
    list.Add(glyph.get(), nullptr);
    auto* button = new TRurGlowButton(Form.get());
    button->SetAutoSize(false);
    button->SetShowCaption(false);
    button->SetImages(&list);
    button->SetImageIndex(0);
    Bar->AddToolBarControl(button);
    button->SetBounds(button->Left(), button->Top(), 24, 22);
    const TRect all = Rect(0, 0, 24, 22);
    for (const bool glass : {false, true}) {
        SCOPED_TRACE(glass ? "glass" : "no glass");
        button->SetInternalIsOnGlassQAT(glass);
        auto face = Snapshot(button);
        EXPECT_EQ(CountOf(face.get(), all, Ink), 64);
        EXPECT_EQ(CountOf(face.get(), all, Back), glass ? 0 : 16 * 16 - 64);
    }
}

// The form closes through its own close path: the close query can keep unsaved work.
TEST(QuickAccessToolBarFormTest, ADoubleClickOnTheIconClosesTheFormThroughItsCloseQuery)
{
    TScopedDPIScale scale(1.0f);
    // The application icon shows in the scenic look.
    struct TScenic {
        TScenic() { RurGDIP::SetScenicRibbon(true); }
        ~TScenic() { RurGDIP::SetScenicRibbon(false); }
    } scenic;
    TForm form(nullptr);
    form.SetBounds(60, 60, 600, 200);
    auto* pager = new TRurToolBarPager(&form);
    pager->SetParent(&form);
    pager->Update();
    auto* bar = new TRurQuickAccessToolBar(&form);
    bar->SetHeight(22);
    bar->SetParent(pager);
    bar->UpdateAppIcon();
    ASSERT_TRUE(ShowActive(&form));
    ASSERT_TRUE(bar->App()->Visible());
    int queries = 0;
    bool allow = false;
    form.SetOnCloseQuery(TCloseQueryEvent([&](TObject*, bool& canClose) {
        ++queries;
        canClose = allow;
    }));
    // The first click opens the system menu; the second comes while that menu is still open,
    // the way a quick double click does, and then the menu is closed.
    auto doubleClick = [&] {
        TMenuWatchdog watchdog;
        bool second = false;
        TTimer timer(nullptr);
        timer.SetInterval(1);
        timer.SetOnTimer(TNotifyEvent([&](TObject*) {
            timer.SetEnabled(false);
            second = true;
            bar->App()->Click();
            EndMenu();
        }));
        timer.SetEnabled(true);
        bar->App()->Click();
        ASSERT_TRUE(PumpUntil([&] { return second; }));
    };
    doubleClick();
    EXPECT_EQ(queries, 1);
    EXPECT_TRUE(form.Visible()) << "the close query said no";
    allow = true;
    doubleClick();
    EXPECT_EQ(queries, 2);
    EXPECT_TRUE(PumpUntil([&] { return !form.Visible(); }));
}

} // namespace
