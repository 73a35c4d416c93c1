// The toolbar styler's base: its data, the registered controls, the update bracket, the change
// codes, the style link to the ribbon pagers and copying between stylers.
#include "RurToolBar_Styler.h"

#include "RurToolBar_DockPanel.h"

#include <algorithm>

#include "RurMenus_Appearances.h"
#include "RurMenus_Components.h"
#include "RurMenus_Styler.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_ToolBar.h"

void StyleDropDownMenu(TPopupMenu* menu, const TCustomRurToolBarStyler* styler)
{
    if (auto* rur = dynamic_cast<TRurPopupMenu*>(menu); rur && styler)
        rur->SetMenuStyler(styler->CurrentRurMenuStyler());
}

namespace {

String CaptionFontName() { return IsVistaOrLater() ? u"Segoe UI" : u"Tahoma"; }

} // namespace

TCustomRurToolBarStyler::TCustomRurToolBarStyler(TComponent* owner)
    : TComponent(owner), FAppColor(std::make_unique<TAppColor>()), FControlList(std::make_unique<TDbgList>()),
      FBackGround(std::make_unique<TBitmap>()), FFont(std::make_unique<TFont>()),
      FDragGripImage(std::make_unique<TBitmap>()), FRightHandleImage(std::make_unique<TBitmap>()),
      FCaptionAppearance(std::make_unique<TCaptionAppearance>()),
      FColor(std::make_unique<TVistaGradientBackground>()), FDockColor(std::make_unique<TGradientBackground>()),
      FButtonAppearance(std::make_unique<TButtonAppearance>()),
      FInternalRurMenuStyler(std::make_unique<TRurMenuStyler>(this)),
      FColorHot(std::make_unique<TVistaGradientBackground>()), FCaptionFont(std::make_unique<TFont>()),
      FContainerAppearance(std::make_unique<TContainerAppearance>()),
      FGlowButtonAppearance(std::make_unique<TGlowButtonAppearance>()),
      FCompactGlowButtonAppearance(std::make_unique<TGlowButtonAppearance>()),
      FPagerCaption(std::make_unique<TVistaTextBackground>()), FTabAppearance(std::make_unique<TTabAppearance>()),
      FPageAppearance(std::make_unique<TVistaPageBackground>()),
      FGroupAppearance(std::make_unique<TGroupAppearance>()), FQATAppearance(std::make_unique<TQATAppearance>())
{
    FFont->SetHeight(-11);
    FCaptionAppearance->SetOnChange([this](TObject*) { Changed(2); });
    FColor->SetOnChange([this](TObject*) { Changed(2); });
    FDockColor->SetOnChange([this](TObject*) { Changed(2); });
    FInternalRurMenuStyler->SetName(u"InternalMenuStyler");
    FCurrentRurMenuStyler = FInternalRurMenuStyler.get();
    FColorHot->SetColor(clNone);
    FColorHot->SetColorTo(clNone);
    HookChange(FContainerAppearance.get(), 4);
    HookChange(FGlowButtonAppearance.get(), 7);
    HookChange(FCompactGlowButtonAppearance.get(), 7);
    HookChange(FPagerCaption.get(), 11);
    HookChange(FTabAppearance.get(), 10);
    HookChange(FPageAppearance.get(), 10);
    HookChange(FGroupAppearance.get(), 10);
    HookChange(FQATAppearance.get(), 12);
    SetUIFont(FFont.get(), IsVistaOrLater());
    FCaptionFont->SetName(CaptionFontName());
}

TCustomRurToolBarStyler::~TCustomRurToolBarStyler()
{
    // Marked first: what the controls do while they let go sends no change codes back here.
    Destroying();
    DetachControls();
    // Controls that unregister from here on find no list.
    FControlList.reset();
    // The external menu styler must not call back into a half-destroyed styler.
    if (FRurMenuStyler)
        FRurMenuStyler->RemoveFreeNotification(this);
}

void TCustomRurToolBarStyler::HookChange(TNotifyPersistent* object, int code)
{
    object->SetOnChange([this, code](TObject*) { Changed(code); });
}

void TCustomRurToolBarStyler::SetBackGround(const TBitmap* value)
{
    FBackGround->Assign(value);
    Changed(1);
}

void TCustomRurToolBarStyler::SetFont(const TFont* value)
{
    FFont->Assign(value);
    Changed(1);
}

void TCustomRurToolBarStyler::SetCaptionFont(const TFont* value)
{
    FCaptionFont->Assign(value);
    Changed(2);
}

void TCustomRurToolBarStyler::SetRightHandleImage(const TBitmap* value)
{
    FRightHandleImage->Assign(value);
    Changed(2);
}

void TCustomRurToolBarStyler::SetRoundEdges(bool value)
{
    FRoundEdges = value;
    Changed(2);
}

void TCustomRurToolBarStyler::SetSystemFont(bool value)
{
    if (FSystemFont == value)
        return;
    FSystemFont = value;
    if (value) {
        SetUIFont(FFont.get(), IsVistaOrLater());
        FCaptionFont->SetName(CaptionFontName());
    }
}

void TCustomRurToolBarStyler::SetRurMenuStyler(TCustomRurMenuStyler* value)
{
    if (FRurMenuStyler && FRurMenuStyler != value)
        FRurMenuStyler->RemoveFreeNotification(this);
    FRurMenuStyler = value;
    if (value) {
        value->FreeNotification(this);
        FCurrentRurMenuStyler = value;
        if (value->RootItem()->UseSystemFont())
            value->RootItem()->UpdateFont();
    } else {
        FCurrentRurMenuStyler = FInternalRurMenuStyler.get();
    }
    Changed(6);
}

void TCustomRurToolBarStyler::AddControl(TControl* control)
{
    if (!control || !FControlList)
        return;
    FControlList->Add(control);
    control->FreeNotification(this);
}

void TCustomRurToolBarStyler::RemoveControl(TControl* control)
{
    if (!FControlList)
        return;
    FControlList->Remove(control);
    if (FControlList->IndexOf(control) < 0 && control != Owner())
        control->RemoveFreeNotification(this);
}

void TCustomRurToolBarStyler::Changed(int code)
{
    if (ComponentState().Contains(csDestroying) || ComponentState().Contains(csLoading) || FUpdateCount > 0 ||
        !FControlList)
        return;
    // Every registered control hears it, named or not: a toolbar made in code has no name.
    const int count = FControlList->Count();
    for (int i = 0; i < count && i < FControlList->Count(); ++i) {
        try {
            ControlChanged(FControlList->Item<TControl>(i), code);
        } catch (...) {
            // One control's failure must not keep the others from their new colours.
        }
    }
}

void TCustomRurToolBarStyler::ControlChanged(TControl* control, int code)
{
    // Toolbars, dock panels and ribbon pagers hear it here.
    if (auto* toolBar = dynamic_cast<TRurCustomToolBar*>(control))
        toolBar->StylerChanged(code);
    else if (auto* panel = dynamic_cast<TRurDockPanel*>(control))
        panel->StylerChanged(code);
    else if (auto* client = dynamic_cast<IToolBarStylerClient*>(control))
        client->StylerChanged(code);
}

void TCustomRurToolBarStyler::EndUpdate()
{
    if (FUpdateCount > 0)
        --FUpdateCount;
}

IToolBarStylerPager* TCustomRurToolBarStyler::GetFirstPager() const
{
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* pager = dynamic_cast<IToolBarStylerPager*>(Controls(i)))
            return pager;
    return nullptr;
}

void TCustomRurToolBarStyler::SetNewComponentStyle(TRujStyle value)
{
    FNewRujStyle = value;
    if (ComponentState().Contains(csDestroying) || ComponentState().Contains(csLoading))
        return;
    const bool glass = value == tsOffice2010Blue || value == tsOffice2010Silver || value == tsOffice2010Black;
    const bool scenic = glass || value == tsWindows7 || value == tsWindows8;
    // Each pager once, however often it is registered, and even when switching it changes the
    // list: the scan starts over after every pager it handles.
    std::vector<IToolBarStylerPager*> handled;
    for (bool found = true; found;) {
        found = false;
        for (int i = 0; i < ControlCount() && !found; ++i) {
            auto* pager = dynamic_cast<IToolBarStylerPager*>(Controls(i));
            if (pager && std::find(handled.begin(), handled.end(), pager) == handled.end()) {
                handled.push_back(pager);
                pager->SetStyleLink(glass, scenic);
                found = true;
            }
        }
    }
}

bool TCustomRurToolBarStyler::DetachControl(TControl* control)
{
    if (!control || control->ComponentState().Contains(csDestroying))
        return false;
    // Toolbars are let go here too, not left to the removal notice: by then the styler is half
    // gone, and a toolbar that lets go calls back into it.
    if (auto* toolBar = dynamic_cast<TRurCustomToolBar*>(control)) {
        if (toolBar->ToolBarStyler() != this)
            return false;
        toolBar->SetToolBarStyler(nullptr);
    } else if (auto* panel = dynamic_cast<TRurDockPanel*>(control)) {
        if (panel->ToolBarStyler() != this)
            return false;
        panel->SetToolBarStyler(nullptr);
    } else if (auto* pager = dynamic_cast<IToolBarStylerPager*>(control)) {
        if (pager->ToolBarStyler() != this)
            return false;
        pager->SetToolBarStyler(nullptr);
    } else {
        return false;
    }
    return true;
}

void TCustomRurToolBarStyler::DetachControls()
{
    if (!FControlList || (ComponentState().Contains(csDesigning) && ComponentState().Contains(csDestroying)))
        return;
    // A control that lets go leaves the list, so the next one moves up to the same index. At most
    // one step per registration, whatever the controls do to the list meanwhile.
    const int steps = FControlList->Count();
    int index = 0;
    for (int step = 0; step < steps && index < FControlList->Count(); ++step) {
        TControl* control = FControlList->Item<TControl>(index);
        if (!DetachControl(control) || (index < FControlList->Count() && FControlList->Item<TControl>(index) == control))
            ++index;
    }
}

void TCustomRurToolBarStyler::Assign(const TPersistent* source)
{
    auto* other = dynamic_cast<const TCustomRurToolBarStyler*>(source);
    if (!other)
        return TComponent::Assign(source);
    if (FCurrentRurMenuStyler && other->FRurMenuStyler)
        FCurrentRurMenuStyler->Assign(other->FRurMenuStyler);
    FColor->Assign(other->FColor.get());
    FDockColor->Assign(other->FDockColor.get());
    FBackGround->Assign(other->FBackGround.get());
    SetBackGroundTransparent(other->FBackGroundTransparent);
    SetBackGroundDisplay(other->FBackGroundDisplay);
    FFont->Assign(other->FFont.get());
    SetDragGripStyle(other->FDragGripStyle);
    FDragGripImage->Assign(other->FDragGripImage.get());
    FRightHandleImage->Assign(other->FRightHandleImage.get());
    SetFloatingWindowBorderColor(other->FFloatingWindowBorderColor);
    SetFloatingWindowBorderWidth(other->FFloatingWindowBorderWidth);
    FCaptionAppearance->Assign(other->FCaptionAppearance.get());
    SetFormBorderColor(other->FFormBorderColor);
    SetButtonAppearance(other->FButtonAppearance.get());
    SetShowShadow(other->FShowShadow);
    SetShow3D(other->FShow3D);
}

void TCustomRurToolBarStyler::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != opRemove || ComponentState().Contains(csDestroying))
        return;
    if (component == FRurMenuStyler)
        SetRurMenuStyler(nullptr);
    else if (FControlList)
        FControlList->Remove(component);
}
