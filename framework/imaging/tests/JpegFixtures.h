#pragma once
// JPEG files our encoder does not write (grey, progressive, CMYK, absurd scan counts), made with
// libjpeg directly for the decoder tests.
#include <vector>

#include "PixelImage.h"

enum class TJpegLayout { Gray, Progressive, AdobeCmyk, ThousandScans };

std::vector<Byte> MakeJpeg(const TPixelImage& image, TJpegLayout layout);
