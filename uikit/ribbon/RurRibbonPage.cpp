#include "RurRibbonPage.h"

#include "Messages.h"
#include "RurRibbonPager.h"
#include "RurRibbonPageScrollButton.h"
#include "RurToolBar_ToolBar.h"

// ---- TRurPageCaption --------------------------------------------------------------------------

TAVIN_PUBLISHED(TRurPageCaption)
{
    TAVIN_PROPERTY(String, Caption);
    TAVIN_PROPERTY(bool, Visible).Default(true);
    TAVIN_PROPERTY(int, Height);
    TAVIN_PROPERTY(int, Indent).Default(100);
    TAVIN_PROPERTY(int, MinWidth).Default(100);
}

void TRurPageCaption::Assign(const TPersistent* source)
{
    if (auto* other = dynamic_cast<const TRurPageCaption*>(source)) {
        FCaption = other->FCaption;
        FHeight = other->FHeight;
        SetVisible(other->FVisible);
        SetIndent(other->FIndent);
        SetMinWidth(other->FMinWidth);
        return;
    }
    TPersistent::Assign(source);
}

void TRurPageCaption::Changed()
{
    FOnChange(this);
    FHeightUpdate = false;
}

void TRurPageCaption::SetCaption(const String& value)
{
    if (FCaption != value) {
        FCaption = value;
        Changed();
    }
}

void TRurPageCaption::SetWideCaption(const String& value)
{
    if (FWideCaption != value) {
        FWideCaption = value;
        Changed();
    }
}

void TRurPageCaption::SetVisible(bool value)
{
    if (FVisible != value) {
        FVisible = value;
        FHeightUpdate = true;
        Changed();
    }
}

void TRurPageCaption::SetHeight(int value)
{
    if (FHeight != value) {
        FHeight = value;
        FHeightUpdate = true;
    }
    Changed();
}

void TRurPageCaption::SetIndent(int value)
{
    if (FIndent != value) {
        FIndent = value;
        Changed();
    }
}

void TRurPageCaption::SetMinWidth(int value)
{
    if (FMinWidth != value) {
        FMinWidth = value;
        Changed();
    }
}

// ---- TRurPage: lifecycle ----------------------------------------------------------------------

TAVIN_PUBLISHED(TRurPage)
{
    TAVIN_PROPERTY(bool, AutoPosition).Default(true);
    TAVIN_PROPERTY(String, Caption);
    TAVIN_PROPERTY(int, ImageIndex).Default(-1);
    TAVIN_PROPERTY(String, TabHint);
    TAVIN_PROPERTY(bool, TabVisible).Default(true);
    TAVIN_PROPERTY(bool, TabEnabled).Default(true);
    TAVIN_PROPERTY(String, ShortCutHint);
    TAVIN_PROPERTY(TShortCutHintPos, ShortCutHintPos).Default(shpBottom);
}

TRurPage::TRurPage(TComponent* owner) : TCustomControl(owner), FOfficeHint(std::make_unique<TRurHintInfo>())
{
    TControlStyle style = ControlStyle();
    style.Include(csAcceptsControls);
    style.Exclude(csOpaque);
    SetControlStyle(style);
    SetDoubleBuffered(true);
}

TRurPage::~TRurPage()
{
    if (FRurToolBarPager)
        FRurToolBarPager->RemoveRurPage(this);
}

void TRurPage::Loaded()
{
    TCustomControl::Loaded();
    FRurToolBars.Clear();
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* toolBar = dynamic_cast<TRurToolBar*>(Controls(i))) {
            int at = 0;
            while (at < FRurToolBars.Count() && FRurToolBars.Item<TControl>(at)->Left() <= toolBar->Left())
                ++at;
            FRurToolBars.Insert(at, toolBar);
        }
    ArrangeToolBars();
}

// ---- Toolbar list -----------------------------------------------------------------------------

TRurToolBar* TRurPage::RurToolBars(int index) const
{
    return index >= 0 && index < FRurToolBars.Count() ? FRurToolBars.Item<TRurToolBar>(index) : nullptr;
}

TRurToolBar* TRurPage::CreateRurToolBar()
{
    auto* toolBar = new TRurToolBar(this);
    toolBar->SetAutoSize(false);
    toolBar->SetShowRightHandle(false);
    toolBar->SetShowCaption(true);
    toolBar->SetCaptionPosition(cpBottom);
    toolBar->SetCaptionAlignment(taCenter);
    toolBar->SetWidth(120);
    toolBar->SetHeight(26);
    toolBar->SetCaption(u"Untitled");
    AddRurToolBar(toolBar);
    toolBar->SetParentStyler(true);
    return toolBar;
}

int TRurPage::AddRurToolBar(TRurToolBar* toolBar)
{
    if (!toolBar || FCloning || FRurToolBars.IndexOf(toolBar) >= 0)
        return -1;
    const bool loading = ComponentState().Contains(csLoading) || ComponentState().Contains(csDesigning);
    if (!loading) {
        toolBar->SetShowRightHandle(false);
        toolBar->SetShowCaption(true);
        toolBar->SetCaptionPosition(cpBottom);
        toolBar->SetCaptionAlignment(taCenter);
    }
    const int index = FRurToolBars.Add(toolBar);
    if (toolBar->Parent() != this)
        toolBar->SetParent(this);
    toolBar->SetPropertiesLoaded(true);
    if (!loading && !toolBar->ToolBarStyler())
        toolBar->SetParentStyler(true);
    ArrangeToolBars();
    return index;
}

void TRurPage::InsertRurToolBar(int index, TRurToolBar* toolBar)
{
    if (!toolBar || FCloning || FRurToolBars.IndexOf(toolBar) >= 0)
        return;
    FRurToolBars.Insert(std::clamp(index, 0, FRurToolBars.Count()), toolBar);
    if (toolBar->Parent() != this)
        toolBar->SetParent(this);
    ArrangeToolBars();
}

void TRurPage::MoveRurToolBar(int curIndex, int newIndex)
{
    const int count = FRurToolBars.Count();
    if (FCloning || curIndex < 0 || curIndex >= count || newIndex < 0 || newIndex >= count)
        return;
    FRurToolBars.Move(curIndex, newIndex);
    ArrangeToolBars();
}

void TRurPage::RemoveRurToolBar(TRurToolBar* toolBar)
{
    if (FCloning)
        return;
    const int index = FRurToolBars.IndexOf(toolBar);
    if (index < 0)
        return;
    FRurToolBars.Delete(index);
    if (toolBar->Parent() == this && !toolBar->ComponentState().Contains(csDestroying))
        toolBar->SetParent(nullptr);
}

TRurToolBar* TRurPage::FirstToolBar(bool visibleOnly) const
{
    for (int i = 0; i < FRurToolBars.Count(); ++i) {
        auto* toolBar = FRurToolBars.Item<TRurToolBar>(i);
        if (!visibleOnly || toolBar->Visible())
            return toolBar;
    }
    return nullptr;
}

void TRurPage::InvalidateToolBars()
{
    if (!Visible())
        return;
    for (int i = 0; i < FRurToolBars.Count(); ++i)
        FRurToolBars.Item<TControl>(i)->Invalidate();
}

void TRurPage::GetToolBarsSortedByLeft(TDbgList& list) const
{
    const bool designing = ComponentState().Contains(csDesigning);
    list.Clear();
    for (int i = 0; i < ControlCount(); ++i) {
        auto* toolBar = dynamic_cast<TRurToolBar*>(Controls(i));
        if (!toolBar || (!designing && !toolBar->Visible()))
            continue;
        int at = 0;
        while (at < list.Count() && list.Item<TControl>(at)->Left() <= toolBar->Left())
            ++at;
        list.Insert(at, toolBar);
    }
}

void TRurPage::ToolBarInserted(TControl* control)
{
    auto* toolBar = dynamic_cast<TRurToolBar*>(control);
    if (toolBar && FRurToolBars.IndexOf(toolBar) < 0)
        FRurToolBars.Add(toolBar);
}

// ---- Layout -----------------------------------------------------------------------------------

bool TRurPage::IsEligibleForArrange(const TControl* control) const
{
    return ComponentState().Contains(csDesigning) || (control->Visible() && control->Width() > 0);
}

void TRurPage::ArrangeToolBars()
{
    if (!FAutoPosition || FUpdatingATBPosition || ComponentState().Contains(csLoading) || FUpdateCount > 0)
        return;
    FUpdatingATBPosition = true;
    int x = 3;
    for (int i = 0; i < FRurToolBars.Count(); ++i) {
        auto* toolBar = FRurToolBars.Item<TControl>(i);
        if (!IsEligibleForArrange(toolBar))
            continue;
        toolBar->SetBounds(x, 3, toolBar->Width(), Height() - 6);
        x += toolBar->Width() + 3;
    }
    FUpdatingATBPosition = false;
}

void TRurPage::BeginUpdate()
{
    if (Visible())
        ++FUpdateCount;
}

void TRurPage::EndUpdate()
{
    if (!Visible())
        return;
    if (FUpdateCount > 0)
        --FUpdateCount;
    if (FUpdateCount == 0)
        ArrangeToolBars();
}

void TRurPage::SetAutoPosition(bool value)
{
    if (FAutoPosition != value) {
        FAutoPosition = value;
        ArrangeToolBars();
    }
}

void TRurPage::SetBounds(int left, int top, int width, int height)
{
    if (width != Width())
        FOldWidth = Width();
    TCustomControl::SetBounds(left, top, width, height);
    ArrangeToolBars();
}

void TRurPage::AlignControls(TControl* control, TRect& rect)
{
    TCustomControl::AlignControls(control, rect);
    ArrangeToolBars();
}

void TRurPage::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_CONTROLCHANGE:
        TCustomControl::WndProc(message);
        if (!FCloning) {
            auto* control = reinterpret_cast<TControl*>(message.WParam);
            if (message.LParam)
                ToolBarInserted(control);
            else if (const int index = FRurToolBars.IndexOf(control); index >= 0)
                // A toolbar being destroyed is no longer of its class here: found by address.
                FRurToolBars.Delete(index);
        }
        return;
    default:
        TCustomControl::WndProc(message);
    }
}

void TRurPage::Resize()
{
    TCustomControl::Resize();
    if (Width() != FOldWidth) {
        FOldWidth = Width();
        ResetToolBarScroll();
    }
}

void TRurPage::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    FToolBarShortCutShowing = false;
    TCustomControl::MouseDown(button, shift, x, y);
}

// ---- Parent and pager -------------------------------------------------------------------------

void TRurPage::SetParent(TWinControl* parent)
{
    if (IsOfClassNamed(parent, u"TRurDockPanel") || dynamic_cast<TRurCustomToolBar*>(parent))
        throw Exception(u"Invalid Parent");
    auto* targetPage = dynamic_cast<TRurPage*>(parent);
    auto* targetPager = dynamic_cast<TRurToolBarPager*>(parent);
    if ((targetPage || targetPager) && FRurToolBarPager && !FUpdatingParent) {
        TRurToolBarPager* pager = targetPager ? targetPager : targetPage->FRurToolBarPager;
        if (pager != FRurToolBarPager) {
            FUpdatingParent = true;
            SetRurToolBarPager(pager);
            FUpdatingParent = false;
        }
        if (pager != FRurToolBarPager)
            throw Exception(u"Invalid Parent");
        if (targetPage) {
            const int own = PageIndex(), target = targetPage->PageIndex();
            const int count = FRurToolBarPager->RurPageCount();
            if (own < 0 || own >= count || target < 0 || target >= count)
                throw Exception(u"Invalid Parent " + IntToStr(own) + u":" + IntToStr(target));
            FRurToolBarPager->MoveRurPage(own, target);
        }
        FRurToolBarPager->Invalidate();
        Invalidate();
        parent = FRurToolBarPager;
    }
    TCustomControl::SetParent(parent);
}

void TRurPage::SetRurToolBarPager(TRurToolBarPager* value)
{
    if (FRurToolBarPager == value)
        return;
    if (FRurToolBarPager)
        FRurToolBarPager->RemoveRurPage(this);
    if (value) {
        FUpdatingParent = true;
        SetParent(value);
        FUpdatingParent = false;
        value->AddRurPage(this);
    }
}

int TRurPage::PageIndex() const
{
    return FRurToolBarPager ? FRurToolBarPager->IndexOfPage(const_cast<TRurPage*>(this)) : -1;
}

void TRurPage::SetPageIndex(int value)
{
    if (!FRurToolBarPager || value < 0 || value >= FRurToolBarPager->RurPageCount())
        return;
    FRurToolBarPager->MoveRurPage(PageIndex(), value);
    FRurToolBarPager->InitTabs();
    FRurToolBarPager->AdjustTabs();
    FRurToolBarPager->Invalidate();
    Invalidate();
}

// ---- Tab data ---------------------------------------------------------------------------------

int TRurPage::GetTabWidthWithMargins() const
{
    if (!FRurToolBarPager)
        return FTabClientWidth;
    const int group = FRurToolBarPager->PageTabGroupIndex(const_cast<TRurPage*>(this));
    if (group < 0)
        return FTabClientWidth + FRurToolBarPager->CurrentTabLeftMargin() + FRurToolBarPager->CurrentTabRightMargin();
    return FTabClientWidth + 2 * FRurToolBarPager->TabGroups()->Items(group)->TabCurrentExtraXMargin() +
           FRurToolBarPager->CurrentGroupTabLeftMargin() + FRurToolBarPager->CurrentGroupTabRightMargin();
}

bool TRurPage::IsInTabGroup() const
{
    return FRurToolBarPager && FRurToolBarPager->PageInTabGroup(const_cast<TRurPage*>(this));
}

void TRurPage::RepaintPagerTabs()
{
    if (!FRurToolBarPager)
        return;
    FRurToolBarPager->InitTabs();
    FRurToolBarPager->AdjustTabs();
    FRurToolBarPager->ResetTabScroller();
    FRurToolBarPager->Invalidate();
}

void TRurPage::SetCaption(const String& value)
{
    if (FCaption != value) {
        FCaption = value;
        RepaintPagerTabs();
        Invalidate();
    }
}

void TRurPage::SetWideCaption(const String& value)
{
    if (FWideCaption != value) {
        FWideCaption = value;
        RepaintPagerTabs();
        Invalidate();
    }
}

void TRurPage::SetTabVisible(bool value)
{
    if (FTabVisible == value)
        return;
    FTabVisible = value;
    if (FRurToolBarPager) {
        FRurToolBarPager->AdjustTabs();
        FRurToolBarPager->ResetTabScroller();
        FRurToolBarPager->Invalidate();
        if (TRurPage* active = FRurToolBarPager->ActivePage())
            active->Invalidate();
    }
}

void TRurPage::SetTabEnabled(bool value)
{
    if (FTabEnabled != value) {
        FTabEnabled = value;
        Invalidate();
        if (FRurToolBarPager)
            FRurToolBarPager->Invalidate();
    }
}

void TRurPage::SetImageIndex(int value)
{
    if (FImageIndex != value) {
        FImageIndex = value;
        if (FRurToolBarPager) {
            FRurToolBarPager->InitTabs();
            FRurToolBarPager->Invalidate();
        }
    }
}
