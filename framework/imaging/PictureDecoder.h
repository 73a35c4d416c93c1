#pragma once
// Decoding a picture of any supported format, chosen by its content.
#include <span>

#include "PixelImage.h"

// Raises EInvalidGraphic for unknown, unsupported (TIFF, metafiles) or corrupt data.
TPixelImage DecodePicture(std::span<const Byte> data);
