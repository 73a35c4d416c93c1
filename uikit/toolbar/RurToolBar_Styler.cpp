// The toolbar styler's base: the scheme's colours and pictures, and the registered controls.
#include "RurToolBar_Styler.h"

#include "RurToolBar_Platform.h"
#include "RurToolBar_ToolBar.h"

TCustomRurToolBarStyler::TCustomRurToolBarStyler(TComponent* owner)
    : TComponent(owner), FButtonAppearance(std::make_unique<TButtonAppearance>()),
      FCaptionAppearance(std::make_unique<TCaptionAppearance>()), FColor(std::make_unique<TVistaGradientBackground>()),
      FColorHot(std::make_unique<TVistaGradientBackground>()), FDockColor(std::make_unique<TGradientBackground>()),
      FBackGround(std::make_unique<TBitmap>()), FDragGripImage(std::make_unique<TBitmap>()),
      FRightHandleImage(std::make_unique<TBitmap>()), FFont(std::make_unique<TFont>()),
      FCaptionFont(std::make_unique<TFont>())
{
    const TNotifyEvent colorsChanged = [this](TObject*) { Changed(2); };
    FColor->SetOnChange(colorsChanged);
    FDockColor->SetOnChange(colorsChanged);
    FCaptionAppearance->SetOnChange(colorsChanged);
    FColorHot->SetColor(clNone);
    FColorHot->SetColorTo(clNone);
    FFont->SetHeight(-11);
    SetUIFont(FFont.get(), IsVistaOrLater());
    FCaptionFont->SetName(IsVistaOrLater() ? u"Segoe UI" : u"Tahoma");
}

TCustomRurToolBarStyler::~TCustomRurToolBarStyler()
{
    // Toolbars that still point here fall back to their internal styler.
    for (int i = FControlList.Count() - 1; i >= 0; --i) {
        auto* toolBar = dynamic_cast<TRurCustomToolBar*>(static_cast<TControl*>(FControlList.Items(i)));
        if (toolBar && toolBar->ToolBarStyler() == this && !toolBar->ComponentState().Contains(csDestroying))
            toolBar->SetToolBarStyler(nullptr);
    }
}

void TCustomRurToolBarStyler::SetCaptionFont(const TFont* value)
{
    FCaptionFont->Assign(value);
    Changed(2);
}

void TCustomRurToolBarStyler::SetFont(const TFont* value)
{
    FFont->Assign(value);
    Changed(1);
}

void TCustomRurToolBarStyler::SetBackGround(const TBitmap* value)
{
    FBackGround->Assign(value);
    Changed(1);
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

void TCustomRurToolBarStyler::AddControl(TControl* control)
{
    if (!control || FControlList.IndexOf(control) >= 0)
        return;
    FControlList.Add(control);
    control->FreeNotification(this);
}

void TCustomRurToolBarStyler::RemoveControl(TControl* control)
{
    if (FControlList.Remove(control) >= 0 && control != Owner())
        control->RemoveFreeNotification(this);
}

void TCustomRurToolBarStyler::Changed(int code)
{
    if (ComponentState().Contains(csDestroying) || ComponentState().Contains(csLoading) || FUpdateCount > 0)
        return;
    for (int i = 0; i < FControlList.Count(); ++i) {
        try {
            if (auto* toolBar = dynamic_cast<TRurCustomToolBar*>(FControlList.Item<TControl>(i)))
                toolBar->StylerChanged(code);
        } catch (...) {
            // One control's failure must not keep the others from their new colours.
        }
    }
}

void TCustomRurToolBarStyler::EndUpdate()
{
    if (FUpdateCount > 0)
        --FUpdateCount;
}

void TCustomRurToolBarStyler::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove)
        FControlList.Remove(component);
}
