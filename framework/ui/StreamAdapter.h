#pragma once
// A COM stream (IStream) over a framework stream, for system interfaces that read or write
// streams (GDI+ pictures, WIC). No exception crosses the interface: failures become HRESULTs.
#include <objidl.h>

#include "Streams.h"

enum TStreamOwnership { soReference, soOwned };

class TStreamAdapter : public IStream {
public:
    // Starts with a reference count of 0: the first AddRef (as the interface is handed out) makes
    // it 1, and the last Release frees the adapter (and the stream when it is owned).
    explicit TStreamAdapter(TStream* stream, TStreamOwnership ownership = soReference);
    virtual ~TStreamAdapter();
    TStreamAdapter(const TStreamAdapter&) = delete;
    TStreamAdapter& operator=(const TStreamAdapter&) = delete;

    TStream* Stream() const { return FStream; }
    TStreamOwnership StreamOwnership() const { return FOwnership; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE Read(void* buffer, ULONG count, ULONG* read) override;
    HRESULT STDMETHODCALLTYPE Write(const void* buffer, ULONG count, ULONG* written) override;
    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* position) override;
    HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER size) override;
    HRESULT STDMETHODCALLTYPE CopyTo(IStream* target, ULARGE_INTEGER count, ULARGE_INTEGER* read,
                                     ULARGE_INTEGER* written) override;
    HRESULT STDMETHODCALLTYPE Commit(DWORD flags) override;
    HRESULT STDMETHODCALLTYPE Revert() override;
    HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER offset, ULARGE_INTEGER count, DWORD type) override;
    HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER offset, ULARGE_INTEGER count, DWORD type) override;
    // Type, size and access; the stream has no name (pwcsName is null).
    HRESULT STDMETHODCALLTYPE Stat(STATSTG* stat, DWORD flags) override;
    HRESULT STDMETHODCALLTYPE Clone(IStream** clone) override;

private:
    TStream* FStream;
    TStreamOwnership FOwnership;
    LONG FRefCount = 0;
};
