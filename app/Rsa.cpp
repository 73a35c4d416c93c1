#include "Rsa.h"

#include "ckDllLoader.h"

namespace {

enum TRsaEntry { reCreate, reDispose, reGenerateKey, reExportPrivateKeyObj, reExportPublicKey, reCount };

FARPROC Cells[reCount];

} // namespace

void* CkRsa_Create()
{
    return CachedEntryPoint<void*(WINAPI*)()>(Cells[reCreate], u"CkRsa_Create")();
}

void CkRsa_Dispose(void* rsa)
{
    CachedEntryPoint<void(WINAPI*)(void*)>(Cells[reDispose], u"CkRsa_Dispose")(rsa);
}

std::uint16_t CkRsa_GenerateKey(void* rsa, std::int32_t bits)
{
    return CachedEntryPoint<std::uint16_t(WINAPI*)(void*, std::int32_t)>(Cells[reGenerateKey],
                                                                         u"CkRsa_GenerateKey")(rsa, bits);
}

void* CkRsa_ExportPrivateKeyObj(void* rsa)
{
    return CachedEntryPoint<void*(WINAPI*)(void*)>(Cells[reExportPrivateKeyObj], u"CkRsa_ExportPrivateKeyObj")(rsa);
}

const wchar_t* CkRsa_exportPublicKey(void* rsa)
{
    return CachedEntryPoint<const wchar_t*(WINAPI*)(void*)>(Cells[reExportPublicKey], u"CkRsa__exportPublicKey")(rsa);
}
