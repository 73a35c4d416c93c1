#pragma once
// The chunk layer of PNG files: the header and the chunks a decoder needs, CRC-checked.
#include <span>
#include <string_view>
#include <vector>

#include "PngFormat.h"

constexpr std::string_view PngName = "PNG";

struct TPngHeader {
    int Width = 0;
    int Height = 0;
    int BitDepth = 0;
    TPngColorType ColorType = TPngColorType::Gray;
    bool Interlaced = false;
};

int ChannelsOf(TPngColorType type);

// The chunks a decoder needs; the image data of all IDAT chunks joined.
struct TPngChunks {
    TPngHeader Header;
    std::span<const Byte> Palette;
    std::span<const Byte> Transparency;
    bool HasTransparency = false;
    std::vector<Byte> ImageData;
};

// Raises EInvalidGraphic for a bad signature, CRC, header or chunk order.
TPngChunks ReadPngChunks(std::span<const Byte> data);
