#include "Csr.h"

#include "ckDllLoader.h"

namespace {

enum TCsrEntry { ceCreate, ceDispose, ceSetSubjectField, ceGenCsrPem, ceCount };

FARPROC Cells[ceCount];

} // namespace

void* CkCsr_Create()
{
    return CachedEntryPoint<void*(WINAPI*)()>(Cells[ceCreate], u"CkCsr_Create")();
}

void CkCsr_Dispose(void* csr)
{
    CachedEntryPoint<void(WINAPI*)(void*)>(Cells[ceDispose], u"CkCsr_Dispose")(csr);
}

std::int32_t CkCsr_SetSubjectField(void* csr, const wchar_t* oid, const wchar_t* value, const wchar_t* asnType)
{
    using TEntry = std::int32_t(WINAPI*)(void*, const wchar_t*, const wchar_t*, const wchar_t*);
    return CachedEntryPoint<TEntry>(Cells[ceSetSubjectField], u"CkCsr_SetSubjectField")(csr, oid, value, asnType);
}

const wchar_t* CkCsr_genCsrPem(void* csr, void* privateKey)
{
    using TEntry = const wchar_t*(WINAPI*)(void*, void*);
    return CachedEntryPoint<TEntry>(Cells[ceGenCsrPem], u"CkCsr__genCsrPem")(csr, privateKey);
}
