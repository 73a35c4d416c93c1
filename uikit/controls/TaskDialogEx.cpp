// The extended task dialog's factory operations: glow buttons and Office radio buttons on the kit's
// own dialog form.
#include "TaskDialogEx.h"

#include "RurGlowButton.h"
#include "RurOfficeButtons.h"

namespace {
TRurGlowButton* AsGlowButton(TWinControl* control) { return dynamic_cast<TRurGlowButton*>(control); }
TCustomRurOfficeRadioButton* AsOfficeRadio(TWinControl* control)
{
    return dynamic_cast<TCustomRurOfficeRadioButton*>(control);
}
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

TWinControl* TRurTaskDialogEx::CreateRadioButton(TComponent* owner) { return new TRurOfficeRadioButton(owner); }

void TRurTaskDialogEx::SetRadioButtonChecked(TWinControl* control, bool checked)
{
    if (TCustomRurOfficeRadioButton* radio = AsOfficeRadio(control))
        radio->SetChecked(checked);
}

void TRurTaskDialogEx::SetRadioButtonCaption(TWinControl* control, const String& caption)
{
    if (TCustomRurOfficeRadioButton* radio = AsOfficeRadio(control))
        radio->SetCaption(caption);
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
