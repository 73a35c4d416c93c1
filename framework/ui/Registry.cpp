#include "Registry.h"

#include <algorithm>
#include <cstring>

#include "WideText.h"

namespace {

TRegDataType DataTypeOf(DWORD type)
{
    switch (type) {
    case REG_SZ:
        return rdString;
    case REG_EXPAND_SZ:
        return rdExpandString;
    case REG_DWORD:
        return rdInteger;
    case REG_BINARY:
        return rdBinary;
    default:
        return rdUnknown;
    }
}

[[noreturn]] void RaiseRegistry(const Char* format, const String& name)
{
    throw ERegistryException::CreateFmt(format, {name});
}

bool IsAbsolute(const String& key)
{
    return !key.empty() && key[0] == u'\\';
}

String WithoutLeadingBackslash(const String& key)
{
    return IsAbsolute(key) ? key.substr(1) : key;
}

// The text of a string value's bytes, up to its first null character.
String StringOfData(const TBytes& data)
{
    String text(data.size() / sizeof(Char), u'\0');
    std::memcpy(text.data(), data.data(), text.size() * sizeof(Char));
    return text.substr(0, text.find(u'\0'));
}

String JoinPath(const String& parent, const String& child)
{
    if (parent.empty() || child.empty())
        return parent + child;
    return parent + u"\\" + child;
}

// Adds the names that enumerate(index, buffer, length) gives for index 0 to count - 1; maxLength is
// the longest name's length without its null character.
template <class Enumerate>
void AddNames(DWORD count, DWORD maxLength, TStrings& strings, Enumerate enumerate)
{
    std::wstring name(maxLength + 1, L'\0');
    for (DWORD i = 0; i < count; ++i) {
        DWORD length = maxLength + 1;
        if (enumerate(i, name.data(), &length) == ERROR_SUCCESS)
            strings.Add(FromWidePtr(name.substr(0, length).c_str()));
    }
}

constexpr REGSAM Wow64Bits = KEY_WOW64_32KEY | KEY_WOW64_64KEY;

} // namespace

TRegistry::TRegistry() : TRegistry(KEY_ALL_ACCESS) {}

TRegistry::TRegistry(REGSAM access) : FAccess(access) {}

TRegistry::~TRegistry()
{
    CloseKey();
}

void TRegistry::SetRootKey(HKEY value)
{
    if (value != FRootKey) {
        CloseKey();
        FRootKey = value;
    }
}

HKEY TRegistry::BaseKey(const String& key) const
{
    return FCurrentKey && !IsAbsolute(key) ? FCurrentKey : FRootKey;
}

void TRegistry::ChangeKey(HKEY key, const String& path)
{
    CloseKey();
    FCurrentKey = key;
    FCurrentPath = path;
}

HKEY TRegistry::Open(const String& key, REGSAM access, bool create) const
{
    String path = WithoutLeadingBackslash(key);
    HKEY opened = nullptr;
    // Creating an empty path would open the base key itself: that is plain opening.
    LSTATUS status = create && !path.empty()
                         ? RegCreateKeyExW(BaseKey(key), WidePtr(path), 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                                           nullptr, &opened, nullptr)
                         : RegOpenKeyExW(BaseKey(key), WidePtr(path), 0, access, &opened);
    return status == ERROR_SUCCESS ? opened : nullptr;
}

bool TRegistry::OpenAndChange(const String& key, REGSAM access, bool create)
{
    HKEY opened = Open(key, access, create);
    if (!opened)
        return false;
    String path = WithoutLeadingBackslash(key);
    ChangeKey(opened, FCurrentKey && !IsAbsolute(key) ? JoinPath(FCurrentPath, path) : path);
    return true;
}

bool TRegistry::OpenKey(const String& key, bool canCreate)
{
    return OpenAndChange(key, FAccess, canCreate);
}

bool TRegistry::OpenKeyReadOnly(const String& key)
{
    return OpenAndChange(key, KEY_READ | (FAccess & Wow64Bits), false);
}

void TRegistry::CloseKey()
{
    if (!FCurrentKey)
        return;
    if (!FLazyWrite)
        RegFlushKey(FCurrentKey);
    RegCloseKey(FCurrentKey);
    FCurrentKey = nullptr;
    FCurrentPath.clear();
}

bool TRegistry::CreateKey(const String& key)
{
    HKEY created = Open(key, FAccess, true);
    if (!created)
        RaiseRegistry(u"Failed to create key %s", key);
    RegCloseKey(created);
    return true;
}

bool TRegistry::DeleteKey(const String& key)
{
    String path = WithoutLeadingBackslash(key);
    // An empty path would empty the base key itself.
    return !path.empty() && RegDeleteTreeW(BaseKey(key), WidePtr(path)) == ERROR_SUCCESS;
}

bool TRegistry::DeleteValue(const String& name)
{
    return RegDeleteValueW(FCurrentKey, WidePtr(name)) == ERROR_SUCCESS;
}

bool TRegistry::KeyExists(const String& key)
{
    HKEY opened = Open(key, STANDARD_RIGHTS_READ | KEY_QUERY_VALUE | (FAccess & Wow64Bits), false);
    if (opened)
        RegCloseKey(opened);
    return opened != nullptr;
}

bool TRegistry::ValueExists(const String& name)
{
    TRegDataInfo info;
    return GetDataInfo(name, info);
}

bool TRegistry::HasSubKeys()
{
    DWORD subKeys = 0;
    return RegQueryInfoKeyW(FCurrentKey, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, nullptr, nullptr,
                            nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
           subKeys > 0;
}

void TRegistry::GetKeyNames(TStrings& strings)
{
    strings.Clear();
    DWORD count = 0, maxLength = 0;
    if (RegQueryInfoKeyW(FCurrentKey, nullptr, nullptr, nullptr, &count, &maxLength, nullptr, nullptr, nullptr,
                         nullptr, nullptr, nullptr) == ERROR_SUCCESS)
        AddNames(count, maxLength, strings, [&](DWORD i, wchar_t* name, DWORD* length) {
            return RegEnumKeyExW(FCurrentKey, i, name, length, nullptr, nullptr, nullptr, nullptr);
        });
}

void TRegistry::GetValueNames(TStrings& strings)
{
    strings.Clear();
    DWORD count = 0, maxLength = 0;
    if (RegQueryInfoKeyW(FCurrentKey, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, &maxLength,
                         nullptr, nullptr, nullptr) == ERROR_SUCCESS)
        AddNames(count, maxLength, strings, [&](DWORD i, wchar_t* name, DWORD* length) {
            return RegEnumValueW(FCurrentKey, i, name, length, nullptr, nullptr, nullptr, nullptr);
        });
}

bool TRegistry::GetDataInfo(const String& valueName, TRegDataInfo& value)
{
    DWORD type = REG_NONE, size = 0;
    value = {rdUnknown, 0};
    if (RegQueryValueExW(FCurrentKey, WidePtr(valueName), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return false;
    value = {DataTypeOf(type), static_cast<int>(size)};
    return true;
}

TRegDataType TRegistry::GetDataType(const String& valueName)
{
    TRegDataInfo info;
    GetDataInfo(valueName, info);
    return info.RegData;
}

int TRegistry::GetDataSize(const String& valueName)
{
    TRegDataInfo info;
    return GetDataInfo(valueName, info) ? info.DataSize : -1;
}

TBytes TRegistry::ReadData(const String& name, std::initializer_list<TRegDataType> accepted)
{
    TRegDataInfo info;
    if (!GetDataInfo(name, info))
        RaiseRegistry(u"Failed to get data for '%s'", name);
    if (std::find(accepted.begin(), accepted.end(), info.RegData) == accepted.end())
        RaiseRegistry(u"Invalid data type for '%s'", name);
    TBytes data(static_cast<size_t>(info.DataSize));
    DWORD size = static_cast<DWORD>(data.size());
    if (RegQueryValueExW(FCurrentKey, WidePtr(name), nullptr, nullptr, data.data(), &size) != ERROR_SUCCESS)
        RaiseRegistry(u"Failed to get data for '%s'", name);
    data.resize(size);
    return data;
}

String TRegistry::ReadString(const String& name)
{
    if (GetDataSize(name) <= 0)
        return String();
    return StringOfData(ReadData(name, {rdString, rdExpandString}));
}

int TRegistry::ReadInteger(const String& name)
{
    TBytes data = ReadData(name, {rdInteger});
    int value = 0;
    if (data.size() != sizeof value)
        RaiseRegistry(u"Invalid data type for '%s'", name);
    std::memcpy(&value, data.data(), sizeof value);
    return value;
}

double TRegistry::ReadFloat(const String& name)
{
    TBytes data = ReadData(name, {rdBinary});
    double value = 0;
    if (data.size() != sizeof value)
        RaiseRegistry(u"Invalid data type for '%s'", name);
    std::memcpy(&value, data.data(), sizeof value);
    return value;
}

int TRegistry::ReadBinaryData(const String& name, void* buffer, int bufSize)
{
    if (!ValueExists(name))
        return 0;
    TBytes data = ReadData(name, {rdBinary, rdUnknown});
    if (static_cast<Int64>(data.size()) > bufSize)
        RaiseRegistry(u"Invalid data type for '%s'", name);
    if (!data.empty())
        std::memcpy(buffer, data.data(), data.size());
    return static_cast<int>(data.size());
}

void TRegistry::WriteData(const String& name, const void* buffer, DWORD size, DWORD type)
{
    if (RegSetValueExW(FCurrentKey, WidePtr(name), 0, type, static_cast<const BYTE*>(buffer), size) != ERROR_SUCCESS)
        RaiseRegistry(u"Failed to set data for '%s'", name);
}

void TRegistry::WriteString(const String& name, const String& value)
{
    WriteData(name, value.c_str(), static_cast<DWORD>((value.size() + 1) * sizeof(Char)), REG_SZ);
}

void TRegistry::WriteExpandString(const String& name, const String& value)
{
    WriteData(name, value.c_str(), static_cast<DWORD>((value.size() + 1) * sizeof(Char)), REG_EXPAND_SZ);
}

void TRegistry::WriteInteger(const String& name, int value)
{
    WriteData(name, &value, sizeof value, REG_DWORD);
}

void TRegistry::WriteFloat(const String& name, double value)
{
    WriteData(name, &value, sizeof value, REG_BINARY);
}

void TRegistry::WriteBinaryData(const String& name, const void* buffer, int bufSize)
{
    WriteData(name, buffer, static_cast<DWORD>(bufSize), REG_BINARY);
}
