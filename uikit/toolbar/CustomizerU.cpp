// The customizer's settings classes, the item record and the component's links.
#include "CustomizerU.h"

#include "RurGlowButton.h"
#include "RurToolBar_Button.h"
#include "RurToolBar_ToolBar.h"
#include "SysUtils.h"

TAVIN_PUBLISHED(TATBCommand)
{
    TAVIN_PROPERTY(String, Caption);
    TAVIN_PROPERTY(int, ItemIndex).Default(-1);
    TAVIN_PROPERTY(TBasicAction*, Action);
    TAVIN_PROPERTY(TNotifyEvent, OnExecute);
}

TATBCommand::TATBCommand(TCollection* collection) : TCollectionItem(collection) {}

void TATBCommand::Assign(const TPersistent* source)
{
    if (auto* command = dynamic_cast<const TATBCommand*>(source)) {
        SetCaption(command->FCaption);
        FOnExecute = command->FOnExecute;
        return;
    }
    TCollectionItem::Assign(source);
}

void TATBCommand::SetCaption(const String& value)
{
    FCaption = value;
    for (Char& c : FCaption)
        if (c == u' ')
            c = u'_';
}

void TATBCommand::SetAction(TBasicAction* value)
{
    FAction = value;
    if (auto* action = dynamic_cast<TCustomAction*>(value))
        SetCaption(action->Caption());
}

TATBCommands::TATBCommands(TRurToolBarCustomizer* owner) : TOwnedCollection(owner, TATBCommand::StaticClass()) {}

// ---------------------------------------------------------------------------------------------

TAVIN_PUBLISHED(TButtonProperties)
{
    TAVIN_PROPERTY(bool, Caption).Default(true);
    TAVIN_PROPERTY(bool, ShowCaption).Default(true);
    TAVIN_PROPERTY(bool, Visible).Default(false);
    TAVIN_PROPERTY(bool, Hint).Default(true);
    TAVIN_PROPERTY(bool, Glyph).Default(true);
}

void TButtonProperties::Set(bool& field, bool value)
{
    if (field == value)
        return;
    field = value;
    FOnChange(this);
}

void TButtonProperties::Assign(const TPersistent* source)
{
    if (auto* other = dynamic_cast<const TButtonProperties*>(source)) {
        FCaption = other->FCaption;
        FShowCaption = other->FShowCaption;
        FVisible = other->FVisible;
        FHint = other->FHint;
        FGlyph = other->FGlyph;
        return;
    }
    TPersistent::Assign(source);
}

TAVIN_PUBLISHED(TCustomizedOptions)
{
    TAVIN_PROPERTY(bool, AddButton).Default(true);
    TAVIN_PROPERTY(bool, ReOrder).Default(true);
    TAVIN_PROPERTY(bool, Delete).Default(true);
    TAVIN_PROPERTY(bool, DeleteAll).Default(false);
    TAVIN_PROPERTY(bool, AddSeparator).Default(true);
    TAVIN_PROPERTY(bool, AddGlowButton).Default(true);
    TAVIN_PROPERTY(bool, EditButton).Default(true);
}

void TCustomizedOptions::Set(bool& field, bool value)
{
    if (field == value)
        return;
    field = value;
    FOnChange(this);
}

void TCustomizedOptions::Assign(const TPersistent* source)
{
    if (auto* other = dynamic_cast<const TCustomizedOptions*>(source)) {
        FAddButton = other->FAddButton;
        FReOrder = other->FReOrder;
        FDelete = other->FDelete;
        FDeleteAll = other->FDeleteAll;
        FAddSeparator = other->FAddSeparator;
        FAddGlowButton = other->FAddGlowButton;
        SetEditButton(other->FEditButton);
        return;
    }
    TPersistent::Assign(source);
}

TAVIN_PUBLISHED(TDialogSettings)
{
#define CUSTOMIZER_PUBLISH_SWITCH(Name, Value) TAVIN_PROPERTY(bool, Name).Default(Value);
#define CUSTOMIZER_PUBLISH_TEXT(Name, Default) TAVIN_PROPERTY(String, Name);
    CUSTOMIZER_DIALOG_SWITCHES(CUSTOMIZER_PUBLISH_SWITCH)
    CUSTOMIZER_DIALOG_TEXTS(CUSTOMIZER_PUBLISH_TEXT)
    CUSTOMIZER_PUBLISH_TEXT(Customize, u"Customize")
#undef CUSTOMIZER_PUBLISH_SWITCH
#undef CUSTOMIZER_PUBLISH_TEXT
}

void TDialogSettings::Assign(const TPersistent* source)
{
    if (auto* other = dynamic_cast<const TDialogSettings*>(source)) {
#define CUSTOMIZER_COPY(Name, Default) F##Name = other->F##Name;
        CUSTOMIZER_DIALOG_SWITCHES(CUSTOMIZER_COPY)
        CUSTOMIZER_DIALOG_TEXTS(CUSTOMIZER_COPY)
#undef CUSTOMIZER_COPY
        return;
    }
    TPersistent::Assign(source);
}

bool TATBItemProp::IsButton() const
{
    return dynamic_cast<TRurToolBarButton*>(ATBItem) || dynamic_cast<TRurCustomGlowButton*>(ATBItem) || IsATBButton ||
           IsGlowButton;
}

// ---------------------------------------------------------------------------------------------

TAVIN_PUBLISHED(TRurToolBarCustomizer)
{
    TAVIN_PROPERTY(TRurToolBar*, RurToolBar);
    TAVIN_PROPERTY(TCustomImageList*, LargeImages);
    TAVIN_PROPERTY(TCustomImageList*, SmallImages);
    TAVIN_PROPERTY(TATBCommands*, Commands);
    TAVIN_PROPERTY(bool, EnablePersistence).Default(true);
    TAVIN_PROPERTY(String, FileName);
    TAVIN_PROPERTY(TButtonProperties*, ButtonProperties);
    TAVIN_PROPERTY(TDialogSettings*, DialogSettings);
    TAVIN_PROPERTY(TCustomizedOptions*, Options);
    TAVIN_PROPERTY(TNotifyEvent, OnBeforeDisplay);
    TAVIN_PROPERTY(TNotifyEvent, OnAfterPost);
    TAVIN_PROPERTY(TCustomizerCanShowEvent, OnCanShow);
}

TRurToolBarCustomizer::TRurToolBarCustomizer(TComponent* owner)
    : TComponent(owner), FCommands(std::make_unique<TATBCommands>(this)),
      FButtonProperties(std::make_unique<TButtonProperties>()), FOptions(std::make_unique<TCustomizedOptions>()),
      FDialogSettings(std::make_unique<TDialogSettings>())
{
}

TRurToolBarCustomizer::~TRurToolBarCustomizer()
{
    if (FRurToolBar && FRurToolBar->Customizer() == this)
        FRurToolBar->SetCustomizerLink(nullptr);
}

void TRurToolBarCustomizer::SetRurToolBar(TRurToolBar* value)
{
    if (value == FRurToolBar)
        return;
    if (FRurToolBar) {
        if (FRurToolBar->Customizer() == this)
            FRurToolBar->SetCustomizerLink(nullptr);
        FRurToolBar->RemoveFreeNotification(this);
    }
    FRurToolBar = value;
    if (value) {
        value->SetCustomizerLink(this);
        value->FreeNotification(this);
    }
}

void TRurToolBarCustomizer::SetLargeImages(TCustomImageList* value) { ReplaceComponentReference(this, FLargeImages, value); }

void TRurToolBarCustomizer::SetSmallImages(TCustomImageList* value) { ReplaceComponentReference(this, FSmallImages, value); }

void TRurToolBarCustomizer::SetFileName(const String& value)
{
    if (value == FFileName)
        return;
    FFileName = value;
    if (!value.empty() && FRurToolBar && !ComponentState().Contains(csLoading) &&
        !ComponentState().Contains(csDesigning)) {
        SaveDesignedLayout();
        LoadLayout();
    }
}

bool TRurToolBarCustomizer::CanPersist() const
{
    return FEnablePersistence && !FFileName.empty() && !ComponentState().Contains(csDesigning) && FRurToolBar;
}

void TRurToolBarCustomizer::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != opRemove)
        return;
    // A taken-off item that goes is forgotten even while the customizer itself goes.
    FDeleteItems.Remove(component);
    FCreatedItems.Remove(component);
    if (ComponentState().Contains(csDestroying))
        return;
    if (component == FRurToolBar) {
        // The toolbar is half destroyed: only the reference is dropped.
        FRurToolBar = nullptr;
    }
    if (component == FLargeImages)
        FLargeImages = nullptr;
    if (component == FSmallImages)
        FSmallImages = nullptr;
}

TControl* TRurToolBarCustomizer::FindToolBarControl(const String& name) const
{
    if (name.empty() || !FRurToolBar)
        return nullptr;
    for (int i = 0; i < FRurToolBar->ToolBarControlCount(); ++i)
        if (TControl* control = FRurToolBar->ToolBarControls(i); SameText(control->Name(), name))
            return control;
    return nullptr;
}
