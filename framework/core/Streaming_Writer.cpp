#include <cstring>

#include "Streaming.h"

namespace {

bool IsAscii(const String& s)
{
    for (Char c : s)
        if (c >= 0x80)
            return false;
    return true;
}

} // namespace

void TWriter::WriteRootComponent(TComponent* root)
{
    FRoot = root;
    FLookupRoot = root;
    WriteSignature();
    WriteComponent(root);
}

void TWriter::WriteSignature()
{
    WriteBytes("TPF0", 4);
}

void TWriter::WriteComponent(TComponent* component)
{
    component->WriteState(*this);
}

void TWriter::WriteData(TComponent* instance)
{
    WriteStr(instance->ClassName());
    WriteStr(instance->Name());
    WriteProperties(instance);
    WriteListEnd();
    instance->GetChildren([this](TComponent* child) { WriteComponent(child); }, FRoot);
    WriteListEnd();
}

void TWriter::WriteProperties(TPersistent* instance)
{
    for (const TPropInfo* prop : instance->ClassType()->Table().DeclaredProperties())
        if (prop->HasGetter() && IsStoredProp(*instance, *prop))
            WriteProperty(instance, *prop);
    instance->DefineProperties(*this);
}

void TWriter::WriteProperty(TPersistent* instance, const TPropInfo& prop)
{
    const TTypeInfo& type = prop.Type;
    switch (type.Kind) {
    case tkInteger: case tkChar: case tkWChar: case tkEnumeration: case tkSet: {
        Int64 value = GetOrdProp(*instance, prop);
        if (prop.Default != NoDefault && value == prop.Default)
            return;
        WritePropName(prop.Name);
        String ident;
        if (type.Kind == tkEnumeration && type.IsBoolean())
            WriteBoolean(value != 0);
        else if (type.Kind == tkEnumeration)
            WriteIdent(GetEnumName(type, value));
        else if (type.Kind == tkSet)
            WriteSet(*type.Enum, value);
        else if (type.Kind == tkInteger && IntToIdent(type.Name, value, ident))
            WriteIdent(ident);
        else if (type.Kind == tkInteger)
            WriteInteger(value);
        else
            WriteString(String(1, static_cast<Char>(value)));
        return;
    }
    case tkInt64: {
        Int64 value = GetInt64Prop(*instance, prop);
        if (value != 0) {
            WritePropName(prop.Name);
            WriteInteger(value);
        }
        return;
    }
    case tkFloat: {
        double value = GetFloatProp(*instance, prop);
        if (value == 0)
            return;
        WritePropName(prop.Name);
        if (type.FloatType == ftSingle)
            WriteSingle(static_cast<float>(value));
        else if (type.Name == u"TDateTime" || type.Name == u"TDate" || type.Name == u"TTime")
            WriteDate(value);
        else
            WriteFloat(value);
        return;
    }
    case tkUString: {
        String value = GetStrProp(*instance, prop);
        if (!value.empty()) {
            WritePropName(prop.Name);
            WriteString(value);
        }
        return;
    }
    case tkMethod: {
        // Only handlers that are published methods of the root can be named.
        TMethod method = GetMethodProp(*instance, prop);
        if (method && method.Data == FLookupRoot) {
            String name = FLookupRoot->MethodName(method.Code);
            if (!name.empty()) {
                WritePropName(prop.Name);
                WriteIdent(name);
            }
        }
        return;
    }
    case tkClass:
        WriteObjectProperty(prop, GetObjectProp(*instance, prop));
        return;
    default:
        return;
    }
}

void TWriter::WriteObjectProperty(const TPropInfo& prop, TObject* value)
{
    if (!value)
        return;
    if (auto* component = dynamic_cast<TComponent*>(value)) {
        String reference = ComponentReference(component);
        if (!reference.empty()) {
            WritePropName(prop.Name);
            WriteIdent(reference);
        }
    } else if (auto* collection = dynamic_cast<TCollection*>(value)) {
        if (collection->Count() == 0)
            return;
        WritePropName(prop.Name);
        WriteCollection(collection);
    } else if (auto* persistent = dynamic_cast<TPersistent*>(value)) {
        // A nested object: its properties under the property's name ("Font.Style").
        String saved = FPropPath;
        FPropPath += prop.Name + u".";
        WriteProperties(persistent);
        FPropPath = saved;
    }
}

String TWriter::ComponentReference(TComponent* component) const
{
    if (component->Owner() == FLookupRoot)
        return component->Name();
    if (component == FLookupRoot)
        return u"Owner";
    if (component->Owner() && !component->Owner()->Name().empty() && !component->Name().empty())
        return component->Owner()->Name() + u"." + component->Name();
    return String();
}

void TWriter::WriteCollection(TCollection* collection)
{
    WriteValue(vaCollection);
    String saved = FPropPath;
    FPropPath.clear();
    for (int i = 0; i < collection->Count(); ++i) {
        WriteListBegin();
        WriteProperties(collection->Items(i));
        WriteListEnd();
    }
    FPropPath = saved;
    WriteListEnd();
}

void TWriter::DefineProperty(const String& name, const TReaderProc&, const TWriterProc& write, bool hasData)
{
    if (hasData && write) {
        WritePropName(name);
        write(*this);
    }
}

void TWriter::DefineBinaryProperty(const String& name, const TStreamProc&, const TStreamProc& write, bool hasData)
{
    if (!hasData || !write)
        return;
    WritePropName(name);
    TMemoryStream data;
    write(data);
    if (data.Size() > INT32_MAX)
        throw EWriteError(u"Binary property " + name + u" is too large");
    WriteValue(vaBinary);
    std::int32_t size = static_cast<std::int32_t>(data.Size());
    WriteBytes(&size, 4);
    WriteBytes(data.Memory(), static_cast<size_t>(size));
}

void TWriter::WritePropName(const String& name)
{
    WriteStr(FPropPath + name);
}

void TWriter::WriteInteger(Int64 value)
{
    if (value >= INT8_MIN && value <= INT8_MAX) {
        WriteValue(vaInt8);
        std::int8_t v = static_cast<std::int8_t>(value);
        WriteBytes(&v, 1);
    } else if (value >= INT16_MIN && value <= INT16_MAX) {
        WriteValue(vaInt16);
        std::int16_t v = static_cast<std::int16_t>(value);
        WriteBytes(&v, 2);
    } else if (value >= INT32_MIN && value <= INT32_MAX) {
        WriteValue(vaInt32);
        std::int32_t v = static_cast<std::int32_t>(value);
        WriteBytes(&v, 4);
    } else {
        WriteValue(vaInt64);
        WriteBytes(&value, 8);
    }
}

void TWriter::WriteFloat(double value)
{
    WriteValue(vaDouble);
    WriteBytes(&value, 8);
}

void TWriter::WriteSingle(float value)
{
    WriteValue(vaSingle);
    WriteBytes(&value, 4);
}

void TWriter::WriteDate(double value)
{
    WriteValue(vaDate);
    WriteBytes(&value, 8);
}

void TWriter::WriteString(const String& value)
{
    if (IsAscii(value)) {
        std::string bytes(value.begin(), value.end());
        if (bytes.size() <= 255) {
            WriteValue(vaString);
            Byte n = static_cast<Byte>(bytes.size());
            WriteBytes(&n, 1);
        } else {
            WriteValue(vaLString);
            std::int32_t n = static_cast<std::int32_t>(bytes.size());
            WriteBytes(&n, 4);
        }
        WriteBytes(bytes.data(), bytes.size());
        return;
    }
    WriteValue(vaWString);
    std::int32_t n = static_cast<std::int32_t>(value.size());
    WriteBytes(&n, 4);
    for (Char c : value) {
        Byte pair[2] = {static_cast<Byte>(c & 0xFF), static_cast<Byte>(c >> 8)};
        WriteBytes(pair, 2);
    }
}

void TWriter::WriteIdent(const String& ident)
{
    if (SameText(ident, u"False"))
        WriteValue(vaFalse);
    else if (SameText(ident, u"True"))
        WriteValue(vaTrue);
    else if (SameText(ident, u"nil"))
        WriteValue(vaNil);
    else {
        WriteValue(vaIdent);
        WriteStr(ident);
    }
}

void TWriter::WriteSet(const TEnumInfo& element, Int64 bits)
{
    WriteValue(vaSet);
    for (int i = 0; i < element.Count() && i < 32; ++i)
        if (bits & (Int64(1) << i))
            WriteStr(element.Name(i));
    WriteStr(String());
}

void TWriter::WriteStr(const String& value)
{
    std::string bytes = ToUtf8(value);
    if (bytes.size() > 255)
        throw EWriteError(u"Name too long for the component stream: " + value);
    Byte n = static_cast<Byte>(bytes.size());
    WriteBytes(&n, 1);
    WriteBytes(bytes.data(), bytes.size());
}

void TWriter::WriteValue(TValueType value)
{
    Byte b = value;
    WriteBytes(&b, 1);
}

void TWriter::WriteBytes(const void* data, size_t count)
{
    if (count > 0)
        FStream.WriteBuffer(data, static_cast<Int64>(count));
}
