#pragma once
// Actions: a command with its caption, state and handlers, kept in action lists and linked to the
// controls and menu items that show it; links copy the action's properties to their client while
// the client's own value still equals the action's. Action lists update their actions when the
// application is idle.
#include <memory>
#include <vector>

#include "Controls.h"
#include "ImgList.h"

class TBasicAction;
class TContainedActionList;

// A key with its modifiers in one word: the virtual key in the low byte.
using TShortCut = Word;
constexpr TShortCut scNone = 0, scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000;

TAVIN_ENUM(TActionListState, asNormal, asSuspended, asSuspendedEnabled)

using TActionEvent = TEvent<TBasicAction*, bool&>;

// Connects one client (a control, a menu item) to an action: the action tells its links about
// changes, and the link decides what reaches the client.
class TBasicActionLink : public TObject {
    TAVIN_CLASS(TBasicActionLink, TObject)
public:
    explicit TBasicActionLink(TObject* client);
    ~TBasicActionLink() override;
    TBasicActionLink(const TBasicActionLink&) = delete;
    TBasicActionLink& operator=(const TBasicActionLink&) = delete;

    TBasicAction* Action() const { return FAction; }
    virtual void SetAction(TBasicAction* value);
    // Runs the action on behalf of target (the action's ActionComponent meanwhile).
    virtual bool Execute(TComponent* target = nullptr);
    virtual bool Update();
    virtual bool IsOnExecuteLinked() const { return true; }
    virtual void SetOnExecute(TNotifyEvent) {}

protected:
    friend class TBasicAction;
    virtual void AssignClient(TObject*) {}

    TBasicAction* FAction = nullptr;
};

class TBasicAction : public TComponent {
    TAVIN_PUBLISHED_CLASS(TBasicAction, TComponent)
public:
    explicit TBasicAction(TComponent* owner);
    ~TBasicAction() override;

    // True when a handler ran.
    virtual bool Execute();
    virtual bool Update();
    virtual bool HandlesTarget(TObject*) { return false; }
    virtual void ExecuteTarget(TObject*) {}
    virtual void UpdateTarget(TObject*) {}
    // The client the action runs for now (during Execute through a link).
    TComponent* ActionComponent() const { return FActionComponent; }
    void SetActionComponent(TComponent* value);

    TNotifyEvent OnExecute() const { return FOnExecute; }
    void SetOnExecute(TNotifyEvent value);
    TNotifyEvent OnUpdate() const { return FOnUpdate; }
    void SetOnUpdate(TNotifyEvent value) { FOnUpdate = value; }

    void RegisterChanges(TBasicActionLink* link);
    void UnRegisterChanges(TBasicActionLink* link);
    int ClientCount() const { return static_cast<int>(FClients.size()); }

protected:
    void Notification(TComponent* component, TOperation operation) override;
    // Each link with its client, for the property setters of descendants.
    const std::vector<TBasicActionLink*>& Clients() const { return FClients; }

private:
    std::vector<TBasicActionLink*> FClients;
    TComponent* FActionComponent = nullptr;
    TNotifyEvent FOnExecute, FOnUpdate;
};

// A client's Action property (a control's, a menu item's): the link made on first use, the client
// told of the action's values, and free notification both ways. checkDefaults is true while the
// action is read from a form resource, so values the client was given there stay.
template <class TLink, class TCreateLink, class TActionChange>
void SetClientAction(TComponent& client, std::unique_ptr<TLink>& link, TBasicAction* value, TCreateLink createLink,
                     TActionChange actionChange)
{
    TBasicAction* old = link ? link->Action() : nullptr;
    if (old == value)
        return;
    if (old)
        old->RemoveFreeNotification(&client);
    if (!value) {
        link.reset();
        return;
    }
    if (!link)
        link.reset(createLink());
    link->SetAction(value);
    actionChange(value, value->ComponentState().Contains(csLoading));
    value->FreeNotification(&client);
}

// An action that belongs to an action list, under a category.
class TContainedAction : public TBasicAction {
    TAVIN_PUBLISHED_CLASS(TContainedAction, TBasicAction)
public:
    using TBasicAction::TBasicAction;
    ~TContainedAction() override;

    TContainedActionList* ActionList() const { return FActionList; }
    void SetActionList(TContainedActionList* value);
    const String& Category() const { return FCategory; }
    void SetCategory(const String& value) { FCategory = value; }
    int Index() const;
    // The list's OnExecute may handle the action first; then the action's own handler.
    bool Execute() override;
    bool Update() override;

    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;

private:
    friend class TContainedActionList;
    TContainedActionList* FActionList = nullptr;
    String FCategory;
};

// An action's further short cuts, kept as their texts ("Ctrl+Shift+N"); a text that names no short
// cut takes no key.
class TShortCutList : public TStringList {
    TAVIN_CLASS(TShortCutList, TStringList)
public:
    TShortCut ShortCuts(int index) const;
    int IndexOfShortCut(TShortCut shortCut) const;
};

class TCustomAction : public TContainedAction {
    TAVIN_PUBLISHED_CLASS(TCustomAction, TContainedAction)
public:
    explicit TCustomAction(TComponent* owner);

    const String& Caption() const { return FCaption; }
    void SetCaption(const String& value);
    bool Checked() const { return FChecked; }
    void SetChecked(bool value);
    // Execute toggles Checked (a checked action of a group stays checked).
    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool value);
    // Checked actions of one group index in one list check each other off.
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    const String& Hint() const { return FHint; }
    void SetHint(const String& value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut value);
    // Keys that run the action besides ShortCut (menu items show only ShortCut).
    TShortCutList* SecondaryShortCuts() const { return FSecondaryShortCuts.get(); }
    void SetSecondaryShortCuts(TShortCutList* value) { FSecondaryShortCuts->Assign(value); }
    // ShortCut or one of the secondary short cuts.
    bool HasShortCut(TShortCut shortCut) const;
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int value);
    const String& HelpKeyword() const { return FHelpKeyword; }
    void SetHelpKeyword(const String& value);
    THelpType HelpType() const { return FHelpType; }
    void SetHelpType(THelpType value);
    // A suspended list's actions do nothing.
    bool Execute() override;

private:
    template <class V, class Apply>
    void Assign(V& field, const V& value, Apply apply);

    String FCaption;
    bool FChecked = false, FAutoCheck = false, FEnabled = true, FVisible = true;
    int FGroupIndex = 0;
    String FHint;
    int FImageIndex = -1;
    TShortCut FShortCut = scNone;
    std::unique_ptr<TShortCutList> FSecondaryShortCuts = std::make_unique<TShortCutList>();
    int FHelpContext = 0;
    String FHelpKeyword;
    THelpType FHelpType = htKeyword;
};

class TAction : public TCustomAction {
    TAVIN_CLASS(TAction, TCustomAction)
public:
    using TCustomAction::TCustomAction;
};

// A link whose action may be a TCustomAction: one Is...Linked question and one setter per
// property. The base answers whether the action has the property at all; client links narrow it
// to "the client's value still equals the action's" and write the client.
class TActionLink : public TBasicActionLink {
    TAVIN_CLASS(TActionLink, TBasicActionLink)
public:
    using TBasicActionLink::TBasicActionLink;
    virtual bool IsCaptionLinked() const { return CustomAction() != nullptr; }
    virtual bool IsCheckedLinked() const { return CustomAction() != nullptr; }
    virtual bool IsAutoCheckLinked() const { return CustomAction() != nullptr; }
    virtual bool IsEnabledLinked() const { return CustomAction() != nullptr; }
    virtual bool IsGroupIndexLinked() const { return CustomAction() != nullptr; }
    virtual bool IsHelpLinked() const { return CustomAction() != nullptr; }
    virtual bool IsHintLinked() const { return CustomAction() != nullptr; }
    virtual bool IsImageIndexLinked() const { return CustomAction() != nullptr; }
    virtual bool IsShortCutLinked() const { return CustomAction() != nullptr; }
    virtual bool IsVisibleLinked() const { return CustomAction() != nullptr; }
    virtual void SetCaption(const String&) {}
    virtual void SetChecked(bool) {}
    virtual void SetAutoCheck(bool) {}
    virtual void SetEnabled(bool) {}
    virtual void SetGroupIndex(int) {}
    virtual void SetHelpContext(int) {}
    virtual void SetHelpKeyword(const String&) {}
    virtual void SetHelpType(THelpType) {}
    virtual void SetHint(const String&) {}
    virtual void SetImageIndex(int) {}
    virtual void SetShortCut(TShortCut) {}
    virtual void SetVisible(bool) {}

protected:
    TCustomAction* CustomAction() const { return dynamic_cast<TCustomAction*>(FAction); }
};

// Whether a client's property only mirrors its action (isLinked: &TActionLink::IsCaptionLinked...);
// false without a link or an action. A form does not write such a property: linking the action
// again when the form is read gives it back.
bool IsActionLinked(const TActionLink* link, bool (TActionLink::*isLinked)() const);

// The link of a control: caption, enabled, hint, visible, help and OnClick.
class TControlActionLink : public TActionLink {
    TAVIN_CLASS(TControlActionLink, TActionLink)
public:
    explicit TControlActionLink(TObject* client) : TActionLink(client) { AssignClient(client); }
    bool IsCaptionLinked() const override;
    bool IsEnabledLinked() const override;
    bool IsHelpLinked() const override;
    bool IsHintLinked() const override;
    bool IsVisibleLinked() const override;
    bool IsOnExecuteLinked() const override;
    void SetCaption(const String& value) override;
    void SetEnabled(bool value) override;
    void SetHelpContext(int value) override;
    void SetHelpKeyword(const String& value) override;
    void SetHelpType(THelpType value) override;
    void SetHint(const String& value) override;
    void SetVisible(bool value) override;
    void SetOnExecute(TNotifyEvent value) override;

protected:
    void AssignClient(TObject* client) override;
    TControl* FClient = nullptr;
};

// Holds actions (their ActionList is the list) and answers for them: OnExecute and OnUpdate of
// the list run before the action's own; a suspended list's actions do nothing.
class TContainedActionList : public TComponent {
    TAVIN_PUBLISHED_CLASS(TContainedActionList, TComponent)
public:
    explicit TContainedActionList(TComponent* owner);
    ~TContainedActionList() override;

    int ActionCount() const { return static_cast<int>(FActions.size()); }
    TContainedAction* Actions(int index) const { return FActions.at(static_cast<size_t>(index)); }
    int IndexOf(const TContainedAction* action) const;
    TActionListState State() const { return FState; }
    void SetState(TActionListState value);
    // Handlers of the list: Handled true stops the action's own.
    virtual bool ExecuteAction(TBasicAction* action);
    virtual bool UpdateAction(TBasicAction* action);
    // Updates every action (when the list is not suspended).
    void UpdateActions();
    // Runs the enabled action of the key's short cut; false when none has it.
    bool IsShortCut(const TMessage& message);

    TActionEvent OnExecute() const { return FOnExecute; }
    void SetOnExecute(TActionEvent value) { FOnExecute = value; }
    TActionEvent OnUpdate() const { return FOnUpdate; }
    void SetOnUpdate(TActionEvent value) { FOnUpdate = value; }
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent value) { FOnChange = value; }

    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

private:
    friend class TContainedAction;
    void AddAction(TContainedAction* action);
    void RemoveAction(TContainedAction* action);

    std::vector<TContainedAction*> FActions;
    TActionListState FState = asNormal;
    TActionEvent FOnExecute, FOnUpdate;
    TNotifyEvent FOnChange;
};

class TCustomActionList : public TContainedActionList {
    TAVIN_PUBLISHED_CLASS(TCustomActionList, TContainedActionList)
public:
    explicit TCustomActionList(TComponent* owner);
    ~TCustomActionList() override;
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TCustomImageList* FImages = nullptr;
};

class TActionList : public TCustomActionList {
    TAVIN_CLASS(TActionList, TCustomActionList)
public:
    using TCustomActionList::TCustomActionList;
};

void ActnListUnitInitialize();
inline constexpr TUnitStep ActnListUnit{"ActnList", &ActnListUnitInitialize, nullptr};
