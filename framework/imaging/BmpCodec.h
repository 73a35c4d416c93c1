#pragma once
// BMP files.
#include <span>
#include <vector>

#include "PixelImage.h"

// 1, 4, 8, 16, 24 and 32 bits; uncompressed, bit fields, RLE4 and RLE8; bottom-up and top-down.
TPixelImage DecodeBmp(std::span<const Byte> data);

// Writes a bottom-up BMP of 1, 4, 8, 16 (5-5-5), 24 or 32 bits (alpha bytes 255 unless the picture
// has alpha).
// Indexed depths use the picture's palette when it has one, else its distinct colours; a colour not
// in the table is written as its nearest entry. Raises EInvalidGraphic when a depth is not one of
// these, or when no palette is given and the picture has more colours than the depth holds.
std::vector<Byte> EncodeBmp(const TPixelImage& image, int bitsPerPixel);
