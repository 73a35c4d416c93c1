// The toolbar's control lists, images, hot button and styler link.
#include "RurToolBar_ToolBar.h"

#include "Forms.h"
#include "RurToolBar_Button.h"
#include "RurToolBar_OptionWindow.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_Styler.h"

TAVIN_PUBLISHED(TRurToolBar)
{
    TAVIN_PROPERTY(TCustomImageList*, Images);
    TAVIN_PROPERTY(TCustomImageList*, DisabledImages);
    TAVIN_PROPERTY(bool, ParentStyler).Default(true);
}

TRurCustomToolBar::TRurCustomToolBar(TComponent* owner)
    : TCustomControl(owner), FInternalToolBarStyler(new TCustomRurToolBarStyler(this)),
      FCurrentToolBarStyler(FInternalToolBarStyler), FCaptionHeight(ScaledSize16)
{
    TControlStyle style = ControlStyle();
    style.Include(csAcceptsControls);
    style.Exclude(csOpaque);
    SetControlStyle(style);
    SetHeight(26);
    FInternalToolBarStyler->SetName(u"InternalStyler");
    FInternalToolBarStyler->AddControl(this);
    SetShowHint(true);
    SetDoubleBuffered(true);
}

TRurCustomToolBar::~TRurCustomToolBar()
{
    if (FToolBarStyler && FToolBarStyler != FInternalToolBarStyler)
        FToolBarStyler->RemoveControl(this);
    FToolBarStyler = nullptr;
    FCurrentToolBarStyler = FInternalToolBarStyler;
    delete FOptionWindow;
}

TControl* TRurCustomToolBar::ToolBarControls(int index) const
{
    return index >= 0 && index < FATBControls.Count() ? FATBControls.Item<TControl>(index) : nullptr;
}

void TRurCustomToolBar::SetImages(TCustomImageList* value)
{
    if (value == FImages)
        return;
    FImages = value;
    if (value)
        value->FreeNotification(this);
    for (int i = 0; i < FATBControls.Count(); ++i)
        if (auto* control = dynamic_cast<TRurCustomToolBarControl*>(FATBControls.Item<TControl>(i)))
            control->AdjustSize();
    ArrangeControls(true);
    for (int i = 0; value && i < FATBControls.Count(); ++i)
        if (auto* button = dynamic_cast<TRurCustomToolBarButton*>(FATBControls.Item<TControl>(i)))
            button->GenerateShade();
    Invalidate();
}

void TRurCustomToolBar::SetDisabledImages(TCustomImageList* value)
{
    if (value == FDisabledImages)
        return;
    FDisabledImages = value;
    if (value)
        value->FreeNotification(this);
    for (int i = 0; i < FATBControls.Count(); ++i)
        if (auto* control = dynamic_cast<TRurCustomToolBarControl*>(FATBControls.Item<TControl>(i)))
            control->AdjustSize();
    Invalidate();
}

void TRurCustomToolBar::SetToolBarStyler(TCustomRurToolBarStyler* value)
{
    if (value && value == FToolBarStyler)
        return;
    if (FToolBarStyler && FToolBarStyler != FInternalToolBarStyler)
        FToolBarStyler->RemoveControl(this);
    FToolBarStyler = value;
    LinkStyler();
}

void TRurCustomToolBar::SetParentStyler(bool value)
{
    if (value || value != FParentStyler) {
        FParentStyler = value;
        SetToolBarStyler(nullptr);
    }
}

void TRurCustomToolBar::LinkStyler()
{
    // The parent's styler (a dock panel's or a ribbon's) takes part here once those exist.
    FCurrentToolBarStyler = FToolBarStyler ? FToolBarStyler : FInternalToolBarStyler;
    if (FToolBarStyler) {
        FToolBarStyler->AddControl(this);
        FToolBarStyler->FreeNotification(this);
    }
    if (!Parent())
        return;
    for (int i = 0; i < FATBControls.Count(); ++i)
        if (auto* button = dynamic_cast<TRurCustomToolBarButton*>(FATBControls.Item<TControl>(i)))
            button->AdjustSize();
}

void TRurCustomToolBar::StylerChanged(int /*code*/)
{
    Invalidate();
}

void TRurCustomToolBar::HotButtonChanged(TRurCustomToolBarButton* button)
{
    if (button->Hot()) {
        if (FHotButton && FHotButton != button) {
            TRurCustomToolBarButton* previous = FHotButton;
            FHotButton = nullptr;
            previous->SetHot(false);
        }
        FHotButton = button;
    } else if (button == FHotButton) {
        FHotButton = nullptr;
    }
}

void TRurCustomToolBar::MarkControlUsed(TControl* control)
{
    if (ComponentState().Contains(csDestroying) || FATBControls.IndexOf(control) < 0)
        return;
    if (FRUControls.Remove(control) >= 0)
        FRUControls.Insert(0, control);
    if (control->Parent() != this && !ComponentState().Contains(csDesigning) &&
        !ComponentState().Contains(csLoading)) {
        FInternalControlUpdation = true;
        control->SetParent(this);
        FInternalControlUpdation = false;
    }
    HideOptionWindow();
    UpdateHiddenControls();
}

void TRurCustomToolBar::HideOptionWindow()
{
    if (FOptionWindow && FOptionWindow->Visible())
        FOptionWindow->Hide();
}

void TRurCustomToolBar::SetPrevActiveControl(TWinControl* value)
{
    FPrevActiveControl = value;
    if (value)
        value->FreeNotification(this);
}

void TRurCustomToolBar::ArrangeControls(bool /*resize*/) {}

void TRurCustomToolBar::UpdateHiddenControls() {}

void TRurCustomToolBar::UpdateSize() {}

bool TRurCustomToolBar::DropDownButtonMenu(TRurCustomToolBarButton* /*button*/) { return false; }

void TRurCustomToolBar::WndProc(TMessage& message)
{
    TCustomControl::WndProc(message);
    if (message.Msg != CM_CONTROLCHANGE)
        return;
    auto* control = reinterpret_cast<TControl*>(message.WParam);
    if (dynamic_cast<TOptionSelectorWindow*>(control) || FInternalControlUpdation)
        return;
    if (message.LParam)
        ControlInserted(control);
    else
        ControlRemoved(control);
}

void TRurCustomToolBar::ControlInserted(TControl* control)
{
    if (auto* item = dynamic_cast<TRurCustomToolBarControl*>(control)) {
        item->FRurToolBar = this;
        item->SetPosition(FPosition);
        if (!ComponentState().Contains(csLoading) && !ComponentState().Contains(csDesigning))
            item->AdjustSize();
    }
    const int current = FATBControls.IndexOf(control);
    const int ordered = OrderedIndex(control, current);
    if (current < 0) {
        FATBControls.Insert(ordered, control);
    } else if (ordered != current) {
        FATBControls.Delete(current);
        FATBControls.Insert(ordered > current ? ordered - 1 : ordered, control);
    }
    if (FAutoRUL && FRUControls.IndexOf(control) < 0)
        FRUControls.Add(control);
    ArrangeControls(true);
}

void TRurCustomToolBar::ControlRemoved(TControl* control)
{
    if (FATBControls.IndexOf(control) < 0)
        return;
    // Every toolbar control drops its link, so none keeps pointing at a toolbar it left.
    if (auto* item = dynamic_cast<TRurCustomToolBarControl*>(control))
        item->FRurToolBar = nullptr;
    ForgetControl(control);
}

void TRurCustomToolBar::ForgetControl(const void* control)
{
    if (FATBControls.IndexOf(const_cast<void*>(control)) < 0)
        return;
    if (control == FHotButton)
        FHotButton = nullptr;
    FATBControls.Remove(const_cast<void*>(control));
    if (FAutoRUL) {
        FRUControls.Remove(const_cast<void*>(control));
        FLUHidedControls.Remove(const_cast<void*>(control));
    }
    ArrangeControls(true);
}

int TRurCustomToolBar::OrderedIndex(TControl* control, int current) const
{
    const int count = FATBControls.Count();
    if (current >= 0 && count <= 1)
        return current;
    if (control->Left() == 0 || control->Top() == 0)
        return count;
    const bool vertical = FPosition == daLeft || FPosition == daRight;
    for (int i = 0; i < count; ++i) {
        if (i == current)
            continue;
        TControl* other = FATBControls.Item<TControl>(i);
        if (vertical ? other->Top() >= control->Top() : other->Left() >= control->Left())
            return i;
    }
    return count;
}

void TRurCustomToolBar::Notification(TComponent* component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (ComponentState().Contains(csDestroying)) {
        if (component == FToolBarStyler) {
            FToolBarStyler = nullptr;
            FCurrentToolBarStyler = FInternalToolBarStyler;
        }
        return;
    }
    if (component == FImages)
        SetImages(nullptr);
    if (component == FDisabledImages)
        SetDisabledImages(nullptr);
    if (component == FToolBarStyler)
        SetToolBarStyler(nullptr);
    if (component == FPrevActiveControl)
        FPrevActiveControl = nullptr;
    if (component == FOptionWindow) {
        FOptionWindow = nullptr;
        FOptionWindowPanel = nullptr;
    }
    // The component may be half destroyed: it is only looked up, never used.
    ForgetControl(component);
}

void TRurCustomToolBar::Paint()
{
    // The toolbar's face belongs to its painting; until then a plain background in its colour.
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(ClientRect());
}
