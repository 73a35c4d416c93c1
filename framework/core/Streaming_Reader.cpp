#include <algorithm>
#include <cstring>
#include <memory>

#include "Streaming.h"

namespace {

// Deep enough for any form, shallow enough that hostile input cannot exhaust the stack.
constexpr int MaxNesting = 200;

const char16_t* ValueTypeName(TValueType v)
{
    static const char16_t* const names[] = {
        u"end of list", u"list", u"integer", u"integer", u"integer", u"float", u"string", u"identifier",
        u"False", u"True", u"binary data", u"set", u"string", u"nil", u"collection", u"float",
        u"currency", u"date", u"string", u"integer", u"string", u"float"};
    return v <= vaDouble ? names[v] : u"unknown value";
}

// Resets the reader's owner and parent when leaving a nested component.
class TScopedParent {
public:
    TScopedParent(TComponent*& slot, TComponent* value) : FSlot(slot), FSaved(slot) { FSlot = value; }
    ~TScopedParent() { FSlot = FSaved; }
    TScopedParent(const TScopedParent&) = delete;
    TScopedParent& operator=(const TScopedParent&) = delete;

private:
    TComponent*& FSlot;
    TComponent* FSaved;
};

class TNestingGuard {
public:
    explicit TNestingGuard(int& depth) : FDepth(depth) { ++FDepth; }
    ~TNestingGuard() { --FDepth; }
    TNestingGuard(const TNestingGuard&) = delete;
    TNestingGuard& operator=(const TNestingGuard&) = delete;

private:
    int& FDepth;
};

} // namespace

void TReader::Error(const String& message)
{
    throw EReadError(message + u" at offset " + IntToStr(FStream.Position()));
}

void TReader::PropertyError(const String& message)
{
    Error(u"Property " + FPropName + u": " + message);
}

Int64 TReader::Remaining()
{
    return FStream.Size() - FStream.Position();
}

void TReader::ReadBytes(void* data, Int64 count, const char16_t* what)
{
    if (count < 0 || count > Remaining())
        Error(String(u"Stream ends inside ") + what);
    if (count > 0)
        FStream.ReadBuffer(data, count);
}

void TReader::ReadSignature()
{
    char signature[4];
    ReadBytes(signature, 4, u"the signature");
    if (std::memcmp(signature, "TPF0", 4) != 0)
        throw EReadError(u"Invalid stream format: the signature TPF0 is missing");
}

TValueType TReader::NextValue()
{
    // Not checked: an object header's flag byte also comes where a value may.
    Byte b;
    ReadBytes(&b, 1, u"a value");
    FStream.Seek(-1, soCurrent);
    return static_cast<TValueType>(b);
}

TValueType TReader::ReadValue()
{
    Byte b;
    ReadBytes(&b, 1, u"a value");
    if (b > vaDouble)
        Error(u"Unknown value type " + IntToStr(b));
    return static_cast<TValueType>(b);
}

void TReader::CheckValue(TValueType expected)
{
    TValueType v = ReadValue();
    if (v != expected)
        Error(String(u"Expected ") + ValueTypeName(expected) + u" but found " + ValueTypeName(v));
}

Int64 TReader::ReadInteger()
{
    TValueType v = ReadValue();
    switch (v) {
    case vaInt8: {
        std::int8_t n;
        ReadBytes(&n, 1, u"an integer");
        return n;
    }
    case vaInt16: {
        std::int16_t n;
        ReadBytes(&n, 2, u"an integer");
        return n;
    }
    case vaInt32: {
        std::int32_t n;
        ReadBytes(&n, 4, u"an integer");
        return n;
    }
    case vaInt64: {
        Int64 n;
        ReadBytes(&n, 8, u"an integer");
        return n;
    }
    default:
        Error(String(u"Expected integer but found ") + ValueTypeName(v));
    }
}

bool TReader::ReadBoolean()
{
    TValueType v = ReadValue();
    if (v != vaTrue && v != vaFalse)
        Error(String(u"Expected Boolean but found ") + ValueTypeName(v));
    return v == vaTrue;
}

double TReader::ReadFloat()
{
    TValueType v = NextValue();
    if (v == vaInt8 || v == vaInt16 || v == vaInt32 || v == vaInt64)
        return static_cast<double>(ReadInteger());
    ReadValue();
    if (v == vaSingle) {
        float f;
        ReadBytes(&f, 4, u"a float");
        return f;
    }
    if (v == vaDouble || v == vaDate) {
        double d;
        ReadBytes(&d, 8, u"a float");
        return d;
    }
    Error(String(u"Expected float but found ") + ValueTypeName(v));
}

String TReader::ReadString()
{
    TValueType v = ReadValue();
    switch (v) {
    case vaString: case vaLString: {
        Int64 n;
        if (v == vaString) {
            Byte b;
            ReadBytes(&b, 1, u"a string");
            n = b;
        } else {
            std::int32_t len;
            ReadBytes(&len, 4, u"a string");
            n = len;
        }
        if (n < 0 || n > Remaining())
            Error(u"Stream ends inside a string");
        TBytes bytes(static_cast<size_t>(n));
        ReadBytes(bytes.data(), n, u"a string");
        return String(bytes.begin(), bytes.end()); // one byte per character (Latin-1)
    }
    case vaWString: {
        std::int32_t len;
        ReadBytes(&len, 4, u"a string");
        if (len < 0 || Int64(len) * 2 > Remaining())
            Error(u"Stream ends inside a string");
        String s(static_cast<size_t>(len), u'\0');
        for (Char& c : s) {
            Byte pair[2];
            ReadBytes(pair, 2, u"a string");
            c = static_cast<Char>(pair[0] | (pair[1] << 8));
        }
        return s;
    }
    case vaUTF8String: {
        std::int32_t len;
        ReadBytes(&len, 4, u"a string");
        if (len < 0 || len > Remaining())
            Error(u"Stream ends inside a string");
        std::string bytes(static_cast<size_t>(len), '\0');
        ReadBytes(bytes.data(), len, u"a string");
        return FromUtf8(bytes);
    }
    default:
        Error(String(u"Expected string but found ") + ValueTypeName(v));
    }
}

String TReader::ReadIdent()
{
    TValueType v = ReadValue();
    switch (v) {
    case vaIdent: return ReadStr();
    case vaFalse: return u"False";
    case vaTrue: return u"True";
    case vaNil: return u"nil";
    case vaNull: return u"Null";
    default: Error(String(u"Expected identifier but found ") + ValueTypeName(v));
    }
}

String TReader::ReadStr()
{
    Byte n;
    ReadBytes(&n, 1, u"a name");
    std::string bytes(n, '\0');
    ReadBytes(bytes.data(), n, u"a name");
    return FromUtf8(bytes);
}

Int64 TReader::ReadSet(const TEnumInfo& element)
{
    CheckValue(vaSet);
    Int64 bits = 0;
    for (String name = ReadStr(); !name.empty(); name = ReadStr()) {
        int value = element.ValueOf(name);
        if (value < 0 || value >= 32)
            PropertyError(u"'" + name + u"' is not a value of " + element.TypeName());
        bits |= Int64(1) << value;
    }
    return bits;
}

void TReader::ReadPrefix(Byte& flags, Int64& childPos)
{
    flags = 0;
    childPos = 0;
    Byte b;
    ReadBytes(&b, 1, u"an object header");
    if ((b & 0xF0) == 0xF0) {
        flags = b & 0x0F;
        if (flags & ffChildPos)
            childPos = ReadInteger();
    } else {
        FStream.Seek(-1, soCurrent);
    }
}

// ---------------------------------------------------------------------------------------------

TComponent* TReader::ReadRootComponent(TComponent* root)
{
    ReadSignature();
    Byte flags;
    Int64 childPos;
    ReadPrefix(flags, childPos);
    String className = ReadStr();
    String name = ReadStr();

    std::unique_ptr<TComponent> created;
    if (!root) {
        TClass cls = GetClass(className);
        if (!cls || !cls->InheritsFrom(TComponent::StaticClass()) || !cls->HasComponentConstructor())
            Error(u"Class " + className + u" not found");
        created.reset(cls->CreateComponent(nullptr));
        root = created.get();
    }
    FRoot = root;
    FLookupRoot = root;
    FOwner = root;
    FLoaded.clear();
    FFixups.clear();
    FReadCollections.clear();
    root->FComponentState.Include(csLoading);
    root->FComponentState.Include(csReading);
    FLoaded.push_back(root);
    try {
        NameRoot(root, name);
        root->ReadState(*this);
        root->FComponentState.Exclude(csReading);
        ResolveFixups();
    } catch (...) {
        // Components read so far stay as they are; a root the caller gave is usable again.
        if (!created)
            root->FComponentState = root->FComponentState - TComponentState{csLoading, csReading};
        throw;
    }
    for (TComponent* c : FLoaded)
        c->Loaded();
    created.release();
    return root;
}

void TReader::NameRoot(TComponent* root, const String& name)
{
    String unique = name;
    // A second instance of a form owned by the same owner gets Name_1, Name_2...
    if (TComponent* owner = root->Owner())
        for (int n = 1; owner->FindComponent(unique) && owner->FindComponent(unique) != root; ++n)
            unique = name + u"_" + IntToStr(n);
    NameComponent(root, unique);
}

void TReader::NameComponent(TComponent* component, const String& name)
{
    try {
        component->SetName(name);
    } catch (const EComponentError& e) {
        Error(e.Message());
    }
}

void TReader::ReadData(TComponent* instance)
{
    while (!EndOfList())
        ReadProperty(instance);
    ReadListEnd();
    TScopedParent parent(FParent, instance);
    while (!EndOfList())
        ReadComponent();
    ReadListEnd();
}

TComponent* TReader::ReadComponent()
{
    TNestingGuard guard(FDepth);
    if (FDepth > MaxNesting)
        Error(u"Objects nested too deeply");
    Byte flags;
    Int64 childPos;
    ReadPrefix(flags, childPos);
    String className = ReadStr();
    String name = ReadStr();

    std::unique_ptr<TComponent> created;
    TComponent* component;
    if (flags & ffInherited) {
        component = FOwner->FindComponent(name);
        if (!component)
            Error(u"Ancestor for '" + name + u"' not found");
    } else {
        TClass cls = GetClass(className);
        if (!cls || !cls->InheritsFrom(TComponent::StaticClass()) || !cls->HasComponentConstructor())
            Error(u"Class " + className + u" not found");
        created.reset(cls->CreateComponent(FOwner));
        component = created.get();
        NameComponent(component, name);
    }
    component->FComponentState.Include(csLoading);
    component->FComponentState.Include(csReading);
    if (component->HasParent())
        component->SetParentComponent(FParent);
    FLoaded.push_back(component);
    try {
        component->ReadState(*this);
    } catch (...) {
        std::erase(FLoaded, component);
        throw;
    }
    component->FComponentState.Exclude(csReading);
    return created.release();
}

void TReader::ReadProperty(TPersistent* instance)
{
    String path = ReadStr();
    FPropName = path;
    try {
        // "Font.Style": walk the published object properties to the last name.
        size_t start = 0;
        for (size_t dot = path.find(u'.'); dot != String::npos; dot = path.find(u'.', start)) {
            String part = path.substr(start, dot - start);
            const TPropInfo* prop = GetPropInfo(*instance, part);
            auto* nested = prop && prop->Type.Kind == tkClass && prop->HasGetter()
                               ? dynamic_cast<TPersistent*>(GetObjectProp(*instance, *prop))
                               : nullptr;
            if (!nested)
                PropertyError(u"'" + part + u"' is not an object property of " + instance->ClassName());
            instance = nested;
            start = dot + 1;
        }
        String name = path.substr(start);
        if (const TPropInfo* prop = GetPropInfo(*instance, name)) {
            ReadPropValue(instance, *prop);
            return;
        }
        FPropName = name;
        FCanHandleDefined = true;
        instance->DefineProperties(*this);
        bool handled = !FCanHandleDefined;
        FCanHandleDefined = false;
        FPropName = path;
        if (!handled)
            PropertyError(u"does not exist in " + instance->ClassName());
    } catch (const EReadError&) {
        throw;
    } catch (const EAbort&) {
        throw;
    } catch (const Exception& e) {
        // A value the object refuses (a bad name, a wrong class) is an error of the stream.
        PropertyError(e.Message());
    }
}

void TReader::DefineProperty(const String& name, const TReaderProc& read, const TWriterProc&, bool)
{
    if (FCanHandleDefined && read && SameText(name, FPropName)) {
        FCanHandleDefined = false;
        read(*this);
    }
}

void TReader::DefineBinaryProperty(const String& name, const TStreamProc& read, const TStreamProc&, bool)
{
    if (!FCanHandleDefined || !read || !SameText(name, FPropName))
        return;
    FCanHandleDefined = false;
    CheckValue(vaBinary);
    std::int32_t size;
    ReadBytes(&size, 4, u"binary data");
    if (size < 0 || size > Remaining())
        Error(u"Stream ends inside binary data");
    TMemoryStream data;
    data.SetSize(size);
    ReadBytes(data.Memory(), size, u"binary data");
    read(data);
}

void TReader::ReadPropValue(TPersistent* instance, const TPropInfo& prop)
{
    const TTypeInfo& type = prop.Type;
    if (!prop.HasSetter() && type.Kind != tkClass)
        PropertyError(u"is read-only");
    switch (type.Kind) {
    case tkInteger: {
        Int64 value;
        TValueType v = NextValue();
        if (v == vaIdent) {
            String ident = ReadIdent();
            if (!IdentToInt(type.Name, ident, value))
                PropertyError(u"'" + ident + u"' is not a value of " + type.Name);
        } else {
            value = ReadInteger();
        }
        SetOrdProp(*instance, prop, value);
        return;
    }
    case tkChar: case tkWChar: {
        Int64 value;
        if (NextValue() == vaInt8 || NextValue() == vaInt16 || NextValue() == vaInt32) {
            value = ReadInteger();
        } else {
            String s = ReadString();
            if (s.size() != 1)
                PropertyError(u"expects one character");
            value = s[0];
        }
        SetOrdProp(*instance, prop, value);
        return;
    }
    case tkEnumeration: {
        if (type.IsBoolean()) {
            SetOrdProp(*instance, prop, ReadBoolean() ? 1 : 0);
            return;
        }
        String ident = ReadIdent();
        int value = GetEnumValue(type, ident);
        if (value < 0)
            PropertyError(u"'" + ident + u"' is not a value of " + type.Name);
        SetOrdProp(*instance, prop, value);
        return;
    }
    case tkSet:
        SetOrdProp(*instance, prop, ReadSet(*type.Enum));
        return;
    case tkInt64:
        SetInt64Prop(*instance, prop, ReadInteger());
        return;
    case tkFloat:
        SetFloatProp(*instance, prop, ReadFloat());
        return;
    case tkUString:
        SetStrProp(*instance, prop, ReadString());
        return;
    case tkMethod: {
        if (NextValue() == vaNil) {
            ReadValue();
            SetMethodProp(*instance, prop, TMethod{});
            return;
        }
        String name = ReadIdent();
        TMethodCode code = FRoot->MethodAddress(name);
        if (!code)
            PropertyError(u"method " + name + u" not found in " + FRoot->ClassName());
        SetMethodProp(*instance, prop, TMethod{code, FRoot});
        return;
    }
    case tkClass:
        ReadObjectValue(instance, prop);
        return;
    default:
        PropertyError(u"cannot be read");
    }
}

void TReader::ReadObjectValue(TPersistent* instance, const TPropInfo& prop)
{
    TValueType v = NextValue();
    if (v == vaCollection) {
        auto* collection = prop.HasGetter() ? dynamic_cast<TCollection*>(GetObjectProp(*instance, prop)) : nullptr;
        if (!collection)
            PropertyError(u"is not a collection");
        ReadValue();
        ReadCollection(collection);
        return;
    }
    if (!prop.HasSetter())
        PropertyError(u"is read-only");
    if (v == vaNil) {
        ReadValue();
        SetObjectProp(*instance, prop, nullptr);
        return;
    }
    if (v != vaIdent)
        PropertyError(String(u"expects a component name but found ") + ValueTypeName(v));
    FFixups.push_back(TFixup{instance, &prop, ReadIdent()});
}

void TReader::ReadCollection(TCollection* collection)
{
    TNestingGuard guard(FDepth);
    if (FDepth > MaxNesting)
        Error(u"Objects nested too deeply");
    // Read twice, a collection would free items that pending references point into.
    if (std::find(FReadCollections.begin(), FReadCollections.end(), collection) != FReadCollections.end())
        PropertyError(u"collection given twice");
    FReadCollections.push_back(collection);
    String path = FPropName;
    collection->BeginUpdate();
    try {
        collection->Clear();
        while (!EndOfList()) {
            TValueType v = NextValue();
            if (v == vaInt8 || v == vaInt16 || v == vaInt32)
                ReadInteger(); // the item's position, implied by the order
            TCollectionItem* item = collection->Add();
            ReadListBegin();
            while (!EndOfList())
                ReadProperty(item);
            ReadListEnd();
            FPropName = path;
        }
        ReadListEnd();
    } catch (...) {
        collection->EndUpdate();
        throw;
    }
    collection->EndUpdate();
}

void TReader::ResolveFixups()
{
    for (const TFixup& f : FFixups) {
        TComponent* target = nullptr;
        size_t dot = f.Name.find(u'.');
        if (SameText(f.Name, u"Owner") || (!FRoot->Name().empty() && SameText(f.Name, FRoot->Name())))
            target = FRoot;
        else if (dot == String::npos)
            target = FRoot->FindComponent(f.Name);
        else if (SameText(f.Name.substr(0, dot), FRoot->Name()))
            target = FRoot->FindComponent(f.Name.substr(dot + 1));
        else
            continue; // a component of another root, which this reader cannot see
        FPropName = f.Prop->Name;
        if (!target)
            throw EReadError(u"Property " + f.Prop->Name + u": unresolved reference to " + f.Name);
        try {
            SetObjectProp(*f.Instance, *f.Prop, target);
        } catch (const Exception& e) {
            throw EReadError(u"Property " + f.Prop->Name + u": " + e.Message());
        }
    }
    FFixups.clear();
}
