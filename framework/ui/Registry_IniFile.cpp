#include "Registry.h"

TRegistryIniFile::TRegistryIniFile(const String& fileName, REGSAM access)
    : TCustomIniFile(fileName), FRegistry(access)
{
    FRegistry.OpenKey(fileName, true);
}

std::unique_ptr<TRegistry> TRegistryIniFile::OpenSection(const String& section, bool canCreate)
{
    auto registry = std::make_unique<TRegistry>(FRegistry.Access());
    registry->SetRootKey(FRegistry.CurrentKey());
    if (FRegistry.CurrentKey() && registry->OpenKey(section, canCreate))
        return registry;
    // A write that cannot reach its key must not pass for done.
    if (canCreate)
        throw ERegistryException::CreateFmt(u"Failed to create key %s", {section});
    return nullptr;
}

String TRegistryIniFile::ReadString(const String& section, const String& ident, const String& defaultValue)
{
    auto registry = OpenSection(section, false);
    return registry && registry->ValueExists(ident) ? registry->ReadString(ident) : defaultValue;
}

void TRegistryIniFile::WriteString(const String& section, const String& ident, const String& value)
{
    OpenSection(section, true)->WriteString(ident, value);
}

int TRegistryIniFile::ReadInteger(const String& section, const String& ident, int defaultValue)
{
    auto registry = OpenSection(section, false);
    if (!registry || !registry->ValueExists(ident))
        return defaultValue;
    if (registry->GetDataType(ident) == rdString)
        return StrToIntDef(registry->ReadString(ident), defaultValue);
    return registry->ReadInteger(ident);
}

void TRegistryIniFile::WriteInteger(const String& section, const String& ident, int value)
{
    auto registry = OpenSection(section, true);
    if (registry->GetDataType(ident) == rdString)
        registry->WriteString(ident, IntToStr(value));
    else
        registry->WriteInteger(ident, value);
}

void TRegistryIniFile::ReadSection(const String& section, TStrings& strings)
{
    strings.Clear();
    if (auto registry = OpenSection(section, false))
        registry->GetValueNames(strings);
}

void TRegistryIniFile::ReadSections(TStrings& strings)
{
    FRegistry.GetKeyNames(strings);
}

void TRegistryIniFile::ReadSectionValues(const String& section, TStrings& strings)
{
    TStringList names;
    ReadSection(section, names);
    strings.Clear();
    for (int i = 0; i < names.Count(); ++i)
        strings.Add(names.Strings(i) + u"=" + ReadString(section, names.Strings(i), String()));
}

void TRegistryIniFile::EraseSection(const String& section)
{
    FRegistry.DeleteKey(section);
}

void TRegistryIniFile::DeleteKey(const String& section, const String& ident)
{
    if (auto registry = OpenSection(section, false))
        registry->DeleteValue(ident);
}
