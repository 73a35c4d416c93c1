// The toolbar's data, construction and destruction, loading, the styler link, its properties and
// its control lists.
#include "RurToolBar_ToolBar.h"

#include "CustomizerU.h"
#include "Forms.h"
#include "Math.h"
#include "MenuBarKey.h"
#include "RurToolBar_Button.h"
#include "RurToolBar_Container.h"
#include "RurToolBar_ControlSelector.h"
#include "RurToolBar_DockPanel.h"
#include "RurToolBar_Floating.h"
#include "RurToolBar_MenuHooks.h"
#include "RurToolBar_OptionWindow.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_RibbonHost.h"
#include "RurToolBar_Styler.h"

TAVIN_PUBLISHED(TRurToolBar)
{
    TAVIN_PROPERTY(bool, AllowFloating);
    TAVIN_PROPERTY(bool, AutoArrangeButtons).Default(true);
    TAVIN_PROPERTY(bool, AutoDockOnClose).Default(false);
    TAVIN_PROPERTY(bool, AutoMDIButtons).Default(false);
    TAVIN_PROPERTY(bool, AutoOptionMenu).Default(false);
    TAVIN_PROPERTY(bool, AutoPositionControls).Default(true);
    TAVIN_PROPERTY(bool, AutoPositionMultiRow).Default(false);
    TAVIN_PROPERTY(bool, AutoSize).Default(true);
    TAVIN_PROPERTY(String, Caption);
    TAVIN_PROPERTY(TAlignment, CaptionAlignment).Default(taLeftJustify);
    TAVIN_PROPERTY(TFont*, CaptionFont);
    TAVIN_PROPERTY(int, CaptionHeight).Default(16);
    TAVIN_PROPERTY(TToolBarCaptionPosition, CaptionPosition).Default(cpTop);
    TAVIN_PROPERTY(TCustomImageList*, DisabledImages);
    TAVIN_PROPERTY(TDockableTo, DockableTo).Default(TDockableTo{daLeft, daTop, daRight, daBottom});
    TAVIN_PROPERTY(TDockMode, DockMode).Default(dmAll);
    TAVIN_PROPERTY(bool, FullSize).Default(false);
    TAVIN_PROPERTY(String, HintCloseButton);
    TAVIN_PROPERTY(String, HintOptionButton);
    TAVIN_PROPERTY(TCustomImageList*, Images);
    TAVIN_PROPERTY(bool, Locked).Default(false);
    TAVIN_PROPERTY(TMainMenu*, Menu);
    TAVIN_PROPERTY(TPopupMenu*, OptionMenu);
    TAVIN_PROPERTY(bool, ParentStyler).Default(true);
    TAVIN_PROPERTY(TRujStyle, UIStyle).Default(tsCustom);
    TAVIN_PROPERTY(TRurHintInfo*, OfficeHint);
    TAVIN_PROPERTY(TPersistence*, Persistence);
    TAVIN_PROPERTY(bool, ShowCaption).Default(false);
    TAVIN_PROPERTY(bool, ShowClose).Default(true);
    TAVIN_PROPERTY(bool, ShowOptionIndicator).Default(true);
    TAVIN_PROPERTY(bool, ShowRightHandle).Default(true);
    TAVIN_PROPERTY(String, TextAutoOptionMenu);
    TAVIN_PROPERTY(String, TextOptionMenu);
    TAVIN_PROPERTY(TCustomRurToolBarStyler*, ToolBarStyler);
    TAVIN_PROPERTY(String, CompactCaption);
    TAVIN_PROPERTY(int, CompactImageIndex);
    TAVIN_PROPERTY(TGDIPPicture*, CompactPicture);
    TAVIN_PROPERTY(String, CompactShortCutHint);
    TAVIN_PROPERTY(TGDIPPicture*, OptionPicture);
    TAVIN_PROPERTY(TGDIPPicture*, OptionDisabledPicture);
    TAVIN_PROPERTY(bool, ParentOptionPicture);
    TAVIN_PROPERTY(TNotifyEvent, OnClose);
    TAVIN_PROPERTY(TCloseQueryEvent, OnCompactCloseQuery);
    TAVIN_PROPERTY(TNotifyEvent, OnCompactShow);
    TAVIN_PROPERTY(TOptionEvent, OnOptionClick);
    TAVIN_PROPERTY(TControlVisibleChangeEvent, OnControlVisibleChange);
}

bool IsOfClassNamed(const TObject* object, const char16_t* className)
{
    if (!object)
        return false;
    for (TClass c = object->ClassType(); c; c = c->ClassParent())
        if (c->ClassName() == className)
            return true;
    return false;
}

TRurCustomToolBar::TRurCustomToolBar(TComponent* owner)
    : TCustomControl(owner), FInternalToolBarStyler(new TCustomRurToolBarStyler(this)),
      FCurrentToolBarStyler(FInternalToolBarStyler), FCaptionFont(std::make_unique<TFont>()),
      FCaptionHeight(ScaledSize16), FPersistence(std::make_unique<TPersistence>(this)),
      FOfficeHint(std::make_unique<TRurHintInfo>())
{
    TControlStyle style = ControlStyle();
    style.Include(csAcceptsControls);
    style.Exclude(csOpaque);
    SetControlStyle(style);
    SetHeight(26);
    Constraints()->SetMinWidth(FMinLength);
    FInternalToolBarStyler->SetName(u"InternalStyler");
    FInternalToolBarStyler->CaptionFont()->SetHeight(-11);
    FInternalToolBarStyler->AddControl(this);
    FSizeAtDock = Height();
    FMaxLength = Constraints()->MinWidth();
    FPersistence->SetSection(u"UnDockedRurToolBars");
    // A new toolbar is held at its minimum length until the first arrangement.
    Constraints()->SetMaxWidth(Constraints()->MinWidth());
    SetShowHint(true);
    SetDoubleBuffered(true);
    FMenuItemTimer = std::make_unique<TTimer>(nullptr);
    FMenuItemTimer->SetInterval(1);
    FMenuItemTimer->SetEnabled(false);
    FMenuItemTimer->SetOnTimer(MakeHandler<&TRurCustomToolBar::MenuItemTimerTick>(this));
    FIOptionPicture = std::make_unique<TGDIPPicture>();
    FIOptionDisabledPicture = std::make_unique<TGDIPPicture>();
    for (TGDIPPicture* picture : {FIOptionPicture.get(), FIOptionDisabledPicture.get()})
        picture->SetOnChange([this](TObject*) { Invalidate(); });
    FICompactPicture = std::make_unique<TGDIPPicture>();
    FICompactPicture->SetOnChange(MakeHandler<&TRurCustomToolBar::CompactPictureChanged>(this));
    FCompactMinWidth = Round(45 * DPIScale);
}

TRurCustomToolBar::~TRurCustomToolBar()
{
    if (FPersistence->Enabled() && !ComponentState().Contains(csDesigning)) {
        try {
            SavePosition();
        } catch (const Exception&) {
            // A store that cannot be written (a read-only file, a registry error) must not cut the
            // rest of the destruction short; SavePosition called directly reports it.
        }
    }
    UnregisterMenuBarControl(this);
    // No hook may call back into a toolbar that is gone.
    if (MenuHookToolBar() == this)
        RemoveMenuMsgFilterHook();
    if (KeyboardMenuToolBar() == this)
        RemoveMenuGetMsgHook();
    UnwatchMDIFrame();
    // The floating window was made for the toolbar: it goes with it.
    if (FFloatingWindow && !FFloatingWindow->ComponentState().Contains(csDestroying))
        FreeFloatingWindow();
    if (FToolBarStyler && FToolBarStyler != FInternalToolBarStyler)
        FToolBarStyler->RemoveControl(this);
    FToolBarStyler = nullptr;
    FCurrentToolBarStyler = FInternalToolBarStyler;
    FOfficeStyler.reset();
    delete FOptionWindow;
}

void TRurCustomToolBar::Loaded()
{
    TCustomControl::Loaded();
    BuildControlList();
    ArrangeControls(true);
    if (FMenu) {
        for (int i = 0; i < FATBControls.Count(); ++i)
            if (auto* button = dynamic_cast<TRurCustomToolBarButton*>(FATBControls.Item<TControl>(i));
                button && button->IsMenuButton())
                button->AdjustSize();
        UpdateMenu();
    }
    if (FAutoMDIButtons) {
        // Read before the menu and the size were in place: written again now.
        FAutoMDIButtons = false;
        SetAutoMDIButtons(true);
    }
    if (FPersistence->Enabled() && !ComponentState().Contains(csDesigning))
        LoadPosition();
    if (FCustomizer) {
        // The snapshot holds the toolbar as designed, before the user's layout is applied.
        FCustomizer->SaveDesignedLayout();
        FCustomizer->LoadLayout();
    }
    ApplyStylerToGlowButtons();
    FPropertiesLoaded = true;
    if (OnRibbonPage() && !ComponentState().Contains(csDesigning))
        CalcButtonRows();
}

void TRurCustomToolBar::ShowCustomizer()
{
    if (FCustomizer)
        FCustomizer->ShowDialog();
}

void TRurCustomToolBar::CreateWnd()
{
    TCustomControl::CreateWnd();
    SetComponentStyle(FRujStyle);
    TCustomForm* form = GetParentForm();
    FInitPPI = form ? form->PixelsPerInch() : 96;
}

// ---- Surroundings ------------------------------------------------------------------------------

bool TRurCustomToolBar::OnDockPanel() const { return IsOfClassNamed(Parent(), u"TRurDockPanel"); }
bool TRurCustomToolBar::OnRibbonPage() const { return IsOfClassNamed(Parent(), u"TRurPage"); }
bool TRurCustomToolBar::OnCompactWindow() const { return IsOfClassNamed(Parent(), u"TCompactWindow"); }

TDragGripStyle TRurCustomToolBar::EffectiveGripStyle() const
{
    if (OnRibbonPage() || OnCompactWindow() || FHideDragGrip)
        return dsNone;
    return FCurrentToolBarStyler->DragGripStyle();
}

int TRurCustomToolBar::GripStart() const
{
    if (EffectiveGripStyle() == dsNone || FToolBarState == tsFloating)
        return 2;
    return FDragGripWidth + 2;
}

TPoint TRurCustomToolBar::GetPosition() const
{
    if (FToolBarState == tsFloating && Parent())
        return Point(Parent()->Left(), Parent()->Top());
    return Point(Left(), Top());
}

// ---- Styler link -------------------------------------------------------------------------------

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
    // With ParentStyler the last dock panel's styler wins, else a ribbon group takes its pager's.
    if (FParentStyler) {
        if (TCustomRurToolBarStyler* docked = DockPanelStyler())
            FToolBarStyler = docked;
        else if (IRibbonGroupHost* host = RibbonHost(); host && host->PagerToolBarStyler())
            FToolBarStyler = host->PagerToolBarStyler();
    }
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
    ApplyStylerToGlowButtons();
    Invalidate();
}

void TRurCustomToolBar::StylerChanged(int code)
{
    SetColor(FCurrentToolBarStyler->Color()->Color());
    if (code == 2 || code == 7) {
        ApplyStylerToGlowButtons();
        UpdateCompactButtonAppearance();
    } else if (code == 5) {
        ArrangeControls(true);
        UpdateHiddenControls();
    } else if (code == 6 && !ComponentState().Contains(csLoading)) {
        for (int i = 0; i < FATBControls.Count(); ++i)
            if (auto* button = dynamic_cast<TRurCustomToolBarButton*>(FATBControls.Item<TControl>(i)))
                button->AdjustSize();
    }
    // Containers are windows of their own: they repaint their frame separately.
    for (int i = 0; i < FATBControls.Count(); ++i)
        if (auto* container = dynamic_cast<TRurToolBarContainer*>(FATBControls.Item<TControl>(i)))
            container->Invalidate();
    Invalidate();
}

TDragGripStyle TRurCustomToolBar::DragGripStyle() const { return FCurrentToolBarStyler->DragGripStyle(); }

void TRurCustomToolBar::SetDragGripStyle(TDragGripStyle value) { FCurrentToolBarStyler->SetDragGripStyle(value); }

// ---- Properties --------------------------------------------------------------------------------

void TRurCustomToolBar::SetImages(TCustomImageList* value)
{
    if (value == FImages)
        return;
    const bool loading = ComponentState().Contains(csLoading);
    if (FImages) {
        // The toolbar keeps the room its images leave around them.
        const int oldExtent = IsVertical() ? FImages->Width() : FImages->Height();
        const int newExtent = value ? (IsVertical() ? value->Width() : value->Height()) : 0;
        const int delta = newExtent - oldExtent;
        if (IsVertical())
            SetWidth(Width() + delta);
        else
            SetHeight(Height() + delta);
        if (FToolBarState == tsFloating && !loading)
            FSizeAtDock += (value ? value->Height() : 0) - FImages->Height();
    }
    FImages = value;
    if (value)
        value->FreeNotification(this);
    FInternalControlPositioning = true;
    for (int i = 0; i < FATBControls.Count(); ++i)
        if (auto* control = dynamic_cast<TRurCustomToolBarControl*>(FATBControls.Item<TControl>(i)))
            control->AdjustSize();
    FInternalControlPositioning = false;
    ArrangeControls(true);
    if (value)
        UpdateImagesShade();
    if (FToolBarState == tsFloating && !loading) {
        FSizeAtDock = GetRowSize(true);
        ArrangeControls(true);
    }
    Invalidate();
}

void TRurCustomToolBar::UpdateImagesShade()
{
    if (!FImages)
        return;
    for (int i = 0; i < FATBControls.Count(); ++i) {
        auto* control = dynamic_cast<TRurCustomToolBarControl*>(FATBControls.Item<TControl>(i));
        if (!control)
            continue;
        control->AdjustSize();
        if (auto* button = dynamic_cast<TRurCustomToolBarButton*>(control))
            button->GenerateShade();
    }
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

void TRurCustomToolBar::SetParentOptionPicture(bool value)
{
    FParentOptionPicture = value;
    Invalidate();
}

void TRurCustomToolBar::SetOptionMenu(TPopupMenu* value)
{
    FOptionMenu = value;
    if (value)
        value->FreeNotification(this);
}

void TRurCustomToolBar::SetAllowFloating(bool value)
{
    if (FToolBarState != tsFloating)
        FAllowFloating = value;
}

void TRurCustomToolBar::SetLocked(bool value)
{
    if (FToolBarState != tsFloating)
        FLocked = value;
}

void TRurCustomToolBar::SetCaption(const String& value)
{
    if (value == FCaption)
        return;
    FCaption = value;
    SetText(value);
    Invalidate();
}

void TRurCustomToolBar::SetWideCaption(const String& value)
{
    if (value == FWideCaption)
        return;
    FWideCaption = value;
    Invalidate();
}

void TRurCustomToolBar::SetCaptionFont(TFont* value)
{
    FCaptionFont->Assign(value);
    Invalidate();
}

void TRurCustomToolBar::SetShowCaption(bool value)
{
    if (value == FShowCaption)
        return;
    FShowCaption = value;
    ArrangeControls(true);
    Invalidate();
}

void TRurCustomToolBar::SetCaptionPosition(TToolBarCaptionPosition value)
{
    if (value == FCaptionPosition)
        return;
    FCaptionPosition = value;
    if (FShowCaption) {
        ArrangeControls(false);
        Invalidate();
    }
}

void TRurCustomToolBar::SetCaptionAlignment(TAlignment value)
{
    if (value == FCaptionAlignment)
        return;
    FCaptionAlignment = value;
    Invalidate();
}

void TRurCustomToolBar::SetCaptionHeight(int value)
{
    if (value == FCaptionHeight)
        return;
    FCaptionHeight = value;
    if (FShowCaption) {
        ArrangeControls(false);
        Invalidate();
    }
}

void TRurCustomToolBar::SetShowRightHandle(bool value)
{
    if (value == FShowRightHandle)
        return;
    FShowRightHandle = value;
    FPopupIndicatorWidth = value ? 14 : 4;
    if (Visible()) {
        ArrangeControls(true);
        if (TRurDockPanel* panel = FToolBarState == tsDocked ? CurrentDockPanel() : nullptr)
            panel->Rows()->ArrangeRows();
        Invalidate();
    }
}

void TRurCustomToolBar::SetShowOptionIndicator(bool value)
{
    if (value == FShowOptionIndicator)
        return;
    FShowOptionIndicator = value;
    Invalidate();
}

void TRurCustomToolBar::SetAntiAlias(RurGDIP::TAntiAlias value)
{
    FAntiAlias = value;
    Invalidate();
}

void TRurCustomToolBar::SetAutoArrangeButtons(bool value)
{
    if (value == FAutoArrangeButtons)
        return;
    FAutoArrangeButtons = value;
    if (!value && !ComponentState().Contains(csLoading) && FAutoRUL)
        FRUControls.AssignList(FATBControls);
}

void TRurCustomToolBar::SetPrevActiveControl(TWinControl* value)
{
    FPrevActiveControl = value;
    if (value)
        value->FreeNotification(this);
}

// ---- Dock side ---------------------------------------------------------------------------------

void TRurCustomToolBar::SetPosition(TDockAlign value)
{
    if (value == FPosition)
        return;
    FPosition = value;
    const bool oldAllow = FAllowBoundChange;
    FAllowBoundChange = true;
    TSizeConstraints* c = Constraints();
    auto setLength = [&](int length) {
        if (IsVertical()) {
            c->SetMinWidth(0);
            c->SetMaxWidth(0);
            c->SetMinHeight(FMinLength);
            c->SetMaxHeight(FMaxLength);
            SetBounds(Left(), Top(), FSizeAtDock, length);
        } else {
            c->SetMinHeight(0);
            c->SetMaxHeight(0);
            c->SetMinWidth(FMinLength);
            c->SetMaxWidth(FMaxLength);
            SetBounds(Left(), Top(), length, FSizeAtDock);
        }
    };
    setLength(FMaxLength);
    FInternalControlPositioning = true;
    for (int i = 0; i < FATBControls.Count(); ++i)
        if (auto* control = dynamic_cast<TRurCustomToolBarControl*>(FATBControls.Item<TControl>(i)))
            control->SetPosition(value);
    FInternalControlPositioning = false;
    FMaxLength = GetFullLength();
    setLength(FMaxLength);
    FAllowBoundChange = oldAllow;
    ArrangeControls(false);
    UpdateHiddenControls();
}

// ---- Hot button --------------------------------------------------------------------------------

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

// ---- Control lists -----------------------------------------------------------------------------

TControl* TRurCustomToolBar::ToolBarControls(int index) const
{
    return index >= 0 && index < FATBControls.Count() ? FATBControls.Item<TControl>(index) : nullptr;
}

void TRurCustomToolBar::BuildControlList()
{
    FATBControls.Clear();
    const bool vertical = IsVertical();
    auto key = [vertical](const TControl* c) { return vertical ? c->Top() : c->Left(); };
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* control = Controls(i);
        if (dynamic_cast<TOptionSelectorWindow*>(control))
            continue;
        // After the last entry whose key is not greater: equal keys keep the designed order.
        int at = FATBControls.Count();
        while (at > 0 && key(FATBControls.Item<TControl>(at - 1)) > key(control))
            --at;
        FATBControls.Insert(at, control);
    }
    if (FAutoRUL)
        FRUControls.AssignList(FATBControls);
}

int TRurCustomToolBar::AddToolBarControl(TControl* control)
{
    if (!control || FATBControls.IndexOf(control) >= 0 || control->Parent() == this)
        return -1;
    const int height = control->Height();
    FRuntimeCreate = true;
    try {
        control->SetParent(this);
    } catch (...) {
        FRuntimeCreate = false;
        throw;
    }
    FRuntimeCreate = false;
    control->SetHeight(height);
    const int index = FATBControls.IndexOf(control);
    if (index < 0)
        return -1;
    MoveToolBarControl(index, FATBControls.Count() - 1);
    if (auto* button = dynamic_cast<TRurCustomToolBarButton*>(control))
        button->AdjustSize();
    return FATBControls.IndexOf(control);
}

void TRurCustomToolBar::InsertToolBarControl(int index, TControl* control)
{
    const int added = AddToolBarControl(control);
    if (added >= 0)
        MoveToolBarControl(added, index);
}

void TRurCustomToolBar::MoveToolBarControl(int fromIndex, int toIndex)
{
    const int count = FATBControls.Count();
    if (fromIndex < 0 || fromIndex >= count || toIndex < 0 || toIndex >= count || fromIndex == toIndex)
        return;
    void* control = FATBControls.GetItemsEx(fromIndex);
    FRUControls.Remove(control);
    FLUHidedControls.Remove(control);
    FATBControls.Move(fromIndex, toIndex);
    if (FAutoRUL)
        FRUControls.Add(control);
    ArrangeControls(true);
}

void TRurCustomToolBar::EnableAllControls(bool value)
{
    if (ComponentState().Contains(csDesigning))
        return;
    for (int i = 0; i < FATBControls.Count(); ++i) {
        TControl* control = FATBControls.Item<TControl>(i);
        if (control->Visible() && !dynamic_cast<TRurToolBarSeparator*>(control))
            control->SetEnabled(value);
    }
}

void TRurCustomToolBar::ControlInserted(TControl* control)
{
    if (auto* item = dynamic_cast<TRurCustomToolBarControl*>(control)) {
        item->FRurToolBar = this;
        item->SetPosition(FPosition);
        if (!ComponentState().Contains(csLoading) && !ComponentState().Contains(csDesigning))
            item->AdjustSize();
    }
    if (auto* glow = dynamic_cast<TRurCustomGlowButton*>(control);
        glow && OnRibbonPage() && !ComponentState().Contains(csDesigning))
        HookGlowButton(glow);
    if (FATBControls.IndexOf(control) < 0)
        FATBControls.Insert(OrderedIndex(control, -1), control);
    else
        MoveToOrderedIndex(control);
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
    void* item = const_cast<void*>(control);
    if (FATBControls.IndexOf(item) < 0)
        return;
    if (control == FHotButton)
        FHotButton = nullptr;
    FATBControls.Remove(item);
    FSeparatorsHidden.Remove(item);
    if (FAutoRUL) {
        FRUControls.Remove(item);
        FLUHidedControls.Remove(item);
    }
    if (!ComponentState().Contains(csDestroying))
        ArrangeControls(true);
}

int TRurCustomToolBar::OrderedIndex(TControl* control, int current) const
{
    const int count = FATBControls.Count();
    if (current >= 0 && count <= 1)
        return current;
    if (control->Left() == 0 || control->Top() == 0)
        return count;
    for (int i = 0; i < count; ++i) {
        if (i == current)
            continue;
        TControl* other = FATBControls.Item<TControl>(i);
        if (IsVertical() ? other->Top() >= control->Top() : other->Left() >= control->Left())
            return i;
    }
    return count;
}

void TRurCustomToolBar::MoveToOrderedIndex(TControl* control)
{
    const int current = FATBControls.IndexOf(control);
    int ordered = OrderedIndex(control, current);
    if (current < 0 || ordered == current)
        return;
    if (ordered > current)
        --ordered;
    FATBControls.Delete(current);
    FATBControls.Insert(ordered, control);
}

void TRurCustomToolBar::Notification(TComponent* component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (ComponentState().Contains(csDestroying)) {
        DockComponentRemoved(component);
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
    if (component == FOptionMenu)
        FOptionMenu = nullptr;
    if (component == FCustomizer)
        FCustomizer = nullptr;
    if (component == FMenu)
        SetMenu(nullptr);
    if (component == FMergedMenu)
        MergeMenu(nullptr);
    for (auto it = FMDIChildMenu.begin(); it != FMDIChildMenu.end();)
        it = it->Form == component ? FMDIChildMenu.erase(it) : it + 1;
    if (component == FPrevActiveControl)
        FPrevActiveControl = nullptr;
    if (component == FOptionWindow) {
        FOptionWindow = nullptr;
        FOptionWindowPanel = nullptr;
    }
    DockComponentRemoved(component);
    // The component may be half destroyed: it is only looked up, never used.
    ForgetControl(component);
}
