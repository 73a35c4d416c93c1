// The pager on a shown form: tabs selected by the mouse, two clicks on the active tab collapsing
// and expanding the ribbon, the collapsed state kept in the registry or an INI file, key tips
// after Alt and page selection by typing them, and the tab row's face.
#include <gtest/gtest.h>

#include <string>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "IniFiles.h"
#include "Registry.h"
#include "RurRibbonPager.h"
#include "RurToolBar_Styler.h"
#include "SysUtils.h"
#include "ToolBarTestSupport.h"

namespace {

class PagerInteractionTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Form = new TForm(nullptr);
        Form->SetBounds(60, 60, 640, 260);
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
        for (const char16_t* caption : {u"Home", u"Insert", u"Page", u"View"})
            Pager->AddRurPage(caption);
        Pager->SetActivePageIndex(0);
        ASSERT_TRUE(ShowActive(Form));
    }
    void TearDown() override { delete Pager; }

    TPoint TabCentre(int index) const
    {
        const TRect r = Pager->GetTabRect(index);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    void ClickTab(int index)
    {
        MouseAt(Pager, WM_LBUTTONDOWN, TabCentre(index), MK_LBUTTON);
        MouseAt(Pager, WM_LBUTTONUP, TabCentre(index));
    }
    // A key as the thread's queue delivers it, with the key state the timer reads.
    static void HoldAlt(bool down)
    {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_MENU] = down ? 0x80 : 0;
        SetKeyboardState(keys);
        PostMessageW(GetFocus(), down ? WM_SYSKEYDOWN : WM_SYSKEYUP, VK_MENU, down ? 0x20000001 : 0xE0000001);
    }
    static bool TipShown(TRurPage* page)
    {
        return page->ShortCutHintShown();
    }

    static TForm* Form;
    TRurToolBarPager* Pager = nullptr;
};
TForm* PagerInteractionTest::Form = nullptr;

TEST_F(PagerInteractionTest, ClickingATabSelectsItsPage)
{
    std::string events;
    Pager->SetOnTabClick(TTabClickEvent([&](TObject*, int index) { events += "click " + std::to_string(index) + ";"; }));
    Pager->SetOnTabChanged(TNotifyEvent([&](TObject*) { events += "changed;"; }));
    ClickTab(2);
    EXPECT_EQ(Pager->ActivePageIndex(), 2);
    EXPECT_EQ(events, "click 2;changed;");

    // A disabled tab is clicked but not selected.
    events.clear();
    Pager->RurPages(1)->SetTabEnabled(false);
    ClickTab(1);
    EXPECT_EQ(Pager->ActivePageIndex(), 2);
    EXPECT_EQ(events, "click 1;");

    // Hovering makes a tab hot; off the tabs it is not.
    MouseAt(Pager, WM_MOUSEMOVE, TabCentre(3));
    EXPECT_EQ(Pager->HotPageIndex(), 3);
    MouseAt(Pager, WM_MOUSEMOVE, Point(TabCentre(3).X, Pager->GetTabsArea().Bottom - 1));
    MouseAt(Pager, WM_MOUSEMOVE, Point(5, Pager->GetTabsArea().Top + 2));
    EXPECT_EQ(Pager->HotPageIndex(), -1);
}

TEST_F(PagerInteractionTest, TwoClicksOnTheActiveTabCollapseAndExpand)
{
    const int height = Pager->Height();
    int collapses = 0, expands = 0;
    Pager->SetOnCollaps(TNotifyEvent([&](TObject*) { ++collapses; }));
    Pager->SetOnExpand(TNotifyEvent([&](TObject*) { ++expands; }));

    ClickTab(0);
    EXPECT_TRUE(Pager->Expanded());
    ClickTab(0);
    EXPECT_FALSE(Pager->Expanded());
    EXPECT_EQ(Pager->Height(), 26 + 26);
    EXPECT_EQ(collapses, 1);

    ClickTab(0);
    ClickTab(0);
    EXPECT_TRUE(Pager->Expanded());
    EXPECT_EQ(Pager->Height(), height);
    EXPECT_EQ(expands, 1);

    // Two clicks right after one that selected the tab do not collapse.
    ClickTab(1);
    ClickTab(1);
    EXPECT_TRUE(Pager->Expanded());

    // Expanding an expanded ribbon reports nothing; with the switch off clicks never collapse.
    Pager->Expand();
    EXPECT_EQ(expands, 1);
    Pager->SetHidePagesOnDblClick(false);
    for (int i = 0; i < 3; ++i)
        ClickTab(1);
    EXPECT_TRUE(Pager->Expanded());
}

TEST_F(PagerInteractionTest, TheCollapsedStateIsKeptBetweenRuns)
{
    const String key = u"Software\\TavinTests\\Ribbon";
    const String iniName = u"ribbon-state-test.ini";
    DeleteFileW(L"ribbon-state-test.ini");
    for (TPersistenceLocation location : {plRegistry, plIniFile}) {
        SCOPED_TRACE(location == plRegistry ? "registry" : "INI file");
        const auto makePager = [&] {
            auto* pager = new TRurToolBarPager(Form);
            pager->Persistence()->SetLocation(location);
            pager->Persistence()->SetKey(location == plRegistry ? key : iniName);
            pager->Persistence()->SetSection(u"Pager");
            pager->Persistence()->SetEnabled(true);
            pager->SetParent(Form);
            pager->AddRurPage(u"One");
            pager->SetActivePageIndex(0);
            pager->Update();
            return pager;
        };
        TRurToolBarPager* first = makePager();
        EXPECT_TRUE(first->Expanded());
        first->Collaps();
        delete first;

        std::unique_ptr<TCustomIniFile> store = location == plRegistry
                                                    ? std::unique_ptr<TCustomIniFile>(new TRegistryIniFile(key))
                                                    : std::unique_ptr<TCustomIniFile>(new TMemIniFile(iniName));
        EXPECT_EQ(store->ReadInteger(u"Pager", u"Minimized", -1), 1);
        EXPECT_EQ(store->ReadInteger(u"Pager", u"ShowQATBelow", -1), 0);

        TRurToolBarPager* second = makePager();
        EXPECT_FALSE(second->Expanded());
        second->Expand();
        delete second;
        TRurToolBarPager* third = makePager();
        EXPECT_TRUE(third->Expanded());
        delete third;
    }
    TRegistry registry;
    registry.DeleteKey(key);
    DeleteFileW(L"ribbon-state-test.ini");
}

TEST_F(PagerInteractionTest, AltShowsKeyTipsAndTypingOneSelectsItsPage)
{
    const char16_t* tips[] = {u"H", u"N", u"P1", u"P2"};
    for (int i = 0; i < 4; ++i)
        Pager->RurPages(i)->SetShortCutHint(tips[i]);
    Pager->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return Pager->Focused(); }));

    TMenuWatchdog watchdog;
    // A tap on Alt: the tips show once it is released, one under each tab.
    HoldAlt(true);
    HoldAlt(false);
    ASSERT_TRUE(PumpUntil([&] { return Pager->TabShortCutHintShowing(); }));
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(TipShown(Pager->RurPages(i))) << i;
    const TRect tab = Pager->GetTabRect(0);
    const TPoint tabOnScreen = Pager->ClientToScreen(tab.TopLeft());
    TShortCutHintWindow* tip = Pager->RurPages(0)->ShortCutHintWindow();
    // Centred on the tab's bottom edge.
    EXPECT_NEAR(tip->Top() + tip->Height() / 2, tabOnScreen.Y + tab.Height(), 1);
    EXPECT_NEAR(tip->Left() + tip->Width() / 2, tabOnScreen.X + tab.Width() / 2, 1);

    // "P" leaves both P tips up and hides the others; "2" selects the page.
    PressKey('P');
    EXPECT_TRUE(Pager->TabShortCutHintShowing());
    EXPECT_FALSE(TipShown(Pager->RurPages(0)));
    EXPECT_TRUE(TipShown(Pager->RurPages(2)));
    EXPECT_TRUE(TipShown(Pager->RurPages(3)));
    PressKey(VK_NUMPAD2);
    EXPECT_EQ(Pager->ActivePageIndex(), 3);
    EXPECT_FALSE(Pager->TabShortCutHintShowing());
    EXPECT_FALSE(TipShown(Pager->RurPages(3)));

    // Alt held: nothing for a while, the tips after 700 ms, and they stay when it is released;
    // Alt again hides them.
    HoldAlt(true);
    PumpFor(300);
    EXPECT_FALSE(Pager->TabShortCutHintShowing());
    ASSERT_TRUE(PumpUntil([&] { return Pager->TabShortCutHintShowing(); }));
    HoldAlt(false);
    PumpFor(100);
    EXPECT_TRUE(Pager->TabShortCutHintShowing());
    HoldAlt(true);
    HoldAlt(false);
    EXPECT_TRUE(PumpUntil([&] { return !Pager->TabShortCutHintShowing(); }));

    // Escape and the arrows leave key-tip mode too.
    HoldAlt(true);
    HoldAlt(false);
    ASSERT_TRUE(PumpUntil([&] { return Pager->TabShortCutHintShowing(); }));
    PressKey(VK_LEFT);
    EXPECT_FALSE(Pager->TabShortCutHintShowing());
    EXPECT_EQ(Pager->ActivePageIndex(), 2);
}

TEST_F(PagerInteractionTest, CtrlF1CollapsesAndExpandsOnce)
{
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_F1, 1);
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_F1, 0x40000001);  // auto-repeat
    PumpFor(50);
    EXPECT_FALSE(Pager->Expanded());
    PostMessageW(GetFocus(), WM_KEYUP, VK_F1, 0xC0000001);
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_F1, 1);
    PumpFor(50);
    EXPECT_TRUE(Pager->Expanded());
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
}

TEST_F(PagerInteractionTest, TabsPaintInTheirStateColours)
{
    TTabAppearance* a = Pager->CurrentToolBarStyler()->TabAppearance();
    a->BackGround()->SetColor(TColor(0x00C0C0C0));
    a->BackGround()->SetColorTo(clNone);
    for (auto [set, colour] : {std::pair{&TTabAppearance::SetColorSelected, TColor(0x000000C0)},
                               std::pair{&TTabAppearance::SetColorSelectedTo, TColor(0x000000C0)},
                               std::pair{&TTabAppearance::SetColorMirrorSelected, TColor(0x000000C0)},
                               std::pair{&TTabAppearance::SetColorMirrorSelectedTo, TColor(0x000000C0)},
                               std::pair{&TTabAppearance::SetColorHot, TColor(0x0000C000)},
                               std::pair{&TTabAppearance::SetColorHotTo, TColor(0x0000C000)},
                               std::pair{&TTabAppearance::SetColorMirrorHot, TColor(0x0000C000)},
                               std::pair{&TTabAppearance::SetColorMirrorHotTo, TColor(0x0000C000)},
                               std::pair{&TTabAppearance::SetColor, TColor(0x00C00000)},
                               std::pair{&TTabAppearance::SetColorTo, TColor(0x00C00000)},
                               std::pair{&TTabAppearance::SetColorMirror, TColor(0x00C00000)},
                               std::pair{&TTabAppearance::SetColorMirrorTo, TColor(0x00C00000)}})
        (a->*set)(colour);
    MouseAt(Pager, WM_MOUSEMOVE, TabCentre(2));
    ASSERT_EQ(Pager->HotPageIndex(), 2);
    // Near the top-left of each tab, clear of its text.
    const auto probe = [&](TBitmap* face, int index) {
        const TRect r = Pager->GetTabRect(index);
        return PixelOf(face, r.Left + 2, r.Top + 4);
    };
    struct Case {
        bool nonSelected;
        int index;
        TColor expected;
    };
    for (const Case& c : {Case{false, 0, TColor(0x000000C0)}, Case{false, 2, TColor(0x0000C000)},
                          Case{false, 1, TColor(0x00C0C0C0)}, Case{true, 1, TColor(0x00C00000)},
                          Case{true, 3, TColor(0x00C00000)}}) {
        SCOPED_TRACE(c.index);
        Pager->SetShowNonSelectedTabs(c.nonSelected);
        // The glow of the hot tab is at its end.
        PumpUntil([&] { return !Pager->RurPages(2)->GlowRunning() || Pager->RurPages(2)->StepHover() >= 100; });
        std::unique_ptr<TBitmap> face = Snapshot(Pager);
        EXPECT_EQ(probe(face.get(), c.index), c.expected);
        AddToContactSheet(c.nonSelected ? u"tabs, non-selected shown" : u"tabs", face.get());
    }
}

} // namespace
