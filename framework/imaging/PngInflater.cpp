#include "PngInflater.h"

#include <algorithm>
#include <climits>
#include <string>

#include "GraphicErrors.h"
#include "PngChunks.h"

TPngInflater::TPngInflater(std::span<const Byte> input) : FInput(input)
{
    if (inflateInit(&FStream) != Z_OK)
        RaiseInvalidGraphic(PngName, "zlib cannot start");
}

TPngInflater::~TPngInflater() { inflateEnd(&FStream); }

void TPngInflater::Read(Byte* out, std::size_t count)
{
    FStream.next_out = out;
    FStream.avail_out = static_cast<uInt>(count);
    while (FStream.avail_out > 0) {
        if (FEnded)
            RaiseInvalidGraphic(PngName, "compressed image data is shorter than the picture");
        if (!Refill() || !Step())
            RaiseInvalidGraphic(PngName, "compressed image data ends early");
    }
}

void TPngInflater::CheckTrailer()
{
    Byte probe = 0;
    while (!FEnded) {
        FStream.next_out = &probe;
        FStream.avail_out = 1;
        if (!Refill() || !Step() || FStream.avail_out == 0)
            return;
    }
}

// Hands zlib the next portion of input when it has used up the last; false when none is left.
bool TPngInflater::Refill()
{
    if (FStream.avail_in == 0) {
        if (FInput.empty())
            return false;
        const std::size_t portion = std::min<std::size_t>(FInput.size(), UINT_MAX);
        FStream.next_in = FInput.data();
        FStream.avail_in = static_cast<uInt>(portion);
        FInput = FInput.subspan(portion);
    }
    return true;
}

// One inflate call; false when it could make no progress.
bool TPngInflater::Step()
{
    const int rc = inflate(&FStream, Z_NO_FLUSH);
    if (rc == Z_STREAM_END) {
        FEnded = true;
        return true;
    }
    if (rc == Z_OK)
        return true;
    if (rc == Z_BUF_ERROR)
        return false;
    RaiseInvalidGraphic(PngName, std::string("corrupt compressed image data") +
                                     (FStream.msg ? std::string(" (") + FStream.msg + ")" : std::string()));
}
