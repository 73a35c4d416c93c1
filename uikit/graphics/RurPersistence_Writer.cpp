#include "RurPersistence.h"

#include "RurUtils.h"

namespace {

constexpr int ColorNull = -1;

// A colour as "#RRGGBB": red is the low byte of the value.
String ColorText(int AColor)
{
    static const char digits[] = "0123456789ABCDEF";
    String text = u"#";
    for (int shift = 0; shift < 24; shift += 8) {
        const int channel = (AColor >> shift) & 0xFF;
        text += Char(digits[channel >> 4]);
        text += Char(digits[channel & 0xF]);
    }
    return text;
}

} // namespace

TRurWriter::TRurWriter(TStream& AStream) : FWriter(std::make_unique<TRurJSONWriter>(AStream)) {}

TRurWriter::~TRurWriter() = default;

void TRurWriter::SetIOReference(TObject* AValue)
{
    FIOReference = AValue;
    TRurPersistence::SetIOReference(AValue);
}

void TRurWriter::SetRootObject(TObject* AValue)
{
    FRootObject = AValue;
    TRurPersistence::SetRootObject(AValue);
}

void TRurWriter::SetExcludeProperties(const TRurExcludePropertyListArray& AValue)
{
    FExcludeProperties = AValue;
    TRurPersistence::SetExcludeProperties(AValue);
}

void TRurWriter::Write(TObject* AObject)
{
    if (!AObject) {
        FWriter->WriteNull();
        return;
    }
    const TClass cls = AObject->ClassType();
    if (TRurPersistence::IsGenericList(cls) || TRurPersistence::IsGenericDictionary(cls)) {
        // The name decides which value form the items take, as in the stored files.
        if (auto* list = dynamic_cast<IGenericListItems*>(AObject)) {
            FWriter->WriteBeginArray();
            for (int i = 0; i < list->ItemCount(); ++i)
                WriteItemValue(list->ItemValue(i));
            FWriter->WriteEndArray();
            return;
        }
        if (auto* dictionary = dynamic_cast<IGenericDictionaryItems*>(AObject)) {
            FWriter->WriteBeginArray();
            for (const auto& [key, value] : dictionary->EntryValues()) {
                FWriter->WriteBeginObject().WriteName(key);
                WriteItemValue(value);
                FWriter->WriteEndObject();
            }
            FWriter->WriteEndArray();
            return;
        }
    }
    if (TRurPersistence::IsList(cls)) {
        if (auto* list = dynamic_cast<TPointerList*>(AObject)) {
            FWriter->WriteBeginArray();
            for (int i = 0; i < list->Count(); ++i)
                WriteObjectForm(static_cast<TObject*>(list->Items(i)));
            FWriter->WriteEndArray();
            return;
        }
    }
    if (TRurPersistence::IsCollection(cls)) {
        if (auto* collection = dynamic_cast<TCollection*>(AObject)) {
            FWriter->WriteBeginArray();
            for (int i = 0; i < collection->Count(); ++i)
                WriteObjectForm(collection->Items(i));
            FWriter->WriteEndArray();
            return;
        }
    }
    if (TRurPersistence::IsBitmap(cls)) {
        WritePicture(*AObject);
        return;
    }
    if (TRurPersistence::IsStrings(cls)) {
        if (auto* strings = dynamic_cast<TStrings*>(AObject)) {
            FWriter->WriteBeginArray();
            for (int i = 0; i < strings->Count(); ++i)
                FWriter->WriteString(strings->Strings(i));
            FWriter->WriteEndArray();
            return;
        }
    }
    IRurPersistenceIO* io;
    if (Supports(FIOReference, IRurPersistenceIO::IID, io) && io->NeedsObjectReference(cls)) {
        FWriter->WriteString(io->GetObjectReference(AObject));
        return;
    }
    WriteObjectForm(AObject);
}

void TRurWriter::WriteArray(const String& AName, const TRurObjectArray& AArray)
{
    FWriter->WriteBeginObject().WriteName(AName).WriteBeginArray();
    for (TObject* item : AArray)
        WriteObjectForm(item);
    FWriter->WriteEndArray().WriteEndObject();
}

// A list entry that is none has no object form: it is written as null.
void TRurWriter::WriteObjectForm(TObject* AObject)
{
    if (!AObject) {
        FWriter->WriteNull();
        return;
    }
    FWriter->WriteBeginObject();
    if (!TRurPersistence::ClassNameKey().empty())
        FWriter->WriteName(TRurPersistence::ClassNameKey()).WriteString(AObject->ClassName());
    for (const TPropInfo* prop : GetPropList(*AObject))
        WriteProperty(*AObject, *prop);
    FWriter->WriteEndObject();
}

void TRurWriter::WriteItemValue(const TPropValue& AValue)
{
    if (const String* s = std::get_if<String>(&AValue))
        FWriter->WriteString(*s);
    else if (const Int64* n = std::get_if<Int64>(&AValue))
        FWriter->WriteInteger(*n);
    else if (const double* d = std::get_if<double>(&AValue))
        FWriter->WriteDouble(*d);
    else if (TObject* const* obj = std::get_if<TObject*>(&AValue))
        WriteObjectForm(*obj);
    else
        FWriter->WriteNull();
}

void TRurWriter::WritePicture(TObject& APicture)
{
    const TRurPersistencePlatform& platform = TRurPersistence::Platform();
    if (!platform.SavePictureToStream || !platform.IsPictureEmpty || platform.IsPictureEmpty(APicture)) {
        FWriter->WriteString(String());
        return;
    }
    TMemoryStream data;
    platform.SavePictureToStream(APicture, data);
    FWriter->WriteString(TRurUtils::SaveStreamToHexStr(data));
}

void TRurWriter::WriteProperty(TObject& AObject, const TPropInfo& AProp)
{
    if (!TRurPersistence::CanSaveProperty(AObject, AProp))
        return;
    bool canWrite = true;
    if (FOnCustomWriteProperty)
        FOnCustomWriteProperty(&AObject, AProp.Name, AProp.Type.Kind, *FWriter, canWrite);
    if (!canWrite)
        return;
    FWriter->WriteName(AProp.Name);
    if (AProp.Type.Kind == tkClass && AProp.HasGetter())
        WriteClassProperty(AObject, AProp);
    else
        WriteSimpleValue(AObject, AProp);
    // The font's size is in points; the mark tells it from a size in pixels.
    if (AProp.Name == u"Size" && TRurPersistence::IsFont(AObject.ClassType()))
        FWriter->WriteName(u"IsFMX").WriteBoolean(false);
}

void TRurWriter::WriteClassProperty(TObject& AObject, const TPropInfo& AProp)
{
    TObject* value = GetObjectProp(AObject, AProp);
    bool assignable = TRurPersistence::IsAssignableProperty(AObject, AProp);
    if (FOnCustomIsAssignableProperty)
        FOnCustomIsAssignableProperty(&AObject, AProp.Name, assignable);
    if (!assignable) {
        Write(value);
        return;
    }
    auto* component = dynamic_cast<TComponent*>(value);
    FWriter->WriteString(component ? component->Name() : String());
}

void TRurWriter::WriteSimpleValue(TObject& AObject, const TPropInfo& AProp)
{
    if (!AProp.HasGetter()) {
        FWriter->WriteNull();
        return;
    }
    switch (AProp.Type.Kind) {
    case tkInteger:
        if (TRurPersistence::IsColor(AProp.Type.Name))
            WriteColor(static_cast<int>(GetOrdProp(AObject, AProp)));
        else
            FWriter->WriteInteger(GetOrdProp(AObject, AProp));
        return;
    case tkString:
    case tkLString:
    case tkUString:
        FWriter->WriteString(GetStrProp(AObject, AProp));
        return;
    case tkChar:
    case tkWChar:
        FWriter->WriteString(String());
        return;
    case tkEnumeration:
        if (AProp.Type.IsBoolean())
            FWriter->WriteBoolean(GetOrdProp(AObject, AProp) != 0);
        else
            FWriter->WriteInteger(GetOrdProp(AObject, AProp));
        return;
    case tkFloat:
        FWriter->WriteDouble(GetFloatProp(AObject, AProp));
        return;
    case tkSet:
        FWriter->WriteInteger(GetOrdProp(AObject, AProp));
        return;
    case tkMethod: {
        const TMethod method = GetMethodProp(AObject, AProp);
        TObject* root = TRurPersistence::RootObject();
        if (method && root)
            FWriter->WriteString(root->MethodName(method.Code));
        else
            FWriter->WriteNull();
        return;
    }
    case tkInt64:
        FWriter->WriteInteger(GetInt64Prop(AObject, AProp));
        return;
    default:
        FWriter->WriteNull();
        return;
    }
}

void TRurWriter::WriteColor(int AColor)
{
    if (AColor == ColorNull)
        FWriter->WriteString(u"gcNull");
    else if (AColor == RurColorNone)
        FWriter->WriteString(u"clNone");
    else if (AColor == RurColorDefault)
        FWriter->WriteString(u"clDefault");
    else {
        const auto resolve = TRurPersistence::Platform().ColorToRGB;
        FWriter->WriteString(ColorText(resolve ? resolve(AColor) : AColor));
    }
}
