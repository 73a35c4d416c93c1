// Picture sizes from file headers. Every read is checked: a short or malformed file gives 0 x 0.
#include "RurGDIP_ImageHeaders.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "SysUtils.h"

namespace {

bool ReadBytes(TStream& AStream, Byte* ABuffer, Int64 ACount) { return AStream.Read(ABuffer, ACount) == ACount; }

bool ReadByte(TStream& AStream, Byte& AValue) { return ReadBytes(AStream, &AValue, 1); }

Word BigEndianWord(const Byte* p) { return Word(p[0] << 8 | p[1]); }
Word LittleEndianWord(const Byte* p) { return Word(p[0] | p[1] << 8); }
std::int32_t LittleEndianLong(const Byte* p)
{
    return std::int32_t(Cardinal(p[0]) | Cardinal(p[1]) << 8 | Cardinal(p[2]) << 16 | Cardinal(p[3]) << 24);
}

void Skip(TStream& AStream, Int64 ACount) { AStream.Seek(ACount, soCurrent); }

} // namespace

TRurImageHeaderSize ReadJPEGHeaderSize(TStream& AStream)
{
    Byte start[2];
    if (!ReadBytes(AStream, start, 2) || start[0] != 0xFF || start[1] != 0xD8)
        return {};
    Byte b = 0;
    if (!ReadByte(AStream, b))
        return {};
    while (b == 0xFF) {
        Byte marker = 0xFF;
        // Further 0xFF bytes are fill before the marker.
        while (marker == 0xFF)
            if (!ReadByte(AStream, marker))
                return {};
        if (marker >= 0xC0 && marker <= 0xC2) {
            Byte frame[7];
            if (!ReadBytes(AStream, frame, 7))
                return {};
            return {BigEndianWord(frame + 5), BigEndianWord(frame + 3)};
        }
        if (marker != 0x01 && !(marker >= 0xD0 && marker <= 0xD7)) {
            Byte length[2];
            if (!ReadBytes(AStream, length, 2))
                return {};
            Skip(AStream, Int64(BigEndianWord(length)) - 2);
        }
        if (!ReadByte(AStream, b))
            return {};
    }
    return {};
}

TRurImageHeaderSize ReadPNGHeaderSize(TStream& AStream)
{
    static const Byte signature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
    Byte header[24];
    if (!ReadBytes(AStream, header, 24) || std::memcmp(header, signature, 8) != 0)
        return {};
    return {BigEndianWord(header + 18), BigEndianWord(header + 22)};
}

TRurImageHeaderSize ReadBMPHeaderSize(TStream& AStream)
{
    Byte header[26];
    if (!ReadBytes(AStream, header, 26) || header[0] != 'B' || header[1] != 'M')
        return {};
    return {LittleEndianWord(header + 18), LittleEndianWord(header + 22)};
}

TRurImageHeaderSize ReadTIFFHeaderSize(TStream& AStream)
{
    const Int64 base = AStream.Position();
    Byte header[8];
    if (!ReadBytes(AStream, header, 8))
        return {};
    AStream.SetPosition(base + Cardinal(LittleEndianLong(header + 4)));
    Byte count[2];
    if (!ReadBytes(AStream, count, 2))
        return {};
    Int64 width = -1, height = -1;
    for (int i = LittleEndianWord(count); i > 0; --i) {
        Byte entry[12];
        if (!ReadBytes(AStream, entry, 12))
            return {};
        const Word tag = LittleEndianWord(entry);
        const Int64 value = std::llabs(Int64(LittleEndianLong(entry + 8)));
        if (tag == 256)
            width = value;
        else if (tag == 257)
            height = value;
        if (width >= 0 && height >= 0)
            return {Word(width), Word(height)};
    }
    return {};
}

TRurImageHeaderSize ReadGIFHeaderSize(TStream& AStream)
{
    Byte header[13];
    if (!ReadBytes(AStream, header, 13) || std::memcmp(header, "GIF", 3) != 0)
        return {};
    if (header[10] & 0x80)
        Skip(AStream, 3 * (Int64(1) << ((header[10] & 7) + 1)));
    Byte b = 0;
    do {
        if (!ReadByte(AStream, b))
            return {};
    } while (b != 0x2C);
    Byte descriptor[10];
    if (!ReadBytes(AStream, descriptor, 10))
        return {};
    return {LittleEndianWord(descriptor + 4), LittleEndianWord(descriptor + 6)};
}

TRurImageHeaderSize ReadImageHeaderSize(TStream& AStream, const String& AExtension)
{
    const String extension = UpperCase(AExtension);
    if (extension == u".JPG" || extension == u".JPEG")
        return ReadJPEGHeaderSize(AStream);
    if (extension == u".PNG")
        return ReadPNGHeaderSize(AStream);
    if (extension == u".BMP")
        return ReadBMPHeaderSize(AStream);
    if (extension == u".TIFF" || extension == u".TIF")
        return ReadTIFFHeaderSize(AStream);
    if (extension == u".GIF")
        return ReadGIFHeaderSize(AStream);
    return {};
}
