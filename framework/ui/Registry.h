#pragma once
// The registry: TRegistry over one open key, and TRegistryIniFile, an INI file whose sections are
// subkeys of one key and whose lines are that subkey's values.
#include "WinApiNames.h"

#include <memory>

#include "IniFiles.h"

TAVIN_EXCEPTION(ERegistryException, Exception);

enum TRegDataType { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

struct TRegDataInfo {
    TRegDataType RegData;
    int DataSize;
};

// Key paths starting with a backslash are taken from RootKey, others from the open key. Reads
// raise ERegistryException "Failed to get data for 'name'" when the value is missing and "Invalid
// data type for 'name'" when it holds another type; a missing string reads as empty text.
class TRegistry : public TObject {
    TAVIN_CLASS(TRegistry, TObject)
public:
    // Root HKEY_CURRENT_USER; keys are opened with access KEY_ALL_ACCESS unless another is given.
    TRegistry();
    explicit TRegistry(REGSAM access);
    ~TRegistry() override;
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    HKEY RootKey() const { return FRootKey; }
    // Closes the open key.
    void SetRootKey(HKEY value);
    HKEY CurrentKey() const { return FCurrentKey; }
    // Without a leading backslash; empty while no key is open.
    const String& CurrentPath() const { return FCurrentPath; }
    REGSAM Access() const { return FAccess; }
    void SetAccess(REGSAM value) { FAccess = value; }
    // Off: closing a key flushes it to disk first.
    bool LazyWrite() const { return FLazyWrite; }
    void SetLazyWrite(bool value) { FLazyWrite = value; }

    // Opening makes the key the open one, closing the one before; false when it cannot be opened
    // (or created).
    bool OpenKey(const String& key, bool canCreate);
    bool OpenKeyReadOnly(const String& key);
    void CloseKey();
    // Creates the key without opening it; raises ERegistryException when it cannot.
    bool CreateKey(const String& key);
    // Deletes the key with all its subkeys.
    bool DeleteKey(const String& key);
    bool DeleteValue(const String& name);
    bool KeyExists(const String& key);
    bool ValueExists(const String& name);
    bool HasSubKeys();
    // Both clear the list first.
    void GetKeyNames(TStrings& strings);
    void GetValueNames(TStrings& strings);

    bool GetDataInfo(const String& valueName, TRegDataInfo& value);
    // rdUnknown also for a missing value; GetDataSize is -1 then.
    TRegDataType GetDataType(const String& valueName);
    int GetDataSize(const String& valueName);

    String ReadString(const String& name);
    int ReadInteger(const String& name);
    bool ReadBool(const String& name) { return ReadInteger(name) != 0; }
    // A double as 8 binary bytes.
    double ReadFloat(const String& name);
    // Copies the binary value into buffer and returns its size, 0 when it is missing; raises when
    // it is not binary or larger than bufSize.
    int ReadBinaryData(const String& name, void* buffer, int bufSize);

    // Writes raise ERegistryException "Failed to set data for 'name'" when the key refuses them.
    void WriteString(const String& name, const String& value);
    void WriteExpandString(const String& name, const String& value);
    void WriteInteger(const String& name, int value);
    void WriteBool(const String& name, bool value) { WriteInteger(name, value ? 1 : 0); }
    void WriteFloat(const String& name, double value);
    void WriteBinaryData(const String& name, const void* buffer, int bufSize);

private:
    HKEY BaseKey(const String& key) const;
    // The value's bytes, checked to be of one of the accepted types.
    TBytes ReadData(const String& name, std::initializer_list<TRegDataType> accepted);
    void WriteData(const String& name, const void* buffer, DWORD size, DWORD type);
    void ChangeKey(HKEY key, const String& path);
    // A new handle of the key (created when asked), or null.
    HKEY Open(const String& key, REGSAM access, bool create) const;
    bool OpenAndChange(const String& key, REGSAM access, bool create);

    HKEY FRootKey = HKEY_CURRENT_USER;
    HKEY FCurrentKey = nullptr;
    String FCurrentPath;
    REGSAM FAccess;
    bool FLazyWrite = true;
};

// Values are written as the registry's own types: strings as REG_SZ, integers as REG_DWORD (an
// integer over a string value stays a string). The key is created when missing.
class TRegistryIniFile : public TCustomIniFile {
    TAVIN_CLASS(TRegistryIniFile, TCustomIniFile)
public:
    // fileName is the key path below HKEY_CURRENT_USER.
    explicit TRegistryIniFile(const String& fileName, REGSAM access = KEY_ALL_ACCESS);

    TRegistry& RegIniFile() { return FRegistry; }

    String ReadString(const String& section, const String& ident, const String& defaultValue) override;
    void WriteString(const String& section, const String& ident, const String& value) override;
    int ReadInteger(const String& section, const String& ident, int defaultValue) override;
    void WriteInteger(const String& section, const String& ident, int value) override;
    void ReadSection(const String& section, TStrings& strings) override;
    void ReadSections(TStrings& strings) override;
    void ReadSectionValues(const String& section, TStrings& strings) override;
    void EraseSection(const String& section) override;
    void DeleteKey(const String& section, const String& ident) override;
    // The registry keeps what is written: nothing to do.
    void UpdateFile() override {}

private:
    // A registry whose root is the file's key, opened at the section; null when it cannot be opened,
    // and ERegistryException when it has to be created and cannot.
    std::unique_ptr<TRegistry> OpenSection(const String& section, bool canCreate);

    TRegistry FRegistry;
};
