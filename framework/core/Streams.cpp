#include "Streams.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// The largest block one call moves: keeps counts within size_t on 32-bit targets.
constexpr Int64 MaxBlock = 0x7FFFFFFF;

Int64 CheckedSeekTarget(Int64 base, Int64 offset)
{
    Int64 target;
    if (__builtin_add_overflow(base, offset, &target) || target < 0)
        throw EStreamError(u"Invalid stream position");
    return target;
}

void CheckRange(const TBytes& buffer, Int64 offset, Int64 count)
{
    if (offset < 0 || count < 0 || static_cast<UInt64>(offset) > buffer.size() ||
        static_cast<UInt64>(count) > buffer.size() - static_cast<size_t>(offset))
        throw EArgumentOutOfRangeException(u"Argument out of range");
}

} // namespace

Int64 TStream::Size()
{
    const Int64 position = Seek(0, soCurrent);
    const Int64 size = Seek(0, soEnd);
    Seek(position, soBeginning);
    return size;
}

void TStream::SetSize(Int64)
{
    throw EStreamError(u"Stream cannot be resized");
}

Int64 TStream::Read(TBytes& buffer, Int64 offset, Int64 count)
{
    CheckRange(buffer, offset, count);
    return count == 0 ? 0 : Read(buffer.data() + offset, count);
}

Int64 TStream::Write(const TBytes& buffer, Int64 offset, Int64 count)
{
    CheckRange(buffer, offset, count);
    return count == 0 ? 0 : Write(buffer.data() + offset, count);
}

void TStream::ReadBuffer(void* buffer, Int64 count)
{
    if (count < 0 || (count > 0 && Read(buffer, count) != count))
        throw EReadError(u"Stream read error");
}

void TStream::WriteBuffer(const void* buffer, Int64 count)
{
    if (count < 0 || (count > 0 && Write(buffer, count) != count))
        throw EWriteError(u"Stream write error");
}

Int64 TStream::CopyFrom(TStream& source, Int64 count)
{
    if (count <= 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    std::array<Byte, 65536> block;
    Int64 left = count;
    while (left > 0) {
        const Int64 n = std::min<Int64>(left, block.size());
        source.ReadBuffer(block.data(), n);
        WriteBuffer(block.data(), n);
        left -= n;
    }
    return count;
}

Int64 TCustomMemoryStream::Read(void* buffer, Int64 count)
{
    if (count <= 0 || FPosition >= FSize)
        return 0;
    const Int64 n = std::min(count, FSize - FPosition);
    std::memcpy(buffer, static_cast<const Byte*>(FMemory) + FPosition, static_cast<size_t>(n));
    FPosition += n;
    return n;
}

Int64 TCustomMemoryStream::Seek(Int64 offset, TSeekOrigin origin)
{
    const Int64 base = origin == soBeginning ? 0 : origin == soCurrent ? FPosition : FSize;
    FPosition = CheckedSeekTarget(base, offset);
    return FPosition;
}

void TCustomMemoryStream::SaveToStream(TStream& stream)
{
    stream.WriteBuffer(FMemory, FSize);
}

void TCustomMemoryStream::SaveToFile(const String& fileName)
{
    TFileStream file(fileName, fmCreate);
    SaveToStream(file);
}

void TCustomMemoryStream::SetPointer(void* memory, Int64 size)
{
    FMemory = memory;
    FSize = size;
}

Int64 TMemoryStream::Write(const void* buffer, Int64 count)
{
    if (count <= 0)
        return 0;
    Int64 end;
    if (__builtin_add_overflow(FPosition, count, &end))
        throw EStreamError(u"Out of memory while expanding memory stream");
    if (end > Size())
        SetSize(end);
    std::memcpy(FBuffer.data() + FPosition, buffer, static_cast<size_t>(count));
    FPosition = end;
    return count;
}

void TMemoryStream::SetSize(Int64 newSize)
{
    if (newSize < 0 || static_cast<UInt64>(newSize) > std::min<UInt64>(FBuffer.max_size(), MaxBlock))
        throw EStreamError(u"Out of memory while expanding memory stream");
    FBuffer.resize(static_cast<size_t>(newSize));
    SetPointer(FBuffer.data(), newSize);
    FPosition = std::min(FPosition, newSize);
}

void TMemoryStream::Clear()
{
    FBuffer = TBytes();
    SetPointer(nullptr, 0);
    FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream& stream)
{
    if (&stream != this) {
        stream.SetPosition(0);
        const Int64 count = stream.Size();
        SetSize(count);
        stream.ReadBuffer(FBuffer.data(), count);
    }
    FPosition = 0;
}

void TMemoryStream::LoadFromFile(const String& fileName)
{
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(file);
}

TBytesStream::TBytesStream(TBytes bytes)
{
    FBuffer = std::move(bytes);
    SetPointer(FBuffer.data(), static_cast<Int64>(FBuffer.size()));
}

TStringStream::TStringStream(const String& s, const TEncoding& encoding)
    : TBytesStream(encoding.GetBytes(s)), FEncoding(&encoding)
{
}

TStringStream::TStringStream(TBytes bytes) : TBytesStream(std::move(bytes)), FEncoding(&TEncoding::Default()) {}

Int64 TResourceStream::Write(const void*, Int64)
{
    throw EStreamError(u"Can't write to a read-only resource stream");
}
