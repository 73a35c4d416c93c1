// The pager among the windows around it: the glass decision and its region, the resize edges
// left to the form, and the parent form watched through the subclass chain.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "RurRibbonPager.h"

namespace {

bool Yes() { return true; }
bool No() { return false; }

TEST(PagerGlassTest, GlassIsDecidedAtConstructionFromAllFourProbes)
{
    auto form = std::make_unique<TForm>(nullptr);
    struct Case {
        TRibbonGlassProbes probes;
        bool glass;
    };
    for (const Case& c : {Case{{Yes, Yes, Yes, Yes}, true}, Case{{Yes, Yes, Yes, No}, false},
                          Case{{No, Yes, Yes, Yes}, false}, Case{{Yes, No, Yes, Yes}, false},
                          Case{{Yes, Yes, No, Yes}, false}}) {
        SetRibbonGlassProbes(c.probes);
        auto* pager = new TRurToolBarPager(form.get());
        EXPECT_EQ(pager->IsAeroVista(), c.glass);
        // A plain form is no ribbon form: glass goes off with the parent.
        pager->SetParent(form.get());
        EXPECT_FALSE(pager->IsAeroVista());
        delete pager;
    }
    ResetRibbonGlassProbes();
}

TEST(PagerGlassTest, TheSystemButtonsWidthAndTheRegionCutOut)
{
    struct Case {
        bool designing;
        int major, minor;
        int caption, region;
    };
    for (const Case& c : {Case{false, 6, 0, 100, 100}, Case{false, 6, 1, 110, 110}, Case{false, 6, 3, 110, 110},
                          Case{false, 10, 0, 135, 130}, Case{true, 10, 0, 100, 100}}) {
        EXPECT_EQ(GlassCaptionButtonsWidth(c.designing, c.major, c.minor, false), c.caption);
        EXPECT_EQ(GlassCaptionButtonsWidth(c.designing, c.major, c.minor, true), c.region);
    }
    const auto polygon = GlassRegionPolygon(600, 149, 130, 21);
    const std::array<TPoint, 7> expected{
        {{0, 0}, {470, 0}, {470, 21}, {600, 21}, {600, 149}, {0, 149}, {0, 0}}};
    EXPECT_EQ(polygon, expected);
}

class PagerWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(40, 40, 500, 220);
        Pager = new TRurToolBarPager(Form.get());
        Pager->SetParent(Form.get());
        Pager->Update();
        Pager->AddRurPage(u"Home");
        Pager->SetActivePageIndex(0);
        Form->HandleNeeded();
    }
    std::unique_ptr<TForm> Form;
    TRurToolBarPager* Pager = nullptr;
};

TEST_F(PagerWindowTest, TheFormsResizeEdgesAreLeftToTheForm)
{
    const int w = Pager->Width();
    struct Case {
        int x, y, hit;
    };
    for (const Case& c : {Case{100, 3, HTTRANSPARENT}, Case{100, 4, HTCLIENT}, Case{3, 50, HTTRANSPARENT},
                          Case{4, 50, HTCLIENT}, Case{w - 6, 50, HTTRANSPARENT}, Case{w - 7, 50, HTCLIENT}}) {
        EXPECT_EQ(Pager->NCHitTest(Point(c.x, c.y)), c.hit) << c.x << "," << c.y;
        const TPoint screen = Pager->ClientToScreen(Point(c.x, c.y));
        EXPECT_EQ(SendMessageW(Pager->Handle(), WM_NCHITTEST, 0, MAKELPARAM(screen.X, screen.Y)), c.hit);
    }
}

LRESULT CALLBACK CountingSubclass(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    if (msg == WM_WINDOWPOSCHANGED)
        ++*reinterpret_cast<int*>(data);
    return DefSubclassProc(window, msg, wParam, lParam);
}

TEST_F(PagerWindowTest, WatchingTheMDIParentLeavesItsUserDataAndOtherHooksAlone)
{
    const HWND form = Form->Handle();
    SetWindowLongPtrW(form, GWLP_USERDATA, 0x5A5A);
    Pager->SetAutoMDIButtons(true);
    // Another hook put in after the pager's.
    int seen = 0;
    SetWindowSubclass(form, CountingSubclass, 7, reinterpret_cast<DWORD_PTR>(&seen));
    EXPECT_EQ(GetWindowLongPtrW(form, GWLP_USERDATA), 0x5A5A);
    Pager->SetAutoMDIButtons(false);
    EXPECT_EQ(GetWindowLongPtrW(form, GWLP_USERDATA), 0x5A5A);
    // The later hook still hears the form.
    SetWindowPos(form, nullptr, 50, 50, 520, 230, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_GT(seen, 0);
    EXPECT_NE(GetWindowLongPtrW(form, GWLP_WNDPROC), 0);
    RemoveWindowSubclass(form, CountingSubclass, 7);
}

TEST(PagerMDIButtonsTest, AMaximizedChildGetsItsButtonsInTheTabRow)
{
    auto frame = std::make_unique<TForm>(nullptr);
    frame->SetFormStyle(fsMDIForm);
    frame->SetBounds(40, 40, 640, 460);
    auto* pager = new TRurToolBarPager(frame.get());
    pager->SetParent(frame.get());
    pager->Update();
    pager->AddRurPage(u"Home");
    pager->SetActivePageIndex(0);
    ASSERT_TRUE(ShowActive(frame.get()));
    pager->SetAutoMDIButtons(true);
    const TRect tabsBefore = pager->GetTabsRect();

    auto* child = new TForm(frame.get());
    child->SetCaption(u"Document");
    child->SetFormStyle(fsMDIChild);
    ASSERT_TRUE(PumpUntil([&] { return frame->ActiveMDIChild() == child; }));
    pager->Repaint();
    EXPECT_FALSE(pager->MDIButtonsVisible());

    // Maximized: the three buttons show beyond the tabs, the help button moves left of them.
    child->SetWindowState(wsMaximized);
    ASSERT_TRUE(PumpUntil([&] {
        pager->Repaint();
        return pager->MDIButtonsVisible();
    }));
    const TRect buttons = pager->GetMDIButtonsRect();
    EXPECT_EQ(buttons.Left, tabsBefore.Right + 2);
    EXPECT_EQ(buttons.Width(), 3 * (16 + 2));
    ASSERT_NE(pager->MDICloseButton(), nullptr);
    EXPECT_TRUE(pager->MDICloseButton()->Visible());
    EXPECT_EQ(pager->MDIMinButton()->Left(), buttons.Left);
    EXPECT_EQ(pager->MDIMaxButton()->Left(), buttons.Left + 18);
    EXPECT_EQ(pager->MDICloseButton()->Left(), buttons.Left + 36);
    EXPECT_EQ(pager->GetHelpButtonRect().Right, buttons.Left - 2);

    // The restore button brings the child back, and the buttons go.
    ClickAt(pager->MDIMaxButton());
    EXPECT_EQ(child->WindowState(), wsNormal);
    ASSERT_TRUE(PumpUntil([&] {
        pager->Repaint();
        return !pager->MDIButtonsVisible();
    }));
    EXPECT_FALSE(pager->MDICloseButton()->Visible());
    pager->SetAutoMDIButtons(false);
}

} // namespace
