#include "Classes.h"

#include <algorithm>

#include "Streaming.h"

void ListIndexError(int index)
{
    throw EListError(u"List index out of bounds (" + IntToStr(index) + u")");
}

// ---------------------------------------------------------------------------------------------

void TPersistent::Assign(const TPersistent* source)
{
    if (!source)
        AssignError(nullptr);
    source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* dest) const
{
    dest->AssignError(this);
}

void TPersistent::AssignError(const TPersistent* source) const
{
    String from = source ? source->ClassName() : u"nil";
    throw EConvertError(u"Cannot assign a " + from + u" to a " + ClassName());
}

String TPersistent::GetNamePath() const
{
    String result = ClassName();
    if (TPersistent* owner = GetOwner()) {
        String path = owner->GetNamePath();
        if (!path.empty())
            result = path + u"." + result;
    }
    return result;
}

void TPersistent::DefineProperties(TFiler&) {}

// ---------------------------------------------------------------------------------------------

TAVIN_PUBLISHED(TComponent)
{
    TAVIN_PROPERTY(String, Name).Stored(false); // written as the object's header
    TAVIN_PROPERTY(NativeInt, Tag).Default(0);
}

TComponent::TComponent(TComponent* owner)
{
    if (owner)
        owner->InsertComponent(this);
}

TComponent::~TComponent()
{
    Destroying();
    while (!FFreeNotifies.empty()) {
        TComponent* other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        other->RemoveNotifyRef(this);
        other->Notification(this, opRemove);
    }
    DestroyComponents();
    if (FOwner)
        FOwner->RemoveComponent(this);
}

TComponent* TComponent::Components(int index) const
{
    if (index < 0 || index >= ComponentCount())
        ListIndexError(index);
    return FComponents[static_cast<size_t>(index)];
}

int TComponent::ComponentIndex() const
{
    if (!FOwner)
        return -1;
    auto it = std::find(FOwner->FComponents.begin(), FOwner->FComponents.end(), this);
    return static_cast<int>(it - FOwner->FComponents.begin());
}

TComponent* TComponent::FindComponent(const String& name) const
{
    if (name.empty())
        return nullptr;
    for (TComponent* c : FComponents)
        if (SameText(c->FName, name))
            return c;
    return nullptr;
}

void TComponent::SetName(const String& name)
{
    if (name == FName)
        return;
    if (!name.empty() && !IsValidIdent(name))
        throw EComponentError(u"'" + name + u"' is not a valid component name");
    if (FOwner)
        FOwner->ValidateRename(this, FName, name);
    else
        ValidateRename(nullptr, FName, name);
    FName = name;
}

void TComponent::ValidateRename(TComponent* component, const String& currentName, const String& newName) const
{
    if (component && !SameText(currentName, newName) && component->FOwner == this && FindComponent(newName))
        throw EComponentError(u"A component named " + newName + u" already exists");
}

void TComponent::SetDesigning(bool designing)
{
    if (designing)
        FComponentState.Include(csDesigning);
    else
        FComponentState.Exclude(csDesigning);
    for (TComponent* c : FComponents)
        c->SetDesigning(designing);
}

void TComponent::InsertComponent(TComponent* component)
{
    TComponent* namesake = FindComponent(component->FName);
    if (namesake && namesake != component)
        throw EComponentError(u"A component named " + component->FName + u" already exists");
    if (component->FOwner)
        component->FOwner->RemoveComponent(component);
    Insert(component);
    if (FComponentState.Contains(csDesigning))
        component->SetDesigning(true);
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component)
{
    Notification(component, opRemove);
    Remove(component);
}

void TComponent::Insert(TComponent* component)
{
    FComponents.push_back(component);
    component->FOwner = this;
}

void TComponent::Remove(TComponent* component)
{
    std::erase(FComponents, component);
    component->FOwner = nullptr;
}

void TComponent::DestroyComponents()
{
    while (!FComponents.empty()) {
        TComponent* c = FComponents.back();
        // Siblings that asked for a free notification hear of it through the owner.
        if (c->FComponentState.Contains(csFreeNotification))
            RemoveComponent(c);
        else
            Remove(c);
        delete c;
    }
}

void TComponent::Destroying()
{
    if (FComponentState.Contains(csDestroying))
        return;
    FComponentState.Include(csDestroying);
    for (TComponent* c : FComponents)
        c->Destroying();
}

void TComponent::FreeNotification(TComponent* component)
{
    if (!component || component == this)
        return;
    // Components of one owner hear of each other's removal through the owner.
    if (FOwner && component->FOwner == FOwner) {
        FComponentState.Include(csFreeNotification);
        return;
    }
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component) == FFreeNotifies.end()) {
        FFreeNotifies.push_back(component);
        component->FreeNotification(this);
    }
}

void TComponent::RemoveFreeNotification(TComponent* component)
{
    RemoveNotifyRef(component);
    component->RemoveNotifyRef(this);
}

void TComponent::RemoveNotifyRef(TComponent* component)
{
    std::erase(FFreeNotifies, component);
}

void TComponent::Notification(TComponent* component, TOperation operation)
{
    if (operation == opRemove && component)
        RemoveFreeNotification(component);
    // Owned components may refer to the one that comes or goes.
    for (size_t i = FComponents.size(); i-- > 0;)
        if (i < FComponents.size())
            FComponents[i]->Notification(component, operation);
}

String TComponent::GetNamePath() const
{
    return FName;
}

void TComponent::GetChildren(const std::function<void(TComponent*)>&, TComponent*) {}

void TComponent::Loaded()
{
    FComponentState.Exclude(csLoading);
}

void TComponent::ReadState(TReader& reader)
{
    reader.ReadData(this);
}

void TComponent::WriteState(TWriter& writer)
{
    writer.WriteData(this);
}
