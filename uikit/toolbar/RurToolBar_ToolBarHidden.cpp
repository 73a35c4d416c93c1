// A docked toolbar that is too short hides its least recently used controls and lists them in its
// option drop-down; clicking one brings it back.
#include <cstdlib>

#include "Forms.h"
#include "Math.h"
#include "RurMenus_Appearances.h"
#include "RurMenus_Styler.h"
#include "RurToolBar_Button.h"
#include "RurToolBar_ControlSelector.h"
#include "RurToolBar_OptionWindow.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_ToolBar.h"

bool TRurCustomToolBar::IsSeparator(const TControl* control) const
{
    return dynamic_cast<const TRurToolBarSeparator*>(control) != nullptr;
}

bool TRurCustomToolBar::IsShown(TControl* control) const
{
    return control->Visible() && !IsHiddenControl(control);
}

int TRurCustomToolBar::LengthOf(const TControl* control) const
{
    return IsVertical() ? control->Height() : control->Width();
}

int TRurCustomToolBar::Overflow(bool alongWidth) const
{
    // Positive: the controls run into the right handle by that much; negative: free room.
    for (int i = FATBControls.Count() - 1; i >= 0; --i) {
        TControl* control = FATBControls.Item<TControl>(i);
        if (!control->Visible() || IsHiddenControl(control))
            continue;
        if (alongWidth)
            return control->Left() + control->Width() + RightHandleWidth() - Width();
        return control->Top() + control->Height() + RightHandleWidth() - Height();
    }
    return 0;
}

TControl* TRurCustomToolBar::NearestSeparator(int index, int step, bool shownOnly, bool& groupShows) const
{
    // Hidden separators inside the run do not end it when shownOnly.
    for (int i = index + step; i >= 0 && i < FATBControls.Count(); i += step) {
        TControl* c = FATBControls.Item<TControl>(i);
        if (IsSeparator(c)) {
            if (!shownOnly || (!IsHiddenControl(c) && c->Visible()))
                return c;
        } else if (c->Visible() && !IsHiddenControl(c)) {
            groupShows = true;
        }
    }
    return nullptr;
}

// The separator that goes with a control just hidden at index: the group around it (between the
// nearest shown separators) has no shown control left. The shown separator before the group,
// else the one after it; null when the group still shows a control.
TControl* TRurCustomToolBar::SeparatorToHideWith(int index) const
{
    bool groupShows = false;
    TControl* before = NearestSeparator(index, -1, true, groupShows);
    TControl* after = NearestSeparator(index, 1, true, groupShows);
    if (groupShows)
        return nullptr;
    return before ? before : after;
}

// The hidden separator a control coming back needs: the group (between the nearest separators,
// hidden or shown) shows no control, so the hidden separator before it, else the hidden one
// after it; null when none is needed.
TControl* TRurCustomToolBar::SeparatorToShowWith(int index) const
{
    bool groupShows = false;
    TControl* before = NearestSeparator(index, -1, false, groupShows);
    TControl* after = NearestSeparator(index, 1, false, groupShows);
    if (groupShows)
        return nullptr;
    if (before && IsHiddenControl(before))
        return before;
    if (after && IsHiddenControl(after))
        return after;
    return nullptr;
}

void TRurCustomToolBar::BringBack(TControl* control)
{
    if (control->Parent() != this && !ComponentState().Contains(csDesigning) &&
        !ComponentState().Contains(csLoading)) {
        FInternalControlUpdation = true;
        FUpdatingControls = true;
        try {
            control->SetParent(this);
        } catch (...) {
            FInternalControlUpdation = false;
            FUpdatingControls = false;
            throw;
        }
        FInternalControlUpdation = false;
        FUpdatingControls = false;
    }
    FLUHidedControls.Remove(control);
}

void TRurCustomToolBar::ShowAllHiddenControls()
{
    for (int i = 0; i < FLUHidedControls.Count(); ++i) {
        TControl* control = FLUHidedControls.Item<TControl>(i);
        if (control->Parent() != this) {
            FLUHidedControls.Delete(i);
            BringBack(control);
            FLUHidedControls.Insert(i, control);
        }
    }
    FLUHidedControls.Clear();
}

void TRurCustomToolBar::UpdateHiddenControls()
{
    if (FToolBarState != tsDocked || FUpdateCount >= 1 || FUpdatingControls ||
        ComponentState().Contains(csDestroying))
        return;
    if (FFullSize) {
        ShowAllHiddenControls();
        return;
    }
    const int handle = RightHandleWidth();
    // The overflow is measured on the controls as they stand now: one brought back by a click, or
    // hidden meanwhile, must not leave stale positions behind.
    ArrangeControls(false);
    // Tail rule: the last shown control goes when the separator before it is hidden.
    for (int i = FATBControls.Count() - 1; i >= 0; --i) {
        TControl* last = FATBControls.Item<TControl>(i);
        if (!IsShown(last) || IsSeparator(last))
            continue;
        for (int j = i - 1; j >= 0; --j) {
            TControl* c = FATBControls.Item<TControl>(j);
            if (IsSeparator(c)) {
                if (IsHiddenControl(c))
                    FLUHidedControls.Add(last);
                break;
            }
        }
        break;
    }
    bool anyShown = false;
    for (int i = 0; i < FATBControls.Count() && !anyShown; ++i)
        anyShown = IsShown(FATBControls.Item<TControl>(i));
    if (!anyShown) {
        if (FLUHidedControls.Count() > 0) {
            int room = (IsVertical() ? Height() : Width()) - handle;
            if (EffectiveGripStyle() != dsNone)
                room -= FDragGripWidth;
            while (room > 0 && FLUHidedControls.Count() > 0) {
                TControl* control = FLUHidedControls.Item<TControl>(FLUHidedControls.Count() - 1);
                if (LengthOf(control) > room)
                    break;
                BringBack(control);
                room -= LengthOf(control);
            }
        }
    } else {
        int overflow = Overflow(!IsVertical());
        if (overflow >= 0) {
            while (overflow > 0) {
                TControl* victim = nullptr;
                for (int i = FRUControls.Count() - 1; i >= 0 && !victim; --i) {
                    TControl* c = FRUControls.Item<TControl>(i);
                    if (IsShown(c) && !IsSeparator(c))
                        victim = c;
                }
                if (!victim)
                    break;
                FLUHidedControls.Add(victim);
                overflow -= LengthOf(victim);
                if (TControl* separator = SeparatorToHideWith(FATBControls.IndexOf(victim))) {
                    FLUHidedControls.Add(separator);
                    overflow -= LengthOf(separator);
                }
            }
        } else if (FLUHidedControls.Count() > 0) {
            while (overflow < 0) {
                int at = -1;
                for (int i = FLUHidedControls.Count() - 1; i >= 0 && at < 0; --i)
                    if (!IsSeparator(FLUHidedControls.Item<TControl>(i)))
                        at = i;
                if (at < 0)
                    break;
                TControl* candidate = FLUHidedControls.Item<TControl>(at);
                TControl* separator = SeparatorToShowWith(FATBControls.IndexOf(candidate));
                const int needed = LengthOf(candidate) + (separator ? LengthOf(separator) : 0);
                if (std::abs(overflow) < needed)
                    break;
                if (separator)
                    BringBack(separator);
                BringBack(candidate);
                overflow += needed;
                // One hidden entry followed the candidate: the walk back ends there.
                if (FLUHidedControls.Count() == at + 1)
                    break;
            }
        }
    }
    ArrangeControls(false);
}

void TRurCustomToolBar::CheckHiddenControls()
{
    int overflow = Overflow(true);
    if (overflow >= 0)
        return;
    int i = FLUHidedControls.Count() - 1;
    while (i >= 0) {
        TControl* control = FLUHidedControls.Item<TControl>(i);
        if (IsSeparator(control)) {
            --i;
            continue;
        }
        if (control->Width() > std::abs(overflow))
            break;
        const int before = FLUHidedControls.Count();
        UpdateHiddenControls();
        if (FLUHidedControls.Count() == before)
            break;
        i = FLUHidedControls.Count() - 1;
    }
}

void TRurCustomToolBar::MarkControlUsed(TControl* control)
{
    if (ComponentState().Contains(csDestroying) || FATBControls.IndexOf(control) < 0)
        return;
    if (FAutoArrangeButtons) {
        if (FRUControls.Remove(control) >= 0)
            FRUControls.Insert(0, control);
        if (IsHiddenControl(control)) {
            if (!IsSeparator(control))
                if (TControl* separator = SeparatorToShowWith(FATBControls.IndexOf(control)))
                    BringBack(separator);
            FLUHidedControls.Remove(control);
        }
        if (control->Parent() != this)
            BringBack(control);
    }
    HideOptionWindow();
    UpdateHiddenControls();
}

void TRurCustomToolBar::MoveUpInRUList(TControl* control)
{
    MarkControlUsed(control);
    UpdateHiddenControls();
}

// ---- Option drop-down --------------------------------------------------------------------------

TOptionSelectorPanel* TRurCustomToolBar::OptionWindowPanel() const { return FOptionWindowPanel; }

bool TRurCustomToolBar::OptionWindowVisible() const { return FOptionWindow && FOptionWindow->Visible(); }

void TRurCustomToolBar::HideOptionWindow()
{
    if (OptionWindowVisible())
        FOptionWindow->Hide();
}

void TRurCustomToolBar::OptionWindowHidden()
{
    UpdateHiddenControls();
    Invalidate();
}

void TRurCustomToolBar::BuildOptionWindow()
{
    if (ComponentState().Contains(csDesigning))
        return;
    if (!FOptionWindow) {
        FOptionWindow = new TOptionSelectorWindow(this);
        FOptionWindow->SetBorderStyle(bsNone);
        FOptionWindow->SetFormStyle(fsStayOnTop);
        FOptionWindow->SetBounds(0, 0, 10, 10);
        FOptionWindow->SetRurToolBar(this);
        FOptionWindow->SetOnHide([this](TObject*) { OptionWindowHidden(); });
        FOptionWindowPanel = new TControlSelectorPanel(FOptionWindow);
        FOptionWindowPanel->SetParent(FOptionWindow);
    }
    TControlSelectorPanel* panel = FOptionWindowPanel;
    panel->SetShowAddAndRemoveBtn(FAutoOptionMenu);
    StyleDropDownMenu(FOptionMenu);
    panel->SetOptionsMenu(FOptionMenu);
    panel->SetCustomizer(FCustomizer);
    panel->SetTextAutoOptionMenu(FTextAutoOptionMenu);
    panel->SetTextOptionMenu(FTextOptionMenu);
    panel->SetRurToolBar(this);
    // A menu bar's drop-down takes the menu bar's colours (the menu styler's root item), any other
    // toolbar's its buttons' colours.
    if (FMenu) {
        const TRootItem* root = FCurrentToolBarStyler->CurrentRurMenuStyler()->RootItem();
        panel->SetItemColorHot(root->HoverColor());
        panel->SetItemColorHotTo(root->HoverColorTo());
        panel->SetItemColorDown(root->SelectedColor());
        panel->SetItemColorDownTo(root->SelectedColorTo());
        panel->SetItemTextColor(root->Font()->Color());
        panel->SetItemTextColorHot(root->HoverTextColor());
        panel->SetItemTextColorDown(root->SelectedTextColor());
        panel->SetItemTextFontSize(root->Font()->Size());
    } else {
        const TButtonAppearance* look = FCurrentToolBarStyler->ButtonAppearance();
        panel->SetItemColorHot(look->ColorHot());
        panel->SetItemColorHotTo(look->ColorHotTo());
        panel->SetItemColorDown(look->ColorDown());
        panel->SetItemColorDownTo(look->ColorDownTo());
        panel->SetItemTextColor(look->CaptionTextColor());
        panel->SetItemTextColorHot(look->CaptionTextColorHot());
        panel->SetItemTextColorDown(look->CaptionTextColorDown());
        panel->SetItemTextFontSize(look->CaptionFont()->Size());
    }
    FOptionWindow->SetOptionsPanel(panel);
    panel->ClearControls();
    panel->MeasureEntries();
    FInternalControlUpdation = true;
    try {
        // Hidden controls in layout order, with a copy of the separator between two hidden groups.
        int k = 1;
        TRurToolBarSeparator* pending = nullptr;
        for (int i = 0; i < FATBControls.Count(); ++i) {
            TControl* control = FATBControls.Item<TControl>(i);
            auto* separator = dynamic_cast<TRurToolBarSeparator*>(control);
            if (separator)
                pending = separator;
            if (!IsHiddenControl(control))
                continue;
            if (separator) {
                if (k == 1 || k == FLUHidedControls.Count())
                    continue;
            } else if (pending) {
                if (k > 1)
                    panel->AddSeparatorCopy(pending);
                pending = nullptr;
            }
            if (separator)
                pending = nullptr;
            else
                panel->AddControl(control);
            ++k;
        }
    } catch (...) {
        FInternalControlUpdation = false;
        throw;
    }
    FInternalControlUpdation = false;
    panel->ArrangeControls();
    FOptionWindow->SetWindowSize();
}

TPoint TRurCustomToolBar::OptionPoint(bool& fromToolBar) const
{
    fromToolBar = FToolBarState == tsFloating;
    if (fromToolBar)
        return Point(Left() + Width() + (FShowClose ? 0 : 20) - 40, Top() + FCaptionHeight - 2);
    return Point(Left() + Width() - 12, Top() + Height() + 1);
}

void TRurCustomToolBar::ShowOptionWindow(int x, int y, bool atPoint)
{
    if (Screen->ActiveControl())
        SetPrevActiveControl(Screen->ActiveControl());
    BuildOptionWindow();
    if (!FOptionWindow)
        return;
    if (!atPoint) {
        bool fromToolBar = false;
        const TPoint p = OptionPoint(fromToolBar);
        TPoint s = fromToolBar ? ClientToScreen(p) : (Parent() ? Parent()->ClientToScreen(p) : p);
        x = s.X;
        y = s.Y;
        HMONITOR monitor = MonitorFromPoint(POINT{x, y}, MONITOR_DEFAULTTONEAREST);
        MONITORINFO info{};
        info.cbSize = sizeof(info);
        const bool known = monitor && GetMonitorInfoW(monitor, &info);
        const int bottom = known ? info.rcMonitor.bottom : GetSystemMetrics(SM_CYSCREEN);
        const int right = known ? info.rcMonitor.right : GetSystemMetrics(SM_CXSCREEN);
        if (y + FOptionWindow->Height() + 2 > bottom)
            y = bottom - FOptionWindow->Height() - 2;
        if (x + FOptionWindow->Width() > right) {
            if (FPosition == daRight) {
                const TPoint r = ClientToScreen(Point(Left() - FOptionWindow->Width(), Top() + Height() + 1));
                x = r.X;
            } else {
                x = right - FOptionWindow->Width();
            }
        }
    }
    if (FOptionWindowPanel->ListedControlCount() == 0)
        return;
    const int width = FOptionWindow->Width(), height = FOptionWindow->Height();
    FOptionWindow->SetBounds(x, y, 0, 0);
    FOptionWindow->SetVisible(true);
    FOptionWindow->SetBounds(x, y, width, height);
    FOptionWindow->SetVisible(true);
}

void TRurCustomToolBar::OptionButtonClicked()
{
    if (!Parent())
        return;
    if (FOnOptionClick || FOptionMenu) {
        bool fromToolBar = false;
        TPoint client = OptionPoint(fromToolBar);
        TPoint screen = fromToolBar ? ClientToScreen(client) : Parent()->ClientToScreen(client);
        if (FOnOptionClick)
            FOnOptionClick(this, client, screen);
    }
    ShowOptionWindow(0, 0, false);
    if (FDownPopupIndicator || FHotPopupIndicator) {
        FDownPopupIndicator = false;
        FHotPopupIndicator = false;
        Invalidate();
    }
}

void TRurCustomToolBar::PopupOptionMenu()
{
    if (!Parent() || FToolBarState == tsFloating)
        return;
    TPoint client = Point(Left() + Width() - 12, Top() + Height() + 1);
    TPoint screen = Parent()->ClientToScreen(client);
    if (FOnOptionClick)
        FOnOptionClick(this, client, screen);
    else if (FOptionMenu)
        FOptionMenu->Popup(screen.X, screen.Y);
}
