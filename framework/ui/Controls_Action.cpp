// A control's action: the link that shows the action's caption and state on the control, and
// the click rule between the control's OnClick and the action.
#include "ActnList.h"
#include "Controls.h"

TBasicAction* TControl::Action() const
{
    return FActionLink ? FActionLink->Action() : nullptr;
}

void TControl::SetAction(TBasicAction* value)
{
    SetClientAction(
        *this, FActionLink, value, [this] { return CreateActionLink(); },
        [this](TBasicAction* action, bool checkDefaults) { ActionChange(action, checkDefaults); });
}

TControlActionLink* TControl::CreateActionLink()
{
    return new TControlActionLink(this);
}

void TControl::ActionChange(TObject* sender, bool checkDefaults)
{
    auto* action = dynamic_cast<TCustomAction*>(sender);
    if (!action)
        return;
    if (!checkDefaults || Caption().empty() || Caption() == Name())
        SetCaption(action->Caption());
    if (!checkDefaults || Enabled())
        SetEnabled(action->Enabled());
    if (!checkDefaults || Hint().empty())
        SetHint(action->Hint());
    if (!checkDefaults || Visible())
        SetVisible(action->Visible());
    if (!checkDefaults || !OnClick())
        SetOnClick(action->OnExecute());
    if (!checkDefaults || FHelpContext == 0)
        SetHelpContext(action->HelpContext());
    if (!checkDefaults || FHelpKeyword.empty())
        SetHelpKeyword(action->HelpKeyword());
    if (!checkDefaults || FHelpType == htContext)
        SetHelpType(action->HelpType());
}

bool TControl::IsCaptionStored() const
{
    return !IsActionLinked(FActionLink.get(), &TActionLink::IsCaptionLinked);
}

bool TControl::IsEnabledStored() const
{
    return !IsActionLinked(FActionLink.get(), &TActionLink::IsEnabledLinked);
}

bool TControl::IsHintStored() const
{
    return !IsActionLinked(FActionLink.get(), &TActionLink::IsHintLinked);
}

bool TControl::IsHelpContextStored() const
{
    return !IsActionLinked(FActionLink.get(), &TActionLink::IsHelpLinked);
}

bool TControl::IsVisibleStored() const
{
    return !IsActionLinked(FActionLink.get(), &TActionLink::IsVisibleLinked);
}

bool TControl::IsOnClickStored() const
{
    return !IsActionLinked(FActionLink.get(), &TActionLink::IsOnExecuteLinked);
}

void TControl::InitiateAction()
{
    if (FActionLink)
        FActionLink->Update();
}

void TControl::Click()
{
    TBasicAction* action = Action();
    if (FOnClick && (!action || FOnClick != action->OnExecute()))
        FOnClick(this);
    else if (FActionLink && action)
        FActionLink->Execute(this);
    else
        FOnClick(this);
}
