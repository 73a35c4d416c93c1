#pragma once
// GIF pictures: the first frame.
#include <span>

#include "PixelImage.h"

// The first frame drawn on the logical screen; the transparent index and any screen area the frame
// leaves uncovered come out transparent. Raises EInvalidGraphic for corrupt or truncated data.
TPixelImage DecodeGif(std::span<const Byte> data);
