#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>
#include <vector>

#include "Generics.Collections.h"

namespace {

// Counts its own destructions so that ownership is visible.
class TTracked : public TObject {
public:
    explicit TTracked(int& freed) : FFreed(freed) {}
    ~TTracked() override { ++FFreed; }

private:
    int& FFreed;
};

template <class E>
void ExpectRaises(const std::function<void()>& action, const String& message)
{
    try {
        action();
        ADD_FAILURE() << "no exception, expected " << ToUtf8(message);
    } catch (const E& e) {
        EXPECT_EQ(e.Message(), message);
    }
}

std::vector<int> Contents(const TList<int>& list)
{
    return {list.begin(), list.end()};
}

} // namespace

TEST(TList, EditsKeepOrderAndAnswerIndexes)
{
    TList<int> list;
    EXPECT_EQ(list.Add(5), 0);
    EXPECT_EQ(list.Add(7), 1);
    list.Insert(0, 3);
    list.Insert(3, 9);
    EXPECT_EQ(Contents(list), (std::vector<int>{3, 5, 7, 9}));
    EXPECT_EQ(list.IndexOf(7), 2);
    EXPECT_EQ(list.IndexOf(8), -1);
    EXPECT_TRUE(list.Contains(9));
    EXPECT_EQ(list.Remove(5), 1);
    EXPECT_EQ(list.Remove(5), -1);
    list.Delete(0);
    list.SetItems(1, 4);
    EXPECT_EQ(Contents(list), (std::vector<int>{7, 4}));
    EXPECT_EQ(list.First(), 7);
    EXPECT_EQ(list.Last(), 4);
    list.Add(1);
    list.Sort();
    EXPECT_EQ(Contents(list), (std::vector<int>{1, 4, 7}));
    list.Sort(std::greater<>{});
    EXPECT_EQ(Contents(list), (std::vector<int>{7, 4, 1}));
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(TList, IndexesOutsideTheListRaise)
{
    TList<String> list;
    list.Add(u"a");
    const std::function<void()> actions[] = {
        [&] { list.Items(-1); },
        [&] { list.Items(1); },
        [&] { list.SetItems(1, u"b"); },
        [&] { list.Insert(2, u"b"); },
        [&] { list.Insert(-1, u"b"); },
        [&] { list.Delete(1); },
        [] { TList<String>().First(); },
        [] { TList<String>().Last(); },
    };
    for (const auto& action : actions)
        ExpectRaises<EArgumentOutOfRangeException>(action, u"Argument out of range");
    EXPECT_EQ(list.Count(), 1);
}

TEST(TObjectList, FreesLeavingObjectsOnlyWhileOwning)
{
    int freed = 0;
    {
        TObjectList<TTracked> list;
        auto* a = new TTracked(freed);
        auto* b = new TTracked(freed);
        list.Add(a);
        list.Add(b);
        list.Add(new TTracked(freed));
        list.Delete(0);
        EXPECT_EQ(freed, 1);
        list.SetItems(0, b); // put back in its own place: must stay alive
        EXPECT_EQ(freed, 1);
        EXPECT_EQ(list.Remove(b), 0);
        EXPECT_EQ(freed, 2);
        list.SetOwnsObjects(false);
        TTracked* kept = list.First();
        list.Clear();
        EXPECT_EQ(freed, 2);
        delete kept;
        list.SetOwnsObjects(true);
        list.Add(new TTracked(freed));
        list.Add(new TTracked(freed));
    }
    EXPECT_EQ(freed, 5);
}

TEST(TDictionary, LookupsAndErrors)
{
    TDictionary<String, int> map;
    map.Add(u"one", 1);
    map.Add(u"two", 2);
    ExpectRaises<EListError>([&] { map.Add(u"one", 9); }, u"Duplicates not allowed");
    ExpectRaises<EListError>([&] { map.Items(u"three"); }, u"Item not found");
    ExpectRaises<EListError>([&] { map.SetItems(u"three", 3); }, u"Item not found");
    EXPECT_EQ(map.Items(u"one"), 1);
    map.AddOrSetValue(u"one", 11);
    map.AddOrSetValue(u"three", 3);
    map.SetItems(u"two", 22);
    int value = 0;
    EXPECT_TRUE(map.TryGetValue(u"two", value));
    EXPECT_EQ(value, 22);
    EXPECT_FALSE(map.TryGetValue(u"ONE", value));
    EXPECT_EQ(value, 22);
    EXPECT_TRUE(map.ContainsKey(u"three"));
    map.Remove(u"three");
    map.Remove(u"three");
    EXPECT_FALSE(map.ContainsKey(u"three"));
    EXPECT_EQ(map.Count(), 2);

    std::map<String, int> seen;
    for (const auto& pair : map)
        seen[pair.Key] = pair.Value;
    EXPECT_EQ(seen, (std::map<String, int>{{u"one", 11}, {u"two", 22}}));
    map.Clear();
    EXPECT_EQ(map.Count(), 0);
    EXPECT_EQ(map.begin(), map.end());
}

// The subject attributes of a request reach the crypto library in the map's enumeration order;
// these are the orders for the four attribute sets, inserted in the order their builders use.
TEST(TDictionary, EnumerationOrderOfTheSubjectAttributeSets)
{
    struct Case {
        std::vector<String> inserted;
        std::vector<String> enumerated;
    };
    const Case cases[] = {
        {{u"2.5.4.6", u"2.5.4.10", u"2.5.4.11", u"2.5.4.3", u"1.2.840.113549.1.9.1", u"2.5.4.5", u"2.5.4.4",
          u"2.5.4.42", u"2.5.4.8", u"2.5.4.7"},
         {u"2.5.4.42", u"2.5.4.11", u"2.5.4.8", u"2.5.4.3", u"2.5.4.5", u"2.5.4.7", u"1.2.840.113549.1.9.1",
          u"2.5.4.10", u"2.5.4.4", u"2.5.4.6"}},
        {{u"2.5.4.6", u"2.5.4.10", u"2.5.4.11", u"2.5.4.3", u"1.2.840.113549.1.9.1", u"2.5.4.5", u"2.5.4.4",
          u"2.5.4.42", u"2.5.4.8", u"2.5.4.7", u"2.5.4.12", u"2.5.4.97"},
         {u"2.5.4.42", u"2.5.4.11", u"2.5.4.8", u"2.5.4.97", u"2.5.4.3", u"2.5.4.5", u"2.5.4.7",
          u"1.2.840.113549.1.9.1", u"2.5.4.10", u"2.5.4.12", u"2.5.4.4", u"2.5.4.6"}},
        {{u"2.5.4.6", u"2.5.4.10", u"2.5.4.11", u"2.5.4.3", u"2.5.4.5", u"2.5.4.4", u"2.5.4.42", u"2.5.4.8",
          u"2.5.4.7"},
         {u"2.5.4.42", u"2.5.4.11", u"2.5.4.8", u"2.5.4.3", u"2.5.4.5", u"2.5.4.7", u"2.5.4.10", u"2.5.4.4",
          u"2.5.4.6"}},
        {{u"2.5.4.6", u"2.5.4.10", u"2.5.4.11", u"2.5.4.3", u"1.2.840.113549.1.9.1", u"2.5.4.5"},
         {u"2.5.4.11", u"2.5.4.10", u"1.2.840.113549.1.9.1", u"2.5.4.3", u"2.5.4.5", u"2.5.4.6"}},
    };
    for (const auto& c : cases) {
        TDictionary<String, String> map;
        for (const auto& oid : c.inserted)
            map.Add(oid, u"v" + oid);
        EXPECT_EQ(map.Keys(), c.enumerated);
        std::vector<String> values;
        for (const auto& oid : c.enumerated)
            values.push_back(u"v" + oid);
        EXPECT_EQ(map.Values(), values);
    }
}

// Removal moves later entries of a probe run up; a model map checks that nothing gets lost.
TEST(TDictionary, RandomEditsAgreeWithAModelMap)
{
    std::mt19937 random(12345);
    TDictionary<int, int> map;
    std::map<int, int> model;
    for (int step = 0; step < 20000; ++step) {
        int key = static_cast<int>(random() % 300);
        switch (random() % 3) {
        case 0:
            map.AddOrSetValue(key, step);
            model[key] = step;
            break;
        case 1:
            map.Remove(key);
            model.erase(key);
            break;
        default: {
            int value = -1;
            bool found = map.TryGetValue(key, value);
            ASSERT_EQ(found, model.count(key) == 1) << "step " << step;
            if (found) {
                ASSERT_EQ(value, model[key]);
            }
        }
        }
        ASSERT_EQ(map.Count(), static_cast<int>(model.size()));
    }
    std::map<int, int> enumerated;
    for (const auto& pair : map)
        enumerated[pair.Key] = pair.Value;
    EXPECT_EQ(enumerated, model);
}

TEST(TObjectDictionary, FreesOwnedKeysAndValues)
{
    int freed = 0;
    {
        TObjectDictionary<String, TTracked*> values(doOwnsValues);
        auto* first = new TTracked(freed);
        values.Add(u"a", first);
        values.AddOrSetValue(u"a", first); // same object again: kept
        EXPECT_EQ(freed, 0);
        values.AddOrSetValue(u"a", new TTracked(freed));
        EXPECT_EQ(freed, 1);
        values.Add(u"b", new TTracked(freed));
        values.Remove(u"b");
        EXPECT_EQ(freed, 2);
        values.Add(u"c", new TTracked(freed));
    }
    EXPECT_EQ(freed, 4);

    freed = 0;
    {
        TObjectDictionary<TTracked*, TTracked*> both(doOwnsKeys | doOwnsValues);
        auto* key = new TTracked(freed);
        both.Add(key, new TTracked(freed));
        both.Add(new TTracked(freed), new TTracked(freed));
        both.Remove(key);
        EXPECT_EQ(freed, 2);
    }
    EXPECT_EQ(freed, 4);

    ExpectRaises<EInvalidCast>([] { TObjectDictionary<String, TTracked*> map(doOwnsKeys); }, u"Invalid class typecast");
    ExpectRaises<EInvalidCast>([] { TObjectDictionary<String, int> map(doOwnsValues); }, u"Invalid class typecast");
}

namespace {
class TNamedItem : public TObject {
    TAVIN_CLASS(TNamedItem, TObject)
};
} // namespace

TEST(GenericsCollections, ClassNamesSpellTheTypeArguments)
{
    EXPECT_EQ(TList<String>().ClassName(), u"TList<string>");
    EXPECT_EQ(TList<int>().ClassName(), u"TList<Integer>");
    EXPECT_EQ(TList<double>().ClassName(), u"TList<Double>");
    TObjectList<TNamedItem> objects;
    EXPECT_EQ(objects.ClassName(), u"TObjectList<TNamedItem>");
    EXPECT_EQ(objects.ClassParent()->ClassName(), u"TList<TNamedItem>");
    EXPECT_EQ((TDictionary<String, TNamedItem*>().ClassName()), u"TDictionary<string,TNamedItem>");
    TObjectDictionary<String, TNamedItem*> owning(doOwnsValues);
    EXPECT_EQ(owning.ClassName(), u"TObjectDictionary<string,TNamedItem>");
}

TEST(GenericsCollections, ItemsTravelAsPublishedValues)
{
    TList<Byte> bytes;
    IGenericListItems& items = bytes;
    items.AddItemValue(Int64(255));
    EXPECT_THROW(items.AddItemValue(Int64(256)), EArgumentOutOfRangeException);
    EXPECT_THROW(items.AddItemValue(String(u"1")), EInvalidCast);
    EXPECT_EQ(items.ItemCount(), 1);
    EXPECT_EQ(std::get<Int64>(items.ItemValue(0)), 255);

    TObjectList<TNamedItem> objects;
    TObject plain;
    EXPECT_THROW(objects.AddItemValue(&plain), EInvalidCast);
    objects.AddItemValue(static_cast<TObject*>(new TNamedItem));
    objects.ClearItems();
    EXPECT_EQ(objects.Count(), 0);

    TObjectDictionary<String, TNamedItem*> map(doOwnsValues);
    map.AddEntryValue(u"a", static_cast<TObject*>(new TNamedItem));
    auto entries = map.EntryValues();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].first, u"a");
    EXPECT_EQ(std::get<TObject*>(entries[0].second), map.Items(u"a"));
}
