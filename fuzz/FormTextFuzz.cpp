// The text form-resource reader on arbitrary text, through conversion and the component reader.
#include <cstddef>
#include <cstdint>

#include "SampleComponents.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    RegisterSampleComponents();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TBytesStream text(TBytes(data, data + size));
    try {
        TMemoryStream binary;
        ObjectTextToBinary(text, binary);
        binary.SetPosition(0);
        delete ReadComponentFromStream(binary, nullptr);
    } catch (const Exception&) {
    }
    return 0;
}
