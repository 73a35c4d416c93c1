// Every picture decoder behind content detection: any input must decode or raise EInvalidGraphic.
#include <cstddef>
#include <cstdint>

#include "GraphicErrors.h"
#include "PictureDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        DecodePicture({data, size});
    } catch (const EInvalidGraphic&) {
    }
    return 0;
}
