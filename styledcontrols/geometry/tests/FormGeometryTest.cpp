#include <gtest/gtest.h>

#include "scFormGeometry.h"

namespace {

TEST(SizingHitTest, CornersWinOverEdgesAndTheInsideIsNowhere)
{
    const TSize window{100, 80};
    const TRect ring = Rect(5, 5, 5, 5);
    struct TCase {
        TPoint P;
        int Code;
    };
    const TCase cases[] = {
        {{0, 0}, scHTTopLeft},      {{4, 4}, scHTTopLeft},        {{95, 0}, scHTTopRight},
        {{0, 79}, scHTBottomLeft},  {{99, 79}, scHTBottomRight},  {{0, 5}, scHTLeft},
        {{99, 74}, scHTRight},      {{5, 79}, scHTBottom},        {{94, 0}, scHTTop},
        {{5, 5}, scHTNowhere},      {{50, 40}, scHTNowhere},      {{100, 40}, scHTNowhere},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(scSizingHitTest(window, ring, c.P), c.Code) << c.P.X << "," << c.P.Y;
}

TscFrameHitInfo SizeableFrame()
{
    TscFrameHitInfo info;
    info.Window = {300, 200};
    info.Border = Rect(6, 30, 6, 6);
    info.Sizeable = true;
    info.SysMenu = Rect(6, 5, 26, 25);
    info.Caption = Rect(31, 0, 220, 30);
    info.HelpButton = Rect(194, 5, 220, 25);
    info.MinButton = Rect(220, 5, 246, 25);
    info.MaxButton = Rect(246, 5, 272, 25);
    info.CloseButton = Rect(272, 5, 294, 25);
    info.MenuBar = Rect(6, 30, 294, 50);
    return info;
}

TEST(FrameHitTest, FollowsTheFrameOrder)
{
    struct TCase {
        const char* Name;
        std::function<void(TscFrameHitInfo&)> Change;
        TPoint P;
        int Code;
    };
    const TCase cases[] = {
        {"menu bar", nullptr, {40, 40}, scHTMenu},
        {"caption reaches the left border", nullptr, {10, 10}, scHTCaption},
        {"close", nullptr, {280, 10}, scHTClose},
        {"maximise", nullptr, {250, 10}, scHTMaxButton},
        {"minimise", nullptr, {230, 10}, scHTMinButton},
        {"top edge is as thick as the left one", nullptr, {100, 2}, scHTCaption},
        {"top-left corner", nullptr, {2, 2}, scHTTopLeft},
        {"left edge", nullptr, {2, 100}, scHTLeft},
        {"bottom-right", nullptr, {298, 198}, scHTBottomRight},
        {"client", nullptr, {100, 100}, scHTClient},
        {"caption object over the frame", [](TscFrameHitInfo& i) { i.OverCaptionObject = true; }, {2, 100},
         scHTCaption},
        {"maximised frame is client", [](TscFrameHitInfo& i) { i.MaximizedOrMinimized = true; }, {2, 100},
         scHTClient},
        {"dialog frame is a border", [](TscFrameHitInfo& i) { i.Sizeable = false; }, {2, 100}, scHTBorder},
        {"dialog inside", [](TscFrameHitInfo& i) { i.Sizeable = false; }, {100, 100}, scHTClient},
        {"borderless: menu bar", [](TscFrameHitInfo& i) { i.BorderNone = true; }, {40, 40}, scHTMenu},
        {"borderless: anything else", [](TscFrameHitInfo& i) { i.BorderNone = true; }, {2, 2}, scHTClient},
        {"menu bar cut at the bottom border", [](TscFrameHitInfo& i) { i.MenuBar.Bottom = 200; }, {40, 197},
         scHTBottom},
    };
    for (const TCase& c : cases) {
        TscFrameHitInfo info = SizeableFrame();
        if (c.Change)
            c.Change(info);
        EXPECT_EQ(scFrameHitTest(info, c.P), c.Code) << c.Name;
    }
}

TEST(MaximizedRegion, CutsOnlyOverhangsBelowOneHundredPixels)
{
    const TRect work = Rect(0, 0, 1280, 760);
    struct TCase {
        TRect Window;
        TRect Kept;
    };
    const TCase cases[] = {
        {Rect(-8, -8, 1288, 768), Rect(8, 8, 1288, 768)},
        {Rect(0, 0, 1280, 760), Rect(0, 0, 1280, 760)},
        {Rect(-120, -8, 1288, 768), Rect(0, 8, 1400, 768)},
        {Rect(1272, -8, 2568, 768), Rect(0, 8, 1296, 768)},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(scMaximizedRegionRect(c.Window, work), c.Kept) << c.Window.Left;
}

TEST(AutoHideTaskBar, LeavesTwoPixelsOnTheBarsSide)
{
    const TRect work = Rect(0, 0, 1280, 800);
    struct TCase {
        const char* Side;
        TRect Bar;
        TRect Bounds;
    };
    const TCase cases[] = {
        {"bottom", Rect(0, 798, 1280, 840), Rect(0, 0, 1280, 798)},
        {"top", Rect(0, -38, 1280, 2), Rect(0, 2, 1280, 800)},
        // A left or right bar starts at the monitor's top: its top alone would call it a top bar.
        {"left", Rect(-60, 0, 2, 800), Rect(2, 0, 1280, 800)},
        {"right", Rect(1278, 0, 1340, 800), Rect(0, 0, 1278, 800)},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(scAutoHideTaskBarBounds(work, c.Bar), c.Bounds) << c.Side;
}

TEST(CaptionLayout, PlacesButtonsAndTabsFromBothEnds)
{
    auto width = [](int, int proposed) { return proposed; };
    std::vector<TscCaptionItem> buttons(3), tabs(2);
    buttons[0].RightSide = buttons[1].RightSide = true;
    buttons[0].MarginTop = buttons[1].MarginTop = buttons[2].MarginTop = 2;
    buttons[0].MarginBottom = buttons[1].MarginBottom = buttons[2].MarginBottom = 2;
    buttons[1].Width = 40;
    tabs[0].Width = 50;
    tabs[1].Width = 60;
    const TscCaptionLayout free = scLayoutCaption(buttons, width, tabs, width, true, 30, 400, 0, 30, 1.0);
    // The first right-side button ends up rightmost; right-side tabs are placed last to first.
    EXPECT_EQ(buttons[0].Rect, Rect(374, 2, 400, 28));
    EXPECT_EQ(buttons[1].Rect, Rect(334, 2, 374, 28));
    EXPECT_EQ(tabs[1].Rect, Rect(264, 0, 324, 30));
    EXPECT_EQ(tabs[0].Rect, Rect(214, 0, 264, 30));
    EXPECT_EQ(buttons[2].Rect, Rect(30, 2, 56, 28));
    EXPECT_EQ(free.Left, 61);
    EXPECT_EQ(free.Right, 209);
}

TEST(CaptionLayout, AnItemWithoutRoomGetsAnEmptyRectangleAndOthersKeepTheirs)
{
    auto width = [](int, int proposed) { return proposed; };
    std::vector<TscCaptionItem> buttons(3), tabs;
    for (auto& b : buttons)
        b.Width = 30;
    buttons[1].Width = 100;
    buttons[2].Visible = false;
    scLayoutCaption(buttons, width, tabs, width, false, 0, 120, 0, 20, 1.0);
    EXPECT_EQ(buttons[0].Rect, Rect(0, 0, 30, 20));
    EXPECT_TRUE(buttons[1].Rect.IsEmpty());
    EXPECT_TRUE(buttons[2].Rect.IsEmpty());
    // Widths follow the scale.
    scLayoutCaption(buttons, width, tabs, width, false, 0, 120, 0, 20, 1.5);
    EXPECT_EQ(buttons[0].Rect, Rect(0, 0, 45, 20));
}

TEST(MenuRows, WrapsItemsAndMakesRoomForTheMdiButtons)
{
    const TscMenuRows fits = scLayoutMenuRows({40, 50, 60}, 200, 20, 0, 0);
    EXPECT_EQ(fits.Rows, 1);
    EXPECT_EQ(fits.Items[2], Rect(90, 0, 150, 20));
    const TscMenuRows wraps = scLayoutMenuRows({40, 50, 60, 70}, 200, 20, 0, 0);
    EXPECT_EQ(wraps.Rows, 2);
    EXPECT_EQ(wraps.Items[3], Rect(0, 20, 70, 40));
    // The MDI child's icon leads, and three buttons need a row of their own.
    const TscMenuRows mdi = scLayoutMenuRows({40, 50, 60}, 200, 20, 20, 20);
    EXPECT_EQ(mdi.Items[0], Rect(20, 0, 60, 20));
    EXPECT_EQ(mdi.Rows, 2);
}

TEST(MenuRows, RightJustifiedItemsGoToTheEndOfTheLastRow)
{
    struct TCase {
        const char* Name;
        std::vector<int> Widths;
        std::vector<bool> Marked;
        std::vector<int> Lefts;
    };
    const TCase cases[] = {
        {"the last item", {40, 50, 60}, {false, false, true}, {0, 40, 140}},
        {"the last two, packed in order", {40, 50, 60}, {false, true, true}, {0, 90, 140}},
        {"a marked item before an unmarked one stays", {40, 50, 60}, {false, true, false}, {0, 40, 90}},
        {"only the last row's", {100, 80, 30, 40}, {false, true, true, true}, {0, 100, 130, 160}},
        {"nothing marked", {40, 50}, {false, false}, {0, 40}},
    };
    for (const TCase& c : cases) {
        std::vector<TRect> items = scLayoutMenuRows(c.Widths, 200, 20, 0, 0).Items;
        scJustifyMenuItemsRight(items, c.Marked, 200);
        std::vector<int> lefts;
        for (const TRect& r : items)
            lefts.push_back(r.Left);
        EXPECT_EQ(lefts, c.Lefts) << c.Name;
    }
    std::vector<TRect> none;
    scJustifyMenuItemsRight(none, {}, 200);
    EXPECT_TRUE(none.empty());
}

TEST(MenuDropDownPlacement, BelowAboveOrBesideTheItemOnItsMonitor)
{
    const TRect monitor = Rect(0, 0, 1000, 700), work = Rect(0, 0, 1000, 660);
    const TSize menu{150, 200};
    struct TCase {
        const char* Name;
        TRect Item, Monitor;
        bool RightToLeft;
        TPoint At;
        bool Above, Beside;
    };
    const TCase cases[] = {
        {"below", Rect(100, 50, 140, 70), monitor, false, {100, 70}, false, false},
        {"below, right to left", Rect(100, 50, 140, 70), monitor, true, {140, 70}, false, false},
        {"bottom edge of the work area still fits", Rect(100, 440, 140, 460), monitor, false, {100, 460}, false, false},
        {"above when no room below", Rect(100, 600, 140, 620), monitor, false, {100, 600}, true, false},
        {"beside when no room above", Rect(100, 150, 140, 170), Rect(0, 0, 1000, 300), false, {140, 150}, false, true},
        {"beside, right to left", Rect(100, 150, 140, 170), Rect(0, 0, 1000, 300), true, {100, 150}, false, true},
        // An item straddling two monitors, its left on the first: the menu goes onto the second.
        {"onto the monitor it lies most on", Rect(990, 50, 1060, 70), Rect(1000, 0, 2000, 700), false, {1000, 70},
         false, false},
        {"right to left, anchor past the monitor's right", Rect(940, 50, 1010, 70), monitor, true, {999, 70}, false,
         false},
    };
    for (const TCase& c : cases) {
        // The test monitor has a task bar at its bottom; the others none.
        const TRect w = c.Monitor == monitor ? work : c.Monitor;
        const TscMenuDropDownPlace place = scPlaceMenuDropDown(c.Item, menu, w, c.Monitor, c.RightToLeft);
        EXPECT_EQ(place.At, c.At) << c.Name;
        EXPECT_EQ(place.Above, c.Above) << c.Name;
        EXPECT_EQ(place.Beside, c.Beside) << c.Name;
    }
}

TEST(DropDownPlacement, StaysInTheWorkArea)
{
    const TRect work = Rect(0, 0, 1000, 700);
    const TSize form{200, 150};
    EXPECT_EQ(scPlaceDropDownAtPoint({100, 100}, form, work), Point(100, 100));
    EXPECT_EQ(scPlaceDropDownAtPoint({950, 650}, form, work), Point(800, 550));
    EXPECT_EQ(scPlaceDropDownAtPoint({-20, -5}, form, work), Point(0, 0));

    struct TCase {
        const char* Name;
        TRect Control;
        bool Beside, RightToLeft;
        TPoint At;
    };
    const TCase cases[] = {
        {"below", Rect(100, 100, 180, 120), false, false, {100, 120}},
        {"beside", Rect(100, 100, 180, 120), true, false, {180, 100}},
        {"below, right to left", Rect(300, 100, 380, 120), false, true, {180, 120}},
        {"beside, right to left", Rect(300, 100, 380, 120), true, true, {100, 100}},
        {"above when no room below", Rect(100, 600, 180, 620), false, false, {100, 450}},
        {"moved left into the work area", Rect(950, 100, 990, 120), false, false, {800, 120}},
        {"other side when no room beside", Rect(900, 100, 980, 120), true, false, {700, 100}},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(scPlaceDropDownAtControl(c.Control, form, work, c.Beside, c.RightToLeft), c.At) << c.Name;
}

} // namespace
