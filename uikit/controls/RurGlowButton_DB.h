#pragma once
// The data-aware glow button: one navigator operation on a data set per click (first, prior, next,
// last, insert, append, delete, edit, post, cancel, refresh), enabled from the data set's state and
// showing a built-in glyph for its operation.
#include <memory>

#include "DB.h"
#include "Dialogs.h"
#include "RurGlowButton.h"

TAVIN_ENUM(TDBGlowButtonType, dbCustom, dbFirst, dbPrior, dbNext, dbLast, dbInsert, dbAppend, dbDelete, dbEdit, dbPost,
           dbCancel, dbRefresh)
// The data set's conditions under which the button is disabled; drEvent lets OnGetEnabled decide.
TAVIN_ENUM(TDBBDisableControl, drBOF, drEOF, drReadonly, drNotEditing, drEditing, drEmpty, drEvent)
using TDBBDisableControls = TSet<TDBBDisableControl>;

using TBeforeActionEvent = TEvent<TObject*, bool&>;
using TAfterActionEvent = TEvent<TObject*, bool&>;
using TGetConfirmEvent = TEvent<TObject*, String&, TMsgDlgButtons&, int&>;
using TGetEnabledEvent = TEvent<TObject*, bool&>;

// The text a delete button asks with unless given another.
extern const String SDeleteRecordQuestion;

class TDBGlowButtonDataLink : public TDataLink {
    TAVIN_CLASS(TDBGlowButtonDataLink, TDataLink)
public:
    TNotifyEvent OnEditingChanged, OnDataSetChanged, OnActiveChanged;

protected:
    void EditingChanged() override { OnEditingChanged(this); }
    void DataSetChanged() override { OnDataSetChanged(this); }
    void ActiveChanged() override { OnActiveChanged(this); }
};

class TDBRurGlowButton : public TRurCustomGlowButton {
    TAVIN_PUBLISHED_CLASS(TDBRurGlowButton, TRurCustomGlowButton)
public:
    explicit TDBRurGlowButton(TComponent* owner);
    ~TDBRurGlowButton() override;
    void WndProc(TMessage& message) override;
    void Loaded() override;
    void Click() override;

    bool AutoDisable() const { return FAutoDisable; }
    void SetAutoDisable(bool value) { FAutoDisable = value; }
    bool ConfirmAction() const { return FConfirmAction; }
    void SetConfirmAction(bool value) { FConfirmAction = value; }
    const String& ConfirmActionString() const { return FConfirmActionString; }
    void SetConfirmActionString(const String& value) { FConfirmActionString = value; }
    TDataSource* DataSource() const { return FDataLink->DataSource(); }
    void SetDataSource(TDataSource* value);
    TDBGlowButtonType DBButtonType() const { return FDBButtonType; }
    void SetDBButtonType(TDBGlowButtonType value);
    TDBBDisableControls DisableControl() const { return FDisableControls; }
    void SetDisableControl(TDBBDisableControls value) { FDisableControls = value; }
    TBeforeActionEvent OnBeforeAction() const { return FOnBeforeAction; }
    void SetOnBeforeAction(TBeforeActionEvent value) { FOnBeforeAction = value; }
    TAfterActionEvent OnAfterAction() const { return FOnAfterAction; }
    void SetOnAfterAction(TAfterActionEvent value) { FOnAfterAction = value; }
    TGetConfirmEvent OnGetConfirm() const { return FOnGetConfirm; }
    void SetOnGetConfirm(TGetConfirmEvent value) { FOnGetConfirm = value; }
    TGetEnabledEvent OnGetEnabled() const { return FOnGetEnabled; }
    void SetOnGetEnabled(TGetEnabledEvent value) { FOnGetEnabled = value; }
    TNotifyEvent OnEnabledChanged() const { return FOnEnabledChanged; }
    void SetOnEnabledChanged(TNotifyEvent value) { FOnEnabledChanged = value; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

    virtual void DoBeforeAction(bool& doAction);
    virtual void GetConfirmation(String& question, TMsgDlgButtons& buttons, int& helpCtx);
    virtual bool AskConfirmation();
    virtual void DoAction();
    virtual void UpdateEnabled();
    virtual void LoadGlyph();

private:
    void DataChanged(TObject*) { UpdateEnabled(); }
    bool Designing() const { return ComponentState().Contains(csDesigning); }
    bool LoadingOrDestroying() const
    {
        return ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying);
    }

    std::unique_ptr<TDBGlowButtonDataLink> FDataLink;
    bool FAutoDisable = true;
    TDBBDisableControls FDisableControls;
    TAfterActionEvent FOnAfterAction;
    TBeforeActionEvent FOnBeforeAction;
    TDBGlowButtonType FDBButtonType = dbCustom;
    TGetConfirmEvent FOnGetConfirm;
    TGetEnabledEvent FOnGetEnabled;
    TNotifyEvent FOnEnabledChanged;
    bool FConfirmAction = false;
    String FConfirmActionString;
    bool FInProcUpdateEnabled = false;
};
