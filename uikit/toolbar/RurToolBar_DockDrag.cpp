// A docked toolbar dragged or resized: first the rows decide from the requested across
// coordinate whether it stays in its row, moves to another or opens a new one; then its row
// places it along the row, pushing, shrinking and growing its neighbours and swapping it with its
// left neighbour when dragged far enough.
#include <algorithm>

#include "RurToolBar_DockPanel.h"
#include "RurToolBar_DockRows.h"
#include "RurToolBar_ToolBar.h"
#include "SysUtils.h"

// ---- Across rows -------------------------------------------------------------------------------

void TRowCollection::SetToolBarTopAndHeight(TRurCustomToolBar* toolBar, int& top, int& height)
{
    if (!Vertical())
        ChangeRow(toolBar, top, height);
}

void TRowCollection::SetToolBarLeftAndWidth(TRurCustomToolBar* toolBar, int& left, int& width)
{
    if (Vertical())
        ChangeRow(toolBar, left, width);
}

void TRowCollection::ChangeRow(TRurCustomToolBar* toolBar, int& across, int& thickness)
{
    const int r = toolBar->Row();
    if (r < 0 || r >= Count())
        return;
    const bool vertical = Vertical();
    auto start = [vertical](const TRowCollectionItem* row) { return vertical ? row->RowRect().Left : row->RowRect().Top; };
    auto end = [vertical](const TRowCollectionItem* row) { return vertical ? row->RowRect().Right : row->RowRect().Bottom; };
    auto current = [vertical, toolBar] { return vertical ? toolBar->Left() : toolBar->Top(); };
    TRowCollectionItem* row = Items(r);
    const int s = start(row);
    const int n = row->ToolBarCount();
    const bool locked = Locked();
    if (across >= s - 5 && across <= s - 3 && n >= 2) {
        // Nudged up: a row of its own above.
        if (!locked)
            MoveToNewRow(toolBar, r);
        across = current();
    } else if (across < s - 6 && r > 0) {
        for (int k = 0; k < Count(); ++k) {
            if (k == r || !(start(Items(k)) <= across && across < end(Items(k))))
                continue;
            if (Items(k)->IsAllowed(toolBar))
                MoveToolBarToRow(toolBar, k);
            else if (!locked)
                MoveToNewRow(toolBar, k);
            break;
        }
        across = current();
    } else if (across >= s + 3 && across <= s + 5 && n >= 2) {
        // Nudged down: a row of its own below.
        if (!locked)
            MoveToNewRow(toolBar, r + 1);
        across = current();
    } else if (across > s + 5 && r < Count() - 1) {
        for (int k = r + 1; k < Count(); ++k) {
            if (!(across < end(Items(k))))
                continue;
            if (Items(k)->IsAllowed(toolBar))
                MoveToolBarToRow(toolBar, k);
            else if (!locked)
                MoveToNewRow(toolBar, k + 1);
            break;
        }
        across = current();
    } else {
        if (!vertical && FOwner->ComponentState().Contains(csDesigning) && across > s + 5 && r == Count() - 1 && n > 1)
            MoveToNewRow(toolBar, Count());
        const int now = toolBar->Row();
        across = now >= 0 && now < Count() ? start(Items(now)) : current();
    }
    if (thickness != (vertical ? toolBar->Width() : toolBar->Height())) {
        const bool old = toolBar->AllowBoundChange();
        toolBar->SetAllowBoundChange(true);
        if (vertical)
            toolBar->SetWidth(thickness);
        else
            toolBar->SetHeight(thickness);
        toolBar->SetAllowBoundChange(old);
        ArrangeRows();
    }
}

// ---- Along the row -----------------------------------------------------------------------------

void TRowCollectionItem::SetToolBarLeftAndWidth(TRurCustomToolBar* toolBar, int& left, int& width)
{
    if (!Vertical())
        Place(toolBar, left, width);
}

void TRowCollectionItem::SetToolBarTopAndHeight(TRurCustomToolBar* toolBar, int& top, int& height)
{
    if (Vertical())
        Place(toolBar, top, height);
}

void TRowCollectionItem::Place(TRurCustomToolBar* toolBar, int& pos, int& len)
{
    const int i = FToolBarList.IndexOf(toolBar);
    if (i < 0)
        throw Exception(u"Invalid ToolBar Index");
    if (pos < Pos(toolBar)) {
        pos = std::max(pos, RowStart() + OffSetX());
        // The first toolbar simply stops at the row's start.
        if (i == 0)
            return;
        DragBackward(i, pos);
    } else if (pos > Pos(toolBar)) {
        DragForward(i, pos);
    } else if (len < Len(toolBar)) {
        // Narrower: as asked, except that a toolbar alone keeps its arranged length.
        if (ToolBarCount() != 1)
            return;
        ArrangeToolBars();
    } else if (len > Len(toolBar)) {
        ResizeAlong(i, len);
    }
    pos = Pos(toolBar);
    len = Len(toolBar);
}

void TRowCollectionItem::DragBackward(int i, int requested)
{
    TRurCustomToolBar* t = ToolBar(i);
    const int n = ToolBarCount();
    int b = Pos(t) - requested;
    // Into the gaps before it, pushing the toolbars in between along.
    for (int f = i; f >= 0 && b >= 1; --f) {
        int g = GapAt(f);
        if (g > 0) {
            g = std::min(g, b);
            b -= g;
            MoveRangeBy(f, i, -g);
        }
    }
    // Out of what the toolbars before it can shrink, when those from it on can take the length.
    if (b > 0 && GapAt(n) < 1) {
        for (int f = i - 1; f >= 0 && b >= 1; --f) {
            int growAfter = 0;
            for (int j = i; j < n; ++j)
                growAfter += std::max(0, Grow(ToolBar(j)));
            const int g = std::min({Shrink(ToolBar(f)), b, growAfter});
            if (g <= 0)
                continue;
            ResizeBy(f, -g);
            MoveRangeBy(f + 1, i - 1, -g);
            int left = g;
            for (int j = i; j < n && left > 0; ++j) {
                const int m = std::min(Grow(ToolBar(j)), left);
                if (m <= 0)
                    continue;
                MoveRangeBy(i, j, -m);
                ResizeBy(j, m);
                left -= m;
            }
            b -= g;
        }
    }
    // Far enough past its left neighbour: they change places.
    if (b > 0 && !t->ComponentState().Contains(csLoading)) {
        const TRurCustomToolBar* neighbour = ToolBar(i - 1);
        if (Pos(neighbour) + 5 >= Pos(t) - b) {
            FToolBarList.Exchange(i - 1, i);
            ArrangeToolBars();
        }
    }
}

void TRowCollectionItem::DragForward(int i, int requested)
{
    const int n = ToolBarCount();
    int c = requested - Pos(ToolBar(i));
    for (int d = i; d < n && c >= 1; ++d) {
        int g = GapAfter(d);
        if (g > 0) {
            g = std::min(g, c);
            c -= g;
            MoveRangeBy(i, d, g);
        }
    }
    int gapsBefore = 0;
    for (int d = 0; d <= i; ++d)
        gapsBefore += GapAt(d);
    if (c <= 0 || gapsBefore >= 1)
        return;
    // The toolbars from the last down to it shrink and the ones before it grow by as much.
    int growBefore = 0;
    for (int d = 0; d < i; ++d)
        growBefore += std::max(0, Grow(ToolBar(d)));
    int f = std::min(c, growBefore);
    for (int j = n - 1; j >= i && f >= 1; --j) {
        const int g = std::min(Shrink(ToolBar(j)), f);
        if (g <= 0)
            continue;
        ResizeBy(j, -g);
        MoveRangeBy(i, j, g);
        int left = g;
        for (int k = i - 1; k >= 0 && left > 0; --k) {
            const int m = std::min(Grow(ToolBar(k)), left);
            if (m <= 0)
                continue;
            ResizeBy(k, m);
            MoveRangeBy(k + 1, i - 1, m);
            left -= m;
        }
        f -= g;
    }
}

void TRowCollectionItem::ResizeAlong(int i, int length)
{
    const int n = ToolBarCount();
    int c = length - Len(ToolBar(i));
    for (int d = i; d < n && c >= 1; ++d) {
        const int gap = GapAfter(d);
        if (gap <= 0)
            continue;
        const int g = std::min(gap, c);
        MoveRangeBy(i + 1, d, g);
        ResizeBy(i, g);
        c -= g;
    }
    int gapsBefore = 0;
    for (int d = 0; d <= i; ++d)
        gapsBefore += GapAt(d);
    if (gapsBefore <= 0)
        return;
    for (int d = i; d >= 0 && c >= 1; --d) {
        const int gap = GapAt(d);
        if (gap <= 0)
            continue;
        const int g = std::min(gap, c);
        MoveRangeBy(d, i, -g);
        ResizeBy(i, g);
        c -= g;
    }
}
