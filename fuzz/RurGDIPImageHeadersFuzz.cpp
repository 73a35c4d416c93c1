// The picture header readers over arbitrary bytes, for every extension they know: no crash, hang
// or undefined behaviour, and they never read past the end.
#include <cstddef>
#include <cstdint>

#include "RurGDIP_ImageHeaders.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    for (const char16_t* extension : {u".jpg", u".png", u".bmp", u".tif", u".gif"}) {
        TMemoryStream stream;
        stream.WriteBuffer(data, Int64(size));
        stream.SetPosition(0);
        ReadImageHeaderSize(stream, extension);
    }
    return 0;
}
