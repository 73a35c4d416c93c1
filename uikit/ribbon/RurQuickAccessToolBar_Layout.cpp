// The quick-access toolbar's geometry and layout passes: the control list, the bar's size on the
// pager, the controls' places, the overflow into the drop-down window and back, and the customize
// and overflow buttons.
#include "RurQuickAccessToolBar.h"

#include <algorithm>

#include "Math.h"
#include "RurGDIP.h"
#include "RurRibbonPager.h"
#include "RurToolBar_ControlSelector.h"
#include "RurToolBar_Platform.h"
#include "RurVistaGlyphButton.h"

using RurGDIP::GetGlassEnabled;
using RurGDIP::GetScenicRibbon;

namespace {

// Sets the flag for the object's lifetime and puts the old value back.
class TFlagScope {
public:
    explicit TFlagScope(bool& flag) : FFlag(flag), FSaved(flag) { flag = true; }
    ~TFlagScope() { FFlag = FSaved; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    bool& FFlag;
    bool FSaved;
};

} // namespace

// ---- Geometry ----------------------------------------------------------------------------------------

bool TRurCustomQuickAccessToolBar::ScenicOrTones() const { return GetScenicRibbon() || IsOfficeTonesStyle(); }

bool TRurCustomQuickAccessToolBar::GlassScenicOrTones() const
{
    return (GetGlassEnabled() && GetScenicRibbon()) || IsOfficeTonesStyle();
}

int TRurCustomQuickAccessToolBar::ScaledByRoundedScale(int value) const
{
    const double rs = double(Round(double(DPIScale) * 10)) / 10;
    return int(Round(rs * value));
}

int TRurCustomQuickAccessToolBar::ScaledButtonWidth() const { return ScaledByRoundedScale(FButtonWidth); }

TRect TRurCustomQuickAccessToolBar::GetFrameRect() const
{
    TRect r = ClientRect();
    if (FFullSize)
        return r;
    if (ScenicOrTones()) {
        --r.Left;
        ++r.Right;
        ++r.Top;
    } else {
        r.Right -= ScaledButtonWidth() + FButtonGap;
        r.Top += 3;
    }
    return r;
}

int TRurCustomQuickAccessToolBar::GetLeftIndent() const
{
    if (FFullSize)
        return 4;
    return GlassScenicOrTones() ? 11 : Height() / 2 + 2;
}

int TRurCustomQuickAccessToolBar::GetRightIndent() const
{
    if (FFullSize)
        return 4;
    return GlassScenicOrTones() ? 5 : 12;
}

TRect TRurCustomQuickAccessToolBar::GetControlsRect() const
{
    TRect r = GetFrameRect();
    r.Left = GetLeftIndent();
    r.Right -= GetRightIndent();
    r.Bottom -= 1;
    return r;
}

TRect TRurCustomQuickAccessToolBar::GetButtonRect() const
{
    return Rect(Width() - ScaledButtonWidth(), 1, Width(), Height());
}

int TRurCustomQuickAccessToolBar::GetTotalControlsWidth() const
{
    int width = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if ((c->Visible() || IsDesigning()) && c != FCustomizeButton && c != FScrollButton && c != FRefGlowButton &&
            c != FOverflowWindow && c != FOverflowWindowPanel && FHiddenCtrlList.IndexOf(c) < 0)
            width += c->Width();
    }
    for (int i = 0; i < FHiddenCtrlList.Count(); ++i)
        width += FHiddenCtrlList.Item<TControl>(i)->Width();
    return width + ScaledByRoundedScale(GetLeftIndent() + GetRightIndent() + FButtonWidth + FButtonGap);
}

// ---- Layout passes -----------------------------------------------------------------------------------

void TRurCustomQuickAccessToolBar::UpdateLayout()
{
    RebuildControlList();
    UpdateSize();
    UpdateControlsPosition(false);
    CheckOverflow();
}

void TRurCustomQuickAccessToolBar::AlignControls(TControl* control, TRect& rect)
{
    TCustomControl::AlignControls(control, rect);
    if (!FInternalUpdatingControlPos)
        UpdateLayout();
}

void TRurCustomQuickAccessToolBar::SetBounds(int left, int top, int width, int height)
{
    TCustomControl::SetBounds(left, top, width, height);
    UpdateSize();
    CheckOverflow();
}

void TRurCustomQuickAccessToolBar::RebuildControlList()
{
    FCtrlList.Clear();
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (IsSpecialControl(c) || !(c->Visible() || IsDesigning()) || FHiddenCtrlList.IndexOf(c) >= 0)
            continue;
        // Before the first listed control further right; equal places keep the child order.
        int at = FCtrlList.Count();
        for (int j = 0; j < FCtrlList.Count(); ++j)
            if (FCtrlList.Item<TControl>(j)->Left() > c->Left()) {
                at = j;
                break;
            }
        FCtrlList.Insert(at, c);
    }
    CleanHiddenControlList();
}

void TRurCustomQuickAccessToolBar::CleanHiddenControlList()
{
    for (int i = FHiddenCtrlList.Count() - 1; i >= 0; --i) {
        const TWinControl* parent = FHiddenCtrlList.Item<TControl>(i)->Parent();
        if (parent != this && (!FOverflowWindowPanel || parent != FOverflowWindowPanel))
            FHiddenCtrlList.Delete(i);
    }
}

void TRurCustomQuickAccessToolBar::UpdateSize()
{
    TRurToolBarPager* pager = Pager();
    // While the pager has not picked the bar up yet its area is empty; the bar's height taken
    // from it would stick, as the caption band's area is measured by that height.
    if (FInternalUpdatingSize || !pager || pager->QuickAccessToolBar() != this)
        return;
    TFlagScope guard(FInternalUpdatingSize);
    const int minWidth = int(Round(60 * double(DPIScale)));
    if (FFullSize) {
        const TRect r = pager->GetQATRect();
        SetBounds(r.Left, r.Top, std::max(r.Width(), minWidth), r.Height());
        return;
    }
    if (!pager->Caption()->Visible())
        return;
    const TRect r = pager->GetQATRect();
    SetBounds(r.Left, r.Top, std::max(std::min(GetTotalControlsWidth(), r.Width()), minWidth), r.Height());
}

void TRurCustomQuickAccessToolBar::UpdateControlsPosition(bool andSize)
{
    if (FInternalUpdatingControlPos || IsLoading() || FUpdateCount > 0)
        return;
    const TRect r = GetControlsRect();
    int x = r.Left;
    if (ScenicOrTones() && !FFullSize)
        x += int(Round(16 * double(DPIScale))); // the application icon's room
    const int h = r.Height();
    {
        TFlagScope guard(FInternalUpdatingControlPos);
        auto park = [](TControl* c) { c->SetTop(-c->Height() - 2); };
        for (int i = 0; i < FCtrlList.Count(); ++i) {
            TControl* c = FCtrlList.Item<TControl>(i);
            c->SetLeft(x);
            x += c->Width();
            if (FHiddenCtrlList.IndexOf(c) >= 0)
                park(c);
            else
                c->SetTop(r.Top + (h - c->Height()) / 2);
        }
        for (int i = 0; i < FHiddenCtrlList.Count(); ++i)
            if (TControl* c = FHiddenCtrlList.Item<TControl>(i); c->Parent() == this)
                park(c);
        const bool hidden = FHiddenCtrlList.Count() > 0;
        if (FCustomizeButton && FCustomizeButton->Visible() && !hidden) {
            const int left = FFullSize         ? x
                             : ScenicOrTones() ? GetButtonRect().Left
                                               : Width() - FCustomizeButton->Width();
            FCustomizeButton->SetBounds(left, r.Top, FCustomizeButton->Width(), r.Height());
        }
        if (FScrollButton && FScrollButton->Visible() && hidden)
            FScrollButton->SetBounds(FFullSize ? x : GetButtonRect().Left, r.Top, FScrollButton->Width(), r.Height());
    }
    if (andSize)
        UpdateSize();
}

void TRurCustomQuickAccessToolBar::CheckOverflow()
{
    TRurToolBarPager* pager = Pager();
    if (!pager || FUpdateCount > 0 || FInternalUpdatingControlPos || FInternalUpdatingSize || IsLoading())
        return;
    if (ScenicOrTones() && FApp)
        FApp->SetVisible(pager->Caption()->Visible());
    TRect r = GetControlsRect();
    if (GlassScenicOrTones())
        r.Right -= ScaledButtonWidth();
    int first = -1;
    for (int i = 0; i < FCtrlList.Count(); ++i) {
        TControl* c = FCtrlList.Item<TControl>(i);
        if (c->Left() + c->Width() > r.Right) {
            first = i;
            break;
        }
    }
    if (first < 0 && FHiddenCtrlList.Count() == 0)
        return;
    {
        TFlagScope guard(FInternalUpdatingControlPos);
        if (first >= 0) {
            if (!OverflowButtonVisible())
                SetOverflowButtonVisible(true);
            // In front of the hidden list, keeping it in left-to-right order.
            for (int i = first; i < FCtrlList.Count(); ++i)
                FHiddenCtrlList.Insert(i - first, FCtrlList.Item<TControl>(i));
            if (FCustomizeButton && FCustomizeButton->Visible() && FCustomizeButton->Parent() == this)
                FCustomizeButton->Hide();
        } else {
            int x = r.Left;
            if (FCtrlList.Count() > 0) {
                TControl* last = FCtrlList.Item<TControl>(FCtrlList.Count() - 1);
                x = last->Left() + last->Width();
            }
            int room = r.Right - x;
            while (FHiddenCtrlList.Count() > 0 && room > 0 &&
                   room >= FHiddenCtrlList.Item<TControl>(0)->Width()) {
                TControl* c = FHiddenCtrlList.Item<TControl>(0);
                if (c->Parent() != this)
                    c->SetParent(this);
                c->SetLeft(x);
                x += c->Width();
                room -= c->Width();
                FHiddenCtrlList.Delete(0);
            }
            if (FHiddenCtrlList.Count() == 0) {
                SetOverflowButtonVisible(false);
                if (FShowCustomizeOption &&
                    (!FCustomizeButton || FCustomizeButton->Parent() != this || !FCustomizeButton->Visible())) {
                    FShowCustomizeOption = false;
                    SetShowCustomizeOption(true);
                }
            }
        }
    }
    RebuildControlList();
    // Controls that changed sides take their places (hidden ones out of sight) at once.
    UpdateControlsPosition(false);
}

// ---- Customize and overflow buttons ------------------------------------------------------------------

void TRurCustomQuickAccessToolBar::SetShowCustomizeOption(bool value)
{
    if (FShowCustomizeOption == value)
        return;
    FShowCustomizeOption = value;
    if (value) {
        if (FCustomizeButton) {
            FCustomizeButton->Hide();
            FCustomizeButton->SetBounds(FCustomizeButton->Left(), FCustomizeButton->Top(), ScaledButtonWidth(),
                                        Height());
        } else {
            FCustomizeButton = new TRurVistaButton(this);
            FCustomizeButton->SetParent(this);
            FCustomizeButton->SetArrowStyle(asWithLine);
            FCustomizeButton->SetScrollArrow(saBottom);
            FCustomizeButton->SetBounds(0, 0, FButtonWidth, Height());
            FCustomizeButton->SetOnClick(MakeHandler<&TRurCustomQuickAccessToolBar::CustomizeButtonClick>(this));
            FCustomizeButton->SetHint(FCustomizeHint);
        }
        if (FCustomizeButton->Parent() != this)
            FCustomizeButton->SetParent(this);
        if (TCustomRurToolBarStyler* styler = ToolBarStyler())
            FCustomizeButton->Appearance()->Assign(styler->GlowButtonAppearance());
        FCustomizeButton->Show();
    } else if (FCustomizeButton) {
        FCustomizeButton->Hide();
        FCustomizeButton->SetBounds(FCustomizeButton->Left(), FCustomizeButton->Top(), 0, 0);
    }
    UpdateSize();
    UpdateControlsPosition(false);
    CheckOverflow();
}

void TRurCustomQuickAccessToolBar::CustomizeButtonClick(TObject*)
{
    FOnCustomizeClick(this);
    if (FDropDownPopupMenu && FCustomizeButton) {
        const TPoint at = FCustomizeButton->ClientToScreen(Point(0, FCustomizeButton->Height()));
        FCustomizeButton->SetDown(true);
        FDropDownPopupMenu->Popup(at.X, at.Y);
        FCustomizeButton->SetDown(false);
    }
    if (FCustomizeButton) {
        FCustomizeButton->Perform(CM_MOUSELEAVE);
        if (FCustomizeButton->Enabled() && !FCustomizeButton->Down())
            FCustomizeButton->Invalidate();
    }
}

bool TRurCustomQuickAccessToolBar::OverflowButtonVisible() const { return FScrollButton && FScrollButton->Visible(); }

void TRurCustomQuickAccessToolBar::SetOverflowButtonVisible(bool value)
{
    if (OverflowButtonVisible() == value)
        return;
    if (!value) {
        FScrollButton->Hide();
        return;
    }
    if (!FScrollButton) {
        FScrollButton = new TRurVistaButton(this);
        FScrollButton->SetParent(this);
        FScrollButton->SetArrowStyle(asDouble);
        FScrollButton->SetScrollArrow(saRight);
        FScrollButton->SetOnMouseDown(MakeHandler<&TRurCustomQuickAccessToolBar::OverflowButtonMouseDown>(this));
    }
    const TRect b = GetButtonRect();
    FScrollButton->SetBounds(b.Left, b.Top, ScaledButtonWidth(), Height());
    if (TCustomRurToolBarStyler* styler = ToolBarStyler())
        FScrollButton->Appearance()->Assign(styler->GlowButtonAppearance());
    FScrollButton->Show();
}

void TRurCustomQuickAccessToolBar::OverflowButtonMouseDown(TObject*, TMouseButton, TShiftState, int, int)
{
    FScrollButton->SetDown(true);
    ShowOverflowWindow(0, 0, false);
}

void TRurCustomQuickAccessToolBar::OverflowWindowHide(TObject*)
{
    if (FScrollButton)
        FScrollButton->SetDown(false);
}

// ---- The overflow window -----------------------------------------------------------------------------

void TRurCustomQuickAccessToolBar::PrepareOverflowWindow()
{
    if (IsDesigning())
        return;
    if (!FOverflowWindow) {
        FOverflowWindow = new TOptionSelectorWindow(this);
        FOverflowWindow->SetBorderIcons(TBorderIcons{});
        FOverflowWindow->SetBorderStyle(bsNone);
        FOverflowWindow->SetFormStyle(fsStayOnTop);
        FOverflowWindow->SetVisible(false);
        FOverflowWindow->SetBounds(0, 0, 10, 10);
        FOverflowWindow->SetParent(this);
        FOverflowWindow->SetOnHide(MakeHandler<&TRurCustomQuickAccessToolBar::OverflowWindowHide>(this));
    }
    if (!FOverflowWindowPanel) {
        FOverflowWindowPanel = new TControlSelectorPanel(FOverflowWindow);
        FOverflowWindowPanel->SetParent(FOverflowWindow);
    }
    TControlSelectorPanel* panel = FOverflowWindowPanel;
    panel->SetShowAddAndRemoveBtn(false);
    panel->SetOptionsMenu(nullptr);
    panel->SetTextAutoOptionMenu(String());
    panel->SetTextOptionMenu(String());
    panel->SetRurToolBar(nullptr);
    if (TCustomRurToolBarStyler* styler = ToolBarStyler()) {
        const TButtonAppearance* b = styler->ButtonAppearance();
        panel->SetItemColorHot(b->ColorHot());
        panel->SetItemColorHotTo(b->ColorHotTo());
        panel->SetItemColorDown(b->ColorDown());
        panel->SetItemColorDownTo(b->ColorDownTo());
        panel->SetItemTextColor(b->CaptionTextColor());
        panel->SetItemTextColorHot(b->CaptionTextColorHot());
        panel->SetItemTextColorDown(b->CaptionTextColorDown());
        panel->SetWindowBorderColor(styler->QATAppearance()->FullSizeBorderColor());
        panel->SetColor(styler->TabAppearance()->BackGround()->Color());
        panel->SetColorTo(styler->TabAppearance()->BackGround()->Color());
    }
    FOverflowWindow->SetOptionsPanel(panel);
    panel->ClearControls();
    {
        TFlagScope guard(FInternalUpdatingControlPos);
        for (int i = 0; i < FHiddenCtrlList.Count(); ++i)
            panel->AddControl(FHiddenCtrlList.Item<TControl>(i));
        if (FShowCustomizeOption && FCustomizeButton) {
            panel->AddControl(FCustomizeButton);
            FCustomizeButton->Show();
        }
    }
    panel->ArrangeControls();
    FOverflowWindow->SetWindowSize();
}

void TRurCustomQuickAccessToolBar::ShowOverflowWindow(int x, int y, bool usePoint)
{
    PrepareOverflowWindow();
    if (!FOverflowWindow || FOverflowWindowPanel->ListedControlCount() == 0) {
        // Nothing to drop down: the button does not stay pressed.
        if (FScrollButton)
            FScrollButton->SetDown(false);
        return;
    }
    TPoint at{x, y};
    const int w = FOverflowWindow->Width(), h = FOverflowWindow->Height();
    if (!usePoint) {
        at = Parent() ? Parent()->ClientToScreen(Point(Left() + Width() - 12, Top() + Height() + 1))
                      : ClientToScreen(Point(Width() - 12, Height() + 1));
        const TMonitor* monitor = Screen->MonitorFromPoint(at);
        const TRect work = monitor ? monitor->WorkareaRect() : Screen->WorkAreaRect();
        at.X = std::max(work.Left, std::min(at.X, work.Right - w));
        at.Y = std::max(work.Top, std::min(at.Y, work.Bottom - h - 2));
    }
    FOverflowWindow->SetBounds(at.X, at.Y, 0, 0);
    FOverflowWindow->Show();
    FOverflowWindow->SetBounds(at.X, at.Y, w, h);
}

void TRurCustomQuickAccessToolBar::HideOverflowWindow()
{
    if (FOverflowWindow && FOverflowWindow->Visible())
        FOverflowWindow->Hide();
}
