// Scrolling a page's toolbars when even compacted they do not fit its width.
#include "RurRibbonPage.h"

#include "Math.h"
#include "RurRibbonPager.h"
#include "RurRibbonPageScrollButton.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_ToolBar.h"

namespace {
constexpr int Margin = 3;
}

int TRurPage::CountFittingToolBars(int index, bool forward) const
{
    TDbgList list;
    GetToolBarsSortedByLeft(list);
    if (index < 0 || index >= list.Count())
        return 0;
    int x = Margin, count = 0;
    for (int i = index; forward ? i < list.Count() : i >= 0; i += forward ? 1 : -1) {
        const TControl* toolBar = list.Item<TControl>(i);
        if (!toolBar->Visible())
            continue;
        x += toolBar->Width();
        if (x >= Width())
            break;
        x += Margin;
        ++count;
    }
    return count;
}

int TRurPage::VisibleToolBarCount() const
{
    int count = 0;
    for (int i = 0; i < FRurToolBars.Count(); ++i)
        count += FRurToolBars.Item<TControl>(i)->Visible() ? 1 : 0;
    return count;
}

bool TRurPage::AllToolBarsCompact() const
{
    for (int i = 0; i < FRurToolBars.Count(); ++i)
        if (auto* toolBar = FRurToolBars.Item<TRurToolBar>(i); toolBar->Visible() && !toolBar->IsCompact())
            return false;
    return true;
}

TRurPageScrollButton* TRurPage::EnsureScrollButton(bool left)
{
    TRurPageScrollButton*& button = left ? FLeftScrollBtn : FRightScrollBtn;
    if (!button) {
        button = new TRurPageScrollButton(this);
        button->SetAlign(left ? alLeft : alRight);
        button->SetWidth(static_cast<int>(Round(12 * DPIScale)));
        button->SetScrollArrow(left ? saLeft : saRight);
        button->SetButtonPosition(left ? bpLeft : bpRight);
        button->SetOnClick(left ? MakeHandler<&TRurPage::ScrollToolBarsLeft>(this)
                                : MakeHandler<&TRurPage::ScrollToolBarsRight>(this));
        button->SetParent(this);
    }
    return button;
}

void TRurPage::UpdateToolBarScroller()
{
    if (ComponentState().Contains(csDesigning))
        return;
    const int visible = VisibleToolBarCount();
    const int fitting = std::max(CountFittingToolBars(0, true), 1);
    int max = 0;
    if (fitting < visible && AllToolBarsCompact()) {
        int k = 0, sum = 0;
        for (int i = 0; i < FRurToolBars.Count(); ++i) {
            const int n = std::max(CountFittingToolBars(k, true), 1);
            sum += n;
            if (sum >= visible)
                break;
            ++max;
            k = n + 1;
        }
    }
    FToolBarScroller.SetMax(max);
    FToolBarScroller.SetPosition(std::min(FToolBarScroller.Position(), max));
    const bool needs[] = {FToolBarScroller.CanGoBack(), FToolBarScroller.CanGoForward()};
    for (int side = 0; side < 2; ++side) {
        TRurPageScrollButton* existing = side == 0 ? FLeftScrollBtn : FRightScrollBtn;
        if (needs[side])
            EnsureScrollButton(side == 0)->Show();
        else if (existing)
            existing->Hide();
    }
}

void TRurPage::ResetToolBarScroll()
{
    FLeftATBIndex = 0;
    FToolBarScroller.Reset();
    UpdateToolBarScroller();
}

int TRurPage::ScrollToolBars(int delta)
{
    if (delta > 0) {
        const int n = std::min(delta, FToolBarScroller.Max() - FToolBarScroller.Position());
        if (!FToolBarScroller.CanGoForward() || n <= 0)
            return 0;
        FToolBarScroller.SetPosition(FToolBarScroller.Position() + n);
        int target = FLeftATBIndex;
        for (int i = 0; i < n && target < VisibleToolBarCount(); ++i)
            target += CountFittingToolBars(FLeftATBIndex, true);
        ScrollToToolBar(target);
        return n;
    }
    if (delta < 0) {
        const int n = std::min(-delta, FToolBarScroller.Position() - FToolBarScroller.Min());
        if (!FToolBarScroller.CanGoBack() || n <= 0 || FLeftATBIndex <= 0)
            return 0;
        FToolBarScroller.SetPosition(FToolBarScroller.Position() - n);
        int target = FLeftATBIndex;
        for (int i = 0; i < n && target > 0; ++i)
            target -= CountFittingToolBars(FLeftATBIndex - 1, false);
        ScrollToToolBar(target);
        return -n;
    }
    return 0;
}

void TRurPage::ScrollToolBarsLeft(TObject*) { ScrollToolBars(-1); }
void TRurPage::ScrollToolBarsRight(TObject*) { ScrollToolBars(1); }

void TRurPage::ScrollToToolBar(int index)
{
    if (FUpdatingATBPosition || index >= VisibleToolBarCount())
        return;
    TDbgList list;
    GetToolBarsSortedByLeft(list);
    if (list.Count() == 0)
        return;
    index = std::max(index, 0);
    FUpdatingATBPosition = true;
    const auto shiftAll = [&](int d) {
        for (int i = 0; i < list.Count(); ++i) {
            TControl* toolBar = list.Item<TControl>(i);
            toolBar->SetLeft(toolBar->Left() + d);
        }
    };
    bool moved = false;
    if (index > FLeftATBIndex) {
        while (index > 0 && CountFittingToolBars(index - 1, true) > CountFittingToolBars(index, true))
            --index;
        if (index > FLeftATBIndex) {
            const TControl* last = list.Item<TControl>(list.Count() - 1);
            for (bool final = false; !final;) {
                int d = 5;
                if (last->Left() + last->Width() + Margin - d <= Width() - Margin) {
                    d = last->Left() + last->Width() - (Width() - Margin);
                    final = true;
                } else if (list.Item<TControl>(index)->Left() - d <= Margin) {
                    // The step's margin: the toolbar at index ends 3 pixels from the left.
                    d = list.Item<TControl>(index)->Left() - Margin;
                    final = true;
                }
                shiftAll(-d);
            }
            moved = true;
        }
    } else if (index < FLeftATBIndex) {
        for (bool final = false; !final;) {
            int d = 5;
            if (list.Item<TControl>(0)->Left() + Margin + d >= Margin) {
                d = Margin - list.Item<TControl>(0)->Left();
                final = true;
            } else if (list.Item<TControl>(index)->Left() + Margin + d >= Margin) {
                d = Margin - list.Item<TControl>(index)->Left();
                final = true;
            }
            shiftAll(d);
        }
        moved = true;
    }
    FUpdatingATBPosition = false;
    if (moved) {
        FLeftATBIndex = index;
        UpdateToolBarScroller();
    }
}
