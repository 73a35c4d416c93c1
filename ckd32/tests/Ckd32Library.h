#pragma once
// ckd32.dll loaded the way the tool loads it: LoadLibraryW by name, each entry point by GetProcAddress.
#include "Ckd32.h"

#include <windows.h>

#include <string>
#include <vector>

class Ckd32Library {
public:
    Ckd32Library();
    ~Ckd32Library();
    Ckd32Library(const Ckd32Library&) = delete;
    Ckd32Library& operator=(const Ckd32Library&) = delete;

    HMODULE Module() const { return FModule; }
    bool AllEntriesFound() const { return FAllFound; }

private:
    HMODULE FModule;
    bool FAllFound = true;

    template <class F>
    F Resolve(const char* name);

public:
#define CKD32_ENTRY(name) const decltype(&::name) name = Resolve<decltype(&::name)>(#name)
    CKD32_ENTRY(CkRsa_Create);
    CKD32_ENTRY(CkRsa_Dispose);
    CKD32_ENTRY(CkRsa_GenerateKey);
    CKD32_ENTRY(CkRsa_ExportPrivateKeyObj);
    CKD32_ENTRY(CkRsa__exportPublicKey);
    CKD32_ENTRY(CkCsr_Create);
    CKD32_ENTRY(CkCsr_Dispose);
    CKD32_ENTRY(CkCsr_SetSubjectField);
    CKD32_ENTRY(CkCsr__genCsrPem);
    CKD32_ENTRY(CkPrivateKey_SavePemFile);
    CKD32_ENTRY(CkPublicKey_Create);
    CKD32_ENTRY(CkPublicKey_LoadFromString);
    CKD32_ENTRY(CkPublicKey_SavePemFile);
    CKD32_ENTRY(CkFileAccess_Create);
    CKD32_ENTRY(CkFileAccess_Dispose);
    CKD32_ENTRY(CkFileAccess_WriteEntireTextFile);
#undef CKD32_ENTRY
};

template <class F>
F Ckd32Library::Resolve(const char* name)
{
    FARPROC address = FModule ? GetProcAddress(FModule, name) : nullptr;
    FAllFound = FAllFound && address;
    return reinterpret_cast<F>(reinterpret_cast<void*>(address));
}

// Folders and files of the tests, as Windows paths.
std::wstring OutputFolder();                              // CKD32_OUTPUT_DIR, created if missing
std::wstring ScratchFolder(const std::wstring& name);     // an emptied folder below the output folder
std::string ReadFileBytes(const std::wstring& path);      // empty when the file does not exist
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
bool FileExists(const std::wstring& path);
// The names of the files in a folder.
std::vector<std::wstring> FilesIn(const std::wstring& folder);
