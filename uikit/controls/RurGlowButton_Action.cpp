// The glow button's action: the link that follows the action's checked state, group and image,
// and the values the button takes when an action is assigned.
#include "RurGlowButton.h"

TRurGlowButtonActionLink::TRurGlowButtonActionLink(TObject* client) : TControlActionLink(client)
{
    AssignClient(client);
}

void TRurGlowButtonActionLink::AssignClient(TObject* client)
{
    TControlActionLink::AssignClient(client);
    FButton = dynamic_cast<TRurCustomGlowButton*>(client);
}

bool TRurGlowButtonActionLink::IsCheckedLinked() const
{
    const bool linked = TControlActionLink::IsCheckedLinked() && FButton && CustomAction()->Checked() == FButton->Down();
    if (FButton)
        FButton->FCheckLinked = linked;
    return linked;
}

bool TRurGlowButtonActionLink::IsGroupIndexLinked() const
{
    const bool linked = FButton && CustomAction() && CustomAction()->GroupIndex() == FButton->GroupIndex();
    if (FButton)
        FButton->FGroupIndexLinked = linked;
    return linked;
}

bool TRurGlowButtonActionLink::IsImageIndexLinked() const
{
    return TControlActionLink::IsImageIndexLinked() && CustomAction()->ImageIndex() == FImageIndex;
}

void TRurGlowButtonActionLink::SetChecked(bool value)
{
    if (IsCheckedLinked())
        FButton->SetDown(value);
}

void TRurGlowButtonActionLink::SetGroupIndex(int value)
{
    if (IsGroupIndexLinked())
        FButton->SetGroupIndex(value);
}

void TRurGlowButtonActionLink::SetImageIndex(int value)
{
    if (!IsImageIndexLinked() || !FButton)
        return;
    FImageIndex = value;
    FButton->Invalidate();
    FButton->SetImageIndex(value);
}

TControlActionLink* TRurCustomGlowButton::CreateActionLink()
{
    return new TRurGlowButtonActionLink(this);
}

void TRurCustomGlowButton::ActionChange(TObject* sender, bool checkDefaults)
{
    TCustomControl::ActionChange(sender, checkDefaults);
    auto* action = dynamic_cast<TCustomAction*>(sender);
    if (!action)
        return;
    if (checkDefaults || FGroupIndex == 0)
        SetGroupIndex(action->GroupIndex());
    SetImageIndex(action->ImageIndex());
    // The link follows the image from here on.
    if (auto* link = dynamic_cast<TRurGlowButtonActionLink*>(ActionLink()))
        link->FImageIndex = action->ImageIndex();
    SetDown(action->Checked());
    if (FAutoSize && Parent() && HandleAllocated()) {
        FDoAutoSize = true;
        Repaint();
    }
}
