// The rows of a dock panel: their rectangles, the panel's size, and the arrangement of the
// toolbars inside one row.
#include <algorithm>

#include "RurToolBar_DockPanel.h"
#include "RurToolBar_DockRows.h"
#include "RurToolBar_ToolBar.h"
#include "SysUtils.h"

namespace {

constexpr int MinRowHeight = 26;

// Runs change with the toolbar's bound-change permission set, so the change does not come back
// to the rows through its SetBounds.
template <class Change>
void WithBoundChange(TRurCustomToolBar* toolBar, Change&& change)
{
    const bool old = toolBar->AllowBoundChange();
    toolBar->SetAllowBoundChange(true);
    try {
        change();
    } catch (...) {
        toolBar->SetAllowBoundChange(old);
        throw;
    }
    toolBar->SetAllowBoundChange(old);
}

} // namespace

// ---- TRowCollectionItem: geometry helpers ------------------------------------------------------

TRowCollectionItem::TRowCollectionItem(TCollection* collection) : TCollectionItem(collection) {}

TRowCollectionItem::~TRowCollectionItem()
{
    if (TRowCollection* rows = Rows(); rows && rows->OnDeleteItem())
        rows->OnDeleteItem()(rows, Index());
}

TRowCollection* TRowCollectionItem::Rows() const { return static_cast<TRowCollection*>(Collection()); }
TRurDockPanel* TRowCollectionItem::Panel() const { return Rows()->Panel(); }
bool TRowCollectionItem::Vertical() const { return Panel()->IsVertical(); }
int TRowCollectionItem::OffSetX() const { return Rows()->OffSetX(); }
int TRowCollectionItem::Pos(const TRurCustomToolBar* t) const { return Vertical() ? t->Top() : t->Left(); }
int TRowCollectionItem::Len(const TRurCustomToolBar* t) const { return Vertical() ? t->Height() : t->Width(); }
int TRowCollectionItem::RowStart() const { return Vertical() ? FRowRect.Top : FRowRect.Left; }
int TRowCollectionItem::RowEnd() const { return Vertical() ? FRowRect.Bottom : FRowRect.Right; }
int TRowCollectionItem::Grow(const TRurCustomToolBar* t) const { return t->GetGrowRoom(); }
int TRowCollectionItem::Shrink(const TRurCustomToolBar* t) const { return t->GetShrinkRoom(); }

int TRowCollectionItem::GetGap(const TRurCustomToolBar* a, const TRurCustomToolBar* b) const
{
    if (a && b)
        return Pos(b) - Pos(a) - Len(a) - OffSetX();
    if (b)
        return Pos(b) - RowStart() - OffSetX();
    if (a)
        return RowEnd() - Pos(a) - Len(a) - OffSetX();
    return 0;
}

int TRowCollectionItem::GapAt(int index) const
{
    const int n = ToolBarCount();
    return GetGap(index > 0 ? ToolBar(index - 1) : nullptr, index < n ? ToolBar(index) : nullptr);
}

int TRowCollectionItem::GapAfter(int index) const { return GapAt(index + 1); }

void TRowCollectionItem::SetPos(TRurCustomToolBar* t, int pos) const
{
    WithBoundChange(t, [&] {
        if (Vertical())
            t->SetBounds(t->Left(), pos, t->Width(), t->Height());
        else
            t->SetBounds(pos, t->Top(), t->Width(), t->Height());
    });
}

void TRowCollectionItem::SetLen(TRurCustomToolBar* t, int len) const
{
    WithBoundChange(t, [&] {
        if (Vertical())
            t->SetBounds(t->Left(), t->Top(), t->Width(), len);
        else
            t->SetBounds(t->Left(), t->Top(), len, t->Height());
    });
}

void TRowCollectionItem::SetAcross(TRurCustomToolBar* t, int pos) const
{
    if ((Vertical() ? t->Left() : t->Top()) == pos)
        return;
    WithBoundChange(t, [&] {
        if (Vertical())
            t->SetBounds(pos, t->Top(), t->Width(), t->Height());
        else
            t->SetBounds(t->Left(), pos, t->Width(), t->Height());
    });
}

void TRowCollectionItem::MoveBy(int index, int delta) const
{
    if (delta != 0)
        SetPos(ToolBar(index), Pos(ToolBar(index)) + delta);
}

void TRowCollectionItem::MoveRangeBy(int from, int to, int delta) const
{
    for (int i = from; i <= to; ++i)
        MoveBy(i, delta);
}

void TRowCollectionItem::ResizeBy(int index, int delta) const
{
    if (delta != 0)
        SetLen(ToolBar(index), Len(ToolBar(index)) + delta);
}

void TRowCollectionItem::FitFullSize(TRurCustomToolBar* t) const
{
    const int w = RowEnd() - RowStart() - 2 * OffSetX();
    WithBoundChange(t, [&] {
        TSizeConstraints* c = t->Constraints();
        if (Vertical()) {
            c->SetMinHeight(0);
            c->SetMaxHeight(w);
            c->SetMinHeight(w);
        } else {
            c->SetMinWidth(0);
            c->SetMaxWidth(w);
            c->SetMinWidth(w);
        }
    });
    SetPos(t, RowStart() + OffSetX());
    SetLen(t, w);
}

// ---- TRowCollectionItem: membership ------------------------------------------------------------

int TRowCollectionItem::Height() const
{
    int h = MinRowHeight;
    for (int i = 0; i < ToolBarCount(); ++i)
        h = std::max(h, Vertical() ? ToolBar(i)->Width() : ToolBar(i)->Height());
    return h;
}

bool TRowCollectionItem::IsAllowed(const TRurCustomToolBar* toolBar) const
{
    if (ToolBarCount() > 0 && ToolBar(0)->FullSize())
        return false;
    return !toolBar->FullSize() || ToolBarCount() == 0;
}

int TRowCollectionItem::AddToolBar(TRurCustomToolBar* toolBar)
{
    if (!toolBar || FToolBarList.IndexOf(toolBar) >= 0 || !IsAllowed(toolBar))
        return -1;
    if (toolBar->FullSize()) {
        FitFullSize(toolBar);
        toolBar->UpdateHiddenControls();
    } else if (ToolBarCount() == 0) {
        // A vertical row fills from its bottom end.
        SetPos(toolBar, Vertical() ? RowEnd() - Len(toolBar) - OffSetX() : RowStart() + OffSetX());
    } else {
        const TRurCustomToolBar* last = ToolBar(ToolBarCount() - 1);
        SetPos(toolBar, Pos(last) + Len(last) + OffSetX());
    }
    FToolBarList.Add(toolBar);
    toolBar->SetRow(Index());
    Rows()->ArrangeRows();
    return FToolBarList.IndexOf(toolBar);
}

bool TRowCollectionItem::InsertToolBar(TRurCustomToolBar* toolBar)
{
    if (!toolBar || FToolBarList.IndexOf(toolBar) >= 0 || toolBar->FullSize() || !IsAllowed(toolBar))
        return false;
    int at = 0;
    while (at < ToolBarCount() && Pos(ToolBar(at)) <= Pos(toolBar))
        ++at;
    const bool before = at < ToolBarCount();
    FToolBarList.Insert(at, toolBar);
    toolBar->SetRow(Index());
    Rows()->ArrangeRows();
    return before;
}

void TRowCollectionItem::RemoveToolBar(TRurCustomToolBar* toolBar, bool deleteIfEmpty)
{
    if (FToolBarList.IndexOf(toolBar) < 0)
        return;
    FToolBarList.Remove(toolBar);
    ArrangeToolBars();
    if (deleteIfEmpty)
        Rows()->DeleteRowIfEmpty(this);
}

// ---- TRowCollectionItem: arrangement -----------------------------------------------------------

void TRowCollectionItem::ResolveOverlap(int c, int& e) const
{
    // First into the gaps before the overlapping toolbar, then out of the shrink rooms.
    for (int f = c; f >= 0 && e < 0; --f) {
        const int g = std::min(GapAt(f), -e);
        if (g > 0) {
            MoveRangeBy(f, c, -g);
            e += g;
        }
    }
    for (int f = c; f >= 0 && e < 0; --f) {
        const int g = std::min(Shrink(ToolBar(f)), -e);
        if (g > 0) {
            ResizeBy(f, -g);
            MoveRangeBy(f + 1, c, -g);
            e += g;
        }
    }
}

void TRowCollectionItem::ArrangeToolBars()
{
    const int n = ToolBarCount();
    const int across = Vertical() ? FRowRect.Left : FRowRect.Top;
    for (int c = 0; c < n; ++c) {
        TRurCustomToolBar* t = ToolBar(c);
        SetAcross(t, across);
        if (t->Row() != Index())
            t->SetRow(Index());
        if (c == 0 && t->FullSize()) {
            FitFullSize(t);
            break;
        }
        int e = GapAfter(c);
        if (e > 0) {
            // Free space after the toolbar: those that can grow take it, the nearest first.
            for (int f = c; f >= 0 && e >= 1; --f) {
                const int g = std::min(Grow(ToolBar(f)), e);
                if (g > 0) {
                    ResizeBy(f, g);
                    MoveRangeBy(f + 1, c, g);
                    e -= g;
                }
            }
            for (int f = c + 1; f < n && e >= 1; ++f) {
                const int g = std::min(Grow(ToolBar(f)), e);
                if (g > 0) {
                    ResizeBy(f, g);
                    e -= g;
                }
            }
        } else if (e < 0) {
            ResolveOverlap(c, e);
        }
        // The toolbar grows into the gaps before it while it has room to grow. (It is the one that
        // widens: its own grow room bounds the amount.)
        int r = Grow(t);
        for (int g = c; g >= 0 && r > 0; --g) {
            const int h = std::min(GapAt(g), r);
            if (h > 0) {
                MoveRangeBy(g, c, -h);
                ResizeBy(c, h);
                r -= h;
            }
        }
    }
    for (int d = 0; d < n; ++d) {
        if (d == 0) {
            const int gap = GapAt(0);
            if (gap < 0)
                MoveBy(0, -gap);
        }
        if (d == n - 1) {
            int e = GapAfter(d);
            if (e < 0)
                ResolveOverlap(d, e);
        } else {
            const int b = GapAfter(d);
            if (b < 0)
                MoveBy(d + 1, -b);
        }
    }
}

bool TRowCollectionItem::NeedsArrange() const
{
    const int n = ToolBarCount();
    if (n > 0 && ToolBar(0)->FullSize()) {
        const TRurCustomToolBar* t = ToolBar(0);
        return Len(t) != RowEnd() - RowStart() - 2 * OffSetX() || Pos(t) != RowStart() + OffSetX();
    }
    int sum = 0;
    for (int i = 0; i <= n; ++i) {
        const int gap = GapAt(i);
        if (i > 0 && gap < 0)
            return true;
        sum += gap;
    }
    if (sum <= 0)
        return false;
    for (int i = 0; i < n; ++i)
        if (Grow(ToolBar(i)) > 0)
            return true;
    return false;
}

// ---- TRowCollection ----------------------------------------------------------------------------

TRowCollection::TRowCollection(TRurDockPanel* owner) : TCollection(TRowCollectionItem::StaticClass()), FOwner(owner) {}

TPersistent* TRowCollection::GetOwner() const { return FOwner; }
bool TRowCollection::Vertical() const { return FOwner->IsVertical(); }
bool TRowCollection::Locked() const { return FOwner->IsLocked(); }

TRowCollectionItem* TRowCollection::Add()
{
    auto* row = static_cast<TRowCollectionItem*>(TCollection::Add());
    ArrangeRows();
    return row;
}

TRowCollectionItem* TRowCollection::Insert(int index)
{
    auto* row = static_cast<TRowCollectionItem*>(TCollection::Insert(index));
    ArrangeRows();
    return row;
}

int TRowCollection::IsToolBarAlreadyAdded(const TRurCustomToolBar* toolBar) const
{
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->ToolBars().IndexOf(const_cast<TRurCustomToolBar*>(toolBar)) >= 0)
            return i;
    return -1;
}

void TRowCollection::ArrangeRows()
{
    const int along0 = FOwner->OffSetX();
    int at = FOffSetY;
    for (int i = 0; i < Count(); ++i) {
        TRowCollectionItem* row = Items(i);
        const int h = row->Height();
        if (Vertical())
            row->SetRowRect({at, along0, at + h + FOffSetY, FOwner->Height() - along0});
        else
            row->SetRowRect({along0, at, FOwner->Width() - along0, at + h + FOffSetY});
        row->ArrangeToolBars();
        at += row->Height() + FOffSetY;
    }
    UpdateDockSize();
}

void TRowCollection::UpdateDockSize()
{
    if (Locked())
        return;
    const bool vertical = Vertical();
    const int offset = vertical ? FOwner->OffSetX() : FOwner->OffSetY();
    const bool designing = FOwner->ComponentState().Contains(csDesigning);
    const int dropSpace = designing && !FOwner->UseRunTimeHeight() ? 13 : 0;
    int n;
    if (Count() == 0) {
        n = dropSpace ? 2 * offset + dropSpace : FOwner->MinimumSize();
    } else {
        const TRect last = Items(Count() - 1)->RowRect();
        n = (vertical ? last.Right : last.Bottom) + offset + dropSpace;
    }
    switch (FOwner->Align()) {
    case daTop:
        FOwner->SetHeight(n);
        break;
    case daLeft:
        FOwner->SetWidth(n);
        break;
    case daBottom:
        // Grows upwards: its bottom edge stays.
        if (n > FOwner->Height())
            FOwner->SetBounds(FOwner->Left(), FOwner->Top() - (n - FOwner->Height()), FOwner->Width(), n);
        else
            FOwner->SetHeight(n);
        break;
    case daRight:
        if (n > FOwner->Width())
            FOwner->SetBounds(FOwner->Left() - (n - FOwner->Width()), FOwner->Top(), n, FOwner->Height());
        else
            FOwner->SetWidth(n);
        break;
    }
}

void TRowCollection::PackToolBars()
{
    for (int r = 0; r < Count(); ++r) {
        TRowCollectionItem* row = Items(r);
        row->ArrangeToolBars();
        const TRurCustomToolBar* previous = nullptr;
        for (int i = 0; i < row->ToolBarCount(); ++i) {
            TRurCustomToolBar* t = row->ToolBar(i);
            if (!t->Visible())
                continue;
            // Through the toolbar's own bounds route, so the row rules see the move.
            if (Vertical())
                t->SetTop((previous ? previous->Top() + previous->Height() : row->RowRect().Top) + FOffSetX);
            else
                t->SetLeft((previous ? previous->Left() + previous->Width() : row->RowRect().Left) + FOffSetX);
            previous = t;
        }
    }
}

void TRowCollection::DeleteRowIfEmpty(TRowCollectionItem* row)
{
    if (!row || row->ToolBarCount() > 0 || Locked())
        return;
    delete row;
    ArrangeRows();
}

void TRowCollection::MoveToolBarToRow(TRurCustomToolBar* toolBar, int index)
{
    if (index < 0 || index >= Count())
        throw Exception(u"Invalid Row Index");
    if (!toolBar)
        return;
    TRowCollectionItem* target = Items(index);
    if (target->ToolBars().IndexOf(toolBar) >= 0 || !target->IsAllowed(toolBar))
        return;
    const int from = IsToolBarAlreadyAdded(toolBar);
    TRowCollectionItem* old = from >= 0 ? Items(from) : nullptr;
    if (old)
        old->RemoveToolBar(toolBar, false);
    target->AddToolBar(toolBar);
    DeleteRowIfEmpty(old);
}

void TRowCollection::MoveToNewRow(TRurCustomToolBar* toolBar, int index)
{
    const int from = IsToolBarAlreadyAdded(toolBar);
    if (from >= 0) {
        const int before = Count();
        Items(from)->RemoveToolBar(toolBar, true);
        // Its old row went: the rows after it moved up by one.
        if (Count() < before && index > from)
            --index;
    }
    Insert(std::clamp(index, 0, Count()))->AddToolBar(toolBar);
}

void TRowCollection::MoveToOwnRow(TRurCustomToolBar* toolBar)
{
    const int r = toolBar->Row();
    if (r < 0 || r >= Count())
        return;
    Items(r)->RemoveToolBar(toolBar, true);
    TRowCollectionItem* row = Insert(std::min(r, Count()));
    row->AddToolBar(toolBar);
    row->ArrangeToolBars();
}

void TRowCollection::UpdateToolBarVisibility(TRurCustomToolBar* toolBar)
{
    const int r = toolBar->Row();
    if (!toolBar->Visible()) {
        if (r >= 0 && r < Count())
            Items(r)->RemoveToolBar(toolBar, true);
        return;
    }
    if (IsToolBarAlreadyAdded(toolBar) >= 0)
        return;
    if (r >= 0 && r < Count() && Items(r)->IsAllowed(toolBar) && !toolBar->ComponentState().Contains(csDesigning))
        Items(r)->InsertToolBar(toolBar);
    // A full-size toolbar is never inserted among others: it still needs a row.
    if (IsToolBarAlreadyAdded(toolBar) >= 0)
        return;
    if (FOwner->LockHeight() && Count() > 0)
        Items(Count() - 1)->AddToolBar(toolBar);
    else
        Add()->AddToolBar(toolBar);
}
