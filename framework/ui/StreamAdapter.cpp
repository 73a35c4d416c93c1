#include "StreamAdapter.h"

#include <algorithm>
#include <cstdint>
#include <vector>

TStreamAdapter::TStreamAdapter(TStream* stream, TStreamOwnership ownership) : FStream(stream), FOwnership(ownership)
{
}

TStreamAdapter::~TStreamAdapter()
{
    if (FOwnership == soOwned)
        delete FStream;
}

HRESULT TStreamAdapter::QueryInterface(REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_ISequentialStream) || IsEqualIID(iid, IID_IStream)) {
        *object = static_cast<IStream*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG TStreamAdapter::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&FRefCount));
}

ULONG TStreamAdapter::Release()
{
    const LONG count = InterlockedDecrement(&FRefCount);
    if (count == 0)
        delete this;
    return static_cast<ULONG>(count);
}

HRESULT TStreamAdapter::Read(void* buffer, ULONG count, ULONG* read)
{
    if (read)
        *read = 0;
    if (!buffer)
        return STG_E_INVALIDPOINTER;
    try {
        const Int64 done = FStream->Read(buffer, count);
        if (read)
            *read = static_cast<ULONG>(done);
        return done < count ? S_FALSE : S_OK;
    } catch (...) {
        return STG_E_READFAULT;
    }
}

HRESULT TStreamAdapter::Write(const void* buffer, ULONG count, ULONG* written)
{
    if (written)
        *written = 0;
    if (!buffer)
        return STG_E_INVALIDPOINTER;
    try {
        const Int64 done = FStream->Write(buffer, count);
        if (written)
            *written = static_cast<ULONG>(done);
        return done < count ? STG_E_MEDIUMFULL : S_OK;
    } catch (...) {
        return STG_E_CANTSAVE;
    }
}

HRESULT TStreamAdapter::Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* position)
{
    if (origin > STREAM_SEEK_END)
        return STG_E_INVALIDFUNCTION;
    constexpr TSeekOrigin origins[] = {soBeginning, soCurrent, soEnd};
    try {
        const Int64 at = FStream->Seek(move.QuadPart, origins[origin]);
        if (position)
            position->QuadPart = static_cast<ULONGLONG>(at);
        return S_OK;
    } catch (...) {
        return STG_E_INVALIDFUNCTION;
    }
}

HRESULT TStreamAdapter::SetSize(ULARGE_INTEGER size)
{
    if (size.QuadPart > static_cast<ULONGLONG>(INT64_MAX))
        return STG_E_INVALIDFUNCTION;
    try {
        FStream->SetSize(static_cast<Int64>(size.QuadPart));
        return S_OK;
    } catch (...) {
        return STG_E_MEDIUMFULL;
    }
}

HRESULT TStreamAdapter::CopyTo(IStream* target, ULARGE_INTEGER count, ULARGE_INTEGER* read, ULARGE_INTEGER* written)
{
    if (read)
        read->QuadPart = 0;
    if (written)
        written->QuadPart = 0;
    if (!target)
        return STG_E_INVALIDPOINTER;
    std::vector<Byte> buffer(64 * 1024);
    ULONGLONG left = count.QuadPart;
    while (left > 0) {
        const ULONG chunk = static_cast<ULONG>(std::min<ULONGLONG>(left, buffer.size()));
        ULONG got = 0, put = 0;
        const HRESULT readResult = Read(buffer.data(), chunk, &got);
        if (FAILED(readResult))
            return readResult;
        if (read)
            read->QuadPart += got;
        if (got == 0)
            break;
        const HRESULT writeResult = target->Write(buffer.data(), got, &put);
        if (written)
            written->QuadPart += put;
        if (FAILED(writeResult))
            return writeResult;
        if (put < got)
            return STG_E_MEDIUMFULL;
        left -= got;
    }
    return S_OK;
}

HRESULT TStreamAdapter::Commit(DWORD)
{
    return S_OK;
}

HRESULT TStreamAdapter::Revert()
{
    return STG_E_REVERTED;
}

HRESULT TStreamAdapter::LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD)
{
    return STG_E_INVALIDFUNCTION;
}

HRESULT TStreamAdapter::UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD)
{
    return STG_E_INVALIDFUNCTION;
}

HRESULT TStreamAdapter::Stat(STATSTG* stat, DWORD)
{
    if (!stat)
        return STG_E_INVALIDPOINTER;
    *stat = STATSTG{};
    stat->type = STGTY_STREAM;
    stat->grfMode = STGM_READWRITE;
    try {
        stat->cbSize.QuadPart = static_cast<ULONGLONG>(FStream->Size());
        return S_OK;
    } catch (...) {
        return STG_E_ACCESSDENIED;
    }
}

HRESULT TStreamAdapter::Clone(IStream** clone)
{
    if (clone)
        *clone = nullptr;
    return E_NOTIMPL;
}
