#pragma once
// Run-time type information: class references and the class registry, published properties and
// methods, enumerations and sets, events (comparable delegates), and interfaces queried by GUID.
// How a class declares what it publishes: docs/published-properties.md.
#include <functional>
#include <initializer_list>
#include <limits>
#include <memory>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "SysUtils.h"
#include "System.h"

class TComponent;
class TCollection;
class TCollectionItem;

TAVIN_EXCEPTION(EPropertyError, Exception);
TAVIN_EXCEPTION(EPropertyConvertError, Exception);

// ---------------------------------------------------------------------------------------------
// Identifiers (class, property, method and component names) compare ignoring ASCII letter case
// (SameText, CompareText).

// A letter or underscore, then letters, digits and underscores (non-ASCII letters count as letters).
bool IsValidIdent(const String& s);

// ---------------------------------------------------------------------------------------------
// Type kinds, in the platform's order.

enum TTypeKind {
    tkUnknown, tkInteger, tkChar, tkEnumeration, tkFloat, tkString, tkSet, tkClass, tkMethod,
    tkWChar, tkLString, tkWString, tkVariant, tkArray, tkRecord, tkInterface, tkInt64, tkDynArray,
    tkUString, tkClassRef, tkPointer, tkProcedure
};
enum TOrdType { otSByte, otUByte, otSWord, otUWord, otSLong, otULong };
enum TFloatType { ftSingle, ftDouble, ftExtended, ftComp, ftCurr };

// The value names of an enumeration, in ordinal order.
class TEnumInfo {
public:
    // valueList is the enumeration's source text: "alNone, alTop, alBottom".
    TEnumInfo(String typeName, const char* valueList, bool isBoolean = false);
    const String& TypeName() const { return FTypeName; }
    int Count() const { return static_cast<int>(FNames.size()); }
    bool IsBoolean() const { return FIsBoolean; }
    // The name of a value; empty when out of range.
    String Name(Int64 value) const;
    // The value of a name (ignoring case), -1 when unknown.
    int ValueOf(const String& name) const;

private:
    String FTypeName;
    std::vector<String> FNames;
    bool FIsBoolean;
};

constexpr int TavinCountEnumNames(const char* list)
{
    int count = 0;
    bool inName = false;
    for (; *list; ++list) {
        if (*list == ',')
            inName = false;
        else if (*list != ' ' && !inName) {
            inName = true;
            ++count;
        }
    }
    return count;
}

constexpr bool TavinPlainEnumNames(const char* list)
{
    for (; *list; ++list)
        if (*list == '=')
            return false;
    return true;
}

// Declares a published enumeration and its value names. Values count from 0 in order.
#define TAVIN_ENUM(Name, ...)                                                                      \
    enum Name : int { __VA_ARGS__ };                                                               \
    static_assert(TavinPlainEnumNames(#__VA_ARGS__), "a published enumeration lists plain names"); \
    [[maybe_unused]] constexpr int TavinEnumCount(Name*) { return TavinCountEnumNames(#__VA_ARGS__); } \
    inline const TEnumInfo& TavinEnumInfo(Name*)                                                   \
    {                                                                                              \
        static const TEnumInfo info(u"" #Name, #__VA_ARGS__);                                      \
        return info;                                                                               \
    }

template <class E>
concept PublishedEnum = std::is_enum_v<E> && requires(E* tag) { TavinEnumInfo(tag); };

template <PublishedEnum E>
const TEnumInfo& EnumInfoOf() { return TavinEnumInfo(static_cast<E*>(nullptr)); }

// A set of up to 32 values of a published enumeration, with the Pascal set operators.
template <PublishedEnum E>
class TSet {
    static_assert(TavinEnumCount(static_cast<E*>(nullptr)) <= 32, "a set holds at most 32 values");

public:
    using Element = E;
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> values)
    {
        for (E v : values)
            Include(v);
    }
    static constexpr TSet FromBits(Cardinal bits)
    {
        TSet s;
        s.FBits = bits & AllBits();
        return s;
    }

    constexpr Cardinal Bits() const { return FBits; }
    constexpr bool Contains(E v) const { return (FBits & Bit(v)) != 0; }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr TSet& Include(E v) { FBits |= Bit(v); return *this; }
    constexpr TSet& Exclude(E v) { FBits &= ~Bit(v); return *this; }
    constexpr TSet operator+(TSet o) const { return FromBits(FBits | o.FBits); }
    constexpr TSet operator-(TSet o) const { return FromBits(FBits & ~o.FBits); }
    constexpr TSet operator*(TSet o) const { return FromBits(FBits & o.FBits); }
    constexpr bool operator==(const TSet&) const = default;

    static constexpr Cardinal AllBits()
    {
        constexpr int n = TavinEnumCount(static_cast<E*>(nullptr));
        return n >= 32 ? 0xFFFFFFFFu : ((1u << n) - 1u);
    }

private:
    static constexpr Cardinal Bit(E v) { return 1u << static_cast<unsigned>(v); }
    Cardinal FBits = 0;
};

// ---------------------------------------------------------------------------------------------
// Events: a delegate is an object and one of its member functions (or, in tests, any callable).
// Two delegates are equal when they name the same member of the same object.

struct TMethodStub {
    void (*Invoke)();    // the typed call stub, cast back before calling
    void (*Signature)(); // identifies the parameter list
};

// The code and data halves of a bound handler, as the persistence stores them.
struct TMethod {
    TMethodCode Code = nullptr;
    TObject* Data = nullptr;
    explicit operator bool() const { return Code != nullptr; }
    bool operator==(const TMethod&) const = default;
};

template <class... Args>
void TavinSignatureTag() {}

template <auto Member>
struct TMemberTraits;
template <class C, class... Args, void (C::*Member)(Args...)>
struct TMemberTraits<Member> {
    using Class = C;
    static void Call(TObject* obj, Args... args) { (static_cast<C*>(obj)->*Member)(std::forward<Args>(args)...); }
    static TMethodCode Code()
    {
        static const TMethodStub stub{reinterpret_cast<void (*)()>(&Call), &TavinSignatureTag<Args...>};
        return &stub;
    }
};

template <class... Args>
class TEvent {
public:
    TEvent() = default;
    TEvent(std::nullptr_t) {}
    // Binds any callable; a copy of the event compares equal to it, another binding does not.
    template <class F>
        requires(!std::is_same_v<std::decay_t<F>, TEvent> && std::is_invocable_v<F&, Args...>)
    TEvent(F callable) : FCallable(std::make_shared<const std::function<void(Args...)>>(std::move(callable)))
    {
    }
    // Binds code and data; raises EInvalidCast when the handler takes other parameters.
    static TEvent FromMethod(const TMethod& method)
    {
        TEvent e;
        if (!method)
            return e;
        if (method.Code->Signature != &TavinSignatureTag<Args...>)
            throw EInvalidCast(u"Event handler has a different parameter list");
        e.FMethod = method;
        return e;
    }
    static bool Accepts(TMethodCode code) { return code && code->Signature == &TavinSignatureTag<Args...>; }

    // The bound member and object; empty for a callable binding.
    TMethod Method() const { return FMethod; }
    explicit operator bool() const { return FMethod || FCallable; }
    // Calling an empty event does nothing.
    void operator()(Args... args) const
    {
        if (FMethod)
            reinterpret_cast<void (*)(TObject*, Args...)>(FMethod.Code->Invoke)(FMethod.Data, std::forward<Args>(args)...);
        else if (FCallable)
            (*FCallable)(std::forward<Args>(args)...);
    }
    bool operator==(const TEvent& o) const { return FMethod == o.FMethod && FCallable == o.FCallable; }

private:
    TMethod FMethod;
    std::shared_ptr<const std::function<void(Args...)>> FCallable;
};

// The event type a member function fits: void (C::*)(TObject*) gives TEvent<TObject*>.
template <auto Member>
struct TEventFor;
template <class C, class... Args, void (C::*Member)(Args...)>
struct TEventFor<Member> {
    using Type = TEvent<Args...>;
};

// Binds an object's member function: MakeHandler<&TMainForm::ButtonClick>(this).
template <auto Member>
typename TEventFor<Member>::Type MakeHandler(typename TMemberTraits<Member>::Class* object)
{
    return TEventFor<Member>::Type::FromMethod(TMethod{TMemberTraits<Member>::Code(), object});
}

using TNotifyEvent = TEvent<TObject*>;

// ---------------------------------------------------------------------------------------------
// Interfaces: an abstract class with a GUID, TAVIN_GUID("{...}") in its body.

struct TGUID {
    Cardinal D1 = 0;
    Word D2 = 0, D3 = 0;
    Byte D4[8] = {};
    bool operator==(const TGUID&) const = default;

    // Parses "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"; malformed text fails at compile time.
    static consteval TGUID Parse(const char* text)
    {
        auto hex = [&](int pos, int digits) {
            Cardinal v = 0;
            for (int i = 0; i < digits; ++i) {
                char c = text[pos + i];
                int d = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10
                      : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
                if (d < 0)
                    throw "malformed GUID";
                v = v * 16 + static_cast<Cardinal>(d);
            }
            return v;
        };
        if (text[0] != '{' || text[9] != '-' || text[14] != '-' || text[19] != '-' || text[24] != '-'
            || text[37] != '}' || text[38] != 0)
            throw "malformed GUID";
        TGUID g;
        g.D1 = hex(1, 8);
        g.D2 = static_cast<Word>(hex(10, 4));
        g.D3 = static_cast<Word>(hex(15, 4));
        g.D4[0] = static_cast<Byte>(hex(20, 2));
        g.D4[1] = static_cast<Byte>(hex(22, 2));
        for (int i = 0; i < 6; ++i)
            g.D4[2 + i] = static_cast<Byte>(hex(25 + 2 * i, 2));
        return g;
    }
};

#define TAVIN_GUID(text) static constexpr TGUID IID = TGUID::Parse(text)

template <class I>
concept GuidInterface = requires { { I::IID } -> std::convertible_to<TGUID>; };

// True, with out set, when the object implements the interface that iid names.
template <GuidInterface I>
bool Supports(TObject* object, const TGUID& iid, I*& out)
{
    out = iid == I::IID ? dynamic_cast<I*>(object) : nullptr;
    return out != nullptr;
}

// ---------------------------------------------------------------------------------------------
// Published properties.

// What a property's type is: kind, declared type name, and the details of its kind.
struct TTypeInfo {
    TTypeKind Kind = tkUnknown;
    String Name;                    // as declared: "Integer", "TColor", "TAlign", "TFontStyles", "TFont"
    TOrdType OrdType = otSLong;     // integers, characters, enumerations, sets
    TFloatType FloatType = ftDouble;
    const TEnumInfo* Enum = nullptr; // enumerations, and the element enumeration of sets
    TClass ClassType = nullptr;     // class properties: the declared class
    void (*MethodSignature)() = nullptr; // events: the handler's parameter list
    bool IsBoolean() const { return Enum && Enum->IsBoolean(); }
};

// A property value in transit: ordinals (integers, enumerations, sets, characters, Int64) as Int64.
using TPropValue = std::variant<std::monostate, Int64, double, String, TObject*, TMethod>;

// Value of Default when a property has none: it is always stored.
constexpr Int64 NoDefault = static_cast<Int64>(INT32_MIN);

struct TPropInfo {
    String Name;
    TTypeInfo Type;
    std::function<TPropValue(const TObject&)> Get;        // empty: write-only
    std::function<void(TObject&, const TPropValue&)> Set; // empty: read-only
    Int64 Default = NoDefault;
    std::function<bool(const TObject&)> Stored;          // empty: always stored
    bool HasGetter() const { return static_cast<bool>(Get); }
    bool HasSetter() const { return static_cast<bool>(Set); }
};

struct TMethodEntry {
    String Name;
    TMethodCode Code;
};

// The published members of one class, its ancestors' included.
class TClassTable {
public:
    // Properties in name order ignoring case (a name that begins another comes first).
    const std::vector<const TPropInfo*>& Properties() const { return FSorted; }
    // Properties in declaration order, ancestors' first: the order components are written in.
    const std::vector<const TPropInfo*>& DeclaredProperties() const { return FDeclared; }
    const TPropInfo* FindProperty(const String& name) const;
    const TMethodEntry* FindMethod(const String& name) const;
    const TMethodEntry* FindMethod(TMethodCode code) const;

private:
    template <class C>
    friend class TPublisher;
    void Inherit(const TClassTable& parent);
    TPropInfo& AddProperty(TPropInfo info);
    void AddMethod(TMethodEntry entry);
    void Seal();

    std::vector<std::unique_ptr<TPropInfo>> FOwn;
    std::vector<const TPropInfo*> FDeclared, FSorted;
    std::vector<TMethodEntry> FMethods;
};

// ---------------------------------------------------------------------------------------------
// Class references and the registry.

class TMetaClass {
public:
    struct TFactories {
        TObject* (*Plain)() = nullptr;
        TComponent* (*Component)(TComponent* owner) = nullptr;
        TCollectionItem* (*Item)(TCollection* collection) = nullptr;
    };

    TMetaClass(String name, TClass parent, TFactories factories, const TClassTable& (*table)())
        : FName(std::move(name)), FParent(parent), FFactories(factories), FTable(table)
    {
    }
    TMetaClass(const TMetaClass&) = delete;
    TMetaClass& operator=(const TMetaClass&) = delete;

    const String& ClassName() const { return FName; }
    TClass ClassParent() const { return FParent; }
    bool InheritsFrom(TClass ancestor) const;
    const TClassTable& Table() const { return FTable(); }

    bool HasPlainConstructor() const { return FFactories.Plain != nullptr; }
    bool HasComponentConstructor() const { return FFactories.Component != nullptr; }
    bool HasItemConstructor() const { return FFactories.Item != nullptr; }
    // Each raises EInvalidOperation when the class has no such constructor (or is abstract).
    std::unique_ptr<TObject> Create() const;
    // The owner, when given, frees the component; the collection frees the item.
    TComponent* CreateComponent(TComponent* owner) const;
    TCollectionItem* CreateItem(TCollection* collection) const;

private:
    String FName;
    TClass FParent;
    TFactories FFactories;
    const TClassTable& (*FTable)();
};

// Registering a second, different class under a registered name raises EFilerError.
void RegisterClass(TClass cls);
void RegisterClasses(std::initializer_list<TClass> classes);
void UnRegisterClass(TClass cls);
// Lookups ignore case. FindClass raises EClassNotFound "Class X not found"; GetClass returns null.
TClass FindClass(const String& name);
TClass GetClass(const String& name);

template <class T>
TMetaClass::TFactories TavinFactoriesOf()
{
    TMetaClass::TFactories f;
    if constexpr (!std::is_abstract_v<T>) {
        if constexpr (std::is_default_constructible_v<T>)
            f.Plain = [] () -> TObject* { return new T(); };
        if constexpr (std::is_constructible_v<T, TComponent*> && std::is_convertible_v<T*, TComponent*>)
            f.Component = [](TComponent* owner) -> TComponent* { return new T(owner); };
        if constexpr (std::is_constructible_v<T, TCollection*> && std::is_convertible_v<T*, TCollectionItem*>)
            f.Item = [](TCollection* collection) -> TCollectionItem* { return new T(collection); };
    }
    return f;
}

template <class C>
class TPublisher;

template <class C>
const TClassTable& TavinTableOf();

// The published table of a class that publishes nothing itself: its parent's.
template <class C>
const TClassTable& TavinInheritedTable() { return C::inherited::StaticClass()->Table(); }

#define TAVIN_CLASS_COMMON(Self, Base, NameText, Table)                                             \
public:                                                                                            \
    using inherited = Base;                                                                        \
    using ThisClass = Self;                                                                        \
    static TClass StaticClass()                                                                    \
    {                                                                                              \
        static_assert(std::is_same_v<typename Base::ThisClass, Base>, #Base " declares no class information"); \
        static const TMetaClass meta(NameText, Base::StaticClass(), TavinFactoriesOf<Self>(), Table); \
        return &meta;                                                                              \
    }                                                                                              \
    TClass ClassType() const override { return StaticClass(); }                                    \
                                                                                                   \
private:

// In a class body: the class's name and parent; it publishes what its ancestors publish.
#define TAVIN_CLASS(Self, Base) TAVIN_CLASS_COMMON(Self, Base, u"" #Self, &TavinInheritedTable<Self>)
// The same for a class whose platform name differs from its C++ name (templates, name clashes):
// NameText is any expression giving the String.
#define TAVIN_NAMED_CLASS(Self, Base, NameText) TAVIN_CLASS_COMMON(Self, Base, NameText, &TavinInheritedTable<Self>)

// In a class body: as TAVIN_CLASS, and the class publishes members of its own, declared in
// TAVIN_PUBLISHED(Self) { ... } next to the class.
#define TAVIN_PUBLISHED_CLASS(Self, Base)                                                           \
    TAVIN_CLASS_COMMON(Self, Base, u"" #Self, &TavinTableOf<Self>)                                 \
public:                                                                                            \
    static void Publish(TPublisher<Self>& publisher);                                              \
                                                                                                   \
private:

#define TAVIN_PUBLISHED(Self) void Self::Publish([[maybe_unused]] TPublisher<Self>& publisher)

// One line per published member, inside TAVIN_PUBLISHED. A property Name of type Type is read
// through Name() and written through SetName(v); the type as written becomes its type name.
#define TAVIN_PROPERTY(Type, Name) \
    publisher.Property<Type>(u"" #Name, u"" #Type, &ThisClass::Name, &ThisClass::Set##Name)
#define TAVIN_READONLY_PROPERTY(Type, Name) \
    publisher.Property<Type>(u"" #Name, u"" #Type, &ThisClass::Name)
#define TAVIN_METHOD(Name) publisher.Method<&ThisClass::Name>(u"" #Name)

// ---------------------------------------------------------------------------------------------
// How a C++ type maps to a type kind and to a TPropValue.

template <class T>
struct TPropTraits {
    static_assert(sizeof(T) == 0, "this type cannot be published (enumerations need TAVIN_ENUM)");
};

template <class T>
    requires(std::is_integral_v<T> && !std::is_same_v<T, bool> && !std::is_same_v<T, Char> && !std::is_same_v<T, char>)
struct TPropTraits<T> {
    static TTypeInfo Info()
    {
        TTypeInfo t;
        if constexpr (sizeof(T) == 8) {
            t.Kind = tkInt64;
        } else {
            t.Kind = tkInteger;
            t.OrdType = sizeof(T) == 1 ? (std::is_signed_v<T> ? otSByte : otUByte)
                      : sizeof(T) == 2 ? (std::is_signed_v<T> ? otSWord : otUWord)
                                       : (std::is_signed_v<T> ? otSLong : otULong);
        }
        return t;
    }
    // As the platform's GetOrdProp, a 32-bit unsigned value reads as a signed Integer
    // (0xFFFFFFFF is -1); setting takes either form.
    static TPropValue ToValue(T v)
    {
        if constexpr (sizeof(T) == 4 && std::is_unsigned_v<T>)
            return static_cast<Int64>(static_cast<std::int32_t>(v));
        else
            return static_cast<Int64>(v);
    }
    static T FromValue(const TPropValue& v) { return static_cast<T>(std::get<Int64>(v)); }
};

template <>
struct TPropTraits<bool> {
    static TTypeInfo Info();
    static TPropValue ToValue(bool v) { return Int64(v ? 1 : 0); }
    static bool FromValue(const TPropValue& v) { return std::get<Int64>(v) != 0; }
};

template <class T>
    requires(std::is_same_v<T, Char> || std::is_same_v<T, char>)
struct TPropTraits<T> {
    static TTypeInfo Info()
    {
        TTypeInfo t;
        t.Kind = std::is_same_v<T, Char> ? tkWChar : tkChar;
        t.OrdType = std::is_same_v<T, Char> ? otUWord : otUByte;
        return t;
    }
    static TPropValue ToValue(T v) { return static_cast<Int64>(v); }
    static T FromValue(const TPropValue& v) { return static_cast<T>(std::get<Int64>(v)); }
};

// Ordinals of enumerations and sets are range-checked: a value from a stream never makes an
// enumeration hold a value it does not name.
void CheckEnumValue(const TEnumInfo& info, Int64 value);
void CheckSetValue(const TEnumInfo& element, Int64 value);

template <PublishedEnum T>
struct TPropTraits<T> {
    static TTypeInfo Info()
    {
        TTypeInfo t;
        t.Kind = tkEnumeration;
        t.OrdType = otUByte;
        t.Enum = &EnumInfoOf<T>();
        return t;
    }
    static TPropValue ToValue(T v) { return static_cast<Int64>(v); }
    static T FromValue(const TPropValue& v)
    {
        Int64 n = std::get<Int64>(v);
        CheckEnumValue(EnumInfoOf<T>(), n);
        return static_cast<T>(n);
    }
};

template <class E>
struct TPropTraits<TSet<E>> {
    static TTypeInfo Info()
    {
        TTypeInfo t;
        t.Kind = tkSet;
        t.OrdType = otULong;
        t.Enum = &EnumInfoOf<E>();
        return t;
    }
    static TPropValue ToValue(TSet<E> v) { return static_cast<Int64>(v.Bits()); }
    static TSet<E> FromValue(const TPropValue& v)
    {
        Int64 n = std::get<Int64>(v);
        CheckSetValue(EnumInfoOf<E>(), n);
        return TSet<E>::FromBits(static_cast<Cardinal>(n));
    }
};

template <class T>
    requires std::is_floating_point_v<T>
struct TPropTraits<T> {
    static TTypeInfo Info()
    {
        TTypeInfo t;
        t.Kind = tkFloat;
        t.FloatType = sizeof(T) == 4 ? ftSingle : sizeof(T) == 8 ? ftDouble : ftExtended;
        return t;
    }
    static TPropValue ToValue(T v) { return static_cast<double>(v); }
    static T FromValue(const TPropValue& v)
    {
        double d = std::get<double>(v);
        if (d > std::numeric_limits<T>::max() || d < std::numeric_limits<T>::lowest())
            throw EPropertyConvertError(u"Floating point value out of range");
        return static_cast<T>(d);
    }
};

template <>
struct TPropTraits<String> {
    static TTypeInfo Info();
    static TPropValue ToValue(const String& v) { return v; }
    static String FromValue(const TPropValue& v) { return std::get<String>(v); }
};

template <class T>
    requires std::is_base_of_v<TObject, T>
struct TPropTraits<T*> {
    static TTypeInfo Info()
    {
        TTypeInfo t;
        t.Kind = tkClass;
        t.ClassType = T::StaticClass();
        return t;
    }
    static TPropValue ToValue(T* v) { return static_cast<TObject*>(v); }
    // Raises EInvalidCast when the object is not of the declared class.
    static T* FromValue(const TPropValue& v)
    {
        TObject* obj = std::get<TObject*>(v);
        if (obj && !obj->InheritsFrom(T::StaticClass()))
            throw EInvalidCast(u"Invalid class typecast");
        return static_cast<T*>(obj);
    }
};

template <class... Args>
struct TPropTraits<TEvent<Args...>> {
    static TTypeInfo Info()
    {
        TTypeInfo t;
        t.Kind = tkMethod;
        t.MethodSignature = &TavinSignatureTag<Args...>;
        return t;
    }
    static TPropValue ToValue(const TEvent<Args...>& v) { return v.Method(); }
    static TEvent<Args...> FromValue(const TPropValue& v) { return TEvent<Args...>::FromMethod(std::get<TMethod>(v)); }
};

// ---------------------------------------------------------------------------------------------
// Declaring published members (used through the TAVIN_ macros above).

template <class T>
concept OrdinalProperty = std::is_integral_v<T> || std::is_enum_v<T> || requires { typename T::Element; };

template <class C, class T>
class TPropertyDeclaration {
public:
    explicit TPropertyDeclaration(TPropInfo& info) : FInfo(info) {}
    // The value that is not stored (integers, enumerations, Booleans, sets, characters).
    TPropertyDeclaration& Default(const T& value)
        requires OrdinalProperty<T>
    {
        FInfo.Default = std::get<Int64>(TPropTraits<T>::ToValue(value));
        return *this;
    }
    TPropertyDeclaration& NoDefault()
    {
        FInfo.Default = ::NoDefault;
        return *this;
    }
    TPropertyDeclaration& Stored(bool stored)
    {
        if (stored)
            FInfo.Stored = nullptr;
        else
            FInfo.Stored = [](const TObject&) { return false; };
        return *this;
    }
    TPropertyDeclaration& Stored(bool (C::*isStored)() const)
    {
        FInfo.Stored = [isStored](const TObject& obj) { return (static_cast<const C&>(obj).*isStored)(); };
        return *this;
    }

private:
    TPropInfo& FInfo;
};

// The type name a property declaration gives: the class's name for class properties, the
// platform's name for the basic C++ types ("int" is "Integer"), else the name as written.
String TavinTypeName(const char16_t* written, const TTypeInfo& type);

template <class C>
class TPublisher {
public:
    TPublisher(TClassTable& table, const TClassTable& inherited) : FTable(table) { FTable.Inherit(inherited); }
    void Finish() { FTable.Seal(); }

    template <class T>
    TPropertyDeclaration<C, T> Property(const char16_t* name, const char16_t* typeName, T (C::*getter)() const,
                                        void (C::*setter)(T))
    {
        return Add<T>(name, typeName, Getter<T>(getter), Setter<T>(setter));
    }
    template <class T>
    TPropertyDeclaration<C, T> Property(const char16_t* name, const char16_t* typeName, const T& (C::*getter)() const,
                                        void (C::*setter)(const T&))
    {
        return Add<T>(name, typeName, Getter<T>(getter), Setter<T>(setter));
    }
    template <class T>
    TPropertyDeclaration<C, T> Property(const char16_t* name, const char16_t* typeName, T (C::*getter)() const,
                                        void (C::*setter)(const T&))
    {
        return Add<T>(name, typeName, Getter<T>(getter), Setter<T>(setter));
    }
    template <class T>
    TPropertyDeclaration<C, T> Property(const char16_t* name, const char16_t* typeName, const T& (C::*getter)() const,
                                        void (C::*setter)(T))
    {
        return Add<T>(name, typeName, Getter<T>(getter), Setter<T>(setter));
    }
    template <class T>
    TPropertyDeclaration<C, T> Property(const char16_t* name, const char16_t* typeName, T (C::*getter)() const)
    {
        return Add<T>(name, typeName, Getter<T>(getter), nullptr);
    }
    template <class T>
    TPropertyDeclaration<C, T> Property(const char16_t* name, const char16_t* typeName, const T& (C::*getter)() const)
    {
        return Add<T>(name, typeName, Getter<T>(getter), nullptr);
    }

    template <auto Member>
    void Method(const char16_t* name)
    {
        static_assert(std::is_same_v<typename TMemberTraits<Member>::Class, C>, "publish the class's own method");
        FTable.AddMethod(TMethodEntry{name, TMemberTraits<Member>::Code()});
    }

private:
    template <class T, class G>
    static std::function<TPropValue(const TObject&)> Getter(G getter)
    {
        return [getter](const TObject& obj) { return TPropTraits<T>::ToValue((static_cast<const C&>(obj).*getter)()); };
    }
    template <class T, class S>
    static std::function<void(TObject&, const TPropValue&)> Setter(S setter)
    {
        return [setter](TObject& obj, const TPropValue& v) { (static_cast<C&>(obj).*setter)(TPropTraits<T>::FromValue(v)); };
    }
    template <class T>
    TPropertyDeclaration<C, T> Add(const char16_t* name, const char16_t* typeName,
                                   std::function<TPropValue(const TObject&)> get,
                                   std::function<void(TObject&, const TPropValue&)> set)
    {
        TPropInfo info;
        info.Name = name;
        info.Type = TPropTraits<T>::Info();
        info.Type.Name = TavinTypeName(typeName, info.Type);
        info.Get = std::move(get);
        info.Set = std::move(set);
        return TPropertyDeclaration<C, T>(FTable.AddProperty(std::move(info)));
    }
    TClassTable& FTable;
};


template <class C>
const TClassTable& TavinTableOf()
{
    static const TClassTable table = [] {
        TClassTable t;
        TPublisher<C> publisher(t, C::inherited::StaticClass()->Table());
        C::Publish(publisher);
        publisher.Finish();
        return t;
    }();
    return table;
}

// ---------------------------------------------------------------------------------------------
// Reading and writing published properties of an object.

// All published properties of a class or object, in name order.
const std::vector<const TPropInfo*>& GetPropList(TClass cls);
const std::vector<const TPropInfo*>& GetPropList(const TObject& obj);
// Null when the class publishes no property of that name (ignoring case).
const TPropInfo* GetPropInfo(TClass cls, const String& name);
const TPropInfo* GetPropInfo(const TObject& obj, const String& name);

// Getting a write-only property or setting a read-only one raises EPropertyError; a value of the
// wrong kind raises EPropertyConvertError.
Int64 GetOrdProp(const TObject& obj, const TPropInfo& prop);
void SetOrdProp(TObject& obj, const TPropInfo& prop, Int64 value);
String GetStrProp(const TObject& obj, const TPropInfo& prop);
void SetStrProp(TObject& obj, const TPropInfo& prop, const String& value);
double GetFloatProp(const TObject& obj, const TPropInfo& prop);
void SetFloatProp(TObject& obj, const TPropInfo& prop, double value);
Int64 GetInt64Prop(const TObject& obj, const TPropInfo& prop);
void SetInt64Prop(TObject& obj, const TPropInfo& prop, Int64 value);
TObject* GetObjectProp(const TObject& obj, const TPropInfo& prop);
void SetObjectProp(TObject& obj, const TPropInfo& prop, TObject* value);
TMethod GetMethodProp(const TObject& obj, const TPropInfo& prop);
void SetMethodProp(TObject& obj, const TPropInfo& prop, const TMethod& value);

// Enumeration value names (empty / -1 when out of range / unknown).
String GetEnumName(const TTypeInfo& type, Int64 value);
int GetEnumValue(const TTypeInfo& type, const String& name);

// The stored rule: the Stored declaration, else stored.
bool IsStoredProp(const TObject& obj, const TPropInfo& prop);
