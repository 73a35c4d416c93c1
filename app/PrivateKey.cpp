#include "PrivateKey.h"

#include "ckDllLoader.h"

namespace {

enum TPrivateKeyEntry { peSavePemFile, peCount };

FARPROC Cells[peCount];

} // namespace

std::int32_t CkPrivateKey_SavePemFile(void* privateKey, const wchar_t* path)
{
    using TEntry = std::int32_t(WINAPI*)(void*, const wchar_t*);
    return CachedEntryPoint<TEntry>(Cells[peSavePemFile], u"CkPrivateKey_SavePemFile")(privateKey, path);
}
