#include "RurPersistence.h"

#include "RurUtils.h"

namespace {

struct TUnitSettings {
    String ClassNameKey;
    TRurExcludePropertyListArray ExcludeProperties;
    TObject* IOReference = nullptr;
    TObject* RootObject = nullptr;
    TRurWriterCustomWritePropertyEvent OnCustomWriteProperty;
    TRurReaderCustomReadPropertyEvent OnCustomReadProperty;
    TRurPersistencePlatform Platform;
};

TUnitSettings& Settings()
{
    static TUnitSettings settings;
    return settings;
}

// Every save and load runs with "." and "," whatever the locale says, and puts the locale's
// separators back however it ends.
class TDotSeparatorsScope {
public:
    TDotSeparatorsScope()
        : FDecimal(FormatSettings.DecimalSeparator), FThousand(FormatSettings.ThousandSeparator)
    {
        FormatSettings.DecimalSeparator = u'.';
        FormatSettings.ThousandSeparator = u',';
    }
    ~TDotSeparatorsScope()
    {
        FormatSettings.DecimalSeparator = FDecimal;
        FormatSettings.ThousandSeparator = FThousand;
    }
    TDotSeparatorsScope(const TDotSeparatorsScope&) = delete;
    TDotSeparatorsScope& operator=(const TDotSeparatorsScope&) = delete;

private:
    Char FDecimal, FThousand;
};

bool StartsWithText(const String& AText, const String& APrefix)
{
    return AText.size() >= APrefix.size() && SameText(AText.substr(0, APrefix.size()), APrefix);
}

bool ContainsText(const String& AText, const String& APart)
{
    return UpperCase(AText).find(UpperCase(APart)) != String::npos;
}

template <class Test>
bool AnyAncestor(TClass AClass, Test test)
{
    for (TClass c = AClass; c; c = c->ClassParent())
        if (test(c->ClassName()))
            return true;
    return false;
}

} // namespace

void TRurPersistence::GetEnumValues(TStrings& AValues, const TPropInfo& APropInfo)
{
    const TEnumInfo* values = APropInfo.Type.Enum;
    if (!values || (APropInfo.Type.Kind != tkEnumeration && APropInfo.Type.Kind != tkSet))
        return;
    for (int i = 0; i < values->Count(); ++i)
        AValues.Add(values->Name(i));
}

bool TRurPersistence::IsAssignableProperty(const TObject& AObject, const TPropInfo& APropInfo)
{
    if (APropInfo.Type.Kind != tkClass)
        return false;
    TObject* value = GetObjectProp(AObject, APropInfo);
    return !value || IsComponent(value->ClassType());
}

bool TRurPersistence::IsDescendingClass(TClass AClass, std::initializer_list<const Char*> AClassParentList)
{
    return AnyAncestor(AClass, [&](const String& name) {
        for (const Char* parent : AClassParentList)
            if (name == parent)
                return true;
        return false;
    });
}

bool TRurPersistence::IsGenericList(TClass AClass, const String& AType)
{
    return AnyAncestor(AClass, [&](const String& name) {
        return (StartsWithText(name, u"TList<") || StartsWithText(name, u"TObjectList<"))
            && (AType.empty() || ContainsText(name, AType));
    });
}

bool TRurPersistence::IsGenericDictionary(TClass AClass)
{
    return AnyAncestor(AClass, [](const String& name) {
        return StartsWithText(name, u"TDictionary<") || StartsWithText(name, u"TObjectDictionary<");
    });
}

bool TRurPersistence::IsColor(const String& ATypeName)
{
    return ATypeName == u"TAlphaColor" || ATypeName == u"TColor" || ATypeName == u"TGraphicsColor";
}

std::unique_ptr<TObject> TRurPersistence::CreateObject(const String& AClassName, TClass BaseClass)
{
    TClass cls = GetClass(AClassName);
    if (!cls)
        throw ERurReaderException(Format(u"Type \"%s\" not found", {AClassName}));
    if (BaseClass && !cls->InheritsFrom(BaseClass))
        throw ERurReaderException(Format(u"Type \"%s\" does not inherit from %s", {AClassName, BaseClass->ClassName()}));
    if (cls->InheritsFrom(TComponent::StaticClass()) && cls->HasComponentConstructor())
        return std::unique_ptr<TObject>(cls->CreateComponent(nullptr));
    if (cls->InheritsFrom(TCollectionItem::StaticClass()) && cls->HasItemConstructor())
        return std::unique_ptr<TObject>(cls->CreateItem(nullptr));
    if (cls->InheritsFrom(TPersistent::StaticClass()) && cls->HasPlainConstructor())
        return cls->Create();
    throw ERurReaderException(Format(u"Type \"%s\" not supported", {AClassName}));
}

void TRurPersistence::SaveSettingsToStream(TObject* AObject, TStream& AStream)
{
    // The writer hands its text over when freed, also while an exception unwinds: it writes to a
    // buffer of its own, so that a failed save leaves the caller's stream untouched.
    TMemoryStream text;
    {
        TRurWriter writer(text);
        TDotSeparatorsScope separators;
        writer.SetIOReference(IOReference());
        writer.SetRootObject(RootObject());
        writer.SetOnCustomWriteProperty(
            [](TObject* AObj, const String& AName, TTypeKind AKind, TRurJSONWriter& AWriter, bool& ACanWrite) {
                if (OnCustomWriteProperty())
                    OnCustomWriteProperty()(AObj, AName, AKind, AWriter, ACanWrite);
            });
        writer.Write(AObject);
    }
    text.SaveToStream(AStream);
}

void TRurPersistence::SaveSettingsToFile(TObject* AObject, const String& AFileName)
{
    TMemoryStream stream;
    SaveSettingsToStream(AObject, stream);
    stream.SaveToFile(AFileName);
}

void TRurPersistence::LoadSettingsFromStream(TObject* AObject, TStream& AStream)
{
    AStream.SetPosition(0);
    TRurReader reader(AStream);
    TDotSeparatorsScope separators;
    reader.SetIOReference(IOReference());
    reader.SetRootObject(RootObject());
    reader.SetOnCustomReadProperty(
        [](TObject* AObj, const String& AName, TTypeKind AKind, TRurJSONReader& AReader, bool& ACanRead) {
            if (OnCustomReadProperty())
                OnCustomReadProperty()(AObj, AName, AKind, AReader, ACanRead);
        });
    reader.Read(AObject);
}

void TRurPersistence::LoadSettingsFromFile(TObject* AObject, const String& AFileName)
{
    TMemoryStream stream;
    stream.LoadFromFile(AFileName);
    LoadSettingsFromStream(AObject, stream);
}

const String& TRurPersistence::ClassNameKey() { return Settings().ClassNameKey; }
void TRurPersistence::SetClassNameKey(const String& AKey) { Settings().ClassNameKey = AKey; }
const TRurExcludePropertyListArray& TRurPersistence::ExcludeProperties() { return Settings().ExcludeProperties; }
void TRurPersistence::SetExcludeProperties(const TRurExcludePropertyListArray& AList) { Settings().ExcludeProperties = AList; }
TObject* TRurPersistence::IOReference() { return Settings().IOReference; }
void TRurPersistence::SetIOReference(TObject* AObject) { Settings().IOReference = AObject; }
TObject* TRurPersistence::RootObject() { return Settings().RootObject; }
void TRurPersistence::SetRootObject(TObject* AObject) { Settings().RootObject = AObject; }
TRurPersistencePlatform& TRurPersistence::Platform() { return Settings().Platform; }

const TRurWriterCustomWritePropertyEvent& TRurPersistence::OnCustomWriteProperty()
{
    return Settings().OnCustomWriteProperty;
}

void TRurPersistence::SetOnCustomWriteProperty(const TRurWriterCustomWritePropertyEvent& AEvent)
{
    Settings().OnCustomWriteProperty = AEvent;
}

const TRurReaderCustomReadPropertyEvent& TRurPersistence::OnCustomReadProperty()
{
    return Settings().OnCustomReadProperty;
}

void TRurPersistence::SetOnCustomReadProperty(const TRurReaderCustomReadPropertyEvent& AEvent)
{
    Settings().OnCustomReadProperty = AEvent;
}

bool TRurPersistence::CanSaveProperty(TObject& AObject, const TPropInfo& AProp)
{
    IRurPersistence* hooks;
    if (Supports(&AObject, IRurPersistence::IID, hooks))
        return hooks->CanSaveProperty(&AObject, AProp.Name, AProp.Type.Kind);
    return TRurUtils::IndexOfTextInArray(AProp.Name, ExcludeProperties()) < 0;
}

bool TRurPersistence::CanLoadProperty(TObject& AObject, const TPropInfo& AProp)
{
    IRurPersistence* hooks;
    if (Supports(&AObject, IRurPersistence::IID, hooks))
        return hooks->CanLoadProperty(&AObject, AProp.Name, AProp.Type.Kind);
    return TRurUtils::IndexOfTextInArray(AProp.Name, ExcludeProperties()) < 0;
}

void RurPersistenceInitialize()
{
    TRurPersistence::SetClassNameKey(u"$type");
}

void RurPersistenceFinalize()
{
    TRurPersistence::SetClassNameKey(String());
    TRurPersistence::SetExcludeProperties({});
}
