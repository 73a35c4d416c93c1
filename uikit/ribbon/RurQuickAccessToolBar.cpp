// The quick-access toolbar: construction, parent, children, modes, styling, key tips and the
// application icon.
#include "RurQuickAccessToolBar.h"

#include "Math.h"
#include "Messages.h"
#include "PlatformFacts.h"
#include "Streams.h"
#include "SysUtils.h"
#include "RurGlowButton_KeyTip.h"
#include "RurRibbonPager.h"
#include "RurToolBarForm.h"
#include "RurToolBar_Button.h"
#include "RurToolBar_ControlSelector.h"
#include "RurToolBar_Messages.h"
#include "RurToolBar_Platform.h"
#include "RurVistaGlyphButton.h"

namespace {

// Windows XP but nothing later: the system menu needs the application window there.
bool IsXPOnly() { return IsWinXPOrLater() && !IsVistaOrLater(); }

} // namespace

TAVIN_PUBLISHED(TRurQuickAccessToolBar)
{
    TAVIN_PROPERTY(String, CustomizeHint);
    TAVIN_PROPERTY(TCustomImageList*, DisabledImages);
    TAVIN_PROPERTY(TCustomImageList*, Images);
    TAVIN_PROPERTY(bool, ShowCustomizeOption).Default(false);
    TAVIN_PROPERTY(TPopupMenu*, DropDownPopupMenu);
    TAVIN_PROPERTY(bool, ShowHint);
    TAVIN_PROPERTY(TNotifyEvent, OnCustomizeClick);
}

TRurCustomQuickAccessToolBar::TRurCustomQuickAccessToolBar(TComponent* owner) : TCustomControl(owner)
{
    FIsAeroVista = RibbonGlassAvailable() && !IsDesigning();
    TControlStyle style = ControlStyle();
    style.Include(csAcceptsControls);
    style.Exclude(csOpaque);
    if (FIsAeroVista)
        style.Include(csParentBackground);
    SetControlStyle(style);
    FIsWin7 = PlatformWindowsVersion().AtLeast(6, 1);
    FAppIconAlphaBlended = !FIsWin7;
    if (!FIsAeroVista) {
        SetDoubleBuffered(true);
        return;
    }
    FRefGlowButton = new TRurGlowButton(this);
    FRefGlowButton->SetParent(this);
    FRefGlowButton->SetAlign(alNone);
    FRefGlowButton->SetBounds(1, 1, 1, 1);
    FRefGlowButton->SetTabStop(false);
    FRefGlowButton->SetTransparent(true);
}

TRurCustomQuickAccessToolBar::~TRurCustomQuickAccessToolBar()
{
    // The overflow window goes first: hidden controls in its panel are still in the lists.
    FCtrlList.Clear();
    FHiddenCtrlList.Clear();
}

TRurToolBarPager* TRurCustomQuickAccessToolBar::Pager() const { return dynamic_cast<TRurToolBarPager*>(Parent()); }

TCustomRurToolBarStyler* TRurCustomQuickAccessToolBar::ToolBarStyler() const
{
    TRurToolBarPager* pager = Pager();
    return pager ? pager->CurrentToolBarStyler() : nullptr;
}

bool TRurCustomQuickAccessToolBar::IsOfficeTonesStyle() const
{
    TRurToolBarPager* pager = Pager();
    if (!pager || !pager->Itones())
        return false;
    const TGroupStyle s = pager->GroupStyle();
    return s == gsOffice2013 || s == gsOffice2016 || s == gsOffice2019;
}

bool TRurCustomQuickAccessToolBar::IsSpecialControl(const TControl* control) const
{
    return control == FApp || control == FCustomizeButton || control == FScrollButton || control == FRefGlowButton ||
           control == FOverflowWindow || control == FOverflowWindowPanel;
}

void TRurCustomQuickAccessToolBar::SetParent(TWinControl* parent)
{
    if (parent && !dynamic_cast<TRurToolBarPager*>(parent))
        throw Exception(u"Invalid Parent");
    if (FIsAeroVista && parent && !IsDesigning() && !dynamic_cast<TRurToolBarForm*>(parent->Parent())) {
        FIsAeroVista = false;
        TControlStyle style = ControlStyle();
        style.Exclude(csParentBackground);
        SetControlStyle(style);
        SetDoubleBuffered(true);
    }
    TCustomControl::SetParent(parent);
}

void TRurCustomQuickAccessToolBar::SetAeroVista(bool value)
{
    if ((value && IsDesigning()) || value == FIsAeroVista)
        return;
    FIsAeroVista = value;
    SetParentBackground(value);
    SetDoubleBuffered(!value);
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* glow = dynamic_cast<TRurCustomGlowButton*>(Controls(i)))
            glow->SetInternalIsOnGlassQAT(value);
}

void TRurCustomQuickAccessToolBar::SetFullSize(bool value)
{
    if (FFullSize == value)
        return;
    FFullSize = value;
    RebuildControlList();
    UpdateSize();
    UpdateControlsPosition(false);
    CheckOverflow();
    UpdateControlsPosition(false);
    UpdateAppIcon();
}

// ---- Children --------------------------------------------------------------------------------------

void TRurCustomQuickAccessToolBar::AddToolBarControl(TControl* control)
{
    if (!control)
        return;
    if (control->Parent() != this)
        control->SetParent(this);
    if (IsDesigning())
        control->SetLeft(Width());
}

void TRurCustomQuickAccessToolBar::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_CONTROLCHANGE:
        TCustomControl::WndProc(message);
        ControlChanged(reinterpret_cast<TControl*>(message.WParam), message.LParam != 0);
        return;
    case CM_VISIBLECHANGED:
        TCustomControl::WndProc(message);
        VisibleChanged();
        return;
    case CM_HINTSHOW:
        TCustomControl::WndProc(message);
        ShowDisabledControlHint(message);
        return;
    case WM_ERASEBKGND:
        EraseBackground(message);
        return;
    default:
        TCustomControl::WndProc(message);
    }
}

void TRurCustomQuickAccessToolBar::ControlChanged(TControl* control, bool inserted)
{
    if (!control || FInternalUpdatingControlPos || control == FOverflowWindow || control == FOverflowWindowPanel ||
        control == FRefGlowButton)
        return;
    const bool going = control->ComponentState().Contains(csDestroying);
    if (inserted) {
        control->FreeNotification(this);
        if (auto* button = dynamic_cast<TRurCustomToolBarButton*>(control)) {
            button->SetOffSet(1);
            button->SetRurQuickAccessToolBar(dynamic_cast<TRurQuickAccessToolBar*>(this));
        }
        if (auto* glow = dynamic_cast<TRurCustomGlowButton*>(control)) {
            if (TCustomRurToolBarStyler* styler = ToolBarStyler(); styler && !IsLoading() && !going)
                glow->Appearance()->Assign(styler->GlowButtonAppearance());
            if (!IsDesigning() && !going) {
                glow->SetOnInternalClick(MakeHandler<&TRurCustomQuickAccessToolBar::InternalControlClick>(this));
                glow->SetOnInternalDropDown(MakeHandler<&TRurCustomQuickAccessToolBar::InternalControlClick>(this));
                glow->SetInternalIsOnGlassQAT(FIsAeroVista);
            }
        }
    } else if (IsUserControl(control)) {
        // A control taken off the bar for good is no hidden control any more.
        FHiddenCtrlList.Remove(control);
    }
    UpdateLayout();
}

void TRurCustomQuickAccessToolBar::Notification(TComponent* component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation != opRemove)
        return;
    FCtrlList.Remove(component);
    FHiddenCtrlList.Remove(component);
    if (component == FHintCtrl)
        FHintCtrl = nullptr;
    if (component == FApp)
        FApp = nullptr;
    if (component == FCustomizeButton)
        FCustomizeButton = nullptr;
    if (component == FScrollButton)
        FScrollButton = nullptr;
    if (component == FOverflowWindow)
        FOverflowWindow = nullptr, FOverflowWindowPanel = nullptr;
    if (component == FOverflowWindowPanel)
        FOverflowWindowPanel = nullptr;
    if (component == FRefGlowButton)
        FRefGlowButton = nullptr;
    if (component == FDropDownPopupMenu)
        FDropDownPopupMenu = nullptr;
    if (component == FImages) {
        FImages = nullptr;
        Invalidate();
    }
    if (component == FDisabledImages) {
        FDisabledImages = nullptr;
        Invalidate();
    }
}

void TRurCustomQuickAccessToolBar::InternalControlClick(TObject*) { HideOverflowWindow(); }

void TRurCustomQuickAccessToolBar::Clear()
{
    if (ComponentState().Contains(csDestroying))
        return;
    const bool saved = FInternalUpdatingControlPos;
    FInternalUpdatingControlPos = true;
    for (int i = ControlCount() - 1; i >= 0; --i) {
        TControl* control = Controls(i);
        if (IsSpecialControl(control))
            continue;
        FHiddenCtrlList.Remove(control);
        delete control;
    }
    FCtrlList.Clear();
    // The rest live in the overflow panel; one that fails to go must not stop the others.
    while (FHiddenCtrlList.Count() > 0) {
        TControl* control = FHiddenCtrlList.Item<TControl>(0);
        FHiddenCtrlList.Delete(0);
        try {
            delete control;
        } catch (...) {
        }
    }
    FInternalUpdatingControlPos = saved;
    if (FShowCustomizeOption) {
        SetShowCustomizeOption(false);
        SetShowCustomizeOption(true);
    }
    UpdateLayout();
}

void TRurCustomQuickAccessToolBar::BeginUpdate()
{
    if (!Visible())
        return;
    ++FUpdateCount;
    if (HandleAllocated())
        SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
}

void TRurCustomQuickAccessToolBar::EndUpdate()
{
    if (!Visible() || FUpdateCount <= 0)
        return;
    if (--FUpdateCount > 0)
        return;
    if (HandleAllocated()) {
        SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_NOERASE);
    }
    UpdateLayout();
}

void TRurCustomQuickAccessToolBar::Loaded()
{
    TCustomControl::Loaded();
    UpdateAppIcon();
    UpdateLayout();
    ApplyStylerAppearance();
}

void TRurCustomQuickAccessToolBar::Update()
{
    TCustomControl::Update();
    UpdateAppIcon();
    UpdateLayout();
    ApplyStylerAppearance();
}

void TRurCustomQuickAccessToolBar::VisibleChanged()
{
    if (Visible()) {
        FVisibleChanged = true;
        BeginUpdate();
        EndUpdate();
    }
    if (TRurToolBarPager* pager = Pager(); pager && !IsDesigning())
        pager->QATVisibilityChanged();
    if (FVisibleChanged) {
        FVisibleChanged = false;
        // The glow buttons missed their paints while the bar was hidden.
        if (FUpdateCount == 0 && Pager() && !IsDesigning())
            for (int i = 0; i < ControlCount(); ++i)
                if (auto* glow = dynamic_cast<TRurCustomGlowButton*>(Controls(i)); glow && glow->Visible())
                    glow->Invalidate();
    }
    if (Parent())
        Parent()->Invalidate();
}

// ---- Properties --------------------------------------------------------------------------------------

void TRurCustomQuickAccessToolBar::SetCustomizeHint(const String& value)
{
    FCustomizeHint = value;
    if (FCustomizeButton)
        FCustomizeButton->SetHint(value);
}

void TRurCustomQuickAccessToolBar::AdjustToolBarControls()
{
    for (int i = 0; i < FCtrlList.Count(); ++i)
        if (auto* control = dynamic_cast<TRurCustomToolBarControl*>(FCtrlList.Item<TControl>(i)))
            control->AdjustSize();
}

void TRurCustomQuickAccessToolBar::SetImages(TCustomImageList* value)
{
    if (FImages == value)
        return;
    // The bar grows or shrinks with the images' height; the first list sets no height.
    if (FImages)
        SetHeight(Height() + (value ? value->Height() : 0) - FImages->Height());
    if (FImages)
        FImages->RemoveFreeNotification(this);
    FImages = value;
    if (value)
        value->FreeNotification(this);
    const bool saved = FInternalUpdatingControlPos;
    FInternalUpdatingControlPos = true;
    AdjustToolBarControls();
    FInternalUpdatingControlPos = saved;
    UpdateControlsPosition(true);
    if (value) {
        AdjustToolBarControls();
        for (int i = 0; i < FCtrlList.Count(); ++i)
            if (auto* button = dynamic_cast<TRurCustomToolBarButton*>(FCtrlList.Item<TControl>(i)))
                button->GenerateShade();
    }
    Invalidate();
}

void TRurCustomQuickAccessToolBar::SetDisabledImages(TCustomImageList* value)
{
    if (FDisabledImages == value)
        return;
    if (FDisabledImages)
        FDisabledImages->RemoveFreeNotification(this);
    FDisabledImages = value;
    if (value)
        value->FreeNotification(this);
    AdjustToolBarControls();
    Invalidate();
}

void TRurCustomQuickAccessToolBar::SetAppIconAlphaBlended(bool value)
{
    if (FAppIconAlphaBlended == value)
        return;
    FAppIconAlphaBlended = value;
    if (!IsDesigning())
        UpdateAppIcon();
}

// ---- Styling -----------------------------------------------------------------------------------------

void TRurCustomQuickAccessToolBar::StylerChanged(int code)
{
    if (code == 0 || code == 10 || code == 11 || code == 12)
        Invalidate();
    if (code == 0 || code == 2 || code == 7)
        ApplyStylerAppearance();
}

void TRurCustomQuickAccessToolBar::ApplyStylerAppearance()
{
    TCustomRurToolBarStyler* styler = ToolBarStyler();
    if (!styler)
        return;
    auto apply = [styler](TControl* control) {
        if (auto* glow = dynamic_cast<TRurCustomGlowButton*>(control))
            glow->Appearance()->Assign(styler->GlowButtonAppearance());
        else if (auto* styled = dynamic_cast<IRujStyle*>(control); styled && styler->RujStyle() != tsCustom)
            styled->SetComponentStyle(styler->RujStyle());
    };
    for (int i = 0; i < ControlCount(); ++i)
        if (Controls(i) != FApp && IsUserControl(Controls(i)))
            apply(Controls(i));
    for (int i = 0; i < FHiddenCtrlList.Count(); ++i)
        apply(FHiddenCtrlList.Item<TControl>(i));
    if (FCustomizeButton)
        FCustomizeButton->Appearance()->Assign(styler->GlowButtonAppearance());
}

void TRurCustomQuickAccessToolBar::ApplyColorTones(const TColorTones& tones)
{
    TRurToolBarPager* pager = Pager();
    if (IsEmptyColorTones(tones) || !pager || !pager->Itones())
        return;
    auto apply = [&tones](TControl* control) {
        if (auto* glow = dynamic_cast<TRurCustomGlowButton*>(control))
            glow->SetColorTones(tones);
    };
    for (int i = 0; i < ControlCount(); ++i)
        apply(Controls(i));
    for (int i = 0; i < FHiddenCtrlList.Count(); ++i)
        apply(FHiddenCtrlList.Item<TControl>(i));
    if (!FScrollButton || !OverflowButtonVisible())
        return;
    TGlowButtonAppearance* a = FScrollButton->Appearance();
    a->SetColor(tones.Background.BrushColor);
    a->SetColorMirror(tones.Background.BrushColor);
    a->SetBorderColor(tones.Background.BorderColor);
    a->SetColorHot(tones.Hover.BrushColor);
    a->SetColorMirrorHot(tones.Hover.BrushColor);
    a->SetBorderColorHot(tones.Hover.BorderColor);
    a->SetTextColorHot(tones.Hover.TextColor);
    a->SetColorDown(tones.Selected.BrushColor);
    a->SetColorMirrorDown(tones.Selected.BrushColor);
    a->SetBorderColorDown(tones.Selected.BorderColor);
    a->SetTextColorDown(tones.Selected.TextColor);
    for (auto set : {&TGlowButtonAppearance::SetColorTo, &TGlowButtonAppearance::SetColorMirrorTo,
                     &TGlowButtonAppearance::SetColorHotTo, &TGlowButtonAppearance::SetColorMirrorHotTo,
                     &TGlowButtonAppearance::SetColorDownTo, &TGlowButtonAppearance::SetColorMirrorDownTo})
        (a->*set)(clNone);
}

// ---- Key tips ----------------------------------------------------------------------------------------

void TRurCustomQuickAccessToolBar::ShowShortCutHints()
{
    for (int i = 0; i < FCtrlList.Count(); ++i)
        if (auto* glow = dynamic_cast<TRurCustomGlowButton*>(FCtrlList.Item<TControl>(i));
            glow && glow->Enabled() && glow->Visible() && glow->Parent() == this)
            glow->ShowShortCutHint();
}

void TRurCustomQuickAccessToolBar::HideShortCutHints()
{
    for (int i = 0; i < FCtrlList.Count(); ++i)
        if (auto* glow = dynamic_cast<TRurCustomGlowButton*>(FCtrlList.Item<TControl>(i)))
            glow->HideShortCutHint();
}

bool TRurCustomQuickAccessToolBar::SelectShortCut(const String& text, int& partialCount)
{
    for (int i = 0; i < FCtrlList.Count(); ++i) {
        auto* glow = dynamic_cast<TRurCustomGlowButton*>(FCtrlList.Item<TControl>(i));
        if (!glow)
            continue;
        const String& tip = glow->ShortCutHint();
        if (SameText(tip, text)) {
            if (glow->Enabled() && glow->Visible()) {
                if (glow->CanFocus())
                    glow->SetFocus();
                glow->Invalidate();
                glow->InvokeClick();
            }
            RestorePagerFocus();
            return true;
        }
        if (tip.empty())
            continue;
        if (tip.size() >= text.size() && SameText(tip.substr(0, text.size()), text))
            ++partialCount;
        else
            glow->HideShortCutHint();
    }
    return false;
}

void TRurCustomQuickAccessToolBar::RestorePagerFocus()
{
    if (TRurToolBarPager* pager = Pager(); pager && !IsDesigning())
        pager->RestoreFocus();
}

// ---- Hints of disabled controls ------------------------------------------------------------------

void TRurCustomQuickAccessToolBar::MouseMove(TShiftState shift, int x, int y)
{
    TCustomControl::MouseMove(shift, x, y);
    TRurToolBarPager* pager = Pager();
    if (!pager || !pager->ShowDisabledControlsHint() || IsDesigning())
        return;
    TControl* under = ControlAtPos(Point(x, y), true, true);
    if (under != FHintCtrl) {
        FHintCtrl = under;
        Application->CancelHint();
    }
}

void TRurCustomQuickAccessToolBar::ShowDisabledControlHint(TMessage& message)
{
    TRurToolBarPager* pager = Pager();
    auto* info = reinterpret_cast<THintInfo*>(message.LParam);
    if (!pager || !pager->ShowDisabledControlsHint() || IsDesigning() || !info || !FHintCtrl)
        return;
    if ((info->HintStr.empty() || info->HintStr == Hint()) && !FHintCtrl->Enabled() && FHintCtrl->ShowHint()) {
        info->HintStr = FHintCtrl->Hint();
        info->HintControl = FHintCtrl;
    }
}

// ---- The application icon ----------------------------------------------------------------------

void TRurCustomQuickAccessToolBar::UpdateAppIcon()
{
    const int size = int(Round(16 * double(DPIScale)));
    const int top = (ScaledSize26 - size) / 2;
    if (!FApp) {
        FApp = new TAppIconGlowButton(this);
        FApp->SetStaticButton(true);
        FApp->SetBounds(0, top, size, size);
        FApp->SetParent(this);
        FApp->SetFocusType(ftNone);
        FApp->SetTransparent(true);
        FApp->SetCaption(String());
        FApp->SetEnabled(true);
        FApp->SetOnClick(MakeHandler<&TRurCustomQuickAccessToolBar::AppIconClick>(this));
    }
    if (!ScenicOrTones()) {
        FApp->Hide();
        FApp->SetWidth(0);
        if (FApp->Parent() != this)
            FApp->SetParent(this);
        return;
    }
    FApp->SetBounds(FApp->Left(), FApp->Top(), size, size);
    FApp->Show();
    if (!IsDesigning())
        LoadAppIcon();
    if (TRurToolBarPager* pager = Pager(); FFullSize && pager) {
        FApp->SetParent(pager);
        FApp->SetBounds(6, 7, size, size);
        return;
    }
    if (FApp->Parent() != this)
        FApp->SetParent(this);
    FApp->SetBounds(0, top, size, size);
}

void TRurCustomQuickAccessToolBar::LoadAppIcon()
{
    // The application window's icon; a program whose forms carry the icon gives the form's.
    TCustomForm* form = GetParentForm();
    const HWND sources[] = {Application ? Application->Handle() : nullptr,
                            form && form->HandleAllocated() ? form->Handle() : nullptr};
    const bool large = FApp->Width() > 31;
    HICON icon = nullptr;
    for (HWND source : sources) {
        if (!source)
            continue;
        auto iconOf = [source](WPARAM kind) {
            return reinterpret_cast<HICON>(SendMessageW(source, WM_GETICON, kind, 0));
        };
        icon = iconOf(large ? ICON_BIG : ICON_SMALL);
        if (!icon && large)
            icon = iconOf(ICON_SMALL);
        if (icon)
            break;
    }
    if (!icon)
        return;
    // The window keeps its icon: the picture gets a copy.
    TIcon copy;
    copy.SetHandle(CopyIcon(icon));
    TMemoryStream stream;
    copy.SaveToStream(stream);
    stream.SetPosition(0);
    FApp->Picture()->LoadFromStream(stream);
    FApp->SetIcon(FAppIconAlphaBlended ? &copy : nullptr);
}

void TRurCustomQuickAccessToolBar::AppIconClick(TObject*)
{
    TCustomForm* form = GetParentForm();
    const Cardinal now = GetTickCount();
    if (now - FAppButtonTime <= 300 && FAppButtonTime != 0) {
        // A double click closes the form the way its close box does: the close query and the
        // close action decide, so nothing unsaved is lost behind the user's back.
        FAppButtonTime = 0;
        if (form)
            form->Close();
        return;
    }
    FAppButtonTime = now;
    const TPoint at = FApp->ClientToScreen(Point(0, FApp->Height()));
    HWND owner = form && form->HandleAllocated() ? form->Handle() : nullptr;
    HMENU menu = owner ? GetSystemMenu(owner, FALSE) : nullptr;
    if (!menu && Application && Application->Handle())
        menu = GetSystemMenu(Application->Handle(), FALSE);
    if (!menu || !owner)
        return;
    TRurToolBarPager* pager = Pager();
    const bool xp = IsXPOnly();
    if (xp && pager)
        pager->SetIgnoreALT(true);
    HWND menuOwner = xp && Application && Application->Handle() ? Application->Handle() : owner;
    const int command = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.X, at.Y, 0, menuOwner, nullptr);
    if (command)
        SendMessageW(owner, WM_SYSCOMMAND, WPARAM(command), 0);
    if (xp && pager && pager->HandleAllocated())
        if (const UINT message = ToolBarMessage(TToolBarMessage::PSetIgnoreALT))
            PostMessageW(pager->Handle(), message, 0, 0);
}
