#pragma once
// PNG pictures through zlib.
#include <span>
#include <vector>

#include "PixelImage.h"

// Every colour type and bit depth, palettes with tRNS, Adam7 interlacing. Checks every chunk's CRC and
// the zlib stream; raises EInvalidGraphic for anything it cannot decode.
TPixelImage DecodePng(std::span<const Byte> data);

// 8-bit RGBA when the picture has alpha, 8-bit RGB otherwise; not interlaced.
std::vector<Byte> EncodePng(const TPixelImage& image);
