#pragma once
// Saves any object as JSON by walking its published properties, and restores it again.
//
// RurPersistence.cpp holds the type tests, the unit-wide settings, object creation and the entry
// points; RurPersistence_Writer.cpp the writer; RurPersistence_Reader.cpp the reader.
#include <memory>
#include <vector>

#include "Classes.h"
#include "Generics.Collections.h"
#include "RurJSONReader.h"
#include "RurJSONWriter.h"
#include "RurObjectJSON.h"
#include "TypInfo.h"

using TRurExcludePropertyListArray = std::vector<String>;
using TRurObjectArray = std::vector<TObject*>;

using TRurWriterCustomWritePropertyEvent =
    TEvent<TObject* /*AObject*/, const String& /*APropertyName*/, TTypeKind /*APropertyKind*/,
           TRurJSONWriter& /*AWriter*/, bool& /*ACanWrite*/>;
using TRurWriterCustomIsAssignablePropertyEvent =
    TEvent<TObject* /*AObject*/, const String& /*APropertyName*/, bool& /*AIsAssignable*/>;
using TRurReaderCustomReadPropertyEvent =
    TEvent<TObject* /*AObject*/, const String& /*APropertyName*/, TTypeKind /*APropertyKind*/,
           TRurJSONReader& /*AReader*/, bool& /*ACanRead*/>;

TAVIN_EXCEPTION(ERurReaderException, Exception);

// Hooks an application implements on the IO reference object, on a persisted object or on a list.

class IRurPersistenceIO {
public:
    TAVIN_GUID("{11B625F8-447A-4AE5-BB88-5ECDEA979AF7}");
    virtual TObject* CreateObject(const String& AClassName, TClass ABaseClass) = 0;
    // True when objects of the class are written as a reference text instead of in full.
    virtual bool NeedsObjectReference(TClass AClass) = 0;
    virtual String GetObjectReference(TObject* AObject) = 0;
    virtual TObject* FindObject(const String& AReference) = 0;
    // Told each object that was read into a list.
    virtual void FixOwners(TObject* AObject, TObject* AObjectList) = 0;

protected:
    ~IRurPersistenceIO() = default;
};

// Preferred to IRurPersistenceIO for creating objects.
class IRurObjectCreator {
public:
    TAVIN_GUID("{91DEAFC3-8932-45F4-A3ED-5AAA0C0E9250}");
    virtual TObject* CreateObject(const String& AClassName, TClass ABaseClass) = 0;

protected:
    ~IRurObjectCreator() = default;
};

// On a persisted object: its answers replace the exclude list for that object.
class IRurPersistence {
public:
    TAVIN_GUID("{363F04AF-B8A7-4C47-A2D6-8ED9C44CEFF6}");
    virtual bool CanSaveProperty(TObject* AObject, const String& APropertyName, TTypeKind APropertyKind) = 0;
    virtual bool CanLoadProperty(TObject* AObject, const String& APropertyName, TTypeKind APropertyKind) = 0;

protected:
    ~IRurPersistence() = default;
};

// On a list, dictionary or collection: the class of the items to create when reading.
class IRurBaseListIO {
public:
    TAVIN_GUID("{FAB1D21E-D798-4CE0-B17B-9D75E4456AB4}");
    virtual TClass GetItemClass() = 0;

protected:
    ~IRurBaseListIO() = default;
};

// On a collection: adds and returns a new item for the object read.
class IRurBaseCollectionIO {
public:
    TAVIN_GUID("{90FDF257-7362-411D-B7F6-E2BEE2265016}");
    virtual TCollectionItem* AddItem(TObject* AObject) = 0;

protected:
    ~IRurBaseCollectionIO() = default;
};

// What the persistence needs of the window framework, which the portable build does not have: the
// current RGB of system colours and the data of pictures. The Win32 side fills it in at start-up;
// without it colours keep their low 24 bits and pictures are written empty and not loaded.
struct TRurPersistencePlatform {
    int (*ColorToRGB)(int AColor) = nullptr;
    bool (*IsPictureEmpty)(TObject& APicture) = nullptr;
    void (*SavePictureToStream)(TObject& APicture, TStream& AStream) = nullptr;
    // The picture recognises the format of the data.
    void (*LoadPictureFromStream)(TObject& APicture, TStream& AStream) = nullptr;
};

// Colours with no RGB of their own; written by name so that they read back as themselves.
constexpr int RurColorNone = 0x1FFFFFFF;
constexpr int RurColorDefault = 0x20000000;

// The class tests, each asking Self::IsDescendingClass: a persistence class that declares its own
// IsDescendingClass refines them all (see TRurPersistenceDescendant).
template <class Self>
class TRurPersistenceTypeTests {
public:
    static bool IsList(TClass AClass) { return Self::IsDescendingClass(AClass, {u"TList"}); }
    static bool IsCollection(TClass AClass) { return Self::IsDescendingClass(AClass, {u"TCollection"}); }
    static bool IsStrings(TClass AClass) { return Self::IsDescendingClass(AClass, {u"TStrings"}); }
    static bool IsBitmap(TClass AClass) { return Self::IsDescendingClass(AClass, {u"TBitmap", u"TPicture", u"TRurBitmap"}); }
    static bool IsComponent(TClass AClass) { return Self::IsDescendingClass(AClass, {u"TComponent", u"TRurCustomComponent"}); }
    static bool IsControl(TClass AClass) { return Self::IsDescendingClass(AClass, {u"TControl"}); }
    static bool IsFont(TClass AClass) { return Self::IsDescendingClass(AClass, {u"TFont"}); }

protected:
    ~TRurPersistenceTypeTests() = default;
};

// Type tests shared by both directions, the unit-wide settings, and the entry points. The writer
// and the reader ask TRurPersistence itself, whatever its descendants refine.
class TRurPersistence : public TObject, public TRurPersistenceTypeTests<TRurPersistence> {
public:
    TRurPersistence() = delete;

    static TTypeKind GetPropInfoType(const TPropInfo& APropInfo) { return APropInfo.Type.Kind; }
    static const String& GetPropInfoName(const TPropInfo& APropInfo) { return APropInfo.Name; }
    static const String& GetPropInfoTypeName(const TPropInfo& APropInfo) { return APropInfo.Type.Name; }
    // The element enumeration of an enumeration or set property (recognises Boolean).
    static const TEnumInfo* GetPropInfoDataTypeInfo(const TPropInfo& APropInfo) { return APropInfo.Type.Enum; }
    static TClass GetPropInfoDataTypeInfoClassType(const TPropInfo& APropInfo) { return APropInfo.Type.ClassType; }
    static String GetEnumName(const TTypeInfo& ATypeInfo, Int64 AValue) { return ::GetEnumName(ATypeInfo, AValue); }
    // Adds the value names of an enumeration property or of a set property's elements.
    static void GetEnumValues(TStrings& AValues, const TPropInfo& APropInfo);
    static bool IsWriteOnly(const TPropInfo& APropInfo) { return !APropInfo.HasGetter(); }
    static bool IsReadOnly(const TPropInfo& APropInfo) { return !APropInfo.HasSetter(); }
    // Class-typed, holding none or a component.
    static bool IsAssignableProperty(const TObject& AObject, const TPropInfo& APropInfo);

    // The class or an ancestor has one of the names (letter case counts).
    static bool IsDescendingClass(TClass AClass, std::initializer_list<const Char*> AClassParentList);
    // "TList<..." or "TObjectList<..." (any case), containing AType (any case) when it is given.
    static bool IsGenericList(TClass AClass, const String& AType = String());
    // "TDictionary<..." or "TObjectDictionary<..." (any case).
    static bool IsGenericDictionary(TClass AClass);
    static bool IsColor(const String& ATypeName);
    static bool IsStrokeKind(const String& ATypeName) { return ATypeName == u"TRurGraphicsStrokeKind"; }
    static bool IsFillKind(const String& ATypeName) { return ATypeName == u"TRurGraphicsFillKind"; }
    static bool IsDate(const String& ATypeName) { return ATypeName == u"TDate"; }
    static bool IsDateTime(const String& ATypeName) { return ATypeName == u"TDateTime"; }
    static bool IsTime(const String& ATypeName) { return ATypeName == u"TTime"; }

    // A new object of the registered class of that name, which must descend from BaseClass when
    // one is given; raises ERurReaderException. The caller owns it.
    static std::unique_ptr<TObject> CreateObject(const String& AClassName, TClass BaseClass);

    // The text reaches the stream, at its position, only when the whole save succeeded.
    static void SaveSettingsToStream(TObject* AObject, TStream& AStream);
    static void SaveSettingsToFile(TObject* AObject, const String& AFileName);
    // Reads from the stream's start; pending references are not resolved.
    static void LoadSettingsFromStream(TObject* AObject, TStream& AStream);
    static void LoadSettingsFromFile(TObject* AObject, const String& AFileName);

    // Unit-wide settings, one set for the process.
    static const String& ClassNameKey();
    static void SetClassNameKey(const String& AKey);
    static const TRurExcludePropertyListArray& ExcludeProperties();
    static void SetExcludeProperties(const TRurExcludePropertyListArray& AList);
    static TObject* IOReference();
    static void SetIOReference(TObject* AObject);
    static TObject* RootObject();
    static void SetRootObject(TObject* AObject);
    static const TRurWriterCustomWritePropertyEvent& OnCustomWriteProperty();
    static void SetOnCustomWriteProperty(const TRurWriterCustomWritePropertyEvent& AEvent);
    static const TRurReaderCustomReadPropertyEvent& OnCustomReadProperty();
    static void SetOnCustomReadProperty(const TRurReaderCustomReadPropertyEvent& AEvent);
    static TRurPersistencePlatform& Platform();

    // The property is not in the unit-wide exclude list, or the object's IRurPersistence allows it.
    static bool CanSaveProperty(TObject& AObject, const TPropInfo& AProp);
    static bool CanLoadProperty(TObject& AObject, const TPropInfo& AProp);
};

// The base of a persistence class that refines the type tests: Self declares its own static
// IsDescendingClass, and Self::IsList and the other tests go through it.
template <class Self>
class TRurPersistenceDescendant : public TRurPersistence, public TRurPersistenceTypeTests<Self> {
    using Tests = TRurPersistenceTypeTests<Self>;

public:
    using Tests::IsList;
    using Tests::IsCollection;
    using Tests::IsStrings;
    using Tests::IsBitmap;
    using Tests::IsComponent;
    using Tests::IsControl;
    using Tests::IsFont;
};

// Unit start-up: the class-name key becomes "$type"; finalisation releases the key and the
// exclude list.
void RurPersistenceInitialize();
void RurPersistenceFinalize();
#ifdef _WIN32
// The Win32 step after it (uikit_graphics_win): plugs in the window framework's colours and pictures.
void RurPersistenceWin32Initialize();
#endif

class TRurWriter : public TObject, public TRurJSONObject<TRurWriter> {
    TAVIN_CLASS(TRurWriter, TObject)
public:
    // The text reaches the stream when the writer is destroyed.
    explicit TRurWriter(TStream& AStream);
    ~TRurWriter() override;
    TRurWriter(const TRurWriter&) = delete;
    TRurWriter& operator=(const TRurWriter&) = delete;

    TRurJSONWriter& JSONWriter() const { return *FWriter; }
    // Setting IOReference, RootObject or ExcludeProperties also sets the unit-wide value.
    TObject* IOReference() const { return FIOReference; }
    void SetIOReference(TObject* AValue);
    const TRurWriterCustomWritePropertyEvent& OnCustomWriteProperty() const { return FOnCustomWriteProperty; }
    void SetOnCustomWriteProperty(const TRurWriterCustomWritePropertyEvent& AValue) { FOnCustomWriteProperty = AValue; }
    TObject* RootObject() const { return FRootObject; }
    void SetRootObject(TObject* AValue);
    const TRurExcludePropertyListArray& ExcludeProperties() const { return FExcludeProperties; }
    void SetExcludeProperties(const TRurExcludePropertyListArray& AValue);
    const TRurWriterCustomIsAssignablePropertyEvent& OnCustomIsAssignableProperty() const { return FOnCustomIsAssignableProperty; }
    void SetOnCustomIsAssignableProperty(const TRurWriterCustomIsAssignablePropertyEvent& AValue) { FOnCustomIsAssignableProperty = AValue; }

    // One value: null, a list's array, a picture's text, a reference text or the object form.
    void Write(TObject* AObject);
    // An object whose one member AName holds the objects in object form.
    void WriteArray(const String& AName, const TRurObjectArray& AArray);

private:
    void WriteObjectForm(TObject* AObject);
    void WriteProperty(TObject& AObject, const TPropInfo& AProp);
    void WriteClassProperty(TObject& AObject, const TPropInfo& AProp);
    void WriteSimpleValue(TObject& AObject, const TPropInfo& AProp);
    void WriteColor(int AColor);
    void WriteItemValue(const TPropValue& AValue);
    void WritePicture(TObject& APicture);

    std::unique_ptr<TRurJSONWriter> FWriter;
    TObject* FIOReference = nullptr;
    TRurWriterCustomWritePropertyEvent FOnCustomWriteProperty;
    TObject* FRootObject = nullptr;
    TRurExcludePropertyListArray FExcludeProperties;
    TRurWriterCustomIsAssignablePropertyEvent FOnCustomIsAssignableProperty;
};

// A class property waiting for the object its reference text names.
class TRurObjectReference : public TObject, public TRurJSONObject<TRurObjectReference> {
    TAVIN_CLASS(TRurObjectReference, TObject)
public:
    TRurObjectReference(TObject* AInstance, const TPropInfo* AProp, String AId)
        : FInstance(AInstance), FProp(AProp), FId(std::move(AId))
    {
    }
    TObject* Instance() const { return FInstance; }
    const TPropInfo* Prop() const { return FProp; }
    const String& Id() const { return FId; }

private:
    TObject* FInstance;
    const TPropInfo* FProp;
    String FId;
};

class TRurReader : public TObject, public TRurJSONObject<TRurReader> {
    TAVIN_CLASS(TRurReader, TObject)
public:
    // The JSON reader copies the stream from its position at once.
    explicit TRurReader(TStream& AStream);
    ~TRurReader() override;
    TRurReader(const TRurReader&) = delete;
    TRurReader& operator=(const TRurReader&) = delete;

    TRurJSONReader& JSONReader() const { return *FReader; }
    // Setting IOReference, RootObject or ExcludeProperties also sets the unit-wide value.
    TObject* IOReference() const { return FIOReference; }
    void SetIOReference(TObject* AValue);
    const TRurReaderCustomReadPropertyEvent& OnCustomReadProperty() const { return FOnCustomReadProperty; }
    void SetOnCustomReadProperty(const TRurReaderCustomReadPropertyEvent& AValue) { FOnCustomReadProperty = AValue; }
    TObject* RootObject() const { return FRootObject; }
    void SetRootObject(TObject* AValue);
    const TRurExcludePropertyListArray& ExcludeProperties() const { return FExcludeProperties; }
    void SetExcludeProperties(const TRurExcludePropertyListArray& AValue);
    const TRurWriterCustomIsAssignablePropertyEvent& OnCustomIsAssignableProperty() const { return FOnCustomIsAssignableProperty; }
    void SetOnCustomIsAssignableProperty(const TRurWriterCustomIsAssignablePropertyEvent& AValue) { FOnCustomIsAssignableProperty = AValue; }

    // A new object of the class the text names, which must descend from AClass. Null when the IO
    // reference declines to create one.
    std::unique_ptr<TObject> Read(TClass AClass);
    // Reads into an existing object (a null when there is none).
    void Read(TObject* AObject);
    // The objects of the array member AName of the next object; the caller owns them.
    TRurObjectArray ReadArray(const String& AName);
    // Sets each pending reference to the IO reference's FindObject, in the order recorded.
    void SolveReferences();

private:
    std::unique_ptr<TObject> CreateFromObject(TClass ABaseClass);
    void ReadClassName(String* AClassName);
    void ReadMembers(TObject* AObject);
    void ReadProperty(TObject& AObject, const TPropInfo& AProp);
    void ReadClassProperty(TObject& AObject, const TPropInfo& AProp);
    bool ReadContainer(TObject* AObject, TClass AClass);
    void ReadSimpleValue(TObject& AObject, const TPropInfo& AProp);
    int ReadColor();
    void ReadFontSizeUnit(TObject& AFont, const TPropInfo& ASize);
    TPropValue ReadItemValue(const String& AKind);
    void ReadValueList(IGenericListItems& AList, const String& AKind);
    void ReadStrings(TStrings& AStrings);
    void ReadObjectList(TObject& AList);
    void ReadDictionary(TObject& ADictionary);
    void ReadCollection(TCollection& ACollection);
    void ReadPicture(TObject& APicture);
    TClass ItemClassOf(TObject& AContainer);

    std::vector<std::unique_ptr<TRurObjectReference>> FReferences;
    std::unique_ptr<TRurJSONReader> FReader;
    TObject* FIOReference = nullptr;
    TRurReaderCustomReadPropertyEvent FOnCustomReadProperty;
    TObject* FRootObject = nullptr;
    TRurExcludePropertyListArray FExcludeProperties;
    TRurWriterCustomIsAssignablePropertyEvent FOnCustomIsAssignableProperty;
};
