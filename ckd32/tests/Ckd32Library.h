#pragma once
// ckd32.dll loaded the way the tool loads it: LoadLibraryW by name, each entry point by GetProcAddress.
#include "Ckd32.h"

#include <windows.h>


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
