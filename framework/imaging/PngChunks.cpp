#include "PngChunks.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "ByteReader.h"
#include "PixelImage.h"

namespace {

// Fuzzing builds accept any CRC, so that mutated files reach the code behind the chunk checks.
#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
constexpr bool CheckCrc = false;
#else
constexpr bool CheckCrc = true;
#endif

bool IsValidDepth(TPngColorType type, int depth)
{
    switch (type) {
    case TPngColorType::Gray: return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case TPngColorType::Palette: return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    case TPngColorType::RGB:
    case TPngColorType::GrayAlpha:
    case TPngColorType::RGBA: return depth == 8 || depth == 16;
    }
    return false;
}

TPngHeader ParseHeader(std::span<const Byte> chunk)
{
    TByteReader r(chunk, PngName);
    if (chunk.size() != 13)
        r.Fail("IHDR has the wrong length");
    TPngHeader h;
    const Cardinal width = r.U32BE();
    const Cardinal height = r.U32BE();
    CheckPictureSize(width, height, PngName);
    h.Width = static_cast<int>(width);
    h.Height = static_cast<int>(height);
    h.BitDepth = r.U8();
    const Byte type = r.U8();
    if (type > 6 || type == 1 || type == 5)
        r.Fail("unknown colour type " + std::to_string(type));
    h.ColorType = static_cast<TPngColorType>(type);
    if (!IsValidDepth(h.ColorType, h.BitDepth))
        r.Fail("bit depth " + std::to_string(h.BitDepth) + " is not allowed for colour type " + std::to_string(type));
    if (r.U8() != 0 || r.U8() != 0)
        r.Fail("unknown compression or filter method");
    const Byte interlace = r.U8();
    if (interlace > 1)
        r.Fail("unknown interlace method");
    h.Interlaced = interlace == 1;
    return h;
}

bool IsCritical(std::span<const Byte> type) { return (type[0] & 0x20) == 0; }

bool IsType(std::span<const Byte> type, const char* name) { return std::memcmp(type.data(), name, 4) == 0; }

} // namespace

int ChannelsOf(TPngColorType type)
{
    switch (type) {
    case TPngColorType::Gray: return 1;
    case TPngColorType::RGB: return 3;
    case TPngColorType::Palette: return 1;
    case TPngColorType::GrayAlpha: return 2;
    case TPngColorType::RGBA: return 4;
    }
    return 0;
}

TPngChunks ReadPngChunks(std::span<const Byte> data)
{
    TByteReader r(data, PngName);
    if (data.size() < PngSignature.size() || !std::equal(PngSignature.begin(), PngSignature.end(), data.begin()))
        r.Fail("not a PNG signature");
    r.Skip(PngSignature.size());
    TPngChunks result;
    bool haveHeader = false;
    bool haveData = false;
    while (r.Remaining() > 0) {
        const Cardinal length = r.U32BE();
        if (length > 0x7FFFFFFFu)
            r.Fail("chunk length out of range");
        const auto type = r.Bytes(4);
        const auto body = r.Bytes(length);
        const Cardinal stored = r.U32BE();
        uLong crc = crc32(0L, type.data(), 4);
        crc = crc32(crc, body.data(), static_cast<uInt>(body.size()));
        const std::string name(type.begin(), type.end());
        if (CheckCrc && crc != stored)
            r.Fail("CRC mismatch in chunk " + name);
        if (!haveHeader && !IsType(type, "IHDR"))
            r.Fail("IHDR is not the first chunk");
        if (IsType(type, "IHDR")) {
            if (haveHeader)
                r.Fail("second IHDR");
            result.Header = ParseHeader(body);
            haveHeader = true;
        } else if (IsType(type, "PLTE")) {
            if (body.empty() || body.size() % 3 != 0 || body.size() > 3 * 256)
                r.Fail("PLTE has a bad length");
            result.Palette = body;
        } else if (IsType(type, "tRNS")) {
            result.Transparency = body;
            result.HasTransparency = true;
        } else if (IsType(type, "IDAT")) {
            result.ImageData.insert(result.ImageData.end(), body.begin(), body.end());
            haveData = true;
        } else if (IsType(type, "IEND")) {
            break;
        } else if (IsCritical(type)) {
            r.Fail("unknown critical chunk " + name);
        }
    }
    if (!haveHeader)
        r.Fail("IHDR missing");
    if (!haveData)
        r.Fail("IDAT missing");
    if (result.Header.ColorType == TPngColorType::Palette && result.Palette.empty())
        r.Fail("PLTE missing for a palette picture");
    return result;
}
