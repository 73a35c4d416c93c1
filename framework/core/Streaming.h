#pragma once
// Component streaming: the binary component stream (writer and reader), the text form-resource
// format (converted to the binary stream and read by the same reader), and form creation from the
// resource named after a form's class.
#include <functional>
#include <vector>

#include "Classes.h"

// Value tags of the binary stream.
enum TValueType : Byte {
    vaNull, vaList, vaInt8, vaInt16, vaInt32, vaExtended, vaString, vaIdent, vaFalse, vaTrue, vaBinary,
    vaSet, vaLString, vaNil, vaCollection, vaSingle, vaCurrency, vaDate, vaWString, vaInt64, vaUTF8String,
    vaDouble
};

// Flags of an object header: "inherited" (the object exists already), child position, "inline".
enum TFilerFlag : Byte { ffInherited = 1, ffChildPos = 2, ffInline = 4 };

// What the reader and the writer share: DefineProperties talks to either through this.
class TFiler : public TObject {
    TAVIN_CLASS(TFiler, TObject)
public:
    using TReaderProc = std::function<void(TReader&)>;
    using TWriterProc = std::function<void(TWriter&)>;
    using TStreamProc = std::function<void(TStream&)>;

    explicit TFiler(TStream& stream) : FStream(stream) {}
    TStream& Stream() const { return FStream; }
    TComponent* Root() const { return FRoot; }
    TComponent* LookupRoot() const { return FLookupRoot; }

    // A value that is not a published property: written when hasData, read when named.
    virtual void DefineProperty(const String& name, const TReaderProc& read, const TWriterProc& write,
                                bool hasData) = 0;
    // Binary data (vaBinary: a 32-bit length and the bytes).
    virtual void DefineBinaryProperty(const String& name, const TStreamProc& read, const TStreamProc& write,
                                      bool hasData) = 0;

protected:
    TStream& FStream;
    TComponent* FRoot = nullptr;
    TComponent* FLookupRoot = nullptr;
};

class TWriter : public TFiler {
    TAVIN_CLASS(TWriter, TFiler)
public:
    using TFiler::TFiler;

    // The signature, then root with its properties and, through GetChildren, its children.
    void WriteRootComponent(TComponent* root);
    void WriteSignature();
    void WriteComponent(TComponent* component);
    // Header, properties and children of one component (TComponent::WriteState calls this).
    void WriteData(TComponent* instance);
    // The stored published properties that differ from their defaults, then DefineProperties.
    void WriteProperties(TPersistent* instance);
    void WriteCollection(TCollection* collection);

    void DefineProperty(const String& name, const TReaderProc& read, const TWriterProc& write,
                        bool hasData) override;
    void DefineBinaryProperty(const String& name, const TStreamProc& read, const TStreamProc& write,
                              bool hasData) override;

    void WriteListBegin() { WriteValue(vaList); }
    void WriteListEnd() { WriteValue(vaNull); }
    void WriteInteger(Int64 value);
    void WriteBoolean(bool value) { WriteValue(value ? vaTrue : vaFalse); }
    void WriteFloat(double value);
    void WriteSingle(float value);
    void WriteDate(double value);
    void WriteString(const String& value);
    void WriteIdent(const String& ident);
    // A length-prefixed name (UTF-8, at most 255 bytes): class, component and property names.
    void WriteStr(const String& value);
    void WriteValue(TValueType value);

private:
    void WriteProperty(TPersistent* instance, const TPropInfo& prop);
    void WriteObjectProperty(const TPropInfo& prop, TObject* value);
    void WritePropName(const String& name);
    void WriteSet(const TEnumInfo& element, Int64 bits);
    void WriteBytes(const void* data, size_t count);
    String ComponentReference(TComponent* component) const;

    String FPropPath;
};

class TReader : public TFiler {
    TAVIN_CLASS(TReader, TFiler)
public:
    using TFiler::TFiler;

    // Reads a whole stream into root, or into a new component of the stream's class when root is
    // null (the caller owns it). References are resolved and Loaded called at the end. Malformed or
    // truncated input raises EReadError saying what was expected and where.
    TComponent* ReadRootComponent(TComponent* root);
    void ReadSignature();
    // Properties, then child components (TComponent::ReadState calls this).
    void ReadData(TComponent* instance);
    // The component whose children are being read, and the owner of what is created.
    TComponent* Parent() const { return FParent; }
    TComponent* Owner() const { return FOwner; }

    void DefineProperty(const String& name, const TReaderProc& read, const TWriterProc& write,
                        bool hasData) override;
    void DefineBinaryProperty(const String& name, const TStreamProc& read, const TStreamProc& write,
                              bool hasData) override;

    TValueType NextValue();
    TValueType ReadValue();
    bool EndOfList() { return NextValue() == vaNull; }
    void ReadListBegin() { CheckValue(vaList); }
    void ReadListEnd() { CheckValue(vaNull); }
    Int64 ReadInteger();
    bool ReadBoolean();
    double ReadFloat();
    String ReadString();
    String ReadIdent();
    String ReadStr();

private:
    struct TFixup {
        TPersistent* Instance;
        const TPropInfo* Prop;
        String Name;
    };

    TComponent* ReadComponent();
    void ReadProperty(TPersistent* instance);
    void ReadPropValue(TPersistent* instance, const TPropInfo& prop);
    void ReadObjectValue(TPersistent* instance, const TPropInfo& prop);
    void ReadCollection(TCollection* collection);
    Int64 ReadSet(const TEnumInfo& element);
    void ReadPrefix(Byte& flags, Int64& childPos);
    void CheckValue(TValueType expected);
    void ReadBytes(void* data, Int64 count, const char16_t* what);
    Int64 Remaining();
    void ResolveFixups();
    void NameRoot(TComponent* root, const String& name);
    void NameComponent(TComponent* component, const String& name);
    [[noreturn]] void Error(const String& message);
    [[noreturn]] void PropertyError(const String& message);

    TComponent* FOwner = nullptr;
    TComponent* FParent = nullptr;
    std::vector<TComponent*> FLoaded;
    std::vector<TFixup> FFixups;
    std::vector<TCollection*> FReadCollections;
    String FPropName;
    bool FCanHandleDefined = false;
    int FDepth = 0;
};

// The whole of a component tree to a stream, and back.
void WriteComponentToStream(TStream& stream, TComponent* root);
TComponent* ReadComponentFromStream(TStream& stream, TComponent* root);

// Converts the text form-resource format to the binary stream. Raises EReadError with the line
// on malformed text.
void ObjectTextToBinary(TStream& input, TStream& output);
// Reads a form resource, text or binary (recognised by its signature), into root (or a new
// component when root is null).
TComponent* ReadComponentResource(const TBytes& resource, TComponent* root);

// Where form resources come from: given a class name, fills data and returns true when found.
// Win32 resources are read by framework/ui; tests give their own.
using TResourceTextProvider = std::function<bool(const String& className, TBytes& data)>;
void SetFormResourceProvider(TResourceTextProvider provider);
// Reads into instance the resources of its class and of its ancestors below rootAncestor, most
// ancestral first. False when none of them has a resource.
bool InitInheritedComponent(TComponent* instance, TClass rootAncestor);

// Names for the values of an integer type (colours, cursors): written and read as identifiers.
struct TIdentMapEntry {
    Int64 Value;
    String Name;
};
void RegisterIntegerConsts(const String& typeName, std::vector<TIdentMapEntry> map);
bool IdentToInt(const String& typeName, const String& ident, Int64& value);
bool IntToIdent(const String& typeName, Int64 value, String& ident);
