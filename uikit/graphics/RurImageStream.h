#pragma once
// Picture bytes behind a COM stream, as GDI+ decodes pictures from: the bytes are copied into a
// movable global memory block that the stream frees when it is released.
#include <memory>

#include "WinApiNames.h"
#include <objidl.h>

struct TRurStreamRelease {
    void operator()(IStream* stream) const { stream->Release(); }
};
using TRurImageStream = std::unique_ptr<IStream, TRurStreamRelease>;

// Raises Exception "Could not allocate memory for image" when no block can be had.
TRurImageStream CreateImageStream(const void* AData, size_t ASize);
