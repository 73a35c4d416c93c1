#pragma once
// The UI kit's owned collection typed to its item class: item access that checks the item's class
// and an enumerator object over the items.
#include <memory>

#include "Classes.h"
#include "RurObjectJSON.h"
#include "SysUtils.h"

template <class TItem>
class TRurOwnedCollection : public TOwnedCollection {
    TAVIN_NAMED_CLASS(TRurOwnedCollection, TOwnedCollection,
                      u"TRurOwnedCollection<" + TItem::StaticClass()->ClassName() + u">")
public:
    // Starts before the first item; MoveNext steps to the next one while there is one.
    class TEnumerator : public TObject, public TRurJSONObject<TEnumerator> {
        TAVIN_NAMED_CLASS(TEnumerator, TObject,
                          u"TRurOwnedCollection<" + TItem::StaticClass()->ClassName() + u">.TEnumerator")
    public:
        explicit TEnumerator(const TRurOwnedCollection* collection) : FCol(collection) {}

        bool MoveNext()
        {
            if (FIndex >= FCol->Count() - 1)
                return false;
            ++FIndex;
            return true;
        }
        TItem* GetCurrent() const { return FCol->GetItem(FIndex); }
        TItem* Current() const { return GetCurrent(); }

    private:
        int FIndex = -1;
        const TRurOwnedCollection* FCol;
    };

    TRurOwnedCollection(TPersistent* owner, TClass itemClass) : TOwnedCollection(owner, itemClass) {}

    // Raises EInvalidCast when the item at index is not a TItem.
    TItem* GetItem(int index) const
    {
        TCollectionItem* item = Items(index);
        if (!item->InheritsFrom(TItem::StaticClass()))
            throw EInvalidCast(u"Invalid class typecast");
        return static_cast<TItem*>(item);
    }
    std::unique_ptr<TEnumerator> GetEnumerator() const { return std::make_unique<TEnumerator>(this); }
};
