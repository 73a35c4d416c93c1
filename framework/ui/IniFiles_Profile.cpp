// TIniFile on the platform's profile functions.
#include "WinApiNames.h"

#include "IniFiles.h"
#include "WideText.h"

namespace {

// The profile functions cut what does not fit the buffer and report the buffer's size less one
// (less two for lists of names); read again with a larger buffer until the whole text fits.
std::wstring ReadProfile(const wchar_t* section, const wchar_t* ident, const wchar_t* defaultValue,
                         const wchar_t* fileName, DWORD listSlack)
{
    std::wstring buffer(2048, L'\0');
    for (;;) {
        DWORD size = static_cast<DWORD>(buffer.size());
        DWORD length = GetPrivateProfileStringW(section, ident, defaultValue, buffer.data(), size, fileName);
        if (length + listSlack < size) {
            buffer.resize(length);
            return buffer;
        }
        buffer.assign(buffer.size() * 2, L'\0');
    }
}

// A double-null-terminated list of names into strings.
void AddNames(const std::wstring& list, TStrings& strings)
{
    strings.BeginUpdate();
    size_t start = 0;
    while (start < list.size()) {
        size_t end = list.find(L'\0', start);
        if (end == std::wstring::npos)
            end = list.size();
        if (end > start)
            strings.Add(FromWidePtr(list.substr(start, end - start).c_str()));
        start = end + 1;
    }
    strings.EndUpdate();
}

} // namespace

TIniFile::~TIniFile()
{
    try {
        UpdateFile();
    } catch (...) {
        // A destructor cannot pass the failure on; the values were written by each call already.
    }
}

String TIniFile::ReadString(const String& section, const String& ident, const String& defaultValue)
{
    return FromWidePtr(
        ReadProfile(WidePtr(section), WidePtr(ident), WidePtr(defaultValue), WidePtr(FileName()), 1).c_str());
}

void TIniFile::WriteString(const String& section, const String& ident, const String& value)
{
    if (!WritePrivateProfileStringW(WidePtr(section), WidePtr(ident), WidePtr(value), WidePtr(FileName())))
        throw EIniFileException::CreateFmt(u"Unable to write to %s", {FileName()});
}

void TIniFile::ReadSection(const String& section, TStrings& strings)
{
    strings.Clear();
    AddNames(ReadProfile(WidePtr(section), nullptr, nullptr, WidePtr(FileName()), 2), strings);
}

void TIniFile::ReadSections(TStrings& strings)
{
    strings.Clear();
    AddNames(ReadProfile(nullptr, nullptr, nullptr, WidePtr(FileName()), 2), strings);
}

void TIniFile::ReadSectionValues(const String& section, TStrings& strings)
{
    TStringList names;
    ReadSection(section, names);
    strings.Clear();
    for (int i = 0; i < names.Count(); ++i)
        strings.Add(names.Strings(i) + u"=" + ReadString(section, names.Strings(i), String()));
}

void TIniFile::EraseSection(const String& section)
{
    if (!WritePrivateProfileStringW(WidePtr(section), nullptr, nullptr, WidePtr(FileName())))
        throw EIniFileException::CreateFmt(u"Unable to write to %s", {FileName()});
}

void TIniFile::DeleteKey(const String& section, const String& ident)
{
    WritePrivateProfileStringW(WidePtr(section), WidePtr(ident), nullptr, WidePtr(FileName()));
}

void TIniFile::UpdateFile()
{
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, WidePtr(FileName()));
}
