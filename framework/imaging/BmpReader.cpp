#include "BmpCodec.h"
#include "DibReader.h"

TPixelImage DecodeBmp(std::span<const Byte> data)
{
    TByteReader r(data, "BMP");
    if (r.U16LE() != 0x4D42)
        r.Fail("not a BMP signature");
    r.Skip(8); // file size and reserved words: often wrong in the wild, so not checked
    const Cardinal pixelsAt = r.U32LE();
    const TDibHeader header = ReadDibHeader(r, false);
    // Some writers leave the offset zero; the pixels then follow the colour table.
    const std::size_t start = pixelsAt != 0 ? pixelsAt : r.Position();
    if (start > data.size())
        r.Fail("pixel data offset lies past the end");
    return DecodeDibPixels(header, data.subspan(start), "BMP");
}
