#include "IconReader.h"

#include <algorithm>
#include <tuple>

#include "DibReader.h"
#include "PictureFormat.h"
#include "PngCodec.h"

namespace {

constexpr std::string_view Icon = "icon";

// Applies the 1-bit AND mask that follows the colour rows: a set bit is a transparent pixel.
void ApplyMask(TPixelImage& image, const TDibHeader& header, std::span<const Byte> mask)
{
    const std::size_t stride = DibStride(header.Width, 1);
    if (mask.size() / stride < static_cast<std::size_t>(header.Height))
        RaiseInvalidGraphic(Icon, "AND mask ends early");
    for (int row = 0; row < header.Height; ++row) {
        const Byte* bits = mask.data() + row * stride;
        TBGRA* out = image.ScanLine(header.TopDown ? row : header.Height - 1 - row);
        for (int x = 0; x < header.Width; ++x)
            if (bits[x / 8] >> (7 - x % 8) & 1)
                out[x].A = 0;
    }
}

TPixelImage DecodeDibEntry(std::span<const Byte> entryData)
{
    TByteReader r(entryData, Icon);
    const TDibHeader header = ReadDibHeader(r, true);
    const auto bits = entryData.subspan(r.Position());
    TPixelImage image = DecodeDibPixels(header, bits, Icon);
    // Colour data with its own alpha needs no mask; some writers then leave the mask out.
    if (!image.HasAlpha()) {
        const std::size_t colorBytes = DibStride(header.Width, header.BitsPerPixel) * header.Height;
        ApplyMask(image, header, bits.subspan(std::min(colorBytes, bits.size())));
    }
    image.SetHasAlpha(true);
    return image;
}

} // namespace

TIconDirectory ReadIconDirectory(std::span<const Byte> data)
{
    TByteReader r(data, Icon);
    const Word reserved = r.U16LE();
    const Word type = r.U16LE();
    if (reserved != 0 || (type != 1 && type != 2))
        r.Fail("not an icon or cursor directory");
    const Word count = r.U16LE();
    if (count == 0)
        r.Fail("the directory is empty");
    TIconDirectory directory;
    directory.IsCursor = type == 2;
    for (Word i = 0; i < count; ++i) {
        TIconEntry e;
        e.Width = r.U8();
        e.Height = r.U8();
        e.Width = e.Width ? e.Width : 256;
        e.Height = e.Height ? e.Height : 256;
        e.ColorCount = r.U8();
        r.Skip(1);
        const Word planesOrX = r.U16LE();
        const Word bitsOrY = r.U16LE();
        if (directory.IsCursor) {
            e.HotSpotX = planesOrX;
            e.HotSpotY = bitsOrY;
        } else {
            e.BitCount = bitsOrY;
        }
        e.Size = r.U32LE();
        e.Offset = r.U32LE();
        if (e.Offset > data.size() || e.Size > data.size() - e.Offset)
            r.Fail("an entry lies outside the file");
        directory.Entries.push_back(e);
    }
    return directory;
}

TPixelImage DecodeIconEntry(std::span<const Byte> data, const TIconEntry& entry)
{
    if (entry.Offset > data.size() || entry.Size > data.size() - entry.Offset)
        RaiseInvalidGraphic(Icon, "the entry lies outside the file");
    const auto entryData = data.subspan(entry.Offset, entry.Size);
    if (DetectPictureFormat(entryData) == TPictureFormat::Png)
        return DecodePng(entryData);
    return DecodeDibEntry(entryData);
}

TPixelImage DecodeIcon(std::span<const Byte> data)
{
    const TIconDirectory directory = ReadIconDirectory(data);
    const auto best = std::max_element(directory.Entries.begin(), directory.Entries.end(),
                                       [](const TIconEntry& a, const TIconEntry& b) {
                                           return std::tuple(a.Width * a.Height, a.BitCount) <
                                                  std::tuple(b.Width * b.Height, b.BitCount);
                                       });
    return DecodeIconEntry(data, *best);
}
