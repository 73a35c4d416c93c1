#pragma once
// Pictures made in code for the codec tests: a patterned image and raw-format builders that write
// what our encoders never produce (other PNG colour types, GIF, icons).
#include <optional>
#include <span>
#include <vector>

#include "PixelImage.h"

// A picture with smooth gradients and sharp edges; alpha varies when withAlpha.
TPixelImage MakePatternImage(int width, int height, bool withAlpha);

bool SamePixels(const TPixelImage& a, const TPixelImage& b);

// Mean absolute difference of the colour channels.
double MeanColorError(const TPixelImage& a, const TPixelImage& b);

struct TTestPng {
    TTestPng(int width, int height, int bitDepth, int colorType, bool interlaced = false)
        : Width(width), Height(height), BitDepth(bitDepth), ColorType(colorType), Interlaced(interlaced)
    {
    }
    int Width = 1, Height = 1;
    int BitDepth = 8;
    int ColorType = 6;
    bool Interlaced = false;
    std::vector<int> Samples; // row-major, channel values at the bit depth
    std::vector<Byte> Palette; // RGB triples
    std::optional<std::vector<Byte>> Transparency;
};
// Rows are filtered with each filter type in turn.
std::vector<Byte> BuildPng(const TTestPng& png);

// Appends a chunk with its length and CRC.
void AppendPngChunk(std::vector<Byte>& png, const char* type, const std::vector<Byte>& body);

// Recomputes the CRC of the chunk that contains data[at] after a test changed its bytes.
void FixPngCrc(std::vector<Byte>& png, std::size_t at);

struct TTestGif {
    TTestGif(int screenWidth, int screenHeight, int left, int top, int width, int height, int colorBits,
             bool localTable = false, bool interlaced = false, int transparentIndex = -1)
        : ScreenWidth(screenWidth), ScreenHeight(screenHeight), Left(left), Top(top), Width(width), Height(height),
          ColorBits(colorBits), LocalTable(localTable), Interlaced(interlaced), TransparentIndex(transparentIndex)
    {
    }
    int ScreenWidth = 0, ScreenHeight = 0; // 0: the frame's size
    int Left = 0, Top = 0, Width = 1, Height = 1;
    int ColorBits = 2;
    bool LocalTable = false;
    bool Interlaced = false;
    int TransparentIndex = -1;
    bool KeepFullTable = false; // once the table is full, go on with it instead of clearing it
    std::vector<Byte> Indices;  // row-major in display order
};
std::vector<Byte> BuildGif(const TTestGif& gif);
// The colour of palette index i in BuildGif's tables.
TBGRA GifColor(int index);

// An icon or cursor file holding the given entry bodies (DIB or PNG), each described as width x height.
struct TTestIconEntry {
    int Width, Height, BitCount;
    std::vector<Byte> Body;
};
std::vector<Byte> BuildIcon(const std::vector<TTestIconEntry>& entries, bool cursor = false);

// A DIB icon body: 32-bit colour rows (alpha as in the picture), then the AND mask from maskBit.
std::vector<Byte> BuildDibIconBody(const TPixelImage& image, int bitsPerPixel, bool (*maskBit)(int x, int y));

std::span<const Byte> Bytes(const std::vector<Byte>& v);
