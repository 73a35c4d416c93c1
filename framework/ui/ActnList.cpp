// Actions, their links and action lists.
#include "ActnList.h"

#include <algorithm>

#include "ActnMan.h"
#include "Forms.h"
#include "Menus.h"

TBasicActionLink::TBasicActionLink(TObject*) {}

TBasicActionLink::~TBasicActionLink()
{
    if (FAction)
        FAction->UnRegisterChanges(this);
}

void TBasicActionLink::SetAction(TBasicAction* value)
{
    if (FAction == value)
        return;
    if (FAction)
        FAction->UnRegisterChanges(this);
    FAction = value;
    if (value)
        value->RegisterChanges(this);
}

bool TBasicActionLink::Execute(TComponent* target)
{
    if (!FAction)
        return false;
    TBasicAction* action = FAction;
    action->SetActionComponent(target);
    struct TReset {
        TBasicAction* Action;
        ~TReset() { Action->SetActionComponent(nullptr); }
    } reset{action};
    return action->Execute();
}

bool TBasicActionLink::Update()
{
    return FAction && FAction->Update();
}

// ---------------------------------------------------------------------------------------------

TAVIN_PUBLISHED(TBasicAction)
{
    TAVIN_PROPERTY(TNotifyEvent, OnExecute);
    TAVIN_PROPERTY(TNotifyEvent, OnUpdate);
}

TBasicAction::TBasicAction(TComponent* owner) : TComponent(owner) {}

TBasicAction::~TBasicAction()
{
    Destroying();
    // The clients forget the action; their links stay, linked to nothing.
    for (TBasicActionLink* link : std::vector<TBasicActionLink*>(FClients))
        link->SetAction(nullptr);
    SetActionComponent(nullptr);
}

bool TBasicAction::Execute()
{
    if (!FOnExecute)
        return false;
    FOnExecute(this);
    return true;
}

bool TBasicAction::Update()
{
    if (!FOnUpdate)
        return false;
    FOnUpdate(this);
    return true;
}

void TBasicAction::SetActionComponent(TComponent* value)
{
    if (FActionComponent == value)
        return;
    if (FActionComponent)
        FActionComponent->RemoveFreeNotification(this);
    FActionComponent = value;
    if (value)
        value->FreeNotification(this);
}

void TBasicAction::SetOnExecute(TNotifyEvent value)
{
    if (FOnExecute == value)
        return;
    for (TBasicActionLink* link : std::vector<TBasicActionLink*>(FClients))
        link->SetOnExecute(value);
    FOnExecute = value;
}

void TBasicAction::RegisterChanges(TBasicActionLink* link)
{
    link->FAction = this;
    FClients.push_back(link);
}

void TBasicAction::UnRegisterChanges(TBasicActionLink* link)
{
    auto it = std::find(FClients.begin(), FClients.end(), link);
    if (it == FClients.end())
        return;
    FClients.erase(it);
    link->FAction = nullptr;
}

void TBasicAction::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FActionComponent)
        FActionComponent = nullptr;
}

// ---------------------------------------------------------------------------------------------

TAVIN_PUBLISHED(TContainedAction)
{
    TAVIN_PROPERTY(String, Category);
}

TContainedAction::~TContainedAction()
{
    if (FActionList)
        FActionList->RemoveAction(this);
}

void TContainedAction::SetActionList(TContainedActionList* value)
{
    if (FActionList == value)
        return;
    if (FActionList)
        FActionList->RemoveAction(this);
    if (value)
        value->AddAction(this);
}

int TContainedAction::Index() const
{
    return FActionList ? FActionList->IndexOf(this) : -1;
}

bool TContainedAction::Execute()
{
    return (FActionList && FActionList->ExecuteAction(this)) || (Application && Application->ExecuteAction(this)) ||
           TBasicAction::Execute();
}

bool TContainedAction::Update()
{
    return (FActionList && FActionList->UpdateAction(this)) || (Application && Application->UpdateAction(this)) ||
           TBasicAction::Update();
}

TComponent* TContainedAction::GetParentComponent() const
{
    return FActionList;
}

void TContainedAction::SetParentComponent(TComponent* parent)
{
    if (auto* list = dynamic_cast<TContainedActionList*>(parent))
        SetActionList(list);
}

// ---------------------------------------------------------------------------------------------

TAVIN_PUBLISHED(TCustomAction)
{
    TAVIN_PROPERTY(bool, AutoCheck).Default(false);
    TAVIN_PROPERTY(String, Caption);
    TAVIN_PROPERTY(bool, Checked).Default(false);
    TAVIN_PROPERTY(bool, Enabled).Default(true);
    TAVIN_PROPERTY(int, GroupIndex).Default(0);
    TAVIN_PROPERTY(int, HelpContext).Default(0);
    TAVIN_PROPERTY(String, HelpKeyword);
    TAVIN_PROPERTY(THelpType, HelpType).Default(htKeyword);
    TAVIN_PROPERTY(String, Hint);
    TAVIN_PROPERTY(int, ImageIndex).Default(-1);
    TAVIN_PROPERTY(TShortCut, ShortCut).Default(0);
    TAVIN_PROPERTY(TShortCutList*, SecondaryShortCuts);
    TAVIN_PROPERTY(bool, Visible).Default(true);
}

TShortCut TShortCutList::ShortCuts(int index) const
{
    return TextToShortCut(Strings(index));
}

int TShortCutList::IndexOfShortCut(TShortCut shortCut) const
{
    for (int i = 0; i < Count(); ++i)
        if (shortCut != scNone && ShortCuts(i) == shortCut)
            return i;
    return -1;
}

TCustomAction::TCustomAction(TComponent* owner) : TContainedAction(owner) {}

bool TCustomAction::HasShortCut(TShortCut shortCut) const
{
    return shortCut != scNone && (FShortCut == shortCut || FSecondaryShortCuts->IndexOfShortCut(shortCut) >= 0);
}

// Hands a changed value to every link (each decides for its client), then stores it.
template <class V, class Apply>
void TCustomAction::Assign(V& field, const V& value, Apply apply)
{
    if (field == value)
        return;
    for (TBasicActionLink* link : std::vector<TBasicActionLink*>(Clients()))
        if (auto* actionLink = dynamic_cast<TActionLink*>(link))
            apply(*actionLink);
    field = value;
}

void TCustomAction::SetCaption(const String& value)
{
    Assign(FCaption, value, [&](TActionLink& l) { l.SetCaption(value); });
}

void TCustomAction::SetChecked(bool value)
{
    Assign(FChecked, value, [&](TActionLink& l) { l.SetChecked(value); });
    // One checked action per group in the list.
    if (value && FGroupIndex > 0 && ActionList())
        for (int i = 0; i < ActionList()->ActionCount(); ++i)
            if (auto* other = dynamic_cast<TCustomAction*>(ActionList()->Actions(i));
                other && other != this && other->FGroupIndex == FGroupIndex)
                other->SetChecked(false);
}

void TCustomAction::SetAutoCheck(bool value)
{
    Assign(FAutoCheck, value, [&](TActionLink& l) { l.SetAutoCheck(value); });
}

void TCustomAction::SetGroupIndex(int value)
{
    Assign(FGroupIndex, value, [&](TActionLink& l) { l.SetGroupIndex(value); });
}

void TCustomAction::SetEnabled(bool value)
{
    Assign(FEnabled, value, [&](TActionLink& l) { l.SetEnabled(value); });
}

void TCustomAction::SetVisible(bool value)
{
    Assign(FVisible, value, [&](TActionLink& l) { l.SetVisible(value); });
}

void TCustomAction::SetHint(const String& value)
{
    Assign(FHint, value, [&](TActionLink& l) { l.SetHint(value); });
}

void TCustomAction::SetImageIndex(int value)
{
    Assign(FImageIndex, value, [&](TActionLink& l) { l.SetImageIndex(value); });
}

void TCustomAction::SetShortCut(TShortCut value)
{
    Assign(FShortCut, value, [&](TActionLink& l) { l.SetShortCut(value); });
}

void TCustomAction::SetHelpContext(int value)
{
    Assign(FHelpContext, value, [&](TActionLink& l) { l.SetHelpContext(value); });
}

void TCustomAction::SetHelpKeyword(const String& value)
{
    Assign(FHelpKeyword, value, [&](TActionLink& l) { l.SetHelpKeyword(value); });
}

void TCustomAction::SetHelpType(THelpType value)
{
    Assign(FHelpType, value, [&](TActionLink& l) { l.SetHelpType(value); });
}

bool TCustomAction::Execute()
{
    if (ActionList() && ActionList()->State() != asNormal)
        return false;
    Update();
    if (!FEnabled)
        return false;
    if (FAutoCheck && (!FChecked || FGroupIndex == 0))
        SetChecked(!FChecked);
    return TContainedAction::Execute();
}

// ---------------------------------------------------------------------------------------------

bool IsActionLinked(const TActionLink* link, bool (TActionLink::*isLinked)() const)
{
    return link && link->Action() && (link->*isLinked)();
}

// ---------------------------------------------------------------------------------------------

void TControlActionLink::AssignClient(TObject* client)
{
    FClient = dynamic_cast<TControl*>(client);
}

bool TControlActionLink::IsCaptionLinked() const
{
    return TActionLink::IsCaptionLinked() && FClient->Caption() == CustomAction()->Caption();
}

bool TControlActionLink::IsEnabledLinked() const
{
    return TActionLink::IsEnabledLinked() && FClient->Enabled() == CustomAction()->Enabled();
}

bool TControlActionLink::IsHelpLinked() const
{
    TCustomAction* action = CustomAction();
    return TActionLink::IsHelpLinked() && FClient->HelpContext() == action->HelpContext() &&
           FClient->HelpKeyword() == action->HelpKeyword() && FClient->HelpType() == action->HelpType();
}

bool TControlActionLink::IsHintLinked() const
{
    return TActionLink::IsHintLinked() && FClient->Hint() == CustomAction()->Hint();
}

bool TControlActionLink::IsVisibleLinked() const
{
    return TActionLink::IsVisibleLinked() && FClient->Visible() == CustomAction()->Visible();
}

bool TControlActionLink::IsOnExecuteLinked() const
{
    return TActionLink::IsOnExecuteLinked() && FAction && FClient->OnClick() == FAction->OnExecute();
}

void TControlActionLink::SetCaption(const String& value)
{
    if (IsCaptionLinked())
        FClient->SetCaption(value);
}

void TControlActionLink::SetEnabled(bool value)
{
    if (IsEnabledLinked())
        FClient->SetEnabled(value);
}

void TControlActionLink::SetHelpContext(int value)
{
    if (IsHelpLinked())
        FClient->SetHelpContext(value);
}

void TControlActionLink::SetHelpKeyword(const String& value)
{
    if (IsHelpLinked())
        FClient->SetHelpKeyword(value);
}

void TControlActionLink::SetHelpType(THelpType value)
{
    if (IsHelpLinked())
        FClient->SetHelpType(value);
}

void TControlActionLink::SetHint(const String& value)
{
    if (IsHintLinked())
        FClient->SetHint(value);
}

void TControlActionLink::SetVisible(bool value)
{
    if (IsVisibleLinked())
        FClient->SetVisible(value);
}

void TControlActionLink::SetOnExecute(TNotifyEvent value)
{
    if (IsOnExecuteLinked())
        FClient->SetOnClick(value);
}

// ---------------------------------------------------------------------------------------------

TAVIN_PUBLISHED(TContainedActionList)
{
    TAVIN_PROPERTY(TActionListState, State).Default(asNormal);
    TAVIN_PROPERTY(TActionEvent, OnExecute);
    TAVIN_PROPERTY(TActionEvent, OnUpdate);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
}

TContainedActionList::TContainedActionList(TComponent* owner) : TComponent(owner) {}

TContainedActionList::~TContainedActionList()
{
    Destroying();
    // The actions stay with their owner, outside any list.
    for (TContainedAction* action : std::vector<TContainedAction*>(FActions))
        RemoveAction(action);
}

int TContainedActionList::IndexOf(const TContainedAction* action) const
{
    auto it = std::find(FActions.begin(), FActions.end(), action);
    return it == FActions.end() ? -1 : static_cast<int>(it - FActions.begin());
}

void TContainedActionList::AddAction(TContainedAction* action)
{
    FActions.push_back(action);
    action->FActionList = this;
    FOnChange(this);
}

void TContainedActionList::RemoveAction(TContainedAction* action)
{
    auto it = std::find(FActions.begin(), FActions.end(), action);
    if (it == FActions.end())
        return;
    FActions.erase(it);
    action->FActionList = nullptr;
    if (!ComponentState().Contains(csDestroying))
        FOnChange(this);
}

void TContainedActionList::SetState(TActionListState value)
{
    if (FState == value)
        return;
    FState = value;
    // Suspended with its actions enabled: every action is enabled for as long.
    if (value == asSuspendedEnabled)
        for (TContainedAction* action : FActions)
            if (auto* custom = dynamic_cast<TCustomAction*>(action))
                custom->SetEnabled(true);
}

bool TContainedActionList::ExecuteAction(TBasicAction* action)
{
    bool handled = false;
    FOnExecute(action, handled);
    return handled;
}

bool TContainedActionList::UpdateAction(TBasicAction* action)
{
    bool handled = false;
    FOnUpdate(action, handled);
    return handled;
}

void TContainedActionList::UpdateActions()
{
    if (FState != asNormal)
        return;
    for (TContainedAction* action : std::vector<TContainedAction*>(FActions))
        action->Update();
}

bool TContainedActionList::IsShortCut(const TMessage& message)
{
    TShortCut shortCut = ShortCut(static_cast<Word>(message.WParam), KeyboardShiftState());
    if (shortCut == scNone || FState != asNormal)
        return false;
    for (TContainedAction* action : std::vector<TContainedAction*>(FActions)) {
        auto* custom = dynamic_cast<TCustomAction*>(action);
        if (!custom || !custom->HasShortCut(shortCut))
            continue;
        custom->Update();
        if (!custom->Enabled())
            return false;
        custom->Execute();
        return true;
    }
    return false;
}

void TContainedActionList::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root)
{
    for (TContainedAction* action : std::vector<TContainedAction*>(FActions))
        if (action->Owner() == root)
            proc(action);
}

// ---------------------------------------------------------------------------------------------

TAVIN_PUBLISHED(TCustomActionList)
{
    TAVIN_PROPERTY(TCustomImageList*, Images);
}

TCustomActionList::TCustomActionList(TComponent* owner) : TContainedActionList(owner) {}
TCustomActionList::~TCustomActionList() = default;

void TCustomActionList::SetImages(TCustomImageList* value)
{
    if (FImages == value)
        return;
    if (FImages)
        FImages->RemoveFreeNotification(this);
    FImages = value;
    if (value)
        value->FreeNotification(this);
}

void TCustomActionList::Notification(TComponent* component, TOperation operation)
{
    TContainedActionList::Notification(component, operation);
    if (operation == opRemove && component == FImages)
        FImages = nullptr;
}

void ActnListUnitInitialize()
{
    RegisterClasses({TAction::StaticClass(), TActionList::StaticClass(), TActionManager::StaticClass()});
}
