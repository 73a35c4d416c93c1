#pragma once
// JPEG pictures through libjpeg.
#include <span>
#include <vector>

#include "PixelImage.h"

// Grey, colour and CMYK files, baseline or progressive; truncated or corrupt data raises EInvalidGraphic.
TPixelImage DecodeJpeg(std::span<const Byte> data);

// Quality runs from 1 (smallest) to 100 (best); values outside are taken as the nearer end, as
// libjpeg does. Alpha is dropped: JPEG has none.
std::vector<Byte> EncodeJpeg(const TPixelImage& image, int quality);
