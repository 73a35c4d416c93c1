#include <gtest/gtest.h>

#include "RurOwnedCollection.h"
#include "RurPersistence.h"

namespace {

class TSampleItem : public TCollectionItem {
    TAVIN_CLASS(TSampleItem, TCollectionItem)
public:
    explicit TSampleItem(TCollection* collection) : TCollectionItem(collection) {}
    int Value = 0;
};

using TSampleItems = TRurOwnedCollection<TSampleItem>;

} // namespace

TEST(RurOwnedCollection, EnumeratorWalksTheItemsOnce)
{
    TSampleItems items(nullptr, TSampleItem::StaticClass());
    EXPECT_FALSE(items.GetEnumerator()->MoveNext());

    for (int value : {10, 20, 30})
        static_cast<TSampleItem*>(items.Add())->Value = value;
    auto enumerator = items.GetEnumerator();
    for (int value : {10, 20, 30}) {
        ASSERT_TRUE(enumerator->MoveNext());
        EXPECT_EQ(enumerator->Current()->Value, value);
    }
    EXPECT_FALSE(enumerator->MoveNext());
    EXPECT_FALSE(enumerator->MoveNext());
    EXPECT_EQ(enumerator->Current()->Value, 30); // the end leaves the last item current
}

TEST(RurOwnedCollection, TypedAccessRefusesItemsOfOtherClasses)
{
    TSampleItems items(nullptr, TSampleItem::StaticClass());
    items.Add();
    new TCollectionItem(&items); // owned by the collection, but not a TSampleItem
    EXPECT_NE(items.GetItem(0), nullptr);
    EXPECT_THROW(items.GetItem(1), EInvalidCast);
    EXPECT_THROW(items.GetItem(2), EListError);
}

TEST(RurOwnedCollection, EnumeratorCarriesTheKitsJSONMembers)
{
    RurPersistenceInitialize();
    TSampleItems items(nullptr, TSampleItem::StaticClass());
    EXPECT_EQ(items.GetEnumerator()->JSON(), u"{\"$type\":\"TRurOwnedCollection<TSampleItem>.TEnumerator\"}");
    RurPersistenceFinalize();
}
