#pragma once
// Persistent objects, components and their ownership, collections, the pointer list, and string lists.
#include <functional>
#include <vector>

#include "Streams.h"
#include "TypInfo.h"

class TFiler;
class TReader;
class TWriter;

// The root of objects whose published state can be copied (Assign) and streamed.
class TPersistent : public TObject {
    TAVIN_CLASS(TPersistent, TObject)
public:
    // Copies source into this object; by default asks the source (AssignTo), which raises
    // EConvertError "Cannot assign a TSource to a TDest" ("a nil" for no source).
    virtual void Assign(const TPersistent* source);
    // The dotted path of the object from its root, as designers show it.
    virtual String GetNamePath() const;
    // Declares extra streamed values (binary data, lists) through filer.DefineProperty...
    virtual void DefineProperties(TFiler& filer);

protected:
    virtual void AssignTo(TPersistent* dest) const;
    virtual TPersistent* GetOwner() const { return nullptr; }
    [[noreturn]] void AssignError(const TPersistent* source) const;
};

TAVIN_ENUM(TComponentStateItem, csLoading, csReading, csWriting, csDestroying, csDesigning, csAncestor,
           csUpdating, csFixups, csFreeNotification, csInline, csDesignInstance)
using TComponentState = TSet<TComponentStateItem>;
TAVIN_ENUM(TOperation, opInsert, opRemove)

// A named object in an ownership tree: the owner frees the components it owns.
class TComponent : public TPersistent {
    TAVIN_PUBLISHED_CLASS(TComponent, TPersistent)
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return FOwner; }
    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    // Raises EListError "List index out of bounds (n)".
    TComponent* Components(int index) const;
    int ComponentIndex() const;
    // Among the owned components, ignoring case; null when none (or name empty).
    TComponent* FindComponent(const String& name) const;

    const String& Name() const { return FName; }
    // Raises EComponentError for a name that is not an identifier or that a sibling already has.
    virtual void SetName(const String& name);
    NativeInt Tag() const { return FTag; }
    void SetTag(NativeInt tag) { FTag = tag; }
    TComponentState ComponentState() const { return FComponentState; }
    void SetDesigning(bool designing);

    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    void DestroyComponents();
    // Marks this component and its owned ones as being destroyed.
    void Destroying();

    // Asks for a Notification(this, opRemove) to component when this one is destroyed.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    String GetNamePath() const override;

    // Streaming: the children written inside this component, and its parent among them.
    virtual void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root);
    virtual bool HasParent() const { return false; }
    virtual TComponent* GetParentComponent() const { return nullptr; }
    virtual void SetParentComponent(TComponent*) {}
    virtual void ReadState(TReader& reader);
    virtual void WriteState(TWriter& writer);

protected:
    // Called once the whole tree has been read, with csLoading still set.
    virtual void Loaded();
    virtual void Notification(TComponent* component, TOperation operation);
    virtual void ValidateRename(TComponent* component, const String& currentName, const String& newName) const;

private:
    friend class TReader;
    void Insert(TComponent* component);
    void Remove(TComponent* component);
    void RemoveNotifyRef(TComponent* component);

    TComponent* FOwner = nullptr;
    String FName;
    NativeInt FTag = 0;
    TComponentState FComponentState;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
};

// Points a reference at another component, asking it for free notification (so the holder hears,
// in Notification, when it goes) and letting the previous one go; false when the reference was
// that component already.
template <class T>
bool ReplaceComponentReference(TComponent* holder, T*& field, T* value)
{
    if (field == value)
        return false;
    if (field)
        field->RemoveFreeNotification(holder);
    field = value;
    if (field)
        field->FreeNotification(holder);
    return true;
}

// ---------------------------------------------------------------------------------------------

class TCollection;

class TCollectionItem : public TPersistent {
    TAVIN_CLASS(TCollectionItem, TPersistent)
public:
    explicit TCollectionItem(TCollection* collection);
    ~TCollectionItem() override;
    TCollectionItem(const TCollectionItem&) = delete;
    TCollectionItem& operator=(const TCollectionItem&) = delete;

    TCollection* Collection() const { return FCollection; }
    // Moves the item to another collection (or out of any).
    void SetCollection(TCollection* collection);
    // Unique within the collection, never reused.
    int ID() const { return FID; }
    int Index() const;
    virtual void SetIndex(int index);
    // The item's class name unless a descendant names it.
    virtual String DisplayName() const;
    String GetNamePath() const override;

protected:
    // Reports a change of this item (or of all items) to the collection.
    void Changed(bool allItems);
    TPersistent* GetOwner() const override;

private:
    friend class TCollection;
    TCollection* FCollection = nullptr;
    int FID = 0;
};

// An ordered list of items of one class, which it owns.
class TCollection : public TPersistent {
    TAVIN_CLASS(TCollection, TPersistent)
public:
    explicit TCollection(TClass itemClass);
    ~TCollection() override;
    TCollection(const TCollection&) = delete;
    TCollection& operator=(const TCollection&) = delete;

    TClass ItemClass() const { return FItemClass; }
    int Count() const { return static_cast<int>(FItems.size()); }
    // Raises EListError "List index out of bounds (n)".
    TCollectionItem* Items(int index) const;
    TCollectionItem* Add();
    TCollectionItem* Insert(int index);
    void Delete(int index);
    void Clear();
    TCollectionItem* FindItemID(int id) const;

    // While an update is open, changes are reported once, at the last EndUpdate.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    // Replaces the items with copies of the source collection's (items must support Assign).
    void Assign(const TPersistent* source) override;
    String GetNamePath() const override;
    TPersistent* Owner() const { return GetOwner(); }

protected:
    // Called after a change: item is the changed item, or null when any or all items changed.
    virtual void Update(TCollectionItem* item);
    void Changed();

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* item);
    void RemoveItem(TCollectionItem* item);
    void MoveItem(int from, int to);

    TClass FItemClass;
    std::vector<TCollectionItem*> FItems;
    int FNextID = 0;
    int FUpdateCount = 0;
};

// A collection with an owner: the owner's name path prefixes the collection's.
class TOwnedCollection : public TCollection {
    TAVIN_CLASS(TOwnedCollection, TCollection)
public:
    TOwnedCollection(TPersistent* owner, TClass itemClass);

protected:
    TPersistent* GetOwner() const override { return FOwner; }

private:
    TPersistent* FOwner;
};

// ---------------------------------------------------------------------------------------------

// The untyped list of pointers. Its class name is "TList" (the C++ name is taken by TList<T>).
class TPointerList : public TObject {
    TAVIN_NAMED_CLASS(TPointerList, TObject, u"TList")
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    // Growing fills with null.
    void SetCount(int count);
    // Index errors raise EListError "List index out of bounds (n)".
    void* Items(int index) const;
    void SetItems(int index, void* item);
    int Add(void* item);
    void Insert(int index, void* item);
    void Delete(int index);
    // Remove returns the index the item had, -1 when absent.
    int Remove(void* item);
    void* Extract(void* item);
    int IndexOf(void* item) const;
    void Exchange(int index1, int index2);
    void Move(int curIndex, int newIndex);
    void* First() const { return Items(0); }
    void* Last() const { return Items(Count() - 1); }
    void Clear() { FItems.clear(); }
    void Sort(const std::function<int(void*, void*)>& compare);

private:
    void Check(int index) const;
    std::vector<void*> FItems;
};

[[noreturn]] void ListIndexError(int index);

// ---------------------------------------------------------------------------------------------

TAVIN_ENUM(TDuplicates, dupIgnore, dupAccept, dupError)

// The abstract list of strings with an object per string.
class TStrings : public TPersistent {
    TAVIN_CLASS(TStrings, TPersistent)
public:
    virtual int Count() const = 0;
    virtual String Strings(int index) const = 0;
    virtual void SetStrings(int index, const String& s);
    virtual TObject* Objects(int index) const;
    virtual void SetObjects(int index, TObject* object);
    virtual void Insert(int index, const String& s) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;

    int Add(const String& s) { return AddObject(s, nullptr); }
    virtual int AddObject(const String& s, TObject* object);
    void InsertObject(int index, const String& s, TObject* object);
    void AddStrings(const TStrings& strings);
    virtual int IndexOf(const String& s) const;
    int IndexOfName(const String& name) const;
    int IndexOfObject(TObject* object) const;
    void Exchange(int index1, int index2);
    virtual void Move(int curIndex, int newIndex);

    // "name=value" lines: the part before the first NameValueSeparator, and after it.
    String Names(int index) const;
    String ValueFromIndex(int index) const;
    void SetValueFromIndex(int index, const String& value);
    String Values(const String& name) const;
    // An empty value deletes the line.
    void SetValues(const String& name, const String& value);
    Char NameValueSeparator() const { return FNameValueSeparator; }
    void SetNameValueSeparator(Char c) { FNameValueSeparator = c; }

    // Lines joined with LineBreak after each; setting splits at CR LF, LF or CR.
    String Text() const;
    virtual void SetText(const String& text);
    const String& LineBreak() const { return FLineBreak; }
    void SetLineBreak(const String& lineBreak) { FLineBreak = lineBreak; }

    // Delimited form: items joined by Delimiter; an item is quoted with QuoteChar (doubling quotes
    // inside) when it holds the quote, the delimiter or (without StrictDelimiter) a character
    // <= space; a list of one empty item is two quotes. Reading without StrictDelimiter also
    // splits at spaces and control characters.
    String DelimitedText() const;
    void SetDelimitedText(const String& text);
    Char Delimiter() const { return FDelimiter; }
    void SetDelimiter(Char c) { FDelimiter = c; }
    Char QuoteChar() const { return FQuoteChar; }
    void SetQuoteChar(Char c) { FQuoteChar = c; }
    bool StrictDelimiter() const { return FStrictDelimiter; }
    void SetStrictDelimiter(bool strict) { FStrictDelimiter = strict; }
    // The delimited form with ',' and '"', whatever Delimiter and QuoteChar are.
    String CommaText() const;
    void SetCommaText(const String& text);

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    // Text files: the encoding is detected from a byte-order mark, else the default (ANSI) one.
    virtual void LoadFromStream(TStream& stream, const TEncoding* encoding = nullptr);
    virtual void SaveToStream(TStream& stream, const TEncoding* encoding = nullptr) const;
    void LoadFromFile(const String& fileName, const TEncoding* encoding = nullptr);
    void SaveToFile(const String& fileName, const TEncoding* encoding = nullptr) const;
    // The encoding the last load found, used again when saving without one.
    const TEncoding* Encoding() const { return FEncoding; }
    bool WriteBOM() const { return FWriteBOM; }
    void SetWriteBOM(bool write) { FWriteBOM = write; }

    void Assign(const TPersistent* source) override;
    bool Equals(const TStrings& other) const;
    void DefineProperties(TFiler& filer) override;

protected:
    // Called at the first BeginUpdate and the last EndUpdate.
    virtual void SetUpdateState(bool) {}
    virtual int CompareStrings(const String& a, const String& b) const;
    // Raise EStringListError.
    [[noreturn]] void IndexError(int index) const;
    [[noreturn]] void Error(const String& message) const;

private:
    String QuotedItem(const String& item, Char delimiter, Char quote, bool strict) const;
    void ParseDelimited(const String& text, Char delimiter, Char quote, bool strict);

    String FLineBreak = u"\r\n";
    Char FNameValueSeparator = u'=';
    Char FDelimiter = u',';
    Char FQuoteChar = u'"';
    bool FStrictDelimiter = false;
    bool FWriteBOM = true;
    int FUpdateCount = 0;
    const TEncoding* FEncoding = nullptr;
};

class TStringList;
using TStringListSortCompare = std::function<int(TStringList& list, int index1, int index2)>;

// Strings in memory, optionally sorted, with change events.
class TStringList : public TStrings {
    TAVIN_CLASS(TStringList, TStrings)
public:
    TStringList() = default;
    explicit TStringList(bool ownsObjects) : FOwnsObjects(ownsObjects) {}
    ~TStringList() override;
    TStringList(const TStringList&) = delete;
    TStringList& operator=(const TStringList&) = delete;

    int Count() const override { return static_cast<int>(FItems.size()); }
    String Strings(int index) const override;
    void SetStrings(int index, const String& s) override;
    TObject* Objects(int index) const override;
    void SetObjects(int index, TObject* object) override;
    // A sorted list refuses Insert (EStringListError "Operation not allowed on sorted list").
    void Insert(int index, const String& s) override;
    void Delete(int index) override;
    void Clear() override;
    // A sorted list puts s in order; a duplicate is ignored (returning the existing index),
    // accepted, or refused with EStringListError "String list does not allow duplicates".
    int AddObject(const String& s, TObject* object) override;
    int IndexOf(const String& s) const override;
    void Move(int curIndex, int newIndex) override;

    // Binary search of a sorted list: true when found; index is where s is or would go.
    bool Find(const String& s, int& index) const;
    void Sort();
    void CustomSort(const TStringListSortCompare& compare);

    bool Sorted() const { return FSorted; }
    void SetSorted(bool sorted);
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates d) { FDuplicates = d; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool caseSensitive);
    // An owning list frees the object of a line it deletes or clears, and all of them at the end.
    bool OwnsObjects() const { return FOwnsObjects; }
    void SetOwnsObjects(bool owns) { FOwnsObjects = owns; }

    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent e) { FOnChange = e; }
    TNotifyEvent OnChanging() const { return FOnChanging; }
    void SetOnChanging(TNotifyEvent e) { FOnChanging = e; }

protected:
    void SetUpdateState(bool updating) override;
    int CompareStrings(const String& a, const String& b) const override;
    virtual void Changed();
    virtual void Changing();

private:
    struct TItem {
        String Text;
        TObject* Object = nullptr;
    };
    void InsertItem(int index, const String& s, TObject* object);
    void Check(int index) const;
    void ExchangeItems(int index1, int index2);
    void QuickSort(int left, int right, const TStringListSortCompare& compare);

    std::vector<TItem> FItems;
    bool FSorted = false;
    bool FCaseSensitive = false;
    bool FOwnsObjects = false;
    TDuplicates FDuplicates = dupIgnore;
    TNotifyEvent FOnChange, FOnChanging;
};

// ---------------------------------------------------------------------------------------------
// Threads (Classes_Thread.cpp).

TAVIN_EXCEPTION(EThread, Exception);

struct TThreadState;
using TThreadMethod = std::function<void()>;

// A thread running Execute. Created suspended: Start runs it once the object is fully built.
// An exception leaving Execute ends the thread and is kept as FatalException; it never escapes
// the thread. OnTerminate runs on the main thread after Execute.
class TThread : public TObject {
    TAVIN_CLASS(TThread, TObject)
public:
    TThread();
    // A started thread that has not finished is asked to terminate and waited for. That happens
    // after a derived class's members are gone: a class whose Execute uses its own members ends
    // the thread in its own destructor (Terminate, WaitFor).
    ~TThread() override;

    // Raises EThread when the thread was started before.
    void Start();
    // Sets Terminated; Execute is expected to look at it and return.
    void Terminate();
    bool Terminated() const;
    bool Started() const;
    bool Finished() const;
    // Waits for the end of Execute and OnTerminate and returns ReturnValue. On the main thread,
    // methods that threads synchronise run meanwhile. Raises EThread for a thread not started, a
    // free-on-terminate thread, or the thread itself.
    int WaitFor();

    // The thread frees itself when it ends; the object must not be touched after Start then.
    bool FreeOnTerminate() const;
    void SetFreeOnTerminate(bool value);
    TNotifyEvent OnTerminate() const;
    void SetOnTerminate(TNotifyEvent handler);
    // The exception that ended Execute (one not derived from Exception is kept as an Exception
    // with its text); null when Execute returned normally. Owned by the thread object.
    const Exception* FatalException() const;
    int ReturnValue() const;

    // Runs method on the main thread and waits for it; an exception it raises is raised again in
    // the caller. On the main thread the method runs at once. thread may be null.
    static void Synchronize(TThread* thread, TThreadMethod method);
    // Runs method on the main thread later, without waiting; at once on the main thread.
    static void Queue(TThread* thread, TThreadMethod method);

protected:
    virtual void Execute() = 0;
    // Runs OnTerminate through Synchronize.
    virtual void DoTerminate();
    void Synchronize(TThreadMethod method) { Synchronize(this, std::move(method)); }
    void Queue(TThreadMethod method) { Queue(this, std::move(method)); }
    void SetReturnValue(int value);

private:
    static void Run(TThread* thread);
    void WaitForEnd();

    std::unique_ptr<TThreadState> FState;
};

// Makes the calling thread the main thread: the one that runs synchronised and queued methods
// when it calls CheckSynchronize. wake is called (on any thread) whenever a method is queued, so
// that the main thread's message loop comes round to CheckSynchronize.
void SetMainThread(std::function<void()> wake);
bool IsMainThread();
// On the main thread: runs the methods queued so far, in order; returns whether any ran. An
// exception of a queued (not synchronised) method passes on, the rest staying queued.
bool CheckSynchronize();
