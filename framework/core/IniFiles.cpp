#include "IniFiles.h"

#include <algorithm>
#include <filesystem>

namespace {

bool FileExists(const String& fileName)
{
    std::error_code error;
    return !fileName.empty() && std::filesystem::is_regular_file(std::filesystem::path(fileName), error);
}

} // namespace

int TCustomIniFile::ReadInteger(const String& section, const String& ident, int defaultValue)
{
    return StrToIntDef(ReadString(section, ident, String()), defaultValue);
}

void TCustomIniFile::WriteInteger(const String& section, const String& ident, int value)
{
    WriteString(section, ident, IntToStr(value));
}

bool TCustomIniFile::ReadBool(const String& section, const String& ident, bool defaultValue)
{
    return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const String& section, const String& ident, bool value)
{
    WriteString(section, ident, value ? u"1" : u"0");
}

double TCustomIniFile::ReadFloat(const String& section, const String& ident, double defaultValue)
{
    String text = ReadString(section, ident, String());
    double value;
    return !text.empty() && TryStrToFloat(text, value) ? value : defaultValue;
}

void TCustomIniFile::WriteFloat(const String& section, const String& ident, double value)
{
    WriteString(section, ident, FloatToStr(value));
}

int TCustomIniFile::ReadBinaryStream(const String& section, const String& ident, TStream& value)
{
    String text = ReadString(section, ident, String());
    TBytes bytes;
    for (size_t i = 0; i + 1 < text.size(); i += 2) {
        int high = HexDigitValue(text[i]), low = HexDigitValue(text[i + 1]);
        if (high < 0 || low < 0)
            break;
        bytes.push_back(static_cast<Byte>(high * 16 + low));
    }
    if (!bytes.empty())
        value.WriteBuffer(bytes.data(), static_cast<Int64>(bytes.size()));
    return static_cast<int>(bytes.size());
}

void TCustomIniFile::WriteBinaryStream(const String& section, const String& ident, TStream& value)
{
    TBytes bytes(static_cast<size_t>(std::max<Int64>(value.Size() - value.Position(), 0)));
    if (!bytes.empty())
        value.ReadBuffer(bytes.data(), static_cast<Int64>(bytes.size()));
    String text;
    for (Byte b : bytes)
        text += IntToHex(b, 2);
    WriteString(section, ident, text);
}

bool TCustomIniFile::SectionExists(const String& section)
{
    TStringList names;
    ReadSection(section, names);
    return names.Count() > 0;
}

bool TCustomIniFile::ValueExists(const String& section, const String& ident)
{
    TStringList names;
    ReadSection(section, names);
    return names.IndexOf(ident) >= 0;
}

// ---------------------------------------------------------------------------------------------

TMemIniFile::TMemIniFile(const String& fileName, const TEncoding* encoding)
    : TCustomIniFile(fileName), FEncoding(encoding)
{
    if (FileExists(fileName)) {
        TStringList list;
        list.LoadFromFile(fileName, encoding);
        // A file without a byte-order mark does not bind the encoding: see UpdateFile.
        if (!FEncoding && list.Encoding() != &TEncoding::Default())
            FEncoding = list.Encoding();
        SetStrings(list);
    }
    FModified = false;
}

TMemIniFile::~TMemIniFile()
{
    if (FAutoSave && FModified) {
        try {
            UpdateFile();
        } catch (const Exception&) {
            // A destructor cannot report it; UpdateFile is the call that does.
        }
    }
}

TStringList* TMemIniFile::Section(const String& name) const
{
    int index = FSections.IndexOf(name);
    return index >= 0 ? static_cast<TStringList*>(FSections.Objects(index)) : nullptr;
}

TStringList* TMemIniFile::AddSection(const String& name)
{
    auto* lines = new TStringList();
    lines->SetCaseSensitive(CaseSensitive());
    FSections.AddObject(name, lines);
    return lines;
}

void TMemIniFile::SetCaseSensitive(bool caseSensitive)
{
    FSections.SetCaseSensitive(caseSensitive);
    for (int i = 0; i < FSections.Count(); ++i)
        static_cast<TStringList*>(FSections.Objects(i))->SetCaseSensitive(caseSensitive);
}

String TMemIniFile::ReadString(const String& section, const String& ident, const String& defaultValue)
{
    if (TStringList* lines = Section(section)) {
        int index = lines->IndexOfName(ident);
        if (index >= 0)
            return lines->ValueFromIndex(index);
    }
    return defaultValue;
}

void TMemIniFile::WriteString(const String& section, const String& ident, const String& value)
{
    TStringList* lines = Section(section);
    if (!lines)
        lines = AddSection(section);
    String line = ident + u"=" + value;
    int index = lines->IndexOfName(ident);
    if (index >= 0)
        lines->SetStrings(index, line);
    else
        lines->Add(line);
    FModified = true;
}

void TMemIniFile::ReadSection(const String& section, TStrings& strings)
{
    strings.BeginUpdate();
    strings.Clear();
    if (TStringList* lines = Section(section))
        for (int i = 0; i < lines->Count(); ++i)
            strings.Add(lines->Names(i));
    strings.EndUpdate();
}

void TMemIniFile::ReadSections(TStrings& strings)
{
    strings.BeginUpdate();
    strings.Clear();
    for (int i = 0; i < FSections.Count(); ++i)
        strings.Add(FSections.Strings(i));
    strings.EndUpdate();
}

void TMemIniFile::ReadSectionValues(const String& section, TStrings& strings)
{
    strings.BeginUpdate();
    strings.Clear();
    if (TStringList* lines = Section(section))
        strings.AddStrings(*lines);
    strings.EndUpdate();
}

void TMemIniFile::EraseSection(const String& section)
{
    int index = FSections.IndexOf(section);
    if (index >= 0) {
        FSections.Delete(index);
        FModified = true;
    }
}

void TMemIniFile::DeleteKey(const String& section, const String& ident)
{
    if (TStringList* lines = Section(section)) {
        int index = lines->IndexOfName(ident);
        if (index >= 0) {
            lines->Delete(index);
            FModified = true;
        }
    }
}

void TMemIniFile::Clear()
{
    FSections.Clear();
    FModified = true;
}

void TMemIniFile::GetStrings(TStrings& list) const
{
    list.BeginUpdate();
    for (int i = 0; i < FSections.Count(); ++i) {
        list.Add(u"[" + FSections.Strings(i) + u"]");
        list.AddStrings(*static_cast<TStringList*>(FSections.Objects(i)));
        list.Add(String());
    }
    list.EndUpdate();
}

void TMemIniFile::SetStrings(const TStrings& list)
{
    FSections.Clear();
    TStringList* lines = nullptr;
    for (int i = 0; i < list.Count(); ++i) {
        String s = Trim(list.Strings(i));
        if (s.empty() || s[0] == u';')
            continue;
        if (s[0] == u'[' && s.back() == u']' && s.size() >= 2) {
            String name = Trim(s.substr(1, s.size() - 2));
            lines = Section(name);
            if (!lines)
                lines = AddSection(name);
        } else if (lines) {
            size_t eq = s.find(u'=');
            lines->Add(eq == String::npos ? s : Trim(s.substr(0, eq)) + u"=" + Trim(s.substr(eq + 1)));
        }
    }
    FModified = true;
}

void TMemIniFile::UpdateFile()
{
    TStringList list;
    GetStrings(list);
    // Text the ANSI code page cannot hold is saved as UTF-8 (with its mark, so it reads back).
    const TEncoding* encoding = FEncoding;
    if (!encoding) {
        const String text = list.Text();
        bool ansi = std::all_of(text.begin(), text.end(), [](Char c) { return c < 0x80; });
        encoding = ansi ? &TEncoding::Default() : &TEncoding::UTF8();
    }
    list.SaveToFile(FileName(), encoding);
    FModified = false;
}
