#include "FileAccess.h"

#include "ckDllLoader.h"

namespace {

enum TFileAccessEntry { feCreate, feDispose, feWriteEntireTextFile, feCount };

FARPROC Cells[feCount];

} // namespace

void* CkFileAccess_Create()
{
    return CachedEntryPoint<void*(WINAPI*)()>(Cells[feCreate], u"CkFileAccess_Create")();
}

void CkFileAccess_Dispose(void* fileAccess)
{
    CachedEntryPoint<void(WINAPI*)(void*)>(Cells[feDispose], u"CkFileAccess_Dispose")(fileAccess);
}

std::int32_t CkFileAccess_WriteEntireTextFile(void* fileAccess, const wchar_t* path, const wchar_t* text,
                                              const wchar_t* charset, std::uint16_t includePreamble)
{
    using TEntry = std::int32_t(WINAPI*)(void*, const wchar_t*, const wchar_t*, const wchar_t*, std::uint32_t);
    return CachedEntryPoint<TEntry>(Cells[feWriteEntireTextFile], u"CkFileAccess_WriteEntireTextFile")(
        fileAccess, path, text, charset, includePreamble);
}
