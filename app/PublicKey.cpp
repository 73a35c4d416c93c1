#include "PublicKey.h"

#include "ckDllLoader.h"

namespace {

enum TPublicKeyEntry { keCreate, keLoadFromString, keSavePemFile, keCount };

FARPROC Cells[keCount];

} // namespace

void* CkPublicKey_Create()
{
    return CachedEntryPoint<void*(WINAPI*)()>(Cells[keCreate], u"CkPublicKey_Create")();
}

std::int32_t CkPublicKey_LoadFromString(void* publicKey, const wchar_t* keyText)
{
    using TEntry = std::int32_t(WINAPI*)(void*, const wchar_t*);
    return CachedEntryPoint<TEntry>(Cells[keLoadFromString], u"CkPublicKey_LoadFromString")(publicKey, keyText);
}

std::int32_t CkPublicKey_SavePemFile(void* publicKey, std::int32_t preferPkcs1, const wchar_t* path)
{
    using TEntry = std::int32_t(WINAPI*)(void*, std::int32_t, const wchar_t*);
    return CachedEntryPoint<TEntry>(Cells[keSavePemFile], u"CkPublicKey_SavePemFile")(publicKey, preferPkcs1, path);
}
