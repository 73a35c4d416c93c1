// The binary component reader on arbitrary bytes: any failure must be an EReadError-style
// framework exception, never a crash, a leak or a hang.
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
    TBytesStream stream(TBytes(data, data + size));
    try {
        delete ReadComponentFromStream(stream, nullptr);
    } catch (const Exception&) {
    }
    return 0;
}
