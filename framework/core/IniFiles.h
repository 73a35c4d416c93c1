#pragma once
// INI files: the abstract store of sections of "name=value" lines, and the one kept in memory and
// written back to its file, and the one on the platform's profile functions. (That one, and the
// registry store, are defined in framework/ui.)
#include "Classes.h"

TAVIN_EXCEPTION(EIniFileException, Exception);

class TCustomIniFile : public TObject {
    TAVIN_CLASS(TCustomIniFile, TObject)
public:
    explicit TCustomIniFile(String fileName) : FFileName(std::move(fileName)) {}
    const String& FileName() const { return FFileName; }

    virtual String ReadString(const String& section, const String& ident, const String& defaultValue) = 0;
    virtual void WriteString(const String& section, const String& ident, const String& value) = 0;
    // Decimal or hexadecimal ("$1F", "0x1F"); anything else gives the default.
    virtual int ReadInteger(const String& section, const String& ident, int defaultValue);
    virtual void WriteInteger(const String& section, const String& ident, int value);
    // An integer: 0 is false. Written as 1 or 0.
    virtual bool ReadBool(const String& section, const String& ident, bool defaultValue);
    virtual void WriteBool(const String& section, const String& ident, bool value);
    // In the process-wide FormatSettings; a value that is no number gives the default.
    virtual double ReadFloat(const String& section, const String& ident, double defaultValue);
    virtual void WriteFloat(const String& section, const String& ident, double value);
    // Bytes as upper-case hexadecimal; reading appends to the stream and returns the byte count,
    // stopping at the first pair that is not hexadecimal.
    virtual int ReadBinaryStream(const String& section, const String& ident, TStream& value);
    virtual void WriteBinaryStream(const String& section, const String& ident, TStream& value);

    // The names of a section's lines; the section names; a section's lines.
    virtual void ReadSection(const String& section, TStrings& strings) = 0;
    virtual void ReadSections(TStrings& strings) = 0;
    virtual void ReadSectionValues(const String& section, TStrings& strings) = 0;
    virtual void EraseSection(const String& section) = 0;
    virtual void DeleteKey(const String& section, const String& ident) = 0;
    virtual void UpdateFile() = 0;
    // A section exists when it has a line; a value when its name is among them.
    virtual bool SectionExists(const String& section);
    virtual bool ValueExists(const String& section, const String& ident);

private:
    String FFileName;
};

// The whole file in memory: read at creation (when it exists), written by UpdateFile, or when
// freed with AutoSave after a change. Text is CR LF; the encoding is the one given, else the one
// the file's byte-order mark names, else ANSI when the text fits it and UTF-8 when not. Lines before the first section and comment
// lines (";") are dropped; spaces around names, "=" and values are trimmed.
class TMemIniFile : public TCustomIniFile {
    TAVIN_CLASS(TMemIniFile, TCustomIniFile)
public:
    explicit TMemIniFile(const String& fileName, const TEncoding* encoding = nullptr);
    ~TMemIniFile() override;
    TMemIniFile(const TMemIniFile&) = delete;
    TMemIniFile& operator=(const TMemIniFile&) = delete;

    String ReadString(const String& section, const String& ident, const String& defaultValue) override;
    void WriteString(const String& section, const String& ident, const String& value) override;
    void ReadSection(const String& section, TStrings& strings) override;
    void ReadSections(TStrings& strings) override;
    void ReadSectionValues(const String& section, TStrings& strings) override;
    void EraseSection(const String& section) override;
    void DeleteKey(const String& section, const String& ident) override;
    void UpdateFile() override;

    void Clear();
    // The file's text form, and replacing the contents from one.
    void GetStrings(TStrings& list) const;
    void SetStrings(const TStrings& list);

    bool CaseSensitive() const { return FSections.CaseSensitive(); }
    void SetCaseSensitive(bool caseSensitive);
    const TEncoding* Encoding() const { return FEncoding; }
    bool AutoSave() const { return FAutoSave; }
    void SetAutoSave(bool autoSave) { FAutoSave = autoSave; }
    bool Modified() const { return FModified; }

private:
    TStringList* Section(const String& name) const;
    TStringList* AddSection(const String& name);

    TStringList FSections{true}; // section names, each owning its lines
    const TEncoding* FEncoding;
    bool FAutoSave = false;
    bool FModified = false;
};

// The platform's profile functions read and write the file on every call. A file name without a
// path is looked up in the Windows folder, as those functions do. Writes that fail raise
// EIniFileException "Unable to write to <file name>".
class TIniFile : public TCustomIniFile {
    TAVIN_CLASS(TIniFile, TCustomIniFile)
public:
    explicit TIniFile(const String& fileName) : TCustomIniFile(fileName) {}
    // Flushes what the platform still caches.
    ~TIniFile() override;

    String ReadString(const String& section, const String& ident, const String& defaultValue) override;
    void WriteString(const String& section, const String& ident, const String& value) override;
    void ReadSection(const String& section, TStrings& strings) override;
    void ReadSections(TStrings& strings) override;
    void ReadSectionValues(const String& section, TStrings& strings) override;
    void EraseSection(const String& section) override;
    void DeleteKey(const String& section, const String& ident) override;
    void UpdateFile() override;
};
