// GIF reading: header and colour tables, extensions skipped except the graphic control one, then the
// first image's LZW data decoded into palette indices.
#include "GifDecoder.h"

#include <algorithm>
#include <array>
#include <string>

#include "ByteReader.h"
#include "GifLzwDecoder.h"

namespace {

constexpr std::string_view Gif = "GIF";

std::vector<TBGRA> ReadColorTable(TByteReader& r, int bits)
{
    std::vector<TBGRA> table(std::size_t(1) << bits);
    for (TBGRA& c : table) {
        const auto rgb = r.Bytes(3);
        c = TBGRA{rgb[2], rgb[1], rgb[0], 255};
    }
    return table;
}

// The LZW data of an image: the sub-blocks joined.
std::vector<Byte> ReadSubBlocks(TByteReader& r)
{
    std::vector<Byte> data;
    for (Byte size = r.U8(); size != 0; size = r.U8()) {
        const auto block = r.Bytes(size);
        data.insert(data.end(), block.begin(), block.end());
    }
    return data;
}

void SkipSubBlocks(TByteReader& r)
{
    for (Byte size = r.U8(); size != 0; size = r.U8())
        r.Skip(size);
}

// Row order of an interlaced image: every 8th row from 0, every 8th from 4, every 4th from 2, every 2nd from 1.
std::vector<int> InterlacedRows(int height)
{
    std::vector<int> rows;
    rows.reserve(height);
    constexpr std::array<std::array<int, 2>, 4> passes = {{{0, 8}, {4, 8}, {2, 4}, {1, 2}}};
    for (const auto& [start, step] : passes)
        for (int y = start; y < height; y += step)
            rows.push_back(y);
    return rows;
}

struct TFrame {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    bool Interlaced = false;
    std::vector<TBGRA> Colors;
    int ColorBits = 0;
    std::vector<Byte> Indices;
};

TFrame ReadFrame(TByteReader& r, const std::vector<TBGRA>& globalColors, int globalBits)
{
    TFrame f;
    f.Left = r.U16LE();
    f.Top = r.U16LE();
    f.Width = r.U16LE();
    f.Height = r.U16LE();
    const Byte packed = r.U8();
    CheckPictureSize(f.Width, f.Height, Gif);
    f.Interlaced = (packed & 0x40) != 0;
    if (packed & 0x80) {
        f.ColorBits = (packed & 7) + 1;
        f.Colors = ReadColorTable(r, f.ColorBits);
    } else {
        f.ColorBits = globalBits;
        f.Colors = globalColors;
    }
    if (f.Colors.empty())
        r.Fail("no colour table");
    const int minCodeSize = r.U8();
    if (minCodeSize < 2 || minCodeSize > 8)
        r.Fail("LZW code size " + std::to_string(minCodeSize) + " is out of range");
    const std::vector<Byte> lzw = ReadSubBlocks(r);
    f.Indices.resize(static_cast<std::size_t>(f.Width) * f.Height);
    TGifLzwDecoder(lzw, minCodeSize).Decode(f.Indices);
    return f;
}

} // namespace

TPixelImage DecodeGif(std::span<const Byte> data)
{
    TByteReader r(data, Gif);
    const auto signature = r.Bytes(6);
    if (!std::equal(signature.begin(), signature.begin() + 3, "GIF"))
        r.Fail("not a GIF signature");
    const int screenWidth = r.U16LE();
    const int screenHeight = r.U16LE();
    const Byte packed = r.U8();
    r.Skip(2); // background colour index, aspect ratio
    std::vector<TBGRA> globalColors;
    const int globalBits = (packed & 7) + 1;
    if (packed & 0x80)
        globalColors = ReadColorTable(r, globalBits);

    int transparentIndex = -1;
    for (;;) {
        const Byte block = r.U8();
        if (block == 0x21) {
            const Byte label = r.U8();
            if (label == 0xF9) {
                const auto control = r.Bytes(r.U8());
                transparentIndex = control.size() >= 4 && (control[0] & 1) ? control[3] : -1;
            }
            SkipSubBlocks(r);
        } else if (block == 0x2C) {
            break;
        } else if (block == 0x3B) {
            r.Fail("no image");
        } else {
            r.Fail("unknown block type");
        }
    }
    const TFrame frame = ReadFrame(r, globalColors, globalBits);

    const int width = std::max(screenWidth, frame.Left + frame.Width);
    const int height = std::max(screenHeight, frame.Top + frame.Height);
    CheckPictureSize(width, height, Gif);
    TPixelImage image(width, height);
    std::array<TBGRA, 256> colors;
    colors.fill(TBGRA{0, 0, 0, 255});
    std::copy(frame.Colors.begin(), frame.Colors.end(), colors.begin());
    if (transparentIndex >= 0)
        colors[transparentIndex].A = 0;
    const std::vector<int> rows = frame.Interlaced ? InterlacedRows(frame.Height) : std::vector<int>{};
    for (int i = 0; i < frame.Height; ++i) {
        const int y = frame.Interlaced ? rows[i] : i;
        const Byte* indices = frame.Indices.data() + static_cast<std::size_t>(i) * frame.Width;
        TBGRA* out = image.ScanLine(frame.Top + y) + frame.Left;
        for (int x = 0; x < frame.Width; ++x)
            out[x] = colors[indices[x]];
    }
    const bool coversScreen = frame.Left == 0 && frame.Top == 0 && frame.Width == width && frame.Height == height;
    image.SetHasAlpha(transparentIndex >= 0 || !coversScreen);
    image.SetSourceBitsPerPixel(frame.ColorBits);
    image.SetPalette(frame.Colors);
    image.SetTransparentIndex(transparentIndex);
    return image;
}
