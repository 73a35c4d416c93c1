#include "RurObjectJSON.h"

#include <utility>

#include "RurPersistence.h"
#include "RurUtils.h"

namespace {

// Puts a unit-wide setting back when the call ends, also by an exception.
template <class T>
class TSettingScope {
public:
    TSettingScope(T AOld, void (*ASet)(T), T AValue) : FSet(ASet), FOld(std::move(AOld)) { FSet(std::move(AValue)); }
    ~TSettingScope() { FSet(FOld); }
    TSettingScope(const TSettingScope&) = delete;
    TSettingScope& operator=(const TSettingScope&) = delete;

private:
    void (*FSet)(T);
    T FOld;
};

} // namespace

String RurObjectToJSON(TObject& AObject)
{
    TStringStream stream;
    TRurPersistence::SaveSettingsToStream(&AObject, stream);
    return stream.DataString();
}

String RurObjectToJSON(TObject& AObject, const TRurObjectExcludePropertyListArray& AExcludedProperties)
{
    TSettingScope<TRurExcludePropertyListArray> excluded(
        TRurPersistence::ExcludeProperties(), [](TRurExcludePropertyListArray v) { TRurPersistence::SetExcludeProperties(v); },
        AExcludedProperties);
    return RurObjectToJSON(AObject);
}

void RurObjectFromJSON(TObject& AObject, const String& AValue)
{
    TSettingScope<String> key(TRurPersistence::ClassNameKey(), [](String v) { TRurPersistence::SetClassNameKey(v); },
                              String());
    // The object becomes the IO reference only when it can create the nested objects: an IO
    // reference without the hooks would make the reader drop every list and collection item.
    IRurObjectCreator* creator;
    IRurPersistenceIO* io;
    const bool hooks = Supports(&AObject, IRurObjectCreator::IID, creator) || Supports(&AObject, IRurPersistenceIO::IID, io);
    TSettingScope<TObject*> target(TRurPersistence::IOReference(), TRurPersistence::SetIOReference,
                                   hooks ? &AObject : TRurPersistence::IOReference());
    TStringStream stream(AValue);
    TRurPersistence::LoadSettingsFromStream(&AObject, stream);
}

void RurObjectLog(TObject& AObject)
{
    TRurUtils::Log(RurObjectToJSON(AObject));
}

void RurObjectSaveToJSONFile(TObject& AObject, const String& AFileName)
{
    TRurPersistence::SaveSettingsToFile(&AObject, AFileName);
}

void RurObjectLoadFromJSONFile(TObject& AObject, const String& AFileName)
{
    TRurPersistence::LoadSettingsFromFile(&AObject, AFileName);
}

void RurObjectSaveToJSONStream(TObject& AObject, TStream& AStream)
{
    TRurPersistence::SaveSettingsToStream(&AObject, AStream);
}

void RurObjectLoadFromJSONStream(TObject& AObject, TStream& AStream)
{
    TRurPersistence::LoadSettingsFromStream(&AObject, AStream);
}
