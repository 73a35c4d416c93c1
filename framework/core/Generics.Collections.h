#pragma once
// Generic containers: an indexed list, a hash map whose enumeration order is fixed by its probing
// rules (callers hand its pairs on in that order), and owning variants of both.
#include <algorithm>
#include <concepts>
#include <cstddef>
#include <functional>
#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

#include "SysUtils.h"
#include "System.h"
#include "TypInfo.h"

namespace GenericsDetail {

// Freeing an item that is put back in its own place would leave a dangling pointer behind.
template <class T>
bool SameItem(const T& a, const T& b)
{
    if constexpr (std::equality_comparable<T>)
        return a == b;
    else
        return false;
}

template <class T>
constexpr bool IsObjectPointer = std::is_pointer_v<T> && std::is_base_of_v<TObject, std::remove_pointer_t<T>>;

[[noreturn]] inline void RaiseOutOfRange()
{
    throw EArgumentOutOfRangeException(u"Argument out of range");
}

constexpr Cardinal FnvOffsetBasis = 2166136261u;
constexpr Cardinal FnvPrime = 16777619u;

inline Cardinal Fnv1aByte(Cardinal hash, Byte b)
{
    return (hash ^ b) * FnvPrime;
}

// 32-bit FNV-1a over the UTF-16 code units taken as little-endian bytes.
inline Cardinal Fnv1a(const String& s)
{
    Cardinal hash = FnvOffsetBasis;
    for (Char c : s) {
        hash = Fnv1aByte(hash, static_cast<Byte>(c & 0xFF));
        hash = Fnv1aByte(hash, static_cast<Byte>(c >> 8));
    }
    return hash;
}

// Other key types: the standard hash, spread over all 32 bits by FNV-1a so that masking by the
// capacity does not see only its low bits.
template <class K>
Cardinal Fnv1a(const K& key)
{
    std::size_t value = std::hash<K>{}(key);
    Cardinal hash = FnvOffsetBasis;
    for (std::size_t i = 0; i < sizeof(value); ++i)
        hash = Fnv1aByte(hash, static_cast<Byte>(value >> (8 * i)));
    return hash;
}

// The platform's spelling of a type argument in a generic class name: "string", "Integer",
// "Double", a class's name.
template <class T>
String TypeArgumentName()
{
    if constexpr (std::is_same_v<T, String>)
        return u"string";
    else if constexpr (std::is_same_v<T, int>)
        return u"Integer";
    else if constexpr (std::is_same_v<T, Int64>)
        return u"Int64";
    else if constexpr (std::is_same_v<T, double>)
        return u"Double";
    else if constexpr (std::is_same_v<T, float>)
        return u"Single";
    else if constexpr (std::is_same_v<T, Byte>)
        return u"Byte";
    else if constexpr (std::is_same_v<T, Word>)
        return u"Word";
    else if constexpr (std::is_same_v<T, Cardinal>)
        return u"Cardinal";
    else if constexpr (IsObjectPointer<T>)
        return std::remove_pointer_t<T>::StaticClass()->ClassName();
    else
        return u"record";
}

// Strings, numbers and objects in and out of the form published values take (TPropValue);
// other item types have no such form.
template <class T>
TPropValue ToItemValue(const T& item)
{
    if constexpr (std::is_same_v<T, String>)
        return item;
    else if constexpr (std::is_integral_v<T>)
        return static_cast<Int64>(item);
    else if constexpr (std::is_floating_point_v<T>)
        return static_cast<double>(item);
    else if constexpr (IsObjectPointer<T>)
        return static_cast<TObject*>(item);
    else
        return std::monostate();
}

[[noreturn]] inline void RaiseItemCast()
{
    throw EInvalidCast(u"Invalid class typecast");
}

template <class T>
T FromItemValue(const TPropValue& value)
{
    if constexpr (std::is_same_v<T, String>) {
        if (const String* s = std::get_if<String>(&value))
            return *s;
    } else if constexpr (std::is_integral_v<T>) {
        if (const Int64* n = std::get_if<Int64>(&value)) {
            if (*n < Int64(std::numeric_limits<T>::min()) || Int64(std::numeric_limits<T>::max()) < *n)
                RaiseOutOfRange();
            return static_cast<T>(*n);
        }
    } else if constexpr (std::is_floating_point_v<T>) {
        if (const double* d = std::get_if<double>(&value))
            return static_cast<T>(*d);
    } else if constexpr (IsObjectPointer<T>) {
        if (TObject* const* obj = std::get_if<TObject*>(&value)) {
            if (!*obj || (*obj)->InheritsFrom(std::remove_pointer_t<T>::StaticClass()))
                return static_cast<T>(*obj);
        }
    }
    RaiseItemCast();
}

} // namespace GenericsDetail

// A generic list seen without its item type, for code that meets it only as an object (the JSON
// persistence). Items travel as published values; an item that does not fit raises EInvalidCast.
class IGenericListItems {
public:
    virtual int ItemCount() const = 0;
    virtual TPropValue ItemValue(int index) const = 0;
    virtual void ClearItems() = 0;
    virtual void AddItemValue(const TPropValue& value) = 0;

protected:
    ~IGenericListItems() = default;
};

// The same for a dictionary with string keys, entries in enumeration order.
class IGenericDictionaryItems {
public:
    virtual std::vector<std::pair<String, TPropValue>> EntryValues() const = 0;
    virtual void ClearEntries() = 0;
    virtual void AddEntryValue(const String& key, const TPropValue& value) = 0;

protected:
    ~IGenericDictionaryItems() = default;
};

template <class T>
class TList : public TObject, public IGenericListItems {
    TAVIN_NAMED_CLASS(TList, TObject, u"TList<" + GenericsDetail::TypeArgumentName<T>() + u">")
    // std::vector<bool> hands out proxies, so Items could not return a reference.
    static_assert(!std::is_same_v<T, bool>, "TList<bool> is not offered; use TList<Byte>");

public:
    using const_iterator = typename std::vector<T>::const_iterator;

    int Count() const { return static_cast<int>(FItems.size()); }

    const T& Items(int index) const
    {
        CheckIndex(index, Count());
        return FItems[static_cast<std::size_t>(index)];
    }
    const T& operator[](int index) const { return Items(index); }

    void SetItems(int index, T value)
    {
        CheckIndex(index, Count());
        T old = std::exchange(FItems[static_cast<std::size_t>(index)], std::move(value));
        if (!GenericsDetail::SameItem(old, FItems[static_cast<std::size_t>(index)]))
            ItemRemoved(old);
    }

    int Add(T value)
    {
        FItems.push_back(std::move(value));
        return Count() - 1;
    }

    void Insert(int index, T value)
    {
        CheckIndex(index, Count() + 1);
        FItems.insert(FItems.begin() + index, std::move(value));
    }

    void Delete(int index)
    {
        CheckIndex(index, Count());
        T old = std::move(FItems[static_cast<std::size_t>(index)]);
        FItems.erase(FItems.begin() + index);
        ItemRemoved(old);
    }

    // Removes the first equal item; answers its former index, or -1 when there was none.
    int Remove(const T& value)
    {
        int index = IndexOf(value);
        if (index >= 0)
            Delete(index);
        return index;
    }

    int IndexOf(const T& value) const
    {
        auto it = std::find(FItems.begin(), FItems.end(), value);
        return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
    }

    bool Contains(const T& value) const { return IndexOf(value) >= 0; }

    void Clear()
    {
        std::vector<T> old;
        old.swap(FItems);
        for (const T& item : old)
            ItemRemoved(item);
    }

    void Sort() { Sort(std::less<>{}); }

    template <class Less>
    void Sort(Less less)
    {
        std::sort(FItems.begin(), FItems.end(), less);
    }

    const T& First() const { return Items(0); }
    const T& Last() const { return Items(Count() - 1); }

    const_iterator begin() const { return FItems.begin(); }
    const_iterator end() const { return FItems.end(); }

    int ItemCount() const override { return Count(); }
    TPropValue ItemValue(int index) const override { return GenericsDetail::ToItemValue(Items(index)); }
    void ClearItems() override { Clear(); }
    void AddItemValue(const TPropValue& value) override { Add(GenericsDetail::FromItemValue<T>(value)); }

protected:
    // Called after an item has left the list (deleted, removed, replaced or cleared).
    virtual void ItemRemoved(const T&) {}

private:
    static void CheckIndex(int index, int limit)
    {
        if (index < 0 || index >= limit)
            GenericsDetail::RaiseOutOfRange();
    }

    std::vector<T> FItems;
};

// A list of objects that frees the objects leaving it while OwnsObjects is set.
template <class T>
class TObjectList : public TList<T*> {
    TAVIN_NAMED_CLASS(TObjectList, TList<T*>, u"TObjectList<" + T::StaticClass()->ClassName() + u">")
    static_assert(std::is_base_of_v<TObject, T>, "TObjectList holds framework objects");

public:
    explicit TObjectList(bool ownsObjects = true) : FOwnsObjects(ownsObjects) {}
    TObjectList(const TObjectList&) = delete;
    TObjectList& operator=(const TObjectList&) = delete;
    ~TObjectList() override { this->Clear(); }

    bool OwnsObjects() const { return FOwnsObjects; }
    void SetOwnsObjects(bool value) { FOwnsObjects = value; }

protected:
    void ItemRemoved(T* const& item) override
    {
        if (FOwnsObjects)
            delete item;
    }

private:
    bool FOwnsObjects;
};

template <class K, class V>
struct TPair {
    K Key;
    V Value;
};

// Open addressing with linear probing. The capacity starts at 0, becomes 4 on the first insertion
// and doubles when an insertion finds the table three quarters full; growing re-inserts the
// entries in ascending slot order, and enumeration walks the slots in ascending order.
template <class K, class V>
class TDictionary : public TObject, public IGenericDictionaryItems {
    TAVIN_NAMED_CLASS(TDictionary, TObject,
                      u"TDictionary<" + GenericsDetail::TypeArgumentName<K>() + u"," + GenericsDetail::TypeArgumentName<V>() + u">")
    struct TSlot {
        Cardinal Hash = 0;
        std::optional<TPair<K, V>> Item;
    };

public:
    class const_iterator {
    public:
        using value_type = TPair<K, V>;
        using difference_type = std::ptrdiff_t;

        const_iterator() = default;
        const_iterator(const TSlot* slot, const TSlot* end) : FSlot(slot), FEnd(end) { SkipEmpty(); }

        const TPair<K, V>& operator*() const { return *FSlot->Item; }
        const TPair<K, V>* operator->() const { return &*FSlot->Item; }
        const_iterator& operator++()
        {
            ++FSlot;
            SkipEmpty();
            return *this;
        }
        const_iterator operator++(int)
        {
            const_iterator old = *this;
            ++*this;
            return old;
        }
        bool operator==(const const_iterator& other) const { return FSlot == other.FSlot; }

    private:
        void SkipEmpty()
        {
            while (FSlot != FEnd && !FSlot->Item)
                ++FSlot;
        }

        const TSlot* FSlot = nullptr;
        const TSlot* FEnd = nullptr;
    };

    int Count() const { return FCount; }

    void Add(const K& key, V value)
    {
        Cardinal hash = HashOf(key);
        if (FindSlot(key, hash) >= 0)
            throw EListError(u"Duplicates not allowed");
        Insert(hash, TPair<K, V>{key, std::move(value)});
    }

    void AddOrSetValue(const K& key, V value)
    {
        Cardinal hash = HashOf(key);
        int slot = FindSlot(key, hash);
        if (slot >= 0)
            ReplaceValue(slot, std::move(value));
        else
            Insert(hash, TPair<K, V>{key, std::move(value)});
    }

    const V& Items(const K& key) const { return FSlots[static_cast<std::size_t>(SlotOf(key))].Item->Value; }

    void SetItems(const K& key, V value) { ReplaceValue(SlotOf(key), std::move(value)); }

    bool TryGetValue(const K& key, V& value) const
    {
        int slot = FindSlot(key, HashOf(key));
        if (slot < 0)
            return false;
        value = FSlots[static_cast<std::size_t>(slot)].Item->Value;
        return true;
    }

    bool ContainsKey(const K& key) const { return FindSlot(key, HashOf(key)) >= 0; }

    // Removes the key if present; the entries behind it in its probe run move up so that lookups
    // never stop at the hole.
    void Remove(const K& key)
    {
        int found = FindSlot(key, HashOf(key));
        if (found < 0)
            return;
        std::size_t mask = FSlots.size() - 1;
        std::size_t hole = static_cast<std::size_t>(found);
        TPair<K, V> removed = std::move(*FSlots[hole].Item);
        FSlots[hole].Item.reset();
        for (std::size_t next = (hole + 1) & mask; FSlots[next].Item; next = (next + 1) & mask) {
            std::size_t home = FSlots[next].Hash & mask;
            bool homeBetween = hole <= next ? (hole < home && home <= next) : (hole < home || home <= next);
            if (homeBetween)
                continue;
            FSlots[hole] = std::move(FSlots[next]);
            FSlots[next].Item.reset();
            hole = next;
        }
        --FCount;
        ValueRemoved(removed.Value);
        KeyRemoved(removed.Key);
    }

    void Clear()
    {
        std::vector<TSlot> old;
        old.swap(FSlots);
        FCount = 0;
        for (const TSlot& slot : old) {
            if (!slot.Item)
                continue;
            ValueRemoved(slot.Item->Value);
            KeyRemoved(slot.Item->Key);
        }
    }

    std::vector<K> Keys() const
    {
        std::vector<K> keys;
        for (const auto& pair : *this)
            keys.push_back(pair.Key);
        return keys;
    }

    std::vector<V> Values() const
    {
        std::vector<V> values;
        for (const auto& pair : *this)
            values.push_back(pair.Value);
        return values;
    }

    const_iterator begin() const { return const_iterator(FSlots.data(), FSlots.data() + FSlots.size()); }
    const_iterator end() const
    {
        const TSlot* last = FSlots.data() + FSlots.size();
        return const_iterator(last, last);
    }

    // Keys other than strings have no name to be listed by.
    std::vector<std::pair<String, TPropValue>> EntryValues() const override
    {
        std::vector<std::pair<String, TPropValue>> entries;
        for (const auto& pair : *this)
            entries.emplace_back(GenericsDetail::FromItemValue<String>(GenericsDetail::ToItemValue(pair.Key)),
                                 GenericsDetail::ToItemValue(pair.Value));
        return entries;
    }
    void ClearEntries() override { Clear(); }
    void AddEntryValue(const String& key, const TPropValue& value) override
    {
        Add(GenericsDetail::FromItemValue<K>(key), GenericsDetail::FromItemValue<V>(value));
    }

protected:
    // Called after a key or value has left the map (removed, replaced or cleared).
    virtual void KeyRemoved(const K&) {}
    virtual void ValueRemoved(const V&) {}

private:
    static Cardinal HashOf(const K& key)
    {
        return ((GenericsDetail::Fnv1a(key) & 0x7FFFFFFFu) + 1) & 0x7FFFFFFFu;
    }

    int FindSlot(const K& key, Cardinal hash) const
    {
        if (FSlots.empty())
            return -1;
        std::size_t mask = FSlots.size() - 1;
        for (std::size_t i = hash & mask; FSlots[i].Item; i = (i + 1) & mask) {
            if (FSlots[i].Hash == hash && FSlots[i].Item->Key == key)
                return static_cast<int>(i);
        }
        return -1;
    }

    int SlotOf(const K& key) const
    {
        int slot = FindSlot(key, HashOf(key));
        if (slot < 0)
            throw EListError(u"Item not found");
        return slot;
    }

    void ReplaceValue(int slot, V value)
    {
        V& stored = FSlots[static_cast<std::size_t>(slot)].Item->Value;
        V old = std::exchange(stored, std::move(value));
        if (!GenericsDetail::SameItem(old, stored))
            ValueRemoved(old);
    }

    void Insert(Cardinal hash, TPair<K, V> pair)
    {
        if (static_cast<std::size_t>(FCount) >= FSlots.size() * 3 / 4)
            Grow();
        Place(hash, std::move(pair));
        ++FCount;
    }

    void Place(Cardinal hash, TPair<K, V> pair)
    {
        std::size_t mask = FSlots.size() - 1;
        std::size_t i = hash & mask;
        while (FSlots[i].Item)
            i = (i + 1) & mask;
        FSlots[i].Hash = hash;
        FSlots[i].Item.emplace(std::move(pair));
    }

    void Grow()
    {
        std::vector<TSlot> old(FSlots.empty() ? 4 : FSlots.size() * 2);
        old.swap(FSlots);
        for (TSlot& slot : old) {
            if (slot.Item)
                Place(slot.Hash, std::move(*slot.Item));
        }
    }

    std::vector<TSlot> FSlots;
    int FCount = 0;
};

enum TDictionaryOwnership : unsigned { doOwnsKeys = 1, doOwnsValues = 2 };
using TDictionaryOwnerships = unsigned; // a combination of TDictionaryOwnership flags

// A map that frees the keys and/or values leaving it; owning is refused for items that are not
// framework objects.
template <class K, class V>
class TObjectDictionary : public TDictionary<K, V> {
    using TavinBase = TDictionary<K, V>;
    TAVIN_NAMED_CLASS(TObjectDictionary, TavinBase,
                      u"TObjectDictionary<" + GenericsDetail::TypeArgumentName<K>() + u"," + GenericsDetail::TypeArgumentName<V>() + u">")

public:
    explicit TObjectDictionary(TDictionaryOwnerships ownerships) : FOwnerships(ownerships)
    {
        if (((ownerships & doOwnsKeys) && !GenericsDetail::IsObjectPointer<K>) ||
            ((ownerships & doOwnsValues) && !GenericsDetail::IsObjectPointer<V>))
            throw EInvalidCast(u"Invalid class typecast");
    }
    TObjectDictionary(const TObjectDictionary&) = delete;
    TObjectDictionary& operator=(const TObjectDictionary&) = delete;
    ~TObjectDictionary() override { this->Clear(); }

protected:
    void KeyRemoved(const K& key) override { Free<K>(key, doOwnsKeys); }
    void ValueRemoved(const V& value) override { Free<V>(value, doOwnsValues); }

private:
    template <class T>
    void Free(const T& item, TDictionaryOwnership flag) const
    {
        if constexpr (GenericsDetail::IsObjectPointer<T>) {
            if (FOwnerships & flag)
                delete item;
        }
    }

    TDictionaryOwnerships FOwnerships;
};
