#pragma once
// The styled form frame's arithmetic, apart from any window: sizing-border hit tests, the frame's
// hit-test order, the cut of a maximised window's region, the gap left for an auto-hidden task
// bar, caption button and tab layout, menu-bar rows and drop-down placement in a work area.
#include <functional>
#include <vector>

#include "Types.h"

// Hit-test codes as the system numbers them.
enum TscHitCode : int {
    scHTNowhere = 0, scHTClient = 1, scHTCaption = 2, scHTSysMenu = 3, scHTMenu = 5, scHTMinButton = 8,
    scHTMaxButton = 9, scHTLeft = 10, scHTRight = 11, scHTTop = 12, scHTTopLeft = 13, scHTTopRight = 14,
    scHTBottom = 15, scHTBottomLeft = 16, scHTBottomRight = 17, scHTBorder = 18, scHTClose = 20, scHTHelp = 21,
};

// The eight sizing codes of a frame whose sides are border.Left ... border.Bottom thick in a
// window of the size: corners first (top-left, top-right, bottom-left, bottom-right), then left,
// right, bottom, top; scHTNowhere inside.
int scSizingHitTest(TSize window, const TRect& border, TPoint p);

// What the frame's hit test looks at, in window coordinates.
struct TscFrameHitInfo {
    TSize Window;
    TRect Border;          // the four non-client thicknesses, the caption height as the top
    bool BorderNone = false;
    bool Sizeable = false; // sizeable or sizeable tool window
    bool MaximizedOrMinimized = false;
    TRect MenuBar;         // empty without a menu bar
    TRect Caption, CloseButton, MaxButton, MinButton, HelpButton, SysMenu;
    bool OverCaptionObject = false; // a caption button or tab lies under the point
};
int scFrameHitTest(const TscFrameHitInfo& info, TPoint p);

// The part of a maximised window (screen rectangle) that its region keeps, in window coordinates:
// on each side an overhang over the area of less than 100 pixels is cut off.
TRect scMaximizedRegionRect(const TRect& window, const TRect& area);

// The work area of a monitor whose task bar hides itself, less a 2-pixel strip on the task bar's
// side so that the bar can still be reached. The side is told by the bar's shape and position
// (a bar wider than high lies at the top or bottom), not by its top alone.
TRect scAutoHideTaskBarBounds(const TRect& workArea, const TRect& taskBar);

// One caption button or tab as the layout sees it.
struct TscCaptionItem {
    bool Visible = true;
    bool RightSide = false;  // buttons: Position; tabs: TabsPosition
    int Width = 0;           // at 96 DPI, 0: as wide as high
    int Height = 0;          // 0: the caption's
    int MarginLeft = 0, MarginRight = 0, MarginTop = 0, MarginBottom = 0;
    TRect Rect;              // out: empty when the item has no room
};
// The content width an item needs for a proposed width (image, text, arrow part).
using TscContentWidth = std::function<int(int index, int proposed)>;

// Lays caption buttons and tabs out between left and right (window coordinates), the caption's
// top and height given; answers the free stretch left for the caption text. Right-side buttons
// go first in collection order (the first ends up rightmost), then right-side tabs from the last
// to the first, then left-side buttons and left-side tabs in order.
struct TscCaptionLayout {
    int Left, Right;
};
TscCaptionLayout scLayoutCaption(std::vector<TscCaptionItem>& buttons, const TscContentWidth& buttonWidth,
                                 std::vector<TscCaptionItem>& tabs, const TscContentWidth& tabWidth, bool tabsRight,
                                 int left, int right, int top, int height, double scale);

// Menu-bar rows: item i starts a new row when it would run past the width. Answers each item's
// rectangle (rows of rowHeight, starting at leading) and the row count; with MDI buttons a row
// is added when the last row has no room for the three buttons.
struct TscMenuRows {
    std::vector<TRect> Items;
    int Rows = 1;
};
TscMenuRows scLayoutMenuRows(const std::vector<int>& widths, int width, int rowHeight, int leading,
                             int mdiButtonWidth);

// On a left-to-right bar the items marked right-justified go to the right end of the last item's
// row: walking back from the last item as long as the items are marked and share that row, each
// is packed against right (the row's end) in its order.
void scJustifyMenuItemsRight(std::vector<TRect>& items, const std::vector<bool>& marked, int right);

// Where a menu-bar item's drop-down of the size opens, the item's screen rectangle given with the
// work area and the bounds of the monitor the item lies most on. Below the item (anchored at its
// right edge on a right-to-left bar); above it when it would run past the work area's bottom; to
// the item's right (left on a right-to-left bar) when there is no room above either. An anchor
// off the monitor (an item straddling two) is moved onto it. Flags says how the menu hangs off
// the point.
struct TscMenuDropDownPlace {
    TPoint At;
    bool Above = false;  // the menu's bottom at At
    bool Beside = false; // opened beside the item, top at the item's top
};
TscMenuDropDownPlace scPlaceMenuDropDown(const TRect& item, TSize dropDown, const TRect& work,
                                         const TRect& monitor, bool rightToLeft);
// A point moved onto the monitor (right and bottom edges exclusive).
TPoint scPointOnMonitor(TPoint p, const TRect& monitor);

// A drop-down's top-left corner for a form of the size shown at a point: moved left and up so that
// it stays in the work area, then not left of or above it.
TPoint scPlaceDropDownAtPoint(TPoint p, TSize form, const TRect& work);
// Shown from a control (its screen rectangle): below it (or beside it), right-to-left aligned to
// its right edge; above it when there is no room below; kept inside the work area.
TPoint scPlaceDropDownAtControl(const TRect& control, TSize form, const TRect& work, bool beside, bool rightToLeft);
