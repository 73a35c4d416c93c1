#include "RurImageStream.h"

#include <cstring>

#include "SysUtils.h"

TRurImageStream CreateImageStream(const void* AData, size_t ASize)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, ASize ? ASize : 1);
    void* bytes = block ? GlobalLock(block) : nullptr;
    if (!bytes) {
        if (block)
            GlobalFree(block);
        throw Exception(u"Could not allocate memory for image");
    }
    if (ASize)
        std::memcpy(bytes, AData, ASize);
    GlobalUnlock(block);
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream))) {
        GlobalFree(block);
        throw Exception(u"Could not allocate memory for image");
    }
    return TRurImageStream(stream);
}
