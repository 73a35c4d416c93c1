// Key tips of a ribbon group and the keyboard on the ribbon: typed codes select glow buttons, the
// compacted group's clone opens a further level of key tips, Escape goes back a level and the arrow
// keys move between the buttons of a group and across the groups of a page.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "RurGlowButton.h"
#include "RurToolBar_CompactWindow.h"
#include "RurToolBar_KeyTips.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_RibbonHost.h"
#include "RurToolBar_ToolBar.h"
#include "SysUtils.h"

namespace {

bool SameCode(const String& a, const String& b) { return UpperCase(a) == UpperCase(b); }

// How a code compares with the typed characters: equal, beginning with them, or neither.
enum class TCodeMatch { Full, Partial, None };

TCodeMatch MatchCode(const String& code, const String& chars)
{
    if (code.empty())
        return TCodeMatch::None;
    if (SameCode(code, chars))
        return TCodeMatch::Full;
    return code.size() >= chars.size() && SameCode(code.substr(0, chars.size()), chars) ? TCodeMatch::Partial
                                                                                         : TCodeMatch::None;
}

// Glow buttons nested in a window control of a group: a full match clicks; others count or hide.
bool ProcessIn(TWinControl* container, const String& chars, int& partialCount, TRurCustomGlowButton*& clicked)
{
    for (int i = 0; i < container->ControlCount(); ++i) {
        TControl* control = container->Controls(i);
        if (!control->Enabled() || !control->Visible() || !IsControlShowing(control))
            continue;
        if (auto* glow = dynamic_cast<TRurCustomGlowButton*>(control)) {
            const TCodeMatch match = MatchCode(glow->ShortCutHint(), chars);
            if (match == TCodeMatch::Full) {
                clicked = glow;
                return true;
            }
            if (match == TCodeMatch::Partial)
                ++partialCount;
            else if (!glow->ShortCutHint().empty())
                glow->HideShortCutHint();
        } else if (auto* window = dynamic_cast<TWinControl*>(control); window && ProcessIn(window, chars, partialCount, clicked)) {
            return true;
        }
    }
    return false;
}

// Every glow button inside the container (showing ones only) shows or hides its key tip.
void ShowNestedKeyTips(TWinControl* container, bool show)
{
    for (int i = 0; i < container->ControlCount(); ++i) {
        TControl* control = container->Controls(i);
        if (!control->Visible() || !IsControlShowing(control) || (show && !control->Enabled()))
            continue;
        if (auto* glow = dynamic_cast<TRurCustomGlowButton*>(control))
            show ? glow->ShowShortCutHint() : glow->HideShortCutHint();
        else if (auto* window = dynamic_cast<TWinControl*>(control))
            ShowNestedKeyTips(window, show);
    }
}

void FocusIfPossible(TWinControl* control)
{
    if (control && control->CanFocus())
        control->SetFocus();
}

} // namespace

bool TRurCustomToolBar::ProcessShortCutHint(const String& chars, int& partialCount)
{
    for (int i = 0; i < FATBControls.Count(); ++i) {
        TControl* control = FATBControls.Item<TControl>(i);
        if (auto* glow = dynamic_cast<TRurCustomGlowButton*>(control)) {
            const TCodeMatch match = MatchCode(glow->ShortCutHint(), chars);
            if (match == TCodeMatch::Full) {
                // A disabled or hidden button with the code is passed over.
                if (glow->Visible() && glow->Enabled()) {
                    TriggerKeyTip(glow);
                    return true;
                }
            } else if (match == TCodeMatch::Partial) {
                ++partialCount;
            } else if (!glow->ShortCutHint().empty()) {
                glow->HideShortCutHint();
            }
        } else if (auto* window = dynamic_cast<TWinControl*>(control)) {
            TRurCustomGlowButton* clicked = nullptr;
            if (window->Enabled() && window->Visible() && IsControlShowing(window) &&
                ProcessIn(window, chars, partialCount, clicked)) {
                clicked->InvokeClick();
                RestorePagerFocus();
                return true;
            }
        }
    }
    return false;
}

void TRurCustomToolBar::TriggerKeyTip(TRurCustomGlowButton* glow)
{
    IRibbonGroupHost* host = RibbonHost();
    const bool inFloatingRibbon = glow == FCompactBtn && host && host->InFloatingRibbon();
    const bool canHide = inFloatingRibbon && host->HoldFloatingRibbon();
    FocusIfPossible(glow);
    glow->Repaint();
    if (glow->IsMenuButton()) {
        glow->DoDropDown();
    } else {
        glow->InvokeClick();
        if (glow->GroupIndex() > 0)
            glow->SetDown(true);
    }
    if (glow != FCompactBtn && host && host->FloatingRibbonShowing())
        host->HideFloatingRibbon();
    if (FSelfClone && OnRibbonPage()) {
        // The next level: the key tips of the buttons in the compact window.
        FSelfClone->ShowShortCutHints();
        FSelfClone->FCompactShortCutHintShowing = true;
        if (FCompactWindow && FCompactWindow->Visible())
            FocusIfPossible(FSelfClone);
    } else {
        RestorePagerFocus();
    }
    if (inFloatingRibbon)
        host->ReleaseFloatingRibbon(canHide);
}

void TRurCustomToolBar::ShowShortCutHints()
{
    for (int i = 0; i < FATBControls.Count(); ++i) {
        TControl* control = FATBControls.Item<TControl>(i);
        if (!control->Visible() || !control->Enabled())
            continue;
        if (auto* glow = dynamic_cast<TRurCustomGlowButton*>(control))
            glow->ShowShortCutHint();
        else if (auto* window = dynamic_cast<TWinControl*>(control); window && IsControlShowing(window))
            ShowNestedKeyTips(window, true);
    }
}

void TRurCustomToolBar::HideShortCutHints()
{
    for (int i = 0; i < FATBControls.Count(); ++i) {
        TControl* control = FATBControls.Item<TControl>(i);
        if (auto* glow = dynamic_cast<TRurCustomGlowButton*>(control))
            glow->HideShortCutHint();
        else if (auto* window = dynamic_cast<TWinControl*>(control); window && IsControlShowing(window))
            ShowNestedKeyTips(window, false);
    }
    FCompactShortCutHintShowing = false;
}

void TRurCustomToolBar::RestorePagerFocus()
{
    if (ComponentState().Contains(csDesigning))
        return;
    if (IRibbonGroupHost* host = RibbonHost())
        host->RestorePagerFocus();
}

// ---- Keys on the ribbon ---------------------------------------------------------------------------

void TRurCustomToolBar::HookGlowButton(TRurCustomGlowButton* glow)
{
    glow->SetOnInternalKeyDown(MakeHandler<&TRurCustomToolBar::GlowButtonKeyDown>(this));
    glow->SetOnSetButtonSize(MakeHandler<&TRurCustomToolBar::GlowButtonSetButtonSize>(this));
    glow->SetOnGetShortCutHintPos(MakeHandler<&TRurCustomToolBar::GlowButtonGetShortCutHintPos>(this));
}

void TRurCustomToolBar::HookGlowButtons()
{
    if (ComponentState().Contains(csDesigning) || !OnRibbonPage())
        return;
    for (int i = 0; i < FATBControls.Count(); ++i)
        if (auto* glow = dynamic_cast<TRurCustomGlowButton*>(FATBControls.Item<TControl>(i)))
            HookGlowButton(glow);
}

void TRurCustomToolBar::PageKeyTipKey(Word key)
{
    auto* host = dynamic_cast<IRibbonGroupHost*>(Parent());
    if (!host || !host->ToolBarKeyTipsShowing())
        return;
    Char ch = 0;
    if (!KeyTipChar(key, ch)) {
        host->HideToolBarKeyTips();
        if (key == VK_ESCAPE)
            host->ShowTabKeyTips();
        return;
    }
    host->SetShortCutChars(host->ShortCutChars() + ch);
    if (host->SelectToolBarShortCut())
        host->HideToolBarKeyTips();
}

void TRurCustomToolBar::GlowButtonKeyDown(TObject* sender, Word& key, TShiftState)
{
    auto* control = dynamic_cast<TWinControl*>(sender);
    if (!control)
        return;
    PageKeyTipKey(key);
    auto* host = dynamic_cast<IRibbonGroupHost*>(Parent());
    if (host && key == VK_ESCAPE && host->FloatingRibbonShowing())
        host->HideFloatingRibbon();
    if (key == VK_ESCAPE || key == VK_UP) {
        if (host)
            host->FocusPagerByKey();
        return;
    }
    if (key == VK_LEFT || key == VK_RIGHT)
        MoveFocusAcross(control, key == VK_RIGHT);
}

void TRurCustomToolBar::MoveFocusAcross(TWinControl* from, bool forward)
{
    std::vector<TWinControl*> order;
    GetTabOrderList(order);
    TDbgList list;
    for (TWinControl* control : order)
        list.Add(control);
    RemoveUnfocusableControls(&list);
    const int index = list.IndexOf(from);
    if (index < 0)
        return;
    const bool atEnd = forward ? index == list.Count() - 1 : index == 0;
    if (!atEnd) {
        FocusIfPossible(list.Item<TWinControl>(index + (forward ? 1 : -1)));
        return;
    }
    auto* host = dynamic_cast<IRibbonGroupHost*>(Parent());
    if (!host)
        return;
    // Past the last control of a group the next group by Left takes over, round the page.
    TDbgList groups;
    host->ToolBarsSortedByLeft(groups);
    const int at = groups.IndexOf(this);
    if (at < 0 || groups.Count() == 0)
        return;
    const int next = (at + (forward ? 1 : -1) + groups.Count()) % groups.Count();
    auto* group = groups.Item<TRurCustomToolBar>(next);
    FocusIfPossible(forward ? group->FirstFocusableControl(true) : group->LastFocusableControl(true));
}

void TRurCustomToolBar::RibbonKeyDown(Word key)
{
    auto* host = dynamic_cast<IRibbonGroupHost*>(Parent());
    if (host && host->ToolBarKeyTipsShowing()) {
        Word typed = key;
        GlowButtonKeyDown(this, typed, TShiftState{});
    }
    if (FInMenuLoop)
        return;
    if (host) {
        if (host->HasPageKeyTip())
            host->HideToolBarKeyTips();
        if (host->InFloatingRibbon()) {
            if (key == VK_ESCAPE && host->FloatingRibbonShowing())
                host->HideFloatingRibbon();
            if (key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN)
                FocusIfPossible(FirstFocusableControl(true));
        }
        return;
    }
    if (!OnCompactWindow() || !FSelfClone || !FSelfClone->OnRibbonPage())
        return;
    IRibbonGroupHost* page = FSelfClone->RibbonHost();
    if (FCompactShortCutHintShowing) {
        Char ch = 0;
        if (!KeyTipChar(key, ch)) {
            HideShortCutHints();
            if (key == VK_ESCAPE && page && page->HasPager()) {
                // Back one level: the page's group key tips, the focus on the compact button.
                if (TRurGlowButton* button = FSelfClone->FCompactBtn; button && button->Visible())
                    FocusIfPossible(button);
                page->ShowToolBarKeyTips();
                return;
            }
        } else if (page) {
            page->SetShortCutChars(page->ShortCutChars() + ch);
            int partial = 0;
            if (ProcessShortCutHint(page->ShortCutChars(), partial))
                HideShortCutHints();
        }
    }
    if (key == VK_ESCAPE || key == VK_UP) {
        if (page)
            page->FocusPagerByKey();
    } else if (key == VK_LEFT || key == VK_RIGHT || key == VK_DOWN) {
        FocusIfPossible(FirstFocusableControl(true));
    }
}

// ---- Key-tip places ---------------------------------------------------------------------------------

void TRurCustomToolBar::CalcButtonRows()
{
    auto* host = dynamic_cast<IRibbonGroupHost*>(Parent());
    if (!host || !(host->HasPager() || host->InFloatingRibbon()))
        return;
    FButtonRows = {-100, -100, -100};
    constexpr int Near = 4;
    for (int i = 0; i < FATBControls.Count(); ++i) {
        TControl* control = FATBControls.Item<TControl>(i);
        if (!control->Visible() || control->Top() < 0)
            continue;
        const int top = control->Top();
        if (FButtonRows[0] == -100) {
            FButtonRows[0] = top;
        } else if (std::abs(top - FButtonRows[0]) > Near) {
            if (FButtonRows[1] == -100)
                FButtonRows[1] = top;
            else if (std::abs(top - FButtonRows[1]) > Near && FButtonRows[2] == -100)
                FButtonRows[2] = top;
        }
    }
    if (FButtonRows[1] > 0 && FButtonRows[1] < FButtonRows[0])
        std::swap(FButtonRows[0], FButtonRows[1]);
    if (FButtonRows[1] > 0 && FButtonRows[2] > 0 && FButtonRows[2] < FButtonRows[1])
        std::swap(FButtonRows[1], FButtonRows[2]);
}

void TRurCustomToolBar::GlowButtonGetShortCutHintPos(TObject* sender, TButtonSizeState, TShortCutHintPos& position)
{
    auto* control = dynamic_cast<TControl*>(sender);
    if (position != shpAuto || !control)
        return;
    const bool threeRows = FButtonRows[2] > 0;
    auto inRow = [&](int row) { return FButtonRows[row] > 0 && std::abs(control->Top() - FButtonRows[row]) <= 4; };
    if (control->Height() >= Height() - FCaptionHeight - 15)
        position = shpBottom;
    else if (inRow(0))
        position = threeRows ? shpTopLeft : shpAboveTopLeft;
    else if (inRow(1))
        position = threeRows ? shpLeft : shpBelowBottomLeft;
    else
        position = shpBottomLeft;
}
