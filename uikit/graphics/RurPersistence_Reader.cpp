#include "RurPersistence.h"

#include "Math.h"
#include "RurUtils.h"

namespace {

constexpr int ColorNull = -1;

[[noreturn]] void RaiseBadOrdinal(const TPropInfo& AProp, Int64 AValue)
{
    throw ERurReaderException(Format(u"Value %d out of range for property %s", {AValue, AProp.Name}));
}

// The value kind a generic list's name announces: "String", "Double", "Integer", or empty.
String ValueKindOf(TClass AClass)
{
    for (const Char* kind : {u"String", u"Double", u"Integer"})
        if (TRurPersistence::IsGenericList(AClass, kind))
            return kind;
    return String();
}

} // namespace

TRurReader::TRurReader(TStream& AStream) : FReader(std::make_unique<TRurJSONReader>(AStream)) {}

TRurReader::~TRurReader() = default;

void TRurReader::SetIOReference(TObject* AValue)
{
    FIOReference = AValue;
    TRurPersistence::SetIOReference(AValue);
}

void TRurReader::SetRootObject(TObject* AValue)
{
    FRootObject = AValue;
    TRurPersistence::SetRootObject(AValue);
}

void TRurReader::SetExcludeProperties(const TRurExcludePropertyListArray& AValue)
{
    FExcludeProperties = AValue;
    TRurPersistence::SetExcludeProperties(AValue);
}

std::unique_ptr<TObject> TRurReader::Read(TClass AClass)
{
    return CreateFromObject(AClass);
}

void TRurReader::Read(TObject* AObject)
{
    if (!AObject) {
        FReader->ReadNull();
        return;
    }
    if (ReadContainer(AObject, AObject->ClassType()))
        return;
    FReader->ReadBeginObject();
    ReadClassName(nullptr);
    ReadMembers(AObject);
    FReader->ReadEndObject();
}

TRurObjectArray TRurReader::ReadArray(const String& AName)
{
    std::vector<std::unique_ptr<TObject>> objects;
    FReader->ReadBeginObject();
    while (FReader->HasNext()) {
        if (FReader->ReadName() != AName) {
            FReader->SkipValue();
            continue;
        }
        FReader->ReadBeginArray();
        while (FReader->HasNext())
            objects.push_back(CreateFromObject(TObject::StaticClass()));
        FReader->ReadEndArray();
    }
    TRurObjectArray result;
    for (auto& object : objects)
        result.push_back(object.release());
    return result;
}

void TRurReader::SolveReferences()
{
    IRurPersistenceIO* io;
    if (!Supports(FIOReference, IRurPersistenceIO::IID, io))
        return;
    for (const auto& reference : FReferences)
        SetObjectProp(*reference->Instance(), *reference->Prop(), io->FindObject(reference->Id()));
}

// After ReadBeginObject: the first member must be the class-name key, unless the key is empty.
void TRurReader::ReadClassName(String* AClassName)
{
    const String& key = TRurPersistence::ClassNameKey();
    if (key.empty())
        return;
    if (!FReader->HasNext() || FReader->PeekName() != key)
        throw ERurReaderException(u"\"" + key + u"\" property not found in Object descriptor.");
    FReader->ReadName();
    String name = FReader->ReadString();
    if (AClassName)
        *AClassName = std::move(name);
}

std::unique_ptr<TObject> TRurReader::CreateFromObject(TClass ABaseClass)
{
    FReader->ReadBeginObject();
    String className;
    ReadClassName(&className);
    if (className.empty())
        className = ABaseClass->ClassName();
    std::unique_ptr<TObject> object;
    IRurObjectCreator* creator;
    IRurPersistenceIO* io;
    if (!FIOReference)
        object = TRurPersistence::CreateObject(className, ABaseClass);
    else if (Supports(FIOReference, IRurObjectCreator::IID, creator))
        object.reset(creator->CreateObject(className, ABaseClass));
    else if (Supports(FIOReference, IRurPersistenceIO::IID, io))
        object.reset(io->CreateObject(className, ABaseClass));
    ReadMembers(object.get());
    FReader->ReadEndObject();
    return object;
}

void TRurReader::ReadMembers(TObject* AObject)
{
    while (FReader->HasNext()) {
        if (!AObject) {
            FReader->SkipValue();
            continue;
        }
        const TPropInfo* prop = GetPropInfo(*AObject, FReader->ReadName());
        if (prop)
            ReadProperty(*AObject, *prop);
        else
            FReader->SkipValue();
    }
}

void TRurReader::ReadProperty(TObject& AObject, const TPropInfo& AProp)
{
    if (!TRurPersistence::CanLoadProperty(AObject, AProp)) {
        FReader->SkipValue();
        return;
    }
    bool canRead = true;
    if (FOnCustomReadProperty)
        FOnCustomReadProperty(&AObject, AProp.Name, AProp.Type.Kind, *FReader, canRead);
    if (!canRead)
        return;
    if (AProp.Type.Kind == tkClass && AProp.HasGetter())
        ReadClassProperty(AObject, AProp);
    else
        ReadSimpleValue(AObject, AProp);
    if (AProp.Name == u"Size" && TRurPersistence::IsFont(AObject.ClassType()))
        ReadFontSizeUnit(AObject, AProp);
}

void TRurReader::ReadClassProperty(TObject& AObject, const TPropInfo& AProp)
{
    TObject* value = GetObjectProp(AObject, AProp);
    if (ReadContainer(value, AProp.Type.ClassType))
        return;
    IRurPersistenceIO* io;
    if (Supports(FIOReference, IRurPersistenceIO::IID, io) && io->NeedsObjectReference(AProp.Type.ClassType)) {
        // A read-only property has its value consumed but not set, as the simple values do.
        if (FReader->IsNull()) {
            FReader->ReadNull();
            if (AProp.HasSetter())
                SetObjectProp(AObject, AProp, nullptr);
        } else {
            String id = FReader->ReadString();
            if (AProp.HasSetter())
                FReferences.push_back(std::make_unique<TRurObjectReference>(&AObject, &AProp, std::move(id)));
        }
        return;
    }
    bool assignable = TRurPersistence::IsAssignableProperty(AObject, AProp);
    if (FOnCustomIsAssignableProperty)
        FOnCustomIsAssignableProperty(&AObject, AProp.Name, assignable);
    if (!assignable) {
        Read(value);
        return;
    }
    const String name = FReader->ReadString();
    auto* root = dynamic_cast<TComponent*>(FRootObject);
    if (root && AProp.HasSetter())
        SetObjectProp(AObject, AProp, root->FindComponent(name));
}

// Lists, dictionaries, collections, pictures and string lists, chosen by the class's name. With
// no object to read into, the value is skipped.
bool TRurReader::ReadContainer(TObject* AObject, TClass AClass)
{
    const String valueKind = ValueKindOf(AClass);
    const bool container = TRurPersistence::IsGenericList(AClass) || TRurPersistence::IsGenericDictionary(AClass)
                        || TRurPersistence::IsList(AClass) || TRurPersistence::IsCollection(AClass)
                        || TRurPersistence::IsBitmap(AClass) || TRurPersistence::IsStrings(AClass);
    if (!container)
        return false;
    if (!AObject) {
        FReader->SkipValue();
        return true;
    }
    if (auto* values = dynamic_cast<IGenericListItems*>(AObject); values && !valueKind.empty())
        ReadValueList(*values, valueKind);
    else if (TRurPersistence::IsGenericList(AClass) || TRurPersistence::IsList(AClass))
        ReadObjectList(*AObject);
    else if (TRurPersistence::IsGenericDictionary(AClass))
        ReadDictionary(*AObject);
    else if (auto* collection = dynamic_cast<TCollection*>(AObject))
        ReadCollection(*collection);
    else if (TRurPersistence::IsBitmap(AClass))
        ReadPicture(*AObject);
    else if (auto* strings = dynamic_cast<TStrings*>(AObject))
        ReadStrings(*strings);
    else
        throw EInvalidCast(u"Invalid class typecast");
    return true;
}

TPropValue TRurReader::ReadItemValue(const String& AKind)
{
    if (AKind == u"String")
        return FReader->ReadString();
    if (AKind == u"Double")
        return FReader->ReadDouble();
    return Int64(FReader->ReadInteger());
}

void TRurReader::ReadValueList(IGenericListItems& AList, const String& AKind)
{
    AList.ClearItems();
    FReader->ReadBeginArray();
    while (FReader->HasNext()) {
        if (FReader->IsNull())
            FReader->ReadNull();
        else
            AList.AddItemValue(ReadItemValue(AKind));
    }
    FReader->ReadEndArray();
}

void TRurReader::ReadStrings(TStrings& AStrings)
{
    AStrings.Clear();
    FReader->ReadBeginArray();
    while (FReader->HasNext()) {
        if (FReader->IsNull())
            FReader->ReadNull();
        else
            AStrings.Add(FReader->ReadString());
    }
    FReader->ReadEndArray();
}

TClass TRurReader::ItemClassOf(TObject& AContainer)
{
    IRurBaseListIO* listIO;
    if (Supports(&AContainer, IRurBaseListIO::IID, listIO))
        return listIO->GetItemClass();
    return TObject::StaticClass();
}

void TRurReader::ReadObjectList(TObject& AList)
{
    auto* generic = dynamic_cast<IGenericListItems*>(&AList);
    auto* plain = dynamic_cast<TPointerList*>(&AList);
    if (!generic && !plain)
        throw EInvalidCast(u"Invalid class typecast");
    const TClass itemClass = ItemClassOf(AList);
    IRurPersistenceIO* io = nullptr;
    Supports(FIOReference, IRurPersistenceIO::IID, io);
    if (generic)
        generic->ClearItems();
    else
        plain->Clear();
    FReader->ReadBeginArray();
    while (FReader->HasNext()) {
        if (FReader->IsNull()) {
            FReader->ReadNull();
            continue;
        }
        std::unique_ptr<TObject> item = CreateFromObject(itemClass);
        if (!item)
            continue;
        if (io)
            io->FixOwners(item.get(), &AList);
        if (generic)
            generic->AddItemValue(item.get());
        else
            plain->Add(item.get());
        item.release();
    }
    FReader->ReadEndArray();
}

void TRurReader::ReadDictionary(TObject& ADictionary)
{
    auto* dictionary = dynamic_cast<IGenericDictionaryItems*>(&ADictionary);
    if (!dictionary)
        throw EInvalidCast(u"Invalid class typecast");
    const TClass itemClass = ItemClassOf(ADictionary);
    dictionary->ClearEntries();
    FReader->ReadBeginArray();
    while (FReader->HasNext()) {
        if (FReader->IsNull()) {
            FReader->ReadNull();
            continue;
        }
        // Each entry is an object of one member: the key, then the entry's object. An entry with
        // no member adds nothing.
        FReader->ReadBeginObject();
        if (FReader->HasNext()) {
            const String key = FReader->ReadName();
            if (FReader->IsNull()) {
                FReader->ReadNull();
            } else if (std::unique_ptr<TObject> value = CreateFromObject(itemClass)) {
                dictionary->AddEntryValue(key, value.get());
                value.release();
            }
        }
        FReader->ReadEndObject();
    }
    FReader->ReadEndArray();
}

void TRurReader::ReadCollection(TCollection& ACollection)
{
    const TClass itemClass = ItemClassOf(ACollection);
    IRurBaseCollectionIO* collectionIO = nullptr;
    Supports(&ACollection, IRurBaseCollectionIO::IID, collectionIO);
    ACollection.Clear();
    FReader->ReadBeginArray();
    while (FReader->HasNext()) {
        if (FReader->IsNull()) {
            FReader->ReadNull();
            continue;
        }
        const std::unique_ptr<TObject> source = CreateFromObject(itemClass);
        if (auto* persistent = dynamic_cast<TPersistent*>(source.get())) {
            TCollectionItem* item = collectionIO ? collectionIO->AddItem(persistent) : ACollection.Add();
            item->Assign(persistent);
        }
    }
    FReader->ReadEndArray();
}

void TRurReader::ReadPicture(TObject& APicture)
{
    if (FReader->IsNull()) {
        FReader->ReadNull();
        return;
    }
    const String text = FReader->ReadString();
    const auto load = TRurPersistence::Platform().LoadPictureFromStream;
    if (text.empty() || !load)
        return;
    TMemoryStream data;
    TRurUtils::LoadStreamFromHexStr(text, data);
    data.SetPosition(0);
    load(APicture, data);
}

void TRurReader::ReadSimpleValue(TObject& AObject, const TPropInfo& AProp)
{
    if (!AProp.HasGetter() || FReader->IsNull()) {
        FReader->ReadNull();
        return;
    }
    if (!AProp.HasSetter()) {
        FReader->SkipValue();
        return;
    }
    switch (AProp.Type.Kind) {
    case tkInteger:
        SetOrdProp(AObject, AProp, TRurPersistence::IsColor(AProp.Type.Name) ? ReadColor() : FReader->ReadInteger());
        return;
    case tkString:
    case tkLString:
    case tkUString:
        SetStrProp(AObject, AProp, FReader->ReadString());
        return;
    case tkChar:
    case tkWChar:
        FReader->ReadString();
        return;
    case tkEnumeration: {
        if (AProp.Type.IsBoolean()) {
            SetOrdProp(AObject, AProp, FReader->ReadBoolean() ? 1 : 0);
            return;
        }
        const int value = FReader->ReadInteger();
        if (!AProp.Type.Enum || value < 0 || value >= AProp.Type.Enum->Count())
            RaiseBadOrdinal(AProp, value);
        SetOrdProp(AObject, AProp, value);
        return;
    }
    case tkFloat:
        SetFloatProp(AObject, AProp, FReader->ReadDouble());
        return;
    case tkSet: {
        // A set of 32 elements has bits beyond the Integer range: read as Int64.
        const Int64 bits = FReader->ReadInt64();
        const int count = AProp.Type.Enum ? AProp.Type.Enum->Count() : 0;
        if (bits < 0 || (bits >> count) != 0)
            RaiseBadOrdinal(AProp, bits);
        SetOrdProp(AObject, AProp, bits);
        return;
    }
    case tkMethod: {
        TObject* root = TRurPersistence::RootObject();
        if (!root) {
            FReader->ReadNull();
            return;
        }
        const TMethodCode code = root->MethodAddress(FReader->ReadString());
        SetMethodProp(AObject, AProp, code ? TMethod{code, root} : TMethod{});
        return;
    }
    case tkInt64:
        SetInt64Prop(AObject, AProp, FReader->ReadInt64());
        return;
    default:
        FReader->ReadNull();
        return;
    }
}

// "gcNull", "#RRGGBB" (red first), or the names of the colours that have no RGB of their own.
int TRurReader::ReadColor()
{
    const String text = FReader->ReadString();
    if (text == u"gcNull")
        return ColorNull;
    if (text == u"clNone")
        return RurColorNone;
    if (text == u"clDefault")
        return RurColorDefault;
    int color = 0;
    bool valid = text.size() == 7 && text[0] == u'#';
    for (std::size_t i = 1; valid && i < 7; i += 2) {
        const int high = HexDigitValue(text[i]), low = HexDigitValue(text[i + 1]);
        valid = high >= 0 && low >= 0;
        if (valid)
            color |= (high * 16 + low) << (4 * (i - 1));
    }
    if (!valid)
        throw ERurReaderException(Format(u"Invalid colour \"%s\"", {text}));
    return color;
}

// A size marked "IsFMX": true is in pixels at 96 dpi and becomes points.
void TRurReader::ReadFontSizeUnit(TObject& AFont, const TPropInfo& ASize)
{
    if (!FReader->HasNext() || FReader->PeekName() != u"IsFMX")
        return;
    FReader->ReadName();
    if (FReader->ReadBoolean() && ASize.HasGetter() && ASize.HasSetter())
        SetOrdProp(AFont, ASize, Round(double(GetOrdProp(AFont, ASize)) / 96 * 72));
}
