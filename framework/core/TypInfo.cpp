#include "TypInfo.h"

#include <algorithm>
#include <map>

namespace {

bool IsIdentStart(Char c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_' || c >= 0x80;
}

} // namespace

bool IsValidIdent(const String& s)
{
    if (s.empty() || !IsIdentStart(s[0]))
        return false;
    return std::all_of(s.begin() + 1, s.end(), [](Char c) { return IsIdentStart(c) || (c >= u'0' && c <= u'9'); });
}

// ---------------------------------------------------------------------------------------------

TEnumInfo::TEnumInfo(String typeName, const char* valueList, bool isBoolean)
    : FTypeName(std::move(typeName)), FIsBoolean(isBoolean)
{
    String name;
    for (const char* p = valueList;; ++p) {
        if (*p == ',' || *p == 0) {
            if (!name.empty())
                FNames.push_back(name);
            name.clear();
            if (*p == 0)
                break;
        } else if (*p != ' ' && *p != '\t' && *p != '\n' && *p != '\r') {
            name += static_cast<Char>(static_cast<unsigned char>(*p));
        }
    }
}

String TEnumInfo::Name(Int64 value) const
{
    return value >= 0 && value < Count() ? FNames[static_cast<size_t>(value)] : String();
}

int TEnumInfo::ValueOf(const String& name) const
{
    for (size_t i = 0; i < FNames.size(); ++i)
        if (SameText(FNames[i], name))
            return static_cast<int>(i);
    return -1;
}

void CheckEnumValue(const TEnumInfo& info, Int64 value)
{
    if (value < 0 || value >= info.Count())
        throw EPropertyConvertError(u"Invalid value for " + info.TypeName());
}

void CheckSetValue(const TEnumInfo& element, Int64 value)
{
    Int64 all = element.Count() >= 32 ? Int64(0xFFFFFFFF) : (Int64(1) << element.Count()) - 1;
    if (value < 0 || (value & ~all) != 0)
        throw EPropertyConvertError(u"Invalid set of " + element.TypeName());
}

// ---------------------------------------------------------------------------------------------

const TPropInfo* TClassTable::FindProperty(const String& name) const
{
    for (const TPropInfo* p : FDeclared)
        if (SameText(p->Name, name))
            return p;
    return nullptr;
}

const TMethodEntry* TClassTable::FindMethod(const String& name) const
{
    for (const TMethodEntry& m : FMethods)
        if (SameText(m.Name, name))
            return &m;
    return nullptr;
}

const TMethodEntry* TClassTable::FindMethod(TMethodCode code) const
{
    for (const TMethodEntry& m : FMethods)
        if (m.Code == code)
            return &m;
    return nullptr;
}

void TClassTable::Inherit(const TClassTable& parent)
{
    FDeclared = parent.FDeclared;
    FMethods = parent.FMethods;
}

TPropInfo& TClassTable::AddProperty(TPropInfo info)
{
    FOwn.push_back(std::make_unique<TPropInfo>(std::move(info)));
    const TPropInfo* added = FOwn.back().get();
    // A class that publishes an ancestor's property again replaces it in place.
    auto same = std::find_if(FDeclared.begin(), FDeclared.end(),
                             [&](const TPropInfo* p) { return SameText(p->Name, added->Name); });
    if (same != FDeclared.end())
        *same = added;
    else
        FDeclared.push_back(added);
    return *FOwn.back();
}

void TClassTable::AddMethod(TMethodEntry entry)
{
    auto same = std::find_if(FMethods.begin(), FMethods.end(),
                             [&](const TMethodEntry& m) { return SameText(m.Name, entry.Name); });
    if (same != FMethods.end())
        *same = std::move(entry);
    else
        FMethods.push_back(std::move(entry));
}

void TClassTable::Seal()
{
    FSorted = FDeclared;
    std::stable_sort(FSorted.begin(), FSorted.end(),
                     [](const TPropInfo* a, const TPropInfo* b) { return CompareText(a->Name, b->Name) < 0; });
}

String TavinTypeName(const char16_t* written, const TTypeInfo& type)
{
    if (type.Kind == tkClass)
        return type.ClassType->ClassName();
    static const std::pair<String, String> basic[] = {
        {u"int", u"Integer"},     {u"bool", u"Boolean"}, {u"double", u"Double"}, {u"float", u"Single"},
        {u"String", u"string"}, {u"Int64", u"Int64"},  {u"Char", u"Char"},
    };
    String name = written;
    for (const auto& [cpp, platform] : basic)
        if (name == cpp)
            return platform;
    return name;
}

TTypeInfo TPropTraits<bool>::Info()
{
    static const TEnumInfo boolean(u"Boolean", "False, True", true);
    TTypeInfo t;
    t.Kind = tkEnumeration;
    t.OrdType = otUByte;
    t.Enum = &boolean;
    return t;
}

TTypeInfo TPropTraits<String>::Info()
{
    TTypeInfo t;
    t.Kind = tkUString;
    return t;
}

// ---------------------------------------------------------------------------------------------

namespace {

const TClassTable& EmptyTable()
{
    static const TClassTable table;
    return table;
}

std::map<String, TClass>& Registry()
{
    static std::map<String, TClass> classes;
    return classes;
}

String RegistryKey(const String& name)
{
    return UpperCase(name);
}

} // namespace

TClass TObject::StaticClass()
{
    static const TMetaClass meta(u"TObject", nullptr, TavinFactoriesOf<TObject>(), &EmptyTable);
    return &meta;
}

String TObject::ClassName() const
{
    return ClassType()->ClassName();
}

TClass TObject::ClassParent() const
{
    return ClassType()->ClassParent();
}

bool TObject::InheritsFrom(TClass ancestor) const
{
    return ClassType()->InheritsFrom(ancestor);
}

TMethodCode TObject::MethodAddress(const String& name) const
{
    const TMethodEntry* m = ClassType()->Table().FindMethod(name);
    return m ? m->Code : nullptr;
}

String TObject::MethodName(TMethodCode code) const
{
    const TMethodEntry* m = code ? ClassType()->Table().FindMethod(code) : nullptr;
    return m ? m->Name : String();
}

bool TMetaClass::InheritsFrom(TClass ancestor) const
{
    for (TClass c = this; c; c = c->FParent)
        if (c == ancestor)
            return true;
    return false;
}

std::unique_ptr<TObject> TMetaClass::Create() const
{
    if (!FFactories.Plain)
        throw EInvalidOperation(u"Cannot create an instance of " + FName);
    return std::unique_ptr<TObject>(FFactories.Plain());
}

TComponent* TMetaClass::CreateComponent(TComponent* owner) const
{
    if (!FFactories.Component)
        throw EInvalidOperation(u"Cannot create an instance of " + FName + u" as a component");
    return FFactories.Component(owner);
}

TCollectionItem* TMetaClass::CreateItem(TCollection* collection) const
{
    if (!FFactories.Item)
        throw EInvalidOperation(u"Cannot create an instance of " + FName + u" as a collection item");
    return FFactories.Item(collection);
}

void RegisterClass(TClass cls)
{
    auto [it, added] = Registry().emplace(RegistryKey(cls->ClassName()), cls);
    if (!added && it->second != cls)
        throw EFilerError(u"A class named " + cls->ClassName() + u" already exists");
}

void RegisterClasses(std::initializer_list<TClass> classes)
{
    for (TClass c : classes)
        RegisterClass(c);
}

void UnRegisterClass(TClass cls)
{
    auto it = Registry().find(RegistryKey(cls->ClassName()));
    if (it != Registry().end() && it->second == cls)
        Registry().erase(it);
}

TClass GetClass(const String& name)
{
    auto it = Registry().find(RegistryKey(name));
    return it != Registry().end() ? it->second : nullptr;
}

TClass FindClass(const String& name)
{
    TClass cls = GetClass(name);
    if (!cls)
        throw EClassNotFound(u"Class " + name + u" not found");
    return cls;
}

// ---------------------------------------------------------------------------------------------

const std::vector<const TPropInfo*>& GetPropList(TClass cls)
{
    return cls->Table().Properties();
}

const std::vector<const TPropInfo*>& GetPropList(const TObject& obj)
{
    return GetPropList(obj.ClassType());
}

const TPropInfo* GetPropInfo(TClass cls, const String& name)
{
    return cls->Table().FindProperty(name);
}

const TPropInfo* GetPropInfo(const TObject& obj, const String& name)
{
    return GetPropInfo(obj.ClassType(), name);
}

namespace {

template <class V>
V GetAs(const TObject& obj, const TPropInfo& prop)
{
    if (!prop.Get)
        throw EPropertyError(u"Property " + prop.Name + u" is write-only");
    TPropValue v = prop.Get(obj);
    if (!std::holds_alternative<V>(v))
        throw EPropertyConvertError(u"Property " + prop.Name + u" is of type " + prop.Type.Name);
    return std::get<V>(v);
}

template <class V>
void SetAs(TObject& obj, const TPropInfo& prop, V value)
{
    if (!prop.Set)
        throw EPropertyError(u"Property " + prop.Name + u" is read-only");
    // The kind decides the variant alternative the property's setter expects.
    bool fits = false;
    switch (prop.Type.Kind) {
    case tkInteger: case tkChar: case tkEnumeration: case tkSet: case tkWChar: case tkInt64:
        fits = std::is_same_v<V, Int64>;
        break;
    case tkFloat: fits = std::is_same_v<V, double>; break;
    case tkUString: fits = std::is_same_v<V, String>; break;
    case tkClass: fits = std::is_same_v<V, TObject*>; break;
    case tkMethod: fits = std::is_same_v<V, TMethod>; break;
    default: break;
    }
    if (!fits)
        throw EPropertyConvertError(u"Property " + prop.Name + u" is of type " + prop.Type.Name);
    try {
        prop.Set(obj, TPropValue(std::move(value)));
    } catch (const EInvalidCast& e) {
        throw EPropertyConvertError(u"Property " + prop.Name + u": " + e.Message());
    }
}

} // namespace

Int64 GetOrdProp(const TObject& obj, const TPropInfo& prop) { return GetAs<Int64>(obj, prop); }
void SetOrdProp(TObject& obj, const TPropInfo& prop, Int64 value) { SetAs<Int64>(obj, prop, value); }
String GetStrProp(const TObject& obj, const TPropInfo& prop) { return GetAs<String>(obj, prop); }
void SetStrProp(TObject& obj, const TPropInfo& prop, const String& value) { SetAs<String>(obj, prop, value); }
double GetFloatProp(const TObject& obj, const TPropInfo& prop) { return GetAs<double>(obj, prop); }
void SetFloatProp(TObject& obj, const TPropInfo& prop, double value) { SetAs<double>(obj, prop, value); }
Int64 GetInt64Prop(const TObject& obj, const TPropInfo& prop) { return GetAs<Int64>(obj, prop); }
void SetInt64Prop(TObject& obj, const TPropInfo& prop, Int64 value) { SetAs<Int64>(obj, prop, value); }
TObject* GetObjectProp(const TObject& obj, const TPropInfo& prop) { return GetAs<TObject*>(obj, prop); }
void SetObjectProp(TObject& obj, const TPropInfo& prop, TObject* value) { SetAs<TObject*>(obj, prop, value); }
TMethod GetMethodProp(const TObject& obj, const TPropInfo& prop) { return GetAs<TMethod>(obj, prop); }
void SetMethodProp(TObject& obj, const TPropInfo& prop, const TMethod& value) { SetAs<TMethod>(obj, prop, value); }

String GetEnumName(const TTypeInfo& type, Int64 value)
{
    return type.Enum ? type.Enum->Name(value) : String();
}

int GetEnumValue(const TTypeInfo& type, const String& name)
{
    return type.Enum ? type.Enum->ValueOf(name) : -1;
}

bool IsStoredProp(const TObject& obj, const TPropInfo& prop)
{
    return !prop.Stored || prop.Stored(obj);
}
