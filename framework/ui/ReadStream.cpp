#include "ReadStream.h"

std::vector<Byte> ReadRestOfStream(TStream& stream)
{
    const Int64 count = stream.Size() - stream.Position();
    std::vector<Byte> bytes(static_cast<size_t>(count > 0 ? count : 0));
    stream.ReadBuffer(bytes.data(), static_cast<Int64>(bytes.size()));
    return bytes;
}
