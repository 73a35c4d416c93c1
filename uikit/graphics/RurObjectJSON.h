#pragma once
// Saving any object as JSON, loading it back and logging it: the one implementation behind the
// ToJSON, FromJSON, SaveToJSON..., LoadFromJSON..., Log and JSON members that the UI kit's classes
// offer. A class gets those members by deriving from TRurJSONObject<itself> as well.
#include <vector>

#include "Streams.h"

// Names of properties left out of one ToJSON.
using TRurObjectExcludePropertyListArray = std::vector<String>;

// The object's published properties as JSON text.
String RurObjectToJSON(TObject& AObject);
// The same, with the unit-wide exclude list replaced by AExcludedProperties for this save.
String RurObjectToJSON(TObject& AObject, const TRurObjectExcludePropertyListArray& AExcludedProperties);
// Loads the top-level JSON object into the object itself: no class-name member is needed.
void RurObjectFromJSON(TObject& AObject, const String& AValue);
// ToJSON to the debugger output.
void RurObjectLog(TObject& AObject);
void RurObjectSaveToJSONFile(TObject& AObject, const String& AFileName);
void RurObjectLoadFromJSONFile(TObject& AObject, const String& AFileName);
void RurObjectSaveToJSONStream(TObject& AObject, TStream& AStream);
void RurObjectLoadFromJSONStream(TObject& AObject, TStream& AStream);

template <class Self>
class TRurJSONObject {
public:
    String ToJSON() { return RurObjectToJSON(Object()); }
    String ToJSON(const TRurObjectExcludePropertyListArray& AExcludedProperties)
    {
        return RurObjectToJSON(Object(), AExcludedProperties);
    }
    void FromJSON(const String& AValue) { RurObjectFromJSON(Object(), AValue); }
    void Log() { RurObjectLog(Object()); }
    void SaveToJSONFile(const String& AFileName) { RurObjectSaveToJSONFile(Object(), AFileName); }
    void LoadFromJSONFile(const String& AFileName) { RurObjectLoadFromJSONFile(Object(), AFileName); }
    void SaveToJSONStream(TStream& AStream) { RurObjectSaveToJSONStream(Object(), AStream); }
    void LoadFromJSONStream(TStream& AStream) { RurObjectLoadFromJSONStream(Object(), AStream); }
    String JSON() { return ToJSON(); }
    void SetJSON(const String& AValue) { FromJSON(AValue); }

protected:
    ~TRurJSONObject() = default;

private:
    TObject& Object() { return static_cast<Self&>(*this); }
};
