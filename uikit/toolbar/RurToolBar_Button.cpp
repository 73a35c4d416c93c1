// The toolbar button's state, its setters, the mouse and the group.
#include "RurToolBar_Button.h"

#include "Forms.h"
#include "Math.h"
#include "RurToolBar_Container.h"
#include "RurToolBar_OptionWindow.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_ToolBar.h"
#include "SysUtils.h"

TAVIN_PUBLISHED(TRurToolBarButton)
{
    TAVIN_PROPERTY(bool, AllowAllUp).Default(false);
    TAVIN_PROPERTY(bool, AutoSize).Default(true);
    TAVIN_PROPERTY(TButtonAppearance*, Appearance);
    TAVIN_PROPERTY(bool, CanRotate).Default(true);
    TAVIN_PROPERTY(TGlyphPosition, GlyphPosition).Default(gpLeft);
    TAVIN_PROPERTY(int, GroupIndex).Default(0);
    TAVIN_PROPERTY(bool, Down).Default(false);
    TAVIN_PROPERTY(bool, DropDownButton).Default(false);
    TAVIN_PROPERTY(TPopupMenu*, DropDownMenu);
    TAVIN_PROPERTY(bool, DropDownSplit).Default(true);
    TAVIN_PROPERTY(String, Caption);
    TAVIN_PROPERTY(bool, Enabled).Default(true);
    TAVIN_PROPERTY(TRurToolBarButtonDrawPosition*, DrawPosition);
    TAVIN_PROPERTY(TFont*, Font);
    TAVIN_PROPERTY(TBitmap*, Glyph);
    TAVIN_PROPERTY(TBitmap*, GlyphHot);
    TAVIN_PROPERTY(TBitmap*, GlyphDown);
    TAVIN_PROPERTY(TBitmap*, GlyphDisabled);
    TAVIN_PROPERTY(TBitmap*, GlyphChecked);
    TAVIN_PROPERTY(int, ImageIndex).Default(-1);
    TAVIN_PROPERTY(TPicture*, Picture);
    TAVIN_PROPERTY(TPicture*, PictureDisabled);
    TAVIN_PROPERTY(bool, ParentFont).Default(true);
    TAVIN_PROPERTY(bool, ParentShowHint).Default(true);
    TAVIN_PROPERTY(bool, ParentBiDiMode).Default(true);
    TAVIN_PROPERTY(TPopupMenu*, PopupMenu);
    TAVIN_PROPERTY(bool, ParentStyler).Default(true);
    TAVIN_PROPERTY(TDockAlign, Position);
    TAVIN_PROPERTY(bool, Shaded).Default(true);
    TAVIN_PROPERTY(bool, ShowCaption).Default(false);
    TAVIN_PROPERTY(bool, ShowHint);
    TAVIN_PROPERTY(TRurHintInfo*, OfficeHint);
    TAVIN_PROPERTY(TRotateDirection, RotateDirection).Default(rdNormal);
    TAVIN_PROPERTY(TRurToolButtonStyle, Style).Default(tasButton);
    TAVIN_PROPERTY(bool, Transparent).Default(true);
    TAVIN_PROPERTY(String, Version).Stored(false);
    TAVIN_PROPERTY(bool, Visible).Default(true);
    TAVIN_PROPERTY(TNotifyEvent, OnClick);
    TAVIN_PROPERTY(TNotifyEvent, OnDblClick);
    TAVIN_PROPERTY(TMouseEvent, OnMouseDown);
    TAVIN_PROPERTY(TMouseMoveEvent, OnMouseMove);
    TAVIN_PROPERTY(TMouseEvent, OnMouseUp);
    TAVIN_PROPERTY(TNotifyEvent, OnMouseEnter);
    TAVIN_PROPERTY(TNotifyEvent, OnMouseLeave);
    TAVIN_PROPERTY(TNotifyEvent, OnDropDown);
}

TRurCustomToolBarButton::TRurCustomToolBarButton(TComponent* owner)
    : TRurCustomToolBarControl(owner), FGlyph(std::make_unique<TBitmap>()), FGlyphDisabled(std::make_unique<TBitmap>()),
      FGlyphHot(std::make_unique<TBitmap>()), FGlyphDown(std::make_unique<TBitmap>()),
      FGlyphChecked(std::make_unique<TBitmap>()), FGlyphShade(std::make_unique<TBitmap>()),
      FAppearance(std::make_unique<TButtonAppearance>()), FPicture(std::make_unique<TPicture>()),
      FPictureDisabled(std::make_unique<TPicture>()), FUnHotTimer(std::make_unique<TTimer>(nullptr)),
      FDrawPosition(std::make_unique<TRurToolBarButtonDrawPosition>()), FOfficeHint(std::make_unique<TRurHintInfo>())
{
    const TNotifyEvent glyphChanged = MakeHandler<&TRurCustomToolBarButton::GlyphChanged>(this);
    for (TBitmap* glyph : {FGlyph.get(), FGlyphDisabled.get(), FGlyphHot.get(), FGlyphDown.get(), FGlyphChecked.get()})
        glyph->SetOnChange(glyphChanged);
    FPicture->SetOnChange(MakeHandler<&TRurCustomToolBarButton::PictureChanged>(this));
    FPictureDisabled->SetOnChange(MakeHandler<&TRurCustomToolBarButton::PictureChanged>(this));
    FAppearance->SetOnChange(MakeHandler<&TRurCustomToolBarButton::AppearanceChanged>(this));
    FDrawPosition->SetOnChange(MakeHandler<&TRurCustomToolBarButton::AppearanceChanged>(this));
    SetBounds(0, 0, 22, 23);
    SetControlStyle({csCaptureMouse, csDoubleClicks});
    SetParentFont(true);
    FAutoSize = true;
    if (ComponentState().Contains(csDesigning) && owner &&
        !owner->ComponentState().Contains(csReading) && !owner->ComponentState().Contains(csLoading))
        Font()->SetName(u"Tahoma");
    FUnHotTimer->SetEnabled(false);
    FUnHotTimer->SetInterval(1);
    FUnHotTimer->SetOnTimer(MakeHandler<&TRurCustomToolBarButton::UnHotTimerTick>(this));
}

TRurCustomToolBarButton::~TRurCustomToolBarButton() = default;

String TRurCustomToolBarButton::Version() const
{
    const unsigned v = unsigned(GetVersionNr());
    return IntToStr(int(v >> 24)) + u"." + IntToStr(int(v >> 16 & 0xFF)) + u"." + IntToStr(int(v >> 8 & 0xFF)) + u"." +
           IntToStr(int(v & 0xFF));
}

int TRurCustomToolBarButton::Index() const { return FRurToolBar ? FRurToolBar->IndexOfToolBarControl(
                                                                      const_cast<TRurCustomToolBarButton*>(this))
                                                                : -1; }

TButtonAppearance* TRurCustomToolBarButton::CurrentAppearance() const
{
    if (FParentStyler && FRurToolBar)
        return FRurToolBar->CurrentToolBarStyler()->ButtonAppearance();
    return FAppearance.get();
}

// ---- Setters -------------------------------------------------------------------------------------

void TRurCustomToolBarButton::SetGlyph(TBitmap* value)
{
    FGlyph->Assign(value);
    if (FGlyphDisabled->Empty() && !FGlyph->Empty()) {
        // A grey copy: ((R + G + B) / 3) / 2 + 96 in every channel.
        TBitmap grey;
        grey.Assign(FGlyph.get());
        grey.SetPixelFormat(pf32bit);
        for (int y = 0; y < grey.Height(); ++y) {
            auto* row = static_cast<DWORD*>(grey.ScanLine(y));
            for (int x = 0; x < grey.Width(); ++x) {
                const DWORD p = row[x];
                const DWORD g = (((p >> 16 & 0xFF) + (p >> 8 & 0xFF) + (p & 0xFF)) / 3) / 2 + 96;
                row[x] = (p & 0xFF000000u) | g << 16 | g << 8 | g;
            }
        }
        FGlyphDisabled->Assign(&grey);
    }
    Invalidate();
}

void TRurCustomToolBarButton::SetPicture(TPicture* value)
{
    FPicture->Assign(value);
    Invalidate();
}

void TRurCustomToolBarButton::SetPictureDisabled(TPicture* value)
{
    FPictureDisabled->Assign(value);
    Invalidate();
}

void TRurCustomToolBarButton::SetImageIndex(int value)
{
    if (value == FImageIndex)
        return;
    FImageIndex = value;
    if (FShaded)
        GenerateShade();
    AdjustSize();
    Invalidate();
}


void TRurCustomToolBarButton::SetShaded(bool value)
{
    FShaded = value;
    if (value && !ComponentState().Contains(csLoading))
        GenerateShade();
}

void TRurCustomToolBarButton::SetDropDownMenu(TPopupMenu* value)
{
    if (value == FDropDownMenu)
        return;
    FDropDownMenu = value;
    if (value)
        value->FreeNotification(this);
}

void TRurCustomToolBarButton::SetGroupIndex(int value)
{
    if (value != FGroupIndex) {
        FGroupIndex = value;
        UpdateExclusive();
    }
}

void TRurCustomToolBarButton::SetAllowAllUp(bool value)
{
    if (value != FAllowAllUp) {
        FAllowAllUp = value;
        UpdateExclusive();
    }
}

void TRurCustomToolBarButton::SetDown(bool value)
{
    if (ComponentState().Contains(csLoading)) {
        FInitialDown = value;
        return;
    }
    if (FGroupIndex == 0 && FStyle == tasButton)
        return;
    if (FStyle == tasCheck) {
        FDown = value;
        FState = value ? absDown : absUp;
        Repaint();
        return;
    }
    if (value == FDown || (FDown && !FAllowAllUp))
        return;
    FDown = value;
    if (value) {
        if (FState == absUp)
            Invalidate();
        FState = absExclusive;
        UpdateExclusive();
    } else {
        FState = absUp;
        Invalidate();
    }
}

void TRurCustomToolBarButton::SetHot(bool value)
{
    bool hot = value && FState == absUp;
    if (!FRurToolBar && !FRurQuickAccessToolBar)
        hot = false;
    const bool changed = hot != FPropHot;
    FPropHot = hot;
    if (FRurToolBar)
        FRurToolBar->HotButtonChanged(this);
    if (changed)
        Invalidate();
}

void TRurCustomToolBarButton::ResetState()
{
    FMouseDownInControl = false;
    FMouseInControl = false;
    FHot = false;
    FPropHot = false;
    FState = absUp;
    Invalidate();
}

// ---- Menu link -----------------------------------------------------------------------------------

void TRurCustomToolBarButton::SetMenuItem(TMenuItem* value)
{
    if (value && value != FMenuItem)
        value->FreeNotification(this);
    if (value) {
        SetAction(value->Action());
        SetCaption(value->Caption());
        SetDown(value->Checked());
        SetEnabled(value->Enabled());
        SetHint(value->Hint());
        SetImageIndex(value->ImageIndex());
        SetVisible(value->Visible());
    }
    FMenuItem = value;
}

int TRurCustomToolBarButton::VisibleMenuItemCount() const
{
    TMenuItem* items = FDropDownMenu ? FDropDownMenu->Items() : FMenuItem;
    if (!items)
        return 0;
    int count = 0;
    for (int i = 0; i < items->Count(); ++i)
        count += items->Items(i)->Visible();
    return count;
}

void TRurCustomToolBarButton::ReleaseMenuPress()
{
    FMouseDownInControl = false;
    FMouseInControl = false;
    SetHot(false);
    FState = absUp;
    Invalidate();
}

void TRurCustomToolBarButton::DoDropDown()
{
    if (!IsMenuButton())
        return;
    FState = absDropDown;
    Repaint();
    CheckMenuDropdown();
}

bool TRurCustomToolBarButton::CheckMenuDropdown()
{
    if (ComponentState().Contains(csDesigning) || !FRurToolBar)
        return false;
    if ((FDropDownMenu && FDropDownMenu->AutoPopup()) || FMenuItem)
        return FRurToolBar->DropDownButtonMenu(this);
    return false;
}

// ---- Messages ------------------------------------------------------------------------------------

void TRurCustomToolBarButton::WndProc(TMessage& message)
{
    const bool designing = ComponentState().Contains(csDesigning);
    switch (message.Msg) {
    case CM_MOUSEENTER:
        if (!designing) {
            FMouseInControl = true;
            if (Enabled() && (FRurToolBar || FRurQuickAccessToolBar)) {
                SetHot(true);
                Invalidate();
            }
            FUnHotTimer->SetEnabled(true);
            OnMouseEnter()(this);
        }
        return;
    case CM_MOUSELEAVE:
        if (!designing) {
            LeaveHot();
            OnMouseLeave()(this);
        }
        return;
    case CM_BUTTONPRESSED:
        ButtonPressed(int(message.WParam), reinterpret_cast<TRurCustomToolBarButton*>(message.LParam));
        return;
    case CM_TEXTCHANGED:
        TRurCustomToolBarControl::WndProc(message);
        AdjustSize();
        Invalidate();
        if (designing && !ComponentState().Contains(csLoading) && !Caption().empty())
            SetShowCaption(true);
        return;
    case CM_VISIBLECHANGED:
        TRurCustomToolBarControl::WndProc(message);
        if (FRurToolBar && FRurToolBar->AutoSize())
            FRurToolBar->UpdateSize();
        return;
    case CM_HINTSHOW:
        TRurCustomToolBarControl::WndProc(message);
        if (!Enabled())
            reinterpret_cast<String*>(message.LParam)->clear();
        return;
    default:
        TRurCustomToolBarControl::WndProc(message);
    }
}

void TRurCustomToolBarButton::ButtonPressed(int group, TRurCustomToolBarButton* sender)
{
    if (group != FGroupIndex || !sender)
        return;
    if (sender != this && sender->FDown && FDown) {
        FDown = false;
        FState = absUp;
        if (auto* action = dynamic_cast<TCustomAction*>(Action()))
            action->SetChecked(false);
        Invalidate();
    }
    FAllowAllUp = sender->FAllowAllUp;
}

void TRurCustomToolBarButton::UpdateExclusive()
{
    if (FGroupIndex == 0 || !Parent())
        return;
    TMessage message{CM_BUTTONPRESSED, WPARAM(FGroupIndex), reinterpret_cast<LPARAM>(this), 0};
    Parent()->Broadcast(message);
    if (!FRurToolBar)
        return;
    // The group spans the toolbar and its option drop-down, wherever the button sits.
    if (Parent() != FRurToolBar)
        FRurToolBar->Broadcast(message);
    else if (TOptionSelectorPanel* panel = FRurToolBar->OptionWindowPanel())
        panel->Broadcast(message);
}

void TRurCustomToolBarButton::UnHotTimerTick(TObject*)
{
    TPoint cursor;
    GetCursorPos(reinterpret_cast<POINT*>(&cursor));
    const bool inside = Parent() && ClientRect().Contains(ScreenToClient(cursor));
    const bool menuOpen = IsMenuButton() && FMenuSel && (FDropDownMenu || FMenuItem);
    if (inside && !menuOpen)
        return;
    LeaveHot();
}

void TRurCustomToolBarButton::LeaveHot()
{
    FUnHotTimer->SetEnabled(false);
    FMouseInControl = false;
    FHot = false;
    // The menu bar keeps its hot item while it is driven by the keyboard.
    if (FRurToolBar ? !FRurToolBar->MenuFocused() : FRurQuickAccessToolBar != nullptr)
        SetHot(false);
    if (Enabled())
        Invalidate();
}

void TRurCustomToolBarButton::UpdateTracking()
{
    if (!FFlat || !Enabled() || !Parent())
        return;
    TPoint cursor;
    GetCursorPos(reinterpret_cast<POINT*>(&cursor));
    const bool under = FindDragTarget(cursor, true) == this;
    if (under && !FMouseInControl)
        Perform(CM_MOUSEENTER);
    else if (!under && FMouseInControl)
        Perform(CM_MOUSELEAVE);
}

// ---- Mouse ---------------------------------------------------------------------------------------

int TRurCustomToolBarButton::DropDownWidth() const { return int(Round(FDropDownSectWidth * double(DPIScale))); }

bool TRurCustomToolBarButton::InArrow(int x, int y) const
{
    const int arrow = int(Round(14 * double(DPIScale)));
    return IsRotated() ? y > Height() - arrow : x > Width() - arrow;
}

void TRurCustomToolBarButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TRurCustomToolBarControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Enabled() || ComponentState().Contains(csDesigning))
        return;
    FMouseDownInControl = true;
    if (IsMenuButton() && !FDropDownButton && (FDropDownMenu || FMenuItem)) {
        MenuButtonPress();
        return;
    }
    if (FDropDownButton && (InArrow(x, y) || !FDropDownSplit)) {
        FState = absUp;
        FMouseDownInControl = false;
        FMouseInControl = false;
        Invalidate();
        if (FOnDropDown)
            FOnDropDown(this);
        if (FDropDownMenu) {
            if (FStyle == tasButton)
                SetDown(false);
            const TPoint at = ClientToScreen(TPoint{0, Height()});
            StyleDropDownMenu(FDropDownMenu, OwnerStyler());
            FMenuSel = IsMenuButton();
            Repaint();
            FDropDownMenu->Popup(at.X, at.Y);
            FMenuSel = false;
            Invalidate();
        }
        return;
    }
    if (!FDown) {
        FState = absDown;
        Invalidate();
    }
    if (FStyle == tasCheck) {
        FState = absDown;
        Repaint();
    }
    FDragging = true;
}

void TRurCustomToolBarButton::MenuButtonPress()
{
    Invalidate();
    if (FRurToolBar && ((!FRurToolBar->MenuDropped() && !FMenuBeingClosed && !FMenuDisplayed) || FInternalClick)) {
        if (!FMenuItem || FMenuItem->Count() > 0)
            FInternalClick = false;
        DoDropDown();
        FInternalClick = false;
    } else if (FMenuBeingClosed) {
        FMenuBeingClosed = false;
    }
}

void TRurCustomToolBarButton::MouseMove(TShiftState shift, int x, int y)
{
    TRurCustomToolBarControl::MouseMove(shift, x, y);
    if (FDragging) {
        TRurButtonState state = FDown ? absExclusive : absUp;
        if (x >= 0 && x < ClientWidth() && y >= 0 && y <= ClientHeight())
            state = FDown ? absExclusive : absDown;
        if (FStyle == tasCheck && FDown)
            state = absDown;
        if (state != FState) {
            FState = state;
            Invalidate();
        }
    } else if (!FMouseInControl) {
        UpdateTracking();
    }
}

void TRurCustomToolBarButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TRurCustomToolBarControl::MouseUp(button, shift, x, y);
    if (button != mbLeft)
        return;
    FMenuBeingClosed = false;
    FMenuDisplayed = false;
    if (!ComponentState().Contains(csDesigning)) {
        FMouseDownInControl = false;
        Invalidate();
    }
    if ((IsMenuButton() && (FDropDownMenu || FMenuItem)) || !FDragging)
        return;
    FDragging = false;
    const bool inside = x >= 0 && x < ClientWidth() && y >= 0 && y <= ClientHeight();
    if (FGroupIndex != 0) {
        if (inside) {
            SetDown(!FDown);
            if (FDown)
                Invalidate();
        } else if (FDown) {
            FState = absExclusive;
            Invalidate();
        }
    } else {
        FState = absUp;
        FMouseInControl = false;
        FHot = false;
        if (FStyle == tasCheck && inside) {
            SetDown(!FDown);
            FState = absUp;
        }
        if (inside && FState != absDown && FState != absExclusive)
            Invalidate();
    }
    if (inside)
        Click();
    UpdateTracking();
}

void TRurCustomToolBarButton::Click()
{
    if (FRurToolBar)
        FRurToolBar->HideOptionWindow();
    TRurCustomToolBarControl::Click();
    if (FRurToolBar) {
        FRurToolBar->MarkControlUsed(this);
        FRurToolBar->ArrangeControls(true);
        FRurToolBar->UpdateHiddenControls();
    }
}

// ---- Loading, notifications, actions -----------------------------------------------------------------

void TRurCustomToolBarButton::Loaded()
{
    TRurCustomToolBarControl::Loaded();
    if (FInitialDown != FDown)
        SetDown(FInitialDown);
    if (FShaded)
        GenerateShade();
    AdjustSize();
}

void TRurCustomToolBarButton::SetParent(TWinControl* parent)
{
    TRurCustomToolBarControl::SetParent(parent);
    if (auto* container = dynamic_cast<TRurToolBarContainer*>(parent))
        FRurToolBar = container->RurToolBar();
}

void TRurCustomToolBarButton::Notification(TComponent* component, TOperation operation)
{
    TRurCustomToolBarControl::Notification(component, operation);
    if (operation != opRemove || ComponentState().Contains(csDestroying))
        return;
    if (component == FDropDownMenu)
        FDropDownMenu = nullptr;
    if (component == FMenuItem)
        SetMenuItem(nullptr);
    if (component == FMeasuredImages) {
        FMeasuredImages = nullptr;
        SetImageIndex(-1);
    }
}

void TRurCustomToolBarButton::ActionChange(TObject* sender, bool checkDefaults)
{
    TRurCustomToolBarControl::ActionChange(sender, checkDefaults);
    if (auto* action = dynamic_cast<TCustomAction*>(sender)) {
        if (checkDefaults || FGroupIndex == 0)
            SetGroupIndex(action->GroupIndex());
        SetImageIndex(action->ImageIndex());
        SetDown(action->Checked());
    }
}

TControlActionLink* TRurCustomToolBarButton::CreateActionLink() { return new TRurToolBarButtonActionLink(this); }

void TRurCustomToolBarButton::GlyphChanged(TObject*)
{
    AdjustSize();
    Invalidate();
}

void TRurCustomToolBarButton::PictureChanged(TObject*)
{
    AdjustSize();
    Invalidate();
}

void TRurCustomToolBarButton::AppearanceChanged(TObject*) { Invalidate(); }

// ---- Action link ---------------------------------------------------------------------------------

TRurToolBarButtonActionLink::TRurToolBarButtonActionLink(TObject* client)
    : TControlActionLink(client), FButton(static_cast<TRurCustomToolBarButton*>(client))
{
}

bool TRurToolBarButtonActionLink::IsCheckedLinked() const
{
    auto* action = dynamic_cast<TCustomAction*>(Action());
    return TControlActionLink::IsCheckedLinked() && action && action->Checked() == FButton->Down();
}

bool TRurToolBarButtonActionLink::IsGroupIndexLinked() const
{
    auto* action = dynamic_cast<TCustomAction*>(Action());
    return action && action->GroupIndex() == FButton->GroupIndex();
}

void TRurToolBarButtonActionLink::SetChecked(bool value)
{
    if (IsCheckedLinked())
        FButton->SetDown(value);
}

void TRurToolBarButtonActionLink::SetGroupIndex(int value)
{
    if (IsGroupIndexLinked())
        FButton->SetGroupIndex(value);
}

void TRurToolBarButtonActionLink::SetImageIndex(int value)
{
    TControlActionLink::SetImageIndex(value);
    FButton->Invalidate();
}
