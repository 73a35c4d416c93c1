// The ribbon page's sizing steps of a ribbon group: its auto-sized glow buttons become smaller
// (large ones labelled, three to a column; labelled ones glyph-only, a column at a time) or larger
// again, one step at a time, as the page runs out of width or gains it.
#include <algorithm>
#include <array>
#include <cstdlib>

#include "RurGlowButton.h"
#include "RurToolBar_ToolBar.h"

namespace {

// The glow button at index i of the sequence that can leave state from towards to, else null.
TRurCustomGlowButton* Steppable(const TDbgList& list, int i, TButtonSizeState from, bool reduce)
{
    if (i < 0 || i >= list.Count())
        return nullptr;
    auto* glow = dynamic_cast<TRurCustomGlowButton*>(list.Item<TControl>(i));
    if (!glow || !glow->AutoSize() || glow->ButtonSizeState() != from)
        return nullptr;
    const bool can = reduce ? glow->MinButtonSizeState() < from : glow->MaxButtonSizeState() > from;
    return can ? glow : nullptr;
}

// The last index i whose entries i and i - 1 can both leave state from.
int LastPair(const TDbgList& list, TButtonSizeState from, bool reduce)
{
    for (int i = list.Count() - 1; i > 0; --i)
        if (Steppable(list, i, from, reduce) && Steppable(list, i - 1, from, reduce))
            return i;
    return -1;
}

} // namespace

void TRurCustomToolBar::BuildSequenceList(TDbgList& list, bool visibleOnly) const
{
    list.Clear();
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* control = Controls(i);
        if (visibleOnly && !control->Visible())
            continue;
        if (IsVertical()) {
            list.Insert(0, control);
            continue;
        }
        // By Left, then Top; equal places keep the child order.
        int at = list.Count();
        while (at > 0) {
            const TControl* before = list.Item<TControl>(at - 1);
            if (before->Left() < control->Left() || (before->Left() == control->Left() && before->Top() <= control->Top()))
                break;
            --at;
        }
        list.Insert(at, control);
    }
}

int TRurCustomToolBar::ReduceButtonSizes(TButtonSizeState& newState, bool apply)
{
    return SizeStep(newState, apply, true);
}

int TRurCustomToolBar::EnlargeButtonSizes(TButtonSizeState& newState, bool apply)
{
    return SizeStep(newState, apply, false);
}

int TRurCustomToolBar::SizeStep(TButtonSizeState& newState, bool apply, bool reduce)
{
    if (!FAutoPositionControls || !FAutoSize || !(OnRibbonPage() || OnCompactWindow()) || FCompact)
        return 0;
    // The flags come back however the step ends: left set, removed controls would stay listed.
    struct TRestore {
        bool& Flag;
        bool Old;
        ~TRestore() { Flag = Old; }
    };
    const TRestore positioning{FInternalControlPositioning, FInternalControlPositioning};
    const TRestore updation{FInternalControlUpdation, FInternalControlUpdation};
    FInternalControlPositioning = true;
    FInternalControlUpdation = true;
    BuildSequenceList(FSeqControlList, true);
    // Between large and labelled the buttons of a column stand side by side when large; between
    // labelled and glyph a column keeps its place and only its width changes.
    struct TStep {
        TButtonSizeState From, To;
        bool Column;
    };
    using TSteps = std::array<TStep, 2>;
    const TSteps steps = reduce ? TSteps{{{bsLarge, bsLabel, false}, {bsLabel, bsGlyph, true}}}
                                : TSteps{{{bsGlyph, bsLabel, true}, {bsLabel, bsLarge, false}}};
    int result = 0;
    for (const TStep& step : steps) {
        const int last = LastPair(FSeqControlList, step.From, reduce);
        if (last < 0)
            continue;
        const int left = FSeqControlList.Item<TControl>(last)->Left();
        int oldSum = 0, oldMax = 0, newSum = 0, newMax = 0;
        bool moved = false;
        for (int i = last; i > last - 3; --i) {
            TRurCustomGlowButton* glow = Steppable(FSeqControlList, i, step.From, reduce);
            if (!glow || (step.Column && glow->Left() != left))
                break;
            oldSum += glow->Width();
            oldMax = std::max(oldMax, glow->Width());
            int width;
            if (apply) {
                glow->SetButtonSizeState(step.To);
                moved = moved || glow->ButtonSizeState() == step.To;
                width = glow->Width();
            } else {
                width = glow->ButtonSize(step.To).cx;
            }
            newSum += width;
            newMax = std::max(newMax, width);
        }
        const bool split = step.From == bsLarge || step.To == bsLarge;
        const int before = split && step.From == bsLarge ? oldSum : oldMax;
        const int after = split && step.To == bsLarge ? newSum : newMax;
        newState = step.To;
        // A button that keeps its state makes no step (the smallest or largest form is reached).
        result = apply && !moved ? 0 : std::abs(before - after);
        if (apply)
            ArrangeControls(true);
        break;
    }
    return result;
}

void TRurCustomToolBar::ReduceToSmallest()
{
    TButtonSizeState state = bsLarge;
    while (ReduceButtonSizes(state, true) != 0) {
    }
}

void TRurCustomToolBar::EnlargeToLargest()
{
    TButtonSizeState state = bsGlyph;
    while (EnlargeButtonSizes(state, true) != 0) {
    }
}
