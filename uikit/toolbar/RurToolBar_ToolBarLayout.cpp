// The toolbar's arrangement of its controls, its own size and length limits, and the rows of a
// floating toolbar.
#include <algorithm>
#include <vector>

#include "Forms.h"
#include "Math.h"
#include "RurToolBar_Button.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_DockPanel.h"
#include "RurToolBar_Floating.h"
#include "RurToolBar_ToolBar.h"
#include "RurGlowButton.h"
#include "TypInfo.h"

namespace {

bool IsBadge(const TControl* control) { return control->ClassName() == u"TRurBadge"; }

// The extents a control adds on each side when it is aligned with margins.
int MarginLeft(const TControl* c) { return c->AlignWithMargins() ? c->Margins()->Left() : 0; }
int MarginTop(const TControl* c) { return c->AlignWithMargins() ? c->Margins()->Top() : 0; }
int MarginRight(const TControl* c) { return c->AlignWithMargins() ? c->Margins()->Right() : 0; }

} // namespace

int TRurCustomToolBar::RightHandleWidth() const { return Round(FPopupIndicatorWidth * DPIScale); }

bool TRurCustomToolBar::IsArrangedControl(TControl* control) const
{
    if (ComponentState().Contains(csDesigning))
        return true;
    return control->Visible() && !IsBadge(control);
}

void TRurCustomToolBar::Park(TControl* control, bool alongLength)
{
    // Out of sight beyond the far edge, where the control keeps its size.
    if (IsBadge(control))
        return;
    if (alongLength)
        control->SetTop(Height() + 2);
    else
        control->SetLeft(Width() + 2);
}

// ---- Arrangement -------------------------------------------------------------------------------

void TRurCustomToolBar::ArrangeControls(bool resize)
{
    if (ComponentState().Contains(csLoading) || FUpdateCount > 0)
        return;
    if (FToolBarState == tsFixed && !FAutoPositionControls && !OnDockPanel())
        return;
    // Rows on a ribbon page fill the group's given size and never re-size it.
    const bool ribbonRows = OnRibbonPage() && !FAutoSize && FAutoPositionMultiRow;
    FInternalControlPositioning = true;
    try {
        if (ribbonRows)
            ArrangeRibbonRows();
        else if (FToolBarState == tsFloating)
            ArrangeFloating(resize);
        else if (IsVertical())
            ArrangeVertical();
        else
            ArrangeHorizontal();
    } catch (...) {
        FInternalControlPositioning = false;
        throw;
    }
    FInternalControlPositioning = false;
    if (resize && FToolBarState != tsFloating && !ribbonRows)
        UpdateSize();
}

void TRurCustomToolBar::ArrangeFloating(bool resize)
{
    const int top = FCaptionHeight + 2;
    int x = 2, y = top;
    if (FFloatingRows > 1 && resize)
        UpdateSize();
    for (int i = 0; i < FATBControls.Count(); ++i) {
        TControl* control = FATBControls.Item<TControl>(i);
        if (!IsArrangedControl(control)) {
            Park(control, true);
            continue;
        }
        if (FFloatingRows > 1 && control->Width() > Width() - x - 2) {
            x = 2;
            y += FSizeAtDock;
        }
        control->SetBounds(x, y, control->Width(), control->Height());
        x += control->Width();
    }
    if (FFloatingRows <= 1 && resize)
        UpdateSize();
}

void TRurCustomToolBar::ArrangeHorizontal()
{
    int x = GripStart();
    const int y = FShowCaption && FCaptionPosition == cpTop ? 2 + Round(FCaptionHeight * DPIScale) : 2;
    if (OnRibbonPage() || OnCompactWindow()) {
        ArrangeRibbonColumns(x, y);
        return;
    }
    for (int i = 0; i < FATBControls.Count(); ++i) {
        TControl* control = FATBControls.Item<TControl>(i);
        if (!IsArrangedControl(control) || IsHiddenControl(control)) {
            Park(control, true);
            continue;
        }
        x += MarginLeft(control);
        control->SetBounds(x, y + MarginTop(control), control->Width(), control->Height());
        x += control->Width() + MarginRight(control);
    }
}

void TRurCustomToolBar::ArrangeRibbonColumns(int x, int y)
{
    // Large buttons and other controls take the full height; up to three small glow buttons stack
    // in a column as wide as its widest button.
    int columnY = y, columnWidth = 0, stacked = 0, columnX = x;
    for (int i = 0; i < FATBControls.Count(); ++i) {
        TControl* control = FATBControls.Item<TControl>(i);
        if (!IsArrangedControl(control)) {
            Park(control, true);
            continue;
        }
        auto* glow = dynamic_cast<TRurCustomGlowButton*>(control);
        if (glow)
            glow->SetIsOnRibbon(true);
        if (!glow || glow->ButtonSizeState() == bsLarge) {
            if (!glow)
                if (const TPropInfo* margin = GetPropInfo(*control, u"LabelMargin");
                    margin && margin->HasGetter() && margin->Type.Kind == tkInteger)
                    x += static_cast<int>(GetOrdProp(*control, *margin));
            control->SetBounds(x, y, control->Width(), control->Height());
            x += control->Width();
            columnX = x;
            columnY = y;
            columnWidth = 0;
            stacked = 0;
            continue;
        }
        control->SetBounds(columnX, columnY, control->Width(), control->Height());
        if (control->Width() > columnWidth) {
            x += control->Width() - columnWidth;
            columnWidth = control->Width();
        }
        if (++stacked >= 3) {
            columnX = x;
            columnY = y;
            columnWidth = 0;
            stacked = 0;
        } else {
            columnY += control->Height();
        }
    }
}

void TRurCustomToolBar::ArrangeRibbonRows()
{
    // A control that does not fit the rest of the row starts the next one, right of the earlier
    // controls taller than it (they span several rows).
    int x = 2, y = 0;
    for (int i = 0; i < FATBControls.Count(); ++i) {
        TControl* control = FATBControls.Item<TControl>(i);
        if (!IsArrangedControl(control)) {
            Park(control, true);
            continue;
        }
        if (control->Width() > Width() - x - 2) {
            x = 2;
            for (int j = 0; j < i; ++j)
                if (TControl* earlier = FATBControls.Item<TControl>(j);
                    earlier->Visible() && earlier->Height() > control->Height())
                    x = std::max(x, earlier->Left() + earlier->Width());
            y += control->Height();
        }
        x += MarginLeft(control);
        y += MarginTop(control);
        control->SetBounds(x, y, control->Width(), control->Height());
        x += control->Width() + MarginRight(control);
    }
}

void TRurCustomToolBar::ArrangeVertical()
{
    const int x = FShowCaption && FCaptionPosition == cpTop ? 2 + FCaptionHeight : 2;
    int y = GripStart();
    for (int i = 0; i < FATBControls.Count(); ++i) {
        TControl* control = FATBControls.Item<TControl>(i);
        if (!IsArrangedControl(control) || IsHiddenControl(control)) {
            Park(control, false);
            continue;
        }
        control->SetBounds(x, y, control->Width(), control->Height());
        y += control->Height();
    }
}

// ---- Size --------------------------------------------------------------------------------------

void TRurCustomToolBar::UpdateSize()
{
    if (FToolBarState == tsFloating)
        UpdateFloatingSize();
    else if (IsVertical())
        UpdateVerticalSize();
    else
        UpdateHorizontalSize();
}

void TRurCustomToolBar::UpdateFloatingSize()
{
    // A window the toolbar sized once keeps its size while it shows.
    if (FFloatingWindow && FFloatingWindow->Visible() && FFloatingWindow->SizeInit())
        return;
    TSizeConstraints* c = Constraints();
    c->SetMinWidth(0);
    c->SetMaxWidth(0);
    c->SetMinHeight(0);
    c->SetMaxHeight(0);
    if (FFloatingRows > 1) {
        int height = 0, width = 0;
        GetFloatingSize(height, width);
        SetBounds(Left(), Top(), width, height);
    } else {
        int end = 0;
        for (int i = FATBControls.Count() - 1; i >= 0; --i) {
            TControl* control = FATBControls.Item<TControl>(i);
            if (IsArrangedControl(control)) {
                end = control->Left() + control->Width() + 2;
                break;
            }
        }
        SetBounds(Left(), Top(), std::max(FMinLength, end), FSizeAtDock + FCaptionHeight);
    }
    if (FFloatingWindow && FFloatingWindow->Visible())
        FFloatingWindow->SetWindowSize();
}

int TRurCustomToolBar::RibbonColumnsEnd() const
{
    // The right end of the last column: of up to three small buttons, or of one large control.
    int end = 0, passed = 0;
    for (int i = FATBControls.Count() - 1; i >= 0; --i) {
        TControl* control = FATBControls.Item<TControl>(i);
        if (!IsArrangedControl(control))
            continue;
        end = std::max(end, control->Left() + control->Width());
        auto* glow = dynamic_cast<TRurCustomGlowButton*>(control);
        const bool small = (glow && glow->ButtonSizeState() != bsLarge) || dynamic_cast<TRurToolBarButton*>(control);
        if (!small || passed >= 3)
            break;
        ++passed;
    }
    return end;
}

TControl* TRurCustomToolBar::LastShownControl() const
{
    for (int i = FATBControls.Count() - 1; i >= 0; --i) {
        TControl* control = FATBControls.Item<TControl>(i);
        if (IsArrangedControl(control) && !IsHiddenControl(control))
            return control;
    }
    return nullptr;
}

void TRurCustomToolBar::UpdateHorizontalSize()
{
    // m: the shortest length that still shows the last shown control and the right handle.
    int m = FMinLength;
    if (FATBControls.Count() > 0) {
        const TControl* last = LastShownControl();
        m = last ? last->Left() + last->Width() : 15;
        if (OnRibbonPage() || OnCompactWindow())
            if (const int end = RibbonColumnsEnd(); end > 0)
                m = end;
    }
    if (FShowPopupIndicator)
        m += RightHandleWidth();
    // f: the full length; t: the thickness.
    int f = GripStart(), t = 26;
    const bool empty = [&] {
        for (int i = 0; i < FATBControls.Count(); ++i)
            if (IsArrangedControl(FATBControls.Item<TControl>(i)))
                return false;
        return true;
    }();
    if (!Visible() || (empty && FHideOnEmpty && OnRibbonPage() && !ComponentState().Contains(csDesigning))) {
        f = 0;
        m = 0;
    } else {
        for (int i = 0; i < FATBControls.Count(); ++i) {
            TControl* control = FATBControls.Item<TControl>(i);
            if (!IsArrangedControl(control))
                continue;
            f += control->Width();
            if (!IsSeparator(control))
                t = std::max(t, control->Height() + 4);
        }
        if (FShowPopupIndicator)
            f += RightHandleWidth();
        if (OnRibbonPage() || OnCompactWindow()) {
            f = m;
        } else {
            f = std::max(f, m);
            m = f;
        }
    }
    FMaxLength = f;
    if (!FAutoSize)
        return;
    TSizeConstraints* c = Constraints();
    c->SetMinHeight(0);
    c->SetMaxHeight(0);
    c->SetMinWidth(std::min(FMinLength, m));
    if (FDoCheckBoundChange && c->MaxWidth() != f && Width() > f && Width() != m)
        SetWidth(m);
    c->SetMaxWidth(f);
    if (Width() < m || (Width() > m && Width() > f)) {
        const bool oldAllow = FAllowBoundChange;
        FAllowBoundChange = !FDoCheckBoundChange;
        SetWidth(m);
        FAllowBoundChange = oldAllow;
    }
    if (FShowCaption) {
        TCustomForm* form = GetParentForm();
        const float scale = form ? form->PixelsPerInch() / 96.0f : 1.0f;
        t += Round(FCaptionHeight * scale);
    }
    // The clone in a compact window is as thick as the group it stands for.
    if (OnCompactWindow() && FSelfClone && !ComponentState().Contains(csDesigning))
        t = FSelfClone->Height();
    if (Height() != t)
        SetHeight(t);
}

void TRurCustomToolBar::UpdateVerticalSize()
{
    int m = FMinLength;
    if (FATBControls.Count() > 0) {
        const TControl* last = LastShownControl();
        m = last ? last->Top() + last->Height() : 15;
    }
    if (FShowPopupIndicator)
        m += RightHandleWidth();
    int f = GripStart(), t = 26;
    for (int i = 0; i < FATBControls.Count(); ++i) {
        TControl* control = FATBControls.Item<TControl>(i);
        if (!IsArrangedControl(control))
            continue;
        f += control->Height();
        if (!IsSeparator(control))
            t = std::max(t, control->Width() + 4);
    }
    if (FShowPopupIndicator)
        f += RightHandleWidth();
    f = std::max(f, m);
    FMaxLength = f;
    if (!FAutoSize)
        return;
    TSizeConstraints* c = Constraints();
    c->SetMinWidth(0);
    c->SetMaxWidth(0);
    c->SetMinHeight(std::min(FMinLength, m));
    c->SetMaxHeight(f);
    if (Height() < m || (Height() > m && Height() > f))
        SetHeight(m);
    if (FShowCaption)
        t += FCaptionHeight;
    if (Width() != t)
        SetWidth(t);
}

void TRurCustomToolBar::UpdateSeparators()
{
    if (FUpdateCount > 0 || IsVertical())
        return;
    const int separatorTop =
        (OnDockPanel() && FShowCaption) || FToolBarState == tsFloating ? FCaptionHeight + 2 : 2;
    // Visited in layout order (the order of their Left once arranged). A separator this pass hid
    // is visited again, so it comes back once a control stands before it; one the program hid
    // stays hidden.
    int shownSince = 0;
    for (int i = 0; i < FATBControls.Count(); ++i) {
        TControl* control = FATBControls.Item<TControl>(i);
        const bool hiddenHere = FSeparatorsHidden.IndexOf(control) >= 0;
        if (!control->Visible() && !hiddenHere)
            continue;
        if (!IsSeparator(control)) {
            ++shownSince;
            continue;
        }
        if (OnDockPanel())
            continue;
        control->SetTop(separatorTop);
        const bool show = shownSince > 0;
        if (show)
            FSeparatorsHidden.Remove(control);
        else if (!hiddenHere)
            FSeparatorsHidden.Add(control);
        control->SetVisible(show);
        shownSince = 0;
    }
}

// ---- Bounds and alignment hooks ----------------------------------------------------------------

void TRurCustomToolBar::SetBounds(int left, int top, int width, int height)
{
    // A docked toolbar's moves and resizes follow the rules of its dock rows.
    if (FToolBarState == tsDocked && !FAllowBoundChange)
        if (TRurDockPanel* panel = CurrentDockPanel())
            panel->AdjustToolBarBounds(this, left, top, width, height);
    const int oldLength = IsVertical() ? Height() : Width();
    TCustomControl::SetBounds(left, top, width, height);
    const int newLength = IsVertical() ? Height() : Width();
    if (!ComponentState().Contains(csLoading) && newLength != oldLength)
        UpdateHiddenControls();
}

void TRurCustomToolBar::AlignControls(TControl* control, TRect& rect)
{
    // The framework realigns after any child's bounds changed without naming the child: every
    // realignment the toolbar did not cause itself re-arranges.
    if (FAutoPositionControls)
        UpdateSeparators();
    else if (OnRibbonPage() && !IsVertical() && FShowCaption)
        rect = GetBodyRect();
    TCustomControl::AlignControls(control, rect);
    // The toolbar's own size changing realigns too; that is no child's doing.
    const TSize size{Width(), Height()};
    const bool resized = size.cx != FAlignedSize.cx || size.cy != FAlignedSize.cy;
    FAlignedSize = size;
    if (!FInternalControlPositioning && !resized)
        ChildRealigned();
}

void TRurCustomToolBar::ChildRealigned()
{
    // Controls the toolbar moves to and from its drop-down itself are no realigned children.
    if (ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying) ||
        FInternalControlUpdation || FUpdatingControls)
        return;
    const bool docked = FToolBarState == tsDocked && OnDockPanel() && !ComponentState().Contains(csDesigning);
    FDoCheckBoundChange = docked;
    // A clone keeps no auto-position flag of its own, yet its glow buttons still measure
    // themselves when they first paint in the compact window: it follows its group's rules.
    if (OnCompactWindow() && FSelfClone && FSelfClone->FOldAutoPosition && !FSelfClone->FCompactChanging)
        FSelfClone->ArrangeClone(true);
    else
        ArrangeControls(true);
    FDoCheckBoundChange = false;
    UpdateHiddenControls();
    if (!ComponentState().Contains(csDesigning) && FAutoOptionMenu && OptionWindowVisible())
        BuildOptionWindow();
}

void TRurCustomToolBar::Resize()
{
    TCustomControl::Resize();
    if (ComponentState().Contains(csDesigning) && OnRibbonPage() && FAutoPositionControls)
        ArrangeControls(false);
}

// ---- Rooms and row size ------------------------------------------------------------------------

int TRurCustomToolBar::GetShrinkRoom() const
{
    return IsVertical() ? Height() - Constraints()->MinHeight() : Width() - Constraints()->MinWidth();
}

int TRurCustomToolBar::GetGrowRoom() const
{
    return IsVertical() ? Constraints()->MaxHeight() - Height() : Constraints()->MaxWidth() - Width();
}

int TRurCustomToolBar::GetRowSize(bool forFloating) const
{
    int maxWidth = 0, maxHeight = 0, buttonExtent = 0, otherHeight = 0;
    for (int i = 0; i < FATBControls.Count(); ++i) {
        TControl* control = FATBControls.Item<TControl>(i);
        if (IsSeparator(control))
            continue;
        maxWidth = std::max(maxWidth, control->Width());
        maxHeight = std::max(maxHeight, control->Height());
        if (auto* button = dynamic_cast<TRurCustomToolBarButton*>(control))
            buttonExtent =
                std::max(buttonExtent, IsVertical() && button->CanRotate() ? button->Width() : button->Height());
        else if (!dynamic_cast<TRurCustomToolBarControl*>(control))
            otherHeight = std::max(otherHeight, control->Height());
    }
    int size;
    if (forFloating || FToolBarState == tsFloating)
        size = IsVertical() ? std::max(buttonExtent, otherHeight) : maxHeight;
    else
        size = IsVertical() ? maxWidth : maxHeight;
    return std::max(size + 4, 26);
}

// ---- Full length and floating rows -------------------------------------------------------------

int TRurCustomToolBar::ExtentOf(const TControl* control) const
{
    return IsVertical() && FToolBarState != tsFloating ? control->Height() : control->Width();
}

int TRurCustomToolBar::GetFullLength() const
{
    int length = GripStart();
    for (int i = 0; i < FATBControls.Count(); ++i) {
        TControl* control = FATBControls.Item<TControl>(i);
        if (control->Visible())
            length += ExtentOf(control);
    }
    if (FShowPopupIndicator)
        length += RightHandleWidth();
    return std::max(length, FMinLength);
}

int TRurCustomToolBar::MaxFloatingRows() const
{
    int largest = 0;
    for (int i = 0; i < FATBControls.Count(); ++i)
        largest = std::max(largest, ExtentOf(FATBControls.Item<TControl>(i)));
    const int length = std::max(FMinLength, largest + 2);
    int rows = 1, position = 2;
    for (int i = 0; i < FATBControls.Count(); ++i) {
        const int extent = ExtentOf(FATBControls.Item<TControl>(i));
        if (extent > length - position) {
            ++rows;
            position = 2;
        }
        position += extent;
        if (position >= length) {
            ++rows;
            position = 2;
        }
    }
    return rows > 1 ? std::min(rows, FATBControls.Count()) : rows;
}

void TRurCustomToolBar::SetFloatingRows(int value)
{
    if (value <= 0 || value > MaxFloatingRows() || value == FFloatingRows)
        return;
    FFloatingRows = value;
    if (ComponentState().Contains(csLoading))
        return;
    // Other rows always re-measure, even in a window that keeps its size otherwise.
    const bool sizeInit = FFloatingWindow && FFloatingWindow->SizeInit();
    if (sizeInit)
        FFloatingWindow->SetSizeInit(false);
    ArrangeControls(true);
    if (sizeInit)
        FFloatingWindow->SetSizeInit(true);
    if (FFloatingWindow)
        FFloatingWindow->SetWindowSize();
}

void TRurCustomToolBar::FillFloatingRows(int rows, bool visibleOnly, int& height, int& width) const
{
    std::vector<int> extents;
    int largest = 0;
    for (int i = 0; i < FATBControls.Count(); ++i) {
        TControl* control = FATBControls.Item<TControl>(i);
        if (visibleOnly && !control->Visible())
            continue;
        extents.push_back(ExtentOf(control));
        largest = std::max(largest, extents.back());
    }
    int w = std::max(FMinLength, largest + 4);
    // The smallest room left at the end of a row; the width shrinks by it at the end.
    int leftover = w;
    for (;;) {
        int position = 2, filled = 1;
        for (int extent : extents) {
            const int room = w - position - 2;
            if (extent > room) {
                leftover = std::min(leftover, room);
                position = 2;
                ++filled;
            }
            position += extent;
            if (filled > rows)
                break;
        }
        if (filled > rows) {
            w += 10;
            continue;
        }
        height = filled * FSizeAtDock + FCaptionHeight;
        if (filled > 1)
            leftover = std::min(leftover, w - position - 2);
        width = w - leftover;
        return;
    }
}

void TRurCustomToolBar::GetFloatingSize(int& height, int& width) const
{
    FillFloatingRows(FFloatingRows, true, height, width);
}

bool TRurCustomToolBar::GetFloatingSizeForRows(int rows, int& height, int& width) const
{
    if (rows <= 0 || rows > MaxFloatingRows())
        return false;
    FillFloatingRows(rows, false, height, width);
    return true;
}

// ---- Layout properties -------------------------------------------------------------------------

void TRurCustomToolBar::SetAutoSize(bool value)
{
    if (value == FAutoSize)
        return;
    FAutoSize = value;
    ArrangeControls(true);
    if (!value && FToolBarState == tsFixed && !OnDockPanel()) {
        TSizeConstraints* c = Constraints();
        c->SetMinWidth(0);
        c->SetMaxWidth(0);
        c->SetMinHeight(0);
        c->SetMaxHeight(0);
    }
}

void TRurCustomToolBar::SetAutoPositionControls(bool value)
{
    if (value == FAutoPositionControls)
        return;
    if (!value && !ComponentState().Contains(csLoading) && (FToolBarState != tsFixed || OnDockPanel()))
        return;
    FAutoPositionControls = value;
    if (value)
        ArrangeControls(true);
    else
        SetAutoSize(false);
}

void TRurCustomToolBar::SetAutoPositionMultiRow(bool value)
{
    FAutoPositionMultiRow = value;
    ArrangeControls(true);
}

void TRurCustomToolBar::SetFullSize(bool value)
{
    if (value == FFullSize)
        return;
    FFullSize = value;
    if (FToolBarState != tsDocked || !OnDockPanel())
        return;
    if (value) {
        SetParentStyler(true);
        if (TRurDockPanel* panel = CurrentDockPanel())
            panel->ToolBarFullSizeChanged(this);
        UpdateHiddenControls();
        ArrangeControls(false);
    } else {
        UpdateSize();
    }
}
