// The caption band's own buttons: which show, where they sit, what their clicks and a double
// click on the caption do to the form, and the room kept for the system's buttons on glass.
#include <gtest/gtest.h>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "RurRibbonPager.h"
#include "RurToolBar_Messages.h"
#include "RurToolBar_Platform.h"

#include <commctrl.h>

namespace {

bool Yes() { return true; }

// Keeps the window-move commands a form is sent instead of entering the system's move loop,
// which under a display without a window manager waits for a button release that never comes.
class TMoveCommandCatcher {
public:
    explicit TMoveCommandCatcher(TForm* form) : FHandle(form->Handle())
    {
        SetWindowSubclass(FHandle, Proc, 1, reinterpret_cast<DWORD_PTR>(this));
    }
    ~TMoveCommandCatcher() { RemoveWindowSubclass(FHandle, Proc, 1); }
    int Count() const { return FCount; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self)
    {
        if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_MOVE) {
            ++reinterpret_cast<TMoveCommandCatcher*>(self)->FCount;
            return 0;
        }
        return DefSubclassProc(window, message, wParam, lParam);
    }
    HWND FHandle;
    int FCount = 0;
};

class PagerCaptionButtonsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Form = new TForm(nullptr);
        Form->SetBounds(60, 60, 640, 240);
    }
    static void TearDownTestSuite()
    {
        delete Form;
        Form = nullptr;
    }
    void SetUp() override
    {
        Pager = new TRurToolBarPager(Form);
        Pager->SetParent(Form);
        Pager->Update();
        Pager->Caption()->SetCaption(u"Document");
        Pager->AddRurPage(u"Home");
        Pager->AddRurPage(u"Insert");
        Pager->SetActivePageIndex(0);
    }
    void TearDown() override
    {
        delete Pager;
        Form->SetWindowState(wsNormal);
    }

    static TForm* Form;
    TRurToolBarPager* Pager = nullptr;
};
TForm* PagerCaptionButtonsTest::Form = nullptr;

TEST_F(PagerCaptionButtonsTest, TheSetDecidesWhichButtonsShowAndWork)
{
    struct Case {
        TCaptionButtons set;
        bool closeShown, minShown, maxShown, maxEnabled;
    };
    for (const Case& c : {Case{{cbClose, cbMinimize, cbMaximize}, true, true, true, true},
                          Case{{cbMinimize}, false, true, true, false}, Case{{cbClose}, true, false, false, false},
                          Case{{cbMaximize}, false, false, true, true}}) {
        Pager->SetCaptionButtons(c.set);
        ASSERT_NE(Pager->CaptionCloseButton(), nullptr);
        EXPECT_EQ(Pager->CaptionCloseButton()->Visible(), c.closeShown);
        EXPECT_EQ(Pager->CaptionMinButton()->Visible(), c.minShown);
        EXPECT_EQ(Pager->CaptionMaxButton()->Visible(), c.maxShown);
        EXPECT_EQ(Pager->CaptionMaxButton()->Enabled(), c.maxEnabled);
    }
    // No set, no buttons, and the caption gets its own right indent back.
    Pager->SetCaptionButtons({});
    EXPECT_EQ(Pager->CaptionCloseButton(), nullptr);
    EXPECT_EQ(Pager->Caption()->RightIndent(), 0);
    EXPECT_EQ(Pager->GetCaptionButtonsRect(), Rect(-1, -1, -1, -1));
}

TEST_F(PagerCaptionButtonsTest, ButtonsLineUpAtTheRightOfTheCaption)
{
    Pager->SetCaptionButtons({cbClose, cbMinimize, cbMaximize});
    const int border = Pager->GetPageBorder();
    TRurGlowButton* close = Pager->CaptionCloseButton();
    TRurGlowButton* max = Pager->CaptionMaxButton();
    TRurGlowButton* min = Pager->CaptionMinButton();
    EXPECT_EQ(close->Width(), 16);
    EXPECT_EQ(close->Left(), Pager->Width() - border - 16);
    EXPECT_EQ(max->Left(), close->Left() - 2 - 16);
    EXPECT_EQ(min->Left(), max->Left() - 2 - 16);
    EXPECT_EQ(close->Top(), border);
    EXPECT_EQ(Pager->GetCaptionButtonsRect(), Rect(min->Left(), border, close->Left() + 16, border + 16));
    // The caption's text keeps clear of them.
    EXPECT_GE(Pager->Caption()->RightIndent(), Pager->Width() - min->Left());
    // A narrower form moves them along.
    const int before = close->Left();
    Form->SetWidth(Form->Width() - 40);
    EXPECT_EQ(close->Left(), before - 40);
    Form->SetWidth(Form->Width() + 40);
}

TEST_F(PagerCaptionButtonsTest, ClicksMaximizeRestoreMinimizeAndClose)
{
    ASSERT_TRUE(ShowActive(Form));
    TMoveCommandCatcher moves(Form);
    Pager->SetMinimizeApp(false);
    ClickAt(Pager->CaptionMaxButton());
    EXPECT_EQ(Form->WindowState(), wsMaximized);
    ClickAt(Pager->CaptionMaxButton());
    EXPECT_EQ(Form->WindowState(), wsNormal);

    // A double click on the caption band toggles too, one on a tab reports the tab.
    int doubleClicked = -1;
    Pager->SetOnTabDblClick(TTabClickEvent([&](TObject*, int index) { doubleClicked = index; }));
    const TRect tab = Pager->GetTabRect(1);
    MouseAt(Pager, WM_LBUTTONDBLCLK, Point(tab.Left + 4, tab.Top + 4), MK_LBUTTON);
    EXPECT_EQ(doubleClicked, 1);
    EXPECT_EQ(Form->WindowState(), wsNormal);
    MouseAt(Pager, WM_LBUTTONDBLCLK, Point(30, 10), MK_LBUTTON);
    EXPECT_EQ(Form->WindowState(), wsMaximized);
    MouseAt(Pager, WM_LBUTTONDBLCLK, Point(30, 10), MK_LBUTTON);
    EXPECT_EQ(Form->WindowState(), wsNormal);

    // An event handler replaces the default action.
    int closes = 0;
    Pager->SetOnCloseButtonClick(TNotifyEvent([&](TObject* sender) {
        EXPECT_EQ(sender, Pager->CaptionCloseButton());
        ++closes;
    }));
    ClickAt(Pager->CaptionCloseButton());
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(Form->Visible());

    ClickAt(Pager->CaptionMinButton());
    EXPECT_TRUE(PumpUntil([&] { return Form->WindowState() == wsMinimized; }));
    Form->SetWindowState(wsNormal);
}

TEST_F(PagerCaptionButtonsTest, DraggingTheCaptionOfAMaximizedFormRestoresIt)
{
    ASSERT_TRUE(ShowActive(Form));
    // The Office look writes the unit's shared tones; they are put back at the end.
    const TColorTones ribbonTones = RibbonTones, appButtonTones = AppButtonTones;
    TAppColor app;
    Pager->SetOfficeTones({{}, {}, {}, &app}, gsOffice2013);
    Form->SetWindowState(wsMaximized);
    ASSERT_TRUE(PumpUntil([&] { return Form->WindowState() == wsMaximized; }));
    TMoveCommandCatcher moves(Form);
    const TPoint press = Point(40, 10);
    MouseAt(Pager, WM_LBUTTONDOWN, press, MK_LBUTTON);
    EXPECT_EQ(moves.Count(), 0);
    // Small moves are no drag.
    for (TPoint p : {Point(42, 10), Point(38, 12)}) {
        MouseAt(Pager, WM_MOUSEMOVE, p, MK_LBUTTON);
        EXPECT_EQ(Form->WindowState(), wsMaximized);
    }
    // A real one restores the form under the pointer and goes on as a window drag.
    const TPoint away = Point(60, 14);
    const TPoint screen = Pager->ClientToScreen(away);
    MouseAt(Pager, WM_MOUSEMOVE, away, MK_LBUTTON);
    EXPECT_EQ(Form->WindowState(), wsNormal);
    EXPECT_EQ(Form->Top(), screen.Y - 10);
    EXPECT_EQ(moves.Count(), 1);
    MouseAt(Pager, WM_LBUTTONUP, away);
    RibbonTones = ribbonTones;
    AppButtonTones = appButtonTones;
}

TEST_F(PagerCaptionButtonsTest, APressOnTheCaptionBandMovesTheForm)
{
    ASSERT_TRUE(ShowActive(Form));
    TMoveCommandCatcher moves(Form);
    const TRect tab = Pager->GetTabRect(0);
    struct Case {
        TWindowState state;
        bool canMove;
        TPoint point;
        int moves;
    };
    // A maximized form filling the screen stays put; tabs and a form that may not move neither.
    for (const Case& c : {Case{wsNormal, true, Point(30, 10), 1}, Case{wsMaximized, true, Point(30, 10), 0},
                          Case{wsNormal, false, Point(30, 10), 0},
                          Case{wsNormal, true, Point(tab.Left + 4, tab.Top + 4), 0}}) {
        Form->SetWindowState(c.state);
        Pager->SetCanMove(c.canMove);
        const int before = moves.Count();
        MouseAt(Pager, WM_LBUTTONDOWN, c.point, MK_LBUTTON);
        MouseAt(Pager, WM_LBUTTONUP, c.point);
        EXPECT_EQ(moves.Count() - before, c.moves) << int(c.state) << " " << c.canMove << " " << c.point.X;
    }
    Pager->SetCanMove(true);
}

TEST_F(PagerCaptionButtonsTest, HelpAndExpandCollapseSitAtTheRightOfTheTabRow)
{
    ASSERT_TRUE(ShowActive(Form));
    TRurGlowButton* help = Pager->HelpButton();
    ASSERT_NE(help, nullptr);
    const TRect tabs = Pager->GetTabsArea();
    const int border = Pager->GetPageBorder();
    EXPECT_EQ(help->BoundsRect(), Rect(tabs.Right - border - 2 - 20, tabs.Top + 4, tabs.Right - border - 2, tabs.Top + 24));
    EXPECT_FALSE(help->Picture()->Empty());
    int helps = 0;
    Pager->SetOnHelpClick(TNotifyEvent([&](TObject* sender) {
        EXPECT_EQ(sender, Pager);
        ++helps;
    }));
    ClickAt(help);
    EXPECT_EQ(helps, 1);

    Pager->SetShowExpandCollapsButton(true);
    TRurGlowButton* toggle = Pager->ExpandCollapsButton();
    ASSERT_NE(toggle, nullptr);
    EXPECT_EQ(toggle->BoundsRect().Right, help->Left() - 1);
    const auto glyph = [&] {
        std::unique_ptr<TBitmap> b = std::make_unique<TBitmap>();
        b->SetWidth(16);
        b->SetHeight(16);
        toggle->Picture()->Draw(*b->Canvas(), Rect(0, 0, 16, 16));
        String pixels;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                pixels += Char(b->Canvas()->Pixels(x, y) & 0xFF);
        return pixels;
    };
    const String expandedGlyph = glyph();
    ClickAt(toggle);
    EXPECT_FALSE(Pager->Expanded());
    EXPECT_NE(glyph(), expandedGlyph);
    ClickAt(Pager->ExpandCollapsButton());
    EXPECT_TRUE(Pager->Expanded());
    EXPECT_EQ(glyph(), expandedGlyph);

    // Switched off, both go; the toggle then sits where the help button was.
    Pager->SetShowHelpButton(false);
    EXPECT_EQ(Pager->HelpButton(), nullptr);
    EXPECT_EQ(Pager->GetHelpButtonRect(), Rect(-1, -1, -1, -1));
    EXPECT_EQ(Pager->ExpandCollapsButton()->BoundsRect().Right, tabs.Right - border - 2);
    Pager->SetShowExpandCollapsButton(false);
    EXPECT_EQ(Pager->ExpandCollapsButton(), nullptr);
}

TEST(PagerGlassCaptionButtonsTest, OnGlassTheSystemsButtonsKeepTheirRoom)
{
    SetRibbonGlassProbes({Yes, Yes, Yes, Yes});
    auto pager = std::make_unique<TRurToolBarPager>(nullptr);
    ResetRibbonGlassProbes();
    ASSERT_TRUE(pager->IsAeroVista());
    pager->SetWidth(600);
    pager->UpdateCaptionButtons(true);
    int major = 0, minor = 0;
    GetOSVersion(major, minor);
    const int room = GlassCaptionButtonsWidth(false, major, minor, false);
    EXPECT_FALSE(pager->CaptionCloseButton()->Visible());
    EXPECT_FALSE(pager->CaptionMinButton()->Visible());
    EXPECT_EQ(pager->Caption()->RightIndent(), room);
    EXPECT_EQ(pager->GetCaptionButtonsRect(), Rect(600 - room, 0, 600, 21));
}

} // namespace
