#pragma once
// Device-independent bitmaps, the body of BMP files and of icon entries.
#include <array>
#include <span>
#include <string_view>

#include "ByteReader.h"
#include "PixelImage.h"

enum TDibCompression : Cardinal { dcRGB = 0, dcRLE8 = 1, dcRLE4 = 2, dcBitFields = 3, dcAlphaBitFields = 6 };

struct TDibHeader {
    int Width = 0;
    int Height = 0; // rows of the picture, always positive
    bool TopDown = false;
    int BitsPerPixel = 0;
    TDibCompression Compression = dcRGB;
    std::array<Cardinal, 4> Masks{}; // red, green, blue, alpha, for 16 and 32 bits
    std::vector<TBGRA> Palette;      // as stored, at most 256 entries
};

// Reads the header, the colour masks and the colour table at the reader's position and leaves the
// reader after them. An icon entry stores twice its height (colour rows, then the AND mask):
// heightCoversMask halves it.
TDibHeader ReadDibHeader(TByteReader& r, bool heightCoversMask);

// Bytes per stored row: padded to 32 bits.
std::size_t DibStride(int width, int bitsPerPixel);

// Decodes the pixel rows that start at the beginning of bits. 32-bit data (and masks with alpha)
// count as having alpha only when the alpha bytes vary: all zero is the usual "unused" and reads as
// opaque.
TPixelImage DecodeDibPixels(const TDibHeader& header, std::span<const Byte> bits, std::string_view format);
