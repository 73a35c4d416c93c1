#include <algorithm>

#include "Classes.h"

TCollectionItem::TCollectionItem(TCollection* collection)
{
    SetCollection(collection);
}

TCollectionItem::~TCollectionItem()
{
    SetCollection(nullptr);
}

void TCollectionItem::SetCollection(TCollection* collection)
{
    if (collection == FCollection)
        return;
    if (FCollection)
        FCollection->RemoveItem(this);
    if (collection)
        collection->InsertItem(this);
}

int TCollectionItem::Index() const
{
    if (!FCollection)
        return -1;
    const auto& items = FCollection->FItems;
    return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int index)
{
    int current = Index();
    if (current >= 0 && current != index) {
        FCollection->MoveItem(current, index);
        Changed(true);
    }
}

String TCollectionItem::DisplayName() const
{
    return ClassName();
}

String TCollectionItem::GetNamePath() const
{
    if (!FCollection)
        return ClassName();
    return FCollection->GetNamePath() + u"[" + IntToStr(Index()) + u"]";
}

void TCollectionItem::Changed(bool allItems)
{
    if (FCollection && FCollection->FUpdateCount == 0)
        FCollection->Update(allItems ? nullptr : this);
}

TPersistent* TCollectionItem::GetOwner() const
{
    return FCollection;
}

// ---------------------------------------------------------------------------------------------

TCollection::TCollection(TClass itemClass) : FItemClass(itemClass) {}

TCollection::~TCollection()
{
    FUpdateCount = 1; // no change reports from a dying collection
    while (!FItems.empty())
        delete FItems.back();
}

TCollectionItem* TCollection::Items(int index) const
{
    if (index < 0 || index >= Count())
        ListIndexError(index);
    return FItems[static_cast<size_t>(index)];
}

TCollectionItem* TCollection::Add()
{
    // The change is reported once the item is whole: a descendant's Update may read it.
    BeginUpdate();
    TCollectionItem* item = nullptr;
    try {
        item = FItemClass->CreateItem(this);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    return item;
}

TCollectionItem* TCollection::Insert(int index)
{
    if (index < 0 || index > Count())
        ListIndexError(index);
    BeginUpdate();
    TCollectionItem* item = Add();
    item->SetIndex(index);
    EndUpdate();
    return item;
}

void TCollection::Delete(int index)
{
    delete Items(index);
}

void TCollection::Clear()
{
    if (FItems.empty())
        return;
    BeginUpdate();
    while (!FItems.empty())
        delete FItems.back();
    EndUpdate();
}

TCollectionItem* TCollection::FindItemID(int id) const
{
    for (TCollectionItem* item : FItems)
        if (item->FID == id)
            return item;
    return nullptr;
}

void TCollection::BeginUpdate()
{
    ++FUpdateCount;
}

void TCollection::EndUpdate()
{
    if (FUpdateCount > 0)
        --FUpdateCount;
    Changed();
}

void TCollection::Changed()
{
    if (FUpdateCount == 0)
        Update(nullptr);
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Assign(const TPersistent* source)
{
    auto* other = dynamic_cast<const TCollection*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this)
        return;
    BeginUpdate();
    try {
        Clear();
        for (TCollectionItem* item : other->FItems)
            Add()->Assign(item);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

String TCollection::GetNamePath() const
{
    TPersistent* owner = GetOwner();
    if (!owner)
        return ClassName();
    String ownerPath = owner->GetNamePath();
    if (ownerPath.empty())
        return ClassName();
    // The owner's published property that holds this collection names it.
    for (const TPropInfo* p : GetPropList(*owner))
        if (p->Type.Kind == tkClass && p->HasGetter() && GetObjectProp(*owner, *p) == this)
            return ownerPath + u"." + p->Name;
    return ClassName();
}

void TCollection::InsertItem(TCollectionItem* item)
{
    FItems.push_back(item);
    item->FCollection = this;
    item->FID = FNextID++;
    Changed();
}

void TCollection::RemoveItem(TCollectionItem* item)
{
    std::erase(FItems, item);
    item->FCollection = nullptr;
    Changed();
}

void TCollection::MoveItem(int from, int to)
{
    if (to < 0 || to >= Count())
        ListIndexError(to);
    TCollectionItem* item = FItems[static_cast<size_t>(from)];
    FItems.erase(FItems.begin() + from);
    FItems.insert(FItems.begin() + to, item);
}

TOwnedCollection::TOwnedCollection(TPersistent* owner, TClass itemClass) : TCollection(itemClass), FOwner(owner) {}

// ---------------------------------------------------------------------------------------------

void TPointerList::Check(int index) const
{
    if (index < 0 || index >= Count())
        ListIndexError(index);
}

void TPointerList::SetCount(int count)
{
    if (count < 0)
        ListIndexError(count);
    FItems.resize(static_cast<size_t>(count), nullptr);
}

void* TPointerList::Items(int index) const
{
    Check(index);
    return FItems[static_cast<size_t>(index)];
}

void TPointerList::SetItems(int index, void* item)
{
    Check(index);
    FItems[static_cast<size_t>(index)] = item;
}

int TPointerList::Add(void* item)
{
    FItems.push_back(item);
    return Count() - 1;
}

void TPointerList::Insert(int index, void* item)
{
    if (index < 0 || index > Count())
        ListIndexError(index);
    FItems.insert(FItems.begin() + index, item);
}

void TPointerList::Delete(int index)
{
    Check(index);
    FItems.erase(FItems.begin() + index);
}

int TPointerList::Remove(void* item)
{
    int index = IndexOf(item);
    if (index >= 0)
        Delete(index);
    return index;
}

void* TPointerList::Extract(void* item)
{
    return Remove(item) >= 0 ? item : nullptr;
}

int TPointerList::IndexOf(void* item) const
{
    auto it = std::find(FItems.begin(), FItems.end(), item);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TPointerList::Exchange(int index1, int index2)
{
    Check(index1);
    Check(index2);
    std::swap(FItems[static_cast<size_t>(index1)], FItems[static_cast<size_t>(index2)]);
}

void TPointerList::Move(int curIndex, int newIndex)
{
    if (curIndex == newIndex)
        return;
    Check(newIndex);
    void* item = Items(curIndex);
    FItems.erase(FItems.begin() + curIndex);
    FItems.insert(FItems.begin() + newIndex, item);
}

void TPointerList::Sort(const std::function<int(void*, void*)>& compare)
{
    std::stable_sort(FItems.begin(), FItems.end(), [&](void* a, void* b) { return compare(a, b) < 0; });
}
