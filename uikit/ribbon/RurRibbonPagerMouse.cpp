// The pager under the mouse: hot tabs with their glow, selecting a page by its tab, the pressed
// tab, two clicks on the active tab collapsing or expanding the ribbon, and the caption band
// moving the form.
#include "RurRibbonPager.h"

#include "Forms.h"
#include "Messages.h"

namespace {
constexpr WPARAM SC_DRAGMOVE = 0xF012;  // move by caption
}

void TRurToolBarPager::StartTabGlow(int index, int increment, TRurPage::TGlowState state)
{
    if (TRurPage* page = RurPages(index)) {
        page->StartGlow(increment);
        page->FGlowState = state;
    }
}

void TRurToolBarPager::UnHotTab()
{
    if (FDownPageIndex >= 0) {
        FDownPageIndex = -1;
        InvalidateTabsArea();
    }
    if (FHotPageIndex >= 0) {
        StartTabGlow(FHotPageIndex, -20, TRurPage::gsHover);
        FHotPageIndex = -1;
        InvalidateTabsArea();
    }
}

void TRurToolBarPager::RestoreByDrag(TShiftState shift, int x, int y)
{
    TCustomForm* form = GetParentForm();
    if (!shift.Contains(ssLeft) || FCaptionClickXY.X < 0 || !form || form->WindowState() != wsMaximized)
        return;
    if (std::abs(x - FCaptionClickXY.X) <= 2 && std::abs(y - FCaptionClickXY.Y) < 3)
        return;
    // Where the pointer is, taken before restoring moves the pager under it.
    const TPoint screen = ClientToScreen(Point(x, y));
    form->SetWindowState(wsNormal);
    if (FGroupStyle == gsClassic)
        return;
    // The restored form hangs from the pointer by its caption, and the drag goes on from there.
    form->SetBounds(screen.X - Width() / 2, screen.Y - 10, form->Width(), form->Height());
    MouseDown(mbLeft, shift, Width() / 2, 10);
}

void TRurToolBarPager::MouseMove(TShiftState shift, int x, int y)
{
    TCustomControl::MouseMove(shift, x, y);
    if (ComponentState().Contains(csDesigning))
        return;
    if (FHotPageIndex >= FRurPages.Count())
        FHotPageIndex = -1;
    if (GetTabsArea().Contains(Point(x, y))) {
        const int t = PtOnTab(x, y);
        if (t >= 0 && t != FHotPageIndex) {
            UnHotTab();
            if (RurPages(t)->TabEnabled()) {
                FHotPageIndex = FOldHotPageIndex = t;
                StartTabGlow(t, 20, TRurPage::gsHover);
                Invalidate();
            }
            if (FHintPageIndex != t) {
                FHintPageIndex = t;
                Application->CancelHint();
            }
        } else if (t < 0) {
            UnHotTab();
            FHintPageIndex = -1;
            Application->CancelHint();
        }
    }
    RestoreByDrag(shift, x, y);
}

void TRurToolBarPager::MouseLeft()
{
    FHintPageIndex = -1;
    if (ComponentState().Contains(csDesigning))
        return;
    FOnMouseLeave(this);
    POINT cursor{};
    GetCursorPos(&cursor);
    if (HandleAllocated())
        ::ScreenToClient(Handle(), &cursor);
    TRect tabs = GetTabsRect();
    tabs.Bottom -= 4;
    // Onto a child lying over the tab row: the tab stays hot.
    if (tabs.Contains(Point(cursor.x, cursor.y)))
        return;
    if (FHotPageIndex >= FRurPages.Count())
        FHotPageIndex = -1;
    if (FHotPageIndex >= 0 && FHotPageIndex == FActivePageIndex) {
        FHotPageIndex = -1;
        Invalidate();
    } else if (FHotPageIndex >= 0) {
        StartTabGlow(FHotPageIndex, -20, TRurPage::gsHover);
        FHotPageIndex = -1;
        InvalidateTabsArea();
    }
}

bool TRurToolBarPager::StartCaptionDrag(int x, int y)
{
    if (!FCaption->Visible() || !FCanMove)
        return false;
    if (!GetCaptionRect().Contains(Point(x, y)) || PtOnTab(x, y) >= 0 || PtOnTabGroup(x, y) >= 0)
        return false;
    TCustomForm* form = GetParentForm();
    if (!form || !form->HandleAllocated())
        return false;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    RECT work{};
    const TPoint screen = ClientToScreen(Point(x, y));
    if (GetMonitorInfoW(MonitorFromPoint({screen.X, screen.Y}, MONITOR_DEFAULTTONEAREST), &monitor))
        work = monitor.rcWork;
    else
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const bool maximized = form->WindowState() == wsMaximized;
    // A maximized form filling the work area does not move; under Office tones a drag from its
    // caption restores it instead (see MouseMove).
    if (!maximized || form->Width() < work.right - work.left - 10) {
        ReleaseCapture();
        SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_DRAGMOVE, 0);
    }
    if (maximized && FOffice2013)
        FCaptionClickXY = Point(x, y);
    return true;
}

void TRurToolBarPager::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    FMouseDown = true;
    FCaptionClickXY = Point(-1, -1);
    FDownPageIndex = -1;
    if (button == mbLeft && StartCaptionDrag(x, y))
        return;
    FChangeActiveTab = false;
    if (FTabShortCutHintShowing)
        HideTabShortCutHints(true);
    NotifyChildren([](IPagerChildNotify& child) { child.PagerMouseDown(); });
    if (!GetTabsArea().Contains(Point(x, y)))
        return;
    const int t = PtOnTab(x, y);
    if (t < 0)
        return;
    FOnTabClick(this, t);
    if (t != FActivePageIndex && RurPages(t)->TabEnabled()) {
        const int before = FActivePageIndex;
        ChangeActivePage(t);
        if (FActivePageIndex != before) {
            FChangeActiveTab = true;
            if (!ComponentState().Contains(csDesigning))
                StartTabGlow(t, 20, TRurPage::gsPush);
            Invalidate();
            FClickCount = -1;
            FOnTabChanged(this);
        }
    } else {
        FDownPageIndex = t;
        InvalidateTabsArea();
    }
}

void TRurToolBarPager::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    FMouseDown = FAnimating = false;
    if (FDownPageIndex >= 0) {
        FDownPageIndex = -1;
        InvalidateTabsArea();
    }
    if (GetTabsArea().Contains(Point(x, y))) {
        const int t = PtOnTab(x, y);
        if (t >= 0 && t == FActivePageIndex && !FChangeActiveTab) {
            ++FClickCount;
            FDblClickTimer->SetEnabled(true);
        }
    } else if (const int g = PtOnTabGroup(x, y); g >= 0) {
        // A header click shows the group's first page that can be shown.
        const TTabGroupItem* group = FTabGroups->Items(g);
        for (int i = group->TabIndexStart(); i <= group->TabIndexEnd(); ++i)
            if (TRurPage* page = RurPages(i); page && page->TabEnabled() && page->TabVisible()) {
                if (i != FActivePageIndex)
                    SetActivePageIndex(i);
                break;
            }
        FOnTabGroupClick(this, g);
    }
    if (FClickCount > 1 && FHidePagesOnDblClick) {
        SetExpandedState(!FExpanded);
        FDblClickTimer->SetEnabled(false);
        FClickCount = 0;
    }
    InvalidateTab(FActivePageIndex);
}

void TRurToolBarPager::DblClickTimerTick(TObject*)
{
    FDblClickTimer->SetEnabled(false);
    FClickCount = 0;
}
