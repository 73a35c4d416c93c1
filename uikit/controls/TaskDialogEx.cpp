// The extended task dialog's factory operations: glow buttons on the kit's own dialog form.
#include "TaskDialogEx.h"

#include "RurGlowButton.h"

namespace {
TRurGlowButton* AsGlowButton(TWinControl* control) { return dynamic_cast<TRurGlowButton*>(control); }
} // namespace

TRurTaskDialogEx::TRurTaskDialogEx(TComponent* owner) : TRurTaskDialog(owner) {}

TWinControl* TRurTaskDialogEx::CreateButton(TComponent* owner)
{
    auto* button = new TRurGlowButton(owner);
    if (FAppearance)
        button->Appearance()->Assign(FAppearance);
    if (FStyle != tsCustom)
        button->SetComponentStyle(FStyle);
    button->SetTabStop(true);
    FOnButtonCreated(this, button);
    return button;
}

void TRurTaskDialogEx::SetButtonCaption(TWinControl* control, const String& caption)
{
    if (TRurGlowButton* button = AsGlowButton(control))
        ApplyButtonCaption(*button, caption);
}

void TRurTaskDialogEx::SetButtonCancel(TWinControl* control, bool cancel)
{
    if (TRurGlowButton* button = AsGlowButton(control))
        button->SetCancel(cancel);
}

void TRurTaskDialogEx::SetButtonDefault(TWinControl* control, bool isDefault)
{
    if (TRurGlowButton* button = AsGlowButton(control))
        button->SetDefault(isDefault);
}

void TRurTaskDialogEx::SetButtonModalResult(TWinControl* control, int modalResult)
{
    if (TRurGlowButton* button = AsGlowButton(control))
        button->SetModalResult(modalResult);
}

int TRurTaskDialogEx::GetButtonModalResult(TWinControl* control)
{
    TRurGlowButton* button = AsGlowButton(control);
    return button ? button->ModalResult() : 0;
}
