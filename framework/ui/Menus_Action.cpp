// A menu item's action: its link, the click rule and the updates before a menu opens.
#include "Menus.h"

TBasicAction* TMenuItem::Action() const
{
    return FActionLink ? FActionLink->Action() : nullptr;
}

void TMenuItem::SetAction(TBasicAction* value)
{
    SetClientAction(
        *this, FActionLink, value, [this] { return CreateActionLink(); },
        [this](TBasicAction* action, bool checkDefaults) { ActionChange(action, checkDefaults); });
}

TMenuActionLink* TMenuItem::CreateActionLink()
{
    return new TMenuActionLink(this);
}

void TMenuItem::ActionChange(TObject* sender, bool checkDefaults)
{
    auto* action = dynamic_cast<TCustomAction*>(sender);
    if (!action)
        return;
    if (!checkDefaults || FCaption.empty())
        SetCaption(action->Caption());
    if (!checkDefaults || !FChecked)
        SetChecked(action->Checked());
    if (!checkDefaults || FEnabled)
        SetEnabled(action->Enabled());
    if (!checkDefaults || FHelpContext == 0)
        SetHelpContext(action->HelpContext());
    if (!checkDefaults || FHint.empty())
        SetHint(action->Hint());
    if (FRadioItem && (!checkDefaults || FGroupIndex == 0))
        SetGroupIndex(static_cast<Byte>(action->GroupIndex()));
    if (!checkDefaults || FImageIndex == -1)
        SetImageIndex(action->ImageIndex());
    if (!checkDefaults || FShortCut == scNone)
        SetShortCut(action->ShortCut());
    if (!checkDefaults || FVisible)
        SetVisible(action->Visible());
    if (!checkDefaults || !FOnClick)
        SetOnClick(action->OnExecute());
}

bool TMenuItem::IsAutoCheckStored() const
{
    return !IsActionLinked(FActionLink.get(), &TActionLink::IsAutoCheckLinked);
}

bool TMenuItem::IsCaptionStored() const
{
    return !IsActionLinked(FActionLink.get(), &TActionLink::IsCaptionLinked);
}

bool TMenuItem::IsCheckedStored() const
{
    return !IsActionLinked(FActionLink.get(), &TActionLink::IsCheckedLinked);
}

bool TMenuItem::IsEnabledStored() const
{
    return !IsActionLinked(FActionLink.get(), &TActionLink::IsEnabledLinked);
}

bool TMenuItem::IsGroupIndexStored() const
{
    return !IsActionLinked(FActionLink.get(), &TActionLink::IsGroupIndexLinked);
}

bool TMenuItem::IsHelpContextStored() const
{
    return !IsActionLinked(FActionLink.get(), &TActionLink::IsHelpLinked);
}

bool TMenuItem::IsHintStored() const
{
    return !IsActionLinked(FActionLink.get(), &TActionLink::IsHintLinked);
}

bool TMenuItem::IsImageIndexStored() const
{
    return !IsActionLinked(FActionLink.get(), &TActionLink::IsImageIndexLinked);
}

bool TMenuItem::IsShortCutStored() const
{
    return !IsActionLinked(FActionLink.get(), &TActionLink::IsShortCutLinked);
}

bool TMenuItem::IsVisibleStored() const
{
    return !IsActionLinked(FActionLink.get(), &TActionLink::IsVisibleLinked);
}

bool TMenuItem::IsOnClickStored() const
{
    return !IsActionLinked(FActionLink.get(), &TActionLink::IsOnExecuteLinked);
}

void TMenuItem::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && FActionLink && component == FActionLink->Action())
        FActionLink.reset();
}

void TMenuItem::InitiateAction()
{
    if (FActionLink)
        FActionLink->Update();
}

void TMenuItem::InitiateActions()
{
    for (TMenuItem* item : std::vector<TMenuItem*>(FItems))
        item->InitiateAction();
}

void TMenuItem::Click()
{
    if (!FEnabled)
        return;
    // An auto-checking action toggles itself and its items through the link.
    if (FAutoCheck && !(FActionLink && FActionLink->IsAutoCheckLinked() && Action() &&
                        static_cast<TCustomAction*>(Action())->AutoCheck()))
        SetChecked(!FChecked);
    TBasicAction* action = Action();
    if (FOnClick && (!action || FOnClick != action->OnExecute()))
        FOnClick(this);
    else if (FActionLink && action)
        FActionLink->Execute(this);
    else
        FOnClick(this);
}

// ---------------------------------------------------------------------------------------------

void TMenuActionLink::AssignClient(TObject* client)
{
    FClient = dynamic_cast<TMenuItem*>(client);
}

bool TMenuActionLink::IsCaptionLinked() const
{
    return TActionLink::IsCaptionLinked() && FClient->Caption() == CustomAction()->Caption();
}

bool TMenuActionLink::IsCheckedLinked() const
{
    return TActionLink::IsCheckedLinked() && FClient->Checked() == CustomAction()->Checked();
}

bool TMenuActionLink::IsAutoCheckLinked() const
{
    return TActionLink::IsAutoCheckLinked() && FClient->AutoCheck() == CustomAction()->AutoCheck();
}

bool TMenuActionLink::IsEnabledLinked() const
{
    return TActionLink::IsEnabledLinked() && FClient->Enabled() == CustomAction()->Enabled();
}

bool TMenuActionLink::IsGroupIndexLinked() const
{
    return FClient->RadioItem() && TActionLink::IsGroupIndexLinked() &&
           FClient->GroupIndex() == CustomAction()->GroupIndex();
}

bool TMenuActionLink::IsHelpLinked() const
{
    return TActionLink::IsHelpLinked() && FClient->HelpContext() == CustomAction()->HelpContext();
}

bool TMenuActionLink::IsHintLinked() const
{
    return TActionLink::IsHintLinked() && FClient->Hint() == CustomAction()->Hint();
}

bool TMenuActionLink::IsImageIndexLinked() const
{
    return TActionLink::IsImageIndexLinked() && FClient->ImageIndex() == CustomAction()->ImageIndex();
}

bool TMenuActionLink::IsShortCutLinked() const
{
    return TActionLink::IsShortCutLinked() && FClient->ShortCut() == CustomAction()->ShortCut();
}

bool TMenuActionLink::IsVisibleLinked() const
{
    return TActionLink::IsVisibleLinked() && FClient->Visible() == CustomAction()->Visible();
}

bool TMenuActionLink::IsOnExecuteLinked() const
{
    return TActionLink::IsOnExecuteLinked() && FAction && FClient->OnClick() == FAction->OnExecute();
}

void TMenuActionLink::SetCaption(const String& value)
{
    if (IsCaptionLinked())
        FClient->SetCaption(value);
}

void TMenuActionLink::SetChecked(bool value)
{
    if (IsCheckedLinked())
        FClient->SetChecked(value);
}

void TMenuActionLink::SetAutoCheck(bool value)
{
    if (IsAutoCheckLinked())
        FClient->SetAutoCheck(value);
}

void TMenuActionLink::SetEnabled(bool value)
{
    if (IsEnabledLinked())
        FClient->SetEnabled(value);
}

void TMenuActionLink::SetGroupIndex(int value)
{
    if (IsGroupIndexLinked())
        FClient->SetGroupIndex(static_cast<Byte>(value));
}

void TMenuActionLink::SetHelpContext(int value)
{
    if (IsHelpLinked())
        FClient->SetHelpContext(value);
}

void TMenuActionLink::SetHint(const String& value)
{
    if (IsHintLinked())
        FClient->SetHint(value);
}

void TMenuActionLink::SetImageIndex(int value)
{
    if (IsImageIndexLinked())
        FClient->SetImageIndex(value);
}

void TMenuActionLink::SetShortCut(TShortCut value)
{
    if (IsShortCutLinked())
        FClient->SetShortCut(value);
}

void TMenuActionLink::SetVisible(bool value)
{
    if (IsVisibleLinked())
        FClient->SetVisible(value);
}

void TMenuActionLink::SetOnExecute(TNotifyEvent value)
{
    if (IsOnExecuteLinked())
        FClient->SetOnClick(value);
}
