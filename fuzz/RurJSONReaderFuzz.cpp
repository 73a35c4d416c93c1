// Feeds arbitrary bytes to TRurJSONReader and pulls every token with a varying choice of read
// operations. Any failure other than the framework's documented exceptions aborts the run.
#include <cstddef>
#include <cstdint>

#include "RurJSONReader.h"

namespace {

// Numbers and texts are read as integers, doubles or strings; a refused conversion leaves the
// token (or its buffered text) for ReadString.
void ReadScalar(TRurJSONReader& json, unsigned choice)
{
    try {
        switch (choice % 4) {
        case 0: json.ReadInteger(); return;
        case 1: json.ReadInt64(); return;
        case 2: json.ReadDouble(); return;
        default: json.ReadString(); return;
        }
    } catch (const TRurJSONReader::EInvalidStateException&) {
    } catch (const EConvertError&) {
    }
    json.ReadString();
}

void Drain(TRurJSONReader& json, unsigned choice)
{
    for (;;) {
        choice = choice * 1103515245u + 12345u;
        const unsigned pick = choice >> 16;
        switch (json.Peek()) {
        case jstoBeginObject:
            if (pick % 5 == 0)
                json.SkipValue();
            else
                json.ReadBeginObject();
            break;
        case jstoBeginArray:
            if (pick % 5 == 0)
                json.SkipValue();
            else
                json.ReadBeginArray();
            break;
        case jstoEndObject: json.ReadEndObject(); break;
        case jstoEndArray: json.ReadEndArray(); break;
        case jstoName:
            if (pick % 3 == 0)
                json.SkipValue();
            else if (json.PeekName() != json.ReadName())
                __builtin_trap();
            break;
        case jstoBoolean: json.ReadBoolean(); break;
        case jstoNull: json.ReadNull(); break;
        case jstoText:
        case jstoNumber: ReadScalar(json, pick); break;
        case jstoEOF: return;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TBytesStream stream(TBytes(data, data + size));
    try {
        TRurJSONReader json(stream);
        Drain(json, unsigned(size));
    } catch (const Exception&) {
        // Every documented failure derives from Exception.
    }
    return 0;
}
